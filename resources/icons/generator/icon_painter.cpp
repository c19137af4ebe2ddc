// Paints the program's icon at every size it is installed in: a page of configuration
// lines with a cut gem, the item, in front of it, on a rounded teal square. The small
// sizes leave out detail that would only blur: fewer, thicker lines and a plain gem.
//
// Usage: icon-painter OUTPUT_DIR  (writes ostravane-editor-N.png for each size N)

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr qreal kCanvas = 256; // the drawing's own units; every size is scaled from them

void paintBackground(QPainter &painter)
{
    QLinearGradient teal(0, 16, 0, 240);
    teal.setColorAt(0, QColor(0x2f, 0x8f, 0x7f));
    teal.setColorAt(1, QColor(0x1b, 0x55, 0x4c));
    painter.setPen(Qt::NoPen);
    painter.setBrush(teal);
    painter.drawRoundedRect(QRectF(12, 12, 232, 232), 44, 44);
}

void paintPage(QPainter &painter, bool small)
{
    const qreal fold = 36;
    const QRectF page(52, 32, 124, 170);
    QPainterPath sheet;
    sheet.moveTo(page.left(), page.top());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.right(), page.bottom());
    sheet.lineTo(page.left(), page.bottom());
    sheet.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xfb, 0xfa, 0xf5));
    painter.drawPath(sheet);

    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    corner.closeSubpath();
    painter.setBrush(QColor(0xc9, 0xd3, 0xd0));
    painter.drawPath(corner);

    // Indented lines, like the nested keys of the configuration the program writes.
    struct Line {
        qreal indent, top, length;
        QColor colour;
    };
    const QColor ink(0x2b, 0x3a, 0x38);
    const QColor accent(0xf0, 0x8a, 0x24);
    const QList<Line> lines = small
        ? QList<Line>{{0, 74, 70, ink}, {22, 116, 62, accent}}
        : QList<Line>{{0, 70, 66, ink}, {16, 98, 70, accent}, {16, 126, 56, ink}, {32, 154, 40, ink}};
    QPen pen;
    pen.setCapStyle(Qt::RoundCap);
    pen.setWidthF(small ? 22 : 12);
    for (const Line &line : lines) {
        pen.setColor(line.colour);
        painter.setPen(pen);
        const qreal left = page.left() + 20 + line.indent;
        painter.drawLine(QPointF(left, line.top), QPointF(left + line.length, line.top));
    }
}

void paintGem(QPainter &painter, bool small)
{
    // A brilliant seen from the side: a flat table on top, the crown, the pointed pavilion.
    const QPointF tableLeft(160, 150), tableRight(208, 150), girdleLeft(134, 178), girdleRight(234, 178),
        point(184, 238), crownLeft(176, 178), crownRight(192, 178);
    const QPolygonF outline{tableLeft, tableRight, girdleRight, point, girdleLeft};

    painter.setPen(QPen(QColor(0x0b, 0x3d, 0x5c), small ? 10 : 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0x29, 0xa8, 0xe0));
    painter.drawPolygon(outline);
    if (small)
        return;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x8f, 0xdc, 0xfa)); // the light catches the crown
    painter.drawPolygon(QPolygonF{tableLeft, tableRight, crownRight, crownLeft});
    painter.setBrush(QColor(0x16, 0x7d, 0xb8)); // the pavilion's shaded half
    painter.drawPolygon(QPolygonF{crownRight, girdleRight, point});

    painter.setPen(QPen(QColor(0x0b, 0x3d, 0x5c), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(girdleLeft, girdleRight);
    painter.drawLine(tableLeft, crownLeft);
    painter.drawLine(tableRight, crownRight);
    painter.drawLine(crownLeft, point);
    painter.drawLine(crownRight, point);
    painter.setPen(QPen(QColor(0x0b, 0x3d, 0x5c), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
}

QImage paintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kCanvas, size / kCanvas);
    const bool small = size < 48;
    paintBackground(painter);
    paintPage(painter, small);
    paintGem(painter, small);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: icon-painter OUTPUT_DIR\n";
        return 2;
    }
    const QDir out(arguments[1]);
    for (const int size : kSizes) {
        const QString path = out.filePath(QStringLiteral("ostravane-editor-%1.png").arg(size));
        if (!paintIcon(size).save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
