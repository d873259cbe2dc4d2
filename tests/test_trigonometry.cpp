// The trigonometric functions window: each function of the angle read as
// degrees (exactly, with the exact values of the special angles) and as
// radians (the nearest double), "خطأ" where the function is undefined, the empty-field notices, the failures, the
// function switching and the three clear buttons.

#include "support/scripted.h"
#include "support/section.h"
#include "support/ui.h"

#include "kit/window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using numtext::Failure;

namespace {
struct Function {
    const char *option;
    const char *button;
};

const Function Functions[] = {
    {"Op3", "comsine"}, {"Op1", "comcos"}, {"Op5", "comtan"}, {"Op2", "comcot"}, {"Op4", "comsec"}, {"Op6", "comcosc"},
};

const char *buttonOf(const QString &option)
{
    for (const Function &f : Functions) {
        if (option == QLatin1String(f.option))
            return f.button;
    }
    QTest::qFail(qPrintable(QStringLiteral("no option %1").arg(option)), __FILE__, __LINE__);
    return "(none)";
}

bool shown(const char *name) { return ui::control("Form7", name)->isVisible(); }

const QString Undefined = QStringLiteral("خطأ");
} // namespace

class TrigonometryTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void values_data();
    void values();
    void poles_data();
    void poles();
    void emptyAngle_data();
    void emptyAngle();
    void failureKeepsBothResults_data();
    void failureKeepsBothResults();
    void atCreationNothingIsChosen();
    void optionShowsItsButton_data();
    void optionShowsItsButton();
    void clearsEmptyOneBoxEach_data();
    void clearsEmptyOneBoxEach();
    void hiddenKeepsAndClosedStartsAfresh();
    void lawsButtonShowsTheLawsBeside();

private:
    void calculate(const QString &option, const QString &angle)
    {
        QVERIFY(ui::click("Form7", qPrintable(option)));
        ui::type("Form7", "Te1", angle);
        QVERIFY(ui::click("Form7", buttonOf(option)));
    }
    void addResults()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("radians");
    }
    void checkResults()
    {
        QFETCH(QString, option);
        QFETCH(QString, angle);
        QFETCH(QString, degrees);
        QFETCH(QString, radians);
        calculate(option, angle);
        QCOMPARE(ui::text("Form7", "Te2"), degrees);
        QCOMPARE(ui::text("Form7", "Te3"), radians);
        QCOMPARE(ui::text("Form7", "Te1"), angle);
    }
};

void TrigonometryTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op5"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form7")->isVisible());
}

