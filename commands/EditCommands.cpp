#include "base/Alert.h"
#include "base/BusyPointer.h"
#include "commands/CommandGroup.h"
#include "core/Aspects.h"
#include "dialogs/PasteSettingsDialog.h"
#include "document/BitmapDocument.h"
#include "document/ClipboardImage.h"
#include "document/PasteView.h"
#include "document/PastedPicture.h"
#include "document/SelectionCommands.h"
#include "formats/BmpFormat.h"
#include "framework/Clipboard.h"
#include "framework/Window.h"
#include "pixels/DIBImage.h"
#include "resources/CommandIds.h"
#include "resources/StringTable.h"

namespace {

bool undo(BitmapDocument& document, uint32_t, Window*)
{
    document.undo();
    return true;
}

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

bool tooLarge(const clipboard::Contents& contents)
{
    std::span<const uint8_t> bytes = contents.bytes.span();
    switch (contents.kind) {
    case clipboard::Contents::Kind::dib: return packedDib::exceedsMaxSide(bytes);
    case clipboard::Contents::Kind::bmpFile: {
        auto inside = packedDib::insideFile(bytes);
        return inside && packedDib::exceedsMaxSide(inside->first);
    }
    case clipboard::Contents::Kind::picture: return contents.picture.refused == DecodedPicture::Refusal::tooLarge;
    case clipboard::Contents::Kind::none: break;
    }
    return false;
}

// The clipboard's picture as an image of the document's kind; none, and the user told why, when the
// paste refuses it.
std::shared_ptr<DIBImage> clipboardPicture(const BitmapDocument& document)
{
    clipboard::Contents contents = clipboard::take();
    PasteTarget target = PasteTarget::of(document);
    std::shared_ptr<DIBImage> image;
    switch (contents.kind) {
    case clipboard::Contents::Kind::dib: image = fromDib(target, contents.bytes.span(), 0, contents.marked); break;
    case clipboard::Contents::Kind::bmpFile: image = fromBmpFile(target, contents.bytes.span()); break;
    case clipboard::Contents::Kind::picture: image = fromPicture(target, contents.picture); break;
    case clipboard::Contents::Kind::none: break;
    }
    if (!image)
        alert(tooLarge(contents) ? messages::clipboardTooLarge : messages::clipboardUnreadable, alertFlags::ok);
    return image;
}

bool cut(BitmapDocument& document, uint32_t, Window*)
{
    if (!document.isInteractive() && copySelection(document))
        clipboardImage::removeCut(document);
    return true;
}

// Copying changes nothing, so the undo step stays as it is.
bool copy(BitmapDocument& document, uint32_t, Window*)
{
    copySelection(document);
    return true;
}

// Only a window with an edit view takes a paste; it is placed in what that view shows.
bool paste(BitmapDocument& document, uint32_t, Window* from)
{
    PasteView* view = from ? interfaceFor<PasteView>(from, &aspects::PasteView::access) : nullptr;
    if (!view)
        return false;
    if (document.isInteractive())
        return true;
    BusyScope busy;
    std::shared_ptr<DIBImage> image = clipboardPicture(document);
    if (!image)
        return true;
    Point origin = clipboardImage::placement(document, image->extent(), view->pasteCentre(), view->pasteUnit());
    clipboardImage::install(document, std::move(image), origin);
    return true;
}

bool pasteSettings(BitmapDocument& document, uint32_t, Window*)
{
    runPasteSettingsDialog(document);
    return true;
}

// The selection's edits are ignored while an interactive mode holds the picture.
bool fillSelection(BitmapDocument& document, uint32_t id, Window*)
{
    if (!document.isInteractive())
        selectionCommands::fill(document, id == commands::drawSelectionBorder);
    return true;
}

bool clearSelection(BitmapDocument& document, uint32_t, Window*)
{
    if (!document.isInteractive())
        selectionCommands::clear(document);
    return true;
}

constexpr CommandGroup::Handler handlers[] = {
    {commands::undo, undo},
    {commands::cut, cut},
    {commands::copy, copy},
    {commands::paste, paste},
    {commands::pasteSettings, pasteSettings},
    {commands::fillSelection, fillSelection},
    {commands::drawSelectionBorder, fillSelection},
    {commands::clearSelection, clearSelection},
};

constexpr CommandGroup::ItemRule rules[] = {
    {commands::undo, EnableRule::ownsUndo},
    {commands::cut, EnableRule::selection},
    {commands::copy, EnableRule::selection},
    {commands::paste, EnableRule::paste},
    {commands::pasteSettings, EnableRule::always},
    {commands::fillSelection, EnableRule::selection},
    {commands::drawSelectionBorder, EnableRule::selection},
    {commands::clearSelection, EnableRule::selection},
};

} // namespace

const CommandGroup editCommands{handlers, rules};
