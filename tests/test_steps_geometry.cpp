// Worked steps of the areas, perimeters and volumes windows: the lines of
// each figure as its window computes it (rounded operands shown where the
// rounding changes them, a failure ending the steps with its text) and the
// digit shapes of the steps window. How the steps open, refuse and close is
// test_stepsdoor's; that every calculate button's steps end with its result
// box is test_wiring's.

#include "support/linecheck.h"
#include "support/scripted.h"
#include "support/sharedrows.h"
#include "support/stepstext.h"
#include "support/ui.h"

#include "kit/notice.h"
#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "numtext/digits.h"

#include <QLineEdit>

#include <map>

using numtext::DigitShape;
using numtext::Failure;
using numtext::Steps;

using namespace stepstext;

namespace {
constexpr int NoFailure = -1;
const QString Rounded = QStringLiteral(" (مقربا إلى 15 رقما)");

// The areas window's panels: the input boxes in row order and the result box.
struct Panel {
    QStringList boxes;
    const char *result;
};
const std::map<QString, Panel> AreaPanels{
    {"Op1", {{"tc2", "tc1"}, "tc3"}}, {"Op11", {{"tb2", "tb1"}, "tb3"}}, {"Op2", {{"Tf1", "Tf2"}, "Tf3"}},
    {"Op3", {{"Ts1", "Ts2"}, "Ts3"}}, {"Op4", {{"Tm1", "Tm2"}, "Tm3"}},  {"Op5", {{"tt1", "tt2"}, "tt3"}},
    {"Op6", {{"Tk1"}, "Tk3"}},
};

// Each section window as the main menu opens it, and how a calculation is
// typed into it.
struct Section {
    const char *form;
    const char *menuOption;
};
const Section Areas{"Form4", "Op2"}, Perimeters{"Form6", "Op4"}, Volumes{"Form9", "Op7"};

} // namespace

class GeometryStepsTest : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase() { quietenHeadlessWarnings(); }
    void cleanup()
    {
        numtext::setDigitShape(DigitShape::ArabicIndic);
        WindowTest::cleanup();
    }

    void areas_data();
    void areas();
    void perimeters_data();
    void perimeters();
    void volumes_data();
    void volumes();
    void digitShapes_data();
    void digitShapes();

private:
    QWidget *open(const Section &section)
    {
        if (!ui::window(section.form) || !ui::window(section.form)->isVisible()) {
            ui::click("Form1", section.menuOption);
            ui::click("Form1", "Command1");
        }
        return ui::window(section.form);
    }
    static const Section &sectionOf(const QString &form)
    {
        return form == "Form4" ? Areas : form == "Form6" ? Perimeters : Volumes;
    }
    // Chooses the figure, types the texts into its boxes and presses its
    // calculate button; answers the result box.
    QLineEdit *work(const QString &form, const QString &option, const QStringList &texts, const QString &calculate)
    {
        QWidget *w = open(sectionOf(form));
        if (form != "Form4") {
            if (!sharedrows::compute(w, option, texts, calculate))
                QTest::qFail(qPrintable("could not calculate with " + option), __FILE__, __LINE__);
            return ui::control<QLineEdit>(w, "Te5");
        }
        const Panel &panel = AreaPanels.at(option);
        ui::click(ui::control(w, qPrintable(option)));
        for (int i = 0; i < texts.size(); ++i)
            ui::type(ui::control<QLineEdit>(w, qPrintable(panel.boxes[i])), texts[i]);
        ui::click(ui::control(w, qPrintable(calculate)));
        return ui::control<QLineEdit>(w, panel.result);
    }
    const Steps &last(const QString &form) const { return app::stepsOf(ui::window(qPrintable(form)))->last(); }

    void table();
    void checkLines(const QString &form);
};

void GeometryStepsTest::table()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("failure");
}

// Works the calculation of the row; its steps are the row's lines, ended by
// the failure's text when it fails (with its notice).
void GeometryStepsTest::checkLines(const QString &form)
{
    QFETCH(QString, option);
    QFETCH(QStringList, texts);
    QFETCH(QString, calculate);
    QFETCH(QStringList, lines);
    QFETCH(int, failure);
    if (failure != NoFailure)
        expectFailure(notices, Failure(failure));
    QLineEdit *result = work(form, option, texts, calculate);
    const Steps &s = last(form);
    QCOMPARE(s.lines(), lines);
    // Every "=" and "≈" holds; the geometry windows take π as 3.141592.
    const linecheck::Report report = linecheck::check(s, {{QStringLiteral("ط"), 3.141592}});
    QVERIFY2(report.ok(), qPrintable(report.text()));
    if (failure == NoFailure) {
        QVERIFY(!s.failed());
        QCOMPARE(s.results().last(), result->text());
    } else {
        QCOMPARE(s.failure(), numtext::failureText(Failure(failure)));
    }
}

