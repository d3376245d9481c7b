#pragma once

#include <QPushButton>

// A command button that Enter presses as well as Space, as the pupil expects
// of a focused button outside a dialog.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
