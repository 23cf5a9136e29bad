#include "support/stationfixture.h"

#include "console/aboutbox.h"
#include "console/logon.h"
#include "console/operatorsfrm.h"
#include "console/tmainfrm.h"
#include "store/tdmod.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTcpServer>
#include <QtTest>

#include <unistd.h>

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

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

Station::Station() : m_port(freePort())
{
    QDir().mkpath(programFolder());
    // The receiver runs already: nothing is started, nothing is shown.
    writeFile(procRoot() + QStringLiteral("/4242/status"),
              "Name:\tRovask\nState:\tS (sleeping)\nUid:\t" + QByteArray::number(::getuid()) +
                  "\t0\t0\t0\n");
    setSetting(QStringLiteral("Communication"), QStringLiteral("Port"), QString::number(m_port));
}

Station::~Station()
{
    stop();
}

QString Station::programFolder() const
{
    return m_dir.filePath(QStringLiteral("Quorvel"));
}

QString Station::settingsPath() const
{
    return m_dir.filePath(QStringLiteral("config/Quorvel.ini"));
}

QString Station::procRoot() const
{
    return m_dir.filePath(QStringLiteral("proc"));
}

void Station::stopReceiver()
{
    QDir(procRoot()).removeRecursively();
    QDir().mkpath(procRoot());
}

quint16 Station::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

console::TMainFrm &Station::start()
{
    stop();
    m_dm = std::make_unique<store::TDMod>(programFolder());
    m_dm->PrepareAlias();
    m_dm->DataModuleCreate();
    console::MainFrmOptions options;
    options.programFolder = programFolder();
    options.settingsPath = settingsPath();
    options.procRoot = procRoot();
    m_window = std::make_unique<console::TMainFrm>(*m_dm, options);
    return *m_window;
}

void Station::stop()
{
    m_window.reset();
    m_dm.reset();
}

void Station::setSetting(const QString &group, const QString &name, const QString &value)
{
    QSettings ini(settingsPath(), QSettings::IniFormat);
    ini.setValue(group + QLatin1Char('/') + name, value);
}

QString Station::setting(const QString &group, const QString &name) const
{
    QSettings ini(settingsPath(), QSettings::IniFormat);
    return ini.value(group + QLatin1Char('/') + name, QStringLiteral("<missing>")).toString();
}

void Station::addOperator(const QString &name, const QString &password, const QString &rights)
{
    store::Table &t = *m_dm->tbOperators;
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

void Station::logOn(const QString &name, const QString &password)
{
    driver.answer(name, password);
    m_window->mnuLogOn->trigger();
}
