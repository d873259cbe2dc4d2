#include "geometry/areas.h"

#include "app/dispatch.h"
#include "numtext/mixed.h"
#include "numtext/notice.h"
#include "numtext/numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using namespace app;
using namespace numtext;

namespace {

#define NAMED(member) GEOMETRY_MEMBER(Form4, member)

using Click = void (Form4::*)();
template <class C> using Named = geometry::Member<Form4, C>;

const geometry::Section Areas{
    "Form4", "حساب المساحات", "المساحة", 6255,
    2760, 0,                                  // la22, row labels level with their boxes
    4920, 2775, "Label8", "المساحة تساوي", 3480, // the result row
    "اضغط هنا لمعرفة وحدة المساحة", "وحدة المساحة = متر مربع", "المساحة",
    5640, 1560, "Form11",                    // the frame
};

constexpr int RowTops[2] = {3240, 3720};
constexpr Tw CalculateAt{2160, 4320, 2415, 375};
constexpr Tw NoteAt{240, 4320, 1695, 375};

// One input row of a panel: its label, its box and the clear button of the box.
struct Row {
    Named<QLabel> label; // none beside the cube's second box
    const char *caption;
    bool green;
    Named<QLineEdit> box;
    Named<QPushButton> clear;
    Click clearClick; // none for the cube's second clear button
    const char *emptyNotice; // none where the box is not a required length
};

// One figure: its option, its panel and how its area is computed from its
// lengths (none for the circle and the sphere, which take a radius or a
// diameter).
struct Shape {
    Named<QRadioButton> option;
    const char *optionCaption;
    bool rightColumn;
    int top;
    Click optionClick;
    const char *heading;
    Row rows[2];
    Named<QPushButton> calculate;
    const char *calculateCaption;
    Click calculateClick;
    Named<QLineEdit> result;
    double (*area)(double first, double second);
};

// In the order of the option list, which is also the order of Form4::Figure.
const Shape Shapes[] = {
    {NAMED(Op1), "مساحة الدائرة", true, 1800, &Form4::Op1_Click, "حساب مساحة الدائرة",
     {{NAMED(Label1), "أدخل نصف القطر", true, NAMED(tc2), NAMED(Command5), &Form4::Command5_Click, nullptr},
      {NAMED(Label3), "أو أدخل القــطــر", false, NAMED(tc1), NAMED(Command6), &Form4::Command6_Click, nullptr}},
     NAMED(Comc), "احسب مساحة الدائرة", &Form4::Comc_Click, NAMED(tc3), nullptr},
    {NAMED(Op11), "مساحة الكرة", true, 2040, &Form4::Op11_Click, "حساب المساحة السطحية للكرة",
     {{NAMED(Label6), "أدخل نصف القطر", true, NAMED(tb2), NAMED(Command7), &Form4::Command7_Click, nullptr},
      {NAMED(Label4), "أو أدخل القــطــر", false, NAMED(tb1), NAMED(Command4), &Form4::Command4_Click, nullptr}},
     NAMED(Comb), "احسب مساحة الكرة", &Form4::Comb_Click, NAMED(tb3), nullptr},
    {NAMED(Op5), "مساحة المثلث", true, 2280, &Form4::Op5_Click, "حساب مساحة المثلث",
     {{NAMED(lat1), "أدخل طول القاعدة", false, NAMED(tt1), NAMED(Comt1), &Form4::Comt1_Click,
       "من فضلك .. أدخل قاعدة المثلث"},
      {NAMED(lat2), "أدخل طول الارتفاع", false, NAMED(tt2), NAMED(Comt2), &Form4::Comt2_Click,
       "من فضلك .. أدخل ارتفاع المثلث"}},
     NAMED(Comt3), "احسب مساحة المثلث", &Form4::Comt3_Click, NAMED(tt3),
     [](double base, double height) { return divide(times(base, height), 2); }},
    {NAMED(Op3), "مساحة المربع والمستطيل", true, 2520, &Form4::Op3_Click, "حساب مساحة المربع والمستطيل",
     {{NAMED(Las1), "أدخــل الطـــــول", false, NAMED(Ts1), NAMED(Coms1), &Form4::Coms1_Click,
       "من فضلك .. أدخل طول المربع أو المستطيل"},
      {NAMED(Las2), "أدخــل العـــــرض", false, NAMED(Ts2), NAMED(Coms2), &Form4::Coms2_Click,
       "من فضلك .. أدخل عرض المربع أو المستطيل"}},
     NAMED(Coms3), "احسب مساحة المربع والمستطيل", &Form4::Coms3_Click, NAMED(Ts3),
     [](double length, double width) { return times(length, width); }},
    {NAMED(Op2), "مساحة شبه منحرف", false, 1800, &Form4::Op2_Click, "حساب مساحة شبه المنحرف",
     {{NAMED(Laf1), "أدخل الارتفاع", false, NAMED(Tf1), NAMED(Comf1), &Form4::Comf1_Click,
       "من فضلك .. أدخل ارتفاع شبه المنحرف"},
      {NAMED(Laf2), "أدخل مجموع القاعدتين", false, NAMED(Tf2), NAMED(Comf2), &Form4::Comf2_Click,
       "من فضلك .. أدخل مجموع القاعدتين السفلية والعلوية"}},
     NAMED(Comf3), "احسب مساحة شبه المنحرف", &Form4::Comf3_Click, NAMED(Tf3),
     [](double height, double sum) { return divide(times(height, sum), 2); }},
    {NAMED(Op4), "مساحة متوازي الأضلاع", false, 2040, &Form4::Op4_Click, "حساب مساحة متوازي الأضلاع",
     {{NAMED(Lam1), "أدخــل طول القاعدة", false, NAMED(Tm1), NAMED(Com1), &Form4::Com1_Click,
       "من فضلك .. أدخل طول قاعدة متوازي الأضلاع"},
      {NAMED(Lam2), "أدخـل طول الارتفاع", false, NAMED(Tm2), NAMED(Com2), &Form4::Com2_Click,
       "من فضلك .. أدخل ارتفاع متوازي الأضلاع"}},
     NAMED(Com3), "احسب مساحة متوازي الأضلاع", &Form4::Com3_Click, NAMED(Tm3),
     [](double base, double height) { return times(base, height); }},
    // Six faces of edge × edge; the second box takes no part.
    {NAMED(Op6), "مساحة المكعب", false, 2280, &Form4::Op6_Click, "حساب مساحة المكعب",
     {{NAMED(Lak1), "أدخل طول الحرف", false, NAMED(Tk1), NAMED(Comk1), &Form4::Comk1_Click,
       "من فضلك .. أدخل طول حرف المكعب"},
      {{nullptr, nullptr}, nullptr, false, NAMED(Tk2), NAMED(Comk2), nullptr, nullptr}},
     NAMED(Comk3), "احسب مساحة الكعب", &Form4::Comk3_Click, NAMED(Tk3),
     [](double edge, double) { return times(times(edge, edge), 6); }},
};

#undef NAMED

const QString RadiusOrDiameter = QStringLiteral("من فضلك .. أدخل فقط إما نصف القطر أو القطر نفسه");
const QString ChooseOneBox = QStringLiteral("اختر خانة واحدة");
constexpr std::uint32_t InformationStyle = style::Information | style::RightAlign;

} // namespace

