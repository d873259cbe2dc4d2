#pragma once
// The progress window "تقدمي": what a pupil's record says of each section and
// kind practised (attempts, right answers, hints used, level, mastered or
// not, last practised), a picture of the last weeks, and the teacher's two
// actions: every pupil's record exported as CSV, and this pupil's record
// deleted after a confirmation. Built only when opened; nothing of it exists
// at start.

#include "kit/window.h"
#include "practice/mastery.h"

#include <QDate>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace practice {

class Record;

// The answers of the last weeks as bars, one a week (seven days ending
// today, the oldest at the right): all answers, and the right ones in a
// darker colour inside them. A screen reader hears each week's figures.
class WeeksChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int Weeks = 8;
    explicit WeeksChart(QWidget *parent = nullptr);

    struct Week {
        QDate first; // its first day
        int answers = 0, right = 0;
    };
    void setAnswers(const QList<Answer> &answers, const QDate &today);
    const QList<Week> &weeks() const { return weeks_; }
    // The figures as heard, one line a week.
    QString spoken() const;

    QSize sizeHint() const override { return {560, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Week> weeks_;
};

class FormProgress : public app::Window {
    Q_OBJECT
public:
    // The progress of one pupil (the record is not owned; an empty name is
    // the pupil without one, NoName).
    FormProgress(Record &record, const QString &pupil);

    void setPupil(const QString &pupil);
    QString pupil() const { return pupil_; }
    // Reads the record again.
    void refresh();

    // Export as CSV; delete this pupil's record; close.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    Record &record_;
    QString pupil_;
    QLabel *Label1;        // whose progress
    QTableWidget *Table1;  // one row per section and kind
    QLabel *Label2;        // nothing practised yet
    WeeksChart *Picture1;  // the last weeks
    QPushButton *Command1; // "تصدير CSV"
    QPushButton *Command2; // "حذف سجلي"
    QPushButton *Command3; // "إغلاق"
};

// Who chooses the file the CSV is written to: the suggested name in, the
// chosen file out (empty: cancelled). By default a save dialog; tests set
// their own. An empty function restores the dialog.
using ExportChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
void setExportChooser(ExportChooser chooser);

// Opens the progress window of a pupil on a record, built if it is not open
// (one at a time), beside a window when one is given (and closed with it),
// and brings it forward; then says what the record must tell the pupil.
FormProgress *showProgress(Record &record, const QString &pupil, QWidget *beside = nullptr);
// The progress window if it is open.
FormProgress *progressWindow();

} // namespace practice
