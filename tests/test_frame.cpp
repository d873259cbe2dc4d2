// The frame every window stands on: the default button and Enter, the single
// place where computation failures end, the notice box itself, the window
// registry and the section-window frame operations.

#include "support/scripted.h"
#include "support/ui.h"

#include "calculators/advanced.h"
#include "calculators/conventional.h"
#include "kit/context.h"
#include "kit/dispatch.h"
#include "kit/frame.h"
#include "kit/notice.h"
#include "kit/noticebox.h"
#include "kit/window.h"
#include "kit/windows.h"
#include "numtext/numtext.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <new>
#include <stdexcept>

using namespace numtext;

namespace {
// A small window with a box, two buttons and a handler that fails half way.
class Sample : public app::Window {
public:
    Sample() : Window("Sample", QStringLiteral("عينة"), 3000, 1500)
    {
        box = new QLineEdit(this);
        first = new QPushButton(QStringLiteral("الأول"), this);
        second = new QPushButton(QStringLiteral("الثاني"), this);
        result = new QLabel(QStringLiteral("قبل"), this);
        setDefaultButton(first);
        app::on(first, &QPushButton::clicked, this, &Sample::Failing_Click);
    }
    void Failing_Click()
    {
        const double x = strictNumber(box->text());
        result->setText(format(x));
    }
    // What a wrong index throws, or a throw of something that is no
    // exception at all.
    void Faulty_Click()
    {
        if (outOfRange)
            throw std::out_of_range("index 1 past the end");
        throw 7;
    }
    void Greedy_Click() { throw std::bad_alloc(); }
    bool outOfRange = true;
    QLineEdit *box;
    QPushButton *first;
    QPushButton *second;
    QLabel *result;
};
} // namespace

class FrameTest : public WindowTest {
    Q_OBJECT
private slots:
    void enterPressesTheDefaultButton();
    void defaultButtonChangesAtRunTime();
    void disabledDefaultIgnoresEnter();
    void failureBecomesOneNoticeAndChangesNothing();
    void noticeWithoutTitleShowsTheApplicationTitle();
    void noticeBoxFollowsTheStyle_data();
    void noticeBoxFollowsTheStyle();
    void yesNoBoxEscapeAnswersNo();
    void mainMenuButtonHidesAndKeeps();
    void closeToMenuNoKeepsTheWindow();
    void closeToMenuYesRebuildsAtNextOpening();
    void keptValuesSurviveAClose();
    void programmingFaultIsNoComputationFailure_data();
    void programmingFaultIsNoComputationFailure();
    void memoryNoticeIsItsOwn();
    void programEndsWithoutAskingAnyWindow();
    void qtWordsSpeakArabic();
};

void FrameTest::enterPressesTheDefaultButton()
{
    Sample s;
    QSignalSpy firstClicks(s.first, &QPushButton::clicked);
    s.show();
    s.box->setText(QStringLiteral("2"));
    ui::pressEnter(s.box);
    QCOMPARE(firstClicks.count(), 1);
    QCOMPARE(s.result->text(), QStringLiteral("2"));
}

void FrameTest::defaultButtonChangesAtRunTime()
{
    Sample s;
    QSignalSpy firstClicks(s.first, &QPushButton::clicked);
    QSignalSpy secondClicks(s.second, &QPushButton::clicked);
    s.show();
    s.setDefaultButton(s.second);
    QVERIFY(!s.first->isDefault());
    QVERIFY(s.second->isDefault());
    ui::pressEnter(s.box);
    QCOMPARE(firstClicks.count(), 0);
    QCOMPARE(secondClicks.count(), 1);
}

void FrameTest::disabledDefaultIgnoresEnter()
{
    Sample s;
    QSignalSpy firstClicks(s.first, &QPushButton::clicked);
    s.show();
    s.first->setEnabled(false);
    ui::pressEnter(s.box);
    QCOMPARE(firstClicks.count(), 0);
}

void FrameTest::failureBecomesOneNoticeAndChangesNothing()
{
    Sample s;
    s.show();
    s.box->setText(QStringLiteral("12abc"));
    expectFailure(notices, Failure::NotANumber);
    QVERIFY(ui::click(s.first));
    QCOMPARE(s.result->text(), QStringLiteral("قبل"));
    QCOMPARE(notices.shown.size(), 1);
}

