#pragma once
// Colour text, the form of a colour in the preferences: one of twenty colour
// names, or "$" and hexadecimal digits of the value 0x00BBGGRR; on reading
// also a decimal or "0x" integer, or the name of a system colour (the
// desktop's colour of a screen element, such as clWindowFrame).

#include <QString>
#include <QtGlobal>
#include <variant>

// A colour as the system stores it: 0x00BBGGRR.
using ColourValue = quint32;

// The screen elements whose colours the desktop decides, by their system
// colour numbers.
enum class SystemColour {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkSpace = 12,
    Highlight = 13,
    HighlightText = 14,
    BtnFace = 15,
    BtnShadow = 16,
    GrayText = 17,
    BtnText = 18,
    InactiveCaptionText = 19,
    BtnHighlight = 20,
    DkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBk = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

// What a colour text names: a colour value or a system colour.
using Colour = std::variant<ColourValue, SystemColour>;

// The name of a value among the twenty, otherwise "$" and eight upper-case
// hexadecimal digits ($00FF8040). Reads back as the same value.
QString colourText(ColourValue value);

// A name of the twenty or of a system colour (any letter case), or an integer
// (leading blanks, a sign, decimal or hexadecimal after "$" or "0x"). A
// negative integer of the form 0x800000nn is system colour nn; any other
// integer gives its low 24 bits. Anything else throws
// "'%s' は整数ではありません".
Colour readColourText(const QString &text);
