#include "geometry/volumes.h"

#include "kit/notice.h"
#include "numtext/numtext.h"

using namespace numtext;

namespace {

using app::Choice;
using geometry::leftColumn;
using geometry::rightColumn;
using geometry::Row;

const geometry::Section Volumes{
    .name = "Form9",
    .caption = "حساب الأحجام",
    .word = "الحجم",
    .height = 6495,
    .headingTop = 2520,
    .labelDrop = 120, // row labels a little lower than their boxes
    .resultTop = 5160,
    .resultWidth = 3015,
    .resultCaptionName = "Label1",
    .resultCaption = "الحجم يساوي",
    .resultCaptionX = 3600,
    .unitTip = "اضغط هنا لمعرفة وحدة الحجم",
    .unitText = "وحدة الحجم = متر مكعب",
    .unitTitle = "الحجم",
    .frameTop = 5880,
    .lawsX = 1680,
    .lawsWindow = "Form14",
    .practice = "volumes",
};

constexpr int Row1 = 3000, Row2 = 3480, Row3 = 3960;

// The three rows, and every label that may stand beside one.
const Row Rows[] = {
    {.box = "Te1", .clear = "Com1", .cleared = &Form9::Com1_Click, .top = Row1},
    {.box = "Te2", .clear = "Com2", .cleared = &Form9::Com2_Click, .top = Row2},
    {.box = "Te3", .clear = "Com3", .cleared = &Form9::Com3_Click, .top = Row3},
    {.label = "Lakk", .caption = "أدخل طول الحرف", .top = Row1},
    {.label = "Lakd1", .caption = "أدخل نصف القطر", .green = true, .top = Row1},
    {.label = "Lakd2", .caption = "أو أدخل القطر", .top = Row2},
    {.label = "Laks1", .caption = "أدخل طول القاعدة", .top = Row1},
    {.label = "Laks2", .caption = "أدخل عرض القاعدة", .top = Row2},
    {.label = "Laks3", .caption = "أدخل الارتفاع", .top = Row3},
};

// The solids in the order of the option list: the right-hand column, then
// the left-hand one.
const Choice Solids[] = {
    {.option = {.name = "Op5", .caption = "حجم المخروط", .at = rightColumn(1800)},
     .chosen = &Form9::Op5_Click,
     .heading = "حساب حجم المخروط",
     .action = {.name = "Comd", .caption = "احسب حجم المخروط", .clicked = &Form9::Comd_Click},
     .rowLabels = {"Lakd1", "Lakd2", "Laks3"}},
    {.option = {.name = "Op2", .caption = "حجم الكرة", .at = rightColumn(2040)},
     .chosen = &Form9::Op2_Click,
     .heading = "حساب حجم الكرة",
     .action = {.name = "Comr", .caption = "احسب حجم الكرة", .clicked = &Form9::Comr_Click},
     .rowLabels = {"Lakd1", "Lakd2"}},
    {.option = {.name = "Op4", .caption = "حجم الاسطوانة", .at = rightColumn(2280)},
     .chosen = &Form9::Op4_Click,
     .heading = "حساب حجم الاسطوانة",
     .action = {.name = "Comn", .caption = "احسب حجم الاسطوانة", .clicked = &Form9::Comn_Click},
     .rowLabels = {"Lakd1", "Lakd2", "Laks3"}},
    {.option = {.name = "Op1", .caption = "حجم المكعب", .at = leftColumn(1800)},
     .chosen = &Form9::Op1_Click,
     .heading = "حساب حجم المكعب بطول حرف منه",
     .action = {.name = "Comk", .caption = "احسب حجم المكعب", .clicked = &Form9::Comk_Click},
     .rowLabels = {"Lakk"}},
    {.option = {.name = "Op3", .caption = "متوازي المستطيلات", .at = leftColumn(2040)},
     .chosen = &Form9::Op3_Click,
     .heading = "حساب حجم متوازي المستطيلات",
     .action = {.name = "Coms", .caption = "احسب حجم متوازي المستطيلات", .clicked = &Form9::Coms_Click},
     .rowLabels = {"Laks1", "Laks2", "Laks3"}},
    {.option = {.name = "Option1", .caption = "حجم الهرم والمنشور", .at = leftColumn(2280)},
     .chosen = &Form9::Option1_Click,
     .available = false},
};

constexpr app::Tw CalculateAt{2160, 4560, 2415, 375};

const QString CubeNotices[] = {QStringLiteral("من فضلك أدخل طول حرف المكعب")};
const QString CuboidNotices[] = {
    QStringLiteral("من فضلك .. أدخل طول قاعدة متوازي المستطيلات"),
    QStringLiteral("من فضلك .. أدخل عرض قاعدة متوازي المستطيلات"),
    QStringLiteral("من فضلك .. أدخل ارتفاع متوازي المستطيلات"),
};
const QString ChooseOneBox = QStringLiteral("اختر خانة واحدة");

} // namespace

