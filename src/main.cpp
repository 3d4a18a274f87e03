#include "game/Form1.h"
#include "platform/DesktopPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Merovant"));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.merovant.Merovant"));
    DesktopPlatform platform;
    Form1 form(platform);
    form.show();
    return QApplication::exec();
}
