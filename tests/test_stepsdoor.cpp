// What every section window that offers its worked steps promises, over all
// of them: the ways the pupil opens the steps (F2, the banner's button, a
// result box's context menu and double-click), the button standing on the
// banner without covering another control whatever option is chosen, a
// calculation refused by a notice saying that nothing was computed and why,
// and the section window closed with its steps window open taking it along.

#include "support/scripted.h"
#include "support/section.h"
#include "support/stepstext.h"
#include "support/ui.h"

#include "kit/notice.h"
#include "kit/steps.h"
#include "kit/stepswindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

using numtext::Refusal;
using numtext::Steps;

Q_DECLARE_METATYPE(numtext::Refusal)

namespace {
const QString Empty = QStringLiteral("فارغ");
const QString MathError = QStringLiteral("خطأ رياضي");
constexpr std::uint32_t Information = numtext::style::Information | numtext::style::RightAlign;
constexpr std::uint32_t RightAlign = numtext::style::RightAlign;

// A result box and the option that shows it ("" when always shown).
struct ResultBox {
    const char *option;
    const char *box;
};

// A window that offers its steps: the main-menu option that opens it, its
// options, its result boxes, and a calculation that works ("Name" clicks a
// control, "Name=text" types into a box).
struct Window {
    const char *form;
    const char *menuOption;
    QStringList options;
    std::vector<ResultBox> results;
    QStringList worked;
};

const Window Windows[] = {
    {"Form3", "Op1", {}, {{"", "Text3"}, {"", "Text5"}}, {"Text1=7", "Text2=8", "Command6"}},
    {"Form4",
     "Op2",
     {"Op1", "Op11", "Op2", "Op3", "Op4", "Op5", "Op6"},
     {{"Op1", "tc3"}, {"Op11", "tb3"}, {"Op2", "Tf3"}, {"Op3", "Ts3"}, {"Op4", "Tm3"}, {"Op5", "tt3"}, {"Op6", "Tk3"}},
     {"Op5", "tt1=3", "tt2=4", "Comt3"}},
    {"Form5",
     "Op3",
     {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6", "Op7", "Op8"},
     {{"Op1", "Te2"}},
     {"Op6", "Te1=60", "Comhk1"}},
    {"Form6",
     "Op4",
     {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6"},
     {{"Op1", "Te5"}},
     {"Op5", "Te1=3", "Te2=4", "Te3=5", "Comt"}},
    {"Form7",
     "Op5",
     {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6"},
     {{"Op1", "Te2"}, {"Op1", "Te3"}},
     {"Op4", "Te1=60", "comsec"}},
    {"Form8", "Op6", {"Op1", "Op2", "Op3", "Op9", "Op4", "Op5", "Op6"}, {{"Op1", "Te2"}}, {"Op4", "Te1=91", "Comwl"}},
    {"Form9", "Op7", {"Op1", "Op2", "Op3", "Op4", "Op5"}, {{"Op1", "Te5"}}, {"Op5", "Te1=1", "Te2=", "Te3=2", "Comd"}},
    {"Form16", "Op9", {}, {{"", "Te4"}, {"", "Te5"}}, {"Te1=1", "Te2=-3", "Te3=2", "Command4"}},
    {"Form17",
     "Op10",
     {"Opt1", "Opt2"},
     {{"", "Text5"}, {"", "Text6"}},
     {"Text1=1", "Text2=2", "Text3=1", "Text4=3", "Opt1", "Com2"}},
};

const Window &windowOf(const QString &form)
{
    for (const Window &w : Windows)
        if (form == QLatin1String(w.form))
            return w;
    QTest::qFail(qPrintable(QStringLiteral("no window %1 in the table").arg(form)), __FILE__, __LINE__);
    return Windows[0];
}

app::StepsSource *stepsOf(const char *form) { return app::stepsOf(ui::window(form)); }

// The texts of every line edit of a window, by name.
QStringList boxTexts(QWidget *window)
{
    QStringList texts;
    for (const QLineEdit *box : window->findChildren<QLineEdit *>())
        texts << box->objectName() + u'=' + box->text();
    return texts;
}

} // namespace

class StepsDoorTest : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase() { quietenHeadlessWarnings(); }
    void opens_data();
    void opens();
    void buttonCoversNothing_data();
    void buttonCoversNothing();
    void refusedSaysWhy_data();
    void refusedSaysWhy();
    void closingTheWindowTakesItsSteps_data();
    void closingTheWindowTakesItsSteps();

private:
    // Opens the window from the main menu.
    static QWidget *open(const Window &w)
    {
        if (!ui::click("Form1", w.menuOption) || !ui::click("Form1", "Command1"))
            return nullptr;
        QWidget *shown = ui::window(w.form);
        return shown && shown->isVisible() ? shown : nullptr;
    }
    // The section window made the active one, as the pupil finds it.
    static bool activate(QWidget *window)
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
};

void StepsDoorTest::opens_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("box");
    for (const Window &w : Windows) {
        QTest::addRow("%s F2", w.form) << w.form << "F2"
                                       << ""
                                       << "";
        QTest::addRow("%s button", w.form) << w.form << "button"
                                           << ""
                                           << "";
        for (const ResultBox &r : w.results) {
            QTest::addRow("%s %s menu", w.form, r.box) << w.form << "menu" << r.option << r.box;
            QTest::addRow("%s %s double-click", w.form, r.box) << w.form << "double-click" << r.option << r.box;
        }
    }
}

// Each way opens the steps window with the last calculation's steps, and
// opening again leaves one steps window.
void StepsDoorTest::opens()
{
    QFETCH(QString, form);
    QFETCH(QString, way);
    QFETCH(QString, option);
    QFETCH(QString, box);
    const Window &w = windowOf(form);
    QWidget *window = open(w);
    QVERIFY(window);
    QVERIFY(ui::act(w.form, w.worked));
    QVERIFY(!stepsOf(w.form)->last().isEmpty());
    if (!option.isEmpty())
        QVERIFY(ui::click(w.form, qPrintable(option)));
    QVERIFY(!stepsOf(w.form)->stepsWindow());
    QVERIFY(activate(window));
    if (way == "F2") {
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_F2);
    } else if (way == "button") {
        QVERIFY(ui::click(w.form, "StepsButton"));
    } else {
        auto *result = ui::control<QLineEdit>(w.form, qPrintable(box));
        QVERIFY(result->isVisible());
        if (way == "menu") {
            const QPoint at = result->rect().center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, result->mapToGlobal(at));
            QApplication::sendEvent(result, &event);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            // The box's own items are there, the steps last.
            QVERIFY(menu->actions().size() > 2);
            QAction *show = menu->actions().last();
            QCOMPARE(show->text(), QStringLiteral("اعرض خطوات الحل"));
            show->trigger();
            menu->close();
        } else {
            QTest::mouseDClick(result, Qt::LeftButton, Qt::NoModifier, result->rect().center());
        }
    }
    reference::StepsWindow *steps = stepsOf(w.form)->stepsWindow();
    QVERIFY(steps && steps->isVisible());
    QCOMPARE(steps->view()->steps(), stepsOf(w.form)->last());

    QVERIFY(activate(window));
    QTest::keyClick(window, Qt::Key_F2);
    QCOMPARE(stepsOf(w.form)->stepsWindow(), steps);
    QCOMPARE(QApplication::topLevelWidgets().count(QPointer<QWidget>(steps).data()), 1);
}

