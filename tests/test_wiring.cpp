// Every calculate button of every window that offers its worked steps, used
// as the pupil uses it: the steps the window gives for the calculation end
// with what its result boxes show, character for character, in the order the
// boxes are written, and the steps window shows that last line. What the
// lines say is the formulas' business (the formula tests); here only the
// wiring of boxes, buttons and steps is checked.

#include "support/linecheck.h"
#include "support/scripted.h"
#include "support/stepstext.h"
#include "support/ui.h"

#include "kit/steps.h"
#include "kit/stepswindow.h"

#include <QLineEdit>

#include <algorithm>

using numtext::Steps;

namespace {

// Where the steps show the last result box.
enum class End {
    LastLine,    // the last line is "= box" (or "≈ box"), or the box's words
    LastNumber,  // the same when the last box is a number: a pole's "خطأ" has words of its own
    SolutionSet, // the equation: the last line is the set of the roots
    SomeLine,    // the fractions: the boxes' fraction, then its simplest form
    Failure,     // the failure's text, the text the box shows
};

// A calculate button: the window, the main-menu option that opens it, what
// is chosen before typing ("" for nothing), the boxes typed into in order,
// the buttons pressed, and the result boxes in the order they are written.
struct Button {
    const char *form;
    const char *menuOption;
    const char *option;
    QStringList inputs;
    QStringList buttons;
    QStringList results;
    End end = End::LastLine;
};

const char *menuOption(const char *form)
{
    static const QHash<QString, const char *> options{
        {"Form3", "Op1"}, {"Form4", "Op2"}, {"Form5", "Op3"},  {"Form6", "Op4"},   {"Form7", "Op5"},
        {"Form8", "Op6"}, {"Form9", "Op7"}, {"Form16", "Op9"}, {"Form17", "Op10"},
    };
    return options.value(QString::fromLatin1(form));
}

// One row for each value set: the same text in every input box, or the
// texts given.
void addRows(const Button &b, const QList<QStringList> &valueSets)
{
    for (const QStringList &values : valueSets) {
        QStringList actions;
        if (*b.option)
            actions << QString::fromLatin1(b.option);
        for (qsizetype i = 0; i < b.inputs.size(); ++i)
            actions << b.inputs[i] + u'=' + (values.size() == 1 ? values[0] : values.value(i));
        actions << b.buttons;
        QTest::addRow("%s %s %s", b.form, qPrintable(b.buttons.join(u'+')), qPrintable(values.join(u',')))
            << QString::fromLatin1(b.form) << actions << b.results << int(b.end);
    }
}

// Whether a line ends with a result box's number as the steps write it, after
// "=" or "≈" (a name may stand before it, a unit after it), or gives the box
// on a line of its own where it differs from the value worked out ("والحاسبة
// تكتب …: …").
bool endsWithResult(const QString &line, const QString &box)
{
    if (line.startsWith(QStringLiteral("والحاسبة تكتب ") + numtext::writtenText(box) + u':'))
        return true;
    QString l = line;
    for (int u = int(numtext::Unit::Length); u <= int(numtext::Unit::Radian); ++u) {
        const QString unit = u' ' + numtext::unitName(numtext::Unit(u));
        if (l.endsWith(unit)) {
            l.chop(unit.size());
            break;
        }
    }
    const QString written = numtext::writtenText(box);
    return l.endsWith(QStringLiteral("= ") + written) || l.endsWith(QStringLiteral("≈ ") + written);
}

QList<QStringList> each(std::initializer_list<const char *> values)
{
    QList<QStringList> sets;
    for (const char *v : values)
        sets << QStringList{QString::fromUtf8(v)};
    return sets;
}

} // namespace

class WiringTest : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase() { quietenHeadlessWarnings(); }
    void resultsAreTheBoxes_data();
    void resultsAreTheBoxes();
};

