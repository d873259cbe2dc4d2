#include "support/linecheck.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace linecheck {

namespace {

constexpr double Eps = std::numeric_limits<double>::epsilon();
// Two sides agree to fifteen significant digits.
constexpr double Fifteen = 5e-15;

// A value with what is known of its exactness: err bounds what double
// arithmetic may have lost computing it, shown what the digits written in it
// may differ from the numbers they round.
struct Val {
    double v = 0;
    double err = 0;
    double shown = 0;
};

// ---- A line as plain text --------------------------------------------------

bool isColourName(QStringView s)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u' ';
    });
}

// The text inside the brace that opens at 'open', and where it ends.
QStringView braced(QStringView s, qsizetype open, qsizetype &end)
{
    int depth = 0;
    for (qsizetype i = open; i < s.size(); ++i) {
        if (s[i] == u'{')
            ++depth;
        else if (s[i] == u'}' && --depth == 0) {
            end = i + 1;
            return s.mid(open + 1, i - open - 1);
        }
    }
    end = s.size();
    return s.mid(open + 1);
}

int superscriptDigit(QChar c)
{
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    return int(digits.indexOf(c));
}

bool isSuperscript(QChar c) { return superscriptDigit(c) >= 0 || c == u'⁻' || c == u'⁺'; }

// Markup and either digit shape as one plain form: Western digits, "." as
// decimal mark, "-" for both minus signs, "×" and "÷", powers as "^(…)",
// fractions as "((a)÷(b))", radicals as "√(…)"; colours, direction marks and
// other format characters gone.
QString plain(QStringView s)
{
    QString out;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        if (c == u'[') {
            const qsizetype colon = s.indexOf(u':', i);
            if (colon > i && isColourName(s.mid(i + 1, colon - i - 1))) {
                int depth = 0;
                qsizetype close = colon;
                for (; close < s.size(); ++close) {
                    if (s[close] == u'[')
                        ++depth;
                    else if (s[close] == u']' && depth-- == 0)
                        break;
                }
                out += plain(s.mid(colon + 1, close - colon - 1));
                i = close + 1;
                continue;
            }
        }
        if (s.mid(i).startsWith(u"^{")) {
            qsizetype end = 0;
            out += QStringLiteral("^(") + plain(braced(s, i + 1, end)) + u')';
            i = end;
            continue;
        }
        if (s.mid(i).startsWith(u"\\frac{")) {
            qsizetype end = 0;
            const QString top = plain(braced(s, i + 5, end));
            qsizetype bottomEnd = end;
            const QString bottom = end < s.size() && s[end] == u'{' ? plain(braced(s, end, bottomEnd)) : QString();
            out += QStringLiteral("((") + top + QStringLiteral(")÷(") + bottom + QStringLiteral("))");
            i = bottomEnd;
            continue;
        }
        if (s.mid(i).startsWith(u"\\sqrt{")) {
            qsizetype end = 0;
            out += QStringLiteral("√(") + plain(braced(s, i + 5, end)) + u')';
            i = end;
            continue;
        }
        if (isSuperscript(c)) {
            out += QStringLiteral("^(");
            for (; i < s.size() && (isSuperscript(s[i]) || s[i].category() == QChar::Other_Format); ++i) {
                if (superscriptDigit(s[i]) >= 0)
                    out += QChar(u'0' + superscriptDigit(s[i]));
                else if (s[i] == u'⁻')
                    out += u'-';
                else if (s[i] == u'⁺')
                    out += u'+';
            }
            out += u')';
            continue;
        }
        ++i;
        if (c.category() == QChar::Other_Format)
            continue;
        if (c.isDigit())
            out += QChar(u'0' + c.digitValue());
        else if ((c == u'٫' || c == u',') && !out.isEmpty() && out.back().isDigit() && i < s.size() && s[i].isDigit())
            out += u'.';
        else if (c == QChar(u'\u2212'))
            out += u'-';
        else if (c == u'*' || c == u'·')
            out += u'×';
        else if (c == u'/')
            out += u'÷';
        else if (c == u'\u00A0' || c == u'\u2009' || c == u'\u202F')
            out += u' ';
        else
            out += c;
    }
    return out;
}

