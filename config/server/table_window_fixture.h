#pragma once

#include "platform/controls/form.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "shell/buttons/lb_button.h"
#include "shell/common/language.h"
#include "shell/common/program_state.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A table window of an open configuration in a fresh folder, with the English texts.
template <typename TWindow>
class TableWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        Load_Default_Texts();
        Project_Path = folder.path();
        Set_Project_Files();
        window = std::make_unique<TWindow>(nullptr);
        window->Create();
    }
    void TearDown() override {
        window.reset();
        Reset_Program_State();
    }

    // Shows the window modally and runs inside while it is open; the modal result.
    TModalResult show(const std::function<void(TWindow&)>& inside) {
        driver().onNextModal([&](TForm&) { inside(*window); });
        return window->ShowModal();
    }
    static void press(TLbButton* button) { click(*button, 5, 5); }

    QByteArray fileBytes(const QString& name) const {
        QFile f(folder.file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList boxTexts() const {
        QStringList out;
        for (const ScriptedDriver::Box& b : driver().boxes()) out << b.text;
        return out;
    }

    TempFolder folder;
    std::unique_ptr<TWindow> window;
};
