#include "numtext/mixed.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace numtext {

namespace {

using Kind = Mixed::Kind;

[[noreturn]] void fail(Failure kind) { throw ComputationFailure(kind); }

bool isInteger(Kind k) { return k == Kind::Int16 || k == Kind::Int32; }

// An operand of arithmetic or comparison as a number: empty counts as the
// 16-bit integer 0, a text is converted strictly into a double, a number stays
// as it is.
Mixed numericOperand(const Mixed &m)
{
    switch (m.kind()) {
    case Kind::Empty:
        return Mixed(std::int16_t(0));
    case Kind::Text:
        return Mixed(strictNumber(std::get<QString>(m.value())));
    default:
        return m;
    }
}

std::int64_t integerValue(const Mixed &m)
{
    if (m.kind() == Kind::Int16)
        return std::get<std::int16_t>(m.value());
    return std::get<std::int32_t>(m.value());
}

// An exact integer result in the narrowest kind that holds it, starting at the
// wider kind of the operands: 16-bit, then 32-bit, then double.
Mixed widenedInteger(std::int64_t value, Kind widest)
{
    if (widest == Kind::Int16 && value >= std::numeric_limits<std::int16_t>::min()
        && value <= std::numeric_limits<std::int16_t>::max())
        return Mixed(static_cast<std::int16_t>(value));
    if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
        return Mixed(static_cast<std::int32_t>(value));
    return Mixed(static_cast<double>(value));
}

float singleValue(const Mixed &m)
{
    switch (m.kind()) {
    case Kind::Int16:
        return static_cast<float>(std::get<std::int16_t>(m.value()));
    case Kind::Int32:
        return static_cast<float>(std::get<std::int32_t>(m.value()));
    default:
        return std::get<float>(m.value());
    }
}

enum class Op { Plus, Minus, Times };

Mixed compute(Op op, const Mixed &a, const Mixed &b)
{
    const Mixed x = numericOperand(a);
    const Mixed y = numericOperand(b);

    if (isInteger(x.kind()) && isInteger(y.kind())) {
        // Both fit 32 bits, so the exact result fits 64 bits.
        const std::int64_t p = integerValue(x);
        const std::int64_t q = integerValue(y);
        const std::int64_t r = op == Op::Plus ? p + q : op == Op::Minus ? p - q : p * q;
        const Kind widest = x.kind() == Kind::Int32 || y.kind() == Kind::Int32 ? Kind::Int32 : Kind::Int16;
        return widenedInteger(r, widest);
    }

    if (x.kind() == Kind::Double || y.kind() == Kind::Double) {
        const double p = x.number();
        const double q = y.number();
        switch (op) {
        case Op::Plus:
            return Mixed(plus(p, q));
        case Op::Minus:
            return Mixed(minus(p, q));
        case Op::Times:
            return Mixed(times(p, q));
        }
    }

    // A single meeting integers or a single: single-precision arithmetic.
    const float p = singleValue(x);
    const float q = singleValue(y);
    const float r = op == Op::Plus ? p + q : op == Op::Minus ? p - q : p * q;
    if (std::isnan(r))
        fail(Failure::InvalidOperation);
    if (std::isinf(r))
        fail(Failure::Overflow);
    return Mixed(r);
}

// An operand of Mod: integer rounding of its number.
std::int32_t modOperand(const Mixed &m)
{
    switch (m.kind()) {
    case Kind::Empty:
        return 0;
    case Kind::Int16:
        return std::get<std::int16_t>(m.value());
    case Kind::Int32:
        return std::get<std::int32_t>(m.value());
    case Kind::Text:
        return roundInteger(QStringView(std::get<QString>(m.value())));
    default:
        return roundInteger(m.number());
    }
}

bool isShort(Kind k) { return k == Kind::Int16 || k == Kind::Empty; }

// Texts compare code unit by code unit.
bool textLess(const QString &a, const QString &b)
{
    return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(), b.utf16() + b.size());
}

} // namespace

bool Mixed::isNumber() const
{
    const Kind k = kind();
    return k == Kind::Int16 || k == Kind::Int32 || k == Kind::Single || k == Kind::Double;
}

