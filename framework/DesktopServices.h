#pragma once

#include <string>

// Hands addresses and files to the programs the desktop opens them with (the browser, a viewer). The
// editor installs the desktop's own at start-up and tests a recording one; with none installed every
// request fails.
class DesktopServices {
public:
    // Each answers whether the desktop took the request.
    virtual bool openUrl(const std::string& url) = 0;
    virtual bool openFile(const std::string& path) = 0;

protected:
    ~DesktopServices() = default;
};

// Installs services (null for none) and answers the one it replaces.
DesktopServices* installDesktopServices(DesktopServices* services);
bool openUrl(const std::string& url);
bool openFile(const std::string& path);

// The desktop's handlers for addresses and files, found by the address's scheme and the file's type.
class PlatformDesktopServices : public DesktopServices {
public:
    bool openUrl(const std::string& url) override;
    bool openFile(const std::string& path) override;
};
