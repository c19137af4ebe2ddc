#include "shell/output_box.h"

#include "shell/texts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

namespace shell {

namespace {
QPointer<QPlainTextEdit> outputBox;
}

void RegisterOutputBox(QPlainTextEdit *box)
{
    outputBox = box;
}

QPlainTextEdit *OutputBox()
{
    return outputBox;
}

void AppendOutput(const QString &text)
{
    QPlainTextEdit *box = outputBox;
    if (!box)
        return;
    // The end position comes from the document directly: the whole text is never read.
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    if (!text.isEmpty()) {
        QTextDocument *document = box->document();
        // Turning undo off drops the undo history, so Ctrl+Z can neither remove the
        // fragment nor replay an older edit over it.
        document->setUndoRedoEnabled(false);
        cursor.insertText(text);
        document->setUndoRedoEnabled(true);
    }
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

void SetOutput(const QString &text)
{
    QPlainTextEdit *box = outputBox;
    if (!box)
        return;
    box->setPlainText(text);
}

void ClearOutput()
{
    SetOutput(QString());
    if (QPlainTextEdit *box = outputBox)
        box->viewport()->repaint();
}

void CopyOutput()
{
    QPlainTextEdit *box = outputBox;
    if (!box)
        return;
    QString text = ReadText(box);
    auto *data = new QMimeData;
    // An empty box still replaces the clipboard's content with an empty plain text.
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

} // namespace shell
