#include "calculators/advanced.h"

#include "calculators/conventional.h"
#include "kit/banner.h"
#include "kit/context.h"
#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "kit/windows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

using namespace app;
using namespace numtext;

namespace {
// How a key looks: the keys of one kind share a colour.
enum class Look { Digit, Operator, Function, Memory, Clear, Frame };

// A key as a screen reader names it. The captions are Latin letters and
// signs, which a speech synthesizer reads in English or not at all; a digit
// is named in the Arabic digits. The captions stay as they are.
QString heardName(const QString &caption)
{
    static const std::pair<const char *, const char *> names[] = {
        {"AC", "حذف الكل"},
        {"About this", "عن هذه الحاسبة"},
        {"ON", "تشغيل"},
        {"C", "حذف خانة واحدة"},
        {"Sqr", "الجذر التربيعي"},
        {"Log", "لوغاريتم"},
        {"/", "قسمة"},
        {"*", "ضرب"},
        {"-", "طرح"},
        {"+", "جمع"},
        {"=", "يساوي"},
        {"%", "النسبة المئوية"},
        {".", "الفاصلة العشرية"},
        {"M+", "إضافة إلى الذاكرة"},
        {"M-", "طرح من الذاكرة"},
        {"MS", "حفظ في الذاكرة"},
        {"Mr", "استدعاء الذاكرة"},
        {"Mc", "مسح الذاكرة"},
    };
    for (const auto &[shown, heard] : names)
        if (caption == QLatin1String(shown))
            return QString::fromUtf8(heard);
    if (caption.size() == 1 && caption.front().isDigit())
        return QString(QChar(char16_t(u'\u0660' + caption.front().digitValue())));
    return QString();
}

} // namespace

struct Form15::Key {
    QPushButton *Form15::*member;
    const char *name;
    const char *caption;
    Tw at;
    const char *tip;         // nullptr: no tooltip
    void (Form15::*click)(); // nullptr: a digit or the point, or a frame button
    Look look;
};

