#include "console/statusbar.h"

#include "localization/texts.h"

#include <QLabel>

#include <algorithm>
#include <QPainter>
#include <QTimer>

namespace console {

namespace {

constexpr int kFlashMs = 120;

// Panels 1 and 2: their caption drawn at (2, 1), the light at (20, 1).
class LightPanel : public QFrame
{
public:
    LightPanel(const QString &caption, QWidget *parent) : QFrame(parent), m_caption(caption)
    {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        QPainter p(this);
        const QRect r = contentsRect();
        p.drawText(QRect(r.left() + 2, r.top() + 1, 18, r.height() - 1),
                   Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    }

private:
    QString m_caption;
};

} // namespace

ActivityLight::ActivityLight(const QColor &litColour, const QColor &unlitColour, QWidget *parent)
    : QWidget(parent), m_litColour(litColour), m_unlitColour(unlitColour),
      m_offTimer(new QTimer(this))
{
    setFixedSize(sizeHint());
    m_offTimer->setSingleShot(true);
    m_offTimer->setInterval(kFlashMs);
    connect(m_offTimer, &QTimer::timeout, this, [this]() {
        m_lit = false;
        update();
    });
}

void ActivityLight::flash()
{
    if (!m_active)
        return;
    ++m_flashes;
    m_lit = true;
    m_offTimer->start();
    update();
}

void ActivityLight::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_lit ? m_litColour : m_unlitColour);
    p.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

StatBar::StatBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatBar"));
    setSizeGripEnabled(true);
    const std::array<QString, kPanels> design{loc::text("Status:"),
                                              QString(),
                                              QString(),
                                              loc::text("Receiver: Offline"),
                                              loc::text("Operator:"),
                                              loc::text("Access Level:")};
    for (int i = 0; i < kPanels; ++i) {
        const auto n = static_cast<size_t>(i);
        QWidget *w = nullptr;
        if (i == 1 || i == 2) {
            w = new LightPanel(i == 1 ? QStringLiteral("Tx") : QStringLiteral("Rx"), this);
        } else {
            auto *label = new QLabel(design[n], this);
            label->setFrameShape(QFrame::Panel);
            label->setFrameShadow(QFrame::Sunken);
            label->setIndent(2);
            m_labels[n] = label;
            w = label;
        }
        w->setObjectName(QStringLiteral("StatBarPanel%1").arg(i));
        if (i + 1 < kPanels)
            w->setFixedWidth(kWidths[n]);
        else
            w->setMinimumWidth(kWidths[n]);
        m_panels[n] = w;
        addWidget(w, i + 1 < kPanels ? 0 : 1);
    }
    // Transmit goes dark red when idle, receive lights up lime.
    m_tx = new ActivityLight(QColor(Qt::red), QColor(0x80, 0x00, 0x00), m_panels[1]);
    m_rx = new ActivityLight(QColor(0x00, 0xFF, 0x00), QColor(0x00, 0x60, 0x00), m_panels[2]);
    m_tx->setObjectName(QStringLiteral("TxLight"));
    m_rx->setObjectName(QStringLiteral("RxLight"));
    m_tx->hide();
    m_rx->hide();
    setPanelText(4, m_labels[4]->text());
}

void StatBar::placeLights()
{
    for (ActivityLight *light : {m_tx, m_rx}) {
        auto *panel = static_cast<QFrame *>(light->parentWidget());
        const QRect r = panel->contentsRect();
        light->move(r.left() + 20, r.top() + 1);
        light->show();
    }
}

void StatBar::setLightsActive(bool on)
{
    m_tx->setActive(on);
    m_rx->setActive(on);
}

void StatBar::setPanelText(int panel, const QString &text)
{
    if (panel < 0 || panel >= kPanels)
        return;
    QLabel *l = m_labels[static_cast<size_t>(panel)];
    if (!l)
        return;
    l->setText(text);
    if (panel == 4) {
        // The operator's panel is as wide as the name needs, up to its
        // designed width, so the rights beside it show whole.
        const int need = l->fontMetrics().horizontalAdvance(text) + 2 * l->frameWidth() +
                         l->indent() + 8;
        l->setFixedWidth(std::clamp(need, kWidths[3], kWidths[4]));
    }
}

QString StatBar::panelText(int panel) const
{
    if (panel < 0 || panel >= kPanels)
        return {};
    const QLabel *l = m_labels[static_cast<size_t>(panel)];
    return l ? l->text() : QString();
}

} // namespace console
