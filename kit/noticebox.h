#pragma once
// Notice boxes shown to the user as modal message boxes.

#include "kit/notice.h"

#include <QMessageBox>

class QLabel;

namespace app {

// A message box built from a notice's style: its buttons ("نعم", "لا",
// "موافق"), its icon, its alignment and reading order. A Yes/No box is
// ended only by Yes or No; Escape presses No.
class NoticeBox : public QMessageBox {
    Q_OBJECT
public:
    NoticeBox(const numtext::Notice &notice, QWidget *parent = nullptr);
    // The answer of the pressed button: 1, 6 or 7.
    int answer() const;
    // The label that shows the text.
    QLabel *textLabel() const;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool yesNo_;
};

class MessageBoxPresenter : public numtext::NoticePresenter {
public:
    int present(const numtext::Notice &notice) override;
};

} // namespace app
