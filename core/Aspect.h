#pragma once

// A notification symbol (an InterfaceAspect also names an interface). Aspects are compared by address
// only; the name is for people reading a debugger or a log and is never compared.
class Aspect {
public:
    explicit constexpr Aspect(const char* name) : m_name(name) {}
    Aspect(const Aspect&) = delete;
    Aspect& operator=(const Aspect&) = delete;

    constexpr const char* name() const { return m_name; }

private:
    const char* m_name;
};
