#pragma once

#include "base/Color.h"

#include <optional>

// Asks the user for a colour. The editor installs the desktop's colour dialog at start-up and tests a
// scripted chooser; with none installed every request is cancelled.
class ColorChooserService {
public:
    // The chosen RGB colour, or nothing when the user cancelled.
    virtual std::optional<ColorRef> choose(ColorRef initial) = 0;

protected:
    ~ColorChooserService() = default;
};

ColorChooserService* installColorChooser(ColorChooserService* service);
std::optional<ColorRef> chooseColor(ColorRef initial);

// The desktop's colour dialog, fully opened, modal over the program; its 16 custom colours are
// shared by every use in the process.
class DesktopColorChooser : public ColorChooserService {
public:
    std::optional<ColorRef> choose(ColorRef initial) override;
};
