// Worked steps of the equation solver, the fractions window and the
// conventional calculator: the lines each calculation writes, failures, the
// steps window's text in both digit shapes, and the results of the steps
// against the result boxes for every calculate button. How the steps open,
// refuse and close is test_stepsdoor's.

#include "support/outcome.h"
#include "support/scripted.h"
#include "support/stepstext.h"
#include "support/ui.h"

#include "kit/steps.h"
#include "numtext/digits.h"
#include "kit/notice.h"
#include "numtext/steps.h"
#include "kit/stepswindow.h"

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

const char *const X = "[magenta:س]";
const char *const A = "[blue:أ]";
const char *const B = "[green:ب]";
const char *const C = "[red:جـ]";
QString q(const char *text) { return QString::fromUtf8(text); }
QString coefficients(const char *a, const char *b, const char *c)
{
    return q(A) + " = " + a + " ، " + B + " = " + b + " ، " + C + " = " + c;
}
const QString Discriminant = q("المميز = ") + B + "^{2} − 4 × " + A + " × " + C;
const QString Quadratic = q(A) + " لا يساوي 0: المعادلة من الدرجة الثانية";
const QString RootFormula = q(X) + " = \\frac{−" + B + " ± \\sqrt{المميز}}{2 × " + A + "}";
QString root(const QString &text) { return q(X) + " " + text; }

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
    void resultsAreTheBoxes_data();
    void resultsAreTheBoxes();

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
        << "1" << "-3" << "2" << Ok << none << none
        << QStringList{coefficients("1", "-3", "2"), Quadratic, Discriminant, "= (-3)^{2} − 4 × 1 × 2", "= 9 − 8",
                       "= 1", "\\sqrt{المميز} = \\sqrt{1} = 1", q("−") + B + " = 3 ، 2 × " + A + " = 2", RootFormula,
                       root("= \\frac{3 + 1}{2} = \\frac{4}{2}"), root("= 2"), root("= \\frac{3 − 1}{2} = \\frac{2}{2}"),
                       root("= 1")};
    QTest::newRow("D = 0, equal roots")
        << "1" << "2" << "1" << Ok << none << none
        << QStringList{coefficients("1", "2", "1"), Quadratic, Discriminant, "= 2^{2} − 4 × 1 × 1", "= 4 − 4", "= 0",
                       "\\sqrt{المميز} = \\sqrt{0} = 0", q("−") + B + " = -2 ، 2 × " + A + " = 2", RootFormula,
                       root("= \\frac{-2 + 0}{2} = \\frac{-2}{2}"), root("= -1"),
                       root("= \\frac{-2 − 0}{2} = \\frac{-2}{2}"), root("= -1")};
    QTest::newRow("irrational roots, negative c")
        << "1" << "0" << "-2" << Ok << none << none
        << QStringList{coefficients("1", "0", "-2"), Quadratic, Discriminant, "= 0^{2} − 4 × 1 × (-2)", "= 0 − (-8)",
                       "= 8", "\\sqrt{المميز} = \\sqrt{8} = 2.82842712474619",
                       q("−") + B + " = 0 ، 2 × " + A + " = 2", RootFormula,
                       root("= \\frac{0 + 2.82842712474619}{2} = \\frac{2.82842712474619}{2}"),
                       root("= 1.4142135623731"),
                       root("= \\frac{0 − 2.82842712474619}{2} = \\frac{-2.82842712474619}{2}"),
                       root("= -1.4142135623731")};
    // The coefficients as read: b and c by their leading numbers.
    QTest::newRow("coefficients as read")
        << "2" << "1kg" << "-1x" << Ok << none << none
        << QStringList{coefficients("2", "1", "-1"), Quadratic, Discriminant, "= 1^{2} − 4 × 2 × (-1)", "= 1 − (-8)",
                       "= 9", "\\sqrt{المميز} = \\sqrt{9} = 3", q("−") + B + " = -1 ، 2 × " + A + " = 4", RootFormula,
                       root("= \\frac{-1 + 3}{4} = \\frac{2}{4}"), root("= 0.5"),
                       root("= \\frac{-1 − 3}{4} = \\frac{-4}{4}"), root("= -1")};
    QTest::newRow("linear")
        << "0" << "2" << "-4" << Ok << none << none
        << QStringList{coefficients("0", "2", "-4"), q(A) + " = 0: المعادلة من الدرجة الأولى " + B + X + " + " + C + " = 0",
                       q(X) + " = −" + C + " ÷ " + B, "= 4 ÷ 2", root("= 2")};
    QTest::newRow("linear, a written -0, b negative")
        << "-0" << "-5" << "10" << Ok << none << none
        << QStringList{coefficients("0", "-5", "10"), q(A) + " = 0: المعادلة من الدرجة الأولى " + B + X + " + " + C + " = 0",
                       q(X) + " = −" + C + " ÷ " + B, "= -10 ÷ (-5)", root("= 2")};
    QTest::newRow("negative discriminant")
        << "1" << "0" << "1" << Ok
        << "لا يوجد حل لهذه المعادلة .. لأنه أثناء حل المعادلة يوجد سالب تحت الجذر" << MathError
        << QStringList{coefficients("1", "0", "1"), Discriminant, "= 0^{2} − 4 × 1 × 1", "= 0 − 4", "= -4",
                       "! المميز سالب ولا يوجد جذر تربيعي لعدد سالب: لا يوجد حل لهذه المعادلة"};
    QTest::newRow("a = b = 0, c not 0")
        << "0" << "0" << "5" << Ok
        << "لا يوجد حل لهذه المعادلة .. لأن أ و ب يساويان صفرا والعدد الثابت ليس صفرا" << MathError
        << QStringList{coefficients("0", "0", "5"),
                       q(A) + " = 0 و " + B + " = 0: المعادلة تصير " + C + " = 0 أيا كان " + X,
                       q("لكن ") + C + " = 5 لا يساوي 0",
                       "! لا يوجد حل لهذه المعادلة لأن أ و ب يساويان صفرا والعدد الثابت ليس صفرا"};
    QTest::newRow("a = b = c = 0")
        << "0" << "0" << "0" << Ok << "كل عدد هو حل لهذه المعادلة .. لأن جميع المعاملات تساوي صفرا"
        << "معلومة رياضية"
        << QStringList{coefficients("0", "0", "0"),
                       q(A) + " = 0 و " + B + " = 0: المعادلة تصير " + C + " = 0 أيا كان " + X,
                       q(C) + " = 0 أيضا: المساواة 0 = 0 صحيحة",
                       "كل عدد هو حل لهذه المعادلة لأن جميع المعاملات تساوي صفرا"};
    QTest::newRow("a not a number")
        << "1abc" << "-3" << "2" << Outcome(Failure::NotANumber) << none << none
        << QStringList{coefficients("1", "-3", "2"),
                       "! ما كُتب في مربع أ ليس عددا صحيح الكتابة، فلا تُعرف درجة المعادلة"};
    QTest::newRow("discriminant overflows")
        << "1" << "1E200" << "1" << Outcome(Failure::Overflow) << none << none
        << QStringList{coefficients("1", "1E+200", "1"), Discriminant, "= (1E+200)^{2} − 4 × 1 × 1",
                       "! " + failureText(Failure::Overflow)};
    QTest::newRow("linear root overflows")
        << "0" << "1E-99" << "9E307" << Outcome(Failure::Overflow) << none << none
        << QStringList{coefficients("0", "1E-99", "9E+307"),
                       q(A) + " = 0: المعادلة من الدرجة الأولى " + B + X + " + " + C + " = 0",
                       q(X) + " = −" + C + " ÷ " + B, "= -9E+307 ÷ 1E-99", "! " + failureText(Failure::Overflow)};
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
    const QString different = q("المقامان مختلفان: المقام الموحد هو حاصل ضربهما");
    const QString equal = q("المقامان متساويان: المقام الموحد هو المقام نفسه");
    const QString sum = "\\frac{أ}{ب} + \\frac{جـ}{د} = \\frac{أ × د + ب × جـ}{ب × د}";
    const QString difference = "\\frac{أ}{ب} − \\frac{جـ}{د} = \\frac{أ × د − ب × جـ}{ب × د}";
    const QString equalSum = "\\frac{أ}{ب} + \\frac{جـ}{ب} = \\frac{أ + جـ}{ب}";
    QTest::newRow("1/2 + 1/3")
        << "Opt1" << QStringList{"1", "2", "1", "3"} << Ok
        << QStringList{"\\frac{1}{2} + \\frac{1}{3}", different, sum, "= \\frac{1 × 3 + 2 × 1}{2 × 3}",
                       "أ × د = 1 × 3 = 3", "ب × جـ = 2 × 1 = 2", "البسط = 3 + 2", "= 5", "المقام = 2 × 3", "= 6",
                       "القاسم المشترك الأكبر للعددين 5 و 6 هو 1", "فالكسر \\frac{5}{6} في أبسط صورة"};
    QTest::newRow("1/3 - 1/2")
        << "Opt2" << QStringList{"1", "3", "1", "2"} << Ok
        << QStringList{"\\frac{1}{3} − \\frac{1}{2}", different, difference, "= \\frac{1 × 2 − 3 × 1}{3 × 2}",
                       "أ × د = 1 × 2 = 2", "ب × جـ = 3 × 1 = 3", "البسط = 2 − 3", "= -1", "المقام = 3 × 2", "= 6",
                       "القاسم المشترك الأكبر للعددين 1 و 6 هو 1", "فالكسر \\frac{-1}{6} في أبسط صورة"};
    QTest::newRow("2/4 + 1/2, reduced by 8")
        << "Opt1" << QStringList{"2", "4", "1", "2"} << Ok
        << QStringList{"\\frac{2}{4} + \\frac{1}{2}", different, sum, "= \\frac{2 × 2 + 4 × 1}{4 × 2}",
                       "أ × د = 2 × 2 = 4", "ب × جـ = 4 × 1 = 4", "البسط = 4 + 4", "= 8", "المقام = 4 × 2", "= 8",
                       "القاسم المشترك الأكبر للعددين 8 و 8 هو 8",
                       "في أبسط صورة: \\frac{8}{8} = \\frac{8 ÷ 8}{8 ÷ 8} = \\frac{1}{1}"};
    QTest::newRow("negative numbers in brackets")
        << "Opt2" << QStringList{"-1", "2", "-3", "-4"} << Ok
        << QStringList{"\\frac{-1}{2} − \\frac{-3}{-4}", different, difference,
                       "= \\frac{-1 × (-4) − 2 × (-3)}{2 × (-4)}", "أ × د = -1 × (-4) = 4", "ب × جـ = 2 × (-3) = -6",
                       "البسط = 4 − (-6)", "= 10", "المقام = 2 × (-4)", "= -8",
                       "القاسم المشترك الأكبر للعددين 10 و 8 هو 2",
                       "في أبسط صورة: \\frac{10}{-8} = \\frac{10 ÷ 2}{-8 ÷ 2} = \\frac{5}{-4}"};
    // Equal denominators: the result's denominator is the first one as typed.
    QTest::newRow("1/4 + 1/4")
        << "Opt1" << QStringList{"1", "4", "1", "4"} << Ok
        << QStringList{"\\frac{1}{4} + \\frac{1}{4}", equal, equalSum, "= \\frac{1 + 1}{4}", "البسط = 1 + 1", "= 2",
                       "المقام = 4", "القاسم المشترك الأكبر للعددين 2 و 4 هو 2",
                       "في أبسط صورة: \\frac{2}{4} = \\frac{2 ÷ 2}{4 ÷ 2} = \\frac{1}{2}"};
    QTest::newRow("equal denominators, the first as typed")
        << "Opt2" << QStringList{"5", "4.0", "1", "4"} << Ok
        << QStringList{"\\frac{5}{4} − \\frac{1}{4}", equal,
                       "\\frac{أ}{ب} − \\frac{جـ}{ب} = \\frac{أ − جـ}{ب}", "= \\frac{5 − 1}{4}", "البسط = 5 − 1", "= 4",
                       "المقام = 4.0", "القاسم المشترك الأكبر للعددين 4 و 4 هو 4",
                       "في أبسط صورة: \\frac{4}{4} = \\frac{4 ÷ 4}{4 ÷ 4} = \\frac{1}{1}"};
    // Nothing of lowest terms when a number is not whole.
    QTest::newRow("not whole")
        << "Opt1" << QStringList{"1.5", "2", "1", "2"} << Ok
        << QStringList{"\\frac{1.5}{2} + \\frac{1}{2}", equal, equalSum, "= \\frac{1.5 + 1}{2}", "البسط = 1.5 + 1",
                       "= 2.5", "المقام = 2"};
    QTest::newRow("zero numerator")
        << "Opt2" << QStringList{"3", "7", "3", "7"} << Ok
        << QStringList{"\\frac{3}{7} − \\frac{3}{7}", equal, "\\frac{أ}{ب} − \\frac{جـ}{ب} = \\frac{أ − جـ}{ب}",
                       "= \\frac{3 − 3}{7}", "البسط = 3 − 3", "= 0", "المقام = 7",
                       "القاسم المشترك الأكبر للعددين 0 و 7 هو 7",
                       "في أبسط صورة: \\frac{0}{7} = \\frac{0 ÷ 7}{7 ÷ 7} = \\frac{0}{1}"};
    QTest::newRow("the common denominator overflows")
        << "Opt1" << QStringList{"1E99", "1E200", "1E99", "2E200"} << Outcome(Failure::Overflow)
        << QStringList{"\\frac{1E+99}{1E+200} + \\frac{1E+99}{2E+200}", different, sum,
                       "= \\frac{1E+99 × 2E+200 + 1E+200 × 1E+99}{1E+200 × 2E+200}", "أ × د = 1E+99 × 2E+200 = 2E+299",
                       "ب × جـ = 1E+200 × 1E+99 = 1E+299", "البسط = 2E+299 + 1E+299", "= 3E+299",
                       "المقام = 1E+200 × 2E+200", "! " + failureText(Failure::Overflow)};
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
                           << QStringList{"الناتج = العدد الأول − العدد الثاني", "= 2 − 3", "= -1"};
    QTest::newRow("leading numbers, a negative operand")
        << QStringList{"12abc", "-3"} << "Command8" << Ok
        << QStringList{"الناتج = العدد الأول × العدد الثاني", "= 12 × (-3)", "= -36"};
    QTest::newRow("2 / 3") << QStringList{"2", "3"} << "Command9" << Ok
                           << QStringList{"الناتج = العدد الأول ÷ العدد الثاني", "= 2 ÷ 3", "= 0.666666666666667"};
    // The round trip through 15 significant digits shows where it changes
    // a number.
    QTest::newRow("an operand rounded to 15 digits")
        << QStringList{"0.1234567890123456789", "1"} << "Command8" << Ok
        << QStringList{"الناتج = العدد الأول × العدد الثاني",
                       "العدد الأول مقربا إلى 15 رقما معنويا = 0.123456789012346", "= 0.123456789012346 × 1",
                       "= 0.123456789012346"};
    QTest::newRow("division by zero")
        << QStringList{"5", "0.0"} << "Command9" << Ok
        << QStringList{"الناتج = العدد الأول ÷ العدد الثاني", "= 5 ÷ 0", "! العدد المقسوم على صفر قيمة غير معروفة"};
    QTest::newRow("overflow") << QStringList{"1E300", "1E300"} << "Command8" << Outcome(Failure::Overflow)
                              << QStringList{"الناتج = العدد الأول × العدد الثاني", "= 1E+300 × 1E+300",
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
        << QStringList{"تقريب الناتج 0.125 إلى منزلتين عشريتين (أقرب جزء من مئة)", "0.125 × 100 = 12.5",
                       "أقرب عدد صحيح إليه 12 (نصف تماما: يُقرَّب إلى العدد الزوجي)", "= 12 ÷ 100", "= 0.12"};
    QTest::newRow("a half only in its 15 digits")
        << QStringList{"1.005", "0"}
        << QStringList{"تقريب الناتج 1.005 إلى منزلتين عشريتين (أقرب جزء من مئة)", "1.005 × 100 = 100.5",
                       "أقرب عدد صحيح إليه 100 (وهو في الحاسوب أقل من النصف بقليل)", "= 100 ÷ 100", "= 1"};
    QTest::newRow("negative") << QStringList{"-2.346", "0"}
                              << QStringList{"تقريب الناتج -2.346 إلى منزلتين عشريتين (أقرب جزء من مئة)",
                                             "-2.346 × 100 = -234.6", "أقرب عدد صحيح إليه -235", "= -235 ÷ 100",
                                             "= -2.35"};
    QTest::newRow("too large to have hundredths")
        << QStringList{"1E300", "0"}
        << QStringList{"تقريب الناتج 1E+300 إلى منزلتين عشريتين (أقرب جزء من مئة)",
                       "العدد كبير فليس فيه أجزاء من مئة تُحذف", "= 1E+300"};
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
    const QStringList quadratic{"2", "1", "-1"};
    const QStringList equationLines{"أ = 2 ، ب = 1 ، جـ = %1", "أ لا يساوي 0: المعادلة من الدرجة الثانية",
                                    "المميز = ب² − %4 × أ × جـ", "= 1² − %4 × 2 × (%1)", "= 1 − (%2)", "= 9",
                                    "√(المميز) = √(9) = 3", "−ب = %3 ، 2 × أ = %4",
                                    "س = (−ب ± √(المميز)) / (2 × أ)", "س = (%3 + 3) / %4 = 2 / %4", "س = 0.5",
                                    "س = (%3 − 3) / %4 = %5 / %4", "س = %3"};
    auto fill = [&](QString l, DigitShape shape) {
        auto negative = [shape](const QString &n) {
            return shape == DigitShape::Western ? LRM + "-" + n + RLM : ALM + "-" + n;
        };
        const bool arabic = shape == DigitShape::ArabicIndic;
        return l.replace("%1", negative(arabic ? "١" : "1"))
            .replace("%2", negative(arabic ? "٨" : "8"))
            .replace("%3", negative(arabic ? "١" : "1"))
            .replace("%4", arabic ? "٤" : "4")
            .replace("%5", negative(arabic ? "٤" : "4"));
    };
    QStringList western, arabic;
    for (const QString &l : equationLines)
        western << fill(l, DigitShape::Western);
    QTest::newRow("equation, 123") << "Form16" << QStringList{"Command4"} << quadratic << DigitShape::Western
                                   << rtl(western);
    QTest::newRow("fractions, ١٢٣")
        << "Form17" << QStringList{"Opt1", "Com2"} << QStringList{"1", "4", "1", "4"} << DigitShape::ArabicIndic
        << rtl({"١ / ٤ + ١ / ٤", "المقامان متساويان: المقام الموحد هو المقام نفسه", "أ / ب + جـ / ب = (أ + جـ) / ب",
                "= (١ + ١) / ٤", "البسط = ١ + ١", "= ٢", "المقام = ٤", "القاسم المشترك الأكبر للعددين ٢ و ٤ هو ٢",
                "في أبسط صورة: ٢ / ٤ = (٢ ÷ ٢) / (٤ ÷ ٢) = ١ / ٢"});
    QTest::newRow("conventional, ١٢٣")
        << "Form3" << QStringList{"Command9"} << QStringList{"1", "8"} << DigitShape::ArabicIndic
        << rtl({"الناتج = العدد الأول ÷ العدد الثاني", "= ١ ÷ ٨", "= ٠٫١٢٥"});
    QTest::newRow("conventional, 123")
        << "Form3" << QStringList{"Command7"} << QStringList{"1", "8"} << DigitShape::Western
        << rtl({"الناتج = العدد الأول − العدد الثاني", "= 1 − 8", "= " + LRM + "-7" + RLM});
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
    QCOMPARE(steps->view()->plainText().split(u'\n'), text.split(u'\n'));
}

