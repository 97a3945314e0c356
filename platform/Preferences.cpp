#include "Preferences.h"

#include "ProfileFile.h"
#include "platform/ProgramFolder.h"

#include <QDir>

namespace {
const QString Directory = QStringLiteral("Directory");
const QString TextEditor = QStringLiteral("TextEditor");
const QString Toroku = QStringLiteral("Toroku");
const QString EmptyItem = QStringLiteral("99");

QString registeredKey(int i)
{
    return QStringLiteral("No%1").arg(i + 1);
}
} // namespace

QString Preferences::filePath()
{
    return ProgramFolder::path() + QStringLiteral("dazorad.ini");
}

Preferences Preferences::read()
{
    const QString file = filePath();
    Preferences p;
    p.saveOpenFolder = ProfileFile::read(file, Directory, QStringLiteral("SaveOpen"),
                                         ProgramFolder::path() + QStringLiteral("Projects") + QDir::separator());
    p.imageFile = ProfileFile::read(file, Directory, QStringLiteral("Image"), QStringLiteral("zuzodovi.bmp"));
    p.foreColour = ProfileFile::read(file, TextEditor, QStringLiteral("Fore"), QStringLiteral("$FFFFFF"));
    p.backColour = ProfileFile::read(file, TextEditor, QStringLiteral("Back"), QStringLiteral("$000000"));
    for (int i = 0; i < 5; ++i)
        p.registered.append(ProfileFile::read(file, Toroku, registeredKey(i), EmptyItem));
    return p;
}

void Preferences::writeEnvironment(const EnvironmentValues &values)
{
    const QString file = filePath();
    ProfileFile::write(file, Directory, QStringLiteral("SaveOpen"), values.saveOpenFolder);
    ProfileFile::write(file, Directory, QStringLiteral("Image"), values.imageFile);
    ProfileFile::write(file, TextEditor, QStringLiteral("Fore"), values.foreColour);
    ProfileFile::write(file, TextEditor, QStringLiteral("Back"), values.backColour);
}

void Preferences::writeRegistered(const QStringList &five)
{
    const QString file = filePath();
    for (int i = 0; i < 5; ++i)
        ProfileFile::write(file, Toroku, registeredKey(i), five.value(i));
}
