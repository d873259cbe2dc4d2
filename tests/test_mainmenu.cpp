// The main menu: start-up, the clock, navigation, its notices and its refusal
// to close.

#include "support/scripted.h"
#include "support/ui.h"

#include "app/mainmenu.h"
#include "kit/banner.h"
#include "kit/controls.h"
#include "kit/notice.h"
#include "kit/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QScreen>
#include <QTextLayout>
#include <QTimer>

using namespace numtext;

class MainMenuTest : public WindowTest {
    Q_OBJECT
private slots:
    void startsWithTheMenuAlone();
    void startTextsNeedNoOtherFace();
    void latinFallsBackToDejaVuSans_data();
    void latinFallsBackToDejaVuSans();
    void clockShowsTheTimeAtEachTick();
    void navigateWithNothingChosen();
    void navigateOpensTheChosenSection_data();
    void navigateOpensTheChosenSection();
    void enterNavigates();
    void optionsFormOneGroupInReadingOrder();
    void exitConfirmation_data();
    void exitConfirmation();
    void closeBoxIsRefused();
    void screenResolutionNotice();
    void pictureNotice();
    void aboutOpensOneWindow();
    void editNameOpensLogin();
};

void MainMenuTest::startsWithTheMenuAlone()
{
    QWidget *menu = ui::window("Form1");
    QVERIFY(menu && menu->isVisible());
    QCOMPARE(menu->windowTitle(), QStringLiteral("Nabrosa"));
    QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(w == menu || !w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(ui::text("Form1", "Label2"), QStringLiteral("هذا اسمك المسجل لدى البرنامج"));
    QCOMPARE(ui::text("Form1", "Label4"), QStringLiteral("الساعة"));
    QCOMPARE(ui::text("Form1", "Label5"), QStringLiteral("التاريخ"));
    for (QRadioButton *option : menu->findChildren<QRadioButton *>())
        QVERIFY(!option->isChecked());
    auto *timer = menu->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 1000);
}

// Every text the menu shows at start is in its control's own face: a
// character that face lacks would make Qt ask fontconfig for the fallback
// faces before the first paint.
void MainMenuTest::startTextsNeedNoOtherFace()
{
    const QWidget *menu = ui::window("Form1");
    int texts = 0;
    for (const QWidget *c : menu->findChildren<QWidget *>()) {
        QString text;
        if (const auto *l = qobject_cast<const QLabel *>(c))
            text = l->text();
        else if (const auto *b = qobject_cast<const QAbstractButton *>(c))
            text = b->text();
        else if (const auto *e = qobject_cast<const QLineEdit *>(c))
            text = e->text();
        else if (const auto *banner = qobject_cast<const app::Banner *>(c))
            text = banner->word();
        if (text.isEmpty())
            continue;
        ++texts;
        const QRawFont face = QRawFont::fromFont(c->font(), QFontDatabase::Arabic);
        QVERIFY2(face.isValid(), qPrintable(c->objectName()));
        for (const char32_t ch : text.toUcs4()) {
            QVERIFY2(face.supportsCharacter(ch), qPrintable(QStringLiteral("%1: U+%2 in \"%3\" (%4)")
                                                                .arg(c->objectName())
                                                                .arg(uint(ch), 4, 16, QLatin1Char('0'))
                                                                .arg(text, face.familyName())));
        }
    }
    QVERIFY(texts > 20);
}

// The Arabic faces have no Latin letters or signs: a text with them takes
// them from DejaVu Sans, as before the faces were named alone.
void MainMenuTest::latinFallsBackToDejaVuSans_data()
{
    QTest::addColumn<QFont>("font");
    QTest::newRow("interface") << app::interfaceFont();
    QTest::newRow("heading") << app::headingFont();
}

