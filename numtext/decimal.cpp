#include "numtext/decimal.h"

#include "numtext/numtext.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace numtext {

namespace {

// ---- Whole numbers as digit strings (no leading zeros; "" is zero) ---------

std::string withoutLeadingZeros(std::string s)
{
    const auto first = s.find_first_not_of('0');
    return first == std::string::npos ? std::string() : s.substr(first);
}

int compareWhole(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string addWhole(const std::string &a, const std::string &b)
{
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int d = carry;
        if (i < a.size())
            d += a[a.size() - 1 - i] - '0';
        if (i < b.size())
            d += b[b.size() - 1 - i] - '0';
        sum.push_back(char('0' + d % 10));
        carry = d / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return withoutLeadingZeros(sum);
}

// a − b for a ≥ b.
std::string subtractWhole(const std::string &a, const std::string &b)
{
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d = a[a.size() - 1 - i] - '0' - borrow;
        if (i < b.size())
            d -= b[b.size() - 1 - i] - '0';
        borrow = d < 0 ? 1 : 0;
        difference.push_back(char('0' + d + 10 * borrow));
    }
    std::reverse(difference.begin(), difference.end());
    return withoutLeadingZeros(difference);
}

std::string multiplyWhole(const std::string &a, const std::string &b)
{
    if (a.empty() || b.empty())
        return std::string();
    std::vector<int> product(a.size() + b.size(), 0);
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            product[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = product.size(); k-- > 1;) {
        product[k - 1] += product[k] / 10;
        product[k] %= 10;
    }
    std::string s;
    for (const int d : product)
        s.push_back(char('0' + d));
    return withoutLeadingZeros(s);
}

// The quotient and remainder of whole numbers, b not zero.
std::pair<std::string, std::string> divideWhole(const std::string &a, const std::string &b)
{
    std::string q, r;
    for (const char digit : a) {
        r = withoutLeadingZeros(r + digit);
        int count = 0;
        while (compareWhole(r, b) >= 0) {
            r = subtractWhole(r, b);
            ++count;
        }
        q.push_back(char('0' + count));
    }
    return {withoutLeadingZeros(q), r};
}

// The digits of two values over the smaller of their exponents.
struct Aligned {
    std::string a, b;
    int exponent;
};

} // namespace

// ---- Decimal -----------------------------------------------------------------

void Decimal::normalize()
{
    digits_ = withoutLeadingZeros(digits_);
    const auto last = digits_.find_last_not_of('0');
    if (last == std::string::npos) {
        digits_.clear();
        exponent_ = 0;
        negative_ = false;
        return;
    }
    exponent_ += int(digits_.size() - 1 - last);
    digits_.resize(last + 1);
}

std::optional<Decimal> Decimal::parse(QStringView text)
{
    const QString t = text.trimmed().toString();
    qsizetype i = 0;
    Decimal d;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        d.negative_ = t[i++] == u'-';
    int fraction = 0, seen = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            d.digits_.push_back(char(c.unicode()));
            fraction += point ? 1 : 0;
            ++seen;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (seen == 0)
        return std::nullopt;
    long exponent = 0;
    if (i < t.size() && (t[i] == u'E' || t[i] == u'e')) {
        const QString rest = t.mid(i + 1);
        bool ok = false;
        exponent = rest.toLong(&ok);
        if (!ok || rest.isEmpty() || !(rest[0].isDigit() || rest[0] == u'-' || rest[0] == u'+')
            || std::labs(exponent) > 100000)
            return std::nullopt;
        i = t.size();
    }
    if (i != t.size())
        return std::nullopt;
    d.exponent_ = int(exponent) - fraction;
    d.normalize();
    return d;
}

Decimal Decimal::shown(double value) { return *parse(format(value)); }

Decimal Decimal::whole(long long value) { return *parse(QString::number(value)); }

