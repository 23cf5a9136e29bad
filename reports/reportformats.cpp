#include "reports/reportformats.h"

#include <QLocale>

namespace reports {

namespace {

ReportFormats &current()
{
    static ReportFormats formats;
    return formats;
}

} // namespace

const ReportFormats &reportFormats()
{
    return current();
}

void setReportFormats(const ReportFormats &formats)
{
    ReportFormats &now = current();
    if (now.shortDate == formats.shortDate && now.eventFormat == formats.eventFormat)
        return;
    now = formats;
    emit reportFormatsNotifier().changed();
}

ReportFormatsNotifier &reportFormatsNotifier()
{
    static ReportFormatsNotifier notifier;
    return notifier;
}

QString formatDateTime(const QDateTime &value, const QString &format)
{
    return value.isValid() ? QLocale::c().toString(value, format) : QString();
}

} // namespace reports
