#include "conversions/trigonometry.h"

#include "conversions/trigformulas.h"
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
#include <QPainter>
#include <QPushButton>
#include <QTextLayout>

using namespace app;
using namespace numtext;

using conversions::Function;

namespace {

const QString Undefined = QStringLiteral("خطأ");

// The caption of a result row: the Arabic word over its English one, each
// line standing flush right. (The toolkit's own wrapping keeps the space
// between the words at the end of the Arabic line, which then stands short
// of the right edge.)
class ResultCaption : public QLabel {
public:
    ResultCaption(const QString &text, QWidget *parent) : QLabel(text, parent) { setWordWrap(true); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QRect room = contentsRect();
        QTextLayout layout(text(), font());
        QTextOption option(Qt::AlignRight | Qt::AlignAbsolute);
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        const QFontMetrics metrics(font());
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            lines << text().mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        // The lines centred together, as the label centres its text.
        const int lineHeight = metrics.height() + std::max(metrics.leading(), 0);
        int y = room.top() + (room.height() - int(lines.size()) * lineHeight + std::max(metrics.leading(), 0)) / 2;
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        for (const QString &line : lines) {
            painter.drawText(QRect(room.left(), y, room.width(), metrics.height()),
                             Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter, line);
            y += lineHeight;
        }
    }
};

QLabel *resultCaption(QWidget *parent, const char *name, const QString &text, Tw at)
{
    auto *caption = new ResultCaption(text, parent);
    caption->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    caption->setObjectName(QString::fromLatin1(name));
    caption->setGeometry(twips(at.x, at.y, at.w, at.h));
    return caption;
}

constexpr Tw ButtonAt{2400, 3360, 2175, 375};
const char *const OtherNumberText = "من فضلك .. أدخل العدد المطلوب أولا";

// The functions in reading order: the right-hand column, top to bottom, then
// the middle one and the left-hand one.
const Choice Functions[] = {
    {.option = {.name = "Op3", .caption = "حساب الـ جا", .at = {3360, 1800, 1335, 240}},
     .chosen = &Form7::Op3_Click,
     .heading = "حساب جا الزاوية - Sin",
     .action = {.name = "comsine", .caption = "احسب جا الزاوية", .clicked = &Form7::comsine_Click}},
    {.option = {.name = "Op1", .caption = "حساب الـ جتا", .at = {3360, 2040, 1335, 240}},
     .chosen = &Form7::Op1_Click,
     .heading = "حساب جتا الزاوية - Cos",
     .action = {.name = "comcos", .caption = "احسب جتا الزاوية", .clicked = &Form7::comcos_Click}},
    {.option = {.name = "Op5", .caption = "حساب الـ ظا", .at = {1800, 1800, 1335, 240}},
     .chosen = &Form7::Op5_Click,
     .heading = "حساب ظا الزاوية - Tan",
     .action = {.name = "comtan", .caption = "احسب ظا الزاوية", .clicked = &Form7::comtan_Click}},
    {.option = {.name = "Op2", .caption = "حساب الـ ظتا", .at = {1800, 2040, 1335, 240}},
     .chosen = &Form7::Op2_Click,
     .heading = "حساب ظتا الزاوية - Cotan",
     .action = {.name = "comcot", .caption = "احسب ظتا الزاوية", .clicked = &Form7::comcot_Click}},
    {.option = {.name = "Op4", .caption = "حساب الـ قا", .at = {360, 1800, 1335, 240}},
     .chosen = &Form7::Op4_Click,
     .heading = "حساب قا الزاوية - Sec",
     .action = {.name = "comsec", .caption = "احسب قا الزاوية", .clicked = &Form7::comsec_Click}},
    {.option = {.name = "Op6", .caption = "حساب الـ قتا", .at = {240, 2040, 1455, 240}},
     .chosen = &Form7::Op6_Click,
     .heading = "حساب قتا الزاوية - Csc",
     .action = {.name = "comcosc", .caption = "احسب قتا الزاوية", .clicked = &Form7::comcosc_Click}},
};
} // namespace

