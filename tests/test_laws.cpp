// The laws windows and their formula pictures: opening beside the section
// window, closing by button (kept) or close box (rebuilt), the options that
// switch pictures, the notes, and pictures that are set right to left, in
// their colours, and fit the boxes that show them.

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/frame.h"
#include "kit/notice.h"
#include "kit/windows.h"
#include "reference/laws.h"
#include "reference/pictures.h"
#include "typeset/typeset.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

using namespace numtext;
using reference::Picture;
using reference::Piece;

Q_DECLARE_METATYPE(Picture)

namespace {

QWidget *openLaws(const QString &section, const QString &laws)
{
    app::showLaws(app::Windows::show(section), app::Windows::get(laws));
    return app::Windows::find(laws);
}

// The section window whose laws button opens each laws window.
QString sectionOf(const QString &laws)
{
    static const QHash<QString, QString> owners{{"Form11", "Form4"}, {"Form12", "Form6"},  {"Form13", "Form5"},
                                                {"Form14", "Form9"}, {"Form19", "Form16"}, {"Form22", "Form7"}};
    return owners.value(laws);
}

QWidget *openLaws(const QString &laws) { return openLaws(sectionOf(laws), laws); }

QStringList shownPictures(QWidget *window)
{
    QStringList names;
    for (auto *box : window->findChildren<reference::PictureBox *>())
        if (box->isVisibleTo(window))
            names << box->objectName();
    names.sort();
    return names;
}

QString chosenOption(QWidget *window)
{
    for (auto *option : window->findChildren<QRadioButton *>())
        if (option->isChecked())
            return option->objectName();
    return QString();
}

bool noteShown(QWidget *window)
{
    auto *note = window->findChild<QPushButton *>(QStringLiteral("Command2"));
    return note && note->isVisibleTo(window);
}

void clickAll(const char *window, const QStringList &controls)
{
    for (const QString &c : controls)
        QVERIFY2(ui::click(window, qPrintable(c)), qPrintable(c));
}

int topLevelsNamed(const QString &name)
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->objectName() == name;
    return n;
}

// The text pieces of a laid-out line, found by their characters.
const Piece *pieceWith(const QList<Piece> &pieces, const QString &text)
{
    for (const Piece &p : pieces)
        if (p.text.trimmed() == text.trimmed())
            return &p;
    return nullptr;
}

QString joinedText(const QList<Piece> &pieces)
{
    QString s;
    for (const Piece &p : pieces)
        if (p.kind == Piece::Text)
            s += p.text;
    return s;
}

// Whether a text holds the word as a whole (not as part of a longer word).
bool holdsWord(const QString &text, const QString &word)
{
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        const bool startsWord = at == 0 || !text[at - 1].isLetter();
        const qsizetype end = at + word.size();
        const bool endsWord = end == text.size() || !text[end].isLetter();
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

} // namespace

class LawsTest : public WindowTest {
    Q_OBJECT
private slots:
    void opensOneWindowBesideItsSection_data();
    void opensOneWindowBesideItsSection();
    void optionsSwitchPicturesAndNote_data();
    void optionsSwitchPicturesAndNote();
    void closingKeepsOrRebuilds_data();
    void closingKeepsOrRebuilds();
    void notes_data();
    void notes();
    void outlivesItsSection_data();
    void outlivesItsSection();
    void captionsAreNotClipped_data();
    void captionsAreNotClipped();

    void picturesFitTheirBoxes_data();
    void picturesFitTheirBoxes();
    void wordsKeepTheirColours_data();
    void wordsKeepTheirColours();
    void markupIsSetRightToLeft_data();
    void markupIsSetRightToLeft();
    void malformedMarkupStaysVisible_data();
    void malformedMarkupStaysVisible();
    void sphereVolumeIsTheCubeOfTheRadius();
};

