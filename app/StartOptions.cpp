#include "StartOptions.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char *Usage = "Usage: VorzoDazorad [STAGE.kwt]\n"
                              "Starts the stage editor, opening STAGE.kwt (and its .kwp) when given.\n"
                              "\n"
                              "  --help     show this help and exit\n"
                              "  --version  show the version and exit\n";

bool is(const char *argument, const char *option)
{
    return std::strcmp(argument, option) == 0;
}

} // namespace

std::optional<int> answerStartOptions(int argc, char **argv, bool early)
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (is(argument, "--"))
            break;
        if (is(argument, "--help")) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (is(argument, "--version")) {
            std::printf("VorzoDazorad %s\n", VORZO_VERSION);
            return 0;
        }
        if (!early && argument[0] == '-' && argument[1] != '\0') {
            std::fprintf(stderr, "VorzoDazorad: unknown option %s\n%s", argument, Usage);
            return 2;
        }
    }
    return std::nullopt;
}
