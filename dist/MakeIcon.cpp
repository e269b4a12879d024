// Build-time tool: writes one application icon file from the logo artwork, e.g.
//   zorvanta_make_icon com.example.App.svg      (scalable)
//   zorvanta_make_icon 48x48/com.example.App.png 48
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <exception>

#include "IconFiles.h"

int main(int argc, char* argv[])
{
    // Loads the image writer plug-ins (ico, icns); no display is needed.
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fputs("usage: zorvanta_make_icon <file.svg | file.png|ico|icns side>\n", stderr);
        return 2;
    }
    bool sideIsNumber = true;
    const int side = arguments.size() == 3 ? arguments[2].toInt(&sideIsNumber) : 0;
    if (!sideIsNumber) {
        std::fprintf(stderr, "zorvanta_make_icon: the side '%s' is not a whole number\n",
                     qPrintable(arguments[2]));
        return 2;
    }
    try {
        QDir().mkpath(QFileInfo(arguments[1]).absolutePath());
        zorvanta::WriteIconFile(arguments[1], side);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorvanta_make_icon: %s\n", error.what());
        return 1;
    }
    return 0;
}
