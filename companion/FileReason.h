#pragma once
// The system's own words for why a file could not be read or written: the C
// library's text for the error, which follows the locale's messages (in the
// user's language where the system has a translation).

#include <QString>

namespace FileReason {

// The text for an error number ("No such file or directory").
QString text(int error);

// Why `path` cannot be read as a file: missing, not permitted, a folder.
// Empty when the system sees no reason (a device the readers refuse).
QString whyUnreadable(const QString &path);

// Why `path` (or the final target of a link there) cannot be written: a
// folder, a file its owner may not write, a folder missing or closed to
// us; otherwise `atFailure`, the error the failing call left behind (a full
// disk), when there is one.
QString whyUnwritable(const QString &path, int atFailure);

} // namespace FileReason
