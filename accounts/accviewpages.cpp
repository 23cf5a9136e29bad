// The nine pages of the account manager and what their own controls do.

#include "accounts/fieldbinder.h"
#include "accounts/taccviewfrm.h"
#include "localization/texts.h"
#include "reports/reportformats.h"
#include "store/errors.h"
#include "store/gridmodel.h"
#include "core/guarded.h"
#include "core/messages.h"
#include "store/recordrules.h"
#include "store/tdmod.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTimeEdit>
#include <QValidator>
#include <QVBoxLayout>

namespace accounts {

namespace {

const char *const kEnglish = "englishText";

// Only hexadecimal digits, shown and stored in capitals; anything else
// typed is ignored.
class AccountNoValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar &c : input) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
                c = QChar(c.unicode() - 'a' + 'A');
            const bool hex = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                             (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
            if (!hex)
                return Invalid;
        }
        return input.size() == 4 ? Acceptable : Intermediate;
    }
};

QLabel *caption(QWidget *parent, const char *name, const char *english)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setProperty(kEnglish, QByteArray(english));
    return l;
}

// Zone numbers always show three digits.
class ZonesModel : public store::DatasetGridModel
{
public:
    using store::DatasetGridModel::DatasetGridModel;

protected:
    QString cellText(int column, int field, const QVector<QVariant> &row) const override
    {
        if (column == 0 && field >= 0 && !row.value(field).isNull())
            return QStringLiteral("%1").arg(row.value(field).toInt(), 3, 10, QLatin1Char('0'));
        return store::DatasetGridModel::cellText(column, field, row);
    }
};

void setUpGrid(QTableView *grid, bool wholeRows)
{
    grid->setSelectionBehavior(wholeRows ? QAbstractItemView::SelectRows
                                         : QAbstractItemView::SelectItems);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->verticalHeader()->setVisible(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->horizontalHeader()->setHighlightSections(false);
}

// The long time format of the system, without a time zone.
QString longTimeFormat()
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return format.trimmed();
}

} // namespace

QWidget *TAccViewFrm::buildCustomer()
{
    auto *w = new QWidget;
    auto *grid = new QGridLayout(w);
    auto line = [&](const char *name, const char *field, int row, int col, const char *label,
                    const char *labelName) {
        auto *e = new QLineEdit(w);
        e->setObjectName(QString::fromLatin1(name));
        m_binder->bind(e, QString::fromLatin1(field));
        m_editFields << e;
        if (label)
            grid->addWidget(caption(w, labelName, label), row, col);
        grid->addWidget(e, row, col + 1);
        return e;
    };
    edAccountNo = line("edAccountNo", "AccountNo", 0, 0, "Account No:", "lblAccountNo");
    edAccountNo->setValidator(new AccountNoValidator(edAccountNo));
    edAccountNo->setMaximumWidth(80);
    edName = line("edName", "Name", 1, 0, "Name:", "lblName");
    line("edAddress1", "Address1", 2, 0, "Address:", "lblAddress");
    line("edAddress2", "Address2", 3, 0, nullptr, nullptr);
    line("edAddress3", "Address3", 4, 0, nullptr, nullptr);
    line("edAddress4", "Address4", 5, 0, nullptr, nullptr);
    line("edPostcode", "Postcode", 6, 0, "Postcode:", "lblPostcode")->setMaximumWidth(100);
    line("edTelNo", "TelNo", 7, 0, "Tel No:", "lblTelNo");
    line("edFaxNo", "FaxNo", 8, 0, "Fax No:", "lblFaxNo");
    line("edEmail", "Email", 9, 0, "Email:", "lblEmail");

    cbPanelType = new QComboBox(w);
    cbPanelType->setObjectName(QStringLiteral("cbPanelType"));
    QList<int> values;
    for (int type = 0; type <= 13; ++type) {
        cbPanelType->addItem(QString::fromLatin1(store::panelModel(type)->name));
        values << type;
    }
    m_binder->bind(cbPanelType, QStringLiteral("PanelType"), values);
    m_editFields << cbPanelType;
    grid->addWidget(caption(w, "lblPanelType", "Alarm Panel:"), 0, 2);
    grid->addWidget(cbPanelType, 0, 3);
    line("edPoliceNo", "PoliceNo", 1, 2, "Police No:", "lblPoliceNo");
    line("edPassword", "Password", 2, 2, "Password:", "lblPassword");
    line("edSpecialOpts", "SpecialOpts", 3, 2, "Special:", "lblSpecialOpts");
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    grid->setRowStretch(10, 1);
    return w;
}

