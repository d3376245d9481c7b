// The one test the program carries: 25 Latin sayings and their Bulgarian
// meanings. Every text here is shown to pupils exactly as written.
#include "content/ziven_danni.h"

namespace {

struct PhrasePair {
    const char16_t* left;
    const char16_t* right;
};

// Row k holds Phrase number k + 1; the left phrase belongs with the right one.
constexpr PhrasePair phrases[] = {
    {u"ne sutor ultra crepidam", u"не давай мнение по въпроси, които не са по силите ти"},
    {u"facta loquuntur", u"делата говорят"},
    {u"noblesse oblige", u"благородството задължава"},
    {u"expressis verbis", u"с изразителни думи"},
    {u"non omnia possumas omnes", u"всички не можем всичко"},
    {u"hominem quaero", u"човек търся"},
    {u"non olet pecunia", u"парите не миришат"},
    {u"lumen mundi", u"известен човек"},
    {u"nota bene", u"запомни добре"},
    {u"maiores pennae nido", u"криле, по големи от гнездото"},
    {u"opera et studio", u"с труд и прилежание"},
    {u"de facto", u"според действителността"},
    {u"o sancta simplicitas", u"о, свещена простота"},
    {u"magna charta libertatum",
     u"великата харта на свободите - конституцията на Англия от 1215 г."},
    {u"otia dant vitia", u"безделието ражда пороци"},
    {u"mens sana in corpore sano", u"здрав дух в здраво тяло"},
    {u"persona non grata", u"нежелано лице"},
    {u"modus faciendi", u"начин на извършване/постъпване"},
    {u"pro memoria", u"за спомен"},
    {u"nec scire fas omnia", u"не може да се знае всичко"},
    {u"quod erat demonstrandum", u"което трябваше да се докаже"},
    {u"in corpore", u"в пълен състав"},
    {u"in extremis", u"в последния момент"},
    {u"in parenthesi", u"между другото"},
    {u"semper idem", u"винаги едно и също"},
};

// Seven lines, each ended by CR LF; lines 2, 4 and 6 keep a space before it.
constexpr const char16_t* instructions =
    u"Това е релационен тест.\r\n"
    u"Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и \r\n"
    u"дясното списъчно поле.\r\n"
    u"Не е задължително броят фрази в лявата част да е непременно равен на тези в \r\n"
    u"дясната част.\r\n"
    u"При оценяване се отчита броя въведени верни комбинации съотнесени към общия \r\n"
    u"брой верни комбинации. Липсата на комбинация се отчита като грешен отговор\r\n";

constexpr int flagCount = 41;

} // namespace

QString publisherAddress() {
    return QStringLiteral("http://www.ziven-tests.example");
}

TestContentData builtinContentData() {
    TestContentData data;
    for (const PhrasePair& pair : phrases) {
        data.left.append(QString::fromUtf16(pair.left));
        data.right.append(QString::fromUtf16(pair.right));
    }
    data.layout = {publisherAddress() + QStringLiteral(" Ziven  по BEL - латински пословици"),
                   QStringLiteral("11250"),
                   QStringLiteral("120"),
                   QStringLiteral("3135"),
                   QStringLiteral("3360"),
                   QStringLiteral("7575")};
    data.flags.append(QStringLiteral("Ima li obqsneniq"));
    for (int p = 1; p <= flagCount; ++p)
        data.flags.append(QStringLiteral("0"));
    for (int p = 1; p <= 30; ++p) {
        QStringList& lines = data.lines[static_cast<std::size_t>(p)];
        lines.append(QStringLiteral("Otgowor ") + QString::number(p));
        for (int i = 0; i < 19; ++i)
            lines.append(QString::number(p));
    }
    data.lines[6].last() = QStringLiteral("5");
    data.instructions = QString::fromUtf16(instructions);
    return data;
}

const Ziven_danni& builtinContent() {
    static const Ziven_danni content(builtinContentData());
    return content;
}
