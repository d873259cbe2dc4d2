// The advanced calculator: its keypad, the running value, memory, pending
// operator and new-entry flag, the failures that leave it as it was, and how
// its values outlive its controls.

#include "support/scripted.h"
#include "support/ui.h"

#include "calculators/advanced.h"
#include "kit/notice.h"
#include "kit/windows.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

using namespace numtext;

namespace {
const QString MemoryQuestion = QStringLiteral("هل أنت متأكد من تنظيف الذاكرة؟");
const QString CloseQuestion = QStringLiteral("هل أنت متأكد من رغبتك في الإغلاق والذهاب للصفحة الرئيسية؟");
const QString ExitQuestion = QStringLiteral("هل أنت متأكد من الخروج ؟");

// The key a token of a sequence stands for.
const char *keyName(const QString &token)
{
    static const QHash<QString, const char *> names{
        {"0", "Command4"},   {"1", "Command1"},    {"2", "Command5"},    {"3", "Command9"},   {"4", "Command2"},
        {"5", "Command6"},   {"6", "Command10"},   {"7", "Command3"},    {"8", "Command7"},   {"9", "Command11"},
        {".", "Command17"},  {"+", "Command13"},   {"-", "Command14"},   {"*", "Command15"},  {"/", "Command16"},
        {"=", "Command12"},  {"Sqr", "Command18"}, {"Log", "Command28"}, {"%", "Command27"},  {"C", "Command8"},
        {"AC", "Command20"}, {"ON", "Command29"},  {"M+", "Command22"},  {"M-", "Command23"}, {"MS", "Command24"},
        {"Mr", "Command25"}, {"Mc", "Command26"},
    };
    const char *name = names.value(token);
    if (!name)
        QTest::qFail(qPrintable(QStringLiteral("no key %1").arg(token)), __FILE__, __LINE__);
    return name ? name : "(no key)";
}

// What the user sees and what the calculator holds.
struct Snapshot {
    QString display;
    QString mark;
    bool markShown;
    double running;
    double memory;
    int pending;
    int newEntry;
};

Snapshot snapshot()
{
    const keypad::Held &held = Form15::held();
    auto *mark = ui::control<QLineEdit>("Form15", "Text2");
    return {ui::text("Form15", "Text1"),
            mark->text(),
            mark->isVisible(),
            held.running,
            held.memory,
            held.pending,
            held.newEntry};
}
} // namespace

class AdvancedTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void opensFromTheMenu();
    void layout_data();
    void layout();
    void sequences_data();
    void sequences();
    void failuresLeaveEverything_data();
    void failuresLeaveEverything();
    void memoryQuestion_data();
    void memoryQuestion();
    void memoryKeysFocusTheDisplay_data();
    void memoryKeysFocusTheDisplay();
    void thanksNotice();
    void heldValuesSurviveAClose();
    void closeAnsweredNoKeepsEverything();
    void mainMenuButton_data();
    void mainMenuButton();
    void conventionalCalculatorAndBack();
    void exitConfirmation_data();
    void exitConfirmation();

private:
    // Clicks the keys of a sequence such as "12 + 3 = Mc?yes": a run of digits
    // and points is typed key by key; "Mc?yes" and "Mc?no" answer the memory
    // question.
    void press(const QString &sequence)
    {
        for (const QString &token : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (token.startsWith(QLatin1String("Mc?"))) {
                notices.expect(MemoryQuestion, 4, applicationTitle(),
                               token == QLatin1String("Mc?yes") ? answer::Yes : answer::No);
                QVERIFY(ui::click("Form15", "Command26"));
            } else if (QRegularExpression(QStringLiteral("^[0-9.]+$")).match(token).hasMatch() && token != ".") {
                for (const QChar c : token)
                    QVERIFY(ui::click("Form15", keyName(QString(c))));
            } else {
                QVERIFY(ui::click("Form15", keyName(token)));
            }
        }
    }

    // The same where the digit keys are not what is tested: a number's first
    // key is clicked (it may start a new number), and the rest of the number
    // is written into the display at once, as the further keys append it.
    void enter(const QString &sequence)
    {
        for (const QString &token : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (QRegularExpression(QStringLiteral("^[0-9.]{2,}$")).match(token).hasMatch()) {
                QVERIFY(ui::click("Form15", keyName(token.left(1))));
                auto *display = ui::control<QLineEdit>("Form15", "Text1");
                display->setText(display->text() + token.mid(1));
            } else {
                press(token);
            }
        }
    }
};

void AdvancedTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op8"));
    QVERIFY(ui::click("Form1", "Command1"));
}

void AdvancedTest::opensFromTheMenu()
{
    QWidget *calculator = ui::window("Form15");
    QVERIFY(calculator && calculator->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
    QCOMPARE(calculator->windowTitle(), QStringLiteral("الحاسبة المتقدمة - تجريبية"));
    QCOMPARE(calculator->size(), QSize(322, 425));
    QCOMPARE(calculator->layoutDirection(), Qt::RightToLeft);
    auto *display = ui::control<QLineEdit>("Form15", "Text1");
    auto *mark = ui::control<QLineEdit>("Form15", "Text2");
    QVERIFY(display->isReadOnly());
    QVERIFY(mark->isReadOnly());
    QCOMPARE(display->alignment(), Qt::AlignCenter);
    QCOMPARE(display->text(), QString());
    QCOMPARE(mark->text(), QString());
    QVERIFY(mark->isVisible());
    // The mark stands over the right end of the display.
    QCOMPARE(calculator->childAt(mark->geometry().center()), mark);
    QVERIFY(display->geometry().contains(mark->geometry()));
    for (QPushButton *key : calculator->findChildren<QPushButton *>())
        QVERIFY2(!key->isDefault(), qPrintable(key->objectName()));
}

void AdvancedTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("at");
    QTest::addColumn<QString>("tip");
    const auto row = [](const char *name, const QString &caption, int x, int y, int w, int h,
                        const QString &tip = QString()) {
        QTest::newRow(name) << name << caption << QRect(x, y, w, h) << tip;
    };
    // The display offers the worked steps, as every result box does.
    row("Text1", "", 120, 1320, 4575, 615, QStringLiteral("انقر مرتين لعرض خطوات الحل (F2)"));
    row("Text2", "", 4320, 1320, 375, 615);
    row("Command20", "AC", 240, 2040, 855, 495, QStringLiteral("حذف الكل"));
    row("Command21", "About this", 1200, 2040, 2655, 495);
    row("Command29", "ON", 3960, 2040, 615, 495);
    row("Command8", "C", 240, 2640, 855, 495, QStringLiteral("حذف خانة واحدة"));
    row("Command18", "Sqr", 1200, 2640, 855, 495, QStringLiteral("الجذر التربيعي"));
    row("Command28", "Log", 2160, 2640, 855, 495, QStringLiteral("لوغاريتم"));
    row("Command16", "/", 3120, 2640, 735, 495);
    row("Command22", "M+", 3960, 2640, 615, 495);
    row("Command3", "7", 240, 3240, 855, 495);
    row("Command7", "8", 1200, 3240, 855, 495);
    row("Command11", "9", 2160, 3240, 855, 495);
    row("Command15", "*", 3120, 3240, 735, 495);
    row("Command23", "M-", 3960, 3240, 615, 495);
    row("Command2", "4", 240, 3840, 855, 495);
    row("Command6", "5", 1200, 3840, 855, 495);
    row("Command10", "6", 2160, 3840, 855, 495);
    row("Command14", "-", 3120, 3840, 735, 495);
    row("Command24", "MS", 3960, 3840, 615, 480);
    row("Command1", "1", 240, 4440, 855, 495);
    row("Command5", "2", 1200, 4440, 855, 495);
    row("Command9", "3", 2160, 4440, 855, 495);
    row("Command13", "+", 3120, 4440, 735, 495);
    row("Command25", "Mr", 3960, 4440, 615, 495);
    row("Command27", "%", 240, 5040, 855, 495);
    row("Command4", "0", 1200, 5040, 855, 495);
    row("Command17", ".", 2160, 5040, 855, 495);
    row("Command12", "=", 3120, 5040, 735, 495);
    row("Command26", "Mc", 3960, 5040, 615, 495);
    row("Command19", QStringLiteral("خروج"), 240, 5760, 1095, 375);
    row("Command31", QStringLiteral("الحاسبة التقليدية"), 1560, 5760, 1335, 375);
    row("Command30", QStringLiteral("القائمة الرئيسية"), 3120, 5760, 1455, 375);
}

void AdvancedTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, at);
    QFETCH(QString, tip);
    QWidget *control = ui::control("Form15", qPrintable(name));
    QCOMPARE(control->geometry(), app::twips(at.x(), at.y(), at.width(), at.height()));
    QCOMPARE(ui::text("Form15", qPrintable(name)), caption);
    QCOMPARE(control->toolTip(), tip);
    QVERIFY(control->isVisible());
}

void AdvancedTest::sequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<double>("running");
    QTest::addColumn<int>("pending");
    QTest::addColumn<int>("newEntry");
    QTest::addColumn<double>("memory");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<bool>("markShown");
    const auto row = [](const char *keys, const char *display, double running, int pending, int newEntry,
                        double memory = 0, const char *mark = "", bool markShown = true) {
        QTest::newRow(keys) << keys << display << running << pending << newEntry << memory << mark << markShown;
    };
    // The four operations and chains of one operator.
    row("2 + 3 =", "5", 0, 1, 1);
    row("9 - 4 =", "5", 0, 4, 1);
    row("6 / 3 =", "2", 0, 3, 1);
    row("2 * 3 =", "6", 0, 2, 1);
    row("1 + 2 + 3 =", "6", 0, 1, 1);
    row("2 * 3 * 4 =", "24", 0, 2, 1);
    row("100 / 5 / 2 =", "10", 0, 3, 1);
    row("9 - 4 - 2 =", "3", 0, 4, 1);
    row("1 / 3 =", "0.333333333333333", 0, 3, 1);
    row("0.1 + 0.2 =", "0.3", 0, 1, 1);
    row("99999999999999999 + 1 =", "1E+17", 0, 1, 1);
    // An operator key empties the display and folds it into the running value.
    row("2 +", "", 2, 1, 0);
    row("8 -", "", 8, 4, 0);
    row("7 * 3 -", "", 4, 4, 0);
    // Each key applies its own operation, not the pending one.
    row("2 + 3 * 4 =", "24", 0, 2, 1);
    row("8 / 2 + 1 =", "11", 0, 1, 1);
    // A running value of 0 counts as none for -, * and /, but not for "=".
    row("0 * 5 * 3 =", "15", 0, 2, 1);
    row("5 - 5 - 3 =", "-3", 0, 4, 1);
    row("5 - 5 - 3 - 1 =", "2", 0, 4, 1);
    row("0 / 5 =", "0", 0, 3, 1);
    // After "=" a digit starts a new number and an operator continues.
    row("2 + 3 = 7", "7", 0, 1, 0);
    row("2 + 3 = .", ".", 0, 1, 0);
    row("2 + 3 = + 1 =", "6", 0, 1, 1);
    row("2 * 3 = =", "0", 0, 2, 1);
    row("5 + 2 = =", "7", 0, 1, 1);
    row("9 - 4 = =", "-5", 0, 4, 1);
    // "=" with no operator ever pressed only sets the new-entry flag.
    row("5 =", "5", 0, 0, 1);
    row("5 = 3", "3", 0, 0, 0);
    row("=", "", 0, 0, 1);
    // An empty display counts as 0 for the operators and "=".
    row("+ =", "0", 0, 1, 1);
    // Nothing checks the points; the display's number is its leading number.
    row("1.2.3", "1.2.3", 0, 0, 0);
    row("1.2.3 + 1 =", "2.2", 0, 1, 1);
    // Functions of the display converted strictly.
    row("200 * 5 %", "0.05%", 200, 2, 0);
    row("200 * 5 % =", "10", 0, 2, 1);
    row("1000 Log", "3", 0, 0, 0);
    row("2 Log", "0.301029995663981", 0, 0, 0);
    row("Log", "", 0, 0, 0);
    row("%", "", 0, 0, 0);
    row("2 Sqr", "1.4142135623731", 0, 0, 0);
    row("0 Sqr", "0", 0, 0, 0);
    row("2 + 7 = Sqr", "3", 0, 1, 1);
    // ON, backspace and clear.
    row("ON 5", "05", 0, 0, 0);
    row("ON 5 + 1 =", "6", 0, 1, 1);
    row("2 + 3 = ON 5", "5", 0, 1, 0);
    row("123 C", "12", 0, 0, 0);
    row("7 C", "", 0, 0, 0);
    row("C", "", 0, 0, 0);
    row("7 C C", "", 0, 0, 0);
    row("5 + AC 3 =", "8", 0, 1, 1);
    row("2 + 3 AC", "", 2, 1, 0);
    // Memory keys.
    row("5 M+", "", 0, 0, 0, 5, "M");
    row("M+", "", 0, 0, 0, 0, "M");
    row("5 M+ 3 M+ Mr", "8", 0, 0, 0, 8, "M");
    row("7 MS Mr", "7", 0, 0, 0, 7);
    row("9 M- Mr", "-9", 0, 0, 0, -9);
    row("5 MS 2 M- Mr", "3", 0, 0, 0, 3);
    row("5 M+ 4 MS", "", 0, 0, 0, 4, "M");
    row("Mr", "0", 0, 0, 0);
    row("5 M+ 3 M+ Mr 1", "81", 0, 0, 0, 8, "M");
    row("5 M+ 3 M+ 2 + 2 = Mr 1", "1", 0, 1, 0, 8, "M");
    row("5 M+ 3 M+ 2 + 2 = Mr", "8", 0, 1, 1, 8, "M");
    row("5 M+ 2 Mc?no", "2", 0, 0, 0, 5, "M", false);
    row("5 M+ 2 Mc?yes", "", 0, 0, 0, 0, "M", false);
    row("5 M+ Mc?no 1 M+", "", 0, 0, 0, 6, "M", true);
    row("2 + 5 M+ Mc?yes 3 =", "5", 0, 1, 1, 0, "M", false);
}

