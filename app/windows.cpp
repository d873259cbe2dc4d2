#include "app/windows.h"

#include <QHash>
#include <QPointer>

#include <unordered_map>

namespace app {

namespace {
struct Registry {
    QHash<QString, Windows::Factory> factories;
    QHash<QString, QPointer<QWidget>> windows;
    std::unordered_map<std::type_index, std::shared_ptr<void>> kept;
};

Registry &registry()
{
    static Registry r;
    return r;
}
} // namespace

void Windows::add(const QString &name, Factory factory) { registry().factories.insert(name, std::move(factory)); }


QStringList Windows::names()
{
    QStringList all = registry().factories.keys();
    all.sort();
    return all;
}

QWidget *Windows::find(const QString &name) { return registry().windows.value(name).data(); }

QWidget *Windows::get(const QString &name)
{
    if (QWidget *w = find(name))
        return w;
    const auto factory = registry().factories.value(name);
    if (!factory)
        return nullptr;
    QWidget *w = factory();
    registry().windows.insert(name, w);
    return w;
}

QWidget *Windows::show(const QString &name)
{
    QWidget *w = get(name);
    if (!w)
        return nullptr;
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void Windows::release(QWidget *window)
{
    auto &windows = registry().windows;
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        if (it.value() == window) {
            windows.erase(it);
            return;
        }
    }
}

void Windows::reset()
{
    const auto windows = registry().windows;
    registry().windows.clear();
    for (const auto &w : windows)
        delete w.data();
    registry().kept.clear();
}

std::shared_ptr<void> &Windows::keptSlot(std::type_index type) { return registry().kept[type]; }

} // namespace app
