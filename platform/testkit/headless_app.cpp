#include "platform/testkit/headless_app.h"

#include <QApplication>

HeadlessApp::HeadlessApp(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc, argv);
}

HeadlessApp::~HeadlessApp() = default;
