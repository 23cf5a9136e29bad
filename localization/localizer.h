#pragma once

#include "localization/locstorage.h"
#include "localization/resmodule.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace loc {

// One language the operator can choose.
struct TLFInfo
{
    quint16 language = 0;
    QString englishName;
    QString localizedName;
    QString fileName; // empty: built into the program
    bool native = false;
};

// Where the localizer finds the program's files and keeps the choice. The
// program passes its own; tests give temporary folders.
struct LocalizerOptions
{
    QString programFolder;  // empty: the executable's folder
    QString programName;    // file name stem of every language file; empty: the executable's name
    QString programFile;    // full file name naming the stored choice; empty: the executable
    QString settingsPath;   // the settings file holding section "Locales"
    QString languageFolder; // relative to the program folder; empty: the program folder
    // The program's own resources; null: those built into the program.
    QByteArray langsResource;
    QByteArray exeSettings;
    QByteArray libSettings;
};

// The run-time localizer: lists the languages, applies the chosen one to
// every open window and to every text looked up later, and keeps the choice
// for the next start. One per program; the widget side attaches the window
// translation, the error box and the language menu.
class TLocalizer : public QObject
{
    Q_OBJECT
public:
    explicit TLocalizer(LocalizerOptions options = {}, QObject *parent = nullptr);
    ~TLocalizer() override;

    // The program's localizer (the last one created and not yet destroyed).
    static TLocalizer *instance();

    // Start-up: the language list, the native data, the stored choice applied.
    // False (the error reported) when it failed; the program goes on in English.
    bool Initialize();
    // Switches to a language of the list, or to an installed one by identifier.
    // False (the error reported) when the switch did not happen.
    bool SwitchLanguage(quint16 language);

    bool initialized() const { return m_initialized; }
    const QList<TLFInfo> &languages() const { return m_languages; }
    quint16 currentLanguage() const { return m_current; }
    quint16 nativeLanguage() const;
    quint16 previousLanguage() const { return m_previous; }
    // The list entry of the current language (an empty entry when none).
    TLFInfo currentEntry() const;
    const TLocStorage &store() const { return m_store; }
    // The texts in use: the program's own or a language module's.
    const TResModule &moduleInUse() const;
    QString languageFolder() const { return m_folder; }
    QString modulePath(quint16 language) const;
    QString languageFilePath(const QString &abbreviation) const;
    QString storedChoice() const;
    // Language modules written since this localizer was made.
    int modulesGenerated() const { return m_generated; }

    // "Localizer Error": how an error reaches the operator. Unset: errors are
    // only counted.
    std::function<void(const QString &message)> reportError;
    // Translates every open window from moduleInUse(); set by the widget side.
    std::function<void()> translateOpenWindows;

    QStringList errorsReported() const { return m_errors; }
    // Shows message in the "Localizer Error" box (through reportError).
    void report(const QString &message);

signals:
    // After every switch made while the program runs (not during start-up).
    void languageSwitched(const loc::TLFInfo &entry);

private:
    struct LangData;
    void buildList();
    void loadNative();
    int entryIndex(quint16 language) const;
    LangData readLanguage(quint16 language);
    LangData readFile(const QString &path);
    void apply(const LangData &data);
    void loadColumn(quint16 language);
    void storeChoice(const QString &value);
    void useModule(std::shared_ptr<const TResModule> module);
    std::shared_ptr<const TResModule> programModule();
    QByteArray stampOf(const LangData &data) const;
    bool inStep(const TResModule &m) const;

    LocalizerOptions m_options;
    QString m_folder;
    QString m_programName;
    QString m_programFile;
    TLocStorage m_store;
    QList<TLFInfo> m_languages;
    quint16 m_current = 0;
    quint16 m_previous = 0;
    bool m_initializing = true;
    bool m_initialized = false;
    bool m_processReadingOrder = false;
    bool m_showOutOfDate = false;
    bool m_syncCheck = true;
    quint32 m_programVersion = 0;
    std::shared_ptr<const TResModule> m_program;
    std::shared_ptr<const TResModule> m_module;
    QStringList m_errors;
    QStringList m_pendingErrors;
    int m_generated = 0;
    struct Cached;
    std::unique_ptr<Cached> m_cache;
};

} // namespace loc

Q_DECLARE_METATYPE(loc::TLFInfo)
