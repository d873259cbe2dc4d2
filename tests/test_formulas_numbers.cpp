// The number operations without their window: the steps each operation
// writes for the text typed, the text its result box gets, the failures of a
// text that is not a number, and the one rule by which every number is
// rounded to hundredths and explained.

#include "support/linecheck.h"

#include "numbers/formulas.h"
#include "numtext/hundredths.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace numtext;

namespace {

enum class Op { Root, Absolute, DecimalLog, NaturalLog, Prime, Parity, Hundredths };

// What the result box gets for the operation on the typed text; the empty
// text when the operation gives nothing (the square root of a negative).
QString answer(Op op, const QString &text, Steps &s)
{
    switch (op) {
    case Op::Root:
        return numbers::squareRootAnswer(text, s).value_or(QString());
    case Op::Absolute:
        return numbers::absoluteValueAnswer(text, s);
    case Op::DecimalLog:
        return numbers::decimalLogAnswer(text, s);
    case Op::NaturalLog:
        return numbers::naturalLogAnswer(text, s);
    case Op::Prime:
        return numbers::primeAnswer(text, s).value_or(QString());
    case Op::Parity:
        return numbers::parityAnswer(text, s);
    case Op::Hundredths:
        return numbers::hundredthsAnswer(text, s);
    }
    return QString();
}

// What the lines of these operations write besides numbers: e, and the two
// logarithms before their argument.
const linecheck::Names Names{{QStringLiteral("هـ"), std::numbers::e}};
const linecheck::Functions Functions{{QStringLiteral("لو"), [](double x) { return std::log10(x); }},
                                     {QStringLiteral("لوهـ"), [](double x) { return std::log(x); }}};

// The value a line ends with: what follows its last "=" or "≈".
QString lastValue(const QString &line)
{
    qsizetype at = -1;
    for (const QString &relation : {QStringLiteral("= "), QStringLiteral("≈ ")})
        at = std::max(at, line.lastIndexOf(relation));
    return at < 0 ? QString() : line.mid(at + 2);
}

const QString RootMeaning = QStringLiteral("(الجذر التربيعي للعدد هو العدد غير السالب الذي مربعه يساوي العدد)");
const QString AbsMeaning = QStringLiteral("(القيمة المطلقة للعدد هي بعده عن الصفر: العدد بلا إشارة)");
const QString LogHead = QStringLiteral("[blue:اللوغاريتم العشري] = لو العدد");
const QString LogMeaning = QStringLiteral("(لو العدد هو الأس الذي يرفع إليه 10 ليعطي العدد)");
const QString ByNaturalLogs = QStringLiteral("ولإيجاده نقسم لوغاريتمين طبيعيين:");
const QString LnHead = QStringLiteral("[blue:اللوغاريتم الطبيعي] = لوهـ العدد");
const QString LnMeaning = QStringLiteral(
    "(لوهـ العدد هو الأس الذي يرفع إليه هـ ليعطي العدد، حيث هـ ≈ 2.71828182845905)");
const QString Definition = QStringLiteral("العدد الأولي عدد صحيح أكبر من 1 لا يقبل القسمة إلا على 1 وعلى نفسه");
const QString RoundRule = QStringLiteral("[blue:التقريب لأقرب جزء من المئة]: نضرب في 100، ثم نأخذ أقرب عدد صحيح إلى "
                                         "حاصل الضرب، ثم نقسمه على 100");
// The rule for a product exactly in the middle, said once.
const QString EvenRule = QStringLiteral("وعند المنتصف تماما نأخذ العدد الزوجي من العددين");

} // namespace

Q_DECLARE_METATYPE(Op)

class FormulasNumbersTest : public QObject {
    Q_OBJECT
private slots:
    void steps_data();
    void steps();
    void notANumber_data();
    void notANumber();
    void primesAsTyped_data();
    void primesAsTyped();
    void primeOfTooLargeANumber_data();
    void primeOfTooLargeANumber();
    void hundredthsByTheProduct_data();
    void hundredthsByTheProduct();
};

