#pragma once

#include "base/ScopedService.h"
#include "framework/ColorChooser.h"

#include <deque>
#include <vector>

// A colour chooser for tests: each request takes the next scripted answer (nothing = Cancel) and
// records the colour it was to start from.
class ScriptedColorChooser : public ColorChooserService {
public:
    void answerNext(std::optional<ColorRef> color) { m_answers.push_back(color); }
    const std::vector<ColorRef>& requests() const { return m_requests; }

    std::optional<ColorRef> choose(ColorRef initial) override
    {
        m_requests.push_back(initial);
        if (m_answers.empty())
            return std::nullopt;
        std::optional<ColorRef> color = m_answers.front();
        m_answers.pop_front();
        return color;
    }

private:
    std::deque<std::optional<ColorRef>> m_answers;
    std::vector<ColorRef> m_requests;
    ScopedService<installColorChooser> m_installed{this};
};
