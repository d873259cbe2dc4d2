#include "app/dispatch.h"

#include "numtext/notice.h"
#include "numtext/numtext.h"

#include <QString>

#include <ctime>
#include <new>

namespace app {

namespace {
QString describe(numtext::Failure kind)
{
    using numtext::Failure;
    switch (kind) {
    case Failure::NotANumber:
        return QStringLiteral("القيمة المكتوبة ليست عددا صحيح الكتابة");
    case Failure::DivisionByZero:
        return QStringLiteral("لا يمكن القسمة على صفر");
    case Failure::Overflow:
        return QStringLiteral("الناتج أكبر من أن يحسبه البرنامج");
    case Failure::InvalidOperation:
        return QStringLiteral("هذه العملية غير معرفة رياضيا");
    case Failure::OutOfRange:
        return QStringLiteral("العدد خارج المدى الذي يقبله البرنامج");
    }
    return QStringLiteral("تعذر إجراء الحساب");
}

const QString &failureTitle()
{
    static const QString title = QStringLiteral("خطأ في الحساب");
    return title;
}

constexpr std::uint32_t FailureStyle = numtext::style::Exclamation | numtext::style::RightAlign;
} // namespace

void reportFailure(const numtext::ComputationFailure &failure)
{
    numtext::notice(describe(failure.kind()) + numtext::crlf() + QStringLiteral("لم يتغير شيء، صحح المدخلات ثم أعد المحاولة"),
                    FailureStyle, failureTitle());
}

namespace {
std::function<void(long long)> &handlerObserver()
{
    static std::function<void(long long)> observer;
    return observer;
}

// The processor time of this thread: what a handler costs, without the time
// a notice box waits for the user or other programs take from the machine.
long long threadNanoseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

void runTimed(const std::function<void()> &handler)
{
    if (!handlerObserver()) {
        handler();
        return;
    }
    struct Report {
        long long start = threadNanoseconds();
        ~Report()
        {
            if (handlerObserver())
                handlerObserver()(threadNanoseconds() - start);
        }
    } report;
    handler();
}
} // namespace

void setHandlerObserver(std::function<void(long long)> observer) { handlerObserver() = std::move(observer); }

void run(const std::function<void()> &handler) noexcept
{
    try {
        runTimed(handler);
    } catch (const numtext::ComputationFailure &failure) {
        try {
            reportFailure(failure);
        } catch (...) {
        }
    } catch (const std::bad_alloc &) {
        try {
            numtext::notice(QStringLiteral("لا تكفي الذاكرة لإجراء هذا الحساب"), FailureStyle, failureTitle());
        } catch (...) {
        }
    } catch (...) {
        try {
            numtext::notice(QStringLiteral("تعذر إجراء الحساب"), FailureStyle, failureTitle());
        } catch (...) {
        }
    }
}

} // namespace app
