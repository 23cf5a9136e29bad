#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace console {

// The about box: product name, a picture, the version and its date.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char *kVersion = "2.16";
    static constexpr const char *kVersionDate = "Dec 2013";

    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *ProductName() const { return m_productName; }
    QLabel *Version() const { return m_version; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QLabel *m_productName;
    QLabel *m_version;
    QPushButton *m_ok = nullptr;
};

} // namespace console
