#include "geometry/volumes.h"

#include "numtext/mixed.h"
#include "numtext/notice.h"
#include "numtext/numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace numtext;

namespace {

#define NAMED(member) GEOMETRY_MEMBER(Form9, member)

const geometry::Section Volumes{
    "Form9", "حساب الأحجام", "الحجم", 6495,
    2520, 120,                               // la22, row labels a little lower than their boxes
    5160, 3015, "Label1", "الحجم يساوي", 3600, // the result row
    "اضغط هنا لمعرفة وحدة الحجم", "وحدة الحجم = متر مكعب", "الحجم",
    5880, 1680, "Form14",                   // the frame
};

const geometry::OptionEntry<Form9> Options[] = {
    {NAMED(Op5), "حجم المخروط", true, 1800, &Form9::Op5_Click},
    {NAMED(Op2), "حجم الكرة", true, 2040, &Form9::Op2_Click},
    {NAMED(Op4), "حجم الاسطوانة", true, 2280, &Form9::Op4_Click},
    {NAMED(Op1), "حجم المكعب", false, 1800, &Form9::Op1_Click},
    {NAMED(Op3), "متوازي المستطيلات", false, 2040, &Form9::Op3_Click},
    {NAMED(Option1), "حجم الهرم والمنشور", false, 2280, nullptr},
};

constexpr int Row1 = 3000, Row2 = 3480, Row3 = 3960;

const geometry::RowEntry<Form9> Rows[] = {
    {NAMED(Te1), NAMED(Com1), &Form9::Com1_Click, Row1},
    {NAMED(Te2), NAMED(Com2), &Form9::Com2_Click, Row2},
    {NAMED(Te3), NAMED(Com3), &Form9::Com3_Click, Row3},
};

const geometry::LabelEntry<Form9> Labels[] = {
    {NAMED(Lakk), "أدخل طول الحرف", Row1, false},
    {NAMED(Lakd1), "أدخل نصف القطر", Row1, true},
    {NAMED(Lakd2), "أو أدخل القطر", Row2, false},
    {NAMED(Laks1), "أدخل طول القاعدة", Row1, false},
    {NAMED(Laks2), "أدخل عرض القاعدة", Row2, false},
    {NAMED(Laks3), "أدخل الارتفاع", Row3, false},
};

const geometry::ButtonEntry<Form9> Calculates[] = {
    {NAMED(Comk), "احسب حجم المكعب", &Form9::Comk_Click},
    {NAMED(Comr), "احسب حجم الكرة", &Form9::Comr_Click},
    {NAMED(Coms), "احسب حجم متوازي المستطيلات", &Form9::Coms_Click},
    {NAMED(Comn), "احسب حجم الاسطوانة", &Form9::Comn_Click},
    {NAMED(Comd), "احسب حجم المخروط", &Form9::Comd_Click},
};

#undef NAMED

constexpr app::Tw CalculateAt{2160, 4560, 2415, 375};

const QString CubeNotices[] = {QStringLiteral("من فضلك أدخل طول حرف المكعب")};
const QString CuboidNotices[] = {
    QStringLiteral("من فضلك .. أدخل طول قاعدة متوازي المستطيلات"),
    QStringLiteral("من فضلك .. أدخل عرض قاعدة متوازي المستطيلات"),
    QStringLiteral("من فضلك .. أدخل ارتفاع متوازي المستطيلات"),
};
const QString ChooseOneBox = QStringLiteral("اختر خانة واحدة");

Mixed integer(std::int16_t value) { return Mixed(value); }

// Four thirds of π times p.
Mixed sphereOf(const Mixed &p) { return ((p * Mixed(geometry::Pi)) * integer(4)) / integer(3); }

} // namespace

Form9::Form9() : SharedRowsWindow(Volumes)
{
    Label1 = resultCaption();
    Te5 = build<Form9>(this, Options, Rows, Labels, Calculates, CalculateAt);
}

void Form9::Op1_Click() { showFigure(Op1, QStringLiteral("حساب حجم المكعب بطول حرف منه"), 1, {Lakk}, Comk); }
void Form9::Op2_Click() { showFigure(Op2, QStringLiteral("حساب حجم الكرة"), 2, {Lakd1, Lakd2}, Comr); }
void Form9::Op3_Click()
{
    showFigure(Op3, QStringLiteral("حساب حجم متوازي المستطيلات"), 3, {Laks1, Laks2, Laks3}, Coms);
}
void Form9::Op4_Click() { showFigure(Op4, QStringLiteral("حساب حجم الاسطوانة"), 3, {Lakd1, Lakd2, Laks3}, Comn); }
void Form9::Op5_Click() { showFigure(Op5, QStringLiteral("حساب حجم المخروط"), 3, {Lakd1, Lakd2, Laks3}, Comd); }

void Form9::Comk_Click()
{
    const std::vector<Mixed> edge = operands(1);
    if (filled(CubeNotices, style::RightAlign))
        showResult((edge[0] * edge[0]) * edge[0]);
}

void Form9::Coms_Click()
{
    const std::vector<Mixed> side = operands(3, 2);
    if (filled(CuboidNotices, style::Information | style::RightAlign))
        showResult((side[0] * side[1]) * side[2]);
}

void Form9::Comr_Click()
{
    const std::vector<Mixed> row = operands(2);
    const bool radiusGiven = !isEmpty(Te1->text());
    if (radiusGiven && !isEmpty(Te2->text())) {
        notice(QStringLiteral("من فضلك .. أدخل فقط إما نصف القطر أو القطر نفسه"), style::RightAlign, ChooseOneBox);
        return;
    }
    // The cube of the radius, 4/3 × π × r³; from the radius it is rounded to
    // 15 significant digits first. An empty diameter row too gives 0.
    if (radiusGiven) {
        const Mixed &r = row[0];
        showResult(sphereOf(strictNumber(format(((r * r) * r).number()))));
    } else {
        const Mixed x = row[1] / integer(2);
        showResult(sphereOf((x * x) * x));
    }
}

void Form9::roundBase(const QString &heightNotice, bool cone)
{
    const std::vector<Mixed> row = operands(3, 2);
    const bool radiusGiven = !isEmpty(Te1->text());
    if (radiusGiven && !isEmpty(Te2->text())) {
        if (!isEmpty(Te3->text()))
            notice(QStringLiteral("من فضلك .. أدخل إما نصف القطر أو القطر نفسه"), style::RightAlign, ChooseOneBox);
        else
            emptyFieldNotice(heightNotice, style::RightAlign);
        return;
    }
    // An empty height row counts as 0.
    const Mixed r = radiusGiven ? row[0] : row[1] / integer(2);
    const Mixed volume = ((r * r) * Mixed(geometry::Pi)) * row[2];
    showResult(cone ? volume / integer(3) : volume);
}

void Form9::Comn_Click() { roundBase(QStringLiteral("من فضلك أدخل ارتفاع الاسطوانة"), false); }
void Form9::Comd_Click() { roundBase(QStringLiteral("من فضلك أدخل ارتفاع المخروط"), true); }

void Form9::Com1_Click() { Te1->clear(); }
void Form9::Com2_Click() { Te2->clear(); }
void Form9::Com3_Click() { Te3->clear(); }
