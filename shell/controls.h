#pragma once
// The control kinds every window is built from, each with its behaviour set once here.

#include <QPushButton>
#include <QStringView>
#include <optional>

class QColor;
class QComboBox;
class QFont;

namespace shell {

enum class ControlKind { PushButton, Label, EditBox, MultiLineEditBox, DropDownList, GroupBox, PictureBox };

std::optional<ControlKind> ControlKindNamed(QStringView name);

// A push button whose caption wraps at its width and stays centred; never a default button.
class WrappingButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrappingButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A new control of the kind, with the kind's behaviour: caption, items and picture
// are set by whoever places it.
QWidget *CreateControl(ControlKind kind, QWidget *parent);

// Sets the control's text or caption; "\r\n" starts a new line where the kind shows lines.
void SetControlText(QWidget *control, ControlKind kind, const QString &text);

// The height the control is given for a requested height: an edit box is never lower
// than one line of its font plus its border.
int ControlHeight(ControlKind kind, const QWidget *control, int requested);

// Lets the list drop down to the full height of field and list together; call it once
// the list has its items and its place.
void FitDroppedDownHeight(QComboBox *list);

// "bold 14 px", "bold 16 px", "regular 12 px"; an empty name gives the default GUI font.
// The font is fully resolved, so a control never inherits its group box's font.
QFont NamedFont(QStringView name);
// "red" or "orange"; anything else is black.
QColor NamedColour(QStringView name);

} // namespace shell
