#pragma once

#include "core/Aspect.h"

// An aspect that names an interface: valueFor answers it with an Interface*, and interfaceFor asks
// for that type only. Like every aspect it is one global, compared by its address.
template <class Interface>
class InterfaceAspect : public Aspect {
public:
    explicit constexpr InterfaceAspect(const char* name) : Aspect(name) {}
};