void MainMenuTest::latinFallsBackToDejaVuSans()
{
    QFETCH(QFont, font);
    // Characters the Arabic faces lack, every one.
    QTextLayout layout(QStringLiteral("Nabrosa(x+y)×"), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QVERIFY(!runs.isEmpty());
    for (const QGlyphRun &run : runs)
        QCOMPARE(run.rawFont().familyName(), QStringLiteral("DejaVu Sans"));
}

void MainMenuTest::clockShowsTheTimeAtEachTick()
{
    // The timer's tick, without waiting a second for it.
    app::Windows::get<Form1>()->Timer1_Timer();
    const QString time = ui::text("Form1", "Label4");
    QVERIFY(time != QStringLiteral("الساعة"));
    // Hours, minutes and seconds, in the digits of the system's locale.
    const QRegularExpression hms(QStringLiteral("\\d+\\D+\\d+\\D+\\d+"),
                                 QRegularExpression::UseUnicodePropertiesOption);
    QVERIFY2(time.contains(hms), qPrintable(time));
    QCOMPARE(ui::text("Form1", "Label5"), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void MainMenuTest::navigateWithNothingChosen()
{
    notices.expect(QStringLiteral("من فضلك اختر أحد الحسابات ... ثم اضغط على زر انتقــــال"), style::OkOnly,
                   QStringLiteral("Nabrosa"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form1")->isVisible());
}

void MainMenuTest::navigateOpensTheChosenSection_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Op1") << "Op1"
                         << "Form3" << QStringLiteral("الحاسبة التقليدية");
    QTest::newRow("Op2") << "Op2"
                         << "Form4" << QStringLiteral("حساب المساحات");
    QTest::newRow("Op3") << "Op3"
                         << "Form5" << QStringLiteral("حساب التحويلات");
    QTest::newRow("Op4") << "Op4"
                         << "Form6" << QStringLiteral("حساب المحيط");
    QTest::newRow("Op5") << "Op5"
                         << "Form7" << QStringLiteral("حساب الدوال المثلثية");
    QTest::newRow("Op6") << "Op6"
                         << "Form8" << QStringLiteral("حسابات أخرى");
    QTest::newRow("Op7") << "Op7"
                         << "Form9" << QStringLiteral("حساب الأحجام");
    QTest::newRow("Op8") << "Op8"
                         << "Form15" << QStringLiteral("الحاسبة المتقدمة - تجريبية");
    QTest::newRow("Op9") << "Op9"
                         << "Form16" << QStringLiteral("حل معادلات");
    QTest::newRow("Op10") << "Op10"
                          << "Form17" << QStringLiteral("توحيد المقامات");
}

void MainMenuTest::navigateOpensTheChosenSection()
{
    QFETCH(QString, option);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QVERIFY(ui::click(ui::control("Form1", qPrintable(option))));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(!ui::window("Form1")->isVisible());
    QWidget *section = ui::window(qPrintable(window));
    QVERIFY(section && section->isVisible());
    QCOMPARE(section->windowTitle(), caption);
}

void MainMenuTest::enterNavigates()
{
    notices.expect(QStringLiteral("من فضلك اختر أحد الحسابات ... ثم اضغط على زر انتقــــال"), style::OkOnly);
    ui::pressEnter(ui::window("Form1"));
    QVERIFY(ui::click("Form1", "Op2"));
    ui::pressEnter(ui::control("Form1", "Op2"));
    QVERIFY(!ui::window("Form1")->isVisible());
    QVERIFY(ui::window("Form4")->isVisible());
}

void MainMenuTest::optionsFormOneGroupInReadingOrder()
{
    QVERIFY(ui::click("Form1", "Op1"));
    QVERIFY(ui::click("Form1", "Op5"));
    QVERIFY(!ui::control<QRadioButton>("Form1", "Op1")->isChecked());
    QVERIFY(ui::control<QRadioButton>("Form1", "Op5")->isChecked());
    // Tab walks the right column top to bottom, then the left one.
    QStringList order;
    QWidget *w = ui::control("Form1", "Op1");
    for (int i = 0; i < 16; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || w->parentWidget() != ui::window("Form1"))
            w = w->nextInFocusChain();
    }
    QCOMPARE(order, QStringList({"Op1", "Op4", "Op7", "Op2", "Op3", "Op9", "Op10", "Op6", "Op8", "Op5", "Command1",
                                 "Command2", "Command4", "Command3", "Command7", "Command6"}));
}

void MainMenuTest::exitConfirmation_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("ends");
    QTest::newRow("yes") << answer::Yes << 1;
    QTest::newRow("no") << answer::No << 0;
}

void MainMenuTest::exitConfirmation()
{
    QFETCH(int, answer);
    QFETCH(int, ends);
    notices.expect(QStringLiteral("هل أنت متأكد من الخروج ؟"), 0x80024, QStringLiteral("تنبيه"), answer);
    QVERIFY(ui::click("Form1", "Command2"));
    QCOMPARE(programEnds, ends);
    QVERIFY(ui::window("Form1")->isVisible());
}

void MainMenuTest::closeBoxIsRefused()
{
    QVERIFY(!ui::closeBox("Form1"));
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(notices.shown.isEmpty());
}

void MainMenuTest::screenResolutionNotice()
{
    const QSize size = ui::window("Form1")->screen()->size();
    auto spaced = [](int n) { return QStringLiteral(" ") + QString::number(n); };
    notices.expect(QStringLiteral("دقة شاشتك هي\r\n") + spaced(size.width()) + QStringLiteral(" x")
                       + spaced(size.height()),
                   0x80000, QStringLiteral("دقة الشاشة"));
    QVERIFY(ui::click("Form1", "command5"));
}

void MainMenuTest::pictureNotice()
{
    notices.expect(QStringLiteral("Nabrosa"), 0x180000, QStringLiteral("Nabro"));
    QVERIFY(ui::click("Form1", "Image1"));
}

void MainMenuTest::aboutOpensOneWindow()
{
    QVERIFY(ui::click("Form1", "Command4"));
    QVERIFY(ui::click("Form1", "Command4"));
    int abouts = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        abouts += w->objectName() == QLatin1String("Form10");
    QCOMPARE(abouts, 1);
    QVERIFY(ui::window("Form10")->isVisible());
    QVERIFY(ui::window("Form1")->isVisible());
}

void MainMenuTest::editNameOpensLogin()
{
    QVERIFY(ui::click("Form1", "Command3"));
    QVERIFY(ui::window("Form2")->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
}

QTEST_MAIN(MainMenuTest)
#include "test_mainmenu.moc"
