#pragma once

#include "core/Dependent.h"
#include "framework/CommandTable.h"
#include "views/InformationDisplay.h"

#include <array>

class BitmapDocument;
class FloatingPanel;
class InformationSubPanel;
class MDIWorkSpace;

// The information panel: the read-outs of the edit view it follows, stacked from the top in index
// order, the hidden ones parked outside; its menu closes it and opens the offset options of the
// document shown.
class InformationPanel : public InformationDisplay, public CommandInterface {
public:
    explicit InformationPanel(MDIWorkSpace& workspace);
    ~InformationPanel();
    InformationPanel(const InformationPanel&) = delete;
    InformationPanel& operator=(const InformationPanel&) = delete;

    FloatingPanel& panel() const { return *m_panel; }
    InformationSubPanel& sub(Sub sub) const { return *m_subs[size_t(sub)]; }
    EditView* view() const { return m_view; }

    void showSub(Sub sub) override;
    void hideSub(Sub sub) override;
    bool isSubShown(Sub sub) const override;
    void hideAll() override;
    void rebind(EditView* view) override;
    void showPosition(Point dot) override;
    void showSelection(Point origin, Point size) override;
    void showRotation(double radians) override;
    void showScale(const Rect& before, const Rect& after) override;
    void showFootprint(Point dot) override;
    void showColor(ColorRef color) override;

    bool command(uint32_t id, Window* from) override;
    void menuOpening(MenuState& popup) override;

private:
    // Forgets the panel's windows when they go with the frame, before the views that report here.
    class PanelWatch : public Dependent {
    public:
        explicit PanelWatch(InformationPanel& owner) : m_owner(owner) {}
        void modelReleased() override;

    private:
        InformationPanel& m_owner;
    };

    BitmapDocument* document() const;
    // Whether sub-panel sub takes values now.
    bool writable(Sub sub) const;
    // Stacks the shown sub-panels and fits the panel around them.
    void layOut();

    FloatingPanel* m_panel;
    std::array<InformationSubPanel*, subCount> m_subs{};
    EditView* m_view = nullptr;
    PanelWatch m_watch{*this};
};
