#include "document/OpenDocuments.h"

#include "document/BitmapDocument.h"

#include <filesystem>

namespace openDocuments {

namespace {

GrowableArray<BitmapDocument*>& documents()
{
    static GrowableArray<BitmapDocument*> list;
    return list;
}

std::string canonical(const std::string& path)
{
    std::error_code error;
    std::filesystem::path full = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    return error ? path : full.string();
}

} // namespace

void add(BitmapDocument* document)
{
    if (documents().indexOf(document) == documents().count())
        documents().append(document);
}

void remove(BitmapDocument* document)
{
    uint32_t index = documents().indexOf(document);
    if (index < documents().count())
        documents().removeAt(index);
}

uint32_t count()
{
    return documents().count();
}

BitmapDocument* find(const std::string& path)
{
    std::string wanted = canonical(path);
    for (uint32_t i = 0; i < documents().count(); ++i) {
        const auto& file = documents()[i]->file();
        if (file && canonical(file->path()) == wanted)
            return documents()[i];
    }
    return nullptr;
}

} // namespace openDocuments
