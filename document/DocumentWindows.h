#pragma once

class Model;

// Opens and raises the windows of documents. The editor's workspace installs itself here; tests
// install a recorder.
class DocumentWindowService {
public:
    virtual void openWindow(Model& document) = 0;

protected:
    ~DocumentWindowService() = default;
};

DocumentWindowService* installDocumentWindows(DocumentWindowService* service);
// Opens a window for document through the installed service; without one nothing opens.
void openDocumentWindow(Model& document);
