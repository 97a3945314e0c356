// vorzo-stage's command line, run in a folder of stages, Tiled maps,
// templates and pictures. The input: the arguments, each ended by a zero
// byte; the control bytes but tab, LF, CR and escape stand for the words of
// the command line and the folder's names (below), so that a mutation
// swaps one for another. Whatever the arguments are:
// - the status is 0, 1 or 2; every line on standard error names the program;
//   2 ends by pointing to the help; 1 says why on standard error (check and
//   diff may instead list what they found on standard output); 0 says
//   nothing there;
// - files are written only by a command that succeeds, and only those it
//   writes: -o (with the tileset's picture of export, the settings file of
//   import), never over a file it reads; a failure leaves every file of the
//   folder as it was.
// render and export run here as vorzo-stage-render runs them. Arguments
// that name a path outside the folder (from "/" or through "..") are not
// run, so that the writes stay inside it.
#include "FuzzCheck.h"

#include "companion/Commands.h"
#include "companion/RenderCommand.h"
#include "companion/Run.h"
#include "companion/TiledFile.h"
#include "output/StageFiles.h"
#include "platform/TextLines.h"
#include "settings/DefaultSettings.h"
#include "tests/support/MetafileBytes.h"

#include <QBuffer>
#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QMap>

#include <optional>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/common_interface_defs.h>
#define VORZO_SANITIZED 1
#endif
#endif

