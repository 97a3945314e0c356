// The text editor with a 10 MB Shift-JIS file: opening and showing it, and
// F3 finding a match near its end; the search alone for comparison. Then a
// line of 100,000 characters: one keystroke in it, and the idle program with
// the caret in it (the caret blinks).

#include "Median.h"
#include "Offscreen.h"
#include "ProcessorTime.h"

#include "accessories/EditorFile.h"
#include "accessories/TextSearch.h"
#include "accessories/VorzoEdit.h"
#include "app/Windows.h"
#include "app/Workspace.h"
#include "desktop/Desktop.h"
#include "platform/ShiftJis.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <utility>

namespace {

// Every file dialog chooses the one file; every message is counted.
class BenchDialogs : public Dialogs
{
public:
    QString file;
    int messages = 0;
    void message(const QString &) override { ++messages; }
    WarningButton warning(const QString &, const QList<WarningButton> &) override { return WarningButton::No; }
    void error(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    QString inputBox(const QString &, const QString &, const QString &initial) override { return initial; }
    std::optional<QString> chooseFile(const FileDialog &) override { return file; }
    std::optional<ColourValue> chooseColour(ColourValue) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString &) override { return std::nullopt; }
};

// About 10 MB of Japanese and Latin lines, with one "Needle" among the last.
QByteArray tenMegabytes()
{
    QByteArray bytes;
    const QByteArray line = ShiftJis::encode(
        QStringLiteral("ステージの説明文です。ぼるぞクリエイター map0-0 value=12345 ＡＢＣ\r\n"));
    const qsizetype target = 10 * 1024 * 1024;
    bytes.reserve(target + line.size());
    while (bytes.size() < target * 99 / 100)
        bytes += line;
    bytes += "<param name=\"Needle\">\r\n";
    while (bytes.size() < target)
        bytes += line;
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    const auto app = offscreenApplication(argc, argv);

    BenchDialogs dialogs;
    setDialogs(&dialogs);
    QTemporaryDir dir;
    dialogs.file = dir.filePath(QStringLiteral("big.htm"));
    const QByteArray bytes = tenMegabytes();
    QFile file(dialogs.file);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();
    std::printf("file: %.1f MB\n", bytes.size() / 1048576.0);

    volatile qsizetype size = 0;
    report("reading the file alone", 5, medianMicroseconds(5, [&] { size = EditorFile::read(dialogs.file).size(); }));

    Workspace workspace;
    const Windows windows(workspace);
    windows.editor().show();
    auto *edit = windows.editor().findChild<QPlainTextEdit *>(QStringLiteral("MainEdit"));
    QAction *open = windows.editor().findChild<QAction *>(QStringLiteral("Open1"));
    report("open 10 MB and show it", 5, medianMicroseconds(5, [&] {
               open->trigger();
               QApplication::processEvents();
           }));

    windows.editor().findChild<QLineEdit *>(QStringLiteral("FindText"))->setText(QStringLiteral("needle"));
    QAction *findNext = windows.editor().findChild<QAction *>(QStringLiteral("FindNext1"));
    const int runs = 21;
    report("F3, the match near the end", runs, medianMicroseconds(runs, [&] {
               edit->moveCursor(QTextCursor::Start);
               findNext->trigger();
               QApplication::processEvents();
           }));
    if (dialogs.messages != 0 || edit->textCursor().selectedText() != QStringLiteral("Needle"))
        std::printf("F3 did not find the match\n");

    const QString text = edit->toPlainText();
    report("the text of the text area", runs, medianMicroseconds(runs, [&] { (void)edit->toPlainText(); }));
    // Qt's own search, for comparison: Boyer-Moore for long texts, a rolling
    // hash of folded characters for short ones.
    volatile qsizetype at = 0;
    for (const QString &what : {QStringLiteral("needle"), QStringLiteral("dl")}) {
        const QByteArray ours = "the search alone, \"" + what.toLatin1() + "\"";
        report(ours.constData(), runs, medianMicroseconds(runs, [&] {
                   at = TextSearch::findFrom(text, what, 0).value_or(TextSearch::Span{}).start;
               }));
        const QByteArray qts = "Qt's case-insensitive indexOf, \"" + what.toLatin1() + "\"";
        report(qts.constData(), runs,
               medianMicroseconds(runs, [&] { at = text.indexOf(what, 0, Qt::CaseInsensitive); }));
    }

    // A line of the page's kind (Latin letters) and one of Japanese text,
    // each of 100,000 characters, the caret in the middle; processor time
    // from the key to the repainted text area.
    const auto lineOf = [](const QString &piece) {
        QString line;
        while (line.size() < 100000)
            line += piece;
        line.truncate(100000);
        return line;
    };
    const QString latin = lineOf(QStringLiteral("<param name=\"map0-0\" value=\"0123456789abcdef\">"));
    const QString japanese = lineOf(
        QStringLiteral("ステージの説明文です。ぼるぞクリエイター map0-0 value=12345 ＡＢＣ\t"));
    windows.editor().activateWindow();
    edit->setFocus();
    for (const auto &[what, line] : {std::pair{"a keystroke in a Latin line of 100,000 characters", latin},
                                     std::pair{"a keystroke in a Japanese line of 100,000 characters", japanese}}) {
        edit->setPlainText(line);
        QTextCursor middle(edit->document());
        middle.setPosition(50000);
        edit->setTextCursor(middle);
        QApplication::processEvents();
        edit->viewport()->repaint();
        const int keys = 21;
        report(what, keys, medianProcessorMicroseconds(keys, [&] {
                   QTest::keyClick(edit, Qt::Key_A);
                   QApplication::processEvents();
                   edit->viewport()->repaint();
               }));
    }
    const auto idleShare = [] {
        QElapsedTimer idle;
        const double begun = processorMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
        idle.start();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        return 100 * (processorMilliseconds(CLOCK_PROCESS_CPUTIME_ID) - begun) / idle.elapsed();
    };
    std::printf("%-48s %10.2f %% of one core over 10 s\n", "idle, the caret in the Japanese line", idleShare());
    edit->setPlainText(QStringLiteral("short"));
    std::printf("%-48s %10.2f %% of one core over 10 s\n", "idle, the caret in a short line", idleShare());
    return 0;
}
