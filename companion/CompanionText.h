#pragma once
// Everything vorzo-stage says, in Japanese and in English side by side: the
// help, the usage errors, the check's findings and the system's messages it
// passes on. Japanese unless the locale names another language.

#include "platform/VorzoError.h"

#include <QString>

namespace CompanionText {

enum class Language { Japanese, English };

// From LC_ALL, LC_MESSAGES and LANG, the first one set (the order in which
// they take effect): Japanese when it starts with "ja" or when none is set,
// English otherwise.
Language languageOf(const QByteArray &lcAll, const QByteArray &lcMessages, const QByteArray &lang);
Language languageFromEnvironment();

void setLanguage(Language language);

enum class Id {
    Help,
    SeeHelp,
    NoCommand,
    UnknownCommand, // %1 the command
    NoStage,
    ExtraArgument,  // %1 the argument
    UnknownOption,  // %1 the option, %2 the command
    NoValue,        // %1 the option
    RepeatedOption, // %1 the option
    BadScale,       // %1 the value
    NoOutput,
    NotPng,        // %1 the name
    OutputIsInput, // %1 the name
    StandardOutput,
    CannotRun,   // %1 the program
    MapShort,    // %1 the size
    MapLong,     // %1 the size
    ForeignCode, // %1 X, %2 Y, %3 the code
    InvalidByte, // %1 the byte in hexadecimal
    NoEquals,
    UnknownKey,  // %1 the key
    RepeatedKey, // %1 the key, %2 the line of its first use
    ZeroByte,
    MissingKey, // %1 the key
    // The Tiled map editor's maps, in and out.
    NoTiledMap,
    NotTiledName, // %1 the name
    NoMapOutput,
    NoStageOutput,
    BadLayerFormat, // %1 the value
    NotATiledMap,
    MapUnreadable, // %1 the parser's words
    NotOrthogonal, // %1 the orientation
    InfiniteMap,
    MapSize,        // %1 columns, %2 rows
    TileSize,       // %1 width, %2 height
    ForeignTileset, // %1 its name or file, %2 the stage's tileset's name
    NoTileLayer,
    SecondLayer,   // %1 its name
    LayerSize,     // %1 its name, %2 columns, %3 rows
    LayerEncoding, // %1 the encoding or compression
    BadBase64,
    BadCompressed,     // %1 the compression
    LayerTooLong,      // %1 the limit in bytes
    LayerBytes,        // %1 the bytes, %2 those expected
    LayerCells,        // %1 the numbers, %2 those expected
    NotATile,          // %1 X, %2 Y, %3 the text
    FlippedTile,       // %1 X, %2 Y
    ForeignTile,       // %1 X, %2 Y, %3 the tile
    PropertyName,      // %1 the name
    PropertyTwice,     // %1, %2 the names
    PropertyNotText,   // %1 the name
    PropertyLineBreak, // %1 the name
    PropertyBadBase64, // %1 the name
    PropertyText,      // %1 the name, %2 why
    // Two stages compared.
    NoSecondStage,
    CellChanged,    // %1 X, %2 Y, %3 before, %4 after
    CodeOutside,    // %1 the code
    SettingChanged, // %1 the key, %2 before, %3 after
    SettingAdded,   // %1 the line
    SettingRemoved, // %1 the line
    SettingsOrder,
};

// The text in the language set.
QString text(Id id);

// A message of the system's in the language set: the English form of each
// message the error type identifies; any other as it is.
QString systemMessage(const VorzoError &error);

// A number as every message writes one, in groups of three digits: 5,400.
QString number(qint64 value);

} // namespace CompanionText
