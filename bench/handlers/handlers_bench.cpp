// How long the calculate buttons of every window take: each case fills the
// boxes of a window, chooses its option and clicks the button, over and over.
// Built with the program, run by hand:  build/bench/nabrosa-handlers-bench
// (a release build gives the figures a pupil sees: cmake -DCMAKE_BUILD_TYPE=Release).

#include "app/application.h"
#include "app/windows.h"
#include "numtext/notice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct Case {
    const char *name;
    const char *window;
    std::vector<std::pair<const char *, const char *>> boxes;
    std::vector<const char *> first; // clicked once before timing (an option, a result to round)
    const char *button;
};

// The worst inputs each window takes without a notice.
const std::vector<Case> &cases()
{
    static const std::vector<Case> all = {
        {"Form3 add", "Form3", {{"Text1", "123456789012345"}, {"Text2", "0.000000000000001"}}, {}, "Command6"},
        {"Form3 divide", "Form3", {{"Text1", "2"}, {"Text2", "3"}}, {}, "Command9"},
        {"Form3 round", "Form3", {{"Text1", "1"}, {"Text2", "3"}}, {"Command9"}, "Command10"},
    };
    return all;
}

// Notices answer at once, as if the pupil pressed OK (or No).
class QuietPresenter : public numtext::NoticePresenter {
public:
    int present(const numtext::Notice &n) override
    {
        return (n.style & numtext::style::ButtonMask) == numtext::style::YesNo ? numtext::answer::No : numtext::answer::Ok;
    }
};

void clickCase(benchmark::State &state, const Case &c)
{
    QWidget *window = app::Windows::show(QString::fromLatin1(c.window));
    for (const auto &[box, text] : c.boxes)
        window->findChild<QLineEdit *>(QString::fromLatin1(box))->setText(QString::fromUtf8(text));
    for (const char *control : c.first)
        window->findChild<QAbstractButton *>(QString::fromLatin1(control))->click();
    auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(c.button));
    for (auto _ : state)
        button->click();
}

} // namespace

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QApplication application(argc, argv);
    app::configure(application);
    app::registerWindows();
    static QuietPresenter presenter;
    numtext::setNoticePresenter(&presenter);
    for (const Case &c : cases())
        benchmark::RegisterBenchmark(c.name, [&c](benchmark::State &state) { clickCase(state, c); })
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    app::Windows::reset();
    return 0;
}
