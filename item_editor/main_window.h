#pragma once

#include "shell/form_window.h"

namespace item_editor {

// The item editor: the making group's fields and buttons, and the output box.
class MainWindow : public shell::FormWindow
{
    Q_OBJECT
public:
    MainWindow();

private:
    QString text(QStringView editBox) const;
    int selection(QStringView list) const;
};

} // namespace item_editor
