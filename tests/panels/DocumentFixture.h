#pragma once

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"
#include "tests/core/Listener.h"
#include "tests/framework/EventLoop.h"

#include <memory>
#include <vector>

// Documents for the panels' tests: 4 x 4 pictures whose palette entry i is (i, 255 - i, i / 2).
class DocumentFixture {
protected:
    DocumentFixture() { testApplication(); }

    BitmapDocument& makeDocument(bool fullColor)
    {
        auto* document = new BitmapDocument(preferences);
        NewDocumentParams params = NewDocumentParams::fromPreferences(preferences);
        params.fullColor = fullColor;
        params.imageSize = {4, 4};
        document->newContent(params, "/nonexistent/default.rgb", "untitled");
        if (BitmapPalette* palette = document->palette()) {
            for (int i = 0; i < 256; ++i)
                palette->setColorAt(i, entryColor(i));
            palette->changed();
        }
        document->setModified(false);
        keepers.push_back(std::make_unique<Listener>(document));
        return *document;
    }
    static ColorRef entryColor(int i) { return rgb(uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)); }

    NewParams preferences;
    // Each keeps its document alive; leaving it ends the document.
    std::vector<std::unique_ptr<Listener>> keepers;
};
