#pragma once
// vorzo-stage's commands; a picture (render, and the tileset of export) is
// vorzo-stage-render's, which `draw` hands the command to.

#include "CommandLine.h"

#include <functional>

namespace Companion {

// The command's exit status; a failure throws, for run() to report.
int stageCommand(const CommandLine &line, const std::function<int()> &draw);

} // namespace Companion