Form9::Form9() : SharedRowsWindow(Volumes) { build(Rows, Solids, CalculateAt); }

void Form9::Op1_Click() { showPanel("Op1"); }
void Form9::Op2_Click() { showPanel("Op2"); }
void Form9::Op3_Click() { showPanel("Op3"); }
void Form9::Op4_Click() { showPanel("Op4"); }
void Form9::Op5_Click() { showPanel("Op5"); }

// The rows are read before they are tested, so a length beyond the range of
// a double fails before any notice.
void Form9::Comk_Click()
{
    calculate([&](Steps &s) -> std::optional<double> {
        const std::vector<numtext::Typed> edge = lengths(1);
        if (!filled(CubeNotices, style::RightAlign))
            return std::nullopt;
        if (!notNegative({edge[0].value}, s))
            return std::nullopt;
        return geometry::cubeVolume(edge[0], s);
    });
}

void Form9::Coms_Click()
{
    calculate([&](Steps &s) -> std::optional<double> {
        const std::vector<numtext::Typed> side = lengths(3);
        if (!filled(CuboidNotices, style::Information | style::RightAlign))
            return std::nullopt;
        if (!notNegative({side[0].value, side[1].value, side[2].value}, s))
            return std::nullopt;
        return geometry::cuboidVolume(side[0], side[1], side[2], s);
    });
}

// From the radius, or else from the diameter: an empty diameter row too
// gives 0.
void Form9::Comr_Click()
{
    calculate([&](Steps &s) -> std::optional<double> {
        const std::vector<numtext::Typed> length = lengths(2);
        const bool radiusGiven = !isEmpty(row(1));
        if (radiusGiven && !isEmpty(row(2))) {
            const QString text = QStringLiteral("من فضلك .. أدخل فقط إما نصف القطر أو القطر نفسه");
            notice(text, style::RightAlign, ChooseOneBox);
            s.refuse(Refusal::RadiusAndDiameter, text);
            return std::nullopt;
        }
        const numtext::Typed &given = radiusGiven ? length[0] : length[1];
        if (!notNegative({given.value}, s))
            return std::nullopt;
        return geometry::sphereVolume({given, !radiusGiven}, s);
    });
}

void Form9::roundBase(const QString &heightNotice, bool cone)
{
    calculate([&](Steps &s) -> std::optional<double> {
        const std::vector<numtext::Typed> length = lengths(3);
        const bool radiusGiven = !isEmpty(row(1));
        if (radiusGiven && !isEmpty(row(2))) {
            if (!isEmpty(row(3))) {
                const QString text = QStringLiteral("من فضلك .. أدخل إما نصف القطر أو القطر نفسه");
                notice(text, style::RightAlign, ChooseOneBox);
                s.refuse(Refusal::RadiusAndDiameter, text);
            } else {
                emptyFieldNotice(heightNotice, style::RightAlign);
                s.refuse(Refusal::EmptyBox, heightNotice);
            }
            return std::nullopt;
        }
        // An empty height row counts as 0.
        const geometry::RoundSize size{radiusGiven ? length[0] : length[1], !radiusGiven};
        if (!notNegative({size.length.value, length[2].value}, s))
            return std::nullopt;
        return cone ? geometry::coneVolume(size, length[2], s) : geometry::cylinderVolume(size, length[2], s);
    });
}

void Form9::Comn_Click() { roundBase(QStringLiteral("من فضلك أدخل ارتفاع الاسطوانة"), false); }
void Form9::Comd_Click() { roundBase(QStringLiteral("من فضلك أدخل ارتفاع المخروط"), true); }

void Form9::Com1_Click() { clearRow(1); }
void Form9::Com2_Click() { clearRow(2); }
void Form9::Com3_Click() { clearRow(3); }
