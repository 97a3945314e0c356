#include "Run.h"

#include "CompanionText.h"

#include "platform/VorzoError.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

using CompanionText::Id;
using CompanionText::text;

namespace Companion {
namespace {

// A message is one line, whatever the names in it hold: a control
// character (a line break in a file name, a terminal's escape sequence, C0
// or C1) is written as its escape, \n, \r, \t or \xHH.
QString oneLine(const QString &message)
{
    QString line;
    for (const QChar c : message) {
        const char16_t code = c.unicode();
        if ((code >= 0x20 && code < 0x7F) || code > 0x9F)
            line += c;
        else if (code == '\n' || code == '\r' || code == '\t')
            line += QLatin1String(code == '\n' ? "\\n" : code == '\r' ? "\\r" : "\\t");
        else
            line += QStringLiteral("\\x%1").arg(uint(code), 2, 16, QLatin1Char('0'));
    }
    return line;
}

void say(const QString &message)
{
    std::fprintf(stderr, "vorzo-stage: %s\n", oneLine(message).toUtf8().constData());
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat first = {}, second = {};
    return !a.isEmpty() && !b.isEmpty() && ::stat(QFile::encodeName(a).constData(), &first) == 0
           && ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev
           && first.st_ino == second.st_ino;
}

} // namespace

int run(const std::function<int(const CommandLine &)> &command)
{
    return run(QCoreApplication::arguments().mid(1), command);
}

int run(const QStringList &arguments, const std::function<int(const CommandLine &)> &command)
{
    CompanionText::setLanguage(CompanionText::languageFromEnvironment());
    try {
        return command(CommandLine::parse(arguments));
    } catch (const CommandLine::Misuse &wrong) {
        say(wrong.message);
        say(text(Id::SeeHelp));
        return WrongUsage;
    } catch (const FileFailure &e) {
        const QString message = CompanionText::systemMessage(e);
        say(e.reason().isEmpty() ? message : message + QStringLiteral(": ") + e.reason());
        return Problem;
    } catch (const VorzoError &e) {
        say(CompanionText::systemMessage(e));
        return Problem;
    } catch (const std::exception &e) {
        say(QString::fromLocal8Bit(e.what()));
        return Problem;
    }
}

void reportQtFailures()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtCriticalMsg && type != QtFatalMsg)
            return;
        say(message);
        if (type == QtFatalMsg)
            std::_Exit(Problem);
    });
}

void writeOut(const QByteArray &bytes)
{
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())
        || std::fflush(stdout) != 0) {
        const int error = errno;
        throw FileFailure(VorzoError::cannotWrite(text(Id::StandardOutput)),
                          error != 0 ? FileReason::text(error) : QString());
    }
}

void refuseOutputOverInput(const QString &output, const QStringList &inputs)
{
    if (output == QLatin1String("-"))
        return;
    for (const QString &input : inputs) {
        if (sameFile(output, input))
            throw CommandLine::Misuse{text(Id::OutputIsInput).arg(output)};
    }
}

} // namespace Companion
