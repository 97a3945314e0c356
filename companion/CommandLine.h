#pragma once
// What vorzo-stage was asked to do: the command, the stage and the options.

#include "TiledMap.h"

#include <QString>
#include <QStringList>

struct CommandLine
{
    enum class Command { Help, Version, Page, Render, Check, Export, Import, Text, Diff };
    Command command = Command::Help;
    QString stage;   // the map file; for import the Tiled map
    QString other;   // the second stage of diff
    QString output;  // -o; "-" is standard output
    QString before;  // --before
    QString after;   // --after
    QString picture; // --picture
    bool grid = false;
    bool json = false;
    int scale = 1;
    Tiled::LayerFormat layerFormat = Tiled::LayerFormat::Csv; // --layer-format

    static constexpr int MaxScale = 4;

    // Without -o, or with "-o -" (a file of that name is "./-").
    bool toStandardOutput() const;

    // Wrong usage: the message says what is wrong.
    struct Misuse
    {
        QString message;
    };

    // `arguments` without the program's name. "--help" anywhere asks for
    // the help; "--" ends the options. Throws Misuse.
    static CommandLine parse(const QStringList &arguments);
};
