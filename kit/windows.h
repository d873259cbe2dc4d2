#pragma once
// The window registry: every window exists at most once. It is built on its
// first reference and afterwards shown and hidden with its state; a window
// closed for good is released and the next reference builds it afresh.
//
// The windows are the kinds in the context's table (Context::windowKinds),
// which the application fills; the registry builds nothing else. Windows are
// referred to by their type, Windows::show<Form3>(), or by their name where a
// window must not know the other's type. A name must be the name of a window
// of the program; any other name stops a debug build at once.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <type_traits>

namespace app {

class Windows {
public:
    // The window, built first if it does not exist.
    template <class T> static T *get()
    {
        static_assert(std::is_base_of_v<QWidget, T>);
        return qobject_cast<T *>(get(nameOf<T>()));
    }
    // The window if it exists, without building it.
    template <class T> static T *find() { return qobject_cast<T *>(find(nameOf<T>())); }
    // Shows the window (building it if needed), restores it from minimized
    // and brings it forward.
    template <class T> static T *show()
    {
        T *w = get<T>();
        show(static_cast<QWidget *>(w));
        return w;
    }
    // Shows a window that exists, as above.
    static void show(QWidget *window);

    // The same by name.
    static QWidget *get(const QString &name);
    static QWidget *find(const QString &name);
    static QWidget *show(const QString &name);
    // The names of every window of the program.
    static QStringList names();
    // The name of the main menu.
    static QString mainMenu();

    // Forgets a window that is being destroyed.
    static void release(QWidget *window);
    // Destroys every window (the end of the program's context).
    static void reset();

private:
    template <class T> static QString nameOf() { return QString::fromLatin1(T::staticMetaObject.className()); }
};

// A window type as a plain function that gives the window, built if needed
// (the main menu's sections).
using WindowRef = QWidget *(*)();
template <class T> QWidget *windowOf() { return Windows::get<T>(); }

} // namespace app
