#include "reports/treportoptions.h"

#include "localization/texts.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace reports {

namespace {

constexpr const char *kItems[] = {"Customer Details",     "Key Holders",
                                  "Customer Notes",       "Special Instructions",
                                  "Zone Information",     "Area Information",
                                  "User Information",     "Event Handling"};
constexpr int kItemCount = 8;

} // namespace

TfrmReportOptions::TfrmReportOptions(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReportOptions"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    gbInclude = new QGroupBox(this);
    gbInclude->setObjectName(QStringLiteral("gbInclude"));
    clbOptions = new QListWidget(gbInclude);
    clbOptions->setObjectName(QStringLiteral("clbOptions"));
    clbOptions->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < kItemCount; ++i) {
        auto *item = new QListWidgetItem(clbOptions);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
    }
    // Tall enough for all eight items without a scroll bar.
    const int rowHeight = clbOptions->sizeHintForRow(0) > 0 ? clbOptions->sizeHintForRow(0) : 18;
    clbOptions->setFixedHeight(rowHeight * kItemCount + 2 * clbOptions->frameWidth() + 4);
    clbOptions->setMinimumWidth(200);
    auto *groupLayout = new QVBoxLayout(gbInclude);
    groupLayout->addWidget(clbOptions);

    btnOK = new QPushButton(this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(clbOptions, &QListWidget::itemChanged, this, [this]() { updateOk(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gbInclude);
    layout->addLayout(buttons);
    // A fixed dialogue border: the size follows the contents only.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    retranslateUi();
    updateOk();
}

bool TfrmReportOptions::GetOptions(quint8 &options)
{
    if (exec() != QDialog::Accepted)
        return false;
    options = selectedOptions();
    return true;
}

quint8 TfrmReportOptions::selectedOptions() const
{
    quint8 options = 0;
    for (int i = 0; i < kItemCount; ++i) {
        if (clbOptions->item(i)->checkState() == Qt::Checked)
            options |= static_cast<quint8>(1u << i);
    }
    return options;
}

void TfrmReportOptions::updateOk()
{
    btnOK->setEnabled(selectedOptions() != 0);
}

void TfrmReportOptions::retranslateUi()
{
    setWindowTitle(loc::text("Report Options"));
    gbInclude->setTitle(loc::text("Include the Following"));
    for (int i = 0; i < kItemCount; ++i)
        clbOptions->item(i)->setText(loc::text(kItems[i]));
    btnOK->setText(loc::text("OK"));
    btnCancel->setText(loc::text("Cancel"));
}

void TfrmReportOptions::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

} // namespace reports
