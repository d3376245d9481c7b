// The program as it ships, but over the largest test the lists allow
// (32,767 left and 10,922 right phrases), to measure its start-up and memory
// at that size. Not installed.
#include "fixtures/testcontents.h"
#include "pictures/picturecontent.h"
#include "testrun/ziven.h"
#include "ui/qtfontplatform.h"
#include "ui/qtprogramend.h"
#include "ui/zivenwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    const Ziven_danni content(fixtures::makeContent(32767, 10922));
    const PictureContentData pictures = builtinPictureData();
    QtFontPlatform fonts;
    QtProgramEnd programEnd;
    Ziven model(content, pictures, fonts, programEnd);
    ZivenWindow window(model);
    window.show();
    return QApplication::exec();
}
