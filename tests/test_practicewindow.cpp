// The practice window "تمارين" of each section that computes, driven as a
// pupil drives it: opened by F3 and by its button beside the steps button, an
// exercise answered right, wrong twice, not answered at all, hinted line by
// line and solved on demand; parity and prime or not by choosing; the
// teacher's level; every checked answer in the record before its feedback.

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/practicedoor.h"
#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "kit/windows.h"
#include "numtext/digits.h"
#include "practice/answers.h"
#include "practice/practicewindow.h"
#include "practice/record.h"
#include "practice/worksheetwindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

using practice::PracticeWindow;

namespace {
constexpr std::uint64_t Seed = 20261211;
const QString WrongAgain = QStringLiteral("ليست صحيحة، وهذا هو الحل");

// A section window that computes: the main-menu option that opens it, the
// section its exercises are of, and its options.
struct Section {
    const char *form;
    const char *menuOption;
    const char *section;
    QStringList options;
};

const Section Sections[] = {
    {"Form3", "Op1", "arithmetic", {}},
    {"Form4", "Op2", "areas", {"Op1", "Op11", "Op2", "Op3", "Op4", "Op5", "Op6"}},
    {"Form5", "Op3", "conversions", {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6", "Op7", "Op8"}},
    {"Form6", "Op4", "perimeters", {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6"}},
    {"Form7", "Op5", "trigonometry", {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6"}},
    {"Form8", "Op6", "numbers", {"Op1", "Op2", "Op3", "Op9", "Op4", "Op5", "Op6"}},
    {"Form9", "Op7", "volumes", {"Op1", "Op2", "Op3", "Op4", "Op5"}},
    {"Form16", "Op9", "equation", {}},
    {"Form17", "Op10", "fractions", {"Opt1", "Opt2"}},
};

const Section &sectionOf(const QString &form)
{
    for (const Section &s : Sections)
        if (form == QLatin1String(s.form))
            return s;
    QTest::qFail(qPrintable(QStringLiteral("no window %1 in the table").arg(form)), __FILE__, __LINE__);
    return Sections[0];
}

void addSectionRows()
{
    QTest::addColumn<QString>("form");
    for (const Section &s : Sections)
        QTest::newRow(s.form) << s.form;
}

// A text that answers no exercise right.
QString wrongText(const practice::Exercise &e) { return e.answer == u"987654321" ? QStringLiteral("5") : "987654321"; }

} // namespace

class PracticeWindowTest : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase() { quietenHeadlessWarnings(); }
    void init();
    void cleanup();

    void opens_data();
    void opens();
    void buttonCoversNothing_data();
    void buttonCoversNothing();
    void rightAnswer_data() { addSectionRows(); }
    void rightAnswer();
    void wrongTwiceShowsTheSolution_data() { addSectionRows(); }
    void wrongTwiceShowsTheSolution();
    void hintsCountDown_data() { addSectionRows(); }
    void hintsCountDown();
    void showMeTheSolution();
    void newExercise();
    void notAnAnswerIsNotRecorded();
    void choosing_data();
    void choosing();
    void escapeCloses();
    void worksheetOfTheSection();
    void figureOfTheProblem_data();
    void figureOfTheProblem();
    void keyboardReachesEverything();
    void controlsAreNamedInArabic();
    void fixedLevel();
    void recordedUnderTheLoginName();
    void seedArgument_data();
    void seedArgument();

private:
    // The section window opened from the main menu.
    static QWidget *openSection(const Section &s)
    {
        if (!ui::click("Form1", s.menuOption) || !ui::click("Form1", "Command1"))
            return nullptr;
        QWidget *shown = ui::window(s.form);
        return shown && shown->isVisible() ? shown : nullptr;
    }
    // The practice window of a section opened by its button.
    static PracticeWindow *practise(const QString &form)
    {
        const Section &s = sectionOf(form);
        QWidget *window = openSection(s);
        if (!window || !ui::click(window->findChild<QPushButton *>(QStringLiteral("PracticeButton"))))
            return nullptr;
        app::PracticeDoor *door = app::practiceOf(window);
        return door ? qobject_cast<PracticeWindow *>(door->practiceWindow()) : nullptr;
    }
    // Types an answer, or chooses it, and checks it.
    static void answer(PracticeWindow *w, const QString &text)
    {
        if (w->exercise().words) {
            for (const char *name : {"Choice1", "Choice2"}) {
                auto *choice = ui::control<QRadioButton>(w, name);
                if (choice->text() == text)
                    ui::click(choice);
            }
        } else {
            ui::type(ui::control<QLineEdit>(w, "Answer"), text);
        }
        ui::click(ui::control(w, "Check"));
    }
    static QString wrongChoice(PracticeWindow *w)
    {
        for (const char *name : {"Choice1", "Choice2"}) {
            QString text = ui::control<QRadioButton>(w, name)->text();
            if (practice::judge(w->exercise(), text).verdict == practice::Verdict::Wrong)
                return text;
        }
        return QString();
    }
    static QList<practice::Answer> recorded(const QString &section)
    {
        return practice::programRecord().answers(practice::NoName, section);
    }

    QTemporaryDir folder;
    int runs = 0;
};

void PracticeWindowTest::init()
{
    QVERIFY(folder.isValid());
    // A record of its own for every test: what one test answered is not
    // another's.
    practice::useRecordFolder(folder.filePath(QString::number(++runs)));
    practice::setProgramSeed(Seed);
    WindowTest::init();
}

void PracticeWindowTest::cleanup()
{
    WindowTest::cleanup();
    practice::useRecordFolder(QString());
    practice::setProgramSeed(std::nullopt);
}

void PracticeWindowTest::opens_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("way");
    for (const Section &s : Sections) {
        QTest::addRow("%s F3", s.form) << s.form << "F3";
        QTest::addRow("%s button", s.form) << s.form << "button";
    }
}

// F3 and the button open the section's practice window beside it, with the
// first exercise the command line prints for the program's seed; opening
// again brings the same window back.
void PracticeWindowTest::opens()
{
    QFETCH(QString, form);
    QFETCH(QString, way);
    const Section &s = sectionOf(form);
    QWidget *window = openSection(s);
    QVERIFY(window);
    QVERIFY(app::practiceOf(window));
    QVERIFY(!app::practiceOf(window)->practiceWindow());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const auto openIt = [&] {
        if (way == u"F3")
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_F3);
        else
            QVERIFY(ui::click(ui::control(window, "PracticeButton")));
    };
    openIt();
    auto *practice = qobject_cast<PracticeWindow *>(app::practiceOf(window)->practiceWindow());
    QVERIFY(practice);
    QVERIFY(practice->isVisible());
    QVERIFY(!practice->isModal());
    QCOMPARE(practice->windowTitle(), QStringLiteral("تمارين"));
    QCOMPARE(practice->section(), QString::fromLatin1(s.section));
    QVERIFY(!practice->frameGeometry().intersects(window->frameGeometry()));

    const practice::Exercise first = practice::makeExercise(s.section, 1, Seed, 0);
    QCOMPARE(practice->exercise().kind, first.kind);
    QCOMPARE(practice->exercise().question, first.question);
    QCOMPARE(ui::control<QLabel>(practice, "Question")->text(), numtext::shownDigits(first.question));
    QCOMPARE(practice->linesShown(), 0);
    QVERIFY(ui::control<QLabel>(practice, "Kind")->text().startsWith(practice::sectionTitle(s.section)));

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    openIt();
    QCOMPARE(app::practiceOf(window)->practiceWindow(), practice);
    QCOMPARE(practice->exercise().question, first.question);
}

void PracticeWindowTest::buttonCoversNothing_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("option");
    for (const Section &s : Sections) {
        QTest::addRow("%s at opening", s.form) << s.form << "";
        for (const QString &option : s.options)
            QTest::addRow("%s %s", s.form, qPrintable(option)) << s.form << option;
    }
}

// The button "تمرّن" stands on the banner beside the steps button, names
// F3, shows its word whole and covers no other control, whatever option is
// chosen.
void PracticeWindowTest::buttonCoversNothing()
{
    QFETCH(QString, form);
    QFETCH(QString, option);
    QWidget *window = openSection(sectionOf(form));
    QVERIFY(window);
    if (!option.isEmpty())
        QVERIFY(ui::click(ui::control(window, qPrintable(option))));
    auto *button = ui::control<QPushButton>(window, "PracticeButton");
    auto *steps = ui::control<QPushButton>(window, "StepsButton");
    QVERIFY(button->isVisible());
    QCOMPARE(button->text(), QStringLiteral("تمرّن"));
    QVERIFY(button->toolTip().contains(QStringLiteral("F3")));
    QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) + 4 <= button->width());
    QCOMPARE(button->geometry().top(), steps->geometry().top());
    QVERIFY(button->geometry().right() < steps->geometry().left());
    const QString fault = ui::bannerButtonFault(window, button);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// A right answer, typed and sent with Enter (or chosen), is recorded before
// "أحسنت!" shows, and the whole solution is there to read.
void PracticeWindowTest::rightAnswer()
{
    QFETCH(QString, form);
    PracticeWindow *w = practise(form);
    QVERIFY(w);
    const practice::Exercise e = w->exercise();
    qsizetype recordedWhenTold = -1;
    connect(w, &PracticeWindow::feedbackShown, this,
            [&] { recordedWhenTold = recorded(QString::fromLatin1(sectionOf(form).section)).size(); });
    if (e.words) {
        answer(w, e.answer);
    } else {
        auto *box = ui::control<QLineEdit>(w, "Answer");
        QVERIFY(box->hasFocus() || !w->isActiveWindow());
        ui::typeKeys(box, e.answer);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QCOMPARE(w->feedback(), practice::RightText);
    QCOMPARE(recordedWhenTold, 1);
    const QList<practice::Answer> answers = recorded(e.section);
    QCOMPARE(answers.size(), 1);
    QVERIFY(answers[0].right);
    QCOMPARE(answers[0].attempt, 1);
    QCOMPARE(answers[0].kind, e.kind);
    QCOMPARE(answers[0].index, e.index);
    QCOMPARE(answers[0].seed, Seed);
    QCOMPARE(answers[0].hints, 0);
    QVERIFY(!answers[0].solutionShown);
    QCOMPARE(w->linesShown(), int(w->solution().lines().size()));
    QVERIFY(!ui::control(w, "Check")->isEnabled());
    // Checking again records nothing more.
    ui::click(ui::control(w, "Check"));
    QCOMPARE(recorded(e.section).size(), 1);
}

// A wrong answer gets a second try; a second wrong one, the worked solution.
// Both are recorded before they are told.
void PracticeWindowTest::wrongTwiceShowsTheSolution()
{
    QFETCH(QString, form);
    PracticeWindow *w = practise(form);
    QVERIFY(w);
    const practice::Exercise e = w->exercise();
    const QString wrong = e.words ? wrongChoice(w) : wrongText(e);
    QVERIFY(!wrong.isEmpty());
    qsizetype recordedWhenTold = -1;
    connect(w, &PracticeWindow::feedbackShown, this, [&] { recordedWhenTold = recorded(e.section).size(); });

    answer(w, wrong);
    QCOMPARE(w->feedback(), numtext::shownDigits(practice::WrongText));
    QCOMPARE(recordedWhenTold, 1);
    QCOMPARE(w->linesShown(), 0);
    QVERIFY(ui::control(w, "Check")->isEnabled());

    answer(w, wrong);
    QCOMPARE(w->feedback(), WrongAgain);
    QCOMPARE(recordedWhenTold, 2);
    QCOMPARE(w->linesShown(), int(w->solution().lines().size()));
    QVERIFY(!ui::control(w, "Check")->isEnabled());
    const QList<practice::Answer> answers = recorded(e.section);
    QCOMPARE(answers.size(), 2);
    QCOMPARE(answers[0].attempt, 1);
    QCOMPARE(answers[1].attempt, 2);
    QVERIFY(!answers[0].right && !answers[1].right);
    QVERIFY(!answers[0].solutionShown);
    QVERIFY(answers[1].solutionShown);
}

// Each hint shows one line more of the solution, never its last; the button
// says how many remain, in the digits chosen, and the answer after them
// counts them.
void PracticeWindowTest::hintsCountDown()
{
    QFETCH(QString, form);
    PracticeWindow *w = practise(form);
    QVERIFY(w);
    auto *hint = ui::control<QPushButton>(w, "Hint");
    const int hints = practice::hintLines(w->solution());
    for (int shown = 0; shown <= hints; ++shown) {
        QCOMPARE(w->linesShown(), shown);
        const int remaining = hints - shown;
        for (const numtext::DigitShape shape : {numtext::DigitShape::Western, numtext::DigitShape::ArabicIndic}) {
            numtext::setDigitShape(shape);
            const QString expected = remaining >= 2
                                         ? numtext::shapeDigits(QStringLiteral("تلميح (%1 متبقية)").arg(remaining),
                                                                shape)
                                     : remaining == 1 ? QStringLiteral("تلميح (الأخير)")
                                                      : QStringLiteral("لا تلميحات أخرى");
            QCOMPARE(hint->text(), expected);
        }
        QCOMPARE(hint->isEnabled(), remaining > 0);
        if (shown < hints) {
            QVERIFY(ui::click(hint));
            auto *view = w->findChild<reference::StepsView *>();
            QCOMPARE(view->steps().lines(), w->solution().lines().mid(0, shown + 1));
        }
    }
    // Pressed once more (a screen reader's press on the disabled button),
    // it shows nothing more.
    w->Hint_Click();
    QCOMPARE(w->linesShown(), hints);
    QVERIFY(w->linesShown() < w->solution().lines().size());

    answer(w, w->exercise().answer);
    QCOMPARE(w->feedback(), practice::RightText);
    const QList<practice::Answer> answers = recorded(w->exercise().section);
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers[0].hints, hints);
}

// "أرني الحل" shows every line and ends the exercise without recording an
// answer; Enter then sets a new exercise.
void PracticeWindowTest::showMeTheSolution()
{
    PracticeWindow *w = practise(QStringLiteral("Form4"));
    QVERIFY(w);
    QVERIFY(ui::click(ui::control(w, "ShowSolution")));
    QCOMPARE(w->linesShown(), int(w->solution().lines().size()));
    QVERIFY(!ui::control(w, "Check")->isEnabled());
    QVERIFY(!ui::control(w, "Hint")->isEnabled());
    QVERIFY(ui::control<QLineEdit>(w, "Answer")->isReadOnly());
    QVERIFY(recorded(QStringLiteral("areas")).isEmpty());
    auto *next = ui::control<QPushButton>(w, "NewExercise");
    const int index = w->exercise().index;
    QTest::keyClick(next, Qt::Key_Return);
    QVERIFY(w->exercise().index != index);
}

// A new exercise starts afresh: no lines, no feedback, a clear box.
void PracticeWindowTest::newExercise()
{
    PracticeWindow *w = practise(QStringLiteral("Form16"));
    QVERIFY(w);
    const practice::Exercise first = w->exercise();
    QVERIFY(ui::click(ui::control(w, "Hint")));
    answer(w, wrongText(first));
    QVERIFY(!w->feedback().isEmpty());
    QVERIFY(ui::click(ui::control(w, "NewExercise")));
    QCOMPARE(w->exercise().index, first.index + 1);
    QCOMPARE(w->linesShown(), 0);
    QVERIFY(w->feedback().isEmpty());
    QVERIFY(ui::control<QLineEdit>(w, "Answer")->text().isEmpty());
    QVERIFY(ui::control(w, "Check")->isEnabled());
    QCOMPARE(ui::control<QLabel>(w, "Question")->text(), numtext::shownDigits(w->exercise().question));
}

// A text that is not an answer is told how to write one, and is neither
// recorded nor counted as a try.
void PracticeWindowTest::notAnAnswerIsNotRecorded()
{
    PracticeWindow *w = practise(QStringLiteral("Form17"));
    QVERIFY(w);
    for (const QString &text : {QStringLiteral("abc"), QString()}) {
        answer(w, text);
        QCOMPARE(w->feedback(), numtext::shownDigits(practice::NotAnswerText));
    }
    QVERIFY(recorded(QStringLiteral("fractions")).isEmpty());
    answer(w, wrongText(w->exercise()));
    QCOMPARE(w->feedback(), numtext::shownDigits(practice::WrongText));
    QCOMPARE(recorded(QStringLiteral("fractions")).size(), 1);
    QCOMPARE(recorded(QStringLiteral("fractions"))[0].attempt, 1);
}

void PracticeWindowTest::choosing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("choices");
    QTest::newRow("parity") << "parity" << QStringList{QStringLiteral("زوجي"), QStringLiteral("فردي")};
    QTest::newRow("prime") << "prime" << QStringList{QStringLiteral("أولي"), QStringLiteral("غير أولي")};
}

