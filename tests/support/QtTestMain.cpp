#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "ApplicationLook.h"

int main(int argc, char* argv[])
{
    // Tests never need a display; a developer may still override the platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    // The program's own look, so the tests measure what users see.
    zorvanta::ApplyApplicationLook(application);
    return RUN_ALL_TESTS();
}
