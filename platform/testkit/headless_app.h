#pragma once

#include "platform/testkit/temp_folder.h"

#include <memory>

class QApplication;

// The application object of a test program: offscreen Qt for fonts and images, no windows.
class HeadlessApp {
public:
    HeadlessApp(int& argc, char** argv);
    ~HeadlessApp();

private:
    std::unique_ptr<QApplication> app_;
    // Holds the registry file, so no test writes settings beside the build.
    TempFolder settings_;
};
