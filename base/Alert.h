#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Message-box flags and answers, as the alert texts and their callers use them.
namespace alertFlags {
constexpr uint32_t ok = 0;
constexpr uint32_t okCancel = 1;
constexpr uint32_t yesNoCancel = 3;
constexpr uint32_t yesNo = 4;
constexpr uint32_t buttonsMask = 0xF;
constexpr uint32_t iconStop = 0x10;
constexpr uint32_t iconExclamation = 0x30;
constexpr uint32_t iconInformation = 0x40;
constexpr uint32_t iconMask = 0xF0;
constexpr uint32_t foreground = 0x10000;
} // namespace alertFlags

namespace alertAnswer {
constexpr int ok = 1;
constexpr int cancel = 2;
constexpr int yes = 6;
constexpr int no = 7;
} // namespace alertAnswer

// One message box as the user is to see it. messageId is the string-table id the text came from, or 0
// for a text given directly.
struct MessageRequest {
    int messageId = 0;
    std::string title;
    std::string body;
    uint32_t flags = 0;
};

// Shows message boxes. The editor installs one on the platform at start-up and tests install a
// scripted one; without any, the text goes to standard error and the answer is the cautious one.
class MessageBoxService {
public:
    virtual int show(const MessageRequest& request) = 0;

protected:
    ~MessageBoxService() = default;
};

// Installs service (null restores the default) and answers the one it replaces.
MessageBoxService* installMessageBoxService(MessageBoxService* service);

// An alert text split into what the box shows: "%d" picks the icon (0 stop, 1 exclamation,
// 2 information), the text up to the next "%" is the title ("Alert" when there is none) and the rest
// the body; "%%" keeps the body's own percent sign.
struct AlertText {
    std::string title;
    std::string body;
    uint32_t iconFlags = 0;
};
AlertText parseAlertText(std::string_view text);

// Shows string messageId: "%d" picks the icon (0 stop, 1 exclamation, 2 information), the text up to
// the next "%" is the title, and the rest the body.
int alert(int messageId, uint32_t buttonFlags);

// The substitution strings for ^0 to ^3 of the next alerts; a missing one removes its point.
void setAlertArgs(std::optional<std::string> a0 = {}, std::optional<std::string> a1 = {},
                  std::optional<std::string> a2 = {}, std::optional<std::string> a3 = {});

int showMessage(std::string_view body, std::string_view title, uint32_t flags);

// Shows the message for an error code: the code's own message, else messageId, else a generic one.
// Codes 0 and 1 show nothing.
void reportError(int32_t code, int messageId, std::optional<std::string> name);

// The message reportError shows for code, and the number it puts in ^0.
int messageForError(int32_t code, int messageId);
int32_t errorNumber(int32_t code);
