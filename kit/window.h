#pragma once
// The base of every window: geometry in twips, right-to-left layout, the
// default button that Enter presses, and the close request.

#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QWidget>

class QFocusFrame;
class QPushButton;

namespace app {

// 15 twips to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;
constexpr int px(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }
inline QRect twips(int x, int y, int w, int h) { return QRect(px(x), px(y), px(w), px(h)); }

class Window : public QWidget {
    Q_OBJECT
public:
    // A window of the given client size in twips, named for the registry and
    // for tests by its objectName.
    Window(const char *name, const QString &caption, int widthTwips, int heightTwips);
    // Stops following the focus before the children go: a top-level child
    // (a steps window) closed with them moves the focus while this window's
    // members are gone already.
    ~Window() override;

    // The button that Enter presses from any control of the window. One at a
    // time; may change while the window is shown.
    void setDefaultButton(QPushButton *button);
    QPushButton *defaultButton() const { return defaultButton_; }

    // The button that Escape presses (none: Escape does nothing).
    void setEscapeButton(QPushButton *button) { escapeButton_ = button; }

protected:
    // A close request (close box, system menu, keyboard). Set cancel to
    // refuse it. The default accepts.
    virtual void Form_QueryUnload(bool &cancel);
    // Whether an accepted close request destroys the window, so that the next
    // reference builds it afresh; otherwise it is only hidden.
    void setDestroyedOnClose(bool destroyed) { destroyedOnClose_ = destroyed; }

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Tab and Shift+Tab stop at every shown and enabled control of the tab
    // order; a list of options is one stop, its chosen option or its first.
    bool focusNextPrevChild(bool next) override;

private:
    bool isTabStop(const QWidget *w) const;
    // An arrow key on an option moves along its list in tab order (Left reads
    // on in a right-to-left window, and the list goes round), and chooses
    // the option reached, as a click does.
    bool moveAlongOptions(int key);

    QPointer<QPushButton> defaultButton_;
    QPointer<QPushButton> escapeButton_;
    // The control that holds the focus when the window opens without one: the
    // one focused when it was first shown.
    QPointer<QWidget> firstFocus_;
    QPointer<QFocusFrame> focusMark_;
    bool destroyedOnClose_ = true;
};

} // namespace app
