// quorvel-panelfixture: writes a ".cvd"/".cif" panel data file pair with the
// given texts, or the seed corpus of the panel file fuzz target.
#include "tools/panelfixture/panelfixture.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

QList<QByteArray> latin1(const QStringList &texts)
{
    QList<QByteArray> out;
    for (const QString &t : texts)
        out << t.toLatin1();
    return out;
}

bool writeSeeds(const QString &folder)
{
    using namespace panelfixture;
    QDir().mkpath(folder);
    struct Seed
    {
        const char *name;
        PairSpec spec;
        int options;
        QByteArray answer;
    };
    auto spec = [](int type, const char *version) {
        PairSpec s;
        s.panelType = type;
        s.versionText = version;
        s.zones = {"Front Door", "Back Door", "Hall PIR Downstairs Landing"};
        s.areas = {"Shop", "Office"};
        s.users = {"Manager", "Cleaner"};
        return s;
    };
    QList<Seed> seeds;
    seeds.append({"sterna24-v6", spec(3, "6.0"), 7, {}});
    seeds.append({"sterna48-v10", spec(4, "10.2"), 7, {}});
    seeds.append({"sterna168-v7", spec(6, "7.1"), 7, {}});
    seeds.append({"tavir24-v1", spec(8, "1.5"), 7, {}});
    seeds.append({"sterna640-v7", spec(7, "7.3"), 7, {}});
    PairSpec shifted = spec(0, "3.4");
    shifted.shifted = true;
    shifted.key = 3;
    shifted.password = "Secret";
    seeds.append({"sterna412-shifted", shifted, 5, "Secret"});
    PairSpec badHeader = spec(1, "2.0");
    badHeader.headerValid = false;
    seeds.append({"bad-header", badHeader, 1, {}});
    PairSpec shortCif = spec(2, "5.1");
    shortCif.cifSize = 341;
    shortCif.cvdCut = 16000;
    seeds.append({"short", shortCif, 7, {}});
    for (const Seed &s : seeds) {
        QFile f(QDir(folder).filePath(QString::fromLatin1(s.name)));
        const QByteArray bytes = fuzzInput(build(s.spec), s.spec.panelType, s.options, s.answer);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Writes a panel data file pair NAME.cvd and NAME.cif (NAME.CVD gives NAME.CIF)."));
    p.addHelpOption();
    p.addOptions({
        {QStringLiteral("type"), QStringLiteral("Panel type 0 to 13."), QStringLiteral("n"),
         QStringLiteral("7")},
        {QStringLiteral("version"), QStringLiteral("Version text, e.g. 7.1."),
         QStringLiteral("text"), QStringLiteral("7.1")},
        {QStringLiteral("key"), QStringLiteral("Store the version shifted by this key."),
         QStringLiteral("k")},
        {QStringLiteral("password"), QStringLiteral("File password (with --key)."),
         QStringLiteral("text")},
        {QStringLiteral("bad-header"), QStringLiteral("Write a header that fails its check.")},
        {QStringLiteral("zone"), QStringLiteral("A zone text (repeat for the next)."),
         QStringLiteral("text")},
        {QStringLiteral("area"), QStringLiteral("An area text (repeat)."), QStringLiteral("text")},
        {QStringLiteral("user"), QStringLiteral("A user name (repeat)."), QStringLiteral("text")},
        {QStringLiteral("seed-corpus"), QStringLiteral("Write the fuzz seed corpus into folder."),
         QStringLiteral("folder")},
    });
    p.addPositionalArgument(QStringLiteral("file.cvd"), QStringLiteral("The panel data file."));
    p.process(app);
    QTextStream err(stderr);

    if (p.isSet(QStringLiteral("seed-corpus"))) {
        if (writeSeeds(p.value(QStringLiteral("seed-corpus"))))
            return 0;
        err << "cannot write the seed corpus\n";
        return 1;
    }
    if (p.positionalArguments().size() != 1) {
        p.showHelp(2);
    }
    panelfixture::PairSpec spec;
    spec.panelType = p.value(QStringLiteral("type")).toInt();
    spec.versionText = p.value(QStringLiteral("version")).toLatin1();
    if (p.isSet(QStringLiteral("key"))) {
        spec.shifted = true;
        spec.key = static_cast<quint16>(p.value(QStringLiteral("key")).toUInt());
        spec.password = p.value(QStringLiteral("password")).toLatin1();
    }
    spec.headerValid = !p.isSet(QStringLiteral("bad-header"));
    spec.zones = latin1(p.values(QStringLiteral("zone")));
    spec.areas = latin1(p.values(QStringLiteral("area")));
    spec.users = latin1(p.values(QStringLiteral("user")));

    const QString cvd = p.positionalArguments().first();
    QString cif = cvd;
    if (cif.endsWith(QStringLiteral(".CVD")))
        cif = cif.chopped(4) + QStringLiteral(".CIF");
    else if (cif.endsWith(QStringLiteral(".cvd"), Qt::CaseInsensitive))
        cif = cif.chopped(4) + QStringLiteral(".cif");
    else
        cif += QStringLiteral(".cif");
    if (!panelfixture::write(panelfixture::build(spec), cvd, cif)) {
        err << "cannot write " << cvd << " or " << cif << "\n";
        return 1;
    }
    return 0;
}
