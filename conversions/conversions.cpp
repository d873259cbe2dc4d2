#include "conversions/conversions.h"

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

using namespace app;
using namespace numtext;

namespace {
// The constants of this window. 1.8 is the nearest double; the Kelvin offset
// is the whole 273, and pi is taken to six decimals.
constexpr double FahrenheitStep = 1.8;
constexpr double FahrenheitZero = 32;
constexpr double KelvinZero = 273;
constexpr double HalfTurn = 180;
constexpr double Pi = 3.141592;

// How the operand is read from the input box.
enum class Reading {
    RoundTrip, // the leading number, written with 15 digits and read strictly again
    Direct,    // the leading number as it is
};

double operand(const QString &text, Reading reading)
{
    const double x = leadingNumber(text);
    return reading == Reading::RoundTrip ? strictNumber(format(x)) : x;
}

QString utf8(const char *text) { return QString::fromUtf8(text); }

// The panel rows that every option shares.
constexpr Tw InputLabelAt{2820, 4200, 1755, 255};
constexpr Tw ButtonAt{2400, 4560, 2055, 375};
constexpr Tw ResultLabelAt{3180, 5280, 1395, 255};
// The temperature options stand right-aligned in the right-hand column, the
// angle options in the left-hand one.
constexpr Tw temperatureAt(int top) { return {2400, top, 2175, 240}; }
constexpr Tw angleAt(int top) { return {360, top, 1815, 240}; }
} // namespace

// One conversion: its option, the panel it shows and how it computes. The
// two Kelvin-Fahrenheit conversions pass through Celsius with the same
// constants.
struct Form5::Conversion {
    QRadioButton *Form5::*option;
    const char *optionName;
    const char *caption;
    Tw optionAt;
    const char *heading;
    QLabel *Form5::*inputLabel;
    const char *inputLabelName;
    const char *inputLabelText;
    QLabel *Form5::*resultLabel;
    const char *resultLabelName;
    const char *resultLabelText;
    QPushButton *Form5::*button;
    const char *buttonName;
    const char *buttonText;
    Reading reading;
    double (*formula)(double x);
    const char *emptyText;
    void (Form5::*chosen)();
    void (Form5::*converted)();
};

