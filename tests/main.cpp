// Test main for the window tests: a QApplication on the offscreen platform, so that no test
// needs a display and none can wait on a window a person would have to close.
#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

int RunTests(int argc, char** argv) {
    QApplication app(argc, argv);
    // The tests read the program's English texts and numbers, whatever the desktop they run on speaks.
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows speak the system's language: the tests read their English whatever the machine's is.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    const int result = RunTests(argc, argv);
#if defined(__SANITIZE_ADDRESS__)
    // Leaks are looked for once the application is gone, before the exit handlers run: Qt's sound
    // cache is torn down in those, handing its loader to deleteLater when no event loop is left to
    // run it, which the leak checker would blame on whichever test played a sound.
    __lsan_do_leak_check();
#endif
    return result;
}
