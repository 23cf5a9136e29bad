#include "reports/thistoryfrm.h"

#include "localization/texts.h"
#include "pipeline/eventcatalogue.h"
#include "localization/format.h"
#include "core/guarded.h"
#include "core/messages.h"
#include "reports/historymodel.h"
#include "reports/reportformats.h"
#include "reports/thistreportfrm.h"
#include "core/clock.h"
#include "store/schema.h"
#include "store/tdmod.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace reports {

namespace {

constexpr int kGroups = 7;

QIcon swatch(int group)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(EventGroupColours(group).background);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 11, 11);
    return QIcon(pixmap);
}

} // namespace

QString HistoryAccountClause()
{
    return QStringLiteral("Where (AccNo = :ANo)");
}

QString HistoryRangeClause()
{
    // Date-times are compared in the store's own sortable form, bound, so
    // that every range runs the one prepared text.
    return QStringLiteral(
        "Where (AccNo = :ANo) and ((DateTime >= :FromDateTime and DateTime <= :ToDateTime))");
}

QString EventGroupFilter(const QList<int> &groups)
{
    QStringList terms;
    for (int g : groups)
        terms << QStringLiteral("(EventGroup = %1)").arg(g);
    return terms.join(QStringLiteral(" or "));
}

THistoryFrm::THistoryFrm(store::TDMod &dm, QWidget *parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("HistoryFrm"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint);
    setSizeGripEnabled(true);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new HistoryModel(*m_dm.qryHistory, this);
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setWordWrap(false);
    DBGrid1->verticalHeader()->setVisible(false);
    // Fixed row heights keep scrolling through a long history cheap.
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setStretchLastSection(false);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    // The width bounds were made for a date in a small grid font; with a
    // wider font they grow alike, so a whole date still shows.
    const QString sample = formatDateTime(QDateTime(QDate(2000, 12, 28), QTime(23, 59, 59)),
                                          reportFormats().eventFormat);
    const double scale = std::max(
        1.0, (DBGrid1->fontMetrics().horizontalAdvance(sample) + 12) / 120.0);
    for (const HistoryModel::Column &c : HistoryModel::columns())
        m_bounds << ColumnBounds{qRound(c.bounds.initial * scale), qRound(c.bounds.minimum * scale),
                                 qRound(c.bounds.maximum * scale)};
    // "Actioned At" holds a date like the first column: never narrower.
    const int actioned = HistoryModel::columns().size() - 2;
    m_bounds[actioned].minimum = std::max(m_bounds[actioned].minimum, m_bounds[0].minimum);
    m_bounds[actioned].initial = std::max(m_bounds[actioned].initial, m_bounds[0].initial);
    for (int c = 0; c < m_bounds.size(); ++c)
        DBGrid1->setColumnWidth(c, m_bounds[c].initial);
    // The window widens with the columns, within the screen.
    int width = qRound(800 * scale);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        width = std::min(width, screen->availableGeometry().width());
    resize(std::max(800, width), 534);
    DBGrid1->viewport()->installEventFilter(this);

    FilterOpts = new QGroupBox(this);
    FilterOpts->setObjectName(QStringLiteral("FilterOpts"));
    cbFilterEvents = new QCheckBox(FilterOpts);
    cbFilterEvents->setObjectName(QStringLiteral("cbFilterEvents"));
    auto *filterLayout = new QVBoxLayout(FilterOpts);
    filterLayout->addWidget(cbFilterEvents);
    auto *items = new QGridLayout;
    for (int g = 1; g <= kGroups; ++g) {
        auto *item = new QCheckBox(FilterOpts);
        item->setObjectName(QStringLiteral("FilterOpts%1").arg(g));
        item->setIcon(swatch(g));
        item->setChecked(true);
        // Column by column: two items in each of the first three columns.
        items->addWidget(item, (g - 1) % 2, (g - 1) / 2);
        connect(item, &QCheckBox::clicked, this, [this]() { cbFilterEventsClick(); });
        m_filterItems << item;
    }
    filterLayout->addLayout(items);
    connect(cbFilterEvents, &QCheckBox::clicked, this, [this]() { cbFilterEventsClick(); });

    gbDateRange = new QGroupBox(this);
    gbDateRange->setObjectName(QStringLiteral("gbDateRange"));
    lbStartDate = new QLabel(gbDateRange);
    lbEndDate = new QLabel(gbDateRange);
    lbStartDate->setObjectName(QStringLiteral("lbStartDate"));
    lbEndDate->setObjectName(QStringLiteral("lbEndDate"));
    dpStart = new DateField(gbDateRange);
    dpStart->setObjectName(QStringLiteral("dpStart"));
    dpEnd = new DateField(gbDateRange);
    dpEnd->setObjectName(QStringLiteral("dpEnd"));
    const QDate today = core::now().date();
    for (DateField *picker : {dpStart, dpEnd})
        picker->setDate(today);
    applyDateFormat();
    // A language switch brings its own short date; the dates chosen stay.
    connect(&reportFormatsNotifier(), &ReportFormatsNotifier::changed, this,
            &THistoryFrm::applyDateFormat);
    cbUseDate = new QCheckBox(gbDateRange);
    cbUseDate->setObjectName(QStringLiteral("cbUseDate"));
    connect(cbUseDate, &QCheckBox::clicked, this, [this]() { cbUseDateClick(); });
    auto *rangeLayout = new QHBoxLayout(gbDateRange);
    rangeLayout->addWidget(lbStartDate);
    rangeLayout->addWidget(dpStart);
    rangeLayout->addSpacing(12);
    rangeLayout->addWidget(lbEndDate);
    rangeLayout->addWidget(dpEnd);
    rangeLayout->addSpacing(12);
    rangeLayout->addWidget(cbUseDate);
    rangeLayout->addStretch();

    btnPrint = new QPushButton(this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    btnPrint->setAutoDefault(false);
    connect(btnPrint, &QPushButton::clicked, this, [this]() { btnPrintClick(); });
    btnClose = new QPushButton(this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(false);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto *left = new QVBoxLayout;
    left->addWidget(FilterOpts);
    left->addWidget(gbDateRange);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnPrint);
    buttons->addWidget(btnClose);
    buttons->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(left);
    bottom->addStretch();
    bottom->addLayout(buttons);
    moComments = new QPlainTextEdit(this);
    moComments->setObjectName(QStringLiteral("moComments"));
    moComments->setReadOnly(true);
    moComments->setFixedHeight(moComments->fontMetrics().lineSpacing() * 4 + 10);
    auto *main = new QVBoxLayout(this);
    main->addWidget(DBGrid1, 1);
    main->addWidget(moComments);
    main->addLayout(bottom);
    // Whatever the rows shown, the first is current and its comment shows.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this]() {
        if (m_model->rowCount() > 0)
            DBGrid1->selectRow(0);
        showCurrentRow();
    });
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this]() { showCurrentRow(); });

    retranslateUi();
    FormCreate();
}

