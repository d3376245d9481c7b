#pragma once

#include "ui/controlset.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

class CwiatWindow;
class PictureWindow;
class Ziven;

// The main window over its model. Every pupil action goes to the model and
// is followed by refresh(), which shows what every open window's model now
// holds and opens, raises or closes the appearance and picture windows as
// their models say. Controls carry their model names as object names
// ("Slowo(0)", "Uprawl(3)", ...). The model must outlive the window.
class ZivenWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ZivenWindow(Ziven& model, QWidget* parent = nullptr);
    ~ZivenWindow() override;

    void refresh();

    // The open appearance or picture window, or nullptr.
    CwiatWindow* appearanceWindow() const { return m_appearance.get(); }
    PictureWindow* pictureWindow() const { return m_picture.get(); }
    // The client area below the menu bar, where the controls are.
    QWidget* clientArea() const { return m_client; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void orderFocus();
    void syncWindow();
    void syncAppearanceWindow();
    void syncPictureWindow();
    void pictureWindowClosed();

    Ziven& m_model;
    QWidget* m_client = nullptr;
    ControlSet m_controls;
    std::uint64_t m_shownRevision = 0;
    std::uint64_t m_shownRaises = 0;
    std::unique_ptr<CwiatWindow> m_appearance;
    std::uint64_t m_appearanceGeneration = 0;
    std::unique_ptr<PictureWindow> m_picture;
    std::uint64_t m_pictureGeneration = 0;
};
