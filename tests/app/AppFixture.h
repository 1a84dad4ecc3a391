#pragma once
// A main window on a fresh program folder, with the user's data folder moved to a temporary one
// so that no test touches the real desktop settings.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <memory>

#include "app/ui/MainWindow.h"
#include "tools/support/TempFolder.h"

namespace velmora::testing {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* saved = std::getenv("XDG_DATA_HOME");
        hadDataHome_ = saved != nullptr;
        if (hadDataHome_) savedDataHome_ = saved;
        setenv("XDG_DATA_HOME", data.Path().c_str(), 1);
    }
    void TearDown() override {
        window.reset();
        if (hadDataHome_) setenv("XDG_DATA_HOME", savedDataHome_.c_str(), 1); else unsetenv("XDG_DATA_HOME");
    }

    MainWindow& Open() {
        window = std::make_unique<MainWindow>(folder.Path());
        return *window;
    }

    QAction* Action(const char* name) const { return window->findChild<QAction*>(name); }

    TempFolder folder;
    TempFolder data;
    std::unique_ptr<MainWindow> window;

private:
    bool hadDataHome_ = false;
    std::string savedDataHome_;
};

}  // namespace velmora::testing
