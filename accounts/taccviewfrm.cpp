#include "accounts/taccviewfrm.h"

#include "accounts/accountsearch.h"
#include "accounts/fieldbinder.h"
#include "accounts/panelimport.h"
#include "reports/accountreport.h"
#include "localization/texts.h"
#include "reports/thistoryfrm.h"
#include "store/errors.h"
#include "store/gridmodel.h"
#include "core/guarded.h"
#include "core/messages.h"
#include "store/tdmod.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace accounts {

namespace {

// The English text of a widget, kept so retranslateUi() can set it again.
const char *const kEnglish = "englishText";

struct TabText
{
    const char *name;
    const char *caption;
    const char *heading;
};
const TabText kTabs[] = {
    {"tsCustomer", "Customer", "Customer Details"},
    {"tsNotes", "Notes", "Customer Notes"},
    {"tsSpecial", "Special Instructions", "Special Instructions"},
    {"tsKeyHolders", "Key Holders", "Key Holder Information"},
    {"tsZones", "Zones", "Zone Details"},
    {"tsAreas", "Areas", "Area Information"},
    {"tsUsers", "Users", "System Users"},
    {"tsEvents", "Event Handling", "Event Handling"},
    {"tsExceptions", "Exceptions", "Exceptions"},
};

struct NavText
{
    const char *name;
    const char *caption;
    const char *hint;
};
const NavText kNav[] = {
    {"nbFirst", "|<", "First record"},   {"nbPrior", "<", "Prior record"},
    {"nbNext", ">", "Next record"},      {"nbLast", ">|", "Last record"},
    {"nbInsert", "+", "Insert record"},  {"nbDelete", "-", "Delete record"},
    {"nbEdit", "Edit", "Edit record"},   {"nbPost", "Save", "Post edit"},
    {"nbCancel", "Cancel", "Cancel edit"},
};

// Replaces the first "%s" of a translated format.
QString fill(const char *format, const QString &value)
{
    QString text = loc::text(format);
    const qsizetype at = text.indexOf(QStringLiteral("%s"));
    return at < 0 ? text + value : text.replace(at, 2, value);
}

void setEnglish(QWidget *w, const char *english)
{
    w->setProperty(kEnglish, QByteArray(english));
}

void setEditableLook(QWidget *w, bool editable)
{
    QPalette p = w->palette();
    const QPalette app = w->style()->standardPalette();
    p.setColor(QPalette::Base, editable ? app.color(QPalette::Base) : app.color(QPalette::Button));
    w->setPalette(p);
}

} // namespace

