#pragma once
// The banner across the top of a window: a blue band with a calculator at the
// left and a gear at the right, and the window's word in white in the middle.
// Drawn as vector shapes, so it stays crisp at any size and pixel density.

#include <QWidget>

namespace app {

class Banner : public QWidget {
    Q_OBJECT
public:
    // The face of an Arabic word: the heading face of the section windows, or
    // the interface face for a window that loads no other (the main menu).
    // A Latin word is always set in the interface font.
    enum class Face { Heading, Interface };

    Banner(QWidget *parent, const char *name, const QRect &at, const QString &word = QString(),
           Face face = Face::Heading);
    QString word() const { return word_; }
    // The font the word is drawn in, at the size that fits the band.
    QFont wordFont() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The word's font at the window's size, the size it is drawn at, the
    // scale between them and the drawn advance, ascent and descent.
    struct WordFit {
        QFont font;
        int pixelSize;
        qreal scale, wide, ascent, descent;
    };
    WordFit wordFit() const;
    QRectF wordRoom() const;

    QString word_;
    Face face_;
};

} // namespace app
