#include "calculators/conventional.h"

#include "calculators/formulas.h"
#include "kit/banner.h"
#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/frame.h"
#include "kit/notice.h"
#include "kit/practicedoor.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "kit/windows.h"
#include "numtext/numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace app;
using namespace calculators;
using namespace numtext;

namespace {
const QString Placeholder = QStringLiteral("الناتــج");
const QString RoundFirst = QStringLiteral("من فضلك .. قم بالحسابات أولا ثم التقريب");
} // namespace

Form3::Form3() : Window("Form3", QStringLiteral("الحاسبة التقليدية"), 4815, 5415)
{
    setDestroyedOnClose(false);
    Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QStringLiteral("الحاسبة"));
    const QString description = QStringLiteral("الجمع والطرح والضرب والقسمة بين عددين");
    Text4 = readOnlyEdit(this, "Text4", {120, 1320, 4575, 375}, description, description);
    Label1 = label(this, "Label1", QStringLiteral("العدد 1"), {4080, 1920, 495, 255});
    Text1 = edit(this, "Text1", {960, 1800, 3015, 405}, Label1->text());
    Command11 = button(this, "Command11", QStringLiteral("مسح"), {240, 1800, 615, 375});
    Label2 = label(this, "Label2", QStringLiteral("العدد 2"), {4080, 2400, 495, 255});
    Text2 = edit(this, "Text2", {960, 2280, 3015, 435}, Label2->text());
    Command4 = button(this, "Command4", QStringLiteral("مسح"), {240, 2280, 615, 375});
    Command6 = button(this, "Command6", QStringLiteral("الجمــع +"), {3600, 2880, 975, 375});
    Command7 = button(this, "Command7", QStringLiteral("الطـرح -"), {2520, 2880, 975, 375});
    Command8 = button(this, "Command8", QStringLiteral("الضـرب ×"), {1320, 2880, 975, 375});
    Command9 = button(this, "Command9", QStringLiteral("القسمة /"), {240, 2880, 975, 375});
    // Heard by their words: the signs after them are read as Latin signs.
    Command6->setAccessibleName(QStringLiteral("الجمع"));
    Command7->setAccessibleName(QStringLiteral("الطرح"));
    Command8->setAccessibleName(QStringLiteral("الضرب"));
    Command9->setAccessibleName(QStringLiteral("القسمة"));
    Text3 = readOnlyEdit(this, "Text3", {960, 3480, 3615, 405}, QStringLiteral("الناتج"), Placeholder);
    Command13 = button(this, "Command13", QStringLiteral("مسح"), {240, 3480, 615, 375});
    Command10 = button(this, "Command10", QStringLiteral("تقريب الناتج"), {3360, 4080, 1215, 375});
    Label11 = label(this, "Label11", QStringLiteral("="), {3000, 4080, 255, 375});
    Label11->setAlignment(Qt::AlignCenter);
    Text5 = edit(this, "Text5", {240, 4080, 2655, 375}, QStringLiteral("الناتج مقربا"));
    Command2 = button(this, "Command2", QStringLiteral("رجــــــوع"), {3240, 4800, 1335, 375});
    Command1 = button(this, "Command1", QStringLiteral("خــروج"), {240, 4800, 1215, 375});
    setDefaultButton(Command6);
    tabOrder({Text1, Text2, Command6, Command7, Command8, Command9, Command11, Command4, Command13, Command10, Text3,
              Command2, Command1, Text4, Text5});
    Text1->setFocus();

    on(Command6, &QPushButton::clicked, this, &Form3::Command6_Click);
    on(Command7, &QPushButton::clicked, this, &Form3::Command7_Click);
    on(Command8, &QPushButton::clicked, this, &Form3::Command8_Click);
    on(Command9, &QPushButton::clicked, this, &Form3::Command9_Click);
    on(Command10, &QPushButton::clicked, this, &Form3::Command10_Click);
    on(Command11, &QPushButton::clicked, this, &Form3::Command11_Click);
    on(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    on(Command13, &QPushButton::clicked, this, &Form3::Command13_Click);
    on(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    on(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    steps_ = offerSteps(this, {Text3, Text5});
    offerPractice(this, QStringLiteral("arithmetic"));
}

void Form3::calculate(Operation operation)
{
    steps_->record([&](Steps &s) {
        // Each operand is the typed number rounded to 15 significant digits.
        const Operands operands = readOperands(Text1->text(), Text2->text());
        if (isEmpty(Text1->text())) {
            emptyFieldNotice(QStringLiteral("من فضلك أدخل العدد الأول"), style::Information | style::RightAlign);
            s.refuse(Refusal::EmptyBox, QStringLiteral("من فضلك أدخل العدد الأول"));
            return;
        }
        if (isEmpty(Text2->text())) {
            emptyFieldNotice(QStringLiteral("من فضلك أدخل العدد الثاني"), style::Information | style::RightAlign);
            s.refuse(Refusal::EmptyBox, QStringLiteral("من فضلك أدخل العدد الثاني"));
            return;
        }
        Text3->setText(operate(operation, operands, s));
        announce(this, spokenResult(Text3));
    });
}

void Form3::Command6_Click() { calculate(calculators::Operation::Add); }
void Form3::Command7_Click() { calculate(calculators::Operation::Subtract); }
void Form3::Command8_Click() { calculate(calculators::Operation::Multiply); }
void Form3::Command9_Click() { calculate(calculators::Operation::Divide); }

void Form3::Command10_Click()
{
    const QString result = Text3->text();
    if (same(result, Placeholder))
        Text3->clear();
    // No result yet, or a result that is not a number (the division-by-zero
    // text): there is nothing to round.
    if (isEmpty(result) || same(result, Placeholder) || !isStrictNumber(result)) {
        notice(RoundFirst, style::RightAlign, QStringLiteral("فارغ"));
        steps_->refuse(Refusal::NothingToRound, RoundFirst);
        return;
    }
    steps_->record([&](Steps &s) {
        Text5->setText(format(roundToHundredths(result, s)));
        announce(this, spokenResult(Text5));
    });
}

void Form3::setOperands(const QString &first, const QString &second, QWidget *returnTo)
{
    Text1->setText(first);
    Text2->setText(second);
    this->returnTo(returnTo);
}

void Form3::returnTo(QWidget *window)
{
    returnTo_.removeAll(nullptr);
    if (!returnTo_.contains(window))
        returnTo_.append(window);
}

void Form3::Command11_Click() { Text1->clear(); }
void Form3::Command4_Click() { Text2->clear(); }
void Form3::Command13_Click() { Text3->clear(); }

void Form3::Command2_Click()
{
    for (const QPointer<QWidget> &w : std::as_const(returnTo_)) {
        if (w && w->isVisible()) {
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
            w->raise();
            w->activateWindow();
            hide();
            return;
        }
    }
    hide();
    showMainMenu();
}

void Form3::Command1_Click() { exitConfirmation(); }

void Form3::Form_QueryUnload(bool &cancel) { cancel = true; }
