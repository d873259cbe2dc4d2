// Every button of every window that offers its worked steps, at the edges of
// the double range: the largest and the smallest double of either sign, and
// 1E308, typed into every box that takes typing. The worked steps' own checks
// never change a calculation: the boxes and the notices are the same,
// button by button, whether the steps window stands open beside the window
// or not. The windows come from the program's table, so a new window is
// covered as it is added.

#include "support/scripted.h"
#include "support/ui.h"

#include "app/application.h"
#include "kit/controls.h"
#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "kit/windows.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <utility>

using namespace numtext;

namespace {

const char *const Edges[] = {"1.7976931348623157e308", "-1.7976931348623157e308", "4.9E-324", "-4.9E-324", "1E308"};

// The buttons that lead away from the calculation: to the steps (which one
// run keeps closed) and to practice.
bool leadsAway(const QWidget *button)
{
    return button->objectName() == QLatin1String("StepsButton")
           || button->objectName() == QLatin1String("PracticeButton");
}

// Records every notice and answers it as a pupil who stays would: OK, and
// No to a question.
class Recorder : public NoticePresenter {
public:
    int present(const Notice &notice) override
    {
        said << QStringLiteral("[%1] %2").arg(notice.title, notice.text);
        return (notice.style & style::ButtonMask) == style::YesNo ? answer::No : answer::Ok;
    }
    QStringList said;
};

// What the pupil sees after one action: every box of the window, by name,
// and the notices the action raised.
QString seen(QWidget *window, const QString &action, Recorder &notices)
{
    QStringList boxes;
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        boxes << box->objectName() + u'=' + box->text();
    boxes.sort();
    return action + u'\n' + boxes.join(u'\n') + u'\n' + std::exchange(notices.said, {}).join(u'\n');
}

// The window shown again where a button left it (the main menu, a hand-over
// to the calculator), with its steps window open beside it when asked.
void bringBack(const QString &name, bool stepsOpen)
{
    QWidget *window = app::Windows::show(name);
    window->showNormal();
    if (stepsOpen && !app::stepsOf(window)->stepsWindow()->isVisible())
        app::stepsOf(window)->open();
}

// In a program of its own: each option of the window in turn (none first),
// then every button pressed, one after another, each time with the value
// typed into every box that takes typing. One entry of what the pupil sees
// per action.
QStringList pressEveryButton(const QString &name, const QString &value, bool stepsOpen)
{
    Recorder notices;
    auto context = testContext();
    context->setNoticePresenter(&notices);
    context->setProgramEnd([] {});
    context->start();
    QWidget *window = app::Windows::show(name);
    if (stepsOpen)
        app::stepsOf(window)->open();

    QStringList log;
    QList<app::Option *> options{nullptr};
    options << window->findChildren<app::Option *>(Qt::FindDirectChildrenOnly);
    for (app::Option *option : options) {
        bringBack(name, stepsOpen);
        if (option && !ui::click(option))
            continue;
        const QString chosen = option ? option->objectName() : QStringLiteral("(no option)");
        log << seen(window, chosen, notices);
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<app::Option *>(button) || leadsAway(button))
                continue;
            bringBack(name, stepsOpen);
            // Typed again before each button: a clear button empties a box.
            for (QLineEdit *box : window->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly)) {
                if (box->isVisible() && box->isEnabled() && !box->isReadOnly() && box->text() != value)
                    ui::type(box, value);
            }
            if (ui::click(button))
                log << seen(window, chosen + u' ' + button->objectName(), notices);
        }
    }
    context.reset();
    ui::settle();
    return log;
}

} // namespace

class EdgesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietenHeadlessWarnings(); }
    void stepsChangeNothing_data();
    void stepsChangeNothing();
    void conversionsAtTheEdges_data();
    void conversionsAtTheEdges();
};

void EdgesTest::stepsChangeNothing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("value");
    // The windows that offer their steps, found in a program made for the
    // purpose.
    QStringList withSteps;
    {
        Recorder quiet;
        auto scratch = testContext();
        scratch->setNoticePresenter(&quiet);
        for (const QString &name : app::Windows::names()) {
            if (app::stepsOf(app::Windows::get(name)))
                withSteps << name;
        }
    }
    ui::settle();
    for (const QString &name : withSteps) {
        for (const char *value : Edges)
            QTest::addRow("%s %s", qPrintable(name), value) << name << QString::fromLatin1(value);
    }
}

void EdgesTest::stepsChangeNothing()
{
    QFETCH(QString, window);
    QFETCH(QString, value);
    const QStringList closed = pressEveryButton(window, value, false);
    const QStringList open = pressEveryButton(window, value, true);
    QCOMPARE(open.size(), closed.size());
    for (qsizetype i = 0; i < closed.size(); ++i)
        QCOMPARE(open[i], closed[i]);
}

