# The options and behaviour that lanset_apply (Python) and win_lanset_apply (PowerShell) share.
from __future__ import annotations


class ModuleDocFragment:
    DOCUMENTATION = r"""
options:
  plan:
    description: Path of the plan on the target. One of I(plan) and I(content) is required.
    type: path
  content:
    description:
      - The plan itself, for example a file of the controller read by the C(file) lookup (see the
        examples). It is written to a temporary file on the target for the run.
    type: str
  lanset_cli:
    description:
      - The lanset-cli program on the target.
      - On a Windows host, left at C(lanset-cli), it is C(lanset-cli.exe) on the path or else in the
        installer's folder.
    type: str
    default: lanset-cli
  adapter:
    description: Send only out of these network adapters (names or addresses); all that can broadcast when empty.
    type: list
    elements: str
    default: []
  retries:
    description:
      - Rounds beyond lanset-cli's three. Each round sends every board that does not yet hold its
        plan its settings, all at once, then verifies them by a search.
    type: int
    default: 0
  force:
    description:
      - Go on although IDs repeat, an address is held by another board or by the host, or a gateway
        lies outside its subnet. The entry rules (a valid ID, address and mask) still hold.
    type: bool
    default: false
attributes:
  check_mode:
    description: Runs lanset-cli's --dry-run.
    support: full
    details: No configuration is sent, but the search's broadcast goes out.
  diff_mode:
    description: Shows each board's fields that differ, before and after.
    support: full
"""
