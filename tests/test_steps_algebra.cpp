// Worked steps of the equation solver, the fractions window and the
// conventional calculator: the lines each calculation writes, failures and
// the steps window's text in both digit shapes. How the steps open, refuse
// and close is test_stepsdoor's; that every calculate button's steps end with
// its result boxes is test_wiring's.

#include "support/outcome.h"
#include "support/scripted.h"
#include "support/stepstext.h"
#include "support/ui.h"

#include "kit/notice.h"
#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "numtext/digits.h"
#include "numtext/steps.h"

#include <QLineEdit>

#include <algorithm>

using namespace numtext;

using namespace stepstext;

namespace {
const QString MathError = QStringLiteral("خطأ رياضي");

// A section window, the main-menu option that opens it, and the buttons
// that choose what its calculate button does.
struct Section {
    const char *window;
    const char *option;
};
const Section Conventional{"Form3", "Op1"};
const Section Equation{"Form16", "Op9"};
const Section FractionsWindow{"Form17", "Op10"};

Section sectionOf(const QString &window)
{
    for (const Section &s : {Conventional, Equation, FractionsWindow})
        if (window == QLatin1String(s.window))
            return s;
    QTest::qFail(qPrintable(QStringLiteral("no section %1").arg(window)), __FILE__, __LINE__);
    return Section{"(none)", "(none)"};
}

// The boxes each window reads, in order.
QStringList inputsOf(const QString &window)
{
    if (window == u"Form3")
        return {"Text1", "Text2"};
    if (window == u"Form16")
        return {"Te1", "Te2", "Te3"};
    return {"Text1", "Text2", "Text3", "Text4"};
}

// The steps' lines, the failure that ends them last after "! ".
QStringList linesOf(const Steps &s)
{
    QStringList lines = s.lines();
    if (s.failed())
        lines << "! " + s.failure();
    return lines;
}

} // namespace

class StepsAlgebraTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void equation_data();
    void equation();
    void fractions_data();
    void fractions();
    void conventional_data();
    void conventional();
    void rounding_data();
    void rounding();
    void stepsWindowText_data();
    void stepsWindowText();

private:
    // Opens a section window from the main menu.
    static void open(const Section &section)
    {
        QVERIFY(ui::click("Form1", section.option));
        QVERIFY(ui::click("Form1", "Command1"));
        QVERIFY(ui::window(section.window)->isVisible());
    }
    // Types the inputs into the window's boxes and clicks the buttons in
    // turn (an option, then the calculate button).
    static void work(const QString &window, const QStringList &inputs, const QStringList &buttons)
    {
        const QByteArray name = window.toLatin1();
        const QStringList boxes = inputsOf(window);
        for (qsizetype i = 0; i < inputs.size(); ++i)
            ui::type(name.constData(), qPrintable(boxes[i]), inputs[i]);
        for (const QString &button : buttons)
            QVERIFY2(ui::click(name.constData(), qPrintable(button)), qPrintable(button));
    }
    static const Steps &lastSteps(const char *window) { return app::stepsOf(ui::window(window))->last(); }
    void expectOutcome(const Outcome &failure, const QString &notice, const QString &title)
    {
        if (failure)
            expectFailure(notices, *failure);
        else if (!notice.isEmpty())
            notices.expect(notice, 0x80040, title);
    }
};

void StepsAlgebraTest::init()
{
    WindowTest::init();
    setDigitShape(DigitShape::Western);
}

