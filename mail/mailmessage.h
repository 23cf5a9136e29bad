#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace mail {

// One e-mail to a site's key holders, before it is put into wire form.
struct MailMessage
{
    QString sender;
    QStringList recipients;
    QString subject;
    QStringList body; // lines, in order
};

// The e-mail for one Outbox row: the recipient text split at "," (pieces
// trimmed, empty ones skipped), the subject as it stands, and the body
// lines: the event message, an empty line, "Site Information:" and each
// non-empty piece of the site details split at ";".
MailMessage composeOutboxMessage(const QString &sender, const QString &recipients,
                                 const QString &subject, const QString &siteDetails,
                                 const QString &message);

// The address of a mailbox written "Display Name <address>"; any other text
// as it stands, trimmed.
QString addressOf(const QString &mailbox);

// An address that can be handed to the server as it stands: not empty, and
// no spaces, control characters or angle brackets that would break the
// envelope commands or the headers.
bool isUsableAddress(const QString &address);

// The first problem that keeps the message from being sent, or empty.
QString messageProblem(const MailMessage &message);

// A header value in 7-bit form: as it stands when it is short printable
// ASCII, otherwise as UTF-8 encoded words, folded. Line breaks and other
// control characters become spaces, so a value cannot start a new header.
// nameLength is the length of "Subject: " and the like before the value.
QByteArray encodeHeaderText(const QString &text, int nameLength);

// The body in quoted-printable form with CRLF line ends; no line is longer
// than 76 characters and no line starts with a full stop.
QByteArray encodeQuotedPrintable(const QStringList &lines);

// The whole message as it goes after DATA: headers (Date, From, To,
// Subject, Message-ID, MIME) and the body, UTF-8 plain text.
QByteArray toMime(const MailMessage &message, const QDateTime &date, const QString &messageId);

// A fresh "<unique@domain>" for the Message-ID header, the domain taken
// from the sender's address.
QString newMessageId(const QString &sender);

} // namespace mail
