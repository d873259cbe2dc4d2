#include "geometry/areas.h"

#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "numtext/numtext.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using namespace app;
using namespace numtext;
using numtext::Steps;
using geometry::leftColumn;
using geometry::rightColumn;
using geometry::Row;

namespace {

const geometry::Section Areas{
    .name = "Form4",
    .caption = "حساب المساحات",
    .word = "المساحة",
    .height = 6255,
    .headingTop = 2760,
    .labelDrop = 0, // row labels level with their boxes
    .resultTop = 4920,
    .resultWidth = 2775,
    .resultCaptionName = "Label8",
    .resultCaption = "المساحة تساوي",
    .resultCaptionX = 3480,
    .unitTip = "اضغط هنا لمعرفة وحدة المساحة",
    .unitText = "وحدة المساحة = متر مربع",
    .unitTitle = "المساحة",
    .frameTop = 5640,
    .lawsX = 1560,
    .lawsWindow = "Form11",
    .practice = "areas",
};

constexpr int Row1 = 3240, Row2 = 3720;
constexpr Tw CalculateAt{2160, 4320, 2415, 375};
constexpr Tw NoteAt{240, 4320, 1695, 375};

// The input rows of every panel.
const Row Rows[] = {
    {.label = "Label1",
     .caption = "أدخل نصف القطر",
     .green = true,
     .box = "tc2",
     .clear = "Command5",
     .cleared = &Form4::Command5_Click,
     .top = Row1},
    {.label = "Label3",
     .caption = "أو أدخل القــطــر",
     .box = "tc1",
     .clear = "Command6",
     .cleared = &Form4::Command6_Click,
     .top = Row2},
    {.label = "Label6",
     .caption = "أدخل نصف القطر",
     .green = true,
     .box = "tb2",
     .clear = "Command7",
     .cleared = &Form4::Command7_Click,
     .top = Row1},
    {.label = "Label4",
     .caption = "أو أدخل القــطــر",
     .box = "tb1",
     .clear = "Command4",
     .cleared = &Form4::Command4_Click,
     .top = Row2},
    {.label = "lat1",
     .caption = "أدخل طول القاعدة",
     .box = "tt1",
     .clear = "Comt1",
     .cleared = &Form4::Comt1_Click,
     .top = Row1},
    {.label = "lat2",
     .caption = "أدخل طول الارتفاع",
     .box = "tt2",
     .clear = "Comt2",
     .cleared = &Form4::Comt2_Click,
     .top = Row2},
    {.label = "Las1",
     .caption = "أدخــل الطـــــول",
     .box = "Ts1",
     .clear = "Coms1",
     .cleared = &Form4::Coms1_Click,
     .top = Row1},
    {.label = "Las2",
     .caption = "أدخــل العـــــرض",
     .box = "Ts2",
     .clear = "Coms2",
     .cleared = &Form4::Coms2_Click,
     .top = Row2},
    {.label = "Laf1",
     .caption = "أدخل الارتفاع",
     .box = "Tf1",
     .clear = "Comf1",
     .cleared = &Form4::Comf1_Click,
     .top = Row1},
    {.label = "Laf2",
     .caption = "أدخل مجموع القاعدتين",
     .box = "Tf2",
     .clear = "Comf2",
     .cleared = &Form4::Comf2_Click,
     .top = Row2},
    {.label = "Lam1",
     .caption = "أدخــل طول القاعدة",
     .box = "Tm1",
     .clear = "Com1",
     .cleared = &Form4::Com1_Click,
     .top = Row1},
    {.label = "Lam2",
     .caption = "أدخـل طول الارتفاع",
     .box = "Tm2",
     .clear = "Com2",
     .cleared = &Form4::Com2_Click,
     .top = Row2},
    {.label = "Lak1",
     .caption = "أدخل طول الحرف",
     .box = "Tk1",
     .clear = "Comk1",
     .cleared = &Form4::Comk1_Click,
     .top = Row1},
    // The cube's second box only says that nothing goes there.
    {.box = "Tk2", .clear = "Comk2", .top = Row2},
};

// The figures in the order of the option list: the right-hand column, then
// the left-hand one. Each panel shows its rows and its result box.
const Choice Figures[] = {
    {.option = {.name = "Op1", .caption = "مساحة الدائرة", .at = rightColumn(1800)},
     .chosen = &Form4::Op1_Click,
     .heading = "حساب مساحة الدائرة",
     .action = {.name = "Comc", .caption = "احسب مساحة الدائرة", .clicked = &Form4::Comc_Click},
     .shows = {"Label1", "tc2", "Command5", "Label3", "tc1", "Command6", "tc3"}},
    {.option = {.name = "Op11", .caption = "مساحة الكرة", .at = rightColumn(2040)},
     .chosen = &Form4::Op11_Click,
     .heading = "حساب المساحة السطحية للكرة",
     .action = {.name = "Comb", .caption = "احسب مساحة الكرة", .clicked = &Form4::Comb_Click},
     .shows = {"Label6", "tb2", "Command7", "Label4", "tb1", "Command4", "tb3"}},
    {.option = {.name = "Op5", .caption = "مساحة المثلث", .at = rightColumn(2280)},
     .chosen = &Form4::Op5_Click,
     .heading = "حساب مساحة المثلث",
     .action = {.name = "Comt3", .caption = "احسب مساحة المثلث", .clicked = &Form4::Comt3_Click},
     .shows = {"lat1", "tt1", "Comt1", "lat2", "tt2", "Comt2", "tt3"}},
    {.option = {.name = "Op3", .caption = "مساحة المربع والمستطيل", .at = rightColumn(2520)},
     .chosen = &Form4::Op3_Click,
     .heading = "حساب مساحة المربع والمستطيل",
     .action = {.name = "Coms3", .caption = "احسب مساحة المربع والمستطيل", .clicked = &Form4::Coms3_Click},
     .shows = {"Las1", "Ts1", "Coms1", "Las2", "Ts2", "Coms2", "Ts3"}},
    {.option = {.name = "Op2", .caption = "مساحة شبه منحرف", .at = leftColumn(1800)},
     .chosen = &Form4::Op2_Click,
     .heading = "حساب مساحة شبه المنحرف",
     .action = {.name = "Comf3", .caption = "احسب مساحة شبه المنحرف", .clicked = &Form4::Comf3_Click},
     .shows = {"Laf1", "Tf1", "Comf1", "Laf2", "Tf2", "Comf2", "Comf4", "Tf3"}},
    {.option = {.name = "Op4", .caption = "مساحة متوازي الأضلاع", .at = leftColumn(2040)},
     .chosen = &Form4::Op4_Click,
     .heading = "حساب مساحة متوازي الأضلاع",
     .action = {.name = "Com3", .caption = "احسب مساحة متوازي الأضلاع", .clicked = &Form4::Com3_Click},
     .shows = {"Lam1", "Tm1", "Com1", "Lam2", "Tm2", "Com2", "Tm3"}},
    {.option = {.name = "Op6", .caption = "مساحة المكعب", .at = leftColumn(2280)},
     .chosen = &Form4::Op6_Click,
     .heading = "حساب مساحة المكعب",
     .action = {.name = "Comk3", .caption = "احسب مساحة الكعب", .clicked = &Form4::Comk3_Click},
     .shows = {"Lak1", "Tk1", "Comk1", "Tk2", "Comk2", "Tk3"}},
    {.option = {.name = "Option1", .caption = "مساحة الهرم والمنشور", .at = leftColumn(2520)},
     .chosen = &Form4::Option1_Click,
     .available = false},
};

const QString RadiusOrDiameter = QStringLiteral("من فضلك .. أدخل فقط إما نصف القطر أو القطر نفسه");
const QString ChooseOneBox = QStringLiteral("اختر خانة واحدة");
constexpr std::uint32_t InformationStyle = style::Information | style::RightAlign;

} // namespace

