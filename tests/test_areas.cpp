// The areas window: one input panel per figure in one place, the areas of
// the seven figures, their notices, the clear buttons and the note.

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/notice.h"
#include "kit/window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace numtext;

namespace {
const QString Empty = QStringLiteral("فارغ");
const QString OneBox = QStringLiteral("من فضلك .. أدخل فقط إما نصف القطر أو القطر نفسه");
const QString NothingHere = QStringLiteral("لا تكتب شيئا هنا");

// Every control that belongs to a panel, panel by panel.
const QStringList Circle{"Label1", "tc2", "Command5", "Label3", "tc1", "Command6", "Comc", "tc3"};
const QStringList Sphere{"Label6", "tb2", "Command7", "Label4", "tb1", "Command4", "Comb", "tb3"};
const QStringList Trapezoid{"Laf1", "Tf1", "Comf1", "Laf2", "Tf2", "Comf2", "Comf3", "Tf3", "Comf4"};
const QStringList Rectangle{"Las1", "Ts1", "Coms1", "Las2", "Ts2", "Coms2", "Coms3", "Ts3"};
const QStringList Parallelogram{"Lam1", "Tm1", "Com1", "Lam2", "Tm2", "Com2", "Com3", "Tm3"};
const QStringList Triangle{"lat1", "tt1", "Comt1", "lat2", "tt2", "Comt2", "Comt3", "tt3"};
const QStringList Cube{"Lak1", "Tk1", "Comk1", "Tk2", "Comk2", "Comk3", "Tk3"};
const QStringList AllPanels = Circle + Sphere + Trapezoid + Rectangle + Parallelogram + Triangle + Cube;

QString defaultButtonOf(const char *window)
{
    QPushButton *b = static_cast<app::Window *>(ui::window(window))->defaultButton();
    return b ? b->objectName() : QString();
}
} // namespace

class AreasTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void initialState();
    void panels_data();
    void panels();
    void areas_data();
    void areas();
    void emptyLengths_data();
    void emptyLengths();
    void radiusAndDiameterBothGiven_data();
    void radiusAndDiameterBothGiven();
    void negativeLengths_data();
    void negativeLengths();
    void failuresLeaveTheResult_data();
    void failuresLeaveTheResult();
    void clears_data();
    void clears();
    void cubeSecondRowIsInert();
    void switchingKeepsTexts();
    void enterRunsTheChosenFigure();
    void note();

private:
    // Chooses a figure, fills its boxes (a null name is left alone) and
    // presses its calculate button.
    void compute(const char *option, const char *first, const QString &firstText, const char *second,
                 const QString &secondText, const char *calculate)
    {
        QVERIFY(ui::click("Form4", option));
        ui::type("Form4", first, firstText);
        if (second && *second)
            ui::type("Form4", second, secondText);
        QVERIFY(ui::click("Form4", calculate));
    }
};

void AreasTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op2"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form4")->isVisible());
}

void AreasTest::initialState()
{
    QWidget *w = ui::window("Form4");
    for (QRadioButton *o : w->findChildren<QRadioButton *>())
        QVERIFY2(!o->isChecked(), qPrintable(o->objectName()));
    QCOMPARE(ui::text("Form4", "la22"), QString());
    QCOMPARE(ui::text("Form4", "tc3"), QString());
    for (const QString &name : AllPanels)
        QVERIFY2(ui::control(w, qPrintable(name))->isVisible() == (name == "tc3"), qPrintable(name));
    QVERIFY(!ui::control("Form4", "Tk2")->isEnabled());
    QVERIFY(!ui::control("Form4", "Comk2")->isEnabled());
    QCOMPARE(ui::text("Form4", "Tk2"), NothingHere);
    QCOMPARE(defaultButtonOf("Form4"), QString());
    QCOMPARE(ui::text("Form4", "Label8"), QStringLiteral("المساحة تساوي"));
}