void TrigonometryTest::values_data()
{
    addResults();
    QTest::newRow("sin 30") << "Op3"
                            << "30"
                            << "0.5"
                            << "-0.988031624092862";
    QTest::newRow("sin -30") << "Op3"
                             << "-30"
                             << "-0.5"
                             << "0.988031624092862";
    QTest::newRow("sin 90") << "Op3"
                            << "90"
                            << "1"
                            << "0.893996663600558";
    // The angle read in double precision.
    QTest::newRow("sin 0.1") << "Op3"
                             << "0.1"
                             << "0.00174532836589831"
                             << "0.0998334166468282";
    QTest::newRow("sin, spaces around") << "Op3"
                                        << " 30 "
                                        << "0.5"
                                        << "-0.988031624092862";
    QTest::newRow("cos 0") << "Op1"
                           << "0"
                           << "1"
                           << "1";
    QTest::newRow("cos 60") << "Op1"
                            << "60"
                            << "0.5"
                            << "-0.952412980415156";
    // The special angles have their exact values.
    QTest::newRow("cos 90") << "Op1"
                            << "90"
                            << "0"
                            << "-0.44807361612917";
    QTest::newRow("tan 45") << "Op5"
                            << "45"
                            << "1"
                            << "1.61977519054386";
    QTest::newRow("tan 180") << "Op5"
                             << "180"
                             << "0"
                             << "1.33869021035115";
    // The whole turns taken off exactly: 1E38 degrees are 280 degrees.
    QTest::newRow("tan of a huge number") << "Op5"
                                          << "1e38"
                                          << "-5.67128181961771"
                                          << "-5.09436979445815";
    QTest::newRow("sin 1E39, beyond the singles") << "Op3"
                                                  << "1E39"
                                                  << "-0.984807753012208"
                                                  << "-0.00705925181153582";
    QTest::newRow("cot 1e39") << "Op2"
                              << "1e39"
                              << "-0.176326980708465"
                              << "141.65454213397";
    QTest::newRow("sec -1e39") << "Op4"
                               << "-1e39"
                               << "5.75877048314363"
                               << "-1.00002491744936";
    // Beside the pole: the complement's cotangent, worked from 0.01 degrees.
    QTest::newRow("tan 89.99") << "Op5"
                               << "89.99"
                               << "5729.57789313059"
                               << "-2.04602439348496";
    QTest::newRow("cot 45") << "Op2"
                            << "45"
                            << "1"
                            << "0.617369623783555";
    QTest::newRow("cot 30") << "Op2"
                            << "30"
                            << "1.73205080756888"
                            << "-0.156119952161659";
    QTest::newRow("cot 90") << "Op2"
                            << "90"
                            << "0"
                            << "-0.501202783380153";
    QTest::newRow("sec 0") << "Op4"
                           << "0"
                           << "1"
                           << "1";
    QTest::newRow("sec 60") << "Op4"
                            << "60"
                            << "2"
                            << "-1.04996469027974";
    QTest::newRow("sec 180") << "Op4"
                             << "180"
                             << "-1"
                             << "-1.67095525951176";
    QTest::newRow("csc 30") << "Op6"
                            << "30"
                            << "2"
                            << "-1.01211335307018";
    QTest::newRow("csc 90") << "Op6"
                            << "90"
                            << "1"
                            << "1.11857240716371";
    // A number too small for a single is no pole in double precision.
    QTest::newRow("cot 1e-50") << "Op2"
                               << "1e-50"
                               << "5.72957795130823E+51"
                               << "1E+50";
    QTest::newRow("csc 1e-50") << "Op6"
                               << "1e-50"
                               << "5.72957795130823E+51"
                               << "1E+50";
}

void TrigonometryTest::values() { checkResults(); }

// Where the function is undefined its box says so; the other box gets its
// number as usual.
void TrigonometryTest::poles_data()
{
    addResults();
    QTest::newRow("tan 90") << "Op5"
                            << "90" << Undefined << "-1.99520041220824";
    QTest::newRow("tan 270") << "Op5"
                             << "270" << Undefined << "-0.178839063798452";
    QTest::newRow("tan -90") << "Op5"
                             << "-90" << Undefined << "1.99520041220824";
    QTest::newRow("sec 90") << "Op4"
                            << "90" << Undefined << "-2.2317761278578";
    QTest::newRow("cot 0") << "Op2"
                           << "0" << Undefined << Undefined;
    QTest::newRow("cot 180") << "Op2"
                             << "180" << Undefined << "0.746998814414044";
    QTest::newRow("csc 0") << "Op6"
                           << "0" << Undefined << Undefined;
    QTest::newRow("csc 0.0") << "Op6"
                             << "0.0" << Undefined << Undefined;
    QTest::newRow("csc -0") << "Op6"
                            << "-0" << Undefined << Undefined;
    QTest::newRow("csc 180") << "Op6"
                             << "180" << Undefined << "-1.2482015977942";
    QTest::newRow("csc -360") << "Op6"
                              << "-360" << Undefined << "-1.0428445123826";
    QTest::newRow("sec 450") << "Op4"
                             << "450" << Undefined << "-1.3695760327733";
}

void TrigonometryTest::poles() { checkResults(); }

