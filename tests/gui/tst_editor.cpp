#include "WindowFixture.h"

#include "TestFiles.h"
#include "accessories/VorzoEdit.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using Kind = ScriptedDialogs::Kind;
using Answers = QList<WarningButton>;

class TestEditor : public QObject
{
    Q_OBJECT
private slots:
    void newSaveSaveAsSave();
    void closeChack_data();
    void closeChack();
    void openKeepsOrRefuses_data();
    void openKeepsOrRefuses();
    void pasteAndTheContextMenu_data();
    void pasteAndTheContextMenu();
    void findAndReplaceThroughTheDialogs();
    void closingHidesAndColoursShareOneDialog();

private:
    static QPlainTextEdit *edit() { return editForm()->findChild<QPlainTextEdit *>("MainEdit"); }
    static QAction *entry(const char *name) { return editForm()->findChild<QAction *>(name); }
    template <typename T> static T *in(const char *dialog, const char *name)
    {
        return editForm()->findChild<QWidget *>(dialog)->findChild<T *>(name);
    }
    static void openEditor(WindowFixture &f)
    {
        f.action("N7")->trigger();
        QApplication::setActiveWindow(editForm());
        edit()->setFocus();
    }
    static QByteArray sjis(const QString &text) { return ShiftJis::encode(text); }
    // Japanese arrives as an input method's committed text.
    static void commit(const QString &text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit(), &event);
    }
};

void TestEditor::newSaveSaveAsSave()
{
    WindowFixture f;
    QTemporaryDir dir;
    const QString a = dir.filePath("a.htm"), b = dir.filePath("b.htm");
    openEditor(f);
    QCOMPARE(workspace().editor().shownName(), "新規");

    // A new document: 上書き保存(&S) asks for the name.
    commit("ぼるぞ");
    QTest::keyClick(edit(), Qt::Key_Return);
    QTest::keyClicks(edit(), "abc");
    QVERIFY(workspace().editor().isChanged());
    f.dialogs.pick(a);
    entry("Save1")->trigger();
    QCOMPARE(f.dialogs.fileDialogs.size(), 1);
    const FileDialog save = f.dialogs.fileDialogs.at(0);
    QCOMPARE(save.kind, FileDialog::Kind::Save);
    QCOMPARE(save.defaultSuffix, "htm");
    QCOMPARE(save.filter.split(";;").size(), 3);
    QCOMPARE(TestFiles::contents(a), sjis("ぼるぞ") + "\r\nabc\r\n");
    QCOMPARE(workspace().editor().shownName(), a);
    QVERIFY(!workspace().editor().isChanged());

    // Named: saved without a dialog, also while a hint covers the status bar.
    QTest::keyClicks(edit(), "d");
    QWidget *saveButton = editForm()->findChild<QToolButton *>("ToolButton6");
    QEnterEvent pointerEnters(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(saveButton, &pointerEnters);
    QCOMPARE(editForm()->statusBar()->currentMessage(), "上書き保存");
    entry("Save1")->trigger();
    QCOMPARE(f.dialogs.fileDialogs.size(), 1);
    QCOMPARE(TestFiles::contents(a), sjis("ぼるぞ") + "\r\nabcd\r\n");
    QVERIFY(!workspace().editor().isChanged());

    // An undo back to the saved text: the user has changed it all the same.
    QTest::keyClicks(edit(), "x");
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit()->toPlainText(), QStringLiteral("ぼるぞ\nabcd"));
    QVERIFY(workspace().editor().isChanged());

    // The tool bar's 上書き保存 always asks; cancelling it changes nothing.
    QTest::keyClicks(edit(), "e");
    f.dialogs.pick(std::nullopt);
    QTest::mouseClick(saveButton, Qt::LeftButton);
    QCOMPARE(f.dialogs.fileDialogs.size(), 2);
    QCOMPARE(workspace().editor().shownName(), a);
    QVERIFY(workspace().editor().isChanged());

    f.dialogs.pick(b);
    entry("SaveAs1")->trigger();
    QCOMPARE(TestFiles::contents(b), sjis("ぼるぞ") + "\r\nabcde\r\n");
    QCOMPARE(workspace().editor().shownName(), b);

    // はい, then a cancelled save dialog: the text goes all the same.
    QTest::keyClicks(edit(), "f");
    f.dialogs.answer(WarningButton::Yes);
    f.dialogs.pick(std::nullopt);
    entry("New1")->trigger();
    QCOMPARE(f.dialogs.texts(Kind::Warning), QStringList{"変更されています。保存しますか?"});
    QCOMPARE(f.dialogs.shown().constLast().kind, Kind::File);
    QCOMPARE(edit()->toPlainText(), QString());
    QCOMPARE(workspace().editor().shownName(), "新規");
    QVERIFY(!workspace().editor().isChanged());
    QCOMPARE(TestFiles::contents(b), sjis("ぼるぞ") + "\r\nabcde\r\n");
}

