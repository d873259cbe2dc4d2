#include "conversions/conversions.h"

#include "conversions/formulas.h"
#include "kit/banner.h"
#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/practicedoor.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "numtext/numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace app;
using namespace numtext;

namespace {
// The panel rows that every option shares: the input label beside Te1, the
// convert button, the result label beside Te2.
constexpr Tw InputLabelAt{2820, 4200, 1755, 255};
constexpr Tw ButtonAt{2520, 4560, 2055, 375};
constexpr Tw ResultLabelAt{3180, 5280, 1395, 255};
// The temperature options stand right-aligned in the right-hand column, the
// angle options in the left-hand one.
constexpr Tw temperatureAt(int top) { return {2400, top, 2175, 240}; }
constexpr Tw angleAt(int top) { return {360, top, 1815, 240}; }

// The scale each temperature conversion reads its number on.
constexpr conversions::Scale Celsius = conversions::Scale::Celsius;
constexpr conversions::Scale Kelvin = conversions::Scale::Kelvin;
constexpr conversions::Scale Fahrenheit = conversions::Scale::Fahrenheit;

// The conversions in reading order: the temperature column, then the angles.
const Choice Conversions[] = {
    {.option = {.name = "Op1", .caption = "من المئوي إلى الفهرنهايت", .at = temperatureAt(2040)},
     .chosen = &Form5::Op1_Click,
     .heading = "التحويل من المئوي إلى الفهرنهايت",
     .action = {.name = "Comh1", .caption = "تحويل إلى فهرنهايت", .clicked = &Form5::Comh1_Click},
     .labels = {{.name = "Lamh1", .caption = "أدخل الدرجة بالمئوي", .at = InputLabelAt},
                {.name = "lamh2", .caption = "الدرجة بالفهرنهايت", .at = ResultLabelAt}}},
    {.option = {.name = "Op3", .caption = "من المئوي إلى الكالفن", .at = temperatureAt(2280)},
     .chosen = &Form5::Op3_Click,
     .heading = "التحويل من المئوي إلى الكالفن",
     .action = {.name = "Comk1", .caption = "تحويل إلى كالفــن", .clicked = &Form5::Comk1_Click},
     .labels = {{.name = "Lamk1", .caption = "أدخل الدرجة بالمئوي", .at = InputLabelAt},
                {.name = "Lamk2", .caption = "الدرجة بالكالفن", .at = ResultLabelAt}}},
    {.option = {.name = "Op5", .caption = "من الكالفن إلى الفهرنهايت", .at = temperatureAt(2520)},
     .chosen = &Form5::Op5_Click,
     .heading = "التحويل من الكالفن إلى الفهرنهايت",
     .action = {.name = "Comkh1", .caption = "تحويل إلى فهرنهايت", .clicked = &Form5::Comkh1_Click},
     .labels = {{.name = "Lakh1", .caption = "أدخل الدرجة بالكالفن", .at = InputLabelAt},
                {.name = "lakh2", .caption = "الدرجة بالفهرنهايت", .at = ResultLabelAt}}},
    {.option = {.name = "Op4", .caption = "من الكالفن إلى المئوي", .at = temperatureAt(2760)},
     .chosen = &Form5::Op4_Click,
     .heading = "التحويل من الكالفن إلى المئوي",
     .action = {.name = "Cokm1", .caption = "تحويل إلى مئوي", .clicked = &Form5::Cokm1_Click},
     .labels = {{.name = "Lakm1", .caption = "أدخل الدرجة بالكالفن", .at = InputLabelAt},
                {.name = "Lakm2", .caption = "الدرجة بالمئوي", .at = ResultLabelAt}}},
    {.option = {.name = "Op2", .caption = "من الفهرنهايت إلى المئوي", .at = temperatureAt(3000)},
     .chosen = &Form5::Op2_Click,
     .heading = "التحويل من الفهرنهايت إلى المئوي",
     .action = {.name = "Cohm1", .caption = "تحويل إلى مئوي", .clicked = &Form5::Cohm1_Click},
     .labels = {{.name = "Lahm1", .caption = "أدخل الدرجة بالفهرنهايت", .at = InputLabelAt},
                {.name = "lahm2", .caption = "الدرجة بالمئوي", .at = ResultLabelAt}}},
    {.option = {.name = "Op6", .caption = "من الفهرنهايت إلى الكالفن", .at = temperatureAt(3240)},
     .chosen = &Form5::Op6_Click,
     .heading = "التحويل من الفهرنهايت إلى الكالفن",
     .action = {.name = "Comhk1", .caption = "تحويل إلى كــالفن", .clicked = &Form5::Comhk1_Click},
     .labels = {{.name = "Lahk1", .caption = "أدخل الدرجة بالفهرنهايت", .at = InputLabelAt},
                {.name = "Lahk2", .caption = "الدرجة بالــكالفن", .at = ResultLabelAt}}},
    {.option = {.name = "Op7", .caption = "من راديان إلى درجات", .at = angleAt(2400)},
     .chosen = &Form5::Op7_Click,
     .heading = "التحويل من الراديان إلى درجات",
     .action = {.name = "Comds1", .caption = "تحويل إلى درجات", .clicked = &Form5::Comds1_Click},
     .labels = {{.name = "Lads1", .caption = "أدخل الزاوية بالراديان", .at = InputLabelAt},
                {.name = "Lads2", .caption = "الزاوية بالدرجات", .at = ResultLabelAt}}},
    {.option = {.name = "Op8", .caption = "من درجات إلى راديان", .at = angleAt(2880)},
     .chosen = &Form5::Op8_Click,
     .heading = "التحويل من الدرجات إلى الراديان",
     .action = {.name = "Comsd1", .caption = "تحويل إلى راديان", .clicked = &Form5::Comsd1_Click},
     .labels = {{.name = "Lasd1", .caption = "أدخل الزاوية بالدرجات", .at = InputLabelAt},
                {.name = "Lasd2", .caption = "الزاوية بالراديان", .at = ResultLabelAt}}},
};
} // namespace