void LawsTest::opensOneWindowBesideItsSection_data()
{
    QTest::addColumn<QString>("laws");
    QTest::addColumn<QString>("caption");
    QTest::newRow("areas") << "Form11"
                           << "قوانين حساب المساحة";
    QTest::newRow("perimeters") << "Form12"
                                << "قوانين حساب المحيط";
    QTest::newRow("temperature and angle") << "Form13"
                                           << "قوانين الحرارة والزاوية";
    QTest::newRow("volumes") << "Form14"
                             << "قوانين حساب الأحجام";
    QTest::newRow("quadratic equation") << "Form19"
                                        << "معادلة الدرجة الثانية";
    QTest::newRow("trigonometric functions") << "Form22"
                                             << "قوانين الدوال المثلثية";
}

void LawsTest::opensOneWindowBesideItsSection()
{
    QFETCH(QString, laws);
    QFETCH(QString, caption);
    QVERIFY(!app::Windows::find(laws));
    QPointer<QWidget> first = openLaws(laws);
    QVERIFY(first);
    QPointer<QWidget> again = openLaws(laws);
    QCOMPARE(again.data(), first.data());
    QCOMPARE(topLevelsNamed(laws), 1);
    QVERIFY(first->isVisible());
    QWidget *section = app::Windows::find(sectionOf(laws));
    QVERIFY(section->isVisible());
    QVERIFY(!first->frameGeometry().intersects(section->frameGeometry()));
    QCOMPARE(first->windowTitle(), caption);
    QCOMPARE(first->windowModality(), Qt::NonModal);
    const Qt::WindowFlags flags = first->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    auto *close = ui::control<QPushButton>(first, "Command1");
    QVERIFY(close->isDefault());
}

void LawsTest::optionsSwitchPicturesAndNote_data()
{
    QTest::addColumn<QString>("laws");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<bool>("note");
    QTest::addColumn<QString>("focus"); // at the opening only
    QTest::newRow("Form13 opens on temperatures")
        << "Form13" << QStringList() << "Op1" << QStringList{"Pic2"} << true << "Op1";
    QTest::newRow("Form13 angles") << "Form13" << QStringList{"Op2"} << "Op2" << QStringList{"Pic3"} << false << "";
    QTest::newRow("Form13 angles, then temperatures")
        << "Form13" << QStringList{"Op2", "Op1"} << "Op1" << QStringList{"Pic2"} << true << "";
    QTest::newRow("Form13 temperatures chosen again")
        << "Form13" << QStringList{"Op1"} << "Op1" << QStringList{"Pic2"} << true << "";
    QTest::newRow("Form19 opens without a picture")
        << "Form19" << QStringList() << "" << QStringList() << true << "Command1";
    QTest::newRow("Form19 formula") << "Form19" << QStringList{"Op1"} << "Op1" << QStringList{"Pic1"} << true << "";
    QTest::newRow("Form19 general form") << "Form19" << QStringList{"Op2"} << "Op2" << QStringList{"Pic2"} << true
                                         << "";
    QTest::newRow("Form19 general form, then formula")
        << "Form19" << QStringList{"Op2", "Op1"} << "Op1" << QStringList{"Pic1"} << true << "";
}

void LawsTest::optionsSwitchPicturesAndNote()
{
    QFETCH(QString, laws);
    QFETCH(QStringList, clicks);
    QFETCH(QString, chosen);
    QFETCH(QStringList, pictures);
    QFETCH(bool, note);
    QFETCH(QString, focus);
    QWidget *w = openLaws(laws);
    if (!focus.isEmpty())
        QCOMPARE(w->focusWidget()->objectName(), focus);
    clickAll(qPrintable(laws), clicks);
    QCOMPARE(chosenOption(w), chosen);
    QCOMPARE(shownPictures(w), pictures);
    QCOMPARE(noteShown(w), note);
}

