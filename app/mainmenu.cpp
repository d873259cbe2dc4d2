#include "app/mainmenu.h"

#include "algebra/equation.h"
#include "algebra/fractions.h"
#include "app/application.h"
#include "app/login.h"
#include "calculators/advanced.h"
#include "calculators/conventional.h"
#include "conversions/conversions.h"
#include "conversions/trigonometry.h"
#include "geometry/areas.h"
#include "geometry/perimeters.h"
#include "geometry/volumes.h"
#include "kit/banner.h"
#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/frame.h"
#include "kit/notice.h"
#include "kit/speech.h"
#include "kit/windows.h"
#include "numbers/operations.h"
#include "numtext/numtext.h"
#include "practice/worksheetwindow.h"
#include "reference/about.h"

#include <QButtonGroup>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTime>
#include <QTimer>

using namespace app;
using namespace numtext;

namespace {
// What Label2 shows until a name is given at login.
const QString NoUserName = QStringLiteral("هذا اسمك المسجل لدى البرنامج");
} // namespace

const std::array<MenuSection, 10> &Form1::sections()
{
    static const std::array<MenuSection, 10> table{{
        {"Op1", "الحاسبة التقليدية", 4560, true, &windowOf<Form3>},
        {"Op2", "حساب المساحات", 5280, true, &windowOf<Form4>},
        {"Op3", "حساب التحويلات", 5520, true, &windowOf<Form5>},
        {"Op4", "حساب المحيط", 4800, true, &windowOf<Form6>},
        {"Op5", "حساب الدوال المثلثية", 5520, false, &windowOf<Form7>},
        {"Op6", "حسابات أخرى", 5040, false, &windowOf<Form8>},
        {"Op7", "حساب الأحجام", 5040, true, &windowOf<Form9>},
        {"Op8", "الحاسبة المتقدمة", 5280, false, &windowOf<Form15>},
        {"Op9", "حل معادلة", 4560, false, &windowOf<Form16>},
        {"Op10", "توحيد المقامات", 4800, false, &windowOf<Form17>},
    }};
    return table;
}

