#pragma once

#include "base/BusyPointer.h"

// The wait pointer as the application's override cursor.
class DesktopBusyPointer : public BusyPointerService {
public:
    void showWait() override;
    void restore() override;
    void discardInput() override;
};
