#pragma once
// Every file the program reads is read through here, with one set of checks:
// a regular file (not a folder, not a device that never ends), readable to
// its end, and no longer than the reader's limit.

#include "VorzoError.h"

#include <QByteArray>
#include <QString>

#include <limits>
#include <optional>

namespace WholeFile {

constexpr qint64 NoLimit = std::numeric_limits<qint64>::max();

enum class Longer {
    Refused, // a file longer than the limit is not read
    Cut,     // only its first bytes up to the limit are read
};

struct Limit
{
    qint64 bytes = NoLimit;
    Longer longer = Longer::Refused;
};

enum class Outcome { Read, CannotRead, TooLong };

struct Result
{
    Outcome outcome;
    QByteArray bytes; // empty unless read
};

Result read(const QString &path, Limit limit = {});

// The bytes, or "ファイル %s は開けません" (also for a file over a refusing
// limit).
QByteArray readOrThrow(const QString &path, Limit limit = {});

// The bytes; nothing when the file cannot be read.
std::optional<QByteArray> readIfReadable(const QString &path);

} // namespace WholeFile
