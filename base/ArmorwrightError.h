#pragma once

#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// The text of an error for the user, kept as parts of two kinds: the program's own texts and
// design texts are Windows-1252 (as the design holds them); file paths and texts of this system
// (its reasons, JSON) are UTF-8. Each part is converted with its own mapping where it is shown.
class TErrorText {
  public:
    TErrorText() = default;
    // A message of Windows-1252 text only.
    explicit TErrorText(std::string text) { Text(std::move(text)); }

    TErrorText &Text(std::string windows1252);
    TErrorText &SystemText(std::string utf8);
    // The path in double quotes; it becomes the message's file.
    TErrorText &File(const std::string &path);

    const std::string &FilePath() const { return m_filePath; }
    // The parts' bytes one after the other, each in its own encoding.
    std::string Bytes() const;
    std::string Utf8() const;

  private:
    struct TPart {
        std::string Bytes;
        bool Utf8;
    };
    std::vector<TPart> m_parts;
    std::string m_filePath;
};

// The base of the program's errors. what() is the message's bytes; Utf8() is what the user
// is shown.
class EArmorwrightError : public std::runtime_error {
  public:
    explicit EArmorwrightError(const std::string &windows1252) : EArmorwrightError(TErrorText(windows1252)) {}
    explicit EArmorwrightError(TErrorText text);

    const std::string &FilePath() const { return m_text->FilePath(); }
    std::string Utf8() const { return m_text->Utf8(); }

  private:
    std::shared_ptr<const TErrorText> m_text; // shared: copying an exception does not throw
};

// The message of any error as UTF-8 text. Errors of other libraries (the standard library's,
// bad_alloc) report ASCII or UTF-8 texts and are shown as they are.
std::string ErrorUtf8(const std::exception &error);
