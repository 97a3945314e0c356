#pragma once
// vorzo-stage-render's commands: render and export.

#include "CommandLine.h"

#include <QStringList>

namespace Companion {

// `render`, `export` (and the help); any other command is wrong usage. A
// failure throws, for run() to report.
int render(const CommandLine &line);

// Whether the picture to draw from is a metafile: its text is drawn with
// the desktop's fonts, which need a graphical application (no display).
// Decided on the command line as the command reads it, so that every
// spelling of the option ("--picture FILE", "--picture=FILE") counts.
bool drawsFromAMetafile(const QStringList &arguments);

} // namespace Companion