void StepsDoorTest::buttonCoversNothing_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("option");
    for (const Window &w : Windows) {
        QTest::addRow("%s at opening", w.form) << w.form << "";
        for (const QString &option : w.options)
            QTest::addRow("%s %s", w.form, qPrintable(option)) << w.form << option;
    }
}

// The button "خطوات الحل" stands inside the banner, names F2, and covers no
// other control of the window, shown or hidden, whatever option is chosen.
void StepsDoorTest::buttonCoversNothing()
{
    QFETCH(QString, form);
    QFETCH(QString, option);
    const Window &w = windowOf(form);
    QWidget *window = open(w);
    QVERIFY(window);
    if (!option.isEmpty())
        QVERIFY(ui::click(w.form, qPrintable(option)));
    auto *button = ui::control<QPushButton>(window, "StepsButton");
    QVERIFY(button->isVisible());
    QCOMPARE(button->text(), QStringLiteral("خطوات الحل"));
    QVERIFY(button->toolTip().contains(QStringLiteral("F2")));
    const QString fault = ui::bannerButtonFault(window, button);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void StepsDoorTest::refusedSaysWhy_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("refused");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<uint>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Refusal>("kind");
    const auto row = [](const char *name, const char *form, const QStringList &refused, const QString &notice,
                        std::uint32_t style, const QString &title, Refusal kind) {
        QTest::newRow(name) << form << refused << notice << uint(style) << title << kind;
    };
    row("conventional, first number empty", "Form3", {"Text1=", "Text2=2", "Command6"},
        QStringLiteral("من فضلك أدخل العدد الأول"), 0x80040, Empty, Refusal::EmptyBox);
    row("conventional, round with no result", "Form3", {"Text1=2", "Text2=3", "Command13", "Command10"},
        QStringLiteral("من فضلك .. قم بالحسابات أولا ثم التقريب"), 0x80000, Empty, Refusal::NothingToRound);
    row("conventional, round the division-by-zero text", "Form3", {"Text1=2", "Text2=0", "Command9", "Command10"},
        QStringLiteral("من فضلك .. قم بالحسابات أولا ثم التقريب"), 0x80000, Empty, Refusal::NothingToRound);
    row("areas, triangle without height", "Form4", {"Op5", "tt1=3", "tt2=", "Comt3"},
        QStringLiteral("من فضلك .. أدخل ارتفاع المثلث"), Information, Empty, Refusal::EmptyBox);
    row("areas, circle with both boxes", "Form4", {"Op1", "tc2=1", "tc1=2", "Comc"},
        QStringLiteral("من فضلك .. أدخل فقط إما نصف القطر أو القطر نفسه"), RightAlign,
        QStringLiteral("اختر خانة واحدة"), Refusal::RadiusAndDiameter);
    row("conversions, Fahrenheit empty", "Form5", {"Op6", "Te1=", "Comhk1"},
        QStringLiteral("من فضلك .. أدخل درجة الحرارة بالفهرنهايت"), 0x80040, Empty, Refusal::EmptyBox);
    row("perimeters, triangle without a first side", "Form6", {"Op5", "Te1=", "Te2=4", "Te3=5", "Comt"},
        QStringLiteral("من فضلك .. أدخل طول الضلع الأول"), Information, Empty, Refusal::EmptyBox);
    row("trigonometry, angle empty", "Form7", {"Op4", "Te1=", "comsec"},
        QStringLiteral("من فضلك .. أدخل العدد المطلوب أولا"), 0x80000, Empty, Refusal::EmptyBox);
    row("operations, root of nothing", "Form8", {"Op1", "Te1=", "Comj"},
        QStringLiteral("من فضلك .. اكتب العدد المطلوب ايجاد الجذر التربيعي له"), 0x80000, Empty, Refusal::EmptyBox);
    row("operations, prime of nothing", "Form8", {"Op4", "Te1=", "Comwl"}, QStringLiteral("من فضلك .. اكتب العدد أولا"),
        0x80000, Empty, Refusal::EmptyBox);
    row("operations, round nothing", "Form8", {"Op5", "Te1=", "Comt"},
        QStringLiteral("من فضلك .. اكتب عددا به فاصلة لتقريبه لجزء من المئة"), 0x80000, Empty, Refusal::EmptyBox);
    row("volumes, cone without height", "Form9", {"Op5", "Te1=1", "Te2=2", "Te3=", "Comd"},
        QStringLiteral("من فضلك أدخل ارتفاع المخروط"), RightAlign, Empty, Refusal::EmptyBox);
    row("equation, c empty", "Form16", {"Te1=1", "Te2=2", "Te3=", "Command4"},
        QStringLiteral("من فضلك .. أدخل جـ العدد الثابت \r\nإن لم يكن موجودا فضع مكانه يساوي صفر 0"), 0x80040, Empty,
        Refusal::EmptyBox);
    row("fractions, second denominator empty", "Form17", {"Text1=1", "Text2=2", "Text3=3", "Text4=", "Opt1", "Com2"},
        QStringLiteral("لم تكتب المقام رقم 2"), 0x80000, Empty, Refusal::EmptyBox);
    // Figures and temperatures that cannot exist, and a number too large to
    // test.
    const QString negative = QStringLiteral("الطول لا يكون سالبا .. اكتب عددا موجبا");
    row("areas, rectangle of a negative length", "Form4", {"Op3", "Ts1=-3", "Ts2=4", "Coms3"}, negative, RightAlign,
        MathError, Refusal::NegativeLength);
    row("perimeters, no such triangle", "Form6", {"Op5", "Te1=1", "Te2=2", "Te3=10", "Comt"},
        QStringLiteral("لا يوجد مثلث أطوال أضلاعه بهذه القيم"), RightAlign, MathError, Refusal::NoSuchTriangle);
    row("volumes, cylinder of a negative height", "Form9", {"Op4", "Te1=1", "Te2=", "Te3=-2", "Comn"}, negative,
        RightAlign, MathError, Refusal::NegativeLength);
    row("conversions, below absolute zero", "Form5", {"Op3", "Te1=-300", "Comk1"},
        QStringLiteral("لا توجد درجة حرارة أقل من الصفر المطلق"), RightAlign, MathError, Refusal::BelowAbsoluteZero);
    row("operations, prime too large to test", "Form8", {"Op4", "Te1=1E+300", "Comwl"},
        QStringLiteral("العدد أكبر من أن يختبر .. اكتب عددا من ١٨ رقما على الأكثر"), RightAlign, MathError,
        Refusal::TooLargeToTest);
    row("fractions, zero denominator", "Form17", {"Text1=1", "Text2=0", "Text3=3", "Text4=4", "Opt2", "Com4"},
        QStringLiteral("لا يمكن أن يكون المقام رقم 1 صفرا"), 0x80040, MathError, Refusal::ZeroDenominator);
}