void WiringTest::resultsAreTheBoxes_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<int>("end");

    // The conventional calculator: the four operations, the rounding of a
    // result, and a division by zero whose text ends the steps.
    const QStringList two{"Text1", "Text2"};
    const QList<QStringList> pairs{{"0.1", "0.2"}, {"1E15", "0.5"}, {"-1.5e-7", "3"}, {"22", "7"}};
    for (const char *op : {"Command6", "Command7", "Command8", "Command9"})
        addRows({"Form3", "Op1", "", two, {op}, {"Text3"}}, pairs);
    addRows({"Form3", "Op1", "", two, {"Command9", "Command10"}, {"Text5"}}, {{"2", "3"}, {"1.015", "1"}});
    addRows({"Form3", "Op1", "", two, {"Command9"}, {"Text3"}, End::Failure}, {{"5", "0"}});

    // Areas: a panel of its own for each figure; a round figure takes its
    // radius alone. (A negative length is refused: test_stepsdoor.)
    const auto lengths = each({"2", "0.3", "123456789", "1E-4", "7.25", "1.0000000000000016", "9.87654321E+40"});
    QList<QStringList> radiusAlone;
    for (const QStringList &v : lengths)
        radiusAlone << QStringList{v[0], QString()};
    const struct {
        const char *option, *button;
        QStringList inputs;
        const char *result;
    } areas[] = {
        {"Op1", "Comc", {"tc2", "tc1"}, "tc3"},  {"Op11", "Comb", {"tb2", "tb1"}, "tb3"},
        {"Op2", "Comf3", {"Tf1", "Tf2"}, "Tf3"}, {"Op3", "Coms3", {"Ts1", "Ts2"}, "Ts3"},
        {"Op4", "Com3", {"Tm1", "Tm2"}, "Tm3"},  {"Op5", "Comt3", {"tt1", "tt2"}, "tt3"},
        {"Op6", "Comk3", {"Tk1"}, "Tk3"},
    };
    for (const auto &a : areas) {
        const bool round = QLatin1String(a.option) == "Op1" || QLatin1String(a.option) == "Op11";
        addRows({"Form4", "Op2", a.option, a.inputs, {a.button}, {a.result}}, round ? radiusAlone : lengths);
    }

    // Perimeters and volumes: the figures share the rows Te1, Te2, ... and
    // the result box Te5. A round figure takes its radius alone, the
    // cylinder and the cone their height too (in the third row).
    const struct {
        const char *form, *option, *button;
        int rows;
        bool round;
    } shared[] = {
        {"Form6", "Op1", "Comc", 1, true},  {"Form6", "Op2", "Comh", 4, false}, {"Form6", "Op3", "Comb", 1, false},
        {"Form6", "Op4", "Comz", 4, false}, {"Form6", "Op5", "Comt", 3, false}, {"Form6", "Op6", "Coms", 2, false},
        {"Form9", "Op1", "Comk", 1, false}, {"Form9", "Op2", "Comr", 1, true},  {"Form9", "Op3", "Coms", 3, false},
        {"Form9", "Op4", "Comn", 3, true},  {"Form9", "Op5", "Comd", 3, true},
    };
    for (const auto &f : shared) {
        const int rows = !f.round                                                               ? f.rows
                         : QLatin1String(f.form) == "Form9" && QLatin1String(f.option) != "Op2" ? 3
                                                                                                : 2;
        QStringList boxes;
        for (int i = 1; i <= rows; ++i)
            boxes << QStringLiteral("Te%1").arg(i);
        QList<QStringList> sets;
        for (const QStringList &v : lengths) {
            QStringList texts(rows, v[0]);
            if (f.round)
                texts[1].clear();
            sets << texts;
        }
        addRows({f.form, menuOption(f.form), f.option, boxes, {f.button}, {"Te5"}}, sets);
    }

    // Conversions: one box in, one box out.
    const auto numbers = each({"37", "-40.25", "0.1", "1e20", "2.5e-7", "12abc", " ", "0.30000000000000004"});
    const struct {
        const char *option, *button;
    } conversions[] = {
        {"Op1", "Comh1"},  {"Op2", "Cohm1"},  {"Op3", "Comk1"},  {"Op4", "Cokm1"},
        {"Op5", "Comkh1"}, {"Op6", "Comhk1"}, {"Op7", "Comds1"}, {"Op8", "Comsd1"},
    };
    for (const auto &c : conversions) {
        // No Kelvin temperature is below zero: a negative one is refused.
        QList<QStringList> typed = numbers;
        if (QLatin1String(c.option) == "Op4" || QLatin1String(c.option) == "Op5")
            typed.removeIf([](const QStringList &v) { return v[0].startsWith(u'-'); });
        addRows({"Form5", "Op3", c.option, {"Te1"}, {c.button}, {"Te2"}}, typed);
    }

    // Trigonometry: the function of the angle in degrees, then in radians;
    // a box that says "خطأ" (a pole) has no result in the steps.
    const auto angles = each({"30", "-45", "0.1", "90", "180", "0", "-0", "270", "1e38", "1e-50", "12345.678"});
    const struct {
        const char *option, *button;
    } functions[] = {
        {"Op3", "comsine"}, {"Op1", "comcos"}, {"Op5", "comtan"},
        {"Op2", "comcot"},  {"Op4", "comsec"}, {"Op6", "comcosc"},
    };
    for (const auto &f : functions)
        addRows({"Form7", "Op5", f.option, {"Te1"}, {f.button}, {"Te2", "Te3"}, End::LastNumber}, angles);

    // Number operations: a number, or words (parity, prime) in the box. The
    // square root refuses numbers below zero, the prime test whole numbers of
    // 10^18 or more, parity fails beyond 32 bits, and only parity and the
    // prime test read a number from the start of a text.
    const struct {
        const char *option, *button;
    } operations[] = {
        {"Op1", "Comj"},  {"Op2", "Comg"}, {"Op3", "Coml"}, {"Op9", "Comldd"},
        {"Op4", "Comwl"}, {"Op5", "Comt"}, {"Op6", "Comw"},
    };
    const char *const operands[] = {"0",      "1",     "2",    "7.5",           "-3",
                                    "1000",   "0.125", "1e-7", "123456789.987", "9007199254740881",
                                    "2.5abc", "1E+20"};
    for (const auto &o : operations) {
        QList<QStringList> sets;
        for (const char *operand : operands) {
            const QString in = QString::fromLatin1(operand), option = QString::fromLatin1(o.option);
            if ((option == "Op1" && in.startsWith(u'-')) || ((option == "Op6" || option == "Op4") && in.contains(u'E'))
                || (option == "Op6" && in.startsWith(u'9'))
                || (option != "Op4" && option != "Op6" && in.contains(u'a')))
                continue;
            sets << QStringList{in};
        }
        addRows({"Form8", "Op6", o.option, {"Te1"}, {o.button}, {"Te2"}}, sets);
    }

    // The equation: two roots, or one when a is zero.
    const QStringList coefficients{"Te1", "Te2", "Te3"};
    addRows({"Form16", "Op9", "", coefficients, {"Command4"}, {"Te4", "Te5"}, End::SolutionSet},
            {{"0.001", "99999", "-0.01"}, {"1", "-3", "2"}, {"1", "2", "1"}, {"-2", "0", "8"}});
    addRows({"Form16", "Op9", "", coefficients, {"Command4"}, {"Te4"}, End::SomeLine}, {{"0.000", "-7.77", "1.234"}});

    // Fractions: the boxes' numerator and denominator.
    const QStringList fraction{"Text1", "Text2", "Text3", "Text4"};
    addRows({"Form17", "Op10", "Opt1", fraction, {"Com2"}, {"Text5", "Text6"}, End::SomeLine},
            {{"-999", "99999", "999", "-9999"}, {"3", "4", "1", "6"}});
    addRows({"Form17", "Op10", "Opt2", fraction, {"Com4"}, {"Text5", "Text6"}, End::SomeLine},
            {{"7", " 04 ", "9", "4"}, {"3", "4", "1", "6"}});
}

