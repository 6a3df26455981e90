#pragma once

#include <utility>

// Where the one installed implementation of a platform service is kept: the editor installs its own
// at start-up, and a test installs a scripted one for a while and then puts back what it replaced.
template <class Service>
class ServiceSlot {
public:
    // Installs service (null for none) and answers the one it replaces.
    Service* install(Service* service) { return std::exchange(m_service, service); }
    Service* get() const { return m_service; }
    Service* operator->() const { return m_service; }
    explicit operator bool() const { return m_service != nullptr; }

private:
    Service* m_service = nullptr;
};
