#pragma once

#include "base/Color.h"
#include "core/Geometry.h"
#include "core/ScheduledWindowPlug.h"
#include "document/AnimationParam.h"
#include "document/FilingObject.h"
#include "document/ImagePlug.h"
#include "document/InformationPlug.h"
#include "document/InteractiveMode.h"
#include "document/Pen.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class BitmapPalette;
class BitmapSelectionPlug;
class DIBImage;
class MaskImage;
class NewParams;
struct SaveTarget;
struct SelectionRecord;

// What a new picture is made of: the New command's parameters, which start from the preferences.
struct NewDocumentParams {
    bool fullColor = false;
    int32_t backgroundIndex = 0;
    ColorRef backgroundColor = 0x00FFFFFF;
    Point blockSize{16, 16};
    Point imageSize{256, 256};

    static NewDocumentParams fromPreferences(const NewParams& params);
};

// One open picture: its image, its palette when it is indexed, the colours and tone the tools draw
// with, and the grid settings. Pixels change only through its operations, and every change reaches
// its dependents. Colours are palette-index references in an indexed picture and RGB colours in a
// full-colour one. It destroys itself when its last dependent leaves, so create it with new.
class BitmapDocument : public FilingObject, public ImagePlug, public MeshPlug, public ScheduledWindowPlug {
public:
    explicit BitmapDocument(const NewParams& params);
    ~BitmapDocument() override;

    void* valueFor(const Aspect* aspect) override;
    void lastDependentRemoved() override { delete this; }

    // A new picture: full colour, or indexed with the palette file's colours (the stock colours when
    // the file is missing); sized and filled with the background colour; unmodified.
    void newContent(const NewDocumentParams& params, const std::string& defaultPaletteFile, const std::string& title);
    // Takes a picture read from a file: an 8-bit image comes with the palette it was read into.
    void setContent(std::shared_ptr<DIBImage> image, std::unique_ptr<BitmapPalette> palette);

    DIBImage* image() const override { return m_image.get(); }
    Rect damage() const override { return m_damage; }
    BitmapPalette* palette() const { return m_palette.get(); }
    bool isFullColor() const { return m_fullColor; }
    Rect bounds() const;

    ColorRef drawingColor() const { return m_drawingColor; }
    void setDrawingColor(ColorRef c);
    ColorRef backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(ColorRef c);
    // The drawing colour as RGB.
    ColorRef drawingRGB() const;
    int32_t drawingTone() const { return m_drawingTone; }
    void setDrawingTone(int32_t tone);
    // The current tone, or nothing for the solid tone 0.
    std::optional<ToneBytes> tonePattern() const;

    Point meshSize() const override { return m_meshSize; }
    ColorRef meshColor() const override { return m_meshColor; }
    int32_t meshStyle() const override { return m_meshStyle; }
    Point blockSetting() const { return m_blockSize; }
    // A new value marks the document modified; a new mesh also tells the views (BitmapView::Mesh::access).
    // The same value again changes and tells nothing.
    void setBlockSize(Point size);
    void setMeshSettings(Point size, int32_t style);
    void setMeshColor(ColorRef c);
    // The edge outline's last width and corner choice: false (at creation) grows it with corners,
    // true without.
    int32_t edgeWidth() const { return m_edgeWidth; }
    void setEdgeWidth(int32_t width) { m_edgeWidth = width; }
    bool edgeCorners() const { return m_edgeCorners; }
    void setEdgeCorners(bool withoutCorners) { m_edgeCorners = withoutCorners; }
    // The palette indices the bucket's border fill stops at; empty for a new document.
    const std::vector<uint8_t>& borderColors() const { return m_borderColors; }
    void setBorderColors(std::vector<uint8_t> indices) { m_borderColors = std::move(indices); }
    // The coordinate offset and direction the information panel shows this picture with.
    InformationPlug& information() { return m_information; }
    const InformationPlug& information() const { return m_information; }
    // The frames the animation preview cuts the picture into, which never leave the picture.
    AnimationParam& animation() { return m_animation; }
    const AnimationParam& animation() const { return m_animation; }
    int32_t currentFormat() const { return m_currentFormat; }
    int32_t saveFormat() const { return m_saveFormat; }