TAccViewFrm::TAccViewFrm(store::TDMod &dm, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_accounts(*dm.tbAccounts)
{
    setObjectName(QStringLiteral("AccViewFrm"));
    setModal(true);
    m_binder = new FieldBinder(m_accounts, this);

    // The toolbar: the record navigator, then Search, Show History and Print.
    auto *toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("ToolBar1"));
    auto *navigator = new QWidget(toolbar);
    navigator->setObjectName(QStringLiteral("DBNavigator1"));
    auto *navLayout = new QHBoxLayout(navigator);
    navLayout->setContentsMargins(0, 0, 0, 0);
    navLayout->setSpacing(0);
    for (int i = 0; i < kNavCount; ++i) {
        auto *b = new QToolButton(navigator);
        b->setObjectName(QString::fromLatin1(kNav[i].name));
        b->setMinimumWidth(32);
        const auto which = static_cast<NavButton>(i);
        connect(b, &QToolButton::clicked, this, [this, which]() { DBNavigatorClick(which); });
        navLayout->addWidget(b);
        nav[static_cast<size_t>(i)] = b;
    }
    toolbar->addWidget(navigator);
    toolbar->addSeparator();
    auto toolButton = [&](const char *name, const char *english) {
        auto *b = new QToolButton(toolbar);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        setEnglish(b, english);
        toolbar->addWidget(b);
        return b;
    };
    btnSearch = toolButton("btnSearch", "Search");
    btnHistory = toolButton("btnHistory", "Show History");
    btnPrint = toolButton("btnPrint", "Print");
    connect(btnSearch, &QToolButton::clicked, this, [this]() { btnSearchClick(); });
    connect(btnHistory, &QToolButton::clicked, this, [this]() {
        core::guarded([this]() {
            reports::ShowAccountHistory(m_dm, m_accounts.field(QStringLiteral("AccountNo")).asString(),
                                        m_accounts.field(QStringLiteral("Name")).asString(), this);
        });
    });
    connect(btnPrint, &QToolButton::clicked, this,
            [this]() { emit printRequested(edAccountNo->text()); });
    // The manager owns its report and its panel import.
    connect(this, &TAccViewFrm::printRequested, this,
            [this](const QString &accountNo) { reports::printAccountReport(m_dm, accountNo, this); });
    connect(this, &TAccViewFrm::importRequested, this, [this](int what) { importPanelData(what); });

    lbAccountNo = new QLabel(this);
    lbAccountNo->setObjectName(QStringLiteral("lbAccountNo"));
    lbName = new QLabel(this);
    lbName->setObjectName(QStringLiteral("lbName"));
    for (QLabel *l : {lbAccountNo, lbName}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    m_events = new store::DatasetGridModel(
        *dm.tbActions,
        {{QStringLiteral("EventCode"), "Code"}, {QStringLiteral("Description"), "Description"},
         {QStringLiteral("AlmPriority"), "Alarm Priority"}, {QStringLiteral("AlmAction"), "Alarm Action"},
         {QStringLiteral("ResAction"), "Restore Action"}, {QStringLiteral("AlmEmail"), "Email on Alarm"},
         {QStringLiteral("ResEmail"), "Email on Restore"}},
        this);

    const std::array<QWidget *, kTabCount> contents{
        buildCustomer(), buildNotes(), buildSpecial(), buildKeyHolders(),
        buildDetailGrid(grdZones, m_zones, *dm.tbZones,
                        {{QStringLiteral("ZoneID"), "Zone No"},
                         {QStringLiteral("ZoneText"), "Zone Description", Qt::AlignLeft, true}},
                        ImportZones),
        buildDetailGrid(grdAreas, m_areas, *dm.tbAreas,
                        {{QStringLiteral("AreaID"), "Area"},
                         {QStringLiteral("AreaText"), "Area Description", Qt::AlignLeft, true}},
                        ImportAreas),
        buildDetailGrid(grdUsers, m_users, *dm.tbUsers,
                        {{QStringLiteral("UserID"), "User No", Qt::AlignLeft, true},
                         {QStringLiteral("UserText"), "User Name", Qt::AlignLeft, true}},
                        ImportUsers),
        buildEvents(), buildExceptions()};
    for (int i = 0; i < kTabCount; ++i)
        PageControl1->addTab(page(static_cast<Tab>(i), contents[static_cast<size_t>(i)]), QString());
    connect(PageControl1, &QTabWidget::currentChanged, this, &TAccViewFrm::tabShown);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    lbMode = new QLabel(StatusBar1);
    lbMode->setObjectName(QStringLiteral("lbMode"));
    lbRecord = new QLabel(StatusBar1);
    lbRecord->setObjectName(QStringLiteral("lbRecord"));
    StatusBar1->addWidget(lbMode, 1);
    StatusBar1->addWidget(lbRecord, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(StatusBar1);
    setFixedSize(880, 600);

    // An account number no frame can carry is refused before it is stored.
    m_savedBeforePost = m_accounts.beforePost;
    m_accounts.beforePost = [this](store::Table &t) {
        if (t.state() == store::Dataset::State::Insert &&
            t.field(QStringLiteral("AccountNo")).asString().size() != 4) {
            core::messages().error(loc::text(
                "The account number must have four characters, each 0 to 9 or A to F."));
            throw core::EAbort();
        }
        if (m_savedBeforePost)
            m_savedBeforePost(t);
    };

    m_hooks << connect(&m_accounts, &store::Dataset::currentChanged, this,
                       &TAccViewFrm::accountsDataChanged);
    m_hooks << connect(&m_accounts, &store::Dataset::dataChanged, this,
                       &TAccViewFrm::accountsDataChanged);
    m_hooks << connect(&m_accounts, &store::Dataset::stateChanged, this,
                       &TAccViewFrm::accountsModeChanged);
    m_hooks << connect(dm.tbActions, &store::Dataset::currentChanged, this,
                       &TAccViewFrm::actionsRowChanged);
    // The headings follow the fields as they are typed into.
    connect(m_binder, &FieldBinder::fieldStored, this, &TAccViewFrm::accountsDataChanged);

    retranslateUi();
    m_binder->load();
    accountsDataChanged();
    // The navigator's buttons follow the rights once, when the window opens.
    const store::CurrentOperator &op = m_dm.currentOperator;
    nav[nbEdit]->setVisible(op.EditRecords);
    nav[nbInsert]->setVisible(op.AddRecords);
    nav[nbPost]->setVisible(op.EditRecords || op.AddRecords);
    nav[nbCancel]->setVisible(op.EditRecords || op.AddRecords);
    nav[nbDelete]->setVisible(op.DeleteRecords);
    accountsModeChanged();
    PageControl1->setCurrentIndex(tsCustomer);
    tabShown(tsCustomer);
}

TAccViewFrm::~TAccViewFrm()
{
    for (const QMetaObject::Connection &c : std::as_const(m_hooks))
        disconnect(c);
    m_accounts.beforePost = m_savedBeforePost;
}

QWidget *TAccViewFrm::page(Tab tab, QWidget *content)
{
    auto *p = new QWidget;
    p->setObjectName(QString::fromLatin1(kTabs[tab].name));
    auto *strip = new QFrame(p);
    strip->setObjectName(QStringLiteral("pnlHeading%1").arg(tab));
    strip->setFrameShape(QFrame::StyledPanel);
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, QColor(0x00, 0x33, 0x66));
    pal.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(pal);
    auto *stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(8, 4, 8, 4);
    auto *heading = new QLabel(strip);
    heading->setObjectName(QStringLiteral("lbHeading%1").arg(tab));
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    heading->setFont(f);
    stripLayout->addWidget(heading, 1);
    m_headings[static_cast<size_t>(tab)] = heading;
    m_strips[static_cast<size_t>(tab)] = strip;
    auto *layout = new QVBoxLayout(p);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(strip);
    layout->addWidget(content, 1);
    pages[static_cast<size_t>(tab)] = content;
    return p;
}

void TAccViewFrm::tabShown(int index)
{
    // The account labels move onto the heading of the tab shown.
    if (index < 0 || index >= kTabCount)
        return;
    auto *layout = static_cast<QHBoxLayout *>(m_strips[static_cast<size_t>(index)]->layout());
    for (QLabel *l : {lbAccountNo, lbName}) {
        l->setParent(m_strips[static_cast<size_t>(index)]);
        layout->addWidget(l);
        l->show();
    }
}

void TAccViewFrm::retranslateUi()
{
    setWindowTitle(loc::text("Account Manager"));
    for (int i = 0; i < kTabCount; ++i) {
        PageControl1->setTabText(i, loc::text(kTabs[i].caption));
        m_headings[static_cast<size_t>(i)]->setText(loc::text(kTabs[i].heading));
    }
    for (int i = 0; i < kNavCount; ++i) {
        nav[static_cast<size_t>(i)]->setText(loc::text(kNav[i].caption));
        nav[static_cast<size_t>(i)]->setToolTip(loc::text(kNav[i].hint));
    }
    for (QWidget *w : findChildren<QWidget *>()) {
        const QByteArray english = w->property(kEnglish).toByteArray();
        if (english.isEmpty())
            continue;
        if (auto *l = qobject_cast<QLabel *>(w))
            l->setText(loc::text(english.constData()));
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            b->setText(loc::text(english.constData()));
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            g->setTitle(loc::text(english.constData()));
    }
    for (QComboBox *list : findChildren<QComboBox *>()) {
        const QVariantList items = list->property(kEnglish).toList();
        for (int i = 0; i < items.size() && i < list->count(); ++i)
            list->setItemText(i, loc::text(items[i].toByteArray().constData()));
    }
    for (store::DatasetGridModel *m : {m_zones, m_areas, m_users, m_events})
        m->retranslate();
    accountsDataChanged();
    updateStatus();
}

void TAccViewFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

// --- Rights and modes ---------------------------------------------------

void TAccViewFrm::applyRights()
{
    const store::CurrentOperator &op = m_dm.currentOperator;
    const bool inserting = m_accounts.state() == store::Dataset::State::Insert;
    const bool editCondition = op.EditRecords || inserting;
    btnPrint->setEnabled(op.PrintReports);
    for (Tab t : {tsCustomer, tsNotes, tsSpecial, tsKeyHolders})
        pages[t]->setEnabled(editCondition);
    for (QWidget *w : std::as_const(m_editFields))
        setEditableLook(w, editCondition);
    for (QPushButton *b : btnImport)
        b->setEnabled(op.EditRecords);
    for (QGroupBox *g : rgEvent)
        g->setEnabled(op.EditRecords);
    for (QTableView *grid : {grdZones, grdAreas, grdUsers}) {
        auto *model = static_cast<store::DatasetGridModel *>(grid->model());
        model->setEditingAllowed(op.EditRecords);
        grid->setEditTriggers(op.EditRecords ? QAbstractItemView::AllEditTriggers
                                             : QAbstractItemView::NoEditTriggers);
    }
    for (QTableView *grid : {grdZones, grdAreas, grdUsers, grdEvents})
        setEditableLook(grid, op.EditRecords);
}

void TAccViewFrm::accountsModeChanged()
{
    applyRights();
    accountsDataChanged();
    const bool inserting = m_accounts.state() == store::Dataset::State::Insert;
    edAccountNo->setEnabled(inserting);
    cbPanelType->setEnabled(inserting);
    // A new account has no detail rows before it is saved.
    for (Tab t : {tsSpecial, tsZones, tsAreas, tsUsers, tsEvents})
        PageControl1->setTabVisible(t, !inserting);
    if (inserting)
        edAccountNo->setFocus();
    updateStatus();
}

void TAccViewFrm::accountsDataChanged()
{
    const bool open = m_accounts.isOpen();
    lbAccountNo->setText(
        fill("Account No: %s", open ? m_accounts.field(QStringLiteral("AccountNo")).asString() : QString()));
    lbName->setText(fill("Name: %s", open ? m_accounts.field(QStringLiteral("Name")).asString() : QString()));
    if (open && m_accounts.state() == store::Dataset::State::Browse) {
        m_instructions = m_accounts.field(QStringLiteral("SpecialNotes"))
                             .asString()
                             .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        lbSpecialInstructions->clear();
        lbSpecialInstructions->addItems(m_instructions);
        btnDelete->setEnabled(false);
    }
    updateStatus();
}

void TAccViewFrm::updateStatus()
{
    switch (m_accounts.state()) {
    case store::Dataset::State::Edit:
        lbMode->setText(loc::text("Edit"));
        break;
    case store::Dataset::State::Insert:
        lbMode->setText(loc::text("Insert"));
        break;
    default:
        lbMode->setText(loc::text("Browse"));
        break;
    }
    const int count = m_accounts.isOpen() ? m_accounts.recordCount() : 0;
    if (m_accounts.state() == store::Dataset::State::Insert)
        lbRecord->setText(loc::text("New record"));
    else
        lbRecord->setText(loc::text("Record %1 of %2")
                              .arg(count > 0 ? m_accounts.recNo() + 1 : 0)
                              .arg(count));
}

// --- Navigator, search, closing ----------------------------------------

void TAccViewFrm::DBNavigatorClick(NavButton button)
{
    core::guarded([this, button]() {
        switch (button) {
        case nbFirst:
            m_accounts.first();
            break;
        case nbPrior:
            m_accounts.prior();
            break;
        case nbNext:
            m_accounts.next();
            break;
        case nbLast:
            m_accounts.last();
            break;
        case nbInsert:
            PageControl1->setCurrentIndex(tsCustomer);
            m_accounts.insert();
            break;
        case nbDelete:
            if (core::messages().confirm(loc::text("Delete record?")))
                m_accounts.remove();
            break;
        case nbEdit:
            m_accounts.edit();
            break;
        case nbPost:
            m_accounts.post();
            break;
        case nbCancel:
            m_accounts.cancel();
            break;
        case kNavCount:
            break;
        }
    });
    m_binder->load();
}

void TAccViewFrm::btnSearchClick()
{
    core::guarded([this]() {
        TfrmAccountSearch search(*m_dm.qryCusAccount, this);
        QString accountNo;
        if (search.Execute(accountNo) && !accountNo.isEmpty()) {
            // Exactly that number, or stay where we are.
            const store::Table::Bookmark here = m_accounts.bookmark();
            if (!m_accounts.locate(QStringLiteral("AccountNo"), accountNo))
                m_accounts.gotoBookmark(here);
        }
    });
}

bool TAccViewFrm::hasUnsavedChanges() const
{
    for (store::Table *t : {&m_accounts, m_dm.tbZones, m_dm.tbAreas, m_dm.tbUsers, m_dm.tbActions}) {
        if (t->state() == store::Dataset::State::Edit || t->state() == store::Dataset::State::Insert)
            return true;
    }
    return false;
}

bool TAccViewFrm::saveBeforeClosing()
{
    if (!hasUnsavedChanges())
        return true;
    switch (core::messages().askToSave(loc::text("Save the changes to this account?"))) {
    case core::Messages::SaveAnswer::Cancel:
        return false;
    case core::Messages::SaveAnswer::Discard:
        return core::guarded([this]() {
            for (store::Table *t : {m_dm.tbZones, m_dm.tbAreas, m_dm.tbUsers, m_dm.tbActions, &m_accounts})
                t->cancel();
        });
    case core::Messages::SaveAnswer::Save:
        break;
    }
    // A save that fails keeps the window open, its error shown.
    return core::guarded([this]() {
        for (store::Table *t : {m_dm.tbZones, m_dm.tbAreas, m_dm.tbUsers, m_dm.tbActions, &m_accounts})
            t->post();
    });
}

void TAccViewFrm::importPanelData(int what)
{
    // A row being typed into is saved first: the import rewrites the
    // account's detail rows and would otherwise find it locked.
    const bool saved = core::guarded([this]() {
        for (store::Table *t : {m_dm.tbZones, m_dm.tbAreas, m_dm.tbUsers, &m_accounts})
            t->post();
    });
    if (!saved)
        return;
    core::guarded([this, what]() {
        accounts::runPanelImport(m_dm, m_accounts.field(QStringLiteral("AccountNo")).asString(),
                                 m_accounts.field(QStringLiteral("PanelType")).asInteger(), what,
                                 this);
    });
}

void TAccViewFrm::done(int result)
{
    if (!saveBeforeClosing())
        return;
    QDialog::done(result);
}

} // namespace accounts
