#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Tests never need a display; a developer may still override the platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
