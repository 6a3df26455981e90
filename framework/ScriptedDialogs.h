#pragma once

#include "base/ScopedService.h"
#include "framework/ModalDialog.h"

#include <deque>
#include <functional>

// Drives the modal dialogs of a test: each dialog that runs takes the next scripted step, which acts
// on it as a user would (types into controls, presses OK). A dialog with no step left, or one that its
// step leaves open, is cancelled.
class ScriptedDialogs : public ModalScript {
public:
    using Step = std::function<void(ModalDialog&)>;

    void answerNext(Step step) { m_steps.push_back(std::move(step)); }
    int shownCount() const { return m_shown; }

    void run(ModalDialog& dialog) override
    {
        ++m_shown;
        if (m_steps.empty())
            return;
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step(dialog);
    }

private:
    std::deque<Step> m_steps;
    int m_shown = 0;
    ScopedService<installModalScript> m_installed{this};
};
