#pragma once
// The frame of the companion's two programs, vorzo-stage and the
// vorzo-stage-render it hands pictures to: the language, the command line,
// and every failure turned into a message on standard error and an exit
// status.

#include "CommandLine.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

namespace Companion {

enum ExitStatus { Success = 0, Problem = 1, WrongUsage = 2 };

// Runs `command` on the parsed command line of the application (which the
// program has made) and returns its status; wrong usage gives 2, a
// VorzoError 1, each with its message.
int run(const std::function<int(const CommandLine &)> &command);

// Standard output, checked: a failed write is a failure, not a success.
void writeOut(const QByteArray &bytes);

// An output must not replace a file the command reads (also through a
// link): refused as wrong usage.
void refuseOutputOverInput(const QString &output, const QStringList &inputs);

} // namespace Companion
