#!/usr/bin/env bash
# Starts Brainlark on a list under a private X server and session bus with the desktop's accessibility bus,
# and reads its quiz screen through atspi_quiz.py. Exits 77 (skipped) when Xvfb, the bus or the Python
# bindings are missing.
# Usage: atspi-check.sh BRAINLARK BRAINLARK-CLI SOURCE-DIR
set -uo pipefail
app=$1 cli=$2 source=$3
here=$(dirname "$0")
python=/usr/bin/python3
for tool in Xvfb dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }
[ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] || { echo "skipped: at-spi2-core is missing"; exit 77; }

work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/run" && chmod 700 "$work/run"
cp "$source/data/data/French Basics.fly" "$work/list.fly"
"$cli" dump "$work/list.fly" >"$work/list.json" || exit 1

# Xvfb picks a free display and writes its number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "skipped: Xvfb did not start"; cat "$work/xvfb.log"; exit 77; }

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
unset QT_ACCESSIBILITY_DISABLED
# Inside the session: the accessibility bus first (the program joins it as it starts), then the program.
dbus-run-session -- bash -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
        { echo "skipped: no accessibility bus"; exit 77; }
    "$1" "$2" >"$3/app.log" 2>&1 &
    app=$!
    "$4" "$5" "$3/list.json"
    status=$?
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    exit $status
' check "$app" "$work/list.fly" "$work" "$python" "$here/atspi_quiz.py" "$work/list.json" 2>"$work/session.log"
status=$?
# The session's own chatter (the bus daemons, the program's X connection closing) only when something failed.
[ "$status" -eq 0 ] || cat "$work/session.log" "$work/app.log" 2>/dev/null
exit $status
