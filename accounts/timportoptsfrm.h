#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace accounts {

// The import options dialog: which texts a panel data file import copies.
class TImportOptsFrm : public QDialog
{
    Q_OBJECT
public:
    // options: the preselected ImportOption bits. Area texts are not offered
    // for panel types up to 3.
    TImportOptsFrm(int options, int panelType, QWidget *parent = nullptr);

    // Shows the dialog modally. OK: true, with the ticked options. Cancel: false.
    bool GetOptions(int &options);
    int options() const;

    QCheckBox *cbZoneText() const { return m_zone; }
    QCheckBox *cbAreaText() const { return m_area; }
    QCheckBox *cbUserNames() const { return m_user; }
    QPushButton *btnOK() const { return m_ok; }
    QPushButton *btnCancel() const { return m_cancel; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void updateOk();

    QGroupBox *m_group;
    QCheckBox *m_zone, *m_area, *m_user;
    QPushButton *m_ok, *m_cancel;
};

} // namespace accounts
