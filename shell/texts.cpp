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

bool isBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
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

// Turns the separators of a raw text into CR LF where the text stands. The buffer grows
// once at its end (realloc, which remaps a large block's pages instead of copying them),
// then the text is moved back from its end, breaks expanded on the way.
void expandBreaksInPlace(QString &text)
{
    const qsizetype rawSize = text.size();
    const qsizetype breaks = std::count_if(text.cbegin(), text.cend(), isBreak);
    if (breaks == 0)
        return;
    text.reserve(rawSize + breaks); // exactly: resize alone would round the capacity up
    text.resize(rawSize + breaks);
    QChar *from = text.data() + rawSize;
    QChar *to = from + breaks;
    // Where the two meet, no break is left in front and the rest already stands in place.
    while (from != to) {
        const QChar c = *--from;
        if (isBreak(c)) {
            *--to = u'\n';
            *--to = u'\r';
        } else {
            *--to = c;
        }
    }
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
    // Qt's strings share their data: the copy handed out costs no second buffer.
    return obtainText([box] {
        QString shown = box->text();
        return shown.isEmpty() ? QString() : shown;
    });
}

QString ReadText(const QPlainTextEdit *box)
{
    // toRawText keeps every character as stored (toPlainText would turn a no-break
    // space into a plain space); only the separators need mapping, done in the raw
    // text's own buffer so that a large output is not copied a second time.
    QString text = obtainText([box] {
        QString raw = box->document()->toRawText();
        expandBreaksInPlace(raw);
        return raw;
    });
    if (text.isEmpty())
        return {};
    return text;
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