// The conversions, whose steps once failed a conversion of the largest
// double by checking its fifteen digits, at the edges: the box the
// window's arithmetic gives (computed apart, with Python's doubles), a
// computation failure, or the notice that no temperature lies below absolute
// zero.
void EdgesTest::conversionsAtTheEdges_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("box");
    const auto row = [](const char *option, const char *button, const char *value, const char *box) {
        QTest::addRow("%s %s", button, value) << option << button << value << box;
    };
    row("Op1", "Comh1", "1.7976931348623157e308", "failure");
    row("Op2", "Cohm1", "1.7976931348623157e308", "failure");
    row("Op3", "Comk1", "1.7976931348623157e308", "failure");
    row("Op4", "Cokm1", "1.7976931348623157e308", "failure");
    row("Op5", "Comkh1", "1.7976931348623157e308", "failure");
    row("Op6", "Comhk1", "1.7976931348623157e308", "9.98718408256842E+307");
    row("Op7", "Comds1", "1.7976931348623157e308", "failure");
    row("Op8", "Comsd1", "1.7976931348623157e308", "failure");
    row("Op1", "Comh1", "-1.7976931348623157e308", "refused");
    row("Op2", "Cohm1", "-1.7976931348623157e308", "refused");
    row("Op3", "Comk1", "-1.7976931348623157e308", "refused");
    row("Op4", "Cokm1", "-1.7976931348623157e308", "refused");
    row("Op5", "Comkh1", "-1.7976931348623157e308", "refused");
    row("Op6", "Comhk1", "-1.7976931348623157e308", "refused");
    row("Op7", "Comds1", "-1.7976931348623157e308", "failure");
    row("Op8", "Comsd1", "-1.7976931348623157e308", "failure");
    row("Op1", "Comh1", "4.9E-324", "32");
    row("Op2", "Cohm1", "4.9E-324", "-17.7777777777778");
    row("Op3", "Comk1", "4.9E-324", "273");
    row("Op4", "Cokm1", "4.9E-324", "-273");
    row("Op5", "Comkh1", "4.9E-324", "-459.4");
    row("Op6", "Comhk1", "4.9E-324", "255.222222222222");
    row("Op7", "Comds1", "4.9E-324", "2.81617418129511E-322");
    row("Op8", "Comsd1", "4.9E-324", "0");
    row("Op1", "Comh1", "-4.9E-324", "32");
    row("Op2", "Cohm1", "-4.9E-324", "-17.7777777777778");
    row("Op3", "Comk1", "-4.9E-324", "273");
    row("Op4", "Cokm1", "-4.9E-324", "refused");
    row("Op5", "Comkh1", "-4.9E-324", "refused");
    row("Op6", "Comhk1", "-4.9E-324", "255.222222222222");
    row("Op7", "Comds1", "-4.9E-324", "-2.81617418129511E-322");
    row("Op8", "Comsd1", "-4.9E-324", "0");
    row("Op1", "Comh1", "1E308", "failure");
    row("Op2", "Cohm1", "1E308", "5.55555555555556E+307");
    row("Op3", "Comk1", "1E308", "1E+308");
    row("Op4", "Cokm1", "1E308", "1E+308");
    row("Op5", "Comkh1", "1E308", "failure");
    row("Op6", "Comhk1", "1E308", "5.55555555555556E+307");
    row("Op7", "Comds1", "1E308", "failure");
    row("Op8", "Comsd1", "1E308", "failure");
}

void EdgesTest::conversionsAtTheEdges()
{
    QFETCH(QString, option);
    QFETCH(QString, button);
    QFETCH(QString, value);
    QFETCH(QString, box);
    Recorder notices;
    auto context = testContext();
    context->setNoticePresenter(&notices);
    context->start();
    QWidget *window = app::Windows::show(QStringLiteral("Form5"));
    QVERIFY(ui::click(ui::control(window, qPrintable(option))));
    ui::type(ui::control<QLineEdit>(window, "Te2"), QStringLiteral("7"));
    ui::type(ui::control<QLineEdit>(window, "Te1"), value);
    QVERIFY(ui::click(ui::control(window, qPrintable(button))));
    const QString shown = ui::control<QLineEdit>(window, "Te2")->text();
    const QStringList said = notices.said;
    context.reset();
    ui::settle();
    if (box == QLatin1String("failure")) {
        QCOMPARE(shown, QStringLiteral("7"));
        QCOMPARE(said.size(), 1);
        QVERIFY(said.first().startsWith(u'[' + failure::Title + u']'));
    } else if (box == QLatin1String("refused")) {
        QCOMPARE(shown, QStringLiteral("7"));
        QCOMPARE(said, QStringList{QStringLiteral("[خطأ رياضي] لا توجد درجة حرارة أقل من الصفر المطلق")});
    } else {
        QCOMPARE(shown, box);
        QCOMPARE(said, QStringList());
    }
}

QTEST_MAIN(EdgesTest)
#include "test_edges.moc"