void AdvancedTest::sequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(double, running);
    QFETCH(int, pending);
    QFETCH(int, newEntry);
    QFETCH(double, memory);
    QFETCH(QString, mark);
    QFETCH(bool, markShown);
    press(keys);
    const Snapshot now = snapshot();
    QCOMPARE(now.display, display);
    QCOMPARE(now.running, running);
    QCOMPARE(now.pending, pending);
    QCOMPARE(now.newEntry, newEntry);
    QCOMPARE(now.memory, memory);
    QCOMPARE(now.mark, mark);
    QCOMPARE(now.markShown, markShown);
}

void AdvancedTest::failuresLeaveEverything_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<Failure>("kind");
    const QString huge = QStringLiteral("1") + QString(309, QLatin1Char('0'));
    const QString large = QStringLiteral("1") + QString(200, QLatin1Char('0'));
    QTest::newRow("square root of empty") << ""
                                          << "Sqr" << Failure::NotANumber;
    QTest::newRow("square root of 1.2.3") << "1.2.3"
                                          << "Sqr" << Failure::NotANumber;
    QTest::newRow("square root of negative") << "2 - 5 ="
                                             << "Sqr" << Failure::InvalidOperation;
    QTest::newRow("square root of percent") << "50 %"
                                            << "Sqr" << Failure::NotANumber;
    QTest::newRow("log of 0") << "5 M+ 0"
                              << "Log" << Failure::InvalidOperation;
    QTest::newRow("log of negative") << "2 - 5 ="
                                     << "Log" << Failure::InvalidOperation;
    QTest::newRow("log of 1.2.3") << "1.2.3"
                                  << "Log" << Failure::NotANumber;
    QTest::newRow("log of percent") << "50 %"
                                    << "Log" << Failure::NotANumber;
    QTest::newRow("percent of percent") << "50 %"
                                        << "%" << Failure::NotANumber;
    QTest::newRow("percent of 1.2.3") << "1.2.3"
                                      << "%" << Failure::NotANumber;
    QTest::newRow("divide key by 0") << "6 / 0"
                                     << "/" << Failure::DivisionByZero;
    QTest::newRow("divide key by empty") << "6 /"
                                         << "/" << Failure::DivisionByZero;
    QTest::newRow("divide key after add") << "6 + 0"
                                          << "/" << Failure::DivisionByZero;
    QTest::newRow("equals divides by 0") << "6 / 0"
                                         << "=" << Failure::DivisionByZero;
    QTest::newRow("equals 0 by 0") << "0 / 0"
                                   << "=" << Failure::InvalidOperation;
    QTest::newRow("display beyond range, add") << huge << "+" << Failure::Overflow;
    QTest::newRow("display beyond range, M+") << "5 M+ " + huge << "M+" << Failure::Overflow;
    QTest::newRow("display beyond range, equals") << "2 + " + huge << "=" << Failure::Overflow;
    QTest::newRow("product beyond range") << large + " * " + large << "=" << Failure::Overflow;
    QTest::newRow("product key beyond range") << large + " * " + large << "*" << Failure::Overflow;
}

