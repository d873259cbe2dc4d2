#include "algebra/equation.h"

#include "algebra/formulas.h"
#include "algebra/look.h"
#include "kit/banner.h"
#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/practicedoor.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "kit/windows.h"
#include "numtext/numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

using namespace algebra;
using namespace app;
using namespace numtext;

namespace {
constexpr std::uint32_t NoticeStyle = style::Information | style::RightAlign;
const QString MathError = QStringLiteral("خطأ رياضي");
// Where each coefficient stands and what its empty-field notice says.
struct CoefficientRow {
    const char *letterName;
    const char *letter;
    const char *equalsName;
    const char *boxName;
    int x; // left of the box, twips
    const char *missing;
    const char *heard; // the box's name: its letter and its meaning
};

const std::array<CoefficientRow, 3> &coefficientRows()
{
    static const std::array<CoefficientRow, 3> rows{{
        {"Label4", "أ", "Label11", "Te1", 3360,
         "من فضلك .. أدخل أ معامل س من الدرجة الثانـية\r\nوإذا أردت حل معادلة من الدرجة الأولى ضع أ = صفر",
         "أ: معامل س تربيع"},
        {"Label5", "ب", "Label10", "Te2", 1800,
         "من فضلك .. أدخل ب معامل س من الدرجة الأولى\r\nإن لم يكن موجودا فضع مكانه يساوي صفر 0", "ب: معامل س"},
        {"Label6", "جـا", "Label3", "Te3", 240,
         "من فضلك .. أدخل جـ العدد الثابت \r\nإن لم يكن موجودا فضع مكانه يساوي صفر 0", "جـ: العدد الثابت"},
    }};
    return rows;
}

QLabel *coloured(QLabel *l, const char *colour)
{
    setTextColour(l, colour);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
} // namespace

Form16::Form16() : SectionWindow("Form16", QStringLiteral("حل معادلات"), 4830, 6375)
{
    Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("حل معادلة"));
    la22 = headingBox(this, QStringLiteral("حل معادلة من الدرجة الثانية وكذلك من الدرجة الأولى"));
    Label1 = wrappedLabel(this, "Label1",
                          QStringLiteral("اكتب في كل مربع معاملات المجاهيل في المعادلة ..والذي ليس موجودا في "
                                         "المعادلة ضع مكانه صفر 0 .. اضغط على زر قوانين رياضية واختر الصيغة العامة "
                                         "لترى صيغة معادلة الدرجة الثانية .. وإذا أردت حل معادلة من الدرجة الأولى ضع "
                                         "أ تساوي صفر"),
                          {240, 1785, 4335, 855});

    app::rectangle(this, {120, 2700, 4575, 1260});
    app::rectangle(this, {120, 3960, 4575, 1560});

    std::array<QLabel *, 3> letters{}, equals{};
    std::array<QLineEdit *, 3> boxes{};
    for (std::size_t i = 0; i < coefficientRows().size(); ++i) {
        const CoefficientRow &row = coefficientRows()[i];
        const QString letter = QString::fromUtf8(row.letter);
        letters[i] = coloured(label(this, row.letterName, letter, {row.x + 1080, 2880, 285, 255}), "#000080");
        equals[i] = coloured(label(this, row.equalsName, QStringLiteral("="), {row.x + 840, 2880, 240, 255}),
                             "#000080");
        boxes[i] = edit(this, row.boxName, {row.x, 2760, 735, 495}, QString::fromUtf8(row.heard));
        boxes[i]->setMaxLength(5);
        boxes[i]->setFont(boldFont(12));
    }
    Label4 = letters[0], Label5 = letters[1], Label6 = letters[2];
    Label11 = equals[0], Label10 = equals[1], Label3 = equals[2];
    Te1 = boxes[0], Te2 = boxes[1], Te3 = boxes[2];

    Command4 = button(this, "Command4", QStringLiteral("أوجد الحل"), {2280, 3480, 2295, 375});
    Command2 = button(this, "Command2", QStringLiteral("مسح الكل"), {240, 3480, 1095, 375});
    Label8 = coloured(label(this, "Label8", QStringLiteral("حلول وجذور المعادلة"), {1680, 3975, 1695, 285}), "#007a00");
    Label8->setFont(boldFont(9));