// Each operation's lines for a typed text, and the result box's text; the
// last line ends with that text (a number as the lines write it, a word
// answer as it is).
void FormulasNumbersTest::steps_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("box");
    QTest::newRow("root 16, a square") << Op::Root << "16"
                                       << QStringList{RootMeaning, "[blue:الجذر التربيعي] = \\sqrt{16}",
                                                      "4^{2} = 16، إذن \\sqrt{16} = 4"}
                                       << "4";
    QTest::newRow("root 2.25, a square") << Op::Root << "2.25"
                                         << QStringList{RootMeaning, "[blue:الجذر التربيعي] = \\sqrt{2.25}",
                                                        "1.5^{2} = 2.25، إذن \\sqrt{2.25} = 1.5"}
                                         << "1.5";
    QTest::newRow("root 2") << Op::Root << "2"
                            << QStringList{RootMeaning, "[blue:الجذر التربيعي] = \\sqrt{2}", "≈ 1.4142135623731"}
                            << "1.4142135623731";
    QTest::newRow("root 1E-10, a power of ten")
        << Op::Root << "1E-10"
        << QStringList{RootMeaning, "[blue:الجذر التربيعي] = \\sqrt{1 × 10^{−10}}", "= 1 × 10^{−5}"} << "1E-05";
    QTest::newRow("absolute -7.5") << Op::Absolute << "-7.5"
                                   << QStringList{AbsMeaning, "العدد سالب: تحذف إشارته",
                                                  "[blue:القيمة المطلقة] = |−7.5|", "= 7.5"}
                                   << "7.5";
    QTest::newRow("absolute 3") << Op::Absolute << "3"
                                << QStringList{AbsMeaning, "العدد ليس سالبا: قيمته المطلقة هي العدد نفسه",
                                               "[blue:القيمة المطلقة] = |3|", "= 3"}
                                << "3";
    QTest::newRow("log 1000, a power of ten")
        << Op::DecimalLog << "1000"
        << QStringList{LogHead, LogMeaning, "المطلوب لو 1000", "10^{3} = 1000، إذن لو 1000 = 3"} << "3";
    QTest::newRow("log 0.001") << Op::DecimalLog << "0.001"
                               << QStringList{LogHead, LogMeaning, "المطلوب لو 0.001",
                                              "10^{−3} = 0.001، إذن لو 0.001 = −3"}
                               << "-3";
    QTest::newRow("log 1") << Op::DecimalLog << "1"
                           << QStringList{LogHead, LogMeaning, "المطلوب لو 1", "10^{0} = 1، إذن لو 1 = 0"} << "0";
    QTest::newRow("log 1E-20") << Op::DecimalLog << "1E-20"
                               << QStringList{LogHead, LogMeaning, "المطلوب لو (1 × 10^{−20})",
                                              "1 × 10^{−20} = 10^{−20}، إذن لو (1 × 10^{−20}) = −20"}
                               << "-20";
    QTest::newRow("log 2, between two powers")
        << Op::DecimalLog << "2"
        << QStringList{LogHead,
                       LogMeaning,
                       "المطلوب لو 2",
                       "2 بين 1 و 10، أي بين 10^{0} و 10^{1}، إذن لو 2 بين 0 و 1",
                       ByNaturalLogs,
                       "لو 2 = \\frac{لوهـ 2}{لوهـ 10}",
                       "≈ \\frac{0.693147180559945}{2.30258509299405}",
                       "≈ 0.301029995663981"}
        << "0.301029995663981";
    QTest::newRow("log 0.5") << Op::DecimalLog << "0.5"
                             << QStringList{LogHead,
                                            LogMeaning,
                                            "المطلوب لو 0.5",
                                            "0.5 بين 0.1 و 1، أي بين 10^{−1} و 10^{0}، إذن لو 0.5 بين −1 و 0",
                                            ByNaturalLogs,
                                            "لو 0.5 = \\frac{لوهـ 0.5}{لوهـ 10}",
                                            "≈ \\frac{−0.693147180559945}{2.30258509299405}",
                                            "≈ −0.301029995663981"}
                             << "-0.301029995663981";
    QTest::newRow("log 2E-5") << Op::DecimalLog << "2E-5"
                              << QStringList{LogHead,
                                             LogMeaning,
                                             "المطلوب لو (2 × 10^{−5})",
                                             "2 × 10^{−5} بين 10^{−5} و 10^{−4}، إذن لو (2 × 10^{−5}) بين −5 و −4",
                                             ByNaturalLogs,
                                             "لو (2 × 10^{−5}) = \\frac{لوهـ (2 × 10^{−5})}{لوهـ 10}",
                                             "≈ \\frac{−10.8197782844103}{2.30258509299405}",
                                             "≈ −4.69897000433602"}
                              << "-4.69897000433602";
    QTest::newRow("log -5, in brackets")
        << Op::DecimalLog << "-5"
        << QStringList{LogHead, LogMeaning, "المطلوب لو (−5)",
                       "لا يوجد أس يجعل 10 مرفوعا إليه يساوي −5، لأن قوى 10 كلها موجبة", "قيمة غير معروفة"}
        << "قيمة غير معروفة";
    QTest::newRow("log 0") << Op::DecimalLog << "0"
                           << QStringList{LogHead, LogMeaning, "المطلوب لو 0",
                                          "لا يوجد أس يجعل 10 مرفوعا إليه يساوي 0، لأن قوى 10 كلها موجبة",
                                          "قيمة غير معروفة"}
                           << "قيمة غير معروفة";
    QTest::newRow("ln 10")
        << Op::NaturalLog << "10"
        << QStringList{LnHead, LnMeaning, "المطلوب لوهـ 10",
                       "هـ^{2} ≈ 7.38905609893065 و هـ^{3} ≈ 20.0855369231877، و 10 بينهما، إذن لوهـ 10 بين 2 و 3",
                       "لوهـ 10 ≈ 2.30258509299405"}
        << "2.30258509299405";
    QTest::newRow("ln 1") << Op::NaturalLog << "1"
                          << QStringList{LnHead, LnMeaning, "المطلوب لوهـ 1", "هـ^{0} = 1، إذن لوهـ 1 = 0"} << "0";
    QTest::newRow("ln 0.5")
        << Op::NaturalLog << "0.5"
        << QStringList{LnHead, LnMeaning, "المطلوب لوهـ 0.5",
                       "هـ^{−1} ≈ 0.367879441171442 و هـ^{0} = 1، و 0.5 بينهما، إذن لوهـ 0.5 بين −1 و 0",
                       "لوهـ 0.5 ≈ −0.693147180559945"}
        << "-0.693147180559945";
    QTest::newRow("ln 1E+300")
        << Op::NaturalLog << "1E300"
        << QStringList{LnHead, LnMeaning, "المطلوب لوهـ (1 × 10^{300})",
                       QStringLiteral("هـ^{690} ≈ 4.60460640478299 × 10^{299} و هـ^{691} ≈ 1.25166179173277 × "
                                      "10^{300}، و 1 × 10^{300} بينهما، إذن لوهـ (1 × 10^{300}) بين 690 و 691"),
                       "لوهـ (1 × 10^{300}) ≈ 690.775527898214"}
        << "690.775527898214";
    QTest::newRow("ln -1") << Op::NaturalLog << "-1"
                           << QStringList{LnHead, LnMeaning, "المطلوب لوهـ (−1)",
                                          "لا يوجد أس يجعل هـ مرفوعا إليه يساوي −1، لأن قوى هـ كلها موجبة",
                                          "قيمة غير معروفة"}
                           << "قيمة غير معروفة";
    QTest::newRow("prime 221, divisors that failed")
        << Op::Prime << "221" << QStringList{"العدد = 221",
                                             Definition,
                                             "لا يقسمه 2 ولا 3 ولا 5 ولا 7 ولا 11",
                                             "أصغر عدد أولي يقسم 221 هو 13",
                                             "221 = 13 × 17",
                                             "العدد غيرأولي"}
        << "العدد غيرأولي";
    QTest::newRow("prime 97")
        << Op::Prime << "97"
        << QStringList{"العدد = 97",
                       Definition,
                       "\\sqrt{97} ≈ 9.8488578017961",
                       "لا يقسمه أي عدد أولي من 2 حتى 9 (2، 3، 5، 7)",
                       "ولو كان له قاسم أكبر من جذره لقابله قاسم أصغر من جذره: فلا قاسم له إلا 1 و97",
                       "نعم .. العدد أولي"}
        << "نعم .. العدد أولي";
    QTest::newRow("prime 12abc, its leading number") << Op::Prime << "12abc"
                                                     << QStringList{"يؤخذ العدد الذي في أول المكتوب، وهنا 12",
                                                                    "العدد = 12",
                                                                    Definition,
                                                                    "أصغر عدد أولي يقسم 12 هو 2",
                                                                    "12 = 2 × 6",
                                                                    "العدد غيرأولي"}
                                                     << "العدد غيرأولي";
    QTest::newRow("prime of letters, read as 0")
        << Op::Prime << "abc"
        << QStringList{"يؤخذ العدد الذي في أول المكتوب، وهنا 0", "العدد = 0", Definition,
                       "0 يقبل القسمة على كل عدد غير الصفر، وليس أكبر من 1", "العدد غيرأولي"}
        << "العدد غيرأولي";
    QTest::newRow("prime -7") << Op::Prime << "-7"
                              << QStringList{"العدد = −7", Definition, "−7 عدد سالب، والعدد الأولي موجب",
                                             "العدد غيرأولي"}
                              << "العدد غيرأولي";
    QTest::newRow("prime 7.5") << Op::Prime << "7.5"
                               << QStringList{"العدد = 7.5", Definition, "7.5 ليس عددا صحيحا", "العدد غيرأولي"}
                               << "العدد غيرأولي";
    QTest::newRow("prime 2^53 + 5, with all its digits")
        << Op::Prime << "9007199254740997"
        << QStringList{"العدد = 9007199254740997",
                       Definition,
                       "\\sqrt{9007199254740997} ≈ 94906265.6242516",
                       "لا يقسمه أي عدد أولي من 2 حتى 94906265",
                       "ولو كان له قاسم أكبر من جذره لقابله قاسم أصغر من جذره: فلا قاسم له إلا 1 و9007199254740997",
                       "نعم .. العدد أولي"}
        << "نعم .. العدد أولي";
    QTest::newRow("prime 1E+17, written whole")
        << Op::Prime << "1E17"
        << QStringList{"العدد = 100000000000000000", Definition, "أصغر عدد أولي يقسم 100000000000000000 هو 2",
                       "100000000000000000 = 2 × 50000000000000000", "العدد غيرأولي"}
        << "العدد غيرأولي";
    QTest::newRow("prime -9007199254740997")
        << Op::Prime << "-9007199254740997"
        << QStringList{"العدد = −9007199254740997", Definition, "−9007199254740997 عدد سالب، والعدد الأولي موجب",
                       "العدد غيرأولي"}
        << "العدد غيرأولي";
    QTest::newRow("parity -7, school division")
        << Op::Parity << "-7"
        << QStringList{"العدد = −7", "نقسم على 2: −7 = 2 × (−4) + 1 ، والباقي 1",
                       "الباقي 1: العدد لا يقبل القسمة على 2", "نوع العدد فردي"}
        << "نوع العدد فردي";
    QTest::newRow("parity of letters, read as 0")
        << Op::Parity << "abc"
        << QStringList{"يؤخذ العدد الذي في أول المكتوب، وهنا 0", "العدد = 0", "نقسم على 2: 0 = 2 × 0 + 0 ، والباقي 0",
                       "الباقي 0: العدد يقبل القسمة على 2", "نوع العدد زوجي"}
        << "نوع العدد زوجي";
    QTest::newRow("parity 2.5") << Op::Parity << "2.5"
                                << QStringList{"العدد = 2.5", "2.5 له جزء كسري: الزوجي والفردي من صفات الأعداد الصحيحة",
                                               "العدد ليس صحيحا .. فلا يوصف بأنه زوجي أو فردي"}
                                << "العدد ليس صحيحا .. فلا يوصف بأنه زوجي أو فردي";
    QTest::newRow("parity 2147483647.5")
        << Op::Parity << "2147483647.5"
        << QStringList{"العدد = 2147483647.5", "2147483647.5 له جزء كسري: الزوجي والفردي من صفات الأعداد الصحيحة",
                       "العدد ليس صحيحا .. فلا يوصف بأنه زوجي أو فردي"}
        << "العدد ليس صحيحا .. فلا يوصف بأنه زوجي أو فردي";
    QTest::newRow("hundredths 1.015, product below the half")
        << Op::Hundredths << "1.015"
        << QStringList{RoundRule,
                       "العدد = 1.015",
                       "1.015 × 100 ≈ 101.5",
                       QStringLiteral("101.5 يبدو في المنتصف بين 101 و 102، لكن حاصل الضرب كما يحسبه الحاسوب أقل منه "
                                      "بقليل (الحاسوب "
                                      "يحفظ الأعداد بالنظام الثنائي)، فأقرب عدد صحيح إليه 101"),
                       "العدد مقربا = 101 ÷ 100",
                       "= 1.01"}
        << "1.01";
    QTest::newRow("hundredths 0.015, product a half")
        << Op::Hundredths << "0.015"
        << QStringList{RoundRule,
                       "العدد = 0.015",
                       "0.015 × 100 = 1.5",
                       "1.5 في المنتصف تماما بين 1 و 2، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: 2",
                       "العدد مقربا = 2 ÷ 100",
                       "= 0.02"}
        << "0.02";
    QTest::newRow("hundredths 0.075, product a half")
        << Op::Hundredths << "0.075"
        << QStringList{RoundRule,
                       "العدد = 0.075",
                       "0.075 × 100 = 7.5",
                       "7.5 في المنتصف تماما بين 7 و 8، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: 8",
                       "العدد مقربا = 8 ÷ 100",
                       "= 0.08"}
        << "0.08";
    QTest::newRow("hundredths 2.675, product a half")
        << Op::Hundredths << "2.675"
        << QStringList{RoundRule,
                       "العدد = 2.675",
                       "2.675 × 100 = 267.5",
                       "267.5 في المنتصف تماما بين 267 و 268، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: 268",
                       "العدد مقربا = 268 ÷ 100",
                       "= 2.68"}
        << "2.68";
    QTest::newRow("hundredths 0.125, half to even")
        << Op::Hundredths << "0.125"
        << QStringList{RoundRule,
                       "العدد = 0.125",
                       "0.125 × 100 = 12.5",
                       "12.5 في المنتصف تماما بين 12 و 13، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: 12",
                       "العدد مقربا = 12 ÷ 100",
                       "= 0.12"}
        << "0.12";
    QTest::newRow("hundredths 0.375, half to even")
        << Op::Hundredths << "0.375"
        << QStringList{RoundRule,
                       "العدد = 0.375",
                       "0.375 × 100 = 37.5",
                       "37.5 في المنتصف تماما بين 37 و 38، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: 38",
                       "العدد مقربا = 38 ÷ 100",
                       "= 0.38"}
        << "0.38";
    QTest::newRow("hundredths -2.346") << Op::Hundredths << "-2.346"
                                       << QStringList{RoundRule,
                                                      "العدد = −2.346",
                                                      "−2.346 × 100 ≈ −234.6",
                                                      "−234.6 بين −235 و −234، وأقرب عدد صحيح إليه −235",
                                                      "العدد مقربا = −235 ÷ 100",
                                                      "= −2.35"}
                                       << "-2.35";
    QTest::newRow("hundredths -2.678") << Op::Hundredths << "-2.678"
                                       << QStringList{RoundRule,
                                                      "العدد = −2.678",
                                                      "−2.678 × 100 = −267.8",
                                                      "−267.8 بين −268 و −267، وأقرب عدد صحيح إليه −268",
                                                      "العدد مقربا = −268 ÷ 100",
                                                      "= −2.68"}
                                       << "-2.68";
    QTest::newRow("hundredths 0.1251, above the half") << Op::Hundredths << "0.1251"
                                                       << QStringList{RoundRule,
                                                                      "العدد = 0.1251",
                                                                      "0.1251 × 100 ≈ 12.51",
                                                                      "12.51 بين 12 و 13، وأقرب عدد صحيح إليه 13",
                                                                      "العدد مقربا = 13 ÷ 100",
                                                                      "= 0.13"}
                                                       << "0.13";
    QTest::newRow("hundredths 3.14159") << Op::Hundredths << "3.14159"
                                        << QStringList{RoundRule,
                                                       "العدد = 3.14159",
                                                       "3.14159 × 100 = 314.159",
                                                       "314.159 بين 314 و 315، وأقرب عدد صحيح إليه 314",
                                                       "العدد مقربا = 314 ÷ 100",
                                                       "= 3.14"}
                                        << "3.14";
    QTest::newRow("hundredths 2.5, nothing to drop")
        << Op::Hundredths << "2.5" << QStringList{RoundRule,
                                                  "العدد = 2.5",
                                                  "2.5 × 100 = 250",
                                                  "250 عدد صحيح، فلا يتغير بالتقريب",
                                                  "العدد مقربا = 250 ÷ 100",
                                                  "= 2.5"}
        << "2.5";
    QTest::newRow("hundredths 1.1, product shown whole")
        << Op::Hundredths << "1.1" << QStringList{RoundRule,
                                                  "العدد = 1.1",
                                                  "1.1 × 100 ≈ 110",
                                                  "110 عدد صحيح، فلا يتغير بالتقريب",
                                                  "العدد مقربا = 110 ÷ 100",
                                                  "= 1.1"}
        << "1.1";
    QTest::newRow("hundredths 0.999 carries") << Op::Hundredths << "0.999"
                                              << QStringList{RoundRule,
                                                             "العدد = 0.999",
                                                             "0.999 × 100 = 99.9",
                                                             "99.9 بين 99 و 100، وأقرب عدد صحيح إليه 100",
                                                             "العدد مقربا = 100 ÷ 100",
                                                             "= 1"}
                                              << "1";
    QTest::newRow("hundredths 1E-05") << Op::Hundredths << "1E-05"
                                      << QStringList{RoundRule,
                                                     "العدد = 1 × 10^{−5}",
                                                     "(1 × 10^{−5}) × 100 = 0.001",
                                                     "0.001 بين 0 و 1، وأقرب عدد صحيح إليه 0",
                                                     "العدد مقربا = 0 ÷ 100",
                                                     "= 0"}
                                      << "0";
    QTest::newRow("hundredths 1E+300, too large")
        << Op::Hundredths << "1E300"
        << QStringList{RoundRule,
                       "العدد = 1 × 10^{300}",
                       "(1 × 10^{300}) × 100 = 1 × 10^{302}",
                       "العدد بهذا الحجم عدد صحيح ليس فيه أجزاء من المئة، فلا يتغير بالتقريب",
                       "العدد مقربا = العدد",
                       "= 1 × 10^{300}"}
        << "1E+300";
    QTest::newRow("hundredths 1.23456789012345678, typed beyond 15 digits")
        << Op::Hundredths << "1.23456789012345678"
        << QStringList{RoundRule,
                       "العدد ≈ 1.23456789012346",
                       "1.23456789012346 × 100 ≈ 123.456789012346",
                       "123.456789012346 بين 123 و 124، وأقرب عدد صحيح إليه 123",
                       "العدد مقربا = 123 ÷ 100",
                       "= 1.23"}
        << "1.23";
}

