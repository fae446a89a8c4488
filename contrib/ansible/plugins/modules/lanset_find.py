#!/usr/bin/python
# lanset_find: runs "lanset-cli find" on a host of a LAN and returns the boards as facts; with
# check, fails the host when its LAN has problems. Never changes anything.
from __future__ import annotations

DOCUMENTATION = r"""
module: lanset_find
short_description: Find the boards on the LAN this host is on with lanset-cli, and check them
version_added: 1.2.0
author: Tarnwick (lanset@tarnwick.example)
description:
  - Runs C(lanset-cli find --format json) on the target and sets the fact C(lanset_boards), the
    boards as lanset-cli lists them.
  - With I(check), runs C(lanset-cli find --check) and fails the host when a board of its LAN has
    a problem, naming each (two boards on one address, a board on an address of the host, an
    address outside the subnet of the adapter it answered on, a gateway outside the board's
    subnet, a board that answered with different settings).
  - It sends no configuration and never reports a change, so it runs in check mode as well. Its
    search is a broadcast, in check mode too.
  - Boards are found by broadcast, which does not cross routers, so the target must be a host on
    the boards' LAN (or VLAN).
  - Board texts are shown in messages with control characters as C(?), as lanset-cli's own table
    shows them; the facts hold them unchanged.
options:
  check:
    description: Check the LAN, and fail when a board has a problem.
    type: bool
    default: false
  lanset_cli:
    description: The lanset-cli program on the target.
    type: str
    default: lanset-cli
  adapter:
    description: Send only out of these network adapters (names or addresses); all that can broadcast when empty.
    type: list
    elements: str
    default: []
attributes:
  check_mode:
    description: Runs as it does outside check mode; it changes nothing.
    support: full
    details: The search's broadcast goes out.
  diff_mode:
    description: Nothing to show.
    support: none
  facts:
    description: Sets lanset_boards.
    support: full
  platform:
    description: Linux hosts with Python.
    support: full
    platforms: posix
"""

EXAMPLES = r"""
- name: The boards on this host's LAN
  tarnwick.lanset.lanset_find:

- name: Their SNs
  ansible.builtin.debug:
    msg: "{{ lanset_boards | map(attribute='sn') | list }}"

- name: Fail this host when its LAN has problems (clashing addresses, boards outside the subnet)
  tarnwick.lanset.lanset_find:
    check: true
    adapter: [eth1]
"""

RETURN = r"""
ansible_facts:
  description: Set when the task succeeds.
  type: dict
  returned: success
  contains:
    lanset_boards:
      description:
        - The boards found, in lanset-cli's order, as C(lanset-cli find --format json) prints
          them. With I(check), each also has C(problems), a list of texts (empty when sound).
      type: list
      elements: dict
      sample:
        - id: Line1-01
          sn: 025a00000001
          ip: 10.20.1.101
          subnet: 255.255.255.0
          gateway: 10.20.1.1
          dhcp: "off"
          adapter: 10.20.1.10
          problems: []
boards:
  description: The same list, returned also when the check fails (register it to see those boards).
  type: list
  elements: dict
  returned: when lanset-cli listed the boards
problems:
  description: With I(check), one text per problem, each led by the board's SN.
  type: list
  elements: str
  returned: when lanset-cli listed the boards
  sample: ["025a00000003: ip 10.20.1.101 is also reported by SN 025a00000001"]
rc:
  description: lanset-cli's exit status (with I(check), 1 when a board has a problem).
  type: int
  returned: always
stderr:
  description: lanset-cli's messages.
  type: str
  returned: always
"""

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.tarnwick.lanset.plugins.module_utils.lanset import (
    command, failure, printable, report)


def main():
    module = AnsibleModule(
        argument_spec=dict(
            check=dict(type="bool", default=False),
            lanset_cli=dict(type="str", default="lanset-cli"),
            adapter=dict(type="list", elements="str", default=[]),
        ),
        supports_check_mode=True,
    )
    cmd = command(module, "find", *(["--check"] if module.params["check"] else []))
    rc, out, err = module.run_command(cmd)

    boards = report(out)
    # With --check, 1 says that some board has a problem; anything else but 0 is a failure to search.
    if boards is None or rc not in ((0, 1) if module.params["check"] else (0,)):
        failure(module, cmd, rc, out, err, changed=False)
    problems = ["%s: %s" % (printable(b.get("sn")), printable(p))
                for b in boards for p in (b.get("problems") or [])]
    result = dict(changed=False, boards=boards, problems=problems, rc=rc, stderr=err)
    # A report of problems fails the host whatever the status says, and a status of problems
    # without one named still fails it.
    if problems or rc != 0:
        with_problems = sum(1 for b in boards if b.get("problems"))
        result["msg"] = "%d of %d boards with problems: %s" % (with_problems, len(boards), "; ".join(problems)) \
            if problems else "lanset-cli find --check ended with status %d and named no problem" % rc
        module.fail_json(**result)
    module.exit_json(ansible_facts=dict(lanset_boards=boards), **result)


if __name__ == "__main__":
    main()
