#pragma once
// The door between a section window that computes and its practice window
// "تمارين": the F3 key and a small button "تمرّن" beside the button of the
// worked steps, covering nothing.
//
//     // once, when the window is built, after offerSteps()
//     app::offerPractice(this, QStringLiteral("areas"));
//
// The practice windows rank after the section windows: the application gives
// the kit the function that builds one (setPracticeOpener) when it starts,
// and nothing of practice is built before the pupil opens it.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class QWidget;

namespace app {

// Builds the practice window of a section (one of practice::sections():
// "arithmetic", "areas", ...) for a section window. The door owns it: it goes
// with the section window and hides with it.
using PracticeOpener = QWidget *(*)(QWidget *sectionWindow, const QString &section);
void setPracticeOpener(PracticeOpener opener);
PracticeOpener practiceOpener();

class PracticeDoor : public QObject {
    Q_OBJECT
public:
    // A child of the section window.
    PracticeDoor(QWidget *window, QString section);
    ~PracticeDoor() override;

    QWidget *window() const;
    const QString &section() const { return section_; }

    // Shows the practice window (built on first use) beside the section
    // window and brings it forward. Nothing happens when the program has
    // no practice windows (no opener).
    void open();
    // The practice window, when it has been opened.
    QWidget *practiceWindow() const { return practiceWindow_; }

    void Form_F3();
    void PracticeButton_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString section_;
    QPointer<QWidget> practiceWindow_;
};

// Gives a section window the ways to open its practice window: the F3 key
// and a button "تمرّن" beside its steps button (stepsButtonPlace() when it
// has none). Returns the window's door.
PracticeDoor *offerPractice(QWidget *window, const QString &section);

// The place of the practice button: level with the steps button, at its left
// (after it, reading right to left), as wide as its word needs.
QRect practiceButtonPlace(const QWidget *window);

// The practice door of a window that offers practice, or nullptr.
PracticeDoor *practiceOf(const QWidget *window);

} // namespace app
