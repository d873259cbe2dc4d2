#pragma once
// The steps window "خطوات الحل": the last calculation of a section window
// worked through line by line, each line set right to left by the typesetter
// of the laws pictures (exponents, fractions, radicals), with the digits in
// the shape the pupil chose. The window shows what it is given; who gives it
// the steps is the section window's business (kit/steps.h).

#include "numtext/digits.h"
#include "numtext/steps.h"
#include "typeset/figures.h"
#include "typeset/typeset.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QPushButton;
class QRadioButton;
class QScrollArea;

namespace reference {

// What the window says before the section window has worked anything.
QString noStepsText();

// One line of markup as plain Unicode text in a digit shape: a raised number
// becomes superscript digits (نق²), any other raised text "^(…)"; a stacked
// fraction "أ / ب", parenthesised where a side has more than one word; a
// radical "√(…)".
QString plainStepLine(const QString &markup, numtext::DigitShape shape);

// One line of markup as heard: a raised 2 as "تربيع", any other raised
// text "أس …", a stacked fraction "… على …", a radical "الجذر التربيعي ل…",
// then the numbers and signs in words (app::spokenText).
QString spokenStepLine(const QString &markup, numtext::DigitShape shape);

// The steps as plain Unicode text, one line a step and the failure last (a
// refused calculation: why, and the notice's text), every line opened by a
// right-to-left mark so that it reads right to left wherever it is pasted;
// before any calculation, noStepsText().
QString stepsText(const numtext::Steps &steps, numtext::DigitShape shape);

// The lines set one under another at the right, scrolled up and down by the
// window, never sideways: a line wider than the view goes on under itself,
// broken between its terms (before an operator or "="), set in from the
// right; a term wider than the view on its own is made smaller.
class StepsView : public QWidget {
    Q_OBJECT
public:
    explicit StepsView(QWidget *parent = nullptr);

    void setSteps(const numtext::Steps &steps);
    const numtext::Steps &steps() const { return steps_; }
    // The text the copy button copies.
    const QString &plainText() const { return plainText_; }
    // The lines laid out in the digit shape of the moment for the view's
    // width (made when first needed), the failure last; a broken line gives
    // one layout for each of its parts.
    const std::vector<FormulaLayout> &layouts() const;
    // Where each layout stands: the left end of its baseline.
    QList<QPointF> origins() const;

    // The width the lines take unbroken, and the height they take then.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    // The steps or their digits changed: plainText() is new.
    void textChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Up, Down, Home and End walk the lines for a screen reader.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The layouts of the lines within a width of room for them.
    struct Lines {
        qreal room = -1;
        std::vector<FormulaLayout> layouts;
        std::vector<bool> continued; // a part after the first of a broken line
    };
    void refresh();
    const Lines &linesFor(qreal room) const;
    static QSize sizeOf(const Lines &lines);

    numtext::Steps steps_;
    QString plainText_;
    mutable Lines natural_, fitted_;
};

// The picture of the problem the steps worked on (typeset/figures.h), drawn
// to the width it is given in the digit shape of the moment; laid out when
// first painted after a change. A screen reader hears it described: what it
// shows, its labels and its caption.
class FigureView : public QWidget {
    Q_OBJECT
public:
    explicit FigureView(QWidget *parent = nullptr);

    void setFigure(const numtext::Figure &figure);
    const numtext::Figure &figure() const { return figure_; }
    // The figure laid out for the view's size and the digits of the moment.
    const FigureLayout &figureLayout() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describe();

    numtext::Figure figure_;
    mutable FigureLayout layout_;
    mutable QSizeF laidFor_;
    mutable quint64 laidInShape_ = 0;
};

class StepsWindow : public QWidget {
    Q_OBJECT
public:
    StepsWindow();

    // The lines follow at once; the window keeps its size and they scroll.
    void setSteps(const numtext::Steps &steps);
    StepsView *view() const { return view_; }
    // The part "الشكل" above the steps, shown when the steps have a figure.
    QWidget *figurePart() const { return figurePart_; }
    FigureView *figureView() const { return figure_; }
    // Takes the size the steps need, within bounds, unless the pupil has
    // sized the window.
    void fitToSteps();

    void CopyButton_Click();
    void CloseButton_Click();
    // The digit choice, clicked or toggled (a screen reader's Toggle).
    void ArabicDigits_Toggled(bool checked);
    void WesternDigits_Toggled(bool checked);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void markShape();

    QSize fitted_;
    bool sizedByPupil_ = false;
    StepsView *view_;
    QWidget *figurePart_;
    FigureView *figure_;
    QScrollArea *area_;
    QRadioButton *arabicDigits_;
    QRadioButton *westernDigits_;
    QPushButton *copyButton_;
    QPushButton *closeButton_;
};

} // namespace reference
