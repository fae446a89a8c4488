#!/usr/bin/env bash
# Entries that the rules refuse, and bad usage, exit 2 with the rule's caption and text and
# send no configuration at all. The rules' own cases are unit-tested; here each reaches the tool.
. "$(dirname "$0")/e2e_lib.sh"
setup_lan
start_sim --boards 4

refused() {   # refused "CAPTION: message" ARGS...
  local expected=$1; shift
  cli "$@"
  expect_rc 2 "lanset-cli $*"
  expect_eq "$ERR" "$expected" "lanset-cli $*"
  expect_eq "$OUT" "" "lanset-cli $*: no output"
}

# Checked before anything is sent: not even a search goes out.
refused "INVALID ENTRY: Entry cannot contain a '/'" configure 025a00000001 --id 'a/b' --ip 10.0.0.0 --mask 255.0.0.0
refused "Error: Sequence Number too long.  Must be 16 bit, non-negative number." \
  auto --pattern 'Lab#' --sequence 4294967297
# Two boards named from .254: the second would be the broadcast address.
refused "Error: An invalid IP address will be created.  Change the IP address and try again." \
  auto --ip 10.77.0.254 --mask 255.255.255.0 --sn 025a00000001 --sn 025a00000002
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

# Four boards found from .253: the last two addresses fall outside the subnet. The rule runs
# once the count is known, after the search, and no configuration goes out.
cli auto --pattern 'Lab#' --ip 10.77.0.253 --mask 255.255.255.0
expect_rc 2 "auto range refused after the search"
expect_eq "$(tail -1 <<<"$ERR")" \
  "Error: An IP address will be created outside the Subnet.  Change the IP address and try again." \
  "auto range refused after the search"
expect_eq "$OUT" "" "auto range refused after the search: no output"
expect_has "$(sim_log)" " discover " "the search ran"
expect_lacks "$(sim_log)" " configure " "no configuration sent"
finish
