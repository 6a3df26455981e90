#include "app/InformationSubPanel.h"

#include "framework/DialogPage.h"
#include "framework/GraphicsContext.h"

namespace {

constexpr int firstField = 100;
// The face of the panel, under the labels.
constexpr ColorRef face = rgb(240, 240, 240);

} // namespace

InformationSubPanel::InformationSubPanel(QWidget* container, const DialogTemplate& layout)
    : Component(container), m_page(std::make_unique<DialogPage>(layout, handle(), DialogPage::Focus::refused))
{
    // The keys stay with the document window.
    refuseFocus();
    place(Rect::fromSize(parked, extent()));
}

InformationSubPanel::~InformationSubPanel() = default;

Point InformationSubPanel::extent() const
{
    return {m_page->pixelWidth(), m_page->pixelHeight()};
}

void InformationSubPanel::moveTo(Point p)
{
    place(Rect::fromSize(p, extent()));
}

bool InformationSubPanel::isParked() const
{
    Rect at = frameRect();
    return Point{at.left, at.top} == parked;
}

void InformationSubPanel::setFields(const ReadoutFields& fields)
{
    for (size_t i = 0; i < fields.size(); ++i)
        if (DialogControl* control = m_page->control(firstField + int(i)))
            control->setText(fields[i]);
}

std::string InformationSubPanel::field(int id) const
{
    DialogControl* control = m_page->control(id);
    return control ? control->text() : std::string();
}

void InformationSubPanel::paint(GraphicsContext& gc, const Rect& clip)
{
    gc.fillRect(clip, face);
}
