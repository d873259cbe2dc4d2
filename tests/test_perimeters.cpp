// The perimeters window: four shared rows relabelled per figure, the
// perimeters of the six figures, their notices and the clear buttons.

#include "support/scripted.h"
#include "support/ui.h"

#include "app/window.h"
#include "numtext/notice.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace numtext;

namespace {
const QString Empty = QStringLiteral("فارغ");
const QStringList Boxes{"Te1", "Te2", "Te3", "Te4"};
const QStringList Clears{"Com1", "Com2", "Com3", "Com4"};
const QStringList RowLabels{"Lac1", "Lac2", "Lak1", "Lak2", "Lak3", "Lak4", "Lak5", "Lak6", "Lak7"};
const QStringList Calculates{"Comc", "Comh", "Comb", "Comz", "Comt", "Coms"};
const QStringList Sides{QStringLiteral("من فضلك .. أدخل طول الضلع الأول"),
                        QStringLiteral("من فضلك .. أدخل طول الضلع الثاني"),
                        QStringLiteral("من فضلك .. أدخل طول الضلع الثالث"),
                        QStringLiteral("من فضلك .. أدخل طول الضلع الرابع")};
} // namespace

class PerimetersTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void initialState();
    void figures_data();
    void figures();
    void perimeters_data();
    void perimeters();
    void emptyRows_data();
    void emptyRows();
    void circleWithRadiusAndDiameter();
    void failuresLeaveTheResult_data();
    void failuresLeaveTheResult();
    void clears();
    void disabledRowsKeepTheirTexts();
    void enterRunsTheChosenFigure();

private:
    QWidget *form() const { return ui::window("Form6"); }
    // Chooses a figure, types the rows (an empty list leaves them alone) and
    // presses the figure's calculate button.
    void compute(const QString &option, const QStringList &rows, const QString &calculate)
    {
        QVERIFY(ui::click(ui::control(form(), qPrintable(option))));
        for (int i = 0; i < rows.size(); ++i) {
            auto *box = ui::control<QLineEdit>(form(), qPrintable(Boxes[i]));
            if (box->isEnabled())
                ui::type(box, rows[i]);
            else
                box->setText(rows[i]); // as typed there for an earlier figure
        }
        QVERIFY(ui::click(ui::control(form(), qPrintable(calculate))));
    }
};

void PerimetersTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op4"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(form()->isVisible());
}

void PerimetersTest::initialState()
{
    for (QRadioButton *o : form()->findChildren<QRadioButton *>())
        QVERIFY2(!o->isChecked(), qPrintable(o->objectName()));
    for (const QString &name : Boxes + Clears + RowLabels + Calculates) {
        QWidget *c = ui::control(form(), qPrintable(name));
        QVERIFY2(!c->isVisible(), qPrintable(name));
        QVERIFY2(c->isEnabled(), qPrintable(name));
    }
    for (const char *name : {"Te5", "Label1", "la22", "Label7"})
        QVERIFY2(ui::control("Form6", name)->isVisible(), name);
    QCOMPARE(ui::text("Form6", "Te5"), QString());
    QCOMPARE(ui::text("Form6", "la22"), QString());
    QCOMPARE(ui::text("Form6", "Label1"), QStringLiteral("المحيط يساوي"));
}

void PerimetersTest::figures_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("labels"); // beside rows 1, 2, ... in order
    QTest::addColumn<QString>("calculate");
    QTest::newRow("circle") << "Op1" << QStringLiteral("حساب محيط الدائرة") << QStringList{"Lac1", "Lac2"} << "Comc";
    QTest::newRow("trapezoid") << "Op2" << QStringLiteral("حساب محيط شبه المنحرف")
                               << QStringList{"Lak1", "Lak2", "Lak3", "Lak4"} << "Comh";
    QTest::newRow("square") << "Op3" << QStringLiteral("حساب محيط المربع بطول ضلع واحد منه") << QStringList{"Lak7"}
                            << "Comb";
    QTest::newRow("parallelogram") << "Op4" << QStringLiteral("حساب محيط متوازي الأضلاع")
                                   << QStringList{"Lak1", "Lak2", "Lak3", "Lak4"} << "Comz";
    QTest::newRow("triangle") << "Op5" << QStringLiteral("حساب محيط المثلث") << QStringList{"Lak1", "Lak2", "Lak3"}
                              << "Comt";
    QTest::newRow("rectangle") << "Op6" << QStringLiteral("حساب محيط المستطيل بدلالة الطول والعرض")
                               << QStringList{"Lak5", "Lak6"} << "Coms";
}

