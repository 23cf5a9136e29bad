#include "console/accountpages.h"

#include "station/dateformats.h"
#include "localization/texts.h"
#include "store/displaytexts.h"
#include "store/schema.h"
#include "store/tdmod.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace console {

namespace {

const QString kPending = QStringLiteral("Pending.");

QGridLayout *compactGrid(QWidget *box)
{
    auto *g = new QGridLayout(box);
    g->setContentsMargins(6, 4, 6, 4);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(2);
    return g;
}

// The shown text of field `name` of the current record of `ds`; empty when
// the dataset is closed or has no such field.
QString currentText(store::Dataset &ds, const QString &name)
{
    const int i = ds.fieldIndex(name);
    if (i < 0 || !ds.isOpen() || ds.isEmpty())
        return {};
    return ds.displayText(i, ds.storedValue(i));
}

} // namespace

// --- Led ------------------------------------------------------------------

Led::Led(QWidget *parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
}

void Led::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    update();
}

void Led::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(m_on ? QColor(0xFF, 0x00, 0x00) : QColor(0x60, 0x00, 0x00));
    p.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

// --- ClickableText --------------------------------------------------------

void ClickableText::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// --- AccountPages -------------------------------------------------------

AccountPages::AccountPages(store::TDMod &dm, QTabWidget *pages, QObject *parent)
    : QObject(parent), m_dm(dm), m_dateFormat(station::DateFormats::forLanguageId(9).eventFormat)
{
    buildCustomerDetails(pages->widget(CustomerDetails));
    buildNotes(pages->widget(Notes));
    buildSpecialInstructions(pages->widget(SpecialInstructions));
    buildKeyholders(pages->widget(Keyholders));

    // Like data-aware controls, the pages follow both cursors.
    for (store::Dataset *ds : {static_cast<store::Dataset *>(m_dm.tbPending),
                               static_cast<store::Dataset *>(m_dm.qryAccounts)}) {
        connect(ds, &store::Dataset::dataChanged, this, &AccountPages::refresh);
        connect(ds, &store::Dataset::currentChanged, this, &AccountPages::refresh);
    }
    refresh();
    retranslateUi();
}

QLabel *AccountPages::caption(const char *text, const QString &field, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QStringLiteral("lb") + field);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_texts.append({l, text});
    return l;
}

QGroupBox *AccountPages::group(const char *name, const char *title, QWidget *parent)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    if (title)
        m_texts.append({box, title});
    return box;
}

void AccountPages::retranslateUi()
{
    for (const auto &[widget, text] : m_texts) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(loc::text(text));
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            box->setTitle(loc::text(text));
    }
}

QLabel *AccountPages::valueBox(const QString &field, QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setObjectName(field.startsWith(kPending)
                           ? QStringLiteral("db") + field.mid(kPending.size())
                           : QStringLiteral("db") + field);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Base);
    box->setMinimumHeight(box->fontMetrics().height() + 4);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Customer data is shown as typed, never read as markup.
    box->setTextFormat(Qt::PlainText);
    m_boxes.insert(field, box);
    return box;
}

QPlainTextEdit *AccountPages::memoBox(const QString &field, QWidget *parent)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("db") + field);
    memo->setReadOnly(true);
    m_memos.insert(field, memo);
    return memo;
}

