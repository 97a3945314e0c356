#pragma once
// The preferences file's profile rules: [section] lines and key=value lines,
// names matched without regard to letter case, values read without blanks
// around them and without one pair of enclosing quotation marks, at most
// 2,047 characters. A write replaces a key in place, adds a missing key at
// the end of its section, a missing section at the end of the file, creates
// a missing file, and leaves every other line byte for byte. Every call opens
// and closes the file; nothing is kept between calls.

#include <QString>

namespace ProfileFile {

// The stored value, or `fallback` when the file, the section or the key is
// missing.
QString read(const QString &file, const QString &section, const QString &key, const QString &fallback);

// Throws "%s に書き込めません" (the file's path) when the file cannot be written.
void write(const QString &file, const QString &section, const QString &key, const QString &value);

} // namespace ProfileFile
