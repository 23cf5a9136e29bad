#pragma once

#include <QDialog>

class QLabel;

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

private:
    QLabel *m_productName;
    QLabel *m_version;
};

} // namespace console
