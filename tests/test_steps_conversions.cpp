// The worked steps of the conversions and trigonometry windows: what the
// steps window shows for each conversion and function (the way the operand is
// read, the Celsius value on the way between Kelvin and Fahrenheit, the
// function of the angle in degrees with its related angle and exact value,
// the same number read as radians, the function a reciprocal inverts, the
// poles, the failures) in both digit shapes. How the steps open, refuse and
// close is test_stepsdoor's; that every calculate button's steps end with its
// result boxes is test_wiring's.

#include "support/linecheck.h"
#include "support/scripted.h"
#include "support/stepstext.h"
#include "support/ui.h"

#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "numtext/digits.h"

#include <QLineEdit>
#include <QTest>

#include <map>
#include <span>

using numtext::DigitShape;
using numtext::Failure;

using namespace stepstext;

namespace {
// A negative number as the two digit shapes write it in a line (the runs of
// the 123 shape aside).
QString neg(const QString &digits) { return u'\u2212' + digits; }
QString negArabic(const QString &digits) { return ALM + u'\u2212' + digits; }

struct Button {
    const char *option;
    const char *button;
};

const Button ConvertButtons[] = {
    {"Op1", "Comh1"},  {"Op2", "Cohm1"},  {"Op3", "Comk1"},  {"Op4", "Cokm1"},
    {"Op5", "Comkh1"}, {"Op6", "Comhk1"}, {"Op7", "Comds1"}, {"Op8", "Comsd1"},
};
const Button FunctionButtons[] = {
    {"Op3", "comsine"}, {"Op1", "comcos"}, {"Op5", "comtan"}, {"Op2", "comcot"}, {"Op4", "comsec"}, {"Op6", "comcosc"},
};

const char *buttonOf(const char *window, const QString &option)
{
    const bool conversions = QLatin1String(window) == QLatin1String("Form5");
    for (const Button &b :
         conversions ? std::span<const Button>(ConvertButtons) : std::span<const Button>(FunctionButtons))
        if (option == QLatin1String(b.option))
            return b.button;
    QTest::qFail(qPrintable(QStringLiteral("no option %1").arg(option)), __FILE__, __LINE__);
    return "(none)";
}

const QString Undefined = QStringLiteral("خطأ");

// The unit of each conversion's result.
const std::map<QString, numtext::Unit> ConversionUnits{
    {"Op1", numtext::Unit::Fahrenheit}, {"Op2", numtext::Unit::Celsius},    {"Op3", numtext::Unit::Kelvin},
    {"Op4", numtext::Unit::Celsius},    {"Op5", numtext::Unit::Fahrenheit}, {"Op6", numtext::Unit::Kelvin},
    {"Op7", numtext::Unit::Degree},     {"Op8", numtext::Unit::Radian},
};

const QString ReadsLeadingNumber = QStringLiteral("يؤخذ العدد الذي في أول المكتوب، وهنا ");
const QString Rounded = QStringLiteral(" (مقربا إلى 15 رقما)");

} // namespace

class StepsConversionsTest : public WindowTest {
    Q_OBJECT
private slots:
    void conversionSteps_data();
    void conversionSteps();
    void trigonometrySteps_data();
    void trigonometrySteps();
    void failureEndsTheSteps_data();
    void failureEndsTheSteps();

private:
    // Opens the section window from the main menu.
    void openWindow(const char *window)
    {
        const bool conversions = QLatin1String(window) == QLatin1String("Form5");
        QVERIFY(ui::click("Form1", conversions ? "Op3" : "Op5"));
        QVERIFY(ui::click("Form1", "Command1"));
        QVERIFY(ui::window(window)->isVisible());
    }
    void calculate(const char *window, const QString &option, const QString &input)
    {
        QVERIFY(ui::click(window, qPrintable(option)));
        ui::type(window, "Te1", input);
        QVERIFY(ui::click(window, buttonOf(window, option)));
    }
    static app::StepsSource *steps(const char *window) { return app::stepsOf(ui::window(window)); }
    // The lines the steps window shows, without the right-to-left mark that
    // opens each; opened with F2 as a pupil opens it.
    QStringList shownLines(const char *window)
    {
        QWidget *section = ui::window(window);
        section->activateWindow();
        if (!QTest::qWaitForWindowActive(section))
            return {QStringLiteral("(the window is not active)")};
        QTest::keyClick(section, Qt::Key_F2);
        reference::StepsWindow *shown = steps(window)->stepsWindow();
        if (!shown || !shown->isVisible())
            return {QStringLiteral("(no steps window)")};
        QStringList lines = withoutIsolates(shown->view()->plainText()).split(u'\n');
        for (QString &line : lines) {
            if (line.startsWith(RLM))
                line.remove(0, 1);
        }
        return lines;
    }
    void addColumns()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("input");
        QTest::addColumn<DigitShape>("shape");
        QTest::addColumn<QStringList>("lines");
    }
    void checkSteps(const char *window)
    {
        QFETCH(QString, option);
        QFETCH(QString, input);
        QFETCH(DigitShape, shape);
        QFETCH(QStringList, lines);
        openWindow(window);
        numtext::setDigitShape(shape);
        calculate(window, option, input);
        QCOMPARE(shownLines(window), lines);
    }
};

