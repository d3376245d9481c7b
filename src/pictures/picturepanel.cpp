#include "pictures/picturepanel.h"

#include "core/values.h"

namespace {

constexpr int firstQuestion = 1;
constexpr int lastQuestion = 30;

bool isQuestion(int p) {
    return p >= firstQuestion && p <= lastQuestion;
}

} // namespace

PicturePanel::PicturePanel(std::array<PictureBox, 2>& grafika, const PictureContentData& content)
    : m_grafika(grafika), m_content(content) {
    m_grafika[1].setPicture(m_content.noPicture);
}

Ziven_Graphika& PicturePanel::ensureWindow() {
    if (!m_window) {
        m_window = std::make_unique<Ziven_Graphika>(m_content);
        ++m_generation;
    }
    return *m_window;
}

void PicturePanel::Show_Pictures(int p) {
    Ziven_Graphika& window = ensureWindow();
    // Only questions 1..30 have a box, and only a flag that is a number can
    // be read; anything else shows the no-picture image rather than failing.
    bool hasPicture = false;
    if (isQuestion(p)) {
        const std::optional<double> flag = strictNumber(window.Spis_graf[0].item(p));
        hasPicture = flag.has_value() && *flag != 0.0;
    }
    const PictureBox& source =
        hasPicture ? window.Graphika[static_cast<std::size_t>(p)] : m_grafika[1];
    m_grafika[0].setPicture(source.picture());
    window.setVisible(false);
}

void PicturePanel::Grafika_Click(std::int16_t currentPhrase) {
    Ziven_Graphika& window = ensureWindow();
    const int n = currentPhrase;
    // Before any selection n is 0 and reads the title, which gives 0.
    if (!isQuestion(n) || numericParse(window.Spis_graf[0].item(n)) <= 0.0) return;
    const PictureBox& source = window.Graphika[static_cast<std::size_t>(n)];
    PictureBox& display = window.Graphika[0];
    display.setWidth(source.rect().width);
    display.setHeight(source.rect().height);
    display.setPicture(source.picture());
    window.setOuterWidth(source.rect().width + 100);
    window.setOuterHeight(source.rect().height + 250);
    window.setVisible(true);
    window.raise();
}

void PicturePanel::windowClosed() {
    m_window.reset();
}
