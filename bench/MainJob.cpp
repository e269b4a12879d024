// The program's whole main job as one process, for the start-up comparison
// (bench/compare_startup.sh): start as main() does, show the main window, Process the
// defaults, save both charts as PNG into <folder>, quit.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QLocale>
#include <QObject>

#include <cstdio>
#include <optional>
#include <cstdlib>

#include "ApplicationLook.h"
#include "Informazion.h"
#include "LocaleSettings.h"
#include "MenuGE.h"
#include "PaintWait.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: bench_main_job <folder for the two PNG files>\n", stderr);
        return 2;
    }
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    zorvanta::ApplyApplicationLook(application);
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    const char decimalSeparator = zorvanta::DecimalSeparatorFromLocale(QLocale::system());
    zorvanta::TMenuGEN mainWindow(decimalSeparator);
    zorvanta::TInformazioni informationWindow;
    mainWindow.SetInformationWindow(&informationWindow);
    mainWindow.SetErrorReporter([](const QString& text) {
        std::fprintf(stderr, "bench_main_job: %s\n", qPrintable(text));
        std::exit(1);
    });
    mainWindow.SetSaveFileChooser([&folder](const QString& proposedName) {
        return std::optional<QString>(folder.filePath(proposedName + QStringLiteral(".png")));
    });

    mainWindow.show();
    if (!zorvanta::bench::WaitForFirstPaint(mainWindow))
        return 1;
    mainWindow.Analisi_IMGClick();
    mainWindow.Salva_grafico_1_IMGClick();
    mainWindow.Salva_grafico_2_IMGClick();
    return 0;
}