void StepsAlgebraTest::equation_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<Outcome>("failure");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("lines");
    const QString none;
    QTest::newRow("two roots")
        << "1"
        << "-3"
        << "2" << Ok << none << none
        << QStringList{
               "المعادلة: [magenta:س]^{2} − 3[magenta:س] + 2 = 0",
               "[blue:أ] = 1 ، [green:ب] = −3 ، [red:جـ] = 2",
               "[blue:أ] لا يساوي 0: المعادلة من الدرجة الثانية",
               "المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]",
               "= (−3)^{2} − 4 × 1 × 2",
               "= 9 − 8",
               "= 1",
               "\\sqrt{المميز} = \\sqrt{1} = 1",
               "س١ = \\frac{−[green:ب] + \\sqrt{المميز}}{2 × [blue:أ]}",
               "= \\frac{3 + 1}{2 × 1}",
               "= \\frac{4}{2}",
               "= 2",
               "حتى لا يطرح عددان متقاربان يحسب الجذر الآخر من أن حاصل ضرب الجذرين = \\frac{[red:جـ]}{[blue:أ]}:",
               "س٢ = \\frac{2 × [red:جـ]}{−[green:ب] + \\sqrt{المميز}}",
               "= \\frac{2 × 2}{4}",
               "= \\frac{4}{4}",
               "= 1",
               "مجموعة الحل = {2 ، 1}"};
    QTest::newRow("D = 0, equal roots")
        << "1"
        << "2"
        << "1" << Ok << none << none
        << QStringList{
               "المعادلة: [magenta:س]^{2} + 2[magenta:س] + 1 = 0",
               "[blue:أ] = 1 ، [green:ب] = 2 ، [red:جـ] = 1",
               "[blue:أ] لا يساوي 0: المعادلة من الدرجة الثانية",
               "المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]",
               "= 2^{2} − 4 × 1 × 1",
               "= 4 − 4",
               "= 0",
               "\\sqrt{المميز} = \\sqrt{0} = 0",
               "المميز = 0: للمعادلة جذر مكرر",
               "س٢ = \\frac{−[green:ب] − \\sqrt{المميز}}{2 × [blue:أ]}",
               "= \\frac{−2 − 0}{2 × 1}",
               "= \\frac{−2}{2}",
               "= −1",
               "حتى لا يطرح عددان متقاربان يحسب الجذر الآخر من أن حاصل ضرب الجذرين = \\frac{[red:جـ]}{[blue:أ]}:",
               "س١ = \\frac{2 × [red:جـ]}{−[green:ب] − \\sqrt{المميز}}",
               "= \\frac{2 × 1}{−2}",
               "= \\frac{2}{−2}",
               "= −1",
               "مجموعة الحل = {−1}"};
    QTest::newRow("irrational roots, negative c")
        << "1"
        << "0"
        << "-2" << Ok << none << none
        << QStringList{
               "المعادلة: [magenta:س]^{2} − 2 = 0",
               "[blue:أ] = 1 ، [green:ب] = 0 ، [red:جـ] = −2",
               "[blue:أ] لا يساوي 0: المعادلة من الدرجة الثانية",
               "المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]",
               "= 0^{2} − 4 × 1 × (−2)",
               "= 0 − (−8)",
               "= 8",
               "\\sqrt{المميز} = \\sqrt{8} ≈ 2.82842712474619",
               "س٢ = \\frac{−[green:ب] − \\sqrt{المميز}}{2 × [blue:أ]}",
               "≈ \\frac{0 − 2.82842712474619}{2 × 1}",
               "≈ \\frac{−2.82842712474619}{2}",
               "≈ −1.4142135623731",
               "حتى لا يطرح عددان متقاربان يحسب الجذر الآخر من أن حاصل ضرب الجذرين = \\frac{[red:جـ]}{[blue:أ]}:",
               "س١ = \\frac{2 × [red:جـ]}{−[green:ب] − \\sqrt{المميز}}",
               "≈ \\frac{2 × (−2)}{−2.82842712474619}",
               "≈ \\frac{−4}{−2.82842712474619}",
               "≈ 1.41421356237309",
               "مجموعة الحل = {1.41421356237309 ، −1.4142135623731}"};
    QTest::newRow("coefficients as read")
        << "2"
        << "1kg"
        << "-1x" << Ok << none << none
        << QStringList{
               "المعادلة: 2[magenta:س]^{2} + [magenta:س] − 1 = 0",
               "[blue:أ] = 2 ، [green:ب] = 1 ، [red:جـ] = −1",
               "[green:ب]: يؤخذ العدد الذي في أول المكتوب، وهنا 1",
               "[red:جـ]: يؤخذ العدد الذي في أول المكتوب، وهنا −1",
               "[blue:أ] لا يساوي 0: المعادلة من الدرجة الثانية",
               "المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]",
               "= 1^{2} − 4 × 2 × (−1)",
               "= 1 − (−8)",
               "= 9",
               "\\sqrt{المميز} = \\sqrt{9} = 3",
               "س٢ = \\frac{−[green:ب] − \\sqrt{المميز}}{2 × [blue:أ]}",
               "= \\frac{−1 − 3}{2 × 2}",
               "= \\frac{−4}{4}",
               "= −1",
               "حتى لا يطرح عددان متقاربان يحسب الجذر الآخر من أن حاصل ضرب الجذرين = \\frac{[red:جـ]}{[blue:أ]}:",
               "س١ = \\frac{2 × [red:جـ]}{−[green:ب] − \\sqrt{المميز}}",
               "= \\frac{2 × (−1)}{−4}",
               "= \\frac{−2}{−4}",
               "= 0.5",
               "مجموعة الحل = {0.5 ، −1}"};
    QTest::newRow("linear")
        << "0"
        << "2"
        << "-4" << Ok << none << none
        << QStringList{"المعادلة: 2[magenta:س] − 4 = 0",
                       "[blue:أ] = 0 ، [green:ب] = 2 ، [red:جـ] = −4",
                       "[blue:أ] = 0: المعادلة من الدرجة الأولى [green:ب][magenta:س] + [red:جـ] = 0",
                       "[magenta:س] = −[red:جـ] ÷ [green:ب]",
                       "= 4 ÷ 2",
                       "= 2",
                       "مجموعة الحل = {2}"};
    QTest::newRow("linear, a written -0, b negative")
        << "-0"
        << "-5"
        << "10" << Ok << none << none
        << QStringList{"المعادلة: −5[magenta:س] + 10 = 0",
                       "[blue:أ] = 0 ، [green:ب] = −5 ، [red:جـ] = 10",
                       "[blue:أ] = 0: المعادلة من الدرجة الأولى [green:ب][magenta:س] + [red:جـ] = 0",
                       "[magenta:س] = −[red:جـ] ÷ [green:ب]",
                       "= −10 ÷ (−5)",
                       "= 2",
                       "مجموعة الحل = {2}"};
    QTest::newRow("negative discriminant")
        << "1"
        << "0"
        << "1" << Ok << "لا يوجد حل لهذه المعادلة .. لأنه أثناء حل المعادلة يوجد سالب تحت الجذر" << MathError
        << QStringList{"المعادلة: [magenta:س]^{2} + 1 = 0",
                       "[blue:أ] = 1 ، [green:ب] = 0 ، [red:جـ] = 1",
                       "[blue:أ] لا يساوي 0: المعادلة من الدرجة الثانية",
                       "المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]",
                       "= 0^{2} − 4 × 1 × 1",
                       "= 0 − 4",
                       "= −4",
                       "! المميز سالب ولا يوجد جذر تربيعي لعدد سالب: لا يوجد حل لهذه المعادلة"};
    QTest::newRow("a = b = 0, c not 0")
        << "0"
        << "0"
        << "5" << Ok << "لا يوجد حل لهذه المعادلة .. لأن أ و ب يساويان صفرا والعدد الثابت ليس صفرا" << MathError
        << QStringList{"المعادلة: 5 = 0", "[blue:أ] = 0 ، [green:ب] = 0 ، [red:جـ] = 5",
                       "[blue:أ] = 0 و [green:ب] = 0: المعادلة تصير [red:جـ] = 0 أيا كان [magenta:س]",
                       "لكن [red:جـ] = 5 لا يساوي 0",
                       "! لا يوجد حل لهذه المعادلة لأن أ و ب يساويان صفرا والعدد الثابت ليس صفرا"};
    QTest::newRow("a = b = c = 0")
        << "0"
        << "0"
        << "0" << Ok << "كل عدد هو حل لهذه المعادلة .. لأن جميع المعاملات تساوي صفرا"
        << "معلومة رياضية"
        << QStringList{"المعادلة: 0 = 0", "[blue:أ] = 0 ، [green:ب] = 0 ، [red:جـ] = 0",
                       "[blue:أ] = 0 و [green:ب] = 0: المعادلة تصير [red:جـ] = 0 أيا كان [magenta:س]",
                       "[red:جـ] = 0 أيضا: المساواة 0 = 0 صحيحة",
                       "كل عدد هو حل لهذه المعادلة لأن جميع المعاملات تساوي صفرا"};
    QTest::newRow("a not a number") << "1abc"
                                    << "-3"
                                    << "2" << Outcome(Failure::NotANumber) << none << none
                                    << QStringList{"المعادلة: [magenta:س]^{2} − 3[magenta:س] + 2 = 0",
                                                   "[blue:أ] = 1 ، [green:ب] = −3 ، [red:جـ] = 2",
                                                   "! ما كُتب في مربع أ ليس عددا صحيح الكتابة، فلا تُعرف درجة المعادلة"};
    QTest::newRow("discriminant overflows")
        << "1"
        << "1E200"
        << "1" << Outcome(Failure::Overflow) << none << none
        << QStringList{"المعادلة: [magenta:س]^{2} + (1 × 10^{200})[magenta:س] + 1 = 0",
                       "[blue:أ] = 1 ، [green:ب] = 1 × 10^{200} ، [red:جـ] = 1",
                       "المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]", "= (1 × 10^{200})^{2} − 4 × 1 × 1",
                       "! " + failureText(Failure::Overflow)};
    QTest::newRow("linear root overflows")
        << "0"
        << "1E-99"
        << "9E307" << Outcome(Failure::Overflow) << none << none
        << QStringList{"المعادلة: (1 × 10^{−99})[magenta:س] + 9 × 10^{307} = 0",
                       "[blue:أ] = 0 ، [green:ب] = 1 × 10^{−99} ، [red:جـ] = 9 × 10^{307}",
                       "[blue:أ] = 0: المعادلة من الدرجة الأولى [green:ب][magenta:س] + [red:جـ] = 0",
                       "[magenta:س] = −[red:جـ] ÷ [green:ب]",
                       "= −9 × 10^{307} ÷ (1 × 10^{−99})",
                       "! " + failureText(Failure::Overflow)};
}

