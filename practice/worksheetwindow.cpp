#include "practice/worksheetwindow.h"

#include "kit/dispatch.h"
#include "kit/notice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace app;
using namespace numtext;
using namespace practice;

namespace {

WorksheetWindow::FileChooser &fileChooser()
{
    static WorksheetWindow::FileChooser chooser;
    return chooser;
}

WorksheetWindow::PrinterDialog &printerDialog()
{
    static WorksheetWindow::PrinterDialog dialog;
    return dialog;
}

QString chooseFile(QWidget *parent, const QString &suggested)
{
    if (fileChooser())
        return fileChooser()(parent, suggested);
    return QFileDialog::getSaveFileName(parent, QStringLiteral("حفظ ورقة العمل"), suggested,
                                        QStringLiteral("PDF (*.pdf)"));
}

bool askPrinter(QWidget *parent, QPrinter &printer, bool preview)
{
    if (printerDialog())
        return printerDialog()(parent, printer, preview);
    if (!preview) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    return true;
}

// A box with its label's caption as its name for a screen reader.
template <class T> T *named(T *control, const char *name, const QString &caption)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(caption);
    return control;
}

} // namespace

void WorksheetWindow::setFileChooser(FileChooser chooser) { fileChooser() = std::move(chooser); }
void WorksheetWindow::setPrinterDialog(PrinterDialog dialog) { printerDialog() = std::move(dialog); }

