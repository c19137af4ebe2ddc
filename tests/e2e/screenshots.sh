#!/usr/bin/env bash
# Takes the pair of screenshots in docs/ that shows the note window at device pixel ratios
# 1 and 2 (QT_SCALE_FACTOR): the same layout in device-independent pixels, the reference
# picture drawn from its full resolution at 2. Not a test; run it by hand after a change
# to the windows' look:
#   tests/e2e/screenshots.sh build/ostravane-editor resources/forms docs
EDITOR=$1 FORMS=$2 OUT=$(cd "$3" && pwd)
source "$(dirname "$0")/lib.sh"

start_x 2560x2048
for scale in 1 2; do
  start_editor QT_SCALE_FACTOR=$scale
  click main 按钮10
  wait_for_window skill
  click skill 按钮1
  wait_for_window note
  import -window "${window[note]}" "$OUT/note-window-scale$scale.png"
  note "saved $OUT/note-window-scale$scale.png"
  key Escape
  wait_for_window_gone note skill
  key Escape
  wait_for_window_gone skill main
  expect_exit_on_esc
done
