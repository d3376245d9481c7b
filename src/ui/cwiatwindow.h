#pragma once

#include "ui/controlset.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>

class Cwiat;

// The appearance window over its model. Pupil actions go to the model and
// then to `refresh`, which shows every open window; the main window decides
// when this one goes. Its close button and Escape act as "Отказ".
class CwiatWindow : public QMainWindow {
    Q_OBJECT
public:
    CwiatWindow(Cwiat& model, std::function<void()> refresh);

    // Shows what the model holds; shows the window on the first call.
    void sync();
    // The model is going away: stop showing it and never touch it again.
    void detach();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void cancel();

    Cwiat* m_model;
    std::function<void()> m_refresh;
    QWidget* m_client = nullptr;
    ControlSet m_controls;
    std::uint64_t m_shownRevision = 0;
    std::uint64_t m_shownRaises = 0;
};
