#pragma once
// Building controls at their twips positions with their names, captions,
// tooltips and accessible names, the same way in every window.

#include <QFont>
#include <QLabel>
#include <QRadioButton>
#include <QRect>

#include <functional>
#include <initializer_list>

class QFrame;
class QLineEdit;
class QPushButton;

namespace app {

// A label that acts on a click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// An option of a list. A pupil chooses it with a click, the space bar, the
// arrow keys or a screen reader's action; every such choice emits chosen()
// exactly once, and a click on the option already chosen chooses it again.
// A window that moves the mark itself (to put back an earlier choice) uses
// setMarked(), which chooses nothing.
class Option : public QRadioButton {
    Q_OBJECT
public:
    Option(const QString &text, QWidget *parent);
    void setMarked(bool marked);
signals:
    void chosen();

protected:
    void nextCheckState() override;
    // The arrow keys go to the window, which moves along the list in its
    // order and chooses (the toolkit moves by position, and chooses only
    // when the option left was chosen).
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool quiet_ = false; // inside a click, whose own signal chooses, or inside setMarked()
};

// The interface font, and the heading font of instruction lines and heading
// boxes (a bold Naskh face at 12 points).
QFont interfaceFont();
QFont headingFont();

// The colour of a control's own text (a label's or a button's caption),
// through its palette: a style sheet would put the control under the style
// sheet style, slower to set up and to paint.
void textColour(QWidget *w, const QColor &colour);

// Geometry arguments are twips: left, top, width, height.
struct Tw {
    int x, y, w, h;
};

QLabel *label(QWidget *parent, const char *name, const QString &text, Tw at, const QString &tip = QString());
ClickLabel *clickLabel(QWidget *parent, const char *name, const QString &text, Tw at, const QString &tip = QString());
QPushButton *button(QWidget *parent, const char *name, const QString &text, Tw at, const QString &tip = QString());
Option *option(QWidget *parent, const char *name, const QString &text, Tw at);
// A text box with its text centred; the accessible name is the caption of the
// label that names it.
QLineEdit *edit(QWidget *parent, const char *name, Tw at, const QString &caption, const QString &text = QString());
QLineEdit *readOnlyEdit(QWidget *parent, const char *name, Tw at, const QString &caption,
                        const QString &text = QString());
// A read-only line in the heading font (instruction lines, heading boxes).
QLineEdit *headingLine(QWidget *parent, const char *name, Tw at, const QString &text = QString());

// Makes the control's font smaller, in half points down to 7 points, until
// the text fits: on one line within `room` pixels, or as `fits` judges.
void fitWidth(QWidget *control, const QString &text, int room);
void shrinkFont(QWidget *control, const std::function<bool(const QFontMetrics &)> &fits);

// A decorative sunken rectangle that frames an area of the window, behind its
// controls; it has no behaviour.
QFrame *rectangle(QWidget *parent, Tw at, const char *name = nullptr);

// Sets the tab order to the given sequence.
void tabOrder(std::initializer_list<QWidget *> chain);

} // namespace app
