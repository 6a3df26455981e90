#pragma once

class BitmapDocument;
class Region;

// What the Edit and Select menus do to a document's selection. Each is one undo step of its
// document and does nothing where it needs a selection and there is none; the CLI runs them too.
namespace selectionCommands {

// A new selection as the selection tools make it: the old one committed, region cut to the
// picture, nothing selected when nothing of it is left.
void select(BitmapDocument& document, Region region);
// Drops a floating image into the picture, then fills the region (or its inner border: the dots
// with a 4-neighbour outside it) with the drawing colour through the drawing tone.
void fill(BitmapDocument& document, bool border);
// Drops a floating image without writing it, or clears a plain selection's dots to the background.
void clear(BitmapDocument& document);
// Makes region, cut to the picture, the selection in place of one already committed; nothing is
// selected when none of it lies on the picture. The selection tools end with it.
void selectRegion(BitmapDocument& document, Region region);
// Commits the selection and selects the whole picture.
void selectAll(BitmapDocument& document);
// Commits the selection, leaving nothing selected.
void selectNone(BitmapDocument& document);
// Commits the selection and selects the rest of the picture, if any.
void invert(BitmapDocument& document);

} // namespace selectionCommands
