#!/usr/bin/env bash
# Takes every picture of the guide from the real program, under a private X server with a window
# manager (the title bars a pupil sees), driven by real X key and pointer events as a pupil would.
# The program starts in a folder holding the examples, where its file chooser opens.
# Usage: TakePictures.sh KELMORA EXAMPLES_DIR OUT_DIR
set -uo pipefail
kelmora=$(realpath "$1") examples=$(realpath "$2") out=$3
work=$(mktemp -d)
cleanup() { kill "${app:-}" "${wm:-}" "${xserver:-}" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
# What the screen showed when a step failed is left beside the pictures.
fail() {
    echo "TakePictures: $*" >&2; cat "$work/log" >&2 2>/dev/null
    if [ -n "${app:-}" ] && ! kill -0 "$app" 2>/dev/null; then wait "$app"; echo "the program had ended, status $?" >&2; fi
    import -silent -window root "$out/../TakePictures-failed.png" 2>/dev/null; exit 1
}
# COMMAND ARGS... until it holds; a condition that reads the screen goes in a function, so that
# it is read afresh on each try rather than once before the first.
waitfor() { for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done; return 1; }
mkdir -p "$out"

Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xserver=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR
openbox --config-file /etc/xdg/openbox/rc.xml >/dev/null 2>&1 &
wm=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
waitfor wm_ready || fail "the window manager does not start"

# In a mount namespace of its own the program sees the examples in a teacher's folder, which its
# file chooser opens, with the system's own folders around it.
folder="/home/老師/英打練習"
start_in_folder='mount -t tmpfs tmpfs /home && mkdir -p "$1" && cp "$2"/*.txt "$1" && cd "$1" && exec "$3"'
launch=(unshare --user --map-root-user --mount sh -c "$start_in_folder" sh "$folder" "$examples" "$kelmora")
# Where user namespaces are not allowed, it starts in the examples' own folder.
"${launch[@]::4}" true 2>/dev/null || launch=(sh -c 'cd "$1" && exec "$2"' sh "$examples" "$kelmora")
"${launch[@]}" >"$work/log" 2>&1 &
app=$!
main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kmora英打練習$' | head -1) || fail "no main window"
xdotool windowactivate "$main" 2>/dev/null
focused() { test "$(xdotool getwindowfocus)" = "$main"; }
waitfor focused || fail "the main window does not take the focus"

# A window's place on the screen, its frame included: L T W H.
frame_of() {
    local x y w h extents
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}
                                   /Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' | tr -d ' ')
    IFS=, read -r el er et eb <<<"${extents:-0,0,0,0}"
    echo $((x - el)) $((y - et)) $((w + el + er)) $((h + et + eb))
}
read -r FX FY FW FH < <(frame_of "$main")
# The client area below the menu bar, where the window's design places every control.
eval "$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print "AX=" $4} /Absolute upper-left Y/ {print "AY=" $4}
                                  /Height:/ {print "CH=" $2}')"
AY=$((AY + CH - 684))

