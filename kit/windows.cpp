#include "kit/windows.h"

#include "kit/context.h"

#include <QtGlobal>

namespace app {

namespace {
QWidget *(*makerOf(const QString &name))()
{
    for (const WindowKind &kind : Context::current().windowKinds()) {
        if (name == QLatin1String(kind.name))
            return kind.make;
    }
    return nullptr;
}

// A name that no window answers to is a fault of the caller: a debug build
// stops at once; a release build finds no window.
bool known(const QString &name)
{
    const bool found = makerOf(name) != nullptr;
    Q_ASSERT_X(found, "Windows", qPrintable(QStringLiteral("no window of the program is called ") + name));
    return found;
}
} // namespace

QStringList Windows::names()
{
    QStringList all;
    for (const WindowKind &kind : Context::current().windowKinds())
        all << QString::fromLatin1(kind.name);
    all.sort();
    return all;
}

QString Windows::mainMenu() { return QString::fromLatin1(Context::current().windowKinds().front().name); }

QWidget *Windows::get(const QString &name)
{
    if (!known(name))
        return nullptr;
    auto &windows = Context::current().liveWindows();
    if (QWidget *w = windows.value(name).data())
        return w;
    QWidget *w = makerOf(name)();
    Q_ASSERT_X(w->objectName() == name, "Windows::get", "a window is named after its class");
    windows.insert(name, w);
    return w;
}

QWidget *Windows::find(const QString &name)
{
    return known(name) ? Context::current().liveWindows().value(name).data() : nullptr;
}

void Windows::show(QWidget *w)
{
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

QWidget *Windows::show(const QString &name)
{
    QWidget *w = get(name);
    if (w)
        show(w);
    return w;
}

void Windows::release(QWidget *window)
{
    Context *context = Context::instance();
    if (!context)
        return;
    auto &windows = context->liveWindows();
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        if (it.value() == window) {
            windows.erase(it);
            return;
        }
    }
}

void Windows::reset()
{
    auto &live = Context::current().liveWindows();
    const auto windows = live;
    live.clear();
    for (const auto &w : windows)
        delete w.data();
}

} // namespace app
