#pragma once
// The frame that windows share: ending the program, returning to the main
// menu, opening a section's laws window and the close-to-menu confirmation.

#include "kit/controls.h"
#include "kit/window.h"
#include "kit/windows.h"

#include <QString>

class QPushButton;

namespace app {

// "هل أنت متأكد من الخروج ؟": ends the program on Yes.
void exitConfirmation();

// Shows the main menu (restored and brought forward).
void showMainMenu();
// Whether the main menu is shown.
bool mainMenuShown();

// Shows the main menu and hides the given window, which keeps its state.
void returnToMenu(QWidget *own);

// Shows a laws window beside its section window (the laws window is placed
// only when it is not shown yet).
void showLaws(QWidget *own, QWidget *laws);

// Asks whether to close the window and go to the main menu. On Yes the main
// menu is shown and true returned; on No nothing changes.
bool closeToMenuConfirmation(const QString &question = QString());

// A section without laws has, in the place of the laws button, a raised panel
// without caption; a click on it says there are no laws here.
ClickLabel *noLawsPanel(QWidget *parent, Tw at);
void noLawsNotice();

// A section window: a window with the common frame buttons. The close box asks
// the close-to-menu confirmation; closing with Yes destroys the controls.
class SectionWindow : public Window {
    Q_OBJECT
public:
    using Window::Window;

protected:
    // Joins the frame buttons to their operations; a null button is absent.
    // The laws button opens the window of that name (a section's laws window
    // belongs to reference/, which the section does not include).
    void joinFrame(QPushButton *exitButton, QPushButton *menuButton, QPushButton *lawsButton = nullptr,
                   const char *lawsWindow = nullptr);
    // The question of the close-to-menu confirmation (empty for the common one).
    void setCloseQuestion(const QString &question) { closeQuestion_ = question; }

    void Form_QueryUnload(bool &cancel) override;

    void ExitButton_Click();
    void MainMenuButton_Click();
    void LawsButton_Click();

private:
    void joinFrameButtons(QPushButton *exitButton, QPushButton *menuButton, QPushButton *lawsButton);

    QString lawsWindow_;
    QString closeQuestion_;
};

} // namespace app
