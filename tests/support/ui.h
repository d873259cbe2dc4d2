#pragma once
// Driving real widgets by their names, as a user would.

#include "kit/windows.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <type_traits>

namespace ui {

// The stand-ins made for missing controls of no window.
QList<QPointer<QWidget>> &standIns();

// The window of that name when it is open. A name no window of the program
// has fails the running test.
inline QWidget *window(const char *name)
{
    const QString n = QString::fromLatin1(name);
    if (!app::Windows::names().contains(n)) {
        QTest::qFail(qPrintable(QStringLiteral("no window of the program is called %1").arg(n)), __FILE__, __LINE__);
        return nullptr;
    }
    return app::Windows::find(n);
}

// A stand-in for a control that is not there, once the running test has been
// failed for it: hidden and disabled, so that no click reaches it and the
// test goes on to its next check instead of crashing. It goes with the window,
// or at the next settle() when there is no window.
template <class T> T *missing(QWidget *window, const char *name)
{
    QTest::qFail(qPrintable(QStringLiteral("no control %1 in %2")
                                .arg(QString::fromLatin1(name),
                                     window ? window->objectName() : QStringLiteral("(no window)"))),
                 __FILE__, __LINE__);
    using Made = std::conditional_t<std::is_abstract_v<T>, QPushButton, T>;
    static_assert(std::is_base_of_v<T, Made>, "no stand-in for this kind of control");
    // A control of the program's own kind that cannot be made apart has none.
    if constexpr (!std::is_constructible_v<Made, QWidget *>) {
        return nullptr;
    } else {
        auto *standIn = new Made(window);
        standIn->hide();
        standIn->setEnabled(false);
        if (!window)
            standIns().append(standIn);
        return standIn;
    }
}

// The control of a window by its name. A missing control fails the running
// test (the test goes on with a hidden stand-in, whose checks fail too).
template <class T = QWidget> T *control(QWidget *window, const char *name)
{
    T *c = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    return c ? c : missing<T>(window, name);
}

// The control of a window by their names.
template <class T = QWidget> T *control(const char *windowName, const char *name)
{
    return control<T>(window(windowName), name);
}

// A click as the user makes it: only on a shown and enabled control.
inline bool click(QWidget *w)
{
    if (!w || !w->isVisible() || !w->isEnabled())
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
inline bool closeBox(const char *windowName)
{
    QWidget *w = window(windowName);
    return w && w->close();
}

// Does what the actions say, as the pupil would: "Name" clicks a control,
// "Name=text" types into a box. A box the chosen option leaves disabled
// cannot be typed into: its text stands for one typed there earlier. False
// (and the test failed) when a control could not be clicked.
inline bool act(const char *windowName, const QStringList &actions)
{
    for (const QString &action : actions) {
        const qsizetype equals = action.indexOf(u'=');
        if (equals < 0) {
            if (!click(windowName, qPrintable(action)))
                return QTest::qVerify(false, qPrintable(action), "could not be clicked", __FILE__, __LINE__);
            continue;
        }
        auto *box = control<QLineEdit>(windowName, qPrintable(action.left(equals)));
        if (box->isEnabled())
            type(box, action.mid(equals + 1));
        else
            box->setText(action.mid(equals + 1));
    }
    return true;
}

// What is wrong with a button placed on a window's banner (Picture1): empty
// when the banner holds it whole, a click at its centre reaches it, and no
// other control of the window, shown or hidden, overlaps it.
inline QString bannerButtonFault(QWidget *window, QWidget *button)
{
    QWidget *banner = control(window, "Picture1");
    if (!banner)
        return QStringLiteral("no banner");
    if (!banner->geometry().contains(button->geometry()))
        return QStringLiteral("outside the banner");
    if (window->childAt(button->geometry().center()) != button)
        return QStringLiteral("its centre reaches another control");
    for (QWidget *other : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != button && other != banner && !other->isWindow()
            && other->geometry().intersects(button->geometry()))
            return QStringLiteral("overlaps ") + other->objectName();
    }
    return {};
}

// Lets deferred deletions happen; drops the stand-ins of no window.
void settle();

} // namespace ui