// Every calculate button: the results of the steps are the texts of the
// result boxes, character for character; the division by zero ends its steps
// with the text the result box shows.
void StepsAlgebraTest::resultsAreTheBoxes_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("boxes");
    const QStringList text3{"Text3"}, roots{"Te4", "Te5"}, fraction{"Text5", "Text6"};
    QTest::newRow("Form3 add") << "Form3" << QStringList{"Command6"} << QStringList{"0.1", "0.2"} << text3;
    QTest::newRow("Form3 subtract") << "Form3" << QStringList{"Command7"} << QStringList{"1E15", "0.5"} << text3;
    QTest::newRow("Form3 multiply") << "Form3" << QStringList{"Command8"} << QStringList{"-1.5e-7", "3"} << text3;
    QTest::newRow("Form3 divide") << "Form3" << QStringList{"Command9"} << QStringList{"22", "7"} << text3;
    QTest::newRow("Form3 round") << "Form3" << QStringList{"Command9", "Command10"} << QStringList{"2", "3"}
                                 << QStringList{"Text5"};
    QTest::newRow("Form16 quadratic") << "Form16" << QStringList{"Command4"} << QStringList{"0.001", "99999", "-0.01"}
                                      << roots;
    QTest::newRow("Form16 linear") << "Form16" << QStringList{"Command4"} << QStringList{"0.000", "-7.77", "1.234"}
                                   << QStringList{"Te4"};
    QTest::newRow("Form17 add") << "Form17" << QStringList{"Opt1", "Com2"} << QStringList{"-999", "99999", "999", "-9999"}
                                << fraction;
    QTest::newRow("Form17 subtract, equal") << "Form17" << QStringList{"Opt2", "Com4"}
                                            << QStringList{"7", " 04 ", "9", "4"} << fraction;
}

void StepsAlgebraTest::resultsAreTheBoxes()
{
    QFETCH(QString, window);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, boxes);
    const Section section = sectionOf(window);
    open(section);
    work(window, inputs, buttons);
    QStringList shown;
    for (const QString &box : boxes)
        shown << ui::text(section.window, qPrintable(box));
    QCOMPARE(lastSteps(section.window).results(), shown);
    QVERIFY(!lastSteps(section.window).failed());
    // The last result stands in a line as the box shows it.
    const QStringList lines = lastSteps(section.window).lines();
    QVERIFY(std::any_of(lines.begin(), lines.end(), [&](const QString &l) { return l.endsWith("= " + shown.last()); }));

    if (window == u"Form3") {
        work(window, {"5", "0"}, {"Command9"});
        QCOMPARE(lastSteps(section.window).failure(), ui::text(section.window, "Text3"));
    }
}

QTEST_MAIN(StepsAlgebraTest)
#include "test_steps_algebra.moc"
