#!/usr/bin/python3
"""A small SMTP server on 127.0.0.1 for the mail tests.

Prints "PORT <n>" once it listens, then one JSON line per message it
accepted: the envelope, the decoded headers and body, and how the client
authenticated and which TLS version it used.
"""
import argparse
import asyncio
import base64
import email
import email.policy
import json
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult


def emit(record):
    sys.stdout.write(json.dumps(record) + "\n")
    sys.stdout.flush()


class Recorder:
    def __init__(self, delay):
        self.delay = delay

    async def handle_DATA(self, server, session, envelope):
        if self.delay:
            await asyncio.sleep(self.delay)
        raw = envelope.original_content or envelope.content
        msg = email.message_from_bytes(raw, policy=email.policy.default)
        ssl_object = server.transport.get_extra_info("ssl_object")
        login = None
        if session.authenticated and session.auth_data is not None:
            login = session.auth_data.login.decode("utf-8", "replace")
        emit({
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "from": str(msg["From"]),
            "to": str(msg["To"]),
            "subject": str(msg["Subject"]),
            "date": str(msg["Date"]) if msg["Date"] else None,
            "message_id": str(msg["Message-ID"]) if msg["Message-ID"] else None,
            "header_names": list(msg.keys()),
            "content_type": msg.get_content_type(),
            "charset": msg.get_content_charset(),
            "body": msg.get_content(),
            "login": login,
            "mechanism": getattr(session, "mechanism", None),
            "tls": ssl_object.version() if ssl_object else None,
            "raw": base64.b64encode(raw).decode("ascii"),
        })
        return "250 OK"


class Authenticator:
    def __init__(self, user, password):
        self.user = user.encode("utf-8")
        self.password = password.encode("utf-8")

    def __call__(self, server, session, envelope, mechanism, auth_data):
        session.mechanism = mechanism
        ok = auth_data.login == self.user and auth_data.password == self.password
        return AuthResult(success=ok, auth_data=auth_data, handled=False)


def tls_context(cert, key):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    return context


async def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mode", choices=["plain", "starttls", "tls"], default="plain")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user", default="")
    parser.add_argument("--password", default="")
    parser.add_argument("--delay", type=float, default=0.0)
    args = parser.parse_args()

    handler = Recorder(args.delay)
    authenticator = Authenticator(args.user, args.password) if args.user else None
    context = tls_context(args.cert, args.key) if args.mode != "plain" else None

    def factory():
        return SMTP(
            handler,
            hostname="localhost",
            tls_context=context if args.mode == "starttls" else None,
            require_starttls=args.mode == "starttls",
            authenticator=authenticator,
            auth_required=authenticator is not None,
            # Implicit TLS protects the whole connection already.
            auth_require_tls=args.mode == "starttls",
        )

    loop = asyncio.get_running_loop()
    server = await loop.create_server(
        factory, host="127.0.0.1", port=0,
        ssl=context if args.mode == "tls" else None)
    emit_port = server.sockets[0].getsockname()[1]
    sys.stdout.write("PORT %d\n" % emit_port)
    sys.stdout.flush()
    async with server:
        await server.serve_forever()


if __name__ == "__main__":
    import warnings
    warnings.simplefilter("ignore")
    import logging
    logging.disable(logging.CRITICAL)
    try:
        asyncio.run(main())
    except KeyboardInterrupt:
        pass