// In the order Op1 .. Op8.
const std::array<Form5::Conversion, 8> &Form5::conversions()
{
    static const std::array<Conversion, 8> table{{
        {&Form5::Op1, "Op1", "من المئوي إلى الفهرنهايت", temperatureAt(2040),
         "التحويل من المئوي إلى الفهرنهايت",
         &Form5::Lamh1, "Lamh1", "أدخل الدرجة بالمئوي", &Form5::lamh2, "lamh2", "الدرجة بالفهرنهايت",
         &Form5::Comh1, "Comh1", "تحويل إلى فهرنهايت", Reading::RoundTrip,
         [](double x) { return plus(times(x, FahrenheitStep), FahrenheitZero); },
         "من فضلك .. أدخل درجة الحرارة بالمئوي", &Form5::Op1_Click, &Form5::Comh1_Click},
        {&Form5::Op2, "Op2", "من الفهرنهايت إلى المئوي", temperatureAt(3000),
         "التحويل من الفهرنهايت إلى المئوي",
         &Form5::Lahm1, "Lahm1", "أدخل الدرجة بالفهرنهايت", &Form5::lahm2, "lahm2", "الدرجة بالمئوي",
         &Form5::Cohm1, "Cohm1", "تحويل إلى مئوي", Reading::RoundTrip,
         [](double x) { return divide(minus(x, FahrenheitZero), FahrenheitStep); },
         "من فضلك .. أدخل درجة الحرارة بالفهرنهايت", &Form5::Op2_Click, &Form5::Cohm1_Click},
        {&Form5::Op3, "Op3", "من المئوي إلى الكالفن", temperatureAt(2280),
         "التحويل من المئوي إلى الكالفن",
         &Form5::Lamk1, "Lamk1", "أدخل الدرجة بالمئوي", &Form5::Lamk2, "Lamk2", "الدرجة بالكالفن",
         &Form5::Comk1, "Comk1", "تحويل إلى كالفــن", Reading::RoundTrip,
         [](double x) { return plus(x, KelvinZero); },
         "من فضلك .. أدخل درجة الحرارة بالمئوي", &Form5::Op3_Click, &Form5::Comk1_Click},
        {&Form5::Op4, "Op4", "من الكالفن إلى المئوي", temperatureAt(2760),
         "التحويل من الكالفن إلى المئوي",
         &Form5::Lakm1, "Lakm1", "أدخل الدرجة بالكالفن", &Form5::Lakm2, "Lakm2", "الدرجة بالمئوي",
         &Form5::Cokm1, "Cokm1", "تحويل إلى مئوي", Reading::RoundTrip,
         [](double x) { return minus(x, KelvinZero); },
         "من فضلك .. أدخل درجة الحرارة بالكالفن", &Form5::Op4_Click, &Form5::Cokm1_Click},
        {&Form5::Op5, "Op5", "من الكالفن إلى الفهرنهايت", temperatureAt(2520),
         "التحويل من الكالفن إلى الفهرنهايت",
         &Form5::Lakh1, "Lakh1", "أدخل الدرجة بالكالفن", &Form5::lakh2, "lakh2", "الدرجة بالفهرنهايت",
         &Form5::Comkh1, "Comkh1", "تحويل إلى فهرنهايت", Reading::Direct,
         [](double x) { return plus(times(minus(x, KelvinZero), FahrenheitStep), FahrenheitZero); },
         "من فضلك .. أدخل درجة الحرارة بالكالفن", &Form5::Op5_Click, &Form5::Comkh1_Click},
        {&Form5::Op6, "Op6", "من الفهرنهايت إلى الكالفن", temperatureAt(3240),
         "التحويل من الفهرنهايت إلى الكالفن",
         &Form5::Lahk1, "Lahk1", "أدخل الدرجة بالفهرنهايت", &Form5::Lahk2, "Lahk2", "الدرجة بالــكالفن",
         &Form5::Comhk1, "Comhk1", "تحويل إلى كــالفن", Reading::Direct,
         [](double x) { return plus(divide(minus(x, FahrenheitZero), FahrenheitStep), KelvinZero); },
         "من فضلك .. أدخل درجة الحرارة بالفهرنهايت", &Form5::Op6_Click, &Form5::Comhk1_Click},
        {&Form5::Op7, "Op7", "من راديان إلى درجات", angleAt(2400),
         "التحويل من الراديان إلى درجات",
         &Form5::Lads1, "Lads1", "أدخل الزاوية بالراديان", &Form5::Lads2, "Lads2", "الزاوية بالدرجات",
         &Form5::Comds1, "Comds1", "تحويل إلى درجات", Reading::Direct,
         [](double x) { return divide(times(x, HalfTurn), Pi); },
         "من فضلك .. أدخل الزاوية بالراديان - التقدير الدائري", &Form5::Op7_Click, &Form5::Comds1_Click},
        {&Form5::Op8, "Op8", "من درجات إلى راديان", angleAt(2880),
         "التحويل من الدرجات إلى الراديان",
         &Form5::Lasd1, "Lasd1", "أدخل الزاوية بالدرجات", &Form5::Lasd2, "Lasd2", "الزاوية بالراديان",
         &Form5::Comsd1, "Comsd1", "تحويل إلى راديان", Reading::Direct,
         [](double x) { return divide(times(x, Pi), HalfTurn); },
         "من فضلك .. أدخل الزاوية بالدرجات - التقدير الستيني", &Form5::Op8_Click, &Form5::Comsd1_Click},
    }};
    return table;
}

