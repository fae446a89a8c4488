#!/usr/bin/env bash
# The installer's logic under Wine, in a fresh prefix of the test's own: a silent install into a
# folder given with /D, its files, Start-menu shortcuts, uninstall entry, firewall rules and log
# (netsh is a stand-in that records its command line: Wine has no firewall); upgrades into the
# first installation's folder; a running program stops an upgrade and an uninstall with exit
# code 4, changing nothing; an install whose rule command fails installs and exits with 3; the
# silent uninstall removes every trace and the rules.
#
#   installer_test.sh INSTALLER NETSH_STANDIN WINE_RUN PREFIX LANSET_EXE PLUGSET_EXE LANSET_CLI_EXE
set -uo pipefail
INSTALLER=$1 STANDIN=$2 WINE_RUN=$3 PREFIX=$4 LANSET=$5 PLUGSET=$6 LANSET_CLI=$7

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }

loader=$("$WINE_RUN" --loader) || { echo "FAIL: wine64 is not installed"; exit 1; }
wineserver=$(dirname "$loader")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
for f in "$INSTALLER" "$STANDIN" "$LANSET" "$PLUGSET" "$LANSET_CLI"; do
  [ -f "$f" ] || { echo "FAIL: $f is missing"; exit 1; }
done

export LANSET_WINEPREFIX=$PREFIX WINEPREFIX=$PREFIX
"$wineserver" -k 2>/dev/null
rm -rf "$PREFIX"
"$WINE_RUN" --seed || { echo "FAIL: could not make the prefix"; exit 1; }
: >"$PREFIX.install.log"
trap '"$wineserver" -k 2>/dev/null' EXIT
# An installer may show a window even when silent: give Wine no display to find.
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$PREFIX/system.reg" ]; then
  "$WINE_RUN" wineboot --init >"$PREFIX.wineboot.log" 2>&1 || { echo "FAIL: wineboot"; exit 1; }
  "$wineserver" -w
fi

# The stand-in takes netsh's place in this prefix only, loaded instead of Wine's own.
cp "$STANDIN" "$PREFIX/drive_c/windows/system32/netsh.exe"
export WINEDLLOVERRIDES="mscoree,mshtml=;netsh.exe=n"
export LANSET_NETSH_LOG='C:\netsh.log'
netsh_log=$PREFIX/drive_c/netsh.log

programs="$PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick Lanset'

