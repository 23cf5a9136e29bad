#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace accounts {

// What an import copies, as bits.
enum ImportOption
{
    ImportZoneText = 1,
    ImportAreaText = 2,
    ImportUserNames = 4,
};

// Limits on what the import opens at all.
inline constexpr qint64 kMaxPanelFileBytes = 16 * 1024 * 1024;
inline constexpr qint64 kCifRecordBytes = 560;

// What the import asks of a panel data file pair.
struct PanelFileRequest
{
    int panelType = 0;
    int options = 0; // ImportOption bits
    // How many texts of each kind to give: the account's row counts.
    int zoneCount = 0;
    int areaCount = 0;
    int userCount = 0;
    // Asks the operator for the file password; false when cancelled.
    std::function<bool(QString &password)> askPassword;
};

// The texts of a pair, by entry number, or the message that stopped the read.
struct PanelFileResult
{
    QString error; // empty when the texts can be used
    int version = -1;
    QStringList zones, areas, users; // only the kinds asked for
    bool ok() const { return error.isEmpty(); }
};

// Reads the texts for panelType out of the bytes of a ".cvd" panel data file
// and of its ".cif" customer information file (at least its first record).
// Checks the header, the panel version and the image size before any text is
// taken; never reads outside the two byte runs. Fields that lie outside the
// image read as empty.
PanelFileResult readPanelFile(QByteArrayView cvd, QByteArrayView cif,
                              const PanelFileRequest &request);

// The image size a panel model and firmware version expect; 0 for an unknown model.
qint64 panelImageSize(int panelType, int version);

// Turns 8-bit panel text into characters (the Western Windows code page).
QString panelText(QByteArrayView bytes);

// The messages of the import, in the current language.
namespace panelmessages {
QString fileTypeNotSupported();
QString cannotOpenCif(const QString &pathBeforeExtension);
QString incorrectVersionFormat();
QString versionNotFound();
QString invalidPassword();
QString dataFileError();
QString headerDamaged();
QString dataFileIncomplete();
QString cifIncomplete();
QString fileTooLarge(const QString &path);
QString isFolder(const QString &path);
QString fileEmpty(const QString &path);
} // namespace panelmessages

} // namespace accounts
