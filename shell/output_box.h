#pragma once
// The one output box of the program and the operations that change it or copy it.
// Any window reaches the box through these functions, not through the window that owns it.

#include <QString>
#include <QStringView>

class QPlainTextEdit;

namespace shell {

// Makes box the output box; the box's owner calls this once, when the box is created.
void RegisterOutputBox(QPlainTextEdit *box);
QPlainTextEdit *OutputBox();

// Adds text after the box's last character: any selection is dropped, the caret ends
// after the text, the end is scrolled into view, and the insertion cannot be undone.
void AppendOutput(const QString &text);
// Replaces the box's whole text and shows it from its beginning.
void SetOutput(const QString &text);
// Empties the box and repaints it before returning.
void ClearOutput();
// Puts the box's whole text, line breaks as CR LF, on the clipboard as plain text.
void CopyOutput();

} // namespace shell
