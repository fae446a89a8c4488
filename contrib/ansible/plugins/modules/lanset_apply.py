#!/usr/bin/python
# lanset_apply: runs "lanset-cli apply" on a host of a LAN and reports, per board, what changed.
# Needs nothing beyond Ansible itself and lanset-cli on the host.
from __future__ import annotations

DOCUMENTATION = r"""
module: lanset_apply
short_description: Apply a plan of board settings with lanset-cli on the LAN this host is on
description:
  - Runs C(lanset-cli apply PLAN --format json) on the target. The plan is lanset-cli's own CSV
    (id,sn,ip,subnet,gateway,dhcp; an empty cell keeps the board's value). lanset-cli checks the
    whole plan before anything is sent, sends each board only what differs and verifies the result
    with a second search.
  - In check mode it runs C(--dry-run), which searches and checks but sends no configuration.
  - Boards are found by broadcast, which does not cross routers, so the target must be a host on
    the boards' LAN (or VLAN).
options:
  plan:
    description: Path of the plan on the target.
    type: path
  content:
    description: The plan itself, for example C("{{ lookup('file', 'plans/lan-a.csv') }}").
    type: str
  lanset_cli:
    description: The lanset-cli program on the target.
    type: str
    default: lanset-cli
  adapter:
    description: Send only out of these network adapters (names or addresses).
    type: list
    elements: str
    default: []
  retries:
    description: Further rounds of ten attempts for a board that does not acknowledge.
    type: int
    default: 0
  force:
    description: Go on although the plan repeats an ID or an address, or takes an address held elsewhere.
    type: bool
    default: false
"""

RETURN = r"""
boards:
  description: lanset-cli's report, one entry per row of the plan (line, sn, result, changes, board).
  type: list
  returned: when the plan was not refused
"""

import json
import os
import tempfile

from ansible.module_utils.basic import AnsibleModule

OK = ("unchanged", "changed", "would change")


def board_diff(board):
    """Before and after of the fields a board's row changes, as text for --diff."""
    changes = board.get("changes") or {}
    before = "".join("%s: %s\n" % (f, c["old"]) for f, c in sorted(changes.items()))
    after = "".join("%s: %s\n" % (f, c["new"]) for f, c in sorted(changes.items()))
    header = "board %s (line %s)" % (board["sn"], board["line"])
    return {"before_header": header, "after_header": header, "before": before, "after": after}


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
    command = [p["lanset_cli"], "apply", path, "--format", "json", "-q", "--retries", str(p["retries"])]
    for adapter in p["adapter"]:
        command += ["--adapter", adapter]
    if p["force"]:
        command.append("--force")
    if module.check_mode:
        command.append("--dry-run")
    try:
        rc, out, err = module.run_command(command)
    finally:
        if temporary:
            os.unlink(temporary)

    # 2: the plan was refused, nothing sent; other than 0 and 1: it did not run to its end.
    if rc not in (0, 1):
        module.fail_json(msg=err.strip() or "lanset-cli apply ended with status %d" % rc,
                         rc=rc, stderr=err, cmd=command)
    try:
        boards = json.loads(out)
    except ValueError:
        module.fail_json(msg="lanset-cli apply printed no report", rc=rc, stdout=out, stderr=err)

    changed = any(b["result"] in ("changed", "would change") for b in boards)
    result = dict(changed=changed, boards=boards, rc=rc, stderr=err)
    if module._diff:
        result["diff"] = [board_diff(b) for b in boards if b["changes"]]
    failed = [b for b in boards if b["result"] not in OK]
    if failed or rc != 0:
        result["msg"] = "; ".join("%s %s" % (b["sn"], b["result"]) for b in failed) or err.strip()
        module.fail_json(**result)
    module.exit_json(**result)


if __name__ == "__main__":
    main()