void AreasTest::panels_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QStringList>("panel");
    QTest::newRow("circle") << "Op1" << QStringLiteral("حساب مساحة الدائرة") << "Comc" << Circle;
    QTest::newRow("sphere") << "Op11" << QStringLiteral("حساب المساحة السطحية للكرة") << "Comb" << Sphere;
    QTest::newRow("trapezoid") << "Op2" << QStringLiteral("حساب مساحة شبه المنحرف") << "Comf3" << Trapezoid;
    QTest::newRow("rectangle") << "Op3" << QStringLiteral("حساب مساحة المربع والمستطيل") << "Coms3" << Rectangle;
    QTest::newRow("parallelogram") << "Op4" << QStringLiteral("حساب مساحة متوازي الأضلاع") << "Com3" << Parallelogram;
    QTest::newRow("triangle") << "Op5" << QStringLiteral("حساب مساحة المثلث") << "Comt3" << Triangle;
    QTest::newRow("cube") << "Op6" << QStringLiteral("حساب مساحة المكعب") << "Comk3" << Cube;
}

void AreasTest::panels()
{
    QFETCH(QString, option);
    QFETCH(QString, heading);
    QFETCH(QString, calculate);
    QFETCH(QStringList, panel);
    QWidget *w = ui::window("Form4");
    // From every other panel, so that each switch hides what was shown.
    for (const char *from : {"Op1", "Op11", "Op2", "Op3", "Op4", "Op5", "Op6"}) {
        QVERIFY(ui::click("Form4", from));
        QVERIFY(ui::click(ui::control(w, qPrintable(option))));
        QCOMPARE(ui::text("Form4", "la22"), heading);
        QCOMPARE(defaultButtonOf("Form4"), calculate);
        for (const QString &name : AllPanels)
            QVERIFY2(ui::control(w, qPrintable(name))->isVisible() == panel.contains(name), qPrintable(name));
        for (const QString &name : panel)
            QVERIFY2(ui::control(w, qPrintable(name))->isEnabled() == (name != "Tk2" && name != "Comk2"),
                     qPrintable(name));
    }
}

