#include "kit/controls.h"

#include "kit/speech.h"
#include "kit/window.h"

#include <QColor>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace app {

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

Option::Option(const QString &text, QWidget *parent) : QRadioButton(text, parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on && !quiet_)
            emit chosen();
    });
    connect(this, &QAbstractButton::clicked, this, &Option::chosen);
}

void Option::setMarked(bool marked)
{
    const bool wasQuiet = std::exchange(quiet_, true);
    setChecked(marked);
    quiet_ = wasQuiet;
}

void Option::nextCheckState()
{
    const bool wasQuiet = std::exchange(quiet_, true);
    QRadioButton::nextCheckState();
    quiet_ = wasQuiet;
}

void Option::keyPressEvent(QKeyEvent *event)
{
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down || event->key() == Qt::Key_Left
                       || event->key() == Qt::Key_Right;
    if (arrow && (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier)) {
        event->ignore();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

// One family each, so that Qt looks for a fallback face only when a text
// needs a character the Arabic face lacks, not before every first paint.
// The sans-serif hint makes that fallback DejaVu Sans (Latin letters, signs)
// under any locale. Unhinted: the glyphs are
// drawn as designed, without the autohinter's pass over each glyph and face.
QFont interfaceFont()
{
    QFont f;
    f.setFamily(QStringLiteral("Noto Sans Arabic UI"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.5);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont headingFont()
{
    QFont f;
    f.setFamily(QStringLiteral("Noto Naskh Arabic UI"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(12);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void textColour(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    w->setPalette(p);
}

namespace {
QRect rectOf(Tw at) { return twips(at.x, at.y, at.w, at.h); }

template <class T> T *place(T *w, const char *name, Tw at)
{
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(rectOf(at));
    return w;
}

// A caption stretched with ـ is heard without it (a screen reader spells the
// stretched word out letter by letter); the caption shows it as written.
void hearWithoutStretching(QWidget *w, const QString &text)
{
    const QString heard = withoutStretching(text);
    if (heard != text && w->accessibleName().isEmpty())
        w->setAccessibleName(heard);
    const QString tip = w->toolTip();
    if (!tip.isEmpty() && withoutStretching(tip) != tip)
        w->setAccessibleDescription(withoutStretching(tip));
}

void prepareLabel(QLabel *l, Tw at, const QString &tip)
{
    l->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    if (!tip.isNull())
        l->setToolTip(tip);
    // A label never clips its own line: it is at least one line high.
    QRect r = rectOf(at);
    r.setHeight(std::max(r.height(), l->fontMetrics().height()));
    l->setGeometry(r);
}

void prepareEdit(QLineEdit *e, const QString &caption, const QString &text)
{
    e->setAlignment(Qt::AlignCenter);
    e->setText(text);
    e->setCursorPosition(0);
    if (!caption.isEmpty())
        e->setAccessibleName(caption);
}
} // namespace

QLabel *label(QWidget *parent, const char *name, const QString &text, Tw at, const QString &tip)
{
    auto *l = place(new QLabel(text, parent), name, at);
    prepareLabel(l, at, tip);
    hearWithoutStretching(l, text);
    return l;
}

ClickLabel *clickLabel(QWidget *parent, const char *name, const QString &text, Tw at, const QString &tip)
{
    auto *l = place(new ClickLabel(text, parent), name, at);
    prepareLabel(l, at, tip);
    hearWithoutStretching(l, text);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, Tw at, const QString &tip)
{
    auto *b = place(new QPushButton(text, parent), name, at);
    if (!tip.isNull())
        b->setToolTip(tip);
    b->setAutoDefault(false);
    hearWithoutStretching(b, text);
    return b;
}

Option *option(QWidget *parent, const char *name, const QString &text, Tw at)
{
    auto *o = place(new Option(text, parent), name, at);
    hearWithoutStretching(o, text);
    return o;
}

QLineEdit *edit(QWidget *parent, const char *name, Tw at, const QString &caption, const QString &text)
{
    auto *e = place(new QLineEdit(parent), name, at);
    prepareEdit(e, caption, text);
    return e;
}

QLineEdit *readOnlyEdit(QWidget *parent, const char *name, Tw at, const QString &caption, const QString &text)
{
    auto *e = edit(parent, name, at, caption, text);
    e->setReadOnly(true);
    return e;
}

QLineEdit *headingLine(QWidget *parent, const char *name, Tw at, const QString &text)
{
    // A fixed line speaks its own text; a heading that changes is named by its
    // role, and its value is read out with it.
    auto *e = readOnlyEdit(parent, name, at, text.isEmpty() ? QStringLiteral("عنوان الحساب") : text, text);
    e->setFont(headingFont());
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QFrame *rectangle(QWidget *parent, Tw at, const char *name)
{
    auto *f = new QFrame(parent);
    if (name)
        f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->setGeometry(rectOf(at));
    f->lower();
    return f;
}

void shrinkFont(QWidget *control, const std::function<bool(const QFontMetrics &)> &fits)
{
    constexpr qreal Smallest = 7;
    QFont f = control->font();
    while (!fits(QFontMetrics(f)) && f.pointSizeF() - 0.5 >= Smallest)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    control->setFont(f);
}

void fitWidth(QWidget *control, const QString &text, int room)
{
    shrinkFont(control, [&](const QFontMetrics &m) { return m.horizontalAdvance(text) <= room; });
}

void tabOrder(std::initializer_list<QWidget *> chain)
{
    QWidget *previous = nullptr;
    for (QWidget *w : chain) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace app