// ---- Evaluating one side ---------------------------------------------------

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark(); }

class Parser {
public:
    Parser(QStringView text, const std::vector<std::pair<QString, double>> &names,
           const std::vector<std::pair<QString, const std::function<double(double)> *>> &functions)
        : s_(text), names_(names), functions_(functions)
    {
    }

    // The whole side, or the side followed by words after a space (a unit, a
    // remark in brackets) or by a sentence after ":".
    std::optional<Val> side()
    {
        const std::optional<Val> v = expression();
        if (!v)
            return std::nullopt;
        const qsizetype before = i_;
        space();
        if (i_ == s_.size())
            return v;
        trailing_ = true;
        if (s_[i_] == u':')
            return v;
        if (i_ == before)
            return std::nullopt;
        const QStringView rest = s_.mid(i_).trimmed();
        if (rest.startsWith(u'(') && rest.endsWith(u')')
            && std::any_of(rest.begin(), rest.end(), [](QChar x) { return x.isLetter(); }))
            return v;
        // Words only: no digit, no sign of arithmetic.
        const bool words = std::none_of(rest.begin(), rest.end(),
                                        [](QChar x) { return x.isDigit() || QStringView(u"+-×÷^√()=≈").contains(x); });
        return words ? v : std::nullopt;
    }

    // Whether words followed the value: then the side is a value but what
    // the next "=" says is about the words ("ب = ٠ و جـ = ٠").
    bool trailing() const { return trailing_; }

private:
    void space()
    {
        while (i_ < s_.size() && s_[i_].isSpace())
            ++i_;
    }
    // Takes the sign after any spaces; leaves the spaces when it is not there.
    bool take(QChar c)
    {
        const qsizetype at = i_;
        space();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        i_ = at;
        return false;
    }

    static std::optional<Val> finite(Val v)
    {
        if (!std::isfinite(v.v) || !std::isfinite(v.err) || !std::isfinite(v.shown))
            return std::nullopt;
        return v;
    }

    std::optional<Val> expression()
    {
        std::optional<Val> a = term();
        while (a) {
            const qsizetype at = i_;
            if (mixedNumber()) {
                // "٢ و ٧ ÷ ١٢": a whole number and a fraction.
                const std::optional<Val> b = term();
                if (!b) {
                    i_ = at;
                    return a;
                }
                const double v = a->v < 0 ? a->v - b->v : a->v + b->v;
                a = finite({v, a->err + b->err + Eps * std::fabs(v), a->shown + b->shown});
                continue;
            }
            const bool plus = take(u'+');
            if (!plus && !take(u'-'))
                break;
            const std::optional<Val> b = term();
            if (!b) {
                i_ = at;
                return std::nullopt;
            }
            const double v = plus ? a->v + b->v : a->v - b->v;
            a = finite({v, a->err + b->err + Eps * std::fabs(v), a->shown + b->shown});
        }
        return a;
    }

    // The word "و" standing alone before a number.
    bool mixedNumber()
    {
        const qsizetype at = i_;
        space();
        if (i_ > at && i_ + 1 < s_.size() && s_[i_] == u'و' && s_[i_ + 1].isSpace()) {
            i_ += 1;
            space();
            if (i_ < s_.size() && s_[i_].isDigit())
                return true;
        }
        i_ = at;
        return false;
    }

    static std::optional<Val> times(const Val &a, const Val &b)
    {
        const double v = a.v * b.v;
        return finite({v, std::fabs(a.v) * b.err + std::fabs(b.v) * a.err + a.err * b.err + Eps * std::fabs(v),
                       std::fabs(a.v) * b.shown + std::fabs(b.v) * a.shown + a.shown * b.shown});
    }

