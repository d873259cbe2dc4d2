#include "reference/drawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace reference {

namespace {

QColor ink(int r, int g, int b, int a = 255) { return QColor(r, g, b, a); }

void drawPencil(QPainter &p, QPointF tip, qreal length, qreal angleDegrees)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    const qreal w = length * 0.11;
    QPainterPath point;
    point.moveTo(0, 0);
    point.lineTo(length * 0.16, -w / 2);
    point.lineTo(length * 0.16, w / 2);
    point.closeSubpath();
    p.setBrush(ink(240, 210, 160));
    p.setPen(QPen(ink(120, 80, 40), length * 0.01));
    p.drawPath(point);
    p.setBrush(ink(60, 60, 60));
    p.drawEllipse(QPointF(length * 0.03, 0), w * 0.16, w * 0.16);
    p.setBrush(ink(250, 190, 40));
    p.drawRect(QRectF(length * 0.16, -w / 2, length * 0.68, w));
    p.setBrush(ink(190, 190, 200));
    p.drawRect(QRectF(length * 0.84, -w / 2, length * 0.06, w));
    p.setBrush(ink(240, 120, 140));
    p.drawRoundedRect(QRectF(length * 0.9, -w / 2, length * 0.1, w), w * 0.3, w * 0.3);
    p.restore();
}

void drawClosedBook(QPainter &p, const QRectF &r, const QColor &cover)
{
    p.setPen(QPen(cover.darker(150), r.height() * 0.04));
    p.setBrush(ink(250, 248, 235));
    p.drawRoundedRect(r.adjusted(r.width() * 0.03, r.height() * 0.12, 0, 0), r.height() * 0.06, r.height() * 0.06);
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width() * 0.97, r.height() * 0.88), r.height() * 0.08,
                      r.height() * 0.08);
    p.setPen(QPen(cover.lighter(140), r.height() * 0.05));
    p.drawLine(QPointF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.2),
               QPointF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.68));
    p.drawLine(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.44),
               QPointF(r.left() + r.width() * 0.8, r.top() + r.height() * 0.44));
}

void drawBooksAndPencil(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    drawClosedBook(p, QRectF(r.left() + w * 0.08, r.top() + h * 0.62, w * 0.8, h * 0.17), ink(40, 90, 170));
    drawClosedBook(p, QRectF(r.left() + w * 0.14, r.top() + h * 0.45, w * 0.7, h * 0.17), ink(190, 50, 50));
    drawClosedBook(p, QRectF(r.left() + w * 0.1, r.top() + h * 0.28, w * 0.66, h * 0.17), ink(40, 140, 80));
    drawPencil(p, QPointF(r.left() + w * 0.12, r.top() + h * 0.95), w * 0.85, -18);
}

