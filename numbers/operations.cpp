#include "numbers/operations.h"

#include "kit/banner.h"
#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/practicedoor.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "numbers/formulas.h"
#include "numtext/numtext.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

using namespace app;
using namespace numtext;

namespace {
// The square root of a number below zero is refused with a notice, and so is
// the prime test of a number too large for it; every other operation always
// answers.
std::optional<QString> squareRootOf(QStringView text, numtext::Steps &s)
{
    std::optional<QString> root = numbers::squareRootAnswer(text, s);
    if (!root) {
        const QString message = QStringLiteral("لا يمكن إيجاد الجذر التربيعي لهذا العدد .. لأنه تحت الصفر");
        notice(message, style::RightAlign, QStringLiteral("خطأ رياضي"));
        s.refuse(numtext::Refusal::NegativeUnderRoot, message);
    }
    return root;
}

// A whole number of more than 18 digits is not tested: a notice says so.
std::optional<QString> primeOf(QStringView text, numtext::Steps &s)
{
    std::optional<QString> answer = numbers::primeAnswer(text, s);
    if (!answer) {
        const QString message = QStringLiteral("العدد أكبر من أن يختبر .. اكتب عددا من ١٨ رقما على الأكثر");
        notice(message, style::RightAlign, QStringLiteral("خطأ رياضي"));
        s.refuse(numtext::Refusal::TooLargeToTest, message);
    }
    return answer;
}

template <QString (*Answer)(QStringView, numtext::Steps &)>
std::optional<QString> always(QStringView text, numtext::Steps &s)
{
    return Answer(text, s);
}

constexpr Tw ButtonAt{2520, 3840, 2055, 375};
constexpr Tw rightColumn(int top) { return {2520, top, 2055, 240}; }
constexpr Tw leftColumn(int top) { return {240, top, 2175, 240}; }

// The operations in the order of the option list: the right-hand column,
// then the left-hand one.
const Choice Operations[] = {
    {.option = {.name = "Op2", .caption = "القيمة المطلقة", .at = rightColumn(1800)},
     .chosen = &Form8::Op2_Click,
     .heading = "ايجاد القيمة المطلقة",
     .action = {.name = "Comg", .caption = "أوجد القيمة المطلقة", .clicked = &Form8::Comg_Click}},
    {.option = {.name = "Op1", .caption = "الجذر التربيعي", .at = rightColumn(2040)},
     .chosen = &Form8::Op1_Click,
     .heading = "ايجاد الجذر التربيعي",
     .action = {.name = "Comj", .caption = "أوجد الجذر التربيعي", .clicked = &Form8::Comj_Click}},
    {.option = {.name = "Op9", .caption = "اللوغاريتم الطبيعي", .at = rightColumn(2280)},
     .chosen = &Form8::Op9_Click,
     .heading = "ايجاد اللوغاريتم الطبيعي للعدد",
     .action = {.name = "Comldd", .caption = "أوجد اللوغاريتم الطبيعي", .clicked = &Form8::Comldd_Click}},
    {.option = {.name = "Op3", .caption = "اللوغاريتم العشري", .at = rightColumn(2520)},
     .chosen = &Form8::Op3_Click,
     .heading = "ايجاد اللوغاريتم العشري للعدد",
     .action = {.name = "Coml", .caption = "أوجد اللوغاريتم العشري", .clicked = &Form8::Coml_Click}},
    {.option = {.name = "Op4", .caption = "العدد الأولي", .at = leftColumn(1800)},
     .chosen = &Form8::Op4_Click,
     .heading = "معرفة العدد الأولي وغير الأولي",
     .action = {.name = "Comwl", .caption = "هل هذا العدد أولي؟", .clicked = &Form8::Comwl_Click}},
    {.option = {.name = "Op5", .caption = "تقريب الأعداد النسبية", .at = leftColumn(2040)},
     .chosen = &Form8::Op5_Click,
     .heading = "تقريب العدد لجزء من المئة",
     .action = {.name = "Comt", .caption = "تقريب العدد", .clicked = &Form8::Comt_Click}},
    {.option = {.name = "Op6", .caption = "العدد الزوجي والفردي", .at = leftColumn(2280)},
     .chosen = &Form8::Op6_Click,
     .heading = "معرفة العدد الزوجي والفردي",
     .action = {.name = "Comw", .caption = "أوجد نوع العدد", .clicked = &Form8::Comw_Click}},
    // The cumulative average is not in this version.
    {.option = {.name = "Option2", .caption = "حساب المعدل التراكمي", .at = leftColumn(2520)},
     .chosen = &Form8::Option2_Click,
     .available = false},
};

} // namespace

