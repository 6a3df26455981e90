#pragma once

#include <ostream>
#include <span>
#include <string>

class BitmapDocument;

// What the steps of the edit command share: the picture, and what the editor keeps in its tools.
struct EditState {
    BitmapDocument& document;
    // Where notes on a step go, after the command's name.
    std::ostream& err;
    const char* command;
    int pen = 0;
    int32_t width = 1;
};

// One step of the edit command: its option, whether a value follows it (an optional one is taken
// only when it reads as X,Y), and what it does. A value it cannot understand throws BadArgument, a
// step the editor would refuse throws StepFailed (cli/StepArguments.h).
struct EditStep {
    enum class Value { none, required, optionalPoint };
    const char* option;
    Value value;
    void (*run)(EditState& state, const std::string& value, const std::string& option);
};

// The steps by kind, and their lines of the usage text.
std::span<const EditStep> settingSteps();
std::span<const EditStep> selectionSteps();
std::span<const EditStep> drawingSteps();
std::span<const EditStep> imageSteps();
std::span<const EditStep> paletteSteps();

extern const char* const settingStepsUsage;
extern const char* const selectionStepsUsage;
extern const char* const drawingStepsUsage;
extern const char* const imageStepsUsage;
extern const char* const paletteStepsUsage;

// The selection an image step acts on; StepFailed without one, where the editor's command is off.
void needSelection(const BitmapDocument& document, const std::string& option);
