#pragma once
// The text editor's documents: plain text in code page 932. Read with CR LF,
// a lone CR or a lone LF ending a line; written as lines each followed by
// CR LF, through the safe save.

#include <QByteArray>
#include <QString>

namespace EditorFile {

// The file's text as the editor shows it (lines separated by LF). Throws
// "ファイル %s は開けません" when the file cannot be read. Bytes that are not
// code page 932 (a UTF-8 page) show as substitutes and are saved back as
// they were.
QString read(const QString &path);

// The bytes a save writes for the editor's text. Throws, naming the
// character, when the code page cannot hold one.
QByteArray bytesOf(const QString &text);

// Writes those bytes (see bytesOf) whole, or throws
// "ファイル %s を作成できません" and leaves the file as it was.
void write(const QString &path, const QByteArray &bytes);

} // namespace EditorFile
