// The keypad calculator from the keyboard: each key of the keyboard does
// exactly what a click on the keypad's key does (the display, the values
// held, the memory mark, the worked steps and what is said), before the
// window is switched on and after, wherever the focus is; and every key says
// what it did through the screen reader.

#include "support/scripted.h"
#include "support/ui.h"

#include "calculators/advanced.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "kit/windows.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

using namespace numtext;

namespace {
const QString MemoryQuestion = QStringLiteral("هل أنت متأكد من تنظيف الذاكرة؟");

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

// A key of the keyboard.
struct KeyPress {
    int key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// What a key leaves: what the pupil sees, hears and reads in the steps, and
// what the calculator holds.
struct Outcome {
    QString display, mark;
    bool markShown;
    double running, memory;
    int pending, newEntry;
    QStringList steps;
    QString failure, said;

    bool operator==(const Outcome &) const = default;
};

QString described(const Outcome &o)
{
    return QStringLiteral(
               "display \"%1\" mark \"%2\"%3 running %4 memory %5 pending %6 new %7 steps [%8] %9 said \"%10\"")
        .arg(o.display, o.mark, o.markShown ? QString() : QStringLiteral(" hidden"))
        .arg(o.running)
        .arg(o.memory)
        .arg(o.pending)
        .arg(o.newEntry)
        .arg(o.steps.join(QStringLiteral(" | ")), o.failure, o.said);
}
} // namespace

class KeypadKeysTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void keyDoesWhatItsClickDoes_data();
    void keyDoesWhatItsClickDoes();
    void typingACalculation_data();
    void typingACalculation();
    void enterOnAFrameButtonIsThatButtons_data();
    void enterOnAFrameButtonIsThatButtons();
    void keysThatStandForNone_data();
    void keysThatStandForNone();
    void eachKeyIsHeard_data();
    void eachKeyIsHeard();

private:
    QString said;

    QWidget *open()
    {
        QWidget *w = app::Windows::show<Form15>();
        QApplication::setActiveWindow(w);
        return w;
    }

    // The calculator as it is at the start of the program: its window built
    // afresh, the values it holds at their defaults.
    QWidget *fresh()
    {
        if (QWidget *w = app::Windows::find(QStringLiteral("Form15"))) {
            app::Windows::release(w);
            delete w;
        }
        Form15::held() = keypad::Held{};
        said.clear();
        return open();
    }

    void press(const QString &sequence)
    {
        for (const QString &token : sequence.split(u' ', Qt::SkipEmptyParts)) {
            if (QRegularExpression(QStringLiteral("^[0-9.]+$")).match(token).hasMatch() && token != ".") {
                for (const QChar c : token)
                    QVERIFY(ui::click("Form15", keyName(QString(c))));
            } else {
                QVERIFY(ui::click("Form15", keyName(token)));
            }
        }
    }

    // Sends a key to the control that has the focus in the calculator.
    void type(const KeyPress &k)
    {
        QWidget *w = ui::window("Form15");
        QWidget *target = w->focusWidget() ? w->focusWidget() : w;
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key(k.key), k.text, k.modifiers);
        QTest::sendKeyEvent(QTest::Release, target, Qt::Key(k.key), k.text, k.modifiers);
    }

    Outcome outcome()
    {
        const keypad::Held &held = Form15::held();
        auto *mark = ui::control<QLineEdit>("Form15", "Text2");
        const Steps &s = app::stepsOf(ui::window("Form15"))->last();
        return {ui::text("Form15", "Text1"),
                mark->text(),
                mark->isVisible(),
                held.running,
                held.memory,
                held.pending,
                held.newEntry,
                s.lines(),
                s.failure(),
                said};
    }
};

void KeypadKeysTest::init()
{
    WindowTest::init();
    connect(&app::Announcements::instance(), &app::Announcements::announced, this,
            [this](QWidget *, const QString &text) { said = text; });
    open();
}

