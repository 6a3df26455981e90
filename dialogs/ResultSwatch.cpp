#include "dialogs/ResultSwatch.h"

#include "framework/GraphicsContext.h"
#include "palette/PaletteModel.h"
#include "palette/ResultColors.h"

ResultSwatch::ResultSwatch(QWidget* container, ResultColors& results)
    : Component(container), m_results(results), m_follower([this](const Aspect*) { invalidateAll(); })
{
    refuseFocus();
    m_follower.follow(&results);
}

void ResultSwatch::paint(GraphicsContext& gc, const Rect&)
{
    Rect all = Rect::fromSize({0, 0}, size());
    Rect inside{1, 1, all.right - 1, all.bottom - 1};
    gc.frameRect(all, rgb(0, 0, 0));
    const PaletteModel* palette = m_results.palette();
    if (!palette || !m_results.first()) {
        gc.fillRect(inside, rgb(255, 255, 255));
        return;
    }
    if (!m_results.second()) {
        gc.fillRect(inside, palette->colorAt(*m_results.first()));
        return;
    }
    int32_t middle = (inside.left + inside.right) / 2;
    gc.fillRect({inside.left, inside.top, middle, inside.bottom}, palette->colorAt(*m_results.first()));
    gc.fillRect({middle, inside.top, inside.right, inside.bottom}, palette->colorAt(*m_results.second()));
}
