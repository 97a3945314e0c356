#pragma once
// The editor's own preferences in "dazorad.ini" beside the program: the
// environment's four values and the five registered items.

#include <QString>
#include <QStringList>

// The environment's four values as the file holds them: the default folder
// of the file dialogs, the preferred picture, and the text editor's two
// colours as colour texts.
struct EnvironmentValues
{
    QString saveOpenFolder; // Directory/SaveOpen, ends in the separator
    QString imageFile;      // Directory/Image
    QString foreColour;     // TextEditor/Fore
    QString backColour;     // TextEditor/Back
};

struct Preferences : EnvironmentValues
{
    QStringList registered; // Toroku/No1 .. No5

    static QString filePath(); // the program folder + "dazorad.ini"

    // The nine reads, in order, each with its default when missing.
    static Preferences read();

    // Toroku/No1 .. No5, in order; a failing write stops with the keys
    // before it written.
    static void writeRegistered(const QStringList &five);

    // Directory/SaveOpen, Directory/Image, TextEditor/Fore, TextEditor/Back,
    // in order, exactly as given; a failing write stops likewise.
    static void writeEnvironment(const EnvironmentValues &values);
};
