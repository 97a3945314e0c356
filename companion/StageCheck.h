#pragma once
// What in a stage on disk would surprise the editor or the game: a map file
// that is not 5,400 bytes, codes no palette entry places, a settings file
// that cannot be read, settings lines without "=", keys the 71 defaults do
// not have, repeated keys (only the first value counts), a zero byte that
// ends the settings early, bytes that are not code page 932, and default
// keys the settings lack.

#include "platform/VorzoError.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class StageMap;

struct StageFinding
{
    enum class Kind {
        MapSize,     // value: the map file's size
        ForeignCode, // column, row; value: the code
        NoSettings,  // error: that the settings file cannot be read; reason: the system's why
        InvalidByte, // line, byte; value: the byte
        NoEquals,    // line
        UnknownKey,  // line, key
        RepeatedKey, // line, key; value: the line of its first use
        ZeroByte,    // line: where the settings end
        MissingKey,  // key
    };
    Kind kind;
    QString file;
    int line = 0; // of the settings file, from 1; 0 for none
    int byte = 0; // in that line, from 1
    int column = -1;
    int row = -1;
    qint64 value = 0;
    QByteArray key;
    std::optional<VorzoError> error;
    QString reason;
};

// Reads the map file and the settings file of the same base name with the
// editor's readers. Throws VorzoError when the map file cannot be opened.
QList<StageFinding> checkStage(const QString &mapPath);

// The checks on what was read: the map (cells the file did not reach are
// empty) and the file's size; the settings file's bytes as they are.
QList<StageFinding> checkMap(const QString &file, const StageMap &map, qint64 size);
QList<StageFinding> checkSettings(const QString &file, const QByteArray &text);
