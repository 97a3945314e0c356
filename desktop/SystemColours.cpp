#include "SystemColours.h"

#include <QApplication>
#include <QPalette>

namespace {

// The palette role that plays each screen element's part on this desktop.
QPalette::ColorRole roleOf(SystemColour colour)
{
    switch (colour) {
    case SystemColour::ScrollBar: return QPalette::Button;
    case SystemColour::Background: return QPalette::Window;
    case SystemColour::ActiveCaption: return QPalette::Highlight;
    case SystemColour::InactiveCaption: return QPalette::Mid;
    case SystemColour::Menu: return QPalette::Window;
    case SystemColour::Window: return QPalette::Base;
    case SystemColour::WindowFrame: return QPalette::Shadow;
    case SystemColour::MenuText: return QPalette::WindowText;
    case SystemColour::WindowText: return QPalette::Text;
    case SystemColour::CaptionText: return QPalette::HighlightedText;
    case SystemColour::ActiveBorder: // the same role as the inactive border
    case SystemColour::InactiveBorder: return QPalette::Window;
    case SystemColour::AppWorkSpace: return QPalette::Dark;
    case SystemColour::Highlight: return QPalette::Highlight;
    case SystemColour::HighlightText: return QPalette::HighlightedText;
    case SystemColour::BtnFace: return QPalette::Button;
    case SystemColour::BtnShadow: return QPalette::Dark;
    case SystemColour::GrayText: return QPalette::PlaceholderText;
    case SystemColour::BtnText: return QPalette::ButtonText;
    case SystemColour::InactiveCaptionText: return QPalette::WindowText;
    case SystemColour::BtnHighlight: return QPalette::Light;
    case SystemColour::DkShadow3D: return QPalette::Shadow;
    case SystemColour::Light3D: return QPalette::Midlight;
    case SystemColour::InfoText: return QPalette::ToolTipText;
    case SystemColour::InfoBk: return QPalette::ToolTipBase;
    case SystemColour::HotLight: return QPalette::Link;
    case SystemColour::GradientActiveCaption: return QPalette::Highlight;
    case SystemColour::GradientInactiveCaption: return QPalette::Mid;
    case SystemColour::MenuHighlight: return QPalette::Highlight;
    case SystemColour::MenuBar: return QPalette::Window;
    }
    return QPalette::Window;
}

} // namespace

QColor toQColor(ColourValue value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

ColourValue toColourValue(const QColor &colour)
{
    return ColourValue(colour.red()) | ColourValue(colour.green()) << 8 | ColourValue(colour.blue()) << 16;
}

QColor colourOnScreen(const Colour &colour)
{
    if (const auto *value = std::get_if<ColourValue>(&colour))
        return toQColor(*value);
    return QApplication::palette().color(QPalette::Active, roleOf(std::get<SystemColour>(colour)));
}