void KeypadKeysTest::keyDoesWhatItsClickDoes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("click");
    const int Keypad = Qt::KeypadModifier, Shift = Qt::ShiftModifier, Ctrl = Qt::ControlModifier;
    const struct {
        const char *name;
        int key;
        const char *text;
        int modifiers;
        const char *click;
    } keys[] = {
        {"0", Qt::Key_0, "0", 0, "0"},
        {"1", Qt::Key_1, "1", 0, "1"},
        {"5 on the keypad", Qt::Key_5, "5", Keypad, "5"},
        {"9", Qt::Key_9, "9", 0, "9"},
        {"Arabic 3", Qt::Key_unknown, "٣", 0, "3"},
        {"Arabic 7", Qt::Key_unknown, "٧", 0, "7"},
        {"Persian 8", Qt::Key_unknown, "۸", 0, "8"},
        {"point", Qt::Key_Period, ".", 0, "."},
        {"Arabic decimal mark", Qt::Key_unknown, "٫", 0, "."},
        {"keypad comma", Qt::Key_Comma, ",", Keypad, "."},
        {"plus", Qt::Key_Plus, "+", Shift, "+"},
        {"keypad plus", Qt::Key_Plus, "+", Keypad, "+"},
        {"minus", Qt::Key_Minus, "-", 0, "-"},
        {"minus sign", Qt::Key_unknown, "−", 0, "-"},
        {"asterisk", Qt::Key_Asterisk, "*", Shift, "*"},
        {"times sign", Qt::Key_multiply, "×", 0, "*"},
        {"slash", Qt::Key_Slash, "/", 0, "/"},
        {"division sign", Qt::Key_division, "÷", 0, "/"},
        {"Return", Qt::Key_Return, "\r", 0, "="},
        {"keypad Enter", Qt::Key_Enter, "\r", Keypad, "="},
        {"equals", Qt::Key_Equal, "=", 0, "="},
        {"Backspace", Qt::Key_Backspace, "\b", 0, "C"},
        {"Escape", Qt::Key_Escape, "\x1b", 0, "AC"},
        {"Delete", Qt::Key_Delete, "\x7f", 0, "AC"},
        {"percent", Qt::Key_Percent, "%", Shift, "%"},
        {"at sign", Qt::Key_At, "@", Shift, "Sqr"},
        {"L", Qt::Key_L, "l", 0, "Log"},
        {"Ctrl+P", Qt::Key_P, "\x10", Ctrl, "M+"},
        {"Ctrl+Q", Qt::Key_Q, "\x11", Ctrl, "M-"},
        {"Ctrl+M", Qt::Key_M, "\r", Ctrl, "MS"},
        {"Ctrl+R", Qt::Key_R, "\x12", Ctrl, "Mr"},
        {"Ctrl+L", Qt::Key_L, "\x0c", Ctrl, "Mc"},
    };
    // A fresh window that was never switched on, the same switched on, and
    // each in the middle of a calculation with something in the memory.
    const char *const befores[] = {"", "ON", "5 M+ 16 + 2.25", "ON 5 M+ 16 + 2.25"};
    for (const char *before : befores)
        for (const auto &k : keys)
            QTest::addRow("%s after \"%s\"", k.name, before)
                << QString::fromLatin1(before) << k.key << QString::fromUtf8(k.text) << k.modifiers
                << QString::fromLatin1(k.click);
}

void KeypadKeysTest::keyDoesWhatItsClickDoes()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(QString, click);
    const bool question = click == QLatin1String("Mc");
    // The square root of an empty display and the logarithm of 0 fail, by
    // key as by click.
    const bool fails = (click == QLatin1String("Sqr") && before.isEmpty())
                       || (click == QLatin1String("Log") && before == QLatin1String("ON"));
    const auto expect = [&] {
        if (question)
            notices.expect(MemoryQuestion, 4, applicationTitle(), answer::Yes);
        if (fails)
            expectFailure(notices, click == QLatin1String("Sqr") ? Failure::NotANumber : Failure::InvalidOperation);
    };

    fresh();
    press(before);
    expect();
    type({key, text, Qt::KeyboardModifiers(modifiers)});
    const Outcome typed = outcome();

    fresh();
    press(before);
    expect();
    press(click);
    const Outcome clicked = outcome();
    QVERIFY2(typed == clicked,
             qPrintable(QStringLiteral("typed:   %1\nclicked: %2").arg(described(typed), described(clicked))));
    QVERIFY(fails || !typed.said.isEmpty());
}

void KeypadKeysTest::typingACalculation_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("focus"); // the control that holds the focus while typing
    QTest::newRow("the display") << "12+7.5\r"
                                 << "19.5"
                                 << "Text1";
    QTest::newRow("a digit key") << "12+7.5="
                                 << "19.5"
                                 << "Command11";
    QTest::newRow("an operator key") << "2*3*4\r"
                                     << "24"
                                     << "Command13";
    // Each operator key does its own operation: 4 × 12, then × 3.
    QTest::newRow("Arabic digits and signs") << "١٢÷٤×٣="
                                             << "144"
                                             << "Text1";
    QTest::newRow("the Arabic decimal mark") << "٠٫١+٠٫٢="
                                             << "0.3"
                                             << "Text1";
    QTest::newRow("Backspace") << "123\b\b4"
                               << "14"
                               << "Text1";
    QTest::newRow("Escape clears the display only") << "5+\x1b"
                                                       "3="
                                                    << "8"
                                                    << "Command4";
}