void drawOpenBookWithGlasses(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QPointF spineTop(r.left() + w * 0.5, r.top() + h * 0.3), spineBottom(r.left() + w * 0.5, r.top() + h * 0.8);
    p.setPen(QPen(ink(90, 60, 30), w * 0.012));
    p.setBrush(ink(150, 90, 40));
    QPainterPath cover;
    cover.moveTo(spineBottom + QPointF(0, h * 0.04));
    cover.quadTo(QPointF(r.left() + w * 0.25, r.top() + h * 0.74), QPointF(r.left(), r.top() + h * 0.84));
    cover.lineTo(QPointF(r.left(), r.top() + h * 0.34));
    cover.lineTo(QPointF(r.right(), r.top() + h * 0.34));
    cover.lineTo(QPointF(r.right(), r.top() + h * 0.84));
    cover.quadTo(QPointF(r.left() + w * 0.75, r.top() + h * 0.74), spineBottom + QPointF(0, h * 0.04));
    p.drawPath(cover);
    p.setBrush(ink(252, 250, 240));
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(spineBottom);
        page.quadTo(QPointF(spineBottom.x() + side * w * 0.22, r.top() + h * 0.7),
                    QPointF(spineBottom.x() + side * w * 0.46, r.top() + h * 0.78));
        page.lineTo(QPointF(spineTop.x() + side * w * 0.46, r.top() + h * 0.26));
        page.quadTo(QPointF(spineTop.x() + side * w * 0.22, r.top() + h * 0.2), spineTop);
        page.closeSubpath();
        p.drawPath(page);
        p.save();
        p.setPen(QPen(ink(160, 160, 170), w * 0.008));
        for (int i = 0; i < 5; ++i) {
            const qreal y = r.top() + h * (0.34 + i * 0.08);
            p.drawLine(QPointF(spineTop.x() + side * w * 0.07, y), QPointF(spineTop.x() + side * w * 0.4, y));
        }
        p.restore();
    }
    // The glasses lie across the pages.
    p.setPen(QPen(ink(30, 30, 30), w * 0.022));
    p.setBrush(ink(200, 230, 250, 160));
    const qreal lens = w * 0.13;
    const QPointF left(r.left() + w * 0.34, r.top() + h * 0.5), right(r.left() + w * 0.66, r.top() + h * 0.5);
    p.drawEllipse(left, lens, lens * 0.8);
    p.drawEllipse(right, lens, lens * 0.8);
    p.setBrush(Qt::NoBrush);
    QPainterPath bridge;
    bridge.moveTo(left + QPointF(lens, -lens * 0.1));
    bridge.quadTo(QPointF(r.left() + w * 0.5, r.top() + h * 0.44), right - QPointF(lens, lens * 0.1));
    p.drawPath(bridge);
    p.drawLine(left - QPointF(lens, lens * 0.2), left - QPointF(lens * 1.9, lens * 0.7));
    p.drawLine(right + QPointF(lens, -lens * 0.2), right + QPointF(lens * 1.9, -lens * 0.7));
}

void drawCup(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    p.setPen(QPen(ink(90, 60, 40), w * 0.015));
    p.setBrush(ink(230, 230, 235));
    p.drawEllipse(QPointF(r.left() + w * 0.48, r.top() + h * 0.86), w * 0.42, h * 0.07);
    // The handle, then the body over it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink(200, 80, 60), w * 0.06));
    p.drawEllipse(QPointF(r.left() + w * 0.78, r.top() + h * 0.58), w * 0.12, h * 0.12);
    p.setPen(QPen(ink(90, 60, 40), w * 0.015));
    p.setBrush(ink(220, 90, 70));
    QPainterPath body;
    body.moveTo(r.left() + w * 0.18, r.top() + h * 0.38);
    body.lineTo(r.left() + w * 0.78, r.top() + h * 0.38);
    body.lineTo(r.left() + w * 0.7, r.top() + h * 0.8);
    body.quadTo(QPointF(r.left() + w * 0.48, r.top() + h * 0.9), QPointF(r.left() + w * 0.26, r.top() + h * 0.8));
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(ink(110, 60, 30));
    p.drawEllipse(QPointF(r.left() + w * 0.48, r.top() + h * 0.38), w * 0.3, h * 0.045);
    // Steam.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink(150, 150, 160), w * 0.025, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal x = r.left() + w * (0.36 + i * 0.12);
        QPainterPath steam;
        steam.moveTo(x, r.top() + h * 0.3);
        steam.cubicTo(QPointF(x - w * 0.06, r.top() + h * 0.22), QPointF(x + w * 0.06, r.top() + h * 0.16),
                      QPointF(x, r.top() + h * 0.06));
        p.drawPath(steam);
    }
}

void drawBookAndPencil(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    p.save();
    p.translate(r.center());
    p.rotate(-12);
    drawClosedBook(p, QRectF(-w * 0.36, -h * 0.3, w * 0.66, h * 0.5), ink(120, 70, 170));
    p.restore();
    drawPencil(p, QPointF(r.left() + w * 0.1, r.top() + h * 0.88), w * 0.82, -8);
}

