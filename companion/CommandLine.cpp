#include "CommandLine.h"

#include "CompanionText.h"
#include "TiledFile.h"

#include <QFileInfo>

#include <optional>

using CompanionText::Id;
using CompanionText::text;

namespace {

[[noreturn]] void misuse(const QString &message)
{
    throw CommandLine::Misuse{message};
}

struct Option
{
    const char *name;
    bool takesValue;
};

// The options of each command.
const QList<Option> &optionsOf(CommandLine::Command command)
{
    static const QList<Option> page{{"-o", true}, {"--before", true}, {"--after", true}};
    static const QList<Option> render{{"-o", true}, {"--picture", true}, {"--grid", false}, {"--scale", true}};
    static const QList<Option> check{{"--json", false}};
    static const QList<Option> exportMap{{"-o", true}, {"--picture", true}, {"--layer-format", true}};
    static const QList<Option> importMap{{"-o", true}};
    static const QList<Option> none;
    switch (command) {
    case CommandLine::Command::Page: return page;
    case CommandLine::Command::Render: return render;
    case CommandLine::Command::Export: return exportMap;
    case CommandLine::Command::Import: return importMap;
    case CommandLine::Command::Text: return none;
    default: return check;
    }
}

const QStringList &commandNames()
{
    static const QStringList names{QStringLiteral("page"),   QStringLiteral("render"), QStringLiteral("check"),
                                   QStringLiteral("export"), QStringLiteral("import"), QStringLiteral("text"),
                                   QStringLiteral("diff")};
    return names;
}

Tiled::LayerFormat layerFormatOf(const QString &value)
{
    static const QStringList names{QStringLiteral("csv"), QStringLiteral("base64"), QStringLiteral("zlib"),
                                   QStringLiteral("gzip"), QStringLiteral("zstd")};
    const qsizetype index = names.indexOf(value);
    if (index < 0)
        misuse(text(Id::BadLayerFormat).arg(value));
    return Tiled::LayerFormat(index);
}

int scaleOf(const QString &value)
{
    bool ok = false;
    const int scale = value.toInt(&ok);
    if (!ok || scale < 1 || scale > CommandLine::MaxScale)
        misuse(text(Id::BadScale).arg(value));
    return scale;
}

} // namespace

bool CommandLine::toStandardOutput() const
{
    return output.isEmpty() || output == QLatin1String("-");
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h")))
        return line;
    if (arguments.isEmpty())
        misuse(text(Id::NoCommand));
    const QString &name = arguments.first();
    if (name == QLatin1String("--version")) {
        line.command = Command::Version;
        if (arguments.size() > 1)
            misuse(text(Id::ExtraArgument).arg(arguments.at(1)));
        return line;
    }
    const qsizetype named = commandNames().indexOf(name);
    if (named < 0)
        misuse(text(Id::UnknownCommand).arg(name));
    line.command = Command(int(Command::Page) + named);

    QStringList given; // the options met, to refuse a second one
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            QString &file = line.stage.isEmpty() || line.command != Command::Diff ? line.stage : line.other;
            if (!file.isEmpty())
                misuse(text(Id::ExtraArgument).arg(argument));
            file = argument;
            continue;
        }
        // "--name=value" is "--name value".
        std::optional<QString> value;
        if (const qsizetype eq = argument.indexOf(QLatin1Char('='));
            argument.startsWith(QLatin1String("--")) && eq > 0) {
            value = argument.mid(eq + 1);
            argument.truncate(eq);
        }
        const Option *option = nullptr;
        for (const Option &candidate : optionsOf(line.command)) {
            if (argument == QLatin1String(candidate.name))
                option = &candidate;
        }
        if (!option || (value && !option->takesValue))
            misuse(text(Id::UnknownOption).arg(arguments.at(i), name));
        if (given.contains(argument))
            misuse(text(Id::RepeatedOption).arg(argument));
        given.append(argument);
        if (option->takesValue && !value) {
            if (++i >= arguments.size())
                misuse(text(Id::NoValue).arg(argument));
            value = arguments.at(i);
        }
        if (option->takesValue && value->isEmpty())
            misuse(text(Id::NoValue).arg(argument));
        if (argument == QLatin1String("-o"))
            line.output = *value;
        else if (argument == QLatin1String("--before"))
            line.before = *value;
        else if (argument == QLatin1String("--after"))
            line.after = *value;
        else if (argument == QLatin1String("--picture"))
            line.picture = *value;
        else if (argument == QLatin1String("--scale"))
            line.scale = scaleOf(*value);
        else if (argument == QLatin1String("--grid"))
            line.grid = true;
        else if (argument == QLatin1String("--json"))
            line.json = true;
        else if (argument == QLatin1String("--layer-format"))
            line.layerFormat = layerFormatOf(*value);
    }
    if (line.stage.isEmpty())
        misuse(text(line.command == Command::Import ? Id::NoTiledMap : Id::NoStage));
    if (line.command == Command::Diff && line.other.isEmpty())
        misuse(text(Id::NoSecondStage));
    const auto needsTiledName = [](const QString &file) {
        if (!TiledFile::formatOf(file))
            misuse(text(Id::NotTiledName).arg(file));
    };
    if (line.command == Command::Export) {
        if (line.output.isEmpty())
            misuse(text(Id::NoMapOutput));
        needsTiledName(line.output);
    }
    if (line.command == Command::Import) {
        needsTiledName(line.stage);
        if (line.toStandardOutput())
            misuse(text(Id::NoStageOutput));
    }
    if (line.command == Command::Render) {
        if (line.output.isEmpty())
            misuse(text(Id::NoOutput));
        if (!line.toStandardOutput()
            && QFileInfo(line.output).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
            misuse(text(Id::NotPng).arg(line.output));
    }
    return line;
}
