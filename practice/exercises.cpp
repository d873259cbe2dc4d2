#include "practice/exercises.h"

#include "numtext/digits.h"

#include <QHash>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <numbers>
#include <numeric>
#include <stdexcept>

namespace practice {

// ---- Exact fractions --------------------------------------------------------

namespace {

using Wide = __int128;

std::int64_t narrow(Wide value)
{
    if (value > INT64_MAX || value < -INT64_MAX)
        throw std::overflow_error("practice: a number of an exercise is out of range");
    return static_cast<std::int64_t>(value);
}

Rational reduced(Wide num, Wide den)
{
    if (den == 0)
        throw std::domain_error("practice: a division by zero in an exercise");
    if (den < 0) {
        num = -num;
        den = -den;
    }
    Wide a = num < 0 ? -num : num, b = den;
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    if (a > 1) {
        num /= a;
        den /= a;
    }
    return Rational(narrow(num), narrow(den));
}

std::int64_t power10(int places)
{
    std::int64_t p = 1;
    for (int i = 0; i < places; ++i)
        p *= 10;
    return p;
}

} // namespace

Rational::Rational(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator == 0)
        throw std::domain_error("practice: a fraction with denominator 0");
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const std::int64_t g = std::gcd(numerator, denominator);
    num_ = g > 1 ? numerator / g : numerator;
    den_ = g > 1 ? denominator / g : denominator;
}

Rational Rational::decimal(std::int64_t mantissa, int places) { return Rational(mantissa, power10(places)); }

bool Rational::isTerminating() const
{
    std::int64_t d = den_;
    while (d % 2 == 0)
        d /= 2;
    while (d % 5 == 0)
        d /= 5;
    return d == 1;
}

Rational operator+(const Rational &a, const Rational &b)
{
    return reduced(Wide(a.num_) * b.den_ + Wide(b.num_) * a.den_, Wide(a.den_) * b.den_);
}
Rational operator-(const Rational &a, const Rational &b) { return a + (-b); }
Rational operator*(const Rational &a, const Rational &b)
{
    return reduced(Wide(a.num_) * b.num_, Wide(a.den_) * b.den_);
}
Rational operator/(const Rational &a, const Rational &b)
{
    return reduced(Wide(a.num_) * b.den_, Wide(a.den_) * b.num_);
}
bool operator<(const Rational &a, const Rational &b) { return Wide(a.num_) * b.den_ < Wide(b.num_) * a.den_; }

Rational roundHalfUp(const Rational &value, int places)
{
    const Wide scaled = Wide(value.numerator()) * power10(places);
    const Wide den = value.denominator();
    const Wide magnitude = scaled < 0 ? -scaled : scaled;
    Wide q = magnitude / den;
    if ((magnitude % den) * 2 >= den)
        ++q;
    return reduced(scaled < 0 ? -q : q, power10(places));
}

QString decimalText(const Rational &value)
{
    if (!value.isTerminating())
        return fractionText(value);
    int places = 0;
    while ((Wide(value.numerator()) * power10(places)) % value.denominator() != 0)
        ++places;
    const Wide scaled = Wide(value.numerator()) * power10(places) / value.denominator();
    const Wide magnitude = scaled < 0 ? -scaled : scaled;
    QString digits = QString::number(static_cast<qulonglong>(magnitude));
    if (places > 0) {
        while (digits.size() <= places)
            digits.prepend(QLatin1Char('0'));
        digits.insert(digits.size() - places, QLatin1Char('.'));
    }
    return (scaled < 0 ? QStringLiteral("-") : QString()) + digits;
}

QString fractionText(const Rational &value)
{
    if (value.isWhole())
        return QString::number(value.numerator());
    return QString::number(value.numerator()) + QLatin1Char('/') + QString::number(value.denominator());
}

QString exactText(const Rational &value) { return value.isTerminating() ? decimalText(value) : fractionText(value); }

// ---- Making exercises -------------------------------------------------------

namespace {

// splitmix64: the same numbers from the same seed with every compiler and
// standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number from lo to hi, both included.
    std::int64_t between(std::int64_t lo, std::int64_t hi)
    {
        const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
        return lo + static_cast<std::int64_t>(next() % span);
    }
    bool chance() { return (next() & 1U) != 0; }
    template <class T> const T &pick(std::initializer_list<T> items)
    {
        return *(items.begin() + between(0, static_cast<std::int64_t>(items.size()) - 1));
    }

private:
    std::uint64_t state_;
};

// A short decimal of a level: 1 whole from lo to hi; 2 one decimal place;
// 3 two decimal places (its magnitude a little larger).
Rational amount(Random &r, int level, std::int64_t lo, std::int64_t hi)
{
    switch (level) {
    case 1:
        return r.between(lo, hi);
    case 2:
        return Rational::decimal(r.between(lo * 10 + 1, hi * 10), 1);
    default:
        return Rational::decimal(r.between(lo * 100 + 1, hi * 500), 2);
    }
}


// The exercise being made, with what its generator fills in.
struct Making {
    Exercise &e;
    Random &r;
    Rational pi; // the π the exercise asks for

