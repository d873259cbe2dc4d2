#include "numbers/operations.h"

#include "app/banner.h"
#include "app/controls.h"
#include "app/dispatch.h"
#include "numbers/prime.h"
#include "numtext/mixed.h"
#include "numtext/notice.h"
#include "numtext/numtext.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <optional>

using namespace app;
using namespace numtext;

namespace {
const QString Unknown = QStringLiteral("قيمة غير معروفة");

QString utf8(const char *text) { return QString::fromUtf8(text); }

// Each answer reads the operand from the text of the input box and gives the
// text of the result box, or nothing when it has told the user why not.
std::optional<QString> squareRootOf(const QString &text)
{
    const double x = strictNumber(text);
    if (x < 0) {
        notice(QStringLiteral("لا يمكن إيجاد الجذر التربيعي لهذا العدد .. لأنه تحت الصفر"), style::RightAlign,
               QStringLiteral("خطأ رياضي"));
        return std::nullopt;
    }
    return format(squareRoot(x));
}

std::optional<QString> absoluteValueOf(const QString &text) { return format(std::fabs(strictNumber(text))); }

// The decimal logarithm is the quotient of two natural logarithms, so that of
// 1000 is a little below 3 and is written 3.
std::optional<QString> decimalLogOf(const QString &text)
{
    const double x = strictNumber(text);
    return x <= 0 ? Unknown : format(divide(naturalLog(x), naturalLog(10)));
}

std::optional<QString> naturalLogOf(const QString &text)
{
    const double x = strictNumber(text);
    return x <= 0 ? Unknown : format(naturalLog(x));
}

// Any text has a leading number: letters read as 0, which is not prime.
std::optional<QString> primeAnswer(const QString &text)
{
    return numbers::isPrime(leadingNumber(text)) ? QStringLiteral("نعم .. العدد أولي") : QStringLiteral("العدد غيرأولي");
}

// The number is rounded to a whole one first, halves to even: 2.5 is even.
std::optional<QString> parityOf(const QString &text)
{
    const Mixed remainder = mod(Mixed(leadingNumber(text)), Mixed(std::int32_t(2)));
    return remainder == Mixed(std::int32_t(0)) ? QStringLiteral("نوع العدد زوجي") : QStringLiteral("نوع العدد فردي");
}

std::optional<QString> hundredthsOf(const QString &text) { return format(roundDecimal(QStringView(text), 2)); }

constexpr Tw ButtonAt{2520, 3840, 2055, 375};
constexpr Tw rightColumn(int top) { return {2520, top, 2055, 240}; }
constexpr Tw leftColumn(int top) { return {240, top, 2175, 240}; }

} // namespace

struct Form8::Operation {
    QRadioButton *Form8::*option;
    const char *optionName;
    const char *caption;
    Tw optionAt;
    const char *heading;
    QPushButton *Form8::*button;
    const char *buttonName;
    const char *buttonText;
    const char *emptyText;
    std::optional<QString> (*answer)(const QString &text);
    void (Form8::*chosen)();
    void (Form8::*clicked)();
};

