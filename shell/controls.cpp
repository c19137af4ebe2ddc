#include "shell/controls.h"

#include "shell/texts.h"

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <limits>

namespace shell {

namespace {

constexpr int kDroppedDownHeight = 160; // field and list together
constexpr int kBorderHeight = 2;        // one 3-D edge, top or bottom

// List items one pixel taller than the style's own.
class TallerItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 1);
    }
};

// A multi-line edit box whose selection leaves it (Ctrl+C, Ctrl+X, dragging) the way its
// whole text leaves through 一键复制: every character as it stands, each line break as
// CR LF. Qt's own copy would turn no-break spaces into spaces and breaks into LF.
class MultiLineEditBox : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    QMimeData *createMimeDataFromSelection() const override
    {
        auto *data = new QMimeData;
        data->setText(ReadSelectedText(this));
        return data;
    }
};

QString withLineBreaks(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

// No length limit: Qt's single-line fields stop at 32767 characters unless told otherwise.
void removeLengthLimit(QLineEdit *field)
{
    field->setMaxLength(std::numeric_limits<int>::max());
}

// The selection shows only while the field has the focus.
void hideInactiveSelection(QWidget *field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Inactive, QPalette::Text));
    field->setPalette(palette);
}

QWidget *createEditBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    removeLengthLimit(box);
    hideInactiveSelection(box);
    return box;
}

QWidget *createOutputBox(QWidget *parent)
{
    auto *box = new MultiLineEditBox(parent);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    hideInactiveSelection(box);
    return box;
}

QWidget *createDropDownList(QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr); // no completion: what is typed stays as typed
    removeLengthLimit(list->lineEdit());
    hideInactiveSelection(list->lineEdit());
    auto *view = new QListView(list);
    view->setItemDelegate(new TallerItemDelegate(view));
    list->setView(view);
    return list;
}

QWidget *createLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Window);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget *createPictureBox(QWidget *parent)
{
    auto *picture = new QLabel(parent);
    picture->setScaledContents(true); // stretched: width and height scale independently
    return picture;
}

} // namespace

std::optional<ControlKind> ControlKindNamed(QStringView name)
{
    static const std::pair<QStringView, ControlKind> kinds[] = {
        {u"push button", ControlKind::PushButton},
        {u"label", ControlKind::Label},
        {u"edit box", ControlKind::EditBox},
        {u"multi-line edit box", ControlKind::MultiLineEditBox},
        {u"drop-down list", ControlKind::DropDownList},
        {u"group box", ControlKind::GroupBox},
        {u"picture box", ControlKind::PictureBox},
    };
    for (const auto &[kindName, kind] : kinds) {
        if (kindName == name)
            return kind;
    }
    return std::nullopt;
}

WrappingButton::WrappingButton(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
    setDefault(false);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = withLineBreaks(option.text);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}

QWidget *CreateControl(ControlKind kind, QWidget *parent)
{
    switch (kind) {
    case ControlKind::PushButton:
        return new WrappingButton(parent);
    case ControlKind::Label:
        return createLabel(parent);
    case ControlKind::EditBox:
        return createEditBox(parent);
    case ControlKind::MultiLineEditBox:
        return createOutputBox(parent);
    case ControlKind::DropDownList:
        return createDropDownList(parent);
    case ControlKind::GroupBox:
        return new QGroupBox(parent);
    case ControlKind::PictureBox:
        return createPictureBox(parent);
    }
    return nullptr;
}

void SetControlText(QWidget *control, ControlKind kind, const QString &text)
{
    switch (kind) {
    case ControlKind::PushButton:
        static_cast<QPushButton *>(control)->setText(text);
        break;
    case ControlKind::Label:
        static_cast<QLabel *>(control)->setText(withLineBreaks(text));
        break;
    case ControlKind::GroupBox:
        static_cast<QGroupBox *>(control)->setTitle(text);
        break;
    case ControlKind::EditBox:
        static_cast<QLineEdit *>(control)->setText(text);
        break;
    case ControlKind::MultiLineEditBox:
        static_cast<QPlainTextEdit *>(control)->setPlainText(text);
        break;
    case ControlKind::DropDownList:
    case ControlKind::PictureBox:
        break;
    }
}

int ControlHeight(ControlKind kind, const QWidget *control, int requested)
{
    if (kind != ControlKind::EditBox)
        return requested;
    return std::max(requested, control->fontMetrics().height() + 2 * kBorderHeight);
}

void FitDroppedDownHeight(QComboBox *list)
{
    const int row = list->view()->sizeHintForRow(0);
    if (row > 0)
        list->setMaxVisibleItems(std::max(1, (kDroppedDownHeight - list->height()) / row));
}

QFont NamedFont(QStringView name)
{
    QFont font = QApplication::font();
    const QList<QStringView> words = name.split(u' ', Qt::SkipEmptyParts);
    if (words.size() == 3 && words[2] == u"px") {
        font.setWeight(words[0] == u"bold" ? QFont::Bold : QFont::Normal);
        font.setPixelSize(words[1].toInt());
    }
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

QColor NamedColour(QStringView name)
{
    if (name == u"red")
        return QColor(255, 0, 0);
    if (name == u"orange")
        return QColor(255, 128, 0);
    return QColor(0, 0, 0);
}

} // namespace shell