    void give(const QString &key, const Rational &value) { e.given.append({key, value}); }
    QString n(const QString &key) const { return decimalText(e.number(key)); }
    // The answer is this exact value; one with more than two decimals is
    // rounded to two when its decimals do not end, when they are more than
    // four, or at level 3.
    void answerValue(const Rational &value, double truth)
    {
        const bool longDecimals = !(roundHalfUp(value, 4) == value);
        const bool shortDecimals = roundHalfUp(value, 2) == value;
        if (!shortDecimals && (e.level == 3 || !value.isTerminating() || longDecimals))
            e.round = 2;
        const Rational shown = e.round ? roundHalfUp(value, *e.round) : value;
        e.values = {shown};
        e.exact = {truth};
        e.answer = decimalText(shown);
    }
    void answerValue(const Rational &value) { answerValue(value, value.toDouble()); }
    // An irrational value (a root, a trigonometric function), always rounded
    // to two places.
    void answerRounded(double truth)
    {
        e.round = 2;
        const double scaled = std::round(truth * 100);
        const Rational shown = Rational(static_cast<std::int64_t>(scaled), 100);
        e.values = {shown};
        e.exact = {truth};
        e.answer = decimalText(shown);
    }
};

// Whether a value is so near a half at the third decimal that the double
// computing it could round either way; such a number is not given.
bool nearHalf(double value)
{
    const double scaled = std::abs(value) * 100;
    return std::abs(scaled - std::floor(scaled) - 0.5) < 1e-6;
}

const QString RoundTwo = QStringLiteral(" قرّب الناتج إلى منزلتين عشريتين.");

using Maker = std::function<void(Making &)>;

struct Kind {
    QString name;
    Maker make;
};

// ---- arithmetic

// A negative number after an operation sign, in brackets.
QString bracketed(const Rational &value, const QString &text)
{
    return value.sign() < 0 ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}

void operation(Making &m, QChar sign)
{
    Rational a, b;
    const int level = m.e.level;
    if (sign == QChar(u'÷')) {
        if (level == 3) {
            a = amount(m.r, 3, 1, 60) * (m.r.chance() ? 1 : -1);
            b = amount(m.r, 3, 1, 8) * (m.r.chance() ? 1 : -1);
        } else {
            b = amount(m.r, level, 2, 9);
            a = b * Rational(m.r.between(2, 12));
        }
    } else {
        do {
            a = amount(m.r, level, 1, level == 3 ? 100 : 20);
            b = amount(m.r, level, 1, level == 3 ? 100 : 20);
            if (level == 3 && m.r.chance())
                b = -b;
            if (sign == QChar(u'−') && level < 3 && a < b)
                std::swap(a, b);
        } while (a == b);
    }
    m.give(QStringLiteral("a"), a);
    m.give(QStringLiteral("b"), b);
    Rational value = sign == QChar(u'+') ? a + b : sign == QChar(u'−') ? a - b : sign == QChar(u'×') ? a * b : a / b;
    m.e.question = QStringLiteral("احسب: %1 %2 %3").arg(m.n(QStringLiteral("a")), sign, bracketed(b, decimalText(b)));
    m.answerValue(value);
    if (m.e.round)
        m.e.question += QLatin1Char('.') + RoundTwo;
}

// ---- geometry

// A length of a figure: never zero.
Rational length(Making &m, std::int64_t hi = 12) { return amount(m.r, m.e.level, 1, m.e.level == 3 ? hi * 3 : hi); }

void finish(Making &m, const QString &question, const Rational &value, bool pi = false)
{
    const QString usePi =
        QStringLiteral(" (استعمل ط = %1)").arg(m.pi.isTerminating() ? decimalText(m.pi) : fractionText(m.pi));
    m.e.question = question + (pi ? usePi : QString()) + QLatin1Char('.');
    m.answerValue(value);
    if (m.e.round)
        m.e.question += RoundTwo;
}

Kind figure(const QString &name, const QString &text, const QStringList &keys, bool pi,
            const std::function<Rational(const QList<Rational> &, const Rational &)> &value)
{
    return {name, [=](Making &m) {
                QList<Rational> numbers;
                QStringList args;
                for (const QString &key : keys) {
                    numbers.append(length(m));
                    m.give(key, numbers.last());
                    args.append(decimalText(numbers.last()));
                }
                if (pi)
                    m.give(QStringLiteral("pi"), m.pi);
                QString q = text;
                for (const QString &a : args)
                    q = q.arg(a);
                finish(m, q, value(numbers, m.pi), pi);
            }};
}

void triangleSides(Making &m)
{
    Rational a, b, c;
    do {
        a = length(m);
        b = length(m);
        c = length(m);
    } while (!(c < a + b && a < b + c && b < a + c));
    m.give(QStringLiteral("a"), a);
    m.give(QStringLiteral("b"), b);
    m.give(QStringLiteral("c"), c);
    finish(m,
           QStringLiteral("احسب محيط مثلث أطوال أضلاعه %1 سم و%2 سم و%3 سم")
               .arg(decimalText(a), decimalText(b), decimalText(c)),
           a + b + c);
}

// ---- conversions

