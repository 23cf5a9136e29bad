#include "reports/datefield.h"

#include "localization/texts.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>
#include <QWidgetAction>

namespace reports {

DateField::DateField(QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    m_button->setArrowType(Qt::DownArrow);
    m_button->setAutoRaise(false);
    m_button->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_edit);
    connect(m_edit, &QLineEdit::editingFinished, this, &DateField::commitText);
    connect(m_edit, &QLineEdit::textEdited, this, [this]() {
        // Marked at once when the text cannot become a date in the format.
        const bool good = parse(m_edit->text(), m_format).isValid();
        m_edit->setStyleSheet(good || m_edit->text().isEmpty()
                                  ? QString()
                                  : QStringLiteral("color: #C00000;"));
    });
    connect(m_button, &QToolButton::clicked, this, &DateField::openCalendar);
    setDate(QDate::currentDate());
}

QDate DateField::parse(const QString &text, const QString &format)
{
    const QString t = text.trimmed();
    // Single-letter day and month fields also read a leading zero, as the
    // short date is often typed with one.
    QDate d = QDate::fromString(t, format);
    if (!d.isValid()) {
        QString padded = format;
        static const QRegularExpression single(QStringLiteral("(?<![dM])([dM])(?![dM])"));
        padded.replace(single, QStringLiteral("\\1\\1"));
        d = QDate::fromString(t, padded);
    }
    return d;
}

void DateField::setDate(const QDate &date)
{
    if (!date.isValid())
        return;
    const bool changed = date != m_date;
    m_date = date;
    showDate();
    if (changed)
        emit dateChanged(m_date);
}

void DateField::setDisplayFormat(const QString &format)
{
    // A date being typed is read in the format it was typed in, not lost.
    commitText();
    m_format = format;
    showDate();
    m_edit->setToolTip(loc::text("Date as %1").arg(format));
    m_edit->setPlaceholderText(format);
}

bool DateField::hasAcceptableInput()
{
    commitText();
    return parse(m_edit->text(), m_format) == m_date;
}

void DateField::commitText()
{
    const QDate typed = parse(m_edit->text(), m_format);
    if (!typed.isValid())
        return; // left marked; the last good date stays in force
    setDate(typed);
    showDate();
}

void DateField::showDate()
{
    m_edit->setText(m_date.toString(m_format));
    m_edit->setStyleSheet(QString());
}

void DateField::openCalendar()
{
    QMenu popup(this);
    auto *calendar = new QCalendarWidget(&popup);
    calendar->setObjectName(QStringLiteral("Calendar"));
    calendar->setSelectedDate(m_date);
    auto *action = new QWidgetAction(&popup);
    action->setDefaultWidget(calendar);
    popup.addAction(action);
    connect(calendar, &QCalendarWidget::clicked, &popup, [this, &popup](const QDate &d) {
        setDate(d);
        popup.close();
    });
    popup.exec(mapToGlobal(QPoint(0, height())));
}

} // namespace reports
