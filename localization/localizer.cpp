#include "localization/localizer.h"

#include "localization/langerrors.h"
#include "localization/langfile.h"
#include "localization/langnames.h"
#include "localization/langresource.h"
#include "localization/lzq.h"
#include "localization/texts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>

namespace loc {

namespace {

TLocalizer *programLocalizer = nullptr;

QString withPath(QString message, const QString &path)
{
    return message.replace(QLatin1String("%s"), path);
}

bool meansNative(const QString &choice)
{
    // Anything but a plain abbreviation never names a file to read.
    static const QRegularExpression abbreviation(QStringLiteral("^[A-Za-z0-9]{1,8}$"));
    return !abbreviation.match(choice).hasMatch() ||
           choice.compare(QLatin1String("EXE"), Qt::CaseInsensitive) == 0 ||
           choice.compare(QLatin1String("NTV"), Qt::CaseInsensitive) == 0;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// A language's data as read for a switch: its header and the plain data set.
struct TLocalizer::LangData
{
    TLangInfo info;
    QByteArray plain;
};

// Files read during start-up, which reads the chosen language twice.
struct TLocalizer::Cached
{
    QHash<QString, LangData> files;
};

TLocalizer::TLocalizer(LocalizerOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_cache(std::make_unique<Cached>())
{
    qRegisterMetaType<loc::TLFInfo>();
    const QString exe = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    QString folder = m_options.programFolder.isEmpty() ? QFileInfo(exe).absolutePath() : m_options.programFolder;
    m_options.programFolder = QDir(folder).absolutePath();
    m_programName = m_options.programName.isEmpty() ? QFileInfo(exe).fileName() : m_options.programName;
    m_programFile = m_options.programFile.isEmpty() ? exe : m_options.programFile;
    if (m_options.langsResource.isNull())
        m_options.langsResource = builtin::langsResource();
    if (m_options.exeSettings.isNull())
        m_options.exeSettings = builtin::exeSettings();
    if (m_options.libSettings.isNull())
        m_options.libSettings = builtin::libSettings();
    programLocalizer = this;
}

TLocalizer::~TLocalizer()
{
    if (programLocalizer == this) {
        programLocalizer = nullptr;
        setTextTable(nullptr);
    }
}

TLocalizer *TLocalizer::instance()
{
    return programLocalizer;
}

quint16 TLocalizer::nativeLanguage() const
{
    return m_store.columnCount() > 0 ? m_store.columnLanguage(0) : quint16(9);
}

TLFInfo TLocalizer::currentEntry() const
{
    const int i = entryIndex(m_current);
    if (i >= 0)
        return m_languages[i];
    TLFInfo e;
    e.language = m_current;
    e.englishName = englishLanguageName(m_current);
    e.localizedName = nativeLanguageName(m_current);
    e.native = m_current == nativeLanguage();
    return e;
}

const TResModule &TLocalizer::moduleInUse() const
{
    static const TResModule none;
    return m_module ? *m_module : none;
}

QString TLocalizer::modulePath(quint16 language) const
{
    return QDir(m_options.programFolder)
        .filePath(m_programName + QLatin1Char('.') + languageAbbreviation(language));
}

QString TLocalizer::languageFilePath(const QString &abbreviation) const
{
    return QDir(m_folder).filePath(m_programName + QLatin1Char('.') + abbreviation + QStringLiteral(".lng"));
}

namespace {
// The settings file takes '/' as its group separator, so the program's path
// is written with backslashes.
QString choiceKey(const QString &programFile)
{
    return QStringLiteral("Locales/") + QString(programFile).replace(QLatin1Char('/'), QLatin1Char('\\'));
}
} // namespace

QString TLocalizer::storedChoice() const
{
    if (m_options.settingsPath.isEmpty())
        return {};
    return QSettings(m_options.settingsPath, QSettings::IniFormat).value(choiceKey(m_programFile)).toString();
}

void TLocalizer::storeChoice(const QString &value)
{
    if (m_options.settingsPath.isEmpty())
        return;
    const QString path = m_options.settingsPath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    // The file also holds the mail password: it keeps the owner-only access
    // it has (or gets it), even though the write replaces it.
    const bool existed = QFile::exists(path);
    const QFileDevice::Permissions before =
        existed ? QFile::permissions(path) : QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    {
        QSettings ini(path, QSettings::IniFormat);
        ini.setValue(choiceKey(m_programFile), value);
        ini.sync();
        if (ini.status() != QSettings::NoError)
            m_pendingErrors.append(loc::text("Unable to save the settings to ") + path);
    }
    QFile::setPermissions(path, before);
}

void TLocalizer::report(const QString &message)
{
    m_errors.append(message);
    if (reportError)
        reportError(message);
}

int TLocalizer::entryIndex(quint16 language) const
{
    for (qsizetype i = 0; i < m_languages.size(); ++i)
        if (m_languages[i].language == language)
            return int(i);
    return -1;
}

TLocalizer::LangData TLocalizer::readFile(const QString &path)
{
    if (m_initializing) {
        const auto it = m_cache->files.constFind(path);
        if (it != m_cache->files.cend())
            return *it;
    }
    const QByteArray raw = TLangFile::loadFile(path);
    LangData d;
    d.plain = TLZQCompressor::hasHeader(raw) ? TLZQCompressor::decode(raw) : raw;
    d.info = TLangFile::readHeader(d.plain);
    if (m_initializing)
        m_cache->files.insert(path, d);
    return d;
}

void TLocalizer::buildList()
{
    m_languages.clear();
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({m_programName + QStringLiteral(".*.lng")}, QDir::Files, QDir::Name);
    for (const QFileInfo &f : files) {
        TLangInfo h;
        try {
            // Only the header is needed; a file that cannot be read is left
            // out and reports its error when it is asked for.
            h = readFile(f.absoluteFilePath()).info;
        } catch (const ELocError &) {
            continue;
        }
        const int i = entryIndex(h.language);
        if (i < 0) {
            m_languages.append({h.language, h.englishName, h.localizedName, f.absoluteFilePath(), h.native});
        } else {
            m_languages[i].englishName = h.englishName;
            m_languages[i].fileName = f.absoluteFilePath();
            m_languages[i].native = h.native;
        }
    }
}

void TLocalizer::loadNative()
{
    m_store.clear();
    bool nativeFromFile = false;
    const QString ntv = languageFilePath(QStringLiteral("ntv"));
    if (QFile::exists(ntv)) {
        const LangData d = readFile(ntv);
        TLangFile::readNative(d.plain, &m_store);
        m_syncCheck = (d.info.language & 0x3FF) == 9;
        m_processReadingOrder = d.info.attributes & DataRightToLeft;
        nativeFromFile = true;
    }
    const QList<TBuiltinLanguage> builtins = TLangResource::languages(m_options.langsResource);
    for (const TBuiltinLanguage &b : builtins)
        if (entryIndex(b.language) < 0)
            m_languages.append({b.language, b.englishName, b.localizedName, QString(), b.native});
    if (!nativeFromFile) {
        const QByteArray plain = TLangResource::load(m_options.langsResource, 0);
        if (plain.isNull())
            throw ELocalizerError(withPath(loc::text("Language file \"%s\" is not found"), ntv));
        const TLangInfo info = TLangFile::readNative(plain, &m_store);
        m_processReadingOrder = info.attributes & DataRightToLeft;
        m_showOutOfDate = info.attributes & DataShowOutOfDate;
    }
    std::stable_sort(m_languages.begin(), m_languages.end(), [](const TLFInfo &a, const TLFInfo &b) {
        return a.englishName.compare(b.englishName, Qt::CaseInsensitive) < 0;
    });
}

std::shared_ptr<const TResModule> TLocalizer::programModule()
{
    if (!m_program) {
        auto m = std::make_shared<TResModule>(TResModule::generate(m_store, 0, false));
        m->strings.clear(); // the program's own texts need no table
        m->settings = TLocSettings::read(&m_options.exeSettings, "LEXE", m_programFile);
        m_program = std::move(m);
    }
    return m_program;
}

void TLocalizer::useModule(std::shared_ptr<const TResModule> module)
{
    m_module = std::move(module);
    setTextTable(m_module->isProgram() ? nullptr : std::make_shared<const TextTable>(m_module->strings));
}

bool TLocalizer::inStep(const TResModule &m) const
{
    return m.settings.version == m_programVersion;
}

QByteArray TLocalizer::stampOf(const LangData &data) const
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(m_options.exeSettings);
    h.addData(m_options.langsResource);
    h.addData(data.plain);
    return h.result();
}

void TLocalizer::loadColumn(quint16 language)
{
    if (m_store.findColumn(language) >= 0)
        return;
    const QString file = languageFilePath(languageAbbreviation(language));
    LangData d;
    if (QFile::exists(file)) {
        d = readFile(file);
    } else {
        d.plain = TLangResource::load(m_options.langsResource, language);
        if (d.plain.isNull())
            throw ELocalizerError(withPath(loc::text("Language \"%s\" is not found"), englishLanguageName(language)));
        d.info = TLangFile::readHeader(d.plain);
    }
    const int column = m_store.addColumn(language);
    TLangFile::readAdditional(d.plain, &m_store, column);
    m_showOutOfDate = d.info.attributes & DataShowOutOfDate;
}

bool TLocalizer::Initialize()
{
    m_initializing = true;
    m_initialized = false;
    try {
        m_folder = QDir(m_options.programFolder).absoluteFilePath(m_options.languageFolder);
        if (!QFileInfo(m_folder).isDir())
            throw ELocalizerError(withPath(loc::text("Specified path \"%s\" does not exist"), m_folder));
        buildList();
        loadNative();
        const QString choice = storedChoice();

        // The module the choice names is the one in use from the start, as
        // long as it can be read at all.
        m_program.reset();
        std::shared_ptr<const TResModule> module = programModule();
        m_programVersion = module->settings.version;
        if (!meansNative(choice)) {
            const QString path = QDir(m_options.programFolder).filePath(m_programName + QLatin1Char('.') + choice);
            if (QFile::exists(path)) {
                try {
                    module = std::make_shared<TResModule>(TResModule::read(readAll(path), path));
                } catch (const EInvalidResLibrary &) {
                    throw;
                } catch (const ELocError &) {
                    // Not a module: the program's own texts, and the stored
                    // switch below makes it again.
                }
            }
        }
        useModule(module);
        m_current = module->language();

        quint16 failed = 0;
        try {
            loadColumn(m_current);
        } catch (const ELocError &e) {
            // A language file that cannot be read never blocks the start.
            report(e.message());
            failed = m_current;
            useModule(programModule());
            m_current = nativeLanguage();
        }
        m_store.setCurrentColumn(std::max(0, m_store.findColumn(m_current)));
        m_initialized = true;

        quint16 target = nativeLanguage();
        if (!meansNative(choice)) {
            target = languageFromAbbreviation(choice);
            for (const TLFInfo &e : std::as_const(m_languages))
                if (languageAbbreviation(e.language).compare(choice, Qt::CaseInsensitive) == 0)
                    target = e.language;
            if (target == 0)
                target = nativeLanguage();
        }
        if (target != failed)
            SwitchLanguage(target);
    } catch (const ELocError &e) {
        report(e.message());
    }
    m_initializing = false;
    m_cache->files.clear();
    return m_initialized;
}

bool TLocalizer::SwitchLanguage(quint16 language)
{
    if (!m_initialized) {
        report(loc::text("Localizer is not initialized"));
        return false;
    }
    m_pendingErrors.clear();
    try {
        m_previous = m_current;
        apply(readLanguage(language));
        if (!m_initializing)
            emit languageSwitched(currentEntry());
    } catch (const ELocError &e) {
        report(e.message());
        return false;
    }
    // A module or choice that could not be written is said once, after the
    // switch has taken effect.
    const QStringList pending = std::exchange(m_pendingErrors, {});
    for (const QString &message : pending)
        report(message);
    return true;
}

TLocalizer::LangData TLocalizer::readLanguage(quint16 language)
{
    const int i = entryIndex(language);
    const bool native = language == nativeLanguage() || (i >= 0 && m_languages[i].native);
    const QString abbr = native ? QStringLiteral("ntv") : languageAbbreviation(language);
    const QString path = languageFilePath(abbr);
    if (QFile::exists(path))
        return readFile(path);
    if (i >= 0 && m_languages[i].fileName.isEmpty()) {
        LangData d;
        d.plain = TLangResource::load(m_options.langsResource, native ? 0 : language);
        if (d.plain.isNull())
            throw ELocalizerError(
                loc::text("Can not load language %s from resources").replace(QLatin1String("%s"),
                                                                              englishLanguageName(language)));
        d.info = TLangFile::readHeader(d.plain);
        return d;
    }
    // A file listed under another name than its abbreviation's.
    if (i >= 0 && QFile::exists(m_languages[i].fileName))
        return readFile(m_languages[i].fileName);
    throw ELocalizerError(withPath(loc::text("Language \"%s\" is not found"), englishLanguageName(language)));
}

void TLocalizer::apply(const LangData &d)
{
    const quint16 language = d.info.language;
    const bool native = language == nativeLanguage();
    const QString path = native ? QString() : modulePath(language);

    // Everything that can fail is done before anything changes, so a failed
    // switch leaves the program in the language it had.
    std::shared_ptr<const TResModule> next = m_module;
    if (!native && QFile::exists(path) && next->language() != language) {
        try {
            auto m = std::make_shared<TResModule>(TResModule::read(readAll(path), path));
            if (inStep(*m))
                next = std::move(m);
        } catch (const ELocError &) {
            // Made again below.
        }
    }
    const QByteArray stamp = native ? QByteArray() : stampOf(d);
    const bool upToDate = next->language() == language && next->settings.version == d.info.version &&
                          next->settings.build == d.info.build &&
                          (native ? next->isProgram() : next->stamp == stamp);
    if (next->language() == language && !upToDate)
        next = programModule();

    int column = native ? 0 : m_store.findColumn(language);
    bool showOutOfDate = m_showOutOfDate;
    if (!native && (!(upToDate && m_initializing) || column < 0)) {
        if (column < 0)
            column = m_store.addColumn(language);
        TLangFile::readAdditional(d.plain, &m_store, column);
    }
    if (!(upToDate && m_initializing))
        showOutOfDate = d.info.attributes & DataShowOutOfDate;

    if (!upToDate) {
        if (native) {
            next = programModule();
        } else {
            TLocSettings source;
            try {
                source = TLocSettings::read(&m_options.libSettings, "LDLL", m_programFile);
            } catch (const ELocError &) {
                throw ELocalizerError(loc::text("Can't create DLL. The native DLL is invalid"));
            }
            auto m = std::make_shared<TResModule>(TResModule::generate(m_store, column, showOutOfDate));
            m->path = path;
            m->stamp = stamp;
            m->settings = source;
            m->settings.magic = "LDLL";
            m->settings.version = d.info.version;
            m->settings.language = language;
            m->settings.englishName = d.info.englishName;
            m->settings.localizedName = d.info.localizedName;
            m->settings.build = d.info.build;
            // The module is kept in memory whether or not it reaches the disk:
            // a folder that cannot be written never blocks the switch.
            if (QFile::exists(path) && !QFile::remove(path)) {
                m_pendingErrors.append(withPath(loc::text("Can not delete file \"%s\""), path));
            } else {
                QSaveFile out(path);
                const QByteArray bytes = m->write();
                if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit())
                    ++m_generated;
                else
                    m_pendingErrors.append(withPath(loc::text("Can not write file \"%s\""), path));
            }
            next = std::move(m);
        }
    }

    m_showOutOfDate = showOutOfDate;
    useModule(next);
    m_store.setCurrentColumn(column);
    m_current = next->language();
    if (translateOpenWindows)
        translateOpenWindows();
    storeChoice(native ? QStringLiteral("EXE") : languageAbbreviation(m_current));
}

} // namespace loc
