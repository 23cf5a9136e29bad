#pragma once

#include "support/recordingmessages.h"
#include "support/stationfolders.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

namespace store {
class TDMod;
}
namespace console {
class TMainFrm;
class TOperatorsFrm;
} // namespace console

// Answers the console's modal dialogs as they open, in the order queued.
// A dialog nobody queued an answer for is cancelled after a few seconds
// and counted, so a test never waits for a person.
class DialogDriver : public QObject
{
    Q_OBJECT
public:
    struct Seen
    {
        QString caption;
        QString userText;
        bool userListEnabled = true;
        bool focusOnPassword = false;
        QStringList userList;
        QImage image; // the dialog as it was shown
    };

    DialogDriver();

    // The next log-on dialog: name typed in (a null name keeps what it
    // shows), password typed in, OK pressed.
    void answer(const QString &name, const QString &password);
    void answerPassword(const QString &password) { answer(QString(), password); }
    void cancel();
    // The next operators dialog: fn runs on it, then it is closed.
    void onOperators(std::function<void(console::TOperatorsFrm &)> fn);
    // The next about box is closed with OK.
    void closeAbout();

    int queued() const { return static_cast<int>(m_answers.size()); }
    QList<Seen> seen;
    int unanswered = 0;

private:
    struct Answer
    {
        enum Kind
        {
            LogOn,
            Cancel,
            Operators,
            About
        } kind;
        QString name;
        QString password;
        std::function<void(console::TOperatorsFrm &)> fn;
    };
    void poll();

    QTimer m_timer;
    QList<Answer> m_answers;
    QElapsedTimer m_waiting;
};

// One station in temporary folders, with its modal dialogs answered.
class StationFixture : public StationFolders
{
public:
    StationFixture();
    ~StationFixture();

    // The station with its main window, made before the start-up as the
    // program does.
    console::TMainFrm &start();
    // The station alone, with no window.
    station::Station &startStation();
    // Destroys the window, then the station (which writes the settings),
    // then the data module.
    void stop();
    console::TMainFrm &w() { return *m_window; }
    station::Station &station() { return *m_station; }
    store::TDMod &dm();
    bool running() const { return m_station != nullptr; }

    // rights: letters M(aster) E(dit) A(dd) D(elete) C(omms) P(rint).
    void addOperator(const QString &name, const QString &password, const QString &rights);
    // Logs on through the Operator menu.
    void logOn(const QString &name, const QString &password);

    RecordingMessages messages;
    DialogDriver driver;

private:
    std::unique_ptr<station::Station> m_station;
    std::unique_ptr<console::TMainFrm> m_window;
};