void GeometryStepsTest::areas_data()
{
    table();
    const QString circle = "[blue:المساحة] = [red:ط] × [green:نق]^{2}";
    const QString sphere = "[blue:المساحة] = 4 × [red:ط] × [green:نق]^{2}";
    QTest::newRow("circle, radius 2") << "Op1" << QStringList{"2", ""} << "Comc"
                                      << QStringList{circle, "= 3.141592 × 2^{2}", "= 3.141592 × 4",
                                                     "= 12.566368 وحدة مربعة"}
                                      << NoFailure;
    QTest::newRow("circle, diameter 4")
        << "Op1" << QStringList{"", "4"} << "Comc"
        << QStringList{"[green:نق] = ق ÷ 2",    "= 4 ÷ 2", "= 2", circle, "= 3.141592 × 2^{2}", "= 3.141592 × 4",
                       "= 12.566368 وحدة مربعة"}
        << NoFailure;
    QTest::newRow("circle, both empty") << "Op1" << QStringList{"", ""} << "Comc"
                                        << QStringList{"لم يكتب نصف القطر ولا القطر، فيؤخذ القطر 0",
                                                       "[green:نق] = ق ÷ 2",
                                                       "= 0 ÷ 2",
                                                       "= 0",
                                                       circle,
                                                       "= 3.141592 × 0^{2}",
                                                       "= 3.141592 × 0",
                                                       "= 0 وحدة مربعة"}
                                        << NoFailure;
    QTest::newRow("circle, radius of 17 digits")
        << "Op1" << QStringList{"1.0000000000000016", ""} << "Comc"
        << QStringList{"[green:نق] = 1.0000000000000016 ≈ 1" + Rounded, circle, "= 3.141592 × 1^{2}", "= 3.141592 × 1",
                       "= 3.141592 وحدة مربعة"}
        << NoFailure;
    QTest::newRow("circle, overflow") << "Op1" << QStringList{"1E200", ""} << "Comc"
                                      << QStringList{circle, "= 3.141592 × (1 × 10^{200})^{2}"}
                                      << int(Failure::Overflow);
    QTest::newRow("sphere, diameter 6") << "Op11" << QStringList{"", "6"} << "Comb"
                                        << QStringList{"[green:نق] = ق ÷ 2",
                                                       "= 6 ÷ 2",
                                                       "= 3",
                                                       sphere,
                                                       "= 4 × 3.141592 × 3^{2}",
                                                       "= 4 × 3.141592 × 9",
                                                       "= 3.141592 × 36",
                                                       "= 113.097312 وحدة مربعة"}
                                        << NoFailure;
    QTest::newRow("trapezoid, 4 and 10") << "Op2" << QStringList{"4", "10"} << "Comf3"
                                         << QStringList{"[blue:المساحة] = \\frac{الارتفاع × مجموع القاعدتين}{2}",
                                                        "= \\frac{4 × 10}{2}", "= \\frac{40}{2}", "= 20 وحدة مربعة"}
                                         << NoFailure;
    QTest::newRow("rectangle, a space and 5")
        << "Op3" << QStringList{" ", "5"} << "Coms3"
        << QStringList{"الطول: يؤخذ العدد الذي في أول المكتوب، وهنا 0", "[blue:المساحة] = الطول × العرض", "= 0 × 5",
                       "= 0 وحدة مربعة"}
        << NoFailure;
    QTest::newRow("parallelogram, width of 17 digits")
        << "Op4" << QStringList{"2", "0.30000000000000004"} << "Com3"
        << QStringList{"الارتفاع = 0.30000000000000004 ≈ 0.3" + Rounded, "[blue:المساحة] = القاعدة × الارتفاع",
                       "= 2 × 0.3", "= 0.6 وحدة مربعة"}
        << NoFailure;
    QTest::newRow("triangle, 3 and 5") << "Op5" << QStringList{"3", "5"} << "Comt3"
                                       << QStringList{"[blue:المساحة] = \\frac{القاعدة × الارتفاع}{2}",
                                                      "= \\frac{3 × 5}{2}", "= \\frac{15}{2}", "= 7.5 وحدة مربعة"}
                                       << NoFailure;
    QTest::newRow("cube, edge 2") << "Op6" << QStringList{"2"} << "Comk3"
                                  << QStringList{"[blue:المساحة] = (طول الحرف)^{2} × 6", "= 2^{2} × 6", "= 4 × 6",
                                                 "= 24 وحدة مربعة"}
                                  << NoFailure;
    QTest::newRow("cube, edge beyond a double")
        << "Op6" << QStringList{"1E999"} << "Comk3" << QStringList{} << int(Failure::Overflow);
}

