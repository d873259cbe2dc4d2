#include "reference/laws.h"

#include "kit/dispatch.h"
#include "kit/notice.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

using namespace app;
using namespace numtext;
using reference::LawsDesign;
using reference::Picture;

namespace {

// A footer title, bold 11.25 points in the Naskh face of the heading boxes.
// A title too long for its place is set smaller, never with its words
// squeezed together.
QLabel *footerTitle(QWidget *parent, const LawsDesign::Control &c)
{
    QLabel *l = label(parent, c.name, QString::fromUtf8(c.caption), c.at);
    QFont f = headingFont();
    f.setPointSizeF(11.25);
    const qreal room = l->contentsRect().width();
    while (QFontMetricsF(f).horizontalAdvance(l->text()) > room && f.pointSizeF() > 7)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    l->setFont(f);
    l->resize(l->width(), std::max(l->height(), int(std::ceil(QFontMetricsF(f).height()))));
    return l;
}

// An option as tall as its caption needs. The options of the bottom row end
// 120 twips short of the frame around it, so that the circle at their right
// stands clear of its line.
app::Option *lawsOption(QWidget *parent, const LawsDesign::Control &c)
{
    app::Option *o = app::option(parent, c.name, QString::fromUtf8(c.caption), c.at);
    o->resize(o->width(), std::max(o->height(), o->sizeHint().height()));
    return o;
}

const LawsDesign &areas()
{
    static const LawsDesign d{"Form11",
                              "قوانين حساب المساحة",
                              4815,
                              6855,
                              {{"Picture2", {120, 120, 4575, 6015}, Picture::Areas, false}},
                              {"Command1", "إغلاق", {240, 6240, 1575, 375}},
                              {"Label9", "قوانين رياضية لحساب المساحة", {2040, 6300, 2535, 255}},
                              {},
                              {},
                              {120, 6180, 4575, 495}};
    return d;
}

const LawsDesign &perimeters()
{
    static const LawsDesign d{"Form12",
                              "قوانين حساب المحيط",
                              4815,
                              5415,
                              {{"Picture2", {120, 120, 4575, 4575}, Picture::Perimeters, false}},
                              {"Command1", "إغلاق", {240, 4800, 1575, 375}},
                              {"Label9", "قوانين رياضية لحساب المحيط", {2040, 4900, 2535, 255}},
                              {},
                              {},
                              {120, 4740, 4575, 495}};
    return d;
}

const LawsDesign &temperatureAndAngles()
{
    static const LawsDesign d{"Form13",
                              "قوانين الحرارة والزاوية",
                              4830,
                              5175,
                              {{"Pic2", {120, 120, 4575, 3975}, Picture::Temperature, false},
                               {"Pic3", {120, 120, 4575, 3975}, Picture::Angles, false}},
                              {"Command1", "إغلاق", {240, 4560, 1815, 375}},
                              {},
                              {{"Op1", "قوانين تحويل درجات الحرارة", {2280, 4200, 2280, 255}},
                               {"Op2", "قوانين تحويل الزوايا", {360, 4200, 1860, 255}}},
                              {"Command2", "ملاحظة رياضية", {2280, 4560, 2295, 375}},
                              {120, 4140, 4575, 900}};
    return d;
}

const LawsDesign &volumes()
{
    static const LawsDesign d{"Form14",
                              "قوانين حساب الأحجام",
                              4815,
                              6855,
                              {{"Picture2", {120, 120, 4575, 6015}, Picture::Volumes, false}},
                              {"Command1", "إغلاق", {240, 6240, 1575, 375}},
                              {"Label9", "قوانين رياضية لحساب الأحجام", {2040, 6300, 2535, 255}},
                              {},
                              {},
                              {120, 6180, 4575, 495}};
    return d;
}

const LawsDesign &quadratic()
{
    static const LawsDesign d{"Form19",
                              "معادلة الدرجة الثانية",
                              4815,
                              5655,
                              {{"Pic1", {120, 120, 4575, 4455}, Picture::QuadraticFormula, true},
                               {"Pic2", {120, 120, 4575, 4455}, Picture::GeneralForm, true}},
                              {"Command1", "إغلاق", {240, 5040, 2055, 375}},
                              {},
                              {{"Op1", "قانون المميز للدرجة الثانية", {2520, 4680, 2040, 255}},
                               {"Op2", "الصيغة العامة", {1080, 4680, 1395, 255}}},
                              {"Command2", "معلومة رياضية", {2520, 5040, 2055, 375}},
                              {120, 4620, 4575, 900}};
    return d;
}

const LawsDesign &trigonometry()
{
    static const LawsDesign d{"Form22",
                              "قوانين الدوال المثلثية",
                              4830,
                              5190,
                              {{"Picture1", {120, 120, 4570, 4365}, Picture::Trigonometry, false}},
                              {"Command1", "إغـــــــــــلاق", {240, 4560, 1575, 375}},
                              {"Label9", "قوانين رياضية للدوال المثلثية", {2040, 4640, 2535, 255}},
                              {},
                              {},
                              {120, 4500, 4590, 495}};
    return d;
}

} // namespace

