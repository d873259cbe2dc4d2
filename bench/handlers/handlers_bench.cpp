// How long the calculate buttons of every window take: each case fills the
// boxes of a window, chooses its option and clicks the button, over and over.
// Then how long each window takes to open: built and shown the first time,
// and shown again after it was hidden (the "open" cases), and how long the
// practice window of each section that computes takes to open the first time
// (the "practice open first" cases; the record is opened once, before).
// Built with the program, run by hand:  build/bench/nabrosa-handlers-bench
// (a release build gives the figures a pupil sees: cmake -DCMAKE_BUILD_TYPE=Release).
//
// Before every click, outside the timing, the case's result boxes are emptied
// and its texts go back into its boxes: every click then writes its results
// afresh, as it does after the pupil has changed a number (writing the text a
// box already shows costs next to nothing and would hide that work), and a
// keypad key that empties or changes the display finds its number there again.
// "Time" is the click alone; "CPU" also holds the benchmark's pausing
// (about a microsecond).
//
// A case that raises a notice, runs no handler or leaves a result box empty
// is reported as an error instead of a time: it would not time the sum.

#include "app/application.h"
#include "kit/notice.h"
#include "kit/practicedoor.h"
#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "kit/windows.h"
#include "numtext/numtext.h"
#include "practice/practicewindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace {

// Texts for the boxes of a window, each by the box's name.
using Boxes = std::vector<std::pair<const char *, const char *>>;

struct Case {
    const char *name;
    const char *window;
    Boxes boxes;
    std::vector<const char *> first; // clicked once before timing (an option, a result to round)
    const char *button;
    std::vector<const char *> results; // the boxes the button writes (none where nothing stays shown)
};

// Long number texts (30 digits): each is read digit by digit, and none makes
// a computation fail.
const char *const Long = "12345678901234567890.1234567890";
const char *const Minus = "-12345678901234567890.1234567890";
// Rounding to hundredths has work to do only below 2^52 / 100; a larger
// number is returned as it is.
const char *const Hundredths = "1234567890.12345678901234567890";
// The parity rounds to a 32-bit whole number: the largest one.
const char *const Largest = "2147483647.00000000000000000000";
// The keypad's × and ÷ fold the display into the running value on every click:
// -1 keeps it from overflowing however often they are pressed.
const char *const MinusOne = "-1.00000000000000000000000000000";

// Rows of the shared boxes of the perimeters and volumes windows.
const Boxes Three = {{"Te1", Long}, {"Te2", Long}, {"Te3", Long}};
const Boxes Four = {{"Te1", Long}, {"Te2", Long}, {"Te3", Long}, {"Te4", Long}};
// Two fractions as long as their boxes take, over different denominators
// (equal ones take the shorter way).
const Boxes Fractions = {{"Text1", "9999"}, {"Text2", "99999"}, {"Text3", "8888"}, {"Text4", "77777"}};

