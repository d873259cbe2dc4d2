// What a pupil's answers say: each kind's level and mastery walked from the
// answers, and which exercise a practice window sets next (the kinds in
// turn, an exercise answered wrong coming back in the session and in the
// next, a level fixed by the teacher).

#include "practice/exercises.h"
#include "practice/mastery.h"

#include <QTest>

using namespace practice;

class MasteryTest : public QObject {
    Q_OBJECT
private slots:
    void kindStateFromAnswers_data();
    void kindStateFromAnswers();
    void firstExerciseIsTheCommandLines_data();
    void firstExerciseIsTheCommandLines();
    void newExercisesTakeKindsInTurnAtTheirLevel();
    void wrongExerciseComesBackInTheSession_data();
    void wrongExerciseComesBackInTheSession();
    void wrongExerciseComesBackInTheNextSession();
    void fixedLevel_data();
    void fixedLevel();
};

namespace {

const QString Areas = QStringLiteral("areas");
const QString Circle = QStringLiteral("circle-area");

// The answers of the exercises done of one kind, one letter each:
//   R right at the first try      S wrong, then right at the second try
//   W wrong at both tries         w wrong once, and the pupil went on
//   H right after a hint line     L wrong, the solution shown, then right
// Between them, answers of another kind and of another section, all wrong,
// which must change nothing.
QList<Answer> answersOf(const QString &letters, const QString &kind = Circle, int level = 1, bool others = true)
{
    QList<Answer> answers;
    const QDateTime start(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC);
    int index = 0;
    auto add = [&](const QString &section, const QString &k, int attempt, bool right, int hints, bool shown) {
        Answer a;
        a.pupil = QStringLiteral("سارة");
        a.section = section;
        a.kind = k;
        a.level = level;
        a.seed = 7;
        a.index = index;
        a.attempt = attempt;
        a.right = right;
        a.hints = hints;
        a.solutionShown = shown;
        a.at = start.addSecs(60 * answers.size());
        answers.append(a);
    };
    for (const QChar c : letters) {
        switch (c.unicode()) {
        case 'R':
            add(Areas, kind, 1, true, 0, false);
            break;
        case 'S':
            add(Areas, kind, 1, false, 0, false);
            add(Areas, kind, 2, true, 0, false);
            break;
        case 'W':
            add(Areas, kind, 1, false, 0, false);
            add(Areas, kind, 2, false, 0, true);
            break;
        case 'w':
            add(Areas, kind, 1, false, 0, false);
            break;
        case 'H':
            add(Areas, kind, 1, true, 2, false);
            break;
        case 'L':
            add(Areas, kind, 1, false, 0, true);
            add(Areas, kind, 2, true, 0, false);
            break;
        default:
            qFatal("no such answer letter");
        }
        ++index;
        if (!others)
            continue;
        add(Areas, QStringLiteral("rectangle-area"), 1, false, 0, false);
        add(QStringLiteral("volumes"), kind, 1, false, 0, false);
    }
    return answers;
}

// An answer to an exercise a plan set.
Answer answerTo(const Exercise &e, bool right, int attempt = 1)
{
    Answer a;
    a.section = e.section;
    a.kind = e.kind;
    a.level = e.level;
    a.seed = e.seed;
    a.index = e.index;
    a.attempt = attempt;
    a.right = right;
    a.at = QDateTime(QDate(2026, 12, 2), QTime(9, 0), Qt::UTC).addSecs(e.index);
    return a;
}

bool same(const Exercise &a, const Exercise &b) { return jsonLine(a) == jsonLine(b); }

} // namespace

