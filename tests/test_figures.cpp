// The pictures of the pupil's own problem: each kind drawn from a table of
// numbers, the ordinary and the degenerate ones, into an image; the drawn
// lengths keep the ratios of the given ones, the labels stand beside what
// they name, inside the picture and clear of each other, with the true
// numbers; a figure that cannot be to scale says so. Then the steps window's
// part "الشكل", shown after a calculation of a window with figures only.

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "numtext/figure.h"
#include "numtext/notation.h"
#include "typeset/figures.h"

#include <QImage>
#include <QPainter>

#include <cmath>

using numtext::DigitShape;
using numtext::Figure;
using reference::FigureLayout;

Q_DECLARE_METATYPE(numtext::Figure)

namespace {

const QRectF Area(0, 0, 560, 240);

Figure figure(const char *kind, std::initializer_list<std::pair<const char *, double>> values)
{
    Figure f{QString::fromLatin1(kind), {}};
    for (const auto &[name, value] : values)
        f.set(QString::fromLatin1(name), value);
    return f;
}

// The figure painted into a white image; how many of its pixels are not white.
int inkOf(const FigureLayout &layout)
{
    QImage image(Area.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        reference::paintFigure(p, layout);
    }
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return ink;
}

// What every figure keeps to: drawn, its labels inside the area and clear of
// each other and of the caption, each near the point it names.
void checkLabels(const FigureLayout &f)
{
    QVERIFY(!f.isEmpty());
    QVERIFY2(inkOf(f) > 300, "a blank figure");
    QVERIFY(Area.contains(f.shape.adjusted(1, 1, -1, -1)));
    for (qsizetype i = 0; i < f.labels.size(); ++i) {
        const auto &l = f.labels[i];
        QVERIFY2(Area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(l.box), qPrintable(l.name));
        QVERIFY2(!l.box.intersects(f.captionBox), qPrintable(l.name));
        if (l.name != QLatin1String("tick") && l.name != QLatin1String("scale")) {
            // Beside what it names: the nearest point of its box near it.
            const QPointF nearest(std::clamp(l.anchor.x(), l.box.left(), l.box.right()),
                                  std::clamp(l.anchor.y(), l.box.top(), l.box.bottom()));
            QVERIFY2(QLineF(nearest, l.anchor).length() < 60, qPrintable(l.name));
        }
        for (qsizetype j = 0; j < i; ++j)
            QVERIFY2(!l.box.intersects(f.labels[j].box), qPrintable(l.name + u'/' + f.labels[j].name));
    }
}

} // namespace

class FiguresTest : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase() { quietenHeadlessWarnings(); }
    void drawnToScale_data();
    void drawnToScale();
    void parabolaOnItsGrid_data();
    void parabolaOnItsGrid();
    void barsThermometerAndAngle_data();
    void barsThermometerAndAngle();
    void stepsWindowShowsTheFigure_data();
    void stepsWindowShowsTheFigure();
};

