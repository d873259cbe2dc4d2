// The perimeters window: the perimeters of the six figures and their
// notices. How the rows follow the chosen figure is tested with the volumes
// window's, in test_figurewindow.

#include "support/scripted.h"
#include "support/sharedrows.h"
#include "support/ui.h"

#include "kit/notice.h"

using namespace numtext;

namespace {
const QString Empty = QStringLiteral("فارغ");
const QStringList Sides{QStringLiteral("من فضلك .. أدخل طول الضلع الأول"),
                        QStringLiteral("من فضلك .. أدخل طول الضلع الثاني"),
                        QStringLiteral("من فضلك .. أدخل طول الضلع الثالث"),
                        QStringLiteral("من فضلك .. أدخل طول الضلع الرابع")};
} // namespace

class PerimetersTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void perimeters_data();
    void perimeters();
    void emptyRows_data();
    void emptyRows();
    void circleWithRadiusAndDiameter();
    void cannotExist_data();
    void cannotExist();
    void failuresLeaveTheResult_data();
    void failuresLeaveTheResult();
    void enterRunsTheChosenFigure();

private:
    QWidget *form() const { return ui::window("Form6"); }
    void compute(const QString &option, const QStringList &rows, const QString &calculate)
    {
        QVERIFY(sharedrows::compute(form(), option, rows, calculate));
    }
    QString result() const { return sharedrows::result(form()); }
};

void PerimetersTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op4"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(form()->isVisible());
}

void PerimetersTest::perimeters_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("perimeter");
    QTest::newRow("circle, radius 1") << "Op1" << QStringList{"1", ""} << "Comc"
                                      << "6.283184";
    QTest::newRow("circle, diameter 2") << "Op1" << QStringList{"", "2"} << "Comc"
                                        << "6.283184";
    QTest::newRow("circle, both empty") << "Op1" << QStringList{"", ""} << "Comc"
                                        << "0";
    QTest::newRow("circle, radius 1abc") << "Op1" << QStringList{"1abc", ""} << "Comc"
                                         << "6.283184";
    QTest::newRow("circle, radius of one space") << "Op1" << QStringList{" ", ""} << "Comc"
                                                 << "0";
    // The radius is used as read; the diameter is rounded to 15 digits first.
    QTest::newRow("circle, radius of 17 digits") << "Op1" << QStringList{"1.0000000000000044", ""} << "Comc"
                                                 << "6.28318400000003";
    QTest::newRow("circle, diameter of 17 digits") << "Op1" << QStringList{"", "2.0000000000000044"} << "Comc"
                                                   << "6.283184";
    QTest::newRow("square, side 5") << "Op3" << QStringList{"5"} << "Comb"
                                    << "20";
    QTest::newRow("square, with other rows filled") << "Op3" << QStringList{"5", "7", "8", "9"} << "Comb"
                                                    << "20";
    QTest::newRow("rectangle, 3 and 4") << "Op6" << QStringList{"3", "4"} << "Coms"
                                        << "14";
    // Half the perimeter is rounded to 15 digits before it is doubled.
    QTest::newRow("rectangle, length of 17 digits") << "Op6" << QStringList{"1.0000000000000044", "0"} << "Coms"
                                                    << "2";
    QTest::newRow("triangle, 3, 4 and 5") << "Op5" << QStringList{"3", "4", "5"} << "Comt"
                                          << "12";
    QTest::newRow("triangle, 5abc, 4 and letters, 2") << "Op5" << QStringList{"5abc", "4x", "2"} << "Comt"
                                                      << "11";
    // The third side is rounded to 15 digits; the first two are not.
    QTest::newRow("triangle, third side of 17 digits")
        << "Op5" << QStringList{"0.500000000000001", "1", "1.0000000000000044"} << "Comt"
        << "2.5";
    QTest::newRow("triangle, first side of 17 digits")
        << "Op5" << QStringList{"1.0000000000000044", "1", "0.500000000000001"} << "Comt"
        << "2.50000000000001";
    // A flat triangle, one side the sum of the other two, and zero lengths
    // are allowed: 0.1 + 0.7 = 0.8 exactly as typed (not as doubles).
    QTest::newRow("triangle, flat 1, 2 and 3") << "Op5" << QStringList{"1", "2", "3"} << "Comt"
                                               << "6";
    QTest::newRow("triangle, flat 0.8, 0.1 and 0.7") << "Op5" << QStringList{"0.8", "0.1", "0.7"} << "Comt"
                                                     << "1.6";
    QTest::newRow("triangle, zero sides") << "Op5" << QStringList{"0", "0", "0"} << "Comt"
                                          << "0";
    QTest::newRow("triangle, 0, 5 and 5") << "Op5" << QStringList{"0", "5", "5"} << "Comt"
                                          << "10";
    QTest::newRow("circle, radius -0") << "Op1" << QStringList{"-0", ""} << "Comc"
                                       << "0";
    QTest::newRow("trapezoid, 1, 2, 3 and 4") << "Op2" << QStringList{"1", "2", "3", "4"} << "Comh"
                                              << "10";
    QTest::newRow("trapezoid, third side of 17 digits")
        << "Op2" << QStringList{"0.000000000000001", "0", "1.0000000000000044", "0"} << "Comh"
        << "1";
    QTest::newRow("parallelogram, 1, 2, 3 and 4") << "Op4" << QStringList{"1", "2", "3", "4"} << "Comz"
                                                  << "10";
    QTest::newRow("parallelogram, third side of 17 digits")
        << "Op4" << QStringList{"0.000000000000001", "0", "1.0000000000000044", "0"} << "Comz"
        << "1";
    QTest::newRow("parallelogram, decimals") << "Op4" << QStringList{"0.1", "0.2", "0.3", "0.4"} << "Comz"
                                             << "1";
}