void KeypadKeysTest::typingACalculation()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, focus);
    ui::control("Form15", qPrintable(focus))->setFocus();
    for (const QChar c : keys) {
        const int key = c == u'\r'     ? Qt::Key_Return
                        : c == u'\b'   ? Qt::Key_Backspace
                        : c == u'\x1b' ? Qt::Key_Escape
                                       : Qt::Key_unknown;
        type({key, QString(c)});
    }
    QCOMPARE(ui::text("Form15", "Text1"), display);
    // The keys type; they do not move the focus.
    QCOMPARE(ui::window("Form15")->focusWidget(), ui::control("Form15", qPrintable(focus)));
}

void KeypadKeysTest::enterOnAFrameButtonIsThatButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown"); // the window shown after Enter
    QTest::newRow("to the conventional calculator") << "Command31"
                                                    << "Form3";
    QTest::newRow("the steps button") << "StepsButton"
                                      << "StepsWindow";
}

void KeypadKeysTest::enterOnAFrameButtonIsThatButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, shown);
    press("2 + 3");
    ui::control("Form15", qPrintable(button))->setFocus();
    type({Qt::Key_Return, QStringLiteral("\r")});
    // The calculation is not finished: "=" was not pressed.
    QCOMPARE(ui::text("Form15", "Text1"), QStringLiteral("3"));
    QCOMPARE(Form15::held().running, 2.0);
    bool found = false;
    for (QWidget *w : QApplication::topLevelWidgets())
        found = found
                || (w->isVisible()
                    && (w->objectName() == shown || QString::fromLatin1(w->metaObject()->className()).endsWith(shown)));
    QVERIFY2(found, qPrintable(shown));
}

void KeypadKeysTest::keysThatStandForNone_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("a letter") << int(Qt::Key_A) << "a" << 0;
    QTest::newRow("an Arabic letter") << int(Qt::Key_unknown) << "س" << 0;
    QTest::newRow("Alt+1") << int(Qt::Key_1) << "1" << int(Qt::AltModifier);
    QTest::newRow("Ctrl+1") << int(Qt::Key_1) << "1" << int(Qt::ControlModifier);
    QTest::newRow("a comma off the keypad") << int(Qt::Key_Comma) << "," << 0;
    QTest::newRow("space on the display") << int(Qt::Key_Space) << " " << 0;
}

void KeypadKeysTest::keysThatStandForNone()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    press("1 + 2");
    ui::control("Form15", "Text1")->setFocus();
    const Outcome before = outcome();
    type({key, text, Qt::KeyboardModifiers(modifiers)});
    QVERIFY2(outcome() == before, qPrintable(described(outcome())));
}

void KeypadKeysTest::eachKeyIsHeard_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("heard"); // %1: the number, as heard
    QTest::addColumn<QString>("number");
    const auto row = [](const char *name, const char *keys, const char *heard, const char *number = "") {
        QTest::newRow(name) << QString::fromUtf8(keys) << QString::fromUtf8(heard) << QString::fromUtf8(number);
    };
    row("a digit", "1 2", "%1", "2");
    row("the point", "1 .", "فاصلة");
    row("an operator and the value so far", "12 +", "جمع، الناتج حتى الآن %1", "12");
    row("the result", "12 + 7.5 =", "الشاشة %1", "19.5");
    row("backspace", "12 C", "الشاشة %1", "1");
    row("clear", "12 AC", "الشاشة فارغة");
    row("on", "ON", "الشاشة %1", "0");
    row("a memory key and the memory", "5 M+ 3 M+", "إضافة إلى الذاكرة، الذاكرة %1", "8");
    row("a negative memory", "5 M-", "طرح من الذاكرة، الذاكرة %1", "-5");
}

void KeypadKeysTest::eachKeyIsHeard()
{
    QFETCH(QString, keys);
    QFETCH(QString, heard);
    QFETCH(QString, number);
    press(keys);
    const QString expected = number.isEmpty() ? heard : heard.arg(app::spokenText(number));
    QCOMPARE(said.simplified(), expected.simplified());
}

QTEST_MAIN(KeypadKeysTest)
#include "test_keypadkeys.moc"