void FormulasNumbersTest::steps()
{
    QFETCH(Op, op);
    QFETCH(QString, input);
    QFETCH(QStringList, lines);
    QFETCH(QString, box);
    Steps s;
    QCOMPARE(answer(op, input, s), box);
    QCOMPARE(s.lines(), lines);
    QVERIFY(!s.failed());
    // Every "=" and "≈" holds; a number worked out is recomputed at least
    // once (an absolute value, |−7.5|, is read by no rule of arithmetic).
    const linecheck::Report report = linecheck::check(s, Names, Functions);
    QVERIFY2(report.ok(), qPrintable(report.text()));
    if (s.results().isEmpty()) {
        QCOMPARE(s.lines().last(), box);
    } else {
        QVERIFY(report.relations > 0 || op == Op::Absolute);
        QCOMPARE(s.results(), QStringList{box});
        QCOMPARE(lastValue(s.lines().last()), writtenText(box));
    }
}

// A text that is not a number fails where the operation reads it strictly:
// the lines written before, then the failure.
void FormulasNumbersTest::notANumber_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("failure");
    const int notANumber = int(Failure::NotANumber);
    QTest::newRow("root of letters") << Op::Root << "abc" << QStringList{RootMeaning} << notANumber;
    QTest::newRow("log of 12abc") << Op::DecimalLog << "12abc" << QStringList{LogHead, LogMeaning} << notANumber;
    QTest::newRow("ln of a space") << Op::NaturalLog << " " << QStringList{LnHead, LnMeaning} << notANumber;
    QTest::newRow("absolute beyond the doubles")
        << Op::Absolute << "-1e400" << QStringList{AbsMeaning} << int(Failure::Overflow);
    QTest::newRow("hundredths of 1.2.3") << Op::Hundredths << "1.2.3" << QStringList() << notANumber;
    QTest::newRow("parity beyond 32 bits")
        << Op::Parity << "2147483648" << QStringList{"العدد = 2147483648"} << int(Failure::OutOfRange);
    QTest::newRow("prime beyond the doubles") << Op::Prime << "1e400" << QStringList() << int(Failure::Overflow);
}