void GeometryStepsTest::areas() { checkLines("Form4"); }

void GeometryStepsTest::perimeters_data()
{
    table();
    const QString circle = "[blue:المحيط] = 2 × [red:ط] × [green:نق]";
    const QString Length = " وحدة طول";
    QTest::newRow("circle, radius 1") << "Op1" << QStringList{"1", ""} << "Comc"
                                      << QStringList{circle, "= 2 × 3.141592 × 1", "= 6.283184 × 1",
                                                     "= 6.283184" + Length}
                                      << NoFailure;
    // The radius is used as typed, every digit; the diameter is rounded to
    // 15 digits.
    QTest::newRow("circle, radius of 17 digits")
        << "Op1" << QStringList{"1.0000000000000016", ""} << "Comc"
        << QStringList{circle, "= 2 × 3.141592 × 1.0000000000000016", "= 6.283184 × 1.0000000000000016",
                       "= 6.28318400000001" + Length}
        << NoFailure;
    QTest::newRow("circle, diameter of 17 digits") << "Op1" << QStringList{"", "2.0000000000000031"} << "Comc"
                                                   << QStringList{"ق = 2.0000000000000031 ≈ 2" + Rounded,
                                                                  "[green:نق] = ق ÷ 2",
                                                                  "= 2 ÷ 2",
                                                                  "= 1",
                                                                  circle,
                                                                  "= 2 × 3.141592 × 1",
                                                                  "= 6.283184 × 1",
                                                                  "= 6.283184" + Length}
                                                   << NoFailure;
    QTest::newRow("circle, both empty") << "Op1" << QStringList{"", ""} << "Comc"
                                        << QStringList{"لم يكتب نصف القطر ولا القطر، فيؤخذ القطر 0",
                                                       "[green:نق] = ق ÷ 2",
                                                       "= 0 ÷ 2",
                                                       "= 0",
                                                       circle,
                                                       "= 2 × 3.141592 × 0",
                                                       "= 6.283184 × 0",
                                                       "= 0" + Length}
                                        << NoFailure;
    QTest::newRow("square, side 5") << "Op3" << QStringList{"5"} << "Comb"
                                    << QStringList{"[blue:المحيط] = 4 × طول الضلع", "= 4 × 5", "= 20" + Length}
                                    << NoFailure;
    QTest::newRow("rectangle, 3 and 4") << "Op6" << QStringList{"3", "4"} << "Coms"
                                        << QStringList{"[blue:المحيط] = 2 × (الطول + العرض)", "= 2 × (3 + 4)",
                                                       "= 2 × 7", "= 14" + Length}
                                        << NoFailure;
    QTest::newRow("rectangle, half rounded")
        << "Op6" << QStringList{"0.1", "0.2"} << "Coms"
        << QStringList{"[blue:المحيط] = 2 × (الطول + العرض)", "= 2 × (0.1 + 0.2)", "≈ 2 × 0.3", "= 0.6" + Length}
        << NoFailure;
    QTest::newRow("triangle, 3, 4 and 5")
        << "Op5" << QStringList{"3", "4", "5"} << "Comt"
        << QStringList{"[blue:المحيط] = الضلع 1 + الضلع 2 + الضلع 3", "= 3 + 4 + 5", "= 7 + 5", "= 12" + Length}
        << NoFailure;
    QTest::newRow("trapezoid, third side of 17 digits")
        << "Op2" << QStringList{"1", "2", "3.0000000000000027", "4"} << "Comh"
        << QStringList{"الضلع 3 = 3.0000000000000027 ≈ 3" + Rounded,
                       "[blue:المحيط] = الضلع 1 + الضلع 2 + الضلع 3 + الضلع 4",
                       "= 1 + 2 + 3 + 4",
                       "= 3 + 3 + 4",
                       "= 6 + 4",
                       "= 10" + Length}
        << NoFailure;
    QTest::newRow("parallelogram, overflow") << "Op4" << QStringList{"1E308", "1E308", "1", "1"} << "Comz"
                                             << QStringList{"[blue:المحيط] = الضلع 1 + الضلع 2 + الضلع 3 + الضلع 4",
                                                            "= (1 × 10^{308}) + (1 × 10^{308}) + 1 + 1"}
                                             << int(Failure::Overflow);
}

