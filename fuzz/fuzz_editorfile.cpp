// The text editor's files: whatever bytes a file holds and whatever its line
// ends, opening it in the editor's text area and saving it writes its lines,
// every byte as it was, each followed by CR LF; opening and saving that file
// again writes it unchanged.
#include "FuzzCheck.h"
#include "Model.h"

#include "accessories/EditorFile.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace {

// Opened into the editor's kind of text area and saved from it.
QByteArray openedAndSaved(const QString &from, const char *to)
{
    static QPlainTextEdit *area = new QPlainTextEdit;
    area->setPlainText(EditorFile::read(from));
    const QString written = Fuzz::path(to);
    EditorFile::write(written, EditorFile::bytesOf(area->toPlainText()));
    return Fuzz::contentsOf(written);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_editorfile";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QByteArray saved = openedAndSaved(Fuzz::fileWith("in.txt", bytes), "out.txt");
    Fuzz::check(saved == Model::crlfLines(Model::lines(bytes)), "saved: the file's lines, each with CR LF");
    Fuzz::check(openedAndSaved(Fuzz::path("out.txt"), "again.txt") == saved, "a saved file saves unchanged");
    return 0;
}
