#include "numtext/digits.h"

#include "numtext/mathruns.h"

#include <QLocale>

namespace numtext {

namespace {

constexpr char16_t ArabicLetterMark = u'\u061C';
constexpr char16_t LeftToRightMark = u'\u200E';
constexpr char16_t RightToLeftMark = u'\u200F';
constexpr char16_t ArabicDecimalSeparator = u'\u066B';
constexpr char16_t MinusSign = u'\u2212';

// The value of a digit of any of the three shapes, or -1.
int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'\u0660' && u <= u'\u0669')
        return u - u'\u0660';
    if (u >= u'\u06F0' && u <= u'\u06F9')
        return u - u'\u06F0';
    return -1;
}

bool isDecimalSeparator(QChar c) { return c == u'.' || c == u',' || c == QChar(ArabicDecimalSeparator); }
bool isMinus(QChar c) { return c == u'-' || c == QChar(MinusSign); }
bool isMark(QChar c) { return c == QChar(ArabicLetterMark) || c == QChar(LeftToRightMark); }

class Shaper {
public:
    Shaper(QStringView s, DigitShape shape) : s_(s), arabic_(shape == DigitShape::ArabicIndic) {}

    QString run()
    {
        out_.reserve(s_.size() + 8);
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            // The runs of a text shaped before are found afresh.
            if (c == LeftToRightIsolate || c == PopDirectionalIsolate) {
                ++i_;
                continue;
            }
            if (c == u'[' && skipColourName())
                continue;
            if (isMinus(c) && digitAt(i_ + 1) && !attached()) {
                signedNumber();
                continue;
            }
            if (digitAt(i_)) {
                number(i_, out_.size());
                continue;
            }
            out_ += c;
            ++i_;
        }
        return arabic_ ? out_ : isolateMathRuns(out_);
    }

private:
    bool digitAt(qsizetype k) const { return k >= 0 && k < s_.size() && digitValue(s_[k]) >= 0; }

    // A minus right after a letter, a digit or a closing bracket subtracts;
    // elsewhere it is the sign of the number it stands before.
    bool attached() const
    {
        if (i_ == 0)
            return false;
        const QChar before = s_[i_ - 1];
        return before.isLetterOrNumber() || before == u')' || before == u']' || before == u'}';
    }

    // "[colour:" and "[colour bold:" are copied as they are written.
    bool skipColourName()
    {
        const qsizetype colon = s_.indexOf(u':', i_);
        const qsizetype close = s_.indexOf(u']', i_);
        if (colon < 0 || (close >= 0 && close < colon))
            return false;
        out_ += s_.mid(i_, colon + 1 - i_);
        i_ = colon + 1;
        return true;
    }

    void digits()
    {
        for (; digitAt(i_); ++i_)
            out_ += QChar(char16_t((arabic_ ? u'\u0660' : u'0') + digitValue(s_[i_])));
    }

    // Whether a power of ten written for an exponent form needs brackets: a
    // division before it or an exponent after it would take only its last
    // factor.
    bool bracketed(qsizetype start, qsizetype end) const
    {
        qsizetype before = start - 1;
        while (before >= 0 && s_[before] == u' ')
            --before;
        const bool divided = before >= 0 && (s_[before] == u'÷' || s_[before] == u'/');
        return divided || (end < s_.size() && s_[end] == u'^');
    }

    // Digits, decimal separators between digits, and an exponent part. The
    // number's text starts at `from` in the input and `at` in the output.
    void number(qsizetype from, qsizetype at)
    {
        digits();
        while (i_ < s_.size() && isDecimalSeparator(s_[i_]) && digitAt(i_ + 1)) {
            out_ += arabic_ ? QChar(ArabicDecimalSeparator) : QChar(u'.');
            ++i_;
            digits();
        }
        if (i_ < s_.size() && s_[i_] == u'E') {
            const bool sign = i_ + 1 < s_.size() && (s_[i_ + 1] == u'+' || isMinus(s_[i_ + 1]));
            if (!digitAt(i_ + (sign ? 2 : 1)))
                return;
            const bool negative = sign && isMinus(s_[i_ + 1]);
            qsizetype end = i_ + (sign ? 2 : 1);
            while (digitAt(end))
                ++end;
            if (bracketed(from, end))
                out_.insert(at, u'(');
            else
                end = -1;
            out_ += arabic_ ? QStringLiteral(" × ١٠^{") : QStringLiteral(" × 10^{");
            if (negative) {
                if (arabic_)
                    out_ += QChar(ArabicLetterMark);
                out_ += QChar(MinusSign);
            }
            i_ += sign ? 2 : 1;
            // 1E-06 is ten to the power −6.
            while (digitAt(i_ + 1) && digitValue(s_[i_]) == 0)
                ++i_;
            digits();
            out_ += u'}';
            if (end >= 0)
                out_ += u')';
        }
    }

    void signedNumber()
    {
        // A text shaped before has its mark already: it is set afresh.
        if (!out_.isEmpty() && isMark(out_.back()))
            out_.chop(1);
        const qsizetype from = i_, at = out_.size();
        // In the 123 shape the signed number stands in the left-to-right run
        // of its line (numtext/mathruns.h).
        if (arabic_)
            out_ += QChar(ArabicLetterMark);
        // The sign is the minus sign, whichever of the two was written.
        out_ += QChar(MinusSign);
        ++i_;
        number(from, at);
        // The end of the hold a text shaped before gave its number.
        if (!arabic_ && i_ < s_.size() && s_[i_] == QChar(RightToLeftMark))
            ++i_;
    }

    QStringView s_;
    bool arabic_;
    qsizetype i_ = 0;
    QString out_;
};

} // namespace

DigitShape localeDigitShape(const QLocale &locale)
{
    if (locale.language() == QLocale::Arabic && locale.zeroDigit() == QStringLiteral("0"))
        return DigitShape::Western;
    return DigitShape::ArabicIndic;
}

QString shapeDigits(QStringView text, DigitShape shape) { return Shaper(text, shape).run(); }

QString westernDigits(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int value = digitValue(c);
        if (value >= 0)
            out += QChar(char16_t(u'0' + value));
        else if (c == QChar(ArabicDecimalSeparator))
            out += u'.';
        else
            out += c;
    }
    return out;
}

DigitShape defaultDigitShape() { return localeDigitShape(QLocale::system()); }

namespace {
DigitChoice *installed = nullptr;
}

DigitChoice::DigitChoice() : shape_(defaultDigitShape()) {}

DigitChoice::~DigitChoice()
{
    if (installed == this)
        installed = nullptr;
}

DigitChoice &DigitChoice::instance()
{
    if (!installed)
        qFatal("no digit choice is installed: the application context installs it");
    return *installed;
}

void DigitChoice::install(DigitChoice *choice) { installed = choice; }

void DigitChoice::setShape(DigitShape shape)
{
    if (shape == shape_)
        return;
    shape_ = shape;
    ++serial_;
    emit changed();
}

} // namespace numtext
