#!/usr/bin/env bash
# Where the desktop runs a clipboard manager, the text copied last can still be pasted
# after the editor has ended: Qt hands the clipboard over to the manager as it exits.
# Usage: clipboard_handover.sh EDITOR FORMS_DIR CLIPBOARD_MANAGER
EDITOR=$1 FORMS=$2 MANAGER=$3
source "$(dirname "$0")/lib.sh"

start_x
"$MANAGER" 60 >"$work/manager.log" 2>&1 &
helper_pids+=("$!")
manager_ready() { grep -q '^ready$' "$work/manager.log"; }
wait_until 5 "the clipboard manager to start" manager_ready

start_editor
click main 编辑框2
paste_text 霹雳斩
click main 按钮1
click main 按钮12
expected="霹雳斩: "$'\r\n'"  Id: "$'\r\n'"  Display: ''"$'\r\n'
expect_clipboard "$expected"
expect_exit_on_esc
manager_saved() { grep -q '^saved ' "$work/manager.log"; }
wait_until 5 "the clipboard manager to report the hand-over" manager_saved
if grep -q 'clipboard manager' "$work/editor.log"; then
  fail "Qt complained about the clipboard manager: $(cat "$work/editor.log")"
fi
expect_clipboard "$expected"
note "after exit the clipboard manager serves the copied text ($(grep '^saved ' "$work/manager.log"))"
