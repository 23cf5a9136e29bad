#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace store {
class Table;
}

namespace console {

// The operator log-on dialog. The same dialog asks for the log-on, for the
// three steps of a passcode change and for the exit password.
class TLogOnFrm : public QDialog
{
    Q_OBJECT
public:
    // The operator list is filled from operators (key order) and its text set
    // to lastOperator when that is not empty.
    TLogOnFrm(store::Table &operators, const QString &lastOperator, QWidget *parent = nullptr);

    // Shows the dialog modally. OK: true, with the operator list's text and
    // the password. Cancel: false.
    bool Execute(QString &name, QString &password);

    // The caption: who (an operator name, may be empty) followed by the
    // translated english text; it follows the language.
    void setCaption(const char *english, const QString &who = QString());

    QComboBox *UserList() const { return m_userList; }
    QLineEdit *Password() const { return m_password; }

    // The width the window needs so that a title bar shows its whole caption.
    static int captionWidth(const QString &caption, const QFont &font);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void fitCaption();
    QComboBox *m_userList;
    QLineEdit *m_password;
    QLabel *m_nameLabel;
    QLabel *m_passwordLabel;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QString captionText() const;

    const char *m_caption = nullptr; // nullptr: the log-on caption
    QString m_captionWho;
    QString m_shownCaption;
};

// The outcome of checking a name and password against Operators. The
// cursor is left on the operator's row when the name is found.
enum class OperatorCheck
{
    Accepted,
    NameNotFound,
    WrongPassword
};
OperatorCheck checkOperator(store::Table &operators, const QString &name, const QString &password);
// Shows the error box that belongs to a refused check.
void reportRefusal(OperatorCheck check);

} // namespace console
