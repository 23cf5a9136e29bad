#include "store/tdmod.h"

#include "localization/texts.h"
#include "core/clock.h"
#include "store/displaytexts.h"
#include "store/errors.h"
#include "core/events.h"
#include "core/messages.h"
#include "store/supervision.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace store {

namespace {

using P = Query::ParamType;

} // namespace

TDMod::TDMod(const QString &programFolder, QObject *parent)
    : QObject(parent), m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("DMod"));
    auto table = [this](const char *name, const char *cursor) {
        return new Table(m_db, QString::fromLatin1(name), QString::fromLatin1(cursor), this);
    };
    tbPending = table("Pending", "tbPending");
    tbAccounts = table("Accounts", "tbAccounts");
    tbOperators = table("Operators", "tbOperators");
    tbAreas = table("Areas", "tbAreas");
    tbUsers = table("Users", "tbUsers");
    tbActions = table("Actions", "tbActions");
    tbComms = table("Comms", "tbComms");
    tbZones = table("Zones", "tbZones");
    tbHistory = table("History", "tbHistory");
    tbIDs = table("IDs", "tbIDs");
    tbOutbox = table("Outbox", "tbOutbox");

    tbPending->setIndexName(QStringLiteral("PriorityDateTime"));
    for (Table *detail : {tbZones, tbUsers, tbAreas, tbActions})
        detail->setMaster(tbAccounts, QStringLiteral("AccountNo"));

    auto query = [this](const char *name, const QStringList &lines,
                        const QList<Query::ParamDef> &params = {}) {
        return new Query(m_db, QString::fromLatin1(name), lines, params, this);
    };
    auto L = [](std::initializer_list<const char *> lines) {
        QStringList l;
        for (const char *s : lines)
            l << QString::fromLatin1(s);
        return l;
    };
    qryComms = query("qryComms", L({"Select * From Comms Where ID = :RecID"}),
                     {{QStringLiteral("RecID"), P::Integer}});
    qryAccounts = query("qryAccounts", L({"Select * From Accounts", "Where (AccountNo = :AccNo)"}),
                        {{QStringLiteral("AccNo"), P::Text}});
    qryAccounts->setMasterSource(tbPending);
    qryActions = query("qryActions",
                       L({"SELECT DISTINCT EventCode, Description, IDType, AlmPriority, AlmAction, "
                          "ResAction,  AlmEmail, ResEmail",
                          "FROM Actions ", "WHERE (AccountNo = :AccNo)  AND (EventCode = :EC)"}),
                       {{QStringLiteral("AccNo"), P::Text}, {QStringLiteral("EC"), P::Integer}});
    qryAccNo = query("qryAccNo",
                     L({"SELECT DISTINCT AccountNo, Name, Address1, Address2, Address3, Address4,",
                        "Postcode, TelNo, LastSignal, KH1Email, KH1UseEmail, KH2Email, KH2UseEmail,",
                        "KH3Email, KH3UseEmail, KH4Email, KH4UseEmail, KH5Email, KH5UseEmail,",
                        "KH6Email, KH6UseEmail", "FROM Accounts ", "WHERE (AccountNo = :AccNo)"}),
                     {{QStringLiteral("AccNo"), P::Text}});
    qryAreas = query("qryAreas",
                     L({"SELECT DISTINCT AreaText", "FROM Areas ",
                        "WHERE (AccountNo = :AccNo)  AND (AreaID = :AID)"}),
                     {{QStringLiteral("AccNo"), P::Text}, {QStringLiteral("AID"), P::Integer}});
    qryZones = query("qryZones",
                     L({"SELECT DISTINCT ZoneText", "FROM Zones ",
                        "WHERE (AccountNo = :AccNo)  AND (ZoneID = :ZID)"}),
                     {{QStringLiteral("AccNo"), P::Text}, {QStringLiteral("ZID"), P::Integer}});
    qryUsers = query("qryUsers",
                     L({"SELECT DISTINCT UserText", "FROM Users ",
                        "WHERE (AccountNo = :AccNo)  AND (UserID = :UID)"}),
                     {{QStringLiteral("AccNo"), P::Text}, {QStringLiteral("UID"), P::Integer}});
    qryHistory = query("qryHistory",
                       L({"Select * From History ", "Where (AccNo = :ANo)",
                          "Order by DateTime DESC, ID DESC"}),
                       {{QStringLiteral("ANo"), P::Text},
                        {QStringLiteral("FromDateTime"), P::DateTime},
                        {QStringLiteral("ToDateTime"), P::DateTime}});
    DelHistory = query("DelHistory", L({"DELETE FROM HISTORY", "WHERE ACCNO = :ANo"}),
                       {{QStringLiteral("ANo"), P::Text}});
    UpdAccounts = query("UpdAccounts",
                        L({"UPDATE ACCOUNTS", "SET EngOnSite = TRUE", "WHERE AccountNo = :ANo"}),
                        {{QStringLiteral("ANo"), P::Text},
                         {QStringLiteral("LastSignal"), P::DateTime}});
    qryCusAccount = query("qryCusAccount",
                          L({"Select AccountNo, Name,  Address1, Address2,  Address3, Address4, "
                             "Postcode, TelNo, FaxNo, email, PanelType",
                             "From Accounts",
                             // The account search replaces this line; the typed
                             // pattern is always bound, never written into it.
                             "Where UPPER(AccountNo) like :Pattern Order by AccountNo"}),
                          {{QStringLiteral("Pattern"), P::Text}});
    qryNoSignal = query("qryNoSignal",
                        L({"Select AccountNo, LastSignal, NoSigTime from Accounts",
                           "Where (NoSigTime > 0) and (NoSigActioned = False) and ",
                           "(julianday(LastSignal) + (NoSigTime/24.0) < julianday(:SigDateTime))"}),
                        {{QStringLiteral("SigDateTime"), P::DateTime}});
    qryOCStatus = query("qryOCStatus",
                        L({"Select AccountNo from Accounts",
                           "Where ((OCStatus = 0) and (MonCloseExcept = True)) and (MonCloseTime "
                           "< '21:01:00')"}),
                        {{QStringLiteral("CloseTime"), P::Text}});
    updAllAccounts = query("updAllAccounts", L({"UPDATE ACCOUNTS", "SET EngOnSite = TRUE"}));
    qryOpenTime = query("qryOpenTime",
                        L({"Select MonOpenTime As OpenTime from Accounts",
                           "Where ((OCStatus = 0) and (MonOpenExcept = False)) and (AccountNo = "
                           ":AccNo)"}),
                        {{QStringLiteral("AccNo"), P::Text}});
    qryOutbox = query("qryOutbox", L({"Select * From Outbox Where ID = :RecID"}),
                      {{QStringLiteral("RecID"), P::Integer}});
    updOutbox = query("updOutbox", L({"UPDATE Outbox", "SET Status = 1", "WHERE ID = :AID"}),
                      {{QStringLiteral("AID"), P::Integer}});

    installNumbering(tbComms, QStringLiteral("ID"), QStringLiteral("CommsID"));
    installNumbering(tbPending, QStringLiteral("ID"), QStringLiteral("PendingID"));
    installNumbering(tbActions, QStringLiteral("ActionID"), QStringLiteral("ActionsID"));
    installNumbering(tbHistory, QStringLiteral("ID"), QStringLiteral("HistoryID"));
    installNumbering(tbOutbox, QStringLiteral("ID"), QStringLiteral("OutboxID"));
    notifyAfterCommit(tbComms, QStringLiteral("ID"), core::NewCommsEventType);
    notifyAfterCommit(tbOutbox, QStringLiteral("ID"), core::NewMailEventType);
    m_rules = std::make_unique<RecordRules>(*this);
    installDisplayTexts(*this);
    m_supervision = std::make_unique<Supervision>(*this);

    NoSigTimer = new QTimer(this);
    NoSigTimer->setObjectName(QStringLiteral("NoSigTimer"));
    NoSigTimer->setInterval(5000);
    connect(NoSigTimer, &QTimer::timeout, this, &TDMod::NoSigTimerTimer);
}

