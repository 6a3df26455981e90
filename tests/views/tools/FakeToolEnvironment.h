#pragma once

#include "views/ColorPicker.h"
#include "views/tools/ToolEnvironment.h"

#include <vector>

// Colour-picker mode without a window to leave open.
class FakeColorPicker : public ColorPicker {
public:
    void setTarget(ColorPickerTarget* target) override { m_target = target; }
    ColorPickerTarget* target() const override { return m_target; }
    Window* pickingWindow() override { return nullptr; }

private:
    ColorPickerTarget* m_target = nullptr;
};

// A view for driving a tool without a window: a zoom, a picture size and an origin, a gesture run
// the way a component runs it, and a record of what the tool asked for.
class FakeToolEnvironment : public ToolEnvironment {
public:
    BitmapDocument* picture = nullptr;
    Point unit{1, 1};
    int32_t zoomFactor = 1;
    Point pictureSize{64, 64};
    Point shownOrigin;
    Point size{256, 256};
    bool capsLockOn = false;
    InformationDisplay* panel = nullptr;
    FakeColorPicker picker;
    int beeps = 0;
    std::vector<std::pair<int32_t, Point>> zooms;
    std::vector<Rect> invalidated;

    BitmapDocument* document() const override { return picture; }
    Point unitSize() const override { return unit; }
    int32_t zoom() const override { return zoomFactor; }
    void setZoom(int32_t zoom, Point centreDot) override
    {
        zoomFactor = zoom;
        zooms.push_back({zoom, centreDot});
    }
    Point viewToDot(Point pixel) const override
    {
        return {floorDiv(pixel.x, zoomFactor) + shownOrigin.x, floorDiv(pixel.y, zoomFactor) + shownOrigin.y};
    }
    Point dotToView(Point dot) const override
    {
        return {(dot.x - shownOrigin.x) * zoomFactor, (dot.y - shownOrigin.y) * zoomFactor};
    }
    Rect dotsToView(const Rect& dots) const override
    {
        Point a = dotToView(dots.topLeft()), b = dotToView({dots.right, dots.bottom});
        return {a.x, a.y, b.x, b.y};
    }
    Rect imageBounds() const override { return Rect::fromSize({}, pictureSize); }
    Point origin() const override { return shownOrigin; }
    Point viewDots() const override { return {size.x / zoomFactor, size.y / zoomFactor}; }
    Point viewSize() const override { return size; }
    Point visibleCentre() const override { return {pictureSize.x / 2, pictureSize.y / 2}; }
    void scrollTo(Point origin) override { shownOrigin = origin; }
    MeshPlug* mesh() const override { return nullptr; }
    Point stepMeshCell(Point, int) override { return {}; }
    void invalidate(const Rect& pixels) override { invalidated.push_back(pixels); }
    void track(std::unique_ptr<Visual::Tracker> tracker, const Visual::MouseEvent& press) override
    {
        m_tracker = std::move(tracker);
        m_tracker->sample(press);
        m_tracker->begin();
        pointerAt(press);
    }
    InformationDisplay* information() const override { return panel; }
    ColorPicker& colorPicker() override { return picker; }
    bool capsLock() const override { return capsLockOn; }
    void beep() override { ++beeps; }

    // Moves the pointer to the window pixel of dot with the button held; releases it there.
    void moveTo(Point dot, bool shift = false, bool control = false) { moveToPixel(pixelOf(dot), shift, control); }
    void moveToPixel(Point pixel, bool shift = false, bool control = false)
    {
        pointerAt({Visual::MouseEvent::move, pixel, shift, control, true});
    }
    void release(Point dot, bool shift = false, bool control = false) { releaseAtPixel(pixelOf(dot), shift, control); }
    void releaseAtPixel(Point pixel, bool shift = false, bool control = false)
    {
        pointerAt({Visual::MouseEvent::leftUp, pixel, shift, control});
    }
    static Visual::MouseEvent pressAt(Point pixel, bool shift = false, bool control = false)
    {
        return {Visual::MouseEvent::leftDown, pixel, shift, control, true};
    }
    Point pixelOf(Point dot) const { return dotToView(dot); }
    bool isTracking() const { return m_tracker != nullptr; }

private:
    void pointerAt(const Visual::MouseEvent& event)
    {
        if (!m_tracker)
            return;
        m_tracker->sample(event);
        if (m_tracker->continues()) {
            m_tracker->step();
            return;
        }
        m_tracker->end();
        m_tracker.reset();
    }

    std::unique_ptr<Visual::Tracker> m_tracker;
};
