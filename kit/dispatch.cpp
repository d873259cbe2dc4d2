#include "kit/dispatch.h"

#include "kit/context.h"
#include "kit/notice.h"
#include "numtext/numtext.h"
#include "numtext/steps.h"

#include <cstdio>
#include <exception>
#include <new>

namespace app {

namespace {
const QString FailureTitle = QStringLiteral("خطأ في الحساب");
constexpr std::uint32_t FailureStyle = numtext::style::Exclamation | numtext::style::RightAlign;

// A notice must never let an exception out of run().
template <class F> void guarded(F &&f) noexcept
{
    try {
        f();
    } catch (...) {
    }
}

void fault(const QString &message)
{
    const Context *context = Context::instance();
    if (context && context->faultHandler())
        context->faultHandler()(message);
    else
        reportFault(message);
}

// Tells the observer that a handler begins and, however it ends, that it
// ended.
struct Observed {
    HandlerObserver *observer;
    explicit Observed(HandlerObserver *o) : observer(o)
    {
        if (observer)
            observer->handlerBegins();
    }
    ~Observed()
    {
        if (observer)
            observer->handlerEnds();
    }
    Observed(const Observed &) = delete;
    Observed &operator=(const Observed &) = delete;
};
} // namespace

void reportFailure(const numtext::ComputationFailure &failure)
{
    numtext::notice(numtext::failureText(failure.kind()) + numtext::crlf()
                        + QStringLiteral("لم يتغير شيء، صحح المدخلات ثم أعد المحاولة"),
                    FailureStyle, FailureTitle);
}

void reportFault(const QString &message)
{
    std::fprintf(stderr, "nabrosa: internal fault: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    numtext::notice(QStringLiteral("واجه البرنامج خطأ داخليا فأوقف هذه العملية") + numtext::crlf()
                        + QStringLiteral("لم يتغير شيء، ويمكنك متابعة العمل"),
                    FailureStyle, QStringLiteral("خطأ داخلي في البرنامج"));
}

void run(const std::function<void()> &handler) noexcept
{
    const Context *context = Context::instance();
    try {
        const Observed observed(context ? context->handlerObserver() : nullptr);
        handler();
    } catch (const numtext::ComputationFailure &failure) {
        guarded([&] { reportFailure(failure); });
    } catch (const std::bad_alloc &) {
        guarded(
            [] { numtext::notice(QStringLiteral("لا تكفي الذاكرة لإجراء هذا الحساب"), FailureStyle, FailureTitle); });
    } catch (const std::exception &e) {
        guarded([&] { fault(QString::fromLocal8Bit(e.what())); });
    } catch (...) {
        guarded([] { fault(QStringLiteral("an exception that is no std::exception")); });
    }
}

} // namespace app