void temperature(Making &m, const QString &from, const QString &to)
{
    const int level = m.e.level;
    // The Celsius temperature behind the exercise: a multiple of 5 at level
    // 1, so that Fahrenheit is whole too.
    Rational c;
    do
        c = level == 1   ? Rational(m.r.between(-4, 20) * 5)
            : level == 2 ? Rational::decimal(m.r.between(-200, 1000), 1)
                         : Rational::decimal(m.r.between(-27000, 50000), 2);
    while (c == 0); // so that no temperature given or asked is 0
    const Rational step = Rational::decimal(18, 1), zero = 32, kelvin = 273;
    const Rational f = c * step + zero, k = c + kelvin;
    auto of = [&](const QString &scale) { return scale == u"c" ? c : scale == u"f" ? f : k; };
    Rational given = of(from);
    if (level == 3 && from != u"c") // a temperature read off a thermometer: two decimals
        given = roundHalfUp(given, 2);
    m.give(from, given);
    const Rational value = to == u"c"   ? (from == u"f" ? (given - zero) / step : given - kelvin)
                           : to == u"f" ? (from == u"c" ? given * step + zero : (given - kelvin) * step + zero)
                                        : (from == u"c" ? given + kelvin : (given - zero) / step + kelvin);
    static const QHash<QString, QString> names{{QStringLiteral("c"), QStringLiteral("سيلزيوس")},
                                               {QStringLiteral("f"), QStringLiteral("فهرنهايت")},
                                               {QStringLiteral("k"), QStringLiteral("كلفن")}};
    finish(m, QStringLiteral("حوّل %1 درجة %2 إلى %3").arg(decimalText(given), names[from], names[to]), value);
}

void angle(Making &m, bool toRadians)
{
    const int level = m.e.level;
    Rational given;
    if (toRadians)
        given = level == 1   ? Rational(m.r.pick({30, 45, 60, 90, 120, 135, 150, 180, 270, 360}))
                : level == 2 ? Rational::decimal(m.r.between(1, 3600), 1)
                             : Rational::decimal(m.r.between(-36000, 72000), 2);
    else
        given = level == 1 ? Rational(m.r.between(1, 6)) : amount(m.r, level, 1, level == 3 ? 4 : 6);
    if (given == 0)
        given = 1;
    m.give(toRadians ? QStringLiteral("degrees") : QStringLiteral("radians"), given);
    m.give(QStringLiteral("pi"), m.pi);
    const Rational value = toRadians ? given * m.pi / 180 : given * 180 / m.pi;
    finish(m,
           toRadians ? QStringLiteral("حوّل %1 درجة إلى راديان").arg(decimalText(given))
                     : QStringLiteral("حوّل %1 راديان إلى درجات").arg(decimalText(given)),
           value, true);
}

// ---- trigonometry

enum class Trig { Sine, Cosine, Tangent, Cotangent, Secant, Cosecant };

std::optional<double> trigValue(Trig f, std::int64_t degrees)
{
    const long double x = static_cast<long double>(degrees) * std::numbers::pi_v<long double> / 180;
    const long double s = std::sin(x), c = std::cos(x);
    auto zero = [](long double v) { return std::abs(v) < 1e-12L; };
    switch (f) {
    case Trig::Sine:
        return static_cast<double>(s);
    case Trig::Cosine:
        return static_cast<double>(c);
    case Trig::Tangent:
        return zero(c) ? std::nullopt : std::optional(static_cast<double>(s / c));
    case Trig::Cotangent:
        return zero(s) ? std::nullopt : std::optional(static_cast<double>(c / s));
    case Trig::Secant:
        return zero(c) ? std::nullopt : std::optional(static_cast<double>(1 / c));
    case Trig::Cosecant:
        return zero(s) ? std::nullopt : std::optional(static_cast<double>(1 / s));
    }
    return std::nullopt;
}

void trigonometric(Making &m, Trig f, const QString &name)
{
    const int level = m.e.level;
    std::int64_t degrees = 0;
    std::optional<double> value;
    for (;;) {
        degrees = level == 1   ? m.r.pick<std::int64_t>({0, 30, 45, 60, 90})
                  : level == 2 ? m.r.pick<std::int64_t>({120, 135, 150, 180, 210, 225, 240, 270, 300, 315, 330, 360})
                               : m.r.between(-180, 360);
        value = trigValue(f, degrees);
        // No pole, no value so large that the exercise is absurd, no 0, no
        // value that rounds either way.
        if (value && std::abs(*value) < 20 && std::abs(*value) > 1e-9 && !nearHalf(*value)
            && (level < 3 || degrees % 15 != 0))
            break;
    }
    m.give(QStringLiteral("angle"), degrees);
    m.e.question = QStringLiteral("احسب %1 الزاوية %2 درجة.").arg(name, QString::number(degrees));
    // The special values that are fractions: 0, ±1/2, ±1, ±2.
    const double twice = *value * 2;
    if (std::abs(twice - std::round(twice)) < 1e-9) {
        m.answerValue(Rational(static_cast<std::int64_t>(std::round(twice)), 2));
    } else {
        m.answerRounded(*value);
        m.e.question += RoundTwo;
    }
}

// ---- numbers

