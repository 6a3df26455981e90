#include "document/FilingObject.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "core/Aspects.h"
#include "document/FilingQuestions.h"

void FilingObject::setTitle(const std::string& title)
{
    m_title = title;
    changed(&aspects::ScheduledWindow::Plug::access);
}

bool FilingObject::setFile(const FilePath& file)
{
    try {
        readFrom(file);
    } catch (...) {
        reportReadFailure(currentError(), file);
        return false;
    }
    afterFileChanged(file);
    changed();
    return true;
}

bool FilingObject::save()
{
    if (!m_file)
        return saveAs();
    return !m_modified || saveTo(*m_file);
}

bool FilingObject::saveTo(const FilePath& file)
{
    try {
        writeTo(file);
    } catch (...) {
        reportWriteFailure(currentError(), file);
        return false;
    }
    afterFileChanged(file);
    return true;
}

void FilingObject::afterFileChanged(const FilePath& file)
{
    m_file = file;
    m_modified = false;
    setTitle(std::string(file.name()));
}

bool FilingObject::confirmSave()
{
    FilingQuestions* questions = filingQuestions();
    int answer = questions ? questions->askSaveChanges(m_title) : alertAnswer::cancel;
    if (answer == alertAnswer::yes)
        return save();
    return answer == alertAnswer::no;
}

bool FilingObject::closeQuery()
{
    return !m_modified || confirmSave();
}

void* FilingObject::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::FilingObject::access)
        return offer<FilingObject>(this);
    return nullptr;
}
