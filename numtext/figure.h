#pragma once
// A picture of the pupil's own problem, as plain data: what kind of figure
// a calculation worked on and its numbers, named. The formulas that know
// their numbers give one with their steps; whoever shows the steps draws it
// (typeset/figures.h), on the screen, in a practice window or on paper.
//
//     s.figure({QStringLiteral("circle"), {{QStringLiteral("r"), 3}}});
//
// The kinds and their numbers:
//   circle, sphere            r (the radius given) or d (the diameter given)
//   cylinder, cone            r or d, h
//   rectangle                 length, width
//   square                    side
//   parallelogram, triangle   base, h
//   trapezoid                 h, sum (of the two bases)
//   cube                      edge
//   cuboid                    length, width, h
//   sides                     s1, s2, s3 and, for four sides, s4
//   parabola                  a, b, c, and x1, x2 when it has real roots
//   fractions                 a, b, c, d (a/b and c/d), sign (+1 or −1),
//                             n, m (the result n/m)
//   temperature               two of C, F, K: the one given first, the
//                             result second (C between them when it was
//                             worked out on the way)
//   angle                     degrees

#include <QList>
#include <QPair>
#include <QString>
#include <QStringView>

namespace numtext {

struct Figure {
    QString kind; // empty: no figure
    QList<QPair<QString, double>> values;

    bool isEmpty() const { return kind.isEmpty(); }
    // Whether the figure shows what was worked out (a parabola's roots, the
    // result's bar, a thermometer's second scale, the sine and cosine on the
    // unit circle), not only what was given (a shape's lengths): such a
    // figure is shown to a pupil only with the answer.
    bool showsResult() const
    {
        return kind == u"parabola" || kind == u"fractions" || kind == u"temperature" || kind == u"angle";
    }
    bool has(QStringView name) const
    {
        for (const auto &v : values)
            if (v.first == name)
                return true;
        return false;
    }
    // The number of that name, or `otherwise` when the figure has none.
    double value(QStringView name, double otherwise = 0) const
    {
        for (const auto &v : values)
            if (v.first == name)
                return v.second;
        return otherwise;
    }
    Figure &set(const QString &name, double number)
    {
        for (auto &v : values) {
            if (v.first == name) {
                v.second = number;
                return *this;
            }
        }
        values.append({name, number});
        return *this;
    }

    bool operator==(const Figure &) const = default;
};

} // namespace numtext
