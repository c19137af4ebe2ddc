// Paints the reference picture of compound target selectors that the note window shows:
// 23 left-aligned lines of text on a light background, saved as 8-bit RGB without alpha.
//
// Usage: reference-picture-generator OUTPUT.png

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr QSize kSize(513, 625);
const QColor kBackground(250, 240, 230);
constexpr int kLeft = 2;
// A CJK face with every character of the lines; bold is drawn from its regular style.
const QString kFamily = QStringLiteral("WenQuanYi Micro Hei");

enum class Style { Small, Heading, Body };

struct Line {
    int top; // top of the line's text box
    Style style;
    QString text;
};

const Line kLines[] = {
    {4, Style::Small, QStringLiteral("目标选择器")},
    {24, Style::Body, QStringLiteral("目标选择器可以增加额外的条件  格式如下")},
    {49, Style::Body, QStringLiteral("@PlayersInRadius{r=30;limit=2;sort=NEAREST}")},
    {72, Style::Body, QStringLiteral("选择半径30格内最近目标 数量上限为2")},
    {121, Style::Heading, QStringLiteral("sort=可以填写")},
    {147, Style::Body, QStringLiteral("RANDOM  随机")},
    {171, Style::Body, QStringLiteral("NEAREST  最近")},
    {195, Style::Body, QStringLiteral("FURTHEST  最远")},
    {241, Style::Body, QStringLiteral("@EntitiesInRadius{r=10;ignore=players,animals}")},
    {264, Style::Body, QStringLiteral("选择半径10格内的所有实体 但忽略玩家和动物")},
    {289, Style::Body, QStringLiteral("@EntitiesInRadius{r=10;target=animals}")},
    {312, Style::Body, QStringLiteral("虽然是选择半径10格内的所有实体 但target的存在让它只会选择动物")},
    {361, Style::Heading, QStringLiteral("ignore和target可以填写以下目标")},
    {387, Style::Body, QStringLiteral("animals 动物")},
    {411, Style::Body, QStringLiteral("creative 创造模式的玩家")},
    {435, Style::Body, QStringLiteral("creatures 任何活着的生物")},
    {459, Style::Body, QStringLiteral("flyingmobs 飞行的怪物")},
    {483, Style::Body, QStringLiteral("monsters 敌对的怪物")},
    {507, Style::Body, QStringLiteral("NPCs 来自CitizensNPCs插件的NPC")},
    {531, Style::Body, QStringLiteral("players 玩家")},
    {555, Style::Body, QStringLiteral("samefaction 相同faction的怪物")},
    {579, Style::Body, QStringLiteral("spectators 旁观模式的玩家")},
    {603, Style::Body, QStringLiteral("watermobs 水下的怪物")},
};

QFont fontFor(Style style)
{
    QFont font(kFamily);
    font.setStyleStrategy(QFont::PreferAntialias);
    switch (style) {
    case Style::Small:
        font.setPixelSize(13);
        font.setWeight(QFont::Normal);
        break;
    case Style::Heading:
        font.setPixelSize(20);
        font.setWeight(QFont::Bold);
        break;
    case Style::Body:
        font.setPixelSize(16);
        font.setWeight(QFont::Bold);
        break;
    }
    return font;
}

QColor colourFor(Style style)
{
    switch (style) {
    case Style::Small:
        return QColor(160, 82, 45);
    case Style::Heading:
        return QColor(75, 0, 130);
    case Style::Body:
        break;
    }
    return QColor(0, 0, 0);
}

QImage paintPicture()
{
    // RGB888 has no alpha channel, so the PNG is written as 8-bit RGB.
    QImage image(kSize, QImage::Format_RGB888);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Line &line : kLines) {
        painter.setFont(fontFor(line.style));
        painter.setPen(colourFor(line.style));
        const QRect box(kLeft, line.top, kSize.width() - kLeft, painter.fontMetrics().height());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line.text);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: reference-picture-generator OUTPUT.png\n";
        return 2;
    }
    if (QFontInfo(QFont(kFamily)).family() != kFamily)
        err << "warning: " << kFamily << " is not installed; another face is used\n";
    if (!paintPicture().save(arguments[1], "PNG")) {
        err << "cannot write " << arguments[1] << '\n';
        return 1;
    }
    return 0;
}
