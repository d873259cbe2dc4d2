#include "practice/answers.h"

#include "numtext/digits.h"

#include <cmath>
#include <numeric>

namespace practice {

const QString RightText = QStringLiteral("أحسنت!");
const QString WrongText = QStringLiteral("ليست صحيحة، حاول مرة أخرى");
const QString SimplifyText = QStringLiteral("قريب: بسّط الكسر");
const QString NotAnswerText = QStringLiteral("اكتب عددا مثل ١٢٫٥ أو ٣/٤");
const QString NoSolutionText = QStringLiteral("لا يوجد حل");

namespace {

// The longest whole part read, and the most decimals kept (more are cut:
// they cannot change a verdict on the short numbers of an exercise).
constexpr int MostWholeDigits = 15;
constexpr int MostDecimals = 12;

// Western digits, '.' for ٫, '-' for the minus sign, ';' for the Arabic
// comma; the marks of writing direction left out; spaces run together.
QString normalized(const QString &text)
{
    QString out;
    for (const QChar ch : numtext::westernDigits(text)) {
        const char16_t u = ch.unicode();
        if (u == u'−' || u == u'–')
            out += QLatin1Char('-');
        else if (u == u'،' || u == u'؛')
            out += QLatin1Char(';');
        else if (u == u'⁄' || u == u'÷')
            out += QLatin1Char('/');
        else if (u == 0x200E || u == 0x200F || u == 0x061C || (u >= 0x202A && u <= 0x202E)
                 || (u >= 0x2066 && u <= 0x2069) || u == 0x0640)
            continue;
        else if (ch.isSpace())
            out += QLatin1Char(' ');
        else
            out += ch;
    }
    return out.simplified();
}

bool isDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }

struct Scanner {
    const QString &s;
    qsizetype p = 0;

