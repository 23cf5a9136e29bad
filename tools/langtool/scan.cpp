#include "scan.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cctype>

namespace langtool {

namespace {

// Skips blanks and comments from i.
qsizetype skipSpace(const QByteArray &s, qsizetype i)
{
    while (i < s.size()) {
        if (std::isspace(static_cast<unsigned char>(s[i]))) {
            ++i;
        } else if (s.mid(i, 2) == "//") {
            const qsizetype end = s.indexOf('\n', i);
            i = end < 0 ? s.size() : end + 1;
        } else if (s.mid(i, 2) == "/*") {
            const qsizetype end = s.indexOf("*/", i + 2);
            i = end < 0 ? s.size() : end + 2;
        } else {
            break;
        }
    }
    return i;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the literal starting at the quote at i; returns the index after it,
// or -1 when it does not end.
qsizetype readLiteral(const QByteArray &s, qsizetype i, QByteArray &out)
{
    for (++i; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"')
            return i + 1;
        if (c == '\n')
            return -1;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= s.size())
            return -1;
        const char e = s[i];
        switch (e) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case 'x': {
            int v = 0;
            while (i + 1 < s.size() && hexValue(s[i + 1]) >= 0)
                v = v * 16 + hexValue(s[++i]);
            out += char(v);
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                int v = e - '0';
                for (int k = 0; k < 2 && i + 1 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '7'; ++k)
                    v = v * 8 + (s[++i] - '0');
                out += char(v);
            } else {
                out += e; // \" \\ \' \?
            }
        }
    }
    return -1;
}

} // namespace

QString unitOf(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}

QList<FoundText> scanSource(const QString &unit, const QByteArray &source)
{
    // loc::noop marks a text that is looked up later through a variable.
    static const QByteArray calls[] = {"loc::text(", "loc::noop("};
    QList<FoundText> found;
    for (const QByteArray &call : calls) {
        for (qsizetype at = source.indexOf(call); at >= 0; at = source.indexOf(call, at + 1)) {
            qsizetype i = skipSpace(source, at + call.size());
            QByteArray text;
            bool any = false;
            while (i < source.size() && source[i] == '"') {
                i = readLiteral(source, i, text);
                if (i < 0)
                    break;
                any = true;
                i = skipSpace(source, i);
            }
            if (!any || i < 0 || i >= source.size() || source[i] != ')')
                continue;
            FoundText t;
            t.kind = FoundText::Message;
            t.owner = unit;
            t.english = QString::fromUtf8(text);
            found.append(t);
        }
    }
    return found;
}

QList<FoundText> scanTree(const QString &root)
{
    static const QStringList folders = {QStringLiteral("app"),     QStringLiteral("core"),
                                        QStringLiteral("store"),   QStringLiteral("station"),
                                        QStringLiteral("pipeline"), QStringLiteral("console"),
                                        QStringLiteral("mail"),     QStringLiteral("accounts"),
                                        QStringLiteral("reports"),  QStringLiteral("localization")};
    QStringList files;
    for (const QString &folder : folders) {
        QDirIterator it(root + QLatin1Char('/') + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
    }
    files.sort();
    QList<FoundText> found;
    for (const QString &path : std::as_const(files)) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            found += scanSource(unitOf(path), f.readAll());
    }
    return found;
}

} // namespace langtool
