#pragma once

class ColorSelectionModel;

// What a header strip of a palette grid drives: its cell n stands for row n or column n of the
// selection, so one header class serves both strips.
class HeaderSelectionPlug {
public:
    enum class Line { row, column };

    HeaderSelectionPlug(ColorSelectionModel& selection, Line line) : m_selection(selection), m_line(line) {}

    // A plain press on cell n.
    void selectOnly(int n);
    // A press on cell n with Shift or Ctrl, or a Shift-drag entering it; ctrl as at the press.
    void add(int n, bool ctrl);

private:
    ColorSelectionModel& m_selection;
    Line m_line;
};