void FormulasNumbersTest::notANumber()
{
    QFETCH(Op, op);
    QFETCH(QString, input);
    QFETCH(QStringList, lines);
    QFETCH(int, failure);
    Steps s;
    try {
        answer(op, input, s);
        QFAIL("no failure");
    } catch (const ComputationFailure &f) {
        QCOMPARE(int(f.kind()), failure);
    }
    QCOMPARE(s.lines(), lines);
    QVERIFY(s.results().isEmpty());
}

// Whole numbers beside 2^53, where the doubles are two apart and then more,
// and below 10^18 are tested exactly as typed: the answer, and for a
// composite its smallest prime factor and the cofactor. The factors were
// found by another program (GNU factor), not by this one.
void FormulasNumbersTest::primesAsTyped_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<qulonglong>("factor"); // the smallest prime factor: the number itself for a prime
    const auto row = [](const char *input, qulonglong factor) { QTest::newRow(input) << input << factor; };
    row("9007199254740881", 9007199254740881ULL); // the largest prime below 2^53
    row("9007199254740989", 2203);
    row("9007199254740991", 6361); // 2^53 - 1 = 6361 × 69431 × 20394401
    row("9007199254740992", 2);
    row("9007199254740993", 3); // 2^53 + 1 = 3 × 107 × 28059810762433
    row("9007199254740995", 5);
    row("9007199254740997", 9007199254740997ULL); // the first prime above 2^53
    row("9007207298190743", 94906297);            // 94906297 × 94906319, two primes beside √2^53
    row("10000000000000061", 10000000000000061ULL);
    row("999999866000004473", 999999929); // 999999929 × 999999937
    row("999999999999999967", 999999999999999967ULL);
    row("999999999999999989", 999999999999999989ULL); // the largest prime below 10^18
    row("999999999999999991", 23);
    row("999999999999999997", 47);
    row("999999999999999999", 3);
}

