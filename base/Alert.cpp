#include "base/Alert.h"

#include "base/ErrorCodes.h"
#include "base/ServiceSlot.h"
#include "base/Utf8.h"
#include "resources/StringTable.h"

#include <array>
#include <cstdio>

namespace {

// The limits were set in bytes for a double-byte encoding; here they count characters, so that no
// table text is ever cut and no character split.
constexpr size_t maxMessageChars = 127;
constexpr size_t maxExpandedChars = 255;
constexpr std::string_view defaultTitle = "Alert";

class StandardErrorMessages : public MessageBoxService {
public:
    int show(const MessageRequest& request) override
    {
        std::fprintf(stderr, "%s\n%s\n", request.title.c_str(), request.body.c_str());
        switch (request.flags & alertFlags::buttonsMask) {
        case alertFlags::ok: return alertAnswer::ok;
        case alertFlags::yesNo: return alertAnswer::no;
        default: return alertAnswer::cancel;
        }
    }
};

StandardErrorMessages g_standardError;
ServiceSlot<MessageBoxService> g_service;
std::array<std::optional<std::string>, 4> g_args;

std::string expand(std::string_view body)
{
    std::string text;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '^' && i + 1 < body.size() && body[i + 1] >= '0' && body[i + 1] <= '3') {
            if (const auto& arg = g_args[body[i + 1] - '0'])
                text += *arg;
            ++i;
        } else {
            text += body[i];
        }
    }
    return std::string(utf8::firstChars(text, maxExpandedChars));
}

int show(int messageId, std::string_view body, std::string_view title, uint32_t flags)
{
    MessageBoxService* service = g_service ? g_service.get() : &g_standardError;
    return service->show({messageId, std::string(title), expand(body), flags | alertFlags::foreground});
}

} // namespace

MessageBoxService* installMessageBoxService(MessageBoxService* service)
{
    return g_service.install(service);
}

// '%' is a single byte that never occurs inside a UTF-8 multi-byte character, so a byte search
// finds exactly the '%' characters.
AlertText parseAlertText(std::string_view text)
{
    AlertText parsed{std::string(defaultTitle), std::string(text), 0};
    if (text.empty() || text.front() != '%')
        return parsed;
    std::string_view rest = text.substr(1);
    if (!rest.empty() && rest.front() == '%') {
        parsed.body = rest;
        return parsed;
    }
    if (!rest.empty() && rest.front() >= '0' && rest.front() <= '2') {
        constexpr uint32_t icons[] = {alertFlags::iconStop, alertFlags::iconExclamation, alertFlags::iconInformation};
        parsed.iconFlags = icons[rest.front() - '0'];
        rest.remove_prefix(1);
    }
    size_t separator = rest.find('%');
    if (separator == std::string_view::npos) {
        parsed.body = rest;
        return parsed;
    }
    if (separator > 0)
        parsed.title = rest.substr(0, separator);
    parsed.body = rest.substr(separator + 1);
    return parsed;
}

int alert(int messageId, uint32_t buttonFlags)
{
    AlertText text = parseAlertText(utf8::firstChars(loadString(messageId), maxMessageChars));
    return show(messageId, text.body, text.title, buttonFlags | text.iconFlags);
}

void setAlertArgs(std::optional<std::string> a0, std::optional<std::string> a1, std::optional<std::string> a2,
                  std::optional<std::string> a3)
{
    g_args = {std::move(a0), std::move(a1), std::move(a2), std::move(a3)};
}

int showMessage(std::string_view body, std::string_view title, uint32_t flags)
{
    return show(0, body, title, flags);
}

int messageForError(int32_t code, int messageId)
{
    switch (code) {
    case errorOutOfMemory:
    case systemError(systemNotEnoughMemory): return messages::outOfMemory;
    case errorReadFailed:
    case systemError(systemReadFault): return messages::readFailed;
    case errorWriteFailed:
    case systemError(systemWriteFault): return messages::writeFailed;
    case errorFileTooShort: return messages::fileTooShort;
    case errorDiskFull: return messages::diskFull;
    case systemError(systemWriteProtected): return messages::writeProtected;
    case systemError(systemAccessDenied): return messages::accessDenied;
    }
    if (messageId != 0)
        return messageId;
    return code < errorSystemBase ? messages::systemError : messages::internalError;
}

int32_t errorNumber(int32_t code)
{
    return code < errorSystemBase ? errorSystemBase - code : code;
}

void reportError(int32_t code, int messageId, std::optional<std::string> name)
{
    if (code == errorNone || code == errorQuiet)
        return;
    setAlertArgs(std::to_string(errorNumber(code)), std::move(name));
    alert(messageForError(code, messageId), alertFlags::ok);
    setAlertArgs();
}
