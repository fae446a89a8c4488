#!/usr/bin/python3
"""lanset-qt read and driven as a screen reader does, through AT-SPI only: Find (its result
heard), a board's line, Configure (an over-long ID refused in a message box), Auto Configure,
Exit. Every wait has a deadline. Called as: qt_reader.py BOARDS (boardsim's default boards)."""
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
heard = []   # (role, name) of each name change announced


def fail(what, fatal=False):
    failures.append(what)
    print("FAIL: " + what, flush=True)
    if fatal:
        sys.exit(1)


def expect(got, wanted, what):
    if got != wanted:
        fail(f"{what}: {got!r}, expected {wanted!r}")


def wait_for(what, probe, seconds=15, fatal=True):
    """probe's first answer other than None or False, events handled meanwhile; None (or the
    end) at the deadline. (An accessible object without children is false: it is compared.)"""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            if (found := probe()) is not None and found is not False:
                return found
        except GLib.GError:
            pass   # an object that went away while it was read
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)
    fail("timed out waiting: " + what, fatal)


def under(node):
    for child in node:
        if child is not None:
            yield child
            yield from under(child)


def find(node, role, name):
    return next((n for n in under(node) if n.getRoleName() == role and n.name == name), None)


def window(app, title, role="dialog"):
    return next((n for n in app if n is not None and n.getRoleName() == role and n.name == title), None)


def labelled(node, label):
    """The text whose label (labelled-by) reads label."""
    for n in under(node):
        for r in n.getRelationSet():
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY and r.getTarget(0).name == label:
                return n
    fail(f"{node.name}: no text labelled {label!r}", True)


def act(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if node.getState().contains(pyatspi.STATE_SENSITIVE) and action in names:
        return actions.doAction(names.index(action))
    fail(f"cannot {action} {node.name!r} (actions {names})", True)


def press(node, name):
    button = find(node, "push button", name)
    if button is None:
        fail(f"{node.name}: no button {name!r}", True)
    act(button, "Press")


def main(boards):
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for("lanset-qt on the bus",
                   lambda: next((a for a in desktop if a is not None and a.name == "lanset-qt"), None), 30)
    # A program sends only the events that readers listen for; a listener registered while it
    # was still starting was at times never made known to it.
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append((e.source.getRoleName(), e.any_data if isinstance(e.any_data, str) else e.source.name)),
        "object:property-change:accessible-name")
    main_window = wait_for("the main window", lambda: window(app, "Tarnwick Lanset  1.2"))
    status = labelled(main_window, "Status")
    expect(status.name, "Ready", "status at opening")

    press(main_window, "Find")
    result = f"Finished.  Found {boards} devices"
    wait_for("the find's result in the status", lambda: status.name == result, 30)
    if wait_for("the find's result announced", lambda: ("label", result) in heard, 5, False) is None:
        print(f"heard: {heard}")
    board_list = find(main_window, "list", "ID SN IP")
    lines = [line.name for line in board_list]
    expected = [f"Sim{i:04d}\t025a{i + 1:08x}\t192.168.10.{101 + i}" for i in range(boards)]
    expect(sorted(lines), expected, "the list's lines")
    act(board_list[lines.index(expected[1])], "Toggle")
    configure = find(main_window, "push button", "Configure")
    wait_for('"Configure" enabled', lambda: configure.getState().contains(pyatspi.STATE_SENSITIVE), 5)

    press(main_window, "Configure")
    dialog = wait_for("the configure dialog", lambda: window(app, "Ethernet Board Configure"))
    edit = find(dialog, "text", "ID")
    expect(edit.queryText().getText(0, -1), "Sim0001", "the ID of the board selected")
    expect(labelled(dialog, "Configure Status").name, "Ready", "configure status")
    edit.queryEditableText().setTextContents("Rack-12-Slot-0017")
    press(dialog, "Configure")
    box = wait_for('the "INVALID" box', lambda: window(app, "INVALID", "alert"))
    if find(box, "label", "Entry cannot be more than 16 characters") is None:
        fail(f"the box reads {[n.name for n in under(box)]}")
    press(box, "OK")
    wait_for("the box closed", lambda: window(app, "INVALID", "alert") is None)
    press(dialog, "Cancel")
    wait_for("the configure dialog closed", lambda: window(app, "Ethernet Board Configure") is None)

    press(main_window, "Auto Configure")
    dialog = wait_for("the auto-configure dialog", lambda: window(app, "Ethernet Board Auto Configure"))
    expect(labelled(dialog, "Status").name, "Ready", "auto-configure phase")
    mode = find(dialog, "radio button", "Configure selected devices")
    if mode is None or not mode.getState().contains(pyatspi.STATE_CHECKED):
        fail('no checked radio button "Configure selected devices"')
    press(dialog, "Cancel")
    wait_for("the auto-configure dialog closed", lambda: window(app, "Ethernet Board Auto Configure") is None)

    press(main_window, "Exit")
    wait_for("lanset-qt gone from the bus", lambda: all(a is None or a.name != "lanset-qt" for a in desktop), 10)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(int(sys.argv[1])))
