#pragma once

#include <functional>
#include <string>
#include <vector>

class BitmapDocument;
struct NewDocumentParams;

// How pictures come into being: New and opening named files, each in a window of its own.
namespace lifecycle {

// Creates a picture titled "Untitled-n" from params and opens its window.
BitmapDocument* newDocument(const NewDocumentParams& params);
// Creates a picture, lets fill make its content and opens its window; a failure is reported and
// leaves no document (null).
BitmapDocument* openNewDocument(const std::function<void(BitmapDocument&)>& fill);
// Opens path without a dialog. A file that is already open is not read again: its document comes
// to the front and is answered.
BitmapDocument* openFile(const std::string& path);
// Opens each file in turn; one that fails is reported and the rest still open.
void openFiles(const std::vector<std::string>& paths);

// Where opened and newly named files are noted: the application's recent-files list.
void installRecentFileList(std::function<void(const std::string&)> note);
void noteRecentFile(const std::string& path);

// The number the next untitled picture takes.
int nextUntitledNumber();
// "Untitled-n" for the next untitled picture, which takes the number.
std::string takeUntitledTitle();
// The palette file new 256-colour pictures start from: beside the program, else in the installed
// data folder.
const std::string& defaultPaletteFile();

} // namespace lifecycle
