#include "algebra/fractions.h"

#include "algebra/formulas.h"
#include "algebra/look.h"
#include "kit/banner.h"
#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/handover.h"
#include "kit/notice.h"
#include "kit/practicedoor.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "kit/windows.h"
#include "numtext/numtext.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <utility>

using namespace algebra;
using namespace app;
using namespace numtext;

namespace {
const QString MathError = QStringLiteral("خطأ رياضي");
// What tells addition and subtraction apart: the option that chooses it, the
// sign between the fractions, the action button, the texts of the four
// empty-field notices (numerator 1, denominator 1, numerator 2, denominator 2).
struct OperationData {
    const char *optionName;
    const char *optionCaption;
    int optionX; // twips
    const char *colour;
    const char *signName;
    const char *sign;
    const char *actionName;
    const char *actionCaption;
    std::array<const char *, 4> missing;
};

const std::array<OperationData, 2> &operations()
{
    static const std::array<OperationData, 2> table{{
        {"Opt1",
         "جمع كسرين",
         1920,
         "#007a00",
         "La3",
         "+",
         "Com2",
         "الجمـــع",
         {"لم تكتب البسط رقم 1", "لم تكتب المقام رقم 1", "لم تكتب البسط رقم 2", "لم تكتب المقام رقم 2"}},
        {"Opt2",
         "طرح كسرين",
         480,
         "#c00000",
         "La2",
         "-",
         "Com4",
         "الـــطرح",
         {"لم تكتب قيمة البسط رقم 1", "لم تكتب قيمة المقام رقم 1", "لم تكتب قيمة البسط رقم 2",
          "لم تكتب قيمة المقام رقم 2"}},
    }};
    return table;
}

// The three fractions side by side: the left of each pair of boxes and their
// width, in twips.
struct FractionColumn {
    const char *numerator;
    const char *denominator;
    const char *heardNumerator; // the boxes' names
    const char *heardDenominator;
    int x;
    int width;
};
constexpr std::array<FractionColumn, 3> Columns{{
    {"Text1", "Text2", "بسط الكسر الأول", "مقام الكسر الأول", 3600, 975},
    {"Text3", "Text4", "بسط الكسر الثاني", "مقام الكسر الثاني", 2160, 975},
    {"Text5", "Text6", "بسط الناتج", "مقام الناتج", 240, 1455},
}};

// The subtraction sign keeps its caption "-" but is drawn as the minus sign
// U+2212 of its font, as long and heavy as the plus, its middle on the line
// of the fraction bars.
class MinusSign : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *l = qobject_cast<QLabel *>(watched);
        if (!l || event->type() != QEvent::Paint)
            return false;
        QPainter p(l);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath minus;
        minus.addText(0, 0, l->font(), QStringLiteral("\u2212"));
        const QPointF middle = minus.boundingRect().center();
        p.translate(l->width() / 2.0 - middle.x(), px(3360) - l->y() - middle.y());
        p.fillPath(minus, l->palette().color(l->foregroundRole()));
        return true;
    }
};

// A large sign between the fractions.
QLabel *sign(QWidget *parent, const char *name, const QString &text, int x, const char *colour)
{
    QLabel *l = label(parent, name, text, {x, 3120, 360, 495});
    l->setAlignment(Qt::AlignCenter);
    l->setFont(boldFont(18));
    setTextColour(l, colour);
    if (text == u"-")
        l->installEventFilter(new MinusSign(l));
    return l;
}

// The bar between a numerator and its denominator.
void fractionBar(QWidget *parent, int x, int width)
{
    auto *bar = new QFrame(parent);
    bar->setGeometry(px(x), px(3360) - 1, px(width), 2);
    bar->setStyleSheet(QStringLiteral("background: #202020;"));
}
} // namespace