Form4::Form4() : FigureWindow(Areas)
{
    Label8 = resultCaption();
    std::vector<QWidget *> tabs;
    for (const Shape &f : Shapes) {
        Panel panel{addOption(f.option.name, QString::fromUtf8(f.optionCaption), f.rightColumn, f.top),
                    QString::fromUtf8(f.heading), nullptr, {}};
        this->*f.option.pointer = panel.option;
        on(panel.option, &QRadioButton::clicked, this, f.optionClick);
        for (int i = 0; i < 2; ++i) {
            const Row &r = f.rows[i];
            QString caption;
            if (r.label.pointer) {
                caption = QString::fromUtf8(r.caption);
                QLabel *l = rowLabel(r.label.name, caption, RowTops[i], r.green);
                this->*r.label.pointer = l;
                panel.controls.push_back(l);
            }
            QLineEdit *box = rowBox(r.box.name, RowTops[i], caption);
            QPushButton *clear = clearButton(r.clear.name, RowTops[i]);
            this->*r.box.pointer = box;
            this->*r.clear.pointer = clear;
            if (r.clearClick)
                on(clear, &QPushButton::clicked, this, r.clearClick);
            panel.controls.insert(panel.controls.end(), {box, clear});
            tabs.insert(tabs.end(), {box, clear});
        }
        panel.calculate = calculateButton(f.calculate.name, QString::fromUtf8(f.calculateCaption), CalculateAt);
        this->*f.calculate.pointer = panel.calculate;
        on(panel.calculate, &QPushButton::clicked, this, f.calculateClick);
        QLineEdit *result = resultBox(f.result.name);
        this->*f.result.pointer = result;
        panel.controls.insert(panel.controls.end(), {panel.calculate, result});
        tabs.insert(tabs.end(), {panel.calculate, result});
        panels_.push_back(std::move(panel));
    }
    Option1 = addUnavailableOption("Option1", QStringLiteral("مساحة الهرم والمنشور"), false, 2520);

    Comf4 = calculateButton("Comf4", QStringLiteral("ملاحظة"), NoteAt);
    on(Comf4, &QPushButton::clicked, this, &Form4::Comf4_Click);
    panels_[Trapezoid].controls.push_back(Comf4);
    tabs.insert(std::find(tabs.begin(), tabs.end(), Tf3), Comf4);

    // The cube's second box only says that nothing goes there.
    Tk2->setText(QStringLiteral("لا تكتب شيئا هنا"));
    Tk2->setAccessibleName(Tk2->text());
    Tk2->setCursorPosition(0);
    Tk2->setEnabled(false);
    Comk2->setEnabled(false);

    // Until a figure is chosen only the circle's empty result box shows.
    for (const Panel &p : panels_)
        for (QWidget *w : p.controls)
            w->setVisible(w == tc3);
    orderTabs(tabs);
}

