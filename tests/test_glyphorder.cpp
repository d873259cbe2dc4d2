// The order in which the glyphs of a line are drawn, left to right, in both
// digit shapes: in the ١٢٣ shape a line reads right to left as a whole; in the
// 123 shape its mathematics reads left to right inside the Arabic sentence
// ("البسط = 18 − 4" shows 18 − 4, 10 carries its exponent at its right,
// "جا (−30°)" keeps its brackets in order). Checked where the glyphs are
// placed: by the typesetter (steps window, laws pictures, worksheet key), by a
// text layout of a plain line (practice window, worksheet questions) and by
// the steps window itself.

#include "support/scripted.h"
#include "support/stepstext.h"

#include "kit/stepswindow.h"
#include "numtext/digits.h"
#include "numtext/mathruns.h"
#include "numtext/steps.h"
#include "typeset/typeset.h"

#include <QGlyphRun>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <utility>
#include <vector>

using numtext::DigitShape;
using reference::FormulaLayout;
using reference::Piece;

namespace {

using Drawn = std::vector<std::pair<qreal, QChar>>;

// The glyphs of a run that have the shape of one of the characters, at their
// left edge (a bracket of a right-to-left run is drawn mirrored: it counts
// as the shape it shows).
void collect(const QGlyphRun &run, QPointF at, const QString &shapes, Drawn &drawn)
{
    const QRawFont font = run.rawFont();
    QHash<quint32, QChar> shapeOf;
    for (const QChar c : shapes) {
        const QList<quint32> glyph = font.glyphIndexesForString(QString(c));
        if (glyph.size() == 1 && glyph[0] != 0)
            shapeOf.insert(glyph[0], c);
    }
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (shapeOf.contains(glyphs[i]))
            drawn.emplace_back(at.x() + positions[i].x(), shapeOf.value(glyphs[i]));
    }
}

