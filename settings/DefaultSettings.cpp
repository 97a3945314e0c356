#include "DefaultSettings.h"

#include "platform/LinkAddresses.h"
#include "platform/ShiftJis.h"

#include <QString>
#include <utility>

SettingsList defaultSettings()
{
    using namespace LinkAddresses;
    const std::pair<const char *, QString> entries[] = {
        {"time_max", QStringLiteral("0")},
        {"scroll_mode", QStringLiteral("1")},
        {"score_v", QStringLiteral("1")},
        {"j_tail_type", QStringLiteral("1")},
        {"j_tail_hf", QStringLiteral("1")},
        {"j_fire_mkf", QStringLiteral("1")},
        {"grenade_type", QStringLiteral("1")},
        {"suberuyuka_hkf", QStringLiteral("1")},
        {"dengeki_mkf", QStringLiteral("1")},
        {"yachamo_kf", QStringLiteral("1")},
        {"airms_kf", QStringLiteral("1")},
        {"ugokuyuka1_type", QStringLiteral("1")},
        {"ugokuyuka2_type", QStringLiteral("1")},
        {"ugokuyuka3_type", QStringLiteral("1")},
        {"boss_type", QStringLiteral("1")},
        {"boss2_type", QStringLiteral("1")},
        {"boss3_type", QStringLiteral("1")},
        {"url1", QLatin1String(GameAuthorPage)},
        {"url2", QLatin1String(GameDownloadPage)},
        {"url3", QLatin1String(ToolAuthorPage)},
        {"url4", QLatin1String(SiblingToolPage)},
        {"dokan_mode", QStringLiteral("2")},
        {"hitokoto1_name", QStringLiteral("浩二")},
        {"hitokoto1-1", QStringLiteral("今日は、いい天気だなあ、なんてね。")},
        {"hitokoto1-2", QStringLiteral("プレイ画面でも、こんなセリフを、")},
        {"hitokoto1-3", QStringLiteral("入れられるように、なったんだ。")},
        {"hitokoto2_name", QStringLiteral("お姫様")},
        {"hitokoto2-1", QStringLiteral("ついに、ここまで来ましたね。")},
        {"hitokoto2-2", QStringLiteral("ゆうきの証、ミレニアム人面星が、")},
        {"hitokoto2-3", QStringLiteral("あなたを、待っていますよ。")},
        {"hitokoto3_name", QStringLiteral("ザトシ")},
        {"hitokoto3-1", QStringLiteral("オレは、世界一になる男だ。")},
        {"hitokoto3-2", QStringLiteral("ぜったい、なってやるーー。")},
        {"hitokoto3-3", QStringLiteral("0")},
        {"hitokoto4_name", QStringLiteral("クリス")},
        {"hitokoto4-1", QStringLiteral("あたし、クリス。ペットのピカチーが、")},
        {"hitokoto4-2", QStringLiteral("どこかに行っちゃったの。")},
        {"hitokoto4-3", QStringLiteral("こまったわね、ぐすん。")},
        {"backcolor_red", QStringLiteral("64")},
        {"backcolor_green", QStringLiteral("224")},
        {"backcolor_blue", QStringLiteral("224")},
        {"scorecolor_red", QStringLiteral("0")},
        {"scorecolor_green", QStringLiteral("0")},
        {"scorecolor_blue", QStringLiteral("255")},
        {"grenade_red1", QStringLiteral("255")},
        {"grenade_green1", QStringLiteral("255")},
        {"grenade_blue1", QStringLiteral("255")},
        {"grenade_red2", QStringLiteral("255")},
        {"grenade_green2", QStringLiteral("255")},
        {"grenade_blue2", QStringLiteral("0")},
        {"mizunohadou_red", QStringLiteral("0")},
        {"mizunohadou_green", QStringLiteral("32")},
        {"mizunohadou_blue", QStringLiteral("255")},
        {"firebar_red1", QStringLiteral("255")},
        {"firebar_green1", QStringLiteral("0")},
        {"firebar_blue1", QStringLiteral("0")},
        {"firebar_red2", QStringLiteral("255")},
        {"firebar_green2", QStringLiteral("192")},
        {"firebar_blue2", QStringLiteral("0")},
        {"moji_score", QStringLiteral("SCORE")},
        {"moji_highscore", QStringLiteral("HIGHSCORE")},
        {"moji_time", QStringLiteral("TIME")},
        {"moji_jet", QStringLiteral("JET")},
        {"moji_grenade", QStringLiteral("GRENADE")},
        {"moji_left", QStringLiteral("LEFT")},
        {"moji_size", QStringLiteral("14")},
        {"filename_title", QStringLiteral("title.gif")},
        {"filename_ending", QStringLiteral("ending.gif")},
        {"filename_gameover", QStringLiteral("gameover.gif")},
        {"filename_pattern", QStringLiteral("pattern.gif")},
        {"game_speed", QStringLiteral("70")},
    };
    SettingsList list;
    for (const auto &[key, value] : entries)
        list.append(QByteArray(key) + '=' + ShiftJis::encode(value));
    return list;
}