void PerimetersTest::figures()
{
    QFETCH(QString, option);
    QFETCH(QString, heading);
    QFETCH(QStringList, labels);
    QFETCH(QString, calculate);
    // From every other figure, so that each choice undoes the one before.
    for (const char *from : {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6"}) {
        QVERIFY(ui::click("Form6", from));
        QVERIFY(ui::click(ui::control(form(), qPrintable(option))));
        QCOMPARE(ui::text("Form6", "la22"), heading);
        QCOMPARE(static_cast<app::Window *>(form())->defaultButton()->objectName(), calculate);
        for (int row = 0; row < 4; ++row) {
            QWidget *box = ui::control(form(), qPrintable(Boxes[row]));
            QWidget *clear = ui::control(form(), qPrintable(Clears[row]));
            QVERIFY(box->isVisible() && clear->isVisible());
            QCOMPARE(box->isEnabled(), row < labels.size());
            QCOMPARE(clear->isEnabled(), row < labels.size());
            if (row < labels.size()) {
                // The label stands beside its own row.
                QWidget *label = ui::control(form(), qPrintable(labels[row]));
                QVERIFY(label->geometry().top() >= box->geometry().top());
                QVERIFY(label->geometry().top() < box->geometry().bottom());
            }
        }
        for (const QString &name : RowLabels)
            QVERIFY2(ui::control(form(), qPrintable(name))->isVisible() == labels.contains(name), qPrintable(name));
        for (const QString &name : Calculates)
            QVERIFY2(ui::control(form(), qPrintable(name))->isVisible() == (name == calculate), qPrintable(name));
    }
}

void PerimetersTest::perimeters_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("perimeter");
    QTest::newRow("circle, radius 1") << "Op1" << QStringList{"1", ""} << "Comc" << "6.283184";
    QTest::newRow("circle, diameter 2") << "Op1" << QStringList{"", "2"} << "Comc" << "6.283184";
    QTest::newRow("circle, both empty") << "Op1" << QStringList{"", ""} << "Comc" << "0";
    QTest::newRow("circle, radius 1abc") << "Op1" << QStringList{"1abc", ""} << "Comc" << "6.283184";
    QTest::newRow("circle, radius of one space") << "Op1" << QStringList{" ", ""} << "Comc" << "0";
    // The radius is used as read; the diameter is rounded to 15 digits first.
    QTest::newRow("circle, radius of 17 digits") << "Op1" << QStringList{"1.0000000000000044", ""} << "Comc"
                                                 << "6.28318400000003";
    QTest::newRow("circle, diameter of 17 digits") << "Op1" << QStringList{"", "2.0000000000000044"} << "Comc"
                                                   << "6.283184";
    QTest::newRow("square, side 5") << "Op3" << QStringList{"5"} << "Comb" << "20";
    QTest::newRow("square, with other rows filled") << "Op3" << QStringList{"5", "7", "8", "9"} << "Comb" << "20";
    QTest::newRow("rectangle, 3 and 4") << "Op6" << QStringList{"3", "4"} << "Coms" << "14";
    // Half the perimeter is rounded to 15 digits before it is doubled.
    QTest::newRow("rectangle, length of 17 digits") << "Op6" << QStringList{"1.0000000000000044", "0"} << "Coms"
                                                    << "2";
    QTest::newRow("triangle, 3, 4 and 5") << "Op5" << QStringList{"3", "4", "5"} << "Comt" << "12";
    QTest::newRow("triangle, 5abc, letters and 2") << "Op5" << QStringList{"5abc", "x", "2"} << "Comt" << "7";
    // The third side is rounded to 15 digits; the first two are not.
    QTest::newRow("triangle, third side of 17 digits")
        << "Op5" << QStringList{"0.000000000000001", "0", "1.0000000000000044"} << "Comt" << "1";
    QTest::newRow("triangle, first side of 17 digits")
        << "Op5" << QStringList{"1.0000000000000044", "0", "0.000000000000001"} << "Comt" << "1.00000000000001";
    QTest::newRow("trapezoid, 1, 2, 3 and 4") << "Op2" << QStringList{"1", "2", "3", "4"} << "Comh" << "10";
    QTest::newRow("trapezoid, third side of 17 digits")
        << "Op2" << QStringList{"0.000000000000001", "0", "1.0000000000000044", "0"} << "Comh" << "1";
    QTest::newRow("parallelogram, 1, 2, 3 and 4") << "Op4" << QStringList{"1", "2", "3", "4"} << "Comz" << "10";
    QTest::newRow("parallelogram, third side of 17 digits")
        << "Op4" << QStringList{"0.000000000000001", "0", "1.0000000000000044", "0"} << "Comz" << "1";
    QTest::newRow("parallelogram, decimals") << "Op4" << QStringList{"0.1", "0.2", "0.3", "0.4"} << "Comz" << "1";
}

