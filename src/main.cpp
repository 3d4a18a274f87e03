#include "game/Form1.h"
#include "platform/DesktopPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Merovant"));
    DesktopPlatform platform;
    Form1 form(platform);
    form.show();
    return QApplication::exec();
}
