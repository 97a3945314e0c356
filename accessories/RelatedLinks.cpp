#include "RelatedLinks.h"

#include "platform/LinkAddresses.h"
#include "platform/Shell.h"

namespace RelatedLinks {

void N10Click()
{
    ShellOpen(QLatin1String(LinkAddresses::ToolAuthorPage));
}

void SP1Click()
{
    ShellOpen(QLatin1String(LinkAddresses::SiblingToolPage));
}

void N12Click()
{
    ShellOpen(QLatin1String(LinkAddresses::GameAuthorPage));
}

void N14Click()
{
    ShellOpen(QLatin1String(LinkAddresses::GameDownloadPage));
}

} // namespace RelatedLinks
