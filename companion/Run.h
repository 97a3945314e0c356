#pragma once
// The frame of the companion's two programs, vorzo-stage and the
// vorzo-stage-render it hands pictures to: the language, the command line,
// and every failure turned into a message on standard error and an exit
// status.

#include "CommandLine.h"
#include "FileReason.h"

#include "platform/VorzoError.h"

#include <QByteArray>
#include <QStringList>

#include <cerrno>
#include <functional>

namespace Companion {

enum ExitStatus { Success = 0, Problem = 1, WrongUsage = 2 };

// Runs `command` on the parsed command line of the application (which the
// program has made) and returns its status; wrong usage gives 2, a
// VorzoError 1, each with its message.
int run(const std::function<int(const CommandLine &)> &command);
// The same on the given arguments (without the program's name).
int run(const QStringList &arguments, const std::function<int(const CommandLine &)> &command);

// From before the application is made: Qt's critical messages go to
// standard error, and a fatal one ends the command there with status 1
// (Qt alone would abort, often saying nothing). The rest of what Qt has to
// say on the way (no XDG_RUNTIME_DIR, say) is not the command's to print.
void reportQtFailures();

// A file that could not be read or written, with the system's reason
// (empty when it has none), which follows the message.
class FileFailure : public VorzoError
{
public:
    FileFailure(const VorzoError &error, QString reason) : VorzoError(error), m_reason(std::move(reason)) {}
    const QString &reason() const noexcept { return m_reason; }

private:
    QString m_reason;
};

// `read()` reads the file `path`; when it cannot open it, the failure
// carries the reason.
template <typename Read> auto reading(const QString &path, Read &&read) -> decltype(read())
{
    try {
        return read();
    } catch (const VorzoError &error) {
        if (error.message() != VorzoError::cannotOpen(path).message())
            throw;
        throw FileFailure(error, FileReason::whyUnreadable(path));
    }
}

// `write()` saves the file `path`; when it cannot, the failure carries the
// reason.
template <typename Write> void writing(const QString &path, Write &&write)
{
    errno = 0;
    try {
        write();
    } catch (const VorzoError &error) {
        const int atFailure = errno;
        if (error.message() != VorzoError::cannotCreate(path).message())
            throw;
        throw FileFailure(error, FileReason::whyUnwritable(path, atFailure));
    }
}

// Standard output, checked: a failed write is a failure, not a success.
void writeOut(const QByteArray &bytes);

// An output must not replace a file the command reads (also through a
// link): refused as wrong usage. Standard output ("-") replaces none.
void refuseOutputOverInput(const QString &output, const QStringList &inputs);

} // namespace Companion
