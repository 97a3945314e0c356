#include "PaletteNames.h"

#include <iterator>

namespace {

// Codes 0 to 64 in order.
constexpr const char *Names[] = {
    "自分", "亀", "亀 (落ちる)", "亀 (落ちる×3)", "ピカチー", "チコリン", "ヒノララシ", "ポッピー 上下",
    "ポッピー 直進", "ポッピー 直進×3", "動く床 上下", "動く床 左右", "動く床 左右×2個", "ドッスンスン", "マリリ",
    "ヤチャモ", "ミズタロウ", "エアームズ", "グラーダ", "カイオール", "ファイヤーバー 左", "ファイヤーバー 右",
    "タイキング", "クラゲッソ", "水草", "センクウザ",
    // blocks and items
    "レンガ", "岩", "水色のレンガ", "鉄", "鉄の柱１", "鉄の柱２", "土", "城の壁", "黄色のブロック", "緑色のブロック",
    "コイン", "コイン３枚", "ファイヤーボール", "バリア", "タイム", "ジェット", "ヘルメット", "しっぽ", "ドリル",
    "グレネード", "リンク土管１", "リンク土管２", "リンク土管３", "リンク土管４", "1UP", "すべる床",
    // decorations and effects
    "雲の左側", "雲の右側", "草", "水中", "上向きのトゲ", "下向きのトゲ", "ろうそく", "星", "コイン",
    "一言メッセージ１", "一言メッセージ２", "一言メッセージ３", "一言メッセージ４"};
static_assert(std::size(Names) == LastPlaceableCode + 1, "a name for every placeable code");

} // namespace

QString paletteNameOf(CellCode code)
{
    if (code == EmptyCell)
        return QStringLiteral("空白");
    return code <= LastPlaceableCode ? QString::fromUtf8(Names[code]) : QString();
}
