#pragma once

#include "core/Aspect.h"

class Model;

// The observer side of a Model: views, panels and control adaptors follow one model each.
class Dependent {
public:
    Dependent() = default;
    Dependent(const Dependent&) = delete;
    Dependent& operator=(const Dependent&) = delete;

    virtual void update() {}
    virtual void update(const Aspect* aspect) { (void)aspect; }
    // The model is being destroyed: forget it without touching it.
    virtual void modelReleased();
    virtual ~Dependent();
    virtual void afterModelReleased() {}

    // Moves from the old model to m and then re-reads everything through update().
    void setModel(Model* m);
    Model* model() const { return m_model; }

private:
    Model* m_model = nullptr;
};
