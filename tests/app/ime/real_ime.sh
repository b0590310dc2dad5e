#!/usr/bin/env bash
# Types "nihongo", a conversion and Enter into the editor view through a real
# input method (fcitx5 with anthy) on a virtual X display, and prints what the
# view received and holds. Needs: xvfb xauth xdotool dbus-x11 fcitx5
# fcitx5-frontend-qt6 fcitx5-anthy (and imagemagick for the screenshot).
# Usage: tests/app/ime/real_ime.sh [BUILD_DIR [SCREENSHOT.png]]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
build=${1:-$here/build}
shot=${2:-}
cmake --build "$build" --target ime_probe >/dev/null

work=$(mktemp -d)
cleanup() {
  kill $(jobs -p) ${DBUS_SESSION_BUS_PID:-} 2>/dev/null || true
  sleep 1
  rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME/fcitx5" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# One group: the US keyboard, then anthy; activating the input method picks anthy.
cat >"$XDG_CONFIG_HOME/fcitx5/profile" <<'PROFILE'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=anthy

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=anthy
Layout=

[GroupOrder]
0=Default
PROFILE

display=:$((50 + RANDOM % 50))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
export DISPLAY=$display
sleep 1
eval "$(dbus-launch --sh-syntax)"
export QT_IM_MODULE=fcitx XMODIFIERS=@im=fcitx GTK_IM_MODULE=fcitx
fcitx5 >"$work/fcitx5.log" 2>&1 &
sleep 4

"$build/tests/app/ime/ime_probe" 12 >"$work/probe.out" 2>"$work/probe.err" &
probe=$!
sleep 3
win=$(xdotool search --name '^ime_probe$' | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
fcitx5-remote -o || echo "could not switch the input method on"
sleep 1
echo "input method: $(fcitx5-remote -n 2>/dev/null || echo '?') (state $(fcitx5-remote 2>/dev/null || echo '?'))"
xdotool type --delay 120 nihongo
sleep 1
xdotool key space
sleep 1
# The conversion in progress: inline preedit at the caret and the candidate window.
if [ -n "$shot" ] && command -v import >/dev/null; then import -window root "$shot"; fi
xdotool key Return
sleep 1
wait "$probe" || true
echo "--- input-method events the view received"
grep -v '^QStandardPaths' "$work/probe.err" || true
echo "--- the view's text"
cat "$work/probe.out"
