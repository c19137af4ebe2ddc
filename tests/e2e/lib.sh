# Helpers of the end-to-end tests, sourced by each test script: a private X server, the
# editor started on it with the real xcb platform, and a person's actions driven from
# outside with xdotool (clicks at the controls' places, typing, pasting, picking list
# items); the clipboard is read from another process with xclip.
#
# A test script sets EDITOR (the built program) and FORMS (resources/forms) before
# sourcing this file. Every wait is bounded; a failure prints what was expected and what
# came, the editor's own output, and saves a screenshot of the whole screen next to the
# test's log. Everything started here is ended by process id when the script ends.

set -euo pipefail

readonly MAIN_TITLE='Quendril Ostravane编辑器 '
readonly SKILL_TITLE='技能组合'
readonly NOTE_TITLE='综合目标'

test_name=$(basename "$0" .sh)
work=$(mktemp -d "${TMPDIR:-/tmp}/ostravane-e2e.XXXXXX")
scale=1          # device pixels per form pixel; 2 under QT_SCALE_FACTOR=2
xvfb_pid=""
editor_pid=""
helper_pids=()
declare -A window  # main, skill, note: X window ids of the open windows

note() { printf '%s: %s\n' "$test_name" "$*"; }
fail() { printf '%s: FAIL: %s\n' "$test_name" "$*" >&2; exit 1; }

# The ids of processes this script started, children before the X server they use.
stop_all() {
  local pid
  for pid in "${helper_pids[@]}" $editor_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${helper_pids[@]}" $editor_pid $xvfb_pid; do
    wait "$pid" 2>/dev/null || true
  done
}

on_exit() {
  local status=$?
  if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ] && [ -n "$xvfb_pid" ]; then
    local shot="$PWD/$test_name-failure.png"
    timeout 10 import -window root "$shot" 2>/dev/null && note "screen at the failure: $shot"
    if [ -s "$work/editor.log" ]; then
      note "the editor's output:"
      sed 's/^/    /' "$work/editor.log"
    fi
  fi
  stop_all
  rm -rf "$work"
  exit "$status"
}
trap on_exit EXIT
trap 'exit 130' INT TERM
rm -f "$PWD/$test_name-failure.png" # left by an earlier run

for tool in Xvfb xdotool xclip xwininfo xdpyinfo xprop jq import; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup installs it)"
done

# xdotool, never left hanging.
xdo() { timeout 10 xdotool "$@" || fail "xdotool $* failed or hung"; }

# Runs the command every 50 ms until it succeeds; fails after the given seconds.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local tries=$((seconds * 20))
  while ! "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "gave up after ${seconds}s waiting for: $what"
    sleep 0.05
  done
}

# Starts Xvfb on the first free display from :100 on, with the screen size given
# (1280x1024 unless told). A display is free when it has neither a lock file nor a
# socket; should another server take the number meanwhile, Xvfb ends and the next
# number is tried. Xvfb writes the number to -displayfd once it accepts clients.
start_x() {
  local size=${1:-1280x1024} n
  for n in $(seq 100 299); do
    if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then continue; fi
    : >"$work/displayfd"
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset -displayfd 3 \
      3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local tries=200
    while [ "$tries" -gt 0 ] && [ ! -s "$work/displayfd" ] && kill -0 "$xvfb_pid" 2>/dev/null; do
      tries=$((tries - 1))
      sleep 0.05
    done
    if [ -s "$work/displayfd" ]; then
      export DISPLAY=":$n"
      return
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  fail "no X server could be started on any display from :100 to :299"
}

# Starts the editor with the real X11 platform; extra NAME=VALUE arguments go into its
# environment. Returns once its main window is on the screen.
start_editor() {
  mkdir -p -m 700 "$work/runtime"
  env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_ENABLE_HIGHDPI_SCALING \
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$@" "$EDITOR" >"$work/editor.log" 2>&1 &
  editor_pid=$!
  wait_for_window main
  # The first window gets the focus from the window manager, which Xvfb lacks: do its part.
  xdo windowfocus --sync "${window[main]}"
  wait_for_focus main
}

# A process that exists and has not ended (an ended child stays a zombie until waited).
running() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [ "${stat%% *}" != Z ]
}

