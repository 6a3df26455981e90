#pragma once

#include "base/Alert.h"

// Shows alerts as the desktop's message boxes, modal over the whole program, with the icon and the
// buttons the flags ask for.
class DesktopMessageBox : public MessageBoxService {
public:
    int show(const MessageRequest& request) override;
};