// In the order of the option list: the right-hand column, then the left-hand
// one.
const std::array<Form8::Operation, 7> &Form8::operations()
{
    static const std::array<Operation, 7> table{{
        {&Form8::Op2, "Op2", "القيمة المطلقة", rightColumn(1800), "ايجاد القيمة المطلقة", &Form8::Comg, "Comg",
         "أوجد القيمة المطلقة", "من فضلك .. ادخل العدد المطلوب لإيجاد القيمة المطلقة له", absoluteValueOf,
         &Form8::Op2_Click, &Form8::Comg_Click},
        {&Form8::Op1, "Op1", "الجذر التربيعي", rightColumn(2040), "ايجاد الجذر التربيعي", &Form8::Comj, "Comj",
         "أوجد الجذر التربيعي", "من فضلك .. اكتب العدد المطلوب ايجاد الجذر التربيعي له", squareRootOf,
         &Form8::Op1_Click, &Form8::Comj_Click},
        {&Form8::Op9, "Op9", "اللوغاريتم الطبيعي", rightColumn(2280), "ايجاد اللوغاريتم الطبيعي للعدد", &Form8::Comldd,
         "Comldd", "أوجد اللوغاريتم الطبيعي", "من فضلك .. ادخل العدد المطلوب لإيجاد اللوغاريتم الطبيعي له",
         naturalLogOf, &Form8::Op9_Click, &Form8::Comldd_Click},
        {&Form8::Op3, "Op3", "اللوغاريتم العشري", rightColumn(2520), "ايجاد اللوغاريتم العشري للعدد", &Form8::Coml,
         "Coml", "أوجد اللوغاريتم العشري", "من فضلك .. ادخل العدد المطلوب لإيجاد اللوغاريتم له", decimalLogOf,
         &Form8::Op3_Click, &Form8::Coml_Click},
        {&Form8::Op4, "Op4", "العدد الأولي", leftColumn(1800), "معرفة العدد الأولي وغير الأولي", &Form8::Comwl, "Comwl",
         "هل هذا العدد أولي؟", "من فضلك .. اكتب العدد أولا", primeAnswer, &Form8::Op4_Click, &Form8::Comwl_Click},
        {&Form8::Op5, "Op5", "تقريب الأعداد النسبية", leftColumn(2040), "تقريب العدد لجزء من المئة", &Form8::Comt,
         "Comt", "تقريب العدد", "من فضلك .. اكتب عددا به فاصلة لتقريبه لجزء من المئة", hundredthsOf,
         &Form8::Op5_Click, &Form8::Comt_Click},
        {&Form8::Op6, "Op6", "العدد الزوجي والفردي", leftColumn(2280), "معرفة العدد الزوجي والفردي", &Form8::Comw,
         "Comw", "أوجد نوع العدد", "من فضلك .. اكتب العدد المطلوب أولا", parityOf, &Form8::Op6_Click,
         &Form8::Comw_Click},
    }};
    return table;
}

Form8::Form8() : SectionWindow("Form8", QStringLiteral("حسابات أخرى"), 4815, 5775)
{
    // The option list with its heading, the rows of the panel, the frame row.
    rectangle(this, {60, 1740, 4695, 1440}, "Shape1");
    rectangle(this, {60, 3195, 4695, 1080}, "Shape2");
    rectangle(this, {60, 4365, 4695, 555}, "Shape3");
    rectangle(this, {60, 5085, 4695, 525}, "Shape4");

    Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("أخرى"));
    Picture1->setFocusPolicy(Qt::TabFocus);
    Text1 = headingLine(this, "Text1", {120, 1320, 4575, 375}, QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    Text1->setStyleSheet(QStringLiteral("background: #ffffe1; color: #000080;"));

    group_ = new QButtonGroup(this);
    for (const Operation &o : operations()) {
        QRadioButton *r = option(this, o.optionName, utf8(o.caption), o.optionAt);
        this->*o.option = r;
        group_->addButton(r);
    }
    Option2 = option(this, "Option2", QStringLiteral("حساب المعدل التراكمي"), leftColumn(2520));
    Option2->setStyleSheet(QStringLiteral("color: red;"));
    group_->addButton(Option2);
    la22 = headingLine(this, "la22", {120, 2760, 4575, 375});
    la22->setStyleSheet(QStringLiteral("background: white; color: blue;"));

    Lak1 = label(this, "Lak1", QStringLiteral("أدخل العدد"), {3360, 3360, 1215, 255});
    Te1 = edit(this, "Te1", {240, 3240, 3015, 405}, Lak1->text());
    com = button(this, "com", QStringLiteral("مسح"), {240, 3840, 855, 375});
    for (const Operation &o : operations()) {
        QPushButton *b = button(this, o.buttonName, utf8(o.buttonText), ButtonAt);
        b->hide();
        this->*o.button = b;
    }
    Lak2 = label(this, "Lak2", QStringLiteral("النـــاتج"), {3480, 4560, 1095, 255});
    Te2 = edit(this, "Te2", {240, 4440, 3015, 405}, Lak2->text());
    for (QWidget *panel : std::initializer_list<QWidget *>{Lak1, Te1, com, Lak2, Te2})
        panel->hide();

    Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, 5160, 1215, 375});
    Label4 = noLawsPanel(this, {1680, 5160, 1215, 375});
    Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3120, 5160, 1455, 375});
    joinFrame(Command1, Command3);

    // The banner comes first and holds the focus when the window opens.
    tabOrder({Picture1, Op2, Op1, Op9, Op3, Op4, Op5, Op6, Option2, Te1, Comj, Comg, Coml, Comldd, Comwl, Comw, Comt, com,
              Te2, Command3, Command1});
    Picture1->setFocus();

    for (const Operation &o : operations()) {
        on(this->*o.option, &QRadioButton::clicked, this, o.chosen);
        on(this->*o.button, &QPushButton::clicked, this, o.clicked);
    }
    on(Option2, &QRadioButton::clicked, this, &Form8::Option2_Click);
    on(com, &QPushButton::clicked, this, &Form8::com_Click);
    on(Label4, &ClickLabel::clicked, this, &Form8::Label4_Click);
}

