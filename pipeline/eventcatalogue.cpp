#include "pipeline/eventcatalogue.h"

#include "localization/format.h"
#include "localization/texts.h"

#include <QDate>
#include <QTime>

namespace pipeline {

namespace {

struct CatalogueSource
{
    int code;
    const char *text; // native English, translated when the table is built
    quint8 kind;
    quint8 group;
    quint8 priority;
    quint8 almAction;
    quint8 resAction;
};

// Contact ID codes this station knows by name, ascending. Spellings are the
// station's own and appear as such in stored histories; keep them.
constexpr CatalogueSource CatalogueSources[EventCatalogueSize] = {
    {100, "Medical", 1, 1, 1, 2, 1},
    {110, "Fire", 1, 1, 1, 2, 1},
    {115, "Pull Station", 1, 1, 1, 2, 1},
    {120, "Panic", 1, 1, 1, 2, 1},
    {121, "Duress", 2, 1, 1, 2, 1},
    {122, "Silent PA", 1, 1, 1, 2, 1},
    {123, "Audible PA", 1, 1, 1, 2, 1},
    {130, "Burglary", 1, 2, 2, 2, 1},
    {131, "Perimeter", 1, 2, 2, 2, 1},
    {132, "Interior", 1, 2, 2, 2, 1},
    {133, "24 Hour", 1, 2, 2, 2, 1},
    {134, "Entry/Exit", 1, 2, 2, 2, 1},
    {137, "Tamper", 1, 6, 2, 2, 1},
    {139, "Confirmed", 1, 2, 2, 2, 1},
    {144, "Zone Tamper", 0, 6, 2, 2, 1},
    {145, "Module Tamper", 0, 6, 2, 2, 1},
    {150, "24 Hour Non-Burglary", 1, 2, 2, 2, 1},
    {151, "Gas Detected", 1, 2, 1, 2, 1},
    {152, "Refrigeration", 1, 2, 2, 2, 1},
    {158, "High Temperature", 1, 2, 2, 2, 1},
    {159, "Low Temperature", 1, 2, 2, 2, 1},
    {220, "Key Tube", 1, 2, 2, 2, 1},
    {300, "System Trouble", 1, 5, 2, 2, 1},
    {301, "AC Fail", 0, 5, 2, 2, 1},
    {302, "Low System Battery", 0, 5, 2, 2, 1},
    {305, "System Reset", 3, 5, 2, 2, 1},
    {306, "Panel Prog. Changed", 3, 5, 2, 2, 1},
    {321, "Bell Fault", 0, 5, 2, 2, 1},
    {333, "Expansion Module Failure", 0, 5, 2, 2, 1},
    {350, "Communication Failure (Polling)", 0, 5, 2, 2, 1},
    {351, "Phone Line Failure", 0, 5, 2, 2, 1},
    {354, "Fail to Communicate", 0, 5, 2, 2, 1},
    {355, "Loss of Radio Supervsion", 0, 5, 2, 2, 1},
    {373, "Fire Trouble", 1, 5, 2, 2, 1},
    {380, "Sensor Trouble", 1, 5, 2, 2, 1},
    {383, "Sensor Tamper", 1, 6, 2, 2, 1},
    {384, "RF xmitter low Battery", 1, 5, 2, 2, 1},
    {400, "Open/Close", 2, 3, 4, 1, 1},
    {401, "Open/Close by User", 2, 3, 4, 1, 1},
    {403, "Open/Close (Timed/Auto)", 0, 3, 4, 1, 1},
    {406, "Alarm Cancelled", 2, 3, 4, 1, 1},
    {407, "Open/Close Remotely", 0, 3, 4, 1, 1},
    {408, "Quick Arm", 0, 3, 4, 1, 1},
    {409, "Open/Close by Keyswitch", 1, 3, 4, 1, 1},
    {411, "Callback Request", 3, 5, 4, 1, 1},
    {412, "Successful Download Access", 3, 5, 4, 1, 1},
    {421, "Access Denied", 0, 5, 4, 1, 1},
    {422, "Door Access", 2, 5, 4, 1, 1},
    {451, "Early Opening", 2, 3, 4, 1, 1},
    {452, "Late Closing", 2, 3, 4, 1, 1},
    {453, "Failed to Open", 2, 3, 4, 2, 1},
    {454, "Failed to Closed", 2, 3, 4, 2, 1},
    {457, "Exit Error", 1, 3, 4, 1, 1},
    {459, "Recent Close", 0, 3, 4, 1, 1},
    {570, "Zone Bypass", 1, 4, 4, 1, 1},
    {571, "Fire Bypass", 1, 4, 4, 1, 1},
    {572, "24 Hour Zone Bypass", 1, 4, 4, 1, 1},
    {573, "Burglary Bypass", 1, 4, 4, 1, 1},
    {601, "Manual Test Call", 3, 7, 4, 1, 1},
    {602, "Auto Test Call", 3, 7, 4, 1, 1},
    {607, "Walk Test Mode", 0, 7, 4, 1, 1},
    {623, "Event Log 90% Full", 3, 5, 4, 1, 1},
    {625, "Date/Time Reset", 3, 5, 4, 1, 1},
    {627, "Program Mode Entry", 3, 5, 4, 1, 1},
    {628, "Program Mode Exit", 3, 5, 4, 1, 1},
    {999, "Communication Exception", 0, 5, 2, 2, 1},
};

EventCatalogueTable buildCatalogue()
{
    EventCatalogueTable table;
    for (int i = 0; i < EventCatalogueSize; ++i) {
        const CatalogueSource &s = CatalogueSources[i];
        table[i] = TEventCodes{s.code,     loc::text(s.text), s.kind,     s.group,
                               s.priority, s.almAction,       s.resAction};
    }
    return table;
}

EventCatalogueTable &catalogueStorage()
{
    static EventCatalogueTable table = buildCatalogue();
    return table;
}

} // namespace

// ---- Event message ---------------------------------------------------------

namespace {

std::optional<int> decimalField(const QString &text)
{
    qsizetype i = 0;
    if (!text.isEmpty() && (text.at(0) == u'-' || text.at(0) == u'+'))
        i = 1;
    if (i >= text.size())
        return std::nullopt;
    for (qsizetype k = i; k < text.size(); ++k) {
        const char16_t ch = text.at(k).unicode();
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<EventMessage> DecodeEventMessage(const QString &data, EventMessageError *error)
{
    EventMessage message;
    message.messageType = data.mid(0, 2);
    message.account = data.mid(2, 4);
    message.qualifier = data.size() > 6 ? data.at(6) : QChar();

    struct Field
    {
        EventMessageField field;
        qsizetype position;
        qsizetype length;
        int *target;
    };
    const Field fields[] = {
        {EventMessageField::Code, 7, 3, &message.code},
        {EventMessageField::Group, 10, 2, &message.group},
        {EventMessageField::Number, 12, 3, &message.number},
    };
    for (const Field &f : fields) {
        const QString text = data.mid(f.position, f.length);
        const std::optional<int> value = decimalField(text);
        if (!value) {
            if (error) {
                error->field = f.field;
                error->text = loc::text("'%1' is not a valid integer value").arg(text);
            }
            return std::nullopt;
        }
        *f.target = *value;
    }
    return message;
}

// ---- Event types -----------------------------------------------------------

int EventTypeOf(QChar qualifier, int code)
{
    const bool openClose = code >= 400 && code <= 499;
    if (qualifier == u'E')
        return openClose ? EventTypeOpened : EventTypeAlarm;
    return openClose ? EventTypeClosed : EventTypeRestore;
}

QString StateWord(int eventType)
{
    switch (eventType) {
    case EventTypeAlarm:
        return loc::text("Alarm");
    case EventTypeOpened:
        return loc::text("Opened");
    case EventTypeRestore:
        return loc::text("Restore");
    case EventTypeClosed:
        return loc::text("Closed");
    default:
        return {};
    }
}

// ---- Event catalogue -------------------------------------------------------

const EventCatalogueTable &EventCatalogue()
{
    return catalogueStorage();
}

QList<store::DefaultAction> CatalogueDefaultActions()
{
    QList<store::DefaultAction> rows;
    for (const TEventCodes &e : EventCatalogue())
        rows.append({e.Code, e.Text, e.EventKind, e.DefaultPriority, e.DefaultAlmAction,
                     e.DefaultResAction});
    return rows;
}

void RetranslateEventCatalogue()
{
    EventCatalogueTable &table = catalogueStorage();
    for (int i = 0; i < EventCatalogueSize; ++i)
        table[i].Text = loc::text(CatalogueSources[i].text);
}

int EventCatalogueIndexOf(int code)
{
    const EventCatalogueTable &table = EventCatalogue();
    int low = 0;
    int high = EventCatalogueSize - 1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int midCode = table[mid].Code;
        if (code == midCode)
            return mid;
        if (code < midCode)
            high = mid - 1;
        else
            low = mid + 1;
    }
    return -1;
}

int EventGroupOf(int code)
{
    const int index = EventCatalogueIndexOf(code);
    return index < 0 ? DefaultEventGroup : EventCatalogue()[index].EventGroup;
}

QString EventGroupName(int group)
{
    switch (group) {
    case 1:
        return loc::text("Priority Alarm");
    case 2:
        return loc::text("Standard Alarm");
    case 3:
        return loc::text("Open/Close");
    case 4:
        return loc::text("Omit/Unomit");
    case 5:
        return loc::text("Maintenance");
    case 6:
        return loc::text("Tamper");
    case 7:
        return loc::text("Test");
    default:
        return {};
    }
}

// ---- Texts -----------------------------------------------------------------

QString BuildEventDescription(int code, int eventType, int number, const QString &areaText,
                              const QString &idText)
{
    const int index = EventCatalogueIndexOf(code);
    if (index < 0)
        return loc::format(loc::text("Unknown Event Code %.3d"), {code});

    const TEventCodes &entry = EventCatalogue()[index];
    const QString &a = areaText;
    const QString &t = entry.Text;
    const QString w = StateWord(eventType);

    switch (entry.EventKind) {
    case EventKindPlain:
        if (eventType == EventTypeAlarm || eventType == EventTypeRestore)
            return loc::format(QStringLiteral("%s: %s %s"), {a, t, w});
        return loc::format(QStringLiteral("%s: %s"), {a, t});

    case EventKindZone:
        if (!idText.isEmpty())
            return loc::format(loc::text("%s: %s %s - Zone %.3d (%s)"), {a, t, w, number, idText});
        if (number > 0)
            return loc::format(loc::text("%s: %s %s - Zone %.3d"), {a, t, w, number});
        return loc::format(QStringLiteral("%s: %s %s"), {a, t, w});

    case EventKindUser: {
        // The event name was read in the language of the day: its
        // "Open/Close" may be the translated one.
        QString openClose = QStringLiteral("Open/Close");
        qsizetype at = t.indexOf(openClose);
        if (at < 0) {
            openClose = loc::text("Open/Close");
            at = openClose.isEmpty() ? -1 : t.indexOf(openClose);
        }
        if (at >= 0) {
            // The rest keeps the blank that followed "Open/Close", so these
            // descriptions read "Opened  by User 003": operators know them so.
            const QString rest = QString(t).remove(at, openClose.size());
            if (number == 0)
                return loc::format(QStringLiteral("%s: %s %s"), {a, rest, w});
            if (!idText.isEmpty())
                return loc::format(QStringLiteral("%s: %s %s %.3d (%s)"),
                                   {a, w, rest, number, idText});
            return loc::format(QStringLiteral("%s: %s %s %.3d"), {a, w, rest, number});
        }
        if (number == 0)
            return loc::format(QStringLiteral("%s: %s"), {a, t});
        if (!idText.isEmpty())
            return loc::format(loc::text("%s: %s by User %.3d (%s)"), {a, t, number, idText});
        return loc::format(loc::text("%s: %s by User %.3d"), {a, t, number});
    }

    case EventKindNotice:
    default:
        return loc::format(QStringLiteral("%s: %s"), {a, t});
    }
}

QString DateToOrderedText(const QString &order, bool dateOnly, const QDateTime &value)
{
    const QDate date = value.date();
    const QString y = QString::number(date.year());
    const QString m = QString::number(date.month());
    const QString d = QString::number(date.day());
    const QChar slash = u'/';

    QString text;
    if (order == u"dmy")
        text = d + slash + m + slash + y;
    else if (order == u"ymd")
        text = y + slash + m + slash + d;
    else if (order == u"ydm")
        text = y + slash + d + slash + m;
    else if (order == u"myd")
        text = m + slash + y + slash + d;
    else if (order == u"dym")
        text = d + slash + y + slash + m;
    else
        text = m + slash + d + slash + y;

    if (!dateOnly) {
        const QTime time = value.time();
        const bool valid = time.isValid();
        text += u' ' + QString::number(valid ? time.hour() : 0) + u':' +
                QString::number(valid ? time.minute() : 0) + u':' +
                QString::number(valid ? time.second() : 0);
    }
    return text;
}

} // namespace pipeline