// Every button of the window, row by row as they stand on the keypad.
const std::array<Form15::Key, 31> &Form15::keys()
{
    static const std::array<Key, 31> table{{
        {&Form15::Command20, "Command20", "AC", {240, 2040, 855, 495}, "حذف الكل", &Form15::Command20_Click, Look::Clear},
        {&Form15::Command21,
         "Command21",
         "About this",
         {1200, 2040, 2655, 495},
         nullptr,
         &Form15::Command21_Click,
         Look::Function},
        {&Form15::Command29, "Command29", "ON", {3960, 2040, 615, 495}, nullptr, &Form15::Command29_Click, Look::Clear},
        {&Form15::Command8,
         "Command8",
         "C",
         {240, 2640, 855, 495},
         "حذف خانة واحدة",
         &Form15::Command8_Click,
         Look::Clear},
        {&Form15::Command18,
         "Command18",
         "Sqr",
         {1200, 2640, 855, 495},
         "الجذر التربيعي",
         &Form15::Command18_Click,
         Look::Function},
        {&Form15::Command28,
         "Command28",
         "Log",
         {2160, 2640, 855, 495},
         "لوغاريتم",
         &Form15::Command28_Click,
         Look::Function},
        {&Form15::Command16, "Command16", "/", {3120, 2640, 735, 495}, nullptr, &Form15::Command16_Click, Look::Operator},
        {&Form15::Command22, "Command22", "M+", {3960, 2640, 615, 495}, nullptr, &Form15::Command22_Click, Look::Memory},
        {&Form15::Command3, "Command3", "7", {240, 3240, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command7, "Command7", "8", {1200, 3240, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command11, "Command11", "9", {2160, 3240, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command15, "Command15", "*", {3120, 3240, 735, 495}, nullptr, &Form15::Command15_Click, Look::Operator},
        {&Form15::Command23, "Command23", "M-", {3960, 3240, 615, 495}, nullptr, &Form15::Command23_Click, Look::Memory},
        {&Form15::Command2, "Command2", "4", {240, 3840, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command6, "Command6", "5", {1200, 3840, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command10, "Command10", "6", {2160, 3840, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command14, "Command14", "-", {3120, 3840, 735, 495}, nullptr, &Form15::Command14_Click, Look::Operator},
        {&Form15::Command24, "Command24", "MS", {3960, 3840, 615, 480}, nullptr, &Form15::Command24_Click, Look::Memory},
        {&Form15::Command1, "Command1", "1", {240, 4440, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command5, "Command5", "2", {1200, 4440, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command9, "Command9", "3", {2160, 4440, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command13, "Command13", "+", {3120, 4440, 735, 495}, nullptr, &Form15::Command13_Click, Look::Operator},
        {&Form15::Command25, "Command25", "Mr", {3960, 4440, 615, 495}, nullptr, &Form15::Command25_Click, Look::Memory},
        {&Form15::Command27, "Command27", "%", {240, 5040, 855, 495}, nullptr, &Form15::Command27_Click, Look::Function},
        {&Form15::Command4, "Command4", "0", {1200, 5040, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command17, "Command17", ".", {2160, 5040, 855, 495}, nullptr, nullptr, Look::Digit},
        {&Form15::Command12, "Command12", "=", {3120, 5040, 735, 495}, nullptr, &Form15::Command12_Click, Look::Operator},
        {&Form15::Command26, "Command26", "Mc", {3960, 5040, 615, 495}, nullptr, &Form15::Command26_Click, Look::Memory},
        {&Form15::Command19, "Command19", "خروج", {240, 5760, 1095, 375}, nullptr, nullptr, Look::Frame},
        {&Form15::Command31,
         "Command31",
         "الحاسبة التقليدية",
         {1560, 5760, 1335, 375},
         nullptr,
         &Form15::Command31_Click,
         Look::Frame},
        {&Form15::Command30,
         "Command30",
         "القائمة الرئيسية",
         {3120, 5760, 1455, 375},
         nullptr,
         &Form15::Command30_Click,
         Look::Frame},
    }};
    return table;
}

namespace {
// Draws a key's caption left to right in the right-to-left window, so that
// "M+" reads "M+" and not "+M".
class LatinCaptions : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        painter->save();
        if (element == CE_PushButtonLabel)
            painter->setLayoutDirection(Qt::LeftToRight);
        QProxyStyle::drawControl(element, option, painter, widget);
        painter->restore();
    }
};

QStyle *latinCaptions()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new LatinCaptions;
        style->setParent(qApp);
    }
    return style;
}

void dress(QPushButton *key, Look look)
{
    if (look == Look::Frame)
        return;
    key->setStyle(latinCaptions());
    QFont f = key->font();
    f.setPointSizeF(11);
    f.setBold(true);
    key->setFont(f);
    static const QColor colours[] = {QColor(246, 247, 250), QColor(255, 224, 178), QColor(220, 237, 200),
                                     QColor(214, 228, 245), QColor(248, 208, 208)};
    QPalette p = key->palette();
    p.setColor(QPalette::Button, colours[int(look)]);
    key->setPalette(p);
}

const QString MemoryMark = QStringLiteral("M");
} // namespace

keypad::Held &Form15::held() { return Context::current().kept<keypad::Held>(); }

Form15::Form15() : SectionWindow("Form15", QStringLiteral("الحاسبة المتقدمة - تجريبية"), 4830, 6375)
{
    Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("المتقدمة"));
    Text1 = readOnlyEdit(this, "Text1", {120, 1320, 4575, 615}, QStringLiteral("الشاشة"));
    // The mark stands over the right end of the display.
    Text2 = readOnlyEdit(this, "Text2", {4320, 1320, 375, 615}, QStringLiteral("علامة الذاكرة"));
    QFont bold = Text1->font();
    bold.setPointSizeF(12);
    bold.setBold(true);
    Text2->setFont(bold);
    Text2->setFocusPolicy(Qt::NoFocus);
    fitDisplay();
    connect(Text1, &QLineEdit::textChanged, this, &Form15::fitDisplay);

    std::vector<QPushButton *> chain;
    for (const Key &k : keys()) {
        QPushButton *b = button(this, k.name, QString::fromUtf8(k.caption), k.at,
                                k.tip ? QString::fromUtf8(k.tip) : QString());
        this->*k.member = b;
        if (const QString heard = heardName(b->text()); !heard.isEmpty())
            b->setAccessibleName(heard);
        dress(b, k.look);
        chain.push_back(b);
        if (k.click) {
            on(b, &QPushButton::clicked, this, k.click);
        } else if (k.look == Look::Digit) {
            const QChar c = b->text().front();
            connect(b, &QPushButton::clicked, this, [this, c] { run([&] { Digit_Click(c); }); });
        }
    }
    joinFrame(Command19, nullptr);
    setCloseQuestion(QStringLiteral("هل أنت متأكد من رغبتك في الإغلاق والذهاب للصفحة الرئيسية؟"));
    steps_ = offerSteps(this, {Text1});

    // Tab goes through the display, then the keys as they read from the right.
    std::stable_sort(chain.begin(), chain.end(), [](const QPushButton *a, const QPushButton *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() > b->x();
    });
    QWidget *previous = Text1;
    for (QPushButton *b : chain) {
        setTabOrder(previous, b);
        previous = b;
    }
    Text1->setFocus();

    // The keyboard reaches the keypad whichever control has the focus.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

void Form15::fitDisplay()
{
    // A large figure that shrinks for a long number, keeping clear of the
    // memory mark at either end.
    QFont f = Text1->font();
    const int room = Text1->width() - 2 * Text2->width() - 8;
    for (qreal size = 18; size >= 8; size -= 1) {
        f.setPointSizeF(size);
        if (QFontMetrics(f).horizontalAdvance(Text1->text()) <= room)
            break;
    }
    Text1->setFont(f);
}

template <class Work> void Form15::work(Work &&key)
{
    steps_->record([&](numtext::Steps &s) {
        s = calculation_;
        key(s);
        calculation_ = s;
    });
}

QString Form15::displayHeard() const
{
    return Text1->text().isEmpty() ? QStringLiteral("الشاشة فارغة") : spokenResult(Text1);
}

void Form15::announceMemory(const QPushButton *button)
{
    announce(this, button->accessibleName() + QStringLiteral("، الذاكرة ") + spokenText(format(held().memory)));
}

void Form15::Digit_Click(QChar key)
{
    if (keypad::startsNewCalculation(held())) {
        calculation_ = numtext::Steps();
        begun_ = false;
    }
    Text1->setText(keypad::digit(held(), Text1->text(), key));
    announce(this, key == u'.' ? QStringLiteral("فاصلة") : spokenText(QString(key)));
}

void Form15::operatorKey(keypad::Operator key, const QPushButton *button)
{
    work([&](numtext::Steps &s) { Text1->setText(keypad::operatorKey(held(), Text1->text(), key, s, begun_)); });
    begun_ = true;
    announce(this,
             button->accessibleName() + QStringLiteral("، الناتج حتى الآن ") + spokenText(format(held().running)));
}

void Form15::Command13_Click() { operatorKey(keypad::Add, Command13); }
void Form15::Command14_Click() { operatorKey(keypad::Subtract, Command14); }
void Form15::Command15_Click() { operatorKey(keypad::Multiply, Command15); }
void Form15::Command16_Click() { operatorKey(keypad::Divide, Command16); }

void Form15::Command12_Click()
{
    work([&](numtext::Steps &s) { Text1->setText(keypad::equals(held(), Text1->text(), s)); });
    begun_ = true;
    announce(this, displayHeard());
}

void Form15::Command18_Click()
{
    work([&](numtext::Steps &s) { Text1->setText(keypad::squareRoot(Text1->text(), s)); });
    announce(this, displayHeard());
}
void Form15::Command28_Click()
{
    work([&](numtext::Steps &s) { Text1->setText(keypad::logarithm(Text1->text(), s)); });
    announce(this, displayHeard());
}
void Form15::Command27_Click()
{
    work([&](numtext::Steps &s) { Text1->setText(keypad::percent(Text1->text(), s)); });
    announce(this, displayHeard());
}

void Form15::Command8_Click()
{
    Text1->setText(keypad::backspace(Text1->text()));
    announce(this, displayHeard());
}
void Form15::Command20_Click()
{
    Text1->clear();
    announce(this, displayHeard());
}
void Form15::Command29_Click()
{
    Text1->setText(QStringLiteral("0"));
    announce(this, displayHeard());
}

void Form15::emptyDisplay()
{
    Text1->clear();
    Text1->setFocus();
}

void Form15::Command22_Click()
{
    work([&](numtext::Steps &s) { keypad::memoryAdd(held(), Text1->text(), s); });
    emptyDisplay();
    Text2->setText(MemoryMark);
    Text2->setVisible(true);
    announceMemory(Command22);
}

void Form15::Command23_Click()
{
    work([&](numtext::Steps &s) { keypad::memorySubtract(held(), Text1->text(), s); });
    emptyDisplay();
    announceMemory(Command23);
}

void Form15::Command24_Click()
{
    work([&](numtext::Steps &s) { keypad::memoryStore(held(), Text1->text(), s); });
    emptyDisplay();
    announceMemory(Command24);
}

void Form15::Command25_Click()
{
    work([&](numtext::Steps &s) { Text1->setText(keypad::memoryRecall(held(), s)); });
    announce(this, displayHeard());
}

void Form15::Command26_Click()
{
    const bool yes = notice(QStringLiteral("هل أنت متأكد من تنظيف الذاكرة؟"), style::YesNo) == answer::Yes;
    if (yes) {
        work([&](numtext::Steps &s) { keypad::memoryClear(held(), s); });
        emptyDisplay();
    }
    Text2->setVisible(false);
    if (yes)
        announceMemory(Command26);
    else
        announce(this, QStringLiteral("لم تمسح الذاكرة"));
}

void Form15::Command21_Click()
{
    notice(QStringLiteral("شكرا للمهندس مبرمج هذه الحاسبة المتقدمة") + crlf() + QStringLiteral("TARVEN OSKIL"),
           style::RightAlign, QStringLiteral("شكر"));
}

void Form15::Command31_Click()
{
    setWindowState(windowState() | Qt::WindowMinimized);
    Windows::get<Form3>()->returnTo(this);
    Windows::show<Form3>();
}

void Form15::Command30_Click()
{
    if (mainMenuShown())
        return;
    hide();
    showMainMenu();
}

// ---- The keyboard ---------------------------------------------------------

QPushButton *Form15::keyFor(const QKeyEvent &event) const
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers == Qt::ControlModifier) {
        switch (event.key()) {
        case Qt::Key_P:
            return Command22;
        case Qt::Key_Q:
            return Command23;
        case Qt::Key_M:
            return Command24;
        case Qt::Key_R:
            return Command25;
        case Qt::Key_L:
            return Command26;
        default:
            return nullptr;
        }
    }
    if (modifiers != Qt::NoModifier)
        return nullptr;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A focused frame button takes Enter for itself, as it takes Space.
        const auto *focused = qobject_cast<const QPushButton *>(focusWidget());
        const bool keypadKey = std::any_of(keys().begin(), keys().end(), [&](const Key &k) {
            return this->*k.member == focused && k.look != Look::Frame && k.member != &Form15::Command21;
        });
        return focused && !keypadKey ? nullptr : Command12;
    }
    case Qt::Key_Backspace:
        return Command8;
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return Command20;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1)
        return nullptr;
    const QChar c = text.front();
    if (c.isDigit()) {
        static QPushButton *Form15::*const digits[] = {&Form15::Command4,  &Form15::Command1, &Form15::Command5,
                                                       &Form15::Command9,  &Form15::Command2, &Form15::Command6,
                                                       &Form15::Command10, &Form15::Command3, &Form15::Command7,
                                                       &Form15::Command11};
        return this->*digits[c.digitValue()];
    }
    // The comma of a keypad whose decimal key writes one.
    const bool keypadComma = c == u',' && (event.modifiers() & Qt::KeypadModifier);
    static const std::pair<char16_t, QPushButton * Form15::*> signs[] = {
        {u'.', &Form15::Command17}, {u'٫', &Form15::Command17}, {u'+', &Form15::Command13}, {u'-', &Form15::Command14},
        {u'−', &Form15::Command14}, {u'*', &Form15::Command15}, {u'×', &Form15::Command15}, {u'/', &Form15::Command16},
        {u'÷', &Form15::Command16}, {u'=', &Form15::Command12}, {u'%', &Form15::Command27}, {u'٪', &Form15::Command27},
        {u'@', &Form15::Command18}, {u'l', &Form15::Command28}, {u'L', &Form15::Command28},
    };
    for (const auto &[sign, member] : signs)
        if (c == QChar(sign) || (keypadComma && sign == u'.'))
            return this->*member;
    return nullptr;
}

bool Form15::Form_KeyPress(const QKeyEvent &event)
{
    QPushButton *key = keyFor(event);
    if (!key || !key->isVisible() || !key->isEnabled())
        return false;
    key->click();
    // The key looks pressed for a moment, as under a finger.
    key->setDown(true);
    QTimer::singleShot(120, key, [key] { key->setDown(false); });
    return true;
}

bool Form15::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && Form_KeyPress(*static_cast<QKeyEvent *>(event)))
        return true;
    return SectionWindow::eventFilter(watched, event);
}
