#pragma once

#include "core/Geometry.h"

#include <cstdint>

class QScrollBar;
class QWidget;

// The scroller model of one axis of a component (Visual::Component::hrzScroller, verScroller).
class Scroller {
public:
    virtual int32_t rangeSize() const = 0;
    virtual int32_t pageSize() const = 0;
    virtual int32_t position() const = 0;
    virtual void beginScroll() {}
    virtual void step(int32_t n) = 0;
    virtual void page(int32_t n) = 0;
    virtual void setPosition(int32_t position) = 0;
    virtual void track(int32_t position) = 0;
    virtual void toTop() = 0;
    virtual void toBottom() = 0;
    virtual void endScroll() {}

protected:
    ~Scroller() = default;
};

// A native scroll bar that drives a scroller model and shows its range, page and position.
class ScrollBarBinding {
public:
    enum class Axis { horizontal, vertical };
    enum class Action { lineUp, lineDown, pageUp, pageDown, thumbTrack, thumbPosition, top, bottom, endScroll };

    // The bar is a child of carrier.
    ScrollBarBinding(QWidget* carrier, Axis axis, Scroller& model);
    ~ScrollBarBinding();
    ScrollBarBinding(const ScrollBarBinding&) = delete;
    ScrollBarBinding& operator=(const ScrollBarBinding&) = delete;

    void place(const Rect& rect);
    // Copies the model's range size minus one, page size and position to the bar, and shows it.
    void refresh();
    // One scroll action of the user: the first of a gesture begins the scroll, endScroll ends it.
    void perform(Action action, int32_t thumb = 0);
    bool isScrolling() const { return m_scrolling; }

private:
    Scroller& m_model;
    // Null once the bar went with its carrier.
    QScrollBar* m_bar;
    bool m_scrolling = false;
};