// The worst inputs each window takes without a notice. The equation and
// fraction boxes take at most 5 characters (4 for a numerator).
const std::vector<Case> &cases()
{
    static const std::vector<Case> all = {
        // The conventional calculator.
        {"Form3 add", "Form3", {{"Text1", "123456789012345"}, {"Text2", "0.000000000000001"}}, {}, "Command6", {"Text3"}},
        {"Form3 subtract", "Form3", {{"Text1", Long}, {"Text2", Minus}}, {}, "Command7", {"Text3"}},
        {"Form3 multiply", "Form3", {{"Text1", Long}, {"Text2", Minus}}, {}, "Command8", {"Text3"}},
        {"Form3 divide", "Form3", {{"Text1", "2"}, {"Text2", "3"}}, {}, "Command9", {"Text3"}},
        {"Form3 round", "Form3", {{"Text1", "1"}, {"Text2", "3"}}, {"Command9"}, "Command10", {"Text5"}},

        // Areas: each figure has boxes of its own.
        {"Form4 circle", "Form4", {{"tc2", Long}}, {"Op1"}, "Comc", {"tc3"}},
        {"Form4 sphere", "Form4", {{"tb1", Long}}, {"Op11"}, "Comb", {"tb3"}},
        {"Form4 triangle", "Form4", {{"tt1", Long}, {"tt2", Long}}, {"Op5"}, "Comt3", {"tt3"}},
        {"Form4 rectangle", "Form4", {{"Ts1", Long}, {"Ts2", Long}}, {"Op3"}, "Coms3", {"Ts3"}},
        {"Form4 trapezoid", "Form4", {{"Tf1", Long}, {"Tf2", Long}}, {"Op2"}, "Comf3", {"Tf3"}},
        {"Form4 parallelogram", "Form4", {{"Tm1", Long}, {"Tm2", Long}}, {"Op4"}, "Com3", {"Tm3"}},
        {"Form4 cube", "Form4", {{"Tk1", Long}}, {"Op6"}, "Comk3", {"Tk3"}},

        // Conversions: one input box for all of them.
        {"Form5 C to F", "Form5", {{"Te1", Long}}, {"Op1"}, "Comh1", {"Te2"}},
        {"Form5 F to C", "Form5", {{"Te1", Long}}, {"Op2"}, "Cohm1", {"Te2"}},
        {"Form5 C to K", "Form5", {{"Te1", Long}}, {"Op3"}, "Comk1", {"Te2"}},
        {"Form5 K to C", "Form5", {{"Te1", Long}}, {"Op4"}, "Cokm1", {"Te2"}},
        {"Form5 K to F", "Form5", {{"Te1", Long}}, {"Op5"}, "Comkh1", {"Te2"}},
        {"Form5 F to K", "Form5", {{"Te1", Long}}, {"Op6"}, "Comhk1", {"Te2"}},
        {"Form5 rad to deg", "Form5", {{"Te1", Long}}, {"Op7"}, "Comds1", {"Te2"}},
        {"Form5 deg to rad", "Form5", {{"Te1", Long}}, {"Op8"}, "Comsd1", {"Te2"}},

        // Perimeters: the figures share four rows, so every row a figure reads
        // is set (the circle's diameter row empty, as it takes one of the two).
        {"Form6 circle", "Form6", {{"Te1", Long}, {"Te2", ""}}, {"Op1"}, "Comc", {"Te5"}},
        {"Form6 trapezoid", "Form6", Four, {"Op2"}, "Comh", {"Te5"}},
        {"Form6 square", "Form6", {{"Te1", Long}}, {"Op3"}, "Comb", {"Te5"}},
        {"Form6 parallelogram", "Form6", Four, {"Op4"}, "Comz", {"Te5"}},
        {"Form6 triangle", "Form6", Three, {"Op5"}, "Comt", {"Te5"}},
        {"Form6 rectangle", "Form6", {{"Te1", Long}, {"Te2", Long}}, {"Op6"}, "Coms", {"Te5"}},

        // Trigonometry: the angle as degrees into Te2, as radians into Te3.
        {"Form7 sin", "Form7", {{"Te1", Long}}, {"Op3"}, "comsine", {"Te2", "Te3"}},
        {"Form7 cos", "Form7", {{"Te1", Long}}, {"Op1"}, "comcos", {"Te2", "Te3"}},
        {"Form7 tan", "Form7", {{"Te1", Long}}, {"Op5"}, "comtan", {"Te2", "Te3"}},
        {"Form7 cot", "Form7", {{"Te1", Long}}, {"Op2"}, "comcot", {"Te2", "Te3"}},
        {"Form7 sec", "Form7", {{"Te1", Long}}, {"Op4"}, "comsec", {"Te2", "Te3"}},
        {"Form7 cosec", "Form7", {{"Te1", Long}}, {"Op6"}, "comcosc", {"Te2", "Te3"}},

        // Number operations.
        {"Form8 absolute", "Form8", {{"Te1", Minus}}, {"Op2"}, "Comg", {"Te2"}},
        {"Form8 square root", "Form8", {{"Te1", Long}}, {"Op1"}, "Comj", {"Te2"}},
        {"Form8 ln", "Form8", {{"Te1", Long}}, {"Op9"}, "Comldd", {"Te2"}},
        {"Form8 log", "Form8", {{"Te1", Long}}, {"Op3"}, "Coml", {"Te2"}},
        {"Form8 prime 2^53-111", "Form8", {{"Te1", "9007199254740881"}}, {"Op4"}, "Comwl", {"Te2"}},
        {"Form8 prime 10^15-1", "Form8", {{"Te1", "999999999999999"}}, {"Op4"}, "Comwl", {"Te2"}},
        {"Form8 hundredths", "Form8", {{"Te1", Hundredths}}, {"Op5"}, "Comt", {"Te2"}},
        {"Form8 even or odd", "Form8", {{"Te1", Largest}}, {"Op6"}, "Comw", {"Te2"}},

        // Volumes: three shared rows; the sphere from its radius, the cylinder
        // and the cone from their diameter (an empty row beside each).
        {"Form9 cube", "Form9", {{"Te1", Long}}, {"Op1"}, "Comk", {"Te5"}},
        {"Form9 sphere", "Form9", {{"Te1", Long}, {"Te2", ""}}, {"Op2"}, "Comr", {"Te5"}},
        {"Form9 cuboid", "Form9", Three, {"Op3"}, "Coms", {"Te5"}},
        {"Form9 cylinder", "Form9", {{"Te1", ""}, {"Te2", Long}, {"Te3", Long}}, {"Op4"}, "Comn", {"Te5"}},
        {"Form9 cone", "Form9", {{"Te1", ""}, {"Te2", Long}, {"Te3", Long}}, {"Op5"}, "Comd", {"Te5"}},

        // The keypad calculator: its display Text1 is what the keys read.
        // All digit keys and the point share one handler.
        // A digit works nothing out: no result box, no steps to end with it.
        {"Form15 digit 7", "Form15", {{"Text1", Long}}, {}, "Command3", {}},
        {"Form15 +", "Form15", {{"Text1", Long}}, {}, "Command13", {}},
        {"Form15 -", "Form15", {{"Text1", Long}}, {}, "Command14", {}},
        {"Form15 *", "Form15", {{"Text1", MinusOne}}, {}, "Command15", {}},
        {"Form15 /", "Form15", {{"Text1", MinusOne}}, {}, "Command16", {}},
        {"Form15 =", "Form15", {{"Text1", Long}}, {"Command13"}, "Command12", {"Text1"}},
        {"Form15 Sqr", "Form15", {{"Text1", Long}}, {}, "Command18", {"Text1"}},
        {"Form15 Log", "Form15", {{"Text1", Long}}, {}, "Command28", {"Text1"}},
        {"Form15 %", "Form15", {{"Text1", Long}}, {}, "Command27", {"Text1"}},
        {"Form15 M+", "Form15", {{"Text1", Long}}, {}, "Command22", {}},
        {"Form15 M-", "Form15", {{"Text1", Long}}, {}, "Command23", {}},
        {"Form15 MS", "Form15", {{"Text1", Long}}, {}, "Command24", {}},
        {"Form15 Mr", "Form15", {{"Text1", Long}}, {"Command24"}, "Command25", {"Text1"}},

        // The equation solver: a = 0 makes the equation linear, with one root.
        {"Form16 quadratic",
         "Form16",
         {{"Te1", "0.001"}, {"Te2", "99999"}, {"Te3", "-0.01"}},
         {},
         "Command4",
         {"Te4", "Te5"}},
        {"Form16 linear", "Form16", {{"Te1", "0.000"}, {"Te2", "-7.77"}, {"Te3", "1.234"}}, {}, "Command4", {"Te4"}},

        // Fractions. The hand-over to the calculator needs a sum in Text5; it
        // writes it into Form3's boxes (the same texts on every click after
        // the first), minimizes this window and shows Form3. Every case shows
        // its own window and fills its own boxes first, so nothing after it
        // depends on that, and it comes last all the same.
        {"Form17 add", "Form17", Fractions, {"Opt1"}, "Com2", {"Text5", "Text6"}},
        {"Form17 subtract", "Form17", Fractions, {"Opt2"}, "Com4", {"Text5", "Text6"}},
        {"Form17 to Form3", "Form17", Fractions, {"Opt1", "Com2"}, "Command4", {}},
    };
    return all;
}