Form5::Form5() : OptionWindow("Form5", QStringLiteral("حساب التحويلات"), 4815, 6495)
{
    auto *Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("التحويلات"));
    Picture1->setToolTip(QStringLiteral("تحويلات الزاوية ودرجات الحرارة"));
    QLineEdit *instruction = headingLine(this, "Text1", {120, 1320, 4575, 375},
                                         QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    for (QLabel *heading : {label(this, "Label1", QStringLiteral("تحويل درجات الحرارة"), {2760, 1710, 1815, 255}),
                            label(this, "Label2", QStringLiteral("تحويل الزاوية"), {720, 1710, 1455, 255})}) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    headingBox(3600);

    Te1 = edit(this, "Te1", {240, 4080, 2535, 375}, QStringLiteral("العدد المطلوب تحويله"));
    Com1 = button(this, "Com1", QStringLiteral("مسح"), {240, 4560, 975, 375});
    Te2 = edit(this, "Te2", {240, 5160, 2895, 375}, QStringLiteral("الناتج"));
    setSharedPanel({Te1, Te2, Com1});
    buildChoices(Conversions, ButtonAt);
    headList(instruction);
    on(Com1, &QPushButton::clicked, this, &Form5::Com1_Click);

    auto *Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, 5880, 1215, 375});
    auto *Command5 = button(this, "Command5", QStringLiteral("قوانين رياضية"), {1560, 5880, 1455, 375});
    auto *Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3120, 5880, 1455, 375});
    joinFrame(Command1, Command3, Command5, "Form13");
    steps_ = offerSteps(this, {Te2});
    offerPractice(this, QStringLiteral("conversions"));

    // Reading order: the right-hand column, the left-hand column, the panel,
    // then the frame from the right. The first option holds the focus.
    orderTabs({},
              {Te1, named("Comh1"), named("Comk1"), named("Comkh1"), named("Cokm1"), named("Cohm1"), named("Comhk1"),
               named("Comds1"), named("Comsd1"), Com1, Te2},
              {Command3, Command5, Command1});
    options().front()->setFocus();
}

void Form5::convert(const char *emptyText, double (*formula)(QStringView typed, Steps &s),
                    std::optional<conversions::Scale> from)
{
    if (isEmpty(Te1->text())) {
        emptyFieldNotice(QString::fromUtf8(emptyText), style::Information | style::RightAlign);
        steps_->refuse(Refusal::EmptyBox, QString::fromUtf8(emptyText));
        return;
    }
    steps_->record([&](Steps &s) {
        if (from && conversions::belowAbsoluteZero(*from, Te1->text())) {
            const QString text = QStringLiteral("لا توجد درجة حرارة أقل من الصفر المطلق");
            notice(text, style::RightAlign, QStringLiteral("خطأ رياضي"));
            s.refuse(Refusal::BelowAbsoluteZero, text);
            return;
        }
        Te2->setText(format(formula(Te1->text(), s)));
        announce(this, spokenResult(Te2));
    });
}

void Form5::Op1_Click() { showPanel("Op1"); }
void Form5::Op2_Click() { showPanel("Op2"); }
void Form5::Op3_Click() { showPanel("Op3"); }
void Form5::Op4_Click() { showPanel("Op4"); }
void Form5::Op5_Click() { showPanel("Op5"); }
void Form5::Op6_Click() { showPanel("Op6"); }
void Form5::Op7_Click() { showPanel("Op7"); }
void Form5::Op8_Click() { showPanel("Op8"); }

void Form5::Comh1_Click()
{
    convert("من فضلك .. أدخل درجة الحرارة بالمئوي", conversions::celsiusToFahrenheit, Celsius);
}
void Form5::Cohm1_Click()
{
    convert("من فضلك .. أدخل درجة الحرارة بالفهرنهايت", conversions::fahrenheitToCelsius, Fahrenheit);
}
void Form5::Comk1_Click() { convert("من فضلك .. أدخل درجة الحرارة بالمئوي", conversions::celsiusToKelvin, Celsius); }
void Form5::Cokm1_Click() { convert("من فضلك .. أدخل درجة الحرارة بالكالفن", conversions::kelvinToCelsius, Kelvin); }
void Form5::Comkh1_Click()
{
    convert("من فضلك .. أدخل درجة الحرارة بالكالفن", conversions::kelvinToFahrenheit, Kelvin);
}
void Form5::Comhk1_Click()
{
    convert("من فضلك .. أدخل درجة الحرارة بالفهرنهايت", conversions::fahrenheitToKelvin, Fahrenheit);
}
void Form5::Comds1_Click()
{
    convert("من فضلك .. أدخل الزاوية بالراديان - التقدير الدائري", conversions::radiansToDegrees);
}
void Form5::Comsd1_Click()
{
    convert("من فضلك .. أدخل الزاوية بالدرجات - التقدير الستيني", conversions::degreesToRadians);
}

void Form5::Com1_Click() { Te1->clear(); }