QString Mixed::text() const
{
    switch (kind()) {
    case Kind::Empty:
        return QString();
    case Kind::Int16:
        return QString::number(std::get<std::int16_t>(v_));
    case Kind::Int32:
        return QString::number(std::get<std::int32_t>(v_));
    case Kind::Single:
        return formatSingle(std::get<float>(v_));
    case Kind::Double:
        return format(std::get<double>(v_));
    case Kind::Text:
        return std::get<QString>(v_);
    }
    return QString();
}

double Mixed::number() const
{
    switch (kind()) {
    case Kind::Empty:
        return 0.0;
    case Kind::Int16:
        return std::get<std::int16_t>(v_);
    case Kind::Int32:
        return std::get<std::int32_t>(v_);
    case Kind::Single:
        return static_cast<double>(std::get<float>(v_));
    case Kind::Double:
        return std::get<double>(v_);
    case Kind::Text:
        return strictNumber(std::get<QString>(v_));
    }
    return 0.0;
}

Mixed Mixed::abs() const
{
    switch (kind()) {
    case Kind::Empty:
        return Mixed(std::int16_t(0));
    case Kind::Int16: {
        // The magnitude of the smallest 16-bit integer needs 32 bits.
        const std::int32_t v = std::get<std::int16_t>(v_);
        return widenedInteger(v < 0 ? -v : v, Kind::Int16);
    }
    case Kind::Int32: {
        // The magnitude of the smallest 32-bit integer becomes a double.
        const std::int64_t v = std::get<std::int32_t>(v_);
        return widenedInteger(v < 0 ? -v : v, Kind::Int32);
    }
    case Kind::Single:
        return Mixed(std::fabs(std::get<float>(v_)));
    case Kind::Double:
        return Mixed(std::fabs(std::get<double>(v_)));
    case Kind::Text:
        return Mixed(std::fabs(number()));
    }
    return *this;
}

Mixed Mixed::truncated() const
{
    switch (kind()) {
    case Kind::Empty:
        return Mixed(std::int16_t(0));
    case Kind::Int16:
    case Kind::Int32:
        return *this;
    case Kind::Single:
        return Mixed(std::trunc(std::get<float>(v_)));
    case Kind::Double:
        return Mixed(std::trunc(std::get<double>(v_)));
    case Kind::Text:
        return Mixed(std::trunc(number()));
    }
    return *this;
}

Mixed operator+(const Mixed &a, const Mixed &b)
{
    const Kind ka = a.kind();
    const Kind kb = b.kind();
    if (ka == Kind::Text && kb == Kind::Text)
        return Mixed(std::get<QString>(a.value()) + std::get<QString>(b.value()));
    if (ka == Kind::Empty && kb == Kind::Text)
        return b;
    if (ka == Kind::Text && kb == Kind::Empty)
        return a;
    return compute(Op::Plus, a, b);
}

Mixed operator-(const Mixed &a, const Mixed &b) { return compute(Op::Minus, a, b); }

Mixed operator*(const Mixed &a, const Mixed &b) { return compute(Op::Times, a, b); }

Mixed operator/(const Mixed &a, const Mixed &b)
{
    const double p = numericOperand(a).number();
    const double q = numericOperand(b).number();
    if (q == 0.0)
        fail(Failure::DivisionByZero);
    return Mixed(divide(p, q));
}

Mixed mod(const Mixed &a, const Mixed &b)
{
    const std::int32_t p = modOperand(a);
    const std::int32_t q = modOperand(b);
    if (q == 0)
        fail(Failure::DivisionByZero);
    // The remainder takes the sign of the dividend; -1 divides everything
    // (and the smallest integer divided by -1 must not be computed).
    const std::int32_t r = q == -1 ? 0 : p % q;
    if (isShort(a.kind()) && isShort(b.kind()))
        return Mixed(static_cast<std::int16_t>(r));
    return Mixed(r);
}

bool operator==(const Mixed &a, const Mixed &b)
{
    if (a.kind() == Kind::Text && b.kind() == Kind::Text)
        return std::get<QString>(a.value()) == std::get<QString>(b.value());
    return numericOperand(a).number() == numericOperand(b).number();
}

bool operator<(const Mixed &a, const Mixed &b)
{
    if (a.kind() == Kind::Text && b.kind() == Kind::Text)
        return textLess(std::get<QString>(a.value()), std::get<QString>(b.value()));
    return numericOperand(a).number() < numericOperand(b).number();
}

bool equalsText(const Mixed &number, const QString &plainText) { return number.text() == plainText; }

} // namespace numtext