void StepsAlgebraTest::equation()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(Outcome, failure);
    QFETCH(QString, notice);
    QFETCH(QString, title);
    QFETCH(QStringList, lines);
    open(Equation);
    expectOutcome(failure, notice, title);
    work("Form16", {a, b, c}, {"Command4"});
    QCOMPARE(linesOf(lastSteps("Form16")), lines);
}

void StepsAlgebraTest::fractions_data()
{
    QTest::addColumn<QString>("operation"); // the option
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<Outcome>("failure");
    QTest::addColumn<QStringList>("lines");
    // The steps reach the boxes' fraction as the window computed it; lowest
    // terms and the mixed number follow as a separate remark.
    QTest::newRow("1/2 + 1/3") << "Opt1" << QStringList{"1", "2", "1", "3"} << Ok
                               << QStringList{"\\frac{1}{2} + \\frac{1}{3}",
                                              "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                                              "\\frac{أ}{ب} + \\frac{جـ}{د} = \\frac{أ × د + ب × جـ}{ب × د}",
                                              "= \\frac{1 × 3 + 2 × 1}{2 × 3}",
                                              "أ × د = 1 × 3 = 3",
                                              "ب × جـ = 2 × 1 = 2",
                                              "البسط = 3 + 2",
                                              "= 5",
                                              "المقام = 2 × 3",
                                              "= 6",
                                              "الناتج = \\frac{5}{6}",
                                              "والكسر \\frac{5}{6} في أبسط صورة"};
    QTest::newRow("1/3 - 1/2") << "Opt2" << QStringList{"1", "3", "1", "2"} << Ok
                               << QStringList{"\\frac{1}{3} − \\frac{1}{2}",
                                              "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                                              "\\frac{أ}{ب} − \\frac{جـ}{د} = \\frac{أ × د − ب × جـ}{ب × د}",
                                              "= \\frac{1 × 2 − 3 × 1}{3 × 2}",
                                              "أ × د = 1 × 2 = 2",
                                              "ب × جـ = 3 × 1 = 3",
                                              "البسط = 2 − 3",
                                              "= −1",
                                              "المقام = 3 × 2",
                                              "= 6",
                                              "الناتج = \\frac{−1}{6}",
                                              "والكسر \\frac{−1}{6} في أبسط صورة"};
    QTest::newRow("2/4 + 1/2, reduced by 8")
        << "Opt1" << QStringList{"2", "4", "1", "2"} << Ok
        << QStringList{"\\frac{2}{4} + \\frac{1}{2}",
                       "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                       "\\frac{أ}{ب} + \\frac{جـ}{د} = \\frac{أ × د + ب × جـ}{ب × د}",
                       "= \\frac{2 × 2 + 4 × 1}{4 × 2}",
                       "أ × د = 2 × 2 = 4",
                       "ب × جـ = 4 × 1 = 4",
                       "البسط = 4 + 4",
                       "= 8",
                       "المقام = 4 × 2",
                       "= 8",
                       "الناتج = \\frac{8}{8}",
                       "القاسم المشترك الأكبر للعددين 8 و 8 هو 8",
                       "ويمكن كتابته في أبسط صورة: \\frac{8}{8} = \\frac{8 ÷ 8}{8 ÷ 8} = 1",
                       "وبطريقة أقصر: المضاعف المشترك الأصغر للمقامين 4 و 2 هو 4، فهو المقام الموحد بدل 8",
                       QStringLiteral(
                           "\\frac{2}{4} + \\frac{1}{2} = \\frac{2}{4} + \\frac{1 × 2}{2 × 2} = \\frac{2}{4} + "
                           "\\frac{2}{4} = \\frac{4}{4}")};
    QTest::newRow("negative numbers in brackets")
        << "Opt2" << QStringList{"-1", "2", "-3", "-4"} << Ok
        << QStringList{"\\frac{−1}{2} − (\\frac{−3}{−4})",
                       "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                       "\\frac{أ}{ب} − \\frac{جـ}{د} = \\frac{أ × د − ب × جـ}{ب × د}",
                       "= \\frac{−1 × (−4) − 2 × (−3)}{2 × (−4)}",
                       "أ × د = −1 × (−4) = 4",
                       "ب × جـ = 2 × (−3) = −6",
                       "البسط = 4 − (−6)",
                       "= 10",
                       "المقام = 2 × (−4)",
                       "= −8",
                       "الناتج = \\frac{10}{−8}",
                       "القاسم المشترك الأكبر للعددين 10 و 8 هو 2",
                       "ويمكن كتابته في أبسط صورة: \\frac{10}{−8} = \\frac{10 ÷ 2}{−8 ÷ 2} = \\frac{−5}{4}",
                       "\\frac{−5}{4} = −(1 و \\frac{1}{4})"};
    QTest::newRow("1/4 + 1/4")
        << "Opt1" << QStringList{"1", "4", "1", "4"} << Ok
        << QStringList{"\\frac{1}{4} + \\frac{1}{4}",
                       "المقامان متساويان: المقام الموحد هو المقام نفسه",
                       "\\frac{أ}{ب} + \\frac{جـ}{ب} = \\frac{أ + جـ}{ب}",
                       "= \\frac{1 + 1}{4}",
                       "البسط = 1 + 1",
                       "= 2",
                       "المقام = 4",
                       "الناتج = \\frac{2}{4}",
                       "القاسم المشترك الأكبر للعددين 2 و 4 هو 2",
                       "ويمكن كتابته في أبسط صورة: \\frac{2}{4} = \\frac{2 ÷ 2}{4 ÷ 2} = \\frac{1}{2}"};
    QTest::newRow("equal denominators, the first as typed")
        << "Opt2" << QStringList{"5", "4.0", "1", "4"} << Ok
        << QStringList{"\\frac{5}{4} − \\frac{1}{4}",
                       "المقامان متساويان: المقام الموحد هو المقام نفسه",
                       "\\frac{أ}{ب} − \\frac{جـ}{ب} = \\frac{أ − جـ}{ب}",
                       "= \\frac{5 − 1}{4}",
                       "البسط = 5 − 1",
                       "= 4",
                       "المقام = 4.0",
                       "الناتج = \\frac{4}{4.0}",
                       "القاسم المشترك الأكبر للعددين 4 و 4 هو 4",
                       "ويمكن كتابته في أبسط صورة: \\frac{4}{4} = \\frac{4 ÷ 4}{4 ÷ 4} = 1"};
    QTest::newRow("not whole")
        << "Opt1" << QStringList{"1.5", "2", "1", "2"} << Ok
        << QStringList{"\\frac{1.5}{2} + \\frac{1}{2}",
                       "المقامان متساويان: المقام الموحد هو المقام نفسه",
                       "\\frac{أ}{ب} + \\frac{جـ}{ب} = \\frac{أ + جـ}{ب}",
                       "= \\frac{1.5 + 1}{2}",
                       "البسط = 1.5 + 1",
                       "= 2.5",
                       "المقام = 2",
                       "الناتج = \\frac{2.5}{2}",
                       "البسط أو المقام ليس عددا صحيحا، فلا يبسط الكسر بالقسمة على قاسم مشترك لعددين صحيحين"};
    QTest::newRow("zero numerator")
        << "Opt2" << QStringList{"3", "7", "3", "7"} << Ok
        << QStringList{"\\frac{3}{7} − \\frac{3}{7}",
                       "المقامان متساويان: المقام الموحد هو المقام نفسه",
                       "\\frac{أ}{ب} − \\frac{جـ}{ب} = \\frac{أ − جـ}{ب}",
                       "= \\frac{3 − 3}{7}",
                       "البسط = 3 − 3",
                       "= 0",
                       "المقام = 7",
                       "الناتج = \\frac{0}{7}",
                       "القاسم المشترك الأكبر للعددين 0 و 7 هو 7",
                       "ويمكن كتابته في أبسط صورة: \\frac{0}{7} = \\frac{0 ÷ 7}{7 ÷ 7} = 0"};
    QTest::newRow("the common denominator overflows")
        << "Opt1" << QStringList{"1E99", "1E200", "1E99", "2E200"} << Outcome(Failure::Overflow)
        << QStringList{
               "\\frac{1 × 10^{99}}{1 × 10^{200}} + \\frac{1 × 10^{99}}{2 × 10^{200}}",
               "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
               "\\frac{أ}{ب} + \\frac{جـ}{د} = \\frac{أ × د + ب × جـ}{ب × د}",
               QStringLiteral(
                   "= \\frac{(1 × 10^{99}) × (2 × 10^{200}) + (1 × 10^{200}) × (1 × 10^{99})}{(1 × 10^{200}) × (2 "
                   "× 10^{200})}"),
               "أ × د = (1 × 10^{99}) × (2 × 10^{200}) ≈ 2 × 10^{299}",
               "ب × جـ = (1 × 10^{200}) × (1 × 10^{99}) ≈ 1 × 10^{299}",
               "البسط = (2 × 10^{299}) + (1 × 10^{299})",
               "≈ 3 × 10^{299}",
               "المقام = (1 × 10^{200}) × (2 × 10^{200})",
               "! " + failureText(Failure::Overflow)};
}

