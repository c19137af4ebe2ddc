#pragma once
// The items of every drop-down list, in order: what a list's field shows once an item is
// picked, and what typed text must equal for the list to pick that item itself.

#include <QStringList>
#include <QStringView>

namespace model {

enum class Window { Main, Skill, Note };

// The items of the named list (组合框n) of the window; empty for an unknown name.
const QStringList &ListItems(Window window, QStringView list);

} // namespace model
