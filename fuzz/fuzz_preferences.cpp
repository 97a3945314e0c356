// dazorad.ini through the start: whatever the file holds, the workspace
// reads the environment's four values and the five registered items as the
// profile rules read them (each key's default where the file lacks it).
// Saving them again as the environment dialog and the 登録 page do (here the
// four values and the five items each passed on to the next key) changes the
// file exactly as the rules' writes do, every other line byte for byte, and
// a workspace started on the new file reads what was saved.
#include "FuzzCheck.h"
#include "Model.h"

#include "app/Workspace.h"
#include "platform/Preferences.h"
#include "platform/ProgramFolder.h"
#include "platform/ShiftJis.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

struct Key
{
    const char *section, *name;
    QString byDefault;
};

QList<Key> keys()
{
    QList<Key> all{{"Directory", "SaveOpen", ProgramFolder::path() + QStringLiteral("Projects") + QDir::separator()},
                   {"Directory", "Image", QStringLiteral("zuzodovi.bmp")},
                   {"TextEditor", "Fore", QStringLiteral("$FFFFFF")},
                   {"TextEditor", "Back", QStringLiteral("$000000")}};
    for (const char *name : {"No1", "No2", "No3", "No4", "No5"})
        all.append({"Toroku", name, QStringLiteral("99")});
    return all;
}

// The nine values as the workspace holds them after the start's reads.
QStringList started()
{
    Workspace workspace;
    workspace.readPreferences();
    const EnvironmentValues &environment = workspace.environment().values();
    return QStringList{environment.saveOpenFolder, environment.imageFile, environment.foreColour,
                       environment.backColour}
           + workspace.registered().all();
}

// The nine values the rules read from the file's bytes.
QStringList ruled(const QByteArray &bytes)
{
    QStringList values;
    for (const Key &key : keys()) {
        const std::optional<QByteArray> value = Model::Profile::read(bytes, key.section, key.name);
        values.append(value ? ShiftJis::decode(*value).left(2047) : key.byDefault);
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_preferences";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    ProgramFolder::setOverride(QFileInfo(Fuzz::path("dazorad.ini")).path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray before = Fuzz::bytes(data, size);
    const QString file = Fuzz::fileWith("dazorad.ini", before);
    Fuzz::check(Preferences::filePath() == file, "the start reads the program folder's file");
    const QStringList values = started();
    Fuzz::check(values == ruled(before), "the start reads the values the rules read");

    // Each value saved under the next key: the environment's, then the items.
    QStringList saved = values;
    saved.move(0, saved.size() - 1);
    QByteArray expected = before;
    const QList<Key> all = keys();
    for (qsizetype i = 0; i < all.size(); ++i)
        expected = Model::Profile::write(expected, all[i].section, all[i].name, ShiftJis::encode(saved[i]));
    Preferences::writeEnvironment({saved[0], saved[1], saved[2], saved[3]});
    {
        Workspace workspace;
        workspace.registered().setAll(saved.mid(4));
        workspace.registered().save();
    }
    const QByteArray after = Fuzz::contentsOf(file);
    Fuzz::check(after == expected, "the saves change the file as the rules' writes do");
    const QStringList again = started();
    Fuzz::check(again == ruled(after), "a new start reads what the rules read");
    for (qsizetype i = 0; i < saved.size(); ++i) {
        const QByteArray bytes = ShiftJis::encode(saved[i]);
        const bool quoted = bytes.size() >= 2 && (bytes[0] == '"' || bytes[0] == '\'') && bytes.back() == bytes[0];
        if (Model::Profile::blanksTrimmed(bytes) == bytes && !quoted)
            Fuzz::check(again[i] == saved[i], "what was saved reads back");
    }
    return 0;
}
