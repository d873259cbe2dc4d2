#pragma once
// The practice window "تمارين" of a section that computes: an exercise in
// Arabic, the pupil's answer checked kindly, hints taken from the worked
// solution one line at a time, the solution on demand, and every checked
// answer in the pupil's record before its feedback shows. It keeps the
// manners of the steps window: not modal, beside its section window, Escape
// closes it, everything reachable by keyboard and named for a screen reader.

#include "practice/mastery.h"
#include "practice/solutions.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTextStream;

namespace reference {
class FigureView;
class StepsView;
} // namespace reference

namespace practice {

class Record;

// The program's record of practice, one for the program, opened when first
// asked for (by the first practice window): in the folder given to
// useRecordFolder(), else Record::defaultFolder().
Record &programRecord();
// Where the program's record is kept from now on (an empty folder: the
// default). A record already open is closed first, so no practice window
// may be open then; tests point the record at a temporary folder, and close
// it with an empty one when done.
void useRecordFolder(const QString &folder);

// The seed of every practice window's exercises (`nabrosa --seed N`); none
// for a seed from the clock.
void setProgramSeed(std::optional<std::uint64_t> seed);
std::optional<std::uint64_t> programSeed();

// The progress window "تقدمي", where the program has one: a function that
// opens it beside a window. Without one the practice window has no button
// for it.
using ProgressOpener = void (*)(QWidget *beside);
void setProgressOpener(ProgressOpener opener);

class PracticeWindow : public QWidget {
    Q_OBJECT
public:
    // The exercises of a section (one of sections()) for a seed, the pupil's
    // earlier answers of it read from the record; the first exercise is set.
    PracticeWindow(const QString &section, Record &record, std::uint64_t seed);

    const QString &section() const { return section_; }
    const Exercise &exercise() const { return exercise_; }
    const numtext::Steps &solution() const { return solution_; }
    // The lines of the solution shown now (hints, or all of them).
    int linesShown() const;
    // What the pupil was told last, in the shape of the moment.
    QString feedback() const;

    // Says once, as a notice, what the record has to tell.
    void tellRecordNotice();

    void Check_Click();
    void Hint_Click();
    void Solution_Click();
    void NewExercise_Click();
    void Progress_Click();
    void Worksheet_Click();
    void CloseButton_Click();
    void Level_Activated(int index);
    void ArabicDigits_Toggled(bool checked);
    void WesternDigits_Toggled(bool checked);

signals:
    // The feedback label has just changed (the answer, when one was checked,
    // is in the record by then).
    void feedbackShown(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setExercise(Exercise exercise);
    void showLines(int count);
    void tell(const QString &westernText);
    void finish();
    void refreshTexts();
    QString pupil() const;
    QString answerText() const;

    QString section_;
    Record &record_;
    Plan plan_;
    Exercise exercise_;
    numtext::Steps solution_;
    int hintsShown_ = 0; // hint lines shown of this exercise
    int attempts_ = 0;   // answers checked of this exercise
    bool done_ = false;  // answered right, or its solution shown
    QString told_;       // the feedback, with Western digits

    QLabel *levelLabel_;
    QComboBox *level_;
    QRadioButton *arabicDigits_;
    QRadioButton *westernDigits_;
    QLabel *kind_;
    QLabel *question_;
    QLabel *answerLabel_;
    QLineEdit *answer_;
    QWidget *choices_;
    QButtonGroup *choiceGroup_;
    QRadioButton *choice1_;
    QRadioButton *choice2_;
    QPushButton *check_;
    QPushButton *hint_;
    QPushButton *showSolution_;
    QPushButton *newExercise_;
    QPushButton *progress_ = nullptr;
    QPushButton *worksheet_ = nullptr;
    reference::FigureView *figure_ = nullptr;
    QPushButton *closeButton_;
    QLabel *feedback_;
    QScrollArea *stepsArea_;
    reference::StepsView *steps_;
};

// Builds the practice window of a section for a section window, with the
// program's record and seed (the application's app::PracticeOpener).
QWidget *openPracticeWindow(QWidget *sectionWindow, const QString &section);

} // namespace practice
