# What the collection's modules share: how lanset-cli is run and read, and the one way a board's
# text reaches a message or a diff.
from __future__ import annotations

import json
import re

# lanset-cli's JSON gives a board's bytes as the Latin-1 characters of the same codes, so C0, DEL
# and C1 are the bytes that its own table shows as '?'; its other texts are UTF-8, where it also
# shows the bidirectional overrides and embeddings so.
_CONTROL = re.compile("[\x00-\x1f\x7f-\x9f\u202a-\u202e\u2066-\u2069]")


def printable(text):
    """A board's (or lanset-cli's) text for a terminal: control characters shown as '?'.

    Any device on the LAN can answer with any ID; raw, "ESC ] 0 ; ... BEL" would retitle the
    terminal that shows the diff and "ESC [ 2 J" would clear it."""
    return _CONTROL.sub("?", "" if text is None else str(text))


def printable_lines(text):
    """Several lines (lanset-cli's stderr) for a message: each line made printable."""
    return "\n".join(printable(line) for line in (text or "").strip().splitlines())


def command(module, verb, *arguments):
    """lanset-cli VERB ARGUMENTS with the JSON report, no progress, and the module's adapters."""
    p = module.params
    cmd = [p["lanset_cli"], verb] + list(arguments) + ["--format", "json", "-q"]
    for adapter in p["adapter"]:
        cmd += ["--adapter", adapter]
    return cmd


def report(out):
    """lanset-cli's JSON report, a list of objects; None when it printed none."""
    try:
        parsed = json.loads(out)
    except ValueError:
        return None
    if not isinstance(parsed, list) or not all(isinstance(item, dict) for item in parsed):
        return None
    return parsed


def failure(module, cmd, rc, out, err, **result):
    """Fails the task on a run of lanset-cli that printed no usable report."""
    verb = cmd[1] if len(cmd) > 1 else ""
    module.fail_json(msg=printable_lines(err) or "lanset-cli %s ended with status %d" % (verb, rc),
                     rc=rc, cmd=cmd, stdout=out, stderr=err, **result)