void FrameTest::noticeWithoutTitleShowsTheApplicationTitle()
{
    notices.expect(QStringLiteral("نص"), 0, QStringLiteral("Nabrosa"));
    QCOMPARE(notice(QStringLiteral("نص"), 0), answer::Ok);
    notices.expect(QStringLiteral("سؤال"), 4, QStringLiteral("Nabrosa"), answer::Yes);
    QCOMPARE(notice(QStringLiteral("سؤال"), 4), answer::Yes);
}

void FrameTest::noticeBoxFollowsTheStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("right");
    QTest::newRow("0") << 0 << QStringList{"موافق"} << int(QMessageBox::NoIcon) << false;
    QTest::newRow("4") << 4 << QStringList{"نعم", "لا"} << int(QMessageBox::NoIcon) << false;
    QTest::newRow("0x80000") << 0x80000 << QStringList{"موافق"} << int(QMessageBox::NoIcon) << true;
    QTest::newRow("0x80040") << 0x80040 << QStringList{"موافق"} << int(QMessageBox::Information) << true;
    QTest::newRow("0x80030") << 0x80030 << QStringList{"موافق"} << int(QMessageBox::Warning) << true;
    QTest::newRow("0x80024") << 0x80024 << QStringList{"نعم", "لا"} << int(QMessageBox::Question) << true;
    QTest::newRow("0x80004") << 0x80004 << QStringList{"نعم", "لا"} << int(QMessageBox::NoIcon) << true;
    QTest::newRow("0x180000") << 0x180000 << QStringList{"موافق"} << int(QMessageBox::NoIcon) << true;
}

void FrameTest::noticeBoxFollowsTheStyle()
{
    QFETCH(int, style);
    QFETCH(QStringList, buttons);
    QFETCH(int, icon);
    QFETCH(bool, right);
    app::NoticeBox box(Notice{QStringLiteral("سطر أول\r\nسطر ثان"), std::uint32_t(style), QStringLiteral("عنوان")});
    QCOMPARE(box.windowTitle(), QStringLiteral("عنوان"));
    QCOMPARE(box.text(), QStringLiteral("سطر أول\nسطر ثان"));
    QCOMPARE(int(box.icon()), icon);
    QStringList captions;
    for (QAbstractButton *b : box.buttons())
        captions << b->text();
    captions.sort();
    buttons.sort();
    QCOMPARE(captions, buttons);
    QLabel *label = box.textLabel();
    QVERIFY(label);
    QCOMPARE(bool(label->alignment() & Qt::AlignRight), right);
    QCOMPARE(box.layoutDirection(), Qt::RightToLeft);
}

// Escape answers a question "لا"; the close box (which the box does not
// show) answers nothing.
void FrameTest::yesNoBoxEscapeAnswersNo()
{
    app::NoticeBox box(Notice{QStringLiteral("هل؟"), 0x80024, QStringLiteral("تنبيه")});
    box.show();
    QVERIFY(!box.close());
    QVERIFY(box.isVisible());
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.answer(), answer::No);

    // Escape with a modifier is not an answer.
    app::NoticeBox shifted(Notice{QStringLiteral("هل؟"), 4, QStringLiteral("تنبيه")});
    shifted.show();
    QTest::keyClick(&shifted, Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(shifted.isVisible());
    QTest::mouseClick(shifted.findChild<QPushButton *>(QStringLiteral("No")), Qt::LeftButton);
    QVERIFY(!shifted.isVisible());
    QCOMPARE(shifted.answer(), answer::No);

    app::NoticeBox yes(Notice{QStringLiteral("هل؟"), 4, QStringLiteral("تنبيه")});
    yes.show();
    QTest::mouseClick(yes.findChild<QPushButton *>(QStringLiteral("Yes")), Qt::LeftButton);
    QCOMPARE(yes.answer(), answer::Yes);
}

void FrameTest::mainMenuButtonHidesAndKeeps()
{
    QWidget *section = app::Windows::show(QStringLiteral("Form8"));
    ui::window("Form1")->hide();
    QVERIFY(ui::click("Form8", "Command3"));
    QVERIFY(!section->isVisible());
    QVERIFY(ui::window("Form1")->isVisible());
    QCOMPARE(app::Windows::show(QStringLiteral("Form8")), section);
}

