#include <gtest/gtest.h>

#include "app/ui/MainWindow.h"

TEST(MainWindow, IsNamedAndTitledForTheProgram) {
    velmora::MainWindow window;
    EXPECT_EQ(window.objectName(), "TForm1");
    EXPECT_EQ(window.windowTitle(), "Velmora");
}
