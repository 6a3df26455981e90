#pragma once

#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "tests/framework/EventLoop.h"
#include "views/DocumentViews.h"
#include "views/EditView.h"
#include "views/ToolBox.h"
#include "views/tools/DrawTool.h"
#include "views/tools/ToolSet.h"

#include <gtest/gtest.h>

namespace editViewColors {
constexpr ColorRef white = 0x00FFFFFF;
constexpr ColorRef red = 0x000000FF;
constexpr ColorRef grey = 0x00808080;
constexpr ColorRef black = 0;
} // namespace editViewColors

// A full-colour picture of w x h white dots with a red dot at (1, 1), shown in a window of its own.
class EditViewFixture : public testing::Test {
protected:
    void open(Point pictureSize, Point windowSize, int32_t zoom)
    {
        document = new BitmapDocument(NewParams::current());
        document->newContent({true, 0, editViewColors::white, {16, 16}, pictureSize}, "", "t");
        document->fillRect({1, 1, 2, 2}, editViewColors::red);
        views = new DocumentViews(nullptr, *document, tools, zoom);
        // Away from the top-left corner, where the pointer of a headless screen rests.
        views->place(Rect::fromSize({300, 300}, windowSize));
        views->show();
        runEvents(50);
    }
    void TearDown() override
    {
        if (views)
            views->destroy();
    }
    EditView& view() const { return views->editView(); }
    const std::optional<DrawFootprint>& footprint() const { return view().tools().draw().footprint(); }
    ColorRef shown(Point p) const
    {
        view().updateNow();
        return view().surface().pixelAt(p);
    }

    Application& application = testApplication();
    ToolBox tools;
    BitmapDocument* document = nullptr;
    DocumentViews* views = nullptr;
};
