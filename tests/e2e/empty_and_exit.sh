#!/usr/bin/env bash
# 一键复制 on an empty output box replaces whatever the clipboard held with an empty
# text, also after 清空; Esc with the focus in the output box ends the editor with exit
# code 0. With no clipboard manager on the desktop (none runs here), the text copied
# last is gone with the editor: nobody holds the clipboard any more.
# Usage: empty_and_exit.sh EDITOR FORMS_DIR
EDITOR=$1 FORMS=$2
source "$(dirname "$0")/lib.sh"

start_x
start_editor

# Another program holds a text on the clipboard.
printf 'stale text' >"$work/stale"
xclip -quiet -i -selection clipboard "$work/stale" >/dev/null 2>&1 &
helper_pids+=("$!")
expect_clipboard 'stale text'
click main 按钮12
expect_clipboard ""
note "一键复制 on the empty box left an empty text"

click main 按钮2
click main 按钮12
expect_clipboard "  Lore:"$'\r\n'
click main 按钮13
click main 按钮13
click main 按钮12
expect_clipboard ""
note "清空, then 一键复制, left an empty text"

click main 按钮9
click main 按钮12
expect_clipboard "  Skills:"$'\r\n'
click main 编辑框1
expect_exit_on_esc
if read_clipboard >"$work/after" 2>"$work/after.err"; then
  fail "with no clipboard manager, expected nobody to hold the clipboard after exit; xclip read $(wc -c <"$work/after") bytes"
fi
note "with no clipboard manager the copied text left with the editor ($(head -n1 "$work/after.err"))"