void AdvancedTest::failuresLeaveEverything()
{
    QFETCH(Failure, kind);
    QFETCH(QString, before);
    QFETCH(QString, key);
    enter(before);
    const Snapshot expected = snapshot();
    expectFailure(notices, kind);
    QVERIFY(ui::click("Form15", keyName(key)));
    const Snapshot now = snapshot();
    QCOMPARE(now.display, expected.display);
    QCOMPARE(now.running, expected.running);
    QCOMPARE(now.pending, expected.pending);
    QCOMPARE(now.newEntry, expected.newEntry);
    QCOMPARE(now.memory, expected.memory);
    QCOMPARE(now.mark, expected.mark);
    QCOMPARE(now.markShown, expected.markShown);
}

void AdvancedTest::memoryQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<double>("memory");
    QTest::addColumn<QString>("display");
    QTest::newRow("yes") << int(answer::Yes) << 0.0 << "";
    QTest::newRow("no") << int(answer::No) << 5.0 << "2";
}

void AdvancedTest::memoryQuestion()
{
    QFETCH(int, answer);
    QFETCH(double, memory);
    QFETCH(QString, display);
    press("5 M+ 2");
    notices.expect(MemoryQuestion, 4, QStringLiteral("Nabrosa"), answer);
    QVERIFY(ui::click("Form15", "Command26"));
    QCOMPARE(Form15::held().memory, memory);
    QCOMPARE(ui::text("Form15", "Text1"), display);
    QVERIFY(!ui::control("Form15", "Text2")->isVisible());
}

void AdvancedTest::memoryKeysFocusTheDisplay_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focus");
    QTest::newRow("M+") << "5 M+"
                        << "Text1";
    QTest::newRow("M-") << "5 M-"
                        << "Text1";
    QTest::newRow("MS") << "5 MS"
                        << "Text1";
    QTest::newRow("Mc yes") << "5 Mc?yes"
                            << "Text1";
    QTest::newRow("Mc no") << "5 Mc?no"
                           << "Command26";
    QTest::newRow("Mr") << "5 Mr"
                        << "Command25";
}

void AdvancedTest::memoryKeysFocusTheDisplay()
{
    QFETCH(QString, keys);
    QFETCH(QString, focus);
    press(keys);
    QCOMPARE(ui::window("Form15")->focusWidget(), ui::control("Form15", qPrintable(focus)));
}

void AdvancedTest::thanksNotice()
{
    press("2 + 3");
    notices.expect(QStringLiteral("شكرا للمهندس مبرمج هذه الحاسبة المتقدمة\r\nTARVEN OSKIL"), 0x80000,
                   QStringLiteral("شكر"));
    QVERIFY(ui::click("Form15", "Command21"));
    QCOMPARE(ui::text("Form15", "Text1"), QStringLiteral("3"));
    QCOMPARE(Form15::held().running, 2.0);
}

void AdvancedTest::heldValuesSurviveAClose()
{
    press("5 M+ 2 +");
    QPointer<QWidget> first = ui::window("Form15");
    notices.expect(CloseQuestion, 0x80004, QStringLiteral("إغلاق النافذة"), answer::Yes);
    QVERIFY(ui::closeBox("Form15"));
    ui::settle();
    QVERIFY(!first);
    QVERIFY(ui::window("Form1")->isVisible());

    QVERIFY(ui::click("Form1", "Op8"));
    QVERIFY(ui::click("Form1", "Command1"));
    // Fresh controls; the values held apart from them are as they were.
    const Snapshot reopened = snapshot();
    QCOMPARE(reopened.display, QString());
    QCOMPARE(reopened.mark, QString());
    QVERIFY(reopened.markShown);
    QCOMPARE(reopened.memory, 5.0);
    QCOMPARE(reopened.running, 2.0);
    QCOMPARE(reopened.pending, 1);
    press("3 =");
    QCOMPARE(ui::text("Form15", "Text1"), QStringLiteral("5"));

    // The new-entry flag also outlives the controls.
    notices.expect(CloseQuestion, 0x80004, QStringLiteral("إغلاق النافذة"), answer::Yes);
    QVERIFY(ui::closeBox("Form15"));
    ui::settle();
    QVERIFY(ui::click("Form1", "Command1"));
    QCOMPARE(Form15::held().newEntry, 1);
    press("Mr 1");
    QCOMPARE(ui::text("Form15", "Text1"), QStringLiteral("1"));
}

