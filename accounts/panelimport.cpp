#include "accounts/panelimport.h"

#include "accounts/timportoptsfrm.h"
#include "localization/texts.h"
#include "store/database.h"
#include "store/errors.h"
#include "core/guarded.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>

namespace accounts {

namespace {

constexpr int kTextFieldSize = 50; // ZoneText, AreaText, UserText

struct Kind
{
    const char *table;
    const char *field;
    int option;
};
constexpr Kind kKinds[] = {{"Zones", "ZoneText", ImportZoneText},
                           {"Areas", "AreaText", ImportAreaText},
                           {"Users", "UserText", ImportUserNames}};

// The account's rows of a detail table in stored order, as its cursor lists them.
QList<qint64> rowIds(store::Database &db, const Kind &kind, const QString &accountNo)
{
    QSqlQuery q =
        db.exec(QStringLiteral("SELECT rowid FROM \"%1\" WHERE AccountNo = ? ORDER BY rowid")
                    .arg(QString::fromLatin1(kind.table)),
                {accountNo});
    QList<qint64> rows;
    while (q.next())
        rows << q.value(0).toLongLong();
    return rows;
}

const QStringList &textsOf(const PanelFileResult &texts, const Kind &kind)
{
    if (kind.option == ImportZoneText)
        return texts.zones;
    return kind.option == ImportAreaText ? texts.areas : texts.users;
}

store::Table *cursorOf(store::TDMod &dm, const Kind &kind)
{
    if (kind.option == ImportZoneText)
        return dm.tbZones;
    return kind.option == ImportAreaText ? dm.tbAreas : dm.tbUsers;
}

// Reads a whole file of at most limit bytes; a message when it cannot be used.
QString readFile(const QString &path, qint64 limit, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return panelmessages::isFolder(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return panelmessages::fileTypeNotSupported();
    // Read past the limit by one byte, so a file that grows meanwhile still shows.
    bytes = file.read(limit + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return panelmessages::fileTypeNotSupported();
    if (bytes.isEmpty())
        return panelmessages::fileEmpty(path);
    if (bytes.size() > limit)
        return panelmessages::fileTooLarge(path);
    return {};
}

} // namespace

int preselectedOptions(int what, int panelType)
{
    switch (what) {
    case 0:
        return ImportZoneText;
    case 1:
        return panelType >= 4 ? ImportAreaText : 0;
    case 2:
        return ImportUserNames;
    default:
        return 0;
    }
}

CifNames cifNamesFor(const QString &cvdPath)
{
    // The extension of the file name, in whatever letter case it was saved;
    // a ".cvd" in a folder name does not count.
    const qsizetype nameStart = cvdPath.lastIndexOf(QLatin1Char('/')) + 1;
    qsizetype dot = cvdPath.lastIndexOf(QStringLiteral(".cvd"), -1, Qt::CaseInsensitive);
    if (dot < nameStart)
        dot = -1;
    CifNames names;
    names.shown = dot < 0 ? cvdPath : cvdPath.left(dot);
    QString sameCase = QStringLiteral(".cif");
    if (dot >= 0) {
        const QString ext = cvdPath.mid(dot + 1, 3);
        for (int i = 0; i < 3; ++i) {
            if (ext[i].isUpper())
                sameCase[i + 1] = sameCase[i + 1].toUpper();
        }
    }
    for (const QString &ext : {sameCase, QStringLiteral(".cif"), QStringLiteral(".CIF")}) {
        const QString candidate = names.shown + ext;
        if (!names.candidates.contains(candidate))
            names.candidates << candidate;
    }
    return names;
}

void writePanelTexts(store::TDMod &dm, const QString &accountNo, const PanelFileResult &texts)
{
    store::Database &db = dm.database();
    store::WriteScope scope(db);
    db.ensureWriteLock(51, 100);
    // Rows an operator is editing in the account manager are not overwritten.
    const void *owner = &texts;
    QList<QPair<QString, qint64>> locked;
    auto unlock = qScopeGuard([&] {
        for (const auto &[table, rowid] : std::as_const(locked))
            db.unlockRow(table, rowid, owner);
    });
    for (const Kind &kind : kKinds) {
        const QStringList &list = textsOf(texts, kind);
        if (list.isEmpty())
            continue;
        const QString table = QString::fromLatin1(kind.table);
        const QList<qint64> rows = rowIds(db, kind, accountNo);
        QSqlQuery update(db.connection());
        const QString sql = QStringLiteral("UPDATE \"%1\" SET \"%2\" = ? WHERE rowid = ?")
                                .arg(table, QString::fromLatin1(kind.field));
        if (!update.prepare(sql))
            store::Database::throwError(update.lastError(), sql);
        for (qsizetype i = 0; i < rows.size() && i < list.size(); ++i) {
            if (!db.lockRow(table, rows[i], owner))
                throw store::EEngineError(loc::text("Record locked by another user."), 6);
            locked.append({table, rows[i]});
            update.bindValue(0, list[i].left(kTextFieldSize));
            update.bindValue(1, rows[i]);
            if (!update.exec())
                store::Database::throwError(update.lastError(), sql);
        }
    }
    db.afterCommit([&dm] {
        for (const Kind &kind : kKinds) {
            store::Table *cursor = cursorOf(dm, kind);
            if (cursor->isOpen() && cursor->state() == store::Dataset::State::Browse) {
                cursor->refresh();
                cursor->first();
            }
        }
    });
    scope.commit();
}

bool runPanelImport(store::TDMod &dm, const QString &accountNo, int panelType, int what,
                    QWidget *parent)
{
    int options = preselectedOptions(what, panelType);
    {
        TImportOptsFrm optsFrm(options, panelType, parent);
        if (!optsFrm.GetOptions(options))
            return false;
    }
    core::Messages &ui = core::messages();
    QString path;
    const QString filter = loc::text("Calvane Data File") + QStringLiteral(" (*.cvd *.CVD)");
    if (!ui.openFileName(loc::text("Open"), filter, QStringLiteral("cvd"), path))
        return false;

    QByteArray cvd;
    if (const QString problem = readFile(path, kMaxPanelFileBytes, cvd); !problem.isEmpty()) {
        ui.error(problem);
        return false;
    }
    const CifNames cifNames = cifNamesFor(path);
    QByteArray cif;
    bool cifOpened = false;
    for (const QString &name : cifNames.candidates) {
        QFile file(name);
        if (QFileInfo(name).isDir() || !file.open(QIODevice::ReadOnly))
            continue;
        cif = file.read(kCifRecordBytes);
        cifOpened = true;
        break;
    }
    if (!cifOpened) {
        ui.error(panelmessages::cannotOpenCif(cifNames.shown));
        return false;
    }

    bool done = false;
    core::guarded([&] {
        PanelFileRequest request;
        request.panelType = panelType;
        request.options = options;
        request.zoneCount = static_cast<int>(rowIds(dm.database(), kKinds[0], accountNo).size());
        request.areaCount = static_cast<int>(rowIds(dm.database(), kKinds[1], accountNo).size());
        request.userCount = static_cast<int>(rowIds(dm.database(), kKinds[2], accountNo).size());
        request.askPassword = [&ui](QString &password) {
            return ui.inputPassword(loc::text("Unlock File"), loc::text("Enter Password:"),
                                    password);
        };
        const PanelFileResult result = readPanelFile(cvd, cif, request);
        if (!result.ok()) {
            ui.error(result.error);
            return;
        }
        writePanelTexts(dm, accountNo, result);
        done = true;
    });
    return done;
}

} // namespace accounts