// Parity and prime or not are answered by choosing one of two, not by
// typing; checking with none chosen asks for a choice.
void PracticeWindowTest::choosing()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, choices);
    PracticeWindow *w = practise(QStringLiteral("Form8"));
    QVERIFY(w);
    for (int i = 0; i < 200 && !(w->exercise().words && w->exercise().kind.contains(kind)); ++i)
        w->NewExercise_Click();
    QVERIFY2(w->exercise().words, qPrintable(kind + QStringLiteral(" never set")));
    QVERIFY(w->exercise().kind.contains(kind));
    QVERIFY(!ui::control(w, "Answer")->isVisible());
    QVERIFY(ui::control(w, "Choices")->isVisible());
    QCOMPARE(ui::control<QRadioButton>(w, "Choice1")->text(), choices[0]);
    QCOMPARE(ui::control<QRadioButton>(w, "Choice2")->text(), choices[1]);
    QVERIFY(!ui::control<QRadioButton>(w, "Choice1")->isChecked());
    QVERIFY(!ui::control<QRadioButton>(w, "Choice2")->isChecked());

    QVERIFY(ui::click(ui::control(w, "Check")));
    QCOMPARE(w->feedback(), QStringLiteral("اختر إحدى الإجابتين"));
    QVERIFY(recorded(QStringLiteral("numbers")).isEmpty());

    const QString wrong = wrongChoice(w);
    QVERIFY(choices.contains(wrong));
    answer(w, wrong);
    QCOMPARE(w->feedback(), numtext::shownDigits(practice::WrongText));
    answer(w, w->exercise().answer);
    QCOMPARE(w->feedback(), practice::RightText);
    const QList<practice::Answer> answers = recorded(QStringLiteral("numbers"));
    QCOMPARE(answers.size(), 2);
    QVERIFY(!answers[0].right);
    QVERIFY(answers[1].right);
    QCOMPARE(answers[1].attempt, 2);
}