QString ordered(Drawn drawn)
{
    std::stable_sort(drawn.begin(), drawn.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QString out;
    for (const auto &d : drawn)
        out += d.second;
    return out;
}

// The shapes drawn by typeset pieces, left to right; a radical counts as √ at
// the point of its V.
Drawn drawnBy(const QList<Piece> &pieces, QPointF at, const QString &shapes)
{
    Drawn drawn;
    for (const Piece &p : pieces) {
        if (p.kind == Piece::Radical && shapes.contains(u'√')) {
            qreal lowest = -1e9, x = 0;
            for (int i = 0; i < p.path.elementCount(); ++i) {
                const QPainterPath::Element e = p.path.elementAt(i);
                if (e.y > lowest) {
                    lowest = e.y;
                    x = e.x;
                }
            }
            drawn.emplace_back(at.x() + x, u'√');
        }
        if (p.kind != Piece::Text)
            continue;
        for (const QGlyphRun &run : p.glyphs)
            collect(run, at + p.origin, shapes, drawn);
    }
    return drawn;
}

// The shapes of a plain line as a right-to-left label or paragraph draws it.
QString paragraphOrder(const QString &text, const QString &shapes)
{
    QTextLayout layout(text, reference::formulaFont(18));
    QTextOption option(Qt::AlignRight);
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(2000);
    layout.endLayout();
    Drawn drawn;
    for (const QGlyphRun &run : layout.glyphRuns())
        collect(run, QPointF(), shapes, drawn);
    return ordered(drawn);
}

// The characters of the expected order, as a set.
QString shapesOf(const QString &order)
{
    QString shapes;
    for (const QChar c : order) {
        if (!shapes.contains(c))
            shapes += c;
    }
    return shapes;
}

// A line in Western digits, and the order in which its digits and signs are
// drawn from left to right in each shape (letters are not counted).
void addLines()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<DigitShape>("shape");
    QTest::addColumn<QString>("order");
    const auto A = DigitShape::ArabicIndic, W = DigitShape::Western;
    struct Case {
        const char *name, *line, *western, *arabic;
    };
    const Case cases[] = {
        // The lines the pupils' teacher named.
        {"numerator", "البسط = 18 − 4", "18−4=", "٤−١٨="},
        {"power of ten", "= 2 × 10^{−6}", "2×10−6=", "٦−١٠×٢="},
        {"function of a negative angle", "جا (−30°)", "(−30°)", "(°٣٠−)"},
        // A table of others.
        {"fractions", "\\frac{3}{4} − \\frac{1}{6} = \\frac{7}{12}", "3−=7", "٧=−٣"},
        {"a square", "3^{2} = 9", "32=9", "٩=٢٣"},
        {"a power in a product", "= 5^{3} × 2", "53×2=", "٢×٣٥="},
        {"a negative number in brackets", "البسط = 4 − (−6)", "4−(−6)=", "(٦−)−٤="},
        {"a root", "= \\sqrt{49} + 1", "√49+1=", "١+٤٩√="},
        {"a product with its unit", "= 3 × 4 = 12 وحدة مربعة", "3×4=12=", "١٢=٤×٣="},
        {"a temperature", "= −5 °م", "°−5=", "°٥−="},
        {"a function's value", "جا 30° = 0.5", "0.5=30°", "٠٫٥=°٣٠"},
        {"a number typed in exponent form", "6 ÷ 1E-06", "6÷(1×10−6)", "(٦−١٠×١)÷٦"},
        {"a sum of negative numbers", "= −2.5 + (−3)", "−2.5+(−3)=", "(٣−)+٢٫٥−="},
        {"a signed fraction on one line", "7/26 − (−1/20)", "7/26−(−1/20)", "(١/٢٠−)−٧/٢٦"},
        {"an absolute value", "|−5| = 5", "|−5|=5", "٥=|٥−|"},
        {"a quotient in exponent form", "= 1E-06 ÷ 1000", "1×10−6÷1000=", "١٠٠٠÷٦−١٠×١="},
        {"a signed product", "= -3.5 × 2 + 7", "−3.5×2+7=", "٧+٢×٣٫٥−="},
        {"a chain after a symbol", "نق = 2.5 ÷ 2 = 1.25", "2.5÷2=1.25=", "١٫٢٥=٢÷٢٫٥="},
        {"a signed number in a sentence", "يؤخذ العدد −30 نفسه زاوية", "−30", "٣٠−"},
        {"a function's value in radians", "جا (−30) ≈ 0.988", "0.988≈(−30)", "٠٫٩٨٨≈(٣٠−)"},
        {"a coloured name", "[blue:الزاوية] = −30", "−30=", "٣٠−="},
        {"a formula of words", "ف = م × 1.8 + 32", "32+1.8×=", "٣٢+١٫٨×="},
        {"an equation of words", "2س^{2} + س − 1 = 0", "0=1−+22", "٠=١−+٢٢"},
    };
    for (const Case &c : cases) {
        QTest::addRow("%s, 123", c.name) << QString::fromUtf8(c.line) << W << QString::fromUtf8(c.western);
        QTest::addRow("%s, ١٢٣", c.name) << QString::fromUtf8(c.line) << A << QString::fromUtf8(c.arabic);
    }
}

} // namespace

class GlyphOrderTest : public WindowTest {
    Q_OBJECT
private slots:
    void typesetLines_data() { addLines(); }
    void typesetLines();
    void stepsWindowLines_data() { addLines(); }
    void stepsWindowLines();
    void plainLines_data();
    void plainLines();
    void brokenRunsStayInOrder();
    void runsOfMarkup_data();
    void runsOfMarkup();
    void runsOfAnyText();
};

// The typesetter, as the steps window, the laws pictures, the figures and the
// worksheet's key use it.
void GlyphOrderTest::typesetLines()
{
    QFETCH(QString, line);
    QFETCH(DigitShape, shape);
    QFETCH(QString, order);
    const FormulaLayout f(numtext::shapeDigits(line, shape), reference::formulaFont(18));
    QCOMPARE(ordered(drawnBy(f.pieces(), QPointF(), shapesOf(order))), order);
}