void TestEditor::closeChack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Answers>("answers"); // to the editor's question
    QTest::addColumn<QString>("picked");  // in the save dialog; empty: none asked
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("error");

    const QByteArray none = "<missing>";
    QTest::newRow("unchanged: no question") << "" << Answers{} << "" << true << none << "";
    QTest::newRow("キャンセル keeps running") << "abc" << Answers{WarningButton::Cancel} << "" << false << none << "";
    QTest::newRow("いいえ ends") << "abc" << Answers{WarningButton::No} << "" << true << none << "";
    QTest::newRow("はい, save dialog cancelled: ends")
        << "abc" << Answers{WarningButton::Yes} << "<キャンセル>" << true << none << "";
    QTest::newRow("はい, saved: ends") << "abc" << Answers{WarningButton::Yes} << "a.htm" << true
                                       << QByteArray("abc\r\n") << "";
    QTest::newRow("はい, the folder is gone: keeps running")
        << "abc" << Answers{WarningButton::Yes} << "gone/a.htm" << false << none << "ファイル %1 を作成できません.";
    QTest::newRow("はい, a character Shift-JIS cannot hold: keeps running")
        << "a😀" << Answers{WarningButton::Yes} << "" << false << none
        << errorBoxText(ShiftJis::unencodableMessage(U'😀'));
    QTest::newRow("はい, a pasted pair of substitutes that would read back as あ: keeps running")
        << "\uF782\uF7A0" << Answers{WarningButton::Yes} << "" << false << none
        << errorBoxText(ShiftJis::unencodableMessage(U'\uF782'));
}

void TestEditor::closeChack()
{
    QFETCH(QString, typed);
    QFETCH(Answers, answers);
    QFETCH(QString, picked);
    QFETCH(bool, closes);
    QFETCH(QByteArray, written);
    QFETCH(QString, error);
    WindowFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath(picked);
    openEditor(f);
    edit()->insertPlainText(typed);
    f.dialogs.answer(WarningButton::Yes); // 保存されていないデータはすべて失われます。
    for (WarningButton answer : answers)
        f.dialogs.answer(answer);
    if (picked == QStringLiteral("<キャンセル>"))
        f.dialogs.pick(std::nullopt);
    else if (!picked.isEmpty())
        f.dialogs.pick(path);
    QSignalSpy closed(mainWindow(), &TVorzo::closed);

    mainWindow()->close();
    QStringList questions{QStringLiteral("保存されていないデータはすべて失われます。\r\nよろしいですか。\r\n")};
    if (!answers.isEmpty())
        questions << "テキストエディタは変更されています。保存しますか?";
    QCOMPARE(f.dialogs.texts(Kind::Warning), questions);
    QCOMPARE(closed.count(), closes ? 1 : 0);
    QCOMPARE(TestFiles::contents(path), written);
    QCOMPARE(f.dialogs.texts(Kind::Error), error.isEmpty() ? QStringList() : QStringList{error.arg(path)});
    QCOMPARE(edit()->toPlainText(), typed);
}

