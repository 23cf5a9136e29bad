#include "support/recordingmessages.h"

RecordingMessages::RecordingMessages()
{
    core::setMessages(this);
}

RecordingMessages::~RecordingMessages()
{
    core::setMessages(nullptr);
}

bool RecordingMessages::confirm(const QString &text)
{
    questions << text;
    return confirmAnswers.isEmpty() ? false : confirmAnswers.takeFirst();
}

bool RecordingMessages::inputText(const QString &, const QString &prompt, QString &value)
{
    questions << prompt;
    if (inputAnswers.isEmpty())
        return false;
    value = inputAnswers.takeFirst();
    return true;
}

bool RecordingMessages::openFileName(const QString &, const QString &filter, const QString &,
                                     QString &path)
{
    fileFilters << filter;
    if (fileAnswers.isEmpty())
        return false;
    path = fileAnswers.takeFirst();
    return true;
}

void RecordingMessages::clear()
{
    errors.clear();
    warnings.clear();
    informations.clear();
    questions.clear();
    confirmAnswers.clear();
    inputAnswers.clear();
    fileFilters.clear();
    fileAnswers.clear();
    saveAnswers.clear();
}
