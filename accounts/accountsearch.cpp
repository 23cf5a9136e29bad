#include "accounts/accountsearch.h"

#include "localization/texts.h"
#include "store/errors.h"
#include "store/gridmodel.h"
#include "core/messages.h"
#include "store/query.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace accounts {

namespace {

constexpr int kMaxPattern = 255;
constexpr int kSearchBlock = 100;

const char *const kFieldNames[] = {"Account No", "Name",   "Address", "Postcode",
                                   "Telephone No", "Fax No", "Email"};

// The result grid: every cell's full text in its tool tip.
class SearchGridModel : public store::DatasetGridModel
{
public:
    using store::DatasetGridModel::DatasetGridModel;

protected:
    QVariant roleData(int position, int column, int role) const override
    {
        if (role == Qt::ToolTipRole)
            return cellText(column, fieldOf(column), rowValues(position));
        return {};
    }
};

QList<store::GridField> searchColumns()
{
    return {{QStringLiteral("AccountNo"), "Account No"}, {QStringLiteral("Name"), "Name"},
            {QStringLiteral("Address"), "Address"},     {QStringLiteral("Postcode"), "Postcode"},
            {QStringLiteral("TelNo"), "Tel No"},        {QStringLiteral("FaxNo"), "Fax No"},
            {QStringLiteral("email"), "Email"},         {QStringLiteral("PanelType"), "Panel Type"}};
}

} // namespace

QString AccountSearchCondition(SearchField field)
{
    switch (field) {
    case SearchField::AccountNo:
        return QStringLiteral("Where UPPER(AccountNo) like :Pattern Order by AccountNo");
    case SearchField::Name:
        return QStringLiteral("Where UPPER(Name) like :Pattern Order by AccountNo");
    case SearchField::Address:
        return QStringLiteral("Where UPPER(Address1) like :Pattern OR UPPER(Address2) like :Pattern "
                              "OR UPPER(Address3) like :Pattern OR UPPER(Address4) like :Pattern");
    case SearchField::Postcode:
        return QStringLiteral("Where UPPER(Postcode) like :Pattern Order by Postcode");
    case SearchField::TelNo:
        return QStringLiteral("Where UPPER(TelNo) like :Pattern Order by TelNo");
    case SearchField::FaxNo:
        return QStringLiteral("Where UPPER(FaxNo) like :Pattern Order by FaxNo");
    case SearchField::Email:
        return QStringLiteral("Where UPPER(Email) like :Pattern Order by Email");
    }
    return {};
}

