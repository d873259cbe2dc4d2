#include "practice/mastery.h"

#include <utility>

namespace practice {

const QString NoName = QStringLiteral("بدون اسم");

KindState kindState(const QList<Answer> &answers, const QString &section, const QString &kind)
{
    KindState state;
    for (const Answer &a : answers) {
        if (a.section != section || a.kind != kind)
            continue;
        ++state.attempts;
        if (a.right)
            ++state.right;
        state.last = a.at;
    }
    return state;
}

Plan::Plan(QString section, std::uint64_t seed, QList<Answer> earlier)
    : section_(std::move(section)), seed_(seed), answers_(std::move(earlier))
{
}

void Plan::setFixedLevel(std::optional<int> level) { fixed_ = level; }

Exercise Plan::next() { return makeExercise(section_, fixed_.value_or(1), seed_, nextIndex_++); }

void Plan::answered(const Answer &answer) { answers_.append(answer); }

} // namespace practice