    bool atEnd() const { return p >= s.size(); }
    QChar peek() const { return atEnd() ? QChar() : s[p]; }
    void spaces()
    {
        while (peek() == u' ')
            ++p;
    }
    // Whole digits; none read gives nothing.
    std::optional<QString> digits()
    {
        const qsizetype start = p;
        while (isDigit(peek()))
            ++p;
        if (p == start)
            return std::nullopt;
        return s.mid(start, p - start);
    }
};

std::optional<std::int64_t> whole(const QString &digits)
{
    QString d = digits;
    while (d.size() > 1 && d.startsWith(QLatin1Char('0')))
        d.remove(0, 1);
    if (d.size() > MostWholeDigits)
        return std::nullopt;
    return d.toLongLong();
}

struct Number {
    Rational value;
    int decimals = 0;   // -1 for a fraction
    bool mixed = false; // written as a whole number and a fraction
    std::int64_t wholePart = 0, numerator = 0, denominator = 1;
    bool unsimplified = false;
};

// One number: a decimal, a fraction n/d or a mixed number w و n/d, with a
// sign before it.
std::optional<Number> readNumber(Scanner &in)
{
    bool negative = false;
    if (in.peek() == u'-' || in.peek() == u'+') {
        negative = in.peek() == u'-';
        ++in.p;
        in.spaces();
    }
    const auto integral = in.digits();
    std::optional<QString> fraction;
    if (in.peek() == u'.') {
        ++in.p;
        fraction = in.digits();
        if (!integral && !fraction)
            return std::nullopt;
    } else if (!integral) {
        return std::nullopt;
    }
    const auto wholeValue = whole(integral.value_or(QStringLiteral("0")));
    if (!wholeValue)
        return std::nullopt;
    Number n;
    const qsizetype afterNumber = in.p;
    if (!fraction) {
        // A fraction or a mixed number may follow a whole number.
        in.spaces();
        bool mixed = false;
        if (in.peek() == u'و') {
            ++in.p;
            in.spaces();
            mixed = true;
        }
        auto numerator = mixed ? in.digits() : std::optional<QString>(integral);
        if (mixed && numerator)
            in.spaces();
        if (numerator && in.peek() == u'/') {
            ++in.p;
            in.spaces();
            const auto denominatorDigits = in.digits();
            const auto top = whole(*numerator);
            const auto bottom = denominatorDigits ? whole(*denominatorDigits) : std::nullopt;
            if (!top || !bottom || *bottom == 0)
                return std::nullopt;
            n.mixed = mixed;
            n.wholePart = mixed ? *wholeValue : 0;
            n.numerator = *top;
            n.denominator = *bottom;
            n.value = Rational(n.wholePart) + Rational(*top, *bottom);
            n.decimals = -1;
            n.unsimplified = std::gcd(*top, *bottom) != 1 || *bottom == 1 || (mixed && *top >= *bottom);
            if (negative)
                n.value = -n.value;
            return n;
        }
        if (mixed)
            return std::nullopt; // "٢ و" with no fraction after it
        in.p = afterNumber;
    }
    QString decimals = fraction.value_or(QString());
    if (decimals.size() > MostDecimals)
        decimals.truncate(MostDecimals);
    const int places = static_cast<int>(decimals.size());
    std::int64_t scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    if (*wholeValue > INT64_MAX / scale / 10)
        return std::nullopt;
    n.value = Rational(*wholeValue * scale + (decimals.isEmpty() ? 0 : decimals.toLongLong()), scale);
    n.decimals = places;
    if (negative)
        n.value = -n.value;
    return n;
}

// The numbers of a text whose separators are ';', spaces, and ',' (every
// ',' left in the text is a separator).
std::optional<QList<Number>> readNumbers(const QString &text)
{
    Scanner in{text};
    QList<Number> numbers;
    in.spaces();
    while (!in.atEnd()) {
        const auto n = readNumber(in);
        if (!n)
            return std::nullopt;
        numbers.append(*n);
        const qsizetype end = in.p;
        in.spaces();
        if (in.peek() == u';' || in.peek() == u',') {
            ++in.p;
            in.spaces();
            if (in.atEnd())
                return std::nullopt; // "3،"
        } else if (!in.atEnd() && in.p == end) {
            return std::nullopt; // "12abc"
        }
    }
    if (numbers.isEmpty())
        return std::nullopt;
    return numbers;
}

Reading reading(const QList<Number> &numbers)
{
    Reading r;
    for (const Number &n : numbers) {
        r.numbers.append(n.value);
        r.decimals.append(n.decimals);
        r.unsimplified = r.unsimplified || n.unsimplified;
    }
    return r;
}

// The pupil's number simplified, in the way it was written.
QString simplified(const Number &n)
{
    if (!n.mixed)
        return fractionText(n.value);
    const Rational magnitude = n.value.sign() < 0 ? -n.value : n.value;
    const std::int64_t w = magnitude.numerator() / magnitude.denominator();
    const Rational rest = magnitude - Rational(w);
    QString text = (n.value.sign() < 0 ? QStringLiteral("-") : QString()) + QString::number(w);
    if (!(rest == 0))
        text += QStringLiteral(" و ") + fractionText(rest);
    return text;
}

bool matches(const Rational &typed, int decimals, const Rational &answer, double truth, std::optional<int> round)
{
    if (!round || (decimals >= 0 && decimals <= *round))
        return typed == answer;
    if (!(roundHalfUp(typed, *round) == answer))
        return false;
    if (decimals < 0)
        return true; // a fraction that rounds to the answer
    // More digits than asked: right when they are the true value's, to one
    // unit of the last digit written.
    return std::abs(typed.toDouble() - truth) <= std::pow(10.0, -decimals) * (1 + 1e-6);
}

} // namespace

