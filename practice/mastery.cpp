#include "practice/mastery.h"

#include <algorithm>
#include <utility>

namespace practice {

const QString NoName = QStringLiteral("بدون اسم");

namespace {

// One doing of an exercise: its tries in order.
struct Done {
    const Answer *first = nullptr;
    bool right = false;
    int hints = 0;
    bool helped = false; // hints, or the solution shown before the last try
    QDateTime last;
};

bool sameExercise(const Answer &a, const Answer &b)
{
    return a.section == b.section && a.kind == b.kind && a.level == b.level && a.seed == b.seed && a.index == b.index;
}

// The exercises done of one kind, oldest first.
QList<Done> exercisesDone(const QList<Answer> &answers, const QString &section, const QString &kind)
{
    QList<Done> done;
    bool solutionShown = false;
    for (const Answer &a : answers) {
        if (a.section != section || a.kind != kind)
            continue;
        if (a.attempt == 1 || done.isEmpty() || !sameExercise(*done.last().first, a)) {
            Done d;
            d.first = &a;
            done.append(d);
            solutionShown = false;
        }
        Done &d = done.last();
        d.right = d.right || a.right;
        d.hints = std::max(d.hints, a.hints);
        d.helped = d.helped || a.hints > 0 || solutionShown;
        solutionShown = solutionShown || a.solutionShown;
        d.last = a.at;
    }
    return done;
}

constexpr int RightToRaise = 5;
constexpr int WrongToLower = 2;
constexpr int MasteryWindow = 10;
constexpr int MasteryRight = 8;
constexpr int ComesBackAfter = 3; // exercises set before one ended wrong comes back
constexpr int EarlierComingBack = 5;

} // namespace

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
    const QList<Done> done = exercisesDone(answers, section, kind);
    int rightInRow = 0, wrongInRow = 0;
    for (const Done &d : done) {
        state.hints += d.hints;
        if (d.right) {
            wrongInRow = 0;
            if (++rightInRow == RightToRaise) {
                state.level = std::min(3, state.level + 1);
                rightInRow = 0;
            }
        } else {
            rightInRow = 0;
            if (++wrongInRow == WrongToLower) {
                state.level = std::max(1, state.level - 1);
                wrongInRow = 0;
            }
        }
    }
    const qsizetype from = std::max<qsizetype>(0, done.size() - MasteryWindow);
    const auto clean = std::count_if(done.begin() + from, done.end(),
                                     [](const Done &d) { return d.right && !d.helped; });
    state.mastered = clean >= MasteryRight;
    return state;
}

Plan::Plan(QString section, std::uint64_t seed, QList<Answer> earlier)
    : section_(std::move(section)), seed_(seed), answers_(std::move(earlier))
{
    // The exercises whose last doing in the earlier answers ended wrong, the
    // most recent last.
    const QStringList sectionKinds = kinds(section_);
    for (const QString &kind : sectionKinds) {
        const QList<Done> done = exercisesDone(answers_, section_, kind);
        for (qsizetype i = 0; i < done.size(); ++i) {
            const Answer &a = *done[i].first;
            const bool laterAgain = std::any_of(done.begin() + i + 1, done.end(),
                                                [&a](const Done &d) { return sameExercise(*d.first, a); });
            if (!done[i].right && !laterAgain && a.level >= 1 && a.level <= 3 && a.index >= 0)
                earlierWrong_.append({a.kind, a.level, a.seed, a.index});
        }
    }
    // Oldest first, by when they were last answered; only the last few.
    auto lastAt = [this](const Key &k) {
        QDateTime at;
        for (const Answer &a : std::as_const(answers_))
            if (a.section == section_ && a.kind == k.kind && a.level == k.level && a.seed == k.seed
                && a.index == k.index)
                at = a.at;
        return at;
    };
    std::stable_sort(earlierWrong_.begin(), earlierWrong_.end(),
                     [&lastAt](const Key &x, const Key &y) { return lastAt(x) < lastAt(y); });
    if (earlierWrong_.size() > EarlierComingBack)
        earlierWrong_.remove(0, earlierWrong_.size() - EarlierComingBack);
}

void Plan::setFixedLevel(std::optional<int> level) { fixed_ = level; }

bool Plan::comesBack(const Key &key) const { return !fixed_ || key.level == *fixed_; }

Exercise Plan::make(const Key &key)
{
    current_ = key;
    currentAnswered_ = false;
    currentRight_ = false;
    ++served_;
    return makeExercise(section_, key.level, key.seed, key.index);
}

Exercise Plan::next()
{
    // The exercise set last ended wrong: it comes back once, a few later.
    if (current_ && currentAnswered_ && !currentRight_ && !cameBack_.contains(*current_))
        due_.append({*current_, served_ + ComesBackAfter});

    for (qsizetype i = 0; i < due_.size(); ++i) {
        if (due_[i].at > served_)
            continue;
        const Key key = due_.takeAt(i).key;
        if (!comesBack(key)) {
            --i;
            continue;
        }
        cameBack_.append(key);
        return make(key);
    }
    if (served_ % 2 == 1) {
        while (!earlierWrong_.isEmpty()) {
            const Key key = earlierWrong_.takeFirst();
            if (comesBack(key)) {
                cameBack_.append(key);
                return make(key);
            }
        }
    }
    const QStringList sectionKinds = kinds(section_);
    const int index = nextIndex_++;
    const QString &kind = sectionKinds[index % sectionKinds.size()];
    const int level = fixed_ ? *fixed_ : kindState(answers_, section_, kind).level;
    return make({kind, level, seed_, index});
}

void Plan::answered(const Answer &answer)
{
    answers_.append(answer);
    if (current_ && answer.section == section_ && answer.kind == current_->kind && answer.level == current_->level
        && answer.seed == current_->seed && answer.index == current_->index) {
        currentAnswered_ = true;
        currentRight_ = currentRight_ || answer.right;
    }
    // An exercise answered right need not come back.
    if (answer.right && answer.section == section_) {
        const Key key{answer.kind, answer.level, answer.seed, answer.index};
        earlierWrong_.removeAll(key);
        due_.removeIf([&key](const Due &d) { return d.key == key; });
    }
}

} // namespace practice