void GeometryStepsTest::perimeters() { checkLines("Form6"); }

void GeometryStepsTest::volumes_data()
{
    table();
    const QString sphere = "[blue:الحجم] = \\frac{4}{3} × [red:ط] × [green:نق]^{3}";
    const QString cylinder = "[blue:الحجم] = [red:ط] × [green:نق]^{2} × الارتفاع";
    const QString Volume = " وحدة مكعبة";
    QTest::newRow("cube, edge 3") << "Op1" << QStringList{"3"} << "Comk"
                                  << QStringList{"[blue:الحجم] = (طول الحرف)^{3}", "= 3^{3}", "= 3 × 3 × 3", "= 9 × 3",
                                                 "= 27" + Volume}
                                  << NoFailure;
    QTest::newRow("cuboid, 2, 3 and 4") << "Op3" << QStringList{"2", "3", "4"} << "Coms"
                                        << QStringList{"[blue:الحجم] = (طول القاعدة × عرض القاعدة) × الارتفاع",
                                                       "= (2 × 3) × 4", "= 6 × 4", "= 24" + Volume}
                                        << NoFailure;
    QTest::newRow("sphere, radius 2") << "Op2" << QStringList{"2", ""} << "Comr"
                                      << QStringList{sphere,
                                                     "= \\frac{4}{3} × 3.141592 × 2^{3}",
                                                     "= \\frac{4}{3} × 3.141592 × 8",
                                                     "= \\frac{25.132736 × 4}{3}",
                                                     "= \\frac{100.530944}{3}",
                                                     "≈ 33.5103146666667" + Volume}
                                      << NoFailure;
    // From the radius the cube of the radius is rounded to 15 digits; the
    // radius itself is taken with every digit typed.
    QTest::newRow("sphere, radius of 17 digits") << "Op2" << QStringList{"1.0000000000000016", ""} << "Comr"
                                                 << QStringList{sphere,
                                                                "= \\frac{4}{3} × 3.141592 × 1.0000000000000016^{3}",
                                                                "≈ \\frac{4}{3} × 3.141592 × 1",
                                                                "= \\frac{3.141592 × 4}{3}",
                                                                "= \\frac{12.566368}{3}",
                                                                "≈ 4.18878933333333" + Volume}
                                                 << NoFailure;
    QTest::newRow("sphere, diameter 2") << "Op2" << QStringList{"", "2"} << "Comr"
                                        << QStringList{"[green:نق] = ق ÷ 2",
                                                       "= 2 ÷ 2",
                                                       "= 1",
                                                       sphere,
                                                       "= \\frac{4}{3} × 3.141592 × 1^{3}",
                                                       "= \\frac{4}{3} × 3.141592 × 1",
                                                       "= \\frac{3.141592 × 4}{3}",
                                                       "= \\frac{12.566368}{3}",
                                                       "≈ 4.18878933333333" + Volume}
                                        << NoFailure;
    QTest::newRow("sphere, overflow") << "Op2" << QStringList{"1E200", ""} << "Comr"
                                      << QStringList{sphere, "= \\frac{4}{3} × 3.141592 × (1 × 10^{200})^{3}"}
                                      << int(Failure::Overflow);
    QTest::newRow("cylinder, radius 1, height 2")
        << "Op4" << QStringList{"1", "", "2"} << "Comn"
        << QStringList{cylinder, "= 3.141592 × 1^{2} × 2", "= 3.141592 × 1 × 2", "= 3.141592 × 2",
                       "= 6.283184" + Volume}
        << NoFailure;
    QTest::newRow("cylinder, empty height")
        << "Op4" << QStringList{"1", "", ""} << "Comn"
        << QStringList{"لم يكتب الارتفاع، فيؤخذ 0", cylinder,         "= 3.141592 × 1^{2} × 0",
                       "= 3.141592 × 1 × 0",        "= 3.141592 × 0", "= 0" + Volume}
        << NoFailure;
    QTest::newRow("cone, diameter 6, height of 17 digits")
        << "Op5" << QStringList{"", "6", "1.0000000000000049"} << "Comd"
        << QStringList{"[green:نق] = ق ÷ 2",
                       "= 6 ÷ 2",
                       "= 3",
                       "الارتفاع = 1.0000000000000049 ≈ 1" + Rounded,
                       "[blue:الحجم] = \\frac{[red:ط] × [green:نق]^{2} × الارتفاع}{3}",
                       "= \\frac{3.141592 × 3^{2} × 1}{3}",
                       "= \\frac{3.141592 × 9 × 1}{3}",
                       "= \\frac{28.274328 × 1}{3}",
                       "= \\frac{28.274328}{3}",
                       "= 9.424776" + Volume}
        << NoFailure;
}