// Escape closes the practice window; F3 brings it back as it was.
void PracticeWindowTest::escapeCloses()
{
    PracticeWindow *w = practise(QStringLiteral("Form7"));
    QVERIFY(w);
    const QString question = w->exercise().question;
    QTest::keyClick(ui::control(w, "Answer"), Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QWidget *section = ui::window("Form7");
    section->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(section));
    QTest::keyClick(section, Qt::Key_F3);
    QVERIFY(w->isVisible());
    QCOMPARE(w->exercise().question, question);
}

// Tab walks the window through the exercise, its answer, its buttons and
// the teacher's choices, and comes back round.
void PracticeWindowTest::keyboardReachesEverything()
{
    PracticeWindow *w = practise(QStringLiteral("Form4"));
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    // Each stop once, from the exercise round to it again.
    const auto walk = [w](const char *from) {
        ui::control(w, from)->setFocus();
        QStringList reached;
        for (int i = 0; i < 30; ++i) {
            QWidget *focus = QApplication::focusWidget();
            if (!focus || focus->window() != w || reached.contains(focus->objectName()))
                break;
            reached << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return reached;
    };
    const QString digits = numtext::digitShape() == numtext::DigitShape::ArabicIndic ? QStringLiteral("ArabicDigits")
                                                                                     : QStringLiteral("WesternDigits");
    QCOMPARE(walk("Question"), (QStringList{"Question", "Figure", "Answer", "Check", "Hint", "ShowSolution",
                                            "NewExercise", "Level", digits, "Worksheet", "Progress", "CloseButton"}));
    // With the solution shown, its lines are a stop; the spent buttons are not.
    QVERIFY(ui::click(ui::control(w, "ShowSolution")));
    QCOMPARE(walk("Question"), (QStringList{"Question", "Figure", "Answer", "NewExercise", "StepsView", "Level", digits,
                                            "Worksheet", "Progress", "CloseButton"}));
    QVERIFY(ui::click(ui::control(w, "NewExercise")));
    // Enter in the answer box checks it.
    auto *box = ui::control<QLineEdit>(w, "Answer");
    box->setFocus();
    ui::typeKeys(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(w->feedback(), numtext::shownDigits(practice::NotAnswerText));
}

// Every control of the window is heard by an Arabic name, without Latin
// letters or signs, the window by its title.
void PracticeWindowTest::controlsAreNamedInArabic()
{
    PracticeWindow *w = practise(QStringLiteral("Form8"));
    QVERIFY(w);
    QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), QStringLiteral("تمارين"));
    const QRegularExpression arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
    const QRegularExpression latin(QStringLiteral("[A-Za-z+*/%=]"));
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!qobject_cast<QAbstractButton *>(c) && !qobject_cast<QLineEdit *>(c) && !qobject_cast<QComboBox *>(c)
            && c->objectName() != u"Question" && c->objectName() != u"StepsView")
            continue;
        if (c->objectName() == u"Choice1" || c->objectName() == u"Choice2")
            continue; // named by the exercise: see choosing()
        const QString name = QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
        QVERIFY2(name.contains(arabic), qPrintable(c->objectName() + QStringLiteral(": ") + name));
        QVERIFY2(!name.contains(latin), qPrintable(c->objectName() + QStringLiteral(": ") + name));
    }
}

