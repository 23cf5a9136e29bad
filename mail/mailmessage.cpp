#include "mail/mailmessage.h"

#include "localization/texts.h"

#include <QRegularExpression>
#include <QUuid>

namespace mail {

namespace {

constexpr int kMaxLine = 76;

bool isControl(char32_t c)
{
    return c < 0x20 || c == 0x7F;
}

QString withoutControls(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (isControl(c.unicode()))
            c = QLatin1Char(' ');
    }
    return out;
}

bool isPlainAscii(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

// Short printable ASCII folded at spaces; nothing that looks like an encoded word.
QByteArray foldAscii(const QString &text, int nameLength)
{
    QByteArray out;
    int column = nameLength;
    const QStringList words = text.split(QLatin1Char(' '));
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray word = words[i].toLatin1();
        if (i > 0) {
            if (column + 1 + word.size() > kMaxLine + 2 && column > 1) {
                out += "\r\n";
                column = 0;
            }
            out += ' ';
            ++column;
        }
        out += word;
        column += static_cast<int>(word.size());
    }
    return out;
}

QByteArray encodedWords(const QString &text, int nameLength)
{
    static const QByteArray kOpen = "=?UTF-8?B?";
    static const QByteArray kClose = "?=";
    const int overhead = static_cast<int>(kOpen.size() + kClose.size());
    QByteArray out;
    QByteArray chunk;
    // Bytes of UTF-8 that fit the line, as whole base64 groups.
    int room = std::max(3, (kMaxLine - nameLength - overhead) / 4 * 3);
    auto flush = [&]() {
        if (chunk.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += kOpen + chunk.toBase64() + kClose;
        chunk.clear();
        room = (kMaxLine - 1 - overhead) / 4 * 3;
    };
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        const char32_t c = static_cast<char32_t>(cp);
        // A character is never split across two encoded words.
        const QByteArray bytes = QString::fromUcs4(&c, 1).toUtf8();
        if (chunk.size() + bytes.size() > room)
            flush();
        chunk += bytes;
    }
    flush();
    return out;
}

// One mailbox as a header shows it: the bare address, or the display name
// (quoted, or as encoded words when it is not plain ASCII) and <address>.
QByteArray headerMailbox(const QString &mailbox)
{
    const QString address = addressOf(mailbox);
    QString name = mailbox.left(mailbox.lastIndexOf(QLatin1Char('<'))).trimmed();
    if (address == mailbox.trimmed() || name.isEmpty())
        return address.toLatin1();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2);
    name = withoutControls(name);
    QByteArray shown;
    if (isPlainAscii(name) && !name.contains(QLatin1String("=?"))) {
        shown = '"' + name.toLatin1().replace('\\', "\\\\").replace('"', "\\\"") + '"';
    } else {
        shown = encodedWords(name, 0).replace("\r\n ", " ");
    }
    return shown + " <" + address.toLatin1() + '>';
}

QByteArray foldAddresses(const QStringList &addresses, int nameLength)
{
    QByteArray out;
    int column = nameLength;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        const QByteArray a = headerMailbox(addresses[i]);
        if (i > 0) {
            out += ',';
            ++column;
            if (column + 1 + a.size() > kMaxLine + 2) {
                out += "\r\n";
                column = 0;
            }
            out += ' ';
            ++column;
        }
        out += a;
        column += static_cast<int>(a.size());
    }
    return out;
}

} // namespace

MailMessage composeOutboxMessage(const QString &sender, const QString &recipients,
                                 const QString &subject, const QString &siteDetails,
                                 const QString &message)
{
    MailMessage m;
    m.sender = sender;
    for (const QString &piece : recipients.split(QLatin1Char(','))) {
        // Spaces around an address are typing, not part of the address.
        const QString address = piece.trimmed();
        if (!address.isEmpty())
            m.recipients << address;
    }
    m.subject = subject;
    m.body << message << QString() << loc::text("Site Information:");
    for (const QString &piece : siteDetails.split(QLatin1Char(';'))) {
        if (!piece.isEmpty())
            m.body << piece;
    }
    return m;
}

