#include "soakcontent.h"

#include "fixtures/testcontents.h"

namespace soak {

namespace {

// Pictures for the questions whose flag is set, each larger than the panel
// (1575 x 1335 twips), and a no-picture image of its own.
PictureContentData picturesFor(const QStringList& flags) {
    PictureContentData data = builtinPictureData();
    data.flags = flags;
    data.noPicture = fixtures::makePicture(8, 8);
    for (int k = 1; k <= 30 && k < flags.size(); ++k) {
        if (flags[k] == QStringLiteral("0")) continue;
        const auto i = static_cast<std::size_t>(k);
        data.pictures[i] = fixtures::makePicture(300 + k, 250 + k);
        data.widths[i] = 4000 + 10 * k;
        data.heights[i] = 3000 + 10 * k;
    }
    return data;
}

QStringList pictureFlags(int count, const QStringList& first) {
    QStringList flags{QStringLiteral("Utochnenie dali ima grafika - 30 br")};
    flags += first;
    while (flags.size() <= count)
        flags.append(QStringLiteral("0"));
    return flags;
}

SoakContent builtin() {
    return {"builtin", builtinContentData(), builtinPictureData()};
}

SoakContent left30Right25() {
    SoakContent c{"left30_right25", fixtures::makeContent(30, 25), {}};
    c.data.flags[3] = QStringLiteral("1");
    c.data.flags[28] = QStringLiteral("2");
    c.pictures =
        picturesFor(pictureFlags(30, {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                                      QStringLiteral("0"), QStringLiteral("-1")}));
    return c;
}

SoakContent left8Right10() {
    SoakContent c{"left8_right10", fixtures::makeContent(8, 10), {}};
    // Flags for phrases 4..8 are missing: they read as the empty text.
    c.data.flags = {QStringLiteral("Ima li obqsneniq"), QStringLiteral("1"), QStringLiteral("0"),
                    QStringLiteral("2")};
    c.pictures = picturesFor(pictureFlags(30, {QStringLiteral("0"), QStringLiteral("1")}));
    return c;
}

SoakContent oneByOne() {
    SoakContent c{"one_by_one", fixtures::makeContent(1, 1), {}};
    c.data.flags[1] = QStringLiteral("1");
    c.pictures = picturesFor(pictureFlags(30, {QStringLiteral("1")}));
    return c;
}

SoakContent left45Right40() {
    SoakContent c{"left45_right40_odd", fixtures::makeContent(45, 40), {}};
    QStringList& left = c.data.left;
    QStringList& right = c.data.right;
    const QString latinLong = QString(299, u'z') + u'z';
    const QString latinLongUpper = QString(299, u'z') + u'Z';
    const QString cyrillicLong = QString(300, u'я');
    const QStringList oddLeft{
        QStringLiteral(" "),  QStringLiteral("  "),  QStringLiteral("Ab"), QStringLiteral("ab"),
        QStringLiteral("АБ"), QStringLiteral("аб"),  QStringLiteral("AB"), latinLong,
        latinLongUpper,       QStringLiteral("ab "), cyrillicLong};
    const QStringList oddRight{QStringLiteral("  "), QStringLiteral(" "),
                               QStringLiteral("аб"), QStringLiteral("АБ"),
                               QStringLiteral("ab"), QStringLiteral("Ab"),
                               cyrillicLong,         QStringLiteral("аБ"),
                               latinLongUpper,       latinLong};
    for (int i = 0; i < oddLeft.size(); ++i)
        left[i] = oddLeft[i];
    for (int i = 0; i < oddRight.size(); ++i)
        right[i] = oddRight[i];

    QStringList& flags = c.data.flags;
    const QStringList oddFlags{QStringLiteral("1"),   QStringLiteral("x"),  QStringLiteral("-1"),
                               QStringLiteral("1e3"), QStringLiteral(" 2"), QStringLiteral("0")};
    for (int p = 1; p <= 45; ++p)
        flags[p] = p <= oddFlags.size() ? oddFlags[p - 1]
                   : p > 30             ? QStringLiteral("1") // no lines list past 30
                                        : QString::number(p % 2);
    for (int p = 1; p <= 30; ++p)
        c.data.lines[static_cast<std::size_t>(p)] = {QStringLiteral("line %1").arg(p),
                                                     QStringLiteral("more %1").arg(p)};
    c.data.lines[6] = {};

    // Past question 30 the flags say "1" but there are no boxes to show.
    QStringList pictures = pictureFlags(
        30, {QStringLiteral("1"), QStringLiteral("-1"), QStringLiteral("x"), QStringLiteral("1e3"),
             QStringLiteral("0"), QStringLiteral(" 1 "), QStringLiteral("2abc")});
    for (int k = 8; k <= 30; ++k)
        pictures[k] = QString::number(k % 3 ? 1 : 0);
    for (int k = 31; k <= 45; ++k)
        pictures.append(QStringLiteral("1"));
    c.pictures = picturesFor(pictures);
    return c;
}

} // namespace

const std::vector<SoakContent>& soakContents() {
    static const std::vector<SoakContent> contents{builtin(), left30Right25(), left8Right10(),
                                                   oneByOne(), left45Right40()};
    return contents;
}

} // namespace soak
