#include "kit/window.h"

#include "kit/banner.h"
#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/speech.h"
#include "kit/windows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFocusFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace app {

namespace {

// A picture or a label that acts on a click: a screen reader presses it as a
// button (a framed panel) or follows it as a link, and hears its caption.
class ClickableAccessible : public QAccessibleWidget {
public:
    ClickableAccessible(QWidget *w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            if (auto *l = qobject_cast<QLabel *>(widget()))
                s = l->text();
        return withoutStretching(s);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        // After the call returns, as a button's press does, so that a notice
        // box the click raises does not hold up the screen reader.
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "clicked", Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }
};

// A window heard by its accessible name, or its title without the
// stretching character.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Window) {}
    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            s = widget()->windowTitle();
        return withoutStretching(s);
    }
};

// A ring in the highlight colour around the control that holds the focus,
// whatever its kind: the style marks some kinds only after a Tab, some not
// at all. Screen readers pass it by, as they do every focus frame.
class FocusMark : public QFocusFrame {
public:
    using QFocusFrame::QFocusFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *w = qobject_cast<Window *>(object))
        return new WindowAccessible(w);
    if (QAccessibleInterface *spoken = speechAccessible(object))
        return spoken;
    if (auto *banner = qobject_cast<Banner *>(object))
        return new ClickableAccessible(banner, QAccessible::Graphic);
    if (auto *label = qobject_cast<ClickLabel *>(object))
        return new ClickableAccessible(label, label->frameShape() == QFrame::NoFrame ? QAccessible::Link
                                                                                     : QAccessible::Button);
    return nullptr;
}

} // namespace

Window::Window(const char *name, const QString &caption, int widthTwips, int heightTwips)
{
    static const bool accessible = (QAccessible::installFactory(&accessibleFor), true);
    Q_UNUSED(accessible);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this && now != this) {
            if (!focusMark_)
                focusMark_ = new FocusMark(this);
            focusMark_->setWidget(now);
            focusMark_->show();
        } else if (focusMark_) {
            focusMark_->setWidget(nullptr);
            focusMark_->hide();
        }
    });
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(px(widthTwips), px(heightTwips));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
}

Window::~Window() { disconnect(qApp, &QApplication::focusChanged, this, nullptr); }

void Window::setDefaultButton(QPushButton *button)
{
    if (defaultButton_ == button)
        return;
    if (defaultButton_)
        defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (button)
        button->setDefault(true);
}

void Window::Form_QueryUnload(bool &) {}

void Window::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Escape && escapeButton_ && escapeButton_->isVisible()
            && escapeButton_->isEnabled()) {
            event->accept();
            escapeButton_->click();
            return;
        }
        if (moveAlongOptions(event->key())) {
            event->accept();
            return;
        }
    }
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A focused button takes Enter for itself, as it takes Space.
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (!button || !button->isVisible() || !button->isEnabled())
        button = defaultButton_;
    if (button && button->isVisible() && button->isEnabled())
        button->click();
}

namespace {
// The options of the list that holds the option, in the order of the list.
QList<QRadioButton *> listOf(const QRadioButton *option)
{
    QList<QRadioButton *> list;
    if (QButtonGroup *group = option->group()) {
        for (QAbstractButton *b : group->buttons())
            if (auto *o = qobject_cast<QRadioButton *>(b))
                list << o;
    } else if (option->autoExclusive() && option->parentWidget()) {
        for (auto *o : option->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
            if (o->autoExclusive())
                list << o;
    }
    return list;
}
} // namespace

bool Window::isTabStop(const QWidget *w) const
{
    const bool takesTab = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus
                          || (qobject_cast<const QRadioButton *>(w) && w->focusPolicy() != Qt::NoFocus);
    if (w == this || !takesTab || w->window() != this || !w->isEnabled() || !w->isVisibleTo(this) || w->focusProxy())
        return false;
    // A list of options is one stop: its chosen option, or its first one
    // while none is chosen.
    const auto *option = qobject_cast<const QRadioButton *>(w);
    if (!option)
        return true;
    const auto reachable = [this](const QRadioButton *o) {
        return o->focusPolicy() != Qt::NoFocus && o->isEnabled() && o->isVisibleTo(this);
    };
    const QList<QRadioButton *> list = listOf(option);
    for (const QRadioButton *o : list)
        if (o->isChecked() && reachable(o))
            return o == option;
    for (const QRadioButton *o : list)
        if (reachable(o))
            return o == option;
    return true;
}

bool Window::focusNextPrevChild(bool next)
{
    QWidget *start = focusWidget() ? focusWidget() : this;
    for (QWidget *w = start;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == start)
            return isTabStop(start);
        if (isTabStop(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

bool Window::moveAlongOptions(int key)
{
    auto *current = qobject_cast<QRadioButton *>(focusWidget());
    if (!current)
        return false;
    bool forward = false;
    switch (key) {
    case Qt::Key_Down:
        forward = true;
        break;
    case Qt::Key_Up:
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Left reads on in a right-to-left window.
        forward = (key == Qt::Key_Left) == (layoutDirection() == Qt::RightToLeft);
        break;
    default:
        return false;
    }
    const QList<QRadioButton *> list = listOf(current);
    for (QWidget *w = current;;) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == current)
            return false;
        auto *other = qobject_cast<QRadioButton *>(w);
        if (other && list.contains(other) && other->focusPolicy() != Qt::NoFocus && other->isEnabled()
            && other->isVisibleTo(this)) {
            // Moving is choosing, as a click chooses; the option is chosen
            // when it takes the focus, and a screen reader says so at once.
            other->click();
            other->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

void Window::showEvent(QShowEvent *event)
{
    // The control given the focus before the window first opens is where the
    // focus goes back whenever the window opens without one.
    if (!firstFocus_)
        firstFocus_ = focusWidget();
    QWidget *focus = focusWidget();
    // An option first focused stands for its list: the focus goes to the
    // list's stop.
    QWidget *first = firstFocus_;
    if (auto *option = qobject_cast<QRadioButton *>(first))
        for (QRadioButton *o : listOf(option))
            if (isTabStop(o))
                first = o;
    if ((!focus || !isTabStop(focus)) && first && isTabStop(first))
        first->setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

void Window::hideEvent(QHideEvent *event)
{
    // The button that left the window does not keep Enter for itself when
    // the window comes back: Enter goes to the default button again.
    if (qobject_cast<QPushButton *>(focusWidget()))
        focusWidget()->clearFocus();
    QWidget::hideEvent(event);
}

void Window::closeEvent(QCloseEvent *event)
{
    bool cancel = false;
    run([&] { Form_QueryUnload(cancel); });
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    if (destroyedOnClose_) {
        Windows::release(this);
        deleteLater();
    }
}

} // namespace app
