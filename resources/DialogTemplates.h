#pragma once

#include <string_view>
#include <vector>

// What a dialog, property-sheet page or panel is made of, kept as data. Positions and sizes are in
// dialog units: a quarter of the dialog font's average character width across, an eighth of its height
// down; a panel's template, whose controls are pictures of fixed size, gives them in pixels.

enum class ControlKind {
    StaticText,
    // A number shown in a sunken box that only its up-down changes.
    ValueText,
    GroupBox,
    Edit,
    PushButton,
    DefaultPushButton,
    RadioButton,
    UpDown,
    ColorSwatch,
    // An area the program draws itself: the dialog's code puts a Visual::Component there.
    Component,
    // A drop-down list to pick one item from; nothing can be typed into it.
    ComboBox,
    // A horizontal slider with tick marks below it, for a number within a range.
    TrackBar,
};

// The id of controls that nobody looks up: labels and frames.
constexpr int staticControlId = -1;

// The ids of the buttons that end a dialog.
constexpr int okButtonId = 1;
constexpr int cancelButtonId = 2;

struct ControlTemplate {
    ControlKind kind;
    int id;
    const char* text;
    int x;
    int y;
    int width;
    int height;
    // Starts a new group of radio buttons; the buttons after it, up to the next start, exclude each other.
    bool groupStart = false;
};

struct DialogTemplate {
    const char* name;
    const char* caption;
    int width;
    int height;
    std::vector<ControlTemplate> controls;
    // Positions and sizes are pixels, not dialog units.
    bool pixels = false;
};

// The template called name ("NEW_DIALOG", "BACKUP_PAGE", ...), or null.
const DialogTemplate* findDialogTemplate(std::string_view name);