void StepsConversionsTest::conversionSteps_data()
{
    addColumns();
    const auto A = DigitShape::ArabicIndic, W = DigitShape::Western;
    const QString CtoF = QStringLiteral("ف = م × 1.8 + 32");
    const QString FtoC = QStringLiteral("م = (ف − 32) ÷ 1.8");
    QTest::newRow("C to F, 123") << "Op1"
                                 << "37" << W << QStringList{CtoF, "= 37 × 1.8 + 32", "≈ 66.6 + 32", "≈ 98.6 °ف"};
    QTest::newRow("C to F, ١٢٣") << "Op1"
                                 << "37" << A
                                 << QStringList{"ف = م × ١٫٨ + ٣٢", "= ٣٧ × ١٫٨ + ٣٢", "≈ ٦٦٫٦ + ٣٢", "≈ ٩٨٫٦ °ف"};
    QTest::newRow("C to F, negative") << "Op1"
                                      << "-40" << W
                                      << QStringList{CtoF, "= " + neg("40") + " × 1.8 + 32", "= " + neg("72") + " + 32",
                                                     "= " + neg("40") + " °ف"};
    QTest::newRow("F to C") << "Op2"
                            << "0" << W
                            << QStringList{FtoC, "= (0 − 32) ÷ 1.8", "= " + neg("32") + " ÷ 1.8",
                                           "≈ " + neg("17.7777777777778") + " °م"};
    QTest::newRow("C to K") << "Op3"
                            << "25.5" << W << QStringList{"ك = م + 273", "= 25.5 + 273", "= 298.5 ك"};
    QTest::newRow("K to C, ١٢٣") << "Op4"
                                 << "300" << A << QStringList{"م = ك − ٢٧٣", "= ٣٠٠ − ٢٧٣", "= ٢٧ °م"};
    // Kelvin to Fahrenheit and back pass through Celsius.
    QTest::newRow("K to F") << "Op5"
                            << "0" << W
                            << QStringList{"م = ك − 273",
                                           "= 0 − 273",
                                           "= " + neg("273") + " °م",
                                           CtoF,
                                           "= " + neg("273") + " × 1.8 + 32",
                                           "≈ " + neg("491.4") + " + 32",
                                           "≈ " + neg("459.4") + " °ف"};
    QTest::newRow("K to F, ١٢٣") << "Op5"
                                 << "373" << A
                                 << QStringList{"م = ك − ٢٧٣",      "= ٣٧٣ − ٢٧٣", "= ١٠٠ °م", "ف = م × ١٫٨ + ٣٢",
                                                "= ١٠٠ × ١٫٨ + ٣٢", "= ١٨٠ + ٣٢",  "= ٢١٢ °ف"};
    QTest::newRow("F to K")
        << "Op6"
        << "100" << W
        << QStringList{FtoC,          "= (100 − 32) ÷ 1.8",       "= 68 ÷ 1.8",          "≈ 37.7777777777778 °م",
                       "ك = م + 273", "≈ 37.7777777777778 + 273", "≈ 310.777777777778 ك"};
    QTest::newRow("radians to degrees") << "Op7"
                                        << "1" << W
                                        << QStringList{"التقدير الستيني = (التقدير الدائري × 180) ÷ ط",
                                                       "≈ (1 × 180) ÷ 3.141592", "= 180 ÷ 3.141592",
                                                       "≈ 57.2957914331333 درجة"};
    // A special angle: its exact measure, and why the box differs from it.
    QTest::newRow("degrees to radians, ١٢٣")
        << "Op8"
        << "90" << A
        << QStringList{
               "التقدير الدائري = (التقدير الستيني × ط) ÷ ١٨٠", "≈ (٩٠ × ٣٫١٤١٥٩٢) ÷ ١٨٠", "= ٢٨٢٫٧٤٣٢٨ ÷ ١٨٠",
               "= ١٫٥٧٠٧٩٦ راديان",
               QStringLiteral(
                   "القيمة الدقيقة: ٩٠ × ط ÷ ١٨٠ = ط ÷ ٢ راديان؛ والحاسبة تكتب ١٫٥٧٠٧٩٦ لأنها تستعمل قيمة تقريبية "
                   "لـ ط (٣٫١٤١٥٩٢)")};
    // The leading-number parse: what it takes from a text that is not a
    // number on its own, said before the formula.
    QTest::newRow("number and letters") << "Op1"
                                        << "12abc" << W
                                        << QStringList{ReadsLeadingNumber + "12", CtoF, "= 12 × 1.8 + 32",
                                                       "= 21.6 + 32", "= 53.6 °ف"};
    QTest::newRow("letters read as 0") << "Op3"
                                       << "abc" << W
                                       << QStringList{ReadsLeadingNumber + "0", "ك = م + 273", "= 0 + 273", "= 273 ك"};
    // The round trip through fifteen digits, where it changes the number;
    // the direct reading takes the number as typed, every digit.
    QTest::newRow("round trip changes the number")
        << "Op1"
        << "1.0000000000000002" << W
        << QStringList{"م = 1.0000000000000002 ≈ 1" + Rounded, CtoF, "= 1 × 1.8 + 32", "= 1.8 + 32", "= 33.8 °ف"};
    QTest::newRow("round trip, ١٢٣") << "Op3"
                                     << "0.12345678901234567" << A
                                     << QStringList{"م = ٠٫١٢٣٤٥٦٧٨٩٠١٢٣٤٥٦٧ ≈ ٠٫١٢٣٤٥٦٧٨٩٠١٢٣٤٦ (مقربا إلى ١٥ رقما)",
                                                    "ك = م + ٢٧٣", "= ٠٫١٢٣٤٥٦٧٨٩٠١٢٣٤٦ + ٢٧٣", "≈ ٢٧٣٫١٢٣٤٥٦٧٨٩٠١٢ ك"};
    QTest::newRow("round trip that changes nothing")
        << "Op4"
        << "0.1" << W << QStringList{"م = ك − 273", "= 0.1 − 273", "= " + neg("272.9") + " °م"};
    QTest::newRow("direct reading keeps the number")
        << "Op7"
        << "3.14159265358979" << W
        << QStringList{"التقدير الستيني = (التقدير الدائري × 180) ÷ ط", "≈ (3.14159265358979 × 180) ÷ 3.141592",
                       "≈ 565.486677646162 ÷ 3.141592", "≈ 180.000037447944 درجة",
                       QStringLiteral(
                           "القيمة الدقيقة: ط × 180 ÷ ط = 180 درجة؛ والحاسبة تكتب 180.000037447944 لأنها تستعمل قيمة "
                           "تقريبية لـ ط (3.141592)")};
    QTest::newRow("direct reading, every digit") << "Op5"
                                                 << "1.0000000000000002" << W
                                                 << QStringList{"م = ك − 273",
                                                                "= 1.0000000000000002 − 273",
                                                                "= " + neg("272") + " °م",
                                                                CtoF,
                                                                "= " + neg("272") + " × 1.8 + 32",
                                                                "= " + neg("489.6") + " + 32",
                                                                "= " + neg("457.6") + " °ف"};
    QTest::newRow("exponent form, ١٢٣") << "Op3"
                                        << "1e20" << A
                                        << QStringList{"ك = م + ٢٧٣", "= ١ × ١٠²⁰ + ٢٧٣", "= ١ × ١٠²⁰ ك"};
}