void StepsAlgebraTest::fractions()
{
    QFETCH(QString, operation);
    QFETCH(QStringList, inputs);
    QFETCH(Outcome, failure);
    QFETCH(QStringList, lines);
    open(FractionsWindow);
    if (failure)
        expectFailure(notices, *failure);
    work("Form17", inputs, {operation, operation == u"Opt1" ? "Com2" : "Com4"});
    QCOMPARE(linesOf(lastSteps("Form17")), lines);
}

void StepsAlgebraTest::conventional_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Outcome>("failure");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("2 + 3") << QStringList{"2", "3"} << "Command6" << Ok
                           << QStringList{"الناتج = العدد الأول + العدد الثاني", "= 2 + 3", "= 5"};
    QTest::newRow("2 - 3") << QStringList{"2", "3"} << "Command7" << Ok
                           << QStringList{"الناتج = العدد الأول − العدد الثاني", "= 2 − 3", "= −1"};
    QTest::newRow("leading numbers, a negative operand")
        << QStringList{"12abc", "-3"} << "Command8" << Ok
        << QStringList{"العدد الأول: يؤخذ العدد الذي في أول المكتوب، وهنا 12", "الناتج = العدد الأول × العدد الثاني",
                       "= 12 × (−3)", "= −36"};
    QTest::newRow("2 / 3") << QStringList{"2", "3"} << "Command9" << Ok
                           << QStringList{"الناتج = العدد الأول ÷ العدد الثاني", "= 2 ÷ 3", "≈ 0.666666666666667"};
    // The round trip through 15 significant digits shows where it changes
    // a number.
    QTest::newRow("an operand rounded to 15 digits")
        << QStringList{"0.1234567890123456789", "1"} << "Command8" << Ok
        << QStringList{"العدد الأول = 0.1234567890123456789 ≈ 0.123456789012346 (مقربا إلى 15 رقما)",
                       "الناتج = العدد الأول × العدد الثاني", "= 0.123456789012346 × 1", "= 0.123456789012346"};
    QTest::newRow("division by zero") << QStringList{"5", "0.0"} << "Command9" << Ok
                                      << QStringList{"الناتج = العدد الأول ÷ العدد الثاني", "= 5 ÷ 0",
                                                     "! العدد المقسوم على صفر قيمة غير معروفة"};
    QTest::newRow("overflow") << QStringList{"1E300", "1E300"} << "Command8" << Outcome(Failure::Overflow)
                              << QStringList{"الناتج = العدد الأول × العدد الثاني", "= (1 × 10^{300}) × (1 × 10^{300})",
                                             "! " + failureText(Failure::Overflow)};
}

