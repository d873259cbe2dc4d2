#pragma once
// The window registry: every window exists at most once. It is built on its
// first reference and afterwards shown and hidden with its state; a window
// closed for good is released and the next reference builds it afresh.
// Values a window keeps apart from its controls live here too and survive
// such a close.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <typeindex>

namespace app {

class Windows {
public:
    using Factory = std::function<QWidget *()>;

    // Makes a window known by its name (the objectName it will carry).
    static void add(const QString &name, Factory factory);
    // The names of every known window.
    static QStringList names();

    // The window, built first if it does not exist; nullptr for a name that
    // no window answers to yet.
    static QWidget *get(const QString &name);
    // The window if it exists, without building it.
    static QWidget *find(const QString &name);

    template <class T> static T *get() { return static_cast<T *>(get(nameOf<T>())); }
    template <class T> static T *find() { return static_cast<T *>(find(nameOf<T>())); }

    // Shows a window (building it if needed), restores it from minimized and
    // brings it forward.
    static QWidget *show(const QString &name);

    // Forgets a window that is being destroyed.
    static void release(QWidget *window);

    // Destroys every window and every kept value (end of the program, tests).
    static void reset();

    // A value of type T that belongs to the program rather than to a
    // window's controls.
    template <class T> static T &kept()
    {
        auto &slot = keptSlot(std::type_index(typeid(T)));
        if (!slot)
            slot = std::make_shared<T>();
        return *std::static_pointer_cast<T>(slot);
    }

private:
    template <class T> static QString nameOf() { return QString::fromLatin1(T::staticMetaObject.className()); }
    static std::shared_ptr<void> &keptSlot(std::type_index type);
};

} // namespace app
