#pragma once
// A focus that shows on every desktop: a dark frame two pixels wide around
// the control that has the keyboard focus, outside the control itself (the
// style's own outline is faint on the grey of the forms).

class QApplication;

namespace FocusFrame {

// Once per process, after the style is set.
void install(QApplication &app);

} // namespace FocusFrame