void TrigonometryTest::emptyAngle_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("message");
    const QString number = QStringLiteral("من فضلك .. أدخل العدد المطلوب أولا");
    QTest::newRow("sin") << "Op3" << QStringLiteral("من فضلك .. أدخل الزاوية المطلوبة أولا");
    QTest::newRow("cos") << "Op1" << number;
    QTest::newRow("tan") << "Op5" << number;
    QTest::newRow("cot") << "Op2" << number;
    QTest::newRow("sec") << "Op4" << number;
    QTest::newRow("csc") << "Op6" << number;
}

void TrigonometryTest::emptyAngle()
{
    QFETCH(QString, option);
    QFETCH(QString, message);
    calculate(option, QStringLiteral("30"));
    const QString degrees = ui::text("Form7", "Te2"), radians = ui::text("Form7", "Te3");
    notices.expect(message, 0x80000, QStringLiteral("فارغ"));
    calculate(option, QString());
    QCOMPARE(ui::text("Form7", "Te2"), degrees);
    QCOMPARE(ui::text("Form7", "Te3"), radians);
}

void TrigonometryTest::failureKeepsBothResults_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<Failure>("kind");
    QTest::newRow("letters") << "Op3"
                             << "abc" << Failure::NotANumber;
    QTest::newRow("number and letters") << "Op1"
                                        << "12abc" << Failure::NotANumber;
    QTest::newRow("one space") << "Op5"
                               << " " << Failure::NotANumber;
    QTest::newRow("beyond the doubles") << "Op6"
                                        << "1e400" << Failure::Overflow;
    QTest::newRow("beyond the doubles, negative") << "Op4"
                                                  << "-1e400" << Failure::Overflow;
    // The cosecant of an angle so small that its value is beyond the doubles.
    QTest::newRow("cosecant beyond the doubles") << "Op6"
                                                 << "1e-307" << Failure::Overflow;
    QTest::newRow("letters, cosecant") << "Op6"
                                       << "abc" << Failure::NotANumber;
}

void TrigonometryTest::failureKeepsBothResults()
{
    QFETCH(Failure, kind);
    QFETCH(QString, option);
    QFETCH(QString, angle);
    calculate(option, QStringLiteral("30"));
    const QString degrees = ui::text("Form7", "Te2"), radians = ui::text("Form7", "Te3");
    expectFailure(notices, kind);
    calculate(option, angle);
    QCOMPARE(ui::text("Form7", "Te2"), degrees);
    QCOMPARE(ui::text("Form7", "Te3"), radians);
}

void TrigonometryTest::atCreationNothingIsChosen()
{
    QCOMPARE(ui::text("Form7", "Text2"), QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    QCOMPARE(ui::text("Form7", "la22"), QString());
    for (const Function &f : Functions) {
        QVERIFY(!ui::control<QRadioButton>("Form7", f.option)->isChecked());
        QVERIFY2(!shown(f.button), f.button);
    }
    for (const char *box : {"Te1", "Te2", "Te3"}) {
        QVERIFY2(shown(box), box);
        QCOMPARE(ui::text("Form7", box), QString());
    }
    for (const char *clear : {"Comc", "Command4", "Command5"})
        QVERIFY2(shown(clear), clear);
    QVERIFY(!static_cast<app::Window *>(ui::window("Form7"))->defaultButton());
    ui::type("Form7", "Te1", QStringLiteral("30"));
    ui::pressEnter(ui::control("Form7", "Te1"));
    QCOMPARE(ui::text("Form7", "Te2"), QString());
}

void TrigonometryTest::optionShowsItsButton_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("of60"); // what Enter then gives in degrees for 60
    QTest::newRow("sin") << "Op3" << QStringLiteral("حساب جا الزاوية - Sin") << QStringLiteral("احسب جا الزاوية")
                         << "0.866025403784439";
    QTest::newRow("cos") << "Op1" << QStringLiteral("حساب جتا الزاوية - Cos") << QStringLiteral("احسب جتا الزاوية")
                         << "0.5";
    QTest::newRow("tan") << "Op5" << QStringLiteral("حساب ظا الزاوية - Tan") << QStringLiteral("احسب ظا الزاوية")
                         << "1.73205080756888";
    QTest::newRow("cot") << "Op2" << QStringLiteral("حساب ظتا الزاوية - Cotan") << QStringLiteral("احسب ظتا الزاوية")
                         << "0.577350269189626";
    QTest::newRow("sec") << "Op4" << QStringLiteral("حساب قا الزاوية - Sec") << QStringLiteral("احسب قا الزاوية")
                         << "2";
    QTest::newRow("csc") << "Op6" << QStringLiteral("حساب قتا الزاوية - Csc") << QStringLiteral("احسب قتا الزاوية")
                         << "1.15470053837925";
}

