#pragma once

#include <QColor>
#include <QStatusBar>
#include <QWidget>

#include <array>

class QLabel;
class QTimer;

namespace console {

// A small lamp that lights up for a moment each time bytes move.
class ActivityLight : public QWidget
{
    Q_OBJECT
public:
    ActivityLight(const QColor &litColour, const QColor &unlitColour, QWidget *parent = nullptr);

    bool isLit() const { return m_lit; }
    // How often the lamp has been lit since it was made.
    int flashes() const { return m_flashes; }
    void setActive(bool on) { m_active = on; }

    QSize sizeHint() const override { return {12, 12}; }

public slots:
    // Lights the lamp; it goes out again shortly after the last flash.
    void flash();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_litColour;
    QColor m_unlitColour;
    QTimer *m_offTimer;
    bool m_lit = false;
    bool m_active = false;
    int m_flashes = 0;
};

// The six-panel status bar of the main window: 0 link status, 1 transmit
// light, 2 receive light, 3 receiver status, 4 operator, 5 access options.
// The last panel takes whatever width is left.
class StatBar : public QStatusBar
{
    Q_OBJECT
public:
    static constexpr int kPanels = 6;
    static constexpr std::array<int, kPanels> kWidths{150, 50, 50, 100, 200, 50};

    explicit StatBar(QWidget *parent = nullptr);

    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;
    QWidget *panel(int index) const { return m_panels[static_cast<size_t>(index)]; }

    ActivityLight *txLight() const { return m_tx; }
    ActivityLight *rxLight() const { return m_rx; }
    // Places the two lights into panels 1 and 2 ("Tx" and "Rx" beside them).
    void placeLights();
    // From now on the lights follow the port's traffic.
    void setLightsActive(bool on);

private:
    std::array<QWidget *, kPanels> m_panels{};
    std::array<QLabel *, kPanels> m_labels{};
    ActivityLight *m_tx = nullptr;
    ActivityLight *m_rx = nullptr;
};

} // namespace console
