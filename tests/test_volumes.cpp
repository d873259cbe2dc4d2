// The volumes window: the volumes of the five solids and their notices. How
// the rows follow the chosen solid is tested with the perimeters window's, in
// test_figurewindow.

#include "support/scripted.h"
#include "support/sharedrows.h"
#include "support/ui.h"

#include "kit/notice.h"

using namespace numtext;

namespace {
const QString Empty = QStringLiteral("فارغ");
const QString ChooseOne = QStringLiteral("اختر خانة واحدة");
} // namespace

class VolumesTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void volumes_data();
    void volumes();
    void inputNotices_data();
    void inputNotices();
    void failuresLeaveTheResult_data();
    void failuresLeaveTheResult();
    void enterRunsTheChosenSolid();

private:
    QWidget *form() const { return ui::window("Form9"); }
    void compute(const QString &option, const QStringList &rows, const QString &calculate)
    {
        QVERIFY(sharedrows::compute(form(), option, rows, calculate));
    }
    QString result() const { return sharedrows::result(form()); }
};

void VolumesTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op7"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(form()->isVisible());
}

void VolumesTest::volumes_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("volume");
    QTest::newRow("cube, edge 3") << "Op1" << QStringList{"3"} << "Comk"
                                  << "27";
    QTest::newRow("cube, with other rows filled") << "Op1" << QStringList{"3", "5", "7"} << "Comk"
                                                  << "27";
    QTest::newRow("cube, edge of one space") << "Op1" << QStringList{" "} << "Comk"
                                             << "0";
    // The edge is used as read, not rounded to 15 digits.
    QTest::newRow("cube, edge of 17 digits") << "Op1" << QStringList{"1.0000000000000049"} << "Comk"
                                             << "1.00000000000001";
    QTest::newRow("cuboid, 2, 3 and 4") << "Op3" << QStringList{"2", "3", "4"} << "Coms"
                                        << "24";
    QTest::newRow("cuboid, 2abc, 3 and 0.5") << "Op3" << QStringList{"2abc", "3", "0.5"} << "Coms"
                                             << "3";
    // The height is rounded to 15 digits before it is used.
    QTest::newRow("cuboid, height of 17 digits") << "Op3" << QStringList{"1", "3", "1.0000000000000049"} << "Coms"
                                                 << "3";
    QTest::newRow("sphere, radius 1") << "Op2" << QStringList{"1", ""} << "Comr"
                                      << "4.18878933333333";
    QTest::newRow("sphere, radius 2") << "Op2" << QStringList{"2", ""} << "Comr"
                                      << "33.5103146666667";
    QTest::newRow("sphere, radius 3") << "Op2" << QStringList{"3", ""} << "Comr"
                                      << "113.097312";
    QTest::newRow("sphere, diameter 2") << "Op2" << QStringList{"", "2"} << "Comr"
                                        << "4.18878933333333";
    QTest::newRow("sphere, diameter 4") << "Op2" << QStringList{"", "4"} << "Comr"
                                        << "33.5103146666667";
    QTest::newRow("sphere, both empty") << "Op2" << QStringList{"", ""} << "Comr"
                                        << "0";
    // From the radius the cube of the radius is rounded to 15 digits; from
    // the diameter it is not.
    QTest::newRow("sphere, radius of 17 digits") << "Op2" << QStringList{"1.0000000000000016", ""} << "Comr"
                                                 << "4.18878933333333";
    QTest::newRow("sphere, diameter of 17 digits") << "Op2" << QStringList{"", "2.0000000000000032"} << "Comr"
                                                   << "4.18878933333335";
    QTest::newRow("cylinder, radius 1, height 2") << "Op4" << QStringList{"1", "", "2"} << "Comn"
                                                  << "6.283184";
    QTest::newRow("cylinder, diameter 2, height 2") << "Op4" << QStringList{"", "2", "2"} << "Comn"
                                                    << "6.283184";
    QTest::newRow("cylinder, radius 1, empty height") << "Op4" << QStringList{"1", "", ""} << "Comn"
                                                      << "0";
    QTest::newRow("cylinder, all empty") << "Op4" << QStringList{"", "", ""} << "Comn"
                                         << "0";
    QTest::newRow("cylinder, height of 17 digits") << "Op4" << QStringList{"1", "", "1.0000000000000049"} << "Comn"
                                                   << "3.141592";
    QTest::newRow("cone, radius 3, height 1") << "Op5" << QStringList{"3", "", "1"} << "Comd"
                                              << "9.424776";
    QTest::newRow("cone, diameter 6, height 1") << "Op5" << QStringList{"", "6", "1"} << "Comd"
                                                << "9.424776";
    QTest::newRow("cone, radius 1, height 1") << "Op5" << QStringList{"1", "", "1"} << "Comd"
                                              << "1.04719733333333";
    QTest::newRow("cone, radius 1, empty height") << "Op5" << QStringList{"1", "", ""} << "Comd"
                                                  << "0";
    // Zero lengths are no negative ones.
    QTest::newRow("cube, edge 0") << "Op1" << QStringList{"0"} << "Comk"
                                  << "0";
    QTest::newRow("cylinder, radius -0, height 0") << "Op4" << QStringList{"-0", "", "0"} << "Comn"
                                                   << "0";
}