// Coming from every other function in turn; the angle stays while the
// function changes, and Enter calculates the chosen one.
void TrigonometryTest::optionShowsItsButton()
{
    QFETCH(QString, option);
    QFETCH(QString, heading);
    QFETCH(QString, caption);
    QFETCH(QString, of60);
    ui::type("Form7", "Te1", QStringLiteral("60"));
    for (const Function &before : Functions) {
        if (option == QLatin1String(before.option))
            continue;
        QVERIFY(ui::click("Form7", before.option));
        QVERIFY(ui::click("Form7", qPrintable(option)));
        QCOMPARE(ui::text("Form7", "la22"), heading);
        for (const Function &f : Functions)
            QVERIFY2(shown(f.button) == (option == QLatin1String(f.option)), f.button);
    }
    QCOMPARE(ui::text("Form7", buttonOf(option)), caption);
    QCOMPARE(ui::text("Form7", "Te1"), QStringLiteral("60"));
    ui::pressEnter(ui::control("Form7", "Te1"));
    QCOMPARE(ui::text("Form7", "Te2"), of60);
}

void TrigonometryTest::clearsEmptyOneBoxEach_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::newRow("Comc") << "Comc"
                          << "Te1";
    QTest::newRow("Command4") << "Command4"
                              << "Te2";
    QTest::newRow("Command5") << "Command5"
                              << "Te3";
}

void TrigonometryTest::clearsEmptyOneBoxEach()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    calculate(QStringLiteral("Op3"), QStringLiteral("30"));
    const QStringList boxes{QStringLiteral("Te1"), QStringLiteral("Te2"), QStringLiteral("Te3")};
    QStringList before;
    for (const QString &b : boxes)
        before << ui::text("Form7", qPrintable(b));
    QVERIFY(ui::click("Form7", qPrintable(button)));
    for (int i = 0; i < boxes.size(); ++i)
        QCOMPARE(ui::text("Form7", qPrintable(boxes[i])), boxes[i] == box ? QString() : before[i]);
}

void TrigonometryTest::hiddenKeepsAndClosedStartsAfresh()
{
    calculate(QStringLiteral("Op4"), QStringLiteral("60"));
    QVERIFY(ui::click("Form7", "Command3"));
    QVERIFY(!ui::window("Form7")->isVisible());
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::control<QRadioButton>("Form7", "Op4")->isChecked());
    QVERIFY(shown("comsec"));
    QCOMPARE(ui::text("Form7", "Te1"), QStringLiteral("60"));
    QCOMPARE(ui::text("Form7", "Te2"), QStringLiteral("2"));

    QVERIFY(section::closeWithYes(notices, "Form7"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(!ui::control<QRadioButton>("Form7", "Op4")->isChecked());
    QVERIFY(!shown("comsec"));
    QCOMPARE(ui::text("Form7", "Te1"), QString());
    QCOMPARE(ui::text("Form7", "Te2"), QString());
}

void TrigonometryTest::lawsButtonShowsTheLawsBeside()
{
    QVERIFY(ui::click("Form7", "Command2"));
    QVERIFY(ui::window("Form22") && ui::window("Form22")->isVisible());
    QVERIFY(ui::window("Form7")->isVisible());
}

QTEST_MAIN(TrigonometryTest)
#include "test_trigonometry.moc"
