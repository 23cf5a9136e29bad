// quorvel-langtool: the program's English texts as language data, and
// translations through Qt Linguist files.
//
//   build      --source DIR --versions FILE --out DIR   built-in resources
//   update     --source DIR --versions FILE             rewrite the version file
//   check      --source DIR --versions FILE             list what is not yet in it
//   export-ts  --resource FILE --language LOCALE --out FILE.ts [--merge OLD.ts]
//   compile-ts --resource FILE --out-dir DIR FILE.ts
#include "catalogue.h"
#include "linguist.h"
#include "scan.h"
#include "walk.h"

#include "localization/langerrors.h"
#include "localization/langfile.h"
#include "localization/langresource.h"
#include "localization/lzq.h"
#include "localization/texts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <optional>

using namespace langtool;

namespace {

QSet<QString> &captured()
{
    static QSet<QString> texts;
    return texts;
}

void observe(const char *english)
{
    captured().insert(QString::fromUtf8(english));
}

void say(const QString &line)
{
    std::fprintf(stderr, "quorvel-langtool: %s\n", qPrintable(line));
}

QByteArray readAll(const QString &path, bool *ok)
{
    QFile f(path);
    *ok = f.open(QIODevice::ReadOnly);
    return *ok ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &data)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit()) {
        say(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

// Every text of the program: literals at loc::text calls, then the windows
// walked and the tables looked up.
QList<FoundText> gather(const QString &source, QStringList *unnamed)
{
    QList<FoundText> found = scanTree(source);
    QSet<QString> literal;
    for (const FoundText &t : std::as_const(found))
        literal.insert(t.english);

    loc::setTextObserver(observe);
    exerciseTextTables();
    WalkFixture fixture;
    for (const WindowEntry &entry : registeredWindows()) {
        std::unique_ptr<QWidget> window(entry.create(fixture));
        found += walkWindow(window.get(), captured(), unnamed);
    }
    loc::setTextObserver(nullptr);

    // Texts only seen at run time come from tables; they form a unit of their own.
    QStringList fromTables(captured().cbegin(), captured().cend());
    fromTables.sort();
    for (const QString &text : std::as_const(fromTables)) {
        if (literal.contains(text))
            continue;
        FoundText t;
        t.owner = QStringLiteral("QuorvelStrings");
        t.english = text;
        found.append(t);
    }
    return found;
}

std::optional<Catalogue> catalogue(const QString &source, const QString &versionsPath, QStringList *unnamed)
{
    bool ok = false;
    const QByteArray text = readAll(versionsPath, &ok);
    if (!ok)
        say(QStringLiteral("%1 not found: every text is new").arg(versionsPath));
    QStringList errors;
    const VersionFile file = VersionFile::parse(QString::fromUtf8(text), &errors);
    for (const QString &e : std::as_const(errors))
        say(versionsPath + QStringLiteral(": ") + e);
    if (!errors.isEmpty())
        return std::nullopt;
    return Catalogue::build(gather(source, unnamed), file);
}

loc::TLocSettings settings(const char *magic)
{
    loc::TLocSettings s;
    s.magic = magic;
    s.version = DataVersion;
    s.language = English;
    s.englishName = s.localizedName = QStringLiteral("English");
    return s;
}

int build(const Catalogue &cat, const QString &outDir)
{
    QDir().mkpath(outDir);
    const QByteArray plain = loc::TLangFile::write(cat.store, 0, cat.nativeInfo());
    const loc::TBuiltinLanguage english{English, QStringLiteral("English"), QStringLiteral("English"), true};
    const QByteArray langs = loc::TLangResource::write({{english, loc::TLZQCompressor::encode(plain)}}, DataVersion);
    const bool ok = writeAll(outDir + QStringLiteral("/LOC_LANGS_"), langs) &&
                    writeAll(outDir + QStringLiteral("/LOC_EXESETTINGS_"), settings("LEXE").write()) &&
                    writeAll(outDir + QStringLiteral("/LOC_LIBSETTINGS_"), settings("LDLL").write());
    if (!cat.changes.isEmpty())
        say(QStringLiteral("%1 text(s) differ from the version file; run `quorvel-langtool update`")
                .arg(cat.changes.size()));
    return ok ? 0 : 1;
}

std::optional<loc::TLocStorage> nativeFromResource(const QString &path)
{
    bool ok = false;
    const QByteArray resource = readAll(path, &ok);
    try {
        loc::TLocStorage s;
        loc::TLangFile::readNative(loc::TLangResource::load(resource, 0), &s);
        return s;
    } catch (const loc::ELocError &e) {
        say(path + QStringLiteral(": ") + e.message());
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The program's language data and translations."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("build, update, check, export-ts or compile-ts"));
    const QCommandLineOption sourceOpt(QStringLiteral("source"), QStringLiteral("Source tree."), QStringLiteral("dir"));
    const QCommandLineOption versionsOpt(QStringLiteral("versions"), QStringLiteral("Value-version file."),
                                         QStringLiteral("file"));
    const QCommandLineOption outOpt(QStringLiteral("out"), QStringLiteral("Output folder or file."), QStringLiteral("path"));
    const QCommandLineOption outDirOpt(QStringLiteral("out-dir"), QStringLiteral("Output folder."), QStringLiteral("dir"));
    const QCommandLineOption resourceOpt(QStringLiteral("resource"), QStringLiteral("Built LOC_LANGS_ resource."),
                                         QStringLiteral("file"));
    const QCommandLineOption languageOpt(QStringLiteral("language"), QStringLiteral("Locale, e.g. hu_HU."),
                                         QStringLiteral("locale"));
    const QCommandLineOption mergeOpt(QStringLiteral("merge"), QStringLiteral("Earlier translation file."),
                                      QStringLiteral("file"));
    parser.addOptions({sourceOpt, versionsOpt, outOpt, outDirOpt, resourceOpt, languageOpt, mergeOpt});
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);

    if (command == QLatin1String("build") || command == QLatin1String("update") ||
        command == QLatin1String("check")) {
        QStringList unnamed;
        const auto cat = catalogue(parser.value(sourceOpt), parser.value(versionsOpt), &unnamed);
        if (!cat)
            return 1;
        if (command == QLatin1String("build"))
            return build(*cat, parser.value(outOpt));
        if (command == QLatin1String("update"))
            return writeAll(parser.value(versionsOpt), cat->versions.format().toUtf8()) ? 0 : 1;
        for (const QString &c : cat->changes)
            std::printf("%s\n", qPrintable(c));
        for (const QString &u : std::as_const(unnamed))
            std::printf("text without objectName: %s\n", qPrintable(u));
        return cat->changes.isEmpty() ? 0 : 1;
    }
    if (command == QLatin1String("export-ts")) {
        auto native = nativeFromResource(parser.value(resourceOpt));
        if (!native)
            return 1;
        bool ok = true;
        const QByteArray previous = parser.isSet(mergeOpt) ? readAll(parser.value(mergeOpt), &ok) : QByteArray();
        if (!ok) {
            say(QStringLiteral("cannot read %1").arg(parser.value(mergeOpt)));
            return 1;
        }
        return writeAll(parser.value(outOpt), exportTs(*native, parser.value(languageOpt), previous)) ? 0 : 1;
    }
    if (command == QLatin1String("compile-ts") && args.size() == 2) {
        auto native = nativeFromResource(parser.value(resourceOpt));
        if (!native)
            return 1;
        bool ok = false;
        const QByteArray ts = readAll(args[1], &ok);
        if (!ok) {
            say(QStringLiteral("cannot read %1").arg(args[1]));
            return 1;
        }
        const Compiled c = compileTs(*native, ts);
        for (const QString &p : c.problems)
            say(p);
        if (c.file.isEmpty())
            return 1;
        const QString out = QDir(parser.value(outDirOpt)).filePath(c.fileName);
        say(QStringLiteral("%1: %2 translation(s)").arg(out).arg(c.translated));
        return writeAll(out, c.file) ? 0 : 1;
    }
    parser.showHelp(2);
}