# reg_value NAME: the value of NAME under the uninstall key ("" when absent).
reg_value() {
  "$WINE_RUN" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

# install [WINDOWS_DIR]: runs the installer silently (into that folder); its exit status. /D takes
# no quotes, and Wine quotes an argument with blanks: the folder given has none.
install() {
  "$WINE_RUN" "$INSTALLER" /S ${1:+"/D=$1"} >>"$PREFIX.install.log" 2>&1
  local rc=$?
  "$wineserver" -w
  return $rc
}

# uninstall UNIX_DIR: runs the folder's uninstaller silently and waits for its copy in %TEMP%.
uninstall() {
  "$WINE_RUN" "$1/uninstall.exe" /S >>"$PREFIX.install.log" 2>&1
  local rc=$?
  "$wineserver" -w
  return $rc
}

# expect_status WHAT EXPECTED COMMAND...: the command's exit status is EXPECTED.
expect_status() {
  local what=$1 expected=$2 rc; shift 2
  "$@"; rc=$?
  [ "$rc" = "$expected" ] || fail "$what ended with status $rc, expected $expected"
}

echo "== a silent install with /D"
win_dir='C:\Tools\Tarnwick'
dir=$PREFIX/drive_c/Tools/Tarnwick
install "$win_dir" || fail "the installer ended with status $?"
for f in lanset.exe lanset-cli.exe plugset.exe readme.txt uninstall.exe install.log; do
  check "$f is not installed" test -f "$dir/$f"
done
check "lanset.exe is not the built one" cmp -s "$LANSET" "$dir/lanset.exe"
check "plugset.exe is not the built one" cmp -s "$PLUGSET" "$dir/plugset.exe"
check "lanset-cli.exe is not the built one" cmp -s "$LANSET_CLI" "$dir/lanset-cli.exe"
check "the read-me does not describe the firewall rule" grep -q "localport=21210" "$dir/readme.txt"
for name in "Tarnwick Lanset" "Tarnwick Plugset"; do
  check "no Start-menu shortcut \"$name\"" test -f "$programs/$name.lnk"
done
check "the lanset shortcut does not start lanset.exe" grep -aqi 'Tools\\Tarnwick\\lanset.exe' "$programs/Tarnwick Lanset.lnk"
check "the plugset shortcut does not start plugset.exe" grep -aqi 'Tools\\Tarnwick\\plugset.exe' "$programs/Tarnwick Plugset.lnk"

expect_value() {
  local got
  got=$(reg_value "$1")
  [ "$got" = "$2" ] || fail "uninstall entry $1: got \"$got\", expected \"$2\""
}
expect_value DisplayName "Tarnwick Lanset and Plugset"
expect_value DisplayVersion "1.2"
expect_value Publisher "Tarnwick"
expect_value InstallLocation "$win_dir"
expect_value UninstallString "\"$win_dir\\uninstall.exe\""
expect_value QuietUninstallString "\"$win_dir\\uninstall.exe\" /S"
expect_value DisplayIcon "$win_dir\\lanset.exe"
size=$(reg_value EstimatedSize)
# Both programs are over a megabyte each.
[ -n "$size" ] && [ $((size)) -gt 2048 ] || fail "uninstall entry EstimatedSize: \"$size\" KiB"

# rule NAME PROGRAM: the netsh command that adds the rule.
rule() {
  echo "advfirewall firewall add rule name=\"$1\" dir=in action=allow program=\"$2\" enable=yes profile=any protocol=UDP localport=21210"
}
for r in "Tarnwick Lanset|lanset.exe" "Tarnwick Lanset (lanset-cli)|lanset-cli.exe"; do
  check "no firewall rule \"${r%|*}\" was asked for: $(cat "$netsh_log" 2>/dev/null)" \
    grep -qF "$(rule "${r%|*}" "$win_dir\\${r#*|}")" "$netsh_log"
  check "install.log does not say the rule \"${r%|*}\" was added" \
    grep -qF "Firewall rule \"${r%|*}\" added for $win_dir\\${r#*|}." "$dir/install.log"
done

echo "== an upgrade without /D goes to the first installation's folder"
install || fail "the upgrade ended with status $?"
check "the upgrade made a second copy" test ! -e "$PREFIX/drive_c/Program Files/Tarnwick Lanset"
expect_value InstallLocation "$win_dir"

echo "== a running program stops an upgrade and an uninstall, changing nothing"
# The stand-in plays lanset.exe running from the installation folder.
cp "$STANDIN" "$dir/lanset.exe"
release=$PREFIX/drive_c/release
rm -f "$release" "$netsh_log"
LANSET_STANDIN_HOLD='C:\release' "$WINE_RUN" "$win_dir\\lanset.exe" >/dev/null 2>&1 &
running=$!
for _ in $(seq 200); do grep -q 'lanset.exe' "$netsh_log" 2>/dev/null && break; sleep 0.05; done
# Not waiting for the prefix's server here: the stand-in keeps it up. Both run to their end.
expect_status "the upgrade beside a running lanset.exe" 4 "$WINE_RUN" "$INSTALLER" /S
expect_status "the uninstall beside a running lanset.exe" 4 "$WINE_RUN" "$dir/uninstall.exe" /S "_?=$win_dir"
check "the running lanset.exe was replaced" cmp -s "$STANDIN" "$dir/lanset.exe"
for f in lanset-cli.exe plugset.exe readme.txt uninstall.exe; do
  check "$f went while lanset.exe ran" test -f "$dir/$f"
done
expect_value InstallLocation "$win_dir"
touch "$release"
wait "$running"

echo "== an install into another folder takes the earlier one away"
old_dir=$dir
win_dir='C:\Tools\Moved'
dir=$PREFIX/drive_c/Tools/Moved
install "$win_dir" || fail "the install into another folder ended with status $?"
check "the earlier folder is left beside the new one" test ! -e "$old_dir"
check "lanset.exe is not in the new folder" test -f "$dir/lanset.exe"
expect_value InstallLocation "$win_dir"

echo "== the silent uninstall"
uninstall "$dir" || fail "the uninstaller ended with status $?"
check "the install folder is left" test ! -e "$dir"
for name in "Tarnwick Lanset" "Tarnwick Plugset"; do
  check "the shortcut \"$name\" is left" test ! -e "$programs/$name.lnk"
done
"$WINE_RUN" reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry is left"
check "the firewall rule was not removed: $(cat "$netsh_log" 2>/dev/null)" \
  grep -qF "advfirewall firewall delete rule name=\"Tarnwick Lanset\" program=\"$win_dir\\lanset.exe\"" "$netsh_log"

echo "== an install into the default folder whose firewall rules fail"
rm -f "$netsh_log"
LANSET_NETSH_EXIT=1 expect_status "an install whose rules fail" 3 install
dir=$PREFIX/drive_c/Program\ Files/Tarnwick\ Lanset
check "lanset.exe is not installed after a failing rule" test -f "$dir/lanset.exe"
check "the rule was not asked for" grep -qF "add rule name=\"Tarnwick Lanset\"" "$netsh_log"
check "install.log does not say what to allow: $(cat "$dir/install.log" 2>/dev/null)" grep -qF \
  "Firewall rule \"Tarnwick Lanset\" could not be added (netsh: 1): allow C:\\Program Files\\Tarnwick Lanset\\lanset.exe to receive UDP port 21210" \
  "$dir/install.log"
expect_value DisplayName "Tarnwick Lanset and Plugset"
LANSET_NETSH_EXIT=1 uninstall "$dir" || fail "the uninstaller ended with status $?"
check "the install folder is left after a failing rule" test ! -e "$dir"

if [ "$failures" -eq 0 ]; then echo "PASS: installer"; else echo "FAIL: installer ($failures)"; fi
[ "$failures" -eq 0 ]
