#pragma once

#include <memory>

#include <QApplication>

namespace orvelia::test {

/**
 * The application object of a window test program, prepared as the program prepares its own:
 * on the offscreen platform unless another is named (-platform windows under Wine), with the
 * platforms' routine notices kept out of the test output.
 */
std::unique_ptr<QApplication> makeTestApplication(int& argc, char** argv);

} // namespace orvelia::test