title_of() {
  case $1 in
    main) echo "$MAIN_TITLE" ;;
    skill) echo "$SKILL_TITLE" ;;
    note) echo "$NOTE_TITLE" ;;
  esac
}

# The visible window of the editor with the given title, if any.
find_window() {
  local title=$1 id
  for id in $(xdotool search --onlyvisible --pid "$editor_pid" 2>/dev/null); do
    if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

has_window() { find_window "$(title_of "$1")" >/dev/null; }
lacks_window() { ! has_window "$1"; }

focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "${window[$1]}" ]; }

# Keys go to the window with the X input focus: none may be sent before it has it.
wait_for_focus() { wait_until 10 "the $1 window to get the keyboard focus" focused "$1"; }

# Waits for the window to appear. A window opened from another one takes the focus itself.
wait_for_window() {
  wait_until 10 "the window \"$(title_of "$1")\" to appear" has_window "$1"
  window[$1]=$(find_window "$(title_of "$1")")
  if [ "$1" != main ]; then wait_for_focus "$1"; fi
}

# Waits for the window to close and, when a second window is named, for that one to
# have the focus back.
wait_for_window_gone() {
  wait_until 10 "the window \"$(title_of "$1")\" to close" lacks_window "$1"
  unset "window[$1]"
  if [ -n "${2:-}" ]; then wait_for_focus "$2"; fi
}

# "left top width height" of an X window on the screen, read with xwininfo.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $NF} /Absolute upper-left Y:/ {y = $NF}
    /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {print x, y, w, h}'
}

# The window's outer size is its form's, in device-independent pixels, and it stands
# centred on the whole screen (halves rounded down, in device-independent pixels too).
expect_window_place() {
  local form=$1 outer screen x y w h
  outer=$(jq -r '.outer_size | "\(.[0]) \(.[1])"' "$FORMS/$form.json")
  screen=$(xdpyinfo | awk '/dimensions:/ {sub("x", " ", $2); print $2}')
  read -r x y w h <<<"$(geometry "${window[$form]}")"
  local ow oh sw sh
  read -r ow oh <<<"$outer"
  read -r sw sh <<<"$screen"
  local expected="$((scale * ow))x$((scale * oh)) at $((scale * ((sw / scale - ow) / 2))),$((scale * ((sh / scale - oh) / 2)))"
  local actual="${w}x${h} at $x,$y"
  [ "$actual" = "$expected" ] || fail "the $form window: expected $expected, xwininfo reads $actual"
  note "the $form window is $actual"
}

# The window offers the desktop the program's own icon, painted at every size.
expect_icon() {
  local sizes
  sizes=$(xprop -len 100000000 -id "${window[$1]}" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \1).*/\1/p' \
    | sort -n | tr '\n' ' ')
  [ "$sizes" = "16 24 32 48 64 128 256 " ] || fail "the $1 window's icon sizes: expected 16 to 256, xprop reads '$sizes'"
}

