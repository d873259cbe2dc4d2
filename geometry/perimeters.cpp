#include "geometry/perimeters.h"

#include "kit/notice.h"
#include "numtext/numtext.h"

using namespace numtext;

namespace {

using app::Choice;
using geometry::leftColumn;
using geometry::rightColumn;
using geometry::Row;

const geometry::Section Perimeters{
    .name = "Form6",
    .caption = "حساب المحيط",
    .word = "المحيط",
    .height = 6855,
    .headingTop = 2520,
    .labelDrop = 120, // row labels a little lower than their boxes
    .resultTop = 5520,
    .resultWidth = 2895,
    .resultCaptionName = "Label1",
    .resultCaption = "المحيط يساوي",
    .resultCaptionX = 3480,
    .unitTip = "اضغط هنا لمعرفة وحدة المحيط",
    .unitText = "وحدة المحيط = متر .. وكذلك وحدة المسافة = متر ",
    .unitTitle = "المحيط",
    .frameTop = 6240,
    .lawsX = 1560,
    .lawsWindow = "Form12",
    .practice = "perimeters",
};

constexpr int Row1 = 3000, Row2 = 3480, Row3 = 3960, Row4 = 4440;

// The four rows, and every label that may stand beside one.
const Row Rows[] = {
    {.box = "Te1", .clear = "Com1", .cleared = &Form6::Com1_Click, .top = Row1},
    {.box = "Te2", .clear = "Com2", .cleared = &Form6::Com2_Click, .top = Row2},
    {.box = "Te3", .clear = "Com3", .cleared = &Form6::Com3_Click, .top = Row3},
    {.box = "Te4", .clear = "Com4", .cleared = &Form6::Com4_Click, .top = Row4},
    {.label = "Lac1", .caption = "أدخل نصف القطر", .green = true, .top = Row1},
    {.label = "Lac2", .caption = "أو أدخل طول القطر", .top = Row2},
    {.label = "Lak1", .caption = "أدخل طول الضلع 1", .top = Row1},
    {.label = "Lak2", .caption = "أدخل طول الضلع 2", .top = Row2},
    {.label = "Lak3", .caption = "أدخل طول الضلع 3", .top = Row3},
    {.label = "Lak4", .caption = "أدخل طول الضلع 4", .top = Row4},
    {.label = "Lak5", .caption = "أدخل الــطــول", .top = Row1},
    {.label = "Lak6", .caption = "أدخل الــعــرض", .top = Row2},
    {.label = "Lak7", .caption = "أدخل طول الضلع", .top = Row1},
};

// The figures in the order of the option list: the right-hand column, then
// the left-hand one.
const Choice Figures[] = {
    {.option = {.name = "Op5", .caption = "محيط المثلث", .at = rightColumn(1800)},
     .chosen = &Form6::Op5_Click,
     .heading = "حساب محيط المثلث",
     .action = {.name = "Comt", .caption = "احسب محيط المثلث", .clicked = &Form6::Comt_Click},
     .rowLabels = {"Lak1", "Lak2", "Lak3"}},
    {.option = {.name = "Op2", .caption = "محيط شبه منحرف", .at = rightColumn(2040)},
     .chosen = &Form6::Op2_Click,
     .heading = "حساب محيط شبه المنحرف",
     .action = {.name = "Comh", .caption = "احسب محيط شبه المنحرف", .clicked = &Form6::Comh_Click},
     .rowLabels = {"Lak1", "Lak2", "Lak3", "Lak4"}},
    {.option = {.name = "Op4", .caption = "محيط متوازي الأضلاع", .at = rightColumn(2280)},
     .chosen = &Form6::Op4_Click,
     .heading = "حساب محيط متوازي الأضلاع",
     .action = {.name = "Comz", .caption = "احسب محيط متوازي الأضلاع", .clicked = &Form6::Comz_Click},
     .rowLabels = {"Lak1", "Lak2", "Lak3", "Lak4"}},
    {.option = {.name = "Op1", .caption = "محيط الدائرة", .at = leftColumn(1800)},
     .chosen = &Form6::Op1_Click,
     .heading = "حساب محيط الدائرة",
     .action = {.name = "Comc", .caption = "احسب محيط الدائــرة", .clicked = &Form6::Comc_Click},
     .rowLabels = {"Lac1", "Lac2"}},
    {.option = {.name = "Op3", .caption = "محيط المربع", .at = leftColumn(2040)},
     .chosen = &Form6::Op3_Click,
     .heading = "حساب محيط المربع بطول ضلع واحد منه",
     .action = {.name = "Comb", .caption = "احسب محيط المربع", .clicked = &Form6::Comb_Click},
     .rowLabels = {"Lak7"}},
    {.option = {.name = "Op6", .caption = "محيط المستطيل", .at = leftColumn(2280)},
     .chosen = &Form6::Op6_Click,
     .heading = "حساب محيط المستطيل بدلالة الطول والعرض",
     .action = {.name = "Coms", .caption = "احسب محيط المستطيل", .clicked = &Form6::Coms_Click},
     .rowLabels = {"Lak5", "Lak6"}},
};

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

Form6::Form6() : SharedRowsWindow(Perimeters) { build(Rows, Figures, CalculateAt); }

void Form6::Op1_Click() { showPanel("Op1"); }
void Form6::Op2_Click() { showPanel("Op2"); }
void Form6::Op3_Click() { showPanel("Op3"); }
void Form6::Op4_Click() { showPanel("Op4"); }
void Form6::Op5_Click() { showPanel("Op5"); }
void Form6::Op6_Click() { showPanel("Op6"); }

// The rows are read before they are tested, so a length beyond the range of
// a double fails before any notice.
void Form6::Comc_Click()
{
    calculate([&](Steps &s) -> std::optional<double> {
        const numtext::Typed radius = numtext::leadingTyped(row(1));
        const numtext::Typed diameter = numtext::leadingTyped(row(2));
        if (!isEmpty(row(1))) {
            if (!isEmpty(row(2))) {
                const QString text = QStringLiteral("من فضلك .. أدخل إما نصف القطر أو القطر نفسه");
                notice(text, style::RightAlign, QStringLiteral("اختر خانة واحدة"));
                s.refuse(Refusal::RadiusAndDiameter, text);
                return std::nullopt;
            }
            if (!notNegative({radius.value}, s))
                return std::nullopt;
            return geometry::circlePerimeter({radius, false}, s);
        }
        // An empty diameter row too gives the radius 0.
        if (!notNegative({diameter.value}, s))
            return std::nullopt;
        return geometry::circlePerimeter({diameter, true}, s);
    });
}

void Form6::sumOfSides(int sides)
{
    calculate([&](Steps &s) -> std::optional<double> {
        const std::vector<numtext::Typed> side = lengths(sides);
        if (!filled(std::span(SideNotices).first(std::size_t(sides)), InformationStyle))
            return std::nullopt;
        if (!notNegative({side[0].value, side[1].value, side[2].value, sides > 3 ? side[3].value : 0.0}, s))
            return std::nullopt;
        if (sides == 3 && !geometry::isTriangle(side[0], side[1], side[2])) {
            cannotExist(Refusal::NoSuchTriangle, QStringLiteral("لا يوجد مثلث أطوال أضلاعه بهذه القيم"), s);
            return std::nullopt;
        }
        return geometry::sumOfSides(side, s);
    });
}

void Form6::Comh_Click() { sumOfSides(4); }
void Form6::Comz_Click() { sumOfSides(4); }
void Form6::Comt_Click() { sumOfSides(3); }

void Form6::Comb_Click()
{
    calculate([&](Steps &s) -> std::optional<double> {
        const std::vector<numtext::Typed> side = lengths(1);
        if (!filled(SquareNotices, InformationStyle))
            return std::nullopt;
        if (!notNegative({side[0].value}, s))
            return std::nullopt;
        return geometry::squarePerimeter(side[0], s);
    });
}

void Form6::Coms_Click()
{
    calculate([&](Steps &s) -> std::optional<double> {
        const std::vector<numtext::Typed> side = lengths(2);
        if (!filled(RectangleNotices, InformationStyle))
            return std::nullopt;
        if (!notNegative({side[0].value, side[1].value}, s))
            return std::nullopt;
        return geometry::rectanglePerimeter(side[0], side[1], s);
    });
}

void Form6::Com1_Click() { clearRow(1); }
void Form6::Com2_Click() { clearRow(2); }
void Form6::Com3_Click() { clearRow(3); }
void Form6::Com4_Click() { clearRow(4); }