namespace reference {

LawsWindow::LawsWindow(const LawsDesign &d) : Window(d.name, QString::fromUtf8(d.caption), d.width, d.height)
{
    // A close box, no minimize or maximize buttons.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    app::rectangle(this, d.bottomFrame);
    for (const LawsDesign::Shown &s : d.pictures) {
        auto *box = new PictureBox(this, s.name, twips(s.at.x, s.at.y, s.at.w, s.at.h), s.picture);
        box->setHidden(s.hidden);
        pictures_.push_back(box);
    }
    for (const LawsDesign::Control &o : d.options)
        options_.push_back(lawsOption(this, o));
    if (d.note.name)
        note_ = button(this, d.note.name, QString::fromUtf8(d.note.caption), d.note.at);
    Command1 = button(this, d.close.name, QString::fromUtf8(d.close.caption), d.close.at);
    if (d.title.name)
        title_ = footerTitle(this, d.title);
    setDefaultButton(Command1);
    setEscapeButton(Command1);
    on(Command1, &QPushButton::clicked, this, &LawsWindow::Command1_Click);
}

// Hidden, not destroyed: the chosen option and picture are there at the next
// opening.
void LawsWindow::Command1_Click() { hide(); }

} // namespace reference

Form11::Form11() : LawsWindow(areas()), Picture2(picture(0)), Label9(title()) {}

Form12::Form12() : LawsWindow(perimeters()), Picture2(picture(0)), Label9(title()) {}

Form14::Form14() : LawsWindow(volumes()), Picture2(picture(0)), Label9(title()) {}

Form22::Form22() : LawsWindow(trigonometry()), Picture1(picture(0)), Label9(title()) {}

Form13::Form13()
    : LawsWindow(temperatureAndAngles()), Pic2(picture(0)), Pic3(picture(1)), Op1(option(0)), Op2(option(1)),
      Command2(note())
{
    Form_Load();
    on(Op1, &app::Option::chosen, this, &Form13::Op1_Click);
    on(Op2, &app::Option::chosen, this, &Form13::Op2_Click);
    on(Command2, &QPushButton::clicked, this, &Form13::Command2_Click);
    tabOrder({Op1, Op2, Command2, Command1});
    // The first option holds the focus when the window opens, and the focus
    // chooses it: the temperature laws are there from the start.
    Op1->setFocus();
    Op1->setMarked(true);
    Op1_Click();
}

void Form13::Form_Load()
{
    Pic2->hide();
    Pic3->hide();
    Command2->hide();
}

void Form13::Op1_Click()
{
    Pic2->show();
    Pic3->hide();
    Command2->show();
}

void Form13::Op2_Click()
{
    Pic3->show();
    Pic2->hide();
    Command2->hide();
}

void Form13::Command2_Click()
{
    notice(QStringList{QStringLiteral("عند التحويل من الكالفن إلى الفهرنهايت"),
                       QStringLiteral("يجب التحويل من الكالفن إلى المئوي"),
                       QStringLiteral("ثم من المئوي إلى الفهرنهايت"), QStringLiteral("وكذلك العكس")}
               .join(crlf()),
           style::Information | style::RightAlign, QStringLiteral("ملاحظة رياضية"));
}

Form19::Form19()
    : LawsWindow(quadratic()), Pic1(picture(0)), Pic2(picture(1)), Op1(option(0)), Op2(option(1)), Command2(note())
{
    on(Op1, &app::Option::chosen, this, &Form19::Op1_Click);
    on(Op2, &app::Option::chosen, this, &Form19::Op2_Click);
    on(Command2, &QPushButton::clicked, this, &Form19::Command2_Click);
    // No option is chosen and no picture shown until the user picks one.
    tabOrder({Command1, Op1, Op2, Command2});
    Command1->setFocus();
}

void Form19::Op1_Click()
{
    Pic1->show();
    Pic2->hide();
}

void Form19::Op2_Click()
{
    Pic2->show();
    Pic1->hide();
}

void Form19::Command2_Click()
{
    notice(QStringLiteral("للمعادلة من الدرجة الثانية حلين أو جذرين اثنين") + crlf()
               + QStringLiteral("وللمعادلة من الدرجة الأولى لها حل واحد فقط"),
           style::Information | style::RightAlign, QStringLiteral("معلومة رياضية"));
}
