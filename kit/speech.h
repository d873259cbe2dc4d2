#pragma once
// What a screen reader says: texts written for the ear, the announcement of
// a result, and the accessible side of the text boxes.
//
// A calculate handler announces its result once, after writing it:
//
//     app::announce(this, app::spokenResult(tc3));
//
// The screen reader hears "المساحة تساوي ١٩ فاصلة ٦ ٣ ٤ ٩ ٥" without the focus
// leaving the control the pupil is on.

#include <QList>
#include <QObject>
#include <QString>

class QAbstractButton;
class QAccessibleInterface;
class QLineEdit;
class QWidget;

namespace app {

// A text as it is meant to be heard (speech synthesizers read the written
// signs badly, or in another language):
//   - without the stretching character ـ (spelled out letter by letter) and
//     the direction marks;
//   - a decimal number with its mark as the word فاصلة and the digits after
//     it one by one (١٩ فاصلة ٦ ٣ ٤ ٩ ٥), the exponent form as ضرب عشرة أس;
//   - the signs of a formula in words: − ناقص, + زائد, × ضرب, ÷ and / على,
//     = يساوي, ≈ تقريبا, √ الجذر التربيعي ل, ² تربيع, ³ and the other raised
//     digits أس ثلاثة; brackets are left out.
QString spokenText(const QString &text);

// A text without the stretching character ـ and the direction marks, the
// article written apart ("الـ جتا") joined to its word, and nothing else
// changed (names, captions).
QString withoutStretching(const QString &text);

// A result box as heard: its name and its value ("المساحة تساوي ٢").
QString spokenResult(const QLineEdit *box);

// Says a text once, through the screen reader, without moving the focus: a
// notification of the window of `from` (its status line), which every screen
// reader speaks when it appears. A newer toolkit's announcement event can
// take its place here alone.
void announce(QWidget *from, const QString &text);

// Every announcement as it is made, for whoever follows them (the tests).
class Announcements : public QObject {
    Q_OBJECT
public:
    static Announcements &instance();
signals:
    void announced(QWidget *window, const QString &text);
};

// A control that shows lines for the pupil to walk one by one (the worked
// steps, a laws picture): a screen reader meets it as a list whose items are
// the lines as heard, and Up, Down, Home and End move along it, each line
// spoken as it is reached. The control names its lines and keeps its place.
void setSpokenLines(QWidget *control, const QStringList &lines);
QStringList spokenLines(const QWidget *control);
int currentLine(const QWidget *control);
// Moves along the lines for a key; false when the key is not one of them.
bool moveAlongLines(QWidget *control, int key);

// The options of one list, headed by the control above them (an instruction
// line, a label): a screen reader says the heading as the focus enters the
// list from another control, and not again at each move inside it. (The
// options report the heading as their label only while the focus has just
// come in: the toolkit does not tell a screen reader which options belong
// together.)
void setListHeading(const QList<QAbstractButton *> &options, QWidget *heading);

// The accessible interfaces that the kit gives its own way: text boxes whose
// text attributes span the whole text (so that a screen reader reads the
// last character), the status line and its notification, the controls
// with spoken lines, the options, the notice boxes. nullptr for any other
// object.
QAccessibleInterface *speechAccessible(QObject *object);

} // namespace app
