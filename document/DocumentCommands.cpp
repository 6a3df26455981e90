#include "document/DocumentCommands.h"

#include "base/BusyPointer.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/ClipboardImage.h"
#include "document/PasteView.h"
#include "document/PastedPicture.h"
#include "document/SelectionCommands.h"
#include "document/UndoRecord.h"
#include "framework/Clipboard.h"
#include "framework/DIBImage.h"
#include "framework/MenuState.h"
#include "framework/Window.h"
#include "resources/CommandIds.h"

const CommandTable<DocumentCommands>& DocumentCommands::table()
{
    static const CommandTable<DocumentCommands> handlers{
        {commands::close, &DocumentCommands::close},
        {commands::save, &DocumentCommands::save},
        {commands::saveAs, &DocumentCommands::saveAs},
        {commands::revert, &DocumentCommands::revert},
        {commands::undo, &DocumentCommands::undo},
        {commands::cut, &DocumentCommands::cut},
        {commands::copy, &DocumentCommands::copy},
        {commands::paste, &DocumentCommands::paste},
        {commands::pasteSettings, &DocumentCommands::pasteSettings},
        {commands::fillSelection, &DocumentCommands::editSelection},
        {commands::drawSelectionBorder, &DocumentCommands::editSelection},
        {commands::clearSelection, &DocumentCommands::editSelection},
        {commands::blockSize, &DocumentCommands::blockSize},
        {commands::meshColor, &DocumentCommands::meshColor},
        {commands::meshSize, &DocumentCommands::meshSize},
        {commands::selectAll, &DocumentCommands::editSelection},
        {commands::selectNone, &DocumentCommands::editSelection},
        {commands::invertSelection, &DocumentCommands::editSelection},
        {commands::nextDrawingIndex, &DocumentCommands::stepDrawingColor},
        {commands::previousDrawingIndex, &DocumentCommands::stepDrawingColor},
        {commands::nextDrawingRow, &DocumentCommands::stepDrawingColor},
        {commands::previousDrawingRow, &DocumentCommands::stepDrawingColor},
    };
    return handlers;
}

bool DocumentCommands::command(uint32_t id, Window* from)
{
    return table().dispatch(*this, id, from);
}

namespace {

// When a document's menu item is enabled.
enum class Rule {
    always,
    notInteractive,
    modified,
    fileAndModified,
    ownsUndo,
    selection,
    indexedSelection,
    indexed,
    paste
};

struct ItemRule {
    uint32_t id;
    Rule rule;
};

constexpr ItemRule itemRules[] = {
    {commands::close, Rule::notInteractive},
    {commands::save, Rule::modified},
    {commands::saveAs, Rule::notInteractive},
    {commands::revert, Rule::fileAndModified},
    {commands::readSetFile, Rule::always},
    {commands::writeSetFile, Rule::always},
    {commands::writeSetFileAs, Rule::always},
    {commands::undo, Rule::ownsUndo},
    {commands::cut, Rule::selection},
    {commands::copy, Rule::selection},
    {commands::paste, Rule::paste},
    {commands::pasteSettings, Rule::always},
    {commands::fillSelection, Rule::selection},
    {commands::drawSelectionBorder, Rule::selection},
    {commands::clearSelection, Rule::selection},
    {commands::simpleColorReplacement, Rule::indexedSelection},
    {commands::advancedColorReplacement, Rule::indexedSelection},
    {commands::paletteNumberReplacement, Rule::indexedSelection},
    {commands::flipHorizontally, Rule::selection},
    {commands::flipVertically, Rule::selection},
    {commands::flipBoth, Rule::selection},
    {commands::rotate180, Rule::selection},
    {commands::rotateClockwise, Rule::selection},
    {commands::rotateAnticlockwise, Rule::selection},
    {commands::rotateByNumber, Rule::selection},
    {commands::scaleByNumbers, Rule::selection},
    {commands::edgeOutline, Rule::selection},
    {commands::duplicate, Rule::always},
    {commands::blockSize, Rule::always},
    {commands::canvasSize, Rule::notInteractive},
    {commands::selectAll, Rule::notInteractive},
    {commands::selectNone, Rule::selection},
    {commands::invertSelection, Rule::selection},
    {commands::editPalette, Rule::indexed},
    {commands::loadPalette, Rule::indexed},
    {commands::savePalette, Rule::indexed},
    {commands::sortPalette, Rule::indexed},
    {commands::paletteRotation, Rule::indexed},
    {commands::meshColor, Rule::always},
    {commands::meshSize, Rule::always},
};

} // namespace

void DocumentCommands::menuOpening(MenuState& popup)
{
    const bool interactive = m_document.isInteractive();
    const bool selection = m_document.selection() != nullptr;
    const bool indexed = !m_document.isFullColor();
    for (const ItemRule& item : itemRules) {
        bool enabled = true;
        switch (item.rule) {
        case Rule::always: break;
        case Rule::notInteractive: enabled = !interactive; break;
        case Rule::modified: enabled = m_document.isModified() && !interactive; break;
        case Rule::fileAndModified: enabled = m_document.file() && m_document.isModified() && !interactive; break;
        case Rule::ownsUndo: enabled = UndoRecord::instance().canUndo(&m_document) && !interactive; break;
        case Rule::selection: enabled = selection && !interactive; break;
        case Rule::indexedSelection: enabled = selection && indexed && !interactive; break;
        case Rule::indexed: enabled = indexed; break;
        case Rule::paste: enabled = !interactive && clipboard::holdsImage(); break;
        }
        popup.enable(item.id, enabled);
    }
}