void FormulasNumbersTest::primesAsTyped()
{
    QFETCH(QString, input);
    QFETCH(qulonglong, factor);
    const qulonglong n = input.toULongLong();
    Steps s;
    const bool prime = factor == n;
    QCOMPARE(numbers::primeAnswer(input, s), prime ? numbers::PrimeAnswer : numbers::NotPrimeAnswer);
    QCOMPARE(s.lines().first(), QStringLiteral("العدد = ") + input);
    if (!prime) {
        QVERIFY(s.lines().contains(QStringLiteral("أصغر عدد أولي يقسم %1 هو %2").arg(input).arg(factor)));
        QVERIFY(s.lines().contains(QStringLiteral("%1 = %2 × %3").arg(input).arg(factor).arg(n / factor)));
    } else {
        QVERIFY(s.lines().contains(
            QStringLiteral("ولو كان له قاسم أكبر من جذره لقابله قاسم أصغر من جذره: فلا قاسم له إلا 1 و") + input));
    }
}

void FormulasNumbersTest::primeOfTooLargeANumber_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("10^18") << "1000000000000000000";
    QTest::newRow("1E+18 and letters") << "1E+18abc";
    QTest::newRow("1E+300") << "1E+300";
    QTest::newRow("18446744073709551557, a prime beyond 64 bits") << "18446744073709551557";
    QTest::newRow("the largest double") << "1.7976931348623157e308";
}

