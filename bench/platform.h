#pragma once
// Where the benchmarks' windows are shown.

namespace bench {

// Unless QT_QPA_PLATFORM says otherwise: the offscreen platform with a 1280 × 1024
// screen, large enough for the main window to be centred on it whole. Call it before
// QApplication exists; child processes inherit it.
void UseOffscreenScreen();

} // namespace bench