namespace {

using Files = QMap<QString, QByteArray>; // by path in the folder; a folder is "/"

int errors = -1; // the run's own standard error

QString folder()
{
    static const QString path = Fuzz::path("stage");
    return path;
}

// The stage as a map of the Tiled map editor.
QByteArray tiled(const QByteArray &cells, TiledFile::Format format)
{
    StageMap map;
    for (int i = 0; i < StageMap::Cells; ++i)
        map.setIndex(i, CellCode(cells[i]));
    const TiledStage::Names names{QStringLiteral("t"), QStringLiteral("t-tiles.png"), QStringLiteral("#00ffff")};
    return TiledFile::write(TiledStage::mapOf(map, defaultSettings(), names, Tiled::LayerFormat::Zlib), format);
}

Files makeFiles()
{
    QByteArray map(5400, '\0');
    for (int i = 0; i < map.size(); ++i)
        map[i] = char(i % 66 == 65 ? 99 : i % 66);
    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return {{QStringLiteral("s.kwt"), map},
            {QStringLiteral("s.kwp"), TextLines::join(defaultSettings().entries())},
            {QStringLiteral("f.kwt"), QByteArray("\x41\x00\x63\xff\x40", 5)},
            {QStringLiteral("f.kwp"), QByteArray("time_max=0\r\nKEY\r\ntime_max=1\n\x80\x82=x\r\nzero\0after", 45)},
            {QStringLiteral("n.kwt"), map.left(3000)},
            {QStringLiteral("h.txt"), QByteArray("<HTML>\n\x80\x83\r<BODY>")},
            {QStringLiteral("p.bmp"), bitmap},
            {QStringLiteral("m.wmf"), MetafileBytes::wmf(64, 32, true, MetafileBytes::wmfText(32))},
            {QStringLiteral("t.tmx"), tiled(map, TiledFile::Format::Tmx)},
            {QStringLiteral("t.tmj"), tiled(map, TiledFile::Format::Tmj)},
            {QStringLiteral("d"), QByteArray("/")},
            {QStringLiteral("d/x.kwt"), map}};
}

// The folder's files as each command finds them.
const Files &fixtures()
{
    static const Files files = makeFiles();
    return files;
}

Files filesNow()
{
    Files files;
    QDirIterator entries(folder(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        files.insert(QDir(folder()).relativeFilePath(entry.filePath()),
                     entry.isDir() ? QByteArray("/") : Fuzz::contentsOf(entry.filePath()));
    }
    return files;
}

void makeFixtures()
{
    QDir(folder()).removeRecursively();
    const Files &files = fixtures();
    for (auto file = files.begin(); file != files.end(); ++file) {
        const QString path = folder() + QLatin1Char('/') + file.key();
        QDir().mkpath(file.value() == "/" ? path : QFileInfo(path).path());
        QFile out(path);
        if (file.value() != "/" && (!out.open(QIODevice::WriteOnly) || out.write(file.value()) != file.value().size()))
            std::abort();
    }
    QDir::setCurrent(folder());
}

// An argument with its words in place of their control bytes.
QByteArray argumentOf(const QByteArray &piece)
{
    static const QMap<char, QByteArray> words{{'\x01', "page"},    {'\x02', "render"},    {'\x03', "check"},
                                              {'\x04', "export"},  {'\x05', "import"},    {'\x06', "text"},
                                              {'\x07', "diff"},    {'\x08', "-o"},        {'\x0B', "--before"},
                                              {'\x0C', "--after"}, {'\x0E', "--picture"}, {'\x0F', "--grid"},
                                              {'\x10', "--scale"}, {'\x11', "--json"},    {'\x12', "--layer-format"},
                                              {'\x13', "--"},      {'\x14', "s.kwt"},     {'\x15', "s.kwp"},
                                              {'\x16', "f.kwt"},   {'\x17', "h.txt"},     {'\x18', "./"},
                                              {'\x19', "p.bmp"},   {'\x1A', "m.wmf"},     {'\x1C', "t.tmx"},
                                              {'\x1D', "t.tmj"},   {'\x1E', "n.kwt"},     {'\x1F', "d/"}};
    QByteArray argument;
    for (const char c : piece)
        argument += words.value(c, QByteArray(1, c));
    return argument;
}

// What the command writes when it succeeds, and what it reads.
QStringList writes(const CommandLine &line)
{
    switch (line.command) {
    case CommandLine::Command::Page:
    case CommandLine::Command::Render: return line.toStandardOutput() ? QStringList() : QStringList{line.output};
    case CommandLine::Command::Export: return {line.output, TiledFile::tilesetPathOf(line.output)};
    case CommandLine::Command::Import:
        return {line.output, StageFiles::settingsPathOf(StageFiles::baseOf(line.output))};
    default: return {};
    }
}

QStringList reads(const CommandLine &line)
{
    const QString settings = StageFiles::settingsPathOf(StageFiles::baseOf(line.stage));
    switch (line.command) {
    case CommandLine::Command::Page: return {line.stage, settings, line.before, line.after};
    case CommandLine::Command::Render: return {line.stage, line.picture};
    case CommandLine::Command::Export: return {line.stage, settings, line.picture};
    case CommandLine::Command::Import: return {line.stage};
    default: return {};
    }
}

// A path as the folder's listing names it.
QString inFolder(const QString &path)
{
    return QDir(folder()).relativeFilePath(QDir::cleanPath(QDir(folder()).absoluteFilePath(path)));
}

struct Outcome
{
    int status;
    QByteArray out, err;
};

// Standard output or error into a file until put back.
class Caught
{
public:
    Caught(int stream, const char *file) : m_stream(stream), m_saved(::dup(stream))
    {
        std::fflush(stream == 1 ? stdout : stderr);
        const int into = ::open(QFile::encodeName(Fuzz::path(file)).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(into, stream);
        ::close(into);
    }
    ~Caught()
    {
        std::fflush(m_stream == 1 ? stdout : stderr);
        ::dup2(m_saved, m_stream);
        ::close(m_saved);
    }

private:
    int m_stream, m_saved;
};

// The command with its standard output and error caught in files.
Outcome run(const QStringList &arguments)
{
    int status;
    {
        const Caught out(1, "stdout"), err(2, "stderr");
        status = Companion::run(arguments, [&](const CommandLine &line) {
            return Companion::stageCommand(line, [&] { return Companion::run(arguments, Companion::render); });
        });
    }
    return {status, Fuzz::contentsOf(Fuzz::path("stdout")), Fuzz::contentsOf(Fuzz::path("stderr"))};
}

// The run's paths (libFuzzer's corpus folders and artifact prefix, the
// replay's inputs) made absolute: the commands run in the stage folder.
void absolutePaths(int *argc, char ***argv)
{
    static std::vector<QByteArray> given;
    static std::vector<char *> pointers;
    for (int i = 0; i < *argc; ++i) {
        QByteArray argument = (*argv)[i];
        if (argument.startsWith("-artifact_prefix=") || argument.startsWith("-exact_artifact_path=")) {
            const qsizetype eq = argument.indexOf('=') + 1;
            argument = argument.left(eq)
                       + QFile::encodeName(
                           QDir::current().absoluteFilePath(QFile::decodeName(argument.mid(eq)) + QStringLiteral("x")));
            argument.chop(1);
        } else if (i > 0 && !argument.startsWith('-')) {
            argument = QFile::encodeName(QDir::current().absoluteFilePath(QFile::decodeName(argument)));
        }
        given.push_back(argument);
    }
    for (QByteArray &argument : given)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    *argc = int(given.size());
    *argv = pointers.data();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    absolutePaths(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int count = 1;
    static char name[] = "vorzo-stage";
    static char *arguments[] = {name, nullptr};
    new QGuiApplication(count, arguments);
    errors = ::dup(2);
#ifdef VORZO_SANITIZED
    __sanitizer_set_report_fd(reinterpret_cast<void *>(intptr_t(errors)));
#endif
    // The companion's own handling of Qt's messages, but a fatal one stops
    // the run where it can be seen.
    Companion::reportQtFailures();
    static const QtMessageHandler companions = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (type == QtFatalMsg) {
            const QByteArray text = "property broken: Qt stopped the command: " + message.toUtf8() + '\n';
            (void)!::write(errors, text.constData(), size_t(text.size()));
            std::abort();
        }
        companions(type, context, message);
    });
    makeFixtures();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<QByteArray> pieces = Fuzz::bytes(data, size).split('\0');
    if (pieces.size() > 1 && pieces.back().isEmpty())
        pieces.removeLast();
    QStringList arguments;
    for (const QByteArray &piece : pieces) {
        const QString argument = QString::fromLocal8Bit(argumentOf(piece));
        if (argument.startsWith(QLatin1Char('/')) || argument.contains(QLatin1String("..")))
            return 0;
        arguments.append(argument);
    }
    if (size == 0)
        arguments.clear();

    const Outcome outcome = run(arguments);
    Fuzz::check(outcome.status == 0 || outcome.status == 1 || outcome.status == 2, "the status is 0, 1 or 2");
    const QList<QByteArray> said = TextLines::split(outcome.err);
    for (const QByteArray &line : said)
        Fuzz::check(line.startsWith("vorzo-stage: "), "every message names the program");
    std::optional<CommandLine> line;
    try {
        line = CommandLine::parse(arguments);
    } catch (const CommandLine::Misuse &) {
    }
    switch (outcome.status) {
    case 0: Fuzz::check(said.isEmpty(), "a success says nothing on standard error"); break;
    case 1:
        Fuzz::check(
            !said.isEmpty()
                || (line
                    && (line->command == CommandLine::Command::Check || line->command == CommandLine::Command::Diff)
                    && !outcome.out.isEmpty()),
            "a failure says why");
        break;
    case 2:
        Fuzz::check(!said.isEmpty() && said.back().contains("vorzo-stage --help"), "wrong usage points to the help");
    }

    // Only what the command writes, only on success, never over what it reads.
    const Files &before = fixtures();
    const Files now = filesNow();
    QStringList written;
    if (outcome.status == 0 && line) {
        for (const QString &file : writes(*line))
            written.append(inFolder(file));
        for (const QString &input : reads(*line))
            Fuzz::check(input.isEmpty() || !written.contains(inFolder(input)), "a file read is never written");
    }
    for (auto file = now.begin(); file != now.end(); ++file) {
        if (!written.contains(file.key()))
            Fuzz::check(before.value(file.key(), "<none>") == file.value(), "no file is written but the output");
    }
    for (auto file = before.begin(); file != before.end(); ++file)
        Fuzz::check(now.contains(file.key()) || written.contains(file.key()), "no file is removed");
    for (const QString &file : written)
        Fuzz::check(QFileInfo(file).isFile(), "a success writes its output");
    if (now != before)
        makeFixtures();
    return 0;
}