Form17::Form17() : SectionWindow("Form17", QStringLiteral("توحيد المقامات"), 4815, 5535)
{
    Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("بسط ومقام"));
    la22 = headingBox(this, QStringLiteral("جمع وطرح الكسور بطريقة توحيد المقام"));
    Label1 = wrappedLabel(this, "Label1",
                          QStringLiteral("هذه الطريقة تسمى توحيد المقامات المختلفة.. أما إذا المقامات متساوية فإن "
                                         "الجمع والطرح يكون بسط مع بسط والمقام ثابت"),
                          {360, 1785, 4095, 495});
    Label2 = label(this, "Label2", QStringLiteral("اختـر من هنا أولا"), {3360, 2370, 1215, 255});
    setTextColour(Label2, "#000080");

    app::rectangle(this, {120, 2310, 4575, 1785});

    std::array<app::Option *, 2> options{};
    std::array<QLabel *, 2> signs{};
    std::array<QPushButton *, 2> actions{};
    for (std::size_t i = 0; i < operations().size(); ++i) {
        const OperationData &op = operations()[i];
        options[i] = option(this, op.optionName, QString::fromUtf8(op.optionCaption), {op.optionX, 2370, 1335, 255});
        setTextColour(options[i], op.colour);
        signs[i] = sign(this, op.signName, QString::fromUtf8(op.sign), 3240, op.colour);
        signs[i]->hide();
        actions[i] = button(this, op.actionName, QString::fromUtf8(op.actionCaption), {240, 4200, 975, 375});
        actions[i]->hide();
    }
    Opt1 = options[0], Opt2 = options[1];
    setListHeading({Opt1, Opt2}, Label2);
    La3 = signs[0], La2 = signs[1];
    Com2 = actions[0], Com4 = actions[1];
    La1 = sign(this, "La1", QStringLiteral("="), 1800, "#8b0000");

    std::array<QLineEdit *, 6> boxes{};
    for (std::size_t i = 0; i < Columns.size(); ++i) {
        const FractionColumn &column = Columns[i];
        const bool result = i == Columns.size() - 1;
        const auto make = result ? &readOnlyEdit : &edit;
        QLineEdit *top = make(this, column.numerator, {column.x, 2760, column.width, 495},
                              QString::fromUtf8(column.heardNumerator), {});
        QLineEdit *bottom = make(this, column.denominator, {column.x, 3480, column.width, 495},
                                 QString::fromUtf8(column.heardDenominator), {});
        top->setFont(boldFont(result ? 15.75 : 14));
        bottom->setFont(top->font());
        if (!result) {
            top->setMaxLength(4);
            bottom->setMaxLength(5);
        }
        fractionBar(this, column.x, column.width - 15);
        boxes[2 * i] = top;
        boxes[2 * i + 1] = bottom;
    }
    Text1 = boxes[0], Text2 = boxes[1], Text3 = boxes[2], Text4 = boxes[3], Text5 = boxes[4], Text6 = boxes[5];

    Command2 = button(this, "Command2", QStringLiteral("مسح الكل"), {1440, 4200, 855, 375});
    Command4 = button(this, "Command4", QStringLiteral("إلى الحاسبة لقسمة الناتج"), {2520, 4200, 2055, 375},
                      QStringLiteral("اضغط هنا لتذهب إلى الحاسبة لتقسم ناتج البسط على ناتج المقام"));

    Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, 4920, 1215, 375});
    Label4 = noLawsPanel(this, {1680, 4920, 1215, 375});
    Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3120, 4920, 1455, 375});

    // The banner comes first in the tab order and holds the focus when the
    // window first opens.
    Picture1->setFocusPolicy(Qt::StrongFocus);
    tabOrder({Picture1, Opt1, Opt2, Text1, Text2, Text3, Text4, Text5, Text6, Command4, Command2, Com2, Com4, Command3,
              Command1});
    Picture1->setFocus();

    on(Opt1, &app::Option::chosen, this, &Form17::Opt1_Click);
    on(Opt2, &app::Option::chosen, this, &Form17::Opt2_Click);
    on(Com2, &QPushButton::clicked, this, &Form17::Com2_Click);
    on(Com4, &QPushButton::clicked, this, &Form17::Com4_Click);
    on(Command2, &QPushButton::clicked, this, &Form17::Command2_Click);
    on(Command4, &QPushButton::clicked, this, &Form17::Command4_Click);
    on(Label4, &ClickLabel::clicked, this, &Form17::Label4_Click);
    joinFrame(Command1, Command3);
    steps_ = offerSteps(this, {Text5, Text6});
    offerPractice(this, QStringLiteral("fractions"));
}

void Form17::choose(FractionOperation operation)
{
    const bool adding = operation == FractionOperation::Add;
    Com2->setVisible(adding);
    La3->setVisible(adding);
    Com4->setVisible(!adding);
    La2->setVisible(!adding);
    setDefaultButton(adding ? Com2 : Com4);
}

void Form17::Opt1_Click() { choose(FractionOperation::Add); }
void Form17::Opt2_Click() { choose(FractionOperation::Subtract); }

void Form17::calculate(FractionOperation operation)
{
    const OperationData &op = operations()[operation == FractionOperation::Add ? 0 : 1];
    steps_->record([&](Steps &s) {
        // Every operand is read before any test.
        const Fractions fractions = readFractions(Text1->text(), Text2->text(), Text3->text(), Text4->text());
        const std::array<QLineEdit *, 4> boxes{Text1, Text2, Text3, Text4};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (isEmpty(boxes[i]->text())) {
                emptyFieldNotice(QString::fromUtf8(op.missing[i]), style::RightAlign);
                s.refuse(Refusal::EmptyBox, QString::fromUtf8(op.missing[i]));
                return;
            }
        }
        // A fraction over zero is not a number: refuse it instead of computing.
        for (const auto &[denominator, number] : {std::pair{fractions.b, 1}, std::pair{fractions.d, 2}}) {
            if (denominator == 0) {
                const QString text = QStringLiteral("لا يمكن أن يكون المقام رقم %1 صفرا").arg(number);
                notice(text, style::Information | style::RightAlign, MathError);
                s.refuse(Refusal::ZeroDenominator, text);
                return;
            }
        }
        const FractionResult result = combineFractions(fractions, operation, Text2->text(), s);
        Text5->setText(result.numerator);
        Text6->setText(result.denominator);
        announce(this, QStringLiteral("الناتج ") + spokenText(result.numerator + u'/' + result.denominator));
    });
}

void Form17::Com2_Click() { calculate(FractionOperation::Add); }
void Form17::Com4_Click() { calculate(FractionOperation::Subtract); }

void Form17::Command2_Click()
{
    for (QLineEdit *box : {Text1, Text2, Text3, Text4, Text5, Text6})
        box->clear();
}

void Form17::Command4_Click()
{
    if (isEmpty(Text5->text())) {
        notice(QStringLiteral("من فضلك .. قم بالحسابات أولا"), style::Information | style::RightAlign);
        return;
    }
    // The calculator divides the numerator by the denominator; this window
    // waits minimized until the calculator's back button restores it.
    handOver("Form3", Text5->text(), Text6->text(), this);
}

void Form17::Label4_Click() { noLawsNotice(); }
