#include "shell/texts.h"

#include "shell/fatal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>
#include <new>

namespace shell {

namespace {

bool isSeparator(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// How many characters turning every line break into CR LF adds. A line break is CR LF,
// a lone CR, a lone LF or a paragraph or line separator; CR LF stays as it is.
qsizetype addedByBreaks(QStringView text)
{
    qsizetype added = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        else if (c == u'\r' || c == u'\n' || isSeparator(c))
            ++added;
    }
    return added;
}

// Obtains a text through make(); running out of memory on the way is fatal.
template<typename Make>
QString obtainText(Make make)
{
    try {
        ConsumeAllocationFailure();
        return make();
    } catch (const std::bad_alloc &) {
        FailFatally(FatalFailure::OutOfMemory);
    }
}

// Turns every line break of a text into CR LF where the text stands. The buffer grows
// once at its end (realloc, which remaps a large block's pages instead of copying them),
// then the text is moved back from its end, breaks expanded on the way. A text without
// a break to expand is left untouched, and so not copied.
void expandBreaksInPlace(QString &text)
{
    const qsizetype rawSize = text.size();
    const qsizetype added = addedByBreaks(text);
    if (added == 0)
        return;
    text.reserve(rawSize + added); // exactly: resize alone would round the capacity up
    text.resize(rawSize + added);
    const QChar *const begin = text.constData();
    QChar *from = text.data() + rawSize;
    QChar *to = from + added;
    // Where the two meet, nothing is left in front to expand and the rest already stands
    // in place.
    while (from != to) {
        const QChar c = *--from;
        if (c == u'\n' && from != begin && from[-1] == u'\r') {
            --from; // CR LF stays one break
            *--to = u'\n';
            *--to = u'\r';
        } else if (c == u'\r' || c == u'\n' || isSeparator(c)) {
            *--to = u'\n';
            *--to = u'\r';
        } else {
            *--to = c;
        }
    }
}

// The text that read() gives, every line break as CR LF; the absent text when empty.
template<typename Read>
QString readWithCrLfBreaks(Read read)
{
    return obtainText([&read] {
        QString text = read();
        expandBreaksInPlace(text);
        return text.isEmpty() ? QString() : text;
    });
}

// A present text of the given size whose characters are still to be written.
QString allocateText(qsizetype size)
{
    return obtainText([size] { return QString(size, Qt::Uninitialized); });
}

} // namespace

QString JoinTexts(std::span<const QStringView> pieces)
{
    qsizetype total = 0;
    for (QStringView piece : pieces)
        total += piece.size();
    QString joined = allocateText(total);
    QChar *out = joined.data();
    for (QStringView piece : pieces)
        out = std::copy(piece.begin(), piece.end(), out);
    return joined;
}

QString JoinTexts(std::initializer_list<QStringView> pieces)
{
    return JoinTexts(std::span<const QStringView>(pieces.begin(), pieces.size()));
}

QString ReadText(const QLineEdit *box)
{
    // Qt's strings share their data: the copy handed out costs no second buffer unless
    // a pasted line break has to become CR LF (a lone CR at the end of one value and a
    // lone LF at the start of the next stay two breaks when the values are joined).
    return readWithCrLfBreaks([box] { return box->text(); });
}

QString ReadText(const QPlainTextEdit *box)
{
    // toRawText keeps every character as stored (toPlainText would turn a no-break
    // space into a plain space); only the separators need mapping, done in the raw
    // text's own buffer so that a large output is not copied a second time.
    return readWithCrLfBreaks([box] { return box->document()->toRawText(); });
}

QString ReadSelectedText(const QPlainTextEdit *box)
{
    // selectedText keeps every character as stored, paragraph breaks as U+2029.
    return readWithCrLfBreaks([box] { return box->textCursor().selectedText(); });
}

int ReadSelection(const QComboBox *list)
{
    return list->currentIndex();
}

QStringView PieceAt(std::span<const QStringView> table, int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= table.size())
        return {};
    return table[static_cast<std::size_t>(position)];
}

} // namespace shell
