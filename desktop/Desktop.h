#pragma once
// The stand-ins for the original desktop: its fonts, its dialog button order,
// its hints, the Japanese texts of the standard dialogs, the real dialogs and
// the desktop's opener.

#include <QColor>

class QApplication;
class QWidget;

namespace Desktop {

// Once per process, right after the application object exists: fonts,
// style, hints, translations.
void install(QApplication &app);

// The real dialogs, the desktop's opener and the system clock with its beep
// (tests install their own).
void installServices();

// The forms' font, ＭＳ Ｐゴシック at 12 pixels, given before the form's
// setupUi: the controls take it as they are made, instead of each being told
// of a change afterwards.
void useFormFont(QWidget *form);

// A control's own font at another pixel size.
void usePixelSize(QWidget *control, int pixels);

void centreOnScreen(QWidget *window);

// A panel in two colours with bold text of the given size, drawn as a style
// sheet of background and colour draws it (the raised frame shaded from the
// background), without a style sheet's cost at start.
void colourPanel(QWidget *panel, QColor background, QColor text, int pixels);

// A widget filled with one colour behind its text, as a style sheet's
// background fills it.
void fillBackground(QWidget *widget, QColor background);

// Every control of the window that has a hint gives it to a screen reader
// as its description.
void describeFromHints(QWidget *window);

// The window opens centred on its screen each time it is shown, wherever it
// was moved to before (a dialog would otherwise open over its parent).
void centreOnEveryShow(QWidget *window);

} // namespace Desktop
