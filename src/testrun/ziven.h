#pragma once

#include "appearance/cwiat.h"
#include "content/ziven_danni.h"
#include "core/controls.h"
#include "core/platform.h"
#include "pictures/picturecontent.h"
#include "pictures/picturepanel.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

// The main window: the whole test run. Its controls are public and named as
// the pupil's window names them; creating it runs the start-up.
class Ziven : public WindowModel {
public:
    Ziven(const Ziven_danni& content, const PictureContentData& pictures, const FontPlatform& fonts,
          ProgramEnd& programEnd);
    ~Ziven() override;

    // Shown lists: 0 left phrases (sorted), 1 right phrases (sorted), 2 answers.
    std::array<ListBox, 3> Slowo{ListBox(Sorting::Sorted), ListBox(Sorting::Sorted),
                                 ListBox(Sorting::Unsorted)};
    // Hidden number lists: 0/1 Phrase numbers of the shown relation lists,
    // 2/3 left/right numbers of each answer, 4/5 the left/right key lists.
    std::array<ItemList, 6> dum_N;
    ItemList Nastroiki;                // one item: m, the correct combinations
    std::array<ItemList, 1> Cweta;     // the appearance record
    std::array<Button, 4> Uprawl;      // Избрах, Върни, Оцени, Обясни
    Label Ndapis;                      // the counter / result label
    std::array<TextBox, 2> Prowerka;   // 0 instructions/explanations, 1 verdict
    std::array<PictureBox, 2> Grafika; // 0 the panel, 1 the no-picture image

    std::int16_t Correct_Count = 0;
    std::int16_t Current_Phrase = 0;

    // Start-up and the counters.
    void Fill_Numbers();
    void Fill_Relation_Lists();
    void Map_Shown_Numbers();
    void Show_Remaining();
    void Set_Evaluate_State();

    // Pupil actions and what they run.
    void Uprawl_Click(int index);
    void Record_Pair();
    void Remove_Answer();
    void Slowo_Click(int index);
    void dum_N_Click(int index);
    void Evaluate_Test();
    void Write_Explanation(int p);
    void Explain_Answer();
    void Explain_Phrase();
    void Show_Pictures(int p);
    void Grafika_Click(int index);
    void Izhod_Click();
    void Cwqt_Click();

    const Ziven_danni& content() const { return m_content; }
    PicturePanel& pictures() { return m_pictures; }
    const PicturePanel& pictures() const { return m_pictures; }
    // The open appearance window, or nullptr.
    Cwiat* appearanceWindow() const;
    // Grows each time a new appearance window is made.
    std::uint64_t appearanceGeneration() const { return m_appearanceGeneration; }

    // Called with a handler's name and index each time one starts; for tests
    // that check which handlers a pupil action runs.
    void setTrace(std::function<void(const char* handler, int index)> trace) {
        m_trace = std::move(trace);
    }

private:
    void startUp();
    // What Map_Shown_Numbers gives after phrases came back at these positions
    // of the relation lists (-1: none), in time linear in copying the maps.
    void remapAfterReturn(int leftAt, int rightAt);
    void trace(const char* handler, int index) const {
        if (m_trace) m_trace(handler, index);
    }

    const Ziven_danni& m_content;
    const FontPlatform& m_fonts;
    ProgramEnd& m_programEnd;
    PicturePanel m_pictures;
    std::unique_ptr<Cwiat> m_appearance;
    std::uint64_t m_appearanceGeneration = 0;
    std::function<void(const char*, int)> m_trace;
};
