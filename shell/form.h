#pragma once
// A window's form: its title, outer size, focus order and controls, read from a JSON
// file that a person can edit (resources/forms/).

#include "shell/controls.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace shell {

struct ControlSpec {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString parent; // "window" or the name of a group box
    QRect geometry; // relative to the parent's top-left corner
    QString text;
    QStringList items;
    QString font;   // "bold 14 px"; empty for the default GUI font
    QString colour; // "red", "orange"; empty for black
    bool wrap = false;
    QString picture; // resource path of a picture box's picture
    QString accessibleName;
    QString accessibleDescription; // what a picture shows, for those who cannot see it
};

struct FormSpec {
    QString id; // the form file's base name: main, skill, note
    QString title;
    QSize outerSize;
    QStringList focusOrder;
    QList<ControlSpec> controls;
};

// Reads a form; nothing when the file is missing or malformed.
std::optional<FormSpec> LoadForm(const QString &path);

// Creates the form's controls inside window, placed, styled and stacked as the form says.
// False when a control names an unknown parent.
bool BuildControls(QWidget *window, const FormSpec &form);

// The smallest client area that shows every control of the form.
QSize FormExtent(const FormSpec &form);

} // namespace shell
