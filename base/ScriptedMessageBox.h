#pragma once

#include "base/Alert.h"
#include "base/ScopedService.h"

#include <deque>
#include <vector>

// A message-box service for tests: records every request and answers from a script, or with the
// first button of the box when the script has run out.
class ScriptedMessageBox : public MessageBoxService {
public:
    void answerNext(int answer) { m_answers.push_back(answer); }
    const std::vector<MessageRequest>& requests() const { return m_requests; }
    std::vector<int> messageIds() const;

    int show(const MessageRequest& request) override;

private:
    std::deque<int> m_answers;
    std::vector<MessageRequest> m_requests;
    ScopedService<installMessageBoxService> m_installed{this};
};
