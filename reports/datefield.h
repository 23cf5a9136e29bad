#pragma once

#include <QDate>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace reports {

// A date typed in the program's short date format ("6/15/2023", "06/15/2023"
// for M/d/yyyy), or picked from a calendar. The whole text is read at once,
// so a typed date is taken as written or not at all: text that is no date
// in the format is marked and leaves the last good date in force.
class DateField : public QWidget
{
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate &date);
    // The format the field shows and reads (Qt date format: M, d, yyyy ...).
    void setDisplayFormat(const QString &format);
    QString displayFormat() const { return m_format; }
    // The text as it stands is the date in force (nothing unread or wrong in it).
    bool hasAcceptableInput();
    QLineEdit *lineEdit() const { return m_edit; }

    // The date of a text in format; invalid when it is none.
    static QDate parse(const QString &text, const QString &format);

signals:
    void dateChanged(const QDate &date);

private:
    void commitText();
    void showDate();
    void openCalendar();

    QLineEdit *m_edit;
    QToolButton *m_button;
    QString m_format = QStringLiteral("M/d/yyyy");
    QDate m_date;
};

} // namespace reports