THistoryFrm::~THistoryFrm() = default;

void THistoryFrm::FormCreate()
{
    // The right is read once; a later log-on does not change an open viewer.
    btnPrint->setEnabled(m_dm.currentOperator.PrintReports);
}

void THistoryFrm::applyDateFormat()
{
    for (DateField *picker : {dpStart, dpEnd}) {
        // Shows and reads the program's short date, as typed.
        picker->setDisplayFormat(reportFormats().shortDate);
        picker->setMinimumWidth(picker->fontMetrics().horizontalAdvance(
                                    QDate(2000, 12, 28).toString(reportFormats().shortDate)) +
                                40);
    }
}

void THistoryFrm::retranslateUi()
{
    if (!m_accountNo.isEmpty() || !m_accountName.isEmpty())
        setWindowTitle(loc::format(loc::text("Customer History: Account No %s (%s)"),
                                   {m_accountNo, m_accountName}));
    cbFilterEvents->setText(loc::text("Only Show Event Types:"));
    for (int g = 1; g <= kGroups; ++g)
        m_filterItems[g - 1]->setText(pipeline::EventGroupName(g));
    gbDateRange->setTitle(loc::text("Date Range"));
    lbStartDate->setText(loc::text("Start Date:"));
    lbEndDate->setText(loc::text("End Date:"));
    cbUseDate->setText(loc::text("Use Date Range"));
    btnPrint->setText(loc::text("Print..."));
    btnClose->setText(loc::text("Close"));
    m_model->retranslate();
}

void THistoryFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

QCheckBox *THistoryFrm::filterItem(int group) const
{
    return group >= 1 && group <= kGroups ? m_filterItems[group - 1] : nullptr;
}

void THistoryFrm::openAccount(const QString &accountNo, const QString &accountName)
{
    store::Query *history = m_dm.qryHistory;
    // A new viewer starts with the filter off, as its unticked box says.
    history->setFiltered(false);
    history->close();
    history->setLine(1, HistoryAccountClause());
    history->prepare();
    history->setParam(QStringLiteral("ANo"), accountNo);
    history->open();
    m_accountNo = accountNo;
    m_accountName = accountName;
    retranslateUi();
}