void AdvancedTest::closeAnsweredNoKeepsEverything()
{
    press("5 M+ 2 + 7");
    const Snapshot before = snapshot();
    QWidget *calculator = ui::window("Form15");
    notices.expect(CloseQuestion, 0x80004, QStringLiteral("إغلاق النافذة"), answer::No);
    QVERIFY(!ui::closeBox("Form15"));
    ui::settle();
    QCOMPARE(ui::window("Form15"), calculator);
    QVERIFY(calculator->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
    const Snapshot after = snapshot();
    QCOMPARE(after.display, before.display);
    QCOMPARE(after.mark, before.mark);
    QCOMPARE(after.running, before.running);
}

void AdvancedTest::mainMenuButton_data()
{
    QTest::addColumn<bool>("menuShown");
    QTest::addColumn<bool>("menuMinimized");
    QTest::newRow("menu hidden") << false << false;
    QTest::newRow("menu hidden while minimized") << false << true;
    QTest::newRow("menu shown") << true << false;
}

void AdvancedTest::mainMenuButton()
{
    QFETCH(bool, menuShown);
    QFETCH(bool, menuMinimized);
    QWidget *menu = ui::window("Form1");
    QWidget *calculator = ui::window("Form15");
    if (menuMinimized)
        menu->setWindowState(menu->windowState() | Qt::WindowMinimized);
    menu->setVisible(menuShown);
    press("4 + 2");
    QVERIFY(ui::click("Form15", "Command30"));
    QVERIFY(menu->isVisible());
    QVERIFY(!(menu->windowState() & Qt::WindowMinimized));
    // When the menu was already shown the button leaves the calculator in front.
    QCOMPARE(calculator->isVisible(), menuShown);

    // Hidden, not closed: the display and the values are there again.
    QVERIFY(ui::click("Form1", "Op8"));
    QVERIFY(ui::click("Form1", "Command1"));
    QCOMPARE(ui::window("Form15"), calculator);
    press("=");
    QCOMPARE(ui::text("Form15", "Text1"), QStringLiteral("6"));
}

void AdvancedTest::conventionalCalculatorAndBack()
{
    press("5 M+ 2 + 3");
    QWidget *calculator = ui::window("Form15");
    QVERIFY(ui::click("Form15", "Command31"));
    QVERIFY(calculator->windowState() & Qt::WindowMinimized);
    QVERIFY(ui::window("Form3")->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());

    QVERIFY(ui::click("Form3", "Command2"));
    QVERIFY(!ui::window("Form3")->isVisible());
    QVERIFY(!(calculator->windowState() & Qt::WindowMinimized));
    QVERIFY(calculator->isVisible());
    QCOMPARE(ui::text("Form15", "Text1"), QStringLiteral("3"));
    QCOMPARE(ui::text("Form15", "Text2"), QStringLiteral("M"));
    press("=");
    QCOMPARE(ui::text("Form15", "Text1"), QStringLiteral("5"));
}

void AdvancedTest::exitConfirmation_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("ends");
    QTest::newRow("yes") << int(answer::Yes) << 1;
    QTest::newRow("no") << int(answer::No) << 0;
}

void AdvancedTest::exitConfirmation()
{
    QFETCH(int, answer);
    QFETCH(int, ends);
    press("7");
    notices.expect(ExitQuestion, 0x80024, QStringLiteral("تنبيه"), answer);
    QVERIFY(ui::click("Form15", "Command19"));
    QCOMPARE(programEnds, ends);
    QVERIFY(ui::window("Form15")->isVisible());
    QCOMPARE(ui::text("Form15", "Text1"), QStringLiteral("7"));
}

QTEST_MAIN(AdvancedTest)
#include "test_advanced.moc"