# "left top width height items" of a control in its window's client area, in form pixels
# (places in the form are relative to the parent group box), and its number of list items.
control_box() {
  jq -r --arg name "$2" '
    (.controls | map({(.name): .}) | add) as $controls
    | def origin($parent):
        if $parent == "window" then [0, 0]
        else $controls[$parent] as $box | origin($box.parent) as $o
             | [$o[0] + $box.geometry[0], $o[1] + $box.geometry[1]] end;
    ($controls[$name] // error("the form has no control " + $name)) as $c
    | origin($c.parent) as $o
    | "\($o[0] + $c.geometry[0]) \($o[1] + $c.geometry[1]) \($c.geometry[2]) \($c.geometry[3]) \(($c.items // []) | length)"
  ' "$FORMS/$1.json"
}

# The screen point at (dx, dy) form pixels from a control's top-left corner; the middle
# of the control when no offsets are given.
point_in() {
  local form=$1 name=$2 left top width height wx wy
  read -r left top width height _ <<<"$(control_box "$form" "$name")"
  read -r wx wy _ _ <<<"$(geometry "${window[$form]}")"
  local dx=${3:-$((width / 2))} dy=${4:-$((height / 2))}
  echo "$((wx + scale * (left + dx))) $((wy + scale * (top + dy)))"
}

# Moves the pointer (without --sync, which can hang when already there) and clicks.
click_at() { xdo mousemove "$1" "$2" click 1; }

click() {
  local x y
  read -r x y <<<"$(point_in "$@")"
  click_at "$x" "$y"
}

type_text() { xdo type --delay 15 -- "$1"; }

key() { xdo key --delay 15 "$@"; }

# Pastes the text into the focused field with Ctrl+V. xdotool cannot type characters
# missing from the keymap reliably (Chinese, emoji), so xclip serves the text and the
# editor fetches it, as from any other program. Waits until the editor has fetched it.
paste_text() {
  printf '%s' "$1" >"$work/paste"
  : >"$work/xclip.log"
  xclip -quiet -i -selection clipboard "$work/paste" >"$work/xclip.log" 2>&1 &
  local server=$!
  helper_pids+=("$server")
  served() { [ "$(grep -c 'Waiting for selection request number' "$work/xclip.log")" -ge "$1" ]; }
  wait_until 5 "xclip to serve the text to paste" served 1
  key ctrl+v
  wait_until 5 "the editor to fetch the pasted text" served 2
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
}

# The list's popup: a visible window of the editor that is none of its form windows.
popup_window() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$editor_pid" 2>/dev/null); do
    case " ${window[*]} " in *" $id "*) ;; *) echo "$id"; return 0 ;; esac
  done
  return 1
}
has_popup() { popup_window >/dev/null; }
lacks_popup() { ! has_popup; }

# Picks a list item with the mouse: a click on the list's arrow drops the list down, a
# click on the item's row picks it. Only for lists short enough to show every item.
pick_by_mouse() {
  local form=$1 name=$2 position=$3 width items
  read -r _ _ width _ items <<<"$(control_box "$form" "$name")"
  [ "$items" -le 6 ] || fail "pick_by_mouse: $name has $items items; pick long lists by keys"
  click "$form" "$name" $((width - 8))
  wait_until 5 "the list $name to drop down" has_popup
  local x y w h
  read -r x y w h <<<"$(geometry "$(popup_window)")"
  click_at $((x + w / 2)) $((y + (2 * position + 1) * h / (2 * items)))
  wait_until 5 "the list $name to close" lacks_popup
}

# Picks a list item with the keyboard: a click into the list's field, then Down once for
# each step from "nothing chosen" to the item.
pick_by_keys() {
  local form=$1 name=$2 position=$3
  click "$form" "$name" 10
  xdo key --delay 15 --repeat $((position + 1)) Down
}

# The clipboard's text as another program reads it; fails when nobody holds a text.
read_clipboard() { timeout 5 xclip -o -selection clipboard -target UTF8_STRING; }

# Waits until the clipboard holds exactly the expected bytes; otherwise shows both.
expect_clipboard() {
  printf '%s' "$1" >"$work/expected"
  local tries=100
  while true; do
    read_clipboard >"$work/actual" 2>"$work/xclip.err" || true
    cmp -s "$work/expected" "$work/actual" && return 0
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || break
    sleep 0.05
  done
  {
    echo "$test_name: FAIL: the clipboard does not hold the expected text"
    echo "expected $(wc -c <"$work/expected") bytes:"
    od -A d -t x1z -v "$work/expected"
    echo "xclip -o gave $(wc -c <"$work/actual") bytes:"
    od -A d -t x1z -v "$work/actual"
    cmp "$work/expected" "$work/actual" 2>&1 | sed 's/^/first difference: /'
    sed 's/^/xclip: /' "$work/xclip.err"
  } >&2
  exit 1
}

# Presses Esc, which closes the main window, and expects the editor to end with code 0.
expect_exit_on_esc() {
  key Escape
  wait_until 10 "the editor to end after Esc" eval '! running "$editor_pid"'
  local status=0
  wait "$editor_pid" || status=$?
  editor_pid=""
  [ "$status" -eq 0 ] || fail "after Esc the editor ended with exit code $status, expected 0"
  note "Esc ended the editor with exit code 0"
}