void StepsConversionsTest::conversionSteps()
{
    checkSteps("Form5");
    // Every "=" and "≈" of the lines shown holds, in either digit shape.
    VERIFY_LINES(steps("Form5")->last());
}

void StepsConversionsTest::trigonometrySteps_data()
{
    addColumns();
    const auto A = DigitShape::ArabicIndic, W = DigitShape::Western;
    // The degrees first, their value set apart (an exact value with its
    // exact form); then the number read as radians under its heading.
    QTest::newRow("sin 30, exact") << "Op3"
                                   << "30" << W
                                   << QStringList{"الزاوية = 30°", "جا 30° = 1 ÷ 2 = 0.5",
                                                  "إذا قرئ العدد زاوية بالراديان",
                                                  "جا 30 ≈ " + neg("0.988031624092862")};
    QTest::newRow("sin -30") << "Op3"
                             << "-30" << W
                             << QStringList{"الزاوية = " + neg("30") + "°", "جا (" + neg("30") + "°) = −جا 30°",
                                            "جا (" + neg("30") + "°) = −1 ÷ 2 = " + neg("0.5"),
                                            "إذا قرئ العدد زاوية بالراديان",
                                            "جا (" + neg("30") + ") ≈ 0.988031624092862"};
    QTest::newRow("cos 60, ١٢٣") << "Op1"
                                 << "60" << A
                                 << QStringList{"الزاوية = ٦٠°", "جتا ٦٠° = ١ ÷ ٢ = ٠٫٥",
                                                "إذا قرئ العدد زاوية بالراديان",
                                                "جتا ٦٠ ≈ " + negArabic("٠٫٩٥٢٤١٢٩٨٠٤١٥١٥٦")};
    QTest::newRow("cos 300, the related angle") << "Op1"
                                                << "300" << W << QStringList{"الزاوية = 300°",
                                                                             "جتا 300° = جتا (360° − 60°)",
                                                                             "= جتا 60°",
                                                                             "جتا 300° = 1 ÷ 2 = 0.5",
                                                                             "إذا قرئ العدد زاوية بالراديان",
                                                                             "جتا 300 ≈ " + neg("0.0220966192786839")};
    QTest::newRow("tan 45, ١٢٣") << "Op5"
                                 << "45" << A
                                 << QStringList{"الزاوية = ٤٥°", "ظا ٤٥° = ١", "إذا قرئ العدد زاوية بالراديان",
                                                "ظا ٤٥ ≈ ١٫٦١٩٧٧٥١٩٠٥٤٣٨٦"};
    QTest::newRow("sin 0.1, double precision")
        << "Op3"
        << "0.1" << W
        << QStringList{"الزاوية = 0.1°", "جا 0.1° ≈ 0.00174532836589831", "إذا قرئ العدد زاوية بالراديان",
                       "جا 0.1 ≈ 0.0998334166468282"};
    QTest::newRow("cot 30, a reciprocal") << "Op2"
                                          << "30" << W << QStringList{"الزاوية = 30°",
                                                                      "ظتا 30° = √(3) ≈ 1.73205080756888",
                                                                      "إذا قرئ العدد زاوية بالراديان",
                                                                      "ظتا 30 = 1 ÷ (ظا 30)",
                                                                      "ظا 30 ≈ " + neg("6.40533119664628"),
                                                                      "ظتا 30 ≈ " + neg("0.156119952161659")};
    QTest::newRow("sec 60, ١٢٣") << "Op4"
                                 << "60" << A
                                 << QStringList{"الزاوية = ٦٠°",
                                                "قا ٦٠° = ٢",
                                                "إذا قرئ العدد زاوية بالراديان",
                                                "قا ٦٠ = ١ ÷ (جتا ٦٠)",
                                                "جتا ٦٠ ≈ " + negArabic("٠٫٩٥٢٤١٢٩٨٠٤١٥١٥٦"),
                                                "قا ٦٠ ≈ " + negArabic("١٫٠٤٩٩٦٤٦٩٠٢٧٩٧٤")};
    QTest::newRow("tan 90, a pole in degrees")
        << "Op5"
        << "90" << W
        << QStringList{"الزاوية = 90°", "ظا 90° غير معرف لأن جتا 90° = 0", "فتكتب خانة الدرجات: خطأ",
                       "إذا قرئ العدد زاوية بالراديان", "ظا 90 ≈ " + neg("1.99520041220824")};
    QTest::newRow("tan 90, ١٢٣") << "Op5"
                                 << "90" << A
                                 << QStringList{"الزاوية = ٩٠°", "ظا ٩٠° غير معرف لأن جتا ٩٠° = ٠",
                                                "فتكتب خانة الدرجات: خطأ", "إذا قرئ العدد زاوية بالراديان",
                                                "ظا ٩٠ ≈ " + negArabic("١٫٩٩٥٢٠٠٤١٢٢٠٨٢٤")};
    QTest::newRow("cot 90, ١٢٣") << "Op2"
                                 << "90" << A
                                 << QStringList{"الزاوية = ٩٠°",
                                                "ظتا ٩٠° = ٠",
                                                "إذا قرئ العدد زاوية بالراديان",
                                                "ظتا ٩٠ = ١ ÷ (ظا ٩٠)",
                                                "ظا ٩٠ ≈ " + negArabic("١٫٩٩٥٢٠٠٤١٢٢٠٨٢٤"),
                                                "ظتا ٩٠ ≈ " + negArabic("٠٫٥٠١٢٠٢٧٨٣٣٨٠١٥٣")};
    QTest::newRow("cot 180, a pole in degrees") << "Op2"
                                                << "180" << W
                                                << QStringList{"الزاوية = 180°",
                                                               "ظتا 180° غير معرف لأن ظا 180° = 0",
                                                               "فتكتب خانة الدرجات: خطأ",
                                                               "إذا قرئ العدد زاوية بالراديان",
                                                               "ظتا 180 = 1 ÷ (ظا 180)",
                                                               "ظا 180 ≈ 1.33869021035115",
                                                               "ظتا 180 ≈ 0.746998814414044"};
    QTest::newRow("csc 0, a pole in both") << "Op6"
                                           << "0" << W
                                           << QStringList{"الزاوية = 0°",
                                                          "قتا 0° غير معرف لأن جا 0° = 0",
                                                          "فتكتب خانة الدرجات: خطأ",
                                                          "إذا قرئ العدد زاوية بالراديان",
                                                          "قتا 0 غير معرف لأن جا 0 = 0",
                                                          "فتكتب خانة الراديان: خطأ"};
    QTest::newRow("tan 89.99, beside the pole")
        << "Op5"
        << "89.99" << W
        << QStringList{"الزاوية = 89.99°",
                       "ظا 89.99° = ظا (90° − 0.01°)",
                       "= ظتا 0.01°",
                       "ظا 89.99° ≈ 5729.57789313059",
                       "إذا قرئ العدد زاوية بالراديان",
                       "ظا 89.99 ≈ " + neg("2.04602439348494"),
                       "والحاسبة تكتب " + neg("2.04602439348496")
                           + ": تحسب بعدد محدود من الأرقام فيظهر فرق صغير في آخرها"};
    QTest::newRow("sin 1E39, whole turns")
        << "Op3"
        << "1E39" << W
        << QStringList{"الزاوية = 1 × 10³⁹°",
                       "نطرح من الزاوية الدورات الكاملة (كل دورة 360°) فيبقى 280°",
                       "جا (1 × 10³⁹°) = جا 280°",
                       "= جا (270° + 10°)",
                       "= −جتا 10°",
                       "جا (1 × 10³⁹°) ≈ " + neg("0.984807753012208"),
                       "إذا قرئ العدد زاوية بالراديان",
                       "والحاسبة تكتب " + neg("0.00705925181153582")
                           + ": تحسب بعدد محدود من الأرقام، والعدد كبير فلا يصح رقم من أرقام هذا الناتج"};
}

