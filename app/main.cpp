#include <QApplication>
#include <QLocale>

#include "ApplicationLook.h"
#include "Informazion.h"
#include "LocaleSettings.h"
#include "MenuGE.h"

int main(int argc, char* argv[])
{
    // Fractional display scales (125 %, 150 %) are used as they are, so the vector icons stay sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    zorvanta::ApplyApplicationLook(application);
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVANTA_APP_ID));

    // Read once: a change of the regional settings takes effect at the next start.
    const char decimalSeparator = zorvanta::DecimalSeparatorFromLocale(QLocale::system());

    zorvanta::TMenuGEN mainWindow(decimalSeparator);
    // Hidden until the Information command; it never keeps the program running on its own.
    zorvanta::TInformazioni informationWindow;
    mainWindow.SetInformationWindow(&informationWindow);

    mainWindow.show();
    return application.exec();
}
