#include "document/FilingQuestions.h"

#include "base/ServiceSlot.h"

namespace {
ServiceSlot<FilingQuestions> g_questions;
}

FilingQuestions* installFilingQuestions(FilingQuestions* questions)
{
    return g_questions.install(questions);
}

FilingQuestions* filingQuestions()
{
    return g_questions.get();
}