    static std::optional<Val> divided(const Val &a, const Val &b)
    {
        if (b.v == 0 || std::fabs(b.v) <= b.err + b.shown)
            return std::nullopt;
        const double v = a.v / b.v;
        const double bLow = std::fabs(b.v) - b.err - b.shown;
        return finite(
            {v, (a.err + std::fabs(v) * b.err) / bLow + Eps * std::fabs(v), (a.shown + std::fabs(v) * b.shown) / bLow});
    }

    std::optional<Val> term()
    {
        std::optional<Val> a = unary();
        while (a) {
            if (take(u'×')) {
                const std::optional<Val> b = unary();
                a = b ? times(*a, *b) : std::nullopt;
            } else if (take(u'÷')) {
                const std::optional<Val> b = unary();
                a = b ? divided(*a, *b) : std::nullopt;
            } else {
                break;
            }
        }
        return a;
    }

    std::optional<Val> unary()
    {
        if (take(u'-')) {
            std::optional<Val> v = unary();
            if (v)
                v->v = -v->v;
            return v;
        }
        if (take(u'+'))
            return unary();
        return implicitProduct();
    }

    std::optional<Val> power()
    {
        std::optional<Val> base = postfix();
        if (!base || !take(u'^'))
            return base;
        // The exponent binds tighter than a product: 2^(2)ط is 4ط.
        const bool negative = take(u'-');
        if (!negative)
            take(u'+');
        std::optional<Val> exponent = power();
        if (exponent && negative)
            exponent->v = -exponent->v;
        if (!exponent)
            return std::nullopt;
        const double v = std::pow(base->v, exponent->v);
        const double n = exponent->v, a = base->v;
        const double dBase = std::fabs(n * std::pow(a, n - 1));
        const double dExponent = a > 0 ? std::fabs(std::log(a) * v) : 0;
        return finite({v, dBase * base->err + dExponent * exponent->err + 2 * Eps * std::fabs(v),
                       dBase * base->shown + dExponent * exponent->shown});
    }

    // A number written against a name, a bracket or a radical: "2ط", "3(…)".
    std::optional<Val> implicitProduct()
    {
        std::optional<Val> a = power();
        while (a && i_ < s_.size() && !s_[i_].isSpace()) {
            const QChar c = s_[i_];
            if (c != u'(' && c != u'√' && !(c.isLetter() && bound(false)))
                break;
            const std::optional<Val> b = power();
            a = b ? times(*a, *b) : std::nullopt;
        }
        return a;
    }

    std::optional<Val> postfix()
    {
        std::optional<Val> v = primary();
        // A degree sign after an angle, not one that opens a unit ("°م").
        if (v && i_ < s_.size() && s_[i_] == u'°' && !(i_ + 1 < s_.size() && s_[i_ + 1].isLetter()))
            ++i_;
        return v;
    }

    // The longest bound name at the cursor that ends where a word ends.
    std::optional<qsizetype> bound(bool functions) const
    {
        std::optional<qsizetype> best;
        const auto tryName = [&](const QString &name, qsizetype index) {
            if (name.isEmpty() || !s_.mid(i_).startsWith(name))
                return;
            const qsizetype end = i_ + name.size();
            if (end < s_.size() && isWordChar(s_[end]) && isWordChar(name.back()))
                return;
            if (!best
                || name.size() > (functions ? functions_[std::size_t(*best)].first.size()
                                            : names_[std::size_t(*best)].first.size()))
                best = index;
        };
        if (functions) {
            for (std::size_t k = 0; k < functions_.size(); ++k)
                tryName(functions_[k].first, qsizetype(k));
        } else {
            for (std::size_t k = 0; k < names_.size(); ++k)
                tryName(names_[k].first, qsizetype(k));
        }
        return best;
    }

