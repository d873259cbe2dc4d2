#pragma once
// Where event handlers are dispatched. A computation that fails anywhere in a
// handler ends the handler there; the user sees one notice naming the problem
// and the program goes on. This is the only place that handles a failure
// (the worked steps only note it on its way here).
//
// Only a computation failure (numtext::ComputationFailure) is the pupil's
// "خطأ في الحساب"; running out of memory has a notice of its own. Anything
// else a handler throws is a fault of the program: it goes to the context's
// fault handler (standard error and the internal-fault notice in the
// program, a failed test in the tests).

#include <QObject>
#include <QString>

#include <functional>

namespace numtext {
class ComputationFailure;
}

namespace app {

// Runs a handler. Never lets an exception reach the event loop.
void run(const std::function<void()> &handler) noexcept;

// The notice shown for a failed computation.
void reportFailure(const numtext::ComputationFailure &failure);

// What the program does by default with a programming fault: the message to
// standard error and the internal-fault notice to the pupil.
void reportFault(const QString &message);

// Connects a control's signal to a window's handler, through run().
template <class Sender, class Signal, class W> void on(Sender *sender, Signal signal, W *window, void (W::*handler)())
{
    QObject::connect(sender, signal, window, [window, handler] { run([&] { (window->*handler)(); }); });
}

} // namespace app
