#pragma once
// The program folder: where the executable lies, with a trailing separator.
// "dazorad.ini" lives there, whatever the current folder is.
//
// An installed program shared by the users of a machine gives each user a
// program folder of their own: its launcher makes the folder and names it in
// VORZO_PROGRAM_FOLDER, which then stands for the executable's folder.

#include <QString>

namespace ProgramFolder {

QString path();

// Tests run the program against a folder of their own; this wins over
// VORZO_PROGRAM_FOLDER.
void setOverride(const QString &folder);

} // namespace ProgramFolder
