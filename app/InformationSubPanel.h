#pragma once

#include "app/InformationReadout.h"
#include "framework/Component.h"

#include <memory>
#include <string>

class DialogPage;
struct DialogTemplate;

// One read-out of the information panel: a child window with the frame, title, labels and value
// fields of its template. The panel moves it; parked far outside the panel, it is hidden.
class InformationSubPanel : public Visual::Component {
public:
    static constexpr Point parked{-1000, -1000};

    InformationSubPanel(QWidget* container, const DialogTemplate& layout);
    ~InformationSubPanel() override;

    // Its size in pixels.
    Point extent() const;
    void moveTo(Point p);
    bool isParked() const;

    // Writes the template's value fields 100, 101, ...; the others have none.
    void setFields(const ReadoutFields& fields);
    void clearFields() { setFields({}); }
    std::string field(int id) const;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;

private:
    std::unique_ptr<DialogPage> m_page;
};
