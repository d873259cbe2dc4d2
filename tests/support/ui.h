#pragma once
// Driving real widgets by their names, as a user would.

#include "kit/windows.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace ui {

inline QWidget *window(const char *name) { return app::Windows::find(QString::fromLatin1(name)); }

template <class T = QWidget> T *control(QWidget *window, const char *name)
{
    T *c = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!c)
        qFatal("no control %s in %s", name, window ? qPrintable(window->objectName()) : "(no window)");
    return c;
}

// The control of a window that exists (the test fails hard when it does not).
template <class T = QWidget> T *control(const char *windowName, const char *name)
{
    return control<T>(window(windowName), name);
}

// A click as the user makes it: only on a shown and enabled control.
inline bool click(QWidget *w)
{
    if (!w->isVisible() || !w->isEnabled())
        return false;
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    return true;
}

inline bool click(const char *windowName, const char *name) { return click(control(windowName, name)); }

// Types each character as a key press, Arabic letters and digits included.
inline void typeKeys(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Replaces the text of a box by typing, as the user would after selecting it.
inline void type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeKeys(box, text);
}

inline void type(const char *windowName, const char *name, const QString &text)
{
    type(control<QLineEdit>(windowName, name), text);
}

inline QString text(const char *windowName, const char *name)
{
    QWidget *w = control(windowName, name);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    return QString();
}

inline void pressEnter(QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }

// A close request through the window's close box.
inline bool closeBox(const char *windowName) { return window(windowName)->close(); }

// Lets deferred deletions happen.
void settle();

} // namespace ui
