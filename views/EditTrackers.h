#pragma once

#include "framework/Controllers.h"

#include <functional>

class EditView;

// Drags the picture: the dot grabbed stays under the pointer, and the picture never leaves the view
// entirely.
class HandTracker : public Visual::Tracker {
public:
    explicit HandTracker(EditView& view) : m_view(view) {}
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override;
    bool continues() const override { return m_state.leftButton; }
    void step() override;
    void end() override;

private:
    EditView& m_view;
    Visual::MouseEvent m_state{};
    Point m_grabbed;
};

// Picks the colour under the pointer on the press and at every new dot while the button is held.
class PickTracker : public Visual::Tracker {
public:
    PickTracker(EditView& view, std::function<void(Point dot)> pick, bool rightButton)
        : m_view(view), m_pick(std::move(pick)), m_rightButton(rightButton)
    {
    }
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override;
    bool continues() const override { return m_rightButton ? m_state.rightButton : m_state.leftButton; }
    void step() override;
    void end() override {}

private:
    EditView& m_view;
    std::function<void(Point dot)> m_pick;
    bool m_rightButton;
    Visual::MouseEvent m_state{};
    Point m_last{-1, -1};
};
