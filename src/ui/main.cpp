#include "content/ziven_danni.h"
#include "pictures/picturecontent.h"
#include "testrun/ziven.h"
#include "ui/qtfontplatform.h"
#include "ui/qtprogramend.h"
#include "ui/zivenwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Ties the window to its launcher and icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ziven.MatchingTest"));

    const PictureContentData pictures = builtinPictureData();
    QtFontPlatform fonts;
    QtProgramEnd programEnd;
    Ziven model(builtinContent(), pictures, fonts, programEnd);
    ZivenWindow window(model);
    window.show();
    return QApplication::exec();
}