void PerimetersTest::perimeters()
{
    QFETCH(QString, option);
    QFETCH(QStringList, rows);
    QFETCH(QString, calculate);
    QFETCH(QString, perimeter);
    compute(option, rows, calculate);
    QCOMPARE(result(), perimeter);
}

void PerimetersTest::emptyRows_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("message");
    QTest::newRow("square") << "Op3" << QStringList{"", "5"} << "Comb"
                            << QStringLiteral("من فضلك .. أدخل طول ضلع واحد من المربع");
    QTest::newRow("rectangle, length") << "Op6" << QStringList{"", ""} << "Coms"
                                       << QStringLiteral("من فضلك .. أدخل طول المستطيل");
    QTest::newRow("rectangle, width") << "Op6" << QStringList{"3", ""} << "Coms"
                                      << QStringLiteral("من فضلك .. أدخل عرض المستطيل");
    QTest::newRow("triangle, rows 1 and 3") << "Op5" << QStringList{"", "4", ""} << "Comt" << Sides[0];
    QTest::newRow("triangle, row 2") << "Op5" << QStringList{"3", "", "5"} << "Comt" << Sides[1];
    QTest::newRow("triangle, row 3") << "Op5" << QStringList{"3", "4", "", "6"} << "Comt" << Sides[2];
    QTest::newRow("trapezoid, row 3 and 4") << "Op2" << QStringList{"1", "2", "", ""} << "Comh" << Sides[2];
    QTest::newRow("trapezoid, row 4") << "Op2" << QStringList{"1", "2", "3", ""} << "Comh" << Sides[3];
    QTest::newRow("parallelogram, row 1") << "Op4" << QStringList{"", "2", "3", "4"} << "Comz" << Sides[0];
    QTest::newRow("parallelogram, row 4") << "Op4" << QStringList{"1", "2", "3", ""} << "Comz" << Sides[3];
}

void PerimetersTest::emptyRows()
{
    QFETCH(QString, option);
    QFETCH(QStringList, rows);
    QFETCH(QString, calculate);
    QFETCH(QString, message);
    compute(option, {"1", "1", "1", "1"}, calculate);
    const QString before = result();
    notices.expect(message, 0x80040, Empty);
    compute(option, rows, calculate);
    QCOMPARE(result(), before);
}

void PerimetersTest::circleWithRadiusAndDiameter()
{
    compute("Op1", {"1", ""}, "Comc");
    // Rows 1 and 2 still hold the sides of a trapezoid.
    compute("Op2", {"1", "2", "3", "4"}, "Comh");
    QVERIFY(ui::click("Form6", "Op1"));
    notices.expect(QStringLiteral("من فضلك .. أدخل إما نصف القطر أو القطر نفسه"), 0x80000,
                   QStringLiteral("اختر خانة واحدة"));
    QVERIFY(ui::click("Form6", "Comc"));
    QCOMPARE(result(), QStringLiteral("10"));
}

