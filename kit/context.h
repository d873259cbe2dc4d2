#pragma once
// The running program as a whole: what belongs to no single window. main()
// owns the one context; the windows, the dispatch of handlers and the frame
// reach it through Context::current(). Tests build a fresh context for every
// test function and replace its hooks (notices, the end of the program, the
// answer to a programming fault).

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

class QApplication;

namespace numtext {
class NoticePresenter;
}

namespace app {

// Told when each event handler begins and ends (exploratory tests count and
// time them, benchmarks check that a button runs one). Handlers may nest: a
// handler that closes a window runs that window's close request inside it.
class HandlerObserver {
public:
    virtual ~HandlerObserver() = default;
    virtual void handlerBegins() = 0;
    virtual void handlerEnds() = 0;
};

// A window of the program: its name (its objectName and class name) and how
// it is built.
struct WindowKind {
    const char *name;
    QWidget *(*make)();
};

// Every window of the program.
const std::vector<WindowKind> &windowKinds();

class Context {
public:
    // Fonts, right-to-left layout, Qt's own words in Arabic, the notice boxes
    // and the end of the program. One context at a time.
    explicit Context(QApplication &application);
    // Destroys every window and every kept value.
    ~Context();
    Context(const Context &) = delete;
    Context &operator=(const Context &) = delete;

    // The context of the running program; there must be one.
    static Context &current();
    // The same, or nullptr when none exists.
    static Context *instance();

    // Shows the main menu, the only window opened at start.
    void start();

    // Who presents notices from now on (not owned); nullptr restores the
    // message boxes.
    void setNoticePresenter(numtext::NoticePresenter *presenter);

    // Ends the program at once: no window is asked to close. Tests count the
    // ends instead; an empty function restores the real end.
    void endProgram();
    void setProgramEnd(std::function<void()> end);

    // What happens when a handler throws something that no rule of the
    // program throws. By default the message goes to standard error and the
    // pupil sees the internal-fault notice; tests fail at once instead.
    using FaultHandler = std::function<void(const QString &message)>;
    void setFaultHandler(FaultHandler handler);
    const FaultHandler &faultHandler() const;

    // Not owned; nullptr for none.
    void setHandlerObserver(HandlerObserver *observer);
    HandlerObserver *handlerObserver() const;

    // A value of type T that belongs to the program rather than to a window's
    // controls: it outlives the close of the window that uses it.
    template <class T> T &kept()
    {
        auto &slot = keptSlot(std::type_index(typeid(T)));
        if (!slot)
            slot = std::make_shared<T>();
        return *std::static_pointer_cast<T>(slot);
    }

private:
    friend class Windows;
    std::shared_ptr<void> &keptSlot(std::type_index type);
    // The windows that exist, by name (the registry's table).
    QHash<QString, QPointer<QWidget>> &liveWindows();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace app