void FiguresTest::drawnToScale_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<QString>("first");  // a drawn length
    QTest::addColumn<QString>("second"); // another
    QTest::addColumn<double>("ratio");   // first ÷ second as given; 0 when not to scale
    QTest::addColumn<QString>("label");  // a label's name
    QTest::addColumn<QString>("text");   // and its text, as it reads

    QTest::newRow("rectangle") << figure("rectangle", {{"length", 4}, {"width", 2}}) << "length"
                               << "width" << 2.0 << "length"
                               << "الطول = ٤ وحدة طول";
    QTest::newRow("rectangle tall") << figure("rectangle", {{"length", 1.5}, {"width", 6}}) << "length"
                                    << "width" << 0.25 << "width"
                                    << "العرض = ٦ وحدة طول";
    QTest::newRow("huge square sides") << figure("rectangle", {{"length", 1e200}, {"width", 2e200}}) << "length"
                                       << "width" << 0.5 << "length"
                                       << "الطول = ١ × ١٠^٢٠٠ وحدة طول";
    QTest::newRow("square") << figure("square", {{"side", 3}}) << "side"
                            << "side" << 1.0 << "side"
                            << "الضلع = ٣ وحدة طول";
    QTest::newRow("triangle") << figure("triangle", {{"base", 6}, {"h", 2}}) << "base"
                              << "h" << 3.0 << "h"
                              << "الارتفاع = ٢ وحدة طول";
    QTest::newRow("parallelogram") << figure("parallelogram", {{"base", 5}, {"h", 4}}) << "base"
                                   << "h" << 1.25 << "base"
                                   << "القاعدة = ٥ وحدة طول";
    QTest::newRow("trapezoid") << figure("trapezoid", {{"h", 4}, {"sum", 10}}) << "b1"
                               << "h" << 1.5 << "sum"
                               << "مجموع القاعدتين = ١٠ وحدة طول";
    QTest::newRow("circle by its radius") << figure("circle", {{"r", 3}}) << "r"
                                          << "r" << 1.0 << "r"
                                          << "نق = ٣ وحدة طول";
    QTest::newRow("circle by its diameter") << figure("circle", {{"d", 2.5}}) << "d"
                                            << "d" << 1.0 << "d"
                                            << "ق = ٢٫٥ وحدة طول";
    QTest::newRow("cuboid") << figure("cuboid", {{"length", 6}, {"width", 2}, {"h", 3}}) << "length"
                            << "h" << 2.0 << "width"
                            << "العرض = ٢ وحدة طول";
    QTest::newRow("cube") << figure("cube", {{"edge", 7}}) << "edge"
                          << "edgeUp" << 1.0 << "edge"
                          << "الحرف = ٧ وحدة طول";
    QTest::newRow("cylinder") << figure("cylinder", {{"r", 1}, {"h", 4}}) << "r"
                              << "h" << 0.25 << "h"
                              << "الارتفاع = ٤ وحدة طول";
    QTest::newRow("cone by its diameter") << figure("cone", {{"d", 6}, {"h", 4}}) << "d"
                                          << "h" << 1.5 << "d"
                                          << "ق = ٦ وحدة طول";
    QTest::newRow("sphere") << figure("sphere", {{"r", 0.5}}) << "r"
                            << "r" << 1.0 << "r"
                            << "نق = ٠٫٥ وحدة طول";
    QTest::newRow("triangle of sides") << figure("sides", {{"s1", 3}, {"s2", 4}, {"s3", 5}}) << "s1"
                                       << "s3" << 0.6 << "s2"
                                       << "الضلع ٢ = ٤ وحدة طول";
    QTest::newRow("four sides") << figure("sides", {{"s1", 4}, {"s2", 3}, {"s3", 2}, {"s4", 3.5}}) << "s1"
                                << "s3" << 2.0 << "s4"
                                << "الضلع ٤ = ٣٫٥ وحدة طول";

    // Not to scale, with the true numbers.
    QTest::newRow("zero side") << figure("rectangle", {{"length", 0}, {"width", 3}}) << ""
                               << "" << 0.0 << "length"
                               << "الطول = ٠ وحدة طول";
    QTest::newRow("1E+200 beside 1") << figure("rectangle", {{"length", 1e200}, {"width", 1}}) << ""
                                     << "" << 0.0 << "width"
                                     << "العرض = ١ وحدة طول";
    QTest::newRow("very flat trapezoid") << figure("trapezoid", {{"h", 0.001}, {"sum", 100}}) << ""
                                         << "" << 0.0 << "h"
                                         << "الارتفاع = ٠٫٠٠١ وحدة طول";
    QTest::newRow("negative length") << figure("parallelogram", {{"base", -3}, {"h", 2}}) << ""
                                     << "" << 0.0 << "base"
                                     << "القاعدة = −٣ وحدة طول";
    QTest::newRow("zero radius") << figure("circle", {{"r", 0}}) << ""
                                 << "" << 0.0 << "r"
                                 << "نق = ٠ وحدة طول";
    QTest::newRow("endless height") << figure("cylinder", {{"r", 2}, {"h", INFINITY}}) << ""
                                    << "" << 0.0 << "r"
                                    << "نق = ٢ وحدة طول";
    QTest::newRow("sides that close nothing") << figure("sides", {{"s1", 1}, {"s2", 1}, {"s3", 5}}) << ""
                                              << "" << 0.0 << "s3"
                                              << "الضلع ٣ = ٥ وحدة طول";
    QTest::newRow("four sides that close nothing")
        << figure("sides", {{"s1", 10}, {"s2", 1}, {"s3", 1}, {"s4", 1}}) << ""
        << "" << 0.0 << "s1"
        << "الضلع ١ = ١٠ وحدة طول";
}

void FiguresTest::drawnToScale()
{
    QFETCH(Figure, figure);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, ratio);
    QFETCH(QString, label);
    QFETCH(QString, text);
    const FigureLayout f = reference::layOutFigure(Area, figure, DigitShape::ArabicIndic);
    checkLabels(f);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(f.label(label));
    QCOMPARE(f.label(label)->text, numtext::shapeDigits(text, DigitShape::ArabicIndic));
    QCOMPARE(f.toScale, ratio != 0);
    QCOMPARE(f.caption.contains(reference::notToScaleText()), ratio == 0);
    QVERIFY(f.captionBox.isEmpty() == f.caption.isEmpty());
    if (ratio == 0)
        return;
    QVERIFY(f.segments.contains(first) && f.segments.contains(second));
    const qreal a = f.segments[first].length(), b = f.segments[second].length();
    // Within a pixel of the longer one.
    QVERIFY2(std::fabs(a - ratio * b) <= std::max(1.0, ratio), qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
    // Drawn big enough to read.
    QVERIFY(std::max(f.shape.width(), f.shape.height()) > 100);
}

