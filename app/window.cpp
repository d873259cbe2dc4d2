#include "app/window.h"

#include "app/dispatch.h"
#include "app/windows.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace app {

Window::Window(const char *name, const QString &caption, int widthTwips, int heightTwips)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(px(widthTwips), px(heightTwips));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

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
