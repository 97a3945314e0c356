#pragma once
// A stage given on the command line (as a file manager passes the file it
// opens with the program): opened once the main window has been shown for
// the first time, exactly as the Open dialog would open it.

#include <QStringList>

class TVorzo;

// `arguments` as the application object left them, the program first. The
// first argument after it is the map file; a relative name is taken from the
// current folder as it is now. Further arguments are ignored, and with none
// nothing happens. The open runs from the event loop, after the window's
// first show; a failure shows the Open command's error box.
void openStageGivenAtStart(const QStringList &arguments, TVorzo &window);