void AreasTest::areas_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("area");
    QTest::newRow("circle, radius 2") << "Op1"
                                      << "tc2"
                                      << "2"
                                      << "tc1"
                                      << ""
                                      << "Comc"
                                      << "tc3"
                                      << "12.566368";
    QTest::newRow("circle, diameter 4") << "Op1"
                                        << "tc2"
                                        << ""
                                        << "tc1"
                                        << "4"
                                        << "Comc"
                                        << "tc3"
                                        << "12.566368";
    QTest::newRow("circle, radius 10") << "Op1"
                                       << "tc2"
                                       << "10"
                                       << "tc1"
                                       << ""
                                       << "Comc"
                                       << "tc3"
                                       << "314.1592";
    QTest::newRow("circle, both empty") << "Op1"
                                        << "tc2"
                                        << ""
                                        << "tc1"
                                        << ""
                                        << "Comc"
                                        << "tc3"
                                        << "0";
    QTest::newRow("circle, radius 5abc") << "Op1"
                                         << "tc2"
                                         << "5abc"
                                         << "tc1"
                                         << ""
                                         << "Comc"
                                         << "tc3"
                                         << "78.5398";
    QTest::newRow("circle, radius of letters") << "Op1"
                                               << "tc2"
                                               << "abc"
                                               << "tc1"
                                               << ""
                                               << "Comc"
                                               << "tc3"
                                               << "0";
    QTest::newRow("circle, radius of one space") << "Op1"
                                                 << "tc2"
                                                 << " "
                                                 << "tc1"
                                                 << ""
                                                 << "Comc"
                                                 << "tc3"
                                                 << "0";
    QTest::newRow("circle, Arabic-Indic radius") << "Op1"
                                                 << "tc2" << QStringLiteral("٢") << "tc1"
                                                 << ""
                                                 << "Comc"
                                                 << "tc3"
                                                 << "12.566368";
    // The radius and the diameter are rounded to 15 significant digits
    // before they are used.
    QTest::newRow("circle, radius of 17 digits") << "Op1"
                                                 << "tc2"
                                                 << "1.0000000000000049"
                                                 << "tc1"
                                                 << ""
                                                 << "Comc"
                                                 << "tc3"
                                                 << "3.141592";
    QTest::newRow("circle, diameter of 17 digits") << "Op1"
                                                   << "tc2"
                                                   << ""
                                                   << "tc1"
                                                   << "2.0000000000000044"
                                                   << "Comc"
                                                   << "tc3"
                                                   << "3.141592";
    QTest::newRow("circle, radius near the limit") << "Op1"
                                                   << "tc2"
                                                   << "7E153"
                                                   << "tc1"
                                                   << ""
                                                   << "Comc"
                                                   << "tc3"
                                                   << "1.53938008E+308";
    QTest::newRow("sphere, radius 1") << "Op11"
                                      << "tb2"
                                      << "1"
                                      << "tb1"
                                      << ""
                                      << "Comb"
                                      << "tb3"
                                      << "12.566368";
    QTest::newRow("sphere, diameter 6") << "Op11"
                                        << "tb2"
                                        << ""
                                        << "tb1"
                                        << "6"
                                        << "Comb"
                                        << "tb3"
                                        << "113.097312";
    QTest::newRow("sphere, both empty") << "Op11"
                                        << "tb2"
                                        << ""
                                        << "tb1"
                                        << ""
                                        << "Comb"
                                        << "tb3"
                                        << "0";
    QTest::newRow("trapezoid, 4 and 10") << "Op2"
                                         << "Tf1"
                                         << "4"
                                         << "Tf2"
                                         << "10"
                                         << "Comf3"
                                         << "Tf3"
                                         << "20";
    QTest::newRow("triangle, 3 and 5") << "Op5"
                                       << "tt1"
                                       << "3"
                                       << "tt2"
                                       << "5"
                                       << "Comt3"
                                       << "tt3"
                                       << "7.5";
    QTest::newRow("parallelogram, 3 and 4") << "Op4"
                                            << "Tm1"
                                            << "3"
                                            << "Tm2"
                                            << "4"
                                            << "Com3"
                                            << "Tm3"
                                            << "12";
    QTest::newRow("rectangle, 6 and 2.5") << "Op3"
                                          << "Ts1"
                                          << "6"
                                          << "Ts2"
                                          << "2.5"
                                          << "Coms3"
                                          << "Ts3"
                                          << "15";
    QTest::newRow("rectangle, a space and 5") << "Op3"
                                              << "Ts1"
                                              << " "
                                              << "Ts2"
                                              << "5"
                                              << "Coms3"
                                              << "Ts3"
                                              << "0";
    QTest::newRow("rectangle, 5abc and 2") << "Op3"
                                           << "Ts1"
                                           << "5abc"
                                           << "Ts2"
                                           << "2"
                                           << "Coms3"
                                           << "Ts3"
                                           << "10";
    QTest::newRow("rectangle, length of 17 digits") << "Op3"
                                                    << "Ts1"
                                                    << "1.0000000000000049"
                                                    << "Ts2"
                                                    << "3"
                                                    << "Coms3"
                                                    << "Ts3"
                                                    << "3";
    QTest::newRow("cube, edge 2") << "Op6"
                                  << "Tk1"
                                  << "2"
                                  << ""
                                  << ""
                                  << "Comk3"
                                  << "Tk3"
                                  << "24";
    QTest::newRow("cube, edge 0.5") << "Op6"
                                    << "Tk1"
                                    << "0.5"
                                    << ""
                                    << ""
                                    << "Comk3"
                                    << "Tk3"
                                    << "1.5";
}

void AreasTest::areas()
{
    QFETCH(QString, option);
    QFETCH(QString, first);
    QFETCH(QString, firstText);
    QFETCH(QString, second);
    QFETCH(QString, secondText);
    QFETCH(QString, calculate);
    QFETCH(QString, result);
    QFETCH(QString, area);
    compute(qPrintable(option), qPrintable(first), firstText, qPrintable(second), secondText, qPrintable(calculate));
    QCOMPARE(ui::text("Form4", qPrintable(result)), area);
}

