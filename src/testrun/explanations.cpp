#include "testrun/ziven.h"

#include "core/values.h"

namespace {

constexpr int lastLinesList = 30;

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

} // namespace

void Ziven::Write_Explanation(int p) {
    const QString crlf = QStringLiteral("\r\n");
    QString text = crlf + quoted(m_content.Danni(0).item(p - 1)) +
                   QStringLiteral(" е във връзка с ") + quoted(m_content.Danni(1).item(p - 1));
    // Only phrases 1..30 have a list of extra lines; a flag set for any
    // other phrase adds nothing.
    if (p >= 1 && p <= lastLinesList && numericParse(m_content.Otgowor(0).item(p)) > 0) {
        for (const QString& line : m_content.Otgowor(p).items())
            text += crlf + line;
    }
    Prowerka[0].setText(text);
    Show_Pictures(p);
}

void Ziven::Explain_Answer() {
    const int sel = Slowo[2].list().selected();
    if (sel < 0 || sel >= Slowo[2].list().count()) return;
    dum_N[2].setSelected(sel);
    Write_Explanation(parseInt16(dum_N[2].item(sel)));
}

void Ziven::Explain_Phrase() {
    const int sel = Slowo[0].list().selected();
    if (sel == -1) return;
    Prowerka[0].setText(QString());
    // Looked up before Record_Pair takes the item out of the list.
    const int position = m_content.firstPositionOf(0, Slowo[0].list().item(sel));
    Record_Pair();
    // A shown phrase that is not in the content has nothing to explain; the
    // pair still goes in, as the pupil chose it.
    if (position != -1) Write_Explanation(position + 1);
}
