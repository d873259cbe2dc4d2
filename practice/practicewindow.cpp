#include "practice/practicewindow.h"

#include "kit/context.h"
#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/speech.h"
#include "kit/stepswindow.h"
#include "kit/windows.h"
#include "numtext/digits.h"
#include "practice/answers.h"
#include "practice/record.h"
#include "practice/worksheetwindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTextStream>
#include <QVBoxLayout>

#include <memory>

using numtext::DigitShape;

namespace practice {

namespace {

// The program's record, owned by the application object so that it closes
// before the application ends.
class RecordHolder : public QObject {
public:
    explicit RecordHolder(const QString &folder) : QObject(QCoreApplication::instance()), record(folder) {}
    Record record;
};
QPointer<RecordHolder> held;
QString recordFolder;

std::optional<std::uint64_t> seedGiven;
ProgressOpener progressOpener = nullptr;

const QString Title = QStringLiteral("تمارين");
const QString WrongAgainText = QStringLiteral("ليست صحيحة، وهذا هو الحل");
const QString SolutionText = QStringLiteral("هذا هو الحل");
const QString ChooseText = QStringLiteral("اختر إحدى الإجابتين");

QPushButton *windowButton(QWidget *parent, const char *name, const QString &text, const QString &accessible)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(accessible);
    // Enter presses the button that has the focus, as Space does.
    b->setAutoDefault(true);
    return b;
}

QRadioButton *radio(QWidget *parent, const char *name, const QString &text, const QString &accessible)
{
    auto *o = new QRadioButton(text, parent);
    o->setObjectName(QString::fromLatin1(name));
    o->setAccessibleName(accessible);
    return o;
}

QLabel *textLabel(QWidget *parent, const char *name, const QString &accessible)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(accessible);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// The text of the hint button: how many hint lines remain.
QString hintButtonText(int remaining)
{
    if (remaining >= 2)
        return numtext::shownDigits(QStringLiteral("تلميح (%1 متبقية)").arg(remaining));
    if (remaining == 1)
        return QStringLiteral("تلميح (الأخير)");
    return QStringLiteral("لا تلميحات أخرى");
}

} // namespace

Record &programRecord()
{
    if (!held)
        held = new RecordHolder(recordFolder);
    return held->record;
}

void useRecordFolder(const QString &folder)
{
    delete held.data();
    recordFolder = folder;
}

void setProgramSeed(std::optional<std::uint64_t> seed) { seedGiven = seed; }

std::optional<std::uint64_t> programSeed() { return seedGiven; }

void setProgressOpener(ProgressOpener opener) { progressOpener = opener; }

