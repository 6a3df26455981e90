#include "document/DocumentLifecycle.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/DocumentWindows.h"
#include "document/NewParams.h"
#include "document/OpenDocuments.h"
#include "resources/StringTable.h"

#include <filesystem>
#include <memory>

namespace lifecycle {

namespace {

int g_untitled = 1;
std::function<void(const std::string&)> g_recentFiles;

// A document that destroys itself when its last follower leaves is held here until its window
// follows it, so that a failed open leaves nothing behind.
struct PendingDocument {
    BitmapDocument* document;
    ~PendingDocument() { delete document; }
    BitmapDocument* release() { return std::exchange(document, nullptr); }
};

} // namespace

BitmapDocument* newDocument(const NewDocumentParams& params)
{
    return openNewDocument(
        [&](BitmapDocument& document) { document.newContent(params, defaultPaletteFile(), takeUntitledTitle()); });
}

BitmapDocument* openNewDocument(const std::function<void(BitmapDocument&)>& fill)
{
    try {
        PendingDocument pending{new BitmapDocument(NewParams::current())};
        fill(*pending.document);
        BitmapDocument* document = pending.release();
        openDocumentWindow(*document);
        return document;
    } catch (...) {
        reportError(currentError(), 0, std::nullopt);
        return nullptr;
    }
}

BitmapDocument* openFile(const std::string& path)
{
    try {
        if (BitmapDocument* open = openDocuments::find(path)) {
            open->changed(&aspects::Window::active);
            noteRecentFile(open->file() ? open->file()->path() : path);
            return open;
        }
        FilePath file;
        file.setFullPath(path);
        PendingDocument pending{new BitmapDocument(NewParams::current())};
        if (!pending.document->setFile(file))
            return nullptr;
        BitmapDocument* document = pending.release();
        openDocumentWindow(*document);
        noteRecentFile(file.path());
        return document;
    } catch (...) {
        reportError(currentError(), messages::readFailed, std::filesystem::path(path).filename().string());
        return nullptr;
    }
}

void openFiles(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths)
        openFile(path);
}

void installRecentFileList(std::function<void(const std::string&)> note)
{
    g_recentFiles = std::move(note);
}

void noteRecentFile(const std::string& path)
{
    if (g_recentFiles)
        g_recentFiles(path);
}

int nextUntitledNumber()
{
    return g_untitled;
}

std::string takeUntitledTitle()
{
    return "Untitled-" + std::to_string(g_untitled++);
}

const std::string& defaultPaletteFile()
{
    static const std::string path = [] {
        std::error_code error;
        std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
        std::filesystem::path beside = program / "default.rgb";
        std::filesystem::path installed = std::filesystem::path(TILVANER_DATA_DIR) / "default.rgb";
        return (std::filesystem::exists(beside, error) || !std::filesystem::exists(installed, error) ? beside
                                                                                                     : installed)
            .string();
    }();
    return path;
}

} // namespace lifecycle
