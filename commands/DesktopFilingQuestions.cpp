#include "commands/DesktopFilingQuestions.h"

#include "base/Alert.h"
#include "commands/SaveAsDialog.h"
#include "resources/StringTable.h"

std::optional<SaveTarget> DesktopFilingQuestions::chooseSaveTarget(const BitmapDocument& document)
{
    return ::chooseSaveTarget(document);
}

int DesktopFilingQuestions::askSaveChanges(const std::string& title)
{
    setAlertArgs(title);
    int answer = alert(messages::saveChanges, alertFlags::yesNoCancel);
    setAlertArgs();
    return answer;
}
