#pragma once

#include "views/tools/Tool.h"

#include <functional>

// A tool of the tool box whose editing comes later: for now it shows its pointer and ignores presses.
class PendingTool : public Tool {
public:
    using PointerRule = std::function<std::string(const ToolEnvironment&, const ToolKeys&)>;

    PendingTool(ToolEnvironment& environment, PointerRule rule) : Tool(environment), m_rule(std::move(rule)) {}

    std::string pointer(const ToolKeys& keys) const override { return m_rule(environment(), keys); }
    void press(const Visual::MouseEvent&) override {}

private:
    PointerRule m_rule;
};