void AreasTest::emptyLengths_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");
    struct Figure {
        const char *name, *option, *first, *second, *calculate, *result;
        QString firstMessage, secondMessage;
    };
    const Figure figures[] = {
        {"trapezoid", "Op2", "Tf1", "Tf2", "Comf3", "Tf3", QStringLiteral("من فضلك .. أدخل ارتفاع شبه المنحرف"),
         QStringLiteral("من فضلك .. أدخل مجموع القاعدتين السفلية والعلوية")},
        {"rectangle", "Op3", "Ts1", "Ts2", "Coms3", "Ts3", QStringLiteral("من فضلك .. أدخل طول المربع أو المستطيل"),
         QStringLiteral("من فضلك .. أدخل عرض المربع أو المستطيل")},
        {"parallelogram", "Op4", "Tm1", "Tm2", "Com3", "Tm3",
         QStringLiteral("من فضلك .. أدخل طول قاعدة متوازي الأضلاع"),
         QStringLiteral("من فضلك .. أدخل ارتفاع متوازي الأضلاع")},
        {"triangle", "Op5", "tt1", "tt2", "Comt3", "tt3", QStringLiteral("من فضلك .. أدخل قاعدة المثلث"),
         QStringLiteral("من فضلك .. أدخل ارتفاع المثلث")},
    };
    for (const Figure &f : figures) {
        QTest::addRow("%s, first empty", f.name)
            << f.option << f.first << "" << f.second << "3" << f.calculate << f.result << f.firstMessage;
        QTest::addRow("%s, second empty", f.name)
            << f.option << f.first << "3" << f.second << "" << f.calculate << f.result << f.secondMessage;
        QTest::addRow("%s, both empty", f.name)
            << f.option << f.first << "" << f.second << "" << f.calculate << f.result << f.firstMessage;
    }
    // An empty box is told before a negative length.
    QTest::newRow("rectangle, length -3, width empty")
        << "Op3"
        << "Ts1"
        << "-3"
        << "Ts2"
        << ""
        << "Coms3"
        << "Ts3" << QStringLiteral("من فضلك .. أدخل عرض المربع أو المستطيل");
    QTest::newRow("cube, edge empty") << "Op6"
                                      << "Tk1"
                                      << ""
                                      << ""
                                      << ""
                                      << "Comk3"
                                      << "Tk3" << QStringLiteral("من فضلك .. أدخل طول حرف المكعب");
}

void AreasTest::emptyLengths()
{
    QFETCH(QString, option);
    QFETCH(QString, first);
    QFETCH(QString, firstText);
    QFETCH(QString, second);
    QFETCH(QString, secondText);
    QFETCH(QString, calculate);
    QFETCH(QString, result);
    QFETCH(QString, message);
    compute(qPrintable(option), qPrintable(first), "2", qPrintable(second), "2", qPrintable(calculate));
    const QString before = ui::text("Form4", qPrintable(result));
    QVERIFY(!before.isEmpty());
    notices.expect(message, 0x80040, Empty);
    compute(qPrintable(option), qPrintable(first), firstText, qPrintable(second), secondText, qPrintable(calculate));
    QCOMPARE(ui::text("Form4", qPrintable(result)), before);
}

void AreasTest::radiusAndDiameterBothGiven_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("radius");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("diameterText");
    QTest::newRow("circle") << "Op1"
                            << "tc2"
                            << "tc1"
                            << "Comc"
                            << "tc3"
                            << "4";
    QTest::newRow("circle, diameter of one space") << "Op1"
                                                   << "tc2"
                                                   << "tc1"
                                                   << "Comc"
                                                   << "tc3"
                                                   << " ";
    QTest::newRow("sphere") << "Op11"
                            << "tb2"
                            << "tb1"
                            << "Comb"
                            << "tb3"
                            << "4";
}

