// The desktop program's tests run on Qt's offscreen platform.
#include <gtest/gtest.h>
#include <QApplication>

#include "ui/framework/QtText.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    UseCNumericLocale();
    InitTilvexResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
