#!/usr/bin/env bash
# The windows on a real X server with a window manager (Xvfb, openbox), driven
# from outside as a user would: xdotool clicks and keys, xwininfo, screenshots.
#
#     desktop_test.sh BIN_DIR WORK_DIR
#
# Starts its own Xvfb on a free display with a 1600 × 1200 screen. Exits 77
# (skipped) when a tool is missing. Screenshots and the program's output stay in WORK_DIR.
set -euo pipefail
bin=$(cd "$1" && pwd)
work=$2

for tool in Xvfb openbox xdotool xwininfo xprop xclip import convert python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/install-deps)"
        exit 77
    fi
done
rm -rf "$work"
mkdir -p "$work"

# The server picks a free display itself and tells its number when ready.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for ((i = 0; i < 200; i++)); do
    [[ -s $work/display ]] && break
    sleep 0.05
done
[[ -s $work/display ]] || { echo "FAILED: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -1 "$work/display")
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 # not the tests' offscreen platform
cp "$bin/carbonym" "$work/"
# A dictionary of 400,000 terms, so that a translation lasts seconds: long
# enough to close the window while it runs; the first 150,000 of them make a
# translation of about a second.
python3 - "$work/source-long.dat" "$work/source-second.dat" <<'PYTHON'
import random, sys
random.seed(14)
chinese = "甲基".encode("gbk").ljust(45, b" ")
with open(sys.argv[1], "wb") as out, open(sys.argv[2], "wb") as second:
    for i in range(400000):
        english = "".join(random.choices("abcdefghijklmnopqrstuvwxyz", k=24)).encode()
        record = len(english).to_bytes(2, "little") + english.ljust(64, b" ") + chinese
        out.write(record)
        if i < 150000:
            second.write(record)
PYTHON
cp "$work/source-second.dat" "$work/source.dat"

fail() {
    echo "FAILED: $*"
    import -window root "$work/failure.png" 2>/dev/null || true
    exit 1
}

# Polls `command` every 50 ms for up to `seconds`; true once it succeeds.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# "X Y WIDTH HEIGHT" of a window's client area on the screen.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
        END {print x, y, w, h}'
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
unmapped() { ! viewable "$1"; }
ended() { ! ps -o stat= -p "$1" | grep -qv Z; } # gone, or a zombie not yet reaped

# The program's visible windows, one id a line.
windows() { xdotool search --onlyvisible --classname '^carbonym$' 2>/dev/null | sort -u; }

# Waits for a visible window of the program other than the ids given, and
# prints its id.
new_window() {
    local known
    known=$(printf '%s\n' "$@")
    local deadline=$((SECONDS + 20))
    while ((SECONDS < deadline)); do
        local id
        for id in $(windows); do
            if ! grep -qx "$id" <<<"$known"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.05
    done
    return 1
}

# Centres of the menu bar's entries, left to right: the columns of its row
# that hold dark pixels, in runs, a gap wider than a few pixels between two
# entries.
menu_entries() {
    local x y w h
    read -r x y w h < <(geometry "$main")
    import -window root -crop "${w}x16+${x}+$((y + 4))" +repage "$work/menubar.png"
    convert "$work/menubar.png" -colorspace gray -threshold 85% -negate -scale "${w}x1!" txt:- |
        awk -F'[,:]' -v left="$x" -v top="$y" '
            NR > 1 { dark = ($0 !~ /#000000|black|gray\(0\)/) }
            NR > 1 && dark {
                if (start == "" || $1 - end > 6) { if (start != "") print left + int((start + end) / 2), top + 12; start = $1 }
                end = $1
            }
            END { if (start != "") print left + int((start + end) / 2), top + 12 }'
}

click() {
    xdotool mousemove --sync "$1" "$2" click 1
}

wm=""
trap 'kill $wm 2>/dev/null; [[ -n ${program:-} ]] && kill $program 2>/dev/null; kill $xvfb 2>/dev/null || true' EXIT
wait_until 10 xprop -root -len 0 _NET_SUPPORTED || fail "the X server does not answer"
for attempt in 1 2 3; do
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm=$!
    wait_until 10 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" && break
    kill $wm 2>/dev/null || true
    ((attempt < 3)) || fail "openbox did not start: $(cat "$work/openbox.log")"
done

"$work/carbonym" >"$work/carbonym.log" 2>&1 &
program=$!

# 1. The main window appears, with its menu bar of seven entries.
main=$(new_window) || fail "the main window did not appear"
wait_until 10 viewable "$main" || fail "the main window is not shown"
sleep 0.3 # the first paint
mapfile -t entries < <(menu_entries)
((${#entries[@]} == 7)) || fail "the menu bar shows ${#entries[@]} entries, not 7: ${entries[*]}"
echo "main window $main, menu entries at: ${entries[*]}"
translate_at=${entries[0]}
tools_at=${entries[3]}
about_at=${entries[5]}
import -window root "$work/main.png"

# 2. A message box reads 确定 (checked on the screenshot) and Enter closes it.
click $translate_at
box=$(new_window "$main") || fail "翻译 with nothing to translate showed no message"
sleep 0.3
import -window root "$work/message-box.png"
xdotool windowactivate --sync "$box" key Return
wait_until 5 unmapped "$box" || fail "Enter did not close the message box"

# 3. 关于 opens the about window, centred on the screen by its outer frame.
click $about_at
about=$(new_window "$main") || fail "关于 opened no window"
wait_until 10 viewable "$about" || fail "the about window is not shown"
sleep 0.5
read -r ax ay aw ah < <(geometry "$about")
read -r fl fr ft fb < <(xprop -id "$about" _NET_FRAME_EXTENTS | tr -dc '0-9 ' | xargs)
cx=$(((ax - fl) + (aw + fl + fr) / 2))
cy=$(((ay - ft) + (ah + ft + fb) / 2))
echo "about window $about: outer centre ($cx, $cy)"
((cx >= 798 && cx <= 802 && cy >= 598 && cy <= 602)) || fail "the about window's frame is centred at ($cx, $cy), not (800, 600)"
import -window root "$work/about.png"

# 4. Minimised, it comes back when 关于 is chosen again.
xdotool windowminimize --sync "$about"
wait_until 5 unmapped "$about" || fail "the about window did not minimise"
click $about_at
wait_until 5 viewable "$about" || fail "the minimised about window did not come back"

# The data-entry window likewise: 工具, then its first entry.
click $tools_at
sleep 0.3
xdotool key Down Return
data=$(new_window "$main" "$about") || fail "数据添加 opened no window"
wait_until 5 viewable "$data" || fail "the data-entry window is not shown"
sleep 0.3
import -window root "$work/data-window.png"
# Beside the main window as far as the screen allows (this screen has no
# room for both side by side): clear of its menu bar and of most of its width.
read -r mx my mw mh < <(geometry "$main")
read -r dx dy dw dh < <(geometry "$data")
((dx >= mx + mw * 9 / 10 && (dy >= my + 30 || dx >= mx + mw))) ||
    fail "the data-entry window (${dx},${dy} ${dw}×${dh}) lies over the main window (${mx},${my} ${mw}×${mh})"
xdotool windowminimize --sync "$data"
wait_until 5 unmapped "$data" || fail "the data-entry window did not minimise"
click $tools_at
sleep 0.3
xdotool key Down Return
wait_until 5 viewable "$data" || fail "the minimised data-entry window did not come back"

# 5. Enter presses 确定, and the closing animation is seen moving.
xdotool windowactivate --sync "$about"
start=$(date +%s%N)
xdotool key Return
declare -A seen=()
last=""
moved_at=$start
while viewable "$about"; do
    now=$(geometry "$about" 2>/dev/null) || break # gone between two looks
    if [[ $now != "$last" ]]; then
        seen[$now]=1
        last=$now
        moved_at=$(date +%s%N)
    fi
    (($(date +%s%N) - start < 10000000000)) || fail "the about window did not close within 10 s"
done
duration_ms=$(((moved_at - start) / 1000000))
echo "closing animation: ${#seen[@]} distinct geometries over $duration_ms ms"
((${#seen[@]} >= 10)) || fail "the closing animation showed ${#seen[@]} geometries"
((duration_ms >= 500)) || fail "the closing animation lasted $duration_ms ms"
# It ends sliding along the top edge: the frame's top at the screen's.
read -r lx ly lw lh <<<"$last"
((ly - ft == 0)) || fail "the closing animation's last place has the frame's top at $((ly - ft)), not 0"

# 6. The window resized to 1200 × 900: both boxes grow with it. A click at
# x = 1100 lands in a box only if the box reaches there; what is typed there
# comes back through the clipboard.
xdotool windowminimize --sync "$data" # it lies beside the main window
xdotool windowsize --sync "$main" 1200 900
sleep 0.5
read -r mx my mw mh < <(geometry "$main")
((mw == 1200 && mh == 900)) || fail "the main window is ${mw}×${mh} after resizing to 1200×900"
import -window root "$work/resized.png"
typed_at() { # X Y TEXT: clicks, types TEXT, and prints what Ctrl+A, Ctrl+C copy there
    click $((mx + $1)) $((my + $2))
    xdotool key ctrl+a
    xdotool type --delay 20 "$3"
    xdotool key ctrl+a ctrl+c
    sleep 0.3
    xclip -selection clipboard -o
}
[[ $(typed_at 1100 300 grown) == grown ]] || fail "the source box did not grow to the right of the window"
[[ $(typed_at 1100 820 grown) == grown ]] || fail "the result box did not grow to the bottom of the window"
echo "resized to 1200×900: both boxes reach x = 1100"

# 7. Translated and sorted by their keys, then the English changed: the
# export is refused with a message, before any file is asked for.
printf 'ethanol\nmethanol\n' | xclip -selection clipboard -i
click $((mx + 300)) $((my + 200)) # into the source box
xdotool key ctrl+a ctrl+v F5
sleep 3 # the translation of about a second, its notice gone
xdotool key F6
sleep 1
click $((mx + 300)) $((my + 200))
xdotool key ctrl+Home
xdotool type "x"
click $tools_at
sleep 0.3
xdotool key Down Down Return # 数据添加, (撤销上次词典修改 is greyed), 导出中英文对照…
refusal=$(new_window "$main" "$data" "$about") || fail "导出 after a change of the English opened nothing"
sleep 0.3
import -window root "$work/export-refused.png"
name=$(xdotool getwindowname "$refusal")
[[ $name == Carbonym ]] || fail "导出 after a change of the English opened “$name”, not a message"
xdotool windowactivate --sync "$refusal" key Return
wait_until 5 unmapped "$refusal" || fail "Enter did not close the export's message"
echo "export after a change of the English: refused with a message"
xdotool windowsize --sync "$main" 685 500

# 8. A job of about a second shows the busy notice, drawn, while it runs.
for ((i = 0; i < 300; i++)); do
    echo "Benzoic acid, 4-amino-, ethyl ester $i; 2-chloro-N-methylbenzamide; ethyl acetoacetate"
done | xclip -selection clipboard -i
read -r mx my mw mh < <(geometry "$main")
click $((mx + 100)) $((my + 80))
xdotool key ctrl+a ctrl+v
started=$(date +%s%N)
click $translate_at
busy=$(new_window "$main" "$data" "$about") || fail "a job of a second showed no busy notice"
sleep 0.1
import -window root "$work/busy-short.png"
viewable "$busy" || fail "the busy notice was gone before it could be seen"
read -r bx by bw bh < <(geometry "$busy")
colours=$(convert "$work/busy-short.png" -crop "${bw}x${bh}+${bx}+${by}" +repage -unique-colors -format '%w' info:)
((colours >= 4)) || fail "the busy notice is not drawn (${colours} colours)"
wait_until 20 unmapped "$busy" || fail "the busy notice stayed up"
echo "busy notice seen, drawn in $colours colours; the job took $((($(date +%s%N) - started) / 1000000)) ms"

# 9. Closing the main window during a long translation ends the program at once.
cp "$work/source-long.dat" "$work/source.dat"
for ((i = 0; i < 6000; i++)); do
    echo "Benzoic acid, 4-amino-, ethyl ester $i; 2-chloro-N-methylbenzamide; ethyl acetoacetate"
done | xclip -selection clipboard -i
read -r mx my mw mh < <(geometry "$main")
click $((mx + 100)) $((my + 80)) # into the source box
xdotool key ctrl+v
click $translate_at
busy=$(new_window "$main" "$data") || fail "the busy notice did not appear"
import -window root "$work/busy.png"
viewable "$busy" || fail "the translation ended before the close could be tried"
read -r fl fr ft fb < <(xprop -id "$main" _NET_FRAME_EXTENTS | tr -dc '0-9 ' | xargs)
read -r mx my mw mh < <(geometry "$main")
closed_at=$(date +%s%N)
click $((mx + mw + fr - 10)) $((my - ft / 2)) # the frame's close button
wait_until 3 ended "$program" || fail "the program still runs 3 s after its window was closed"
echo "the program ended $((($(date +%s%N) - closed_at) / 1000000)) ms after the close button"
program=""

# 10. At twice the scale, on a screen of 1600 × 1200 pixels, the window fits
# the screen whole, its frame and the line under the boxes too.
QT_SCALE_FACTOR=2 "$work/carbonym" >"$work/carbonym-scaled.log" 2>&1 &
program=$!
scaled=$(new_window) || fail "the main window did not appear at twice the scale"
wait_until 10 viewable "$scaled" || fail "the main window is not shown at twice the scale"
sleep 0.5
import -window root "$work/scaled.png"
read -r sx sy sw sh < <(geometry "$scaled")
read -r fl fr ft fb < <(xprop -id "$scaled" _NET_FRAME_EXTENTS | tr -dc '0-9 ' | xargs)
((sx - fl >= 0 && sy - ft >= 0 && sx + sw + fr <= 1600 && sy + sh + fb <= 1200)) ||
    fail "at twice the scale the window lies at ${sx},${sy} ${sw}×${sh}, off the 1600×1200 screen"
echo "at twice the scale: ${sw}×${sh} at ${sx},${sy}, on the screen"
kill "$program"
program=""
rm -f "$work"/source*.dat "$work/carbonym" # 50 MB; the screenshots stay
echo "PASSED"
