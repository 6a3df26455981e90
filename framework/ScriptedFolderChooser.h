#pragma once

#include "base/ScopedService.h"
#include "framework/FolderChooser.h"

#include <deque>
#include <vector>

// A folder chooser for tests: each request takes the next scripted answer (nothing = Cancel) and
// records the folder it was to start in.
class ScriptedFolderChooser : public FolderChooserService {
public:
    void answerNext(std::optional<std::string> folder) { m_answers.push_back(std::move(folder)); }
    const std::vector<std::string>& requests() const { return m_requests; }

    std::optional<std::string> choose(const std::string& initialFolder) override
    {
        m_requests.push_back(initialFolder);
        if (m_answers.empty())
            return std::nullopt;
        std::optional<std::string> folder = m_answers.front();
        m_answers.pop_front();
        return folder;
    }

private:
    std::deque<std::optional<std::string>> m_answers;
    std::vector<std::string> m_requests;
    ScopedService<installFolderChooser> m_installed{this};
};