void LawsTest::closingKeepsOrRebuilds_data()
{
    QTest::addColumn<QString>("laws");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("chosen");       // at the next opening
    QTest::addColumn<QStringList>("pictures"); // at the next opening
    QTest::addColumn<bool>("note");            // at the next opening
    for (const char *single : {"Form11", "Form12", "Form14", "Form22"}) {
        const QStringList picture{qstrcmp(single, "Form22") == 0 ? "Picture1" : "Picture2"};
        QTest::addRow("%s close button", single)
            << single << QStringList() << "button" << true << "" << picture << false;
        QTest::addRow("%s Enter", single) << single << QStringList() << "enter" << true << "" << picture << false;
        QTest::addRow("%s close box", single) << single << QStringList() << "box" << false << "" << picture << false;
    }
    QTest::newRow("Form13 angles, close button")
        << "Form13" << QStringList{"Op2"} << "button" << true << "Op2" << QStringList{"Pic3"} << false;
    QTest::newRow("Form13 angles, Enter on the option")
        << "Form13" << QStringList{"Op2"} << "enter" << true << "Op2" << QStringList{"Pic3"} << false;
    QTest::newRow("Form13 angles, close box")
        << "Form13" << QStringList{"Op2"} << "box" << false << "Op1" << QStringList{"Pic2"} << true;
    QTest::newRow("Form19 formula, close button")
        << "Form19" << QStringList{"Op1"} << "button" << true << "Op1" << QStringList{"Pic1"} << true;
    QTest::newRow("Form19 general form, Enter on the option")
        << "Form19" << QStringList{"Op2"} << "enter" << true << "Op2" << QStringList{"Pic2"} << true;
    QTest::newRow("Form19 general form, close box")
        << "Form19" << QStringList{"Op2"} << "box" << false << "" << QStringList() << true;
}

void LawsTest::closingKeepsOrRebuilds()
{
    QFETCH(QString, laws);
    QFETCH(QStringList, clicks);
    QFETCH(QString, how);
    QFETCH(bool, kept);
    QFETCH(QString, chosen);
    QFETCH(QStringList, pictures);
    QFETCH(bool, note);
    QPointer<QWidget> first = openLaws(laws);
    clickAll(qPrintable(laws), clicks);
    if (how == "button") {
        QVERIFY(ui::click(qPrintable(laws), "Command1"));
    } else if (how == "enter") {
        QWidget *focus = first->focusWidget();
        ui::pressEnter(focus ? focus : first.data());
    } else {
        // No question: a laws window simply closes.
        QVERIFY(ui::closeBox(qPrintable(laws)));
    }
    ui::settle();
    QCOMPARE(first.isNull(), !kept);
    if (kept)
        QVERIFY(!first->isVisible());
    QCOMPARE(app::Windows::find(laws) != nullptr, kept);
    QVERIFY(app::Windows::find(sectionOf(laws))->isVisible());

    QWidget *next = openLaws(laws);
    QVERIFY(next->isVisible());
    if (kept)
        QCOMPARE(next, first.data());
    QCOMPARE(chosenOption(next), chosen);
    QCOMPARE(shownPictures(next), pictures);
    QCOMPARE(noteShown(next), note);
}

void LawsTest::notes_data()
{
    QTest::addColumn<QString>("laws");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("text"); // empty: no note to be had
    QTest::addColumn<QString>("title");
    const QString kelvin = QStringList{"عند التحويل من الكالفن إلى الفهرنهايت", "يجب التحويل من الكالفن إلى المئوي",
                                       "ثم من المئوي إلى الفهرنهايت", "وكذلك العكس"}
                               .join(crlf());
    const QString roots = QStringLiteral("للمعادلة من الدرجة الثانية حلين أو جذرين اثنين") + crlf()
                          + QStringLiteral("وللمعادلة من الدرجة الأولى لها حل واحد فقط");
    QTest::newRow("Form13 at the opening") << "Form13" << QStringList() << kelvin << "ملاحظة رياضية";
    QTest::newRow("Form13 back on temperatures") << "Form13" << QStringList{"Op2", "Op1"} << kelvin << "ملاحظة رياضية";
    QTest::newRow("Form13 on angles has none") << "Form13" << QStringList{"Op2"} << ""
                                               << "";
    QTest::newRow("Form19 without a picture") << "Form19" << QStringList() << roots << "معلومة رياضية";
    QTest::newRow("Form19 on the general form") << "Form19" << QStringList{"Op2"} << roots << "معلومة رياضية";
}

