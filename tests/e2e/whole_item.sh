#!/usr/bin/env bash
# A whole item definition built across the three windows in one run, as a person does
# it: fields typed or pasted (Chinese, a no-break space, an emoji), lists picked by mouse
# and by keyboard, the skill window and the note window opened over the main window, the
# skill line composed and more fragments appended after it; each result read back from
# the clipboard by another program. Also the three windows' sizes, places and icon.
# Usage: whole_item.sh EDITOR FORMS_DIR
EDITOR=$1 FORMS=$2
source "$(dirname "$0")/lib.sh"

nbsp=$'\xc2\xa0'
gem=$'\xf0\x9f\x92\x8e' # U+1F48E, outside the Basic Multilingual Plane
display="演示${nbsp}物品 $gem"

start_x
start_editor
expect_window_place main
expect_icon main

click main 编辑框2
type_text demo_item
click main 编辑框3
type_text STONE
click main 编辑框4
paste_text "$display"
click main 按钮1
click main 按钮2
click main 按钮5
pick_by_mouse main 组合框1 0   # 不可破坏
pick_by_keys main 组合框2 1    # 可修复
click main 按钮4
click main 按钮8
pick_by_keys main 组合框3 23   # 锋利
click main 编辑框6
type_text 5
click main 按钮6
click main 编辑框7
type_text Sparkle
click main 编辑框8
type_text 1
click main 按钮7
click main 按钮9
click main 按钮12
expect_clipboard "demo_item: "$'\r\n'"  Id: STONE"$'\r\n'"  Display: '$display'"$'\r\n'\
"  Lore:"$'\r\n'"  Options:"$'\r\n'"    Unbreakable: true"$'\r\n'"    Repairable: true"$'\r\n'\
"  Enchantments:"$'\r\n'"  - Sharpness:5"$'\r\n'"  - Sparkle:1"$'\r\n'"  Skills:"$'\r\n'
note "the item built in the main window arrived whole on the clipboard"

click main 按钮10
wait_for_window skill
expect_window_place skill
expect_icon skill
click skill 编辑框1
paste_text 霹雳斩
pick_by_mouse skill 组合框4 0  # 启用
click skill 编辑框2
type_text 10
pick_by_mouse skill 组合框5 0  # 完成
pick_by_keys skill 组合框3 13  # 当玩家右键时
click skill 按钮1
wait_for_window note
expect_window_place note
expect_icon note
key Escape
wait_for_window_gone note skill
click skill 按钮2
key Escape
wait_for_window_gone skill main

# The skill line ends without a line break: the next fragment continues its line. Then
# the person types a line of their own into the output box, and one more fragment follows.
click main 按钮2
click main 编辑框1
key ctrl+End
type_text '  - typed by hand'
key Return
click main 按钮7
click main 按钮12
expect_clipboard "  - skill{s=霹雳斩} @NearestPlayer{r=10} ~onUse  Lore:"$'\r\n'"  - typed by hand"$'\r\n'"  - Sparkle:1"$'\r\n'
note "the skill line and what followed it arrived whole on the clipboard"

click main 按钮13
click main 按钮12
expect_clipboard ""
note "after 清空, 一键复制 left an empty text on the clipboard"

expect_exit_on_esc
