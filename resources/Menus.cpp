#include "resources/Menus.h"

#include "resources/CommandIds.h"

namespace {

MenuItem separator()
{
    return {};
}

MenuItem popup(std::string_view caption, std::vector<MenuItem> items)
{
    return {0, caption, std::move(items)};
}

MenuItem buildMainMenu()
{
    // The menu is laid out as the tree it is.
    // clang-format off
    return popup("MAIN_MENU", {
        popup("ファイル(&F)", {
            {commands::newDocument, "新規作成(&N)..."},
            {commands::open, "開く(&O)..."},
            {commands::close, "閉じる(&C)"},
            separator(),
            {commands::save, "上書き保存(&S)"},
            {commands::saveAs, "名前を付けて保存(&A)..."},
            {commands::revert, "復帰(&R)"},
            separator(),
            {commands::readSetFile, "SETファイルの読み込み(&L)..."},
            {commands::writeSetFile, "SETファイルの上書き保存(&V)"},
            {commands::writeSetFileAs, "SETファイルに名前を付けて保存(&E)..."},
            separator(),
            {commands::preferences, "環境設定(&P)..."},
            separator(),
            {commands::firstRecentFile, "最近使ったファイル"},
            separator(),
            {commands::exit, "終了(&X)"},
        }),
        popup("編集(&E)", {
            {commands::undo, "元に戻す(&U)"},
            separator(),
            {commands::cut, "切り取り(&T)"},
            {commands::copy, "コピー(&C)"},
            {commands::paste, "貼り付け(&P)"},
            {commands::pasteSettings, "貼り付け設定(&S)..."},
            separator(),
            {commands::fillSelection, "選択範囲の塗りつぶし(&F)"},
            {commands::drawSelectionBorder, "選択範囲の境界線を描く(&E)"},
            {commands::clearSelection, "選択範囲のクリア(&R)"},
        }),
        popup("イメージ(&I)", {
            {commands::simpleColorReplacement, "単純な色置換(&C)..."},
            {commands::advancedColorReplacement, "高度な色置換(&A)..."},
            {commands::paletteNumberReplacement, "パレット番号指定(&P)..."},
            separator(),
            popup("反転(&F)", {
                {commands::flipHorizontally, "水平方向(&X)"},
                {commands::flipVertically, "垂直方向(&Y)"},
                {commands::flipBoth, "水平垂直両方向(&B)"},
            }),
            popup("回転(&R)", {
                {commands::rotate180, "180度(&1)"},
                {commands::rotateClockwise, "90度 - 時計回り(&9)"},
                {commands::rotateAnticlockwise, "90度 - 反時計回り(&0)"},
                separator(),
                {commands::rotateWithMouse, "ﾏｳｽ使用(&M)"},
                {commands::rotateByNumber, "数値入力(&I)..."},
            }),
            popup("拡大縮小(&S)", {
                {commands::scaleWithMouse, "ﾏｳｽ使用(&M)"},
                {commands::scaleByNumbers, "数値入力(&I)..."},
            }),
            separator(),
            {commands::edgeOutline, "ふちどり(&E)..."},
            {commands::duplicate, "複製(&D)"},
            separator(),
            {commands::blockSize, "ブロックサイズ(&B)..."},
            {commands::canvasSize, "画像サイズ(&N)..."},
        }),
        popup("選択(&S)", {
            {commands::selectAll, "すべて選択(&A)"},
            {commands::selectNone, "選択範囲の解除(&N)"},
            {commands::invertSelection, "選択範囲の反転(&I)"},
        }),
        popup("パレット(&P)", {
            {commands::editPalette, "パレットの編集(&E)..."},
            {commands::loadPalette, "パレットの読み込み(&L)..."},
            {commands::savePalette, "パレットの保存(&S)..."},
            {commands::sortPalette, "パレットの並び替え(&O)..."},
            {commands::paletteRotation, "パレット回転アニメ(&A)..."},
            separator(),
            {commands::meshColor, "メッシュ色指定(&M)..."},
        }),
        popup("ウィンドウ(&W)", {
            {commands::cascade, "重ねて表示(&C)"},
            {commands::tile, "並べて表示(&T)"},
            {commands::arrangeIcons, "アイコンの整列(&A)"},
            separator(),
            {commands::showSelectionOnly, "選択範囲のみ表示(&G)"},
            popup("サブビュー(&V)", {
                {commands::subViewNone, "なし(&0)"},
                {commands::subViewNone + 1, "X &1"},
                {commands::subViewNone + 2, "X &2"},
                {commands::subViewNone + 3, "X &3"},
                {commands::subViewNone + 4, "X &4"},
                {commands::subViewNone + 5, "X &5"},
                {commands::subViewNone + 6, "X &6"},
                {commands::subViewNone + 7, "X &7"},
                {commands::lastSubViewMagnification, "X &8"},
            }),
            separator(),
            {commands::toolPanel, "ツール(&O)"},
            {commands::palettePanel, "パレット(&P)"},
            {commands::informationPanel, "情報(&I)"},
            {commands::animationPanel, "アニメーション(&N)"},
            separator(),
            {commands::toggleMesh, "メッシュ(&M)"},
            {commands::meshSize, "メッシュサイズ(&S)..."},
        }),
        popup("ヘルプ(&H)", {
            {commands::helpContents, "目次(&I)"},
            separator(),
            {commands::about, "Tilvanerについて(&A)..."},
        }),
    });
    // clang-format on
}

MenuItem closeItem()
{
    return {commands::closePanel, "閉じる(&C)"};
}

struct NamedMenu {
    std::string_view name;
    MenuItem menu;
};

std::vector<NamedMenu> buildPanelMenus()
{
    // clang-format off
    return {
        {"SLIM_PALETTE_MENU", popup("SLIM_PALETTE_MENU", {closeItem(), {commands::paletteLayout, "全色表示(&W)"}})},
        {"WIDE_PALETTE_MENU", popup("WIDE_PALETTE_MENU", {closeItem(), {commands::paletteLayout, "16色表示(&S)"}})},
        {"INFO_MENU", popup("INFO_MENU", {closeItem(), {commands::informationOptions, "オプション(&O)..."}})},
        {"UNIT_MENU", popup("UNIT_MENU", {{commands::dotUnit, "Dot"}, {commands::blockUnit, "Block"}})},
        // One item per tool button, in button order; the Draw button's item holds the draw sizes.
        {"TOOL_MENU", popup("TOOL_MENU", {
            {commands::firstTool, "Rect"},
            {commands::firstTool + 1, "Ellipse"},
            {commands::firstTool + 2, "Lasso"},
            {commands::firstTool + 3, "Crop"},
            {commands::firstTool + 4, "Zoom"},
            {commands::firstTool + 5, "Hand"},
            {commands::firstTool + 6, "Eyedropper"},
            {commands::pencilTool, "Pencil"},
            {commands::bucketTool, "Bucket"},
            popup("Draw", {
                {commands::firstDrawSize, "1"},
                {commands::firstDrawSize + 1, "2"},
                {commands::firstDrawSize + 2, "4"},
                {commands::firstDrawSize + 3, "8"},
                {commands::firstDrawSize + 4, "16"},
                {commands::lastDrawSize, "32"},
            }),
            {commands::lineTool, "Line"},
            {commands::lastTool, "Text"},
        })},
    };
    // clang-format on
}

} // namespace

const MenuItem* findMenu(std::string_view name)
{
    static const std::vector<NamedMenu> menus = buildPanelMenus();
    for (const NamedMenu& named : menus)
        if (named.name == name)
            return &named.menu;
    return nullptr;
}

const MenuItem& mainMenu()
{
    static const MenuItem menu = buildMainMenu();
    return menu;
}