Form4::Form4() : FigureWindow(Areas)
{
    buildRows(Rows);
    for (const char *result : {"tc3", "tb3", "tt3", "Ts3", "Tf3", "Tm3", "Tk3"})
        resultBox(result)->hide();
    QPushButton *Comf4 = button(this, "Comf4", QStringLiteral("ملاحظة"), NoteAt);
    Comf4->hide();
    on(Comf4, &QPushButton::clicked, this, &Form4::Comf4_Click);
    buildChoices(Figures, CalculateAt);

    auto *Tk2 = named<QLineEdit>("Tk2");
    Tk2->setText(QStringLiteral("لا تكتب شيئا هنا"));
    Tk2->setAccessibleName(Tk2->text());
    Tk2->setCursorPosition(0);
    Tk2->setEnabled(false);
    named("Comk2")->setEnabled(false);
    // Until a figure is chosen only the circle's empty result box shows.
    named("tc3")->show();

    // Each panel in reading order: its rows, its calculate button, the note
    // button, its result box.
    std::vector<QWidget *> tabs;
    for (const Choice &f : Figures) {
        if (!f.available)
            continue;
        std::vector<QWidget *> panel;
        for (const char *name : f.shows) {
            if (named(name)->focusPolicy() != Qt::NoFocus)
                panel.push_back(named(name));
        }
        QWidget *result = panel.back();
        panel.pop_back();
        panel.insert(std::find(panel.begin(), panel.end(), Comf4), named(f.action.name));
        panel.push_back(result);
        tabs.insert(tabs.end(), panel.begin(), panel.end());
    }
    orderTabs(tabs);
}

void Form4::Op1_Click() { showPanel("Op1"); }
void Form4::Op11_Click() { showPanel("Op11"); }
void Form4::Op2_Click() { showPanel("Op2"); }
void Form4::Op3_Click() { showPanel("Op3"); }
void Form4::Op4_Click() { showPanel("Op4"); }
void Form4::Op5_Click() { showPanel("Op5"); }
void Form4::Op6_Click() { showPanel("Op6"); }

QString Form4::text(const char *box) const { return named<QLineEdit>(box)->text(); }
void Form4::clear(const char *box) { named<QLineEdit>(box)->clear(); }