void PerimetersTest::perimeters()
{
    QFETCH(QString, option);
    QFETCH(QStringList, rows);
    QFETCH(QString, calculate);
    QFETCH(QString, perimeter);
    compute(option, rows, calculate);
    QCOMPARE(ui::text("Form6", "Te5"), perimeter);
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
    const QString before = ui::text("Form6", "Te5");
    notices.expect(message, 0x80040, Empty);
    compute(option, rows, calculate);
    QCOMPARE(ui::text("Form6", "Te5"), before);
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
    QCOMPARE(ui::text("Form6", "Te5"), QStringLiteral("10"));
}

void PerimetersTest::failuresLeaveTheResult_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("calculate");
    QTest::newRow("circle, radius 1E999") << "Op1" << QStringList{"1E999", ""} << "Comc";
    QTest::newRow("circle, diameter 1E999") << "Op1" << QStringList{"", "1E999"} << "Comc";
    QTest::newRow("circle, radius 3E307") << "Op1" << QStringList{"3E307", ""} << "Comc";
    QTest::newRow("square, side 1E308") << "Op3" << QStringList{"1E308"} << "Comb";
    QTest::newRow("rectangle, 1E308 and 1E308") << "Op6" << QStringList{"1E308", "1E308"} << "Coms";
    QTest::newRow("rectangle, 9E307 and 0") << "Op6" << QStringList{"9E307", "0"} << "Coms";
    QTest::newRow("triangle, 1E308 three times") << "Op5" << QStringList{"1E308", "1E308", "1E308"} << "Comt";
    QTest::newRow("trapezoid, fourth side 1E999") << "Op2" << QStringList{"1", "2", "3", "1E999"} << "Comh";
    // Every row is read before any is tested for emptiness.
    QTest::newRow("parallelogram, empty row 1, row 4 1E999") << "Op4" << QStringList{"", "2", "3", "1E999"}
                                                             << "Comz";
}

void PerimetersTest::failuresLeaveTheResult()
{
    QFETCH(QString, option);
    QFETCH(QStringList, rows);
    QFETCH(QString, calculate);
    compute(option, option == "Op1" ? QStringList{"1", ""} : QStringList{"1", "1", "1", "1"}, calculate);
    const QString before = ui::text("Form6", "Te5");
    QVERIFY(!before.isEmpty());
    expectFailure(notices);
    compute(option, rows, calculate);
    QCOMPARE(ui::text("Form6", "Te5"), before);
}

void PerimetersTest::clears()
{
    QVERIFY(ui::click("Form6", "Op2"));
    for (int row = 0; row < 4; ++row) {
        for (int i = 0; i < 4; ++i)
            ui::type("Form6", qPrintable(Boxes[i]), QString::number(i + 1));
        QVERIFY(ui::click("Form6", qPrintable(Clears[row])));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(ui::text("Form6", qPrintable(Boxes[i])), i == row ? QString() : QString::number(i + 1));
    }
}

void PerimetersTest::disabledRowsKeepTheirTexts()
{
    compute("Op2", {"1", "2", "3", "4"}, "Comh");
    QVERIFY(ui::click("Form6", "Op3"));
    for (int row = 1; row < 4; ++row) {
        auto *box = ui::control<QLineEdit>("Form6", qPrintable(Boxes[row]));
        QVERIFY(box->isVisible() && !box->isEnabled());
        QCOMPARE(box->text(), QString::number(row + 1));
        QVERIFY(!ui::click("Form6", qPrintable(Clears[row])));
    }
    QVERIFY(ui::click("Form6", "Comb"));
    QCOMPARE(ui::text("Form6", "Te5"), QStringLiteral("4"));
    QVERIFY(ui::click("Form6", "Op2"));
    QCOMPARE(ui::text("Form6", "Te4"), QStringLiteral("4"));
}

void PerimetersTest::enterRunsTheChosenFigure()
{
    QVERIFY(ui::click("Form6", "Op3"));
    ui::type("Form6", "Te1", QStringLiteral("5"));
    ui::pressEnter(ui::control("Form6", "Te1"));
    QCOMPARE(ui::text("Form6", "Te5"), QStringLiteral("20"));
    QVERIFY(ui::click("Form6", "Op6"));
    ui::type("Form6", "Te2", QStringLiteral("4"));
    ui::pressEnter(ui::control("Form6", "Te2"));
    QCOMPARE(ui::text("Form6", "Te5"), QStringLiteral("18"));
}

QTEST_MAIN(PerimetersTest)
#include "test_perimeters.moc"
