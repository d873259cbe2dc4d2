#pragma once
// Driving a window whose figures share one set of input rows (perimeters,
// volumes): rows Te1, Te2, ..., the result box Te5.

#include "ui.h"

#include <QLineEdit>
#include <QStringList>

namespace sharedrows {

inline QLineEdit *row(QWidget *window, int n)
{
    return ui::control<QLineEdit>(window, qPrintable(QStringLiteral("Te%1").arg(n)));
}

// Types the texts into rows 1, 2, ... A row that the chosen figure leaves
// disabled cannot be typed into: its text stands for one typed there for an
// earlier figure.
inline void fill(QWidget *window, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i) {
        QLineEdit *box = row(window, i + 1);
        if (box->isEnabled())
            ui::type(box, texts[i]);
        else
            box->setText(texts[i]);
    }
}

// Chooses a figure, fills the rows and presses the figure's calculate
// button; false when a click could not be made.
inline bool compute(QWidget *window, const QString &option, const QStringList &texts, const QString &calculate)
{
    if (!ui::click(ui::control(window, qPrintable(option))))
        return false;
    fill(window, texts);
    return ui::click(ui::control(window, qPrintable(calculate)));
}

inline QString result(QWidget *window) { return ui::control<QLineEdit>(window, "Te5")->text(); }

} // namespace sharedrows
