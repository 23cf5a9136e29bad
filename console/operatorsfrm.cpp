#include "console/operatorsfrm.h"

#include "console/guarded.h"
#include "console/tablemodel.h"
#include "localization/texts.h"
#include "core/messages.h"
#include "store/table.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace console {

namespace {

struct RightDef
{
    const char *caption;
    const char *field;
};
constexpr std::array<RightDef, 5> kRights{{{"Edit Records", "EditRecords"},
                                           {"Add Records", "AddRecords"},
                                           {"Delete Records", "DeleteRecords"},
                                           {"Modify Communication Setup", "SetupComms"},
                                           {"Print Reports", "PrintReports"}}};

struct NavDef
{
    const char *name;
    const char *caption;
    const char *hint;
};
constexpr std::array<NavDef, 5> kNav{{{"nbInsert", "+", "Add New User"},
                                      {"nbDelete", "-", "Remove User"},
                                      {"nbEdit", "Edit", "Edit User"},
                                      {"nbPost", "Post", "Save Changes"},
                                      {"nbCancel", "Cancel", "Cancel Changes"}}};

bool editing(const store::Table &t)
{
    return t.state() == store::Dataset::State::Edit || t.state() == store::Dataset::State::Insert;
}

} // namespace

TOperatorsFrm::TOperatorsFrm(store::Table &operators, QWidget *parent)
    : QDialog(parent), m_table(operators),
      m_model(new TableModel(operators, {QStringLiteral("UserName"), QStringLiteral("Password")},
                             this)),
      m_grid(new QTableView(this)), m_userName(new QLineEdit(this)), m_password(new QLineEdit(this))
{
    setObjectName(QStringLiteral("OperatorsFrm"));
    setWindowTitle(loc::text("Modify System Operators"));
    setModal(true);

    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->setColumnWidth(0, 180);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TOperatorsFrm::gridRowChosen);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TOperatorsFrm::syncGridRow);

    auto *frame = new QGroupBox(this);
    auto *fields = new QGridLayout(frame);
    m_userName->setObjectName(QStringLiteral("edUserName"));
    m_userName->setMaxLength(25);
    m_password->setObjectName(QStringLiteral("edPassword"));
    m_password->setMaxLength(16);
    auto *userLabel = new QLabel(loc::text("User Name:"), frame);
    userLabel->setObjectName(QStringLiteral("lbUserName"));
    auto *passwordLabel = new QLabel(loc::text("Password:"), frame);
    passwordLabel->setObjectName(QStringLiteral("lbPassword"));
    userLabel->setBuddy(m_userName);
    passwordLabel->setBuddy(m_password);
    fields->addWidget(userLabel, 0, 0);
    fields->addWidget(m_userName, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    fields->addWidget(m_password, 1, 1);
    connect(m_userName, &QLineEdit::textEdited, this,
            [this](const QString &t) { fieldEdited(QStringLiteral("UserName"), t); });
    connect(m_password, &QLineEdit::textEdited, this,
            [this](const QString &t) { fieldEdited(QStringLiteral("Password"), t); });
    for (size_t i = 0; i < kRights.size(); ++i) {
        auto *box = new QCheckBox(loc::text(kRights[i].caption), frame);
        const QString field = QString::fromLatin1(kRights[i].field);
        box->setObjectName(QStringLiteral("cb") + field);
        connect(box, &QCheckBox::clicked, this, [this, field](bool on) {
            fieldEdited(field, on ? QStringLiteral("True") : QStringLiteral("False"));
        });
        fields->addWidget(box, 2 + static_cast<int>(i), 1);
        m_rights[i] = box;
    }

    auto *nav = new QHBoxLayout;
    nav->setSpacing(0);
    for (size_t i = 0; i < kNav.size(); ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kNav[i].name));
        b->setText(QString::fromLatin1(kNav[i].caption));
        b->setToolTip(loc::text(kNav[i].hint));
        b->setMinimumWidth(48);
        const auto which = static_cast<NavButton>(i);
        connect(b, &QToolButton::clicked, this, [this, which]() { DBNavigatorClick(which); });
        nav->addWidget(b);
        m_nav[i] = b;
    }
    nav->addStretch(1);
    auto *close = new QPushButton(loc::text("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    nav->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(frame);
    layout->addLayout(nav);
    resize(420, 470);
    setFixedSize(size());

    connect(&m_table, &store::Dataset::currentChanged, this, &TOperatorsFrm::dsOperatorsDataChange);
    connect(&m_table, &store::Dataset::dataChanged, this, &TOperatorsFrm::dsOperatorsDataChange);
    connect(&m_table, &store::Dataset::stateChanged, this, &TOperatorsFrm::dsOperatorsDataChange);
    dsOperatorsDataChange();
    syncGridRow();
}

TOperatorsFrm::~TOperatorsFrm()
{
    disconnect(&m_table, nullptr, this, nullptr);
    // Nothing half-typed is left behind in the shared cursor.
    guarded([this]() {
        if (editing(m_table))
            m_table.cancel();
    });
}

void TOperatorsFrm::dsOperatorsDataChange()
{
    if (m_showing)
        return;
    QScopedValueRollback<bool> showing(m_showing, true);
    const bool hasRow = m_table.isOpen() && (editing(m_table) || !m_table.isEmpty());
    auto text = [this, hasRow](const char *f) {
        return hasRow ? m_table.field(QString::fromLatin1(f)).asString() : QString();
    };
    if (m_userName->text() != text("UserName"))
        m_userName->setText(text("UserName"));
    if (m_password->text() != text("Password"))
        m_password->setText(text("Password"));
    const bool master = hasRow && m_table.field(QStringLiteral("Master")).asBoolean();
    for (size_t i = 0; i < kRights.size(); ++i) {
        m_rights[i]->setChecked(hasRow &&
                                m_table.field(QString::fromLatin1(kRights[i].field)).asBoolean());
        // A master operator's rights are not changed here.
        m_rights[i]->setEnabled(!master);
    }
    const bool browsing = m_table.isOpen() && !editing(m_table);
    m_nav[nbInsert]->setEnabled(browsing);
    m_nav[nbDelete]->setEnabled(browsing && !m_table.isEmpty());
    m_nav[nbEdit]->setEnabled(browsing && !m_table.isEmpty());
    m_nav[nbPost]->setEnabled(!browsing);
    m_nav[nbCancel]->setEnabled(!browsing);
    syncGridRow();
}

void TOperatorsFrm::syncGridRow()
{
    const int row = m_table.isOpen() ? m_table.recNo() : -1;
    if (row < 0 || row >= m_model->rowCount() || m_grid->currentIndex().row() == row)
        return;
    const QSignalBlocker block(m_grid->selectionModel());
    m_grid->selectionModel()->setCurrentIndex(
        m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->viewport()->update();
}

void TOperatorsFrm::gridRowChosen()
{
    const int row = m_grid->currentIndex().row();
    if (row < 0 || row == m_table.recNo())
        return;
    // Leaving an edited row saves it, as the grid always has.
    guarded([this, row]() { m_table.moveTo(row); });
    syncGridRow();
}

void TOperatorsFrm::fieldEdited(const QString &fieldName, const QVariant &value)
{
    if (m_showing)
        return;
    guarded([this, &fieldName, &value]() {
        // Typing into a field of the current row starts editing it. The
        // refresh that starting the edit brings would put the old text back
        // into the field being typed in: it follows once the value is set.
        if (!editing(m_table)) {
            QScopedValueRollback<bool> typing(m_showing, true);
            m_table.edit();
        }
        m_table.field(fieldName).setValue(value);
        m_model->refreshCurrentRow();
    });
    dsOperatorsDataChange();
}

void TOperatorsFrm::DBNavigator1BeforeAction(NavButton button)
{
    if (button == nbInsert)
        m_userName->setFocus();
}

void TOperatorsFrm::DBNavigatorClick(NavButton button)
{
    DBNavigator1BeforeAction(button);
    guarded([this, button]() {
        switch (button) {
        case nbInsert:
            m_table.insert();
            break;
        case nbDelete:
            if (core::messages().confirm(loc::text("Delete record?")))
                m_table.remove(); // the Operators delete rule may refuse
            break;
        case nbEdit:
            m_table.edit();
            break;
        case nbPost:
            m_table.post();
            break;
        case nbCancel:
            m_table.cancel();
            break;
        }
    });
    dsOperatorsDataChange();
}

void TOperatorsFrm::done(int result)
{
    if (m_table.isOpen() && editing(m_table)) {
        QMessageBox box(QMessageBox::Question, windowTitle(),
                        loc::text("Save the changes to this operator?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        box.setObjectName(QStringLiteral("SaveChangesBox"));
        box.button(QMessageBox::Yes)->setText(loc::text("Yes"));
        box.button(QMessageBox::No)->setText(loc::text("No"));
        box.button(QMessageBox::Cancel)->setText(loc::text("Cancel"));
        box.setDefaultButton(QMessageBox::Yes);
        switch (box.exec()) {
        case QMessageBox::Yes:
            // A save that fails keeps the dialog open, its error shown.
            if (!guarded([this]() { m_table.post(); })) {
                dsOperatorsDataChange();
                return;
            }
            break;
        case QMessageBox::No:
            guarded([this]() { m_table.cancel(); });
            break;
        default:
            return;
        }
    }
    QDialog::done(result);
}

void TOperatorsFrm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier &&
        m_grid->hasFocus()) {
        DBNavigatorClick(nbDelete);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace console
