#include "algebra/look.h"

#include "app/window.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <functional>

namespace algebra {

namespace {
constexpr qreal SmallestPoints = 7;

// Steps the font down while the text does not fit.
void shrink(QWidget *control, const std::function<bool(const QFontMetrics &)> &fits)
{
    QFont f = control->font();
    while (!fits(QFontMetrics(f)) && f.pointSizeF() - 0.5 >= SmallestPoints)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    control->setFont(f);
}
} // namespace

QFont boldFont(qreal points)
{
    QFont f = app::interfaceFont();
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

QLineEdit *headingBox(QWidget *parent, const QString &text)
{
    QLineEdit *box = app::headingLine(parent, "la22", {120, 1320, 4575, 375}, text);
    box->setStyleSheet(QStringLiteral("background: white; color: #0a3ca8;"));
    fitText(box);
    return box;
}

QLabel *wrappedLabel(QWidget *parent, const char *name, const QString &text, app::Tw at)
{
    QLabel *l = app::label(parent, name, text, at);
    l->setWordWrap(true);
    fitText(l);
    return l;
}

void setTextColour(QWidget *control, const char *colour)
{
    control->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
}

void area(QWidget *parent, app::Tw at)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(app::twips(at.x, at.y, at.w, at.h));
    f->lower();
}

void fitText(QLineEdit *box)
{
    // The frame and the text margins of the box on both sides.
    const int room = box->width() - 12;
    shrink(box, [&](const QFontMetrics &m) { return m.horizontalAdvance(box->text()) <= room; });
}

void fitText(QLabel *label)
{
    const QRect room = label->contentsRect();
    shrink(label, [&](const QFontMetrics &m) {
        return m.boundingRect(room, Qt::TextWordWrap | int(label->alignment()), label->text()).height() <= room.height();
    });
}

} // namespace algebra
