#pragma once

#include <cstdint>

// The numbers of the editor's commands, as the menus, the accelerator table and every handler table
// know them.
namespace commands {

constexpr uint32_t about = 1;

constexpr uint32_t newDocument = 100;
constexpr uint32_t open = 101;
constexpr uint32_t close = 102;
constexpr uint32_t save = 103;
constexpr uint32_t saveAs = 104;
constexpr uint32_t revert = 105;
constexpr uint32_t readSetFile = 106;
constexpr uint32_t writeSetFile = 107;
constexpr uint32_t writeSetFileAs = 108;
constexpr uint32_t preferences = 109;
constexpr uint32_t exit = 110;
// The recent-file items, one per entry of the list: entry i is firstRecentFile + i.
constexpr uint32_t firstRecentFile = 120;
constexpr uint32_t lastRecentFile = 128;

constexpr uint32_t undo = 200;
constexpr uint32_t cut = 201;
constexpr uint32_t copy = 202;
constexpr uint32_t paste = 203;
constexpr uint32_t fillSelection = 204;
constexpr uint32_t drawSelectionBorder = 205;
constexpr uint32_t clearSelection = 206;
constexpr uint32_t pasteSettings = 207;

constexpr uint32_t simpleColorReplacement = 300;
constexpr uint32_t advancedColorReplacement = 302;
constexpr uint32_t paletteNumberReplacement = 303;
constexpr uint32_t flipHorizontally = 304;
constexpr uint32_t flipVertically = 305;
constexpr uint32_t flipBoth = 306;
constexpr uint32_t rotate180 = 307;
constexpr uint32_t rotateClockwise = 308;
constexpr uint32_t rotateAnticlockwise = 309;
constexpr uint32_t rotateWithMouse = 310;
constexpr uint32_t rotateByNumber = 311;
constexpr uint32_t scaleWithMouse = 312;
constexpr uint32_t scaleByNumbers = 313;
constexpr uint32_t edgeOutline = 314;
constexpr uint32_t duplicate = 315;
constexpr uint32_t blockSize = 316;
constexpr uint32_t canvasSize = 317;

constexpr uint32_t selectAll = 400;
constexpr uint32_t selectNone = 401;
constexpr uint32_t invertSelection = 402;

constexpr uint32_t editPalette = 500;
constexpr uint32_t loadPalette = 501;
constexpr uint32_t savePalette = 502;
constexpr uint32_t sortPalette = 503;
constexpr uint32_t meshColor = 504;
constexpr uint32_t paletteRotation = 506;

constexpr uint32_t cascade = 600;
constexpr uint32_t tile = 601;
constexpr uint32_t arrangeIcons = 602;
constexpr uint32_t toolPanel = 603;
constexpr uint32_t palettePanel = 604;
constexpr uint32_t animationPanel = 605;
constexpr uint32_t informationPanel = 606;
constexpr uint32_t toggleMesh = 607;
constexpr uint32_t meshSize = 608;
// Sub-view none, then magnifications 1 to 8: magnification m is subViewNone + m.
constexpr uint32_t subViewNone = 610;
constexpr uint32_t lastSubViewMagnification = 618;
constexpr uint32_t showSelectionOnly = 620;

constexpr uint32_t dotUnit = 700;
constexpr uint32_t blockUnit = 701;
constexpr uint32_t switchUnit = 702;
// Tools 0 to 11 in tool box order: the command of tool t is firstTool + t.
constexpr uint32_t firstTool = 710;
constexpr uint32_t pencilTool = 717;
constexpr uint32_t bucketTool = 718;
constexpr uint32_t lineTool = 720;
constexpr uint32_t lastTool = 721;

// Main zooms from the zoom list, F1 to F5.
constexpr uint32_t firstMainZoom = 800;
constexpr uint32_t lastMainZoom = 804;
// Sub-view magnifications from its list, keys 1 to 3.
constexpr uint32_t firstSubZoom = 805;
constexpr uint32_t lastSubZoom = 807;
// Draw sizes 1, 2, 4, 8, 16 and 32: the command of size 2^n is firstDrawSize + n.
constexpr uint32_t firstDrawSize = 810;
constexpr uint32_t lastDrawSize = 815;
constexpr uint32_t nextDrawingIndex = 820;
constexpr uint32_t previousDrawingIndex = 821;
constexpr uint32_t nextDrawingRow = 822;
constexpr uint32_t previousDrawingRow = 823;
constexpr uint32_t previousMeshCell = 830;
constexpr uint32_t nextMeshCell = 831;
constexpr uint32_t animationBack = 840;
constexpr uint32_t animationForward = 841;

constexpr uint32_t helpContents = 900;

// The small menus of the floating panels. A panel handles only its own menu, so their items share
// numbers.
constexpr uint32_t paletteLayout = 1000;       // all colours or 16
constexpr uint32_t animationControls = 1000;   // shows or hides the control rows
constexpr uint32_t animationParameters = 1001; // opens the parameters dialog
constexpr uint32_t informationOptions = 1000;  // opens the offset dialog
// The platform's own close command, which hides a panel.
constexpr uint32_t closePanel = 61536;

// The window list of the Window menu: document window i is firstDocumentWindow + i.
constexpr uint32_t firstDocumentWindow = 30000;

} // namespace commands