void AccountPages::buildCustomerDetails(QWidget *page)
{
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto *left = new QWidget(page);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(2);
    QGroupBox *customer = group("gbCustomer", nullptr, left);
    QGridLayout *g = compactGrid(customer);
    int r = 0;
    g->addWidget(caption("Acc No:", QStringLiteral("AccountNo"), customer), r, 0);
    g->addWidget(valueBox(QStringLiteral("AccountNo"), customer), r++, 1);
    g->addWidget(caption("Name:", QStringLiteral("Name"), customer), r, 0);
    g->addWidget(valueBox(QStringLiteral("Name"), customer), r++, 1, 1, 3);
    g->addWidget(caption("Address:", QStringLiteral("Address"), customer), r, 0);
    for (int i = 1; i <= 4; ++i)
        g->addWidget(valueBox(QStringLiteral("Address%1").arg(i), customer), r++, 1, 1, 3);
    g->addWidget(caption("Postcode:", QStringLiteral("Postcode"), customer), r, 0);
    g->addWidget(valueBox(QStringLiteral("Postcode"), customer), r++, 1);
    g->addWidget(caption("Tel No:", QStringLiteral("TelNo"), customer), r, 0);
    g->addWidget(valueBox(QStringLiteral("TelNo"), customer), r, 1);
    g->addWidget(caption("Fax No:", QStringLiteral("FaxNo"), customer), r, 2);
    g->addWidget(valueBox(QStringLiteral("FaxNo"), customer), r++, 3);
    g->addWidget(caption("Email:", QStringLiteral("Email"), customer), r, 0);
    g->addWidget(valueBox(QStringLiteral("Email"), customer), r++, 1, 1, 3);
    g->addWidget(caption("Panel:", QStringLiteral("PanelType"), customer), r, 0);
    g->addWidget(valueBox(QStringLiteral("PanelType"), customer), r++, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    leftLayout->addWidget(customer);

    auto *lights = new QHBoxLayout;
    lights->setContentsMargins(6, 0, 6, 0);
    ledEngOnSite = new Led(left);
    ledEngOnSite->setObjectName(QStringLiteral("ledEngOnSite"));
    ledSystemClosed = new Led(left);
    ledSystemClosed->setObjectName(QStringLiteral("ledSystemClosed"));
    lights->addWidget(caption("Engr on Site:", QStringLiteral("EngOnSite"), left));
    lights->addWidget(ledEngOnSite);
    lights->addSpacing(24);
    lights->addWidget(caption("System Closed:", QStringLiteral("SystemClosed"), left));
    lights->addWidget(ledSystemClosed);
    lights->addStretch(1);
    leftLayout->addLayout(lights);
    leftLayout->addStretch(1);
    layout->addWidget(left, 1);

    QGroupBox *event = group("gbEvent", nullptr, page);
    QGridLayout *e = compactGrid(event);
    r = 0;
    e->addWidget(caption("Priority:", QStringLiteral("Priority"), event), r, 0);
    e->addWidget(valueBox(kPending + QStringLiteral("Priority"), event), r++, 1);
    e->addWidget(caption("Area:", QStringLiteral("EventGroup"), event), r, 0);
    e->addWidget(valueBox(kPending + QStringLiteral("EventGroup"), event), r++, 1, 1, 3);
    e->addWidget(caption("Zone/User:", QStringLiteral("EventID"), event), r, 0);
    e->addWidget(valueBox(kPending + QStringLiteral("EventID"), event), r, 1);
    e->addWidget(valueBox(kPending + QStringLiteral("IDText"), event), r++, 2, 1, 2);
    e->addWidget(caption("Event:", QStringLiteral("EventCode"), event), r, 0);
    e->addWidget(valueBox(kPending + QStringLiteral("EventCode"), event), r, 1);
    e->addWidget(valueBox(kPending + QStringLiteral("EventText"), event), r, 2);
    e->addWidget(valueBox(kPending + QStringLiteral("EventType"), event), r++, 3);
    e->addWidget(caption("Date & Time:", QStringLiteral("DateTime"), event), r, 0);
    e->addWidget(valueBox(kPending + QStringLiteral("DateTime"), event), r++, 1, 1, 3);
    e->setColumnStretch(2, 1);
    e->setColumnStretch(3, 1);
    // Fixed widths, so the boxes keep their places from one alarm to the
    // next whatever its texts: the narrow ones fit their longest value, the
    // others share the rest and cut a text that is longer.
    const QFontMetrics fm = event->fontMetrics();
    const auto widest = [&fm](QString (*textOf)(int), int first, int last) {
        int w = 0;
        for (int v = first; v <= last; ++v)
            w = std::max(w, fm.horizontalAdvance(textOf(v)));
        return w + 12;
    };
    const int narrow = std::max(widest(store::PriorityText, 1, 5),
                                fm.horizontalAdvance(QStringLiteral("0000")) + 12);
    for (const char *f : {"Priority", "EventID", "EventCode"})
        m_boxes.value(kPending + QLatin1String(f))->setFixedWidth(narrow);
    m_boxes.value(kPending + QStringLiteral("EventType"))
        ->setFixedWidth(widest(store::EventTypeText, 1, 4));
    for (const char *f : {"EventGroup", "IDText", "EventText", "DateTime"})
        m_boxes.value(kPending + QLatin1String(f))
            ->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    QGroupBox *comments = group("gbComments", "Operator Comments", event);
    auto *c = new QVBoxLayout(comments);
    c->setContentsMargins(4, 2, 4, 4);
    moComments = new QPlainTextEdit(comments);
    moComments->setObjectName(QStringLiteral("moComments"));
    moComments->setTabChangesFocus(true);
    c->addWidget(moComments);
    e->addWidget(comments, r, 0, 1, 4);
    e->setRowStretch(r, 1);
    layout->addWidget(event, 1);
}

void AccountPages::buildNotes(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(memoBox(QStringLiteral("Notes"), page), 1);
    QGroupBox *extra =
        group("gbAdditional", "Additional Instructions and Information", page);
    QGridLayout *g = compactGrid(extra);
    g->addWidget(caption("Special:", QStringLiteral("SpecialOpts"), extra), 0, 0);
    DBText44 = new ClickableText(extra);
    DBText44->setObjectName(QStringLiteral("DBText44"));
    DBText44->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DBText44->setAutoFillBackground(true);
    DBText44->setBackgroundRole(QPalette::Base);
    DBText44->setCursor(Qt::PointingHandCursor);
    QPalette link = DBText44->palette();
    link.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    DBText44->setPalette(link);
    m_boxes.insert(QStringLiteral("SpecialOpts"), DBText44);
    g->addWidget(DBText44, 0, 1, 1, 3);
    g->addWidget(caption("Police No:", QStringLiteral("PoliceNo"), extra), 1, 0);
    g->addWidget(valueBox(QStringLiteral("PoliceNo"), extra), 1, 1);
    g->addWidget(caption("Password:", QStringLiteral("Password"), extra), 1, 2);
    g->addWidget(valueBox(QStringLiteral("Password"), extra), 1, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    layout->addWidget(extra);
}

void AccountPages::buildSpecialInstructions(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(memoBox(QStringLiteral("SpecialNotes"), page));
}

void AccountPages::buildKeyholders(QWidget *page)
{
    auto *layout = new QGridLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    static const char *const titles[] = {"Key Holder 1", "Key Holder 2", "Key Holder 3",
                                         "Key Holder 4", "Key Holder 5", "Key Holder 6"};
    for (int k = 1; k <= 6; ++k) {
        const QByteArray name = "gbKeyHolder" + QByteArray::number(k);
        auto *box = new QGroupBox(page);
        box->setObjectName(QString::fromLatin1(name));
        m_texts.append({box, titles[k - 1]});
        QGridLayout *g = compactGrid(box);
        const QString p = QStringLiteral("KH%1").arg(k);
        const std::array<std::pair<const char *, const char *>, 4> rows{
            {{"Name:", "Name"}, {"Tel No:", "TelNo"}, {"Mobile:", "Mobile"}, {"Pager:", "Pager"}}};
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            g->addWidget(caption(rows[static_cast<size_t>(r)].first,
                                 p + QLatin1String(rows[static_cast<size_t>(r)].second), box),
                         r, 0);
            g->addWidget(valueBox(p + QLatin1String(rows[static_cast<size_t>(r)].second), box), r,
                         1);
        }
        g->setColumnStretch(1, 1);
        layout->addWidget(box, (k - 1) / 3, (k - 1) % 3);
    }
}

void AccountPages::setDateFormat(const QString &format)
{
    m_dateFormat = format;
    // A whole date and time always shows, however narrow the window.
    if (QLabel *box = m_boxes.value(kPending + QStringLiteral("DateTime"))) {
        const QString widest =
            station::DateFormats::format(QDateTime(QDate(2000, 12, 28), QTime(23, 59, 59)), format);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(widest) + 12);
    }
    refresh();
}

