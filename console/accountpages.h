#pragma once

#include <QHash>
#include <QLabel>
#include <QObject>
#include <QString>
#include <QWidget>

class QGroupBox;
class QPlainTextEdit;
class QTabWidget;

namespace store {
class TDMod;
}

namespace console {

// A round status light: red when on, dark when off.
class Led : public QWidget
{
    Q_OBJECT
public:
    explicit Led(QWidget *parent = nullptr);
    bool isOn() const { return m_on; }
    void setOn(bool on);
    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_on = false;
};

// A read-only field text that reacts to a click.
class ClickableText : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The four detail pages of the pending view: the account of the current
// pending event (qryAccounts) on "Customer Details", "Notes", "Special
// Instructions" and "Keyholders", with the event's own details and the
// operator's comments box beside the customer's. Everything shown is
// read-only and follows the two cursors as they move; the comments box
// belongs to no row.
class AccountPages : public QObject
{
    Q_OBJECT
public:
    enum Page
    {
        CustomerDetails,
        Notes,
        SpecialInstructions,
        Keyholders
    };

    // Fills the four (empty) pages of `pages`.
    AccountPages(store::TDMod &dm, QTabWidget *pages, QObject *parent = nullptr);

    // Shows the current pending event and its account again.
    void refresh();
    // Captions and group titles in the current language.
    void retranslateUi();
    // The format of the event's Date & Time (it follows the interface language).
    void setDateFormat(const QString &format);

    // The text shown for an account field (qryAccounts) or, with the prefix
    // "Pending.", for a field of the current event; null for an unknown name.
    QString shownText(const QString &field) const;

    QPlainTextEdit *moComments = nullptr;
    Led *ledEngOnSite = nullptr;
    Led *ledSystemClosed = nullptr;
    // "Special:" SpecialOpts: a click opens the account's instructions document.
    ClickableText *DBText44 = nullptr;

private:
    void buildCustomerDetails(QWidget *page);
    void buildNotes(QWidget *page);
    void buildSpecialInstructions(QWidget *page);
    void buildKeyholders(QWidget *page);
    // The caption of a field's box, named after the field ("lbAccountNo").
    QLabel *caption(const char *text, const QString &field, QWidget *parent);
    // A titled group (no title: a plain frame).
    QGroupBox *group(const char *name, const char *title, QWidget *parent);
    // A value box for an account field, or for "Pending.<field>".
    QLabel *valueBox(const QString &field, QWidget *parent);
    QPlainTextEdit *memoBox(const QString &field, QWidget *parent);

    store::TDMod &m_dm;
    QString m_dateFormat;
    QHash<QString, QLabel *> m_boxes;         // by field name as given
    QHash<QString, QPlainTextEdit *> m_memos; // account memo fields
    // Each caption and group title with its English text.
    QList<QPair<QWidget *, const char *>> m_texts;
};

} // namespace console
