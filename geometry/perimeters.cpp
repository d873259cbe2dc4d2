#include "geometry/perimeters.h"

#include "numtext/mixed.h"
#include "numtext/notice.h"
#include "numtext/numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace numtext;

namespace {

#define NAMED(member) GEOMETRY_MEMBER(Form6, member)

const geometry::Section Perimeters{
    "Form6", "حساب المحيط", "المحيط", 6855,
    2520, 120,                                // la22, row labels a little lower than their boxes
    5520, 2895, "Label1", "المحيط يساوي", 3480, // the result row
    "اضغط هنا لمعرفة وحدة المحيط", "وحدة المحيط = متر .. وكذلك وحدة المسافة = متر ", "المحيط",
    6240, 1560, "Form12",                    // the frame
};

const geometry::OptionEntry<Form6> Options[] = {
    {NAMED(Op5), "محيط المثلث", true, 1800, &Form6::Op5_Click},
    {NAMED(Op2), "محيط شبه منحرف", true, 2040, &Form6::Op2_Click},
    {NAMED(Op4), "محيط متوازي الأضلاع", true, 2280, &Form6::Op4_Click},
    {NAMED(Op1), "محيط الدائرة", false, 1800, &Form6::Op1_Click},
    {NAMED(Op3), "محيط المربع", false, 2040, &Form6::Op3_Click},
    {NAMED(Op6), "محيط المستطيل", false, 2280, &Form6::Op6_Click},
};

constexpr int Row1 = 3000, Row2 = 3480, Row3 = 3960, Row4 = 4440;

const geometry::RowEntry<Form6> Rows[] = {
    {NAMED(Te1), NAMED(Com1), &Form6::Com1_Click, Row1},
    {NAMED(Te2), NAMED(Com2), &Form6::Com2_Click, Row2},
    {NAMED(Te3), NAMED(Com3), &Form6::Com3_Click, Row3},
    {NAMED(Te4), NAMED(Com4), &Form6::Com4_Click, Row4},
};

const geometry::LabelEntry<Form6> Labels[] = {
    {NAMED(Lac1), "أدخل نصف القطر", Row1, true},
    {NAMED(Lac2), "أو أدخل طول القطر", Row2, false},
    {NAMED(Lak1), "أدخل طول الضلع 1", Row1, false},
    {NAMED(Lak2), "أدخل طول الضلع 2", Row2, false},
    {NAMED(Lak3), "أدخل طول الضلع 3", Row3, false},
    {NAMED(Lak4), "أدخل طول الضلع 4", Row4, false},
    {NAMED(Lak5), "أدخل الــطــول", Row1, false},
    {NAMED(Lak6), "أدخل الــعــرض", Row2, false},
    {NAMED(Lak7), "أدخل طول الضلع", Row1, false},
};

const geometry::ButtonEntry<Form6> Calculates[] = {
    {NAMED(Comc), "احسب محيط الدائــرة", &Form6::Comc_Click},
    {NAMED(Comh), "احسب محيط شبه المنحرف", &Form6::Comh_Click},
    {NAMED(Comb), "احسب محيط المربع", &Form6::Comb_Click},
    {NAMED(Comz), "احسب محيط متوازي الأضلاع", &Form6::Comz_Click},
    {NAMED(Comt), "احسب محيط المثلث", &Form6::Comt_Click},
    {NAMED(Coms), "احسب محيط المستطيل", &Form6::Coms_Click},
};

#undef NAMED

constexpr app::Tw CalculateAt{2280, 4920, 2295, 375};
constexpr std::uint32_t InformationStyle = style::Information | style::RightAlign;

const QString SideNotices[] = {
    QStringLiteral("من فضلك .. أدخل طول الضلع الأول"),
    QStringLiteral("من فضلك .. أدخل طول الضلع الثاني"),
    QStringLiteral("من فضلك .. أدخل طول الضلع الثالث"),
    QStringLiteral("من فضلك .. أدخل طول الضلع الرابع"),
};
const QString SquareNotices[] = {QStringLiteral("من فضلك .. أدخل طول ضلع واحد من المربع")};
const QString RectangleNotices[] = {QStringLiteral("من فضلك .. أدخل طول المستطيل"),
                                    QStringLiteral("من فضلك .. أدخل عرض المستطيل")};

} // namespace

Form6::Form6() : SharedRowsWindow(Perimeters)
{
    Label1 = resultCaption();
    Te5 = build<Form6>(this, Options, Rows, Labels, Calculates, CalculateAt);
}

void Form6::Op1_Click() { showFigure(Op1, QStringLiteral("حساب محيط الدائرة"), 2, {Lac1, Lac2}, Comc); }
void Form6::Op2_Click() { showFigure(Op2, QStringLiteral("حساب محيط شبه المنحرف"), 4, {Lak1, Lak2, Lak3, Lak4}, Comh); }
void Form6::Op3_Click() { showFigure(Op3, QStringLiteral("حساب محيط المربع بطول ضلع واحد منه"), 1, {Lak7}, Comb); }
void Form6::Op4_Click()
{
    showFigure(Op4, QStringLiteral("حساب محيط متوازي الأضلاع"), 4, {Lak1, Lak2, Lak3, Lak4}, Comz);
}
void Form6::Op5_Click() { showFigure(Op5, QStringLiteral("حساب محيط المثلث"), 3, {Lak1, Lak2, Lak3}, Comt); }
void Form6::Op6_Click()
{
    showFigure(Op6, QStringLiteral("حساب محيط المستطيل بدلالة الطول والعرض"), 2, {Lak5, Lak6}, Coms);
}

void Form6::Comc_Click()
{
    const double radius = leadingNumber(Te1->text());
    const QString diameter = format(leadingNumber(Te2->text()));
    const double pi = strictNumber(format(geometry::Pi));
    double perimeter = 0;
    if (!isEmpty(Te1->text())) {
        if (!isEmpty(Te2->text())) {
            notice(QStringLiteral("من فضلك .. أدخل إما نصف القطر أو القطر نفسه"), style::RightAlign,
                   QStringLiteral("اختر خانة واحدة"));
            return;
        }
        perimeter = times(radius, plus(pi, pi));
    } else {
        // An empty diameter row too gives the radius 0.
        perimeter = times(divide(strictNumber(diameter), 2), plus(pi, pi));
    }
    showResult(perimeter);
}

void Form6::sumOfSides(int sides)
{
    const std::vector<Mixed> side = operands(sides, 2);
    if (!filled(std::span(SideNotices).first(std::size_t(sides)), InformationStyle))
        return;
    Mixed sum = (side[0] + side[1]) + side[2];
    if (sides == 4)
        sum = sum + side[3];
    showResult(sum);
}

void Form6::Comh_Click() { sumOfSides(4); }
void Form6::Comz_Click() { sumOfSides(4); }
void Form6::Comt_Click() { sumOfSides(3); }

void Form6::Comb_Click()
{
    const std::vector<Mixed> side = operands(1);
    if (filled(SquareNotices, InformationStyle))
        showResult(Mixed(std::int16_t(4)) * side[0]);
}

void Form6::Coms_Click()
{
    const std::vector<Mixed> side = operands(2);
    if (!filled(RectangleNotices, InformationStyle))
        return;
    // Half the perimeter, rounded to 15 significant digits, taken twice.
    const Mixed half = strictNumber(format((side[0] + side[1]).number()));
    showResult(half + half);
}

void Form6::Com1_Click() { Te1->clear(); }
void Form6::Com2_Click() { Te2->clear(); }
void Form6::Com3_Click() { Te3->clear(); }
void Form6::Com4_Click() { Te4->clear(); }