PracticeWindow::PracticeWindow(const QString &section, Record &record, std::uint64_t seed)
    : section_(section), record_(record), plan_(section, seed, record.answers(pupil(), section))
{
    setObjectName(QStringLiteral("PracticeWindow"));
    setWindowTitle(Title);
    setAccessibleName(Title);
    setLayoutDirection(Qt::RightToLeft);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    // The teacher's choice of level, and the digits.
    levelLabel_ = new QLabel(QStringLiteral("المستوى:"), this);
    levelLabel_->setObjectName(QStringLiteral("LevelLabel"));
    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("Level"));
    level_->setAccessibleName(QStringLiteral("مستوى التمارين"));
    level_->addItems({QString(), QString(), QString(), QString()});
    levelLabel_->setBuddy(level_);
    auto *digitsLabel = new QLabel(QStringLiteral("الأرقام:"), this);
    digitsLabel->setObjectName(QStringLiteral("DigitsLabel"));
    digitsLabel->setAccessibleName(QStringLiteral("شكل الأرقام"));
    arabicDigits_ = radio(this, "ArabicDigits", QStringLiteral("١٢٣"), QStringLiteral("الأرقام المشرقية ١٢٣"));
    westernDigits_ = radio(this, "WesternDigits", QStringLiteral("123"), QStringLiteral("الأرقام الغربية 123"));
    auto *digits = new QButtonGroup(this);
    digits->addButton(arabicDigits_);
    digits->addButton(westernDigits_);
    app::setListHeading(digits->buttons(), digitsLabel);

    // What the exercise is of, and at which level.
    kind_ = textLabel(this, "Kind", QStringLiteral("نوع التمرين"));
    question_ = textLabel(this, "Question", QStringLiteral("التمرين"));
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() + 3);
    large.setBold(true);
    question_->setFont(large);
    question_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    question_->setFocusPolicy(Qt::StrongFocus);

    answerLabel_ = new QLabel(QStringLiteral("إجابتك"), this);
    answerLabel_->setObjectName(QStringLiteral("AnswerLabel"));
    answer_ = new QLineEdit(this);
    answer_->setObjectName(QStringLiteral("Answer"));
    answer_->setAccessibleName(QStringLiteral("إجابتك"));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setMaxLength(80);
    answerLabel_->setBuddy(answer_);
    // Parity and prime or not are answered by choosing.
    choices_ = new QWidget(this);
    choices_->setObjectName(QStringLiteral("Choices"));
    choice1_ = radio(choices_, "Choice1", QString(), QString());
    choice2_ = radio(choices_, "Choice2", QString(), QString());
    choiceGroup_ = new QButtonGroup(this);
    choiceGroup_->addButton(choice1_);
    choiceGroup_->addButton(choice2_);
    auto *choiceRow = new QHBoxLayout(choices_);
    choiceRow->setContentsMargins(0, 0, 0, 0);
    choiceRow->addWidget(choice1_);
    choiceRow->addWidget(choice2_);
    choiceRow->addStretch(1);
    app::setListHeading(choiceGroup_->buttons(), answerLabel_);

    check_ = windowButton(this, "Check", QStringLiteral("تحقق"), QStringLiteral("تحقق"));
    check_->setToolTip(QStringLiteral("تحقق من إجابتك (مفتاح الإدخال)"));
    hint_ = windowButton(this, "Hint", QString(), QString());
    showSolution_ = windowButton(this, "ShowSolution", QStringLiteral("أرني الحل"), QStringLiteral("أرني الحل"));
    newExercise_ = windowButton(this, "NewExercise", QStringLiteral("تمرين جديد"), QStringLiteral("تمرين جديد"));
    if (progressOpener)
        progress_ = windowButton(this, "Progress", QStringLiteral("تقدمي"), QStringLiteral("تقدمي"));
    worksheet_ = windowButton(this, "Worksheet", QStringLiteral("ورقة عمل للطباعة"),
                              QStringLiteral("ورقة عمل للطباعة"));
    closeButton_ = windowButton(this, "CloseButton", QStringLiteral("إغلاق"), QStringLiteral("إغلاق"));

    feedback_ = textLabel(this, "Feedback", QStringLiteral("النتيجة"));
    QFont bold = font();
    bold.setBold(true);
    feedback_->setFont(bold);

    figure_ = new reference::FigureView(this);
    figure_->setObjectName(QStringLiteral("Figure"));
    figure_->setMinimumHeight(180);
    figure_->hide();
    steps_ = new reference::StepsView;
    steps_->setAccessibleName(QStringLiteral("خطوات الحل"));
    stepsArea_ = new QScrollArea(this);
    stepsArea_->setObjectName(QStringLiteral("StepsArea"));
    stepsArea_->setAccessibleName(QStringLiteral("منطقة خطوات الحل"));
    stepsArea_->setWidgetResizable(true);
    stepsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stepsArea_->setWidget(steps_);
    stepsArea_->setBackgroundRole(QPalette::Base);
    // The lines inside are the stop, not their frame.
    stepsArea_->setFocusPolicy(Qt::NoFocus);

    auto *top = new QHBoxLayout;
    top->addWidget(levelLabel_);
    top->addWidget(level_);
    top->addStretch(1);
    top->addWidget(digitsLabel);
    top->addWidget(arabicDigits_);
    top->addWidget(westernDigits_);
    auto *answerRow = new QHBoxLayout;
    answerRow->addWidget(answerLabel_);
    answerRow->addWidget(answer_, 1);
    answerRow->addWidget(choices_, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(check_);
    buttons->addWidget(hint_);
    buttons->addWidget(showSolution_);
    buttons->addWidget(newExercise_);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(worksheet_);
    if (progress_)
        bottom->addWidget(progress_);
    bottom->addWidget(closeButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(kind_);
    layout->addWidget(question_);
    layout->addWidget(figure_);
    layout->addLayout(answerRow);
    layout->addLayout(buttons);
    layout->addWidget(feedback_);
    layout->addWidget(stepsArea_, 1);
    layout->addStretch(0);
    layout->addLayout(bottom);

    // The pupil's way through: the exercise, the answer, the buttons, the
    // steps; then the teacher's choices.
    QList<QWidget *> chain{question_,     figure_,      answer_, choice1_, choice2_,      check_,        hint_,
                           showSolution_, newExercise_, steps_,  level_,   arabicDigits_, westernDigits_};
    chain << worksheet_;
    if (progress_)
        chain << progress_;
    chain << closeButton_;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);

    app::on(check_, &QPushButton::clicked, this, &PracticeWindow::Check_Click);
    app::on(hint_, &QPushButton::clicked, this, &PracticeWindow::Hint_Click);
    app::on(showSolution_, &QPushButton::clicked, this, &PracticeWindow::Solution_Click);
    app::on(newExercise_, &QPushButton::clicked, this, &PracticeWindow::NewExercise_Click);
    if (progress_)
        app::on(progress_, &QPushButton::clicked, this, &PracticeWindow::Progress_Click);
    app::on(worksheet_, &QPushButton::clicked, this, &PracticeWindow::Worksheet_Click);
    app::on(closeButton_, &QPushButton::clicked, this, &PracticeWindow::CloseButton_Click);
    connect(level_, &QComboBox::activated, this, [this](int index) { app::run([&] { Level_Activated(index); }); });
    connect(arabicDigits_, &QRadioButton::toggled, this,
            [this](bool checked) { app::run([&] { ArabicDigits_Toggled(checked); }); });
    connect(westernDigits_, &QRadioButton::toggled, this,
            [this](bool checked) { app::run([&] { WesternDigits_Toggled(checked); }); });
    connect(&numtext::DigitChoice::instance(), &numtext::DigitChoice::changed, this, &PracticeWindow::refreshTexts);

    resize(560, 520);
    setExercise(plan_.next());
}