void TestEditor::openKeepsOrRefuses_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<folder>": a folder; "<missing>": no file
    QTest::addColumn<QString>("shown");    // the text shown, or the error
    QTest::addColumn<QByteArray>("saved"); // written back by 上書き保存

    const QByteArray japanese = sjis("ぼるぞ～①\r\n\tＡＢＣ\r\n");
    QTest::newRow("CR LF, CR and LF") << QByteArray("a\r\nb\rc\nd") << "a\nb\nc\nd"
                                      << QByteArray("a\r\nb\r\nc\r\nd\r\n");
    QTest::newRow("Shift-JIS comes back byte for byte") << japanese << "ぼるぞ～①\n\tＡＢＣ\n" << japanese;
    QTest::newRow("a 40,000-character line") << QByteArray(40000, 'x') + "\r\n"
                                             << QString(40000, 'x') + "\n"
                                             << QByteArray(40000, 'x') + "\r\n";
    const QByteArray utf8 = QString("<p>ステージ</p>\r\n").toUtf8();
    QTest::newRow("a UTF-8 page keeps its bytes") << utf8 << TextLines::toEditText(utf8) << utf8;
    QTest::newRow("a lead byte at the end")
        << QByteArray("abc\x82") << TextLines::toEditText("abc\x82") << QByteArray("abc\x82\r\n");
    QTest::newRow("a missing file") << QByteArray("<missing>") << "ファイル %1 は開けません." << QByteArray();
    QTest::newRow("a folder") << QByteArray("<folder>") << "ファイル %1 は開けません." << QByteArray();
}

void TestEditor::openKeepsOrRefuses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QByteArray, saved);
    WindowFixture f;
    QTemporaryDir dir;
    const QString path = dir.filePath("page.htm");
    if (bytes == "<folder>")
        QVERIFY(QDir(dir.path()).mkdir("page.htm"));
    else if (bytes != "<missing>")
        QVERIFY(TestFiles::put(path, bytes));
    openEditor(f);
    QTest::keyClicks(edit(), "keep");
    f.dialogs.pick(path);
    entry("Open1")->trigger();

    if (saved.isEmpty()) {
        QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{shown.arg(path)});
        QCOMPARE(edit()->toPlainText(), "keep");
        QVERIFY(workspace().editor().isChanged());
        QCOMPARE(workspace().editor().shownName(), "新規");
        return;
    }
    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList());
    QCOMPARE(edit()->toPlainText(), shown);
    QVERIFY(!workspace().editor().isChanged());
    QCOMPARE(workspace().editor().shownName(), path);
    entry("Save1")->trigger();
    QCOMPARE(TestFiles::contents(path), saved);
}

void TestEditor::pasteAndTheContextMenu_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("formats"); // of the clipboard data; text/plain holds "x\r\ny"
    QTest::addColumn<QString>("shown");
    QTest::newRow("edit menu, lines ending in CR LF") << "Paste1" << QStringList{"text/plain"} << "x\ny";
    QTest::newRow("context menu, lines ending in CR LF") << "Paste2" << QStringList{"text/plain"} << "x\ny";
    QTest::newRow("context menu, data without formats") << "Paste2" << QStringList{} << "";
}

void TestEditor::pasteAndTheContextMenu()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, formats);
    QFETCH(QString, shown);
    WindowFixture f;
    QTemporaryDir dir;
    openEditor(f);
    auto *data = new QMimeData;
    for (const QString &format : formats)
        data->setData(format, "x\r\ny");
    QApplication::clipboard()->setMimeData(data);

    auto *menu = editForm()->findChild<QMenu *>("PopupMenu1");
    if (entry == "Paste2") {
        // Through the window, where a right button press turns into a context menu.
        const QPoint at = edit()->viewport()->mapTo(editForm(), QPoint(20, 20));
        QTest::mouseClick(editForm()->windowHandle(), Qt::RightButton, {}, at);
        QTRY_VERIFY(menu->isVisible());
    }
    this->entry(qPrintable(entry))->trigger();
    menu->close();
    QCOMPARE(edit()->toPlainText(), shown);
    f.dialogs.pick(dir.filePath("a.htm"));
    this->entry("Save1")->trigger();
    QCOMPARE(TestFiles::contents(dir.filePath("a.htm")), shown.isEmpty() ? "" : "x\r\ny\r\n");
}