// The teacher fixes the level; the pupil's own comes back with the first
// choice.
void PracticeWindowTest::fixedLevel()
{
    PracticeWindow *w = practise(QStringLiteral("Form6"));
    QVERIFY(w);
    auto *level = ui::control<QComboBox>(w, "Level");
    QCOMPARE(level->count(), 4);
    QCOMPARE(level->currentIndex(), 0);
    for (int fixed : {3, 2, 3}) {
        level->setFocus();
        level->setCurrentIndex(fixed);
        emit level->activated(fixed);
        QCOMPARE(w->exercise().level, fixed);
        w->NewExercise_Click();
        QCOMPARE(w->exercise().level, fixed);
    }
    level->setCurrentIndex(0);
    emit level->activated(0);
    QCOMPARE(w->exercise().level, 1);
}

// The answers are kept under the name given in the login window.
void PracticeWindowTest::recordedUnderTheLoginName()
{
    const QString name = QStringLiteral("سارة \"الصغيرة\"");
    QVERIFY(ui::click("Form1", "Command3"));
    ui::type("Form2", "Text1", name);
    notices.expect(QStringLiteral("أهلا وسهلا بك في البرنامج يا ") + name, numtext::style::RightAlign);
    QVERIFY(ui::click("Form2", "Command1"));
    QCOMPARE(context->pupilName(), name);
    PracticeWindow *w = practise(QStringLiteral("Form9"));
    QVERIFY(w);
    answer(w, w->exercise().answer);
    QCOMPARE(practice::programRecord().answers(name).size(), 1);
    QVERIFY(recorded(QStringLiteral("volumes")).isEmpty());
}

