#include "kit/banner.h"

#include "kit/controls.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace app {

Banner::Banner(QWidget *parent, const char *name, const QRect &at, const QString &word, Face face)
    : QWidget(parent), word_(word), face_(face)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(at);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (!word.isEmpty())
        setAccessibleName(word);
}

void Banner::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

namespace {

void drawCalculator(QPainter &p, const QRectF &box)
{
    const qreal w = box.width(), h = box.height();
    p.setPen(QPen(QColor(20, 40, 80), std::max<qreal>(1.0, w / 30)));
    p.setBrush(QColor(236, 240, 246));
    p.drawRoundedRect(box, w * 0.12, w * 0.12);
    const QRectF screen(box.left() + w * 0.14, box.top() + h * 0.1, w * 0.72, h * 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 200, 150));
    p.drawRoundedRect(screen, w * 0.04, w * 0.04);
    const qreal keyW = w * 0.72 / 3, keyH = h * 0.52 / 4;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QRectF key(box.left() + w * 0.14 + c * keyW + keyW * 0.1,
                             box.top() + h * 0.38 + r * keyH + keyH * 0.12, keyW * 0.8, keyH * 0.76);
            p.setBrush(r == 3 && c == 2 ? QColor(230, 120, 40) : QColor(70, 90, 130));
            p.drawRoundedRect(key, keyW * 0.15, keyW * 0.15);
        }
    }
}

void drawGear(QPainter &p, const QPointF &centre, qreal radius)
{
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal r = (i % 2 == 0) ? radius : radius * 0.78;
        const qreal a0 = (i - 0.5) * M_PI / teeth, a1 = (i + 0.5) * M_PI / teeth;
        const QPointF p0 = centre + QPointF(r * qCos(a0), r * qSin(a0));
        const QPointF p1 = centre + QPointF(r * qCos(a1), r * qSin(a1));
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, radius * 0.32, radius * 0.32);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(QColor(120, 90, 10), std::max<qreal>(1.0, radius / 14)));
    p.setBrush(QColor(250, 200, 60));
    p.drawPath(gear);
}

} // namespace

namespace {

// The side of the calculator's and the gear's squares in a band.
qreal pictureSide(const QRectF &r) { return std::min(r.height() * 0.78, r.width() * 0.2); }

QRectF calculatorBox(const QRectF &r)
{
    const qreal side = pictureSide(r);
    return QRectF(r.left() + r.height() * 0.14, r.center().y() - side / 2, side * 0.72, side);
}

QPointF gearCentre(const QRectF &r)
{
    return QPointF(r.right() - r.height() * 0.14 - pictureSide(r) / 2, r.center().y());
}

} // namespace

// The room between the calculator and the gear.
QRectF Banner::wordRoom() const
{
    const QRectF r = rect();
    const qreal side = pictureSide(r), gap = side * 0.12;
    return QRectF(QPointF(calculatorBox(r).right() + gap, r.top()),
                  QPointF(gearCentre(r).x() - side / 2 - gap, r.bottom()));
}

// The word is set in its face at the size the window already shows it in,
// and the painter scales it to the band: the advance grows with the size to
// within a thousandth. Drawing at the band's size would load the face at
// that size (a font match and a glyph set of its own) before the first
// paint.
Banner::WordFit Banner::wordFit() const
{
    // An Arabic word in the heading face unless the window asks for its own;
    // a Latin one (the product's name) in the interface font's Latin face,
    // which the window has loaded.
    const QFont f = word_.isRightToLeft() && face_ == Face::Heading ? headingFont() : interfaceFont();
    const QFontMetricsF own(f, this);
    const qreal ownSize = std::max(1, QFontInfo(f).pixelSize());
    int size = std::max(8, int(height() * 0.42));
    // The word fills the room between the calculator and the gear.
    const qreal wide = own.horizontalAdvance(word_) * size / ownSize;
    const qreal room = wordRoom().width();
    if (wide > room)
        size = std::max(8, int(size * room / wide));
    const qreal scale = size / ownSize;
    return {f, size, scale, own.horizontalAdvance(word_) * scale, own.ascent() * scale, own.descent() * scale};
}

QFont Banner::wordFont() const
{
    const WordFit fit = wordFit();
    QFont f = fit.font;
    f.setPixelSize(fit.pixelSize);
    return f;
}

void Banner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    QLinearGradient band(r.topLeft(), r.bottomLeft());
    band.setColorAt(0, QColor(40, 110, 200));
    band.setColorAt(1, QColor(15, 55, 130));
    p.fillRect(r, band);
    drawCalculator(p, calculatorBox(r));
    drawGear(p, gearCentre(r), pictureSide(r) / 2);

    if (!word_.isEmpty()) {
        const WordFit fit = wordFit();
        p.setFont(fit.font);
        p.setPen(Qt::white);
        p.setLayoutDirection(Qt::RightToLeft);
        // Centred by the scaled advance, ascent and descent.
        const QRectF room = wordRoom();
        p.translate(room.center().x() - fit.wide / 2, room.center().y() + (fit.ascent - fit.descent) / 2);
        p.scale(fit.scale, fit.scale);
        p.drawText(QPointF(0, 0), word_);
    }
}

} // namespace app
