// The conversions window: the eight conversions with their constants and the
// way each reads its operand, the empty-field notices, the failures, the
// panel that follows the chosen option, the clear button and the frame.

#include "support/scripted.h"
#include "support/section.h"
#include "support/ui.h"

#include "kit/window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using numtext::Failure;

namespace {
struct Panel {
    const char *option;
    const char *inputLabel;
    const char *resultLabel;
    const char *button;
};

// Every option's own controls, in the order Op1 .. Op8.
const Panel Panels[] = {
    {"Op1", "Lamh1", "lamh2", "Comh1"},  {"Op2", "Lahm1", "lahm2", "Cohm1"},  {"Op3", "Lamk1", "Lamk2", "Comk1"},
    {"Op4", "Lakm1", "Lakm2", "Cokm1"},  {"Op5", "Lakh1", "lakh2", "Comkh1"}, {"Op6", "Lahk1", "Lahk2", "Comhk1"},
    {"Op7", "Lads1", "Lads2", "Comds1"}, {"Op8", "Lasd1", "Lasd2", "Comsd1"},
};

const Panel &panelOf(const QString &option)
{
    for (const Panel &p : Panels) {
        if (option == QLatin1String(p.option))
            return p;
    }
    QTest::qFail(qPrintable(QStringLiteral("no option %1").arg(option)), __FILE__, __LINE__);
    static const Panel None{"(none)", "(none)", "(none)", "(none)"};
    return None;
}

bool shown(const char *name) { return ui::control("Form5", name)->isVisible(); }

const QString Empty = QStringLiteral("فارغ");
} // namespace

class ConversionsTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void conversions_data();
    void conversions();
    void emptyInput_data();
    void emptyInput();
    void failureKeepsTheResult_data();
    void failureKeepsTheResult();
    void belowAbsoluteZero_data();
    void belowAbsoluteZero();
    void atCreationNothingIsChosen();
    void optionShowsItsPanel_data();
    void optionShowsItsPanel();
    void switchingKeepsBothTexts();
    void clearEmptiesOnlyTheInput();
    void hiddenKeepsAndClosedStartsAfresh();
    void lawsButtonShowsTheLawsBeside();

private:
    void convert(const QString &option, const QString &input)
    {
        QVERIFY(ui::click("Form5", qPrintable(option)));
        ui::type("Form5", "Te1", input);
        QVERIFY(ui::click("Form5", panelOf(option).button));
    }
};

void ConversionsTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op3"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form5")->isVisible());
}

