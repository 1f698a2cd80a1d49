#include "storage/JsonOnceEachKey.h"

#include <set>
#include <vector>

namespace aw {

namespace {

using nlohmann::ordered_json;
using Event = ordered_json::parse_event_t;

// Follows the parser through the text: one frame per open object or list, with the key or
// index of the value being read and, in an object, the keys met so far. The path is only
// put together for the message, so deep nesting costs no more than the frames.
class KeyTracker {
public:
    void Enter(bool isObject) { m_frames.push_back({isObject, {}, {}, 0}); }
    void Leave()
    {
        m_frames.pop_back();
        ValueDone();
    }
    void Key(const std::string &key)
    {
        Frame &frame = m_frames.back();
        frame.Key = key;
        if (!frame.Keys.insert(key).second)
            throw RepeatedJsonKey{Path()};
    }
    void ValueDone()
    {
        if (!m_frames.empty() && !m_frames.back().IsObject)
            ++m_frames.back().Index;
    }

private:
    struct Frame {
        bool IsObject;
        std::set<std::string> Keys;
        std::string Key;
        size_t Index;
    };
    std::string Path() const
    {
        std::string path = "$";
        for (const Frame &frame : m_frames)
            path += frame.IsObject ? "." + frame.Key : "[" + std::to_string(frame.Index) + "]";
        return path;
    }
    std::vector<Frame> m_frames;
};

} // namespace

ordered_json ParseJsonOnceEachKey(const std::string &text)
{
    KeyTracker tracker;
    return ordered_json::parse(text, [&tracker](int, Event event, ordered_json &parsed) {
        switch (event) {
        case Event::object_start:
        case Event::array_start:
            tracker.Enter(event == Event::object_start);
            break;
        case Event::object_end:
        case Event::array_end:
            tracker.Leave();
            break;
        case Event::key:
            tracker.Key(parsed.get<std::string>());
            break;
        case Event::value:
            tracker.ValueDone();
            break;
        }
        return true;
    });
}

} // namespace aw
