#include "BrickSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>

namespace {

// Each shape in a cell one unit wide, centred on (0.5, 0.5) and about half
// the cell across, so it stays inside the face of the built-in bricks and
// leaves their frame and highlight ring in view.
QPainterPath UnitShape(BrickSymbol symbol)
{
    QPainterPath path;
    switch (symbol) {
    case BrickSymbol::Circle:
        path.addEllipse(QPointF(0.5, 0.5), 0.21, 0.21);
        break;
    case BrickSymbol::Triangle:
        path.addPolygon(QPolygonF({{0.5, 0.24}, {0.77, 0.71}, {0.23, 0.71}}));
        break;
    case BrickSymbol::Square:
        path.addRect(0.32, 0.32, 0.36, 0.36);
        break;
    case BrickSymbol::Cross: {
        // A plus sign turned by 45 degrees.
        constexpr double arm = 0.085, reach = 0.31;
        path.addPolygon(QPolygonF({{-arm, -reach}, {arm, -reach}, {arm, -arm}, {reach, -arm}, {reach, arm}, {arm, arm},
                                   {arm, reach}, {-arm, reach}, {-arm, arm}, {-reach, arm}, {-reach, -arm},
                                   {-arm, -arm}}));
        path = QTransform().translate(0.5, 0.5).rotate(45).map(path);
        break;
    }
    }
    path.closeSubpath();
    return path;
}

}  // namespace

BrickSymbol SymbolFor(BrickEntry entry)
{
    // Red and green, the pair most often confused, get the two shapes
    // least alike in outline: round and pointed.
    switch (static_cast<BrickEntry>(static_cast<uint8_t>(entry) % 4)) {
    case BrickEntry::Red:
        return BrickSymbol::Circle;
    case BrickEntry::Green:
        return BrickSymbol::Triangle;
    case BrickEntry::Blue:
        return BrickSymbol::Square;
    default:
        return BrickSymbol::Cross;
    }
}

void DrawBrickSymbol(QPainter& painter, BrickEntry entry, const QRectF& cell)
{
    const QPainterPath shape =
        QTransform::fromTranslate(cell.left(), cell.top()).scale(cell.width(), cell.height()).map(UnitShape(SymbolFor(entry)));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, std::max(1.0, cell.width() * 0.06), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(shape);
    painter.restore();
}
