#include "model/list_items.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace model {

namespace {

using Lists = QHash<QString, QStringList>;

Lists mainLists()
{
    return {
        {u"组合框1"_s, {u"不可破坏"_s, u"可破坏"_s}},
        {u"组合框2"_s, {u"不可修复"_s, u"可修复"_s}},
        {u"组合框3"_s,
         {u"水下速掘"_s, u"节肢杀手"_s, u"爆炸保护"_s, u"绑定诅咒"_s, u"消失组织"_s, u"深海探索者"_s, u"效率"_s,
          u"摔落保护"_s, u"火焰附加"_s, u"火焰保护"_s, u"火矢"_s, u"时运"_s, u"无限"_s, u"击退"_s, u"抢夺"_s,
          u"海之眷顾"_s, u"诱钓"_s, u"经验修补"_s, u"力量"_s, u"弹射物保护"_s, u"保护"_s, u"冲击"_s,
          u"水下呼吸"_s, u"锋利"_s, u"精准采集"_s, u"亡灵杀手"_s, u"耐久"_s}},
    };
}

Lists skillLists()
{
    Lists lists = {
        {u"组合框1"_s,
         {u"选择触发者为目标"_s, u"选择狼的主人"_s, u"选择怪物的主人"_s, u"选择怪物骑着的目标"_s,
          u"选择召唤此怪物的目标"_s, u"选择骑着怪物的目标"_s}},
        {u"组合框2"_s, {u"世界范围内所有活着的生物"_s, u"世界内所有玩家"_s, u"服务器内所有玩家"_s}},
        {u"组合框3"_s,
         {u"当怪物被右键时"_s, u"苦力怕爆炸时"_s, u"末影人传送时"_s, u"当怪物射击时"_s, u"在攻击时"_s,
          u"在玩家受伤时"_s, u"当玩家射出弓箭时"_s, u"当玩家射箭击中实体时"_s, u"当玩家重生或登陆服务器时"_s,
          u"当玩家消耗物品时(食物，药水)"_s, u"当玩家使用喷溅型药水时"_s, u"当实体死亡时"_s, u"当玩家左键时"_s,
          u"当玩家右键时"_s}},
    };
    // The one-item lists, 组合框4 to 组合框17.
    const QString items[] = {u"启用"_s, u"完成"_s, u"启用"_s, u"角度完成"_s, u"半径完成"_s, u"完成"_s, u"启用"_s,
                             u"启用"_s, u"完成"_s, u"完成"_s, u"启用"_s, u"完成"_s, u"启用"_s, u"完成"_s};
    for (int n = 4; n <= 17; ++n)
        lists.insert(u"组合框"_s + QString::number(n), {items[n - 4]});
    return lists;
}

} // namespace

const QStringList &ListItems(Window window, QStringView list)
{
    static const Lists main = mainLists();
    static const Lists skill = skillLists();
    static const QStringList none;
    const Lists &lists = window == Window::Main ? main : skill;
    const auto found = lists.constFind(list.toString());
    return window != Window::Note && found != lists.constEnd() ? *found : none;
}

} // namespace model