// The boxes are read before they are tested, so a length beyond the range of
// a double fails before any notice.
void Form4::radiusOrDiameter(const char *radiusBox, const char *diameterBox, const char *resultBox, Round area)
{
    steps()->record([&](Steps &s) {
        const QString radiusText = text(radiusBox);
        const QString diameterText = text(diameterBox);
        const Typed radius = leadingTyped(radiusText);
        const Typed diameter = leadingTyped(diameterText);
        if (!isEmpty(radiusText) && !isEmpty(diameterText)) {
            notice(RadiusOrDiameter, style::RightAlign, ChooseOneBox);
            s.refuse(Refusal::RadiusAndDiameter, RadiusOrDiameter);
            return;
        }
        // An empty diameter box too gives the radius 0.
        const geometry::RoundSize size = isEmpty(radiusText) ? geometry::RoundSize{diameter, true}
                                                             : geometry::RoundSize{radius, false};
        if (!notNegative({size.length.value}, s))
            return;
        named<QLineEdit>(resultBox)->setText(format(area(size, s)));
        announce(this, spokenResult(named<QLineEdit>(resultBox)));
    });
}

void Form4::lengths(Length first, Length second, const char *resultBox, Sides area)
{
    steps()->record([&](Steps &s) {
        const QString firstText = text(first.box);
        const QString secondText = second.box ? text(second.box) : QString();
        const Typed a = leadingTyped(firstText);
        const Typed b = second.box ? leadingTyped(secondText) : Typed{};
        if (isEmpty(firstText)) {
            emptyFieldNotice(QString::fromUtf8(first.emptyNotice), InformationStyle);
            s.refuse(Refusal::EmptyBox, QString::fromUtf8(first.emptyNotice));
            return;
        }
        if (second.box && isEmpty(secondText)) {
            emptyFieldNotice(QString::fromUtf8(second.emptyNotice), InformationStyle);
            s.refuse(Refusal::EmptyBox, QString::fromUtf8(second.emptyNotice));
            return;
        }
        if (!notNegative({a.value, b.value}, s))
            return;
        named<QLineEdit>(resultBox)->setText(format(area(a, b, s)));
        announce(this, spokenResult(named<QLineEdit>(resultBox)));
    });
}

void Form4::Comc_Click() { radiusOrDiameter("tc2", "tc1", "tc3", geometry::circleArea); }
void Form4::Comb_Click() { radiusOrDiameter("tb2", "tb1", "tb3", geometry::sphereSurface); }
void Form4::Comf3_Click()
{
    lengths({"Tf1", "من فضلك .. أدخل ارتفاع شبه المنحرف"}, {"Tf2", "من فضلك .. أدخل مجموع القاعدتين السفلية والعلوية"},
            "Tf3", geometry::trapezoidArea);
}
void Form4::Coms3_Click()
{
    lengths({"Ts1", "من فضلك .. أدخل طول المربع أو المستطيل"}, {"Ts2", "من فضلك .. أدخل عرض المربع أو المستطيل"}, "Ts3",
            geometry::rectangleArea);
}
void Form4::Com3_Click()
{
    lengths({"Tm1", "من فضلك .. أدخل طول قاعدة متوازي الأضلاع"}, {"Tm2", "من فضلك .. أدخل ارتفاع متوازي الأضلاع"},
            "Tm3", geometry::parallelogramArea);
}
void Form4::Comt3_Click()
{
    lengths({"tt1", "من فضلك .. أدخل قاعدة المثلث"}, {"tt2", "من فضلك .. أدخل ارتفاع المثلث"}, "tt3",
            geometry::triangleArea);
}
// Six faces of edge × edge; the second box takes no part.
void Form4::Comk3_Click()
{
    lengths({"Tk1", "من فضلك .. أدخل طول حرف المكعب"}, {}, "Tk3",
            [](const Typed &edge, const Typed &, Steps &s) { return geometry::cubeSurface(edge, s); });
}

void Form4::Command5_Click() { clear("tc2"); }
void Form4::Command6_Click() { clear("tc1"); }
void Form4::Command7_Click() { clear("tb2"); }
void Form4::Command4_Click() { clear("tb1"); }
void Form4::Comf1_Click() { clear("Tf1"); }
void Form4::Comf2_Click() { clear("Tf2"); }
void Form4::Coms1_Click() { clear("Ts1"); }
void Form4::Coms2_Click() { clear("Ts2"); }
void Form4::Com1_Click() { clear("Tm1"); }
void Form4::Com2_Click() { clear("Tm2"); }
void Form4::Comt1_Click() { clear("tt1"); }
void Form4::Comt2_Click() { clear("tt2"); }
void Form4::Comk1_Click() { clear("Tk1"); }

void Form4::Comf4_Click()
{
    notice(QStringLiteral("مجموع القاعدتين هو  ") + crlf() + QStringLiteral("طول القاعدة الكبيرة + طول القاعدة الصغيرة")
               + crlf() + QStringLiteral("ثم أدخل المجموع في الخانة المخصصة"),
           InformationStyle, QStringLiteral("ملاحظة رياضية"));
}
