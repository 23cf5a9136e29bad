#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

namespace reports {

// The date formats of the history viewer and the reports, which follow the
// interface language. The main window sets them whenever it applies its
// display formats; until then the default set holds.
struct ReportFormats
{
    QString shortDate = QStringLiteral("M/d/yyyy");             // the program-wide short date
    QString eventFormat = QStringLiteral("d-MMM-yy - hh:mm.ss"); // History.DateTime and TimeActioned
};

const ReportFormats &reportFormats();
// Sets the formats; windows open now hear of a change through changed().
void setReportFormats(const ReportFormats &formats);

class ReportFormatsNotifier : public QObject
{
    Q_OBJECT
signals:
    void changed();
};
ReportFormatsNotifier &reportFormatsNotifier();

// A date and time in one of these formats, with English month names and
// am/pm whatever the system locale says; an invalid value gives empty text.
QString formatDateTime(const QDateTime &value, const QString &format);

} // namespace reports
