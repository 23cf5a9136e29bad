#include "reports/thistreportfrm.h"

#include "localization/format.h"
#include "localization/texts.h"
#include "reports/historymodel.h"
#include "reports/reportpreview.h"
#include "store/query.h"

namespace reports {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kHeaderBlue(0, 128, 255);
const QColor kYellow(255, 255, 0);

// Left edges of the columns, in millimetres from the left margin.
constexpr double kDateX = 1.1;
constexpr double kDescX = 34.9;
constexpr double kActionTitleX = 142.9;
constexpr double kActionX = 142.3;
constexpr double kOperatorX = 160.9;
constexpr double kActionedX = 185.2;
constexpr double kCommentsTitleX = 220.4;
constexpr double kCommentsX = 220.7;
constexpr double kCommentsWidth = 55.3;
constexpr double kGap = 0.5;
// The account line of the column header; the date range ends at the right margin.
constexpr double kAccountNoX = 27.0;
constexpr double kNameX = 68.8;
constexpr double kRangeX = 180.0;

} // namespace

THistReportFrm::THistReportFrm(store::Query &history)
    : m_history(history), m_report(reportTitle(), QPageLayout::Landscape, 10.0)
{
    build();
}

QString THistReportFrm::reportTitle()
{
    return loc::text("Alarm History Report");
}

QString THistReportFrm::lbAccName() const
{
    return loc::format(loc::text("Name: %s"), {accountName});
}

QString THistReportFrm::qrlbDateRange() const
{
    return loc::format(loc::text("Date Range: %s"),
                       {dateRange.isEmpty() ? loc::text("All") : dateRange});
}

QString THistReportFrm::ActionText(const QVariant &opAction)
{
    // Fixed words of the report, whatever the grid shows for OpAction.
    // The words are the ones the display texts carry, looked up the same way.
    static const char *const words[] = {"Logged", "Actioned", "Cancelled"};
    const int value = opAction.isNull() ? 0 : opAction.toInt();
    return loc::text(words[value == 0 ? 0 : value == 1 ? 1 : 2]);
}

QString THistReportFrm::text(int row, const char *field) const
{
    const int index = m_history.fieldIndex(QString::fromLatin1(field));
    if (index < 0)
        return {};
    return HistoryFieldText(m_history, index, m_history.recordAt(row).value(index));
}

QString THistReportFrm::accountNo(const PrintContext &ctx) const
{
    if (m_history.recordCount() > 0)
        return text(std::max(ctx.row, 0), "AccNo");
    // No rows: the account the statement was run for.
    return m_history.param(QStringLiteral("ANo")).toString();
}

void THistReportFrm::build()
{
    const TextStyle title{16.0, true, kNavy};
    const TextStyle pageStyle{10.0, true, Qt::black};
    const TextStyle account{12.0, true, kYellow};
    const TextStyle columnTitle{9.0, true, Qt::white};
    const TextStyle detail{9.0, false, Qt::black};
    const double width = m_report.printableWidth();
    // Fixed texts are looked up as they are drawn, so a report follows the
    // language in use.
    using Ctx = const PrintContext &;
    const TextFn pageTitle = [](Ctx) { return loc::text("Account History Report"); };
    const TextFn pageCaption = [](Ctx) { return loc::text("Page:"); };
    const TextFn accountCaption = [](Ctx) { return loc::text("Account No:"); };
    const TextFn dateTitle = [](Ctx) { return loc::text("Date & Time"); };
    const TextFn descTitle = [](Ctx) { return loc::text("Event Description"); };
    const TextFn actionTitle = [](Ctx) { return loc::text("Action"); };
    const TextFn operatorTitle = [](Ctx) { return loc::text("Operator"); };
    const TextFn actionedTitle = [](Ctx) { return loc::text("Actioned At"); };
    const TextFn commentsTitle = [](Ctx) { return loc::text("Comments"); };

    Band pageHeader(10.0);
    pageHeader.addText(0, 1.0, pageTitle, title, Qt::AlignHCenter)
        .addText(0, 3.0, pageCaption, pageStyle, Qt::AlignRight, width - 12.5)
        .addText(
            width - 11.5, 3.0, [](Ctx ctx) { return QString::number(ctx.page); }, pageStyle)
        .setRuleBelow();
    m_report.addPageHeader(pageHeader);

    Band columnHeader(11.5);
    columnHeader.setBackground(kHeaderBlue)
        .addText(kDateX, 1.0, accountCaption, account, Qt::AlignLeft, kAccountNoX - kDateX - kGap)
        .addText(
            kAccountNoX, 1.0, [this](Ctx ctx) { return accountNo(ctx); }, account, Qt::AlignLeft,
            kNameX - kAccountNoX - kGap)
        .addText(
            kNameX, 1.0, [this](Ctx) { return lbAccName(); }, account, Qt::AlignLeft,
            kRangeX - kNameX - kGap)
        .addText(
            kRangeX, 1.0, [this](Ctx) { return qrlbDateRange(); }, account, Qt::AlignRight,
            width - kRangeX)
        .addText(kDateX, 7.0, dateTitle, columnTitle)
        .addText(kDescX, 7.0, descTitle, columnTitle)
        .addText(kActionTitleX, 7.0, actionTitle, columnTitle)
        .addText(kOperatorX, 7.0, operatorTitle, columnTitle)
        .addText(kActionedX, 7.0, actionedTitle, columnTitle)
        .addText(kCommentsTitleX, 7.0, commentsTitle, columnTitle)
        .setRuleBelow();
    m_report.addPageHeader(columnHeader);

    // Every column wraps within its own width, so a long description or
    // operator name never runs over its neighbour; the comments column is
    // the one that usually makes a row grow.
    auto field = [this](const char *name) {
        return [this, name](const PrintContext &ctx) { return text(ctx.row, name); };
    };
    ListSection rows;
    rows.detail = Band(4.5);
    rows.detail.addMemo(kDateX, 0.5, kDescX - kDateX - kGap, field("DateTime"), detail)
        .addMemo(kDescX, 0.5, kActionX - kDescX - kGap, field("EventDesc"), detail)
        .addMemo(kActionX, 0.5, kOperatorX - kActionX - kGap,
                 [this](const PrintContext &ctx) {
                     const int index = m_history.fieldIndex(QStringLiteral("OpAction"));
                     return ActionText(m_history.recordAt(ctx.row).value(index));
                 },
                 detail)
        .addMemo(kOperatorX, 0.5, kActionedX - kOperatorX - kGap, field("Operator"), detail)
        .addMemo(kActionedX, 0.5, kCommentsX - kActionedX - kGap, field("TimeActioned"), detail)
        .addMemo(kCommentsX, 0.5, kCommentsWidth, field("Comments"), detail)
        .setRuleBelow();
    rows.rowCount = [this]() { return m_history.isOpen() ? m_history.recordCount() : 0; };
    m_report.addList(rows);
}

void THistReportFrm::preview(QWidget *parent)
{
    PreviewOptions options;
    options.retranslate = [this]() { m_report.setTitle(reportTitle()); };
    previewReport(m_report, parent, options);
}

bool THistReportFrm::exportPdf(const QString &path, QString *error) const
{
    return m_report.exportPdf(path, error);
}

} // namespace reports
