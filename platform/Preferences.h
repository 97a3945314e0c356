#pragma once
// The editor's own preferences in "dazorad.ini" beside the program: the
// environment's four values and the five registered items.

#include <QString>
#include <QStringList>

struct Preferences
{
    QString saveOpenFolder; // Directory/SaveOpen, ends in the separator
    QString imageFile;      // Directory/Image
    QString foreColour;     // TextEditor/Fore
    QString backColour;     // TextEditor/Back
    QStringList registered; // Toroku/No1 .. No5

    static QString filePath(); // the program folder + "dazorad.ini"

    // The nine reads, in order, each with its default when missing.
    static Preferences read();

    // Toroku/No1 .. No5, in order; a failing write stops with the keys
    // before it written.
    static void writeRegistered(const QStringList &five);

    // Directory/SaveOpen, Directory/Image, TextEditor/Fore, TextEditor/Back,
    // in order, exactly as given; a failing write stops likewise.
    static void writeEnvironment(const QString &saveOpenFolder, const QString &imageFile, const QString &foreColour,
                                 const QString &backColour);
};
