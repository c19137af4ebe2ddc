#include "model/line_breaks.h"

namespace model {

namespace {

// Copies text, writing `mark` for each line break; CR LF counts as one break.
QString replaceBreaks(const QString &text, QStringView mark, bool frameMarksBreak)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool isBreak = c == u'\r' || c == u'\n' || c == 0x2028 || c == 0x2029
            || (frameMarksBreak && (c == 0xFDD0 || c == 0xFDD1));
        if (!isBreak) {
            out += text[i];
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        out += mark;
    }
    return out;
}

} // namespace

QString AsRead(const QString &value)
{
    return replaceBreaks(value, u"\r\n", false);
}

QString InBox(const QString &text)
{
    return replaceBreaks(text, QStringView(&kBreak, 1), true);
}

QString WithCrLf(const QString &boxText)
{
    // One pass: QString::replace slows down badly on texts of many megabytes.
    QString out;
    out.reserve(boxText.size() + boxText.count(kBreak));
    for (QChar c : boxText) {
        if (c == kBreak)
            out += u"\r\n";
        else
            out += c;
    }
    return out;
}

} // namespace model