Form5::Form5() : SectionWindow("Form5", QStringLiteral("حساب التحويلات"), 4815, 6495)
{
    Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("التحويلات"));
    Picture1->setToolTip(QStringLiteral("تحويلات الزاوية ودرجات الحرارة"));
    Text1 = headingLine(this, "Text1", {120, 1320, 4575, 375}, QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    Label1 = label(this, "Label1", QStringLiteral("تحويل درجات الحرارة"), {2760, 1710, 1815, 255});
    Label2 = label(this, "Label2", QStringLiteral("تحويل الزاوية"), {720, 1710, 1455, 255});
    for (QLabel *heading : {Label1, Label2}) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }

    auto *group = new QButtonGroup(this);
    for (const Conversion &c : conversions()) {
        QRadioButton *o = option(this, c.optionName, utf8(c.caption), c.optionAt);
        this->*c.option = o;
        group->addButton(o);
    }
    la22 = headingLine(this, "la22", {120, 3600, 4575, 375});

    Te1 = edit(this, "Te1", {240, 4080, 2535, 375}, QStringLiteral("العدد المطلوب تحويله"));
    Com1 = button(this, "Com1", QStringLiteral("مسح"), {240, 4560, 975, 375});
    Te2 = edit(this, "Te2", {240, 5160, 2895, 375}, QStringLiteral("الناتج"));
    Te1->hide();
    Com1->hide();
    Te2->hide();
    for (const Conversion &c : conversions()) {
        QLabel *input = label(this, c.inputLabelName, utf8(c.inputLabelText), InputLabelAt);
        QLabel *result = label(this, c.resultLabelName, utf8(c.resultLabelText), ResultLabelAt);
        QPushButton *convertButton = button(this, c.buttonName, utf8(c.buttonText), ButtonAt);
        input->hide();
        result->hide();
        convertButton->hide();
        this->*c.inputLabel = input;
        this->*c.resultLabel = result;
        this->*c.button = convertButton;
    }

    Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, 5880, 1215, 375});
    Command5 = button(this, "Command5", QStringLiteral("قوانين رياضية"), {1560, 5880, 1455, 375});
    Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3120, 5880, 1455, 375});
    joinFrame(Command1, Command3, Command5, QStringLiteral("Form13"));

    // Reading order: the right-hand column, the left-hand column, the panel,
    // then the frame from the right.
    tabOrder({Op1, Op3, Op5, Op4, Op2, Op6, Op7, Op8, Te1, Comh1, Cohm1, Comk1, Cokm1, Comkh1, Comhk1, Comds1, Comsd1,
              Com1, Te2, Command3, Command5, Command1});

    for (const Conversion &c : conversions()) {
        on(this->*c.option, &QRadioButton::clicked, this, c.chosen);
        on(this->*c.button, &QPushButton::clicked, this, c.converted);
    }
    on(Com1, &QPushButton::clicked, this, &Form5::Com1_Click);
}

void Form5::choose(const Conversion &chosen)
{
    setDefaultButton(this->*chosen.button);
    for (QWidget *shared : std::initializer_list<QWidget *>{Te1, Te2, Com1, la22})
        shared->show();
    la22->setText(utf8(chosen.heading));
    la22->setCursorPosition(0);
    for (const Conversion &c : conversions()) {
        const bool shown = &c == &chosen;
        (this->*c.inputLabel)->setVisible(shown);
        (this->*c.resultLabel)->setVisible(shown);
        (this->*c.button)->setVisible(shown);
    }
}

void Form5::convert(const Conversion &conversion)
{
    if (isEmpty(Te1->text())) {
        emptyFieldNotice(utf8(conversion.emptyText), style::Information | style::RightAlign);
        return;
    }
    const double x = operand(Te1->text(), conversion.reading);
    Te2->setText(format(conversion.formula(x)));
}

// The table is in the order Op1 .. Op8.
void Form5::Op1_Click() { choose(conversions()[0]); }
void Form5::Op2_Click() { choose(conversions()[1]); }
void Form5::Op3_Click() { choose(conversions()[2]); }
void Form5::Op4_Click() { choose(conversions()[3]); }
void Form5::Op5_Click() { choose(conversions()[4]); }
void Form5::Op6_Click() { choose(conversions()[5]); }
void Form5::Op7_Click() { choose(conversions()[6]); }
void Form5::Op8_Click() { choose(conversions()[7]); }
void Form5::Comh1_Click() { convert(conversions()[0]); }
void Form5::Cohm1_Click() { convert(conversions()[1]); }
void Form5::Comk1_Click() { convert(conversions()[2]); }
void Form5::Cokm1_Click() { convert(conversions()[3]); }
void Form5::Comkh1_Click() { convert(conversions()[4]); }
void Form5::Comhk1_Click() { convert(conversions()[5]); }
void Form5::Comds1_Click() { convert(conversions()[6]); }
void Form5::Comsd1_Click() { convert(conversions()[7]); }

void Form5::Com1_Click() { Te1->clear(); }
