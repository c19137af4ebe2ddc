// Every control of the three windows against the form tables in tests/data/forms.json:
// a misplaced, renamed or restyled control fails by name.

#include "shell/form_window.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QAbstractItemView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject formTables()
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/forms.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the form tables");
    return QJsonDocument::fromJson(file.readAll()).object();
}

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list.append(item.toString());
    return list;
}

bool isA(const QWidget *widget, const QString &kind)
{
    if (kind == u"push button")
        return qobject_cast<const QPushButton *>(widget);
    if (kind == u"label" || kind == u"picture box")
        return qobject_cast<const QLabel *>(widget);
    if (kind == u"edit box")
        return qobject_cast<const QLineEdit *>(widget);
    if (kind == u"multi-line edit box")
        return qobject_cast<const QPlainTextEdit *>(widget);
    if (kind == u"drop-down list")
        return qobject_cast<const QComboBox *>(widget);
    if (kind == u"group box")
        return qobject_cast<const QGroupBox *>(widget);
    return false;
}

QString shownText(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QPushButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    if (auto *field = qobject_cast<const QLineEdit *>(widget))
        return field->text();
    if (auto *box = qobject_cast<const QPlainTextEdit *>(widget))
        return box->toPlainText();
    if (auto *list = qobject_cast<const QComboBox *>(widget))
        return list->currentText();
    return {};
}

int stackIndex(const QWidget *widget)
{
    return widget->parentWidget()->children().indexOf(widget);
}

} // namespace

class FormTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controlMatchesItsRow_data();
    void controlMatchesItsRow();
    void windowSizePlaceAndTitle_data();
    void windowSizePlaceAndTitle();
    void groupBoxesAndLabelsLieBehind_data();
    void groupBoxesAndLabelsLieBehind();
    void longListDropsDownToItsFullHeight();
};

void FormTest::controlMatchesItsRow_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QJsonObject>("row");
    const QJsonObject tables = formTables();
    for (auto form = tables.begin(); form != tables.end(); ++form) {
        for (const QJsonValue &row : form->toObject().value(u"controls").toArray()) {
            const QString name = row[u"name"].toString();
            QTest::addRow("%s %s", qPrintable(form.key()), qPrintable(name)) << form.key() << row.toObject();
        }
    }
}

void FormTest::controlMatchesItsRow()
{
    QFETCH(QString, form);
    QFETCH(QJsonObject, row);
    shell::FormWindow window(u":/forms/"_s + form + u".json"_s);
    QVERIFY(window.isBuilt());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget *control = window.control<QWidget>(row[u"name"].toString());
    QVERIFY(control);
    const QString kind = row[u"kind"].toString();
    const QString notes = row[u"notes"].toString();
    QVERIFY2(isA(control, kind), qPrintable(kind));
    QVERIFY(control->isVisible());
    QVERIFY(control->isEnabled());

    const QString parent = row[u"parent"].toString();
    QCOMPARE(control->parentWidget()->objectName(), parent == u"window" ? window.objectName() : parent);

    const QRect place(row[u"left"].toInt(), row[u"top"].toInt(), row[u"width"].toInt(), row[u"height"].toInt());
    QCOMPARE(control->pos(), place.topLeft());
    QCOMPARE(control->width(), place.width());
    if (kind == u"edit box") // raised to one line of its font plus its border where too low
        QCOMPARE(control->height(), std::max(place.height(), control->fontMetrics().height() + 4));
    else
        QCOMPARE(control->height(), place.height());

    // A label shows each CR LF as a line break; buttons keep the caption as written.
    QString text = row[u"text"].toString();
    if (kind == u"label")
        text.replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(shownText(control), text);
    if (auto *list = qobject_cast<QComboBox *>(control)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->itemText(i));
        QCOMPARE(items, strings(row[u"items"]));
        QCOMPARE(list->currentIndex(), -1);
        QVERIFY(list->isEditable());
    }

    const QFont font = control->font();
    static const QRegularExpression named(u"(bold|regular) (\\d+) px"_s);
    if (const auto match = named.match(notes); match.hasMatch()) {
        QCOMPARE(font.pixelSize(), match.captured(2).toInt());
        QCOMPARE(font.weight(), match.captured(1) == u"bold" ? QFont::Bold : QFont::Normal);
    } else {
        QCOMPARE(font.weight(), QApplication::font().weight());
        QCOMPARE(font.pointSizeF(), QApplication::font().pointSizeF());
    }

    if (auto *label = qobject_cast<QLabel *>(control); label && kind == u"label") {
        QColor colour(0, 0, 0);
        if (notes.startsWith(u"red"))
            colour = QColor(255, 0, 0);
        else if (notes.startsWith(u"orange"))
            colour = QColor(255, 128, 0);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QCOMPARE(label->wordWrap(), notes.contains(u"word wrap"));
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QVERIFY(!button->autoDefault());
        QVERIFY(!button->isDefault());
    }
}

