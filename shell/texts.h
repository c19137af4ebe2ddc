#pragma once
// Texts are QStrings. The absent text is the null QString (what ReadText gives for an
// empty box); every operation treats it as the empty text.

#include <QString>
#include <QStringView>
#include <initializer_list>
#include <span>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace shell {

// Puts the pieces one after another into one new text, allocated once at its exact size.
// Never returns the absent text, even when every piece is empty.
QString JoinTexts(std::span<const QStringView> pieces);
QString JoinTexts(std::initializer_list<QStringView> pieces);

// The box's current text with every line break (CR LF, a lone CR or LF, U+2028, U+2029,
// as a paste may bring) as CR LF; the absent text when the box is empty.
QString ReadText(const QLineEdit *box);
// The multi-line box's whole text with every line break as CR LF; absent when empty.
QString ReadText(const QPlainTextEdit *box);
// The multi-line box's selected text, the same way; absent when nothing is selected.
QString ReadSelectedText(const QPlainTextEdit *box);

// Position of the chosen item, -1 when nothing is chosen.
int ReadSelection(const QComboBox *list);

// The piece a fixed table holds at a list's position; nothing for -1 or any position
// the table does not hold.
QStringView PieceAt(std::span<const QStringView> table, int position);

} // namespace shell