QWidget *TAccViewFrm::buildNotes()
{
    auto *w = new QWidget;
    auto *layout = new QVBoxLayout(w);
    moNotes = new QPlainTextEdit(w);
    moNotes->setObjectName(QStringLiteral("moNotes"));
    m_binder->bind(moNotes, QStringLiteral("Notes"));
    m_editFields << moNotes;
    layout->addWidget(moNotes);
    return w;
}

QWidget *TAccViewFrm::buildSpecial()
{
    auto *w = new QWidget;
    auto *layout = new QVBoxLayout(w);
    lbSpecialInstructions = new QListWidget(w);
    lbSpecialInstructions->setObjectName(QStringLiteral("lbSpecialInstructions"));
    m_editFields << lbSpecialInstructions;
    layout->addWidget(lbSpecialInstructions, 1);
    connect(lbSpecialInstructions, &QListWidget::itemClicked, this,
            [this]() { btnDelete->setEnabled(lbSpecialInstructions->count() > 0); });

    auto *details = new QGroupBox(w);
    details->setObjectName(QStringLiteral("gbDetails"));
    details->setProperty(kEnglish, QByteArray("Details"));
    auto *grid = new QGridLayout(details);
    dtDate = new QDateEdit(QDate(2007, 1, 10), details);
    dtDate->setObjectName(QStringLiteral("dtDate"));
    dtDate->setCalendarPopup(true);
    dtTime = new QTimeEdit(QTime(11, 59, 12), details);
    dtTime->setObjectName(QStringLiteral("dtTime"));
    dtTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    edInstruction = new QLineEdit(details);
    edInstruction->setObjectName(QStringLiteral("edInstruction"));
    btnAdd = new QPushButton(details);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    btnAdd->setProperty(kEnglish, QByteArray("Add"));
    btnAdd->setEnabled(false);
    btnDelete = new QPushButton(details);
    btnDelete->setObjectName(QStringLiteral("btnDelete"));
    btnDelete->setProperty(kEnglish, QByteArray("Delete"));
    btnDelete->setEnabled(false);
    for (QPushButton *b : {btnAdd, btnDelete})
        b->setAutoDefault(false);
    grid->addWidget(caption(details, "lblDate", "Date:"), 0, 0);
    grid->addWidget(dtDate, 0, 1);
    grid->addWidget(caption(details, "lblTime", "Time:"), 0, 2);
    grid->addWidget(dtTime, 0, 3);
    grid->addWidget(caption(details, "lblInstruction", "Instruction:"), 1, 0);
    grid->addWidget(edInstruction, 1, 1, 1, 3);
    grid->addWidget(btnAdd, 0, 4);
    grid->addWidget(btnDelete, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(details);
    connect(edInstruction, &QLineEdit::textChanged, this,
            [this](const QString &t) { btnAdd->setEnabled(!t.isEmpty()); });
    connect(btnAdd, &QPushButton::clicked, this, &TAccViewFrm::addInstruction);
    connect(btnDelete, &QPushButton::clicked, this, &TAccViewFrm::deleteInstruction);
    return w;
}

void TAccViewFrm::addInstruction()
{
    if (edInstruction->text().isEmpty())
        return;
    const QString line = QLocale::c().toString(dtDate->date(), reports::reportFormats().shortDate) +
                         QLatin1Char(' ') + QLocale::system().toString(dtTime->time(), longTimeFormat()) +
                         QStringLiteral(" - ") + edInstruction->text() + QStringLiteral(" - ") +
                         loc::text("Logged by Operator") + QStringLiteral(": ") +
                         m_dm.currentOperator.name;
    QStringList lines = m_instructions;
    lines << line;
    saveInstructions(lines);
    edInstruction->clear();
}

void TAccViewFrm::deleteInstruction()
{
    const int row = lbSpecialInstructions->currentRow();
    if (row < 0 || !lbSpecialInstructions->currentItem()->isSelected() || row >= m_instructions.size())
        return;
    QStringList lines = m_instructions;
    lines.removeAt(row);
    saveInstructions(lines);
}

void TAccViewFrm::saveInstructions(const QStringList &lines)
{
    // Every line ends with CR LF, the last one too; the row is saved at once,
    // with any other change of this account.
    QString text;
    for (const QString &l : lines)
        text += l + QStringLiteral("\r\n");
    const bool ok = core::guarded([&]() {
        if (m_accounts.state() == store::Dataset::State::Browse)
            m_accounts.edit();
        m_accounts.field(QStringLiteral("SpecialNotes")).setValue(text);
        m_accounts.post();
    });
    if (ok)
        accountsDataChanged();
}

QWidget *TAccViewFrm::buildKeyHolders()
{
    auto *inner = new QWidget;
    auto *columns = new QGridLayout(inner);
    for (int n = 1; n <= 6; ++n) {
        auto *box = new QGroupBox(inner);
        box->setObjectName(QStringLiteral("gbKeyHolder%1").arg(n));
        static const char *const titles[] = {"Key Holder 1", "Key Holder 2", "Key Holder 3",
                                             "Key Holder 4", "Key Holder 5", "Key Holder 6"};
        box->setProperty(kEnglish, QByteArray(titles[n - 1]));
        auto *g = new QGridLayout(box);
        const QString p = QStringLiteral("KH%1").arg(n);
        struct Item
        {
            const char *suffix;
            const char *label;
        };
        const Item items[] = {{"Name", "Name:"},   {"TelNo", "Tel No:"}, {"Mobile", "Mobile:"},
                              {"Pager", "Pager:"}, {"Email", "Email:"}};
        int row = 0;
        for (const Item &it : items) {
            auto *e = new QLineEdit(box);
            e->setObjectName(QStringLiteral("ed") + p + QString::fromLatin1(it.suffix));
            m_binder->bind(e, p + QString::fromLatin1(it.suffix));
            m_editFields << e;
            auto *l = caption(box, "", it.label);
            l->setObjectName(QStringLiteral("lbl") + p + QString::fromLatin1(it.suffix));
            g->addWidget(l, row, 0);
            g->addWidget(e, row, 1);
            ++row;
        }
        auto *use = new QCheckBox(box);
        use->setObjectName(QStringLiteral("cb") + p + QStringLiteral("UseEmail"));
        use->setProperty(kEnglish, QByteArray("Email Events to this Key Holder"));
        m_binder->bind(use, p + QStringLiteral("UseEmail"));
        g->addWidget(use, row, 1);
        columns->addWidget(box, (n - 1) % 3, (n - 1) / 3);
    }
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("sbKeyHolders"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(inner);
    return scroll;
}

QWidget *TAccViewFrm::buildDetailGrid(QTableView *&grid, store::DatasetGridModel *&model,
                                      store::Table &table, const QList<store::GridField> &fields,
                                      int kind)
{
    auto *w = new QWidget;
    auto *layout = new QVBoxLayout(w);
    grid = new QTableView(w);
    static const char *const names[] = {"grdZones", "grdAreas", "grdUsers"};
    grid->setObjectName(QString::fromLatin1(names[kind]));
    model = kind == ImportZones ? new ZonesModel(table, fields, this)
                                : new store::DatasetGridModel(table, fields, this);
    model->setShowEditBuffer(true);
    grid->setModel(model);
    setUpGrid(grid, false);
    grid->setColumnWidth(0, 80);
    layout->addWidget(grid, 1);
    connect(model, &store::DatasetGridModel::editFailed, this,
            [](const QString &message) { core::messages().error(message); });
    grid->installEventFilter(this);
    grid->setProperty("detailKind", kind);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, grid, &table](const QModelIndex &current) {
                if (!current.isValid() || current.row() >= table.recordCount() ||
                    current.row() == table.recNo())
                    return;
                if (!core::guarded([&]() { table.moveTo(current.row()); }))
                    followCursor(grid, table);
            });
    connect(&table, &store::Dataset::currentChanged, this,
            [this, grid, &table]() { followCursor(grid, table); });

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    auto *import = new QPushButton(w);
    static const char *const buttons[] = {"btnImportZones", "btnImportAreas", "btnImportUsers"};
    import->setObjectName(QString::fromLatin1(buttons[kind]));
    import->setProperty(kEnglish, QByteArray("Import..."));
    import->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this, [this, kind]() { emit importRequested(kind); });
    btnImport[static_cast<size_t>(kind)] = import;
    row->addWidget(import);
    layout->addLayout(row);
    return w;
}