TDMod::~TDMod() = default;

void TDMod::installNumbering(Table *table, const QString &field, const QString &counter)
{
    // The number is taken inside the same unit of work as the row itself, so
    // a row that fails to post leaves no gap in the numbering.
    table->beforePost = [this, field, counter](Table &t) {
        if (t.state() == Dataset::State::Insert)
            t.field(field).setValue(AllocateId(counter));
    };
}

void TDMod::notifyAfterCommit(Table *table, const QString &field, QEvent::Type type)
{
    table->afterPost = [this, field, type](Table &t) {
        if (!t.postedNewRow())
            return;
        const int id = t.field(field).asInteger();
        if (type == core::NewCommsEventType && m_sink)
            m_sink->rowLeftWaiting(id);
        // Announced only once the row is committed, and exactly once.
        m_db.afterCommit([this, id, type]() { announceRow(type, id); });
    };
}

void TDMod::announceRow(QEvent::Type type, int id)
{
    if (m_notifyTarget)
        QCoreApplication::postEvent(m_notifyTarget, new core::RowEvent(type, id));
}

int TDMod::StoreEvent(const CommsRow &row)
{
    // Processed first and then stored with its mark: one statement for the
    // row, in the same unit of work.
    CommsRow kept = row;
    kept.id = m_events.newCommsId();
    const bool processNow = m_sink && m_sink->takesInline();
    const std::optional<int> processed =
        processNow ? m_sink->processStored(kept) : std::optional<int>();
    const StoredRow stored = m_events.insertComms(kept, processed);
    const qint64 rowid = stored.rowid;
    m_db.afterCommit([this, rowid] { tbComms->noteInserted(rowid); });
    if (!processNow) {
        if (m_sink)
            m_sink->rowLeftWaiting(stored.id);
        const int id = stored.id;
        m_db.afterCommit([this, id] { announceRow(core::NewCommsEventType, id); });
    }
    return stored.id;
}

