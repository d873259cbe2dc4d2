// Worked steps: the digit shapes, the plain text a pupil copies and a screen
// reader reads, a calculation that publishes its steps (and its failure), and
// the steps window of a small section window: the ways to open it, following
// new calculations, closing it, the digit choice that sets the steps and the
// laws pictures again.

#include "support/scripted.h"
#include "support/stepstext.h"

#include "kit/dispatch.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "numtext/digits.h"
#include "numtext/steps.h"
#include "reference/pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextLayout>

#include <memory>

using numtext::DigitShape;
using numtext::num;
using numtext::Steps;

using namespace stepstext;

Q_DECLARE_METATYPE(numtext::Refusal)

namespace {
// The circle's area as a section window works it out.
double circleArea(double r, Steps &s)
{
    constexpr double Pi = 3.141592;
    s.line("[blue:المساحة] = [red:ط] × [green:نق]^{2}");
    s.line("= ", num(Pi), " × ", num(r), "^{2}");
    const double square = numtext::times(r, r);
    s.line("= ", num(Pi), " × ", num(square));
    const double area = numtext::times(square, Pi);
    s.result(area);
    return area;
}

// A section window reduced to what the steps need: a radius, a calculate
// button, a result box and the steps offered in a corner.
class Section : public QWidget {
public:
    Section()
    {
        setObjectName(QStringLiteral("Section"));
        setLayoutDirection(Qt::RightToLeft);
        resize(400, 240);
        radius = new QLineEdit(this);
        radius->setObjectName(QStringLiteral("tc2"));
        radius->setGeometry(150, 60, 120, 24);
        result = new QLineEdit(this);
        result->setObjectName(QStringLiteral("tc3"));
        result->setReadOnly(true);
        result->setGeometry(150, 120, 120, 24);
        calculate = new QPushButton(QStringLiteral("احسب"), this);
        calculate->setObjectName(QStringLiteral("Comc"));
        calculate->setGeometry(150, 170, 120, 28);
        steps = app::offerSteps(this, {result}, QRect(8, 6, 90, 22));
        app::on(calculate, &QPushButton::clicked, this, &Section::Comc_Click);
    }

    void Comc_Click()
    {
        if (numtext::isEmpty(radius->text())) {
            numtext::notice(QStringLiteral("اكتب نصف القطر"), numtext::style::RightAlign, QStringLiteral("فارغ"));
            steps->refuse(numtext::Refusal::EmptyBox, QStringLiteral("اكتب نصف القطر"));
            return;
        }
        const double r = numtext::leadingNumber(radius->text());
        steps->record([&](Steps &s) { result->setText(numtext::format(circleArea(r, s))); });
    }

    void work(const QString &r)
    {
        radius->setText(r);
        calculate->click();
    }

    QLineEdit *radius, *result;
    QPushButton *calculate;
    app::StepsSource *steps;
};

QString textOf(const reference::FormulaLayout &f)
{
    QString s;
    for (const reference::Piece &p : f.pieces())
        if (p.kind == reference::Piece::Text)
            s += p.text + u'|';
    return s;
}

QString textOf(const reference::StepsView *view)
{
    QString s;
    for (const reference::FormulaLayout &f : view->layouts())
        s += textOf(f) + u'\n';
    return s;
}

QString footerOf(const reference::PictureLayout &layout)
{
    for (const reference::Piece &p : layout.pieces())
        if (p.kind == reference::Piece::Text && p.text.startsWith(QStringLiteral("ط =")))
            return p.text;
    return QString();
}

} // namespace

class StepsTest : public QObject {
    Q_OBJECT
    ScriptedPresenter notices;
    std::unique_ptr<numtext::DigitChoice> digits;
    std::unique_ptr<Section> section;

    reference::StepsWindow *stepsWindow() const { return section->steps->stepsWindow(); }
    bool stepsShown() const { return stepsWindow() && stepsWindow()->isVisible(); }
    void open()
    {
        section->steps->open();
        QVERIFY(QTest::qWaitForWindowExposed(stepsWindow()));
    }

private slots:
    void initTestCase() { quietenHeadlessWarnings(); }