void LawsTest::notes()
{
    QFETCH(QString, laws);
    QFETCH(QStringList, clicks);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QWidget *w = openLaws(laws);
    clickAll(qPrintable(laws), clicks);
    const QStringList before = shownPictures(w);
    if (text.isEmpty()) {
        QVERIFY(!ui::click(qPrintable(laws), "Command2"));
        return;
    }
    notices.expect(text, style::Information | style::RightAlign, title);
    QVERIFY(ui::click(qPrintable(laws), "Command2"));
    QCOMPARE(notices.shown.size(), 1);
    QCOMPARE(shownPictures(w), before);
    QVERIFY(w->isVisible());
}

void LawsTest::outlivesItsSection_data()
{
    QTest::addColumn<QString>("laws");
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Form11, main-menu button") << "Form11" << false;
    QTest::newRow("Form13, close box") << "Form13" << true;
    QTest::newRow("Form19, close box") << "Form19" << true;
}

void LawsTest::outlivesItsSection()
{
    QFETCH(QString, laws);
    QFETCH(bool, closeBox);
    QPointer<QWidget> w = openLaws(laws);
    const QByteArray section = sectionOf(laws).toLatin1();
    if (closeBox) {
        notices.expect(QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟"),
                       style::YesNo | style::RightAlign, QStringLiteral("إغلاق النافذة"), answer::Yes);
        QVERIFY(ui::closeBox(section.constData()));
    } else {
        QVERIFY(ui::click(section.constData(), "Command3"));
    }
    ui::settle();
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(w);
    QVERIFY(w->isVisible());
}

void LawsTest::captionsAreNotClipped_data()
{
    QTest::addColumn<QString>("laws");
    QTest::addColumn<QString>("control");
    for (const char *w : {"Form11", "Form12", "Form14", "Form22"})
        QTest::addRow("%s footer title", w) << w << "Label9";
    for (const char *w : {"Form13", "Form19"}) {
        for (const char *c : {"Op1", "Op2", "Command1", "Command2"})
            QTest::addRow("%s %s", w, c) << w << c;
    }
}

void LawsTest::captionsAreNotClipped()
{
    QFETCH(QString, laws);
    QFETCH(QString, control);
    QWidget *w = openLaws(laws);
    QWidget *c = ui::control(w, qPrintable(control));
    QString text;
    QRect room;
    if (auto *label = qobject_cast<QLabel *>(c)) {
        text = label->text();
        room = label->contentsRect();
    } else {
        auto *button = qobject_cast<QAbstractButton *>(c);
        text = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const auto element = qobject_cast<QRadioButton *>(c) ? QStyle::SE_RadioButtonContents
                                                             : QStyle::SE_PushButtonContents;
        room = c->style()->subElementRect(element, &option, c);
    }
    const QFontMetricsF metrics(c->font());
    QVERIFY2(
        metrics.horizontalAdvance(text) <= room.width(),
        qPrintable(
            QStringLiteral("%1 needs %2 px, has %3").arg(text).arg(metrics.horizontalAdvance(text)).arg(room.width())));
    QVERIFY(metrics.height() <= c->height());
    QVERIFY(w->rect().contains(c->geometry()));
}

void LawsTest::picturesFitTheirBoxes_data()
{
    QTest::addColumn<QString>("laws");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("clicks");
    QTest::newRow("areas") << "Form11"
                           << "Picture2" << QStringList();
    QTest::newRow("perimeters") << "Form12"
                                << "Picture2" << QStringList();
    QTest::newRow("temperature") << "Form13"
                                 << "Pic2" << QStringList();
    QTest::newRow("angles") << "Form13"
                            << "Pic3" << QStringList{"Op2"};
    QTest::newRow("volumes") << "Form14"
                             << "Picture2" << QStringList();
    QTest::newRow("quadratic formula") << "Form19"
                                       << "Pic1" << QStringList{"Op1"};
    QTest::newRow("general form") << "Form19"
                                  << "Pic2" << QStringList{"Op2"};
    QTest::newRow("trigonometry") << "Form22"
                                  << "Picture1" << QStringList();
}

