#include "accessories/TextSearch.h"

#include "ScriptedDialogs.h"

#include <QTest>

using TextSearch::Span;
using Positions = QList<qsizetype>;

class TestTextSearch : public QObject
{
    Q_OBJECT
private slots:
    void find_data();
    void find();
    void replacePasses_data();
    void replacePasses();
};

// A text and its selection, as the text area holds them; remembers where
// each pass selected its match.
class TextWithSelection : public TextSearch::Editable
{
public:
    QString content;
    Span selected;
    Positions offered;

    QString text() const override { return content; }
    Span selection() const override { return selected; }
    void select(Span span) override
    {
        selected = span;
        offered.append(span.start);
    }
    void replaceSelection(const QString &replacement) override
    {
        content.replace(selected.start, selected.length, replacement);
        selected = {selected.start + replacement.size(), 0};
    }
};

void TestTextSearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Span>("selection");
    QTest::addColumn<QString>("what");
    QTest::addColumn<qsizetype>("found"); // -1: not found

    QTest::newRow("nothing selected: from the beginning, the caret after the match plays no part")
        << "abc abc" << Span{7, 0} << "abc" << qsizetype(0);
    QTest::newRow("after the selection's end") << "abc abc" << Span{0, 3} << "abc" << qsizetype(4);
    QTest::newRow("a match overlapping the selection is passed") << "aaa" << Span{0, 2} << "aa" << qsizetype(-1);
    QTest::newRow("no wrap: the only match lies before the selection")
        << "abc xyz" << Span{4, 3} << "abc" << qsizetype(-1);
    QTest::newRow("letter case ignored") << "xxABCxx" << Span{} << "abc" << qsizetype(2);
    QTest::newRow("full-width letter case ignored") << "ｘＡＢＣ" << Span{} << "ａｂｃ" << qsizetype(1);
    QTest::newRow("no whole-word rule") << "abcdef" << Span{} << "CDE" << qsizetype(2);
    QTest::newRow("Japanese after an emoji") << "😀ぼるぞクリエイター" << Span{} << "クリ" << qsizetype(5);
    QTest::newRow("kana are not folded into each other") << "カか" << Span{} << "か" << qsizetype(1);
    QTest::newRow("match at the very end") << "xxab" << Span{} << "AB" << qsizetype(2);
    QTest::newRow("longer than the rest") << "ab" << Span{} << "abc" << qsizetype(-1);
    QTest::newRow("empty search text finds nothing") << "abc" << Span{} << "" << qsizetype(-1);
    QTest::newRow("40,000-character line") << QString(40000, u'a') + "B" << Span{} << "b" << qsizetype(40000);
}

void TestTextSearch::find()
{
    QFETCH(QString, text);
    QFETCH(Span, selection);
    QFETCH(QString, what);
    QFETCH(qsizetype, found);
    const std::optional<Span> match = TextSearch::find(text, selection, what);
    QCOMPARE(match ? match->start : -1, found);
    if (match)
        QCOMPARE(match->length, what.size());
}

void TestTextSearch::replacePasses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Span>("selection");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("answers"); // Y or N for each question; none left: No
    QTest::addColumn<Positions>("offered");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("notFound");

    QTest::newRow("replace, はい") << "a-b-a" << Span{} << "A"
                                   << "X" << false << "Y" << Positions{0} << "X-b-a" << false;
    QTest::newRow("replace, いいえ") << "a-b-a" << Span{} << "a"
                                     << "X" << false << "N" << Positions{0} << "a-b-a" << false;
    QTest::newRow("replace passes a match already selected") << "a-b-a" << Span{0, 1} << "a"
                                                             << "X" << false << "Y" << Positions{4} << "a-b-X" << false;
    QTest::newRow("replace, not found") << "abc" << Span{} << "z"
                                        << "X" << false << "" << Positions{} << "abc" << true;
    QTest::newRow("replace all, three matches all はい")
        << "a a a" << Span{} << "a"
        << "XY" << true << "YYY" << Positions{0, 3, 6} << "XY XY XY" << true;
    QTest::newRow("replace all, A B C: No, Yes, then A again, then C")
        << "xa-xb-xc" << Span{} << "X"
        << "Y" << true << "NYNN" << Positions{0, 3, 0, 6} << "xa-Yb-xc" << true;
    QTest::newRow("replace all, the replacement holds the search text")
        << "a" << Span{} << "a"
        << "aa" << true << "YNN" << Positions{0, 0, 1} << "aa" << true;
    QTest::newRow("replace all, empty search text") << "abc" << Span{} << ""
                                                    << "X" << true << "" << Positions{} << "abc" << true;
}

void TestTextSearch::replacePasses()
{
    QFETCH(QString, text);
    QFETCH(Span, selection);
    QFETCH(QString, what);
    QFETCH(QString, with);
    QFETCH(bool, all);
    QFETCH(QString, answers);
    QFETCH(Positions, offered);
    QFETCH(QString, result);
    QFETCH(bool, notFound);

    ScriptedDialogs dialogs;
    for (const QChar answer : answers)
        dialogs.answer(answer == u'Y' ? WarningButton::Yes : WarningButton::No);
    TextWithSelection area;
    area.content = text;
    area.selected = selection;
    TextSearch::replace(area, what, with, all);

    QCOMPARE(area.offered, offered);
    QCOMPARE(area.content, result);
    QCOMPARE(dialogs.texts(ScriptedDialogs::Kind::Warning), QStringList(offered.size(), "これを置き換えますか？"));
    for (const ScriptedDialogs::Shown &shown : dialogs.shown()) {
        if (shown.kind == ScriptedDialogs::Kind::Warning)
            QCOMPARE(shown.buttons, (QList<WarningButton>{WarningButton::Yes, WarningButton::No}));
    }
    QCOMPARE(dialogs.texts(ScriptedDialogs::Kind::Message),
             notFound ? QStringList{"見つかりませんでした。"} : QStringList{});
}

QTEST_GUILESS_MAIN(TestTextSearch)
#include "tst_textsearch.moc"