void WiringTest::resultsAreTheBoxes()
{
    QFETCH(QString, form);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, results);
    QFETCH(int, end);
    const QByteArray name = form.toLatin1();
    QVERIFY(ui::click("Form1", menuOption(name.constData())) && ui::click("Form1", "Command1"));
    QWidget *window = ui::window(name.constData());
    QVERIFY(window && window->isVisible());
    QVERIFY(ui::act(name.constData(), actions));

    const Steps &s = app::stepsOf(window)->last();
    QStringList boxes;
    for (const QString &box : results)
        boxes << ui::text(name.constData(), qPrintable(box));
    const QString lastBox = boxes.last();
    if (End(end) == End::Failure) {
        QVERIFY(s.failed());
        QCOMPARE(s.failure(), lastBox);
        return;
    }
    QVERIFY2(!s.failed(), qPrintable(s.failure()));
    QVERIFY(!s.refused());
    // A box that says a word (a pole's "خطأ", a number's parity) is no
    // number the steps keep.
    QStringList numbers;
    for (const QString &box : boxes)
        if (numtext::isStrictNumber(box))
            numbers << box;
    QCOMPARE(s.results(), numbers);

    const QStringList &lines = s.lines();
    QVERIFY(!lines.isEmpty());
    // Every "=" and "≈" follows from what stands before it; the figures'
    // windows use the π of their laws pictures.
    const bool figures = name == "Form4" || name == "Form6" || name == "Form9";
    const linecheck::Report checked =
        linecheck::check(lines, figures ? linecheck::Names{{QStringLiteral("ط"), 3.141592}} : linecheck::Names{});
    QVERIFY2(checked.ok(), qPrintable(checked.text()));
    const bool lastIsNumber = !numbers.isEmpty() && numbers.last() == lastBox;
    switch (End(end)) {
    case End::LastLine:
    case End::LastNumber: {
        if (lastIsNumber)
            QVERIFY2(endsWithResult(lines.last(), lastBox), qPrintable(lines.last()));
        else if (End(end) == End::LastLine)
            QCOMPARE(lines.last(), lastBox);
        // The steps window shows that line last.
        app::stepsOf(window)->open();
        const QString shown = app::stepsOf(window)->stepsWindow()->view()->plainText().split(u'\n').last();
        QCOMPARE(shown, stepstext::rtl({reference::plainStepLine(lines.last(), numtext::digitShape())}));
        break;
    }
    case End::SolutionSet:
        QVERIFY(lines.last().startsWith(QStringLiteral("مجموعة الحل = {")));
        for (const QString &root : numbers)
            QVERIFY2(lines.last().contains(numtext::writtenText(root)), qPrintable(lines.last()));
        break;
    case End::SomeLine: {
        QVERIFY2(std::any_of(lines.begin(), lines.end(), [&](const QString &l) { return endsWithResult(l, lastBox); }),
                 qPrintable(lines.join(u'\n')));
        break;
    }
    case End::Failure:
        break;
    }
}

QTEST_MAIN(WiringTest)
#include "test_wiring.moc"