void VolumesTest::volumes()
{
    QFETCH(QString, option);
    QFETCH(QStringList, rows);
    QFETCH(QString, calculate);
    QFETCH(QString, volume);
    compute(option, rows, calculate);
    QCOMPARE(result(), volume);
}

void VolumesTest::inputNotices_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    const QString oneBox = QStringLiteral("من فضلك .. أدخل إما نصف القطر أو القطر نفسه");
    QTest::newRow("cube, empty edge") << "Op1" << QStringList{"", "5"} << "Comk"
                                      << QStringLiteral("من فضلك أدخل طول حرف المكعب") << 0x80000 << Empty;
    QTest::newRow("cuboid, rows 1 and 2 empty")
        << "Op3" << QStringList{"", "", "4"} << "Coms" << QStringLiteral("من فضلك .. أدخل طول قاعدة متوازي المستطيلات")
        << 0x80040 << Empty;
    QTest::newRow("cuboid, row 2 empty") << "Op3" << QStringList{"2", "", ""} << "Coms"
                                         << QStringLiteral("من فضلك .. أدخل عرض قاعدة متوازي المستطيلات") << 0x80040
                                         << Empty;
    QTest::newRow("cuboid, row 3 empty") << "Op3" << QStringList{"2", "3", ""} << "Coms"
                                         << QStringLiteral("من فضلك .. أدخل ارتفاع متوازي المستطيلات") << 0x80040
                                         << Empty;
    QTest::newRow("sphere, radius and diameter")
        << "Op2" << QStringList{"1", "2"} << "Comr" << QStringLiteral("من فضلك .. أدخل فقط إما نصف القطر أو القطر نفسه")
        << 0x80000 << ChooseOne;
    QTest::newRow("cylinder, radius and diameter, empty height")
        << "Op4" << QStringList{"1", "2", ""} << "Comn" << QStringLiteral("من فضلك أدخل ارتفاع الاسطوانة") << 0x80000
        << Empty;
    QTest::newRow("cylinder, all three rows")
        << "Op4" << QStringList{"1", "2", "3"} << "Comn" << oneBox << 0x80000 << ChooseOne;
    QTest::newRow("cone, radius and diameter, empty height")
        << "Op5" << QStringList{"1", "2", ""} << "Comd" << QStringLiteral("من فضلك أدخل ارتفاع المخروط") << 0x80000
        << Empty;
    QTest::newRow("cone, all three rows")
        << "Op5" << QStringList{"1", " ", "3"} << "Comd" << oneBox << 0x80000 << ChooseOne;
    // A negative length of a row the solid uses, after the notices above.
    const QString negative = QStringLiteral("الطول لا يكون سالبا .. اكتب عددا موجبا");
    const QString mathError = QStringLiteral("خطأ رياضي");
    QTest::newRow("cube, edge -3") << "Op1" << QStringList{"-3"} << "Comk" << negative << 0x80000 << mathError;
    QTest::newRow("cuboid, width -3") << "Op3" << QStringList{"2", "-3", "4"} << "Coms" << negative << 0x80000
                                      << mathError;
    QTest::newRow("cuboid, width -3, height empty")
        << "Op3" << QStringList{"2", "-3", ""} << "Coms" << QStringLiteral("من فضلك .. أدخل ارتفاع متوازي المستطيلات")
        << 0x80040 << Empty;
    QTest::newRow("sphere, radius -1") << "Op2" << QStringList{"-1", ""} << "Comr" << negative << 0x80000 << mathError;
    QTest::newRow("sphere, diameter -2") << "Op2" << QStringList{"", "-2"} << "Comr" << negative << 0x80000
                                         << mathError;
    QTest::newRow("cylinder, height -2") << "Op4" << QStringList{"1", "", "-2"} << "Comn" << negative << 0x80000
                                         << mathError;
    QTest::newRow("cylinder, radius -1, diameter given")
        << "Op4" << QStringList{"-1", "2", "3"} << "Comn" << oneBox << 0x80000 << ChooseOne;
    QTest::newRow("cone, diameter -2") << "Op5" << QStringList{"", "-2", "3"} << "Comd" << negative << 0x80000
                                       << mathError;
}

