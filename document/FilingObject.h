#pragma once

#include "base/FilePath.h"
#include "core/Model.h"

#include <optional>
#include <string>

// What a document is as a file: the file it was read from or saved to (none while untitled), its
// title, and whether it has changes that are not saved. The flows here ask the document to read and
// write, and report every failure to the user themselves; what they must ask the user goes through
// the installed FilingQuestions.
class FilingObject : public Model {
public:
    const std::optional<FilePath>& file() const { return m_file; }
    const std::string& title() const { return m_title; }
    void setTitle(const std::string& title);
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Reads file into the document and takes it as the document's file; false when that failed (and
    // was reported), in which case the document is as it was.
    bool setFile(const FilePath& file);
    // Saves to the document's file when there are changes; without a file, asks for one.
    bool save();
    bool saveTo(const FilePath& file);
    // Asks for a file and a format (through the installed FilingQuestions) and saves there.
    virtual bool saveAs() = 0;
    // Whether the document may close: a modified one asks to save first.
    bool closeQuery();

    void* valueFor(const Aspect* aspect) override;

protected:
    // Reads the picture from file; raises on failure, leaving the document as it was.
    virtual void readFrom(const FilePath& file) = 0;
    // Writes the picture to file; raises on failure.
    virtual void writeTo(const FilePath& file) = 0;
    virtual void afterFileChanged(const FilePath& file);
    // Reports a failed read or write of file with the message the code calls for.
    virtual void reportReadFailure(int32_t code, const FilePath& file) = 0;
    virtual void reportWriteFailure(int32_t code, const FilePath& file) = 0;
    // Asks whether to save the changes: true to close, false to stay open.
    virtual bool confirmSave();

private:
    std::optional<FilePath> m_file;
    std::string m_title;
    bool m_modified = false;
};
