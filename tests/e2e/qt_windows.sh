#!/usr/bin/env bash
# lanset-qt's windows end to end: the Qt front end, driven in process by lanset_qt_driver (as a
# user would, with clicks and typing), finds, configures one board, auto-configures with a
# pattern and consecutive addresses, stops a find, reports a port in use, and exits during a
# find, against boardsim across the namespaced LAN. Then lanset-qt itself, read and driven as a
# screen reader does, through AT-SPI.
#
# Called as: qt_windows.sh BOARDSIM LANSET_CLI NETNS_LAN DRIVER LANSET_QT
. "$(dirname "$0")/e2e_lib.sh"
DRIVER=$4
LANSET_QT=$5
[ -x "$DRIVER" ] || { echo "FAIL: lanset_qt_driver not built: $DRIVER"; exit 1; }
[ -x "$LANSET_QT" ] || { echo "FAIL: lanset-qt not built: $LANSET_QT"; exit 1; }
setup_lan

# drive SCENARIO BOARDS: the driver in $NET-lan; $OUT holds what it said, $RC its status.
drive() {
  ip netns exec "$NET-lan" env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$WORK" \
    timeout -k 5 120 "$DRIVER" "$@" >"$WORK/out" 2>&1
  RC=$?
  OUT=$(cat "$WORK/out")
  ERR=""
}

start_sim --boards 5 --jitter 100
drive find 5
expect_rc 0 "find"

: >"$WORK/sim.log"
drive configure 5
expect_rc 0 "configure one board"
line=$(grep ' configure ' "$WORK/sim.log")
expect_eq "$(wc -l <<<"$line")" 1 "one configuration request"
expect_has "$line" 'mac=025a00000002 ip=10.20.30.40 subnet=255.255.0.0 gateway=192.168.10.1 dhcp=off id=Pump-7' \
  "configure request"

start_sim --boards 5 --jitter 100
drive auto 5
expect_rc 0 "auto-configure"
cli find --format csv
expect_rc 0 "find after auto-configure"
expect_eq "$(tail -n +2 <<<"$OUT" | cut -d, -f1,3,4,5 | sort)" "Lab009,10.77.0.253,255.255.0.0,10.77.0.1
Lab010,10.77.0.254,255.255.0.0,10.77.0.1
Lab011,10.77.0.255,255.255.0.0,10.77.0.1
Lab012,10.77.1.0,255.255.0.0,10.77.0.1
Lab013,10.77.1.1,255.255.0.0,10.77.0.1" "boards after auto-configure"

start_sim --boards 60 --jitter 2500
drive stop 60
expect_rc 0 "Stop Find"
drive exit-finding 60
expect_rc 0 "Exit during a find"

# Another program holds the port on lanset's side.
ip netns exec "$NET-lan" "$BOARDSIM" --boards 1 --ready-file "$WORK/holder" 2>/dev/null &
holder=$!
for _ in $(seq 100); do [ -s "$WORK/holder" ] && break; sleep 0.05; done
drive port-busy 1
expect_rc 0 "port in use"
kill "$holder"; wait "$holder" 2>/dev/null

# read_aloud BOARDS: lanset-qt, and tests/e2e/qt_reader.py reading and driving it, in one D-Bus
# session with the accessibility bus, under a virtual X server (Qt's offscreen platform has no
# accessibility bridge). $OUT holds what they said, $RC the reader's status.
read_aloud() {
  ip netns exec "$NET-lan" env XDG_RUNTIME_DIR="$WORK" QT_QPA_PLATFORM=xcb timeout -k 5 120 \
    xvfb-run -a dbus-run-session -- bash -c '
      /usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
      QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" & app=$!
      /usr/bin/python3 "$2" "$3"; reader=$?
      # "Exit" ends the program; if the reader did not get that far, it is ended here.
      timeout 10 tail --pid=$app -f /dev/null || kill $app
      wait $app; echo "lanset-qt exit status $?"
      kill $bus
      exit $reader' read-aloud "$LANSET_QT" "$(dirname "$0")/qt_reader.py" "$1" >"$WORK/out" 2>&1
  RC=$?
  OUT=$(cat "$WORK/out")
  ERR=""
}

start_sim --boards 5 --jitter 100
: >"$WORK/sim.log"
read_aloud 5
expect_rc 0 "lanset-qt through AT-SPI (scripts/install-deps installs what it needs)"
expect_has "$OUT" "lanset-qt exit status 0" "lanset-qt after Exit"
expect_lacks "$(sim_log)" " configure " "a refused entry sends nothing"

expect_wire_clean
finish
