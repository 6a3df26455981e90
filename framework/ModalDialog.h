#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class DialogControl;
class DialogPage;
class NativeDialog;
class QObject;
class QWidget;
class Window;
struct DialogTemplate;

class ModalDialog;

// Drives modal dialogs where no person sits in front of them. Tests install one; it is handed each
// dialog once the dialog is shown and its modal loop runs, and may type, press and end it there.
class ModalScript {
public:
    virtual void run(ModalDialog& dialog) = 0;

protected:
    ~ModalScript() = default;
};

ModalScript* installModalScript(ModalScript* script);

// A dialog that runs modally and ends with a result: OK (1), Cancel (2), or -1 before it ends. Its
// controls come from templates, on one page or on the tabs of a property sheet.
class ModalDialog {
public:
    virtual ~ModalDialog();
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Shows the dialog with the focus in its first control that takes it (an edit field with its whole
    // text selected) and delivers events until the dialog ends. Answers the result. A dialog that an
    // installed script leaves open is cancelled.
    int runModal();
    // While the dialog runs, window (a view it picks colours from) still takes the mouse; every
    // other window stays blocked. Null, the default, blocks them all.
    void leaveOpenToMouse(Window* window) { m_openToMouse = window; }
    // The dialog opens centred over the active window every time, wherever it was moved before.
    void openAtDefaultPlace() { m_remembersPlace = false; }
    // Hears every key pressed anywhere in the dialog, repeats included, before the control with the
    // focus gets it: its key number (resources/VirtualKey.h, a keypad key its digit in either Num Lock
    // state) and Accelerator modifiers. Answering true eats the key. Keys without a number, and keys
    // in an open drop-down list, are not heard.
    void onKey(std::function<bool(uint32_t key, uint8_t modifiers)> handler);
    // Ends the dialog with result. OK first validates every control in order: the first that refuses
    // takes the focus and the dialog stays open; otherwise every adaptor writes what was entered.
    void endModal(int result);

    int result() const { return m_result; }
    bool isOpen() const;
    // The title bar's text.
    std::string caption() const;

    int pageCount() const { return int(m_pages.size()); }
    DialogPage& page(int index) const { return *m_pages.at(size_t(index)); }
    // The page shown; a dialog without tabs has only page 0.
    virtual int currentPage() const { return 0; }
    // The control that has the keyboard focus, or null.
    DialogControl* focusedControl() const;

    // Presses OK (1) or Cancel (2) the way the user would.
    virtual void press(int buttonId) = 0;

protected:
    // placeKey names the dialog's place, which is remembered from one opening to the next for the run
    // of the program; until it has been shown once, it opens centred over the active window.
    explicit ModalDialog(std::string placeKey);

    NativeDialog& native() const { return *m_native; }
    DialogPage& addPage(const DialogTemplate& layout, QWidget* parent);
    virtual void showPage(int index) { (void)index; }

private:
    std::string m_placeKey;
    NativeDialog* m_native;
    std::vector<std::unique_ptr<DialogPage>> m_pages;
    Window* m_openToMouse = nullptr;
    bool m_remembersPlace = true;
    int m_result = -1;
    std::function<bool(uint32_t, uint8_t)> m_key;
    // Installed on the application with the first key hook, so that it sees keys before any widget.
    std::unique_ptr<QObject> m_keyFilter;
};