void StepsAlgebraTest::conventional()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, button);
    QFETCH(Outcome, failure);
    QFETCH(QStringList, lines);
    open(Conventional);
    if (failure)
        expectFailure(notices, *failure);
    work("Form3", inputs, {button});
    QCOMPARE(linesOf(lastSteps("Form3")), lines);
}

void StepsAlgebraTest::rounding_data()
{
    QTest::addColumn<QStringList>("inputs"); // added, then the sum rounded
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("a half goes to the even neighbour")
        << QStringList{"0.125", "0"}
        << QStringList{
               "[blue:التقريب لأقرب جزء من المئة]: نضرب في 100، ثم نأخذ أقرب عدد صحيح إلى حاصل الضرب، ثم نقسمه على 100",
               "الناتج = 0.125",
               "0.125 × 100 = 12.5",
               "12.5 في المنتصف تماما بين 12 و 13، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: 12",
               "الناتج مقربا = 12 ÷ 100",
               "= 0.12"};
    QTest::newRow("a half only in its 15 digits")
        << QStringList{"1.005", "0"}
        << QStringList{
               "[blue:التقريب لأقرب جزء من المئة]: نضرب في 100، ثم نأخذ أقرب عدد صحيح إلى حاصل الضرب، ثم نقسمه على 100",
               "الناتج = 1.005",
               "1.005 × 100 ≈ 100.5",
               QStringLiteral(
                   "100.5 يبدو في المنتصف بين 100 و 101، لكن حاصل الضرب كما يحسبه الحاسوب أقل منه بقليل (الحاسوب يحفظ "
                   "الأعداد بالنظام الثنائي)، فأقرب عدد صحيح إليه 100"),
               "الناتج مقربا = 100 ÷ 100",
               "= 1"};
    QTest::newRow("negative")
        << QStringList{"-2.346", "0"}
        << QStringList{
               "[blue:التقريب لأقرب جزء من المئة]: نضرب في 100، ثم نأخذ أقرب عدد صحيح إلى حاصل الضرب، ثم نقسمه على 100",
               "الناتج = −2.346",
               "−2.346 × 100 ≈ −234.6",
               "−234.6 بين −235 و −234، وأقرب عدد صحيح إليه −235",
               "الناتج مقربا = −235 ÷ 100",
               "= −2.35"};
    QTest::newRow("too large to have hundredths")
        << QStringList{"1E300", "0"}
        << QStringList{
               "[blue:التقريب لأقرب جزء من المئة]: نضرب في 100، ثم نأخذ أقرب عدد صحيح إلى حاصل الضرب، ثم نقسمه على 100",
               "الناتج = 1 × 10^{300}",
               "(1 × 10^{300}) × 100 = 1 × 10^{302}",
               "العدد بهذا الحجم عدد صحيح ليس فيه أجزاء من المئة، فلا يتغير بالتقريب",
               "الناتج مقربا = الناتج",
               "= 1 × 10^{300}"};
}