void PracticeWindowTest::seedArgument_data()
{
    QTest::addColumn<qulonglong>("seed");
    QTest::newRow("the test's") << qulonglong(Seed);
    QTest::newRow("42") << qulonglong(42);
    QTest::newRow("0") << qulonglong(0);
}

// `nabrosa --seed N` sets the seed of every practice window (the command
// line is read in app/commandline).
void PracticeWindowTest::seedArgument()
{
    QFETCH(qulonglong, seed);
    practice::setProgramSeed(seed);
    PracticeWindow *w = practise(QStringLiteral("Form5"));
    QVERIFY(w);
    const practice::Exercise first = practice::makeExercise(QStringLiteral("conversions"), 1, seed, 0);
    QCOMPARE(w->exercise().question, first.question);
    QCOMPARE(w->exercise().seed, first.seed);
}

void PracticeWindowTest::figureOfTheProblem_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("fromTheStart");
    QTest::addColumn<QString>("kind");
    QTest::newRow("a circle's area") << "Form4" << true << "circle";
    QTest::newRow("a cube's volume") << "Form9" << true << "cube";
    QTest::newRow("a parabola") << "Form16" << false << "parabola";
    QTest::newRow("fraction bars") << "Form17" << false << "fractions";
    QTest::newRow("a thermometer") << "Form5" << false << "temperature";
    QTest::newRow("the unit circle") << "Form7" << false << "angle";
}

