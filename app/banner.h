#pragma once
// The banner across the top of a window: a blue band with a calculator at the
// left and a gear at the right, and the window's word in white in the middle.
// Drawn as vector shapes, so it stays crisp at any size and pixel density.

#include <QWidget>

namespace app {

class Banner : public QWidget {
    Q_OBJECT
public:
    Banner(QWidget *parent, const char *name, const QRect &at, const QString &word = QString());
    QString word() const { return word_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString word_;
};

} // namespace app
