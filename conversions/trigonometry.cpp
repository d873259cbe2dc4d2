#include "conversions/trigonometry.h"

#include "app/banner.h"
#include "app/controls.h"
#include "app/dispatch.h"
#include "numtext/notice.h"
#include "numtext/numtext.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

using namespace app;
using namespace numtext;

namespace {
// Degrees to radians with pi taken to fifteen significant digits, which is
// why the tangent of 45 degrees comes out as 0.999999999999998.
constexpr double DegreeFactor = 3.14159265358979 / 180;

const QString Undefined = QStringLiteral("خطأ");

// Where a function has no value.
enum class Poles {
    None,
    OddRightAngles, // the tangent and the secant: 90, 270, -90 ... degrees
    StraightAngles, // the cotangent and the cosecant: 0, 180, -180 ... degrees, and 0 radians
};

// The angle is the single-precision number typed, so the degree test is
// exact: no rounding of pi can hide a pole.
bool undefinedInDegrees(Poles poles, float angle)
{
    const double turn = std::fmod(static_cast<double>(angle), 180.0);
    switch (poles) {
    case Poles::None:
        return false;
    case Poles::OddRightAngles:
        return std::fabs(turn) == 90;
    case Poles::StraightAngles:
        return turn == 0;
    }
    return false;
}

// pi/2 is irrational, so the only pole a number of radians can hit exactly is
// the zero of the cotangent and the cosecant.
bool undefinedInRadians(Poles poles, float angle) { return poles == Poles::StraightAngles && angle == 0; }

QString utf8(const char *text) { return QString::fromUtf8(text); }

constexpr Tw ButtonAt{2400, 3360, 2175, 375};
const char *const OtherNumberText = "من فضلك .. أدخل العدد المطلوب أولا";
} // namespace

struct Form7::Function {
    QRadioButton *Form7::*option;
    const char *optionName;
    const char *caption;
    Tw optionAt;
    const char *heading;
    QPushButton *Form7::*button;
    const char *buttonName;
    const char *buttonText;
    const char *emptyText;
    double (*value)(double x);
    Poles poles;
    void (Form7::*chosen)();
    void (Form7::*calculated)();
};

// In reading order: the top row from the right, then the bottom row. The
// reciprocals divide the whole number 1 by the function's value.
const std::array<Form7::Function, 6> &Form7::functions()
{
    static const std::array<Function, 6> table{{
        {&Form7::Op3, "Op3", "حساب الـ جا", {3360, 1800, 1335, 240}, "حساب جا الزاوية - Sin", &Form7::comsine,
         "comsine", "احسب جا الزاوية", "من فضلك .. أدخل الزاوية المطلوبة أولا", [](double x) { return sine(x); },
         Poles::None, &Form7::Op3_Click, &Form7::comsine_Click},
        {&Form7::Op5, "Op5", "حساب الـ ظا", {1800, 1800, 1335, 240}, "حساب ظا الزاوية - Tan", &Form7::comtan, "comtan",
         "احسب ظا الزاوية", OtherNumberText, [](double x) { return tangent(x); }, Poles::OddRightAngles,
         &Form7::Op5_Click, &Form7::comtan_Click},
        {&Form7::Op4, "Op4", "حساب الـ قا", {360, 1800, 1335, 240}, "حساب قا الزاوية - Sec", &Form7::comsec, "comsec",
         "احسب قا الزاوية", OtherNumberText, [](double x) { return divide(1, cosine(x)); }, Poles::OddRightAngles,
         &Form7::Op4_Click, &Form7::comsec_Click},
        {&Form7::Op1, "Op1", "حساب الـ جتا", {3360, 2040, 1335, 240}, "حساب جتا الزاوية - Cos", &Form7::comcos, "comcos",
         "احسب جتا الزاوية", OtherNumberText, [](double x) { return cosine(x); }, Poles::None, &Form7::Op1_Click,
         &Form7::comcos_Click},
        {&Form7::Op2, "Op2", "حساب الـ ظتا", {1800, 2040, 1335, 240}, "حساب ظتا الزاوية - Cotan", &Form7::comcot,
         "comcot", "احسب ظتا الزاوية", OtherNumberText, [](double x) { return divide(1, tangent(x)); },
         Poles::StraightAngles, &Form7::Op2_Click, &Form7::comcot_Click},
        {&Form7::Op6, "Op6", "حساب الـ قتا", {240, 2040, 1455, 240}, "حساب قتا الزاوية - Csc", &Form7::comcosc,
         "comcosc", "احسب قتا الزاوية", OtherNumberText, [](double x) { return divide(1, sine(x)); },
         Poles::StraightAngles, &Form7::Op6_Click, &Form7::comcosc_Click},
    }};
    return table;
}

