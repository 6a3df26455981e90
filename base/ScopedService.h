#pragma once

#include <type_traits>

// Installs a service through its install function for the life of the object and then puts back the
// one it replaced. A scripted service holds one as its last member, so that it is installed only while
// whole: ScopedService<installKeyState> m_installed{this};
template <auto install>
class ScopedService {
public:
    using Service = std::remove_pointer_t<decltype(install(nullptr))>;

    explicit ScopedService(Service* service) : m_previous(install(service)) {}
    ~ScopedService() { install(m_previous); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

private:
    Service* m_previous;
};