QString AccountPages::shownText(const QString &field) const
{
    if (const QLabel *box = m_boxes.value(field))
        return box->text();
    if (const QPlainTextEdit *memo = m_memos.value(field))
        return memo->toPlainText();
    return {};
}

void AccountPages::refresh()
{
    store::Table &pending = *m_dm.tbPending;
    store::Query &account = *m_dm.qryAccounts;
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        QString text;
        if (it.key().startsWith(kPending)) {
            const QString name = it.key().mid(kPending.size());
            if (pending.isOpen() && !pending.isEmpty()) {
                const int i = pending.fieldIndex(name);
                const QVariant stored = pending.storedValue(i);
                if (name == QLatin1String("EventID"))
                    text = stored.isNull()
                               ? QString()
                               : QStringLiteral("%1").arg(stored.toInt(), 3, 10, QLatin1Char('0'));
                else if (pending.fieldDefs().at(i).type == store::FieldType::DateTime)
                    text = station::DateFormats::format(store::dateTimeFromStored(stored), m_dateFormat);
                else
                    text = pending.displayText(i, stored);
            }
        } else {
            text = currentText(account, it.key());
        }
        if (it.value()->text() != text)
            it.value()->setText(text);
    }
    for (auto it = m_memos.cbegin(); it != m_memos.cend(); ++it) {
        const QString text = currentText(account, it.key());
        if (it.value()->toPlainText() != text)
            it.value()->setPlainText(text);
    }
}

} // namespace console