void AreasTest::radiusAndDiameterBothGiven()
{
    QFETCH(QString, option);
    QFETCH(QString, radius);
    QFETCH(QString, diameter);
    QFETCH(QString, calculate);
    QFETCH(QString, result);
    QFETCH(QString, diameterText);
    compute(qPrintable(option), qPrintable(radius), "1", qPrintable(diameter), "", qPrintable(calculate));
    const QString before = ui::text("Form4", qPrintable(result));
    QVERIFY(!before.isEmpty());
    notices.expect(OneBox, 0x80000, QStringLiteral("اختر خانة واحدة"));
    compute(qPrintable(option), qPrintable(radius), "2", qPrintable(diameter), diameterText, qPrintable(calculate));
    QCOMPARE(ui::text("Form4", qPrintable(result)), before);
}

void AreasTest::negativeLengths_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("result");
    const auto row = [](const char *name, const char *option, const char *first, const char *firstText,
                        const char *second, const char *secondText, const char *calculate, const char *result) {
        QTest::newRow(name) << option << first << firstText << second << secondText << calculate << result;
    };
    row("circle, radius -2", "Op1", "tc2", "-2", "tc1", "", "Comc", "tc3");
    row("circle, diameter -4", "Op1", "tc2", "", "tc1", "-4", "Comc", "tc3");
    row("sphere, radius -1", "Op11", "tb2", "-1", "tb1", "", "Comb", "tb3");
    row("trapezoid, height -4", "Op2", "Tf1", "-4", "Tf2", "10", "Comf3", "Tf3");
    row("rectangle, -3 by 4", "Op3", "Ts1", "-3", "Ts2", "4", "Coms3", "Ts3");
    row("rectangle, -3 by -4", "Op3", "Ts1", "-3", "Ts2", "-4", "Coms3", "Ts3");
    row("parallelogram, height -1abc", "Op4", "Tm1", "2", "Tm2", "-1abc", "Com3", "Tm3");
    row("triangle, base -3", "Op5", "tt1", "-3", "tt2", "5", "Comt3", "tt3");
    row("cube, edge -2", "Op6", "Tk1", "-2", "", "", "Comk3", "Tk3");
}

// A negative length is refused with a notice and the area before stays: the
// area of a rectangle -3 by 4 is no -12.
void AreasTest::negativeLengths()
{
    QFETCH(QString, option);
    QFETCH(QString, first);
    QFETCH(QString, firstText);
    QFETCH(QString, second);
    QFETCH(QString, secondText);
    QFETCH(QString, calculate);
    QFETCH(QString, result);
    const bool round = option == "Op1" || option == "Op11";
    compute(qPrintable(option), qPrintable(first), "2", qPrintable(second), round ? "" : "2", qPrintable(calculate));
    const QString before = ui::text("Form4", qPrintable(result));
    QVERIFY(!before.isEmpty());
    notices.expect(QStringLiteral("الطول لا يكون سالبا .. اكتب عددا موجبا"), 0x80000, QStringLiteral("خطأ رياضي"));
    compute(qPrintable(option), qPrintable(first), firstText, qPrintable(second), secondText, qPrintable(calculate));
    QCOMPARE(ui::text("Form4", qPrintable(result)), before);
}

