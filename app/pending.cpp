#include "app/pending.h"

#include "app/banner.h"
#include "app/controls.h"

#include <QLineEdit>
#include <QPushButton>

namespace app {

PendingSection::PendingSection(const char *name, const QString &caption) : SectionWindow(name, caption, 4815, 3015)
{
    new Banner(this, "Picture1", twips(120, 120, 4575, 1215), caption);
    headingLine(this, "Text1", {120, 1320, 4575, 375}, QStringLiteral("هذا القسم قيد الإعداد"));
    auto *exit = button(this, "Command1", QStringLiteral("خروج"), {240, 2400, 1215, 375});
    auto *menu = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3120, 2400, 1455, 375});
    joinFrame(exit, menu);
}

} // namespace app
