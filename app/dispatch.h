#pragma once
// Where event handlers are dispatched. A computation that fails anywhere in a
// handler ends the handler there; the user sees one notice naming the problem
// and the program goes on. This is the only place that catches a failure.

#include <QObject>

#include <functional>

namespace numtext {
class ComputationFailure;
}

namespace app {

// Runs a handler. Never lets an exception reach the event loop.
void run(const std::function<void()> &handler) noexcept;

// Tells an observer how much processor time each handler took, in
// nanoseconds (exploratory tests); an empty function for none.
void setHandlerObserver(std::function<void(long long nanoseconds)> observer);

// The notice shown for a failed computation.
void reportFailure(const numtext::ComputationFailure &failure);

// Connects a control's signal to a window's handler, through run().
template <class Sender, class Signal, class W>
void on(Sender *sender, Signal signal, W *window, void (W::*handler)())
{
    QObject::connect(sender, signal, window, [window, handler] { run([&] { (window->*handler)(); }); });
}

} // namespace app
