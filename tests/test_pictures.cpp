// What the formula pictures, the fraction window's signs and the main menu's
// banner draw: drawings clear of the text, exponents a pupil can read, footers
// with their word spaces, option circles clear of their frame, a picture laid
// out once per size, the typesetter painting where it measures, a minus as
// heavy as the plus on the fraction bars' line, and the banner's word in a
// face the main menu already uses.

#include "support/scripted.h"
#include "support/ui.h"

#include "algebra/fractions.h"
#include "app/mainmenu.h"
#include "kit/banner.h"
#include "reference/laws.h"
#include "reference/pictures.h"
#include "typeset/typeset.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <functional>
#include <memory>
#include <set>

using reference::Picture;
using reference::PictureLayout;
using reference::Piece;

Q_DECLARE_METATYPE(Picture)

namespace {

// A window built on its own, apart from the registry.
std::unique_ptr<QWidget> make(const QString &name)
{
    static const QHash<QString, std::function<QWidget *()>> makers{
        {"Form1", [] { return new Form1; }},   {"Form11", [] { return new Form11; }},
        {"Form12", [] { return new Form12; }}, {"Form13", [] { return new Form13; }},
        {"Form14", [] { return new Form14; }}, {"Form17", [] { return new Form17; }},
        {"Form19", [] { return new Form19; }}, {"Form22", [] { return new Form22; }},
    };
    return std::unique_ptr<QWidget>(makers.value(name)());
}

// The bounding box of the pixels that differ from the background.
QRect inkOf(const QImage &image, const std::function<bool(QRgb)> &isInk)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y)))
                ink = ink.united(QRect(x, y, 1, 1));
    return ink;
}

QRect opaqueInk(const QImage &image)
{
    return inkOf(image, [](QRgb c) { return qAlpha(c) > 0; });
}

// Pixels clearly unlike the one at the top left corner.
QRect inkOnBackground(const QImage &image)
{
    const QRgb ground = image.pixel(0, 0);
    return inkOf(image, [ground](QRgb c) {
        return std::abs(qRed(c) - qRed(ground)) + std::abs(qGreen(c) - qGreen(ground))
                   + std::abs(qBlue(c) - qBlue(ground))
               > 150;
    });
}

QImage transparentImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QString describe(const QRectF &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void addPictureBoxes()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::newRow("areas") << "Form11"
                           << "Picture2";
    QTest::newRow("perimeters") << "Form12"
                                << "Picture2";
    QTest::newRow("temperature") << "Form13"
                                 << "Pic2";
    QTest::newRow("angles") << "Form13"
                            << "Pic3";
    QTest::newRow("volumes") << "Form14"
                             << "Picture2";
    QTest::newRow("quadratic formula") << "Form19"
                                       << "Pic1";
    QTest::newRow("general form") << "Form19"
                                  << "Pic2";
    QTest::newRow("trigonometry") << "Form22"
                                  << "Picture1";
}

} // namespace

class PicturesTest : public WindowTest {
    Q_OBJECT
private slots:
    void drawingsLeaveTheTextFree_data();
    void drawingsLeaveTheTextFree();
    void exponentsAreLegibleAndRaised_data();
    void exponentsAreLegibleAndRaised();
    void paintedAsThePainterSetsText_data();
    void paintedAsThePainterSetsText();
    void pictureIsLaidOutOncePerSize();
    void formulaPaintsWhereItMeasures_data();
    void formulaPaintsWhereItMeasures();
    void footerTitlesKeepTheirSpaces_data();
    void footerTitlesKeepTheirSpaces();
    void optionCirclesClearTheFrame_data();
    void optionCirclesClearTheFrame();
    void minusIsAsHeavyAsThePlusOnTheBarsLine();
    void bannerNamesTheProgramInArabic();
};

// The drawing of every picture, as its box shows it, is there and lies
// where no line of text is.
void PicturesTest::drawingsLeaveTheTextFree_data() { addPictureBoxes(); }

