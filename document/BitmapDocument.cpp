#include "document/BitmapDocument.h"

#include "base/ErrorFrame.h"
#include "base/FileErrors.h"
#include "core/Aspects.h"
#include "document/AnimationDefaults.h"
#include "document/BitmapPalette.h"
#include "document/BitmapSelectionPlug.h"
#include "document/DocumentLifecycle.h"
#include "document/FilingQuestions.h"
#include "document/MaskPaintUndo.h"
#include "document/NewParams.h"
#include "document/OpenDocuments.h"
#include "document/PaletteUndo.h"
#include "document/PixelsUndo.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "formats/Backup.h"
#include "formats/FormatTable.h"
#include "formats/ReplacingWrite.h"
#include "operations/CheckerFill.h"
#include "operations/CopyArea.h"
#include "operations/FloatingComposite.h"
#include "operations/ImagePaste.h"
#include "operations/IndexTranslation.h"
#include "operations/MaskFill.h"
#include "operations/PenStamp.h"
#include "operations/RectFill.h"
#include "operations/SwapArea.h"
#include "pixels/IndexedImage.h"
#include "pixels/MaskImage.h"
#include "pixels/TrueColorImage.h"
#include "resources/Bitmaps.h"

#include <algorithm>

NewDocumentParams NewDocumentParams::fromPreferences(const NewParams& params)
{
    return {false, params.backgroundIndex.value(), params.backgroundColour.value(), params.blockSize.point(),
            params.canvasSize.point()};
}

BitmapDocument::BitmapDocument(const NewParams& params)
    : m_backgroundColor(params.backgroundColour.value()), m_edgeWidth(params.edgeWidth.value()),
      m_information(*this, params.offset.point(), params.yUp.value() == 1), m_meshSize(params.meshSize.point()),
      m_blockSize(params.blockSize.point()), m_params(params),
      m_selectionPlug(std::make_unique<BitmapSelectionPlug>(*this)), m_animation(*this, AnimationDefaults::current())
{
    openDocuments::add(this);
}

BitmapDocument::~BitmapDocument()
{
    m_interactive.end();
    openDocuments::remove(this);
    UndoRecord::instance().forget(this);
}

void* BitmapDocument::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::BitmapDocument::access || aspect == &aspects::BitmapDocument::drawingColor ||
        aspect == &aspects::BitmapDocument::drawingTone)
        return offer<BitmapDocument>(this);
    if (aspect == &aspects::ImageView::Plug::access)
        return offer<ImagePlug>(this);
    if (aspect == &aspects::BitmapPalette::access)
        return m_palette ? offer<BitmapPalette>(m_palette.get()) : nullptr;
    if (aspect == &aspects::BitmapView::Mesh::access)
        return offer<MeshPlug>(this);
    if (aspect == &aspects::ScheduledWindow::Plug::access)
        return offer<ScheduledWindowPlug>(this);
    if (aspect == &aspects::BitmapSelectionPlug::access)
        return offer<BitmapSelectionPlug>(m_selectionPlug.get());
    if (aspect == &aspects::InformationPlug::access)
        return offer<InformationPlug>(&m_information);
    if (aspect == &aspects::AnimationParam::access)
        return offer<AnimationParam>(&m_animation);
    return FilingObject::valueFor(aspect);
}

void BitmapDocument::newContent(const NewDocumentParams& params, const std::string& defaultPaletteFile,
                                const std::string& title)
{
    bool fullColor = params.fullColor;
    std::shared_ptr<DIBImage> image;
    std::unique_ptr<BitmapPalette> palette;
    if (fullColor) {
        image = std::make_shared<TrueColorImage>();
    } else {
        palette = std::make_unique<BitmapPalette>(*this);
        palette->loadDefault(defaultPaletteFile);
        image = std::make_shared<IndexedImage>(palette->platformPalette());
    }
    image->create(params.imageSize);
    m_image = std::move(image);
    m_palette = std::move(palette);
    m_animation.fitToImage();
    m_fullColor = fullColor;
    m_blockSize = params.blockSize;
    m_backgroundColor = params.backgroundColor;
    if (!fullColor) {
        m_drawingColor = paletteIndex(1);
        m_backgroundColor = paletteIndex(uint8_t(params.backgroundIndex));
        m_meshColor = paletteIndex(uint8_t(m_params.meshColourIndex.value()));
    }
    fillRect(bounds(), m_backgroundColor);
    setTitle(title);
    setModified(false);
}

