#pragma once

#include "ui/controlset.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class Ziven_Graphika;

// The picture window: a tool window with only a close button, no task-bar
// entry and no owner, showing the display box at its top-left corner. It is
// shown and hidden as its model says.
class PictureWindow : public QWidget {
    Q_OBJECT
public:
    // `closedByPupil` runs when the pupil closes the window.
    PictureWindow(Ziven_Graphika& model, std::function<void()> closedByPupil);

    void sync();
    // The model is going away: stop showing it and never touch it again.
    void detach();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Ziven_Graphika* m_model;
    std::function<void()> m_closedByPupil;
    QWidget* m_client = nullptr;
    ControlSet m_controls;
    std::uint64_t m_shownRevision = 0;
    std::uint64_t m_shownRaises = 0;
};
