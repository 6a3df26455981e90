#pragma once

#include "core/Dependent.h"
#include "framework/Window.h"

class MDIWorkSpace;

// A document window of the workspace. It follows its document: the caption is the document's, a
// close asks the document first, and it comes to the front when the document is opened again.
// Letting go of the document when it closes destroys a document that has no other window.
class ScheduledWindow : public Window, public Dependent {
public:
    ScheduledWindow(MDIWorkSpace& workspace, Model& document);

    void* valueFor(const Aspect* aspect) override;
    Model* document() const { return model(); }
    // The client area, where the document's views go.
    QWidget* client() const { return m_client; }
    // Makes content (a window made inside client()) fill the client area; the window then answers
    // for it the aspects it does not answer itself, so commands reach the views first.
    void setContent(Window& content);

    void update() override;
    void update(const Aspect* aspect) override;

protected:
    bool closeRequested() override;
    void nativeDestroyed() override;

private:
    MDIWorkSpace& m_workspace;
    QWidget* m_client;
    Window* m_content = nullptr;
};