void TAccViewFrm::followCursor(QTableView *grid, store::Table &table)
{
    const int row = table.isOpen() ? table.recNo() : -1;
    if (row < 0 || row >= grid->model()->rowCount() || grid->currentIndex().row() == row)
        return;
    const QSignalBlocker block(grid->selectionModel());
    grid->selectionModel()->setCurrentIndex(
        grid->model()->index(row, std::max(0, grid->currentIndex().column())),
        QItemSelectionModel::ClearAndSelect |
            (grid == grdEvents ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
    grid->viewport()->update();
}

void TAccViewFrm::detailKey(QTableView *grid, store::Table &table, int key)
{
    const bool ok = core::guarded([&]() {
        if (key == Qt::Key_Insert) {
            table.insert(); // a row beyond the panel's capacity is withdrawn at once
            if (table.state() != store::Dataset::State::Insert)
                return;
            // Zones and areas are numbered by the station: the next number.
            const QString idField = &table == m_dm.tbZones   ? QStringLiteral("ZoneID")
                                    : &table == m_dm.tbAreas ? QStringLiteral("AreaID")
                                                             : QString();
            if (!idField.isEmpty()) {
                int next = 1;
                const int fi = table.fieldIndex(idField);
                for (int r = 0; r < table.recordCount(); ++r)
                    next = std::max(next, table.recordAt(r).value(fi).toInt() + 1);
                table.field(idField).setValue(next);
            }
            grid->setCurrentIndex(grid->model()->index(grid->model()->rowCount() - 1, 1));
        } else if (key == Qt::Key_Delete) {
            if (table.isEmpty() || !core::messages().confirm(loc::text("Delete record?")))
                return;
            table.remove();
        } else if (key == Qt::Key_Escape) {
            table.cancel();
        }
    });
    Q_UNUSED(ok);
}

QWidget *TAccViewFrm::buildEvents()
{
    auto *w = new QWidget;
    auto *layout = new QVBoxLayout(w);
    grdEvents = new QTableView(w);
    grdEvents->setObjectName(QStringLiteral("grdEvents"));
    grdEvents->setModel(m_events);
    setUpGrid(grdEvents, true);
    grdEvents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int widths[] = {50, 240, 100, 100, 105, 110, 110};
    for (int i = 0; i < 7; ++i)
        grdEvents->setColumnWidth(i, widths[i]);
    layout->addWidget(grdEvents, 1);
    store::Table &actions = *m_dm.tbActions;
    connect(grdEvents->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, &actions](const QModelIndex &current) {
                if (!current.isValid() || current.row() == actions.recNo())
                    return;
                if (!core::guarded([&]() { actions.moveTo(current.row()); }))
                    followCursor(grdEvents, actions);
            });
    connect(&actions, &store::Dataset::currentChanged, this,
            [this, &actions]() { followCursor(grdEvents, actions); });

    struct Group
    {
        const char *name;
        const char *title;
        QList<const char *> items;
    };
    const Group groups[] = {
        {"rgPriority", "Alarm Priority", {"Very High", "High", "Medium", "Low"}},
        {"rgAlmAction", "Alarm Action", {"Ignore", "Log", "Prompt"}},
        {"rgResAction", "Restore Action", {"Ignore", "Log", "Prompt"}},
        {"rgAlmEmail", "Email on Alarm", {"No", "Yes"}},
        {"rgResEmail", "Email on Restore", {"No", "Yes"}},
    };
    auto *row = new QHBoxLayout;
    for (size_t g = 0; g < 5; ++g) {
        auto *box = new QGroupBox(w);
        box->setObjectName(QString::fromLatin1(groups[g].name));
        box->setProperty(kEnglish, QByteArray(groups[g].title));
        auto *v = new QVBoxLayout(box);
        auto *choice = new QButtonGroup(box);
        for (int i = 0; i < groups[g].items.size(); ++i) {
            auto *r = new QRadioButton(box);
            r->setObjectName(QString::fromLatin1(groups[g].name) + QString::number(i));
            r->setProperty(kEnglish, QByteArray(groups[g].items[i]));
            choice->addButton(r, i);
            v->addWidget(r);
        }
        v->addStretch(1);
        connect(choice, &QButtonGroup::idClicked, this, [this]() {
            if (m_actionsLoaded)
                btnUpdateEvent->setEnabled(true);
        });
        rgEvent[g] = box;
        eventChoice[g] = choice;
        row->addWidget(box);
    }
    btnUpdateEvent = new QPushButton(w);
    btnUpdateEvent->setObjectName(QStringLiteral("btnUpdateEvent"));
    btnUpdateEvent->setProperty(kEnglish, QByteArray("Update Event"));
    btnUpdateEvent->setEnabled(false);
    btnUpdateEvent->setAutoDefault(false);
    connect(btnUpdateEvent, &QPushButton::clicked, this, &TAccViewFrm::btnUpdateEventClick);
    auto *side = new QVBoxLayout;
    side->addStretch(1);
    side->addWidget(btnUpdateEvent);
    row->addLayout(side);
    layout->addLayout(row);
    return w;
}

void TAccViewFrm::actionsRowChanged()
{
    store::Table &actions = *m_dm.tbActions;
    if (actions.state() != store::Dataset::State::Browse)
        return;
    m_actionsLoaded = false;
    const bool any = actions.isOpen() && actions.recNo() >= 0;
    const int stored[] = {
        any ? actions.field(QStringLiteral("AlmPriority")).asInteger() - 1 : -1,
        any ? actions.field(QStringLiteral("AlmAction")).asInteger() : -1,
        any ? actions.field(QStringLiteral("ResAction")).asInteger() : -1,
        any ? actions.field(QStringLiteral("AlmEmail")).asInteger() : -1,
        any ? actions.field(QStringLiteral("ResEmail")).asInteger() : -1,
    };
    for (size_t g = 0; g < 5; ++g) {
        QButtonGroup *choice = eventChoice[g];
        const int last = static_cast<int>(choice->buttons().size()) - 1;
        // Beyond the last item selects the last; below the first, none.
        const int pick = std::min(stored[g], last);
        choice->setExclusive(false);
        for (QAbstractButton *b : choice->buttons())
            b->setChecked(false);
        choice->setExclusive(true);
        if (pick >= 0)
            choice->button(pick)->setChecked(true);
    }
    btnUpdateEvent->setEnabled(false);
    m_actionsLoaded = true;
}

void TAccViewFrm::btnUpdateEventClick()
{
    store::Table &actions = *m_dm.tbActions;
    core::guarded([&]() {
        actions.edit();
        actions.field(QStringLiteral("AlmPriority")).setValue(eventChoice[0]->checkedId() + 1);
        actions.field(QStringLiteral("AlmAction")).setValue(eventChoice[1]->checkedId());
        actions.field(QStringLiteral("ResAction")).setValue(eventChoice[2]->checkedId());
        actions.field(QStringLiteral("AlmEmail")).setValue(eventChoice[3]->checkedId());
        actions.field(QStringLiteral("ResEmail")).setValue(eventChoice[4]->checkedId());
        actions.post();
    });
    btnUpdateEvent->setEnabled(false);
}

QWidget *TAccViewFrm::buildExceptions()
{
    auto *w = new QWidget;
    auto *layout = new QGridLayout(w);
    static const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char *const dayLabels[] = {"Monday:", "Tuesday:", "Wednesday:", "Thursday:",
                                            "Friday:", "Saturday:", "Sunday:"};
    for (int side = 0; side < 2; ++side) {
        auto *box = new QGroupBox(w);
        const char *kind = side == 0 ? "Open" : "Close";
        box->setObjectName(side == 0 ? QStringLiteral("gbEarlyOpening")
                                     : QStringLiteral("gbLateClosing"));
        box->setProperty(kEnglish, QByteArray(side == 0 ? "Early Opening" : "Late Closing"));
        auto *g = new QGridLayout(box);
        for (int d = 0; d < 7; ++d) {
            const QString day = QString::fromLatin1(days[d]);
            auto *l = caption(box, "", dayLabels[d]);
            l->setObjectName(QStringLiteral("lbl") + day + QString::fromLatin1(kind));
            auto *time = new QTimeEdit(box);
            time->setObjectName(QStringLiteral("ed") + day + QString::fromLatin1(kind) + QStringLiteral("Time"));
            time->setDisplayFormat(QStringLiteral("hh:mm"));
            m_binder->bind(time, day + QString::fromLatin1(kind) + QStringLiteral("Time"));
            auto *except = new QCheckBox(box);
            except->setObjectName(QStringLiteral("cb") + day + QString::fromLatin1(kind) + QStringLiteral("Except"));
            except->setProperty(kEnglish, QByteArray("Generate Exception"));
            m_binder->bind(except, day + QString::fromLatin1(kind) + QStringLiteral("Except"));
            g->addWidget(l, d, 0);
            g->addWidget(time, d, 1);
            g->addWidget(except, d, 2);
        }
        layout->addWidget(box, 0, side);
    }
    auto *noComms = new QGroupBox(w);
    noComms->setObjectName(QStringLiteral("gbNoCommunication"));
    noComms->setProperty(kEnglish, QByteArray("No Communication"));
    auto *g = new QGridLayout(noComms);
    cbNoSigTime = new QComboBox(noComms);
    cbNoSigTime->setObjectName(QStringLiteral("cbNoSigTime"));
    static const char *const periods[] = {"Disabled", "1 Hour",   "2 Hours",  "3 Hours",  "4 Hours",
                                          "5 Hours",  "6 Hours",  "7 Hours",  "8 Hours",  "9 Hours",
                                          "10 Hours", "11 Hours", "12 Hours", "18 Hours", "24 Hours",
                                          "36 Hours", "48 Hours", "60 Hours", "72 Hours", "84 Hours"};
    const QList<int> hours{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 18, 24, 36, 48, 60, 72, 84};
    QVariantList english;
    for (const char *p : periods) {
        cbNoSigTime->addItem(QString());
        english << QByteArray(p);
    }
    cbNoSigTime->setProperty(kEnglish, english);
    m_binder->bind(cbNoSigTime, QStringLiteral("NoSigTime"), hours);
    edLastSignal = new QLineEdit(noComms);
    edLastSignal->setObjectName(QStringLiteral("edLastSignal"));
    m_binder->bindReadOnly(edLastSignal, QStringLiteral("LastSignal"),
                           []() { return reports::reportFormats().eventFormat; });
    m_editFields << cbNoSigTime << edLastSignal;
    g->addWidget(caption(noComms, "lblNoSigTime", "Communication Exception:"), 0, 0);
    g->addWidget(cbNoSigTime, 0, 1);
    g->addWidget(caption(noComms, "lblLastSignal", "Last Communication:"), 1, 0);
    g->addWidget(edLastSignal, 1, 1);
    layout->addWidget(noComms, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    return w;
}

bool TAccViewFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *grid = qobject_cast<QTableView *>(watched);
        const QVariant kind = grid ? grid->property("detailKind") : QVariant();
        if (kind.isValid() && m_dm.currentOperator.EditRecords) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            const auto mods = static_cast<QKeyEvent *>(event)->modifiers();
            store::Table *tables[] = {m_dm.tbZones, m_dm.tbAreas, m_dm.tbUsers};
            store::Table &table = *tables[kind.toInt()];
            if (key == Qt::Key_Insert || (key == Qt::Key_Delete && (mods & Qt::ControlModifier)) ||
                (key == Qt::Key_Escape && table.state() != store::Dataset::State::Browse)) {
                detailKey(grid, table, key);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace accounts
