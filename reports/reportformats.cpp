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
    current() = formats;
}

QString formatDateTime(const QDateTime &value, const QString &format)
{
    return value.isValid() ? QLocale::c().toString(value, format) : QString();
}

} // namespace reports