// Every line of a picture lies inside what its box shows, no two lines
// overlap, and no markup is left over as text.
void LawsTest::picturesFitTheirBoxes()
{
    QFETCH(QString, laws);
    QFETCH(QString, box);
    QFETCH(QStringList, clicks);
    QWidget *w = openLaws(laws);
    clickAll(qPrintable(laws), clicks);
    auto *shown = ui::control<reference::PictureBox>(w, qPrintable(box));
    QVERIFY(shown->isVisible());
    const QSizeF size = shown->shownSize();
    QCOMPARE(size.width(), qreal(reference::PictureWidth));
    QVERIFY(shown->contentsRect().width() >= reference::PictureWidth);
    const QRectF area = QRectF(QPointF(0, 0), size).adjusted(-0.5, -0.5, 0.5, 0.5);
    const QList<Piece> pieces = reference::PictureLayout(shown->picture(), size.height()).pieces();
    QVERIFY(!pieces.isEmpty());
    for (const Piece &p : pieces) {
        QVERIFY2(area.contains(p.box),
                 qPrintable(QStringLiteral("'%1' of line %2 leaves the box").arg(p.text).arg(p.line)));
        for (const QChar c : QStringLiteral("[]{}^\\"))
            QVERIFY2(!p.text.contains(c), qPrintable(p.text));
        for (const Piece &q : pieces) {
            if (p.line != q.line)
                QVERIFY2(!p.box.intersects(q.box), qPrintable(QStringLiteral("'%1' meets '%2'").arg(p.text, q.text)));
        }
    }
}

void LawsTest::wordsKeepTheirColours_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QColor>("colour");
    const QColor red("red"), green("green"), blue("blue"), darkred("darkred");
    for (Picture p : {Picture::Areas, Picture::Perimeters, Picture::Volumes, Picture::Angles}) {
        QTest::addRow("ط in picture %d", int(p)) << p << "ط" << red;
        if (p != Picture::Angles)
            QTest::addRow("نق in picture %d", int(p)) << p << "نق" << green;
    }
    QTest::newRow("Celsius") << Picture::Temperature << "الدرجة المئوية" << blue;
    QTest::newRow("Kelvin") << Picture::Temperature << "الكالفن" << green;
    QTest::newRow("Fahrenheit") << Picture::Temperature << "فهرنهايت" << darkred;
    QTest::newRow("radians") << Picture::Angles << "التقدير الدائري" << green;
    QTest::newRow("degrees") << Picture::Angles << "التقدير الستيني" << blue;
    QTest::newRow("x") << Picture::QuadraticFormula << "س" << QColor("magenta");
    QTest::newRow("a") << Picture::QuadraticFormula << "أ" << blue;
    QTest::newRow("b") << Picture::QuadraticFormula << "ب" << green;
    QTest::newRow("c") << Picture::QuadraticFormula << "جـ" << red;
    QTest::newRow("area names") << Picture::Areas << "مساحة" << blue;
    QTest::newRow("perimeter names") << Picture::Perimeters << "محيط" << blue;
    QTest::newRow("volume names") << Picture::Volumes << "حجم" << blue;
}

// Wherever the word stands in the picture, it has its colour.
void LawsTest::wordsKeepTheirColours()
{
    QFETCH(Picture, picture);
    QFETCH(QString, word);
    QFETCH(QColor, colour);
    int found = 0;
    const reference::PictureLayout layout(picture, reference::pictureHeight(picture));
    for (const Piece &p : layout.pieces()) {
        if (p.kind != Piece::Text || !holdsWord(p.text, word))
            continue;
        ++found;
        QVERIFY2(p.colour == colour, qPrintable(QStringLiteral("'%1' is %2").arg(p.text, p.colour.name())));
    }
    QVERIFY(found > 0);
}