void AreasTest::failuresLeaveTheResult_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("result");
    QTest::addColumn<Failure>("kind");
    QTest::newRow("circle, radius 1E999") << "Op1"
                                          << "tc2"
                                          << "1E999"
                                          << "tc1"
                                          << ""
                                          << "Comc"
                                          << "tc3" << Failure::Overflow;
    QTest::newRow("circle, diameter 1E999") << "Op1"
                                            << "tc2"
                                            << ""
                                            << "tc1"
                                            << "1E999"
                                            << "Comc"
                                            << "tc3" << Failure::Overflow;
    QTest::newRow("circle, radius 8E153") << "Op1"
                                          << "tc2"
                                          << "8E153"
                                          << "tc1"
                                          << ""
                                          << "Comc"
                                          << "tc3" << Failure::Overflow;
    QTest::newRow("sphere, radius 4E153") << "Op11"
                                          << "tb2"
                                          << "4E153"
                                          << "tb1"
                                          << ""
                                          << "Comb"
                                          << "tb3" << Failure::Overflow;
    QTest::newRow("sphere, diameter 8E153") << "Op11"
                                            << "tb2"
                                            << ""
                                            << "tb1"
                                            << "8E153"
                                            << "Comb"
                                            << "tb3" << Failure::Overflow;
    QTest::newRow("cube, edge 6E153") << "Op6"
                                      << "Tk1"
                                      << "6E153"
                                      << ""
                                      << ""
                                      << "Comk3"
                                      << "Tk3" << Failure::Overflow;
    QTest::newRow("rectangle, 1E200 by 1E200") << "Op3"
                                               << "Ts1"
                                               << "1E200"
                                               << "Ts2"
                                               << "1E200"
                                               << "Coms3"
                                               << "Ts3" << Failure::Overflow;
    QTest::newRow("trapezoid, 1E308 and 10") << "Op2"
                                             << "Tf1"
                                             << "1E308"
                                             << "Tf2"
                                             << "10"
                                             << "Comf3"
                                             << "Tf3" << Failure::Overflow;
    QTest::newRow("parallelogram, 1E999 and 1") << "Op4"
                                                << "Tm1"
                                                << "1E999"
                                                << "Tm2"
                                                << "1"
                                                << "Com3"
                                                << "Tm3" << Failure::Overflow;
    // Both lengths are read before either box is tested for emptiness.
    QTest::newRow("triangle, empty base and height 1E999") << "Op5"
                                                           << "tt1"
                                                           << ""
                                                           << "tt2"
                                                           << "1E999"
                                                           << "Comt3"
                                                           << "tt3" << Failure::Overflow;
}

void AreasTest::failuresLeaveTheResult()
{
    QFETCH(Failure, kind);
    QFETCH(QString, option);
    QFETCH(QString, first);
    QFETCH(QString, firstText);
    QFETCH(QString, second);
    QFETCH(QString, secondText);
    QFETCH(QString, calculate);
    QFETCH(QString, result);
    // A result first; the circle and the sphere take the radius alone.
    const bool round = option == "Op1" || option == "Op11";
    compute(qPrintable(option), qPrintable(first), "3", qPrintable(second), round ? "" : "3", qPrintable(calculate));
    const QString before = ui::text("Form4", qPrintable(result));
    QVERIFY(!before.isEmpty());
    expectFailure(notices, kind);
    compute(qPrintable(option), qPrintable(first), firstText, qPrintable(second), secondText, qPrintable(calculate));
    QCOMPARE(ui::text("Form4", qPrintable(result)), before);
}

void AreasTest::clears_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("clear");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("other");
    QTest::newRow("Command5") << "Op1"
                              << "Command5"
                              << "tc2"
                              << "tc1";
    QTest::newRow("Command6") << "Op1"
                              << "Command6"
                              << "tc1"
                              << "tc2";
    QTest::newRow("Command7") << "Op11"
                              << "Command7"
                              << "tb2"
                              << "tb1";
    QTest::newRow("Command4") << "Op11"
                              << "Command4"
                              << "tb1"
                              << "tb2";
    QTest::newRow("Comf1") << "Op2"
                           << "Comf1"
                           << "Tf1"
                           << "Tf2";
    QTest::newRow("Comf2") << "Op2"
                           << "Comf2"
                           << "Tf2"
                           << "Tf1";
    QTest::newRow("Coms1") << "Op3"
                           << "Coms1"
                           << "Ts1"
                           << "Ts2";
    QTest::newRow("Coms2") << "Op3"
                           << "Coms2"
                           << "Ts2"
                           << "Ts1";
    QTest::newRow("Com1") << "Op4"
                          << "Com1"
                          << "Tm1"
                          << "Tm2";
    QTest::newRow("Com2") << "Op4"
                          << "Com2"
                          << "Tm2"
                          << "Tm1";
    QTest::newRow("Comt1") << "Op5"
                           << "Comt1"
                           << "tt1"
                           << "tt2";
    QTest::newRow("Comt2") << "Op5"
                           << "Comt2"
                           << "tt2"
                           << "tt1";
    QTest::newRow("Comk1") << "Op6"
                           << "Comk1"
                           << "Tk1"
                           << "Tk2";
}