void StepsConversionsTest::trigonometrySteps() { checkSteps("Form7"); }

// A computation failure: the steps up to the failing one, then the
// failure's own wording; the result boxes keep their texts.
void StepsConversionsTest::failureEndsTheSteps_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Failure>("kind");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("C to F overflows") << "Form5"
                                      << "Op1"
                                      << "1e308" << Failure::Overflow
                                      << QStringList{"ف = م × 1.8 + 32", "= 1 × 10³⁰⁸ × 1.8 + 32"};
    QTest::newRow("beyond the doubles") << "Form5"
                                        << "Op5"
                                        << "1e400" << Failure::Overflow << QStringList{"يقرأ ك من المكتوب"};
    // The largest double written with fifteen digits is beyond the doubles.
    QTest::newRow("round trip overflows")
        << "Form5"
        << "Op3"
        << "1.7976931348623157e308" << Failure::Overflow << QStringList{"يقرأ م من المكتوب"};
    const QStringList readAngle{QStringLiteral("تقرأ الزاوية من المكتوب")};
    QTest::newRow("letters as an angle") << "Form7"
                                         << "Op3"
                                         << "abc" << Failure::NotANumber << readAngle;
    QTest::newRow("an angle beyond the doubles") << "Form7"
                                                 << "Op2"
                                                 << "1e400" << Failure::Overflow << readAngle;
}

void StepsConversionsTest::failureEndsTheSteps()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(Failure, kind);
    QFETCH(QStringList, lines);
    const QByteArray name = window.toLatin1();
    openWindow(name);
    numtext::setDigitShape(DigitShape::Western);
    calculate(name, option, QStringLiteral("30"));
    const QString before = ui::text(name, "Te2");
    expectFailure(notices, kind);
    calculate(name, option, input);
    QCOMPARE(ui::text(name, "Te2"), before);
    QCOMPARE(shownLines(name), lines + QStringList{numtext::failureText(kind)});
    QVERIFY(steps(name)->last().failed());
}

QTEST_MAIN(StepsConversionsTest)
#include "test_steps_conversions.moc"
