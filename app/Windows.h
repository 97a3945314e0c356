#pragma once
// The program's seven windows: created once, in a fixed order, each reached
// through its one global reference, and freed only at the end.

class Stage;

// Creates TVorzo, TEditForm, Timgform, TSettingForm, TPagesDlg, TAboutBox and
// THelpForm, in that order, showing `stage`, which outlives them. None is
// shown.
void createWindows(Stage &stage);

// Frees them in the reverse order and clears the references.
void destroyWindows();