void ConversionsTest::conversions_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::newRow("C to F 100") << "Op1"
                                << "100"
                                << "212";
    QTest::newRow("C to F 37") << "Op1"
                               << "37"
                               << "98.6";
    QTest::newRow("C to F -40") << "Op1"
                                << "-40"
                                << "-40";
    QTest::newRow("C to F 0") << "Op1"
                              << "0"
                              << "32";
    QTest::newRow("C to F letters read as 0") << "Op1"
                                              << "abc"
                                              << "32";
    QTest::newRow("C to F one space reads as 0") << "Op1"
                                                 << " "
                                                 << "32";
    QTest::newRow("C to F leading number") << "Op1"
                                           << "12abc"
                                           << "53.6";
    // The operand is rounded to 15 digits before the formula.
    QTest::newRow("C to F reads 15 digits") << "Op1"
                                            << "-17.77777777777777777"
                                            << "-4.2632564145606E-14";
    QTest::newRow("F to C 212") << "Op2"
                                << "212"
                                << "100";
    QTest::newRow("F to C 98.6") << "Op2"
                                 << "98.6"
                                 << "37";
    QTest::newRow("F to C 0") << "Op2"
                              << "0"
                              << "-17.7777777777778";
    QTest::newRow("F to C reads 15 digits") << "Op2"
                                            << "32.00000000000001"
                                            << "0";
    QTest::newRow("C to K 0") << "Op3"
                              << "0"
                              << "273";
    QTest::newRow("C to K 25.5") << "Op3"
                                 << "25.5"
                                 << "298.5";
    QTest::newRow("C to K reads 15 digits") << "Op3"
                                            << "-272.9999999999999"
                                            << "0";
    QTest::newRow("K to C 0") << "Op4"
                              << "0"
                              << "-273";
    QTest::newRow("K to C 300") << "Op4"
                                << "300"
                                << "27";
    QTest::newRow("K to C reads 15 digits") << "Op4"
                                            << "273.0000000000001"
                                            << "0";
    QTest::newRow("K to F 273") << "Op5"
                                << "273"
                                << "32";
    QTest::newRow("K to F 373") << "Op5"
                                << "373"
                                << "212";
    QTest::newRow("K to F 0") << "Op5"
                              << "0"
                              << "-459.4";
    // Read as typed, without the 15-digit rounding.
    QTest::newRow("K to F reads every digit") << "Op5"
                                              << "273.0000000000001"
                                              << "32.0000000000002";
    QTest::newRow("F to K 32") << "Op6"
                               << "32"
                               << "273";
    QTest::newRow("F to K 212") << "Op6"
                                << "212"
                                << "373";
    QTest::newRow("F to K 100") << "Op6"
                                << "100"
                                << "310.777777777778";
    // Absolute zero itself converts, on every scale.
    QTest::newRow("C to F -273") << "Op1"
                                 << "-273"
                                 << "-459.4";
    QTest::newRow("C to K -273") << "Op3"
                                 << "-273"
                                 << "0";
    QTest::newRow("F to C -459.4") << "Op2"
                                   << "-459.4"
                                   << "-273";
    QTest::newRow("F to K -459.4") << "Op6"
                                   << "-459.4"
                                   << "0";
    QTest::newRow("K to C -0") << "Op4"
                               << "-0"
                               << "-273";
    // The largest double: the steps' check of its 15 digits, which lie
    // beyond it, never fails the conversion.
    QTest::newRow("F to K the largest double") << "Op6"
                                               << "1.7976931348623157e308"
                                               << "9.98718408256842E+307";
    QTest::newRow("rad to deg 3.141592") << "Op7"
                                         << "3.141592"
                                         << "180";
    QTest::newRow("rad to deg 1") << "Op7"
                                  << "1"
                                  << "57.2957914331333";
    QTest::newRow("rad to deg 15-digit pi") << "Op7"
                                            << "3.14159265358979"
                                            << "180.000037447944";
    QTest::newRow("rad to deg letters") << "Op7"
                                        << "abc"
                                        << "0";
    QTest::newRow("deg to rad 180") << "Op8"
                                    << "180"
                                    << "3.141592";
    QTest::newRow("deg to rad 90") << "Op8"
                                   << "90"
                                   << "1.570796";
    QTest::newRow("deg to rad 1") << "Op8"
                                  << "1"
                                  << "0.0174532888888889";
    QTest::newRow("deg to rad spaced digits") << "Op8"
                                              << "1 80"
                                              << "3.141592";
    // An angle has no lowest value.
    QTest::newRow("deg to rad -180") << "Op8"
                                     << "-180"
                                     << "-3.141592";
}

void ConversionsTest::conversions()
{
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(QString, result);
    convert(option, input);
    QCOMPARE(ui::text("Form5", "Te2"), result);
    QCOMPARE(ui::text("Form5", "Te1"), input);
}