void BitmapDocument::setContent(std::shared_ptr<DIBImage> image, std::unique_ptr<BitmapPalette> palette)
{
    m_image = std::move(image);
    m_palette = std::move(palette);
    m_fullColor = m_image->depth() > 8;
    // The frame came from the defaults, or from a picture that was larger before it was read again.
    m_animation.fitToImage();
    // A selection belongs to the picture it was made on; no undo step can bring it back.
    if (m_selectionPlug->selection()) {
        m_selectionPlug->restore(nullptr);
        UndoRecord::instance().forget(this);
    }
    paletteChanged();
}

Rect BitmapDocument::bounds() const
{
    return m_image ? m_image->bounds() : Rect{};
}

void BitmapDocument::setDrawingColor(ColorRef c)
{
    if (c == m_drawingColor)
        return;
    m_drawingColor = c;
    changed(&aspects::BitmapDocument::drawingColor);
}

void BitmapDocument::setBackgroundColor(ColorRef c)
{
    if (c == m_backgroundColor)
        return;
    m_backgroundColor = c;
    changed(&aspects::BitmapDocument::drawingColor);
}

ColorRef BitmapDocument::drawingRGB() const
{
    return m_palette ? m_palette->colorAt(m_palette->indexOfColorRef(m_drawingColor)) : m_drawingColor;
}

void BitmapDocument::setDrawingTone(int32_t tone)
{
    if (tone == m_drawingTone)
        return;
    m_tonePattern = toneFromResource(bitmaps::firstTone + tone);
    m_drawingTone = tone;
    changed(&aspects::BitmapDocument::drawingTone);
}

std::optional<ToneBytes> BitmapDocument::tonePattern() const
{
    if (m_drawingTone == 0)
        return std::nullopt;
    return m_tonePattern;
}

void BitmapDocument::setBlockSize(Point size)
{
    if (size == m_blockSize)
        return;
    m_blockSize = size;
    setModified(true);
}

void BitmapDocument::setMeshSettings(Point size, int32_t style)
{
    if (size == m_meshSize && style == m_meshStyle)
        return;
    m_meshSize = size;
    m_meshStyle = style;
    setModified(true);
    changed(&aspects::BitmapView::Mesh::access);
}

void BitmapDocument::setMeshColor(ColorRef c)
{
    if (c == m_meshColor)
        return;
    m_meshColor = c;
    setModified(true);
    changed(&aspects::BitmapView::Mesh::access);
}

ColorRef BitmapDocument::pixelAt(Point p) const
{
    if (const SelectionRecord* record = m_selectionPlug->selection().get(); record && record->floatingImage) {
        Rect place = record->region.bounds();
        if (place.contains(p) && bounds().contains(p))
            return record->floatingImage->pixelAt({p.x - place.left, p.y - place.top});
    }
    return m_image->pixelAt(p);
}

void BitmapDocument::fillRect(const Rect& rect, ColorRef c)
{
    if (m_image)
        applied(rectFill(*m_image, rect, c));
}

void BitmapDocument::fillMask(const MaskImage& mask, Point origin, ColorRef c, const ToneBytes* tone)
{
    applied(maskFill(*m_image, mask, origin, c, tone));
}

void BitmapDocument::fillMaskOfColor(std::shared_ptr<const MaskImage> mask, Point origin, ColorRef was, ColorRef c,
                                     const ToneBytes* tone)
{
    MaskPaintUndo::Paint paint{c, tone ? std::optional<ToneBytes>(*tone) : std::nullopt};
    UndoRecord::instance().addUndo(
        this, std::make_unique<MaskPaintUndo>(*this, mask, origin, MaskPaintUndo::Paint{was, {}}, paint));
    fillMask(*mask, origin, c, tone);
}

void BitmapDocument::fillChecker(const MaskImage& mask, Point origin, ColorRef c0, ColorRef c1)
{
    applied(checkerFill(*m_image, mask, origin, c0, c1));
}

void BitmapDocument::drawPen(const Pen& pen, Point p)
{
    const MaskImage* footprint = pen.footprint();
    if (!footprint || !m_image)
        return;
    auto* tone = interfaceFor<ToneBytes>(const_cast<Pen*>(&pen), &aspects::Pen::tone);
    Point corner{p.x + pen.hotspot().x, p.y + pen.hotspot().y};
    applied(penStamp(*m_image, *footprint, corner, m_drawingColor, tone));
}

void BitmapDocument::drawLine(const Pen& pen, Point from, Point to)
{
    const MaskImage* footprint = pen.footprint();
    if (!footprint || !m_image)
        return;
    auto* tone = interfaceFor<ToneBytes>(const_cast<Pen*>(&pen), &aspects::Pen::tone);
    applied(penLine(*m_image, *footprint, pen.hotspot(), from, to, m_drawingColor, tone));
}