void PracticeWindowTest::figureOfTheProblem()
{
    // A shape is drawn with its given lengths from the start; a parabola
    // or the result's bar would show the answer asked for, so they come
    // with the solution.
    QFETCH(QString, form);
    QFETCH(bool, fromTheStart);
    QFETCH(QString, kind);
    PracticeWindow *w = practise(form);
    QVERIFY(w);
    auto *figure = ui::control<reference::FigureView>(w, "Figure");
    QCOMPARE(figure->isVisible(), fromTheStart);
    QVERIFY(ui::click(ui::control(w, "ShowSolution")));
    QVERIFY(figure->isVisible());
    QCOMPARE(figure->figure().kind, kind);
}

void PracticeWindowTest::worksheetOfTheSection()
{
    // "ورقة عمل للطباعة" opens the worksheet window with this section's
    // kinds chosen, and only them.
    PracticeWindow *w = practise(QStringLiteral("Form17"));
    QVERIFY(w);
    QVERIFY(ui::click(ui::control(w, "Worksheet")));
    auto *sheet = app::Windows::find<WorksheetWindow>();
    QVERIFY(sheet && sheet->isVisible());
    const practice::WorksheetOptions o = sheet->options();
    QCOMPARE(o.sections, QStringList{QStringLiteral("fractions")});
    QCOMPARE(o.kinds, practice::kinds(QStringLiteral("fractions")));
}

QTEST_MAIN(PracticeWindowTest)
#include "test_practicewindow.moc"
