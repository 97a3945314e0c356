#pragma once
// The desktop's opener: an address is opened as it is, anything else as a
// local path turned into a proper file:// address. No command line is built.

#include "platform/Shell.h"

class DesktopShell : public Shell
{
public:
    void open(const QString &target) override;
};