Form7::Form7() : OptionWindow("Form7", QStringLiteral("حساب الدوال المثلثية"), 4815, 5895)
{
    new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("المثلثية"));
    QLineEdit *instruction = headingLine(this, "Text2", {120, 1320, 4575, 375},
                                         QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    headingBox(2280);

    QLabel *Label3 = label(this, "Label3", QStringLiteral("أدخل الزاوية"), {3720, 2880, 975, 255});
    Te1 = edit(this, "Te1", {240, 2760, 3375, 375}, Label3->text());
    buildChoices(Functions, ButtonAt);
    headList(instruction);
    auto *Comc = button(this, "Comc", QStringLiteral("مسح الزاوية"), {240, 3360, 1095, 375});

    resultCaption(this, "Label1", QStringLiteral("بالدرجات Degrees"), {3720, 3900, 975, 495});
    Te2 = readOnlyEdit(this, "Te2", {1080, 3960, 2535, 375}, QStringLiteral("بالدرجات"));
    auto *Command4 = button(this, "Command4", QStringLiteral("مسح"), {240, 3960, 735, 375});
    QLabel *Label2 = resultCaption(this, "Label2", QStringLiteral("بالراديان Radian"), {3720, 4500, 975, 495});
    Te3 = readOnlyEdit(this, "Te3", {1080, 4560, 2535, 375}, QStringLiteral("بالراديان"));
    auto *Command5 = button(this, "Command5", QStringLiteral("مسح"), {240, 4560, 735, 375});
    const QString darkRed = QStringLiteral("color: #8b0000;");
    Label2->setStyleSheet(darkRed);
    Te3->setStyleSheet(darkRed);

    auto *Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, 5280, 1215, 375});
    auto *Command2 = button(this, "Command2", QStringLiteral("قوانين رياضية"), {1680, 5280, 1335, 375});
    auto *Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3240, 5280, 1335, 375});
    joinFrame(Command1, Command3, Command2, "Form22");
    steps_ = offerSteps(this, {Te2, Te3});
    offerPractice(this, QStringLiteral("trigonometry"));

    orderTabs({},
              {Te1, named("comsine"), named("comcos"), named("comtan"), named("comcot"), named("comsec"),
               named("comcosc"), Comc, Te2, Command4, Te3, Command5},
              {Command3, Command2, Command1});
    options().front()->setFocus();

    on(Comc, &QPushButton::clicked, this, &Form7::Comc_Click);
    on(Command4, &QPushButton::clicked, this, &Form7::Command4_Click);
    on(Command5, &QPushButton::clicked, this, &Form7::Command5_Click);
}

// The function of the angle in Te1 (conversions/formulas.h); where it is
// undefined its box says so.
void Form7::calculate(const char *emptyText, Function function)
{
    if (isEmpty(Te1->text())) {
        emptyFieldNotice(QString::fromUtf8(emptyText), style::RightAlign);
        steps_->refuse(numtext::Refusal::EmptyBox, QString::fromUtf8(emptyText));
        return;
    }
    steps_->record([&](numtext::Steps &s) {
        const conversions::Trigonometric values = conversions::trigonometric(function, Te1->text(), s);
        Te2->setText(values.degrees ? format(*values.degrees) : Undefined);
        Te2->setCursorPosition(0);
        Te3->setText(values.radians ? format(*values.radians) : Undefined);
        Te3->setCursorPosition(0);
        announce(this, spokenResult(Te2) + QStringLiteral("، ") + spokenResult(Te3));
    });
}

void Form7::Op1_Click() { showPanel("Op1"); }
void Form7::Op2_Click() { showPanel("Op2"); }
void Form7::Op3_Click() { showPanel("Op3"); }
void Form7::Op4_Click() { showPanel("Op4"); }
void Form7::Op5_Click() { showPanel("Op5"); }
void Form7::Op6_Click() { showPanel("Op6"); }

void Form7::comsine_Click() { calculate("من فضلك .. أدخل الزاوية المطلوبة أولا", Function::Sine); }
void Form7::comcos_Click() { calculate(OtherNumberText, Function::Cosine); }
void Form7::comtan_Click() { calculate(OtherNumberText, Function::Tangent); }
void Form7::comcot_Click() { calculate(OtherNumberText, Function::Cotangent); }
void Form7::comsec_Click() { calculate(OtherNumberText, Function::Secant); }
void Form7::comcosc_Click() { calculate(OtherNumberText, Function::Cosecant); }

void Form7::Comc_Click() { Te1->clear(); }
void Form7::Command4_Click() { Te2->clear(); }
void Form7::Command5_Click() { Te3->clear(); }
