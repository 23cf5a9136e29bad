#pragma once

#include "core/messages.h"

#include <QStringList>

#include <functional>

// Records every message shown and answers questions from queues. Install it
// in init() with core::setMessages(&sink) and clear it in cleanup().
class RecordingMessages : public core::Messages
{
public:
    RecordingMessages();
    ~RecordingMessages() override;

    void error(const QString &text) override
    {
        errors << text;
        if (whileErrorShown)
            whileErrorShown(); // what happens while the modal box waits for OK
    }
    void warning(const QString &text) override { warnings << text; }
    void information(const QString &text) override { informations << text; }
    bool confirm(const QString &text) override;
    bool inputText(const QString &caption, const QString &prompt, QString &value) override;
    bool openFileName(const QString &caption, const QString &filter, const QString &defaultSuffix,
                      QString &path) override;
    SaveAnswer askToSave(const QString &text) override
    {
        questions << text;
        return saveAnswers.isEmpty() ? SaveAnswer::Cancel : saveAnswers.takeFirst();
    }

    QStringList all() const { return errors + warnings + informations; }
    void clear();

    QStringList errors, warnings, informations, questions;
    QList<bool> confirmAnswers;   // next answers to confirm(); empty means No
    QStringList inputAnswers;     // next answers to inputText(); empty means Cancel
    QStringList fileFilters;      // the filter of every file dialog shown
    QStringList fileAnswers;      // next files chosen in file dialogs; empty means Cancel
    QList<SaveAnswer> saveAnswers; // next answers to askToSave(); empty means Cancel
    std::function<void()> whileErrorShown; // runs inside error(), as a nested event loop would
};
