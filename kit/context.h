#pragma once
// The running program as a whole: what belongs to no single window. The
// application builds the one context with the table of its windows (app/);
// the windows, the dispatch of handlers and the frame reach it through
// Context::current(). Tests build a fresh context for every test function and
// replace its hooks (notices, the end of the program, the answer to a
// programming fault).

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <typeinfo>
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

class Context {
public:
    // Fonts, right-to-left layout, Qt's own words in Arabic, the notice boxes
    // and the end of the program. The windows are the given kinds, the first
    // of them the main menu. One context at a time.
    Context(QApplication &application, std::vector<WindowKind> windows);
    // Destroys every window.
    virtual ~Context();
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

    // Every window of the program; the first is the main menu.
    const std::vector<WindowKind> &windowKinds() const;

    // Values that a window keeps apart from its controls and that outlive
    // its close (the keypad calculator's running value and memory): one of
    // each type, made with its defaults on first use, kept as long as the
    // context.
    template <class T> T &kept()
    {
        std::shared_ptr<void> &value = keptValue(typeid(T).name());
        if (!value)
            value = std::make_shared<T>();
        return *static_cast<T *>(value.get());
    }

    // The pupil's name as given in the login window; empty before one is
    // given. The record of practice is kept under it.
    void setPupilName(const QString &name);
    QString pupilName() const;

private:
    friend class Windows;
    // The windows that exist, by name (the registry's table).
    QHash<QString, QPointer<QWidget>> &liveWindows();
    // The place of the kept value of a type, by its name; empty at first.
    std::shared_ptr<void> &keptValue(const char *typeName);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace app
