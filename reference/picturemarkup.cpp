#include "reference/picturemarkup.h"

namespace reference {

// ط is red and نق green wherever they stand; the names of the quantities are blue.
const PictureDesign &design(Picture picture)
{
    static const std::vector<PictureDesign> designs = [] {
        const FormulaLine radiusAndPi{Row::RuledFooter, "[green:نق = نصف القطر]", "[red:ط = ٣,١٤]"};
        std::vector<PictureDesign> d(std::size(AllPictures));
        d[int(Picture::Areas)] = {400,
                                  Drawing::BooksAndPencil,
                                  15,
                                  17,
                                  0,
                                  {
                                      {Row::Formula, "[blue:مساحة المثلث] = ١/٢ × القاعدة × الارتفاع"},
                                      {Row::Formula, "[blue:مساحة المربع والمستطيل] = الطول × العرض"},
                                      {Row::Formula, "[blue:مساحة متوازي الأضلاع] = القاعدة × الارتفاع"},
                                      {Row::Formula, "[blue:مساحة شبه منحرف]"},
                                      {Row::Continuation, "= ١/٢ × الارتفاع × (مجموع القاعدتين)"},
                                      {Row::Formula, "[blue:مساحة المكعب] = (طول الحرف)^{٢} × ٦"},
                                      {Row::Formula, "[blue:مساحة الدائرة] = [red:ط] × [green:نق]^{٢}"},
                                      {Row::Formula, "[blue:المساحة السطحية للكرة] = ٤ × [red:ط] × [green:نق]^{٢}"},
                                      radiusAndPi,
                                  }};
        d[int(Picture::Perimeters)] = {300,
                                       Drawing::OpenBookWithGlasses,
                                       15,
                                       17,
                                       0,
                                       {
                                           {Row::Formula, "[blue:محيط المربع] = ٤ × طول ضلع واحد"},
                                           {Row::Formula, "[blue:محيط المستطيل] = ٢ × (الطول + العرض)"},
                                           {Row::Formula, "[blue:محيط المثلث] = (مجموع أطوال أضلاعه)"},
                                           {Row::Formula, "[blue:محيط شبه منحرف] = (مجموع أطوال أضلاعه)"},
                                           {Row::Formula, "[blue:محيط متوازي الأضلاع] = (مجموع أطوال أضلاعه)"},
                                           {Row::Formula, "[blue:محيط الدائرة] = ٢ × [red:ط] × [green:نق]"},
                                           radiusAndPi,
                                       }};
        // Celsius blue, Kelvin green, Fahrenheit dark red.
        d[int(Picture::Temperature)] = {300,
                                        Drawing::Cup,
                                        15,
                                        17,
                                        0,
                                        {
                                            {Row::Formula, "[blue:الدرجة المئوية] = [green:الكالفن] − ٢٧٣"},
                                            {Row::Formula, "[green:الكالفن] = [blue:الدرجة المئوية] + ٢٧٣"},
                                            {Row::Formula, "[darkred:فهرنهايت] = (١,٨ × [blue:الدرجة المئوية]) + ٣٢"},
                                            {Row::Formula,
                                             "[blue:الدرجة المئوية] = \\frac{[darkred:فهرنهايت] − ٣٢}{١,٨}"},
                                        }};
        // Radians green, degrees blue.
        d[int(Picture::Angles)] = {
            300,
            Drawing::BookAndPencil,
            16,
            17,
            0,
            {
                {Row::Formula, "[green:التقدير الدائري] = \\frac{[red:ط] × [blue:التقدير الستيني]}{١٨٠}"},
                {Row::Formula, "[blue:التقدير الستيني] = \\frac{[green:التقدير الدائري] × ١٨٠}{[red:ط]}"},
                {Row::Footer, "", "[red:ط = ٣,١٤]"},
            }};
        d[int(Picture::Volumes)] = {400,
                                    Drawing::Globe,
                                    15,
                                    17,
                                    0,
                                    {
                                        {Row::Formula, "[blue:حجم المكعب] = (طول الحرف)^{٣}"},
                                        {Row::Formula, "[blue:حجم متوازي المستطيلات]"},
                                        {Row::Continuation, "= (طول القاعدة × عرض القاعدة) × الارتفاع"},
                                        // The cube of the radius, as the volumes window computes it.
                                        {Row::Formula, "[blue:حجم الكرة] = ٤/٣ × [red:ط] × [green:نق]^{٣}"},
                                        {Row::Formula,
                                         "[blue:حجم المخروط] = ١/٣ × [red:ط] × [green:نق]^{٢} × الارتفاع"},
                                        {Row::Formula, "[blue:حجم الاسطوانة] = [red:ط] × [green:نق]^{٢} × الارتفاع"},
                                        radiusAndPi,
                                    }};
        // x magenta, a blue, b green, c red. The formula is the picture: it
        // is set as large as the picture's width allows.
        d[int(Picture::QuadraticFormula)] = {
            300,
            Drawing::Marks,
            19,
            22,
            34,
            {
                {Row::Title, "[darkblue:قانون المميز]"},
                {Row::Display, "[magenta:س] = \\frac{−[green:ب] ± \\sqrt{[green:ب]^{٢} − ٤ × [blue:أ] × [red:جـ]}}"
                               "{٢ × [blue:أ]}"},
            }};
        d[int(Picture::GeneralForm)] = {300,
                                        Drawing::Books,
                                        17,
                                        19,
                                        0,
                                        {
                                            {Row::Title, "[darkblue bold:الصيغة العامة لمعادلة]"},
                                            {Row::Title, "[darkblue bold:من الدرجة الثانية]"},
                                            {Row::Centred, "أس^{٢} + ب س + جـ = ٠"},
                                            {Row::Formula, "حيث :-"},
                                            {Row::Columns, "أ : معامل س^{٢}", "ب : معامل س"},
                                            {Row::Formula, "جـ : عدد ثابت"},
                                        }};
        d[int(Picture::Trigonometry)] = {300,
                                         Drawing::CakeSlice,
                                         17,
                                         19,
                                         0,
                                         {
                                             {Row::Title, "[darkblue:قوانين الدوال المثلثية]"},
                                             {Row::Columns, "[green:جا = ١ / قتا]", "[green:جتا = ١ / قا]"},
                                             {Row::Columns, "[purple:ظا = جا / جتا]", "[purple:ظتا = ١ / ظا]"},
                                             {Row::Columns, "[darkred:قا = ١ / جتا]", "[darkred:قتا = ١ / جا]"},
                                             {Row::Centred, "[blue:جتا^{٢} + جا^{٢} = ١]"},
                                         }};
        return d;
    }();
    return designs[std::size_t(picture)];
}

} // namespace reference
