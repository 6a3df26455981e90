#pragma once

#include "views/InformationDisplay.h"

#include <array>
#include <utility>
#include <vector>

// An information panel that keeps which sub-panels are shown and everything written to it, shown or
// not, in order.
struct RecordingInformation : InformationDisplay {
    void showSub(Sub sub) override { shown[sub] = true; }
    void hideSub(Sub sub) override { shown[sub] = false; }
    bool isSubShown(Sub sub) const override { return shown[sub]; }
    void hideAll() override { shown.fill(false); }
    void rebind(EditView* view) override { rebinds.push_back(view); }
    void showPosition(Point dot) override { positions.push_back(dot); }
    void showSelection(Point origin, Point size) override { selections.push_back(Rect::fromSize(origin, size)); }
    void showRotation(double radians) override { rotations.push_back(radians); }
    void showScale(const Rect& before, const Rect& after) override { scales.push_back({before, after}); }
    void showFootprint(Point dot) override { footprints.push_back(dot); }
    void showColor(ColorRef color) override { colors.push_back({color, shown[InformationDisplay::color]}); }

    std::array<bool, subCount> shown{true};
    std::vector<EditView*> rebinds;
    std::vector<Point> positions;
    std::vector<Rect> selections;
    std::vector<double> rotations;
    // Each frame with the rectangle it started from.
    std::vector<std::pair<Rect, Rect>> scales;
    std::vector<Point> footprints;
    // Each colour with whether its sub-panel was shown when it came.
    std::vector<std::pair<ColorRef, bool>> colors;
};
