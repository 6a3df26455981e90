#pragma once

#include "core/Geometry.h"

#include <QWidget>

#include <set>

class QSinglePointEvent;

namespace Visual {
class Component;
}

// The native side of a component: it shows the component's surface and turns Qt's input into
// the component's events.
class ComponentWidget : public QWidget {
public:
    ComponentWidget(Visual::Component& component, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // Keys held when the focus goes are let go, so that none stays down for ever.
    void focusOutEvent(QFocusEvent* event) override;
    // Tab is a key of the tools here, not a way to the next control.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void sendMouse(const QSinglePointEvent* event, int kind, Point turn = {});

    Visual::Component& m_component;
    // By key number: Shift+Tab goes down as one Qt key and may come up as another.
    std::set<uint32_t> m_keysDown;
};