void MasteryTest::kindStateFromAnswers_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("mastered");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("hints");

    QTest::newRow("never answered") << "" << 1 << false << 0 << 0;
    QTest::newRow("four right stay") << "RRRR" << 1 << false << 4 << 0;
    QTest::newRow("five right raise") << "RRRRR" << 2 << false << 5 << 0;
    QTest::newRow("right at the second try count") << "SSSSS" << 2 << false << 5 << 0;
    QTest::newRow("with hints they count too") << "HHHHH" << 2 << false << 5 << 10;
    QTest::newRow("a wrong one breaks the row") << "RRRRWRRRR" << 1 << true << 8 << 0;
    QTest::newRow("ten right reach 3") << "RRRRRRRRRR" << 3 << true << 10 << 0;
    QTest::newRow("never above 3") << "RRRRRRRRRRRRRRRRRRRR" << 3 << true << 20 << 0;
    QTest::newRow("two wrong lower") << "RRRRRWW" << 1 << false << 5 << 0;
    QTest::newRow("one wrong does not") << "RRRRRW" << 2 << false << 5 << 0;
    QTest::newRow("wrong ones not in a row") << "RRRRRWRW" << 2 << false << 6 << 0;
    QTest::newRow("going on after one wrong try is wrong") << "RRRRRww" << 1 << false << 5 << 0;
    QTest::newRow("never below 1") << "WWWWWW" << 1 << false << 0 << 0;
    QTest::newRow("down from 3 one at a time") << "RRRRRRRRRRWW" << 2 << true << 10 << 0;
    QTest::newRow("and again") << "RRRRRRRRRRWWWW" << 1 << false << 10 << 0;
    QTest::newRow("eight of eight mastered") << "RRRRRRRR" << 2 << true << 8 << 0;
    QTest::newRow("seven not yet") << "RRRRRRR" << 2 << false << 7 << 0;
    QTest::newRow("eight of the last ten") << "WWWRRWRRRRRR" << 2 << true << 8 << 0;
    QTest::newRow("seven of the last ten") << "RRRRRRRRRRWWW" << 2 << false << 10 << 0;
    QTest::newRow("not with hints") << "HHHHHHHHHH" << 3 << false << 10 << 20;
    QTest::newRow("seven without hints") << "RRRRRRRHHH" << 3 << false << 10 << 6;
    QTest::newRow("eight without hints") << "RRRRRRRRHH" << 3 << true << 10 << 4;
    QTest::newRow("not after the solution was shown") << "LLLLLLLLLL" << 3 << false << 10 << 0;
    QTest::newRow("second tries without help") << "SSSSSSSSSS" << 3 << true << 10 << 0;
}

void MasteryTest::kindStateFromAnswers()
{
    QFETCH(QString, letters);
    QFETCH(int, level);
    QFETCH(bool, mastered);
    QFETCH(int, right);
    QFETCH(int, hints);
    const QList<Answer> answers = answersOf(letters);
    const KindState state = kindState(answers, Areas, Circle);
    QCOMPARE(state.level, level);
    QCOMPARE(state.mastered, mastered);
    QCOMPARE(state.right, right);
    QCOMPARE(state.hints, hints);
    int attempts = 0;
    for (const Answer &a : answers)
        attempts += a.section == Areas && a.kind == Circle ? 1 : 0;
    QCOMPARE(state.attempts, attempts);
    if (letters.isEmpty())
        QVERIFY(state.last.isNull());
    else
        QCOMPARE(state.last, answers[answers.size() - 3].at); // the kind's own last answer
}

void MasteryTest::firstExerciseIsTheCommandLines_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<quint64>("seed");
    for (const QString &section : sections())
        for (const quint64 seed : {0ULL, 1ULL, 2026ULL, 18446744073709551615ULL})
            QTest::addRow("%s %llu", qPrintable(section), seed) << section << seed;
}

void MasteryTest::firstExerciseIsTheCommandLines()
{
    QFETCH(QString, section);
    QFETCH(quint64, seed);
    Plan plan(section, seed, {});
    QVERIFY(same(plan.next(), makeExercise(section, 1, seed, 0)));
}

// All answered right: new exercises in the order makeExercise sets them, at
// the level each kind has reached (five right raise it).
void MasteryTest::newExercisesTakeKindsInTurnAtTheirLevel()
{
    const QStringList names = kinds(Areas);
    Plan plan(Areas, 11, answersOf(QStringLiteral("RRRRR"), Circle, 1, false)); // circle-area at level 2
    for (int i = 0; i < 3 * names.size(); ++i) {
        const Exercise e = plan.next();
        QCOMPARE(e.kind, names[i % names.size()]);
        QCOMPARE(e.index, i);
        QCOMPARE(e.level, e.kind == Circle ? 2 : 1);
        QVERIFY(same(e, makeExercise(Areas, e.level, 11, i)));
        plan.answered(answerTo(e, true));
    }
    QCOMPARE(plan.answers().size(), 5 + 3 * names.size());
}