// A whole number of 10^18 or more gives nothing and writes nothing: the
// window refuses it with a notice.
void FormulasNumbersTest::primeOfTooLargeANumber()
{
    QFETCH(QString, input);
    Steps s;
    QVERIFY(!numbers::primeAnswer(input, s));
    QVERIFY(s.isEmpty());
}

// Every number is rounded by its product with 100 as the computer works it
// out, and the lines say so: the whole number they choose, divided by 100,
// is the result; the even neighbour is named exactly when the product is a
// half, and only then; a product whose fifteen digits end in a half but
// that is not one says which side it lies on.
void FormulasNumbersTest::hundredthsByTheProduct_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("step");
    QTest::newRow("thousandths from -3 to 3") << -3.0 << 3.0 << 0.001;
    QTest::newRow("halves of hundredths from 0 to 20") << 0.005 << 20.0 << 0.01;
    QTest::newRow("large, halves") << 1e9 + 0.005 << 1e9 + 2.0 << 0.01;
    QTest::newRow("small") << -1e-3 << 1e-3 << 1.7e-5;
}

void FormulasNumbersTest::hundredthsByTheProduct()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(double, step);
    const QString chosenLine = QStringLiteral("العدد مقربا = ");
    for (int i = 0; from + i * step <= to; ++i) {
        // The number as a pupil types it: fifteen digits.
        const double x = strictNumber(format(from + i * step));
        Steps s;
        const double rounded = roundToHundredths(QStringLiteral("العدد"), x, s);
        QCOMPARE(rounded, roundDecimal(x, 2));
        QCOMPARE(s.results(), QStringList{format(rounded)});
        QCOMPARE(s.lines().last(), relation(rounded) + u' ' + written(rounded));
        const double product = x * 100;
        const bool half = product - std::floor(product) == 0.5;
        int chosen = 0, even = 0;
        for (const QString &line : s.lines()) {
            if (line.startsWith(chosenLine)) {
                ++chosen;
                const QString whole = line.mid(chosenLine.size()).section(u' ', 0, 0);
                QCOMPARE(QString(whole).replace(MinusSign, u'-').toDouble() / 100, rounded);
            }
            even += int(line.count(EvenRule));
            QVERIFY2(!line.contains(QStringLiteral("يبدو في المنتصف")) || !half, qPrintable(line));
        }
        QVERIFY2(chosen == 1, qPrintable(format(x)));
        QVERIFY2(even == int(half), qPrintable(format(x)));
        VERIFY_LINES(s);
    }
}

QTEST_GUILESS_MAIN(FormulasNumbersTest)
#include "test_formulas_numbers.moc"
