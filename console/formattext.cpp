#include "console/formattext.h"

namespace console {

QString formatText(const QString &format, const QStringList &args)
{
    QString out;
    out.reserve(format.size() + 16);
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != QLatin1Char('%') || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        if (format[i + 1] == QLatin1Char('%')) {
            out += c;
            ++i;
            continue;
        }
        // %[.N](s|d)
        qsizetype j = i + 1;
        int precision = 0;
        if (format[j] == QLatin1Char('.')) {
            ++j;
            while (j < format.size() && format[j].isDigit())
                precision = precision * 10 + format[j++].digitValue();
        }
        if (j >= format.size() ||
            (format[j] != QLatin1Char('s') && format[j] != QLatin1Char('d'))) {
            out += c;
            continue;
        }
        QString arg = args.value(next++);
        if (format[j] == QLatin1Char('d')) {
            const bool negative = arg.startsWith(QLatin1Char('-'));
            const QString digits = negative ? arg.mid(1) : arg;
            if (digits.size() < precision)
                arg = (negative ? QStringLiteral("-") : QString()) +
                      digits.rightJustified(precision, QLatin1Char('0'));
        }
        out += arg;
        i = j;
    }
    return out;
}

} // namespace console
