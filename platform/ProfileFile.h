#pragma once
// The preferences file's profile rules: [section] lines and key=value lines,
// names matched without regard to letter case, values read without blanks
// around them and without one pair of enclosing quotation marks, at most
// 2,047 characters. Names are read on character boundaries. A write replaces
// the value of a key in place (the line keeps its own spelling of the key;
// blanks around "=" go), adds a missing key at the end of its section, a
// missing section at the end of the file, creates a missing file, and leaves
// every other line byte for byte. Every call opens and closes the file;
// nothing is kept between calls.

#include <QString>

namespace ProfileFile {

// The stored value, or `fallback` when the file, the section or the key is
// missing.
QString read(const QString &file, const QString &section, const QString &key, const QString &fallback);

// Throws "%s に書き込めません" (the file's path) when the file cannot be
// written or exists but cannot be read; a section, key or value holding a
// line break is refused ("改行を含む値は %s に書き込めません"). Nothing is
// written then.
void write(const QString &file, const QString &section, const QString &key, const QString &value);

} // namespace ProfileFile
