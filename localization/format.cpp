#include "localization/format.h"

namespace loc {

namespace {

// Widest zero padding a format may ask for: "%.99d".
constexpr int kMaxPrecisionDigits = 2;

QString padded(qint64 number, int digits)
{
    // The magnitude of the most negative qint64 does not fit a qint64.
    const quint64 magnitude = number < 0 ? quint64(0) - quint64(number) : quint64(number);
    QString text = QString::number(magnitude);
    if (text.size() < digits)
        text.prepend(QString(digits - text.size(), u'0'));
    if (number < 0)
        text.prepend(u'-');
    return text;
}

QString asNumber(const FormatArg &arg, int digits)
{
    if (const qint64 *number = std::get_if<qint64>(&arg.value()))
        return padded(*number, digits);
    const QString &text = std::get<QString>(arg.value());
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    return ok ? padded(number, digits) : text;
}

QString asText(const FormatArg &arg)
{
    if (const qint64 *number = std::get_if<qint64>(&arg.value()))
        return QString::number(*number);
    return std::get<QString>(arg.value());
}

QString fill(const QString &format, const FormatArg *next, const FormatArg *end)
{
    QString out;
    out.reserve(format.size() + 32);
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (c != u'%' || i + 1 >= n) {
            out.append(c);
            continue;
        }
        if (format.at(i + 1) == u'%') {
            out.append(u'%');
            ++i;
            continue;
        }
        // %s, %d or %.Nd; j ends on the letter.
        qsizetype j = i + 1;
        int digits = 0;
        bool precise = false;
        if (format.at(j) == u'.') {
            ++j;
            const qsizetype first = j;
            while (j < n && format.at(j).isDigit() && j - first < kMaxPrecisionDigits)
                digits = digits * 10 + format.at(j++).digitValue();
            precise = j > first;
            if (!precise)
                j = n; // "%." with no digits
        }
        const bool known = j < n && (format.at(j) == u'd' || (format.at(j) == u's' && !precise));
        if (!known || next == end) {
            out.append(c);
            continue;
        }
        out.append(format.at(j) == u'd' ? asNumber(*next, digits) : asText(*next));
        ++next;
        i = j;
    }
    return out;
}

} // namespace

QString format(const QString &format, std::initializer_list<FormatArg> args)
{
    return fill(format, args.begin(), args.end());
}

QString format(const QString &format, const QList<FormatArg> &args)
{
    return fill(format, args.constData(), args.constData() + args.size());
}

} // namespace loc