void FiguresTest::parabolaOnItsGrid_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<bool>("roots");
    QTest::addColumn<bool>("toScale");
    QTest::newRow("two roots") << 1.0 << -3.0 << 2.0 << true << true;
    QTest::newRow("opening down") << -2.0 << 0.0 << 8.0 << true << true;
    QTest::newRow("double root") << 1.0 << 4.0 << 4.0 << true << true;
    QTest::newRow("roots far from 0") << 1.0 << -2001.0 << 1001000.0 << true << true;
    QTest::newRow("no real root") << 1.0 << 0.0 << 1.0 << false << true;
    QTest::newRow("no real root, far up") << 3.0 << -6.0 << 500.0 << false << true;
    QTest::newRow("too flat to plot") << 1e-300 << 1.0 << 1.0 << true << false;
}

void FiguresTest::parabolaOnItsGrid()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(bool, roots);
    QFETCH(bool, toScale);
    Figure p = figure("parabola", {{"a", a}, {"b", b}, {"c", c}});
    const double d = b * b - 4 * a * c;
    double x1 = 0, x2 = 0;
    if (roots) {
        x1 = std::min((-b - std::sqrt(d)) / (2 * a), (-b + std::sqrt(d)) / (2 * a));
        x2 = std::max((-b - std::sqrt(d)) / (2 * a), (-b + std::sqrt(d)) / (2 * a));
        p.set(QStringLiteral("x1"), x1).set(QStringLiteral("x2"), x2);
    }
    const FigureLayout f = reference::layOutFigure(Area, p, DigitShape::Western);
    checkLabels(f);
    QCOMPARE(f.toScale, toScale);
    QCOMPARE(f.points.contains(QStringLiteral("x1")), roots);
    QCOMPARE(f.caption.contains(QStringLiteral("لا جذور حقيقية")), !roots);
    QVERIFY(f.label(QStringLiteral("vertex")));
    if (!toScale)
        return;
    const double xv = -b / (2 * a), yv = a * xv * xv + b * xv + c;
    const auto near = [](QPointF p1, QPointF p2) { return QLineF(p1, p2).length() < 0.5; };
    QVERIFY(near(f.points[QStringLiteral("vertex")], f.plot.map(QPointF(xv, yv))));
    QVERIFY(f.shape.contains(f.points[QStringLiteral("vertex")]));
    QVERIFY(f.label(QStringLiteral("vertex"))->text.contains(numtext::written(xv)));
    if (!roots)
        return;
    QVERIFY(near(f.points[QStringLiteral("x1")], f.plot.map(QPointF(x1, 0))));
    QVERIFY(near(f.points[QStringLiteral("x2")], f.plot.map(QPointF(x2, 0))));
    // On the grid's x axis, the smaller root at the left, the vertex between
    // them and on the axis of symmetry.
    QCOMPARE(f.points[QStringLiteral("x1")].y(), f.plot.map(QPointF(0, 0)).y());
    QVERIFY(f.points[QStringLiteral("x1")].x() <= f.points[QStringLiteral("x2")].x());
    const qreal middle = (f.points[QStringLiteral("x1")].x() + f.points[QStringLiteral("x2")].x()) / 2;
    QVERIFY(std::fabs(f.points[QStringLiteral("vertex")].x() - middle) < 0.5);
    QVERIFY(
        f.label(QStringLiteral("x1"))->text.contains(numtext::shapeDigits(numtext::written(x1), DigitShape::Western)));
}

