#!/usr/bin/env bash
# Without a display lanset-qt says so and fails; with one that does not answer it fails too,
# without a crash.
LANSET_QT=$1
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$LANSET_QT" 2>&1)
rc=$?
[ "$rc" = 1 ] || { echo "FAIL: no display: exit status $rc, expected 1: $out"; exit 1; }
case $out in *"no display"*) ;; *) echo "FAIL: no display: no message: $out"; exit 1;; esac
out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999 XAUTHORITY=/nonexistent "$LANSET_QT" 2>&1)
rc=$?
[ "$rc" = 1 ] || { echo "FAIL: absent display: exit status $rc, expected 1: $out"; exit 1; }
case $out in *"lanset-qt: cannot open a window"*) ;; *) echo "FAIL: absent display: $out"; exit 1;; esac
echo "PASS: no_display"