void LawsTest::markupIsSetRightToLeft_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("relation");
    QTest::newRow("a name stands before its equals sign") << "[blue:الكالفن] = ٢٧٣"
                                                          << "الكالفن"
                                                          << "= ٢٧٣"
                                                          << "right of";
    QTest::newRow("one item after another") << "٤ × [red:ط] × [green:نق]"
                                            << "ط"
                                            << "نق"
                                            << "right of";
    QTest::newRow("an exponent follows its base, raised") << "[green:نق]^{٢} × ٢"
                                                          << "٢"
                                                          << "نق"
                                                          << "raised after";
    QTest::newRow("an exponent after a bracket") << "(طول الحرف)^{٣}"
                                                 << "٣"
                                                 << "(طول الحرف)"
                                                 << "raised after";
    QTest::newRow("numerator over denominator") << "\\frac{[red:ط] × ١٨٠}{١,٨}"
                                                << "× ١٨٠"
                                                << "١,٨"
                                                << "over";
    QTest::newRow("a fraction follows the equals sign") << "س = \\frac{أ}{ب}"
                                                        << "س ="
                                                        << "ب"
                                                        << "right of";
    QTest::newRow("a radical covers its body") << "\\sqrt{ب^{٢} − ٤}"
                                               << "√"
                                               << "− ٤"
                                               << "covers";
    QTest::newRow("a radical covers a raised digit") << "\\sqrt{ب^{٢} − ٤}"
                                                     << "√"
                                                     << "٢"
                                                     << "covers";
    QTest::newRow("a radical opens toward the left") << "\\sqrt{ب − ٤}"
                                                     << "√"
                                                     << "ب − ٤"
                                                     << "opens left of";
    QTest::newRow("a radical inside a numerator") << "\\frac{−ب ± \\sqrt{ب − ٤}}{٢ × أ}"
                                                  << "√"
                                                  << "٢ × أ"
                                                  << "over";
}

void LawsTest::markupIsSetRightToLeft()
{
    QFETCH(QString, markup);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, relation);
    const QList<Piece> pieces = reference::FormulaLayout(markup).pieces();
    const Piece *a = pieceWith(pieces, first);
    const Piece *b = pieceWith(pieces, second);
    QVERIFY2(a && b, qPrintable(joinedText(pieces)));
    const QRectF A = a->box, B = b->box;
    const qreal slack = 0.01;
    if (relation == "right of") {
        QVERIFY(A.left() >= B.right() - slack);
    } else if (relation == "raised after") {
        QVERIFY(A.right() <= B.left() + slack);
        QVERIFY(a->origin.y() < b->origin.y());
        QVERIFY(a->font.pixelSize() < b->font.pixelSize());
    } else if (relation == "over") {
        QVERIFY(A.bottom() <= B.top());
        QVERIFY(A.left() < B.right() && B.left() < A.right());
    } else if (relation == "covers") {
        QVERIFY(A.left() <= B.left() && A.right() >= B.right());
        QVERIFY(A.top() < B.top());
    } else if (relation == "opens left of") {
        // The sign's hook stands at the right of the body, its bar over it.
        QVERIFY(A.right() > B.right() + 2);
        QVERIFY(A.left() <= B.left());
    } else {
        QFAIL("unknown relation");
    }
}

void LawsTest::malformedMarkupStaysVisible_data()
{
    QTest::addColumn<QString>("markup");
    QTest::newRow("unknown colour") << "[nocolour:أ] = ب";
    QTest::newRow("group left open") << "[blue:أ = ب";
    QTest::newRow("exponent without braces") << "س^٢";
    QTest::newRow("fraction without denominator") << "\\frac{أ} = ب";
    QTest::newRow("unknown command") << "\\root{أ}";
    QTest::newRow("stray closing brace") << "أ} = ب]";
}

// A slip in a picture's markup shows as it is written rather than vanish.
void LawsTest::malformedMarkupStaysVisible()
{
    QFETCH(QString, markup);
    QCOMPARE(joinedText(reference::FormulaLayout(markup).pieces()), markup);
}

// The volumes window computes the sphere from the cube of the radius; its
// picture says so.
void LawsTest::sphereVolumeIsTheCubeOfTheRadius()
{
    const QStringList lines = reference::lines(Picture::Volumes);
    QVERIFY(lines.contains(QStringLiteral("حجم الكرة = ٤/٣ × ط × نق٣")));
}

QTEST_MAIN(LawsTest)
#include "test_laws.moc"