void drawIsland(QPainter &p, QPointF centre, qreal size)
{
    QPainterPath rock;
    rock.moveTo(centre + QPointF(-size, 0));
    rock.lineTo(centre + QPointF(size, 0));
    rock.quadTo(centre + QPointF(size * 0.5, size * 0.5), centre + QPointF(0, size * 1.1));
    rock.quadTo(centre + QPointF(-size * 0.5, size * 0.5), centre + QPointF(-size, 0));
    p.setPen(QPen(ink(100, 70, 40), size * 0.08));
    p.setBrush(ink(160, 110, 60));
    p.drawPath(rock);
    p.setBrush(ink(70, 170, 70));
    p.drawRoundedRect(QRectF(centre + QPointF(-size * 1.05, -size * 0.22), QSizeF(size * 2.1, size * 0.3)), size * 0.15,
                      size * 0.15);
    p.setPen(QPen(ink(110, 80, 40), size * 0.12));
    p.drawLine(centre + QPointF(size * 0.3, -size * 0.2), centre + QPointF(size * 0.3, -size * 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(ink(40, 140, 60));
    p.drawEllipse(centre + QPointF(size * 0.3, -size * 0.9), size * 0.35, size * 0.25);
}

void drawGlobe(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QPointF c(r.left() + w * 0.5, r.top() + h * 0.52);
    const qreal radius = w * 0.32;
    p.setPen(QPen(ink(30, 80, 150), w * 0.012));
    p.setBrush(ink(90, 160, 230));
    p.drawEllipse(c, radius, radius);
    p.save();
    QPainterPath sphere;
    sphere.addEllipse(c, radius, radius);
    p.setClipPath(sphere);
    p.setBrush(ink(80, 170, 90));
    p.setPen(Qt::NoPen);
    QPainterPath land;
    land.moveTo(c + QPointF(-radius * 0.7, -radius * 0.3));
    land.cubicTo(c + QPointF(-radius * 0.2, -radius * 0.9), c + QPointF(radius * 0.2, -radius * 0.2),
                 c + QPointF(-radius * 0.1, radius * 0.2));
    land.cubicTo(c + QPointF(-radius * 0.4, radius * 0.6), c + QPointF(-radius * 0.9, radius * 0.2),
                 c + QPointF(-radius * 0.7, -radius * 0.3));
    p.drawPath(land);
    p.drawEllipse(c + QPointF(radius * 0.5, radius * 0.35), radius * 0.3, radius * 0.22);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink(230, 240, 255), w * 0.008));
    for (qreal k : {0.35, 0.7})
        p.drawEllipse(c, radius * k, radius);
    for (qreal y : {-0.5, 0.0, 0.5})
        p.drawLine(c + QPointF(-radius, radius * y), c + QPointF(radius, radius * y));
    p.restore();
    drawIsland(p, QPointF(r.left() + w * 0.12, r.top() + h * 0.16), w * 0.09);
    drawIsland(p, QPointF(r.left() + w * 0.88, r.top() + h * 0.24), w * 0.07);
    drawIsland(p, QPointF(r.left() + w * 0.84, r.top() + h * 0.9), w * 0.08);
    drawIsland(p, QPointF(r.left() + w * 0.14, r.top() + h * 0.86), w * 0.06);
}

void drawMarks(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    QPen pen(ink(200, 60, 140), w * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath question;
    const QPointF q(r.left() + w * 0.38, r.top() + h * 0.3);
    question.moveTo(q + QPointF(-w * 0.16, 0));
    question.cubicTo(q + QPointF(-w * 0.16, -h * 0.2), q + QPointF(w * 0.16, -h * 0.2), q + QPointF(w * 0.16, 0));
    question.cubicTo(q + QPointF(w * 0.16, h * 0.12), q + QPointF(0, h * 0.1), q + QPointF(0, h * 0.3));
    p.drawPath(question);
    p.setPen(Qt::NoPen);
    p.setBrush(ink(200, 60, 140));
    p.drawEllipse(q + QPointF(0, h * 0.48), w * 0.06, w * 0.06);
    p.setBrush(ink(60, 120, 220));
    const qreal x = r.left() + w * 0.76;
    QPainterPath bar;
    bar.moveTo(x - w * 0.08, r.top() + h * 0.08);
    bar.lineTo(x + w * 0.08, r.top() + h * 0.08);
    bar.lineTo(x + w * 0.03, r.top() + h * 0.66);
    bar.lineTo(x - w * 0.03, r.top() + h * 0.66);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(x, r.top() + h * 0.8), w * 0.06, w * 0.06);
}

