#pragma once

#include <cstdint>
#include <optional>
#include <string>

class BitmapDocument;

// Where a picture is to be saved: a full path and the index of its format in the format table.
struct SaveTarget {
    std::string path;
    int32_t format = 0;
};

// What the filing flows that start inside a document (a save without a file, a close with changes)
// ask the user. The level that shows dialogs installs its one implementation at start-up; with none
// installed, both questions are cancelled.
class FilingQuestions {
public:
    // Asks for the file and format to save document as; nothing when cancelled.
    virtual std::optional<SaveTarget> chooseSaveTarget(const BitmapDocument& document) = 0;
    // Asks whether to save the changes of the picture titled title: an alertAnswer, yes, no or cancel.
    virtual int askSaveChanges(const std::string& title) = 0;

protected:
    ~FilingQuestions() = default;
};

FilingQuestions* installFilingQuestions(FilingQuestions* questions);
// The installed questions, or null.
FilingQuestions* filingQuestions();