void THistoryFrm::runHistory(const QString &clause, const QDateTime &start, const QDateTime &end)
{
    store::Query *history = m_dm.qryHistory;
    const QVariant account = history->param(QStringLiteral("ANo"));
    history->close();
    history->setLine(1, clause);
    history->prepare();
    history->setParam(QStringLiteral("ANo"), account);
    history->setParam(QStringLiteral("FromDateTime"), start);
    history->setParam(QStringLiteral("ToDateTime"), end);
    history->open();
}

void THistoryFrm::cbFilterEventsClick()
{
    core::guarded([this]() {
        store::Query *history = m_dm.qryHistory;
        if (!cbFilterEvents->isChecked()) {
            history->setFiltered(false);
            return;
        }
        QList<int> groups;
        for (int g = 1; g <= kGroups; ++g) {
            if (m_filterItems[g - 1]->isChecked())
                groups << g;
        }
        history->setFilter(EventGroupFilter(groups));
        history->setFiltered(true);
    });
}

void THistoryFrm::cbUseDateClick()
{
    if (cbUseDate->isChecked() && (!dpStart->hasAcceptableInput() || !dpEnd->hasAcceptableInput())) {
        // Never a range the operator did not type.
        cbUseDate->setChecked(false);
        core::messages().error(loc::text("Please type the dates in the form %1.")
                                    .arg(reportFormats().shortDate));
        return;
    }
    core::guarded([this]() {
        if (cbUseDate->isChecked()) {
            const QDateTime start(dpStart->date(), QTime(0, 0, 0));
            const QDateTime end(dpEnd->date(), QTime(23, 59, 59));
            runHistory(HistoryRangeClause(), start, end);
        } else {
            runHistory(HistoryAccountClause());
        }
    });
}

void THistoryFrm::btnPrintClick()
{
    core::guarded([this]() {
        THistReportFrm report(*m_dm.qryHistory);
        report.accountName = m_accountName;
        const QString &dateFormat = reportFormats().shortDate;
        if (cbUseDate->isChecked())
            report.dateRange = formatDateTime(QDateTime(dpStart->date(), QTime(0, 0)), dateFormat) +
                               QStringLiteral(" - ") +
                               formatDateTime(QDateTime(dpEnd->date(), QTime(0, 0)), dateFormat);
        report.preview(this);
    });
}

void THistoryFrm::FormClose()
{
    // The event-group filter never outlives the viewer.
    m_dm.qryHistory->setFiltered(false);
}

void THistoryFrm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

bool THistoryFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid1->viewport()) {
        if (event->type() == QEvent::Resize)
            stretchColumns();
        if (event->type() == QEvent::ToolTip) {
            // A cell's whole text, however narrow its column.
            const auto *help = static_cast<QHelpEvent *>(event);
            const QString text = cellText(DBGrid1->indexAt(help->pos()));
            if (text.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), text, DBGrid1->viewport());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString THistoryFrm::cellText(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    const auto &columns = HistoryModel::columns();
    if (index.column() == columns.size() - 1) {
        // The comment as typed, its lines kept.
        store::Query &history = *m_dm.qryHistory;
        const int field = history.fieldIndex(QString::fromLatin1(columns.last().field));
        if (field >= 0 && history.isOpen() && index.row() < history.recordCount()) {
            QString text = history.recordAt(index.row()).value(field).toString();
            return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed();
        }
    }
    return index.data(Qt::DisplayRole).toString();
}

void THistoryFrm::showCurrentRow()
{
    const QModelIndex current = DBGrid1->currentIndex();
    moComments->setPlainText(
        current.isValid() ? cellText(m_model->index(current.row(), m_model->columnCount() - 1))
                          : QString());
}

void THistoryFrm::stretchColumns()
{
    QList<int> widths = StretchColumns(DBGrid1->viewport()->width(), m_bounds);
    // The comments take whatever width is left.
    int used = 0;
    for (int c = 0; c + 1 < widths.size(); ++c)
        used += widths[c];
    if (!widths.isEmpty())
        widths.last() = std::max(widths.last(), DBGrid1->viewport()->width() - used);
    for (int c = 0; c < widths.size(); ++c)
        DBGrid1->setColumnWidth(c, widths[c]);
}

void ShowAccountHistory(store::TDMod &dm, const QString &accountNo, const QString &accountName,
                        QWidget *parent)
{
    // Declared first, so it runs last: the viewer is gone before the query closes.
    struct CloseHistory
    {
        store::Query *query;
        ~CloseHistory() { query->close(); }
    } closeHistory{dm.qryHistory};
    THistoryFrm viewer(dm, parent);
    viewer.openAccount(accountNo, accountName);
    viewer.exec();
}

} // namespace reports