void FrameTest::closeToMenuNoKeepsTheWindow()
{
    QWidget *section = app::Windows::show(QStringLiteral("Form8"));
    ui::window("Form1")->hide();
    notices.expect(QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟"), 0x80004,
                   QStringLiteral("إغلاق النافذة"), answer::No);
    QVERIFY(!section->close());
    QVERIFY(section->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
}

void FrameTest::closeToMenuYesRebuildsAtNextOpening()
{
    QPointer<QWidget> section = app::Windows::show(QStringLiteral("Form8"));
    ui::window("Form1")->hide();
    notices.expect(QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟"), 0x80004,
                   QStringLiteral("إغلاق النافذة"), answer::Yes);
    QVERIFY(section->close());
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(!app::Windows::find(QStringLiteral("Form8")));
    ui::settle();
    QVERIFY(section.isNull());
    QVERIFY(app::Windows::show(QStringLiteral("Form8"))->isVisible());
}

void FrameTest::keptValuesSurviveAClose()
{
    // The advanced calculator keeps its memory apart from its controls: a
    // number stored there is recalled by the next calculator built after a
    // close, while the display starts afresh.
    QPointer<QWidget> calculator = app::Windows::show<Form15>();
    QVERIFY(ui::click("Form15", "Command6"));  // 5
    QVERIFY(ui::click("Form15", "Command24")); // MS
    QVERIFY(ui::click("Form15", "Command5"));  // 2
    notices.expect(QStringLiteral("هل أنت متأكد من رغبتك في الإغلاق والذهاب للصفحة الرئيسية؟"), 0x80004,
                   QStringLiteral("إغلاق النافذة"), answer::Yes);
    QVERIFY(calculator->close());
    ui::settle();
    QVERIFY(calculator.isNull());
    QWidget *again = app::Windows::show<Form15>();
    QCOMPARE(ui::text("Form15", "Text1"), QString());
    QVERIFY(ui::click(ui::control(again, "Command25"))); // Mr
    QCOMPARE(ui::text("Form15", "Text1"), QStringLiteral("5"));
}

void FrameTest::programmingFaultIsNoComputationFailure_data()
{
    QTest::addColumn<bool>("outOfRange");
    QTest::newRow("std::out_of_range") << true;
    QTest::newRow("not a std::exception") << false;
}

void FrameTest::programmingFaultIsNoComputationFailure()
{
    // The program's own answer to a fault: the message to standard error and
    // the internal-fault notice, nothing of the computation failure's.
    QFETCH(bool, outOfRange);
    QStringList faults;
    context->setFaultHandler([&faults](const QString &message) { faults << message; });
    Sample s;
    app::on(s.second, &QPushButton::clicked, &s, &Sample::Faulty_Click);
    s.outOfRange = outOfRange;
    s.show();
    QVERIFY(ui::click(s.second));
    QCOMPARE(faults.size(), 1);
    if (outOfRange)
        QCOMPARE(faults.first(), QStringLiteral("index 1 past the end"));
    QVERIFY(notices.shown.isEmpty());

    context->setFaultHandler({});
    notices.expect(QStringLiteral("واجه البرنامج خطأ داخليا فأوقف هذه العملية\r\nلم يتغير شيء، ويمكنك متابعة العمل"),
                   0x80030, failure::FaultTitle);
    QVERIFY(ui::click(s.second));
    QCOMPARE(s.result->text(), QStringLiteral("قبل"));
}

void FrameTest::memoryNoticeIsItsOwn()
{
    Sample s;
    app::on(s.second, &QPushButton::clicked, &s, &Sample::Greedy_Click);
    s.show();
    notices.expect(failure::Memory, failure::Style, failure::Title);
    QVERIFY(ui::click(s.second));
}

void FrameTest::programEndsWithoutAskingAnyWindow()
{
    // The menu and the calculator refuse every close request: an end that
    // asked them would never come.
    app::Windows::show<Form3>();
    struct CloseCounter : QObject {
        int closes = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            closes += e->type() == QEvent::Close;
            return false;
        }
    } counter;
    for (const char *name : {"Form1", "Form3"})
        ui::window(name)->installEventFilter(&counter);
    context->setProgramEnd({});
    notices.expect(QStringLiteral("هل أنت متأكد من الخروج ؟"), 0x80024, QStringLiteral("تنبيه"), answer::Yes);
    QTimer::singleShot(0, [] { ui::click("Form3", "Command1"); });
    QTimer guard; // ends a program that failed to end
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(counter.closes, 0);
    for (const char *name : {"Form1", "Form3"})
        ui::window(name)->removeEventFilter(&counter);
}

void FrameTest::qtWordsSpeakArabic()
{
    const QString copy = QCoreApplication::translate("QLineEdit", "&Copy");
    QVERIFY2(copy != QLatin1String("&Copy") && copy.isRightToLeft(), qPrintable(copy));
}

QTEST_MAIN(FrameTest)
#include "test_frame.moc"