void AreasTest::clears()
{
    QFETCH(QString, option);
    QFETCH(QString, clear);
    QFETCH(QString, box);
    QFETCH(QString, other);
    QVERIFY(ui::click("Form4", qPrintable(option)));
    ui::type("Form4", qPrintable(box), QStringLiteral("5"));
    auto *otherBox = ui::control<QLineEdit>("Form4", qPrintable(other));
    if (otherBox->isEnabled())
        ui::type(otherBox, QStringLiteral("6"));
    const QString otherText = otherBox->text();
    QVERIFY(ui::click("Form4", qPrintable(clear)));
    QCOMPARE(ui::text("Form4", qPrintable(box)), QString());
    QCOMPARE(otherBox->text(), otherText);
}

void AreasTest::cubeSecondRowIsInert()
{
    QVERIFY(ui::click("Form4", "Op6"));
    QVERIFY(!ui::click("Form4", "Comk2"));
    ui::type("Form4", "Tk2", QStringLiteral("9"));
    QCOMPARE(ui::text("Form4", "Tk2"), NothingHere);
    ui::type("Form4", "Tk1", QStringLiteral("3"));
    QVERIFY(ui::click("Form4", "Comk3"));
    QCOMPARE(ui::text("Form4", "Tk3"), QStringLiteral("54"));
    QCOMPARE(ui::text("Form4", "Tk2"), NothingHere);
}

void AreasTest::switchingKeepsTexts()
{
    compute("Op1", "tc2", "2", "tc1", "", "Comc");
    notices.expect(QStringLiteral("من فضلك .. أدخل عرض المربع أو المستطيل"), 0x80040, Empty);
    compute("Op3", "Ts1", "4", "Ts2", "", "Coms3");
    QVERIFY(ui::click("Form4", "Op1"));
    QCOMPARE(ui::text("Form4", "tc2"), QStringLiteral("2"));
    QCOMPARE(ui::text("Form4", "tc3"), QStringLiteral("12.566368"));
    QVERIFY(ui::click("Form4", "Op3"));
    QCOMPARE(ui::text("Form4", "Ts1"), QStringLiteral("4"));
}

void AreasTest::enterRunsTheChosenFigure()
{
    QVERIFY(ui::click("Form4", "Op1"));
    ui::type("Form4", "tc2", QStringLiteral("2"));
    ui::pressEnter(ui::control("Form4", "tc2"));
    QCOMPARE(ui::text("Form4", "tc3"), QStringLiteral("12.566368"));
    QVERIFY(ui::click("Form4", "Op5"));
    ui::type("Form4", "tt1", QStringLiteral("3"));
    ui::type("Form4", "tt2", QStringLiteral("5"));
    ui::pressEnter(ui::control("Form4", "tt1"));
    QCOMPARE(ui::text("Form4", "tt3"), QStringLiteral("7.5"));
    ui::type("Form4", "tt2", QStringLiteral("7"));
    ui::pressEnter(ui::control("Form4", "Op5"));
    QCOMPARE(ui::text("Form4", "tt3"), QStringLiteral("10.5"));
    QCOMPARE(ui::text("Form4", "tc3"), QStringLiteral("12.566368"));
}

void AreasTest::note()
{
    QVERIFY(ui::click("Form4", "Op2"));
    notices.expect(QStringLiteral("مجموع القاعدتين هو  \r\nطول القاعدة الكبيرة + طول القاعدة الصغيرة\r\n"
                                  "ثم أدخل المجموع في الخانة المخصصة"),
                   0x80040, QStringLiteral("ملاحظة رياضية"));
    QVERIFY(ui::click("Form4", "Comf4"));
}

QTEST_MAIN(AreasTest)
#include "test_areas.moc"
