#pragma once
// What the pupil's answers say, without widgets: each kind's level and
// whether it is mastered, and which exercise a practice window sets next.
//
// A kind has three levels. It is mastered at 8 right of its last 10
// exercises done without hints; five right in a row raise its level, two
// wrong in a row lower it. An exercise answered wrong comes back later in
// the session, and in the next one. A teacher may fix the level instead.

#include "practice/exercises.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace practice {

// The name a record is kept under when the pupil gave none.
extern const QString NoName; // "بدون اسم"

// One answer checked (right or wrong; a text that is not an answer, or a
// fraction to simplify, is not one), as the record keeps it. The exercise is
// known again by its section, kind, level, seed and index.
struct Answer {
    QString pupil, section, kind;
    int level = 1;
    std::uint64_t seed = 0;
    int index = 0;
    int attempt = 1; // 1, or 2 for the second try
    bool right = false;
    int hints = 0;              // hint lines shown before this answer
    bool solutionShown = false; // the worked solution was shown after it
    QDateTime at;               // UTC
    bool operator==(const Answer &) const = default;
};

// What the answers of one kind say.
struct KindState {
    int attempts = 0; // answers checked
    int right = 0;    // answers right
    int hints = 0;    // hints used, over all its exercises
    int level = 1;
    bool mastered = false;
    QDateTime last; // the last answer, or null
};

// The state of each kind from a pupil's answers of one section, oldest
// first; kinds never answered are at level 1, not mastered.
KindState kindState(const QList<Answer> &answers, const QString &section, const QString &kind);

// The exercises of one practice window in turn.
class Plan {
public:
    // A section's plan for a seed, from the pupil's earlier answers of that
    // section (oldest first). With no earlier answers the first exercise is
    // makeExercise(section, 1, seed, 0), as `--exercises SECTION --count 1
    // --level 1 --seed N` prints it.
    Plan(QString section, std::uint64_t seed, QList<Answer> earlier);

    // A level fixed by the teacher (1..3), or none for the pupil's own.
    void setFixedLevel(std::optional<int> level);
    std::optional<int> fixedLevel() const { return fixed_; }

    // The next exercise: one answered wrong coming back when its turn has
    // come, else a new one at its kind's level.
    Exercise next();
    // Takes an answer into account (the window records it first).
    void answered(const Answer &answer);

    const QList<Answer> &answers() const { return answers_; }

private:
    QString section_;
    std::uint64_t seed_;
    QList<Answer> answers_;
    std::optional<int> fixed_;
    int nextIndex_ = 0;
};

} // namespace practice
