#pragma once

#include "core/Dependent.h"

#include <functional>
#include <utility>

// Lets an object that already follows one model hear a second one: every notification of the model
// it is set to goes to heard (null for a full update).
class ModelFollower : public Dependent {
public:
    using Heard = std::function<void(const Aspect* aspect)>;

    explicit ModelFollower(Heard heard) : m_heard(std::move(heard)) {}

    // Starts following m without hearing the full update that setModel sends.
    void follow(Model* m)
    {
        m_quiet = true;
        setModel(m);
        m_quiet = false;
    }

    void update() override
    {
        if (!m_quiet)
            m_heard(nullptr);
    }
    void update(const Aspect* aspect) override { m_heard(aspect); }

private:
    Heard m_heard;
    bool m_quiet = false;
};