Decimal Decimal::rounded(int significant) const
{
    if (significantDigits() <= significant)
        return *this;
    Decimal r = *this;
    const bool up = digits_[std::size_t(significant)] >= '5';
    r.exponent_ += significantDigits() - significant;
    r.digits_.resize(std::size_t(significant));
    if (up)
        r.digits_ = addWhole(r.digits_, "1");
    r.normalize();
    return r;
}

Decimal Decimal::unit(int significant) const
{
    Decimal u;
    u.digits_ = "1";
    u.exponent_ = leadingExponent() - significant + 1;
    return u;
}

Decimal Decimal::scaled(int power) const
{
    Decimal s = *this;
    if (!s.isZero())
        s.exponent_ += power;
    return s;
}

QString Decimal::text() const
{
    const Decimal r = rounded(15);
    if (r.isZero())
        return QStringLiteral("0");
    const std::string &d = r.digits_;
    const int n = int(d.size()), lead = r.leadingExponent();
    std::string s = r.negative_ ? "-" : "";
    if (lead >= -4 && lead <= 14) {
        if (r.exponent_ >= 0) {
            s += d + std::string(std::size_t(r.exponent_), '0');
        } else if (n + r.exponent_ > 0) {
            const auto whole = std::size_t(n + r.exponent_);
            s += d.substr(0, whole) + '.' + d.substr(whole);
        } else {
            s += "0." + std::string(std::size_t(-(n + r.exponent_)), '0') + d;
        }
    } else {
        s += d.substr(0, 1);
        if (n > 1)
            s += '.' + d.substr(1);
        s += lead < 0 ? "E-" : "E+";
        const std::string e = std::to_string(std::abs(lead));
        s += (e.size() < 2 ? "0" : "") + e;
    }
    return QString::fromStdString(s);
}

namespace {
Aligned align(const std::string &a, int ea, const std::string &b, int eb)
{
    const int e = std::min(ea, eb);
    return {a + std::string(std::size_t(ea - e), '0'), b + std::string(std::size_t(eb - e), '0'), e};
}
} // namespace

Decimal operator+(const Decimal &a, const Decimal &b)
{
    if (a.isZero())
        return b;
    if (b.isZero())
        return a;
    const Aligned m = align(a.digits_, a.exponent_, b.digits_, b.exponent_);
    Decimal sum;
    sum.exponent_ = m.exponent;
    if (a.negative_ == b.negative_) {
        sum.digits_ = addWhole(m.a, m.b);
        sum.negative_ = a.negative_;
    } else if (compareWhole(m.a, m.b) >= 0) {
        sum.digits_ = subtractWhole(m.a, m.b);
        sum.negative_ = a.negative_;
    } else {
        sum.digits_ = subtractWhole(m.b, m.a);
        sum.negative_ = b.negative_;
    }
    sum.normalize();
    return sum;
}

Decimal operator-(const Decimal &a, const Decimal &b) { return a + (-b); }

Decimal operator*(const Decimal &a, const Decimal &b)
{
    Decimal product;
    product.digits_ = multiplyWhole(a.digits_, b.digits_);
    product.exponent_ = a.exponent_ + b.exponent_;
    product.negative_ = a.negative_ != b.negative_;
    product.normalize();
    return product;
}

std::strong_ordering operator<=>(const Decimal &a, const Decimal &b)
{
    if (a.sign() != b.sign())
        return a.sign() <=> b.sign();
    if (a.isZero())
        return std::strong_ordering::equal;
    const Aligned m = align(a.digits_, a.exponent_, b.digits_, b.exponent_);
    const int magnitude = compareWhole(m.a, m.b);
    return (a.negative_ ? -magnitude : magnitude) <=> 0;
}

Worked quotient(const Decimal &a, const Decimal &b, int significant)
{
    // a ÷ b = (A × 10^k ÷ B) × 10^(ea − eb − k), with k large enough for a
    // quotient of more digits than asked.
    const std::string A = a.digits_, B = b.digits_;
    const int k = std::max(0, significant + 2 + int(B.size()) - int(A.size()));
    const auto [q, r] = divideWhole(A + std::string(std::size_t(k), '0'), B);
    Decimal whole;
    whole.digits_ = q;
    whole.exponent_ = a.exponent_ - b.exponent_ - k;
    whole.negative_ = a.negative_ != b.negative_;
    whole.normalize();
    const bool exact = r.empty() && whole.significantDigits() <= significant;
    return {whole.rounded(significant), exact};
}

