// Entry point of the window tests: one application for all of them.
#include <gtest/gtest.h>

#include "support/gui_app.h"

int main(int argc, char* argv[]) {
    const auto app = orvelia::test::makeTestApplication(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