// Before any calculation the steps window says so. A calculation refused by
// a notice before anything is computed replaces the steps of the one before
// with why nothing was computed and the notice's text, in the open steps
// window too, and leaves every box as it was.
void StepsDoorTest::refusedSaysWhy()
{
    QFETCH(QString, form);
    QFETCH(QStringList, refused);
    QFETCH(QString, notice);
    QFETCH(uint, style);
    QFETCH(QString, title);
    QFETCH(Refusal, kind);
    const Window &w = windowOf(form);
    QWidget *window = open(w);
    QVERIFY(window);
    QVERIFY(stepsOf(w.form)->last().isEmpty());
    stepsOf(w.form)->open();
    reference::StepsWindow *steps = stepsOf(w.form)->stepsWindow();
    QVERIFY(steps && steps->isVisible());
    QCOMPARE(steps->view()->plainText(), stepstext::RLM + reference::noStepsText());

    QVERIFY(ui::act(w.form, w.worked));
    const Steps before = stepsOf(w.form)->last();
    QVERIFY(!before.isEmpty() && !before.refused());
    QCOMPARE(steps->view()->steps(), before);
    QVERIFY(ui::act(w.form, refused.mid(0, refused.size() - 1)));
    const QStringList boxes = boxTexts(window);

    notices.expect(notice, style, title);
    QVERIFY(ui::act(w.form, {refused.last()}));
    const Steps after = stepsOf(w.form)->last();
    QVERIFY(stepstext::refusedWith(after, notice));
    QCOMPARE(after.refusal().first(), numtext::refusalText(kind));
    QCOMPARE(stepsOf(w.form)->stepsWindow(), steps);
    QCOMPARE(steps->view()->steps(), after);
    const numtext::DigitShape shape = numtext::digitShape();
    QCOMPARE(steps->view()->plainText(), stepstext::rtl({reference::plainStepLine(numtext::refusalText(kind), shape),
                                                         reference::plainStepLine(notice.simplified(), shape)}));
    QCOMPARE(boxTexts(window), boxes);
}

