// The geometry formulas without their windows: the worked steps of the
// areas, perimeters and volumes as the windows compute them (intermediate
// values in fifteen digits with ≈ where they are rounded, how a length was
// read said before the formula, the unit on every result), and the result
// as the result box shows it.

#include "support/linecheck.h"
#include "support/stepstext.h"

#include "geometry/formulas.h"
#include "kit/stepswindow.h"
#include "numtext/numtext.h"

#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <map>

using numtext::DigitShape;
using numtext::Steps;
using numtext::Unit;

namespace {

using Formula = std::function<double(const QStringList &, Steps &)>;

// The geometry windows take π as 3.141592.
const linecheck::Names WindowPi{{QStringLiteral("ط"), geometry::Pi}};

struct Figure {
    Formula formula;
    Unit unit;
    int lengths;
};

numtext::Typed typed(const QStringList &texts, int i)
{
    return numtext::leadingTyped(i < texts.size() ? texts[i] : QString());
}

// A round figure from its radius, or from its diameter when the radius text
// is empty (the second text).
geometry::RoundSize round(const QStringList &texts)
{
    return texts.value(0).isEmpty() ? geometry::RoundSize{typed(texts, 1), true}
                                    : geometry::RoundSize{typed(texts, 0), false};
}

template <class F> Formula two(F f)
{
    return [f](const QStringList &t, Steps &s) { return f(typed(t, 0), typed(t, 1), s); };
}
template <class F> Formula one(F f)
{
    return [f](const QStringList &t, Steps &s) { return f(typed(t, 0), s); };
}
template <class F> Formula roundOnly(F f)
{
    return [f](const QStringList &t, Steps &s) { return f(round(t), s); };
}
template <class F> Formula roundWithHeight(F f)
{
    return [f](const QStringList &t, Steps &s) { return f(round(t), typed(t, 2), s); };
}

const std::map<QString, Figure> &figures()
{
    static const std::map<QString, Figure> all{
        {"circle area", {roundOnly(geometry::circleArea), Unit::Area, 2}},
        {"sphere surface", {roundOnly(geometry::sphereSurface), Unit::Area, 2}},
        {"trapezoid area", {two(geometry::trapezoidArea), Unit::Area, 2}},
        {"rectangle area", {two(geometry::rectangleArea), Unit::Area, 2}},
        {"parallelogram area", {two(geometry::parallelogramArea), Unit::Area, 2}},
        {"triangle area", {two(geometry::triangleArea), Unit::Area, 2}},
        {"cube surface", {one(geometry::cubeSurface), Unit::Area, 1}},
        {"circle perimeter", {roundOnly(geometry::circlePerimeter), Unit::Length, 2}},
        {"square perimeter", {one(geometry::squarePerimeter), Unit::Length, 1}},
        {"rectangle perimeter", {two(geometry::rectanglePerimeter), Unit::Length, 2}},
        {"triangle perimeter",
         {[](const QStringList &t, Steps &s) {
              const numtext::Typed sides[] = {typed(t, 0), typed(t, 1), typed(t, 2)};
              return geometry::sumOfSides(sides, s);
          },
          Unit::Length, 3}},
        {"four sides",
         {[](const QStringList &t, Steps &s) {
              const numtext::Typed sides[] = {typed(t, 0), typed(t, 1), typed(t, 2), typed(t, 3)};
              return geometry::sumOfSides(sides, s);
          },
          Unit::Length, 4}},
        {"cube volume", {one(geometry::cubeVolume), Unit::Volume, 1}},
        {"cuboid volume",
         {[](const QStringList &t, Steps &s) {
              return geometry::cuboidVolume(typed(t, 0), typed(t, 1), typed(t, 2), s);
          },
          Unit::Volume, 3}},
        {"sphere volume", {roundOnly(geometry::sphereVolume), Unit::Volume, 2}},
        {"cylinder volume", {roundWithHeight(geometry::cylinderVolume), Unit::Volume, 3}},
        {"cone volume", {roundWithHeight(geometry::coneVolume), Unit::Volume, 3}},
    };
    return all;
}

// The steps as the steps window writes them in a digit shape.
QStringList plain(const Steps &s, DigitShape shape)
{
    QStringList lines;
    for (const QString &line : s.lines())
        lines << reference::plainStepLine(line, shape);
    return lines;
}

} // namespace

class FormulasGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void everyResult_data();
    void everyResult();
};

