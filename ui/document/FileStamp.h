#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace aw {

// The size and time of a file as it was read or written: when either differs later, someone
// else has written the file since.
struct FileStamp {
    qint64 Size = -1;
    QDateTime Modified;

    bool operator==(const FileStamp &) const = default;

    static FileStamp Of(const QString &path);
    // Whether the file at path was written by someone else since it had the known stamp; a
    // file removed meanwhile was not (it is simply written again).
    static bool ChangedSince(const QString &path, const std::optional<FileStamp> &known);
    // "size milliseconds-since-1970", the form a recovery note keeps it in; nothing when the
    // text is not of that form.
    QString ToText() const;
    static std::optional<FileStamp> FromText(const QString &text);
};

} // namespace aw
