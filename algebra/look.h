#pragma once
// The look that the two algebra windows share: their bold box fonts, their
// heading box, and fitting a long text into the control that must show it
// whole.

#include "kit/controls.h"

#include <QFont>

class QLabel;
class QLineEdit;
class QWidget;

namespace algebra {

// The interface face, bold, at the given point size.
QFont boldFont(qreal points);

// The heading box la22 under the banner: the heading font in blue on white,
// made smaller where the text would not fit.
QLineEdit *headingBox(QWidget *parent, const QString &text);

// A label of several lines, its font made smaller where the text would not
// fit its rectangle.
QLabel *wrappedLabel(QWidget *parent, const char *name, const QString &text, app::Tw at);

// The colour of the control's text, as "#rrggbb".
void setTextColour(QWidget *control, const char *colour);

// Makes the font of the control smaller, in half points, until its text fits
// whole: on one line for a text box, wrapped within the label's rectangle for
// a label with word wrap. A text that already fits keeps its font.
void fitText(QLineEdit *box);
void fitText(QLabel *label);

} // namespace algebra
