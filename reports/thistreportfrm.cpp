#include "reports/thistreportfrm.h"

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
    : m_history(history),
      m_report(loc::text("Alarm History Report"), QPageLayout::Landscape, 10.0)
{
    build();
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

    Band pageHeader(10.0);
    pageHeader.addLabel(0, 1.0, loc::text("Account History Report"), title, Qt::AlignHCenter)
        .addLabel(0, 3.0, loc::text("Page:"), pageStyle, Qt::AlignRight, width - 12.5)
        .addText(width - 11.5, 3.0,
                 [](const PrintContext &ctx) { return QString::number(ctx.page); }, pageStyle)
        .setRuleBelow();
    m_report.addPageHeader(pageHeader);

    Band columnHeader(11.5);
    columnHeader.setBackground(kHeaderBlue)
        .addLabel(kDateX, 1.0, loc::text("Account No:"), account, Qt::AlignLeft,
                  kAccountNoX - kDateX - kGap)
        .addText(kAccountNoX, 1.0, [this](const PrintContext &ctx) { return accountNo(ctx); },
                 account, Qt::AlignLeft, kNameX - kAccountNoX - kGap)
        .addText(kNameX, 1.0, [this](const PrintContext &) { return lbAccName; }, account,
                 Qt::AlignLeft, kRangeX - kNameX - kGap)
        .addText(kRangeX, 1.0, [this](const PrintContext &) { return qrlbDateRange; }, account,
                 Qt::AlignRight, width - kRangeX)
        .addLabel(kDateX, 7.0, loc::text("Date & Time"), columnTitle)
        .addLabel(kDescX, 7.0, loc::text("Event Description"), columnTitle)
        .addLabel(kActionTitleX, 7.0, loc::text("Action"), columnTitle)
        .addLabel(kOperatorX, 7.0, loc::text("Operator"), columnTitle)
        .addLabel(kActionedX, 7.0, loc::text("Actioned At"), columnTitle)
        .addLabel(kCommentsTitleX, 7.0, loc::text("Comments"), columnTitle)
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
    previewReport(m_report, parent);
}

bool THistReportFrm::exportPdf(const QString &path, QString *error) const
{
    return m_report.exportPdf(path, error);
}

} // namespace reports
