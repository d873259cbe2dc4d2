#pragma once
// Worksheets for the classroom: exercises of the practice core set on paper,
// right to left, with a head for the pupil's name, class, date and score,
// space to work under each exercise, and an answer key with the worked
// steps on pages of its own, so that the teacher can hand it out after the
// lesson. The pages are painted on any paged device: a PDF file, a printer,
// a print preview.

#include "numtext/digits.h"
#include "practice/exercises.h"

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdint>

class QPagedPaintDevice;

namespace practice {

struct WorksheetOptions {
    QStringList sections; // names of sections(), in the order chosen
    QStringList kinds;    // the kinds set; empty for every kind of the sections
    int count = 10;       // exercises on the sheet, 1..100
    int level = 1;
    std::uint64_t seed = 1;
    numtext::DigitShape digits = numtext::DigitShape::ArabicIndic;
    Rational pi = piTaught(); // the π the exercises use: 3.14 or 22/7
    QString title = QStringLiteral("ورقة عمل");
    QString school, className, date;
    bool key = false;     // the answer key, with the worked steps
    bool figures = false; // a picture of each exercise, where it has one
    QPageSize::PageSizeId paper = QPageSize::A4;
};

// The exercises of a sheet, in order. The sections take turns; each
// section's exercises are those of `nabrosa --exercises SECTION` with the
// same level and seed, in the same order (those of kinds not chosen left
// out).
QList<Exercise> worksheetExercises(const WorksheetOptions &options);

// Paints the sheet, then its key when asked, on the device's pages; the
// device's page size is set from the options first.
void paintWorksheet(QPagedPaintDevice &device, const WorksheetOptions &options);

// Writes the sheet as a PDF file (vector, fonts embedded). False, with the
// reason in error, when the file cannot be written.
bool writeWorksheetPdf(const WorksheetOptions &options, const QString &fileName, QString *error = nullptr);

} // namespace practice
