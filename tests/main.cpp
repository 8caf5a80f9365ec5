// Test entry point: a Qt application object (the window tests need a
// QApplication, everything else a QCoreApplication) on the offscreen
// platform, so no display is needed, not even while tests are listed.
#include <gtest/gtest.h>
#include <QtGlobal>
#ifdef VELKA_WIDGETS_TEST
#include <QApplication>
using TestApp = QApplication;
#else
#include <QCoreApplication>
using TestApp = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApp app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