void ConversionsTest::emptyInput_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("message");
    const QString celsius = QStringLiteral("من فضلك .. أدخل درجة الحرارة بالمئوي");
    const QString fahrenheit = QStringLiteral("من فضلك .. أدخل درجة الحرارة بالفهرنهايت");
    const QString kelvin = QStringLiteral("من فضلك .. أدخل درجة الحرارة بالكالفن");
    QTest::newRow("C to F") << "Op1" << celsius;
    QTest::newRow("F to C") << "Op2" << fahrenheit;
    QTest::newRow("C to K") << "Op3" << celsius;
    QTest::newRow("K to C") << "Op4" << kelvin;
    QTest::newRow("K to F") << "Op5" << kelvin;
    QTest::newRow("F to K") << "Op6" << fahrenheit;
    QTest::newRow("rad to deg") << "Op7" << QStringLiteral("من فضلك .. أدخل الزاوية بالراديان - التقدير الدائري");
    QTest::newRow("deg to rad") << "Op8" << QStringLiteral("من فضلك .. أدخل الزاوية بالدرجات - التقدير الستيني");
}

void ConversionsTest::emptyInput()
{
    QFETCH(QString, option);
    QFETCH(QString, message);
    convert(option, QStringLiteral("5"));
    const QString before = ui::text("Form5", "Te2");
    notices.expect(message, 0x80040, Empty);
    convert(option, QString());
    QCOMPARE(ui::text("Form5", "Te2"), before);
    // Enter presses the same button.
    notices.expect(message, 0x80040, Empty);
    ui::pressEnter(ui::control("Form5", "Te1"));
    QCOMPARE(ui::text("Form5", "Te2"), before);
}

void ConversionsTest::belowAbsoluteZero_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::newRow("C to F -273.1") << "Op1"
                                   << "-273.1";
    QTest::newRow("C to K -300") << "Op3"
                                 << "-300";
    // Below as typed, though its 15 digits are -273.
    QTest::newRow("C to K -273.00000000000000001") << "Op3"
                                                   << "-273.00000000000000001";
    QTest::newRow("K to C -1") << "Op4"
                               << "-1";
    QTest::newRow("K to F -0.001 and letters") << "Op5"
                                               << "-0.001abc";
    QTest::newRow("K to F -1e308") << "Op5"
                                   << "-1e308";
    // Below, even beyond the range of a double.
    QTest::newRow("K to C -1e400") << "Op4"
                                   << "-1e400";
    QTest::newRow("F to C -459.5") << "Op2"
                                   << "-459.5";
    QTest::newRow("F to K -459.40000000000003") << "Op6"
                                                << "-459.40000000000003";
}

// A temperature below absolute zero on the scale it is typed in is refused
// with a notice, and the result before stays.
void ConversionsTest::belowAbsoluteZero()
{
    QFETCH(QString, option);
    QFETCH(QString, input);
    convert(option, QStringLiteral("10"));
    const QString before = ui::text("Form5", "Te2");
    notices.expect(QStringLiteral("لا توجد درجة حرارة أقل من الصفر المطلق"), 0x80000, QStringLiteral("خطأ رياضي"));
    convert(option, input);
    QCOMPARE(ui::text("Form5", "Te2"), before);
}

void ConversionsTest::failureKeepsTheResult_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Failure>("kind");
    QTest::newRow("beyond the doubles, read twice") << "Op1"
                                                    << "1e400" << Failure::Overflow;
    QTest::newRow("beyond the doubles, read once") << "Op5"
                                                   << "1e400" << Failure::Overflow;
    QTest::newRow("beyond the doubles, negative") << "Op7"
                                                  << "-1e400" << Failure::Overflow;
    QTest::newRow("C to F overflows") << "Op1"
                                      << "1e308" << Failure::Overflow;
    QTest::newRow("K to F overflows") << "Op5"
                                      << "1e308" << Failure::Overflow;
    QTest::newRow("rad to deg overflows") << "Op7"
                                          << "1e307" << Failure::Overflow;
    QTest::newRow("deg to rad overflows") << "Op8"
                                          << "1.7e308" << Failure::Overflow;
}

void ConversionsTest::failureKeepsTheResult()
{
    QFETCH(Failure, kind);
    QFETCH(QString, option);
    QFETCH(QString, input);
    convert(option, QStringLiteral("10"));
    const QString before = ui::text("Form5", "Te2");
    expectFailure(notices, kind);
    convert(option, input);
    QCOMPARE(ui::text("Form5", "Te2"), before);
    QCOMPARE(ui::text("Form5", "Te1"), input);
}

