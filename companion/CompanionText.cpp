#include "CompanionText.h"

#include <iterator>
#include <utility>

namespace CompanionText {
namespace {

Language chosen = Language::Japanese;

struct Pair
{
    Id id;
    const char *japanese;
    const char *english;
};

// In the order of Id.
constexpr Pair Texts[] = {
    {Id::Help,
     "使い方: vorzo-stage <コマンド> ステージ.kwt [オプション]\n"
     "\n"
     "ぼるぞクリエイターのステージ (マップファイル .kwt と、同じ名前の詳細設定\n"
     "ファイル .kwp) を、画面を開かずに扱います。\n"
     "\n"
     "コマンド:\n"
     "  page ステージ.kwt [-o ページ.htm] [--before ファイル] [--after ファイル]\n"
     "      エディタの F7 と同じ HTML ページを作ります。-o がないとき、\n"
     "      または -o - のときは標準出力へ書きます。\n"
     "      --before, --after  前につくデータ・後につくデータを Shift-JIS の\n"
     "                         ファイルから取ります (指定がなければ既定のもの)\n"
     "  render ステージ.kwt -o 画像.png [--picture 画像ファイル] [--grid]\n"
     "         [--scale N]\n"
     "      ステージ全体 (180 × 30 マス、5,760 × 960 ピクセル) を、\n"
     "      キャンバスと同じ絵で PNG 画像にします。-o - なら標準出力へ。\n"
     "      --picture  マスの絵を取る画像 (指定がなければ内蔵の画像)\n"
     "      --grid     キャンバスの黄色い線を引きます\n"
     "      --scale N  N 倍 (1～4) に拡大します\n"
     "  check ステージ.kwt [--json]\n"
     "      エディタやゲームが戸惑うところを、場所とともに 1 行に 1 つずつ\n"
     "      示します。\n"
     "      --json     JSON で出力します\n"
     "  export ステージ.kwt -o マップ.tmx [--picture 画像ファイル]\n"
     "         [--layer-format 形式]\n"
     "      ステージを Tiled のマップにします (-o が .tmj なら JSON 形式)。\n"
     "      タイルセットの画像は「マップ-tiles.png」としてマップの隣に\n"
     "      書きます。詳細設定はマップのプロパティ「行番号 キー」になります。\n"
     "      --layer-format  レイヤーのデータの形式: csv (既定), base64, zlib,\n"
     "                      gzip, zstd\n"
     "  import マップ.tmx -o ステージ.kwt\n"
     "      Tiled で保存したマップ (.tmx, .tmj) をマップファイルと詳細設定\n"
     "      ファイルに戻します。ステージにならないマップは、わけとマスを\n"
     "      示して断り、何も書きません。\n"
     "  text ステージ.kwt\n"
     "      マップを 180 文字 × 30 行のマップ文字で標準出力へ書きます\n"
     "      (git の textconv に)。\n"
     "  diff ステージ.kwt ステージ2.kwt [--json]\n"
     "      変わったマス (X, Y と、前と後の文字とパレットの名前) と詳細設定を\n"
     "      示します。\n"
     "      --json     JSON で出力します\n"
     "  --help       この説明\n"
     "  --version    版\n"
     "\n"
     "終了コード: 0 成功 (check では何も見つからなかった、diff では同じ)、\n"
     "1 見つかった・違った・失敗した、2 使い方の誤り\n",
     "Usage: vorzo-stage <command> STAGE.kwt [options]\n"
     "\n"
     "Works on a VorzoDazorad stage (the map file .kwt and the settings file .kwp of\n"
     "the same name) without opening a window.\n"
     "\n"
     "Commands:\n"
     "  page STAGE.kwt [-o PAGE.htm] [--before FILE] [--after FILE]\n"
     "      The HTML page the editor's F7 makes; to standard output without -o\n"
     "      or with -o -.\n"
     "      --before, --after  the head and tail templates from Shift-JIS files\n"
     "                         (the default ones otherwise)\n"
     "  render STAGE.kwt -o PICTURE.png [--picture FILE] [--grid] [--scale N]\n"
     "      The whole stage (180 x 30 cells, 5,760 x 960 pixels) as a PNG picture,\n"
     "      every cell drawn as the editor's canvas draws it; -o - writes it to\n"
     "      standard output.\n"
     "      --picture  the picture the cells are taken from (the built-in one\n"
     "                 otherwise)\n"
     "      --grid     the canvas's yellow lines\n"
     "      --scale N  enlarged N times (1 to 4)\n"
     "  check STAGE.kwt [--json]\n"
     "      Whatever would surprise the editor or the game, one line each with its\n"
     "      place.\n"
     "      --json     as JSON\n"
     "  export STAGE.kwt -o MAP.tmx [--picture FILE] [--layer-format FORMAT]\n"
     "      The stage as a map of the Tiled map editor (-o MAP.tmj: its JSON\n"
     "      format), with the tileset's picture beside it as MAP-tiles.png; the\n"
     "      settings become the map's properties \"NUMBER KEY\".\n"
     "      --layer-format  how the layer's data are written: csv (the default),\n"
     "                      base64, zlib, gzip, zstd\n"
     "  import MAP.tmx -o STAGE.kwt\n"
     "      A map saved by Tiled (.tmx, .tmj) back as the map file and the\n"
     "      settings file; a map that is no stage is refused with the reason and\n"
     "      the cell, and nothing is written.\n"
     "  text STAGE.kwt\n"
     "      The map as 30 lines of 180 map letters on standard output (for git's\n"
     "      textconv).\n"
     "  diff STAGE.kwt OTHER.kwt [--json]\n"
     "      The cells that changed (X, Y, the letters before and after with the\n"
     "      palette's names) and the settings that did.\n"
     "      --json     as JSON\n"
     "  --help       this text\n"
     "  --version    the version\n"
     "\n"
     "Exit status: 0 success (check: nothing found; diff: the same), 1 something\n"
     "found, different or failed, 2 wrong usage\n"},
    {Id::SeeHelp, "詳しくは vorzo-stage --help", "see vorzo-stage --help"},
    {Id::NoCommand, "コマンドがありません", "no command given"},
    {Id::UnknownCommand, "不明なコマンドです: %1", "unknown command: %1"},
    {Id::NoStage, "ステージのマップファイル (.kwt) を指定してください", "no stage map file (.kwt) given"},
    {Id::ExtraArgument, "余分な引数です: %1", "unexpected argument: %1"},
    {Id::UnknownOption, "%2 コマンドに %1 というオプションはありません", "the %2 command has no option %1"},
    {Id::NoValue, "%1 オプションには値が要ります", "option %1 needs a value"},
    {Id::RepeatedOption, "%1 オプションが 2 回以上あります", "option %1 is given more than once"},
    {Id::BadScale, "--scale は 1 から 4 までの整数です: %1", "--scale takes a whole number from 1 to 4: %1"},
    {Id::NoOutput, "render には -o 画像.png が要ります", "render needs -o PICTURE.png"},
    {Id::NotPng, "画像は PNG で書きます。-o には .png で終わる名前か - を指定してください: %1",
     "the picture is written as PNG: give -o a name ending in .png, or -: %1"},
    {Id::OutputIsInput, "出力先 %1 は読み込むファイルの 1 つです。上書きしません",
     "the output %1 is one of the files read; it is not overwritten"},
    {Id::StandardOutput, "標準出力", "standard output"},
    {Id::CannotRun, "%1 を実行できません", "cannot run %1"},
    {Id::MapShort, "マップファイルが %1 バイトしかありません (5,400 バイトに足りないぶんのマスは空白になります)",
     "the map file has only %1 bytes (5,400 expected; the cells beyond stay empty)"},
    {Id::MapLong, "マップファイルが %1 バイトあります (5,400 バイトを超えるぶんは読まれません)",
     "the map file has %1 bytes (5,400 expected; the bytes beyond are ignored)"},
    {Id::ForeignCode, "X %1, Y %2: コード %3 は 0～64 でも 99 でもありません",
     "X %1, Y %2: code %3 is neither 0-64 nor 99"},
    {Id::InvalidByte, "バイト 0x%1 はコードページ 932 の文字になりません", "byte 0x%1 is not code page 932 text"},
    {Id::NoEquals, "「=」がありません", "no \"=\" in the line"},
    {Id::UnknownKey, "キー %1 は既定の 71 個にありません", "key %1 is not one of the 71 defaults"},
    {Id::RepeatedKey, "キー %1 は %2 行目にもあります (最初の値が使われます)",
     "key %1 repeats line %2 (the first value counts)"},
    {Id::ZeroByte, "ゼロのバイトがあり、ここから先は読まれません", "a zero byte: nothing from here on is read"},
    {Id::MissingKey, "キー %1 がありません", "key %1 is missing"},
    {Id::NoTiledMap, "Tiled のマップ (.tmx か .tmj) を指定してください", "no Tiled map (.tmx or .tmj) given"},
    {Id::NotTiledName, "Tiled のマップの名前は .tmx か .tmj で終わります: %1",
     "a Tiled map's name ends in .tmx or .tmj: %1"},
    {Id::NoMapOutput, "export には -o マップ.tmx が要ります", "export needs -o MAP.tmx"},
    {Id::NoStageOutput, "import には -o ステージ.kwt が要ります", "import needs -o STAGE.kwt"},
    {Id::BadLayerFormat, "--layer-format は csv, base64, zlib, gzip, zstd のどれかです: %1",
     "--layer-format is one of csv, base64, zlib, gzip, zstd: %1"},
    {Id::NotATiledMap, "Tiled のマップではありません", "not a Tiled map"},
    {Id::MapUnreadable, "Tiled のマップとして読めません (%1)", "cannot be read as a Tiled map (%1)"},
    {Id::NotOrthogonal, "マップの向きが %1 です (ステージは orthogonal)", "the map is %1, not orthogonal"},
    {Id::InfiniteMap, "無限のマップです (ステージは 180 × 30 マス)", "the map is infinite (a stage is 180 x 30 cells)"},
    {Id::MapSize, "マップが %1 × %2 マスです (ステージは 180 × 30 マス)",
     "the map is %1 x %2 cells (a stage is 180 x 30)"},
    {Id::TileSize, "マスが %1 × %2 ピクセルです (ステージは 32 × 32)",
     "the tiles are %1 x %2 pixels (a stage's are 32 x 32)"},
    {Id::ForeignTileset, "タイルセット「%1」はステージのもの (%2、32 × 32 のタイルが 10 列) ではありません",
     "the tileset \"%1\" is not the stage's (%2, 32 x 32 tiles in 10 columns)"},
    {Id::NoTileLayer, "タイルレイヤーがありません", "the map has no tile layer"},
    {Id::SecondLayer, "2 つめのレイヤー「%1」があります (ステージはタイルレイヤー 1 つだけです)",
     "a second layer \"%1\" (a stage is one tile layer)"},
    {Id::LayerSize, "レイヤー「%1」が %2 × %3 マスです (ステージは 180 × 30 マス)",
     "the layer \"%1\" is %2 x %3 cells (a stage is 180 x 30)"},
    {Id::LayerEncoding, "レイヤーのデータの形式 %1 は読めません", "layer data in %1 cannot be read"},
    {Id::BadBase64, "レイヤーのデータが base64 になっていません", "the layer data are not base64"},
    {Id::BadCompressed, "レイヤーのデータが %1 の圧縮データとして壊れているか、途中で切れています",
     "the layer data are not a whole %1 stream"},
    {Id::LayerTooLong, "レイヤーのデータが展開すると %1 バイトを超えます (展開はそこでやめました)",
     "the layer data inflate past %1 bytes (inflating stopped there)"},
    {Id::LayerBytes, "レイヤーのデータが %1 バイトです (%2 バイトのはず)", "the layer data are %1 bytes (%2 expected)"},
    {Id::LayerCells, "レイヤーのデータが %1 マス分です (%2 マスのはず)", "the layer data hold %1 cells (%2 expected)"},
    {Id::NotATile, "X %1, Y %2: %3 はタイルの番号ではありません", "X %1, Y %2: %3 is not a tile number"},
    {Id::FlippedTile, "X %1, Y %2: タイルが反転か回転しています (ゲームのタイルに向きはありません)",
     "X %1, Y %2: the tile is flipped or rotated (the game has no flipped tiles)"},
    {Id::ForeignTile, "X %1, Y %2: タイル %3 はステージのタイル (0～64) ではありません",
     "X %1, Y %2: tile %3 is not one of the stage's tiles (0-64)"},
    {Id::PropertyName, "プロパティ「%1」は詳細設定の行になりません (名前は「行番号 キー」です)",
     "the property \"%1\" is no settings line (its name is \"NUMBER KEY\")"},
    {Id::PropertyTwice, "プロパティ「%1」と「%2」が同じ行番号です",
     "the properties \"%1\" and \"%2\" share a line number"},
    {Id::PropertyNotText, "プロパティ「%1」の値が文字列ではありません", "the property \"%1\" is not a text"},
    {Id::PropertyLineBreak, "プロパティ「%1」の値に改行かゼロの文字があります",
     "the property \"%1\" holds a line break or a zero character"},
    {Id::PropertyBadBase64, "プロパティ「%1」の値が base64 になっていません", "the property \"%1\" is not base64"},
    {Id::PropertyText, "プロパティ「%1」: %2", "the property \"%1\": %2"},
    {Id::NoSecondStage, "比べるステージを 2 つ指定してください", "diff compares two stages: give the second"},
    {Id::CellChanged, "X %1, Y %2: %3 → %4", "X %1, Y %2: %3 -> %4"},
    {Id::CodeOutside, "(コード %1)", "(code %1)"},
    {Id::SettingChanged, "設定 %1: %2 → %3", "setting %1: %2 -> %3"},
    {Id::SettingAdded, "設定の行が加わりました: %1", "settings line added: %1"},
    {Id::SettingRemoved, "設定の行がなくなりました: %1", "settings line removed: %1"},
    {Id::SettingsOrder, "設定の行の並びが変わりました", "the settings lines are in another order"},
};

// The English of the system's messages the companion passes on; %1 stands
// for the error's argument.
const char *englishOf(VorzoError::Id id)
{
    switch (id) {
    case VorzoError::Id::Other: break;
    case VorzoError::Id::CannotOpen: return "cannot open file %1";
    case VorzoError::Id::CannotCreate: return "cannot create file %1";
    case VorzoError::Id::CannotWrite: return "cannot write to %1";
    case VorzoError::Id::NoBitmapToDrawFrom:
        return "the cells can only be drawn from a bitmap, and the picture is not one";
    case VorzoError::Id::UnknownPictureKind: return "pictures of the extension .%1 cannot be read";
    case VorzoError::Id::InvalidBitmap: return "the bitmap is not valid";
    case VorzoError::Id::InvalidIcon: return "the icon is not valid";
    case VorzoError::Id::InvalidMetafile: return "the metafile is not valid";
    }
    return nullptr;
}

constexpr bool inOrderOfId()
{
    for (size_t i = 0; i < std::size(Texts); ++i) {
        if (size_t(Texts[i].id) != i)
            return false;
    }
    return std::size(Texts) == size_t(Id::SettingsOrder) + 1;
}
static_assert(inOrderOfId(), "one pair for every text, in the order of Id");

} // namespace

Language languageOf(const QByteArray &lcAll, const QByteArray &lcMessages, const QByteArray &lang)
{
    for (const QByteArray &setting : {lcAll, lcMessages, lang}) {
        if (!setting.isEmpty())
            return setting.startsWith("ja") ? Language::Japanese : Language::English;
    }
    return Language::Japanese;
}

Language languageFromEnvironment()
{
    return languageOf(qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
}

void setLanguage(Language language)
{
    chosen = language;
}

QString text(Id id)
{
    const Pair &pair = Texts[int(id)];
    return QString::fromUtf8(chosen == Language::Japanese ? pair.japanese : pair.english);
}

QString systemMessage(const VorzoError &error)
{
    const char *english = englishOf(error.id());
    if (chosen == Language::Japanese || !english)
        return error.message();
    const QString text = QString::fromUtf8(english);
    return text.contains(QLatin1String("%1")) ? text.arg(error.argument()) : text;
}

QString number(qint64 value)
{
    QString digits = QString::number(value < 0 ? -quint64(value) : quint64(value));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace CompanionText