void PerimetersTest::cannotExist_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("message");
    const QString negative = QStringLiteral("الطول لا يكون سالبا .. اكتب عددا موجبا");
    const QString noTriangle = QStringLiteral("لا يوجد مثلث أطوال أضلاعه بهذه القيم");
    QTest::newRow("circle, radius -1") << "Op1" << QStringList{"-1", ""} << "Comc" << negative;
    QTest::newRow("circle, diameter -2") << "Op1" << QStringList{"", "-2"} << "Comc" << negative;
    QTest::newRow("square, side -5") << "Op3" << QStringList{"-5"} << "Comb" << negative;
    QTest::newRow("rectangle, width -4") << "Op6" << QStringList{"3", "-4"} << "Coms" << negative;
    QTest::newRow("triangle, third side -5") << "Op5" << QStringList{"3", "4", "-5"} << "Comt" << negative;
    QTest::newRow("triangle, a side of -1E-300") << "Op5" << QStringList{"-1E-300", "4", "4"} << "Comt" << negative;
    QTest::newRow("trapezoid, fourth side -4") << "Op2" << QStringList{"1", "2", "3", "-4"} << "Comh" << negative;
    QTest::newRow("parallelogram, first side -1") << "Op4" << QStringList{"-1", "2", "3", "4"} << "Comz" << negative;
    // A negative length is told before the shape of the triangle.
    QTest::newRow("triangle, -1, 2 and 10") << "Op5" << QStringList{"-1", "2", "10"} << "Comt" << negative;
    QTest::newRow("triangle, 1, 2 and 10") << "Op5" << QStringList{"1", "2", "10"} << "Comt" << noTriangle;
    QTest::newRow("triangle, 10, 1 and 2") << "Op5" << QStringList{"10", "1", "2"} << "Comt" << noTriangle;
    QTest::newRow("triangle, 1, 10 and 2") << "Op5" << QStringList{"1", "10", "2"} << "Comt" << noTriangle;
    QTest::newRow("triangle, 5, 0 and 2") << "Op5" << QStringList{"5", "0", "2"} << "Comt" << noTriangle;
    // Just beyond flat, as typed.
    QTest::newRow("triangle, 0.1, 0.7 and 0.8000000000000001")
        << "Op5" << QStringList{"0.1", "0.7", "0.8000000000000001"} << "Comt" << noTriangle;
}

// A figure that cannot exist is refused with a notice, after the notices of
// empty rows, and the result stays.
void PerimetersTest::cannotExist()
{
    QFETCH(QString, option);
    QFETCH(QStringList, rows);
    QFETCH(QString, calculate);
    QFETCH(QString, message);
    compute(option, option == "Op1" ? QStringList{"1", ""} : QStringList{"2", "2", "2", "2"}, calculate);
    const QString before = result();
    QVERIFY(!before.isEmpty());
    notices.expect(message, 0x80000, QStringLiteral("خطأ رياضي"));
    compute(option, rows, calculate);
    QCOMPARE(result(), before);
}

void PerimetersTest::failuresLeaveTheResult_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<Failure>("kind");
    QTest::newRow("circle, radius 1E999") << "Op1" << QStringList{"1E999", ""} << "Comc" << Failure::Overflow;
    QTest::newRow("circle, diameter 1E999") << "Op1" << QStringList{"", "1E999"} << "Comc" << Failure::Overflow;
    QTest::newRow("circle, radius 3E307") << "Op1" << QStringList{"3E307", ""} << "Comc" << Failure::Overflow;
    QTest::newRow("square, side 1E308") << "Op3" << QStringList{"1E308"} << "Comb" << Failure::Overflow;
    QTest::newRow("rectangle, 1E308 and 1E308")
        << "Op6" << QStringList{"1E308", "1E308"} << "Coms" << Failure::Overflow;
    QTest::newRow("rectangle, 9E307 and 0") << "Op6" << QStringList{"9E307", "0"} << "Coms" << Failure::Overflow;
    QTest::newRow("triangle, 1E308 three times")
        << "Op5" << QStringList{"1E308", "1E308", "1E308"} << "Comt" << Failure::Overflow;
    QTest::newRow("trapezoid, fourth side 1E999")
        << "Op2" << QStringList{"1", "2", "3", "1E999"} << "Comh" << Failure::Overflow;
    // Every row is read before any is tested for emptiness.
    QTest::newRow("parallelogram, empty row 1, row 4 1E999")
        << "Op4" << QStringList{"", "2", "3", "1E999"} << "Comz" << Failure::Overflow;
}

void PerimetersTest::failuresLeaveTheResult()
{
    QFETCH(Failure, kind);
    QFETCH(QString, option);
    QFETCH(QStringList, rows);
    QFETCH(QString, calculate);
    compute(option, option == "Op1" ? QStringList{"1", ""} : QStringList{"1", "1", "1", "1"}, calculate);
    const QString before = result();
    QVERIFY(!before.isEmpty());
    expectFailure(notices, kind);
    compute(option, rows, calculate);
    QCOMPARE(result(), before);
}

void PerimetersTest::enterRunsTheChosenFigure()
{
    QVERIFY(ui::click("Form6", "Op3"));
    ui::type("Form6", "Te1", QStringLiteral("5"));
    ui::pressEnter(ui::control("Form6", "Te1"));
    QCOMPARE(result(), QStringLiteral("20"));
    QVERIFY(ui::click("Form6", "Op6"));
    ui::type("Form6", "Te2", QStringLiteral("4"));
    ui::pressEnter(ui::control("Form6", "Te2"));
    QCOMPARE(result(), QStringLiteral("18"));
}

QTEST_MAIN(PerimetersTest)
#include "test_perimeters.moc"
