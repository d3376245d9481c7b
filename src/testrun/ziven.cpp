#include "testrun/ziven.h"

#include "appearance/appearancerecord.h"
#include "core/values.h"

#include <algorithm>
#include <cmath>

namespace {

// A layout number of the content, in twips; these are not 16-bit values.
int twips(const QString& text) {
    const double value = std::clamp(numericParse(text), -1.0e9, 1.0e9);
    return static_cast<int>(std::lround(value));
}

const QString relationTip = QStringLiteral("Посочете елемента в релацията");

} // namespace

Ziven::Ziven(const Ziven_danni& content, const PictureContentData& pictures,
             const FontPlatform& fonts, ProgramEnd& programEnd)
    : m_content(content), m_fonts(fonts), m_programEnd(programEnd), m_pictures(Grafika, pictures) {
    setCaption(QString(29, u' '));
    setBackground(32768);
    setClientSize(11865, 7005);
    // The fixed frame adds 120 twips across and nothing that the program
    // ever reads down, so the built-in outer width 11250 leaves 11130 inside.
    setFrame(120, 0);

    Slowo[0].setRect({240, 480, 6105, 2055});
    Slowo[0].setToolTip(relationTip);
    Slowo[1].setRect({6360, 480, 3375, 2055});
    Slowo[1].setToolTip(relationTip);
    Slowo[2].setRect({840, 2640, 9375, 1485});
    Slowo[2].setToolTip(QStringLiteral("Набор от вече въведени отговори"));

    struct ButtonDefinition {
        const char16_t* caption;
        Rect rect;
        Colour background;
        const char16_t* toolTip;
    };
    static constexpr ButtonDefinition buttons[] = {
        {u"Избрах", {1200, 4200, 1215, 375}, 33023, u"Натиснете бутон за избор"},
        {u"Върни", {4680, 4200, 1215, 375}, 8454143, u"Изтрива / възстановява направения избор"},
        {u"Оцени", {8400, 4200, 1215, 375}, 16761024, u"Преустановява теста и формира оценка"},
        {u"Обясни", {9720, 50, 1215, 375}, 49152, u"Дава обяснения"},
    };
    for (std::size_t i = 0; i < Uprawl.size(); ++i) {
        Uprawl[i].setCaption(QString::fromUtf16(buttons[i].caption));
        Uprawl[i].setRect(buttons[i].rect);
        Uprawl[i].setBackground(buttons[i].background);
        Uprawl[i].setToolTip(QString::fromUtf16(buttons[i].toolTip));
    }
    Uprawl[2].setEnabled(false);

    Ndapis.setCaption(QStringLiteral("Оставащи:"));
    Ndapis.setRect({4440, 0, 1455, 375});
    Ndapis.setBackground(8438015);
    Ndapis.setToolTip(QStringLiteral("Извежда резултатите в края на теста"));

    Prowerka[0].setRect({1800, 4680, 9135, 2055});
    Prowerka[0].setBackground(14737632);
    Prowerka[1].setRect({10440, 3120, 495, 495});
    Prowerka[1].setBackground(65280);
    Prowerka[1].setVisible(false);
    Prowerka[1].setToolTip(QStringLiteral("зелено - Вярно; червено - Грешно"));

    Grafika[0].setRect({120, 4680, 1575, 1335});
    Grafika[1].setRect({120, 5760, 1575, 1335});
    Grafika[1].setVisible(false);

    for (int i = 0; i < static_cast<int>(Slowo.size()); ++i)
        Slowo[static_cast<std::size_t>(i)].list().setClickHandler([this, i] { Slowo_Click(i); });
    for (int i = 0; i < static_cast<int>(dum_N.size()); ++i)
        dum_N[static_cast<std::size_t>(i)].setClickHandler([this, i] { dum_N_Click(i); });

    AppearanceRecord::fill(Cweta[0]);

    startUp();
}

Ziven::~Ziven() = default;

void Ziven::startUp() {
    Correct_Count = 0;
    const ItemList& layout = m_content.Danni(3);
    setCaption(layout.item(0));
    setOuterWidth(twips(layout.item(1)));
    Slowo[0].setLeft(twips(layout.item(2)));
    Slowo[0].setWidth(twips(layout.item(3)));
    Slowo[1].setLeft(twips(layout.item(4)));
    Slowo[1].setWidth(twips(layout.item(5)));
    Prowerka[0].setText(m_content.Ukazanie(0));

    const int m = std::min(m_content.Danni(0).count(), m_content.Danni(1).count());
    Nastroiki.clear();
    Nastroiki.add(decimalText(m));

    Fill_Numbers();
    Fill_Relation_Lists();
    Map_Shown_Numbers();

    // Each raises its list's click handling at once.
    Slowo[0].list().setSelected(0);
    Slowo[1].list().setSelected(0);

    Set_Evaluate_State();
}

void Ziven::Show_Pictures(int p) {
    m_pictures.Show_Pictures(p);
}

void Ziven::Grafika_Click(int index) {
    trace("Grafika_Click", index);
    m_pictures.Grafika_Click(Current_Phrase);
}