QString addressOf(const QString &mailbox)
{
    const QString text = mailbox.trimmed();
    const qsizetype open = text.lastIndexOf(QLatin1Char('<'));
    if (open < 0 || !text.endsWith(QLatin1Char('>')))
        return text;
    return text.mid(open + 1, text.size() - open - 2).trimmed();
}

bool isUsableAddress(const QString &address)
{
    if (address.isEmpty())
        return false;
    for (QChar c : address) {
        const char16_t u = c.unicode();
        if (u <= 0x20 || u >= 0x7F || u == u'<' || u == u'>' || u == u',')
            return false;
    }
    return true;
}

QString messageProblem(const MailMessage &message)
{
    if (!isUsableAddress(addressOf(message.sender)))
        return loc::text("The sender's address '%1' cannot be used").arg(message.sender);
    if (message.recipients.isEmpty())
        return loc::text("The e-mail has no recipient address");
    for (const QString &r : message.recipients) {
        if (!isUsableAddress(addressOf(r)))
            return loc::text("The recipient address '%1' cannot be used").arg(r);
    }
    return {};
}

QByteArray encodeHeaderText(const QString &text, int nameLength)
{
    const QString clean = withoutControls(text);
    if (isPlainAscii(clean) && !clean.contains(QLatin1String("=?")))
        return foldAscii(clean, nameLength);
    return encodedWords(clean, nameLength);
}

QByteArray encodeQuotedPrintable(const QStringList &lines)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList flat = lines.join(QLatin1Char('\n')).split(lineBreak);
    QByteArray out;
    for (const QString &line : flat) {
        const QByteArray bytes = line.toUtf8();
        int column = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const bool last = i == bytes.size() - 1;
            const bool literal =
                (b >= 33 && b <= 126 && b != '=') || ((b == ' ' || b == '\t') && !last);
            QByteArray token = literal
                                   ? QByteArray(1, static_cast<char>(b))
                                   : '=' + QByteArray(1, static_cast<char>(b)).toHex().toUpper();
            if (column + token.size() > kMaxLine - 1) {
                out += "=\r\n";
                column = 0;
            }
            // A full stop at the start of a line means something to the
            // SMTP data phase; it travels encoded.
            if (column == 0 && token == ".")
                token = "=2E";
            out += token;
            column += static_cast<int>(token.size());
        }
        out += "\r\n";
    }
    return out;
}

QByteArray toMime(const MailMessage &message, const QDateTime &date, const QString &messageId)
{
    QByteArray m;
    m += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    m += "From: " + headerMailbox(message.sender) + "\r\n";
    m += "To: " + foldAddresses(message.recipients, 4) + "\r\n";
    m += "Subject: " + encodeHeaderText(message.subject, 9) + "\r\n";
    m += "Message-ID: " + messageId.toLatin1() + "\r\n";
    m += "MIME-Version: 1.0\r\n";
    m += "Content-Type: text/plain; charset=UTF-8\r\n";
    m += "Content-Transfer-Encoding: quoted-printable\r\n";
    m += "\r\n";
    m += encodeQuotedPrintable(message.body);
    return m;
}

QString newMessageId(const QString &sender)
{
    static const QRegularExpression hostName(
        QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9.-]*[A-Za-z0-9])?$"));
    const QString address = addressOf(sender);
    QString domain = address.section(QLatin1Char('@'), -1);
    if (!address.contains(QLatin1Char('@')) || !hostName.match(domain).hasMatch())
        domain = QStringLiteral("localhost");
    return QLatin1Char('<') + QUuid::createUuid().toString(QUuid::WithoutBraces) +
           QLatin1Char('@') + domain + QLatin1Char('>');
}

} // namespace mail