    ColorRef pixelAt(Point p) const;
    void fillRect(const Rect& rect, ColorRef c);
    // Fills the dots where mask, placed at origin, has 1 bits; through tone when one is given, the
    // tone anchored at the image's top-left corner.
    void fillMask(const MaskImage& mask, Point origin, ColorRef c, const ToneBytes* tone);
    // Fills the dots of mask, which all have colour was, as fillMask does, as a change that undo
    // reverts by painting them with was again: the step keeps the mask, not the pixels.
    void fillMaskOfColor(std::shared_ptr<const MaskImage> mask, Point origin, ColorRef was, ColorRef c,
                         const ToneBytes* tone);
    // Fills the mask's dots with c0 where x + y is even and c1 where it is odd.
    void fillChecker(const MaskImage& mask, Point origin, ColorRef c0, ColorRef c1);
    // One dab of pen centred on p, in the drawing colour, through the pen's tone.
    void drawPen(const Pen& pen, Point p);
    // The pen at every dot of the digital line from `from` to `to`, without `to`, as one change.
    void drawLine(const Pen& pen, Point from, Point to);
    // Drops a floating selection into the picture and removes the selection, so that tools which
    // draw into the picture itself find it whole.
    void commitSelection();
    BitmapSelectionPlug& selectionPlug() { return *m_selectionPlug; }
    std::shared_ptr<SelectionRecord> selection() const;
    // The mode new selections take, 0 for a new document; a selection of another mode takes the
    // new one and is composited again.
    int32_t pasteMode() const { return m_pasteMode; }
    void setPasteMode(int32_t mode);
    // Gives a plain selection its floating image, a copy of its bounding rectangle; without keepCopy
    // the region's dots in the picture become the background colour.
    void lift(bool keepCopy);
    // Commits a floating image but keeps a plain selection of the same region and mode.
    void flatten();
    // The picture's pixels in rect, the background colour outside the picture.
    std::shared_ptr<DIBImage> copyArea(const Rect& rect) const;
    // Hands use the picture as it is seen, without a second copy of it: a floating image is
    // exchanged into the picture for the call and back after it, however the call ends.
    void useShownImage(const std::function<void(const DIBImage&)>& use) const;
    // Whether an interactive mode (crop, transform, replacement preview) blocks editing.
    bool isInteractive() const { return m_interactive.isActive(); }
    // Saves the dots under the mask for undo and fills them with the background colour.
    void clearMask(const MaskImage* mask, Point origin);
    // Copies an image into the picture at p; another depth's colours become the nearest ones.
    void pasteImage(const DIBImage& source, Point p);

    // Every dot of an indexed picture becomes table[dot]; the picture is modified and redrawn.
    void renumberPixels(const std::array<uint8_t, 256>& table);
    // The same for the dots under mask, placed at origin; the others stay.
    void renumberPixelsUnder(const MaskImage& mask, Point origin, const std::array<uint8_t, 256>& table);

    // Takes image, of the picture's kind, as the picture (a new canvas size), answers the old one,
    // and every view follows; the document is modified and the animation frame cut to the picture.
    std::shared_ptr<DIBImage> replaceImage(std::shared_ptr<DIBImage> image);
    // Becomes an untitled, modified copy of rect of source with its own palette and source's
    // colours, grid and animation settings (the frame cut to the copy, the status not taken).
    void duplicate(const BitmapDocument& source, const Rect& rect, const std::string& title);
    // Cropping or transforming with the mouse in a view, which holds editing until it ends.
    InteractiveSlot& interactive() { return m_interactive; }

    // Records rect as the changed area and tells the views.
    void damaged(const Rect& rect);
    // The palette's colours changed: the image's colour table follows and the whole picture redraws.
    void paletteChanged();

    // Keeps the dots of rect for the next undo of this document.
    void savePixelsForUndo(const Rect& rect);
    // Keeps the palette's colours for the next undo of this document.
    void savePaletteForUndo();
    void undo();

    bool saveAs() override;
    // Saves to target, which becomes the document's file and format; false when that failed (and
    // was reported), in which case the document keeps its file and format.
    bool saveAs(const SaveTarget& target);
    // The window caption: the title, marked "(RGB)" for a full-colour picture.
    std::string caption() const override;
    bool closeQuery() override { return FilingObject::closeQuery(); }
    // Only a modified document with a file can revert.
    bool canRevert() const { return isModified() && file(); }
    // Reads the file again, dropping the changes and their undo step; a failed read keeps them.
    void revert();

protected:
    void readFrom(const FilePath& file) override;
    void writeTo(const FilePath& file) override;
    void afterFileChanged(const FilePath& file) override;
    void reportReadFailure(int32_t code, const FilePath& file) override;
    void reportWriteFailure(int32_t code, const FilePath& file) override;

private:
    friend class BitmapSelectionPlug;
    // The mode of an installed record, kept without compositing again.
    void keepPasteMode(int32_t mode) { m_pasteMode = mode; }
    // An operation changed area of the image (nothing when it is empty): modified, and the views hear.
    void applied(const Rect& area);

    std::shared_ptr<DIBImage> m_image;
    std::unique_ptr<BitmapPalette> m_palette;
    int32_t m_currentFormat = 0;
    int32_t m_saveFormat = 0;
    ColorRef m_drawingColor = 0;
    ColorRef m_backgroundColor;
    int32_t m_drawingTone = 0;
    ToneBytes m_tonePattern{};
    bool m_fullColor = false;
    int32_t m_edgeWidth;
    bool m_edgeCorners = false;
    InformationPlug m_information;
    Rect m_damage;
    Point m_meshSize;
    ColorRef m_meshColor = 0x000000FF;
    int32_t m_meshStyle = 0;
    Point m_blockSize;
    std::vector<uint8_t> m_borderColors;
    const NewParams& m_params;
    std::unique_ptr<BitmapSelectionPlug> m_selectionPlug;
    int32_t m_pasteMode = 0;
    InteractiveSlot m_interactive;
    // Last, so that it goes first: its followers hear of its end while the rest of the document is whole.
    AnimationParam m_animation;
};
