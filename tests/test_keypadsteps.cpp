// The worked steps of the keypad calculator: one line for each key of the
// current calculation that works something out, the memory keys in words,
// "=" only where the numbers shown give the result exactly, "≈" where it is
// rounded, and the calculator's own digits on a line of their own where
// they differ from the value worked on paper. Also when a calculation starts
// anew, what a failure leaves, and the ways of opening the steps.

#include "support/linecheck.h"
#include "support/scripted.h"
#include "support/ui.h"

#include "calculators/advanced.h"
#include "kit/steps.h"
#include "kit/stepswindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <cmath>

using namespace numtext;

namespace {
const QString MemoryQuestion = QStringLiteral("هل أنت متأكد من تنظيف الذاكرة؟");
const QString Calculator = QStringLiteral("والحاسبة تكتب ");
const QString Keeps = QStringLiteral("والحاسبة تحفظ ");
const QString FewDigits = QStringLiteral(": تحسب بعدد محدود من الأرقام فيظهر فرق صغير في آخرها");

const char *keyName(const QString &token)
{
    static const QHash<QString, const char *> names{
        {"0", "Command4"},   {"1", "Command1"},    {"2", "Command5"},    {"3", "Command9"},   {"4", "Command2"},
        {"5", "Command6"},   {"6", "Command10"},   {"7", "Command3"},    {"8", "Command7"},   {"9", "Command11"},
        {".", "Command17"},  {"+", "Command13"},   {"-", "Command14"},   {"*", "Command15"},  {"/", "Command16"},
        {"=", "Command12"},  {"Sqr", "Command18"}, {"Log", "Command28"}, {"%", "Command27"},  {"C", "Command8"},
        {"AC", "Command20"}, {"ON", "Command29"},  {"M+", "Command22"},  {"M-", "Command23"}, {"MS", "Command24"},
        {"Mr", "Command25"}, {"Mc", "Command26"},
    };
    const char *name = names.value(token);
    if (!name)
        QTest::qFail(qPrintable(QStringLiteral("no key %1").arg(token)), __FILE__, __LINE__);
    return name ? name : "(no key)";
}

const linecheck::Functions &decimalLog()
{
    static const linecheck::Functions f{{QStringLiteral("لو"), [](double x) { return std::log10(x); }}};
    return f;
}
} // namespace

class KeypadStepsTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void lines_data();
    void lines();
    void failurePublishesTheLinesSoFar();
    void stepsWindowFollowsTheKeys();
    void offeredLikeEverySectionWindow();

private:
    // Clicks the keys of a sequence: numbers key by key, "Mc?yes" and
    // "Mc?no" answer the memory question.
    void press(const QString &sequence)
    {
        for (const QString &token : sequence.split(u' ', Qt::SkipEmptyParts)) {
            if (token.startsWith(QLatin1String("Mc?"))) {
                notices.expect(MemoryQuestion, 4, applicationTitle(),
                               token == QLatin1String("Mc?yes") ? answer::Yes : answer::No);
                QVERIFY(ui::click("Form15", "Command26"));
            } else if (QRegularExpression(QStringLiteral("^[0-9.]+$")).match(token).hasMatch() && token != ".") {
                for (const QChar c : token)
                    QVERIFY(ui::click("Form15", keyName(QString(c))));
            } else {
                QVERIFY(ui::click("Form15", keyName(token)));
            }
        }
    }

    const Steps &steps() { return app::stepsOf(ui::window("Form15"))->last(); }
};

void KeypadStepsTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op8"));
    QVERIFY(ui::click("Form1", "Command1"));
}

