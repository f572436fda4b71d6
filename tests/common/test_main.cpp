// Test entry point: one QApplication for the whole binary, on the offscreen
// platform unless the caller chose another one.
#include <QApplication>
#include <gtest/gtest.h>

#include "OffscreenScreen.h"

int main(int argc, char** argv) {
    useDesktopSizedOffscreenScreen();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
