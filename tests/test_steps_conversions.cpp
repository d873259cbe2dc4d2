// The worked steps of the conversions and trigonometry windows: what the
// steps window shows for each conversion and function (the way the operand is
// read, the Celsius value on the way between Kelvin and Fahrenheit, the angle
// in single precision and in radians, the function a reciprocal inverts, the
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
const QString HeldAsSingle = QStringLiteral("تحفظ بدقة مفردة (نحو سبعة أرقام): الزاوية ");
QString asRadians(const QString &angle)
{
    return QStringLiteral("بالراديان: يؤخذ العدد %1 نفسه زاوية بالراديان").arg(angle);
}

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
    const QString Sixth = QStringLiteral("0.523598775598298");
    const QString Pi15 = QStringLiteral("(3.14159265358979)");
    const QString WhyW = QStringLiteral(" لأنها تستعمل قيمة تقريبية لـ ط ") + Pi15;
    const QString WhyA = QStringLiteral(" لأنها تستعمل قيمة تقريبية لـ ط (٣٫١٤١٥٩٢٦٥٣٥٨٩٧٩)");
    const QStringList thirty{"الزاوية = 30", "الزاوية بالراديان = 30 × ط ÷ 180", "≈ 30 × 3.14159265358979 ÷ 180",
                             "≈ 30 × 0.0174532925199433", "≈ " + Sixth};
    const QStringList ninety{"الزاوية = ٩٠", "الزاوية بالراديان = ٩٠ × ط ÷ ١٨٠", "≈ ٩٠ × ٣٫١٤١٥٩٢٦٥٣٥٨٩٧٩ ÷ ١٨٠",
                             "≈ ٩٠ × ٠٫٠١٧٤٥٣٢٩٢٥١٩٩٤٣٣", "≈ ١٫٥٧٠٧٩٦٣٢٦٧٩٤٩"};
    const QStringList sixty{"الزاوية = ٦٠", "الزاوية بالراديان = ٦٠ × ط ÷ ١٨٠", "≈ ٦٠ × ٣٫١٤١٥٩٢٦٥٣٥٨٩٧٩ ÷ ١٨٠",
                            "≈ ٦٠ × ٠٫٠١٧٤٥٣٢٩٢٥١٩٩٤٣٣", "≈ ١٫٠٤٧١٩٧٥٥١١٩٦٦"};
    QTest::newRow("sin 30") << "Op3"
                            << "30" << W
                            << thirty
                                   + QStringList{"جا 30° ≈ جا " + Sixth, "≈ 0.5", "القيمة الدقيقة: جا 30° = 1 ÷ 2",
                                                 asRadians("30"), "جا 30 ≈ " + neg("0.988031624092862")};
    QTest::newRow("sin -30") << "Op3"
                             << "-30" << W
                             << QStringList{"الزاوية = " + neg("30"),
                                            "الزاوية بالراديان = (" + neg("30") + ") × ط ÷ 180",
                                            "≈ (" + neg("30") + ") × 3.14159265358979 ÷ 180",
                                            "≈ (" + neg("30") + ") × 0.0174532925199433",
                                            "≈ " + neg(Sixth),
                                            "جا (" + neg("30") + "°) ≈ جا (" + neg(Sixth) + ")",
                                            "≈ " + neg("0.5"),
                                            "القيمة الدقيقة: جا (" + neg("30") + "°) = −1 ÷ 2",
                                            asRadians(neg("30")),
                                            "جا (" + neg("30") + ") ≈ 0.988031624092862"};
    QTest::newRow("cos 60, ١٢٣") << "Op1"
                                 << "60" << A
                                 << sixty
                                        + QStringList{"جتا ٦٠° ≈ جتا ١٫٠٤٧١٩٧٥٥١١٩٦٦", "≈ ٠٫٥٠٠٠٠٠٠٠٠٠٠٠٠٠١",
                                                      "القيمة الدقيقة: جتا ٦٠° = ١ ÷ ٢؛ والحاسبة تكتب ٠٫٥٠٠٠٠٠٠٠٠٠٠٠٠٠١"
                                                          + WhyA,
                                                      "بالراديان: يؤخذ العدد ٦٠ نفسه زاوية بالراديان",
                                                      "جتا ٦٠ ≈ " + negArabic("٠٫٩٥٢٤١٢٩٨٠٤١٥١٥٦")};
    // π taken to fifteen digits leaves the cosine of 90° a little above 0;
    // the steps give the exact value and say why the box differs.
    QTest::newRow("cos 90, an E-notation box")
        << "Op1"
        << "90" << W
        << QStringList{"الزاوية = 90",
                       "الزاوية بالراديان = 90 × ط ÷ 180",
                       "≈ 90 × 3.14159265358979 ÷ 180",
                       "≈ 90 × 0.0174532925199433",
                       "≈ 1.5707963267949",
                       "جتا 90° ≈ جتا 1.5707963267949",
                       "≈ 1.61554457443259 × 10⁻¹⁵",
                       "القيمة الدقيقة: جتا 90° = 0؛ والحاسبة تكتب 1.61554457443259 × 10⁻¹⁵" + WhyW,
                       asRadians("90"),
                       "جتا 90 ≈ " + neg("0.44807361612917")};
    QTest::newRow("tan 45, ١٢٣") << "Op5"
                                 << "45" << A
                                 << QStringList{"الزاوية = ٤٥",
                                                "الزاوية بالراديان = ٤٥ × ط ÷ ١٨٠",
                                                "≈ ٤٥ × ٣٫١٤١٥٩٢٦٥٣٥٨٩٧٩ ÷ ١٨٠",
                                                "≈ ٤٥ × ٠٫٠١٧٤٥٣٢٩٢٥١٩٩٤٣٣",
                                                "≈ ٠٫٧٨٥٣٩٨١٦٣٣٩٧٤٤٨",
                                                "ظا ٤٥° ≈ ظا ٠٫٧٨٥٣٩٨١٦٣٣٩٧٤٤٨",
                                                "≈ ٠٫٩٩٩٩٩٩٩٩٩٩٩٩٩٩٨",
                                                "القيمة الدقيقة: ظا ٤٥° = ١؛ والحاسبة تكتب ٠٫٩٩٩٩٩٩٩٩٩٩٩٩٩٩٨" + WhyA,
                                                "بالراديان: يؤخذ العدد ٤٥ نفسه زاوية بالراديان",
                                                "ظا ٤٥ ≈ ١٫٦١٩٧٧٥١٩٠٥٤٣٨٦"};
    // The angle is held in single precision.
    QTest::newRow("sin 0.1, single precision") << "Op3"
                                               << "0.1" << W
                                               << QStringList{"الزاوية = 0.1",
                                                              HeldAsSingle + "≈ 0.100000001490116",
                                                              "الزاوية بالراديان ≈ 0.100000001490116 × ط ÷ 180",
                                                              "≈ 0.100000001490116 × 3.14159265358979 ÷ 180",
                                                              "≈ 0.100000001490116 × 0.0174532925199433",
                                                              "≈ 0.00174532927800176",
                                                              "جا 0.100000001490116° ≈ جا 0.00174532927800176",
                                                              "= 0.0017453283919057",
                                                              asRadians("0.100000001490116"),
                                                              "جا 0.100000001490116 = 0.0998334181294999"};
    // A reciprocal: the function it inverts, then 1 divided by it.
    QTest::newRow("cot 30") << "Op2"
                            << "30" << W
                            << thirty
                                   + QStringList{"ظتا 30° = 1 ÷ (ظا 30°)",
                                                 "ظا 30° ≈ ظا " + Sixth,
                                                 "≈ 0.577350269189625",
                                                 "ظتا 30° ≈ 1 ÷ 0.577350269189625",
                                                 "≈ 1.73205080756888",
                                                 "القيمة الدقيقة: ظتا 30° = √(3)",
                                                 asRadians("30"),
                                                 "ظتا 30 = 1 ÷ (ظا 30)",
                                                 "ظا 30 ≈ " + neg("6.40533119664628"),
                                                 "ظتا 30 ≈ 1 ÷ (" + neg("6.40533119664628") + ")",
                                                 "≈ " + neg("0.156119952161659")};
    QTest::newRow("sec 60, ١٢٣") << "Op4"
                                 << "60" << A
                                 << sixty
                                        + QStringList{"قا ٦٠° = ١ ÷ (جتا ٦٠°)",
                                                      "جتا ٦٠° ≈ جتا ١٫٠٤٧١٩٧٥٥١١٩٦٦",
                                                      "≈ ٠٫٥٠٠٠٠٠٠٠٠٠٠٠٠٠١",
                                                      "قا ٦٠° ≈ ١ ÷ ٠٫٥٠٠٠٠٠٠٠٠٠٠٠٠٠١",
                                                      "≈ ٢",
                                                      "القيمة الدقيقة: قا ٦٠° = ٢",
                                                      "بالراديان: يؤخذ العدد ٦٠ نفسه زاوية بالراديان",
                                                      "قا ٦٠ = ١ ÷ (جتا ٦٠)",
                                                      "جتا ٦٠ ≈ " + negArabic("٠٫٩٥٢٤١٢٩٨٠٤١٥١٥٦"),
                                                      "قا ٦٠ ≈ ١ ÷ (" + negArabic("٠٫٩٥٢٤١٢٩٨٠٤١٥١٥٦") + ")",
                                                      "≈ " + negArabic("١٫٠٤٩٩٦٤٦٩٠٢٧٩٧٤")};
    // Poles: the degrees box says "خطأ" and the steps say why; the radians
    // box goes on.
    QTest::newRow("tan 90, a pole in degrees") << "Op5"
                                               << "90" << W
                                               << QStringList{"الزاوية = 90",
                                                              "الزاوية بالراديان = 90 × ط ÷ 180",
                                                              "≈ 90 × 3.14159265358979 ÷ 180",
                                                              "≈ 90 × 0.0174532925199433",
                                                              "≈ 1.5707963267949",
                                                              "ظا 90° غير معرف لأن جتا 90° = 0",
                                                              "فتكتب خانة الدرجات: خطأ",
                                                              asRadians("90"),
                                                              "ظا 90 ≈ " + neg("1.99520041220824")};
    QTest::newRow("tan 90, ١٢٣") << "Op5"
                                 << "90" << A
                                 << ninety
                                        + QStringList{"ظا ٩٠° غير معرف لأن جتا ٩٠° = ٠", "فتكتب خانة الدرجات: خطأ",
                                                      "بالراديان: يؤخذ العدد ٩٠ نفسه زاوية بالراديان",
                                                      "ظا ٩٠ ≈ " + negArabic("١٫٩٩٥٢٠٠٤١٢٢٠٨٢٤")};
    // The cotangent of 90°: the tangent it inverts is undefined there, as
    // the tangent's own steps say; the window divides 1 by the tangent of
    // the angle in radians as computed, and the exact value is 0.
    QTest::newRow("cot 90, ١٢٣")
        << "Op2"
        << "90" << A
        << ninety
               + QStringList{
                   QStringLiteral(
                       "ظا ٩٠° غير معرف لأن جتا ٩٠° = ٠؛ والحاسبة تقسم ١ على ظا الزاوية بالراديان، وهي قريبة من "
                       "ط ÷ ٢ وليست مساوية لها، فظلها عدد كبير لا غير معرف"),
                   "ظا الزاوية بالراديان ≈ ٦١٨٩٨٦٣٢٥٦١٧٩٢٤",
                   "ظتا الزاوية بالراديان ≈ ١ ÷ ٦١٨٩٨٦٣٢٥٦١٧٩٢٤",
                   "≈ ١٫٦١٥٥٤٤٥٧٤٤٣٢٥٩ × ١٠⁻¹⁵",
                   "القيمة الدقيقة: ظتا ٩٠° = ٠؛ والحاسبة تكتب ١٫٦١٥٥٤٤٥٧٤٤٣٢٥٩ × ١٠⁻¹⁵" + WhyA,
                   "بالراديان: يؤخذ العدد ٩٠ نفسه زاوية بالراديان",
                   "ظتا ٩٠ = ١ ÷ (ظا ٩٠)",
                   "ظا ٩٠ ≈ " + negArabic("١٫٩٩٥٢٠٠٤١٢٢٠٨٢٤"),
                   "ظتا ٩٠ ≈ ١ ÷ (" + negArabic("١٫٩٩٥٢٠٠٤١٢٢٠٨٢٤") + ")",
                   "≈ " + negArabic("٠٫٥٠١٢٠٢٧٨٣٣٨٠١٥٣")};
    QTest::newRow("cot 180, a pole in degrees") << "Op2"
                                                << "180" << W
                                                << QStringList{"الزاوية = 180",
                                                               "الزاوية بالراديان = 180 × ط ÷ 180",
                                                               "≈ 180 × 3.14159265358979 ÷ 180",
                                                               "≈ 180 × 0.0174532925199433",
                                                               "= 3.14159265358979",
                                                               "ظتا 180° غير معرف لأن ظا 180° = 0",
                                                               "فتكتب خانة الدرجات: خطأ",
                                                               asRadians("180"),
                                                               "ظتا 180 = 1 ÷ (ظا 180)",
                                                               "ظا 180 ≈ 1.33869021035115",
                                                               "ظتا 180 ≈ 1 ÷ 1.33869021035115",
                                                               "≈ 0.746998814414044"};
    const QStringList zero{"الزاوية بالراديان = 0 × ط ÷ 180", "= 0 × 3.14159265358979 ÷ 180",
                           "= 0 × 0.0174532925199433", "= 0"};
    const QStringList zeroPoles{"قتا 0° غير معرف لأن جا 0° = 0", "فتكتب خانة الدرجات: خطأ", asRadians("0"),
                                "قتا 0 غير معرف لأن جا 0 = 0", "فتكتب خانة الراديان: خطأ"};
    QTest::newRow("csc 0, a pole in both") << "Op6"
                                           << "0" << W << QStringList{"الزاوية = 0"} + zero + zeroPoles;
    QTest::newRow("csc of a number that is 0 as a single")
        << "Op6"
        << "1e-50" << W << QStringList{"الزاوية = 1 × 10⁻⁵⁰", HeldAsSingle + "= 0"} + zero + zeroPoles;
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
    const QStringList readAngle{QStringLiteral("تقرأ الزاوية من المكتوب عددا بدقة مفردة")};
    QTest::newRow("letters as an angle") << "Form7"
                                         << "Op3"
                                         << "abc" << Failure::NotANumber << readAngle;
    QTest::newRow("an angle beyond the singles") << "Form7"
                                                 << "Op2"
                                                 << "1e39" << Failure::OutOfRange << readAngle;
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
