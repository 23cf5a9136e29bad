#pragma once

#include <QList>
#include <QString>

#include <initializer_list>
#include <variant>

namespace loc {

// One argument of format(): a text or a whole number.
class FormatArg
{
public:
    FormatArg(const QString &text) : m_value(text) {}
    FormatArg(int number) : m_value(qint64(number)) {}
    FormatArg(qint64 number) : m_value(number) {}

    const std::variant<QString, qint64> &value() const { return m_value; }

private:
    std::variant<QString, qint64> m_value;
};

// Fills the printf-style places of a translatable text, the one rule for the
// whole program. Formats come from language files made by people, so nothing
// in them can make it fail:
//   %s     the next argument; a number in decimal
//   %d     the next argument as a number; %.Nd pads it with zeros to N digits
//          (N of one or two digits; a sign goes before the zeros). A text
//          argument that is no whole number is put in as it stands.
//   %%     one percent sign
// Arguments are used in order and never searched for places themselves.
// A place with no argument left stays as written ("%s"), and anything else
// after a percent sign ("90% Full", "%1", "%x", "%.3s") is copied as it
// stands, so a translation with a wrong place shows the fault instead of
// dropping text. Arguments left over are ignored.
QString format(const QString &format, std::initializer_list<FormatArg> args);
QString format(const QString &format, const QList<FormatArg> &args);

} // namespace loc