QString PracticeWindow::pupil() const
{
    const app::Context *context = app::Context::instance();
    const QString name = context ? context->pupilName() : QString();
    return name.isEmpty() ? NoName : name;
}

int PracticeWindow::linesShown() const { return stepsArea_->isHidden() ? 0 : int(steps_->steps().lines().size()); }

QString PracticeWindow::feedback() const { return feedback_->text(); }

void PracticeWindow::setExercise(Exercise exercise)
{
    exercise_ = std::move(exercise);
    solution_ = practice::solution(exercise_);
    hintsShown_ = 0;
    attempts_ = 0;
    done_ = false;
    told_.clear();
    answer_->clear();
    answer_->setReadOnly(false);
    answer_->setVisible(!exercise_.words);
    choices_->setVisible(exercise_.words);
    choices_->setEnabled(true);
    choiceGroup_->setExclusive(false);
    choice1_->setChecked(false);
    choice2_->setChecked(false);
    choiceGroup_->setExclusive(true);
    const bool prime = exercise_.answer.contains(QStringLiteral("أولي"));
    choice1_->setText(prime ? QStringLiteral("أولي") : QStringLiteral("زوجي"));
    choice2_->setText(prime ? QStringLiteral("غير أولي") : QStringLiteral("فردي"));
    choice1_->setAccessibleName(choice1_->text());
    choice2_->setAccessibleName(choice2_->text());
    check_->setEnabled(true);
    showSolution_->setEnabled(true);
    showLines(0);
    refreshTexts();
    if (exercise_.words)
        choice1_->setFocus();
    else
        answer_->setFocus();
}

void PracticeWindow::showLines(int count)
{
    // The figure of the problem: a shape with its given lengths from the
    // start; a figure that shows the result comes with the whole solution.
    const bool all = count >= solution_.lines().size();
    figure_->setFigure(!solution_.figure().showsResult() || all ? solution_.figure() : numtext::Figure());
    figure_->setHidden(figure_->figure().isEmpty());
    numtext::Steps shown;
    for (int i = 0; i < count && i < solution_.lines().size(); ++i)
        shown.line(solution_.lines()[i]);
    steps_->setSteps(shown);
    stepsArea_->setHidden(count == 0);
}

// Every text that shows digits, in the shape of the moment.
void PracticeWindow::refreshTexts()
{
    const bool arabic = numtext::digitShape() == DigitShape::ArabicIndic;
    arabicDigits_->setChecked(arabic);
    westernDigits_->setChecked(!arabic);
    level_->setItemText(0, QStringLiteral("مستوى التلميذ"));
    for (int level = 1; level <= 3; ++level)
        level_->setItemText(level, numtext::shownDigits(QStringLiteral("المستوى %1").arg(level)));
    kind_->setText(numtext::shownDigits(QStringLiteral("%1: %2 (المستوى %3)")
                                            .arg(sectionTitle(section_), kindTitle(exercise_.kind))
                                            .arg(exercise_.level)));
    question_->setText(numtext::shownDigits(exercise_.question));
    question_->setAccessibleDescription(app::spokenText(question_->text()));
    const int remaining = done_ ? 0 : hintLines(solution_) - hintsShown_;
    hint_->setText(hintButtonText(remaining));
    hint_->setAccessibleName(hint_->text());
    hint_->setEnabled(remaining > 0);
    feedback_->setText(numtext::shownDigits(told_));
}

