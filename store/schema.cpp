#include "store/schema.h"

#include <QDateTime>
#include <QVariant>

namespace store {

namespace {

using F = FieldType;

FieldDef text(const char *name, int size, const char *label = "", const char *display = "")
{
    return {QString::fromLatin1(name), F::Text, size, QString::fromLatin1(label),
            QString::fromLatin1(display)};
}

FieldDef field(const char *name, FieldType type, const char *label = "", const char *display = "")
{
    return {QString::fromLatin1(name), type, 0, QString::fromLatin1(label),
            QString::fromLatin1(display)};
}

FieldDef memo(const char *name, int size)
{
    return {QString::fromLatin1(name), F::Memo, size};
}

QList<FieldDef> accountFields()
{
    QList<FieldDef> f{text("AccountNo", 4),  text("Name", 50),     text("Address1", 50),
                      text("Address2", 50),  text("Address3", 50), text("Address4", 50),
                      text("Postcode", 8),   text("TelNo", 15),    text("FaxNo", 15),
                      text("Email", 50),     field("PanelType", F::Small)};
    for (int k = 1; k <= 4; ++k) {
        const QByteArray p = "KH" + QByteArray::number(k);
        f << text(p + "Name", 30) << text(p + "TelNo", 15) << text(p + "Mobile", 15);
    }
    f << memo("Notes", 150) << field("EngOnSite", F::Logical) << field("OCStatus", F::Integer)
      << field("LastSignal", F::DateTime) << field("NoSigTime", F::Float);
    for (int k = 1; k <= 4; ++k)
        f << text("KH" + QByteArray::number(k) + "Pager", 15);
    for (int k = 5; k <= 6; ++k) {
        const QByteArray p = "KH" + QByteArray::number(k);
        f << text(p + "Name", 30) << text(p + "TelNo", 15) << text(p + "Mobile", 15)
          << text(p + "Pager", 15);
    }
    f << text("PoliceNo", 20) << text("Password", 16) << text("SpecialOpts", 40);
    static const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (const char *d : days) {
        f << field(QByteArray(d).append("OpenTime"), F::Time, "", "hh:nn")
          << field(QByteArray(d).append("CloseTime"), F::Time, "", "hh:nn");
    }
    for (const char *d : days) {
        f << field(QByteArray(d).append("OpenExcept"), F::Logical)
          << field(QByteArray(d).append("CloseExcept"), F::Logical);
    }
    f << memo("SpecialNotes", 240);
    for (int k = 1; k <= 6; ++k) {
        const QByteArray p = "KH" + QByteArray::number(k);
        f << text(p + "Email", 40) << field(p + "UseEmail", F::Logical);
    }
    f << field("NoSigActioned", F::Logical) << field("OpenEX", F::Logical)
      << field("CloseEX", F::Logical);
    return f;
}

// The supervision checks run over every account from the UI thread, so each
// finds its few accounts through an index. Their conditions repeat the
// checks' own terms word for word, which lets the engine use them.
QList<IndexDef> supervisionIndexes()
{
    // Due time of the next no-communication event, for watched accounts.
    QList<IndexDef> ix{{QStringLiteral("AccountsNoSignalDue"),
                        {QStringLiteral("julianday(\"LastSignal\") + (\"NoSigTime\" / 24.0)")},
                        false,
                        QStringLiteral("\"NoSigTime\" > 0 AND \"NoSigActioned\" = False"),
                        true}};
    // Closing time of the day, for accounts with that day's closing exception on.
    static const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (const char *d : days) {
        const QString day = QString::fromLatin1(d);
        ix << IndexDef{QStringLiteral("Accounts%1Close").arg(day),
                       {day + QStringLiteral("CloseTime")},
                       false,
                       QStringLiteral("\"%1CloseExcept\" = True").arg(day)};
    }
    return ix;
}

QList<TableDef> buildDefs()
{
    const char *stamp = "dd-mmm-yy - hh:mm.ss";
    QList<TableDef> defs;
    defs << TableDef{QStringLiteral("Accounts"), QStringLiteral("Accounts.db"), accountFields(),
                     QStringLiteral("AccountNo"), supervisionIndexes()};
    defs << TableDef{QStringLiteral("Zones"),
                     QStringLiteral("Zones.db"),
                     {text("AccountNo", 4), field("ZoneID", F::Small, "Zone No", "000"),
                      text("ZoneText", 50, "Zone Description")},
                     {},
                     {{QStringLiteral("ZonesAccountNo"), {QStringLiteral("AccountNo")}}}};
    defs << TableDef{QStringLiteral("Users"),
                     QStringLiteral("Users.db"),
                     {text("AccountNo", 4), field("UserID", F::Small, "User No"),
                      text("UserText", 50, "User Name")},
                     {},
                     {{QStringLiteral("UsersAccountNo"), {QStringLiteral("AccountNo")}}}};
    defs << TableDef{QStringLiteral("Areas"),
                     QStringLiteral("Areas.db"),
                     {text("AccountNo", 4), field("AreaID", F::Small, "Area"),
                      text("AreaText", 50, "Area Description")},
                     {},
                     {{QStringLiteral("AreasAccountNo"), {QStringLiteral("AccountNo")}}}};
    defs << TableDef{QStringLiteral("Actions"),
                     QStringLiteral("Actions.db"),
                     {text("AccountNo", 4), field("ActionID", F::Integer),
                      field("EventCode", F::Small), text("Description", 30),
                      field("IDType", F::Small), field("AlmPriority", F::Small),
                      field("AlmAction", F::Small), field("ResAction", F::Small),
                      field("AlmEmail", F::Small), field("ResEmail", F::Small)},
                     {},
                     {{QStringLiteral("ActionsAccountNo"),
                       {QStringLiteral("AccountNo"), QStringLiteral("EventCode")}}}};
    defs << TableDef{QStringLiteral("Pending"),
                     QStringLiteral("Pending.db"),
                     {field("ID", F::Integer), field("DateTime", F::DateTime, "", stamp),
                      field("Priority", F::Small), text("AccNo", 4), field("EventType", F::Small),
                      field("EventCode", F::Small), text("EventGroup", 50),
                      field("Action", F::Small), text("EventText", 30),
                      field("EventID", F::Small, "", "000"), text("IDText", 50),
                      text("EventDesc", 100)},
                     {},
                     {{QStringLiteral("PriorityDateTime"),
                       {QStringLiteral("Priority"), QStringLiteral("DateTime")}}}};
    defs << TableDef{QStringLiteral("Comms"),
                     QStringLiteral("Comms.db"),
                     {field("ID", F::Integer), field("DateTime", F::DateTime),
                      field("RxNo", F::Small), field("LineNo", F::Small),
                      field("Protocol", F::Small), text("Data", 30),
                      // Set once the event processor has handled the row, in
                      // the same commit as the row's effects: 1 done, 2 failed.
                      field("Processed", F::Small)},
                     {},
                     {{QStringLiteral("CommsID"), {QStringLiteral("ID")}},
                      {QStringLiteral("CommsUnprocessed"), {QStringLiteral("ID")}, false,
                       QStringLiteral("\"Processed\" IS NULL")}}};
    defs << TableDef{QStringLiteral("History"),
                     QStringLiteral("History.DB"),
                     {field("ID", F::Integer), field("DateTime", F::DateTime, "", stamp),
                      text("AccNo", 4), field("EventCode", F::Small), field("EventType", F::Small),
                      text("EventDesc", 100), field("OpAction", F::Small), text("Operator", 30),
                      memo("Comments", 50), field("EventGroup", F::Small),
                      field("TimeActioned", F::DateTime, "", stamp)},
                     {},
                     {{QStringLiteral("HistoryAccNo"),
                       {QStringLiteral("AccNo"), QStringLiteral("DateTime")}}}};
    defs << TableDef{QStringLiteral("Operators"),
                     QStringLiteral("Operators.db"),
                     {text("UserName", 30), text("Password", 16), field("Master", F::Logical),
                      field("EditRecords", F::Logical), field("PrintReports", F::Logical),
                      field("AddRecords", F::Logical), field("DeleteRecords", F::Logical),
                      field("SetupComms", F::Logical)},
                     QStringLiteral("UserName")};
    defs << TableDef{QStringLiteral("Outbox"),
                     QStringLiteral("Outbox.db"),
                     {field("ID", F::Integer), field("MsgDateTime", F::DateTime),
                      text("Recipients", 200), text("Subject", 100), text("SiteDetails", 200),
                      text("Message", 200), field("Status", F::Small)},
                     {},
                     {{QStringLiteral("OutboxID"), {QStringLiteral("ID")}}}};
    defs << TableDef{QStringLiteral("IDs"),
                     QStringLiteral("IDs.DB"),
                     {field("ActionsID", F::Integer), field("CommsID", F::Integer),
                      field("HistoryID", F::Integer), field("PendingID", F::Integer),
                      field("OutboxID", F::Integer)},
                     {}};
    return defs;
}

QString sqlType(const FieldDef &f)
{
    switch (f.type) {
    case F::Small:
        return QStringLiteral("SMALLINT");
    case F::Integer:
        return QStringLiteral("INTEGER");
    case F::Float:
        return QStringLiteral("DOUBLE");
    case F::Logical:
        return QStringLiteral("BOOLEAN");
    case F::DateTime:
        return QStringLiteral("DATETIME");
    case F::Time:
        return QStringLiteral("TIME");
    case F::Text:
        return QStringLiteral("VARCHAR(%1)").arg(f.size);
    case F::Memo:
        // Text affinity: a note that reads "007" or "1.50" is kept as typed.
        return QStringLiteral("TEXT");
    }
    return {};
}

const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString kTimeFormat = QStringLiteral("HH:mm:ss");

} // namespace

int TableDef::fieldIndex(const QString &field) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const IndexDef *TableDef::index(const QString &indexName) const
{
    for (const IndexDef &ix : indexes) {
        if (ix.name.compare(indexName, Qt::CaseInsensitive) == 0)
            return &ix;
    }
    return nullptr;
}

const QList<TableDef> &tableDefs()
{
    static const QList<TableDef> defs = buildDefs();
    return defs;
}

const TableDef *tableDef(const QString &nameOrFile)
{
    for (const TableDef &def : tableDefs()) {
        if (def.name.compare(nameOrFile, Qt::CaseInsensitive) == 0 ||
            def.fileName.compare(nameOrFile, Qt::CaseInsensitive) == 0)
            return &def;
    }
    return nullptr;
}

QStringList createStatements(const TableDef &def)
{
    QStringList columns;
    for (const FieldDef &f : def.fields) {
        QString column = QStringLiteral("\"%1\" %2").arg(f.name, sqlType(f));
        if (f.name == def.primaryKey)
            column += QStringLiteral(" PRIMARY KEY NOT NULL");
        columns << column;
    }
    QStringList sql{QStringLiteral("CREATE TABLE \"%1\" (\n  %2\n)")
                        .arg(def.name, columns.join(QStringLiteral(",\n  ")))};
    for (const IndexDef &ix : def.indexes) {
        QStringList quoted;
        for (const QString &f : ix.fields)
            quoted << (ix.expressions ? f : QStringLiteral("\"%1\"").arg(f));
        sql << QStringLiteral("CREATE %1INDEX \"%2\" ON \"%3\" (%4)%5")
                   .arg(ix.unique ? QStringLiteral("UNIQUE ") : QString(), ix.name, def.name,
                        quoted.join(QStringLiteral(", ")),
                        ix.where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + ix.where);
    }
    return sql;
}

namespace {
void appendTwo(QString &out, int value)
{
    out += QLatin1Char(char('0' + value / 10 % 10));
    out += QLatin1Char(char('0' + value % 10));
}
} // namespace

QString dateTimeToStored(const QDateTime &value)
{
    if (!value.isValid())
        return {};
    // Written from the value's own date and time: no look-up of the local
    // time zone per value on the event path.
    const QDate d = value.date();
    const QTime t = value.time();
    if (d.year() < 1000 || d.year() > 9999)
        return value.toString(kDateTimeFormat);
    QString out;
    out.reserve(19);
    appendTwo(out, d.year() / 100);
    appendTwo(out, d.year() % 100);
    out += QLatin1Char('-');
    appendTwo(out, d.month());
    out += QLatin1Char('-');
    appendTwo(out, d.day());
    out += QLatin1Char(' ');
    appendTwo(out, t.hour());
    out += QLatin1Char(':');
    appendTwo(out, t.minute());
    out += QLatin1Char(':');
    appendTwo(out, t.second());
    return out;
}

QString timeToStored(const QTime &value)
{
    return value.isValid() ? value.toString(kTimeFormat) : QString();
}

QDateTime dateTimeFromStored(const QVariant &stored)
{
    if (stored.isNull())
        return {};
    if (stored.typeId() == QMetaType::QDateTime)
        return stored.toDateTime();
    const QString s = stored.toString();
    QDateTime t = QDateTime::fromString(s, kDateTimeFormat);
    if (!t.isValid())
        t = QDateTime::fromString(s, Qt::ISODate);
    return t;
}

QTime timeFromStored(const QVariant &stored)
{
    if (stored.isNull())
        return QTime(0, 0);
    if (stored.typeId() == QMetaType::QTime)
        return stored.toTime();
    const QString s = stored.toString();
    QTime t = QTime::fromString(s, kTimeFormat);
    if (!t.isValid())
        t = QTime::fromString(s, QStringLiteral("HH:mm"));
    if (!t.isValid()) {
        const QDateTime dt = dateTimeFromStored(stored);
        t = dt.isValid() ? dt.time() : QTime(0, 0);
    }
    return t;
}

} // namespace store
