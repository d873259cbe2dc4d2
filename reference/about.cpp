#include "reference/about.h"

#include "kit/controls.h"
#include "kit/dispatch.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace app;

namespace {
// A value shown in a white box with a single border, in its own colour.
QLabel *valueLabel(QWidget *parent, const char *name, const QString &text, Tw at, const QString &tip,
                   const char *colour)
{
    QLabel *l = label(parent, name, text, at, tip);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(
        QStringLiteral("QLabel { background: white; border: 1px solid black; color: %1; }").arg(QLatin1String(colour)));
    return l;
}

} // namespace

Form10::Form10() : Window("Form10", QStringLiteral("حول البرنامج"), 4815, 2775)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    rectangle(this, {120, 120, 4575, 900});
    rectangle(this, {120, 1080, 4575, 900});
    Label5 = label(this, "Label5", QStringLiteral("اسم البرنامج"), {3360, 240, 1095, 255});
    Label3 = valueLabel(this, "Label3", QStringLiteral("Nabrosa"), {240, 240, 3015, 255},
                        QStringLiteral("اسم البرنامج"), "green");
    Label6 = label(this, "Label6", QStringLiteral("اصدار البرنامج"), {3480, 600, 975, 255});
    Label4 = valueLabel(this, "Label4", QStringLiteral("الاصدار الثالث 3.00"), {240, 600, 3015, 255},
                        QStringLiteral("اصدار البرنامج"), "brown");
    Label7 = label(this, "Label7", QStringLiteral("مصمم البرنامج"), {3480, 1200, 1095, 255});
    Label1 = valueLabel(this, "Label1", QStringLiteral("Orvandi"), {240, 1200, 3015, 255},
                        QStringLiteral("مصمم البرنامج"), "darkblue");
    Label8 = label(this, "Label8", QStringLiteral("المــوقع"), {3480, 1560, 735, 255});
    for (QLabel *caption : {Label5, Label6, Label7, Label8})
        caption->setAlignment(Qt::AlignCenter);
    Text1 = readOnlyEdit(this, "Text1", {240, 1560, 3015, 285}, Label8->text());
    Text1->setToolTip(QStringLiteral("قم بنسخ الرابط وألصقه في المتصفح"));
    Text1->setStyleSheet(QStringLiteral("color: purple;"));
    Command1 = button(this, "Command1", QStringLiteral("إغــــلاق"), {240, 2160, 1215, 375},
                      QStringLiteral("إغلاق هذه النافذة"));
    setDefaultButton(Command1);
    setEscapeButton(Command1);
    tabOrder({Text1, Command1});
    on(Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
}

void Form10::Command1_Click() { hide(); }
