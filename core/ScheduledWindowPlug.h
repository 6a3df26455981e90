#pragma once

#include <string>

// What a document window asks of its document: the caption to show, and whether it may close.
// A document answers ScheduledWindow::Plug::access with it.
class ScheduledWindowPlug {
public:
    virtual std::string caption() const = 0;
    virtual bool closeQuery() = 0;

protected:
    ~ScheduledWindowPlug() = default;
};
