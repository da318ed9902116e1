"""A provider's submission server for our tests: aiosmtpd with a required login over TLS.
"starttls" wants STARTTLS first and offers AUTH PLAIN and LOGIN; "implicit" speaks TLS from
the first byte and offers AUTH LOGIN. Messages are kept as smtp_capture keeps them; each
command line read goes to commands.log (aiosmtpd masks what follows an AUTH mechanism).

usage: smtp_tls_server.py FOLDER HOST PORT starttls|implicit CERT KEY USER PASSWORD"""

import asyncio, logging, pathlib, ssl, sys, warnings
from aiosmtpd.smtp import SMTP, AuthResult
from smtp_capture import Capture


class CommandLog(logging.Handler):
    def __init__(self, path):
        super().__init__()
        self.file = open(path, "a", encoding="utf-8", buffering=1)

    def emit(self, record):
        if record.msg == "%r >> %r":  # aiosmtpd's "peer >> line"
            self.file.write(record.args[1].decode("ascii", "replace") + "\n")


folder, host, port, mode, cert, key, user, password = sys.argv[1:]
warnings.simplefilter("ignore")  # AUTH on an implicit-TLS port looks unsafe to aiosmtpd
logging.getLogger("mail.log").setLevel(logging.INFO)
logging.getLogger("mail.log").addHandler(CommandLog(pathlib.Path(folder) / "commands.log"))
context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
context.load_cert_chain(cert, key)
implicit = mode == "implicit"
handler = Capture(folder)


def authenticator(server, session, envelope, mechanism, data):
    accepted = (data.login, data.password) == (user.encode(), password.encode())
    return AuthResult(success=accepted, handled=False)


def factory():
    return SMTP(handler, hostname="uji.qv", authenticator=authenticator, auth_required=True,
                tls_context=None if implicit else context, require_starttls=not implicit,
                auth_require_tls=not implicit, auth_exclude_mechanism=["PLAIN"] if implicit else None)


loop = asyncio.new_event_loop()
asyncio.set_event_loop(loop)
loop.run_until_complete(loop.create_server(factory, host, int(port), ssl=context if implicit else None))
loop.run_forever()