void PicturesTest::drawingsLeaveTheTextFree()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    const auto w = make(window);
    const PictureLayout &layout = ui::control<reference::PictureBox>(w.get(), qPrintable(box))->layout();
    QImage image = transparentImage(QSize(reference::PictureWidth, qCeil(layout.height())));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        layout.paintDrawing(p);
    }
    const QRectF drawing = opaqueInk(image);
    QVERIFY2(drawing.width() >= 40 && drawing.height() >= 40, qPrintable(describe(drawing)));
    const QList<QRectF> lines = layout.lineBoxes();
    QVERIFY(!lines.isEmpty());
    for (const QRectF &line : lines)
        QVERIFY2(!drawing.intersects(line),
                 qPrintable(QStringLiteral("drawing %1 under line %2").arg(describe(drawing), describe(line))));
}

void PicturesTest::exponentsAreLegibleAndRaised_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<int>("exponents");
    QTest::newRow("areas") << Picture::Areas << 3;
    QTest::newRow("volumes") << Picture::Volumes << 4;
    QTest::newRow("quadratic formula") << Picture::QuadraticFormula << 1;
    QTest::newRow("general form") << Picture::GeneralForm << 2;
    QTest::newRow("trigonometry") << Picture::Trigonometry << 2;
}

// An exponent's digit is at least 70 % as tall as a digit of its base's
// size; its foot stands well above the base's baseline and its head above the
// top of a full digit.
void PicturesTest::exponentsAreLegibleAndRaised()
{
    QFETCH(Picture, picture);
    QFETCH(int, exponents);
    const QList<Piece> pieces = PictureLayout(picture, reference::pictureHeight(picture)).pieces();
    int found = 0;
    for (const Piece &e : pieces) {
        if (e.kind != Piece::Text || !e.raised)
            continue;
        ++found;
        // The base: the nearest text of the line at the exponent's right.
        const Piece *base = nullptr;
        for (const Piece &p : pieces) {
            if (p.kind == Piece::Text && !p.raised && p.line == e.line && p.box.left() >= e.box.right() - 0.5
                && (!base || p.box.left() < base->box.left()))
                base = &p;
        }
        QVERIFY2(base, qPrintable(e.text));
        const QString digit = e.text.trimmed();
        const QRectF full = QFontMetricsF(base->font).tightBoundingRect(digit);
        const QRectF small = QFontMetricsF(e.font).tightBoundingRect(digit);
        const qreal baseline = base->origin.y();
        const QString where = QStringLiteral("%1 after '%2': %3 px against %4 px, foot %5 above the baseline")
                                  .arg(digit, base->text)
                                  .arg(small.height())
                                  .arg(full.height())
                                  .arg(baseline - (e.origin.y() + small.bottom()));
        QVERIFY2(small.height() >= 0.7 * full.height(), qPrintable(where));
        QVERIFY2(baseline - (e.origin.y() + small.bottom()) >= 0.3 * full.height(), qPrintable(where));
        QVERIFY2(e.origin.y() + small.top() < baseline + full.top(), qPrintable(where));
    }
    QCOMPARE(found, exponents);
}

void PicturesTest::paintedAsThePainterSetsText_data()
{
    QTest::addColumn<Picture>("picture");
    for (Picture p : reference::AllPictures)
        QTest::addRow("picture %d", int(p)) << p;
}

// The text shaped once when the picture is laid out paints the same pixels
// as the painter's own right-to-left text would.
void PicturesTest::paintedAsThePainterSetsText()
{
    QFETCH(Picture, picture);
    const PictureLayout layout(picture, reference::pictureHeight(picture));
    const QSize size(reference::PictureWidth, reference::pictureHeight(picture));
    QImage kept = transparentImage(size), fresh = transparentImage(size);
    {
        QPainter p(&kept);
        reference::paintPieces(p, layout.pieces());
    }
    {
        QPainter p(&fresh);
        p.setLayoutDirection(Qt::RightToLeft);
        for (const Piece &piece : layout.pieces()) {
            if (piece.kind == Piece::Text) {
                p.setFont(piece.font);
                p.setPen(piece.colour);
                p.drawText(piece.origin, piece.text);
            } else {
                p.fillPath(piece.path, piece.colour);
            }
        }
    }
    int differ = 0, inked = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            inked += qAlpha(fresh.pixel(x, y)) > 0;
            differ += qAbs(qAlpha(kept.pixel(x, y)) - qAlpha(fresh.pixel(x, y))) > 64;
        }
    }
    QVERIFY(inked > 1000);
    QVERIFY2(differ <= inked / 200, qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(differ).arg(inked)));
}

