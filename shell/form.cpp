#include "shell/form.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace shell {

namespace {

QStringList stringList(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list.append(item.toString());
    return list;
}

std::optional<ControlSpec> readControl(const QJsonObject &object)
{
    const auto kind = ControlKindNamed(object.value(u"kind").toString());
    const QJsonArray geometry = object.value(u"geometry").toArray();
    if (!kind || geometry.size() != 4)
        return std::nullopt;
    ControlSpec control;
    control.name = object.value(u"name").toString();
    control.kind = *kind;
    control.parent = object.value(u"parent").toString();
    control.geometry = QRect(geometry[0].toInt(), geometry[1].toInt(), geometry[2].toInt(), geometry[3].toInt());
    control.text = object.value(u"text").toString();
    control.items = stringList(object.value(u"items"));
    control.font = object.value(u"font").toString();
    control.colour = object.value(u"colour").toString();
    control.wrap = object.value(u"wrap").toBool();
    control.picture = object.value(u"picture").toString();
    control.accessibleName = object.value(u"accessible_name").toString();
    control.accessibleDescription = object.value(u"accessible_description").toString();
    return control;
}

void place(QWidget *widget, const ControlSpec &control)
{
    QRect geometry = control.geometry;
    geometry.setHeight(ControlHeight(control.kind, widget, geometry.height()));
    widget->setGeometry(geometry);
}

void style(QWidget *widget, const ControlSpec &control)
{
    widget->setFont(NamedFont(control.font));
    if (control.kind == ControlKind::Label) {
        auto *label = static_cast<QLabel *>(widget);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, NamedColour(control.colour));
        label->setPalette(palette);
        if (control.wrap) {
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
    }
    const bool takesFocus = control.kind == ControlKind::PushButton || control.kind == ControlKind::EditBox
        || control.kind == ControlKind::MultiLineEditBox || control.kind == ControlKind::DropDownList;
    widget->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
}

void fill(QWidget *widget, const ControlSpec &control)
{
    SetControlText(widget, control.kind, control.text);
    if (control.kind == ControlKind::DropDownList) {
        auto *list = static_cast<QComboBox *>(widget);
        list->addItems(control.items);
        list->setCurrentIndex(-1);
        list->clearEditText();
    }
    if (control.kind == ControlKind::PictureBox)
        static_cast<QLabel *>(widget)->setPixmap(QPixmap(control.picture));
    const QString name = control.accessibleName.isEmpty() ? control.text : control.accessibleName;
    if (!name.isEmpty()) {
        const QString spoken = QString(name).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        widget->setAccessibleName(spoken);
        // An editable list hands the accessible focus to its field, which must say the name too.
        if (auto *list = qobject_cast<QComboBox *>(widget); list && list->lineEdit())
            list->lineEdit()->setAccessibleName(spoken);
    }
    if (!control.accessibleDescription.isEmpty())
        widget->setAccessibleDescription(control.accessibleDescription);
}

// Group boxes lie behind every other control, labels behind the fields they overlap.
int stackingLayer(ControlKind kind)
{
    switch (kind) {
    case ControlKind::GroupBox:
        return 0;
    case ControlKind::Label:
        return 1;
    default:
        return 2;
    }
}

} // namespace

std::optional<FormSpec> LoadForm(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const QJsonArray size = root.value(u"outer_size").toArray();
    if (size.size() != 2)
        return std::nullopt;

    FormSpec form;
    form.id = path.section(u'/', -1).section(u'.', 0, 0);
    form.title = root.value(u"title").toString();
    form.outerSize = QSize(size[0].toInt(), size[1].toInt());
    form.focusOrder = stringList(root.value(u"focus_order"));
    for (const QJsonValue &value : root.value(u"controls").toArray()) {
        auto control = readControl(value.toObject());
        if (!control)
            return std::nullopt;
        form.controls.append(*control);
    }
    return form;
}

bool BuildControls(QWidget *window, const FormSpec &form)
{
    QHash<QString, QWidget *> built;
    QList<std::pair<QWidget *, ControlKind>> created;
    for (const ControlSpec &control : form.controls) {
        QWidget *parent = control.parent == u"window" ? window : built.value(control.parent);
        if (!parent)
            return false;
        QWidget *widget = CreateControl(control.kind, parent);
        widget->setObjectName(control.name);
        style(widget, control);
        fill(widget, control);
        place(widget, control);
        if (control.kind == ControlKind::DropDownList)
            FitDroppedDownHeight(static_cast<QComboBox *>(widget));
        built.insert(control.name, widget);
        created.append({widget, control.kind});
    }
    for (int layer = 0; layer <= 2; ++layer) {
        for (const auto &[widget, kind] : created) {
            if (stackingLayer(kind) == layer)
                widget->raise();
        }
    }
    return true;
}

QSize FormExtent(const FormSpec &form)
{
    QRect extent;
    for (const ControlSpec &control : form.controls) {
        if (control.parent == u"window")
            extent = extent.united(control.geometry);
    }
    return QSize(extent.right() + 1, extent.bottom() + 1);
}

} // namespace shell