    void init()
    {
        notices = ScriptedPresenter();
        numtext::setNoticePresenter(&notices);
        digits = std::make_unique<numtext::DigitChoice>();
        numtext::DigitChoice::install(digits.get());
        numtext::setDigitShape(DigitShape::ArabicIndic);
        section = std::make_unique<Section>();
        section->move(380, 40);
        section->show();
        section->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(section.get()));
    }

    void cleanup()
    {
        section.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        numtext::setNoticePresenter(nullptr);
        digits.reset();
        QVERIFY2(notices.pending.empty(), "an expected notice was never shown");
    }

    void shapesDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<DigitShape>("shape");
        QTest::addColumn<QString>("shaped");
        const auto A = DigitShape::ArabicIndic, W = DigitShape::Western;
        QTest::newRow("decimal, ١٢٣") << "= 3.141592" << A << "= ٣٫١٤١٥٩٢";
        QTest::newRow("decimal, 123") << "= 3.141592" << W << "= 3.141592";
        QTest::newRow("the laws' comma, 123") << "[red:ط = ٣,١٤]" << W << "[red:ط = 3.14]";
        QTest::newRow("the laws' comma, ١٢٣") << "[red:ط = ٣,١٤]" << A << "[red:ط = ٣٫١٤]";
        QTest::newRow("Arabic separator, 123") << "١٢٫٥" << W << "12.5";
        QTest::newRow("a comma that separates words stays") << "أ, 5" << A << "أ, ٥";
        QTest::newRow("a full stop that ends a sentence stays") << "العدد 7." << A << "العدد ٧.";
        QTest::newRow("one-line fraction") << "١/٢ × القاعدة" << W << LRI + "1/2" + PDI + " × القاعدة";
        QTest::newRow("digits after a letter") << "س١ = 2" << W << "س1 = 2";
        QTest::newRow("Extended Arabic-Indic digits") << "۱۲" << A << "١٢";
        QTest::newRow("exponent digits") << "نق^{2}" << A << "نق^{٢}";
        QTest::newRow("negative, ١٢٣") << "= -3.5 × 2" << A << "= " + ALM + "−٣٫٥ × ٢";
        QTest::newRow("negative, 123") << "= -3.5 × 2" << W << "= " + LRI + "−3.5 × 2" + PDI;
        QTest::newRow("negative in brackets") << "(-2)" << W << LRI + "(−2)" + PDI;
        QTest::newRow("negative one-line fraction, 123") << "7/26 − (-1/20)" << W << LRI + "7/26 − (−1/20)" + PDI;
        QTest::newRow("negative one-line fraction, ١٢٣") << "(-1/20)" << A << "(" + ALM + "−١/٢٠)";
        QTest::newRow("a minus between numbers subtracts") << "5 − 3" << W << LRI + "5 − 3" + PDI;
        QTest::newRow("a minus after a letter subtracts") << "ب−4" << A << "ب−٤";
        QTest::newRow("exponent form, 123") << "= 1.5E+15" << W << "= " + LRI + "1.5 × 10^{15}" + PDI;
        QTest::newRow("exponent form, ١٢٣") << "= 1.5E+15" << A << "= ١٫٥ × ١٠^{١٥}";
        QTest::newRow("small exponent form, ١٢٣") << "= 2.5E-10" << A << "= ٢٫٥ × ١٠^{" + ALM + "−١٠}";
        QTest::newRow("negative exponent form, 123") << "= -2E-05" << W << "= " + LRI + "−2 × 10^{−5}" + PDI;
        QTest::newRow("no leading zeros in the exponent, ١٢٣") << "1E-06" << A << "١ × ١٠^{" + ALM + "−٦}";
        QTest::newRow("exponent form divided, 123") << "6 ÷ 1E-06" << W << LRI + "6 ÷ (1 × 10^{−6})" + PDI;
        QTest::newRow("exponent form raised, ١٢٣") << "1E+200^{2}" << A << "(١ × ١٠^{٢٠٠})^{٢}";
        QTest::newRow("exponent form divided, ١٢٣") << "6 ÷ -1.5E+15" << A << "٦ ÷ (" + ALM + "−١٫٥ × ١٠^{١٥})";
        QTest::newRow("exponent form raised, 123") << "1E+200^{2}" << W << LRI + "(1 × 10^{200})^{2}" + PDI;
        QTest::newRow("a word with E stays") << "E 2" << A << "E ٢";
        QTest::newRow("colour names stay") << "[#0000ff:12] [blue bold:3]" << A << "[#0000ff:١٢] [blue bold:٣]";
        QTest::newRow("shaped twice, ١٢٣") << "= " + ALM + "-٣" << A << "= " + ALM + "−٣";
        QTest::newRow("shaped twice, 123") << "= " + LRM + "-3" + RLM + " × 2" << W << "= " + LRI + "−3 × 2" + PDI;
        QTest::newRow("from 123 to ١٢٣") << "= " + LRM + "-3" + RLM << A << "= " + ALM + "−٣" + RLM;
    }

    void shapesDigits()
    {
        QFETCH(QString, text);
        QFETCH(DigitShape, shape);
        QFETCH(QString, shaped);
        QCOMPARE(numtext::shapeDigits(text, shape), shaped);
    }

    void localeGivesTheDefaultShape_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<DigitShape>("shape");
        QTest::newRow("Egypt") << "ar_EG" << DigitShape::ArabicIndic;
        QTest::newRow("Saudi Arabia") << "ar_SA" << DigitShape::ArabicIndic;
        QTest::newRow("Morocco") << "ar_MA" << DigitShape::Western;
        QTest::newRow("Algeria") << "ar_DZ" << DigitShape::Western;
        QTest::newRow("Tunisia") << "ar_TN" << DigitShape::Western;
        QTest::newRow("United States") << "en_US" << DigitShape::ArabicIndic;
        QTest::newRow("C") << "C" << DigitShape::ArabicIndic;
    }

    void localeGivesTheDefaultShape()
    {
        QFETCH(QString, locale);
        QFETCH(DigitShape, shape);
        QCOMPARE(numtext::localeDigitShape(QLocale(locale)), shape);
    }

    void choosingTheSameShapeChangesNothing()
    {
        auto &choice = numtext::DigitChoice::instance();
        const quint64 before = choice.serial();
        int heard = 0;
        const auto c = connect(&choice, &numtext::DigitChoice::changed, this, [&] { ++heard; });
        numtext::setDigitShape(DigitShape::ArabicIndic);
        QCOMPARE(heard, 0);
        numtext::setDigitShape(DigitShape::Western);
        QCOMPARE(heard, 1);
        QCOMPARE(choice.serial(), before + 1);
        disconnect(c);
    }

    void buildsSteps()
    {
        Steps s;
        s.line("= ", num(0.1 + 0.2), " × ", QStringLiteral("نق"), u"^{2}");
        s.result(QStringLiteral("س١"), -0.5);
        s.result(1e15);
        QCOMPARE(s.lines(), (QStringList{"= 0.3 × نق^{2}", "س١ = −0.5", "= 1 × 10^{15}"}));
        QCOMPARE(s.results(), (QStringList{"-0.5", "1E+15"}));
        QVERIFY(!s.failed());
        s.fail(QStringLiteral("ظا 90° غير معرف"));
        s.fail(numtext::Failure::Overflow);
        QCOMPARE(s.failure(), QStringLiteral("ظا 90° غير معرف"));
        QVERIFY(Steps().isEmpty());
        QVERIFY(!Steps().fail(numtext::Failure::DivisionByZero).isEmpty());
    }

    void plainText_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<DigitShape>("shape");
        QTest::addColumn<QString>("text");
        const QStringList circle{"[blue:المساحة] = [red:ط] × [green:نق]^{2}", "= 3.141592 × 2^{2}", "= 3.141592 × 4",
                                 "= 12.566368"};
        QTest::newRow("circle, ١٢٣") << circle << QString() << DigitShape::ArabicIndic
                                     << rtl({"المساحة = ط × نق²", "= ٣٫١٤١٥٩٢ × ٢²", "= ٣٫١٤١٥٩٢ × ٤", "= ١٢٫٥٦٦٣٦٨"});
        QTest::newRow("circle, 123") << circle << QString() << DigitShape::Western
                                     << rtl({"المساحة = ط × نق²", "= " + LRI + "3.141592 × 2²" + PDI,
                                             "= " + LRI + "3.141592 × 4" + PDI, "= 12.566368"});
        QTest::newRow("a failure ends the steps")
            << QStringList{"ظا 90° = جا 90° ÷ جتا 90°"} << "ظا 90° غير معرف لأن جتا 90° = 0" << DigitShape::ArabicIndic
            << rtl({"ظا ٩٠° = جا ٩٠° ÷ جتا ٩٠°", "ظا ٩٠° غير معرف لأن جتا ٩٠° = ٠"});
        QTest::newRow("a failure before any line")
            << QStringList() << "لا يمكن القسمة على صفر" << DigitShape::Western << rtl({"لا يمكن القسمة على صفر"});
        QTest::newRow("fraction and radical, 123")
            << QStringList{"س = \\frac{-3 + \\sqrt{25}}{2 × 1}", "= \\frac{2}{2}"} << QString() << DigitShape::Western
            << rtl({"س = " + LRI + "(−3 + √(25)) ÷ (2 × 1)" + PDI, "= " + LRI + "2 ÷ 2" + PDI});
        QTest::newRow("fraction and radical, ١٢٣")
            << QStringList{"س = \\frac{-3 + \\sqrt{25}}{2 × 1}"} << QString() << DigitShape::ArabicIndic
            << rtl({"س = (" + ALM + "−٣ + √(٢٥)) ÷ (٢ × ١)"});
        QTest::newRow("a raised word") << QStringList{"= ١٠^{س}"} << QString() << DigitShape::ArabicIndic
                                       << rtl({"= ١٠^(س)"});
        QTest::newRow("exponent form, ١٢٣")
            << QStringList{"= 1.5E+15"} << QString() << DigitShape::ArabicIndic << rtl({"= ١٫٥ × ١٠¹⁵"});
        QTest::newRow("exponent form, 123") << QStringList{"= 1E-06 ÷ 1000"} << QString() << DigitShape::Western
                                            << rtl({"= " + LRI + "1 × 10⁻⁶ ÷ 1000" + PDI});
        QTest::newRow("nothing worked yet")
            << QStringList() << QString() << DigitShape::ArabicIndic << rtl({"لم يُجرَ أي حساب بعد في هذه النافذة"});
    }

    void plainText()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, failure);
        QFETCH(DigitShape, shape);
        QFETCH(QString, text);
        Steps s;
        for (const QString &l : lines)
            s.line(l);
        if (!failure.isEmpty())
            s.fail(failure);
        QCOMPARE(reference::stepsText(s, shape), text);
    }

    // The last step's number is the result box's text, character for
    // character, when the digits are 123.
    void lastStepIsTheResultBox_data()
    {
        QTest::addColumn<QString>("radius");
        QTest::newRow("whole") << "2";
        QTest::newRow("fraction") << "0.3";
        QTest::newRow("large") << "123456789";
        QTest::newRow("tiny") << "1E-4";
    }

    void lastStepIsTheResultBox()
    {
        QFETCH(QString, radius);
        section->work(radius);
        const Steps &s = section->steps->last();
        QCOMPARE(s.results(), QStringList{section->result->text()});
        // The result box's text, in the steps' notation (a power of ten for
        // the exponent form).
        const QString last = reference::stepsText(s, DigitShape::Western).split(u'\n').last();
        QVERIFY2(stepstext::isResultLine(last, section->result->text()), qPrintable(last));
    }

    void beforeAnyCalculation()
    {
        open();
        QCOMPARE(stepsWindow()->windowTitle(), QStringLiteral("خطوات الحل"));
        QCOMPARE(stepsWindow()->view()->plainText(), RLM + "لم يُجرَ أي حساب بعد في هذه النافذة");
        QCOMPARE(textOf(stepsWindow()->view()), QStringLiteral("لم يُجرَ أي حساب بعد في هذه النافذة|\n"));
    }

    void opens_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("F2") << "F2";
        QTest::newRow("context menu") << "menu";
        QTest::newRow("double-click") << "double-click";
        QTest::newRow("button") << "button";
    }

    void opens()
    {
        QFETCH(QString, way);
        section->work("2");
        QVERIFY(!stepsWindow());
        if (way == "F2") {
            QTest::keyClick(section->radius, Qt::Key_F2);
        } else if (way == "menu") {
            const QPoint at = section->result->rect().center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, section->result->mapToGlobal(at));
            QApplication::sendEvent(section->result, &event);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            // The box's own items are there, the steps last.
            QVERIFY(menu->actions().size() > 2);
            QAction *show = menu->actions().last();
            QCOMPARE(show->text(), QStringLiteral("اعرض خطوات الحل"));
            show->trigger();
            menu->close();
        } else if (way == "double-click") {
            QTest::mouseDClick(section->result, Qt::LeftButton, Qt::NoModifier, section->result->rect().center());
        } else {
            auto *button = section->findChild<QPushButton *>(QStringLiteral("StepsButton"));
            QVERIFY(button);
            QCOMPARE(button->text(), QStringLiteral("خطوات الحل"));
            QVERIFY(button->toolTip().contains(QStringLiteral("F2")));
            QVERIFY(button->isVisible());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QVERIFY(stepsShown());
        QCOMPARE(stepsWindow()->view()->steps(), section->steps->last());
        // Opening again leaves one steps window.
        reference::StepsWindow *first = stepsWindow();
        QTest::keyClick(section->radius, Qt::Key_F2);
        QCOMPARE(stepsWindow(), first);
        QCOMPARE(QApplication::topLevelWidgets().count(QPointer<QWidget>(first).data()), 1);
    }

    // A window that offers its steps once it is shown has the button too,
    // above the banner it stands on.
    void offeredOnAShownWindow()
    {
        QWidget window;
        auto *banner = new QWidget(&window);
        banner->setGeometry(0, 0, 300, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        app::StepsSource *source = app::offerSteps(&window, {}, QRect(10, 50, 80, 22));
        auto *button = window.findChild<QPushButton *>(QStringLiteral("StepsButton"));
        QVERIFY(button->isVisible());
        QCOMPARE(window.childAt(button->geometry().center()), button);
        QCOMPARE(app::stepsOf(&window), source);
    }

    void followsTheSectionWindow()
    {
        section->work("2");
        open();
        QVERIFY(stepsWindow()->view()->plainText().endsWith("= ١٢٫٥٦٦٣٦٨"));
        section->work("3");
        QCOMPARE(section->result->text(), QStringLiteral("28.274328"));
        QVERIFY(stepsWindow()->view()->plainText().endsWith("= ٢٨٫٢٧٤٣٢٨"));
        QVERIFY(textOf(stepsWindow()->view()).contains(QStringLiteral("= ٢٨٫٢٧٤٣٢٨")));

        // Refused by an empty field: nothing was computed, and the window
        // says so and why instead of the steps of the calculation before.
        notices.expect(QStringLiteral("اكتب نصف القطر"), numtext::style::RightAlign, QStringLiteral("فارغ"));
        section->work(QString());
        QCOMPARE(section->result->text(), QStringLiteral("28.274328"));
        QCOMPARE(stepsWindow()->view()->plainText(),
                 rtl({"لم يتم الحساب: الخانة فارغة، والخانات تبقى على نتيجة الحساب السابق", "اكتب نصف القطر"}));
        // Its two lines, the first wrapped where the window needs it.
        QCOMPARE(textOf(stepsWindow()->view()).replace(u'|', u' ').replace(u'\n', u' ').simplified(),
                 numtext::refusalText(numtext::Refusal::EmptyBox) + QStringLiteral(" اكتب نصف القطر"));
        // The next calculation shows its steps again.
        section->work("3");
        QVERIFY(stepsWindow()->view()->plainText().endsWith("= ٢٨٫٢٧٤٣٢٨"));

        // A failure: the steps up to it, then its text; the box keeps its text.
        expectFailure(notices, numtext::Failure::Overflow);
        section->work("1E200");
        QCOMPARE(section->result->text(), QStringLiteral("28.274328"));
        const Steps &s = stepsWindow()->view()->steps();
        QCOMPARE(s.lines().size(), 2);
        QCOMPARE(s.failure(), numtext::failureText(numtext::Failure::Overflow));
        QVERIFY(stepsWindow()->view()->plainText().endsWith(RLM + numtext::failureText(numtext::Failure::Overflow)));
        QVERIFY(textOf(stepsWindow()->view()).contains(QStringLiteral("× (١ × ١٠|٢٠٠|)|٢|")));
    }

    void stepsWaitForTheWindowWhileItIsHidden()
    {
        open();
        stepsWindow()->close();
        section->work("2");
        QCOMPARE(stepsWindow()->view()->steps(), section->steps->last());
    }

    void closes_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close button") << "button";
        QTest::newRow("close box") << "box";
    }

    void closes()
    {
        QFETCH(QString, way);
        open();
        QVERIFY(!stepsWindow()->isModal());
        if (way == "Escape")
            QTest::keyClick(stepsWindow()->view(), Qt::Key_Escape);
        else if (way == "button")
            QTest::mouseClick(stepsWindow()->findChild<QPushButton *>(QStringLiteral("CloseButton")), Qt::LeftButton);
        else
            QVERIFY(stepsWindow()->close());
        QVERIFY(!stepsShown());
        QVERIFY(section->isVisible());
    }

    void goesWithItsSectionWindow()
    {
        open();
        QPointer<reference::StepsWindow> steps = stepsWindow();
        section.reset();
        QVERIFY(!steps);
    }

    void copiesTheSteps()
    {
        section->work("2");
        open();
        auto *arabic = stepsWindow()->findChild<QRadioButton *>(QStringLiteral("ArabicDigits"));
        auto *western = stepsWindow()->findChild<QRadioButton *>(QStringLiteral("WesternDigits"));
        auto *copy = stepsWindow()->findChild<QPushButton *>(QStringLiteral("CopyButton"));
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 rtl({"المساحة = ط × نق²", "= ٣٫١٤١٥٩٢ × ٢²", "= ٣٫١٤١٥٩٢ × ٤", "= ١٢٫٥٦٦٣٦٨"}));
        QTest::mouseClick(western, Qt::LeftButton);
        QTest::mouseClick(copy, Qt::LeftButton);
        // The runs of mathematics stay whole where the text is pasted.
        QCOMPARE(QGuiApplication::clipboard()->text(), rtl({"المساحة = ط × نق²", "= " + LRI + "3.141592 × 2²" + PDI,
                                                            "= " + LRI + "3.141592 × 4" + PDI, "= 12.566368"}));
        QTest::mouseClick(arabic, Qt::LeftButton);
        QCOMPARE(numtext::digitShape(), DigitShape::ArabicIndic);
    }

    // A screen reader walks the steps line by line, in words for the ear.
    void stepsAreHeardLineByLine()
    {
        open();
        reference::StepsView *view = stepsWindow()->view();
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 1);
        QCOMPARE(list->child(0)->text(QAccessible::Name), reference::noStepsText());
        numtext::setDigitShape(DigitShape::Western);
        section->work("2");
        QCOMPARE(list->childCount(), 4);
        QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("المساحة يساوي ط ضرب نق تربيع"));
        QCOMPARE(list->child(1)->text(QAccessible::Name), QStringLiteral("يساوي 3 فاصلة 1 4 1 5 9 2 ضرب 2 تربيع"));
        QCOMPARE(list->child(3)->text(QAccessible::Name), QStringLiteral("يساوي 12 فاصلة 5 6 6 3 6 8"));
        view->setFocus();
        QCOMPARE(app::currentLine(view), 0);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(app::currentLine(view), 1);
        QVERIFY(list->child(1)->state().selected);
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(app::currentLine(view), 3);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(app::currentLine(view), 3);
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(app::currentLine(view), 0);
    }

    void everyControlIsNamed()
    {
        open();
        const QList<QWidget *> controls = stepsWindow()->findChildren<QWidget *>();
        for (const char *name :
             {"StepsView", "StepsArea", "ArabicDigits", "WesternDigits", "CopyButton", "CloseButton", "DigitsLabel"}) {
            QWidget *w = stepsWindow()->findChild<QWidget *>(QString::fromLatin1(name));
            QVERIFY2(w, name);
            QVERIFY2(!w->accessibleName().isEmpty(), name);
            QVERIFY2(w->accessibleName().contains(QRegularExpression(QStringLiteral("[\u0600-\u06FF]"))), name);
        }
        QVERIFY(stepsWindow()->windowFlags() & Qt::WindowCloseButtonHint);
    }

    // The digit choice sets the steps and every laws picture again.
    void digitChoiceSetsStepsAndPictures()
    {
        reference::PictureBox picture(nullptr, "Picture2", QRect(0, 0, 310, 410), reference::Picture::Areas);
        const quint64 before = picture.layout().serial();
        QCOMPARE(footerOf(picture.layout()), QStringLiteral("ط = ٣٫١٤"));
        section->work("2");
        open();
        QVERIFY(textOf(stepsWindow()->view()).contains(QStringLiteral("= ٣٫١٤١٥٩٢ × ٢|")));

        QTest::mouseClick(stepsWindow()->findChild<QRadioButton *>(QStringLiteral("WesternDigits")), Qt::LeftButton);
        QCOMPARE(numtext::digitShape(), DigitShape::Western);
        // The run of mathematics, set apart from the "=" before it.
        QVERIFY(textOf(stepsWindow()->view()).contains(QStringLiteral("= |3.141592 × 2|2|")));
        QVERIFY(picture.layout().serial() != before);
        QCOMPARE(footerOf(picture.layout()), QStringLiteral("ط = 3.14"));
        QVERIFY(app::spokenLines(&picture).contains(QStringLiteral("ط يساوي 3 فاصلة 1 4")));

        QTest::mouseClick(stepsWindow()->findChild<QRadioButton *>(QStringLiteral("ArabicDigits")), Qt::LeftButton);
        QCOMPARE(footerOf(picture.layout()), QStringLiteral("ط = ٣٫١٤"));
        QVERIFY(textOf(stepsWindow()->view()).contains(QStringLiteral("= ١٢٫٥٦٦٣٦٨|")));
    }

    // A choice made in one steps window shows in another.
    void stepsWindowsShareTheChoice()
    {
        open();
        Section other;
        other.steps->open();
        numtext::setDigitShape(DigitShape::Western);
        QVERIFY(other.steps->stepsWindow()->findChild<QRadioButton *>(QStringLiteral("WesternDigits"))->isChecked());
        QVERIFY(stepsWindow()->findChild<QRadioButton *>(QStringLiteral("WesternDigits"))->isChecked());
    }

    void startsBesideItsSectionWindow_data()
    {
        QTest::addColumn<int>("sectionX");
        QTest::addColumn<QString>("side");
        QTest::newRow("room at the left") << 420 << "left";
        QTest::newRow("no room at the left") << 0 << "right";
    }

    void startsBesideItsSectionWindow()
    {
        QFETCH(int, sectionX);
        QFETCH(QString, side);
        section->move(sectionX, 30);
        open();
        const QRect own = section->frameGeometry(), steps = stepsWindow()->frameGeometry();
        QCOMPARE(steps.top(), own.top());
        // 8 pixels apart; the borders a window gets when it is first shown
        // may take a few of them.
        const int gap = side == "left" ? own.left() - steps.right() - 1 : steps.left() - own.right() - 1;
        QVERIFY2(gap >= 0 && gap <= 8, qPrintable(QString::number(gap)));
    }

    // Each opening fits the window to its steps, until the pupil sizes it.
    void sizeFollowsTheStepsUntilThePupilSizesIt()
    {
        open();
        const QSize empty = stepsWindow()->size();
        stepsWindow()->close();
        section->work("2");
        Steps s = section->steps->last();
        for (int i = 0; i < 6; ++i)
            s.line("= ", num(i));
        section->steps->publish(s);
        open();
        QVERIFY(stepsWindow()->height() > empty.height());
        stepsWindow()->resize(500, 260);
        stepsWindow()->close();
        section->work("3");
        open();
        QCOMPARE(stepsWindow()->size(), QSize(500, 260));
    }

    // Each kind of refusal in its own words; a refusal replaces whatever
    // the calculation had written.
    void refusals_data()
    {
        QTest::addColumn<numtext::Refusal>("kind");
        QTest::addColumn<QString>("text");
        using numtext::Refusal;
        // Each says why, and that the boxes still hold the result before.
        const auto why = [](const char *reason) {
            return QStringLiteral("لم يتم الحساب: ") + QString::fromUtf8(reason)
                   + QStringLiteral("، والخانات تبقى على نتيجة الحساب السابق");
        };
        QTest::newRow("empty box") << Refusal::EmptyBox << why("الخانة فارغة");
        QTest::newRow("radius and diameter")
            << Refusal::RadiusAndDiameter << why("كتب نصف القطر والقطر معا، والمطلوب أحدهما فقط");
        QTest::newRow("negative under a root") << Refusal::NegativeUnderRoot << why("العدد تحت الجذر سالب");
        QTest::newRow("zero denominator") << Refusal::ZeroDenominator << why("المقام صفر");
        QTest::newRow("nothing to round") << Refusal::NothingToRound << why("لا يوجد ناتج لتقريبه");
        QTest::newRow("negative length") << Refusal::NegativeLength
                                         << why("أحد الأطوال المكتوبة سالب، والطول لا يكون سالبا");
        QTest::newRow("no such triangle")
            << Refusal::NoSuchTriangle << why("أحد الأضلاع أطول من مجموع الضلعين الآخرين، فلا يلتقي طرفاهما");
        QTest::newRow("below absolute zero")
            << Refusal::BelowAbsoluteZero << why("الدرجة المكتوبة أقل من الصفر المطلق، وهو أقل درجة حرارة ممكنة");
        QTest::newRow("too large to test")
            << Refusal::TooLargeToTest << why("العدد فيه أكثر من 18 رقما، وهو أكبر من أن يختبر");
    }

    void refusals()
    {
        QFETCH(numtext::Refusal, kind);
        QFETCH(QString, text);
        QCOMPARE(numtext::refusalText(kind), text);
        Steps s;
        s.line("= ", num(2));
        s.fail(numtext::Failure::Overflow);
        s.refuse(kind, QStringLiteral("من فضلك ..\r\nأدخل العدد"));
        QVERIFY(s.refused());
        QVERIFY(!s.failed());
        QVERIFY(s.lines().isEmpty());
        QCOMPARE(s.refusal(), (QStringList{text, "من فضلك .. أدخل العدد"}));
        QCOMPARE(reference::stepsText(s, DigitShape::Western), rtl({text, "من فضلك .. أدخل العدد"}));
    }

    // Every line of the ١٢٣ shape reads in one direction, right to left: the
    // numbers of a line stand from right to left in the order they are
    // written, whatever marks, signs and powers of ten they carry. (In the
    // 123 shape the mathematics reads left to right: test_glyphorder.)
    void linesReadRightToLeft_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<DigitShape>("shape");
        for (const char *line : {"= 1E-06 ÷ 1000", "= 1E+16 − 4", "= -2E-05 × 3", "= -3.5 × 2 + 7",
                                 "= 4 × 1.5E+15 ÷ -2", "نق = 2.5 ÷ 2 = 1.25"})
            QTest::addRow("%s, ١٢٣", line) << QString::fromUtf8(line) << DigitShape::ArabicIndic;
    }

    void linesReadRightToLeft()
    {
        QFETCH(QString, line);
        QFETCH(DigitShape, shape);
        const reference::FormulaLayout f(numtext::shapeDigits(line, shape), reference::formulaFont(18));
        // The middle of every run of digits, in the order written.
        QList<qreal> middles;
        for (const reference::Piece &p : f.pieces()) {
            if (p.kind != reference::Piece::Text)
                continue;
            QTextLayout layout(p.text, p.font);
            QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
            option.setTextDirection(Qt::RightToLeft);
            layout.setTextOption(option);
            layout.beginLayout();
            const QTextLine l = layout.createLine();
            layout.endLayout();
            static const QRegularExpression number(QStringLiteral("[0-9٠-٩]+([.٫][0-9٠-٩]+)?"));
            for (auto m = number.globalMatch(p.text); m.hasNext();) {
                const auto match = m.next();
                const qreal from = l.cursorToX(int(match.capturedStart()));
                const qreal to = l.cursorToX(int(match.capturedEnd()));
                middles << p.origin.x() + (from + to) / 2;
            }
        }
        QVERIFY(middles.size() >= 3);
        for (qsizetype i = 1; i < middles.size(); ++i)
            QVERIFY2(middles[i] < middles[i - 1], qPrintable(QStringLiteral("number %1 of %2").arg(i).arg(line)));
    }

    // A line wider than the window goes on under itself; nothing scrolls
    // sideways, and the copied text keeps it one line.
    void longLinesBreak()
    {
        Steps s;
        QString sum = QStringLiteral("[blue:المحيط] =");
        for (int i = 1; i <= 40; ++i)
            sum += (i > 1 ? QStringLiteral(" + ") : QStringLiteral(" ")) + num(123456.789 * i);
        s.line(sum);
        s.line("= ", num(-1.23456789012345e-10), " × ", num(9.87654321098765e+20), " ÷ ", num(-3.5));
        s.result(1234.5);
        section->steps->publish(s);
        open();
        for (DigitShape shape : {DigitShape::ArabicIndic, DigitShape::Western}) {
            numtext::setDigitShape(shape);
            QCoreApplication::processEvents();
            auto *area = stepsWindow()->findChild<QScrollArea *>(QStringLiteral("StepsArea"));
            reference::StepsView *view = stepsWindow()->view();
            QVERIFY(!area->horizontalScrollBar()->isVisible());
            QVERIFY(view->width() <= area->viewport()->width());
            QVERIFY(view->layouts().size() > std::size_t(s.lines().size()));
            const QList<QPointF> at = view->origins();
            for (std::size_t i = 0; i < view->layouts().size(); ++i) {
                QVERIFY(at[qsizetype(i)].x() >= 0);
                QVERIFY(at[qsizetype(i)].x() + view->layouts()[i].width() <= view->width());
            }
            QCOMPARE(view->plainText().count(u'\n'), s.lines().size() - 1);
            // Laid out lower than the window is high, the lines scroll down.
            QVERIFY(view->height() >= view->heightForWidth(view->width()));
        }
    }

    // A screen reader's Toggle on a digit option changes the digits as a
    // click does.
    void toggleChangesTheDigits()
    {
        section->work("2");
        open();
        auto *western = stepsWindow()->findChild<QRadioButton *>(QStringLiteral("WesternDigits"));
        auto *arabic = stepsWindow()->findChild<QRadioButton *>(QStringLiteral("ArabicDigits"));
        auto toggle = [](QWidget *option) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(option);
            QVERIFY(a && a->actionInterface());
            QVERIFY(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
            a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        };
        toggle(western);
        QVERIFY(western->isChecked());
        QCOMPARE(numtext::digitShape(), DigitShape::Western);
        QVERIFY(textOf(stepsWindow()->view()).contains(QStringLiteral("= 12.566368|")));
        toggle(arabic);
        QVERIFY(arabic->isChecked());
        QCOMPARE(numtext::digitShape(), DigitShape::ArabicIndic);
        QVERIFY(textOf(stepsWindow()->view()).contains(QStringLiteral("= ١٢٫٥٦٦٣٦٨|")));
    }

    // The steps window describes the steps as they are heard, line by line,
    // with the digits chosen.
    void windowDescribesTheSteps()
    {
        open();
        auto described = [this] {
            return QAccessible::queryAccessibleInterface(stepsWindow())->text(QAccessible::Description);
        };
        QCOMPARE(described(), app::spokenLines(stepsWindow()->view()).join(u'\n'));
        section->work("2");
        const QString arabic = described();
        QCOMPARE(arabic, app::spokenLines(stepsWindow()->view()).join(u'\n'));
        QCOMPARE(arabic.count(u'\n'), qsizetype(section->steps->last().lines().size() - 1));
        QVERIFY2(!arabic.contains(u'='), qPrintable(arabic));
        numtext::setDigitShape(DigitShape::Western);
        QVERIFY(described() != arabic);
        QCOMPARE(described(), app::spokenLines(stepsWindow()->view()).join(u'\n'));
    }

    void longStepsScroll()
    {
        Steps s;
        for (int i = 0; i < 40; ++i)
            s.line("= ", num(i), " × ", num(3.141592), "^{2}");
        section->steps->publish(s);
        open();
        auto *area = stepsWindow()->findChild<QScrollArea *>(QStringLiteral("StepsArea"));
        QVERIFY(stepsWindow()->height() < stepsWindow()->view()->height());
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
    }
};

QTEST_MAIN(StepsTest)
#include "test_steps.moc"