// Painting again reuses the picture's layout; a new shown size or a new font
// lays it out again, a change that leaves what is shown as it was does not.
void PicturesTest::pictureIsLaidOutOncePerSize()
{
    const auto w = make("Form11");
    auto *box = ui::control<reference::PictureBox>(w.get(), "Picture2");
    box->grab();
    const quint64 made = PictureLayout::made();
    const quint64 serial = box->layout().serial();
    box->grab();
    box->grab();
    QCOMPARE(PictureLayout::made(), made);
    QCOMPARE(box->layout().serial(), serial);

    box->resize(box->width() + 20, box->height());
    box->grab();
    QCOMPARE(PictureLayout::made(), made);

    box->resize(box->width(), box->height() - 80);
    box->grab();
    QCOMPARE(PictureLayout::made(), made + 1);
    QVERIFY(box->layout().serial() != serial);
    QCOMPARE(box->layout().height(), box->shownSize().height());
    box->grab();
    QCOMPARE(PictureLayout::made(), made + 1);

    QFont f = box->font();
    f.setPointSizeF(f.pointSizeF() + 3);
    box->setFont(f);
    box->grab();
    QCOMPARE(PictureLayout::made(), made + 2);
}

void PicturesTest::formulaPaintsWhereItMeasures_data()
{
    QTest::addColumn<QString>("markup");
    QTest::newRow("words and signs") << "[blue:مساحة الدائرة] = [red:ط] × [green:نق]";
    QTest::newRow("an exponent") << "[green:نق]^{٢} × ٤";
    QTest::newRow("a fraction") << "س = \\frac{أ × ١٨٠}{ب}";
    QTest::newRow("a radical") << "\\sqrt{ب^{٢} − ٤ × أ}";
    QTest::newRow("bold title") << "[darkblue bold:قانون المميز]";
}

// The typesetter's layout reports the box its painting covers, wherever it
// is painted.
void PicturesTest::formulaPaintsWhereItMeasures()
{
    QFETCH(QString, markup);
    const reference::FormulaLayout formula(markup, reference::formulaFont(24));
    const QRectF box = formula.boundingRect();
    QVERIFY(formula.width() > 0 && box.height() > 0);
    const QPointF at(30, 70);
    QImage image = transparentImage(QSize(qCeil(formula.width()) + 60, 140));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        formula.paint(p, at);
    }
    const QRectF expected = box.translated(at);
    const QRectF ink = opaqueInk(image);
    const QString both = describe(ink) + " against " + describe(expected);
    QVERIFY2(expected.adjusted(-2, -2, 2, 2).contains(ink), qPrintable(both));
    QVERIFY2(ink.width() >= expected.width() - 6 && ink.height() >= expected.height() - 3, qPrintable(both));
}

void PicturesTest::footerTitlesKeepTheirSpaces_data()
{
    QTest::addColumn<QString>("window");
    for (const char *w : {"Form11", "Form12", "Form14", "Form22"})
        QTest::newRow(w) << w;
}

// A footer title too long for its place is set smaller, its words as far
// apart as a space sets them, and fits whole.
void PicturesTest::footerTitlesKeepTheirSpaces()
{
    QFETCH(QString, window);
    const auto w = make(window);
    auto *title = ui::control<QLabel>(w.get(), "Label9");
    const QString text = title->text();
    const QFont font = title->font();
    QFont plain = font;
    plain.setWordSpacing(0);
    plain.setLetterSpacing(QFont::PercentageSpacing, 100);
    const QFontMetricsF set(font), normal(plain);
    qreal words = 0;
    const QStringList parts = text.split(u' ');
    for (const QString &word : parts)
        words += normal.horizontalAdvance(word);
    const qreal spaces = static_cast<qreal>(parts.size() - 1) * normal.horizontalAdvance(u' ');
    const QString widths = QStringLiteral("%1 px set, words %2 px and spaces %3 px")
                               .arg(set.horizontalAdvance(text))
                               .arg(words)
                               .arg(spaces);
    QVERIFY2(set.horizontalAdvance(text) >= words + spaces * 0.9, qPrintable(widths));
    QVERIFY2(set.horizontalAdvance(text) <= title->contentsRect().width(), qPrintable(widths));
    QVERIFY(font.pointSizeF() >= 8);
}

