#pragma once
// A shell for tests: records what it was asked to open.

#include "platform/Shell.h"

#include <QStringList>

class RecordingShell : public Shell
{
public:
    RecordingShell() { m_previous = setShell(this); }
    ~RecordingShell() override { setShell(m_previous); }

    void open(const QString &target) override { opened.append(target); }

    QStringList opened;

private:
    Shell *m_previous = nullptr;
};