void MasteryTest::wrongExerciseComesBackInTheSession_data()
{
    QTest::addColumn<QString>("tries"); // the first exercise's tries: R right, W wrong
    QTest::addColumn<bool>("comesBack");
    QTest::newRow("two wrong tries") << "WW" << true;
    QTest::newRow("one wrong try, then a new exercise") << "W" << true;
    QTest::newRow("right at the second try") << "WR" << false;
    QTest::newRow("right") << "R" << false;
}

void MasteryTest::wrongExerciseComesBackInTheSession()
{
    QFETCH(QString, tries);
    QFETCH(bool, comesBack);
    Plan plan(QStringLiteral("fractions"), 5, {});
    const Exercise first = plan.next();
    for (int t = 0; t < tries.size(); ++t)
        plan.answered(answerTo(first, tries[t] == u'R', t + 1));
    QList<Exercise> later;
    for (int i = 0; i < 8; ++i) {
        later.append(plan.next());
        // Wrong again when it comes back: it does not come back a third time.
        plan.answered(answerTo(later.last(), !same(later.last(), first)));
    }
    // A few exercises later, new ones in between; once only.
    for (int i = 0; i < later.size(); ++i)
        QCOMPARE(same(later[i], first), comesBack && i == 3);
    QCOMPARE(later[0].index, 1);
}

void MasteryTest::wrongExerciseComesBackInTheNextSession()
{
    // The first session: the first exercise wrong (and wrong again when it
    // came back), the second right, the third wrong once and then right when
    // it came back.
    Plan session(QStringLiteral("numbers"), 40, {});
    QList<Exercise> set;
    auto answer = [&](bool right) {
        set.append(session.next());
        session.answered(answerTo(set.last(), right));
        if (!right)
            session.answered(answerTo(set.last(), false, 2));
    };
    answer(false);
    answer(true);
    answer(false);
    answer(true);
    QVERIFY(same(session.next(), set[0])); // it came back, the fifth set
    session.answered(answerTo(set[0], false));
    session.answered(answerTo(set[0], false, 2));
    answer(true);
    QVERIFY(same(session.next(), set[2])); // the third came back
    session.answered(answerTo(set[2], true));

    // The next session, another seed: the first one, left wrong, comes back
    // early (the second set); the third, put right, does not.
    Plan next(QStringLiteral("numbers"), 41, session.answers());
    QList<Exercise> again;
    for (int i = 0; i < 8; ++i) {
        again.append(next.next());
        next.answered(answerTo(again.last(), true));
    }
    QVERIFY(same(again[1], set[0]));
    QCOMPARE(again[0].seed, std::uint64_t(41));
    for (int i = 0; i < again.size(); ++i)
        if (i != 1)
            QVERIFY(again[i].seed == 41U);
}

void MasteryTest::fixedLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
}

// The teacher's level, whatever the pupil's own; exercises left wrong at
// another level do not come back.
void MasteryTest::fixedLevel()
{
    QFETCH(int, level);
    const QList<Answer> earlier = answersOf(QStringLiteral("RRRRRRRRRRW"), Circle, 2, false);
    Plan plan(Areas, 3, earlier);
    plan.setFixedLevel(level);
    QCOMPARE(plan.fixedLevel(), level);
    for (int i = 0; i < 12; ++i) {
        const Exercise e = plan.next();
        QCOMPARE(e.level, level);
        QCOMPARE(e.seed == 3U, level != 2 || i != 1); // only at level 2 the wrong one comes back
        plan.answered(answerTo(e, true));
    }
    // Without it, the pupil's own level again: circle-area at 3 after ten right.
    plan.setFixedLevel(std::nullopt);
    Exercise e = plan.next();
    while (e.kind != Circle)
        e = plan.next();
    QCOMPARE(e.level, 3);
}

QTEST_GUILESS_MAIN(MasteryTest)
#include "test_mastery.moc"