    Label7 = coloured(label(this, "Label7", QStringLiteral("س"), {4200, 4440, 375, 285}), "#000080");
    Label2 = coloured(label(this, "Label2", QStringLiteral("="), {3960, 4440, 240, 285}), "#000080");
    Te4 = edit(this, "Te4", {240, 4320, 3615, 525}, QStringLiteral("الحل الأول"));
    Te4->setFont(boldFont(14.25));
    Label13 = coloured(label(this, "Label13", QStringLiteral("و"), {4200, 4800, 375, 255}), "#c00000");
    Label13->setFont(boldFont(8.5));
    Label12 = coloured(label(this, "Label12", QStringLiteral("س"), {4200, 5040, 375, 285}), "#000080");
    Label9 = coloured(label(this, "Label9", QStringLiteral("="), {3960, 5040, 240, 285}), "#000080");
    Te5 = edit(this, "Te5", {240, 4920, 3615, 525}, QStringLiteral("الحل الثاني"));
    Te5->setFont(boldFont(15.75));

    Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, 5760, 1095, 375});
    Command5 = button(this, "Command5", QStringLiteral("قوانين رياضية"), {1560, 5760, 1215, 375});
    Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3000, 5760, 1575, 375});

    setDefaultButton(Command4);
    tabOrder({Te1, Te2, Te3, Command4, Command2, Te4, Te5, Command3, Command5, Command1});
    Te1->setFocus();
    setAccessibleDescription(QStringLiteral("المعادلة على الصورة: أ س تربيع زائد ب س زائد جـ يساوي صفر"));

    on(Command4, &QPushButton::clicked, this, &Form16::Command4_Click);
    on(Command2, &QPushButton::clicked, this, &Form16::Command2_Click);
    joinFrame(Command1, Command3, Command5, "Form19");
    steps_ = offerSteps(this, {Te4, Te5});
    offerPractice(this, QStringLiteral("equation"));
}

void Form16::Command4_Click()
{
    steps_->record([&](Steps &s) {
        // The discriminant comes before any test: an overflow there is
        // reported even when a box is still empty.
        const Equation equation = readEquation(Te1->text(), Te2->text(), Te3->text(), s);
        const std::array<QLineEdit *, 3> boxes{Te1, Te2, Te3};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (isEmpty(boxes[i]->text())) {
                emptyFieldNotice(QString::fromUtf8(coefficientRows()[i].missing), NoticeStyle);
                s.refuse(Refusal::EmptyBox, QString::fromUtf8(coefficientRows()[i].missing));
                return;
            }
        }
        const Roots roots = solveEquation(equation, s);
        switch (roots.kind) {
        case Roots::Kind::Two:
            Te4->setText(roots.first);
            Te5->setText(roots.second);
            showSecondRoot(true);
            announce(this, spokenResult(Te4) + QStringLiteral("، ") + spokenResult(Te5));
            break;
        case Roots::Kind::One:
            // The second-root box keeps its old text while hidden.
            Te4->setText(roots.first);
            showSecondRoot(false);
            announce(this, spokenResult(Te4));
            break;
        case Roots::Kind::NoRealRoot:
            notice(QStringLiteral("لا يوجد حل لهذه المعادلة .. لأنه أثناء حل المعادلة يوجد سالب تحت الجذر"),
                   NoticeStyle, MathError);
            break;
        case Roots::Kind::NoSolution:
            notice(QStringLiteral("لا يوجد حل لهذه المعادلة .. لأن أ و ب يساويان صفرا والعدد الثابت ليس صفرا"),
                   NoticeStyle, MathError);
            break;
        case Roots::Kind::EveryNumber:
            notice(QStringLiteral("كل عدد هو حل لهذه المعادلة .. لأن جميع المعاملات تساوي صفرا"), NoticeStyle,
                   QStringLiteral("معلومة رياضية"));
            break;
        }
    });
}

void Form16::Command2_Click()
{
    Te1->clear();
    Te2->clear();
    Te3->clear();
}

void Form16::showSecondRoot(bool shown)
{
    for (QWidget *w : {static_cast<QWidget *>(Te5), static_cast<QWidget *>(Label13), static_cast<QWidget *>(Label12),
                       static_cast<QWidget *>(Label9)})
        w->setVisible(shown);
}
