#include "mail/ui/tfrmemaildata.h"

#include "localization/texts.h"
#include "mail/maildelivery.h"
#include "mail/ui/gridmodel.h"
#include "mail/ui/viewergrid.h"
#include "store/displaytexts.h"
#include "store/errors.h"
#include "store/table.h"
#include "store/tdmod.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace mail::ui {

namespace {

const QList<GridColumn> &outboxColumns()
{
    static const QList<GridColumn> columns{
        {"MsgDateTime", "Date & Time", Qt::AlignLeft, 125, 120, 150},
        {"Subject", "Subject", Qt::AlignLeft, 150, 150, 250},
        {"Message", "Message", Qt::AlignLeft, 200, 150, 400},
        {"Recipients", "Recipients", Qt::AlignLeft, 150, 100, 300},
        {"Status", "Status", Qt::AlignLeft, 150, 100, 200},
    };
    return columns;
}

} // namespace

TfrmEmailData::TfrmEmailData(store::TDMod &dm, const QString &dateTimeFormat,
                             MailDelivery *delivery, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEmailData"));
    setModal(true);

    m_columns = outboxColumns();
    // A date-time is never cut short: with a font wider than the one the
    // widths were chosen for, its column grows to fit it.
    GridColumn &stamp = m_columns[0];
    const int need = stampColumnWidth(fontMetrics(), dateTimeFormat);
    stamp.width = std::max(stamp.width, need);
    stamp.minWidth = std::max(stamp.minWidth, need);
    stamp.maxWidth = std::max(stamp.maxWidth, need);

    m_outbox = new store::Table(dm.database(), QStringLiteral("Outbox"),
                                QStringLiteral("tbOutboxView"), this);
    m_outbox->setDisplayText(QStringLiteral("Status"), [](const QVariant &stored) {
        return store::OutboxStatusText(stored.toInt());
    });
    m_outbox->open();
    m_model = new DatasetGridModel(*m_outbox, m_columns, dateTimeFormat, this);
    connect(dm.tbOutbox, &store::Dataset::dataChanged, this, &TfrmEmailData::refreshRows);
    if (delivery)
        connect(delivery, &MailDelivery::statusRecorded, this, &TfrmEmailData::refreshRows);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    setUpViewerGrid(DBGrid1, m_model);
    DBGrid1->horizontalHeader()->setMinimumSectionSize(20);
    for (int i = 0; i < m_columns.size(); ++i)
        DBGrid1->setColumnWidth(i, m_columns[i].width);
    DBGrid1->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DBGrid1);
    resize(800, 600);
    retranslateUi();
}

void TfrmEmailData::refreshRows()
{
    try {
        m_outbox->refresh();
    } catch (const store::EStoreError &) {
        // A busy store: the rows show at the next refresh.
    }
}

void TfrmEmailData::fitColumns()
{
    const QList<int> widths = fitColumnWidths(m_columns, DBGrid1->viewport()->width());
    for (int i = 0; i < widths.size(); ++i)
        DBGrid1->setColumnWidth(i, widths[i]);
}

bool TfrmEmailData::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == DBGrid1->viewport())
        fitColumns();
    return QDialog::eventFilter(watched, event);
}

void TfrmEmailData::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TfrmEmailData::retranslateUi()
{
    setWindowTitle(loc::text("Email History"));
    m_model->retranslate();
}

} // namespace mail::ui
