#!/usr/bin/env bash
# Entries that the rules refuse, passes that would damage the rack, and bad usage, exit 2 with
# the rule's caption and text (and why) and send no configuration at all. The rules' own cases
# are unit-tested; here each reaches the tool.
. "$(dirname "$0")/e2e_lib.sh"
setup_lan
start_sim --boards 4

refused() {   # refused "lanset-cli: what was said" ARGS...
  local expected=$1; shift
  cli "$@"
  expect_rc 2 "lanset-cli $*"
  expect_eq "$ERR" "$expected" "lanset-cli $*"
  expect_eq "$OUT" "" "lanset-cli $*: no output"
}

# Checked before anything is sent: not even a search goes out.
refused "lanset-cli: INVALID ENTRY: Entry cannot contain a '/'" configure 025a00000001 --id 'a/b' --ip 10.0.0.0 --mask 255.0.0.0
refused "lanset-cli: Error: Sequence Number too long.  Must be 16 bit, non-negative number.
lanset-cli: the sequence runs from 0 to 65535" auto --pattern 'Lab#' --sequence 4294967297
# Two boards named from .254: the second would be the broadcast address.
refused "lanset-cli: Error: An invalid IP address will be created.  Change the IP address and try again.
lanset-cli: 2 boards from 10.77.0.254 end at 10.77.0.255, the broadcast address of 10.77.0.0/24; the highest start is 10.77.0.253" \
  auto --ip 10.77.0.254 --mask 255.255.255.0 --sn 025a00000001 --sn 025a00000002
refused "lanset-cli: nothing to change: give --pattern, --ip and --mask, --gateway or --dhcp" auto
refused "lanset-cli: --id: 'Ω' in 'Ω1' is a character that the boards cannot hold: they hold Latin-1 (letters such as é, ü, ß, ø)" \
  configure 025a00000001 --id 'Ω1'
expect_eq "$(sim_log)" "" "nothing at all sent for entries refused before the search"

# Bad usage: one line, status 2.
for args in "configure" "configure 025a00000001 --ipp 10.0.0.1" "find --format xml" \
            "auto --retries -1" "auto --ip 10.77.0.064 --mask 255.255.255.0" ""; do
  # shellcheck disable=SC2086
  cli $args
  expect_rc 2 "usage: lanset-cli $args"
  expect_eq "$(wc -l <<<"$ERR")" 1 "usage: lanset-cli $args: one line"
  expect_has "$ERR" "; see 'lanset-cli --help'" "usage: lanset-cli $args"
done
expect_has "$ERR" "lanset-cli: no command" "usage without a command"
expect_eq "$(sim_log)" "" "nothing sent on bad usage"

# Known after the search: IDs that repeat, an address held by another board or by this host, a
# gateway outside its subnet. Each sends no configuration.
for args in "auto --pattern Rack-# --sequence 8" "configure 025a00000002 --ip 192.168.10.103 --mask 255.255.255.0" \
            "configure 025a00000002 --ip 10.213.0.1 --mask 255.255.255.0" \
            "configure 025a00000002 --gateway 10.9.9.9"; do
  # shellcheck disable=SC2086
  cli $args
  expect_rc 2 "lanset-cli $args"
  expect_has "$ERR" "--force goes on all the same" "lanset-cli $args"
done
expect_has "$ERR" "gateway 10.9.9.9 is outside 192.168.10.0/24, the subnet of 192.168.10.102" "gateway refused"
expect_lacks "$(sim_log)" " configure " "no configuration sent for a clash"

# Four boards found from .253: the last two addresses fall outside the subnet. The rule runs
# once the count is known, after the search, and no configuration goes out.
cli auto --pattern 'Lab#' --ip 10.77.0.253 --mask 255.255.255.0
expect_rc 2 "auto range refused after the search"
expect_eq "$(tail -2 <<<"$ERR")" \
  "lanset-cli: Error: An IP address will be created outside the Subnet.  Change the IP address and try again.
lanset-cli: 4 boards from 10.77.0.253 end at 10.77.0.256; the highest start is 10.77.0.251" \
  "auto range refused after the search"
expect_eq "$OUT" "" "auto range refused after the search: no output"
expect_has "$(sim_log)" " discover " "the search ran"
expect_lacks "$(sim_log)" " configure " "no configuration sent"

# netns-lan down removes only what it made for that name, and lanset-qt says its version bare.
ip netns add "$NET-other"
"$NETNS_LAN" down "$NET"
[ -e "/var/run/netns/$NET-other" ] || fail "netns-lan down removed a namespace it did not make"
[ -e "/var/run/netns/$NET-lan" ] && fail "netns-lan down left its own namespace"
ip netns del "$NET-other"
qt=$(dirname "$CLI")/lanset-qt
[ ! -x "$qt" ] || expect_eq "$(env -u DISPLAY -u WAYLAND_DISPLAY "$qt" --version)" \
  "$("$CLI" --version | sed 's/lanset-cli/lanset-qt/')" "lanset-qt --version without a display"
finish
