#!/usr/bin/env bash
# At a device pixel ratio of 2 (QT_SCALE_FACTOR=2) every window keeps its form's layout in
# device-independent pixels: twice the size in device pixels, centred, and each control
# twice as far from its window's corner, where a click finds it.
# Usage: hidpi.sh EDITOR FORMS_DIR
EDITOR=$1 FORMS=$2
source "$(dirname "$0")/lib.sh"

scale=2
start_x 2560x2048
start_editor QT_SCALE_FACTOR=2
expect_window_place main
click main 编辑框2
type_text hidpi
pick_by_mouse main 组合框1 1   # 可破坏
click main 按钮1
click main 按钮4
click main 按钮12
expect_clipboard "hidpi: "$'\r\n'"  Id: "$'\r\n'"  Display: ''"$'\r\n'"    Unbreakable: false"$'\r\n'$'\r\n'
note "clicks and typing at the doubled places reached the right controls"

click main 按钮10
wait_for_window skill
expect_window_place skill
click skill 按钮1
wait_for_window note
expect_window_place note
key Escape
wait_for_window_gone note skill
key Escape
wait_for_window_gone skill main
expect_exit_on_esc