WorksheetWindow::WorksheetWindow() : Window("WorksheetWindow", QStringLiteral("ورقة عمل"), 7200, 7200)
{
    auto *rows = new QVBoxLayout(this);

    auto *sectionsLabel = new QLabel(QStringLiteral("التمارين:"), this);
    Sections = named(new QTreeWidget(this), "Sections", QStringLiteral("التمارين"));
    Sections->setHeaderHidden(true);
    Sections->setColumnCount(1);
    for (const QString &section : sections()) {
        auto *top = new QTreeWidgetItem(Sections, {sectionTitle(section)});
        top->setData(0, Qt::UserRole, section);
        top->setFlags(top->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        top->setCheckState(0, Qt::Unchecked);
        for (const QString &kind : kinds(section)) {
            auto *child = new QTreeWidgetItem(top, {kindTitle(kind)});
            child->setData(0, Qt::UserRole, kind);
            child->setFlags(child->flags() | Qt::ItemIsUserCheckable);
            child->setCheckState(0, Qt::Unchecked);
        }
    }
    sectionsLabel->setBuddy(Sections);
    rows->addWidget(sectionsLabel);
    rows->addWidget(Sections, 1);

    auto *form = new QGridLayout;
    const auto addRow = [&](int row, int column, const QString &caption, QWidget *control) {
        auto *l = new QLabel(caption + QLatin1Char(':'), this);
        l->setBuddy(control);
        form->addWidget(l, row, column * 2);
        form->addWidget(control, row, column * 2 + 1);
    };
    Count = named(new QSpinBox(this), "Count", QStringLiteral("عدد التمارين"));
    Count->setRange(1, 100);
    Count->setValue(10);
    addRow(0, 0, QStringLiteral("عدد التمارين"), Count);
    Level = named(new QComboBox(this), "Level", QStringLiteral("المستوى"));
    Level->addItems({QStringLiteral("الأول: أعداد صحيحة صغيرة"), QStringLiteral("الثاني: كسور عشرية"),
                     QStringLiteral("الثالث: أعداد أكبر وتقريب")});
    addRow(0, 1, QStringLiteral("المستوى"), Level);

    Seed = named(new QLineEdit(this), "Seed", QStringLiteral("رقم النسخة"));
    Seed->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,18}")), Seed));
    Seed->setLayoutDirection(Qt::LeftToRight);
    Seed->setText(QString::number(QRandomGenerator::global()->bounded(1, 1000000)));
    auto *newSeed = named(new QPushButton(QStringLiteral("نسخة جديدة"), this), "NewSeed", QStringLiteral("نسخة جديدة"));
    auto *seedRow = new QHBoxLayout;
    seedRow->addWidget(Seed, 1);
    seedRow->addWidget(newSeed);
    auto *seedBox = new QWidget(this);
    seedBox->setLayout(seedRow);
    seedRow->setContentsMargins(0, 0, 0, 0);
    addRow(1, 0, QStringLiteral("رقم النسخة"), seedBox);
    qobject_cast<QLabel *>(form->itemAtPosition(1, 0)->widget())->setBuddy(Seed);

    Digits = named(new QComboBox(this), "Digits", QStringLiteral("الأرقام"));
    Digits->addItems({QStringLiteral("١٢٣"), QStringLiteral("123")});
    addRow(1, 1, QStringLiteral("الأرقام"), Digits);

    SheetTitle = named(new QLineEdit(QStringLiteral("ورقة عمل"), this), "SheetTitle", QStringLiteral("العنوان"));
    addRow(2, 0, QStringLiteral("العنوان"), SheetTitle);
    School = named(new QLineEdit(this), "School", QStringLiteral("المدرسة"));
    addRow(2, 1, QStringLiteral("المدرسة"), School);
    ClassName = named(new QLineEdit(this), "ClassName", QStringLiteral("الصف"));
    addRow(3, 0, QStringLiteral("الصف"), ClassName);
    SheetDate = named(new QLineEdit(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")), this), "SheetDate",
                      QStringLiteral("التاريخ"));
    addRow(3, 1, QStringLiteral("التاريخ"), SheetDate);
    Paper = named(new QComboBox(this), "Paper", QStringLiteral("الورق"));
    Paper->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
    addRow(4, 0, QStringLiteral("الورق"), Paper);
    Pi = named(new QComboBox(this), "Pi", QStringLiteral("قيمة ط"));
    Pi->addItems({QStringLiteral("٣٫١٤"), QStringLiteral("٢٢/٧")});
    addRow(4, 1, QStringLiteral("قيمة ط"), Pi);
    rows->addLayout(form);

    Key = named(new QCheckBox(QStringLiteral("مفتاح الإجابات مع خطوات الحل"), this), "Key",
                QStringLiteral("مفتاح الإجابات مع خطوات الحل"));
    Key->setChecked(true);
    Figures = named(new QCheckBox(QStringLiteral("الأشكال"), this), "Figures", QStringLiteral("الأشكال"));
    auto *checks = new QHBoxLayout;
    checks->addWidget(Key);
    checks->addWidget(Figures);
    checks->addStretch(1);
    rows->addLayout(checks);

    auto *savePdf = named(new QPushButton(QStringLiteral("حفظ PDF"), this), "SavePdf", QStringLiteral("حفظ PDF"));
    auto *preview = named(new QPushButton(QStringLiteral("معاينة الطباعة"), this), "Preview",
                          QStringLiteral("معاينة الطباعة"));
    auto *print = named(new QPushButton(QStringLiteral("طباعة"), this), "Print", QStringLiteral("طباعة"));
    auto *close = named(new QPushButton(QStringLiteral("إغلاق"), this), "Close", QStringLiteral("إغلاق"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {savePdf, preview, print, close})
        buttons->addWidget(b);
    rows->addLayout(buttons);

    setDefaultButton(savePdf);
    setEscapeButton(close);
    on(newSeed, &QPushButton::clicked, this, &WorksheetWindow::NewSeed_Click);
    on(savePdf, &QPushButton::clicked, this, &WorksheetWindow::SavePdf_Click);
    on(preview, &QPushButton::clicked, this, &WorksheetWindow::Preview_Click);
    on(print, &QPushButton::clicked, this, &WorksheetWindow::Print_Click);
    on(close, &QPushButton::clicked, this, &WorksheetWindow::Close_Click);
    Sections->setFocus();
    setFixedSize(sizeHint().expandedTo(size()));
}

WorksheetOptions WorksheetWindow::options() const
{
    WorksheetOptions o;
    for (int i = 0; i < Sections->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *top = Sections->topLevelItem(i);
        bool any = false;
        for (int k = 0; k < top->childCount(); ++k)
            if (top->child(k)->checkState(0) == Qt::Checked) {
                o.kinds.append(top->child(k)->data(0, Qt::UserRole).toString());
                any = true;
            }
        if (any)
            o.sections.append(top->data(0, Qt::UserRole).toString());
    }
    o.count = Count->value();
    o.level = Level->currentIndex() + 1;
    o.seed = Seed->text().toULongLong();
    o.digits = Digits->currentIndex() == 1 ? DigitShape::Western : DigitShape::ArabicIndic;
    o.pi = Pi->currentIndex() == 1 ? Rational(22, 7) : piTaught();
    o.title = SheetTitle->text().trimmed().isEmpty() ? QStringLiteral("ورقة عمل") : SheetTitle->text().trimmed();
    o.school = School->text().trimmed();
    o.className = ClassName->text().trimmed();
    o.date = SheetDate->text().trimmed();
    o.key = Key->isChecked();
    o.figures = Figures->isChecked();
    o.paper = Paper->currentIndex() == 1 ? QPageSize::Letter : QPageSize::A4;
    return o;
}

void WorksheetWindow::chooseSections(const QStringList &names)
{
    for (int i = 0; i < Sections->topLevelItemCount(); ++i) {
        QTreeWidgetItem *top = Sections->topLevelItem(i);
        const bool chosen = names.contains(top->data(0, Qt::UserRole).toString());
        for (int k = 0; k < top->childCount(); ++k)
            top->child(k)->setCheckState(0, chosen ? Qt::Checked : Qt::Unchecked);
        top->setExpanded(chosen);
    }
}

void WorksheetWindow::NewSeed_Click()
{
    const QString old = Seed->text();
    QString next;
    do
        next = QString::number(QRandomGenerator::global()->bounded(1, 1000000));
    while (next == old);
    Seed->setText(next);
}

namespace {
// Why a sheet cannot be made yet, or empty.
QString missingChoice(const WorksheetOptions &o)
{
    if (o.sections.isEmpty())
        return QStringLiteral("اختر نوعا واحدا من التمارين على الأقل");
    return QString();
}
} // namespace

void WorksheetWindow::SavePdf_Click()
{
    const WorksheetOptions o = options();
    if (const QString missing = missingChoice(o); !missing.isEmpty()) {
        notice(missing, style::Exclamation | style::RightAlign | style::RtlReading, windowTitle());
        return;
    }
    const QString suggested = QDir::home().filePath(o.title + QStringLiteral(".pdf"));
    QString fileName = chooseFile(this, suggested);
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".pdf");
    if (!writeWorksheetPdf(o, fileName)) {
        // The system's own reason stays out: it may come in another language.
        notice(QStringLiteral("تعذر حفظ ورقة العمل في") + crlf() + fileName + crlf()
                   + QStringLiteral("تأكد أن المجلد موجود وأنه يمكن الكتابة فيه، ثم حاول مرة أخرى."),
               style::Exclamation | style::RightAlign | style::RtlReading, windowTitle());
        return;
    }
    notice(QStringLiteral("حُفظت ورقة العمل في") + crlf() + fileName,
           style::Information | style::RightAlign | style::RtlReading, windowTitle());
}

void WorksheetWindow::printOn(bool preview)
{
    const WorksheetOptions o = options();
    if (const QString missing = missingChoice(o); !missing.isEmpty()) {
        notice(missing, style::Exclamation | style::RightAlign | style::RtlReading, windowTitle());
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(o.title);
    printer.setPageSize(QPageSize(o.paper));
    if (!askPrinter(this, printer, preview))
        return;
    if (preview && !printerDialog()) {
        QPrintPreviewDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("معاينة ورقة العمل"));
        connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&o](QPrinter *p) { paintWorksheet(*p, o); });
        dialog.exec();
        return;
    }
    paintWorksheet(printer, o);
}

void WorksheetWindow::Preview_Click() { printOn(true); }
void WorksheetWindow::Print_Click() { printOn(false); }
void WorksheetWindow::Close_Click() { close(); }