// The steps window draws every line where its layout says.
void GlyphOrderTest::stepsWindowLines()
{
    QFETCH(QString, line);
    QFETCH(DigitShape, shape);
    QFETCH(QString, order);
    numtext::setDigitShape(shape);
    reference::StepsView view;
    numtext::Steps steps;
    steps.line(line);
    view.setSteps(steps);
    view.resize(600, 200);
    QCOMPARE(view.layouts().size(), std::size_t(1));
    QCOMPARE(ordered(drawnBy(view.layouts()[0].pieces(), view.origins().first(), shapesOf(order))), order);
}

// Plain lines in a right-to-left label or paragraph: the practice window's
// question, the worksheet's questions and answers.
void GlyphOrderTest::plainLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<DigitShape>("shape");
    QTest::addColumn<QString>("order");
    const auto A = DigitShape::ArabicIndic, W = DigitShape::Western;
    QTest::newRow("a question, 123") << "احسب: 18 − 4." << W << "18−4";
    QTest::newRow("a question, ١٢٣") << "احسب: 18 − 4." << A << "٤−١٨";
    QTest::newRow("negative in brackets, 123") << "احسب: 7 − (-3)." << W << "7−(−3)";
    QTest::newRow("negative in brackets, ١٢٣") << "احسب: 7 − (-3)." << A << "(٣−)−٧";
    QTest::newRow("angle, 123") << "احسب جا الزاوية -30 درجة." << W << "−30";
    QTest::newRow("angle, ١٢٣") << "احسب جا الزاوية -30 درجة." << A << "٣٠−";
    QTest::newRow("fractions, 123") << "احسب 3/4 + 1/6، واكتب الناتج في أبسط صورة." << W << "3/4+1/6";
    QTest::newRow("fractions, ١٢٣") << "احسب 3/4 + 1/6، واكتب الناتج في أبسط صورة." << A << "١/٦+٣/٤";
}

void GlyphOrderTest::plainLines()
{
    QFETCH(QString, line);
    QFETCH(DigitShape, shape);
    QFETCH(QString, order);
    QCOMPARE(paragraphOrder(numtext::shapeDigits(line, shape), shapesOf(order)), order);
}

// A line too long for the window breaks inside a run: each part still reads
// left to right in the 123 shape, the first part at the top.
void GlyphOrderTest::brokenRunsStayInOrder()
{
    numtext::setDigitShape(DigitShape::Western);
    reference::StepsView view;
    numtext::Steps steps;
    steps.line("البسط = 1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9");
    view.setSteps(steps);
    view.resize(260, 400);
    const auto &layouts = view.layouts();
    QVERIFY(layouts.size() >= 2);
    QString all;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const QString part = ordered(drawnBy(layouts[i].pieces(), view.origins()[qsizetype(i)], "123456789+"));
        QVERIFY2(part.size() >= 3, qPrintable(part));
        all += part;
    }
    QCOMPARE(all, QStringLiteral("1+2+3+4+5+6+7+8+9"));
}

