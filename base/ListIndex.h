#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace aw {

// The program's list convention, for every list that keeps its entries in a vector: an index
// before the start or at or beyond the end finds no entry (a lookup yields the empty value),
// setting there appends, and deleting or exchanging there does nothing.

template <typename T> bool ListHas(const std::vector<T> &items, int i)
{
    return i >= 0 && static_cast<size_t>(i) < items.size();
}

// The entry at i, or nullptr.
template <typename T> const T *ListFind(const std::vector<T> &items, int i)
{
    return ListHas(items, i) ? &items[static_cast<size_t>(i)] : nullptr;
}

template <typename T> T *ListFind(std::vector<T> &items, int i)
{
    return ListHas(items, i) ? &items[static_cast<size_t>(i)] : nullptr;
}

// A copy of the entry at i, or `empty`.
template <typename T> T ListGet(const std::vector<T> &items, int i, const T &empty = T{})
{
    if (!ListHas(items, i))
        return empty;
    return items[static_cast<size_t>(i)];
}

template <typename T> void ListSet(std::vector<T> &items, int i, const T &value)
{
    if (ListHas(items, i))
        items[static_cast<size_t>(i)] = value;
    else
        items.push_back(value);
}

template <typename T> void ListDelete(std::vector<T> &items, int i)
{
    if (ListHas(items, i))
        items.erase(items.begin() + i);
}

template <typename T> void ListExchange(std::vector<T> &items, int i, int j)
{
    if (ListHas(items, i) && ListHas(items, j))
        std::iter_swap(items.begin() + i, items.begin() + j);
}

} // namespace aw