bool DocumentCommands::close(uint32_t, Window* from)
{
    // A close request to the window the command came from: it asks the document itself.
    if (from)
        from->close();
    return true;
}

bool DocumentCommands::save(uint32_t, Window*)
{
    m_document.save();
    return true;
}

bool DocumentCommands::saveAs(uint32_t, Window*)
{
    m_document.saveAs();
    return true;
}

bool DocumentCommands::revert(uint32_t, Window*)
{
    m_document.revert();
    return true;
}

bool DocumentCommands::undo(uint32_t, Window*)
{
    m_document.undo();
    return true;
}

bool DocumentCommands::blockSize(uint32_t, Window*)
{
    return runDialog(DocumentDialogs::installed().blockSize);
}

bool DocumentCommands::meshSize(uint32_t, Window*)
{
    return runDialog(DocumentDialogs::installed().meshSize);
}

bool DocumentCommands::meshColor(uint32_t, Window*)
{
    return runDialog(DocumentDialogs::installed().meshColor);
}

// The command is the document's even when no dialog is installed for it: it goes no further.
bool DocumentCommands::runDialog(const DocumentDialogs::Run& dialog)
{
    if (dialog)
        dialog(m_document);
    return true;
}

// W and Q step the drawing colour's index by one, with Shift by a row of 16; a full-colour picture
// has no index to step.
bool DocumentCommands::stepDrawingColor(uint32_t id, Window*)
{
    BitmapPalette* palette = m_document.palette();
    if (!palette)
        return true;
    switch (id) {
    case commands::nextDrawingIndex: palette->stepDrawingIndex(1); break;
    case commands::previousDrawingIndex: palette->stepDrawingIndex(-1); break;
    case commands::nextDrawingRow: palette->stepDrawingRow(1); break;
    default: palette->stepDrawingRow(-1); break;
    }
    return true;
}

namespace {

// Puts the selection on the clipboard; false without one.
bool copySelection(const BitmapDocument& document)
{
    std::optional<clipboardImage::SelectionCopy> copy = clipboardImage::SelectionCopy::of(document);
    if (!copy)
        return false;
    BusyScope busy;
    clipboard::publishDib(
        copy->size(), [&](std::span<uint8_t> out) { copy->write(out); }, clipboardImage::marker);
    return true;
}

// The clipboard's picture as an image of the document's kind, or none.
std::shared_ptr<DIBImage> clipboardPicture(const BitmapDocument& document)
{
    clipboard::Contents contents = clipboard::take();
    PasteTarget target = PasteTarget::of(document);
    switch (contents.kind) {
    case clipboard::Contents::Kind::dib: return fromDib(target, contents.bytes.span(), 0, contents.marked);
    case clipboard::Contents::Kind::bmpFile: return fromBmpFile(target, contents.bytes.span());
    case clipboard::Contents::Kind::picture: return fromPicture(target, contents.picture);
    case clipboard::Contents::Kind::none: break;
    }
    return nullptr;
}

} // namespace

bool DocumentCommands::cut(uint32_t, Window*)
{
    if (!m_document.isInteractive() && copySelection(m_document))
        clipboardImage::removeCut(m_document);
    return true;
}

// Copying changes nothing, so the undo step stays as it is.
bool DocumentCommands::copy(uint32_t, Window*)
{
    copySelection(m_document);
    return true;
}

// Only a window with an edit view takes a paste; it is placed in what that view shows.
bool DocumentCommands::paste(uint32_t, Window* from)
{
    PasteView* view = from ? interfaceFor<PasteView>(from, &aspects::PasteView::access) : nullptr;
    if (!view)
        return false;
    if (m_document.isInteractive())
        return true;
    BusyScope busy;
    std::shared_ptr<DIBImage> image = clipboardPicture(m_document);
    if (!image)
        return true;
    Point origin = clipboardImage::placement(m_document, image->extent(), view->pasteCentre(), view->pasteUnit());
    clipboardImage::install(m_document, std::move(image), origin);
    return true;
}

bool DocumentCommands::pasteSettings(uint32_t, Window*)
{
    return runDialog(DocumentDialogs::installed().pasteSettings);
}

// The selection's edits are ignored while an interactive mode holds the picture.
bool DocumentCommands::editSelection(uint32_t id, Window*)
{
    if (m_document.isInteractive())
        return true;
    switch (id) {
    case commands::fillSelection: selectionCommands::fill(m_document, false); break;
    case commands::drawSelectionBorder: selectionCommands::fill(m_document, true); break;
    case commands::clearSelection: selectionCommands::clear(m_document); break;
    case commands::selectAll: selectionCommands::selectAll(m_document); break;
    case commands::selectNone: selectionCommands::selectNone(m_document); break;
    default: selectionCommands::invert(m_document); break;
    }
    return true;
}