// Notices answer at once, as if the pupil pressed OK (or No); each one is
// counted so that a case that raises one is reported.
class QuietPresenter : public numtext::NoticePresenter {
public:
    int present(const numtext::Notice &n) override
    {
        ++count;
        last = n.text;
        return (n.style & numtext::style::ButtonMask) == numtext::style::YesNo ? numtext::answer::No
                                                                               : numtext::answer::Ok;
    }
    int count = 0;
    QString last;
};

QuietPresenter &presenter()
{
    static QuietPresenter p;
    return p;
}

template <class T> T *control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

// Puts the case's texts into its boxes; false when a box does not exist.
bool fill(QWidget *window, const Case &c)
{
    for (const auto &[box, text] : c.boxes) {
        auto *edit = control<QLineEdit>(window, box);
        if (!edit)
            return false;
        edit->setText(QString::fromUtf8(text));
    }
    return true;
}

// A click of the case's button; with the steps shown, the open steps window
// follows every calculation.
void clickCase(benchmark::State &state, const Case &c, bool stepsShown)
{
    auto fail = [&state](const std::string &what) { state.SkipWithError(what.c_str()); };
    QWidget *window = app::Windows::show(QString::fromLatin1(c.window));
    if (!window)
        return fail(std::string("no window ") + c.window);
    auto *button = control<QAbstractButton>(window, c.button);
    std::vector<QLineEdit *> results;
    for (const char *name : c.results)
        results.push_back(control<QLineEdit>(window, name));
    if (!button || std::count(results.begin(), results.end(), nullptr) || !fill(window, c))
        return fail("a control of the case is missing");
    const int notices = presenter().count;
    for (const char *name : c.first) {
        auto *first = control<QAbstractButton>(window, name);
        if (!first)
            return fail(std::string("no control ") + name);
        first->click();
    }
    if (!button->isEnabled())
        return fail(std::string(c.button) + " is disabled");
    app::StepsSource *steps = app::stepsOf(window);
    if (stepsShown) {
        if (!steps)
            return fail(std::string(c.window) + " offers no steps");
        steps->open();
    }

    // The keypad's display is both what the keys read and what they write:
    // it is filled again rather than emptied.
    const auto reset = [&] {
        for (QLineEdit *box : results)
            box->clear();
        fill(window, c);
    };
    for (auto _ : state) {
        state.PauseTiming();
        reset();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        button->click();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    // One more click, untimed, tells whether the button runs a handler at all.
    struct Counter : app::HandlerObserver {
        int handlers = 0;
        void handlerBegins() override { ++handlers; }
        void handlerEnds() override {}
    } counter;
    app::Context::current().setHandlerObserver(&counter);
    reset();
    button->click();
    app::Context::current().setHandlerObserver(nullptr);
    if (stepsShown)
        steps->stepsWindow()->close();

    if (presenter().count != notices)
        fail("a notice was raised: " + presenter().last.simplified().toStdString());
    else if (counter.handlers == 0)
        fail(std::string(c.button) + " runs no handler");
    else if (std::any_of(results.begin(), results.end(), [](QLineEdit *box) { return box->text().isEmpty(); }))
        fail("a result box stayed empty");
    else if (steps && std::any_of(results.begin(), results.end(), [steps](QLineEdit *box) {
                 return numtext::isStrictNumber(box->text()) && !steps->last().results().contains(box->text());
             }))
        fail("a result box holds a number that its steps do not end with");
}

// Destroys a window, as a close answered Yes does, so that the next opening
// builds it afresh.
void destroy(const QString &name)
{
    if (QWidget *w = app::Windows::find(name)) {
        app::Windows::release(w);
        delete w;
    }
}

// A window opened as the pupil waits for it: built if needed, shown, and its
// first events (showing, laying out, painting) handled.
void open(const QString &name)
{
    app::Windows::show(name);
    QCoreApplication::processEvents();
}

void firstOpening(benchmark::State &state, const QString &name)
{
    for (auto _ : state) {
        state.PauseTiming();
        destroy(name);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        open(name);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    destroy(name);
}

void reopening(benchmark::State &state, const QString &name)
{
    open(name);
    for (auto _ : state) {
        state.PauseTiming();
        app::Windows::find(name)->hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        open(name);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    app::Windows::find(name)->hide();
}

// The practice window of a section window built and shown, as the pupil
// presses F3 for the first time.
void firstPractice(benchmark::State &state, const QString &name)
{
    QWidget *window = app::Windows::show(name);
    app::PracticeDoor *door = app::practiceOf(window);
    if (!door) {
        state.SkipWithError("the window offers no practice");
        return;
    }
    practice::programRecord();
    for (auto _ : state) {
        state.PauseTiming();
        delete door->practiceWindow();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        door->open();
        QCoreApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    delete door->practiceWindow();
    window->hide();
}

} // namespace

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QApplication application(argc, argv);
    app::Program context(application);
    context.setNoticePresenter(&presenter());
    for (const Case &c : cases()) {
        benchmark::RegisterBenchmark(c.name, [&c](benchmark::State &state) { clickCase(state, c, false); })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string(c.name) + " with its steps shown").c_str(),
                                     [&c](benchmark::State &state) { clickCase(state, c, true); })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    // Every window but the main menu, which the start-up benchmark measures.
    static QStringList windows = app::Windows::names();
    windows.removeAll(QStringLiteral("Form1"));
    for (const QString &name : windows) {
        benchmark::RegisterBenchmark((name + QStringLiteral(" open first")).toStdString().c_str(),
                                     [&name](benchmark::State &state) { firstOpening(state, name); })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + QStringLiteral(" open again")).toStdString().c_str(),
                                     [&name](benchmark::State &state) { reopening(state, name); })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    // The record in a folder of its own, gone after the run.
    static QTemporaryDir record;
    practice::useRecordFolder(record.path());
    for (const char *name : {"Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9", "Form16", "Form17"}) {
        const QString window = QString::fromLatin1(name);
        benchmark::RegisterBenchmark((std::string(name) + " practice open first").c_str(),
                                     [window](benchmark::State &state) { firstPractice(state, window); })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    practice::useRecordFolder(QString());
    return 0;
}