bool isPrime(std::int64_t n)
{
    if (n < 2)
        return false;
    for (std::int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

void squareRoot(Making &m)
{
    const int level = m.e.level;
    if (level < 3) {
        const std::int64_t k = level == 1 ? m.r.between(1, 15) : m.r.between(11, 50);
        const Rational root = level == 1 ? Rational(k)
                                         : Rational::decimal(k == 20 || k == 30 || k == 40 ? k + 1 : k, 1);
        const Rational x = root * root;
        m.give(QStringLiteral("x"), x);
        m.e.question = QStringLiteral("احسب الجذر التربيعي للعدد %1.").arg(decimalText(x));
        m.answerValue(root);
        return;
    }
    std::int64_t x = 0;
    do {
        x = m.r.between(2, 999);
        const auto s = static_cast<std::int64_t>(std::llround(std::sqrt(static_cast<double>(x))));
        if (s * s == x)
            x = 0;
    } while (x == 0 || nearHalf(std::sqrt(static_cast<double>(x))));
    m.give(QStringLiteral("x"), x);
    m.e.question = QStringLiteral("احسب الجذر التربيعي للعدد %1.").arg(x) + RoundTwo;
    m.answerRounded(std::sqrt(static_cast<double>(x)));
}

void words(Making &m, const QString &answer)
{
    m.e.words = true;
    m.e.answer = answer;
}

void parity(Making &m)
{
    const int level = m.e.level;
    const std::int64_t x = level == 1   ? m.r.between(1, 100)
                           : level == 2 ? m.r.between(101, 9999)
                                        : m.r.between(-99999, 99999);
    m.give(QStringLiteral("x"), x);
    m.e.question = QStringLiteral("هل العدد %1 زوجي أم فردي؟").arg(x);
    words(m, x % 2 == 0 ? QStringLiteral("زوجي") : QStringLiteral("فردي"));
}

void prime(Making &m)
{
    const int level = m.e.level;
    const bool wantPrime = m.r.chance();
    std::int64_t x = 0;
    do
        x = level == 1 ? m.r.between(2, 50) : level == 2 ? m.r.between(51, 500) : m.r.between(501, 10000);
    while (isPrime(x) != wantPrime || (!wantPrime && level > 1 && (x % 2 == 0 || x % 5 == 0)));
    m.give(QStringLiteral("x"), x);
    m.e.question = QStringLiteral("هل العدد %1 أولي؟").arg(x);
    words(m, wantPrime ? QStringLiteral("أولي") : QStringLiteral("غير أولي"));
}

// An odd whole number: x × 200 is one when x is a half of a hundredth.
bool isHalf(const Rational &scaled) { return scaled.isWhole() && scaled.numerator() % 2 != 0; }

void rounding(Making &m)
{
    const int level = m.e.level;
    const int places = level == 1 ? 3 : 4;
    Rational x;
    do {
        const std::int64_t hi = level == 3 ? 999 : 20;
        x = Rational::decimal(m.r.between(1, hi * power10(places)), places);
        if (level == 3 && m.r.chance())
            x = -x;
        // A half to round is left out: the section rounds halves to the even
        // neighbour, school rounds them up; and a number already rounded.
    } while (roundHalfUp(x, 2) == x || isHalf(x * 200));
    m.give(QStringLiteral("x"), x);
    m.e.question = QStringLiteral("قرّب العدد %1 إلى منزلتين عشريتين.").arg(decimalText(x));
    m.e.round = 2;
    m.e.values = {roundHalfUp(x, 2)};
    m.e.exact = {x.toDouble()};
    m.e.answer = decimalText(m.e.values.first());
}

// ---- equation

QString equationText(std::int64_t a, std::int64_t b, std::int64_t c)
{
    auto term = [](std::int64_t k, const QString &x, bool first) {
        if (k == 0)
            return QString();
        QString sign = k < 0 ? QStringLiteral("−") : (first ? QString() : QStringLiteral("+"));
        const std::int64_t magnitude = k < 0 ? -k : k;
        QString digits = magnitude == 1 && !x.isEmpty() ? QString() : QString::number(magnitude);
        return (first ? sign : QLatin1Char(' ') + sign + QLatin1Char(' ')) + digits + x;
    };
    QString text = term(a, QStringLiteral("س²"), true) + term(b, QStringLiteral("س"), false)
                   + term(c, QString(), false);
    return text + QStringLiteral(" = 0");
}

void quadratic(Making &m)
{
    const int level = m.e.level;
    std::int64_t a = 1, b = 0, c = 0;
    QList<Rational> roots;
    if (level == 1) {
        std::int64_t p = 0, q = 0;
        do {
            p = m.r.between(-9, 9);
            q = m.r.between(-9, 9);
        } while (p == q || p == 0 || q == 0);
        a = m.r.pick<std::int64_t>({1, 1, 2});
        b = -a * (p + q);
        c = a * p * q;
        roots = {p, q};
    } else if (level == 2) {
        // a·(x − p/a)(x − q): one root a fraction, the other whole.
        std::int64_t p = 0, q = 0;
        do {
            a = m.r.between(2, 5);
            p = m.r.between(-9, 9);
            q = m.r.between(-6, 6);
        } while (p % a == 0 || q == 0);
        b = -(p + a * q);
        c = p * q;
        roots = {Rational(p, a), q};
    } else if (m.e.index % 2 == 0) {
        double d = 0;
        for (;;) {
            a = m.r.between(1, 4);
            b = m.r.between(-12, 12);
            c = m.r.between(-12, 12);
            const std::int64_t disc = b * b - 4 * a * c;
            const auto s = static_cast<std::int64_t>(
                std::llround(std::sqrt(static_cast<double>(std::max<std::int64_t>(disc, 0)))));
            if (disc <= 0 || s * s == disc || c == 0)
                continue;
            d = std::sqrt(static_cast<double>(disc));
            const double r1 = (static_cast<double>(-b) - d) / static_cast<double>(2 * a),
                         r2 = (static_cast<double>(-b) + d) / static_cast<double>(2 * a);
            if (!nearHalf(r1) && !nearHalf(r2))
                break;
        }
        m.give(QStringLiteral("a"), a);
        m.give(QStringLiteral("b"), b);
        m.give(QStringLiteral("c"), c);
        m.e.question = QStringLiteral("حلّ المعادلة %1.").arg(equationText(a, b, c)) + RoundTwo;
        m.e.round = 2;
        const double r1 = (static_cast<double>(-b) - d) / static_cast<double>(2 * a),
                     r2 = (static_cast<double>(-b) + d) / static_cast<double>(2 * a);
        m.e.exact = {r1, r2};
        m.e.values = {Rational(static_cast<std::int64_t>(std::round(r1 * 100)), 100),
                      Rational(static_cast<std::int64_t>(std::round(r2 * 100)), 100)};
        m.e.answer = decimalText(m.e.values[0]) + QStringLiteral("، ") + decimalText(m.e.values[1]);
        return;
    } else {
        do {
            a = m.r.between(1, 5);
            b = m.r.between(-9, 9);
            c = m.r.between(1, 12) * (a > 0 ? 1 : -1);
        } while (b * b - 4 * a * c >= 0);
        m.give(QStringLiteral("a"), a);
        m.give(QStringLiteral("b"), b);
        m.give(QStringLiteral("c"), c);
        m.e.question = QStringLiteral("حلّ المعادلة %1.").arg(equationText(a, b, c));
        m.e.noSolution = true;
        m.e.answer = QStringLiteral("لا يوجد حل");
        return;
    }
    std::sort(roots.begin(), roots.end());
    m.give(QStringLiteral("a"), a);
    m.give(QStringLiteral("b"), b);
    m.give(QStringLiteral("c"), c);
    m.e.question = QStringLiteral("حلّ المعادلة %1.").arg(equationText(a, b, c));
    m.e.values = roots;
    for (const Rational &root : roots)
        m.e.exact.append(root.toDouble());
    m.e.answer = fractionText(roots[0]) + QStringLiteral("، ") + fractionText(roots[1]);
}

// ---- fractions

void fraction(Making &m, bool add)
{
    const int level = m.e.level;
    const std::int64_t most = level == 1 ? 9 : level == 2 ? 15 : 30;
    std::int64_t n1 = 0, d1 = 1, n2 = 0, d2 = 1;
    Rational value;
    do {
        d1 = m.r.between(2, most);
        d2 = level == 1 && m.r.chance() ? d1 : m.r.between(2, most);
        n1 = level == 1 ? m.r.between(1, d1 - 1) : m.r.between(1, most);
        n2 = level == 1 ? m.r.between(1, d2 - 1) : m.r.between(1, most);
        if (level == 3 && m.r.chance())
            n2 = -n2;
        if (!add && level == 1 && Rational(n1, d1) < Rational(n2, d2))
            std::swap(n1, n2), std::swap(d1, d2);
        value = add ? Rational(n1, d1) + Rational(n2, d2) : Rational(n1, d1) - Rational(n2, d2);
    } while (value == 0);
    m.give(QStringLiteral("n1"), n1);
    m.give(QStringLiteral("d1"), d1);
    m.give(QStringLiteral("n2"), n2);
    m.give(QStringLiteral("d2"), d2);
    auto written = [](std::int64_t n, std::int64_t d) { return QStringLiteral("%1/%2").arg(n).arg(d); };
    m.e.question = QStringLiteral("احسب %1 %2 %3، واكتب الناتج في أبسط صورة.")
                       .arg(written(n1, d1), add ? QStringLiteral("+") : QStringLiteral("−"),
                            bracketed(n2, written(n2, d2)));
    m.e.lowestTerms = true;
    m.e.values = {value};
    m.e.exact = {value.toDouble()};
    m.e.answer = fractionText(value);
}

Rational square(const Rational &x) { return x * x; }

const QHash<QString, QList<Kind>> &table()
{
    static const QHash<QString, QList<Kind>> kinds{
        {QStringLiteral("arithmetic"),
         {{QStringLiteral("add"), [](Making &m) { operation(m, QChar(u'+')); }},
          {QStringLiteral("subtract"), [](Making &m) { operation(m, QChar(u'−')); }},
          {QStringLiteral("multiply"), [](Making &m) { operation(m, QChar(u'×')); }},
          {QStringLiteral("divide"), [](Making &m) { operation(m, QChar(u'÷')); }}}},
        {QStringLiteral("areas"),
         {figure(QStringLiteral("circle-area"), QStringLiteral("احسب مساحة دائرة نصف قطرها %1 سم"),
                 {QStringLiteral("r")}, true,
                 [](const QList<Rational> &v, const Rational &pi) { return pi * square(v[0]); }),
          figure(QStringLiteral("rectangle-area"), QStringLiteral("احسب مساحة مستطيل طوله %1 سم وعرضه %2 سم"),
                 {QStringLiteral("length"), QStringLiteral("width")}, false,
                 [](const QList<Rational> &v, const Rational &) { return v[0] * v[1]; }),
          figure(QStringLiteral("triangle-area"), QStringLiteral("احسب مساحة مثلث قاعدته %1 سم وارتفاعه %2 سم"),
                 {QStringLiteral("base"), QStringLiteral("height")}, false,
                 [](const QList<Rational> &v, const Rational &) { return v[0] * v[1] / 2; }),
          figure(QStringLiteral("parallelogram-area"),
                 QStringLiteral("احسب مساحة متوازي أضلاع قاعدته %1 سم وارتفاعه %2 سم"),
                 {QStringLiteral("base"), QStringLiteral("height")}, false,
                 [](const QList<Rational> &v, const Rational &) { return v[0] * v[1]; }),
          figure(QStringLiteral("trapezoid-area"),
                 QStringLiteral("احسب مساحة شبه منحرف قاعدتاه %1 سم و%2 سم وارتفاعه %3 سم"),
                 {QStringLiteral("base1"), QStringLiteral("base2"), QStringLiteral("height")}, false,
                 [](const QList<Rational> &v, const Rational &) { return (v[0] + v[1]) * v[2] / 2; }),
          figure(QStringLiteral("cube-area"), QStringLiteral("احسب المساحة الكلية لمكعب طول حرفه %1 سم"),
                 {QStringLiteral("edge")}, false,
                 [](const QList<Rational> &v, const Rational &) { return square(v[0]) * 6; }),
          figure(QStringLiteral("sphere-area"), QStringLiteral("احسب مساحة سطح كرة نصف قطرها %1 سم"),
                 {QStringLiteral("r")}, true,
                 [](const QList<Rational> &v, const Rational &pi) { return pi * square(v[0]) * 4; })}},
        {QStringLiteral("perimeters"),
         {figure(QStringLiteral("circle-perimeter"), QStringLiteral("احسب محيط دائرة نصف قطرها %1 سم"),
                 {QStringLiteral("r")}, true,
                 [](const QList<Rational> &v, const Rational &pi) { return pi * v[0] * 2; }),
          figure(QStringLiteral("square-perimeter"), QStringLiteral("احسب محيط مربع طول ضلعه %1 سم"),
                 {QStringLiteral("side")}, false, [](const QList<Rational> &v, const Rational &) { return v[0] * 4; }),
          figure(QStringLiteral("rectangle-perimeter"), QStringLiteral("احسب محيط مستطيل طوله %1 سم وعرضه %2 سم"),
                 {QStringLiteral("length"), QStringLiteral("width")}, false,
                 [](const QList<Rational> &v, const Rational &) { return (v[0] + v[1]) * 2; }),
          {QStringLiteral("triangle-perimeter"), triangleSides},
          figure(QStringLiteral("quadrilateral-perimeter"),
                 QStringLiteral("احسب محيط شكل رباعي أطوال أضلاعه %1 سم و%2 سم و%3 سم و%4 سم"),
                 {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}, false,
                 [](const QList<Rational> &v, const Rational &) { return v[0] + v[1] + v[2] + v[3]; })}},
        {QStringLiteral("volumes"),
         {figure(QStringLiteral("cube-volume"), QStringLiteral("احسب حجم مكعب طول حرفه %1 سم"), {QStringLiteral("edge")},
                 false, [](const QList<Rational> &v, const Rational &) { return square(v[0]) * v[0]; }),
          figure(QStringLiteral("cuboid-volume"), QStringLiteral("احسب حجم متوازي مستطيلات أبعاده %1 سم و%2 سم و%3 سم"),
                 {QStringLiteral("length"), QStringLiteral("width"), QStringLiteral("height")}, false,
                 [](const QList<Rational> &v, const Rational &) { return v[0] * v[1] * v[2]; }),
          figure(QStringLiteral("cylinder-volume"),
                 QStringLiteral("احسب حجم أسطوانة نصف قطر قاعدتها %1 سم وارتفاعها %2 سم"),
                 {QStringLiteral("r"), QStringLiteral("height")}, true,
                 [](const QList<Rational> &v, const Rational &pi) { return pi * square(v[0]) * v[1]; }),
          figure(QStringLiteral("cone-volume"), QStringLiteral("احسب حجم مخروط نصف قطر قاعدته %1 سم وارتفاعه %2 سم"),
                 {QStringLiteral("r"), QStringLiteral("height")}, true,
                 [](const QList<Rational> &v, const Rational &pi) { return pi * square(v[0]) * v[1] / 3; }),
          figure(QStringLiteral("sphere-volume"), QStringLiteral("احسب حجم كرة نصف قطرها %1 سم"), {QStringLiteral("r")},
                 true, [](const QList<Rational> &v, const Rational &pi) { return pi * square(v[0]) * v[0] * 4 / 3; })}},
        {QStringLiteral("conversions"),
         {{QStringLiteral("celsius-to-fahrenheit"),
           [](Making &m) { temperature(m, QStringLiteral("c"), QStringLiteral("f")); }},
          {QStringLiteral("fahrenheit-to-celsius"),
           [](Making &m) { temperature(m, QStringLiteral("f"), QStringLiteral("c")); }},
          {QStringLiteral("celsius-to-kelvin"),
           [](Making &m) { temperature(m, QStringLiteral("c"), QStringLiteral("k")); }},
          {QStringLiteral("kelvin-to-celsius"),
           [](Making &m) { temperature(m, QStringLiteral("k"), QStringLiteral("c")); }},
          {QStringLiteral("kelvin-to-fahrenheit"),
           [](Making &m) { temperature(m, QStringLiteral("k"), QStringLiteral("f")); }},
          {QStringLiteral("fahrenheit-to-kelvin"),
           [](Making &m) { temperature(m, QStringLiteral("f"), QStringLiteral("k")); }},
          {QStringLiteral("degrees-to-radians"), [](Making &m) { angle(m, true); }},
          {QStringLiteral("radians-to-degrees"), [](Making &m) { angle(m, false); }}}},
        {QStringLiteral("trigonometry"),
         {{QStringLiteral("sine"), [](Making &m) { trigonometric(m, Trig::Sine, QStringLiteral("جيب")); }},
          {QStringLiteral("cosine"), [](Making &m) { trigonometric(m, Trig::Cosine, QStringLiteral("جيب تمام")); }},
          {QStringLiteral("tangent"), [](Making &m) { trigonometric(m, Trig::Tangent, QStringLiteral("ظل")); }},
          {QStringLiteral("cotangent"), [](Making &m) { trigonometric(m, Trig::Cotangent, QStringLiteral("ظل تمام")); }},
          {QStringLiteral("secant"), [](Making &m) { trigonometric(m, Trig::Secant, QStringLiteral("قاطع")); }},
          {QStringLiteral("cosecant"),
           [](Making &m) { trigonometric(m, Trig::Cosecant, QStringLiteral("قاطع تمام")); }}}},
        {QStringLiteral("numbers"),
         {{QStringLiteral("square-root"), squareRoot},
          {QStringLiteral("parity"), parity},
          {QStringLiteral("prime"), prime},
          {QStringLiteral("rounding"), rounding}}},
        {QStringLiteral("equation"), {{QStringLiteral("quadratic"), quadratic}}},
        {QStringLiteral("fractions"),
         {{QStringLiteral("fraction-add"), [](Making &m) { fraction(m, true); }},
          {QStringLiteral("fraction-subtract"), [](Making &m) { fraction(m, false); }}}},
    };
    return kinds;
}

} // namespace

const QStringList &sections()
{
    static const QStringList names{QStringLiteral("arithmetic"),  QStringLiteral("areas"),
                                   QStringLiteral("perimeters"),  QStringLiteral("volumes"),
                                   QStringLiteral("conversions"), QStringLiteral("trigonometry"),
                                   QStringLiteral("numbers"),     QStringLiteral("equation"),
                                   QStringLiteral("fractions")};
    return names;
}

QString sectionTitle(const QString &section)
{
    static const QHash<QString, QString> titles{
        {QStringLiteral("arithmetic"), QStringLiteral("العمليات الأربع")},
        {QStringLiteral("areas"), QStringLiteral("المساحات")},
        {QStringLiteral("perimeters"), QStringLiteral("المحيط")},
        {QStringLiteral("volumes"), QStringLiteral("الأحجام")},
        {QStringLiteral("conversions"), QStringLiteral("التحويلات")},
        {QStringLiteral("trigonometry"), QStringLiteral("الدوال المثلثية")},
        {QStringLiteral("numbers"), QStringLiteral("حسابات أخرى")},
        {QStringLiteral("equation"), QStringLiteral("حل معادلة")},
        {QStringLiteral("fractions"), QStringLiteral("توحيد المقامات")},
    };
    return titles.value(section, section);
}

QString kindTitle(const QString &kind)
{
    static const QHash<QString, QString> titles{
        {QStringLiteral("add"), QStringLiteral("الجمع")},
        {QStringLiteral("subtract"), QStringLiteral("الطرح")},
        {QStringLiteral("multiply"), QStringLiteral("الضرب")},
        {QStringLiteral("divide"), QStringLiteral("القسمة")},
        {QStringLiteral("circle-area"), QStringLiteral("مساحة الدائرة")},
        {QStringLiteral("rectangle-area"), QStringLiteral("مساحة المستطيل")},
        {QStringLiteral("triangle-area"), QStringLiteral("مساحة المثلث")},
        {QStringLiteral("parallelogram-area"), QStringLiteral("مساحة متوازي الأضلاع")},
        {QStringLiteral("trapezoid-area"), QStringLiteral("مساحة شبه المنحرف")},
        {QStringLiteral("cube-area"), QStringLiteral("المساحة الكلية للمكعب")},
        {QStringLiteral("sphere-area"), QStringLiteral("مساحة سطح الكرة")},
        {QStringLiteral("circle-perimeter"), QStringLiteral("محيط الدائرة")},
        {QStringLiteral("square-perimeter"), QStringLiteral("محيط المربع")},
        {QStringLiteral("rectangle-perimeter"), QStringLiteral("محيط المستطيل")},
        {QStringLiteral("triangle-perimeter"), QStringLiteral("محيط المثلث")},
        {QStringLiteral("quadrilateral-perimeter"), QStringLiteral("محيط الشكل الرباعي")},
        {QStringLiteral("cube-volume"), QStringLiteral("حجم المكعب")},
        {QStringLiteral("cuboid-volume"), QStringLiteral("حجم متوازي المستطيلات")},
        {QStringLiteral("cylinder-volume"), QStringLiteral("حجم الأسطوانة")},
        {QStringLiteral("cone-volume"), QStringLiteral("حجم المخروط")},
        {QStringLiteral("sphere-volume"), QStringLiteral("حجم الكرة")},
        {QStringLiteral("celsius-to-fahrenheit"), QStringLiteral("من السيليزية إلى الفهرنهايت")},
        {QStringLiteral("fahrenheit-to-celsius"), QStringLiteral("من الفهرنهايت إلى السيليزية")},
        {QStringLiteral("celsius-to-kelvin"), QStringLiteral("من السيليزية إلى الكلفن")},
        {QStringLiteral("kelvin-to-celsius"), QStringLiteral("من الكلفن إلى السيليزية")},
        {QStringLiteral("kelvin-to-fahrenheit"), QStringLiteral("من الكلفن إلى الفهرنهايت")},
        {QStringLiteral("fahrenheit-to-kelvin"), QStringLiteral("من الفهرنهايت إلى الكلفن")},
        {QStringLiteral("degrees-to-radians"), QStringLiteral("من الدرجات إلى الراديان")},
        {QStringLiteral("radians-to-degrees"), QStringLiteral("من الراديان إلى الدرجات")},
        {QStringLiteral("sine"), QStringLiteral("الجيب")},
        {QStringLiteral("cosine"), QStringLiteral("جيب التمام")},
        {QStringLiteral("tangent"), QStringLiteral("الظل")},
        {QStringLiteral("cotangent"), QStringLiteral("ظل التمام")},
        {QStringLiteral("secant"), QStringLiteral("القاطع")},
        {QStringLiteral("cosecant"), QStringLiteral("قاطع التمام")},
        {QStringLiteral("square-root"), QStringLiteral("الجذر التربيعي")},
        {QStringLiteral("parity"), QStringLiteral("زوجي أم فردي")},
        {QStringLiteral("prime"), QStringLiteral("أولي أم لا")},
        {QStringLiteral("rounding"), QStringLiteral("التقريب")},
        {QStringLiteral("quadratic"), QStringLiteral("المعادلة التربيعية")},
        {QStringLiteral("fraction-add"), QStringLiteral("جمع الكسور")},
        {QStringLiteral("fraction-subtract"), QStringLiteral("طرح الكسور")},
    };
    return titles.value(kind, kind);
}

QStringList kinds(const QString &section)
{
    QStringList names;
    for (const Kind &kind : table().value(section))
        names.append(kind.name);
    return names;
}

Rational Exercise::number(const QString &key) const
{
    for (const auto &[name, value] : given)
        if (name == key)
            return value;
    throw std::out_of_range("practice: no given number " + key.toStdString());
}

Rational piTaught() { return Rational::decimal(314, 2); }

Exercise makeExercise(const QString &section, int level, std::uint64_t seed, int index, const Rational &pi)
{
    const auto found = table().constFind(section);
    if (found == table().cend())
        throw std::invalid_argument("practice: no section " + section.toStdString());
    if (level < 1 || level > 3)
        throw std::invalid_argument("practice: no level " + std::to_string(level));
    const QList<Kind> &list = *found;
    Exercise e;
    e.section = section;
    e.level = level;
    e.seed = seed;
    e.index = index;
    const Kind &kind = list[index % list.size()];
    e.kind = kind.name;
    // One stream per exercise, so that the tenth does not depend on the
    // nine before it.
    const auto sectionNumber = static_cast<std::uint64_t>(sections().indexOf(section) + 1);
    Random mixer(seed ^ (sectionNumber << 48) ^ (static_cast<std::uint64_t>(level) << 56));
    for (int i = 0; i <= index; ++i)
        mixer.next();
    Random r(mixer.next());
    Making m{e, r, pi};
    kind.make(m);
    return e;
}

// ---- The command line ------------------------------------------------------

namespace {

QString jsonString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar ch : text) {
        if (ch == u'"' || ch == u'\\')
            out += QLatin1Char('\\') + ch;
        else if (ch.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += ch;
    }
    return out + QLatin1Char('"');
}

} // namespace

QByteArray jsonLine(const Exercise &e)
{
    // Written by hand: the numbers given keep their order, which a JSON
    // object of Qt would sort.
    QStringList given;
    for (const auto &[key, value] : e.given)
        given.append(jsonString(key) + QLatin1Char(':') + decimalText(value));
    const QString line = QStringLiteral(
                             "{\"section\":%1,\"kind\":%2,\"level\":%3,\"seed\":%4,\"index\":%5,\"question\":%6,"
                             "\"given\":{%7},\"round\":%8,\"answer\":%9}")
                             .arg(jsonString(e.section), jsonString(e.kind), QString::number(e.level),
                                  QString::number(e.seed), QString::number(e.index),
                                  jsonString(numtext::shapeDigits(e.question, numtext::DigitShape::ArabicIndic)),
                                  given.join(QLatin1Char(',')),
                                  e.round ? QString::number(*e.round) : QStringLiteral("null"), jsonString(e.answer));
    return line.toUtf8();
}

} // namespace practice