// The lines of a calculation, as markup; the last value is the result box's
// text.
void FormulasGeometryTest::lines_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("box");
    const QString circle = "[blue:المساحة] = [red:ط] × [green:نق]^{2}";
    const QString perimeter = "[blue:المحيط] = 2 × [red:ط] × [green:نق]";
    const QString Area = " وحدة مربعة", Length = " وحدة طول", Volume = " وحدة مكعبة";
    // 1.1² is 1.2100000000000002 in doubles: the steps write 1.21 with ≈.
    QTest::newRow("circle area, no binary noise")
        << "circle area" << QStringList{"1.1", ""}
        << QStringList{circle, "= 3.141592 × 1.1^{2}", "≈ 3.141592 × 1.21", "≈ 3.80132632" + Area} << "3.80132632";
    // 2 × π × r as the formula reads, not r × (π + π).
    QTest::newRow("circle perimeter") << "circle perimeter" << QStringList{"2", ""}
                                      << QStringList{perimeter, "= 2 × 3.141592 × 2", "= 6.283184 × 2",
                                                     "= 12.566368" + Length}
                                      << "12.566368";
    QTest::newRow("circle perimeter, both boxes empty") << "circle perimeter" << QStringList{"", ""}
                                                        << QStringList{"لم يكتب نصف القطر ولا القطر، فيؤخذ القطر 0",
                                                                       "[green:نق] = ق ÷ 2",
                                                                       "= 0 ÷ 2",
                                                                       "= 0",
                                                                       perimeter,
                                                                       "= 2 × 3.141592 × 0",
                                                                       "= 6.283184 × 0",
                                                                       "= 0" + Length}
                                                        << "0";
    QTest::newRow("circle area, both boxes empty") << "circle area" << QStringList{"", ""}
                                                   << QStringList{"لم يكتب نصف القطر ولا القطر، فيؤخذ القطر 0",
                                                                  "[green:نق] = ق ÷ 2",
                                                                  "= 0 ÷ 2",
                                                                  "= 0",
                                                                  circle,
                                                                  "= 3.141592 × 0^{2}",
                                                                  "= 3.141592 × 0",
                                                                  "= 0" + Area}
                                                   << "0";
    QTest::newRow("rectangle perimeter") << "rectangle perimeter" << QStringList{"3", "4"}
                                         << QStringList{"[blue:المحيط] = 2 × (الطول + العرض)", "= 2 × (3 + 4)",
                                                        "= 2 × 7", "= 14" + Length}
                                         << "14";
    // A negative length is said to be no length; the box keeps the window's
    // value.
    QTest::newRow("triangle area, negative base")
        << "triangle area" << QStringList{"-3", "5"}
        << QStringList{"[darkred:الطول لا يكون سالبا]، والقاعدة المكتوب هنا −3؛ فيجري الحساب بالعدد كما كتب",
                       "[blue:المساحة] = \\frac{القاعدة × الارتفاع}{2}", "= \\frac{(−3) × 5}{2}", "= \\frac{−15}{2}",
                       "= −7.5" + Area}
        << "-7.5";
    // A text that is not a number on its own is read as its leading number.
    QTest::newRow("square perimeter, letters")
        << "square perimeter" << QStringList{"abc"}
        << QStringList{"طول الضلع: يؤخذ العدد الذي في أول المكتوب، وهنا 0", "[blue:المحيط] = 4 × طول الضلع", "= 4 × 0",
                       "= 0" + Length}
        << "0";
    QTest::newRow("rectangle area, a number and letters")
        << "rectangle area" << QStringList{"5abc", "2"}
        << QStringList{"الطول: يؤخذ العدد الذي في أول المكتوب، وهنا 5", "[blue:المساحة] = الطول × العرض", "= 5 × 2",
                       "= 10" + Area}
        << "10";
    // The cube's edge is taken with every digit typed: the lines show them.
    QTest::newRow("cube volume, 17 digits")
        << "cube volume" << QStringList{"1.0000000000000002"}
        << QStringList{"[blue:الحجم] = (طول الحرف)^{3}", "= 1.0000000000000002^{3}",
                       "= 1.0000000000000002 × 1.0000000000000002 × 1.0000000000000002", "≈ 1 × 1.0000000000000002",
                       "≈ 1" + Volume}
        << "1";
    // The area rounds every length to fifteen digits first, and says so.
    QTest::newRow("parallelogram area, 17 digits")
        << "parallelogram area" << QStringList{"2", "0.30000000000000004"}
        << QStringList{"الارتفاع = 0.30000000000000004 ≈ 0.3 (مقربا إلى 15 رقما)",
                       "[blue:المساحة] = القاعدة × الارتفاع", "= 2 × 0.3", "= 0.6" + Area}
        << "0.6";
    QTest::newRow("triangle area, a power of ten")
        << "triangle area" << QStringList{"1E-7", "3"}
        << QStringList{"[blue:المساحة] = \\frac{القاعدة × الارتفاع}{2}", "= \\frac{(1 × 10^{−7}) × 3}{2}",
                       "= \\frac{3 × 10^{−7}}{2}", "= 1.5 × 10^{−7}" + Area}
        << "1.5E-07";
    QTest::newRow("cylinder volume") << "cylinder volume" << QStringList{"2", "", "3"}
                                     << QStringList{"[blue:الحجم] = [red:ط] × [green:نق]^{2} × الارتفاع",
                                                    "= 3.141592 × 2^{2} × 3", "= 3.141592 × 4 × 3", "= 12.566368 × 3",
                                                    "≈ 37.699104" + Volume}
                                     << "37.699104";
    QTest::newRow("sum of four sides, one negative")
        << "four sides" << QStringList{"1", "2", "3", "-4"}
        << QStringList{"[darkred:الطول لا يكون سالبا]، والضلع 4 المكتوب هنا −4؛ فيجري الحساب بالعدد كما كتب",
                       "[blue:المحيط] = الضلع 1 + الضلع 2 + الضلع 3 + الضلع 4",
                       "= 1 + 2 + 3 + (−4)",
                       "= 3 + 3 + (−4)",
                       "= 6 + (−4)",
                       "= 2" + Length}
        << "2";
}

