#pragma once
// The program folder: where the executable lies, with a trailing separator.
// "dazorad.ini" lives there, whatever the current folder is.

#include <QString>

namespace ProgramFolder {

QString path();

// Tests run the program against a folder of their own.
void setOverride(const QString &folder);

} // namespace ProgramFolder