void KeypadStepsTest::lines_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("results"); // what the display showed, key by key
    const auto row = [](const char *name, const char *keys, const QStringList &lines, const QStringList &results = {}) {
        QTest::newRow(name) << QString::fromUtf8(keys) << lines << results;
    };

    // One line for each operator and for "=".
    row("one operation", "2 + 3 =", {"نبدأ بالعدد 2", "2 + 3 = 5"}, {"5"});
    row("each key its own operation", "2 + 3 * 4 =", {"نبدأ بالعدد 2", "2 × 3 = 6", "6 × 4 = 24"}, {"24"});
    row("subtraction in a chain", "9 - 4 - 2 =", {"نبدأ بالعدد 9", "9 − 4 = 5", "5 − 2 = 3"}, {"3"});
    row("a negative result goes on in brackets",
        "2 - 5 = * 3 =", {"نبدأ بالعدد 2", "2 − 5 = −3", "نكمل بالعدد −3", "−3 × 3 = −9"}, {"-3", "-9"});
    row("a running value of 0 starts again",
        "0 * 5 * 3 =", {"نبدأ بالعدد 0", "الناتج حتى الآن 0، فتبدأ الحاسبة من جديد بالعدد 5", "5 × 3 = 15"}, {"15"});
    row("an operator after = carries on", "2 + 3 = + 1 =", {"نبدأ بالعدد 2", "2 + 3 = 5", "نكمل بالعدد 5", "5 + 1 = 6"},
        {"5", "6"});
    row("a digit after = starts anew", "2 + 3 = 7 + 1 =", {"نبدأ بالعدد 7", "7 + 1 = 8"}, {"8"});
    row("the last calculation stays until the next line", "2 + 3 = 7", {"نبدأ بالعدد 2", "2 + 3 = 5"}, {"5"});
    row("= with no operation", "5 =", {"لم تختر عملية بعد، فتبقى الشاشة كما هي"});

    // "=" where the decimals shown give the result exactly, "≈" where the
    // result is rounded, the paper's value first where the calculator's
    // digits differ.
    row("decimals that add up exactly", "0.1 + 0.2 =", {"نبدأ بالعدد 0.1", "0.1 + 0.2 = 0.3"}, {"0.3"});
    row("a product of decimals", "1.1 * 1.1 =", {"نبدأ بالعدد 1.1", "1.1 × 1.1 = 1.21"}, {"1.21"});
    row("a quotient that does not end", "1 / 3 =", {"نبدأ بالعدد 1", "1 ÷ 3 ≈ 0.333333333333333"},
        {"0.333333333333333"});
    row("a quotient that ends", "1 / 8 =", {"نبدأ بالعدد 1", "1 ÷ 8 = 0.125"}, {"0.125"});
    row("the display's digits carried on", "1 / 3 = * 3 =",
        {"نبدأ بالعدد 1", "1 ÷ 3 ≈ 0.333333333333333", "نكمل بالعدد 0.333333333333333",
         "0.333333333333333 × 3 = 0.999999999999999"},
        {"0.333333333333333", "0.999999999999999"});
    row("the calculator's digits differ",
        "9.99 - 9.98 =", {"نبدأ بالعدد 9.99", "9.99 − 9.98 = 0.01", Calculator + "0.00999999999999979" + FewDigits},
        {"0.00999999999999979"});
    row("kept out of sight, then carried on", "9.99 - 9.98 - 1 =",
        {"نبدأ بالعدد 9.99", "9.99 − 9.98 = 0.01", Keeps + "0.00999999999999979" + FewDigits,
         "0.00999999999999979 − 1 ≈ −0.99"},
        {"-0.99"});
    row("a sum that loses its smaller number",
        "10000000000000000 + 1 =", {"نبدأ بالعدد 1 × 10^{16}", "(1 × 10^{16}) + 1 ≈ 1 × 10^{16}"}, {"1E+16"});
    row("more digits typed than fifteen", "1.23456789012345678 + 1 =",
        {"العدد على الشاشة = 1.23456789012345678 ≈ 1.23456789012346 (مقربا إلى 15 رقما)",
         "نبدأ بالعدد 1.23456789012346", "1.23456789012346 + 1 = 2.23456789012346"},
        {"2.23456789012346"});

    // What the display holds when it is not a number on its own.
    row("an empty display", "+ =", {"الشاشة فارغة، فالعدد 0", "نبدأ بالعدد 0", "الشاشة فارغة، فالعدد 0", "0 + 0 = 0"},
        {"0"});
    row("two points", "1.2.3 + 1 =",
        {"العدد على الشاشة: يؤخذ العدد الذي في أول المكتوب، وهنا 1.2", "نبدأ بالعدد 1.2", "1.2 + 1 = 2.2"}, {"2.2"});

    // The functions of the display.
    row("percent, then =", "200 * 5 % =",
        {"نبدأ بالعدد 200", "النسبة المئوية: 5 ÷ 100 = 0.05",
         "العدد على الشاشة: يؤخذ العدد الذي في أول المكتوب، وهنا 0.05", "200 × 0.05 = 10"},
        {"0.05%", "10"});
    row("an exact root", "2.25 Sqr", {"\\sqrt{2.25} = 1.5"}, {"1.5"});
    row("a rounded root", "2 Sqr", {"\\sqrt{2} ≈ 1.4142135623731"}, {"1.4142135623731"});
    row("the root of a result", "2 + 7 = Sqr", {"نبدأ بالعدد 2", "2 + 7 = 9", "\\sqrt{9} = 3"}, {"9", "3"});
    row("an exact logarithm", "1000 Log", {"لو 1000 = 3"}, {"3"});
    row("a rounded logarithm", "2 Log", {"لو 2 ≈ 0.301029995663981"}, {"0.301029995663981"});
    row("the logarithm of a tenth", "0.1 Log", {"لو 0.1 = −1"}, {"-1"});

    // The memory keys in words.
    row("adding to the memory", "5 M+ 3 M+ Mr",
        {"نضيف العدد 5 إلى الذاكرة: الذاكرة = 0 + 5 = 5", "نضيف العدد 3 إلى الذاكرة: الذاكرة = 5 + 3 = 8",
         "نستدعي العدد الذي في الذاكرة إلى الشاشة: الشاشة = 8"},
        {"8"});
    row("storing and taking away", "7 MS 2 M- Mr",
        {"نحفظ العدد 7 في الذاكرة: الذاكرة = 7", "نطرح العدد 2 من الذاكرة: الذاكرة = 7 − 2 = 5",
         "نستدعي العدد الذي في الذاكرة إلى الشاشة: الشاشة = 5"},
        {"5"});
    row("taking a negative number away", "2 - 5 = M-",
        {"نبدأ بالعدد 2", "2 − 5 = −3", "نطرح العدد −3 من الذاكرة: الذاكرة = 0 − (−3) = 3"}, {"-3"});
    row("the memory in a calculation", "4 MS 10 + Mr =",
        {"نحفظ العدد 4 في الذاكرة: الذاكرة = 4", "نبدأ بالعدد 10",
         "نستدعي العدد الذي في الذاكرة إلى الشاشة: الشاشة = 4", "10 + 4 = 14"},
        {"4", "14"});
    row("clearing the memory", "5 M+ Mc?yes",
        {"نضيف العدد 5 إلى الذاكرة: الذاكرة = 0 + 5 = 5", "نمسح الذاكرة: الذاكرة = 0"});
    row("not clearing it", "5 M+ Mc?no", {"نضيف العدد 5 إلى الذاكرة: الذاكرة = 0 + 5 = 5"});
}

