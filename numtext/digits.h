#pragma once
// The shapes in which the formulas of the program show their digits: the
// worked steps and the laws pictures. A pupil chooses "١٢٣" or "123" in the
// steps window; the choice holds for the rest of the process and is kept
// nowhere. The result boxes are not concerned: they keep the number texts the
// rules of numtext.h read and write.

#include <QObject>
#include <QString>
#include <QStringView>

class QLocale;

namespace numtext {

enum class DigitShape {
    ArabicIndic, // ١٢٣٫٤٥, a minus sign before the number in reading order
    Western,     // 123.45, a minus sign at the left of the number
};

// The shape a locale writes its numbers in: an Arabic locale's own digits
// (Egypt and Saudi Arabia ١٢٣, Morocco, Algeria and Tunisia 123); any other
// locale gets the Arabic-Indic digits.
DigitShape localeDigitShape(const QLocale &locale);

// A line of formula markup, or a plain text, with its numbers in a shape:
//   - every digit (Western, Arabic-Indic or Extended Arabic-Indic) in the
//     shape's digits;
//   - a decimal separator between digits ('.', ',' or '٫') as the shape's
//     ('٫' or '.');
//   - the sign of a negative number (a minus directly before a digit, not
//     after a letter or digit), written as the minus sign U+2212, for ١٢٣
//     after an Arabic letter mark so that it stands before the number in
//     reading order, wherever the text is set or pasted;
//   - for 123, every run of mathematics held left to right as a whole
//     (numtext/mathruns.h): "البسط = 18 − 4" reads 18 − 4, 10^{−6} has its
//     exponent at its right;
//   - the exponent form of the general number format written as a power of
//     ten, without the exponent's leading zeros: 1.5E+15 as ١٫٥ × ١٠^{١٥} or
//     1.5 × 10^{15}, 2E-06 as ٢ × ١٠^{-٦}; in brackets after a division sign
//     or before an exponent. (A letter E in a right-to-left line would also
//     turn the numbers around it: 1E-06 ÷ 1000 would read 1000 ÷ 1E-06.)
// The colour names of the markup are left as they are.
QString shapeDigits(QStringView text, DigitShape shape);

// The text with every digit (Arabic-Indic or Extended Arabic-Indic) as a
// Western digit and the Arabic decimal separator '٫' as '.'; the rest as it is.
QString westernDigits(QStringView text);

// The choice of shape for the life of the process. The application context
// owns it and installs it here, as it installs the notice presenter.
class DigitChoice : public QObject {
    Q_OBJECT
public:
    // Starts with the default shape (defaultDigitShape()).
    DigitChoice();
    ~DigitChoice() override;

    // The installed choice; showing digits with none installed is a fault of
    // the program.
    static DigitChoice &instance();
    // Installs the choice used from now on (not owned); nullptr for none.
    static void install(DigitChoice *choice);

    DigitShape shape() const { return shape_; }
    // Changes the shape; whoever shows digits hears changed() and lays out
    // again. Choosing the shape already chosen changes nothing.
    void setShape(DigitShape shape);
    // Grows by one with every change, for whoever keeps a layout made in
    // the shape of the moment.
    quint64 serial() const { return serial_; }

signals:
    void changed();

private:
    DigitShape shape_;
    quint64 serial_ = 0;
};

// The shape the process starts with: the system locale's (localeDigitShape).
DigitShape defaultDigitShape();

inline DigitShape digitShape() { return DigitChoice::instance().shape(); }
inline void setDigitShape(DigitShape shape) { DigitChoice::instance().setShape(shape); }
// The text in the shape chosen now.
inline QString shownDigits(QStringView text) { return shapeDigits(text, digitShape()); }

} // namespace numtext