void FormulasGeometryTest::lines()
{
    QFETCH(QString, figure);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, lines);
    QFETCH(QString, box);
    Steps s;
    const double value = figures().at(figure).formula(texts, s);
    QCOMPARE(s.lines(), lines);
    QCOMPARE(numtext::format(value), box);
    QCOMPARE(s.results(), QStringList{box});
    VERIFY_LINES(s.lines(), WindowPi);
}

// Over every formula and a spread of lengths: the last line is the result
// box's text with its unit; no line writes a number with more than fifteen
// significant digits that the pupil did not type, nor the exponent form of
// the boxes, the hyphen-minus or a slash, in either digit shape.
void FormulasGeometryTest::everyResult_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QStringList>("texts");
    const char *const lengths[] = {"2", "0.1", "1.1", "-7.25", "1E-7", "9.87654321E+40", "123456789", "12abc", " "};
    for (const auto &[name, figure] : figures()) {
        for (const char *length : lengths) {
            QStringList texts;
            for (int i = 0; i < figure.lengths; ++i)
                texts << QString::fromLatin1(length);
            // A round figure from its radius: the diameter box empty.
            if (name.contains("circle") || name.contains("sphere") || name.contains("cylinder")
                || name.contains("cone"))
                texts[1].clear();
            QTest::addRow("%s, %s", qPrintable(name), length) << name << texts;
        }
        QStringList fromDiameter(figure.lengths, QStringLiteral("0.3"));
        if (name.contains("circle") || name.contains("sphere") || name.contains("cylinder") || name.contains("cone")) {
            fromDiameter[0].clear();
            QTest::addRow("%s, diameter 0.3", qPrintable(name)) << name << fromDiameter;
        }
    }
}

void FormulasGeometryTest::everyResult()
{
    QFETCH(QString, figure);
    QFETCH(QStringList, texts);
    const Figure &f = figures().at(figure);
    Steps s;
    const double value = f.formula(texts, s);
    const QString box = numtext::format(value);
    QCOMPARE(s.results(), QStringList{box});
    QVERIFY2(stepstext::isResultLine(s.lines().last(), box, f.unit), qPrintable(s.lines().last()));
    // Every "=" and "≈" holds, each line going on from the one before.
    VERIFY_LINES(s.lines(), WindowPi);
    static const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
    for (const DigitShape shape : {DigitShape::Western, DigitShape::ArabicIndic}) {
        for (const QString &line : plain(s, shape))
            QVERIFY2(!line.contains(u'E') && !line.contains(u'-') && !line.contains(u'/'), qPrintable(line));
    }
    for (const QString &line : plain(s, DigitShape::Western)) {
        for (const QRegularExpressionMatch &match : number.globalMatch(line)) {
            QString digits = match.captured();
            digits.remove(u'.');
            while (digits.startsWith(u'0'))
                digits.remove(0, 1);
            QVERIFY2(digits.size() <= 15 || texts.join(u' ').contains(match.captured()), qPrintable(line));
        }
    }
}

QTEST_GUILESS_MAIN(FormulasGeometryTest)
#include "test_formulas_geometry.moc"
