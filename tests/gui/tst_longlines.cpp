// A box with long lines looks exactly like Qt's own plain-text box: the same
// pixels for every part of a long line in view, selected or not, with tabs,
// Japanese text and the caret.

#include "desktop/LongLineTextEdit.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <functional>

class TestLongLines : public QObject
{
    Q_OBJECT
private slots:
    void looksLikeQtsOwnBox_data();
    void looksLikeQtsOwnBox();
};

namespace {

QString repeated(const QString &piece, int length)
{
    QString text;
    while (text.size() < length)
        text += piece;
    text.truncate(length);
    return text;
}

void prepare(QPlainTextEdit &edit, const QString &text, bool readOnly)
{
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(13);
    font.setBold(true);
    edit.setFont(font);
    edit.setReadOnly(readOnly);
    edit.resize(420, 160);
    edit.setPlainText(text);
    edit.show();
}

// Scrolls to the given share of the width and selects [anchor, position).
void place(QPlainTextEdit &edit, double scrolled, int anchor, int position)
{
    QTextCursor cursor(edit.document());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
    QScrollBar *bar = edit.horizontalScrollBar();
    bar->setValue(int(bar->maximum() * scrolled));
}

} // namespace

void TestLongLines::looksLikeQtsOwnBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("scrolled");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("readOnly");

    const QString latin = repeated(QStringLiteral("<param name=\"map0-0\" value=\"12.5\">\t"), 100000);
    const QString japanese = repeated(QStringLiteral("ステージの説明文です。ぼるぞ ABC１２３\t\uE0A0"), 40000);
    const QString lines = QStringLiteral("短い行\n") + japanese + QStringLiteral("\n次の行\t終わり\n")
                          + repeated(QStringLiteral("0123456789"), 3000);
    QTest::newRow("tabs, caret in the middle") << latin << 0.5 << 50000 << 50000 << false;
    QTest::newRow("selection from beyond the left edge") << latin << 0.5 << 1000 << 50020 << false;
    QTest::newRow("selection beyond the right edge") << japanese << 0.3 << 12010 << 39000 << false;
    QTest::newRow("selection through the line end") << japanese << 1.0 << 39990 << 40000 << false;
    QTest::newRow("read-only, the start") << japanese << 0.0 << 3 << 9 << true;
    QTest::newRow("several lines, two of them long") << lines << 0.6 << 5 << 41020 << false;
}

void TestLongLines::looksLikeQtsOwnBox()
{
    QFETCH(QString, text);
    QFETCH(double, scrolled);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(bool, readOnly);

    QPlainTextEdit qts;
    LongLineTextEdit ours;
    prepare(qts, text, readOnly);
    prepare(ours, text, readOnly);
    place(qts, scrolled, anchor, position);
    place(ours, scrolled, anchor, position);
    QApplication::processEvents();

    // As shown, then with another selection, then after a keystroke, each
    // grabbed at once: a grab repaints the part of the one before it, where
    // slices are reused.
    const std::function<void(QPlainTextEdit &)> steps[] = {
        [](QPlainTextEdit &) {},
        [position](QPlainTextEdit &edit) {
            QTextCursor cursor(edit.document());
            cursor.setPosition(std::max(0, position - 7));
            cursor.setPosition(position - 2, QTextCursor::KeepAnchor);
            edit.setTextCursor(cursor);
        },
        [](QPlainTextEdit &edit) { QTest::keyClick(edit.viewport(), Qt::Key_M); },
    };
    for (const auto &step : steps) {
        step(qts);
        step(ours);
        const QImage expected = qts.viewport()->grab().toImage();
        const QImage drawn = ours.viewport()->grab().toImage();
        QCOMPARE(drawn.size(), expected.size());
        if (drawn != expected) {
            expected.save(QStringLiteral("longlines-expected.png"));
            drawn.save(QStringLiteral("longlines-drawn.png"));
            QFAIL("the long line is drawn otherwise than Qt draws it (see longlines-*.png)");
        }
    }
    // The long lines were drawn in slices and kept their glyphs.
    QVERIFY(ours.slicedLines() > 0);
    QVERIFY(ours.textCursor().block().layout()->cacheEnabled());
}

QTEST_MAIN(TestLongLines)
#include "tst_longlines.moc"