void StepsAlgebraTest::rounding()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, lines);
    open(Conventional);
    work("Form3", inputs, {"Command6", "Command10"});
    QCOMPARE(linesOf(lastSteps("Form3")), lines);
    QCOMPARE(lastSteps("Form3").results(), QStringList{ui::text("Form3", "Text5")});
}

// The steps window's plain text in both digit shapes.
void StepsAlgebraTest::stepsWindowText_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<DigitShape>("shape");
    QTest::addColumn<QString>("text");
    QTest::newRow("equation, 123")
        << "Form16" << QStringList{"Command4"} << QStringList{"2", "1", "-1"} << DigitShape::Western
        << rtl({"المعادلة: 2س² + س − 1 = 0", "أ = 2 ، ب = 1 ، جـ = " + QStringLiteral("−1"),
                "أ لا يساوي 0: المعادلة من الدرجة الثانية", "المميز = ب² − 4 × أ × جـ",
                "= 1² − 4 × 2 × (" + QStringLiteral("−1") + ")", "= 1 − (" + QStringLiteral("−8") + ")", "= 9",
                "√(المميز) = √(9) = 3", "س2 = (−ب − √(المميز)) ÷ (2 × أ)",
                "= (" + QStringLiteral("−1") + " − 3) ÷ (2 × 2)", "= " + QStringLiteral("−4") + " ÷ 4",
                "= " + QStringLiteral("−1"),
                "حتى لا يطرح عددان متقاربان يحسب الجذر الآخر من أن حاصل ضرب الجذرين = جـ ÷ أ:",
                "س1 = (2 × جـ) ÷ (−ب − √(المميز))",
                "= (2 × (" + QStringLiteral("−1") + ")) ÷ (" + QStringLiteral("−4") + ")",
                "= " + QStringLiteral("−2") + " ÷ (" + QStringLiteral("−4") + ")", "= 0.5",
                "مجموعة الحل = {0.5 ، " + QStringLiteral("−1") + "}"});
    QTest::newRow("fractions, ١٢٣") << "Form17" << QStringList{"Opt1", "Com2"} << QStringList{"1", "4", "1", "4"}
                                    << DigitShape::ArabicIndic
                                    << rtl({"١ ÷ ٤ + ١ ÷ ٤", "المقامان متساويان: المقام الموحد هو المقام نفسه",
                                            "أ ÷ ب + جـ ÷ ب = (أ + جـ) ÷ ب", "= (١ + ١) ÷ ٤", "البسط = ١ + ١", "= ٢",
                                            "المقام = ٤", "الناتج = ٢ ÷ ٤", "القاسم المشترك الأكبر للعددين ٢ و ٤ هو ٢",
                                            "ويمكن كتابته في أبسط صورة: ٢ ÷ ٤ = (٢ ÷ ٢) ÷ (٤ ÷ ٢) = ١ ÷ ٢"});
    QTest::newRow("conventional, ١٢٣") << "Form3" << QStringList{"Command9"} << QStringList{"1", "8"}
                                       << DigitShape::ArabicIndic
                                       << rtl({"الناتج = العدد الأول ÷ العدد الثاني", "= ١ ÷ ٨", "= ٠٫١٢٥"});
    QTest::newRow("conventional, 123") << "Form3" << QStringList{"Command7"} << QStringList{"1", "8"}
                                       << DigitShape::Western
                                       << rtl({"الناتج = العدد الأول − العدد الثاني", "= 1 − 8",
                                               "= " + QStringLiteral("−7")});
}

void StepsAlgebraTest::stepsWindowText()
{
    QFETCH(QString, window);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, inputs);
    QFETCH(DigitShape, shape);
    QFETCH(QString, text);
    const Section section = sectionOf(window);
    open(section);
    setDigitShape(shape);
    work(window, inputs, buttons);
    QVERIFY(ui::click(section.window, "StepsButton"));
    reference::StepsWindow *steps = app::stepsOf(ui::window(section.window))->stepsWindow();
    QVERIFY(steps && steps->isVisible());
    QCOMPARE(stepstext::withoutIsolates(steps->view()->plainText()).split(u'\n'), text.split(u'\n'));
}

QTEST_MAIN(StepsAlgebraTest)
#include "test_steps_algebra.moc"
