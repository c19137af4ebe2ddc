#pragma once
// Driving a form window as a person would: typing, pasting, picking and clicking by name.

#include "shell/form_window.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

namespace test {

inline void click(shell::FormWindow &window, QStringView button)
{
    auto *target = window.control<QAbstractButton>(button);
    QVERIFY2(target, qPrintable(button.toString()));
    QTest::mouseClick(target, Qt::LeftButton);
}

// Types ASCII text key by key into the named edit box, after what it holds.
inline void type(shell::FormWindow &window, QStringView box, const QString &text)
{
    auto *field = window.control<QLineEdit>(box);
    QVERIFY2(field, qPrintable(box.toString()));
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, text);
}

// Pastes any text into the named edit box with Ctrl+V, replacing what it holds.
inline void paste(shell::FormWindow &window, QStringView box, const QString &text)
{
    auto *field = window.control<QLineEdit>(box);
    QVERIFY2(field, qPrintable(box.toString()));
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

inline void pick(shell::FormWindow &window, QStringView list, int position)
{
    auto *combo = window.control<QComboBox>(list);
    QVERIFY2(combo, qPrintable(list.toString()));
    combo->setCurrentIndex(position);
}

} // namespace test
