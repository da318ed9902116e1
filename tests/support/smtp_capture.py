"""Handler for the aiosmtpd command in our tests: keeps each message it receives,
byte for byte as the server restored it, with the greeting name and the envelope."""

import os
import pathlib


class Capture:
    def __init__(self, folder):
        self.folder = pathlib.Path(folder)
        self.count = 0

    @classmethod
    def from_cli(cls, parser, *args):
        if len(args) != 1:
            parser.error("Capture takes one argument: the folder to keep messages in")
        return cls(args[0])

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        head = "\n".join([session.host_name or "", envelope.mail_from, *envelope.rcpt_tos])
        stem = self.folder / str(self.count)
        (stem.with_suffix(".envelope")).write_text(head + "\n", encoding="utf-8")
        # The message appears whole or not at all.
        partial = stem.with_suffix(".part")
        partial.write_bytes(envelope.original_content)
        os.replace(partial, stem.with_suffix(".eml"))
        return "250 Message accepted for delivery"