void PicturesTest::optionCirclesClearTheFrame_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    for (const char *w : {"Form13", "Form19"})
        for (const char *o : {"Op1", "Op2"})
            QTest::addRow("%s %s", w, o) << w << o;
}

// The circle of an option keeps a few pixels from every line of the
// rectangle around the bottom row.
void PicturesTest::optionCirclesClearTheFrame()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    const auto w = make(window);
    auto *o = ui::control<QRadioButton>(w.get(), qPrintable(option));
    QStyleOptionButton style;
    style.initFrom(o);
    const QRect circle = o->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, o).translated(o->pos());
    const QFrame *frame = nullptr;
    for (const QFrame *f : w->findChildren<QFrame *>()) {
        if (f->frameShape() == QFrame::Box && f->geometry().contains(o->geometry().center()))
            frame = f;
    }
    QVERIFY(frame);
    const QRect r = frame->geometry();
    const QString where = describe(circle) + " in " + describe(r);
    QVERIFY2(circle.left() - r.left() >= 4 && r.right() - circle.right() >= 4, qPrintable(where));
    QVERIFY2(circle.top() - r.top() >= 2 && r.bottom() - circle.bottom() >= 2, qPrintable(where));
}

// The minus between the fractions (its caption stays "-") is as long and as
// thick as the plus's bar, and its middle is on the fraction bars' line.
void PicturesTest::minusIsAsHeavyAsThePlusOnTheBarsLine()
{
    const auto w = make("Form17");
    auto sign = [&](const char *option, const char *name) {
        ui::control<QRadioButton>(w.get(), option)->click();
        auto *l = ui::control<QLabel>(w.get(), name);
        return std::make_pair(l, l->grab().toImage());
    };
    const auto [plusLabel, plusImage] = sign("Opt1", "La3");
    const auto [minusLabel, minusImage] = sign("Opt2", "La2");
    QCOMPARE(minusLabel->text(), QStringLiteral("-"));
    const QRect plus = inkOnBackground(plusImage), minus = inkOnBackground(minusImage);
    QVERIFY(plus.width() >= 10);
    // The plus's bar: its rows that run (nearly) across the whole sign.
    int bar = 0;
    for (int y = plus.top(); y <= plus.bottom(); ++y) {
        QImage row = plusImage.copy(0, y, plusImage.width(), 1);
        row.setPixel(0, 0, plusImage.pixel(0, 0));
        const QRect ink = inkOnBackground(row);
        bar += ink.isValid() && ink.width() >= plus.width() * 0.8;
    }
    const QString sizes =
        QStringLiteral("minus %1, plus %2 with a bar %3 px thick").arg(describe(minus), describe(plus)).arg(bar);
    QVERIFY2(qAbs(minus.width() - plus.width()) <= 2, qPrintable(sizes));
    QVERIFY2(qAbs(minus.height() - bar) <= 1, qPrintable(sizes));
    // The bars are two pixels thick, their line is where the upper one ends.
    const qreal barsLine = app::px(3360);
    const qreal middle = minusLabel->y() + minus.top() + minus.height() / 2.0;
    QVERIFY2(qAbs(middle - barsLine) <= 1, qPrintable(QStringLiteral("%1 against %2").arg(middle).arg(barsLine)));
}

// The banner names the program in Arabic, in a face that some other control
// of the main menu already uses, so that showing it loads no other font.
void PicturesTest::bannerNamesTheProgramInArabic()
{
    const auto w = make("Form1");
    auto *banner = ui::control<app::Banner>(w.get(), "Image1");
    QCOMPARE(banner->word(), QStringLiteral("نبروسة"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Nabrosa"));
    std::set<std::pair<QString, bool>> faces;
    for (const QWidget *c : w->findChildren<QWidget *>()) {
        if (c != banner) {
            const QFontInfo info(c->font());
            faces.insert({info.family(), info.bold()});
        }
    }
    const QFontInfo word(banner->wordFont());
    QVERIFY2(faces.count({word.family(), word.bold()}),
             qPrintable(word.family() + (word.bold() ? " bold" : " regular")));
    QVERIFY(QFontMetricsF(banner->wordFont()).horizontalAdvance(banner->word()) < banner->width() / 2.0);
}

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