void GeometryStepsTest::volumes() { checkLines("Form9"); }

// The steps window shows the lines with the digits chosen in it.
void GeometryStepsTest::digitShapes_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<DigitShape>("shape");
    QTest::addColumn<QStringList>("text");
    const auto A = DigitShape::ArabicIndic, W = DigitShape::Western;
    QTest::newRow("areas, circle from the diameter, ١٢٣")
        << "Form4"
        << "Op1" << QStringList{"", "4"} << "Comc" << A << QStringList{"نق = ق ÷ ٢",
                                                                       "= ٤ ÷ ٢",
                                                                       "= ٢",
                                                                       "المساحة = ط × نق²",
                                                                       "= ٣٫١٤١٥٩٢ × ٢²",
                                                                       "= ٣٫١٤١٥٩٢ × ٤",
                                                                       "= ١٢٫٥٦٦٣٦٨ وحدة مربعة"};
    QTest::newRow("areas, circle from the diameter, 123")
        << "Form4"
        << "Op1" << QStringList{"", "4"} << "Comc" << W << QStringList{"نق = ق ÷ 2",
                                                                       "= 4 ÷ 2",
                                                                       "= 2",
                                                                       "المساحة = ط × نق²",
                                                                       "= 3.141592 × 2²",
                                                                       "= 3.141592 × 4",
                                                                       "= 12.566368 وحدة مربعة"};
    QTest::newRow("perimeters, rectangle, ١٢٣")
        << "Form6"
        << "Op6" << QStringList{"2.5", "4"} << "Coms" << A
        << QStringList{"المحيط = ٢ × (الطول + العرض)", "= ٢ × (٢٫٥ + ٤)", "= ٢ × ٦٫٥", "= ١٣ وحدة طول"};
    QTest::newRow("volumes, sphere, 123")
        << "Form9"
        << "Op2" << QStringList{"1", ""} << "Comr" << W
        << QStringList{"الحجم = 4 ÷ 3 × ط × نق³", "= 4 ÷ 3 × 3.141592 × 1³", "= 4 ÷ 3 × 3.141592 × 1",
                       "= (3.141592 × 4) ÷ 3",    "= 12.566368 ÷ 3",         "≈ 4.18878933333333 وحدة مكعبة"};
    QTest::newRow("volumes, cone, ١٢٣") << "Form9"
                                        << "Op5" << QStringList{"3", "", "1"} << "Comd" << A
                                        << QStringList{"الحجم = (ط × نق² × الارتفاع) ÷ ٣",
                                                       "= (٣٫١٤١٥٩٢ × ٣² × ١) ÷ ٣",
                                                       "= (٣٫١٤١٥٩٢ × ٩ × ١) ÷ ٣",
                                                       "= (٢٨٫٢٧٤٣٢٨ × ١) ÷ ٣",
                                                       "= ٢٨٫٢٧٤٣٢٨ ÷ ٣",
                                                       "= ٩٫٤٢٤٧٧٦ وحدة مكعبة"};
}

void GeometryStepsTest::digitShapes()
{
    QFETCH(QString, form);
    QFETCH(QString, option);
    QFETCH(QStringList, texts);
    QFETCH(QString, calculate);
    QFETCH(DigitShape, shape);
    QFETCH(QStringList, text);
    numtext::setDigitShape(shape);
    work(form, option, texts, calculate);
    QWidget *w = ui::window(qPrintable(form));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_F2);
    reference::StepsWindow *steps = app::stepsOf(w)->stepsWindow();
    QVERIFY(steps && steps->isVisible());
    QStringList marked;
    for (const QString &line : text)
        marked << QStringLiteral("\u200F") + line;
    QCOMPARE(stepstext::withoutIsolates(steps->view()->plainText()), marked.join(u'\n'));
}

QTEST_MAIN(GeometryStepsTest)
#include "test_steps_geometry.moc"