QString AccountSearchPattern(const QString &typed)
{
    // "_%" needs one character at least: empty text lists the filled values.
    if (typed.isEmpty())
        return QStringLiteral("_%");
    QString upper = typed;
    for (QChar &c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return (QLatin1Char('%') + upper + QLatin1Char('%')).left(kMaxPattern);
}

TfrmAccountSearch::TfrmAccountSearch(store::Query &search, QWidget *parent)
    : QDialog(parent), m_search(search)
{
    setObjectName(QStringLiteral("frmAccountSearch"));
    setSizeGripEnabled(true);
    resize(803, 433);

    // Every keystroke runs the search again: only the rows the grid shows are
    // read, the rest as it scrolls, so the first letters of a name over a
    // large station do not read every account.
    m_search.setReadBlock(kSearchBlock);
    m_model = new SearchGridModel(m_search, searchColumns(), this);
    m_model->setBatchSize(kSearchBlock);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setWordWrap(false);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    const int widths[] = {70, 150, 220, 70, 90, 90, 150, 90};
    for (int i = 0; i < 8; ++i)
        DBGrid1->setColumnWidth(i, widths[i]);
    DBGrid1->installEventFilter(this);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this]() { chooseRow(); });
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && m_search.isOpen() && m_search.recNo() != current.row())
                    m_search.moveTo(current.row());
                resultRowChanged();
            });

    lbSearchField = new QLabel(this);
    lbSearchField->setObjectName(QStringLiteral("lbSearchField"));
    cbSearchField = new QComboBox(this);
    cbSearchField->setObjectName(QStringLiteral("cbSearchField"));
    for (int i = 0; i < 7; ++i)
        cbSearchField->addItem(QString());
    lbSearchField->setBuddy(cbSearchField);
    lbSearchFor = new QLabel(this);
    lbSearchFor->setObjectName(QStringLiteral("lbSearchFor"));
    edSearchFor = new QLineEdit(this);
    edSearchFor->setObjectName(QStringLiteral("edSearchFor"));
    lbSearchFor->setBuddy(edSearchFor);
    btnOK = new QPushButton(this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setEnabled(false);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOK, &QPushButton::clicked, this, [this]() { chooseRow(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(edSearchFor, &QLineEdit::textChanged, this, [this]() { RunSearch(); });
    connect(cbSearchField, &QComboBox::currentIndexChanged, this, [this]() { RunSearch(); });

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lbSearchField);
    bottom->addWidget(cbSearchField);
    bottom->addSpacing(12);
    bottom->addWidget(lbSearchFor);
    bottom->addWidget(edSearchFor, 1);
    bottom->addSpacing(12);
    bottom->addWidget(btnOK);
    bottom->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(bottom);

    retranslateUi();
}

TfrmAccountSearch::~TfrmAccountSearch()
{
    m_search.close();
    m_search.setReadBlock(0);
}

void TfrmAccountSearch::retranslateUi()
{
    setWindowTitle(loc::text("Account Search"));
    lbSearchField->setText(loc::text("Search Field:"));
    lbSearchFor->setText(loc::text("Search For:"));
    for (int i = 0; i < 7; ++i)
        cbSearchField->setItemText(i, loc::text(kFieldNames[i]));
    btnOK->setText(loc::text("OK"));
    btnCancel->setText(loc::text("Cancel"));
    m_model->retranslate();
}

void TfrmAccountSearch::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TfrmAccountSearch::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (parentWidget()) {
        const QRect host = parentWidget()->window()->geometry();
        move(host.center() - rect().center());
    }
    RunSearch();
}

void TfrmAccountSearch::RunSearch()
{
    const auto field = static_cast<SearchField>(std::max(0, cbSearchField->currentIndex()));
    m_search.close();
    m_search.setLine(2, AccountSearchCondition(field));
    m_search.setParam(QStringLiteral("Pattern"), AccountSearchPattern(edSearchFor->text()));
    try {
        m_search.open();
    } catch (const store::EStoreError &e) {
        // The list stays empty until a later search succeeds.
        core::messages().error(e.message());
    }
    if (m_search.isOpen() && !m_search.isEmpty()) {
        m_search.first();
        DBGrid1->selectionModel()->setCurrentIndex(
            m_model->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    resultRowChanged();
    if (edSearchFor->isEnabled() && isVisible())
        edSearchFor->setFocus();
}

void TfrmAccountSearch::resultRowChanged()
{
    const bool any = m_search.isOpen() && m_search.recNo() >= 0 &&
                     !m_search.field(QStringLiteral("AccountNo")).asString().isEmpty();
    btnOK->setEnabled(any);
}

void TfrmAccountSearch::chooseRow()
{
    if (!btnOK->isEnabled())
        return;
    m_chosen = m_search.field(QStringLiteral("AccountNo")).asString();
    accept();
}

bool TfrmAccountSearch::eventFilter(QObject *watched, QEvent *event)
{
    // Any character key in the grid, Enter included, chooses its row.
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint()) {
            chooseRow();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            chooseRow();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrmAccountSearch::Execute(QString &accountNo)
{
    m_chosen.clear();
    const bool ok = exec() == QDialog::Accepted;
    m_search.close();
    accountNo = ok ? m_chosen : QString();
    return ok;
}

} // namespace accounts
