#!/usr/bin/env bash
# While the skill window is open, the main window takes no clicks and no keys; while the
# note window is open over it, the skill window takes none either. Closing each gives
# input back, and the main window's focus returns to 技能组合 (按钮10), which opened them.
# Usage: modal.sh EDITOR FORMS_DIR
EDITOR=$1 FORMS=$2
source "$(dirname "$0")/lib.sh"

# Wide enough to set the windows side by side, as a person would drag them apart
# (there is no window manager: xdotool moves them).
start_x 1920x1200
start_editor
xdo windowmove "${window[main]}" 0 0
click main 按钮2                 # the output box holds "  Lore:"

# Clicks on the main window do nothing while the skill window is open.
click main 按钮10
wait_for_window skill
xdo windowmove "${window[skill]}" 840 0
click main 按钮9
click main 按钮13
# Nor do clicks on the skill window while the note window is open over both.
click skill 按钮1
wait_for_window note
click skill 按钮2
click main 按钮9
key Escape
wait_for_window_gone note skill
key Escape
wait_for_window_gone skill main
# The focus is back on 按钮10: Space presses it and the skill window opens again.
key space
wait_for_window skill
key Escape
wait_for_window_gone skill main
click main 按钮12
expect_clipboard "  Lore:"$'\r\n'
note "no click reached a window under a modal one"

# Keys typed while pointing at the blocked main window stay with the skill window.
click main 按钮10
wait_for_window skill
xdo windowmove "${window[skill]}" 840 0
click skill 编辑框1
click main 编辑框2
type_text typed
click skill 按钮2
key Escape
wait_for_window_gone skill main
click main 按钮1
click main 按钮12
expect_clipboard "  - skill{s=typed}: "$'\r\n'"  Id: "$'\r\n'"  Display: ''"$'\r\n'
note "keys went to the skill window, none to the main window's field"

expect_exit_on_esc
