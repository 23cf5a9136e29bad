#pragma once

#include <QString>

namespace core {

// The one way the program's logic puts a message box or a question in front of
// the operator. The console installs a QMessageBox-based implementation; tests
// install one that records what was shown and answers from a queue.
class Messages
{
public:
    virtual ~Messages() = default;
    virtual void error(const QString &text) = 0;
    virtual void warning(const QString &text) = 0;
    virtual void information(const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const QString &text) = 0;
    // A text prompt; false when the operator cancelled.
    virtual bool inputText(const QString &caption, const QString &prompt, QString &value) = 0;
    // A text prompt whose entry is hidden, for passwords; false when cancelled.
    virtual bool inputPassword(const QString &caption, const QString &prompt, QString &value)
    {
        return inputText(caption, prompt, value);
    }
    // A file-open dialog. filter: "Name (*.a *.A)"; defaultSuffix without the
    // dot. False when the operator cancelled; otherwise path is the chosen file.
    virtual bool openFileName(const QString &caption, const QString &filter,
                              const QString &defaultSuffix, QString &path)
    {
        Q_UNUSED(caption);
        Q_UNUSED(filter);
        Q_UNUSED(defaultSuffix);
        Q_UNUSED(path);
        return false;
    }

    // Yes, No or Cancel: whether changes not yet saved are to be saved.
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer askToSave(const QString &text)
    {
        return confirm(text) ? SaveAnswer::Save : SaveAnswer::Discard;
    }
};

// Messages that go nowhere: used until a console or a test installs its own.
class SilentMessages : public Messages
{
public:
    void error(const QString &) override {}
    void warning(const QString &) override {}
    void information(const QString &) override {}
    bool confirm(const QString &) override { return false; }
    bool inputText(const QString &, const QString &, QString &) override { return false; }
};

Messages &messages();
// Installs the message sink (nullptr restores the silent one). The caller keeps ownership.
void setMessages(Messages *sink);

} // namespace core