// Which parts of a line are held left to right in the 123 shape.
void GlyphOrderTest::runsOfMarkup_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("held"); // the runs, each between ⟨ and ⟩
    QTest::newRow("numerator") << "البسط = 18 − 4"
                               << "البسط = ⟨18 − 4⟩";
    QTest::newRow("a lone number") << "= 14"
                                   << "= 14";
    QTest::newRow("a chain") << "أ × د = 3 × 6 = 18"
                             << "أ × د = ⟨3 × 6 = 18⟩";
    QTest::newRow("a function's argument") << "جا 30° = 0.5"
                                           << "جا ⟨30°⟩ = 0.5";
    QTest::newRow("a negative argument") << "جا (−30°) = −0.5"
                                         << "جا ⟨(−30°)⟩ = ⟨−0.5⟩";
    QTest::newRow("the numbers of a sentence") << "القاسم المشترك الأكبر للعددين 14 و 24 هو 2"
                                               << "القاسم المشترك الأكبر للعددين 14 و 24 هو 2";
    QTest::newRow("a bracket of words") << "= 2 × (الطول + 3)"
                                        << "= 2 × (الطول + 3)";
    QTest::newRow("a bracket closed by a word") << "(2 + 3 × أ)"
                                                << "(2 + 3 × أ)";
    QTest::newRow("a formula of words") << "ف = م × 1.8 + 32"
                                        << "ف = م × 1.8 + 32";
    QTest::newRow("an equation of words") << "2س^{2} + س − 1 = 0"
                                          << "2س^{2} + س − 1 = 0";
    QTest::newRow("a product of a word") << "س × (2 + 3) = 15"
                                         << "س × ⟨(2 + 3)⟩ = 15";
    QTest::newRow("a unit after its degree sign") << "= −5 °م"
                                                  << "= ⟨−5⟩ °م";
    QTest::newRow("a unit with its power") << "= 4 × 5 = 20 سم^{2}"
                                           << "= ⟨4 × 5 = 20⟩ سم^{2}";
    QTest::newRow("an exponent of a word") << "[green:نق]^{2} × 3"
                                           << "[green:نق]^{2} × 3";
    QTest::newRow("inside a fraction of words") << "\\frac{[darkred:ف] − 32}{1.8 × 2}"
                                                << "\\frac{[darkred:ف] − 32}{⟨1.8 × 2⟩}";
    QTest::newRow("a fraction of numbers") << "= \\frac{3 × 6}{4}"
                                           << "= ⟨\\frac{3 × 6}{4}⟩";
    QTest::newRow("a coloured word and numbers") << "[blue:المساحة] = 3 × 4"
                                                 << "[blue:المساحة] = ⟨3 × 4⟩";
    QTest::newRow("inside a colour") << "[darkred:جتا 90 = 0، 5 + 1]"
                                     << "[darkred:جتا 90 = 0، ⟨5 + 1⟩]";
    QTest::newRow("a mixed number") << "= 2 و \\frac{5}{12}"
                                    << "= 2 و ⟨\\frac{5}{12}⟩";
    QTest::newRow("a root") << "√ = \\sqrt{5} ≈ 2.2"
                            << "√ = ⟨\\sqrt{5} ≈ 2.2⟩";
    QTest::newRow("a set") << "مجموعة الحل = {2 ، −3}"
                           << "مجموعة الحل = {2 ، ⟨−3⟩}";
    QTest::newRow("shaped twice") << "البسط = \u206618 − 4\u2069"
                                  << "البسط = ⟨18 − 4⟩";
}

void GlyphOrderTest::runsOfMarkup()
{
    QFETCH(QString, line);
    QFETCH(QString, held);
    QString isolated = numtext::isolateMathRuns(line);
    isolated.replace(numtext::LeftToRightIsolate, u'⟨').replace(numtext::PopDirectionalIsolate, u'⟩');
    QCOMPARE(isolated, held);
}

// Any text, markup or not: the runs add nothing but their isolates, each
// closed where it opens, outside one another, and the typesetter sets it.
void GlyphOrderTest::runsOfAnyText()
{
    static const QStringList pieces{"1", "23", ".5", " ", "−",       "-",       "+",  "×",     "÷",          "/", "=",
                                    "≈", "(",  ")",  "[", "]",       "{",       "}",  "^{",    "|",          "°", "،",
                                    "س", "جا", "نق", ":", "\\frac{", "\\sqrt{", "\\", "[red:", "[blue bold:"};
    QRandomGenerator random(28);
    for (int n = 0; n < 3000; ++n) {
        QString text;
        for (int k = random.bounded(1, 16); k > 0; --k)
            text += pieces[random.bounded(int(pieces.size()))];
        const QString held = numtext::isolateMathRuns(text);
        QString bare = held;
        bare.remove(numtext::LeftToRightIsolate).remove(numtext::PopDirectionalIsolate);
        QCOMPARE(bare, text);
        int depth = 0;
        for (const QChar c : held) {
            depth += c == numtext::LeftToRightIsolate ? 1 : c == numtext::PopDirectionalIsolate ? -1 : 0;
            QVERIFY2(depth == 0 || depth == 1, qPrintable(text));
        }
        QCOMPARE(depth, 0);
        if (n % 10 == 0)
            QVERIFY(FormulaLayout(numtext::shapeDigits(text, DigitShape::Western)).width() >= 0);
    }
}

QTEST_MAIN(GlyphOrderTest)
#include "test_glyphorder.moc"