void BitmapDocument::commitSelection()
{
    m_selectionPlug->commit();
}

std::shared_ptr<SelectionRecord> BitmapDocument::selection() const
{
    return m_selectionPlug->selection();
}

void BitmapDocument::setPasteMode(int32_t mode)
{
    m_pasteMode = mode;
    std::shared_ptr<SelectionRecord> record = selection();
    if (!record || record->pasteMode == mode)
        return;
    UndoRecord::instance().beginUndo(this);
    m_selectionPlug->changeMode(mode);
}

void BitmapDocument::lift(bool keepCopy)
{
    std::shared_ptr<SelectionRecord> plain = selection();
    if (!plain || plain->floatingImage)
        return;
    auto record = std::make_shared<SelectionRecord>();
    record->region = plain->region;
    record->pasteMode = plain->pasteMode;
    Rect place = record->region.bounds();
    record->floatingImage = copyArea(place);
    std::shared_ptr<MaskImage> regionMask = record->region.toMask();
    record->transparencyMask = transparencyMaskOf(*record->floatingImage, *regionMask, m_backgroundColor);
    record->transparentColor = m_backgroundColor;
    if (!keepCopy)
        clearMask(regionMask.get(), place.topLeft());
    m_selectionPlug->restore(std::move(record));
}

void BitmapDocument::flatten()
{
    std::shared_ptr<SelectionRecord> floating = selection();
    if (!floating || !floating->floatingImage)
        return;
    auto plain = std::make_shared<SelectionRecord>();
    plain->region = floating->region;
    plain->pasteMode = floating->pasteMode;
    m_selectionPlug->commit();
    m_selectionPlug->restore(std::move(plain));
}

std::shared_ptr<DIBImage> BitmapDocument::copyArea(const Rect& rect) const
{
    return ::copyArea(*m_image, rect, m_backgroundColor);
}

void BitmapDocument::useShownImage(const std::function<void(const DIBImage&)>& use) const
{
    const SelectionRecord* record = selection().get();
    if (!record || !record->floatingImage)
        return use(*m_image);
    // While shown, the floating image is the composite over its bounds.
    struct Exchange {
        DIBImage& picture;
        DIBImage& piece;
        Point at;
        Exchange(DIBImage& picture, DIBImage& piece, Point at) : picture(picture), piece(piece), at(at)
        {
            swapArea(picture, piece, at);
        }
        ~Exchange() { swapArea(picture, piece, at); }
    } exchange(*m_image, *record->floatingImage, record->region.bounds().topLeft());
    use(*m_image);
}

void BitmapDocument::clearMask(const MaskImage* mask, Point origin)
{
    if (!mask || mask->isEmpty())
        return;
    savePixelsForUndo(Rect::fromSize(origin, mask->extent()));
    fillMask(*mask, origin, m_backgroundColor, nullptr);
}

void BitmapDocument::pasteImage(const DIBImage& source, Point p)
{
    applied(imagePaste(*m_image, source, p));
}

void BitmapDocument::applied(const Rect& area)
{
    if (area.isEmpty())
        return;
    setModified(true);
    damaged(area);
}

void BitmapDocument::damaged(const Rect& rect)
{
    m_damage = rect;
    // What shows of a floating image in modes 2 and 3, and around it in all, follows the picture.
    m_selectionPlug->composite(rect);
    changed(&aspects::ImageView::Plug::access);
}

void BitmapDocument::paletteChanged()
{
    auto* indexed = m_palette && m_image && m_image->depth() == 8 ? static_cast<IndexedImage*>(m_image.get()) : nullptr;
    if (!indexed)
        return;
    indexed->setPalette(m_palette->platformPalette());
    damaged(bounds());
}

void BitmapDocument::savePixelsForUndo(const Rect& rect)
{
    Rect area = rect.intersected(bounds());
    if (area.isEmpty())
        return;
    UndoRecord::instance().addUndo(this,
                                   std::make_unique<PixelsUndo>(*this, m_image->copyOfArea(area), area.topLeft()));
}

void BitmapDocument::savePaletteForUndo()
{
    if (!m_palette)
        return;
    if (std::optional<PaletteModel::Snapshot> colors = m_palette->snapshot())
        UndoRecord::instance().addUndo(this, std::make_unique<PaletteUndo>(*this, std::move(*colors)));
}

void BitmapDocument::undo()
{
    UndoRecord::instance().undo(this);
}