void FormTest::windowSizePlaceAndTitle_data()
{
    QTest::addColumn<QString>("form");
    for (const QString &form : formTables().keys())
        QTest::newRow(qPrintable(form)) << form;
}

void FormTest::windowSizePlaceAndTitle()
{
    QFETCH(QString, form);
    const QJsonObject table = formTables().value(form).toObject();
    const QSize outer(table[u"outer_size"][0].toInt(), table[u"outer_size"][1].toInt());
    shell::FormWindow window(u":/forms/"_s + form + u".json"_s);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), table[u"title"].toString());
    // The outer size includes whatever frame the platform reports (none on a bare X
    // server); the forms all fit in the client area that leaves.
    QCOMPARE(window.frameGeometry().size(), outer);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const QRect screen = window.screen()->geometry();
    QCOMPARE(window.frameGeometry().topLeft(),
             QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

void FormTest::groupBoxesAndLabelsLieBehind_data()
{
    windowSizePlaceAndTitle_data();
}

void FormTest::groupBoxesAndLabelsLieBehind()
{
    QFETCH(QString, form);
    shell::FormWindow window(u":/forms/"_s + form + u".json"_s);
    const QList<QWidget *> controls = window.findChildren<QWidget *>();
    for (QWidget *front : controls) {
        for (QWidget *back : controls) {
            if (front->objectName().isEmpty() || back->objectName().isEmpty() || front == back
                || front->parentWidget() != back->parentWidget())
                continue;
            const bool groupBehind = qobject_cast<QGroupBox *>(back) && !qobject_cast<QGroupBox *>(front);
            const bool labelBehindField = qobject_cast<QLabel *>(back)
                && (qobject_cast<QLineEdit *>(front) || qobject_cast<QComboBox *>(front))
                && back->geometry().intersects(front->geometry());
            if (groupBehind || labelBehindField)
                QVERIFY2(stackIndex(back) < stackIndex(front),
                         qPrintable(back->objectName() + u" should lie behind "_s + front->objectName()));
        }
    }
    // Two group boxes of the skill window lie over a third, in front of it.
    if (form == u"skill") {
        QVERIFY(stackIndex(window.control<QWidget>(u"分组框9")) < stackIndex(window.control<QWidget>(u"分组框7")));
        QVERIFY(stackIndex(window.control<QWidget>(u"分组框9")) < stackIndex(window.control<QWidget>(u"分组框8")));
    }
}

// Field and list together are 160 pixels high when dropped down; longer lists scroll.
void FormTest::longListDropsDownToItsFullHeight()
{
    shell::FormWindow window(u":/forms/main.json"_s);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *list = window.control<QComboBox>(u"组合框3");
    list->showPopup();
    QWidget *popup = list->view()->window();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    const int row = list->view()->sizeHintForRow(0);
    const int full = list->height() + popup->height();
    QVERIFY2(full <= 160 && full > 160 - 2 * row, qPrintable(QString::number(full)));
    QVERIFY(list->view()->verticalScrollBar()->isVisible());
    list->hidePopup();
}

QTEST_MAIN(FormTest)
#include "form_test.moc"
