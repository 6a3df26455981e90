#include "base/ScriptedMessageBox.h"

std::vector<int> ScriptedMessageBox::messageIds() const
{
    std::vector<int> ids;
    for (const MessageRequest& request : m_requests)
        ids.push_back(request.messageId);
    return ids;
}

int ScriptedMessageBox::show(const MessageRequest& request)
{
    m_requests.push_back(request);
    if (!m_answers.empty()) {
        int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    switch (request.flags & alertFlags::buttonsMask) {
    case alertFlags::yesNo:
    case alertFlags::yesNoCancel: return alertAnswer::yes;
    default: return alertAnswer::ok;
    }
}