QList<Reading> readAnswer(const QString &text)
{
    // A unit written after the number is no reason to refuse it.
    static const QStringList units{QStringLiteral("سم³"),     QStringLiteral("سم²"),  QStringLiteral("سم"),
                                   QStringLiteral("درجات"),   QStringLiteral("درجة"), QStringLiteral("°"),
                                   QStringLiteral("راديان"),  QStringLiteral("كلفن"), QStringLiteral("فهرنهايت"),
                                   QStringLiteral("سيلزيوس"), QStringLiteral("وحدة")};
    QString t = normalized(text);
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const QString &unit : units)
            if (t.size() > unit.size() && t.endsWith(unit)) {
                t = t.chopped(unit.size()).trimmed();
                stripped = true;
            }
    }
    if (t.isEmpty())
        return {};
    if (t == NoSolutionText || t == QStringLiteral("لا يوجد") || t == QStringLiteral("لا حل")) {
        Reading r;
        r.noSolution = true;
        return {r};
    }
    QList<Reading> readings;
    // A comma between digits: first as a decimal mark, then as a separator.
    QString decimalComma = t;
    for (qsizetype i = 1; i + 1 < decimalComma.size(); ++i)
        if (decimalComma[i] == u',' && isDigit(decimalComma[i - 1]) && isDigit(decimalComma[i + 1]))
            decimalComma[i] = QLatin1Char('.');
    if (decimalComma != t)
        if (const auto numbers = readNumbers(decimalComma))
            readings.append(reading(*numbers));
    if (const auto numbers = readNumbers(t))
        readings.append(reading(*numbers));
    return readings;
}

Judgement judge(const Exercise &e, const QString &text, numtext::DigitShape shape)
{
    const auto told = [shape](Verdict v, const QString &message) {
        return Judgement{v, numtext::shapeDigits(message, shape)};
    };
    if (e.words) {
        const QString t = normalized(text);
        const bool saysNot = t.contains(QStringLiteral("غير"));
        const QStringList words{QStringLiteral("زوجي"), QStringLiteral("فردي"), QStringLiteral("أولي"),
                                QStringLiteral("اولي")};
        const bool known = std::any_of(words.begin(), words.end(), [&](const QString &w) { return t.contains(w); });
        if (!known)
            return {Verdict::NotAnswer, NotAnswerText};
        const bool primeAnswer = e.answer.contains(QStringLiteral("أولي"));
        bool right = false;
        if (primeAnswer)
            right = (t.contains(QStringLiteral("أولي")) || t.contains(QStringLiteral("اولي")))
                    && saysNot == e.answer.contains(QStringLiteral("غير"));
        else
            right = t.contains(e.answer) && !saysNot;
        return right ? told(Verdict::Right, RightText) : told(Verdict::Wrong, WrongText);
    }
    const QList<Reading> readings = readAnswer(text);
    if (readings.isEmpty())
        return {Verdict::NotAnswer, NotAnswerText};
    Judgement best{Verdict::Wrong, WrongText};
    const QString normalizedText = normalized(text);
    for (const Reading &r : readings) {
        if (r.noSolution || e.noSolution) {
            if (r.noSolution && e.noSolution)
                return told(Verdict::Right, RightText);
            continue;
        }
        if (r.numbers.size() != e.values.size())
            continue;
        // The roots in any order: the pupil's i-th number against the
        // answer's order[i]-th.
        QList<int> order(e.values.size());
        std::iota(order.begin(), order.end(), 0);
        bool right = false;
        do {
            bool all = true;
            for (qsizetype i = 0; i < order.size() && all; ++i)
                all = matches(r.numbers[i], r.decimals[i], e.values[order[i]], e.exact[order[i]], e.round);
            right = all;
        } while (!right && std::next_permutation(order.begin(), order.end()));
        if (!right)
            continue;
        if (!r.unsimplified)
            return told(Verdict::Right, RightText);
        if (e.lowestTerms) {
            best = told(Verdict::Simplify, SimplifyText);
            continue;
        }
        // Say how the pupil's own numbers simplify, in the way they were written.
        QStringList parts;
        QString t = normalizedText;
        for (qsizetype i = 0; i < t.size(); ++i)
            if (t[i] == u',' && i > 0 && i + 1 < t.size() && isDigit(t[i - 1]) && isDigit(t[i + 1]))
                t[i] = QLatin1Char('.');
        if (const auto numbers = readNumbers(t); numbers && numbers->size() == r.numbers.size())
            for (const Number &n : *numbers)
                parts.append(simplified(n));
        else
            for (const Rational &v : r.numbers)
                parts.append(fractionText(v));
        best = told(Verdict::RightCanSimplify,
                    QStringLiteral("صحيح، ويمكن تبسيطه إلى ") + parts.join(QStringLiteral("، ")));
    }
    return best;
}

} // namespace practice