void Form4::showPanel(Figure figure)
{
    const Panel &shown = panels_[figure];
    choose(shown.option, shown.calculate, shown.heading);
    for (const Panel &p : panels_)
        for (QWidget *w : p.controls)
            w->setVisible(&p == &shown);
}

void Form4::Op1_Click() { showPanel(Circle); }
void Form4::Op11_Click() { showPanel(Sphere); }
void Form4::Op2_Click() { showPanel(Trapezoid); }
void Form4::Op3_Click() { showPanel(Rectangle); }
void Form4::Op4_Click() { showPanel(Parallelogram); }
void Form4::Op5_Click() { showPanel(Triangle); }
void Form4::Op6_Click() { showPanel(Cube); }

void Form4::radiusOrDiameter(Figure figure)
{
    const Shape &f = Shapes[figure];
    const QString radiusBox = (this->*f.rows[0].box.pointer)->text();
    const QString diameterBox = (this->*f.rows[1].box.pointer)->text();
    const QString radius = format(leadingNumber(radiusBox));
    const double diameter = leadingNumber(diameterBox);
    const Mixed pi = format(geometry::Pi);
    Mixed r;
    if (!isEmpty(radiusBox)) {
        if (!isEmpty(diameterBox)) {
            notice(RadiusOrDiameter, style::RightAlign, ChooseOneBox);
            return;
        }
        r = leadingNumber(radius);
    } else {
        // An empty diameter box too gives the radius 0.
        r = divide(leadingNumber(format(diameter)), 2);
    }
    const Mixed area = figure == Sphere ? ((r * r) * Mixed(std::int16_t(4))) * pi : (r * r) * pi;
    (this->*f.result.pointer)->setText(format(area.number()));
}

void Form4::lengths(Figure figure)
{
    const Shape &f = Shapes[figure];
    const Row &first = f.rows[0], &second = f.rows[1];
    const QString firstBox = (this->*first.box.pointer)->text();
    const QString secondBox = (this->*second.box.pointer)->text();
    // Each length rounded to 15 significant digits.
    const QString a = format(leadingNumber(firstBox));
    const QString b = second.emptyNotice ? format(leadingNumber(secondBox)) : QString();
    if (isEmpty(firstBox)) {
        emptyFieldNotice(QString::fromUtf8(first.emptyNotice), InformationStyle);
        return;
    }
    if (second.emptyNotice && isEmpty(secondBox)) {
        emptyFieldNotice(QString::fromUtf8(second.emptyNotice), InformationStyle);
        return;
    }
    const double area = f.area(strictNumber(a), second.emptyNotice ? strictNumber(b) : 0);
    (this->*f.result.pointer)->setText(format(area));
}

void Form4::Comc_Click() { radiusOrDiameter(Circle); }
void Form4::Comb_Click() { radiusOrDiameter(Sphere); }
void Form4::Comf3_Click() { lengths(Trapezoid); }
void Form4::Coms3_Click() { lengths(Rectangle); }
void Form4::Com3_Click() { lengths(Parallelogram); }
void Form4::Comt3_Click() { lengths(Triangle); }
void Form4::Comk3_Click() { lengths(Cube); }

void Form4::Command5_Click() { tc2->clear(); }
void Form4::Command6_Click() { tc1->clear(); }
void Form4::Command7_Click() { tb2->clear(); }
void Form4::Command4_Click() { tb1->clear(); }
void Form4::Comf1_Click() { Tf1->clear(); }
void Form4::Comf2_Click() { Tf2->clear(); }
void Form4::Coms1_Click() { Ts1->clear(); }
void Form4::Coms2_Click() { Ts2->clear(); }
void Form4::Com1_Click() { Tm1->clear(); }
void Form4::Com2_Click() { Tm2->clear(); }
void Form4::Comt1_Click() { tt1->clear(); }
void Form4::Comt2_Click() { tt2->clear(); }
void Form4::Comk1_Click() { Tk1->clear(); }

void Form4::Comf4_Click()
{
    notice(QStringLiteral("مجموع القاعدتين هو  ") + crlf() + QStringLiteral("طول القاعدة الكبيرة + طول القاعدة الصغيرة")
               + crlf() + QStringLiteral("ثم أدخل المجموع في الخانة المخصصة"),
           InformationStyle, QStringLiteral("ملاحظة رياضية"));
}