void ConversionsTest::atCreationNothingIsChosen()
{
    QCOMPARE(ui::text("Form5", "Text1"), QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    QVERIFY(shown("la22"));
    QCOMPARE(ui::text("Form5", "la22"), QString());
    for (const char *box : {"Te1", "Te2", "Com1"})
        QVERIFY2(!shown(box), box);
    for (const Panel &p : Panels) {
        QVERIFY(!ui::control<QRadioButton>("Form5", p.option)->isChecked());
        for (const char *own : {p.inputLabel, p.resultLabel, p.button})
            QVERIFY2(!shown(own), own);
    }
    // Nothing to press yet: Enter changes nothing and raises no notice.
    QVERIFY(!static_cast<app::Window *>(ui::window("Form5"))->defaultButton());
    ui::control<QLineEdit>("Form5", "Te1")->setText(QStringLiteral("5"));
    ui::pressEnter(ui::window("Form5"));
    QCOMPARE(ui::text("Form5", "Te2"), QString());
}

void ConversionsTest::optionShowsItsPanel_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("inputCaption");
    QTest::addColumn<QString>("resultCaption");
    QTest::addColumn<QString>("buttonCaption");
    QTest::addColumn<QString>("of100"); // what Enter then gives for 100
    QTest::newRow("Op1") << "Op1" << QStringLiteral("التحويل من المئوي إلى الفهرنهايت")
                         << QStringLiteral("أدخل الدرجة بالمئوي") << QStringLiteral("الدرجة بالفهرنهايت")
                         << QStringLiteral("تحويل إلى فهرنهايت") << "212";
    QTest::newRow("Op2") << "Op2" << QStringLiteral("التحويل من الفهرنهايت إلى المئوي")
                         << QStringLiteral("أدخل الدرجة بالفهرنهايت") << QStringLiteral("الدرجة بالمئوي")
                         << QStringLiteral("تحويل إلى مئوي") << "37.7777777777778";
    QTest::newRow("Op3") << "Op3" << QStringLiteral("التحويل من المئوي إلى الكالفن")
                         << QStringLiteral("أدخل الدرجة بالمئوي") << QStringLiteral("الدرجة بالكالفن")
                         << QStringLiteral("تحويل إلى كالفــن") << "373";
    QTest::newRow("Op4") << "Op4" << QStringLiteral("التحويل من الكالفن إلى المئوي")
                         << QStringLiteral("أدخل الدرجة بالكالفن") << QStringLiteral("الدرجة بالمئوي")
                         << QStringLiteral("تحويل إلى مئوي") << "-173";
    QTest::newRow("Op5") << "Op5" << QStringLiteral("التحويل من الكالفن إلى الفهرنهايت")
                         << QStringLiteral("أدخل الدرجة بالكالفن") << QStringLiteral("الدرجة بالفهرنهايت")
                         << QStringLiteral("تحويل إلى فهرنهايت") << "-279.4";
    QTest::newRow("Op6") << "Op6" << QStringLiteral("التحويل من الفهرنهايت إلى الكالفن")
                         << QStringLiteral("أدخل الدرجة بالفهرنهايت") << QStringLiteral("الدرجة بالــكالفن")
                         << QStringLiteral("تحويل إلى كــالفن") << "310.777777777778";
    QTest::newRow("Op7") << "Op7" << QStringLiteral("التحويل من الراديان إلى درجات")
                         << QStringLiteral("أدخل الزاوية بالراديان") << QStringLiteral("الزاوية بالدرجات")
                         << QStringLiteral("تحويل إلى درجات") << "5729.57914331333";
    QTest::newRow("Op8") << "Op8" << QStringLiteral("التحويل من الدرجات إلى الراديان")
                         << QStringLiteral("أدخل الزاوية بالدرجات") << QStringLiteral("الزاوية بالراديان")
                         << QStringLiteral("تحويل إلى راديان") << "1.74532888888889";
}

