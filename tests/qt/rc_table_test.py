#!/usr/bin/env python3
"""The table that the Qt windows are laid out from holds what the resource compiler makes of the
same .rc file: windres compiles it, its own decompiled script (every style spelled out as a
number) is read back, and every dialog, control, text, place and style must agree.

    rc_table_test.py RC_DIALOGS_PY RC_FILE WINDRES INCLUDE_DIR...
"""
import json
import os
import struct
import subprocess
import sys
import tempfile


def write_placeholder_icon(path):
    """A one-pixel icon where the .rc names the program's (native builds make no ICO files)."""
    image = struct.pack("<IiiHHIIiiII", 40, 1, 2, 1, 32, 0, 0, 0, 0, 0, 0) + bytes(4) + bytes(4)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 1, 1, 0, 0, 1, 32, len(image), 22))
        f.write(image)


def table(generator, rc_file, includes):
    flags = [f for i in includes for f in ("-I", i)]
    out = subprocess.run([sys.executable, generator, rc_file, "--json"] + flags,
                         check=True, capture_output=True, text=True).stdout
    dialogs = json.loads(out)
    for d in dialogs:
        for c in d["controls"]:
            c["id"] &= 0xFFFF   # the compiled form keeps -1 as 65535
    return dialogs


def main():
    generator, rc_file, windres, *includes = sys.argv[1:]
    if not os.path.exists(windres):
        print(f"SKIP: {windres} is not installed")
        return 77
    with tempfile.TemporaryDirectory() as work:
        res = os.path.join(work, "lanset.res")
        decompiled = os.path.join(work, "decompiled.rc")
        write_placeholder_icon(os.path.join(work, "lanset.ico"))
        flags = [f for i in includes + [work] for f in ("-I", i)]
        subprocess.run([windres] + flags + [rc_file, "-O", "res", "-o", res], check=True)
        subprocess.run([windres, "-i", res, "-O", "rc", "-o", decompiled], check=True)
        compiled = table(generator, decompiled, includes)
    ours = table(generator, rc_file, includes)
    if not ours:
        print("FAIL: no dialogs read")
        return 1
    if ours != compiled:
        print("FAIL: the table differs from what windres compiles")
        print(json.dumps(ours, indent=1))
        print(json.dumps(compiled, indent=1))
        return 1
    print(f"PASS: {len(ours)} dialogs, {sum(len(d['controls']) for d in ours)} controls as windres compiles them")
    return 0


if __name__ == "__main__":
    sys.exit(main())
