#include "testrun/ziven.h"

void Ziven::Izhod_Click() {
    trace("Izhod_Click", 0);
    m_programEnd.endNow();
}

void Ziven::Cwqt_Click() {
    trace("Cwqt_Click", 0);
    // One appearance window at a time: an open one only comes to the front,
    // so what the pupil has mixed in it is not reloaded.
    if (Cwiat* open = appearanceWindow()) {
        open->raise();
        return;
    }
    const AppearanceTargets targets{this, {&Slowo[0], &Slowo[1], &Slowo[2]}, &Prowerka[0], &Ndapis};
    m_appearance = std::make_unique<Cwiat>(Cweta[0], targets, m_fonts);
    ++m_appearanceGeneration;
    m_appearance->Form_Load();
    m_appearance->setVisible(true);
}

Cwiat* Ziven::appearanceWindow() const {
    if (!m_appearance || m_appearance->isClosed()) return nullptr;
    return m_appearance.get();
}