void Form8::choose(const Operation &chosen)
{
    for (QWidget *panel : std::initializer_list<QWidget *>{Te1, Te2, com, Lak1, Lak2})
        panel->show();
    QPushButton *own = this->*chosen.button;
    setDefaultButton(own);
    own->show();
    for (const Operation &o : operations()) {
        if (&o != &chosen)
            (this->*o.button)->hide();
    }
    la22->setText(utf8(chosen.heading));
    la22->setCursorPosition(0);
}

// Only the exactly empty box counts as empty; the result box changes only
// when there is an answer.
void Form8::answer(const Operation &operation)
{
    if (isEmpty(Te1->text())) {
        emptyFieldNotice(utf8(operation.emptyText), style::RightAlign);
        return;
    }
    if (const std::optional<QString> result = operation.answer(Te1->text())) {
        Te2->setText(*result);
        Te2->setCursorPosition(0);
    }
}

// The operations table is in the order Op2, Op1, Op9, Op3, Op4, Op5, Op6.
void Form8::Op2_Click() { choose(operations()[0]); }
void Form8::Op1_Click() { choose(operations()[1]); }
void Form8::Op9_Click() { choose(operations()[2]); }
void Form8::Op3_Click() { choose(operations()[3]); }
void Form8::Op4_Click() { choose(operations()[4]); }
void Form8::Op5_Click() { choose(operations()[5]); }
void Form8::Op6_Click() { choose(operations()[6]); }
void Form8::Comg_Click() { answer(operations()[0]); }
void Form8::Comj_Click() { answer(operations()[1]); }
void Form8::Comldd_Click() { answer(operations()[2]); }
void Form8::Coml_Click() { answer(operations()[3]); }
void Form8::Comwl_Click() { answer(operations()[4]); }
void Form8::Comt_Click() { answer(operations()[5]); }
void Form8::Comw_Click() { answer(operations()[6]); }

// The cumulative average is not in this version; the shown panel stays.
void Form8::Option2_Click()
{
    notice(QStringLiteral("هذه الخاصية غير متوفرة حاليا في هذا الإصدار") + crlf()
               + QStringLiteral("ربما يتم إضافتها في إصدار أحدث"),
           style::RightAlign, QStringLiteral("غير متوفر"));
    selectShownOperation();
}

// The list marks the option whose panel is shown, or none before the first
// choice.
void Form8::selectShownOperation()
{
    for (const Operation &o : operations()) {
        if (this->*o.button == defaultButton()) {
            (this->*o.option)->setChecked(true);
            return;
        }
    }
    group_->setExclusive(false);
    Option2->setChecked(false);
    group_->setExclusive(true);
}

void Form8::com_Click() { Te1->clear(); }

void Form8::Label4_Click()
{
    noLawsNotice();
}