grab() { import -silent -window root -crop "$3x$4+$1+$2" +repage "$5"; }
# NAME L T W H: a picture of that part of the screen, without the metadata that would change on every run.
shot() { grab "$2" "$3" "$4" "$5" "$work/shot.png" && convert "$work/shot.png" -strip "$out/$1.png" || fail "picture $1"; }
# The colour at one point of the screen, as r,g,b.
colour() { grab "$1" "$2" 1 1 txt:- | grep -o 'srgb([0-9,]*)' | tr -d 'srgb()'; }
colour_is() { [ "$(colour "$1" "$2")" = "$3" ]; }
click() { xdotool mousemove "$((AX + $1))" "$((AY + $2))" click 1; }
# Menus are counted among the program's shown windows (its native child windows too); the first
# key or click after a focus change is now and then lost, so the command is tried twice.
shown() { xdotool search --onlyvisible --class kelmora 2>/dev/null | wc -l; }
more_shown() { test "$(shown)" -gt "$1"; }
opens() { local before; before=$(shown); "$@"; waitfor more_shown "$before" || { "$@"; waitfor more_shown "$before"; }; }
# A dialog or message box: the top-level window the window manager lists besides the main one.
dialog() { xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*' | while read -r id; do printf '%d\n' "$id"; done | grep -vx "$main" | tail -1; }
has_dialog() { test -n "$(dialog)"; }
gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
# WINDOW CMD...: the command closes that window.
closes() { local window=$1; shift; "$@"; waitfor gone "$window" || { "$@"; waitfor gone "$window"; }; }
caption_is() { test "$(xdotool getwindowname "$main")" = "$1"; }
help_item() { opens click 415 -12 || fail "the help menu does not open"; click 430 $((10 + 22 * $1)); }
panel() { shot "$1" $((AX + 24 + $2)) $((AY + 396 + $3)) "$4" "$5"; }

# The lesson menu, and its first lesson loaded.
opens xdotool key alt+b || fail "the lesson menu does not open"
shot lesson-menu "$FX" "$FY" 560 450
xdotool key Return
waitfor caption_is "Kelmora英打練習_01_a_s_l_;_（中列鍵）" || fail "lesson 1 not loaded"

# Mid-exercise: eight right keys and two wrong ones, the last key a wrong one, the clock at 4 or
# 5 seconds, so that the speed bar stands between half and two thirds of level 3.
xdotool key Return
xdotool type --delay 120 "aa;q; sslk"
cursor_x=$((AX + 16 + 4 + 17 * 8 + 2)) cursor_y=$((AY + 108 + 24 + 2))
waitfor colour_is $cursor_x $cursor_y 255,128,0 || fail "no cursor cell"
sleep 4.3
waitfor colour_is $cursor_x $cursor_y 255,128,0 || fail "the cursor does not blink back"
grab 0 0 1280 1024 "$work/screen.png"   # one moment for the three, the cursor orange in each
cut() { convert "$work/screen.png" -crop "$4x$5+$2+$3" +repage -strip "$out/$1.png" || fail "picture $1"; }
cut window-raw "$FX" "$FY" "$FW" "$FH"
cut top-bar "$AX" "$AY" 1016 104
cut typing $((AX + 16)) $((AY + 108)) 400 110
xdotool key Escape
waitfor has_dialog || fail "no summary after Esc"
closes "$(dialog)" xdotool key Return || fail "the summary stays"

# The three keyboard arrangements: the right-hand part of the keyboard, where they differ.
for arrangement in 1:backslash-up 2:backslash-down 0:small-enter; do
    option=${arrangement%%:*} name=${arrangement#*:}
    click $((32 + 8 + 74 * option + 10)) $((52 + 16 + 10))
    sleep 0.3
    panel "keyboard-$name" 528 0 201 196
done

# The finger guide: the hands at rest with the two callouts (shown for about 3 s).
help_item 0
callout_x=$((AX + 24 + 248 + 30)) callout_y=$((AY + 396 + 56 + 14))
waitfor colour_is $callout_x $callout_y 255,128,128 || fail "the finger guide shows no callout"
sleep 0.3
panel finger-guide 0 0 729 281
click 700 600   # a click on the keyboard stops the guide

# The posture box.
help_item 1
waitfor has_dialog || fail "no posture box"
sleep 0.3
read -r l t w h < <(frame_of "$(dialog)")
shot posture "$l" "$t" "$w" "$h"
closes "$(dialog)" xdotool key Return || fail "the posture box stays"

# INDEX [NAME]: opens the file at INDEX of the file chooser's list (Ctrl+O), first pictured as NAME.
choose() {
    xdotool key ctrl+o
    waitfor has_dialog || { xdotool key ctrl+o; waitfor has_dialog; } || fail "no file chooser"
    local chooser; chooser=$(dialog)
    read -r l t w h < <(frame_of "$chooser")
    eval "$(xwininfo -id "$chooser" | awk '/Absolute upper-left X/ {print "cx=" $4} /Absolute upper-left Y/ {print "cy=" $4}')"
    xdotool mousemove $((cx + 250)) $((cy + 48)) click 1   # the first file
    # The rows of the file list: where the first one's highlight starts and how high it is.
    local top height
    waitfor colour_is $((cx + 470)) $((cy + 48)) 48,140,198 || fail "no file chosen"
    read -r top height < <(grab $((cx + 470)) $((cy + 40)) 1 60 txt:- |
        awk '/srgb\(48,140,198\)/ { split($1, at, "[,:]"); if (!n++) first = at[2] } END { print first, n }')
    xdotool mousemove $((cx + 250)) $((cy + 40 + top + height * $1 + height / 2)) click 1
    sleep 0.3
    [ -z "${2:-}" ] || shot "$2" "$l" "$t" "$w" "$h"
    closes "$chooser" xdotool mousemove $((cx + 400 + 40)) $((cy + 208 + 12)) click 1 || fail "the chooser stays"   # 開啟
}
choose 3 file-chooser
waitfor caption_is "Kelmora英打練習__story-big5.txt" || fail "story-big5.txt not loaded: $(xdotool getwindowname "$main")"
sleep 0.3
shot big5-example $((AX + 16)) $((AY + 108)) 985 272

# The guide's worked example: the keyboard hidden, the first row typed, the Enter tag showing;
# then typed to its end, with one wrong key, for the summary.
choose 0
waitfor caption_is "Kelmora英打練習__guide-example.txt" || fail "guide-example.txt not loaded"
click $((704 + 58)) $((64 + 20))   # 隱藏鍵盤
sleep 0.3
click $((912 + 34)) $((64 + 20))   # 開 始
# Its display rows: the lines without Chinese, words while they fit in 56 cells and the row end.
mapfile -t rows < <(tr -d '\r' <"$examples/guide-example.txt" | LC_ALL=C awk '!/[\200-\377]/ && NF {
    row = ""; for (i = 1; i <= NF; i++) { if (row != "" && length(row) + length($i) + 1 > 56) { print row; row = "" }
        row = row (row == "" ? "" : " ") $i }
    print row }')
xdotool type --delay 20 "${rows[0]}"
# The example opens with a heading, so its first row stands at 26.
enter_x=$((AX + 16 + 4 + 17 * ${#rows[0]} + 2)) enter_y=$((AY + 108 + 26 + 24 + 2))
waitfor colour_is $enter_x $enter_y 255,192,192 || fail "no Enter tag at the end of the first row"
shot guide-example $((AX + 16)) $((AY + 108)) 975 330
last=${rows[-1]}
rows[-1]=${last%?}
xdotool key Return
xdotool type --delay 20 "#"   # the wrong key
for ((i = 1; i < ${#rows[@]}; i++)); do
    [ "$i" = 1 ] || xdotool key Return
    xdotool type --delay 20 "${rows[i]}"
done
sleep 1.1   # a speed needs at least a second on the clock
xdotool type "${last: -1}"
waitfor has_dialog || fail "no summary at the end"
sleep 0.3
read -r l t w h < <(frame_of "$(dialog)")
shot summary "$l" "$t" "$w" "$h"
closes "$(dialog)" xdotool key Return || fail "the summary stays"
kill -0 "$app" || fail "the program ended"

# The window with numbered marks, which the guide's first section explains one by one; each is
# placed (client-area pixels) where it hides nothing the guide talks about.
font=$(fc-match -f '%{file}' 'Liberation Sans:bold')
marks=()
n=0
for at in 470,-10 303,14 620,14 880,28 1000,40 20,75 276,75 541,64 704,64 832,64 912,64 8,240 50,655 118,650; do
    n=$((n + 1))
    x=$((${at%,*} + AX - FX)) y=$((${at#*,} + AY - FY))
    marks+=(-fill '#c8102e' -stroke white -strokewidth 2 -draw "circle $x,$y $((x + 11)),$y"
            -fill white -stroke none -draw "text $((x - 4 * ${#n})),$((y + 5)) '$n'")
done
convert "$out/window-raw.png" -font "$font" -pointsize 14 "${marks[@]}" -strip "$out/window.png" || fail "picture window"
rm "$out/window-raw.png"
