#pragma once

#include <stdexcept>
#include <string>

// A JSON design that cannot become a design. The message starts with the JSON path of the
// first bad value, e.g. "$.weapons[2].clips[0].sections[1].Amount: expected an integer".
class EDesignJsonError : public std::runtime_error {
  public:
    EDesignJsonError(const std::string &path, const std::string &problem)
        : std::runtime_error(path + ": " + problem), m_path(path)
    {
    }

    const std::string &Path() const { return m_path; }

  private:
    std::string m_path;
};