    std::optional<Val> primary()
    {
        space();
        if (i_ >= s_.size())
            return std::nullopt;
        const QChar c = s_[i_];
        if (c == u'(') {
            ++i_;
            const std::optional<Val> v = expression();
            if (!v || !take(u')'))
                return std::nullopt;
            return v;
        }
        if (c == u'√') {
            ++i_;
            const std::optional<Val> x = postfix();
            if (!x || x->v < 0)
                return std::nullopt;
            const double v = std::sqrt(x->v);
            if (v == 0)
                return Val{0, std::sqrt(x->err), std::sqrt(x->shown)};
            return finite({v, x->err / (2 * v) + Eps * v, x->shown / (2 * v)});
        }
        if (c.isDigit() || c == u'.')
            return number();
        const std::optional<qsizetype> f = bound(true), n = bound(false);
        const qsizetype fLength = f ? functions_[std::size_t(*f)].first.size() : 0;
        const qsizetype nLength = n ? names_[std::size_t(*n)].first.size() : 0;
        if (f && fLength >= nLength) {
            i_ += fLength;
            const std::optional<Val> x = postfix();
            if (!x)
                return std::nullopt;
            const auto &fn = *functions_[std::size_t(*f)].second;
            const double v = fn(x->v);
            // What the argument's uncertainty makes of the result.
            const auto spread = [&](double d) {
                if (d == 0)
                    return 0.0;
                return std::max(std::fabs(fn(x->v + d) - v), std::fabs(fn(x->v - d) - v));
            };
            return finite({v, spread(x->err) + 4 * Eps * std::fabs(v), spread(x->shown)});
        }
        if (n) {
            i_ += nLength;
            const double v = names_[std::size_t(*n)].second;
            return Val{v, Eps * std::fabs(v) / 2, 0};
        }
        return std::nullopt;
    }

    // Digits, a decimal part, an exponent of the general number format
    // ("1.5E+20"). Its shown error is half a unit of its last digit when it
    // has a decimal part or fifteen significant digits (a whole number
    // shorter than that is exact).
    std::optional<Val> number()
    {
        const qsizetype start = i_;
        qsizetype digits = 0, decimals = 0;
        bool point = false;
        while (i_ < s_.size() && (s_[i_].isDigit() || (s_[i_] == u'.' && !point))) {
            if (s_[i_] == u'.')
                point = true;
            else {
                ++digits;
                if (point)
                    ++decimals;
            }
            ++i_;
        }
        if (digits == 0)
            return std::nullopt;
        QString text = s_.mid(start, i_ - start).toString();
        int exponent = 0;
        if (i_ + 1 < s_.size() && (s_[i_] == u'E' || s_[i_] == u'e')) {
            qsizetype j = i_ + 1;
            if (j < s_.size() && (s_[j] == u'+' || s_[j] == u'-'))
                ++j;
            const qsizetype digitsFrom = j;
            while (j < s_.size() && s_[j].isDigit())
                ++j;
            if (j > digitsFrom) {
                exponent = s_.mid(i_ + 1, j - i_ - 1).toInt();
                text += s_.mid(i_, j - i_);
                i_ = j;
            }
        }
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (!ok)
            return std::nullopt;
        QString significant = s_.mid(start, digits + (point ? 1 : 0)).toString();
        significant.remove(u'.');
        while (significant.startsWith(u'0'))
            significant.remove(0, 1);
        const bool rounded = decimals > 0 || significant.size() >= 15;
        const double shown = rounded ? 0.5 * std::pow(10.0, double(exponent - decimals)) : 0;
        return Val{v, Eps * std::fabs(v) / 2, shown};
    }

    QStringView s_;
    qsizetype i_ = 0;
    bool trailing_ = false;
    const std::vector<std::pair<QString, double>> &names_;
    const std::vector<std::pair<QString, const std::function<double(double)> *>> &functions_;
};