void StepsDoorTest::closingTheWindowTakesItsSteps_data()
{
    QTest::addColumn<QString>("form");
    for (const Window &w : Windows)
        QTest::newRow(w.form) << w.form;
}

// The section window closed through its close box while its steps window is
// open and the active one: both go, the main menu is back, and the window
// opens afresh with no steps. The conventional calculator refuses its close
// box: its way back hides it and its steps window.
void StepsDoorTest::closingTheWindowTakesItsSteps()
{
    QFETCH(QString, form);
    const Window &w = windowOf(form);
    QVERIFY(open(w));
    QVERIFY(ui::act(w.form, w.worked));
    QVERIFY(ui::click(w.form, "StepsButton"));
    QPointer<reference::StepsWindow> steps = stepsOf(w.form)->stepsWindow();
    QVERIFY(steps && steps->isVisible());
    QVERIFY(activate(steps));
    if (form == u"Form3") {
        // The calculator is only hidden, its steps window with it.
        QVERIFY(ui::click(w.form, "Command2"));
        ui::settle();
        QVERIFY(!ui::window(w.form)->isVisible());
        QVERIFY(!steps || !steps->isVisible());
        QVERIFY(ui::window("Form1")->isVisible());
        return;
    }
    QVERIFY(section::closeWithYes(notices, w.form));
    QVERIFY(!steps);
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(open(w));
    QVERIFY(stepsOf(w.form)->last().isEmpty());
    QVERIFY(!stepsOf(w.form)->stepsWindow());
}

QTEST_MAIN(StepsDoorTest)
#include "test_stepsdoor.moc"
