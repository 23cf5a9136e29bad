#include "reports/accountreport.h"

#include "localization/texts.h"
#include "reports/reportpreview.h"
#include "reports/treportoptions.h"
#include "core/clock.h"
#include "core/guarded.h"
#include "store/query.h"
#include "store/recordrules.h"
#include "store/schema.h"
#include "store/tdmod.h"

#include <QLocale>

namespace reports {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kBarBlue(0, 128, 255);

const TextStyle kCaption{9.0, true, kMaroon};
const TextStyle kValue{9.0, false, kNavy};

constexpr double kMargin = 12.7;
constexpr double kLine = 4.6;     // one line of captions and values
constexpr double kBarTop = 2.0;   // space above a section's title bar
constexpr double kBarHeight = 6.0;
constexpr double kBody = kBarTop + kBarHeight + 1.5; // first line under a title bar
constexpr double kGap = 0.5;

// Customer details: the left and right blocks.
constexpr double kLeftCaptionEnd = 20.3;
constexpr double kLeftValue = 20.9;
constexpr double kFaxValue = 66.8;
constexpr double kRightCaptionStart = 96.0;
constexpr double kRightCaptionEnd = 118.2;
constexpr double kRightValue = 118.8;

// Key holders: the three value columns.
constexpr double kKeyHolderX[3] = {27.1, 80.0, 132.1};

// Lists.
constexpr double kHeadingNo = 1.5;
constexpr double kListDescription = 43.9;
constexpr double kRowCaption = 1.8;
constexpr double kRowId = 11.2;
constexpr double kRowText = 44.1;
constexpr double kEventCols[5] = {1.5, 21.8, 86.2, 118.8, 155.0};

QString S(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace

void printAccountReport(store::TDMod &dm, const QString &accountNo, QWidget *parent)
{
    TfrmReportOptions dialog(parent);
    quint8 options = AllSections;
    if (!dialog.GetOptions(options))
        return;
    core::guarded([&]() {
        TfrmAccountRep report(dm, accountNo);
        report.setOptions(options);
        report.preview(parent);
    });
}

TfrmAccountRep::TfrmAccountRep(store::TDMod &dm, const QString &accountNo)
    : m_report(loc::text("Account Information"), QPageLayout::Portrait, kMargin)
{
    using P = store::Query::ParamType;
    auto query = [&dm](const char *name, const char *from, const char *where,
                       const char *param) {
        return std::make_unique<store::Query>(dm.database(), S(name),
                                              QStringList{S(from), S(where)},
                                              QList<store::Query::ParamDef>{{S(param), P::Text}});
    };
    qryReport = query("qryReport", "Select * From Accounts ", "Where (AccountNo = :ANo)", "ANo");
    qryZones = query("qryZones", "Select * From Zones ", "Where AccountNo = :AccountNo",
                     "AccountNo");
    qryAreas = query("qryAreas", "Select * From Areas", "Where AccountNo = :AccountNo",
                     "AccountNo");
    qryUsers = query("qryUsers", "Select * From Users", "Where AccountNo = :AccountNo",
                     "AccountNo");
    qryEvents = query("qryEvents", "Select * From Actions", "Where AccountNo = :AccountNo",
                      "AccountNo");

    qryReport->close();
    qryReport->prepare();
    qryReport->setParam(QStringLiteral("ANo"), accountNo);
    qryReport->open();
    // The lists follow the account row.
    const QString listAccount = accountFound() ? text("AccountNo") : QString();
    for (store::Query *list : {qryZones.get(), qryAreas.get(), qryUsers.get(), qryEvents.get()}) {
        list->setParam(QStringLiteral("AccountNo"), listAccount);
        list->open();
    }
    build();
}

TfrmAccountRep::~TfrmAccountRep()
{
    for (store::Query *list : {qryZones.get(), qryAreas.get(), qryUsers.get(), qryEvents.get()})
        list->close();
    qryReport->close();
}

void TfrmAccountRep::setOptions(quint8 options)
{
    m_options = options;
    build();
}

bool TfrmAccountRep::accountFound() const
{
    return qryReport->isOpen() && qryReport->recordCount() > 0;
}

void TfrmAccountRep::preview(QWidget *parent)
{
    PreviewOptions options;
    options.maximised = true;
    options.fitPage = true;
    // Built again in place, so the open preview keeps drawing this report.
    options.retranslate = [this]() { build(); };
    previewReport(m_report, parent, options);
}

bool TfrmAccountRep::exportPdf(const QString &path, QString *error) const
{
    return m_report.exportPdf(path, error);
}

QString TfrmAccountRep::PanelTypeText(int panelType)
{
    const store::PanelModel *model = store::panelModel(panelType);
    return model ? QString::fromLatin1(model->name) : loc::text("Unknown");
}

QString TfrmAccountRep::PriorityText(int almPriority)
{
    switch (almPriority) {
    case 1: return loc::text("Very High");
    case 2: return loc::text("High");
    case 3: return loc::text("Medium");
    case 4: return loc::text("Low");
    case 5: return loc::text("Invalid");
    default: return {};
    }
}

QString TfrmAccountRep::ActionText(int action)
{
    switch (action) {
    case 0: return loc::text("Ignore");
    case 1: return loc::text("Log");
    case 2: return loc::text("Prompt");
    default: return {};
    }
}

QString TfrmAccountRep::TimeText(const QTime &time)
{
    if (!time.isValid())
        return {};
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? loc::text("am") : loc::text("pm"));
}

store::Field TfrmAccountRep::field(const char *name) const
{
    return qryReport->field(S(name));
}

QString TfrmAccountRep::text(const char *name) const
{
    if (!accountFound() || !qryReport->hasField(S(name)))
        return {};
    return field(name).asString();
}

QString TfrmAccountRep::boolText(const QString &name) const
{
    // An unset switch is off, and prints so.
    const bool on = accountFound() && qryReport->field(name).asBoolean();
    return on ? loc::text("True") : loc::text("False");
}

QString TfrmAccountRep::timeText(const QString &name) const
{
    if (!accountFound())
        return {};
    const store::Field time = qryReport->field(name);
    return time.isNull() ? QString() : TimeText(time.asTime());
}

// ---- Layout ---------------------------------------------------------------------

namespace {

// A section's full-width blue title bar with its title centred.
Band titleBar(const QString &title, double heightMm)
{
    Band band(heightMm);
    band.addFill(0, kBarTop, 0, kBarHeight, kBarBlue)
        .addLabel(0, kBarTop + 1.0, title, {11.0, true, Qt::white}, Qt::AlignHCenter);
    return band;
}

} // namespace

void TfrmAccountRep::build()
{
    const quint8 sections = m_options;
    m_report = BandReport(loc::text("Account Information"), QPageLayout::Portrait, kMargin);
    m_report.onStart = [this]() { m_printedAt = core::dateTimeText(core::now()); };

    const double width = m_report.printableWidth();
    const TextStyle pageStyle{9.0, true, Qt::black};
    Band pageHeader(7.0);
    pageHeader.addText(0, 1.0, [this](const PrintContext &) { return m_printedAt; }, pageStyle)
        .addLabel(163.6, 1.0, loc::text("Page:"), pageStyle)
        .addText(174.0, 1.0, [](const PrintContext &ctx) { return QString::number(ctx.page); },
                 pageStyle, Qt::AlignRight, width - 174.0);
    m_report.addPageHeader(pageHeader);

    addTitle();
    if (!accountFound())
        return; // the page header and the title only
    if (sections & CustomerDetails)
        addCustomerDetails();
    if (sections & KeyHolders)
        addKeyHolders();
    if (sections & CustomerNotes)
        addMemo("Customer Notes", "Notes");
    if (sections & SpecialInstructions)
        addMemo("Special Instructions", "SpecialNotes");
    if (sections & ZoneInformation)
        addList("Zone Information", loc::noop("Zone"), *qryZones, "ZoneID", "ZoneText", false);
    if (sections & AreaInformation)
        addList("Area Information", loc::noop("Area"), *qryAreas, "AreaID", "AreaText", true);
    if (sections & UserInformation)
        addList("User Information", loc::noop("User"), *qryUsers, "UserID", "UserText", false);
    if (sections & EventHandling)
        addEvents();
}

void TfrmAccountRep::addTitle()
{
    const double width = m_report.printableWidth();
    Band title(14.0);
    title.addLabel(0, 0.5, loc::text("Account Information"), {16.0, true, kNavy}, Qt::AlignHCenter)
        .addLabel(0, 8.5, loc::text("Account No:"), kValue, Qt::AlignRight, 19.2)
        .addText(19.4, 8.5, [this](const PrintContext &) { return text("AccountNo"); }, kValue,
                 Qt::AlignLeft, 40.0)
        .addText(60.0, 8.5,
                 [this](const PrintContext &) { return loc::text("Name:") + text("Name"); },
                 kValue, Qt::AlignRight, width - 60.0);
    m_report.addBand(title);
}

void TfrmAccountRep::addCustomerDetails()
{
    const double width = m_report.printableWidth();
    Band band = titleBar(loc::text("Customer Details"), 0);
    auto value = [this](const char *name) {
        return [this, name](const PrintContext &) { return text(name); };
    };
    const double leftWidth = kRightCaptionStart - kLeftValue - kGap;
    auto left = [&](int line, const char *caption, const char *name) {
        const double y = kBody + line * kLine;
        if (caption)
            band.addLabel(0, y, loc::text(caption), kCaption, Qt::AlignRight, kLeftCaptionEnd);
        band.addText(kLeftValue, y, value(name), kValue, Qt::AlignLeft, leftWidth);
    };
    left(0, "Account No:", "AccountNo");
    left(1, "Name:", "Name");
    left(2, "Address:", "Address1");
    left(3, nullptr, "Address2");
    left(4, nullptr, "Address3");
    left(5, nullptr, "Address4");
    left(6, nullptr, "Postcode");
    const double telY = kBody + 7 * kLine;
    const double faxCaptionX = 50.0;
    band.addLabel(0, telY, loc::text("Tel No:"), kCaption, Qt::AlignRight, kLeftCaptionEnd)
        .addText(kLeftValue, telY, value("TelNo"), kValue, Qt::AlignLeft,
                 faxCaptionX - kLeftValue - kGap)
        .addLabel(faxCaptionX, telY, loc::text("Fax No:"), kCaption, Qt::AlignRight,
                  kFaxValue - kGap - faxCaptionX)
        .addText(kFaxValue, telY, value("FaxNo"), kValue, Qt::AlignLeft,
                 kRightCaptionStart - kFaxValue - kGap);
    left(8, "Email:", "Email");

    auto right = [&](int line, const char *caption, TextFn valueFn) {
        const double y = kBody + line * kLine;
        band.addLabel(kRightCaptionStart, y, loc::text(caption), kCaption, Qt::AlignRight,
                      kRightCaptionEnd - kRightCaptionStart)
            .addText(kRightValue, y, std::move(valueFn), kValue, Qt::AlignLeft,
                     width - kRightValue);
    };
    right(0, "Panel:", [this](const PrintContext &) {
        return PanelTypeText(field("PanelType").asInteger());
    });
    right(1, loc::noop("Last Signal:"), [this](const PrintContext &) {
        return core::dateTimeText(field("LastSignal").asDateTime());
    });
    right(3, "Password:", value("Password"));
    right(4, "Police No:", value("PoliceNo"));
    right(5, loc::noop("Special Inst:"), value("SpecialOpts"));
    m_report.addBand(band);
}

void TfrmAccountRep::addKeyHolders()
{
    const double width = m_report.printableWidth();
    Band holders = titleBar(loc::text("Key Holders"), 0);
    static const char *const kCaptions[] = {"Name", "Tel No", loc::noop("Mobile/Cellular"), loc::noop("Pager"),
                                            "Email"};
    static const char *const kFields[] = {"Name", "TelNo", "Mobile", "Pager", "Email"};
    for (int block = 0; block < 2; ++block) {
        const double top = kBody + block * (5 * kLine + 2.0);
        for (int row = 0; row < 5; ++row) {
            const double y = top + row * kLine;
            holders.addLabel(1.5, y, loc::text(kCaptions[row]), kCaption, Qt::AlignLeft,
                             kKeyHolderX[0] - 1.5 - kGap);
            for (int col = 0; col < 3; ++col) {
                const QString name =
                    QStringLiteral("KH%1%2").arg(block * 3 + col + 1).arg(S(kFields[row]));
                const double x = kKeyHolderX[col];
                const double right = col < 2 ? kKeyHolderX[col + 1] - kGap : width;
                holders.addText(
                    x, y,
                    [this, name](const PrintContext &) {
                        return accountFound() ? qryReport->field(name).asString() : QString();
                    },
                    kValue, Qt::AlignLeft, right - x);
            }
        }
    }
    m_report.addBand(holders);

    Band exceptions = titleBar(loc::text("Exception Handling"), 0);
    exceptions.addLabel(1.5, kBody, loc::text("Early Openings"), kCaption)
        .addLabel(43.9, kBody, loc::text("Generate Exception"), kCaption, Qt::AlignLeft,
                  95.9 - 43.9 - kGap)
        .addLabel(95.9, kBody, loc::text("Late Closing"), kCaption)
        .addLabel(138.2, kBody, loc::text("Generate Exception"), kCaption, Qt::AlignLeft,
                  width - 138.2);
    static const char *const kDays[] = {"Monday:", "Tuesday:", "Wednesday:", "Thursday:",
                                        "Friday:", "Saturday:", "Sunday:"};
    static const char *const kPrefixes[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int d = 0; d < 7; ++d) {
        const double y = kBody + (d + 1) * kLine;
        const QString day = S(kPrefixes[d]);
        auto timeOf = [this](const QString &name) {
            return [this, name](const PrintContext &) { return timeText(name); };
        };
        auto flagOf = [this](const QString &name) {
            return [this, name](const PrintContext &) { return boolText(name); };
        };
        exceptions.addLabel(1.5, y, loc::text(kDays[d]), kValue, Qt::AlignLeft, 21.8 - 1.5 - kGap)
            .addText(21.8, y, timeOf(day + QStringLiteral("OpenTime")), kValue, Qt::AlignLeft,
                     44.8 - 21.8 - kGap)
            .addText(44.8, y, flagOf(day + QStringLiteral("OpenExcept")), kValue, Qt::AlignLeft,
                     95.9 - 44.8 - kGap)
            .addLabel(95.9, y, loc::text(kDays[d]), kValue, Qt::AlignLeft, 116.2 - 95.9 - kGap)
            .addText(116.2, y, timeOf(day + QStringLiteral("CloseTime")), kValue, Qt::AlignLeft,
                     139.1 - 116.2 - kGap)
            .addText(139.1, y, flagOf(day + QStringLiteral("CloseExcept")), kValue, Qt::AlignLeft,
                     width - 139.1);
    }
    const double noComms = kBody + 8 * kLine + 1.5;
    exceptions.addLabel(1.5, noComms, loc::text("No Communication"), kCaption)
        .addLabel(1.5, noComms + kLine, loc::text("Last Communication: "), kValue, Qt::AlignLeft,
                  34.2 - 1.5 - kGap)
        .addText(34.2, noComms + kLine,
                 [this](const PrintContext &) {
                     return core::dateTimeText(field("LastSignal").asDateTime());
                 },
                 kValue, Qt::AlignLeft, 95.9 - 34.2 - kGap)
        .addLabel(95.9, noComms + kLine, loc::text("Generate Exception after: "), kValue,
                  Qt::AlignLeft, 133.0 - 95.9 - kGap)
        .addText(133.0, noComms + kLine,
                 [this](const PrintContext &) {
                     return QString::number(qRound64(field("NoSigTime").asFloat()));
                 },
                 kValue, Qt::AlignLeft, 142.7 - 133.0 - kGap)
        .addLabel(142.7, noComms + kLine, loc::text("Hours"), kValue);
    m_report.addBand(exceptions);
}

void TfrmAccountRep::addMemo(const char *title, const char *name)
{
    const double width = m_report.printableWidth();
    Band band = titleBar(loc::text(title), 0);
    band.addMemo(1.8, kBody, width - 2 * 1.8,
                 [this, name](const PrintContext &) { return text(name); }, kValue);
    m_report.addBand(band);
}

void TfrmAccountRep::addList(const char *title, const char *rowCaption, store::Query &rows,
                             const char *idField, const char *textField, bool newPage)
{
    const double width = m_report.printableWidth();
    ListSection list;
    list.header = titleBar(loc::text(title), kBody + kLine);
    list.header->addLabel(kHeadingNo, kBody, loc::text("No"), kCaption)
        .addLabel(kListDescription, kBody, loc::text("Description"), kCaption)
        .setStartsNewPage(newPage);
    list.repeatHeader = true;

    const int id = rows.fieldIndex(S(idField));
    const int description = rows.fieldIndex(S(textField));
    store::Query *q = &rows;
    auto column = [q](int index) {
        return [q, index](const PrintContext &ctx) {
            if (index < 0 || ctx.row < 0)
                return QString();
            return q->recordAt(ctx.row).value(index).toString();
        };
    };
    list.detail = Band(kLine);
    list.detail.addLabel(kRowCaption, 0.2, loc::text(rowCaption), kValue, Qt::AlignLeft,
                         kRowId - kRowCaption - kGap)
        .addText(kRowId, 0.2, column(id), kValue, Qt::AlignLeft, kRowText - kRowId - kGap)
        .addText(kRowText, 0.2, column(description), kValue, Qt::AlignLeft, width - kRowText);
    list.rowCount = [q]() { return q->isOpen() ? q->recordCount() : 0; };
    m_report.addList(list);
}

void TfrmAccountRep::addEvents()
{
    const double width = m_report.printableWidth();
    static const char *const kHeadings[] = {loc::noop("Event Code"), "Description", loc::noop("Alarm Priorty"),
                                            "Alarm Action", "Restore Action"};
    auto columnWidth = [width](int c) {
        return (c < 4 ? kEventCols[c + 1] - kGap : width) - kEventCols[c];
    };
    ListSection list;
    list.header = titleBar(loc::text("Event Handling"), kBody + kLine);
    for (int c = 0; c < 5; ++c)
        list.header->addLabel(kEventCols[c], kBody, loc::text(kHeadings[c]), kCaption,
                              Qt::AlignLeft, columnWidth(c));
    list.repeatHeader = true;

    store::Query *q = qryEvents.get();
    const int code = q->fieldIndex(QStringLiteral("EventCode"));
    const int description = q->fieldIndex(QStringLiteral("Description"));
    const int priority = q->fieldIndex(QStringLiteral("AlmPriority"));
    const int alarm = q->fieldIndex(QStringLiteral("AlmAction"));
    const int restore = q->fieldIndex(QStringLiteral("ResAction"));
    // An unset value reads as 0.
    auto number = [](const QVector<QVariant> &row, int index) {
        return index < 0 ? 0 : row.value(index).toInt();
    };
    auto column = [q](std::function<QString(const QVector<QVariant> &)> text) {
        return [q, text](const PrintContext &ctx) {
            return ctx.row < 0 ? QString() : text(q->recordAt(ctx.row));
        };
    };
    const TextFn texts[5] = {
        column([code](const QVector<QVariant> &row) { return row.value(code).toString(); }),
        column([description](const QVector<QVariant> &row) {
            return row.value(description).toString();
        }),
        column([priority, number](const QVector<QVariant> &row) {
            return PriorityText(number(row, priority));
        }),
        column([alarm, number](const QVector<QVariant> &row) {
            return ActionText(number(row, alarm));
        }),
        column([restore, number](const QVector<QVariant> &row) {
            return ActionText(number(row, restore));
        })};
    list.detail = Band(kLine);
    for (int c = 0; c < 5; ++c)
        list.detail.addText(kEventCols[c], 0.2, texts[c], kValue, Qt::AlignLeft, columnWidth(c));
    list.rowCount = [q]() { return q->isOpen() ? q->recordCount() : 0; };
    m_report.addList(list);
}

} // namespace reports