void drawBooks(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const qreal shelf = r.top() + h * 0.9;
    struct Standing {
        qreal left, width, height;
        QColor colour;
    };
    const Standing books[] = {{0.06, 0.13, 0.62, ink(40, 90, 170)},
                              {0.19, 0.1, 0.7, ink(190, 60, 50)},
                              {0.29, 0.15, 0.55, ink(40, 140, 80)},
                              {0.44, 0.11, 0.66, ink(230, 160, 40)},
                              {0.55, 0.12, 0.5, ink(120, 70, 170)}};
    p.setPen(QPen(ink(60, 50, 40), w * 0.01));
    for (const Standing &b : books) {
        const QRectF spine(r.left() + w * b.left, shelf - h * b.height, w * b.width, h * b.height);
        p.setBrush(b.colour);
        p.drawRect(spine);
        p.save();
        p.setPen(QPen(b.colour.lighter(150), w * 0.012));
        for (qreal y : {0.12, 0.86})
            p.drawLine(QPointF(spine.left() + spine.width() * 0.15, spine.top() + spine.height() * y),
                       QPointF(spine.right() - spine.width() * 0.15, spine.top() + spine.height() * y));
        p.restore();
    }
    // One book leans on the others.
    p.save();
    p.translate(r.left() + w * 0.92, shelf);
    p.rotate(-20);
    p.setBrush(ink(60, 160, 170));
    p.drawRect(QRectF(-w * 0.13, -h * 0.6, w * 0.13, h * 0.6));
    p.restore();
    p.setBrush(ink(140, 100, 60));
    p.drawRect(QRectF(r.left(), shelf, w, h * 0.05));
}

void drawCakeSlice(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QPointF tip(r.left() + w * 0.08, r.top() + h * 0.62);
    const QPointF backTop(r.left() + w * 0.86, r.top() + h * 0.34), frontTop(r.left() + w * 0.62, r.top() + h * 0.5);
    const qreal depth = h * 0.34;
    p.setPen(QPen(ink(120, 70, 40), w * 0.012));
    // The side with its layers.
    QPainterPath side;
    side.moveTo(tip);
    side.lineTo(frontTop);
    side.lineTo(frontTop + QPointF(0, depth));
    side.lineTo(tip + QPointF(0, depth));
    side.closeSubpath();
    p.setBrush(ink(240, 210, 160));
    p.drawPath(side);
    p.setBrush(ink(230, 120, 150));
    for (qreal k : {0.33, 0.66}) {
        QPainterPath layer;
        layer.moveTo(tip + QPointF(0, depth * k));
        layer.lineTo(frontTop + QPointF(0, depth * k));
        layer.lineTo(frontTop + QPointF(0, depth * k + depth * 0.08));
        layer.lineTo(tip + QPointF(0, depth * k + depth * 0.08));
        layer.closeSubpath();
        p.drawPath(layer);
    }
    // The back, then the iced top.
    QPainterPath back;
    back.moveTo(frontTop);
    back.lineTo(backTop);
    back.lineTo(backTop + QPointF(0, depth));
    back.lineTo(frontTop + QPointF(0, depth));
    back.closeSubpath();
    p.setBrush(ink(200, 150, 100));
    p.drawPath(back);
    QPainterPath top;
    top.moveTo(tip);
    top.lineTo(backTop);
    top.lineTo(frontTop);
    top.closeSubpath();
    p.setBrush(ink(255, 245, 250));
    p.drawPath(top);
    p.setBrush(ink(210, 30, 50));
    p.drawEllipse(QPointF(r.left() + w * 0.66, r.top() + h * 0.36), w * 0.06, w * 0.06);
    p.setBrush(Qt::NoBrush);
    QPainterPath stalk;
    stalk.moveTo(r.left() + w * 0.66, r.top() + h * 0.31);
    stalk.quadTo(QPointF(r.left() + w * 0.68, r.top() + h * 0.22), QPointF(r.left() + w * 0.74, r.top() + h * 0.2));
    p.drawPath(stalk);
}

} // namespace

void drawFaded(QPainter &p, Drawing drawing, const QRectF &square)
{
    using Draw = void (*)(QPainter &, const QRectF &);
    static constexpr Draw drawings[] = {
        drawBooksAndPencil, drawOpenBookWithGlasses, drawCup, drawBookAndPencil, drawGlobe, drawMarks, drawBooks,
        drawCakeSlice};
    p.save();
    p.setOpacity(0.15);
    drawings[int(drawing)](p, square);
    p.restore();
}

} // namespace reference
