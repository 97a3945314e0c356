#pragma once
// What every fuzz target shares: a scratch folder for the readers that take
// files, and a check that stops the run with a message when a property fails.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What libFuzzer (or the replay of a corpus) calls.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace Fuzz {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A path in a folder of the run's own, in memory where the system has a
// folder there: the targets write files for every input, and a disk makes
// that a hundred times slower.
inline QString path(const char *name)
{
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/vorzo-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/vorzo-fuzz-XXXXXX"));
    return folder.filePath(QString::fromLatin1(name));
}

inline QString fileWith(const char *name, const QByteArray &contents)
{
    const QString file = path(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(contents) != contents.size())
        std::abort();
    return file;
}

inline QByteArray contentsOf(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
}

// A property that must hold for every input.
inline void check(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

} // namespace Fuzz
