#!/usr/bin/env bash
# The real program under a private X server, driven only by real X key events: lesson 1 from
# its menu, Start, the whole lesson typed, and what can be seen from outside checked on the way.
set -uo pipefail
kelmora=$1 probe=$2 lessons=$3
work=$(mktemp -d)
cleanup() { kill "${app:-}" "${xserver:-}" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Retries a check for up to 10 s: a sanitized build answers slowly.
# COMMAND ARGS... until it holds; a condition that reads the screen goes in a function, so that
# it is read afresh on each try rather than once before the first.
waitfor() { for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done; return 1; }

Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xserver=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME

"$kelmora" >"$work/log" 2>&1 &
app=$!
# The window is named before it is mapped, and an unmapped window cannot take the focus.
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kmora英打練習$' | head -1) || fail "no main window"
xdotool windowfocus "$window" 2>/dev/null
focused() { test "$(xdotool getwindowfocus)" = "$window"; }
waitfor focused || fail "the main window does not take the focus"

shown() { xdotool search --onlyvisible --class kelmora 2>/dev/null | wc -l; }
windows=$(shown)
# On a loaded machine the very first key after the focus arrives is now and then lost
# (1 run in 10 under a parallel build): a second try tells that from a menu that never opens.
more_shown() { test "$(shown)" -gt "$windows"; }
opened() { xdotool key alt+b; waitfor more_shown; }
opened || opened || fail "the lesson menu does not open"
xdotool key Return
title="Kelmora英打練習_01_a_s_l_;_（中列鍵）"
caption_is() { test "$(xdotool getwindowname "$window")" = "$title"; }
waitfor caption_is ||
    fail "caption after choosing lesson 1: $(xdotool getwindowname "$window")"

xdotool key Return   # Start has the focus after a text is laid out
eval "$(xdotool getwindowgeometry --shell "$window")"
# The cursor cell blinks between orange and the typing cells' pale cyan; it is the only one shown.
cell() { "$probe" "$@" "$X" "$Y" $((X + 1016)) $((Y + 400)); }
cursor() {
    read -r cx cy cw ch < <(cell 255 128 0)
    [ "$cx" = none ] && read -r cx cy cw ch < <(cell 192 255 255)
    [ "${cw:-} ${ch:-}" = "17 24" ]
}
waitfor cursor || fail "the cursor cell (17 x 24) not found: $cx ${cy:-} ${cw:-} ${ch:-}"
# The cap of "a" stands 88 px right of and 360 px below the first typing cell; outlined red.
read -r ax ay aw ah < <("$probe" 255 0 0 $((cx + 60)) $((cy + 340)) $((cx + 160)) $((cy + 420)))
[ "$ax $ay $aw $ah" = "$((cx + 88)) $((cy + 360)) 41 41" ] || fail "outline of the A cap: $ax $ay $aw $ah"

# The lesson's display rows: words while they fit in 57 cells, Enter where a row ends.
drill=$(grep -m1 -o 'R"([^)]*)"' "$lessons" | sed 's/^R"(//; s/)"$//')
awk -v text="$drill" 'BEGIN { n = split(text, w, " "); row = ""
  for (i = 1; i <= n; i++) { if (row != "" && length(row) + length(w[i]) + 1 > 56) { print row; row = "" }
    row = row (row == "" ? "" : " ") w[i] }
  print row }' >"$work/rows"
first=1
while IFS= read -r row; do
    [ $first = 1 ] || xdotool key Return
    first=0
    xdotool type --delay 8 "$row"
done <"$work/rows"

summary=$(timeout 30 xdotool search --sync --name '^Kelmora英打練習$' | head -1) || fail "no summary box"
[ "$(xdotool getwindowname "$window")" = "$title" ] || fail "caption changed during the exercise"
xdotool key --window "$summary" Return
no_summary() { test -z "$(xdotool search --name '^Kelmora英打練習$')"; }
waitfor no_summary || fail "the summary box stays"
kill -0 "$app" || fail "the program ended"
echo "lesson 1 typed through $(wc -l <"$work/rows") rows"
