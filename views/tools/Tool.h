#pragma once

#include "framework/Controllers.h"
#include "views/InformationDisplay.h"

#include <optional>
#include <string>

class GraphicsContext;
class MenuState;
class ToolEnvironment;

// The keys held with a pointer event, and the dot under the pointer, as a tool's pointer rules
// read them.
struct ToolKeys {
    ToolKeys(bool shift = false, bool control = false, Point dot = {}) : shift(shift), control(control), dot(dot) {}

    bool shift;
    bool control;
    Point dot;
};

// One tool of the tool box as it works in one edit view. It sees the view only through its
// environment, so a test can drive it with a fake one.
class Tool {
public:
    explicit Tool(ToolEnvironment& environment) : m_environment(environment) {}
    virtual ~Tool() = default;
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    // The pointer over the picture, by resource name; "" is the platform arrow.
    virtual std::string pointer(const ToolKeys& keys) const = 0;
    // A left press (or double click) at a window point; presses outside the picture are the tool's
    // to ignore.
    virtual void press(const Visual::MouseEvent& event) = 0;
    // A key while the tool is current; answers whether the tool took it.
    virtual bool key(const Visual::KeyEvent&) { return false; }
    // A view command offered to the tool first; answers whether it took it.
    virtual bool command(uint32_t) { return false; }
    // Enables the view commands the tool takes in its present state.
    virtual void menuOpening(MenuState&) {}
    // Draws the tool's marks over the picture.
    virtual void paintOver(GraphicsContext&) {}
    // The tool's command given again while it is current: its options dialog, if it has one.
    virtual bool openOptions() { return false; }
    // The tool becomes current, or stops being current.
    virtual void activate() {}
    virtual void deactivate() {}
    // Which of the footprint and colour sub-panels of the information panel the tool shows while
    // it is current; the others are hidden.
    virtual InformationDisplay::Subs informationSubs() const { return 0; }
    // What the information panel shows for the tool with the pointer over dot (nothing: off the
    // picture).
    virtual void reportInformation(InformationDisplay&, std::optional<Point>) {}

protected:
    ToolEnvironment& environment() const { return m_environment; }

private:
    ToolEnvironment& m_environment;
};
