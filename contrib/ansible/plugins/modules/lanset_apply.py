#!/usr/bin/python
# lanset_apply: runs "lanset-cli apply" on a host of a LAN and reports, per board, what changed.
# Needs nothing beyond Ansible itself and lanset-cli on the host; on Windows hosts the action
# plugin of the same name runs win_lanset_apply.ps1 instead.
from __future__ import annotations

DOCUMENTATION = r"""
module: lanset_apply
short_description: Apply a plan of board settings with lanset-cli on the LAN this host is on
version_added: 1.2.0
author: Tarnwick (lanset@tarnwick.example)
description:
  - Runs C(lanset-cli apply PLAN --format json) on the target. The plan is lanset-cli's own CSV
    (id,sn,ip,subnet,gateway,dhcp; an empty cell keeps the board's value). lanset-cli checks the
    whole plan before anything is sent, sends each board only what differs and verifies the result
    with a second search.
  - Boards are found by broadcast, which does not cross routers, so the target must be a host on
    the boards' LAN (or VLAN).
  - Changed when a board was sent settings (in check mode, when one would be). Fails when lanset-cli
    refuses the plan (nothing is sent then), and when a board is absent, does not take its
    settings or does not report them afterwards; the other boards are still applied.
  - In check mode it runs C(--dry-run), which sends no configuration, but the search that reads
    the boards is a broadcast and still goes out on the LAN.
  - Board texts (IDs above all) are shown in the diff and in messages with control characters as
    C(?), as lanset-cli's own table shows them; the returned I(boards) hold them unchanged.
extends_documentation_fragment:
  - tarnwick.lanset.apply
attributes:
  platform:
    description: Linux hosts with Python; on Windows hosts it runs win_lanset_apply by itself.
    support: full
    platforms: posix, windows
"""

EXAMPLES = r"""
- name: Apply this LAN's plan, a file on the controller
  tarnwick.lanset.lanset_apply:
    content: "{{ lookup('file', 'plans/line1.csv') }}"

- name: Apply a plan already on the host, out of one adapter, with two more rounds
  tarnwick.lanset.lanset_apply:
    plan: /etc/lanset/line1.csv
    adapter: [eth1]
    retries: 2

- name: What would change (nothing is sent; the search's broadcast still goes out)
  tarnwick.lanset.lanset_apply:
    content: "{{ lookup('file', 'plans/line1.csv') }}"
  check_mode: true
  register: line1

- name: The boards that would change
  ansible.builtin.debug:
    msg: "{{ line1.boards | selectattr('result', 'eq', 'would change') | map(attribute='sn') | list }}"
"""

RETURN = r"""
boards:
  description:
    - lanset-cli's report, one entry per row of the plan, as C(lanset-cli apply --format json)
      prints it.
  type: list
  elements: dict
  returned: when lanset-cli ran the plan (not when it refused it)
  contains:
    line:
      description: The row's line in the plan.
      type: int
    sn:
      description: The board's SN (hardware address), 12 hexadecimal digits.
      type: str
    result:
      description:
        - C(unchanged), C(changed) or C(would change) (check mode) when the row is as planned;
          C(not acknowledged), C(absent), C(not as planned), C(not reached), C(not verified) or
          C(interrupted) when it is not.
      type: str
    changes:
      description: The fields sent (or, in check mode, to be sent), each with C(old) and C(new).
      type: dict
    mismatches:
      description: Only when not as planned, the fields that differ, each with C(reported) and C(planned).
      type: dict
    board:
      description: The board as last found (id, sn, ip, subnet, gateway, dhcp, adapter), null when absent.
      type: dict
  sample:
    - line: 2
      sn: 025a00000001
      result: changed
      changes: {ip: {old: 192.168.10.101, new: 10.20.1.101}}
      board: {id: Line1-01, sn: 025a00000001, ip: 10.20.1.101, subnet: 255.255.255.0,
              gateway: 10.20.1.1, dhcp: "off", adapter: 10.20.1.10}
rc:
  description: lanset-cli's exit status (0 every row as planned, 1 some row not, 2 plan refused, 130 interrupted).
  type: int
  returned: always
stderr:
  description: lanset-cli's messages.
  type: str
  returned: always
"""

import os
import tempfile

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.tarnwick.lanset.plugins.module_utils.lanset import (
    command, failure, printable, printable_lines, report)

OK = ("unchanged", "changed", "would change")


def board_diff(board):
    """Before and after of the fields a board's row changes, as text for --diff."""
    changes = board.get("changes") or {}
    before = "".join("%s: %s\n" % (printable(f), printable(c.get("old"))) for f, c in sorted(changes.items()))
    after = "".join("%s: %s\n" % (printable(f), printable(c.get("new"))) for f, c in sorted(changes.items()))
    header = "board %s (line %s)" % (printable(board.get("sn")), printable(board.get("line")))
    return {"before_header": header, "after_header": header, "before": before, "after": after}


def row_failure(board):
    """One row that is not as planned, for the task's message."""
    text = "%s %s" % (printable(board.get("sn")), printable(board.get("result")))
    mismatches = board.get("mismatches") or {}
    if mismatches:
        text += " (%s)" % ", ".join("%s: planned %s, reports %s" % (printable(f), printable(m.get("planned")),
                                                                   printable(m.get("reported")) or "nothing")
                                    for f, m in sorted(mismatches.items()))
    return text


def main():
    module = AnsibleModule(
        argument_spec=dict(
            plan=dict(type="path"),
            content=dict(type="str"),
            lanset_cli=dict(type="str", default="lanset-cli"),
            adapter=dict(type="list", elements="str", default=[]),
            retries=dict(type="int", default=0),
            force=dict(type="bool", default=False),
        ),
        mutually_exclusive=[["plan", "content"]],
        required_one_of=[["plan", "content"]],
        supports_check_mode=True,
    )
    p = module.params
    path = p["plan"]
    temporary = None
    if p["content"] is not None:
        handle, temporary = tempfile.mkstemp(prefix="lanset-plan-", suffix=".csv")
        with os.fdopen(handle, "w", encoding="utf-8") as f:
            f.write(p["content"] + "\n")
        path = temporary
    cmd = command(module, "apply", path, "--retries", str(p["retries"]))
    if p["force"]:
        cmd.append("--force")
    if module.check_mode:
        cmd.append("--dry-run")
    try:
        rc, out, err = module.run_command(cmd)
    finally:
        if temporary:
            os.unlink(temporary)

    # 2: the plan was refused, nothing sent. An interrupted run (130) still reports its rows:
    # some boards may have been changed before it stopped.
    boards = report(out)
    if rc not in (0, 1, 130) or boards is None:
        failure(module, cmd, rc, out, err)

    changed = any(b.get("result") in ("changed", "would change") for b in boards)
    result = dict(changed=changed, boards=boards, rc=rc, stderr=err)
    if module._diff:
        result["diff"] = [board_diff(b) for b in boards if b.get("changes")]
    failed = [b for b in boards if b.get("result") not in OK]
    if failed or rc != 0:
        result["msg"] = "; ".join(row_failure(b) for b in failed) or \
            printable_lines(err) or "lanset-cli apply ended with status %d" % rc
        module.fail_json(**result)
    module.exit_json(**result)


if __name__ == "__main__":
    main()
