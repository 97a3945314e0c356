#include "ColourText.h"

#include "IntegerText.h"
#include "VorzoError.h"

namespace {

struct NamedColour
{
    const char *name;
    ColourValue value;
};

constexpr NamedColour kNamedColours[] = {
    {"clBlack", 0x000000},      {"clMaroon", 0x000080},  {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},       {"clPurple", 0x800080},  {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},     {"clRed", 0x0000FF},     {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},       {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
};

struct NamedSystemColour
{
    const char *name;
    SystemColour colour;
};

constexpr NamedSystemColour kSystemColours[] = {
    {"clScrollBar", SystemColour::ScrollBar},
    {"clBackground", SystemColour::Background},
    {"clActiveCaption", SystemColour::ActiveCaption},
    {"clInactiveCaption", SystemColour::InactiveCaption},
    {"clMenu", SystemColour::Menu},
    {"clWindow", SystemColour::Window},
    {"clWindowFrame", SystemColour::WindowFrame},
    {"clMenuText", SystemColour::MenuText},
    {"clWindowText", SystemColour::WindowText},
    {"clCaptionText", SystemColour::CaptionText},
    {"clActiveBorder", SystemColour::ActiveBorder},
    {"clInactiveBorder", SystemColour::InactiveBorder},
    {"clAppWorkSpace", SystemColour::AppWorkSpace},
    {"clHighlight", SystemColour::Highlight},
    {"clHighlightText", SystemColour::HighlightText},
    {"clBtnFace", SystemColour::BtnFace},
    {"clBtnShadow", SystemColour::BtnShadow},
    {"clGrayText", SystemColour::GrayText},
    {"clBtnText", SystemColour::BtnText},
    {"clInactiveCaptionText", SystemColour::InactiveCaptionText},
    {"clBtnHighlight", SystemColour::BtnHighlight},
    {"cl3DDkShadow", SystemColour::DkShadow3D},
    {"cl3DLight", SystemColour::Light3D},
    {"clInfoText", SystemColour::InfoText},
    {"clInfoBk", SystemColour::InfoBk},
    {"clHotLight", SystemColour::HotLight},
    {"clGradientActiveCaption", SystemColour::GradientActiveCaption},
    {"clGradientInactiveCaption", SystemColour::GradientInactiveCaption},
    {"clMenuHighlight", SystemColour::MenuHighlight},
    {"clMenuBar", SystemColour::MenuBar},
};

constexpr quint32 kSystemColourBase = 0x80000000u;

bool isKnownSystemColour(quint32 index)
{
    for (const NamedSystemColour &c : kSystemColours) {
        if (quint32(c.colour) == index)
            return true;
    }
    return false;
}

} // namespace

QString colourText(ColourValue value)
{
    for (const NamedColour &c : kNamedColours) {
        if (c.value == value)
            return QLatin1String(c.name);
    }
    return QLatin1Char('$') + QString::number(value, 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

Colour readColourText(const QString &text)
{
    for (const NamedColour &c : kNamedColours) {
        if (text.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    }
    for (const NamedSystemColour &c : kSystemColours) {
        if (text.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.colour;
    }
    const std::optional<int> number = parseInteger(text);
    if (!number)
        throw VorzoError(notAnIntegerMessage(text));
    const quint32 bits = quint32(*number);
    if ((bits & 0xFFFFFF00u) == kSystemColourBase && isKnownSystemColour(bits & 0xFFu))
        return SystemColour(bits & 0xFFu);
    return ColourValue(bits & 0xFFFFFFu);
}