void VolumesTest::inputNotices()
{
    QFETCH(QString, option);
    QFETCH(QStringList, rows);
    QFETCH(QString, calculate);
    QFETCH(QString, message);
    QFETCH(int, style);
    QFETCH(QString, title);
    compute(option, {"1", option == "Op3" ? "1" : "", "1"}, calculate);
    const QString before = result();
    QVERIFY(!before.isEmpty());
    notices.expect(message, std::uint32_t(style), title);
    compute(option, rows, calculate);
    QCOMPARE(result(), before);
}

void VolumesTest::failuresLeaveTheResult_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<Failure>("kind");
    QTest::newRow("cube, edge 1E999") << "Op1" << QStringList{"1E999"} << "Comk" << Failure::Overflow;
    QTest::newRow("cube, edge 6E102") << "Op1" << QStringList{"6E102"} << "Comk" << Failure::Overflow;
    QTest::newRow("cuboid, 1E200, 1E200 and 1")
        << "Op3" << QStringList{"1E200", "1E200", "1"} << "Coms" << Failure::Overflow;
    QTest::newRow("sphere, radius 1E103") << "Op2" << QStringList{"1E103", ""} << "Comr" << Failure::Overflow;
    QTest::newRow("sphere, radius 5E102") << "Op2" << QStringList{"5E102", ""} << "Comr" << Failure::Overflow;
    QTest::newRow("sphere, diameter 1E999") << "Op2" << QStringList{"", "1E999"} << "Comr" << Failure::Overflow;
    QTest::newRow("cylinder, radius 1E154") << "Op4" << QStringList{"1E154", "", "1"} << "Comn" << Failure::Overflow;
    QTest::newRow("cone, height 1E999") << "Op5" << QStringList{"1", "", "1E999"} << "Comd" << Failure::Overflow;
    // Every row is read before any is tested.
    QTest::newRow("cuboid, empty row 1, row 3 1E999")
        << "Op3" << QStringList{"", "1", "1E999"} << "Coms" << Failure::Overflow;
}

void VolumesTest::failuresLeaveTheResult()
{
    QFETCH(Failure, kind);
    QFETCH(QString, option);
    QFETCH(QStringList, rows);
    QFETCH(QString, calculate);
    compute(option, {"1", option == "Op3" ? "1" : "", "1"}, calculate);
    const QString before = result();
    QVERIFY(!before.isEmpty());
    expectFailure(notices, kind);
    compute(option, rows, calculate);
    QCOMPARE(result(), before);
}

void VolumesTest::enterRunsTheChosenSolid()
{
    QVERIFY(ui::click("Form9", "Op1"));
    ui::type("Form9", "Te1", QStringLiteral("3"));
    ui::pressEnter(ui::control("Form9", "Te1"));
    QCOMPARE(result(), QStringLiteral("27"));
    QVERIFY(ui::click("Form9", "Op5"));
    ui::type("Form9", "Te3", QStringLiteral("1"));
    ui::pressEnter(ui::control("Form9", "Te3"));
    QCOMPARE(result(), QStringLiteral("9.424776"));
}

QTEST_MAIN(VolumesTest)
#include "test_volumes.moc"