Form7::Form7() : SectionWindow("Form7", QStringLiteral("حساب الدوال المثلثية"), 4815, 5895)
{
    Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("المثلثية"));
    Text2 = headingLine(this, "Text2", {120, 1320, 4575, 375}, QStringLiteral("اختر من الخيارات التي بالأســفـل"));

    auto *group = new QButtonGroup(this);
    for (const Function &f : functions()) {
        QRadioButton *o = option(this, f.optionName, utf8(f.caption), f.optionAt);
        this->*f.option = o;
        group->addButton(o);
    }
    la22 = headingLine(this, "la22", {120, 2280, 4575, 375});

    Label3 = label(this, "Label3", QStringLiteral("أدخل الزاوية"), {3720, 2880, 975, 255});
    Te1 = edit(this, "Te1", {240, 2760, 3375, 375}, Label3->text());
    for (const Function &f : functions()) {
        QPushButton *b = button(this, f.buttonName, utf8(f.buttonText), ButtonAt);
        b->hide();
        this->*f.button = b;
    }
    Comc = button(this, "Comc", QStringLiteral("مسح الزاوية"), {240, 3360, 1095, 375});

    // The captions of the result rows are two short lines: the Arabic word
    // over its English one.
    Label1 = label(this, "Label1", QStringLiteral("بالدرجات Degrees"), {3720, 3900, 975, 495});
    Te2 = readOnlyEdit(this, "Te2", {1080, 3960, 2535, 375}, QStringLiteral("بالدرجات"));
    Command4 = button(this, "Command4", QStringLiteral("مسح"), {240, 3960, 735, 375});
    Label2 = label(this, "Label2", QStringLiteral("بالراديان Radian"), {3720, 4500, 975, 495});
    Te3 = readOnlyEdit(this, "Te3", {1080, 4560, 2535, 375}, QStringLiteral("بالراديان"));
    Command5 = button(this, "Command5", QStringLiteral("مسح"), {240, 4560, 735, 375});
    for (QLabel *caption : {Label1, Label2})
        caption->setWordWrap(true);
    const QString darkRed = QStringLiteral("color: #8b0000;");
    Label2->setStyleSheet(darkRed);
    Te3->setStyleSheet(darkRed);

    Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, 5280, 1215, 375});
    Command2 = button(this, "Command2", QStringLiteral("قوانين رياضية"), {1680, 5280, 1335, 375});
    Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3240, 5280, 1335, 375});
    joinFrame(Command1, Command3, Command2, QStringLiteral("Form22"));

    tabOrder({Op3, Op5, Op4, Op1, Op2, Op6, Te1, comsine, comcos, comtan, comcot, comsec, comcosc, Comc, Te2, Command4,
              Te3, Command5, Command3, Command2, Command1});

    for (const Function &f : functions()) {
        on(this->*f.option, &QRadioButton::clicked, this, f.chosen);
        on(this->*f.button, &QPushButton::clicked, this, f.calculated);
    }
    on(Comc, &QPushButton::clicked, this, &Form7::Comc_Click);
    on(Command4, &QPushButton::clicked, this, &Form7::Command4_Click);
    on(Command5, &QPushButton::clicked, this, &Form7::Command5_Click);
}

void Form7::choose(const Function &chosen)
{
    la22->show();
    la22->setText(utf8(chosen.heading));
    la22->setCursorPosition(0);
    QPushButton *own = this->*chosen.button;
    own->show();
    setDefaultButton(own);
    for (const Function &f : functions()) {
        if (&f != &chosen)
            (this->*f.button)->hide();
    }
}

// The angle is held in single precision. The degrees box gets the function of
// the angle read as degrees, the radians box the function of the same number
// read as radians; a pole gives "خطأ" in its box (a zero angle of the
// cosecant or the cotangent in both).
void Form7::calculate(const Function &function)
{
    if (isEmpty(Te1->text())) {
        emptyFieldNotice(utf8(function.emptyText), style::RightAlign);
        return;
    }
    const float a = strictSingle(Te1->text());
    const double d = times(DegreeFactor, a);
    const QString degrees = undefinedInDegrees(function.poles, a) ? Undefined : format(function.value(d));
    const QString radians = undefinedInRadians(function.poles, a) ? Undefined : format(function.value(a));
    Te2->setText(degrees);
    Te2->setCursorPosition(0);
    Te3->setText(radians);
    Te3->setCursorPosition(0);
}

void Form7::Op3_Click() { choose(functions()[0]); }
void Form7::Op5_Click() { choose(functions()[1]); }
void Form7::Op4_Click() { choose(functions()[2]); }
void Form7::Op1_Click() { choose(functions()[3]); }
void Form7::Op2_Click() { choose(functions()[4]); }
void Form7::Op6_Click() { choose(functions()[5]); }
void Form7::comsine_Click() { calculate(functions()[0]); }
void Form7::comtan_Click() { calculate(functions()[1]); }
void Form7::comsec_Click() { calculate(functions()[2]); }
void Form7::comcos_Click() { calculate(functions()[3]); }
void Form7::comcot_Click() { calculate(functions()[4]); }
void Form7::comcosc_Click() { calculate(functions()[5]); }

void Form7::Comc_Click() { Te1->clear(); }
void Form7::Command4_Click() { Te2->clear(); }
void Form7::Command5_Click() { Te3->clear(); }
