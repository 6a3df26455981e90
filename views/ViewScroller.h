#pragma once

#include "framework/ScrollBarBinding.h"

class ImageView;

// One axis of a view's scrolling as a scroll bar sees it: the picture's dots are the range, the
// dots in view the page, and the origin the position.
class ViewScroller : public Scroller {
public:
    ViewScroller(ImageView& view, bool vertical) : m_view(view), m_vertical(vertical) {}

    int32_t rangeSize() const override;
    int32_t pageSize() const override;
    int32_t position() const override;
    void step(int32_t n) override;
    void page(int32_t n) override;
    void setPosition(int32_t position) override;
    void track(int32_t position) override { setPosition(position); }
    void toTop() override { setPosition(0); }
    void toBottom() override { setPosition(rangeSize() - pageSize()); }

private:
    ImageView& m_view;
    bool m_vertical;
};
