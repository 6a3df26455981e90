#pragma once

class QWidget;

// The common event procedure: one event filter that every bound native window passes through. It
// classifies the native events and hands them to the bound Window.
namespace WindowEvents {

void watch(QWidget* handle);
void unwatch(QWidget* handle);

} // namespace WindowEvents
