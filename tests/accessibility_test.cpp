// What assistive technology is told about each window's controls, asked through
// QAccessible as a screen reader asks: every field and list is named after the label
// beside it, every button after its caption, and the picture is described in words.

#include "shell/form_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kForms = {u"main"_s, u"skill"_s, u"note"_s};

QAccessibleInterface *accessible(QWidget *control)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(control);
    if (!interface)
        qFatal("no accessible interface for %s", qPrintable(control->objectName()));
    return interface;
}

QString accessibleName(QWidget *control)
{
    return accessible(control)->text(QAccessible::Name);
}

bool isInput(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) || qobject_cast<const QPlainTextEdit *>(control)
        || qobject_cast<const QComboBox *>(control);
}

// The form's own controls, without the parts that Qt builds inside a list.
QList<QWidget *> formControls(const shell::FormWindow &window)
{
    QList<QWidget *> controls;
    for (const shell::ControlSpec &entry : window.form().controls)
        controls.append(window.control<QWidget>(entry.name));
    return controls;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void mainWindowFieldsAreNamedByTheirLabels_data();
    void mainWindowFieldsAreNamedByTheirLabels();
    void everyInputHasItsOwnName_data();
    void everyInputHasItsOwnName();
    void buttonsAreNamedByTheirCaptions_data();
    void buttonsAreNamedByTheirCaptions();
    void thePictureIsDescribed();
};

void AccessibilityTest::mainWindowFieldsAreNamedByTheirLabels_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    const auto row = [](const QString &control, const QString &name, QAccessible::Role role) {
        QTest::newRow(qPrintable(control)) << control << name << role;
    };
    row(u"编辑框2"_s, u"物品代号"_s, QAccessible::EditableText);
    row(u"编辑框3"_s, u"物品ID"_s, QAccessible::EditableText);
    row(u"编辑框4"_s, u"显示名称"_s, QAccessible::EditableText);
    row(u"编辑框5"_s, u"Lore介绍信息"_s, QAccessible::EditableText);
    row(u"编辑框6"_s, u"附魔等级"_s, QAccessible::EditableText);
    row(u"编辑框7"_s, u"自定义附魔属性"_s, QAccessible::EditableText);
    // Two fields sit under labels that both read 附魔等级: the second says which row it is.
    row(u"编辑框8"_s, u"自定义附魔等级"_s, QAccessible::EditableText);
    row(u"编辑框1"_s, u"配置文件输出框"_s, QAccessible::EditableText);
    row(u"组合框1"_s, u"无限耐久"_s, QAccessible::ComboBox);
    row(u"组合框2"_s, u"可否修复"_s, QAccessible::ComboBox);
    row(u"组合框3"_s, u"附魔属性"_s, QAccessible::ComboBox);
}

void AccessibilityTest::mainWindowFieldsAreNamedByTheirLabels()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    shell::FormWindow window(u":/forms/main.json"_s);
    QVERIFY(window.isBuilt());
    QWidget *widget = window.control<QWidget>(control);
    QVERIFY(widget);
    QCOMPARE(accessibleName(widget), name);
    QCOMPARE(accessible(widget)->role(), role);
    // A screen reader in an editable list speaks from the list's field, its focus child.
    if (role == QAccessible::ComboBox) {
        QAccessibleInterface *field = accessible(widget)->focusChild();
        QVERIFY(field);
        QCOMPARE(field->role(), QAccessible::EditableText);
        QCOMPARE(field->text(QAccessible::Name), name);
    }
}

void AccessibilityTest::everyInputHasItsOwnName_data()
{
    QTest::addColumn<QString>("form");
    for (const QString &form : kForms)
        QTest::newRow(qPrintable(form)) << form;
}

// A screen reader tells fields apart only by their names: none may be empty or repeated.
void AccessibilityTest::everyInputHasItsOwnName()
{
    QFETCH(QString, form);
    shell::FormWindow window(u":/forms/"_s + form + u".json"_s);
    QVERIFY(window.isBuilt());
    QSet<QString> names;
    for (QWidget *control : formControls(window)) {
        if (!isInput(control))
            continue;
        const QString name = accessibleName(control);
        QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(control->objectName() + u" repeats "_s + name));
        names.insert(name);
    }
}

void AccessibilityTest::buttonsAreNamedByTheirCaptions_data()
{
    everyInputHasItsOwnName_data();
}

void AccessibilityTest::buttonsAreNamedByTheirCaptions()
{
    QFETCH(QString, form);
    shell::FormWindow window(u":/forms/"_s + form + u".json"_s);
    QVERIFY(window.isBuilt());
    for (QWidget *control : formControls(window)) {
        auto *button = qobject_cast<QAbstractButton *>(control);
        if (!button)
            continue;
        // A caption's line break is read as a space.
        QCOMPARE(accessibleName(button), button->text().replace(u"\r\n"_s, u" "_s));
        QCOMPARE(accessible(button)->role(), QAccessible::Button);
    }
}

void AccessibilityTest::thePictureIsDescribed()
{
    shell::FormWindow window(u":/forms/note.json"_s);
    QVERIFY(window.isBuilt());
    QWidget *picture = window.control<QWidget>(u"图片框1");
    QVERIFY(picture);
    QAccessibleInterface *interface = accessible(picture);
    QCOMPARE(interface->role(), QAccessible::Graphic);
    QVERIFY(!interface->text(QAccessible::Name).isEmpty());
    // The picture is a page of text: its description carries the selectors it shows.
    const QString description = interface->text(QAccessible::Description);
    for (const QString &shown : {u"@PlayersInRadius{r=30;limit=2;sort=NEAREST}"_s, u"FURTHEST"_s,
                                 u"@EntitiesInRadius{r=10;target=animals}"_s, u"watermobs"_s})
        QVERIFY2(description.contains(shown), qPrintable(shown));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
