#!/bin/sh
# run-atspi.sh PROGRAM MODE: runs PROGRAM on a virtual X display of its own, in a private D-Bus
# session whose accessibility bus (at-spi2-core) it joins, and checks it there with
# atspi_check.py MODE. Exits 77, which the suite counts as skipped, only where no display,
# D-Bus session or accessibility bus can start.
set -u
program=$1
mode=$2
here=$(cd "$(dirname "$0")" && pwd)

skip() {
    echo "SKIP: $*"
    exit 77
}

# Debian's python3 carries pyatspi; a python3 earlier on the PATH may not.
python=
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
        python=$candidate
        break
    fi
done
[ -n "$python" ] || skip "no python3 with pyatspi (Debian: python3-pyatspi)"
command -v Xvfb >/dev/null || skip "no Xvfb (Debian: xvfb)"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session (Debian: dbus)"

work=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 </dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || skip "no virtual display started: $(cat "$work/xvfb.log")"

export DISPLAY=":$(cat "$work/display")"
# A home of its own: the program's settings and files stay out of the user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

dbus-run-session -- sh -c '
    # The accessibility bus starts on demand; where it cannot, there is nothing to test.
    "$2" -c "import pyatspi; pyatspi.Registry.getDesktop(0).childCount" >"$4/atspi.log" 2>&1 || exit 77
    "$1" </dev/null >"$4/program.log" 2>&1 &
    program=$!
    "$2" "$3/atspi_check.py" "$5" </dev/null
    status=$?
    kill "$program" 2>/dev/null
    wait "$program" 2>/dev/null
    exit $status' sh "$program" "$python" "$here" "$work" "$mode" </dev/null
status=$?
if [ "$status" -eq 77 ]; then
    skip "no accessibility bus could start: $(cat "$work/atspi.log" 2>/dev/null)"
fi
if [ "$status" -ne 0 ]; then
    echo "--- program output"
    cat "$work/program.log" 2>/dev/null
fi
exit "$status"
