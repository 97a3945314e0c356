#include "PageTemplates.h"

#include "platform/LinkAddresses.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"

#include <QStringList>

namespace {

QByteArray linesToBytes(const QStringList &lines)
{
    QList<QByteArray> encoded;
    for (const QString &line : lines)
        encoded.append(ShiftJis::encode(line));
    return TextLines::join(encoded);
}

} // namespace

QByteArray defaultHeadTemplate()
{
    return linesToBytes({
        QStringLiteral("<HTML><HEAD><TITLE>ぼるぞ コンストラクション</TITLE></HEAD>"),
        QStringLiteral("<BODY BGCOLOR=\"silver\">"),
        QStringLiteral("<CENTER>"),
        QStringLiteral("<APPLET CODE=\"VorzoConstruction\" WIDTH=\"512\" HEIGHT=\"320\" ARCHIVE=\"vc_c.zip\">"),
        QString(),
    });
}

QByteArray defaultTailTemplate()
{
    using namespace LinkAddresses;
    return linesToBytes({
        QString(),
        QStringLiteral("</APPLET>"),
        QStringLiteral("</CENTER>"),
        QStringLiteral("<BR><BR><HR><BR>"),
        QStringLiteral("<H2>キーボード操作</H2>"),
        QStringLiteral("<DL>"),
        QStringLiteral("<DT>（←），（４）"),
        QStringLiteral("<DD>左へ歩く。素早く２回押すと走る。"),
        QStringLiteral("<DT>（→），（６）"),
        QStringLiteral("<DD>右へ歩く。素早く２回押すと走る。"),
        QStringLiteral("<DT>（スペース），（Ｚ）"),
        QStringLiteral("<DD>ジャンプする。"),
        QStringLiteral("<DT>（Ｔ）"),
        QStringLiteral("<DD>タイトル画面に戻る。"),
        QStringLiteral("</DL>"),
        QStringLiteral("ゲーム画面をマウスでクリックすると、ゲーム開始です。<P>"),
        QStringLiteral("<BR><HR><BR>"),
        QStringLiteral("<H2>遊び方</H2>"),
        QStringLiteral("ゲーム画面をマウスでクリックすると、ゲーム開始です。赤い人は正義の味方で、主人公です。"
                       "カーソルキーまたはテンキーで、左右に動きます。素早く２回押すと、走ります。"
                       "スペースキーで、ジャンプします。彼の趣味は、お金を拾う事です。それと、亀を踏んづける事です。"
                       "彼の夢は、マップの右の方にある星を取る事です。<P>"),
        QStringLiteral("<BR><HR><BR>"),
        QStringLiteral("<P><a href=\"%1\">サポートページ</A>へ移動する。").arg(QLatin1String(GameDownloadPage)),
        QStringLiteral("<P>このゲームは<a href=\"%1\">そよかぜゲームページ</a>の<a "
                       "href=\"%2\">ぼるぞクリエイター</a>で作られています。")
            .arg(QLatin1String(ToolAuthorPage), QLatin1String(SiblingToolPage)),
        QStringLiteral("</BODY>"),
        QStringLiteral("</HTML>"),
    });
}
