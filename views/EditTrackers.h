#pragma once

#include "framework/Controllers.h"

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
class EyedropperTracker : public Visual::Tracker {
public:
    EyedropperTracker(EditView& view, bool background, bool rightButton)
        : m_view(view), m_background(background), m_rightButton(rightButton)
    {
    }
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override;
    bool continues() const override { return m_rightButton ? m_state.rightButton : m_state.leftButton; }
    void step() override;
    void end() override {}

private:
    EditView& m_view;
    bool m_background;
    bool m_rightButton;
    Visual::MouseEvent m_state{};
    Point m_last{-1, -1};
};
