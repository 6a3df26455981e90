#pragma once

#include "base/ScopedService.h"
#include "framework/FileDialogs.h"

#include <deque>
#include <vector>

// File dialogs for tests: each dialog takes the next scripted answer (nothing = Cancel); a save
// dialog whose choice is refused takes the next answer, as a user trying again would.
class ScriptedFileDialogs : public FileDialogService {
public:
    void answerNext(std::optional<FileChoice> choice) { m_answers.push_back(std::move(choice)); }
    const std::vector<FileDialogRequest>& requests() const { return m_requests; }

    std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) override
    {
        m_requests.push_back(request);
        std::optional<FileChoice> choice = next();
        return choice ? std::optional<std::string>(choice->path) : std::nullopt;
    }

    std::optional<FileChoice> chooseSaveFile(const FileDialogRequest& request,
                                             const std::function<bool(const FileChoice&)>& accept) override
    {
        m_requests.push_back(request);
        while (std::optional<FileChoice> choice = next())
            if (accept(*choice))
                return choice;
        return std::nullopt;
    }

private:
    std::optional<FileChoice> next()
    {
        if (m_answers.empty())
            return std::nullopt;
        std::optional<FileChoice> choice = m_answers.front();
        m_answers.pop_front();
        return choice;
    }

    std::deque<std::optional<FileChoice>> m_answers;
    std::vector<FileDialogRequest> m_requests;
    ScopedService<installFileDialogs> m_installed{this};
};