// Reads into new objects and takes them only when the whole read succeeded, so a failed read leaves
// the picture as it was.
void BitmapDocument::readFrom(const FilePath& file)
{
    int format = formatIndexForExtension(file.extension());
    auto palette = std::make_unique<BitmapPalette>(*this);
    ImageFormat& reader = *imageFormats()[size_t(format)];
    reader.file = file;
    std::shared_ptr<DIBImage> image = reader.readImage(*palette);
    m_currentFormat = m_saveFormat = format;
    if (image->depth() > 8) {
        palette.reset();
    } else {
        m_drawingColor = paletteIndex(1);
        m_backgroundColor = paletteIndex(uint8_t(m_params.backgroundIndex.value()));
        m_meshColor = paletteIndex(uint8_t(m_params.meshColourIndex.value()));
    }
    setContent(std::move(image), std::move(palette));
}

// The new file is complete before the old one moves into the backup chain, so a failed write
// never leaves the name without its picture.
void BitmapDocument::writeTo(const FilePath& file)
{
    refuseWriteProtected(file);
    static const PaletteModel noPalette;
    ImageFormat& writer = *imageFormats()[size_t(m_saveFormat)];
    writeReplacing(
        file,
        [&](FilePath& out) {
            writer.file = out;
            useShownImage([&](const DIBImage& shown) { writer.writeImage(shown, m_palette ? *m_palette : noPalette); });
        },
        [&] { backupBeforeSave(file); });
    UndoRecord::instance().forget(this);
}

std::string BitmapDocument::caption() const
{
    return m_fullColor ? title() + "(RGB)" : title();
}

void BitmapDocument::afterFileChanged(const FilePath& file)
{
    m_currentFormat = m_saveFormat;
    FilingObject::afterFileChanged(file);
}

void BitmapDocument::reportReadFailure(int32_t code, const FilePath& file)
{
    ::reportReadFailure(code, std::string(file.name()));
}

void BitmapDocument::reportWriteFailure(int32_t code, const FilePath& file)
{
    ::reportWriteFailure(code, std::string(file.name()));
}

bool BitmapDocument::saveAs()
{
    FilingQuestions* questions = filingQuestions();
    std::optional<SaveTarget> target = questions ? questions->chooseSaveTarget(*this) : std::nullopt;
    return target && saveAs(*target);
}

bool BitmapDocument::saveAs(const SaveTarget& target)
{
    FilePath path;
    try {
        path.setFullPath(target.path);
    } catch (...) {
        reportWriteFailure(currentError(), path);
        return false;
    }
    m_saveFormat = target.format;
    if (saveTo(path)) {
        lifecycle::noteRecentFile(path.path());
        return true;
    }
    m_saveFormat = m_currentFormat;
    return false;
}

void BitmapDocument::revert()
{
    if (!canRevert())
        return;
    // A crop or transform frame belongs to the picture being thrown away.
    m_interactive.end();
    // The undo step goes only with a successful read, so a failed revert leaves everything as it was.
    if (setFile(*file()))
        UndoRecord::instance().forget(this);
}

void BitmapDocument::renumberPixels(const std::array<uint8_t, 256>& table)
{
    if (m_image->depth() != 8)
        return;
    translateIndices(*m_image, table);
    applied(bounds());
}

void BitmapDocument::renumberPixelsUnder(const MaskImage& mask, Point origin, const std::array<uint8_t, 256>& table)
{
    if (m_image->depth() == 8)
        applied(translateIndicesUnder(*m_image, mask, origin, table));
}

std::shared_ptr<DIBImage> BitmapDocument::replaceImage(std::shared_ptr<DIBImage> image)
{
    std::shared_ptr<DIBImage> old = std::exchange(m_image, std::move(image));
    if (m_palette && m_image->depth() == 8)
        static_cast<IndexedImage*>(m_image.get())->setPalette(m_palette->platformPalette());
    m_animation.fitToImage();
    setModified(true);
    changed();
    return old;
}

void BitmapDocument::duplicate(const BitmapDocument& source, const Rect& rect, const std::string& title)
{
    std::unique_ptr<BitmapPalette> palette;
    if (source.m_palette) {
        palette = std::make_unique<BitmapPalette>(*this);
        palette->copyFrom(*source.m_palette);
    }
    setContent(source.copyArea(rect), std::move(palette));
    m_animation.copyFrom(source.m_animation);
    m_drawingColor = source.m_drawingColor;
    m_backgroundColor = source.m_backgroundColor;
    m_blockSize = source.m_blockSize;
    m_meshSize = source.m_meshSize;
    m_meshColor = source.m_meshColor;
    m_meshStyle = source.m_meshStyle;
    m_information.setOffset(source.m_information.offset(), source.m_information.yUp());
    setTitle(title);
    setModified(true);
}
