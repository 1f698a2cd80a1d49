#pragma once

#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace aw {

// The text of an error for the user, kept as parts of two kinds: the program's own texts and
// design texts are Windows-1252 (as the design holds them); file paths and texts of this system
// (its reasons, JSON) are UTF-8. Each part is converted with its own mapping where it is shown;
// a path that is not valid UTF-8 (a POSIX name is any bytes) is read as Windows-1252, as file
// names are everywhere they are shown, so the message is always valid UTF-8.
class ErrorText {
public:
    ErrorText() = default;
    // A message of Windows-1252 text only.
    explicit ErrorText(std::string text) { Text(std::move(text)); }

    ErrorText &Text(std::string windows1252);
    ErrorText &SystemText(std::string utf8);
    // The path in double quotes; it becomes the message's file.
    ErrorText &File(const std::string &path);

    const std::string &FilePath() const { return m_filePath; }
    // The parts' bytes one after the other, each in its own encoding.
    std::string Bytes() const;
    std::string Utf8() const;

private:
    struct Part {
        std::string Bytes;
        bool Utf8;
    };
    std::vector<Part> m_parts;
    std::string m_filePath;
};

// The base of the program's errors. what() is the message's bytes; Utf8() is what the user
// is shown.
class ArmorwrightError : public std::runtime_error {
public:
    explicit ArmorwrightError(const std::string &windows1252) : ArmorwrightError(ErrorText(windows1252)) {}
    explicit ArmorwrightError(ErrorText text);

    const std::string &FilePath() const { return m_text->FilePath(); }
    std::string Utf8() const { return m_text->Utf8(); }

private:
    std::shared_ptr<const ErrorText> m_text; // shared: copying an exception does not throw
};

// The message of any error as valid UTF-8 text. Errors of other libraries (the standard
// library's, bad_alloc) report ASCII or UTF-8 texts, or paths of any bytes, read as file names are.
std::string ErrorUtf8(const std::exception &error);

} // namespace aw