QString TDMod::defaultMasterName()
{
    return QStringLiteral("Master");
}

QString TDMod::defaultMasterPassword()
{
    return QStringLiteral("master");
}

QString TDMod::storePath() const
{
    return QDir(m_dataFolder).filePath(QStringLiteral("quorvel.db"));
}

void TDMod::PrepareAlias()
{
    const QString folder =
        m_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_programFolder;
    // Resolved at every start, so a moved program uses the data folder beside it.
    m_dataFolder = QDir(folder).absoluteFilePath(QStringLiteral("data"));
    // The store holds passwords and customers' details: this user's alone.
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    if (!QDir(m_dataFolder).exists() && !QDir().mkdir(m_dataFolder, owner) &&
        !QDir().mkpath(m_dataFolder))
        core::messages().error(loc::text("Unable to add a new alias"));
}

void TDMod::MakeStorePrivate()
{
    // An older store may still be readable by every user of the machine.
    QStringList failed;
    const auto tighten = [&failed](const QString &path, QFileDevice::Permissions mode) {
        if (QFileInfo::exists(path) && (QFile::permissions(path) & ~mode) != 0 &&
            !QFile::setPermissions(path, mode))
            failed << QDir::toNativeSeparators(path);
    };
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    tighten(m_dataFolder, owner | QFileDevice::ExeOwner | QFileDevice::ReadUser |
                              QFileDevice::WriteUser | QFileDevice::ExeUser);
    for (const char *suffix : {"", "-wal", "-shm", "-journal"})
        tighten(storePath() + QLatin1String(suffix),
                owner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    if (!failed.isEmpty())
        core::messages().warning(loc::text("The store could not be made private to this user; other "
                                     "users of this machine may read it:\r\n%1")
                               .arg(failed.join(QStringLiteral("\r\n"))));
}

void TDMod::DataModuleCreate()
{
    m_supervision->recordClock();
    NoSigTimer->start();
    m_rules->setRowLimitGuard(true);
}

void TDMod::setDefaultActionsSource(DefaultActionsSource source)
{
    m_rules->setDefaultActionsSource(std::move(source));
}

bool TDMod::OpenStore()
{
    if (m_dataFolder.isEmpty())
        PrepareAlias();
    QList<Dataset *> order{tbPending, tbAccounts, tbOperators, tbAreas, tbUsers, tbActions,
                           tbComms,   tbZones,    tbHistory,   tbIDs,   tbOutbox,
                           qryComms,  qryAccounts, qryActions, qryAccNo, qryAreas,
                           qryZones,  qryUsers,   qryHistory,  qryCusAccount,
                           qryNoSignal, qryOCStatus, qryOpenTime, qryOutbox};
    try {
        if (!m_db.isOpen()) {
            // Only a store that does not exist at all is created; one that
            // exists but cannot be opened is reported and left untouched.
            if (!QFileInfo::exists(storePath()))
                Database::create(storePath(), defaultMasterName(), defaultMasterPassword());
            MakeStorePrivate();
            m_db.open(storePath());
        }
        for (Dataset *ds : order) {
            if (auto *t = qobject_cast<Table *>(ds))
                t->open();
            else if (auto *q = qobject_cast<Query *>(ds))
                q->open();
        }
    } catch (const EStoreError &e) {
        core::messages().error(loc::text("Cannot open Table, error is: ") + e.message());
        return false;
    }
    return true;
}

int TDMod::AllocateId(const QString &counter)
{
    return AllocateIdBlock(counter, 1);
}

int TDMod::AllocateIdBlock(const QString &counter, int count)
{
    return takeIds(m_db, counter, count);
}

void TDMod::FlushAll()
{
    m_db.checkpoint();
}

void TDMod::CheckEarlyOpening(const QString &accountNo)
{
    m_supervision->CheckEarlyOpening(accountNo);
}

void TDMod::NoSigTimerTimer()
{
    if (m_appClosing)
        return;
    m_supervision->NoSigTimerTimer();
    emit supervisionTick();
}

} // namespace store