Form8::Form8() : OptionWindow("Form8", QStringLiteral("حسابات أخرى"), 4815, 5775)
{
    // The option list with its heading, the rows of the panel, the frame row.
    rectangle(this, {60, 1740, 4695, 1440}, "Shape1");
    rectangle(this, {60, 3195, 4695, 1080}, "Shape2");
    rectangle(this, {60, 4365, 4695, 555}, "Shape3");
    rectangle(this, {60, 5085, 4695, 525}, "Shape4");

    auto *Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("أخرى"));
    Picture1->setFocusPolicy(Qt::TabFocus);
    QLineEdit *Text1 = headingLine(this, "Text1", {120, 1320, 4575, 375},
                                   QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    Text1->setStyleSheet(QStringLiteral("background: #ffffe1; color: #000080;"));
    headingBox(2760)->setStyleSheet(QStringLiteral("background: white; color: blue;"));

    QLabel *Lak1 = label(this, "Lak1", QStringLiteral("أدخل العدد"), {3360, 3360, 1215, 255});
    Te1 = edit(this, "Te1", {240, 3240, 3015, 405}, Lak1->text());
    auto *com = button(this, "com", QStringLiteral("مسح"), {240, 3840, 855, 375});
    QLabel *Lak2 = label(this, "Lak2", QStringLiteral("النـــاتج"), {3480, 4560, 1095, 255});
    Te2 = edit(this, "Te2", {240, 4440, 3015, 405}, Lak2->text());
    setSharedPanel({Lak1, Te1, com, Lak2, Te2});
    buildChoices(Operations, ButtonAt);
    headList(Text1);
    on(com, &QPushButton::clicked, this, &Form8::com_Click);

    auto *Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, 5160, 1215, 375});
    ClickLabel *Label4 = noLawsPanel(this, {1680, 5160, 1215, 375});
    auto *Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3120, 5160, 1455, 375});
    joinFrame(Command1, Command3);
    on(Label4, &ClickLabel::clicked, this, &Form8::Label4_Click);

    // The banner comes first and holds the focus when the window opens.
    orderTabs({Picture1},
              {Te1, named("Comj"), named("Comg"), named("Coml"), named("Comldd"), named("Comwl"), named("Comw"),
               named("Comt"), com, Te2},
              {Command3, Command1});
    Picture1->setFocus();
    steps_ = offerSteps(this, {Te2});
    offerPractice(this, QStringLiteral("numbers"));
}

// Only the exactly empty box counts as empty; the result box changes only
// when there is an answer.
void Form8::answer(const char *emptyText, std::optional<QString> (*answerFor)(QStringView text, numtext::Steps &s))
{
    if (isEmpty(Te1->text())) {
        emptyFieldNotice(QString::fromUtf8(emptyText), style::RightAlign);
        steps_->refuse(numtext::Refusal::EmptyBox, QString::fromUtf8(emptyText));
        return;
    }
    const QString text = Te1->text();
    steps_->record([&](numtext::Steps &s) {
        if (const std::optional<QString> result = answerFor(text, s)) {
            Te2->setText(*result);
            Te2->setCursorPosition(0);
            announce(this, spokenResult(Te2));
        }
    });
}

void Form8::Op1_Click() { showPanel("Op1"); }
void Form8::Op2_Click() { showPanel("Op2"); }
void Form8::Op3_Click() { showPanel("Op3"); }
void Form8::Op4_Click() { showPanel("Op4"); }
void Form8::Op5_Click() { showPanel("Op5"); }
void Form8::Op6_Click() { showPanel("Op6"); }
void Form8::Op9_Click() { showPanel("Op9"); }
void Form8::Option2_Click() { notAvailable(); }

void Form8::Comj_Click() { answer("من فضلك .. اكتب العدد المطلوب ايجاد الجذر التربيعي له", squareRootOf); }
void Form8::Comg_Click()
{
    answer("من فضلك .. ادخل العدد المطلوب لإيجاد القيمة المطلقة له", always<numbers::absoluteValueAnswer>);
}
void Form8::Coml_Click()
{
    answer("من فضلك .. ادخل العدد المطلوب لإيجاد اللوغاريتم له", always<numbers::decimalLogAnswer>);
}
void Form8::Comldd_Click()
{
    answer("من فضلك .. ادخل العدد المطلوب لإيجاد اللوغاريتم الطبيعي له", always<numbers::naturalLogAnswer>);
}
void Form8::Comwl_Click() { answer("من فضلك .. اكتب العدد أولا", primeOf); }
void Form8::Comw_Click() { answer("من فضلك .. اكتب العدد المطلوب أولا", always<numbers::parityAnswer>); }
void Form8::Comt_Click()
{
    answer("من فضلك .. اكتب عددا به فاصلة لتقريبه لجزء من المئة", always<numbers::hundredthsAnswer>);
}

void Form8::com_Click() { Te1->clear(); }

void Form8::Label4_Click() { noLawsNotice(); }