void TestEditor::findAndReplaceThroughTheDialogs()
{
    WindowFixture f;
    openEditor(f);
    edit()->setPlainText("abc ABC xyz abc");
    entry("Find2")->trigger();
    auto *find = editForm()->findChild<QDialog *>("FindDialog1");
    QVERIFY(find->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    // Typing goes on while the dialog is open.
    QTest::keyClicks(edit(), "x");
    QCOMPARE(edit()->toPlainText(), "xabc ABC xyz abc");

    QTest::keyClicks(in<QLineEdit>("FindDialog1", "FindText"), "abc");
    QTest::mouseClick(in<QPushButton>("FindDialog1", "FindNext"), Qt::LeftButton);
    QVERIFY(!find->isVisible());
    QCOMPARE(edit()->textCursor().selectionStart(), 1);
    QApplication::setActiveWindow(editForm());
    WindowFixture::press(Qt::Key_F3);
    QCOMPARE(edit()->textCursor().selectionStart(), 5);
    WindowFixture::press(Qt::Key_F3);
    QCOMPARE(edit()->textCursor().selectionStart(), 13);
    WindowFixture::press(Qt::Key_F3);
    QCOMPARE(f.dialogs.texts(Kind::Message), QStringList{"見つかりませんでした。"});
    QCOMPARE(edit()->textCursor().selectionStart(), 13);

    entry("Replace1")->trigger();
    auto *replace = editForm()->findChild<QDialog *>("ReplaceDialog1");
    QTest::keyClicks(in<QLineEdit>("ReplaceDialog1", "FindText"), "ABC");
    QTest::keyClicks(in<QLineEdit>("ReplaceDialog1", "ReplaceText"), "d");
    QTest::mouseClick(in<QPushButton>("ReplaceDialog1", "FindNext"), Qt::LeftButton);
    QCOMPARE(f.dialogs.texts(Kind::Message).constLast(), "検索するだけなら「検索」を使ってください。");
    QVERIFY(replace->isVisible());
    f.dialogs.forget();
    edit()->moveCursor(QTextCursor::Start);
    for (WarningButton answer : {WarningButton::Yes, WarningButton::No, WarningButton::Yes, WarningButton::No})
        f.dialogs.answer(answer);
    QTest::mouseClick(in<QPushButton>("ReplaceDialog1", "ReplaceAll"), Qt::LeftButton);
    QVERIFY(!replace->isVisible());
    // abc はい; ABC いいえ; abc はい; ABC again, いいえ.
    QCOMPARE(edit()->toPlainText(), "xd ABC xyz d");
    QCOMPARE(f.dialogs.texts(Kind::Warning).size(), 4);
    QCOMPARE(f.dialogs.texts(Kind::Message), QStringList{"見つかりませんでした。"});
    QVERIFY(workspace().editor().isChanged());
}

void TestEditor::closingHidesAndColoursShareOneDialog()
{
    WindowFixture f;
    openEditor(f);
    QTest::keyClicks(edit(), "kept");
    editForm()->close();
    QVERIFY(!editForm()->isVisible());
    f.action("N7")->trigger();
    QCOMPARE(edit()->toPlainText(), "kept");
    QVERIFY(workspace().editor().isChanged());

    f.dialogs.pickColour(0x0000FF);
    entry("N6")->trigger();
    QCOMPARE(edit()->palette().color(QPalette::Text), QColor(Qt::red));
    f.dialogs.pickColour(std::nullopt);
    entry("N5")->trigger();
    QCOMPARE(f.dialogs.colourDialogs, (QList<ColourValue>{0, 0x0000FF}));
    QCOMPARE(edit()->palette().color(QPalette::Base), QColor(Qt::black));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
