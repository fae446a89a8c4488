# The documentation of win_lanset_apply.ps1; the module itself is PowerShell.
from __future__ import annotations

DOCUMENTATION = r"""
module: win_lanset_apply
short_description: Apply a plan of board settings with lanset-cli.exe on the LAN this Windows host is on
version_added: 1.2.0
author: Tarnwick (lanset@tarnwick.example)
description:
  - The form of M(tarnwick.lanset.lanset_apply) for Windows hosts, where Ansible runs PowerShell
    rather than Python. M(tarnwick.lanset.lanset_apply) runs it by itself on such a host, so a
    play need not name it.
  - Runs C(lanset-cli.exe apply PLAN --format json) and reports, diffs, fails and sanitises board
    texts as M(tarnwick.lanset.lanset_apply) does; check mode runs C(--dry-run), which sends no
    configuration, but its search's broadcast still goes out.
  - Uses only ansible-core's own PowerShell support (Ansible.Basic, CommandUtil, ArgvParser).
extends_documentation_fragment:
  - tarnwick.lanset.apply
attributes:
  platform:
    description: Windows hosts.
    support: full
    platforms: windows
"""

EXAMPLES = r"""
- name: Apply this LAN's plan (on a Windows host, lanset_apply runs this module itself)
  tarnwick.lanset.lanset_apply:
    content: "{{ lookup('file', 'plans/line3.csv') }}"
"""

RETURN = r"""
boards:
  description: lanset-cli's report, one entry per row of the plan, as for M(tarnwick.lanset.lanset_apply).
  type: list
  elements: dict
  returned: when lanset-cli ran the plan (not when it refused it)
rc:
  description: lanset-cli's exit status (0 every row as planned, 1 some row not, 2 plan refused, 130 interrupted).
  type: int
  returned: when lanset-cli ran
stderr:
  description: lanset-cli's messages.
  type: str
  returned: when lanset-cli ran
"""
