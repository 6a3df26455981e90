#pragma once

#include "core/GrowableArray.h"

#include <string>

class BitmapDocument;

// Every live document, so that a file already open is found instead of read twice.
namespace openDocuments {

void add(BitmapDocument* document);
void remove(BitmapDocument* document);
uint32_t count();
// The open document whose file is path, comparing canonical absolute paths; or null.
BitmapDocument* find(const std::string& path);

} // namespace openDocuments
