// The program's own application object, so that its error handling is the
// one under test.
#include "ErrorHandler.h"

#include <gtest/gtest.h>

#include "OffscreenScreen.h"

int main(int argc, char** argv) {
    useDesktopSizedOffscreenScreen();
    ZqmApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