Form1::Form1() : Window("Form1", QStringLiteral("Nabrosa"), 4815, 6615)
{
    setDestroyedOnClose(false);
    // Heard by its Arabic name: the Latin title would switch the speech
    // synthesizer to another language.
    setAccessibleName(QStringLiteral("نبروسة"));
    Image1 = new Banner(this, "Image1", twips(120, 120, 4575, 3030), QStringLiteral("نبروسة"), Banner::Face::Interface);
    Label1 = label(this, "Label1", QStringLiteral("بسم الله الرحمن الرحيم"), {1200, 120, 2415, 375});
    Label1->setAlignment(Qt::AlignCenter);
    textColour(Label1, Qt::white);
    Label4 = label(this, "Label4", QStringLiteral("الساعة"), {3120, 3240, 1575, 255}, QStringLiteral("الساعة"));
    Label5 = label(this, "Label5", QStringLiteral("التاريخ"), {120, 3240, 1575, 255}, QStringLiteral("التاريخ"));
    Label4->setAlignment(Qt::AlignCenter);
    Label5->setAlignment(Qt::AlignCenter);
    command5 = clickLabel(this, "command5", QStringLiteral("دقة الشاشة"), {1680, 3285, 1455, 150},
                          QStringLiteral("اضغط هنا لمعرفة ذلك"));
    command5->setAlignment(Qt::AlignCenter);
    textColour(command5, QColor(0x1a, 0x4f, 0xb0));
    QFont link = command5->font();
    link.setUnderline(true);
    command5->setFont(link);
    Label2 = label(this, "Label2", NoUserName, {1080, 3600, 3495, 375});
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFrameShape(QFrame::Panel);
    Label2->setFrameShadow(QFrame::Sunken);
    // A framed label indents by half an 'x' unless told otherwise; centred
    // text takes no indent, and measuring that Latin letter would load the
    // Latin face before the menu's first paint.
    Label2->setIndent(0);
    Command3 = button(this, "Command3", QStringLiteral("تعديل"), {240, 3600, 735, 375},
                      QStringLiteral("اضغط هنا لتعديل الاسم"));
    const QString instruction = QStringLiteral("اختر مما يلي من الحسابات ثم اضغط على زر انتقـال");
    Text1 = readOnlyEdit(this, "Text1", {120, 4080, 4575, 375}, instruction, instruction);
    Text1->setFocusPolicy(Qt::NoFocus);

    auto *group = new QButtonGroup(this);
    for (std::size_t i = 0; i < sections().size(); ++i) {
        const MenuSection &s = sections()[i];
        const Tw at = s.rightColumn ? Tw{3000, s.top, 1575, 240} : Tw{960, s.top, 1935, 240};
        options[i] = option(this, s.option, QString::fromUtf8(s.caption), at);
        group->addButton(options[i]);
    }
    setListHeading(group->buttons(), Text1);

    Command1 = button(this, "Command1", QStringLiteral("انتقـــــــــال"), {3120, 6000, 1455, 375},
                      QStringLiteral("بعد أن تختار اضغط هنا"));
    Command4 = button(this, "Command4", QStringLiteral("حول البرنامج"), {1680, 6000, 1215, 375},
                      QStringLiteral("معلومات حول البرنامج"));
    Command2 = button(this, "Command2", QStringLiteral("خروج"), {240, 6000, 1215, 375},
                      QStringLiteral("إنهاء البرنامج"));
    // In the free corner left of the second column of sections.
    Command6 = button(this, "Command6", QStringLiteral("تقدمي"), {120, 5400, 780, 360},
                      QStringLiteral("ما تعلمته في التمارين"));
    // Above it, in the same corner: a worksheet to print (Ctrl+P).
    Command7 = button(this, "Command7", QStringLiteral("ورقة عمل"), {120, 4980, 780, 360},
                      QStringLiteral("ورقة عمل للطباعة"));
    setDefaultButton(Command1);

    // Reading order of the two columns from the right, then the buttons.
    auto op = [this](int n) { return options[std::size_t(n - 1)]; };
    tabOrder({op(1), op(4), op(7), op(2), op(3), op(9), op(10), op(6), op(8), op(5), Command1, Command2, Command4,
              Command3, Command7, Command6});
    // The list holds the focus, so that Enter at start reaches the navigate
    // button (and its nothing-chosen notice), not the name button.
    op(1)->setFocus();

    on(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    on(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    on(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    on(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    on(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    on(Command7, &QPushButton::clicked, this, &Form1::Form_CtrlP);
    // Ctrl+P: a worksheet to print.
    auto *print = new QShortcut(QKeySequence::Print, this);
    on(print, &QShortcut::activated, this, &Form1::Form_CtrlP);
    on(command5, &ClickLabel::clicked, this, &Form1::command5_Click);
    on(Image1, &Banner::clicked, this, &Form1::Image1_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    on(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start(1000);
}

void Form1::Command1_Click()
{
    for (std::size_t i = 0; i < sections().size(); ++i) {
        if (options[i]->isChecked()) {
            hide();
            Windows::show(sections()[i].window());
            return;
        }
    }
    notice(QStringLiteral("من فضلك اختر أحد الحسابات ... ثم اضغط على زر انتقــــال"), style::OkOnly);
}

void Form1::Command2_Click() { exitConfirmation(); }

void Form1::Command3_Click()
{
    Windows::show<Form2>();
    hide();
}

void Form1::Command4_Click() { Windows::show<Form10>(); }

void Form1::Form_CtrlP() { Windows::show<WorksheetWindow>(); }

void Form1::command5_Click()
{
    const QScreen *s = screen();
    const QSize size = s->size();
    const double perPixelX = 1440.0 / s->logicalDotsPerInchX();
    const double perPixelY = 1440.0 / s->logicalDotsPerInchY();
    // The screen in twips and the twips per pixel, each rounded to an integer,
    // then whole pixels by integer division.
    const std::int32_t twipsX = roundInteger(size.width() * perPixelX);
    const std::int32_t twipsY = roundInteger(size.height() * perPixelY);
    const std::int32_t stepX = roundInteger(perPixelX), stepY = roundInteger(perPixelY);
    if (stepX == 0 || stepY == 0)
        throw ComputationFailure(Failure::DivisionByZero);
    const std::int32_t pixelsX = twipsX / stepX, pixelsY = twipsY / stepY;
    const std::int16_t width = roundInteger16(pixelsX);
    const std::int16_t height = roundInteger16(pixelsY);
    notice(QStringLiteral("دقة شاشتك هي") + crlf() + signedText(width) + QStringLiteral(" x") + signedText(height),
           style::RightAlign, QStringLiteral("دقة الشاشة"));
}

void Form1::Image1_Click()
{
    notice(QStringLiteral("Nabrosa"), style::RightAlign | style::RtlReading, QStringLiteral("Nabro"));
}

void Form1::Command6_Click() { openProgress(this); }

void Form1::Timer1_Timer()
{
    const QLocale locale = QLocale::system();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    Label4->setText(locale.toString(QTime::currentTime(), timeFormat.trimmed()));
    Label5->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
}

void Form1::Form_QueryUnload(bool &cancel) { cancel = true; }

QString Form1::userName() const { return Label2->text(); }

void Form1::setUserName(const QString &name) { Label2->setText(name); }