void PracticeWindow::tell(const QString &westernText)
{
    told_ = westernText;
    feedback_->setText(numtext::shownDigits(told_));
    emit feedbackShown(feedback_->text());
    app::announce(this, app::spokenText(feedback_->text()));
}

// The exercise is over: its steps are there to read, a new one is a key away.
void PracticeWindow::finish()
{
    done_ = true;
    showLines(int(solution_.lines().size()));
    answer_->setReadOnly(true);
    choices_->setEnabled(false);
    check_->setEnabled(false);
    showSolution_->setEnabled(false);
    refreshTexts();
    newExercise_->setFocus();
}

QString PracticeWindow::answerText() const
{
    if (!exercise_.words)
        return answer_->text();
    QAbstractButton *chosen = choiceGroup_->checkedButton();
    return chosen ? chosen->text() : QString();
}

void PracticeWindow::Check_Click()
{
    if (done_)
        return;
    if (exercise_.words && !choiceGroup_->checkedButton()) {
        tell(ChooseText);
        return;
    }
    const Judgement judged = judge(exercise_, answerText(), DigitShape::Western);
    if (judged.verdict == Verdict::NotAnswer || judged.verdict == Verdict::Simplify) {
        // Neither right nor wrong: another try, nothing recorded.
        tell(judged.message);
        return;
    }
    const bool right = judged.verdict == Verdict::Right || judged.verdict == Verdict::RightCanSimplify;
    ++attempts_;
    const bool last = right || attempts_ >= 2;
    Answer answer;
    answer.pupil = pupil();
    answer.section = section_;
    answer.kind = exercise_.kind;
    answer.level = exercise_.level;
    answer.seed = exercise_.seed;
    answer.index = exercise_.index;
    answer.attempt = attempts_;
    answer.right = right;
    answer.hints = hintsShown_;
    answer.solutionShown = !right && last;
    answer.at = QDateTime::currentDateTimeUtc();
    // In the record before the pupil hears how it went.
    record_.add(answer);
    plan_.answered(answer);
    if (right) {
        tell(judged.message);
        finish();
    } else if (last) {
        tell(WrongAgainText);
        finish();
    } else {
        tell(judged.message);
        answer_->selectAll();
    }
    tellRecordNotice();
}

void PracticeWindow::Hint_Click()
{
    if (done_ || hintsShown_ >= hintLines(solution_))
        return;
    ++hintsShown_;
    showLines(hintsShown_);
    refreshTexts();
    app::announce(this, reference::spokenStepLine(solution_.lines()[hintsShown_ - 1], numtext::digitShape()));
}

void PracticeWindow::Solution_Click()
{
    if (done_)
        return;
    tell(SolutionText);
    finish();
}

void PracticeWindow::NewExercise_Click() { setExercise(plan_.next()); }

void PracticeWindow::Progress_Click()
{
    if (progressOpener)
        progressOpener(this);
}

// A worksheet of this section's exercises, to print for the class.
void PracticeWindow::Worksheet_Click() { app::Windows::show<WorksheetWindow>()->chooseSections({section_}); }

void PracticeWindow::CloseButton_Click() { close(); }

void PracticeWindow::Level_Activated(int index)
{
    plan_.setFixedLevel(index == 0 ? std::nullopt : std::optional<int>(index));
    setExercise(plan_.next());
}

void PracticeWindow::ArabicDigits_Toggled(bool checked)
{
    if (checked)
        numtext::setDigitShape(DigitShape::ArabicIndic);
}

void PracticeWindow::WesternDigits_Toggled(bool checked)
{
    if (checked)
        numtext::setDigitShape(DigitShape::Western);
}

void PracticeWindow::tellRecordNotice()
{
    const QString told = record_.takeNotice();
    if (!told.isEmpty())
        numtext::notice(told, numtext::style::Information | numtext::style::RightAlign, Title);
}

void PracticeWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Escape) {
            event->accept();
            close();
            return;
        }
        // Enter in the answer checks it; once the exercise is over, it sets
        // a new one.
        const bool onAnswer = focusWidget() == answer_ || focusWidget() == choice1_ || focusWidget() == choice2_;
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onAnswer) {
            event->accept();
            app::run([this] {
                if (done_)
                    NewExercise_Click();
                else
                    Check_Click();
            });
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

QWidget *openPracticeWindow(QWidget *sectionWindow, const QString &section)
{
    Q_UNUSED(sectionWindow);
    const std::uint64_t seed = seedGiven.value_or(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    auto *window = new PracticeWindow(section, programRecord(), seed);
    window->tellRecordNotice();
    return window;
}

} // namespace practice