void KeypadStepsTest::lines()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, results);
    press(keys);
    const Steps &s = steps();
    QVERIFY2(!s.failed(), qPrintable(s.failure()));
    QCOMPARE(s.lines(), lines);
    QCOMPARE(s.results(), results);
    // The line checker agrees with every relation (it reads the lines as the
    // steps window shows them, too).
    const linecheck::Report checked = linecheck::check(s.lines(), {}, decimalLog());
    QVERIFY2(checked.ok(), qPrintable(checked.text()));
    // The last number the display showed is the last result kept.
    const QString display = ui::text("Form15", "Text1");
    if (isStrictNumber(display) && !results.isEmpty() && keys.endsWith(u'='))
        QCOMPARE(results.last(), display);
}

void KeypadStepsTest::failurePublishesTheLinesSoFar()
{
    press("6 / 0");
    expectFailure(notices, Failure::DivisionByZero);
    QVERIFY(ui::click("Form15", "Command12"));
    QVERIFY(steps().failed());
    QCOMPARE(steps().lines(), QStringList{"نبدأ بالعدد 6"});
    QCOMPARE(steps().failure(), failureText(Failure::DivisionByZero));
    // The calculation goes on without the key that failed.
    press("C 2 =");
    QVERIFY(!steps().failed());
    QCOMPARE(steps().lines(), (QStringList{"نبدأ بالعدد 6", "6 ÷ 2 = 3"}));
}

void KeypadStepsTest::stepsWindowFollowsTheKeys()
{
    press("2 + 3");
    app::StepsSource *source = app::stepsOf(ui::window("Form15"));
    source->open();
    reference::StepsWindow *shown = source->stepsWindow();
    QVERIFY(shown && shown->isVisible());
    const auto shownLines = [shown] { return shown->view()->plainText().split(u'\n').size(); };
    const qsizetype before = shownLines();
    press("=");
    QCOMPARE(shownLines(), before + 1);
    press("M+");
    QCOMPARE(shownLines(), before + 2);
    QCOMPARE(steps().lines().size(), 3);
}

void KeypadStepsTest::offeredLikeEverySectionWindow()
{
    QWidget *calculator = ui::window("Form15");
    press("2 + 3 =");
    // F2 in the active window, and the button on the banner.
    calculator->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(calculator));
    QTest::keyClick(calculator->focusWidget() ? calculator->focusWidget() : calculator, Qt::Key_F2);
    app::StepsSource *source = app::stepsOf(calculator);
    QVERIFY(source->stepsWindow() && source->stepsWindow()->isVisible());
    source->stepsWindow()->close();
    QVERIFY(ui::click("Form15", "StepsButton"));
    QVERIFY(source->stepsWindow()->isVisible());
    const QString onBanner = ui::bannerButtonFault(calculator, ui::control(calculator, "StepsButton"));
    QVERIFY2(onBanner.isEmpty(), qPrintable(onBanner));
}

QTEST_MAIN(KeypadStepsTest)
#include "test_keypadsteps.moc"
