#pragma once
// What a computation of the number text rules came to: a value, or the kind
// of its failure. Shared by the tests of the rules and by their fuzzer.

#include "numtext/numtext.h"

#include <QMetaType>
#include <QString>

#include <optional>

using Outcome = std::optional<numtext::Failure>;
Q_DECLARE_METATYPE(Outcome)

inline constexpr Outcome Ok = std::nullopt;

inline QString outcomeName(Outcome outcome)
{
    using numtext::Failure;
    if (!outcome)
        return QStringLiteral("no failure");
    switch (*outcome) {
    case Failure::NotANumber:
        return QStringLiteral("NotANumber");
    case Failure::DivisionByZero:
        return QStringLiteral("DivisionByZero");
    case Failure::Overflow:
        return QStringLiteral("Overflow");
    case Failure::InvalidOperation:
        return QStringLiteral("InvalidOperation");
    case Failure::OutOfRange:
        return QStringLiteral("OutOfRange");
    }
    return QStringLiteral("unknown failure");
}

// Runs a computation; gives the failure it raised (if any) and stores its
// result otherwise.
template <typename Result, typename F> Outcome run(F &&f, Result &result)
{
    try {
        result = f();
        return Ok;
    } catch (const numtext::ComputationFailure &failure) {
        return failure.kind();
    }
}

// The number of significant digits in a text the general number format wrote.
inline int significantDigits(const QString &text)
{
    QString mantissa = text.section(QLatin1Char('E'), 0, 0);
    mantissa.remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    while (mantissa.startsWith(QLatin1Char('0')))
        mantissa.remove(0, 1);
    while (mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);
    return int(mantissa.size());
}