// Coming from another option every time, so that what the previous panel
// showed must be hidden again.
void ConversionsTest::optionShowsItsPanel()
{
    QFETCH(QString, option);
    QFETCH(QString, heading);
    QFETCH(QString, inputCaption);
    QFETCH(QString, resultCaption);
    QFETCH(QString, buttonCaption);
    QFETCH(QString, of100);
    for (const Panel &before : Panels) {
        if (option == QLatin1String(before.option))
            continue;
        QVERIFY(ui::click("Form5", before.option));
        QVERIFY(ui::click("Form5", qPrintable(option)));
        QCOMPARE(ui::text("Form5", "la22"), heading);
        for (const char *box : {"Te1", "Te2", "Com1", "la22"})
            QVERIFY2(shown(box), box);
        for (const Panel &p : Panels) {
            const bool own = &p == &panelOf(option);
            for (const char *control : {p.inputLabel, p.resultLabel, p.button})
                QVERIFY2(shown(control) == own, control);
        }
    }
    const Panel &p = panelOf(option);
    QCOMPARE(ui::text("Form5", p.inputLabel), inputCaption);
    QCOMPARE(ui::text("Form5", p.resultLabel), resultCaption);
    QCOMPARE(ui::text("Form5", p.button), buttonCaption);
    ui::type("Form5", "Te1", QStringLiteral("100"));
    ui::pressEnter(ui::control("Form5", "Te1"));
    QCOMPARE(ui::text("Form5", "Te2"), of100);
}

void ConversionsTest::switchingKeepsBothTexts()
{
    convert(QStringLiteral("Op1"), QStringLiteral("100"));
    QVERIFY(ui::click("Form5", "Op5"));
    QCOMPARE(ui::text("Form5", "Te1"), QStringLiteral("100"));
    QCOMPARE(ui::text("Form5", "Te2"), QStringLiteral("212"));
    QVERIFY(!shown("Comh1"));
    QVERIFY(shown("Comkh1"));
    // The two buttons share a caption; the visible one is the Kelvin one.
    QVERIFY(ui::click("Form5", "Comkh1"));
    QCOMPARE(ui::text("Form5", "Te2"), QStringLiteral("-279.4"));
}

void ConversionsTest::clearEmptiesOnlyTheInput()
{
    convert(QStringLiteral("Op3"), QStringLiteral("27"));
    QVERIFY(ui::click("Form5", "Com1"));
    QCOMPARE(ui::text("Form5", "Te1"), QString());
    QCOMPARE(ui::text("Form5", "Te2"), QStringLiteral("300"));
}

void ConversionsTest::hiddenKeepsAndClosedStartsAfresh()
{
    convert(QStringLiteral("Op8"), QStringLiteral("180"));
    QVERIFY(ui::click("Form5", "Command3"));
    QVERIFY(!ui::window("Form5")->isVisible());
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::control<QRadioButton>("Form5", "Op8")->isChecked());
    QVERIFY(shown("Comsd1"));
    QCOMPARE(ui::text("Form5", "Te1"), QStringLiteral("180"));
    QCOMPARE(ui::text("Form5", "Te2"), QStringLiteral("3.141592"));

    QVERIFY(section::closeWithYes(notices, "Form5"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(!ui::control<QRadioButton>("Form5", "Op8")->isChecked());
    QVERIFY(!shown("Te1"));
    QCOMPARE(ui::text("Form5", "Te1"), QString());
    QCOMPARE(ui::text("Form5", "la22"), QString());
}

void ConversionsTest::lawsButtonShowsTheLawsBeside()
{
    QVERIFY(ui::click("Form5", "Command5"));
    QVERIFY(ui::window("Form13") && ui::window("Form13")->isVisible());
    QVERIFY(ui::window("Form5")->isVisible());
}

QTEST_MAIN(ConversionsTest)
#include "test_conversions.moc"
