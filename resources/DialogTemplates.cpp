#include "resources/DialogTemplates.h"

namespace {

using enum ControlKind;
constexpr int none = staticControlId;

// The main and sub zoom rows of the zoom-key page: label, the step's value, its up-down and "倍".
void addZoomRows(std::vector<ControlTemplate>& controls, int x, int firstId, const char* const* labels, int count)
{
    for (int i = 0; i < count; ++i) {
        int y = 20 + i * 16;
        controls.push_back({StaticText, none, labels[i], x, y + 2, 22, 8});
        controls.push_back({ValueText, firstId + i, "", x + 24, y, 28, 12});
        controls.push_back({UpDown, firstId + 100 + i, "", x + 52, y, 10, 12});
        controls.push_back({StaticText, none, "倍", x + 66, y + 2, 14, 8});
    }
}

// The palette grid of the palette dialogs with its top-left cell at (x, y): the column numbers (91)
// above it, the row numbers (92) left of it and the 16 x 16 grid (93) of 8 x 8 units per cell.
void addPaletteGrid(std::vector<ControlTemplate>& controls, int x, int y)
{
    controls.push_back({Component, 91, "", x, y - 10, 128, 10});
    controls.push_back({Component, 92, "", x - 12, y, 10, 128});
    controls.push_back({Component, 93, "", x, y, 128, 128});
}

// A width (101) and a height (102) side by side, with OK and Cancel.
DialogTemplate sizeDialog(const char* name, const char* caption, const char* widthLabel, const char* heightLabel)
{
    return {name,
            caption,
            160,
            56,
            {
                {StaticText, none, widthLabel, 8, 12, 26, 8},
                {Edit, 101, "", 34, 10, 34, 12},
                {StaticText, none, heightLabel, 76, 12, 32, 8},
                {Edit, 102, "", 108, 10, 34, 12},
                {DefaultPushButton, okButtonId, "OK", 48, 34, 50, 14},
                {PushButton, cancelButtonId, "キャンセル", 103, 34, 50, 14},
            }};
}

// The bucket's border colours: the grid in any number of entries, with "All" in its corner.
DialogTemplate borderColorsDialog()
{
    DialogTemplate dialog{"BORDER_COLORS_DIALOG", "塗りつぶし境界色", 176, 176, {}};
    addPaletteGrid(dialog.controls, 30, 16);
    dialog.controls.push_back({PushButton, 90, "All", 16, 4, 14, 12});
    dialog.controls.push_back({PushButton, 100, "リセット(&R)", 8, 154, 50, 14});
    dialog.controls.push_back({DefaultPushButton, okButtonId, "OK", 63, 154, 50, 14});
    dialog.controls.push_back({PushButton, cancelButtonId, "キャンセル", 118, 154, 50, 14});
    return dialog;
}

// A palette dialog of the grid with OK, and Cancel beside it when it may be cancelled; "All" in the
// grid's corner when the headers act.
DialogTemplate paletteGridDialog(const char* name, const char* caption, bool withAll, bool withCancel)
{
    DialogTemplate dialog{name, caption, 160, 176, {}};
    addPaletteGrid(dialog.controls, 22, 16);
    if (withAll)
        dialog.controls.push_back({PushButton, 90, "All", 8, 4, 14, 12});
    dialog.controls.push_back({DefaultPushButton, okButtonId, "OK", withCancel ? 26 : 55, 154, 50, 14});
    if (withCancel)
        dialog.controls.push_back({PushButton, cancelButtonId, "キャンセル", 82, 154, 50, 14});
    return dialog;
}

// The grid on the left; on the right the swatch of the one or two results (100) and their numbers
// (101, 102).
DialogTemplate colorChangeResultDialog()
{
    DialogTemplate dialog{"COLOR_CHANGE_RESULT_DIALOG", "単純な色置換：　結果指定", 224, 176, {}};
    addPaletteGrid(dialog.controls, 22, 16);
    dialog.controls.push_back({Component, 100, "", 160, 16, 56, 28});
    dialog.controls.push_back({StaticText, 101, "色1：", 160, 52, 56, 8});
    dialog.controls.push_back({StaticText, 102, "色2：", 160, 64, 56, 8});
    dialog.controls.push_back({DefaultPushButton, okButtonId, "OK", 160, 136, 56, 14});
    dialog.controls.push_back({PushButton, cancelButtonId, "キャンセル", 160, 154, 56, 14});
    return dialog;
}

// The grid on the left; on the right the selected entry's swatch, its red, green and blue at the
// palette's precision with their up-downs, the precision and the editing buttons.
DialogTemplate paletteEditDialog()
{
    DialogTemplate dialog{"PALETTE_EDIT_DIALOG", "パレットの編集", 254, 176, {}};
    addPaletteGrid(dialog.controls, 22, 16);
    dialog.controls.push_back({PushButton, 90, "All", 8, 4, 14, 12});
    dialog.controls.push_back({ColorSwatch, 100, "", 160, 14, 86, 20});
    static const char* const channels[] = {"R：", "G：", "B："};
    for (int j = 0; j < 3; ++j) {
        int y = 40 + j * 15;
        dialog.controls.push_back({StaticText, none, channels[j], 162, y + 2, 14, 8});
        dialog.controls.push_back({ValueText, 101 + 2 * j, "", 178, y, 30, 12});
        dialog.controls.push_back({UpDown, 102 + 2 * j, "", 208, y, 10, 12});
    }
    dialog.controls.push_back({ComboBox, 108, "", 160, 88, 86, 12});
    dialog.controls.push_back({PushButton, 107, "色調整(&T)...", 160, 106, 86, 14});
    dialog.controls.push_back({PushButton, 109, "グラデーション(&G)", 160, 122, 86, 14});
    dialog.controls.push_back({PushButton, 110, "元の状態(&R)", 160, 138, 86, 14});
    dialog.controls.push_back({DefaultPushButton, okButtonId, "OK", 160, 156, 86, 14});
    return dialog;
}

// The grid on the left; on the right start and stop, the direction pair and the interval in
// sixtieths of a second with its up-down.
DialogTemplate paletteAnimationDialog()
{
    DialogTemplate dialog{"PALETTE_ANIMATION_DIALOG", "パレット回転アニメ", 254, 176, {}};
    addPaletteGrid(dialog.controls, 22, 16);
    dialog.controls.push_back({PushButton, 90, "All", 8, 4, 14, 12});
    dialog.controls.push_back({PushButton, 100, "アニメ開始(&A)", 160, 14, 86, 14});
    dialog.controls.push_back({PushButton, 101, "停止(&S)", 160, 32, 86, 14});
    dialog.controls.push_back({GroupBox, none, "", 160, 50, 86, 36});
    dialog.controls.push_back({RadioButton, 102, "順方向(&F)", 166, 58, 76, 12, true});
    dialog.controls.push_back({RadioButton, 103, "逆方向(&B)", 166, 71, 76, 12});
    dialog.controls.push_back({StaticText, none, "間隔(1/60秒)：", 160, 94, 86, 8});
    dialog.controls.push_back({ValueText, 104, "", 160, 104, 30, 12});
    dialog.controls.push_back({UpDown, 105, "", 190, 104, 10, 12});
    dialog.controls.push_back({DefaultPushButton, okButtonId, "終了", 160, 156, 86, 14});
    return dialog;
}

// Three sliders, each with its label above and the marks of its ends and middle below.
DialogTemplate colorToneDialog()
{
    DialogTemplate dialog{"COLOR_TONE_DIALOG", "", 196, 150, {}};
    struct Slider {
        int id;
        const char* label;
        const char* marks[3];
    };
    static const Slider sliders[] = {
        {100, "色相(&H)：", {"↑-180ﾟ", "↑0ﾟ", "+180ﾟ↑"}},
        {101, "彩度(&A)：", {"↑50%", "↑100%", "200%↑"}},
        {102, "明度(&I)：", {"↑50%", "↑100%", "200%↑"}},
    };
    for (int k = 0; k < 3; ++k) {
        const Slider& slider = sliders[k];
        int y = 6 + k * 40;
        dialog.controls.push_back({StaticText, none, slider.label, 8, y, 80, 8});
        dialog.controls.push_back({TrackBar, slider.id, "", 8, y + 10, 180, 16});
        dialog.controls.push_back({StaticText, none, slider.marks[0], 8, y + 27, 40, 8});
        dialog.controls.push_back({StaticText, none, slider.marks[1], 95, y + 27, 40, 8});
        dialog.controls.push_back({StaticText, none, slider.marks[2], 160, y + 27, 36, 8});
    }
    dialog.controls.push_back({DefaultPushButton, okButtonId, "OK", 42, 130, 50, 14});
    dialog.controls.push_back({PushButton, cancelButtonId, "キャンセル", 104, 130, 50, 14});
    return dialog;
}

DialogTemplate zoomKeyPage()
{
    static const char* const mainKeys[] = {"F1：", "F2：", "F3：", "F4：", "F5："};
    static const char* const subKeys[] = {"1：", "2：", "3："};
    DialogTemplate page{"ZOOM_KEY_PAGE", "拡大", 212, 176, {}};
    page.controls.push_back({GroupBox, none, "メインビュー", 7, 6, 96, 100});
    addZoomRows(page.controls, 16, 100, mainKeys, 5);
    page.controls.push_back({GroupBox, none, "サブビュー", 109, 6, 96, 68});
    addZoomRows(page.controls, 118, 105, subKeys, 3);
    return page;
}

// One cell of a read-out row: a label (id none) or a value field, so many dialog units wide.
struct ReadoutCell {
    const char* text;
    int id;
    int width;
};

// A sub-panel of the information panel: a frame with its title around rows of cells, laid out from
// the left.
DialogTemplate readoutPage(const char* name, const char* title, std::vector<std::vector<ReadoutCell>> rows)
{
    constexpr int width = 84;
    constexpr int rowHeight = 10;
    int height = 15 + int(rows.size()) * rowHeight;
    DialogTemplate page{name, "", width, height, {{GroupBox, none, title, 1, 0, width - 2, height - 1}}};
    for (size_t r = 0; r < rows.size(); ++r) {
        int x = 6;
        for (const ReadoutCell& cell : rows[r]) {
            page.controls.push_back({StaticText, cell.id, cell.text, x, 11 + int(r) * rowHeight, cell.width, 8});
            x += cell.width;
        }
    }
    return page;
}

// The information panel and its sub-panels, which it stacks from top to bottom, and its options.
void addInformationTemplates(std::vector<DialogTemplate>& templates)
{
    templates.push_back({"INFO_PANEL", "情報", 128, 40, {}, true});
    auto label = [](const char* text) { return ReadoutCell{text, none, 10}; };
    auto field = [](int id, int width = 24) { return ReadoutCell{"", id, width}; };
    const std::vector<ReadoutCell> xy{label("X："), field(100), {"", none, 4}, label("Y："), field(101)};
    templates.push_back(readoutPage("INFO_POSITION_PAGE", "マウス位置", {xy}));
    templates.push_back(readoutPage("INFO_SELECTION_PAGE", "選択範囲",
                                    {xy, {label("W："), field(102), {"", none, 4}, label("H："), field(103)}}));
    templates.push_back(readoutPage("INFO_ROTATION_PAGE", "回転", {{field(100, 16), field(101, 14), label("度")}}));
    templates.push_back(readoutPage("INFO_SCALE_PAGE", "拡大縮小",
                                    {{label("W："), field(100, 20), field(101, 14), label("%")},
                                     {label("H："), field(102, 20), field(103, 14), label("%")}}));
    templates.push_back(readoutPage("INFO_CURSOR_PAGE", "カーソル位置", {xy}));
    templates.push_back(
        readoutPage("INFO_COLOR_PAGE", "ペンの色",
                    {{label("R："), field(100, 40)}, {label("G："), field(101, 40)}, {label("B："), field(102, 40)}}));
    templates.push_back({"INFO_OFFSET_DIALOG",
                         "情報オプション",
                         150,
                         94,
                         {
                             {GroupBox, none, "座標", 7, 4, 136, 66},
                             {StaticText, none, "オフセット X：", 16, 18, 56, 8},
                             {Edit, 101, "", 74, 16, 34, 12},
                             {StaticText, none, "オフセット Y：", 16, 34, 56, 8},
                             {Edit, 102, "", 74, 32, 34, 12},
                             {StaticText, none, "Y座標：", 16, 52, 30, 8},
                             {RadioButton, 103, "↓方向が＋", 48, 50, 44, 12, true},
                             {RadioButton, 104, "↑方向が＋", 94, 50, 44, 12},
                             {DefaultPushButton, okButtonId, "OK", 38, 76, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 93, 76, 50, 14},
                         }});
}

std::vector<DialogTemplate> makeTemplates()
{
    std::vector<DialogTemplate> templates;
    templates.push_back({"NEW_DIALOG",
                         "新規作成",
                         196,
                         146,
                         {
                             {GroupBox, none, "カラーモード", 7, 4, 182, 28},
                             {RadioButton, 100, "256色", 18, 15, 70, 12, true},
                             {RadioButton, 101, "フルカラー", 100, 15, 80, 12},
                             {GroupBox, none, "背景色", 7, 36, 182, 32},
                             {StaticText, none, "256色：", 16, 50, 36, 8},
                             {Edit, 103, "", 54, 48, 26, 12},
                             {StaticText, none, "フルカラー：", 100, 50, 50, 8},
                             {ColorSwatch, 104, "", 152, 47, 28, 14},
                             {StaticText, none, "ブロックサイズ：", 10, 78, 68, 8},
                             {Edit, 105, "", 80, 76, 34, 12},
                             {StaticText, none, "×", 118, 78, 10, 8},
                             {Edit, 106, "", 130, 76, 34, 12},
                             {StaticText, none, "画像サイズ：", 10, 96, 68, 8},
                             {Edit, 107, "", 80, 94, 34, 12},
                             {StaticText, none, "×", 118, 96, 10, 8},
                             {Edit, 108, "", 130, 94, 34, 12},
                             {DefaultPushButton, okButtonId, "OK", 84, 124, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 139, 124, 50, 14},
                         }});
    templates.push_back({"NEW_PARAM_PAGE",
                         "新規",
                         212,
                         176,
                         {
                             {StaticText, none, "ブロックサイズ：", 10, 10, 68, 8},
                             {Edit, 100, "", 80, 8, 34, 12},
                             {StaticText, none, "×", 118, 10, 10, 8},
                             {Edit, 101, "", 130, 8, 34, 12},
                             {StaticText, none, "画像サイズ：", 10, 28, 68, 8},
                             {Edit, 102, "", 80, 26, 34, 12},
                             {StaticText, none, "×", 118, 28, 10, 8},
                             {Edit, 103, "", 130, 26, 34, 12},
                             {StaticText, none, "メッシュサイズ：", 10, 46, 68, 8},
                             {Edit, 104, "", 80, 44, 34, 12},
                             {StaticText, none, "×", 118, 46, 10, 8},
                             {Edit, 105, "", 130, 44, 34, 12},
                             {StaticText, none, "メッシュの色：", 10, 64, 68, 8},
                             {Edit, 106, "", 80, 62, 26, 12},
                             {GroupBox, none, "背景色", 7, 80, 198, 32},
                             {StaticText, none, "256色：", 16, 94, 36, 8},
                             {Edit, 111, "", 54, 92, 26, 12},
                             {StaticText, none, "フルカラー：", 100, 94, 50, 8},
                             {ColorSwatch, 112, "", 152, 91, 28, 14},
                             {GroupBox, none, "座標", 7, 118, 198, 52},
                             {StaticText, none, "オフセット：", 16, 132, 50, 8},
                             {StaticText, none, "X", 70, 132, 8, 8},
                             {Edit, 107, "", 80, 130, 34, 12},
                             {StaticText, none, "Y", 120, 132, 8, 8},
                             {Edit, 108, "", 130, 130, 34, 12},
                             {RadioButton, 109, "↓方向が＋", 16, 150, 80, 12, true},
                             {RadioButton, 110, "↑方向が＋", 100, 150, 80, 12},
                         }});
    templates.push_back({"BACKUP_PAGE",
                         "バックアップ",
                         212,
                         176,
                         {
                             {StaticText, none, "ディレクトリ：", 10, 12, 80, 8},
                             {Edit, 100, "", 10, 24, 148, 12},
                             {PushButton, 101, "参照...", 162, 23, 42, 14},
                             {StaticText, none, "空欄のときは絵と同じディレクトリ", 10, 40, 194, 8},
                             {StaticText, none, "世代数：", 10, 62, 40, 8},
                             {Edit, 102, "", 52, 60, 24, 12},
                             {UpDown, 103, "", 76, 60, 10, 12},
                             {StaticText, none, "(0～9)", 92, 62, 40, 8},
                         }});
    templates.push_back(zoomKeyPage());
    templates.push_back(sizeDialog("BLOCK_SIZE_DIALOG", "ブロックサイズ", "幅：", "高さ："));
    templates.push_back({"ROTATE_DIALOG",
                         "回転",
                         150,
                         72,
                         {
                             {StaticText, none, "角度(&A)：", 10, 12, 40, 8},
                             {Edit, 101, "", 52, 10, 50, 12},
                             {RadioButton, 102, "時計回り", 10, 30, 60, 12, true},
                             {RadioButton, 103, "反時計回り", 74, 30, 66, 12},
                             {DefaultPushButton, okButtonId, "OK", 38, 50, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 93, 50, 50, 14},
                         }});
    templates.push_back(sizeDialog("SCALE_DIALOG", "拡大縮小", "幅(&W)：", "高さ(&H)："));
    templates.push_back({"EDGE_DIALOG",
                         "ふちどり",
                         160,
                         72,
                         {
                             {StaticText, none, "ふちどりの太さ(&E)：", 8, 12, 78, 8},
                             {Edit, 100, "", 88, 10, 30, 12},
                             {RadioButton, 101, "角有り", 10, 30, 60, 12, true},
                             {RadioButton, 102, "角無し", 80, 30, 60, 12},
                             {DefaultPushButton, okButtonId, "OK", 48, 50, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 103, 50, 50, 14},
                         }});
    // The anchor bank beside the sizes: nine buttons, about square at the usual font.
    templates.push_back({"CANVAS_SIZE_DIALOG",
                         "画像サイズ",
                         160,
                         72,
                         {
                             {StaticText, none, "幅(&W)：", 8, 12, 32, 8},
                             {Edit, 101, "", 42, 10, 40, 12},
                             {StaticText, none, "高さ(&H)：", 8, 30, 32, 8},
                             {Edit, 102, "", 42, 28, 40, 12},
                             {Component, 103, "", 104, 6, 42, 36},
                             {DefaultPushButton, okButtonId, "OK", 48, 50, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 103, 50, 50, 14},
                         }});
    templates.push_back({"MESH_SIZE_DIALOG",
                         "メッシュサイズ",
                         160,
                         88,
                         {
                             {StaticText, none, "幅：", 10, 12, 22, 8},
                             {Edit, 101, "", 34, 10, 34, 12},
                             {StaticText, none, "高さ：", 80, 12, 26, 8},
                             {Edit, 102, "", 108, 10, 34, 12},
                             {GroupBox, none, "線の種類", 7, 30, 146, 28},
                             {RadioButton, 103, "線", 16, 41, 36, 12, true},
                             {RadioButton, 104, "破線", 60, 41, 40, 12},
                             {RadioButton, 105, "点", 108, 41, 36, 12},
                             {DefaultPushButton, okButtonId, "OK", 48, 66, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 103, 66, 50, 14},
                         }});
    templates.push_back(paletteGridDialog("MESH_COLOR_DIALOG", "メッシュ色指定", false, true));
    templates.push_back(borderColorsDialog());
    templates.push_back(paletteEditDialog());
    templates.push_back(colorToneDialog());
    templates.push_back(paletteAnimationDialog());
    templates.push_back(paletteGridDialog("COLOR_CHANGE_DIALOG", "単純な色置換：　対象指定", true, true));
    templates.push_back(colorChangeResultDialog());
    templates.push_back(paletteGridDialog("PALETTE_CHANGE_DIALOG", "パレット番号指定", false, true));
    templates.push_back(paletteGridDialog("ALL_COLOR_CHANGE_DIALOG", "高度な色置換", true, true));
    templates.push_back(paletteGridDialog("PALETTE_SORT_DIALOG", "パレットの並び替え", true, false));
    templates.push_back(paletteGridDialog("PALETTE_PASTE_DIALOG", "パレットの貼り付け", false, false));
    templates.push_back(paletteGridDialog("PALETTE_LOAD_DIALOG", "パレットの読み込み", false, false));
    templates.push_back(paletteGridDialog("PALETTE_SAVE_DIALOG", "パレットの保存", true, false));
    templates.push_back({"PASTE_PARAMS_DIALOG",
                         "貼り付け設定",
                         150,
                         100,
                         {
                             {GroupBox, none, "", 7, 4, 136, 70},
                             {RadioButton, 100, "背景色透過", 16, 15, 118, 12, true},
                             {RadioButton, 101, "すべて貼り付け", 16, 29, 118, 12},
                             {RadioButton, 102, "奥に貼り付け", 16, 43, 118, 12},
                             {RadioButton, 103, "内部に貼り付け", 16, 57, 118, 12},
                             {DefaultPushButton, okButtonId, "OK", 38, 80, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 93, 80, 50, 14},
                         }});
    // The pen cells are drawn at their size in dots; the area holds their row at the usual font.
    templates.push_back({"PEN_TOOL_DIALOG",
                         "ペンの太さ設定",
                         130,
                         50,
                         {
                             {Component, 100, "", 7, 7, 116, 14},
                             {DefaultPushButton, okButtonId, "OK", 18, 29, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 73, 29, 50, 14},
                         }});
    // The tone cells are 18 x 18 pixels each; the area holds them in one row at the usual font and
    // in two at a small one.
    templates.push_back({"TONE_DIALOG",
                         "トーン",
                         144,
                         56,
                         {
                             {Component, 100, "", 7, 7, 130, 24},
                             {DefaultPushButton, okButtonId, "OK", 32, 36, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 87, 36, 50, 14},
                         }});
    templates.push_back({"LINE_TOOL_DIALOG",
                         "線の種類",
                         140,
                         56,
                         {
                             {StaticText, none, "線の太さ(&W)：", 10, 12, 54, 8},
                             {Edit, 100, "", 66, 10, 30, 12},
                             {StaticText, none, "dots", 100, 12, 24, 8},
                             {DefaultPushButton, okButtonId, "OK", 28, 34, 50, 14},
                             {PushButton, cancelButtonId, "キャンセル", 83, 34, 50, 14},
                         }});
    templates.push_back({"ABOUT_DIALOG",
                         "Tilvanerについて",
                         180,
                         82,
                         {
                             {StaticText, none, "Tilvaner", 12, 10, 156, 10},
                             {StaticText, none, "ゲームグラフィックのためのドットエディタ", 12, 24, 156, 8},
                             {StaticText, 100, "", 12, 38, 156, 8},
                             {DefaultPushButton, okButtonId, "OK", 65, 60, 50, 14},
                         }});
    addInformationTemplates(templates);
    // The panel places its banks at the size of their pictures and stacks the rest below them; the
    // rectangles here are where they start.
    templates.push_back({"TOOLBOX_PANEL",
                         "ツール",
                         52,
                         230,
                         {
                             {Component, 100, "", 2, 2, 48, 16},
                             {Component, 101, "", 2, 20, 48, 144},
                             {Component, 102, "", 2, 166, 48, 48},
                             {Component, 103, "", 2, 216, 48, 12},
                         },
                         true});
    // The palette panel's two layouts; their strips and grid are pictures of 12 x 12 cells.
    templates.push_back({"PALETTE_SLIM_PANEL",
                         "パレット",
                         196,
                         42,
                         {
                             {Component, 100, "", 2, 2, 192, 12},
                             {Component, 101, "", 2, 16, 192, 24},
                         },
                         true});
    templates.push_back({"PALETTE_WIDE_PANEL",
                         "パレット",
                         196,
                         196,
                         {
                             {Component, 100, "", 2, 2, 192, 192},
                         },
                         true});
    return templates;
}

} // namespace

const DialogTemplate* findDialogTemplate(std::string_view name)
{
    static const std::vector<DialogTemplate> templates = makeTemplates();
    for (const DialogTemplate& t : templates)
        if (name == t.name)
            return &t;
    return nullptr;
}
