#pragma once

#include <QMainWindow>

class QWindow;

namespace station {
class Station;
}

namespace console {

class OperatorSession;
class PendingPanel;
class StatBar;

// The main window of the monitoring console. It shows a station: the
// pending alarm view, the operator's session with the main menu, and the
// status bar, all following the station's signals. Created before the
// station starts, it takes its part in the start-up (language menu, view
// hooks, operator menu); created later, it catches up with the running
// station. Closing it, once an operator's password allowed it, closes the
// listening port; the station's owner then stops the station.
class TMainFrm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainFrm(station::Station &station, QWidget *parent = nullptr);
    // Detaches the pending view's hooks.
    ~TMainFrm() override;

    station::Station &station() const { return m_station; }
    OperatorSession &session() const { return *m_session; }
    PendingPanel &pending() const { return *m_pending; }
    StatBar *statBar() const { return m_statBar; }
    QString statusText(int panel) const;

    // Every text of the window, the assembled ones (caption with version,
    // count labels, operator and access panels) rendered from the present
    // state.
    void retranslateUi();

    // The log-on request: opens the log-on dialog unless an operator logged
    // on, or a log-on dialog opened, since it was posted.
    void SXLogInMessage();
    // The main window became the active window: offers the log-on while
    // nobody is logged on.
    void FormActivate();

    // --- Menu actions ----------------------------------------------------
    void AccEditClick();
    void Setup1Click();
    void mnuViewCommsDataClick();
    void mnuViewEmailClick();
    void About1Click();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void customEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void connectStation();
    void connectMenu();
    // The station's start-up reached a point where the window takes part.
    void followStep(int step);
    // Everything the window shows of a station that started without it.
    void catchUp();
    // The window's least size shows the status panels and count labels whole.
    void fitMinimumSize();
    void applyDateFormats();

    // Where the localizer hooks in: the language menu (mnuSetupLanguage),
    // its switch notification and the current language.
    void BuildLanguageMenu();
    void RegisterLanguageSwitched();

    void focusWindowChanged(QWindow *window);

    station::Station &m_station;
    StatBar *m_statBar = nullptr;
    PendingPanel *m_pending = nullptr;
    OperatorSession *m_session = nullptr;
    bool m_closeAllowed = false;
    bool m_shownOnce = false;
    // Which of the program's own windows was active before the main window.
    bool m_otherWindowActive = false;
    bool m_otherWindowInLogOnFlow = false;
};

} // namespace console
