#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Builds ".cvd"/".cif" panel data file pairs as the maker's programming
// software saves them, for tests, the fuzz corpus and people trying the
// import. Its layout tables are written out separately from the import's
// reader on purpose, so the two check each other.
namespace panelfixture {

struct PairSpec
{
    int panelType = 0;
    // The version text as stored: "7.1", "10.2", "12.", "A.3" ...
    QByteArray versionText = "7.1";
    // Shifted customer information file: every character of the version
    // text and of the password is stored `key` higher (modulo 256).
    bool shifted = false;
    quint16 key = 3;
    QByteArray password; // plain; stored shifted
    bool headerValid = true;
    // -1: the image size the model and version expect.
    qint64 imageSize = -1;
    // Bytes cut off the end of the files (truncated copies).
    qint64 cvdCut = 0;
    qint64 cifSize = 560;
    // Texts by entry number, 8-bit characters, put where the model keeps them.
    QList<QByteArray> zones, areas, users;
    // Raw bytes written into the image at an offset, after the texts.
    QList<QPair<qint64, QByteArray>> pokes;
};

struct Pair
{
    QByteArray cvd, cif;
};

// The version number the reader should take from a version text: its digits
// before the first ".", or -1 when there are none.
int versionNumber(const QByteArray &versionText);
qint64 imageSize(int panelType, int version);

Pair build(const PairSpec &spec);
// Writes the pair as cvdPath and cifPath; false when a file cannot be written.
bool write(const Pair &pair, const QString &cvdPath, const QString &cifPath);

// One fuzz input: panel type, options and the password answer ahead of the
// two files (see fuzz_panelfile.cpp for the layout).
QByteArray fuzzInput(const Pair &pair, int panelType, int options, const QByteArray &answer);

} // namespace panelfixture