Worked squareRoot(const Decimal &a, double estimate, int significant)
{
    if (a.isZero())
        return {Decimal(), true};
    Decimal c = Decimal::shown(estimate).rounded(significant);
    // Moves the candidate one unit of its last digit at a time until a lies
    // between the squares of its two half units.
    // Below a power of ten the digits are a tenth as far apart.
    for (int step = 0; step < 1000 && !c.isZero(); ++step) {
        const Decimal up = c.unit(significant), down = c.isPowerOfTen() ? up.scaled(-1) : up;
        const Decimal low = c - down * Decimal::whole(5).scaled(-1), high = c + up * Decimal::whole(5).scaled(-1);
        if (low * low > a)
            c = c - down;
        else if (high * high < a)
            c = c + up;
        else
            break;
    }
    return {c, c * c == a};
}

std::optional<std::uint64_t> ExactDecimal::wholeMagnitude() const
{
    if (!isWhole() || exponent > 19)
        return std::nullopt;
    std::uint64_t n = 0;
    for (std::int64_t i = 0; i < exponent; ++i) {
        const int d = i < static_cast<std::int64_t>(digits.size()) ? digits[std::size_t(i)] - '0' : 0;
        // At most nineteen digits: every step stays below 10^19 < 2^64.
        n = n * 10 + static_cast<std::uint64_t>(d);
    }
    return n;
}

namespace {
// The magnitudes compared: the longer number (the higher exponent) is the
// larger, else the digits decide, a missing digit counting as 0.
int compareMagnitudes(const ExactDecimal &a, const ExactDecimal &b)
{
    if (a.isZero() || b.isZero())
        return int(!a.isZero()) - int(!b.isZero());
    if (a.exponent != b.exponent)
        return a.exponent < b.exponent ? -1 : 1;
    const int byDigits = a.digits.compare(b.digits);
    return (byDigits > 0) - (byDigits < 0);
}
} // namespace

int compare(const ExactDecimal &a, const ExactDecimal &b)
{
    const bool aNegative = a.negative && !a.isZero();
    const bool bNegative = b.negative && !b.isZero();
    if (aNegative != bNegative)
        return aNegative ? -1 : 1;
    const int magnitudes = compareMagnitudes(a, b);
    return aNegative ? -magnitudes : magnitudes;
}

std::optional<ExactDecimal> sumOf(const ExactDecimal &a, const ExactDecimal &b)
{
    if (a.isZero())
        return b;
    if (b.isZero())
        return a;
    // The places of the digits: from 10^(high - 1) down to 10^low.
    const auto lowest = [](const ExactDecimal &x) { return x.exponent - static_cast<std::int64_t>(x.digits.size()); };
    const std::int64_t high = std::max(a.exponent, b.exponent);
    const std::int64_t low = std::min(lowest(a), lowest(b));
    if (high - low > MaxSumDigits)
        return std::nullopt;
    std::vector<int> places(std::size_t(high - low), 0);
    for (const ExactDecimal *x : {&a, &b}) {
        for (std::size_t i = 0; i < x->digits.size(); ++i)
            places[std::size_t(high - x->exponent) + i] += x->digits[i] - '0';
    }
    int carry = 0;
    for (std::size_t i = places.size(); i-- > 0;) {
        const int sum = places[i] + carry;
        places[i] = sum % 10;
        carry = sum / 10;
    }
    ExactDecimal result;
    result.exponent = high + carry;
    if (carry)
        result.digits.push_back(static_cast<char>('0' + carry));
    for (int d : places)
        result.digits.push_back(static_cast<char>('0' + d));
    while (!result.digits.empty() && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

} // namespace numtext