void FiguresTest::barsThermometerAndAngle_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<double>("ratio"); // 0: not checked
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("toScale");
    QTest::newRow("quarter and half")
        << figure("fractions", {{"a", 1}, {"b", 4}, {"c", 1}, {"d", 2}, {"sign", 1}, {"n", 6}, {"m", 8}}) << "second"
        << "first" << 2.0 << "result"
        << "= ٦/٨" << true;
    QTest::newRow("more than a whole, taken away")
        << figure("fractions", {{"a", 7}, {"b", 3}, {"c", 5}, {"d", 6}, {"sign", -1}, {"n", 27}, {"m", 18}}) << "first"
        << "second" << 1.0 / (5.0 / 6) << "second"
        << "− ٥/٦" << true;
    QTest::newRow("huge numerator")
        << figure("fractions", {{"a", 1e200}, {"b", 7}, {"c", 1}, {"d", 7}, {"sign", 1}, {"n", 1e200}, {"m", 7}}) << ""
        << "" << 0.0 << "first"
        << "١ × ١٠^٢٠٠/٧" << false;
    QTest::newRow("Celsius to Fahrenheit") << figure("temperature", {{"C", 25}, {"F", 77}}) << ""
                                           << "" << 0.0 << "F"
                                           << "٧٧ °ف" << true;
    QTest::newRow("Kelvin through Celsius") << figure("temperature", {{"K", 0}, {"F", -459.4}, {"C", -273}}) << ""
                                            << "" << 0.0 << "K"
                                            << "٠ ك" << true;
    QTest::newRow("hot as 1E+200") << figure("temperature", {{"C", 1e200}, {"K", 1e200}}) << ""
                                   << "" << 0.0 << "C"
                                   << "١ × ١٠^٢٠٠ °م" << true;
    QTest::newRow("angle of 30") << figure("angle", {{"degrees", 30}}) << "cos"
                                 << "sin" << std::sqrt(3.0) << "sin"
                                 << "جا ≈ ٠٫٥" << true;
    QTest::newRow("angle of 135") << figure("angle", {{"degrees", 135}}) << "cos"
                                  << "sin" << 1.0 << "cos"
                                  << "جتا ≈ −٠٫٧٠٧١" << true;
    QTest::newRow("angle past a turn") << figure("angle", {{"degrees", -400}}) << ""
                                       << "" << 0.0 << "angle"
                                       << "−٤٠٠°" << true;
}

void FiguresTest::barsThermometerAndAngle()
{
    QFETCH(Figure, figure);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, ratio);
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(bool, toScale);
    const FigureLayout f = reference::layOutFigure(Area, figure, DigitShape::ArabicIndic);
    checkLabels(f);
    QVERIFY(f.label(label));
    QCOMPARE(f.label(label)->text, numtext::shapeDigits(text, DigitShape::ArabicIndic));
    QCOMPARE(f.toScale, toScale);
    QCOMPARE(f.caption.contains(reference::notToScaleText()), !toScale);
    if (ratio == 0)
        return;
    const qreal a = f.segments[first].length(), b = f.segments[second].length();
    QVERIFY2(std::fabs(a - ratio * b) <= 1.0, qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
}

void FiguresTest::stepsWindowShowsTheFigure_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QStringList>("worked");
    QTest::addColumn<QString>("description"); // in the figure's description; empty: no figure
    QTest::newRow("areas circle") << "Form4"
                                  << "Op2" << QStringList{"Op1", "tc2=3", "Comc"} << "نق = ٣ وحدة طول";
    QTest::newRow("perimeters three sides")
        << "Form6"
        << "Op4" << QStringList{"Op5", "Te1=3", "Te2=4", "Te3=5", "Comt"} << "الشكل: ";
    QTest::newRow("equation") << "Form16"
                              << "Op9" << QStringList{"Te1=1", "Te2=-3", "Te3=2", "Command4"} << "س = ١";
    QTest::newRow("number operations") << "Form8"
                                       << "Op6" << QStringList{"Op4", "Te1=91", "Comwl"} << "";
}

void FiguresTest::stepsWindowShowsTheFigure()
{
    QFETCH(QString, form);
    QFETCH(QString, menuOption);
    QFETCH(QStringList, worked);
    QFETCH(QString, description);
    numtext::setDigitShape(DigitShape::ArabicIndic);
    QVERIFY(ui::click("Form1", qPrintable(menuOption)) && ui::click("Form1", "Command1"));
    QWidget *window = ui::window(qPrintable(form));
    QVERIFY(window && window->isVisible());
    QVERIFY(ui::act(qPrintable(form), worked));
    app::StepsSource *steps = app::stepsOf(window);
    QVERIFY(steps);
    // Nothing of the figure is drawn before the steps window opens.
    QVERIFY(!steps->stepsWindow());
    steps->open();
    reference::StepsWindow *shown = steps->stepsWindow();
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->figurePart()->isVisible(), !description.isEmpty());
    if (description.isEmpty())
        return;
    QVERIFY(shown->figurePart()->geometry().bottom() < shown->findChild<QWidget *>(QStringLiteral("StepsArea"))->y());
    QVERIFY2(shown->figureView()->accessibleDescription().contains(description),
             qPrintable(shown->figureView()->accessibleDescription()));
    const FigureLayout &drawn = shown->figureView()->figureLayout();
    QVERIFY(!drawn.isEmpty());
    QVERIFY(QRectF(shown->figureView()->rect()).contains(drawn.shape));
}

QTEST_MAIN(FiguresTest)
#include "test_figures.moc"
