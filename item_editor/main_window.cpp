#include "item_editor/main_window.h"

#include "item_editor/fragments.h"
#include "shell/output_box.h"
#include "shell/texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace shell;

namespace item_editor {

MainWindow::MainWindow()
    : FormWindow(QStringLiteral(":/forms/main.json"))
{
    if (!isBuilt())
        return;
    RegisterOutputBox(control<QPlainTextEdit>(u"编辑框1"));

    onClick(u"按钮1", [this] {
        AppendOutput(ItemHeader(text(u"编辑框2"), text(u"编辑框3"), text(u"编辑框4")));
    });
    onClick(u"按钮2", [] { AppendOutput(kLoreMarker.toString()); });
    onClick(u"按钮5", [] { AppendOutput(kOptionsMarker.toString()); });
    onClick(u"按钮8", [] { AppendOutput(kEnchantmentsMarker.toString()); });
    onClick(u"按钮9", [] { AppendOutput(kSkillsMarker.toString()); });
    onClick(u"按钮4", [this] { AppendOutput(OptionLines(selection(u"组合框1"), selection(u"组合框2"))); });
    onClick(u"按钮6", [this] { AppendOutput(EnchantmentLine(selection(u"组合框3"), text(u"编辑框6"))); });
    onClick(u"按钮7", [this] { AppendOutput(CustomEnchantmentLine(text(u"编辑框7"), text(u"编辑框8"))); });
    onClick(u"按钮12", [] { CopyOutput(); });
    onClick(u"按钮13", [] { ClearOutput(); });
    // 按钮3 and 按钮11 have no action; 编辑框5 is read by nothing.
}

QString MainWindow::text(QStringView editBox) const
{
    return ReadText(control<QLineEdit>(editBox));
}

int MainWindow::selection(QStringView list) const
{
    return ReadSelection(control<QComboBox>(list));
}

} // namespace item_editor
