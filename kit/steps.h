#pragma once
// The door between a section window and its worked steps. The window keeps a
// StepsSource, records every calculation through it and offers the pupil the
// ways to open the steps window:
//
//     // once, when the window is built
//     steps_ = app::offerSteps(this, {tc3});
//
//     // in a calculate handler, after the empty-field checks
//     steps_->record([&](numtext::Steps &s) { tc3->setText(format(circleArea(r, s))); });
//
// A handler that stops at a notice that refuses the calculation (an empty
// box, a negative number under a root) says so, with the notice's text, in
// place of the last steps: inside record() through the steps it is given,
// before it through the source:
//
//     emptyFieldNotice(text, style);
//     steps_->refuse(numtext::Refusal::EmptyBox, text);   // or s.refuse(...)
//
// A computation failure inside record() publishes the steps written up to
// it, with the failure's text, and goes on to the dispatcher as before.

#include "numtext/steps.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <initializer_list>
#include <utility>

class QLineEdit;
class QPushButton;
class QWidget;

namespace reference {
class StepsWindow;
}

namespace app {

class StepsSource : public QObject {
    Q_OBJECT
public:
    // The steps of a section window; a child of it, gone with it (and its
    // steps window with it), its steps window hidden when it is hidden.
    explicit StepsSource(QWidget *window);
    ~StepsSource() override;

    QWidget *window() const;
    // The steps of the last calculation; empty before any.
    const numtext::Steps &last() const { return last_; }

    // Replaces the last steps, and the steps window's lines at once. Empty
    // steps (a calculation that worked nothing) replace nothing.
    void publish(numtext::Steps steps);

    // Publishes that a calculation was refused, and why (numtext::Steps::refuse).
    void refuse(numtext::Refusal kind, const QString &noticeText = QString());

    // Runs a calculation that writes its steps, and publishes them.
    template <class Calculation> void record(Calculation &&calculation)
    {
        numtext::Steps steps;
        try {
            std::forward<Calculation>(calculation)(steps);
        } catch (const numtext::ComputationFailure &failure) {
            steps.fail(failure.kind());
            publish(std::move(steps));
            throw;
        }
        publish(std::move(steps));
    }

    // Shows the steps window (built on first use) beside the section
    // window, and brings it forward.
    void open();
    // The steps window, when it has been opened.
    reference::StepsWindow *stepsWindow() const;

    // A result box offers the steps in its context menu and on a double-click.
    void offerOn(QLineEdit *resultBox);

    // How the pupil opens the steps.
    void Form_F2();
    void StepsButton_Click();
    void ShowSteps_Click();
    void ResultBox_DblClick();

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    numtext::Steps last_;
    QPointer<reference::StepsWindow> stepsWindow_;
};

// Gives a section window every way to open its steps: the F2 key, an item
// "اعرض خطوات الحل" in each result box's context menu, a double-click on a
// result box, and a small button "خطوات الحل" at the given place (pixels,
// in the window; stepsButtonPlace() when none is given), where it covers no
// other control. Returns the window's steps source.
StepsSource *offerSteps(QWidget *window, std::initializer_list<QLineEdit *> resultBoxes, QRect controlAt = QRect());

// The place of a section window's steps button, where no window places it
// itself: centred across the window, under the word of its banner.
QRect stepsButtonPlace(const QWidget *window);

// The steps source of a window that offers its steps, or nullptr.
StepsSource *stepsOf(const QWidget *window);

// Where a window opens beside another: at its left when the screen has room
// there, else at its right, level with its top; the side that a shown window
// of the program already covers is left to it when the other side has room.
QPoint besideWindow(const QWidget *own, const QWidget *beside);

} // namespace app