struct Bindings {
    std::vector<std::pair<QString, double>> names;
    std::vector<std::pair<QString, const std::function<double(double)> *>> functions;
};

Bindings bindings(const Names &names, const Functions &functions)
{
    Bindings b;
    bool pi = false;
    for (const auto &[name, v] : names) {
        const QString key = plain(name).trimmed();
        pi = pi || key == u"ط";
        b.names.emplace_back(key, v);
    }
    if (!pi)
        b.names.emplace_back(QStringLiteral("ط"), std::numbers::pi);
    for (const auto &[name, f] : functions)
        b.functions.emplace_back(plain(name).trimmed(), &f);
    return b;
}

std::optional<Val> evaluate(QStringView side, const Bindings &b, bool *trailing = nullptr)
{
    Parser p(side, b.names, b.functions);
    const std::optional<Val> v = p.side();
    if (trailing)
        *trailing = p.trailing();
    return v;
}

// ---- A line ------------------------------------------------------------

struct Side {
    QString text;
    QChar relation; // the sign before it; none for the first side
    std::optional<Val> value;
    bool trailing = false; // words after the value
};

// The clauses of a line, between its "،" and "؛" outside brackets: "أ = ١ ،
// ب = −٣".
QStringList clauses(const QString &line)
{
    QStringList out(1);
    int depth = 0;
    for (const QChar c : line) {
        if (c == u'(' || c == u'{')
            ++depth;
        else if ((c == u')' || c == u'}') && depth > 0)
            --depth;
        if (depth == 0 && (c == u'،' || c == u'؛')) {
            out << QString();
            continue;
        }
        out.back() += c;
    }
    return out;
}

// The sides of a clause between its "=" and "≈" outside brackets.
std::vector<Side> sides(const QString &line)
{
    std::vector<Side> out(1);
    int depth = 0;
    for (const QChar c : line) {
        if (c == u'(' || c == u'{')
            ++depth;
        else if ((c == u')' || c == u'}') && depth > 0)
            --depth;
        if (depth == 0 && (c == u'=' || c == u'≈')) {
            out.push_back({QString(), c, std::nullopt, false});
            continue;
        }
        out.back().text += c;
    }
    for (Side &s : out)
        s.text = s.text.trimmed();
    // A label before a colon opens the first side: "المعادلة: …".
    Side &first = out.front();
    int level = 0;
    for (qsizetype i = first.text.size() - 1; i >= 0; --i) {
        const QChar c = first.text[i];
        if (c == u')')
            ++level;
        else if (c == u'(')
            --level;
        else if (c == u':' && level == 0) {
            first.text = first.text.mid(i + 1).trimmed();
            break;
        }
    }
    return out;
}

bool holds(QChar relation, const Val &left, const Val &right)
{
    const double scale = std::max(std::fabs(left.v), std::fabs(right.v));
    double room = left.err + right.err + Fifteen * scale;
    if (relation == u'≈')
        room += left.shown + right.shown;
    return std::fabs(left.v - right.v) <= room;
}

QString fault(qsizetype lineNumber, const QString &line, const QString &why)
{
    return QStringLiteral("line %1: «%2»: %3").arg(lineNumber).arg(line, why);
}

QString shownValue(double v) { return QString::number(v, 'g', 17); }

} // namespace

std::optional<double> value(const QString &expression, const Names &names, const Functions &functions)
{
    const Bindings b = bindings(names, functions);
    const std::optional<Val> v = evaluate(plain(expression).trimmed(), b);
    return v ? std::optional<double>(v->v) : std::nullopt;
}

