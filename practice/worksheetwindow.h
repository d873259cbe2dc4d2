#pragma once
// The window "ورقة عمل": the teacher chooses the sections and kinds of a
// worksheet, how many exercises, the level, the seed (shown, so that a sheet
// can be made again; "نسخة جديدة" draws another), the digits, the head's
// fields, the answer key and the paper, then saves it as a PDF, previews it
// or prints it.

#include "kit/window.h"
#include "practice/worksheet.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPrinter;
class QSpinBox;
class QTreeWidget;

class WorksheetWindow : public app::Window {
    Q_OBJECT
public:
    WorksheetWindow();

    // The sheet as the controls describe it.
    practice::WorksheetOptions options() const;
    // Checks the given sections (names of sections()) and every kind of
    // them, and only those: a practice window opens the sheet on its own.
    void chooseSections(const QStringList &names);

    // Who asks where to save the PDF (an empty name: not saved) and who shows
    // a print preview or a print dialog for a printer: replaced by tests, so
    // that no dialog waits for a person. Empty functions restore the dialogs.
    using FileChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
    using PrinterDialog = std::function<bool(QWidget *parent, QPrinter &printer, bool preview)>;
    static void setFileChooser(FileChooser chooser);
    static void setPrinterDialog(PrinterDialog dialog);

    void NewSeed_Click();
    void SavePdf_Click();
    void Preview_Click();
    void Print_Click();
    void Close_Click();

private:
    void printOn(bool preview);

    QTreeWidget *Sections;
    QSpinBox *Count;
    QComboBox *Level;
    QLineEdit *Seed;
    QComboBox *Digits;
    QComboBox *Pi;
    QLineEdit *SheetTitle;
    QLineEdit *School;
    QLineEdit *ClassName;
    QLineEdit *SheetDate;
    QCheckBox *Key;
    QCheckBox *Figures;
    QComboBox *Paper;
};
