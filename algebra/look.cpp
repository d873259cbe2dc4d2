#include "algebra/look.h"

#include "kit/window.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>


namespace algebra {

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

void fitText(QLineEdit *box)
{
    // The frame and the text margins of the box on both sides.
    app::fitWidth(box, box->text(), box->width() - 12);
}

void fitText(QLabel *label)
{
    const QRect room = label->contentsRect();
    app::shrinkFont(label, [&](const QFontMetrics &m) {
        return m.boundingRect(room, Qt::TextWordWrap | int(label->alignment()), label->text()).height()
               <= room.height();
    });
}

} // namespace algebra