Report check(const QStringList &lines, const Names &names, const Functions &functions)
{
    const Bindings b = bindings(names, functions);
    Report report;
    std::optional<Val> before; // the last value of the line before
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        const QStringList parts = clauses(plain(line));
        std::optional<Val> last;
        for (qsizetype c = 0; c < parts.size(); ++c) {
            std::vector<Side> sidesOf = sides(parts[c]);
            for (Side &side : sidesOf)
                side.value = side.text.isEmpty() ? std::nullopt : evaluate(side.text, b, &side.trailing);
            const bool continues = c == 0 && sidesOf.size() > 1 && sidesOf.front().text.isEmpty();
            if (continues) {
                const Side &first = sidesOf[1];
                if (n == 0) {
                    report.faults << fault(n + 1, line,
                                           QStringLiteral("opens with %1 but continues no line").arg(first.relation));
                } else if (before && first.value) {
                    ++report.relations;
                    if (!holds(first.relation, *before, *first.value))
                        report.faults << fault(n + 1, line,
                                               QStringLiteral("does not continue the line before: %1 %2 %3")
                                                   .arg(shownValue(before->v), QString(first.relation),
                                                        shownValue(first.value->v)));
                }
            }
            for (std::size_t k = continues ? 2 : 1; k < sidesOf.size(); ++k) {
                const Side &left = sidesOf[k - 1], &right = sidesOf[k];
                if (!left.value || left.trailing || !right.value)
                    continue;
                ++report.relations;
                if (!holds(right.relation, *left.value, *right.value))
                    report.faults << fault(n + 1, line,
                                           QStringLiteral("«%1» is %2, «%3» is %4: they are not %5")
                                               .arg(left.text, shownValue(left.value->v), right.text,
                                                    shownValue(right.value->v), QString(right.relation)));
            }
            last = sidesOf.back().value;
        }
        before = last;
    }
    return report;
}

const Functions &radianFunctions()
{
    static const Functions all{
        {QStringLiteral("جا"), [](double x) { return std::sin(x); }},
        {QStringLiteral("جتا"), [](double x) { return std::cos(x); }},
        {QStringLiteral("ظا"), [](double x) { return std::tan(x); }},
        {QStringLiteral("ظتا"), [](double x) { return 1 / std::tan(x); }},
        {QStringLiteral("قا"), [](double x) { return 1 / std::cos(x); }},
        {QStringLiteral("قتا"), [](double x) { return 1 / std::sin(x); }},
    };
    return all;
}

namespace {
// A number of degrees in radians, and the quarter turn it lies on (0 to 3),
// or −1 off the axes.
double onTheTurn(double degrees, int &quarter)
{
    const double turn = std::fmod(degrees, 360.0);
    quarter = -1;
    if (turn == std::trunc(turn) && static_cast<long long>(turn) % 90 == 0)
        quarter = static_cast<int>(((static_cast<long long>(turn) / 90) % 4 + 4) % 4);
    return turn * std::numbers::pi / 180;
}

double sineOfDegrees(double x)
{
    int quarter = 0;
    const double r = onTheTurn(x, quarter);
    static const double exact[] = {0, 1, 0, -1};
    return quarter >= 0 ? exact[quarter] : std::sin(r);
}

double cosineOfDegrees(double x)
{
    int quarter = 0;
    const double r = onTheTurn(x, quarter);
    static const double exact[] = {1, 0, -1, 0};
    return quarter >= 0 ? exact[quarter] : std::cos(r);
}

double ratio(double a, double b) { return b == 0 ? std::nan("") : a / b; }
} // namespace

const Functions &degreeFunctions()
{
    static const Functions all{
        {QStringLiteral("جا"), sineOfDegrees},
        {QStringLiteral("جتا"), cosineOfDegrees},
        {QStringLiteral("ظا"), [](double x) { return ratio(sineOfDegrees(x), cosineOfDegrees(x)); }},
        {QStringLiteral("ظتا"), [](double x) { return ratio(cosineOfDegrees(x), sineOfDegrees(x)); }},
        {QStringLiteral("قا"), [](double x) { return ratio(1, cosineOfDegrees(x)); }},
        {QStringLiteral("قتا"), [](double x) { return ratio(1, sineOfDegrees(x)); }},
    };
    return all;
}

} // namespace linecheck
