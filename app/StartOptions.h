#pragma once
// The options the editor takes on its command line, before any window:
// --help and --version answer on standard output; any other argument that
// starts with "-" (but for a lone "-" and what follows "--") is refused with
// the usage on standard error.

#include <optional>

// The exit status when the program ends here, after printing its answer;
// nothing when it goes on to start. `argv` holds what the application object
// left (Qt's own options such as -platform taken out), unless `early` is set:
// then only --help and --version are answered, from the untouched arguments,
// so that they work without a display.
std::optional<int> answerStartOptions(int argc, char **argv, bool early);
