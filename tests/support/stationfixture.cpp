#include "support/stationfixture.h"

#include "console/aboutbox.h"
#include "console/logon.h"
#include "console/operatorsfrm.h"
#include "console/operatorsession.h"
#include "console/tmainfrm.h"
#include "station/station.h"
#include "store/tdmod.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

DialogDriver::DialogDriver()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &DialogDriver::poll);
    m_timer.start();
}

void DialogDriver::answer(const QString &name, const QString &password)
{
    m_answers << Answer{Answer::LogOn, name, password, {}};
}

void DialogDriver::cancel()
{
    m_answers << Answer{Answer::Cancel, {}, {}, {}};
}

void DialogDriver::onOperators(std::function<void(console::TOperatorsFrm &)> fn)
{
    m_answers << Answer{Answer::Operators, {}, {}, std::move(fn)};
}

void DialogDriver::closeAbout()
{
    m_answers << Answer{Answer::About, {}, {}, {}};
}

void DialogDriver::poll()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) {
        m_waiting.invalidate();
        return;
    }
    auto *logOn = qobject_cast<console::TLogOnFrm *>(dialog);
    auto *operators = qobject_cast<console::TOperatorsFrm *>(dialog);
    const bool about = qobject_cast<console::TAboutBox *>(dialog) != nullptr;
    const bool fits =
        !m_answers.isEmpty() && ((logOn && (m_answers.first().kind == Answer::LogOn ||
                                            m_answers.first().kind == Answer::Cancel)) ||
                                 (operators && m_answers.first().kind == Answer::Operators) ||
                                 (about && m_answers.first().kind == Answer::About));
    if (!fits) {
        if (!m_waiting.isValid())
            m_waiting.start();
        else if (m_waiting.elapsed() > 3000) {
            ++unanswered;
            m_waiting.invalidate();
            dialog->reject();
        }
        return;
    }
    m_waiting.invalidate();
    const Answer a = m_answers.takeFirst();
    if (logOn) {
        Seen s;
        s.caption = logOn->windowTitle();
        s.userText = logOn->UserList()->currentText();
        s.userListEnabled = logOn->UserList()->isEnabled();
        s.focusOnPassword = logOn->focusWidget() == logOn->Password();
        for (int i = 0; i < logOn->UserList()->count(); ++i)
            s.userList << logOn->UserList()->itemText(i);
        s.image = logOn->grab().toImage();
        seen << s;
        if (a.kind == Answer::Cancel) {
            logOn->reject();
            return;
        }
        if (!a.name.isNull())
            logOn->UserList()->setEditText(a.name);
        logOn->Password()->setText(a.password);
        logOn->accept();
    } else if (operators) {
        a.fn(*operators);
        operators->accept();
    } else {
        dialog->accept();
    }
}

StationFixture::StationFixture() = default;

StationFixture::~StationFixture()
{
    stop();
}

console::TMainFrm &StationFixture::start()
{
    stop();
    m_station = std::make_unique<station::Station>(options());
    m_window = std::make_unique<console::TMainFrm>(*m_station);
    m_station->start();
    return *m_window;
}

station::Station &StationFixture::startStation()
{
    stop();
    m_station = std::make_unique<station::Station>(options());
    m_station->start();
    return *m_station;
}

store::TDMod &StationFixture::dm()
{
    return m_station->dm();
}

void StationFixture::stop()
{
    m_window.reset();
    m_station.reset();
}

void StationFixture::addOperator(const QString &name, const QString &password, const QString &rights)
{
    store::Table &t = *dm().tbOperators;
    t.insert();
    t.field(QStringLiteral("UserName")).setValue(name);
    t.field(QStringLiteral("Password")).setValue(password);
    const QList<QPair<QChar, const char *>> fields{{u'M', "Master"},     {u'E', "EditRecords"},
                                                   {u'A', "AddRecords"}, {u'D', "DeleteRecords"},
                                                   {u'C', "SetupComms"}, {u'P', "PrintReports"}};
    for (const auto &[letter, field] : fields)
        t.field(QString::fromLatin1(field)).setValue(rights.contains(letter));
    t.post();
}

void StationFixture::logOn(const QString &name, const QString &password)
{
    driver.answer(name, password);
    m_window->session().mnuLogOn->trigger();
}
