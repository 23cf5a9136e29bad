#include "mail/ui/tcommsfrm.h"

#include "localization/texts.h"
#include "mail/ui/gridmodel.h"
#include "mail/ui/viewergrid.h"
#include "store/errors.h"
#include "store/table.h"
#include "store/tdmod.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace mail::ui {

QPointer<TCommsFrm> TCommsFrm::s_instance;

namespace {

const QList<GridColumn> &commsColumns()
{
    static const QList<GridColumn> columns{
        {"DateTime", "Date & Time", Qt::AlignLeft, 125},
        {"RxNo", "Rx No", Qt::AlignHCenter, 60},
        {"LineNo", "Line No", Qt::AlignHCenter, 60},
        {"Protocol", "Protocol", Qt::AlignHCenter, 60},
        {"Data", "Data", Qt::AlignLeft, 317},
    };
    return columns;
}

} // namespace

TCommsFrm *TCommsFrm::showViewer(store::TDMod &dm, const QString &dateTimeFormat, QWidget *parent)
{
    if (!s_instance) {
        s_instance = new TCommsFrm(dm, dateTimeFormat, parent);
        // Opened over the middle of the main window, never over its menu bar
        // in the corner of the screen.
        if (parent) {
            s_instance->adjustSize();
            const QWidget *main = parent->window();
            QPoint at = main->geometry().center() - s_instance->rect().center();
            at.setY(std::max(at.y(), main->geometry().top()));
            s_instance->move(at);
        }
    }
    s_instance->show();
    s_instance->raise();
    s_instance->activateWindow();
    return s_instance;
}

TCommsFrm *TCommsFrm::instance()
{
    return s_instance;
}

TCommsFrm::TCommsFrm(store::TDMod &dm, const QString &dateTimeFormat, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("CommsFrm"));
    setAttribute(Qt::WA_DeleteOnClose);

    // A cursor of its own, so browsing here never moves the receiver's.
    m_comms = new store::Table(dm.database(), QStringLiteral("Comms"),
                               QStringLiteral("tbCommsView"), this);
    m_comms->open();
    m_model = new DatasetGridModel(*m_comms, commsColumns(), dateTimeFormat, this);
    // A station keeps millions of rows: the grid reads them as it scrolls.
    m_model->setBatchSize(kBatch);
    // A busy line stores many rows a second; the viewer re-reads its rows
    // at most a few times a second, so watching it never slows intake.
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(200);
    connect(m_refreshTimer, &QTimer::timeout, this, &TCommsFrm::showStoredRows);
    connect(dm.tbComms, &store::Dataset::dataChanged, this, &TCommsFrm::rowsStored);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    setUpViewerGrid(DBGrid1, m_model);
    for (int i = 0; i < commsColumns().size(); ++i)
        DBGrid1->setColumnWidth(i, commsColumns()[i].width);
    DBGrid1->setColumnWidth(0, stampColumnWidth(fontMetrics(), dateTimeFormat));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DBGrid1);
    resize(700, 400);
    retranslateUi();
}

void TCommsFrm::rowsStored()
{
    if (!m_refreshTimer->isActive())
        m_refreshTimer->start();
}

void TCommsFrm::showStoredRows()
{
    QScrollBar *bar = DBGrid1->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    try {
        // Only the rows stored since: the refresh costs the same with ten
        // rows as with millions.
        m_comms->refreshAppended();
    } catch (const store::EStoreError &) {
        // A busy store: the rows show at the next refresh.
        return;
    }
    // Someone watching the newest rows keeps seeing them.
    if (atEnd)
        DBGrid1->scrollToBottom();
}

void TCommsFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void TCommsFrm::retranslateUi()
{
    setWindowTitle(loc::text("Received Communication Data"));
    m_model->retranslate();
}

} // namespace mail::ui
