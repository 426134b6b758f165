#pragma once

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/form.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "common/buttons/lb_button.h"
#include "common/state/language.h"
#include "common/state/program_state.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// An open configuration in a fresh folder, with the English texts.
class ProjectFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        Load_Default_Texts();
        Project_Path = folder.path();
        Set_Project_Files();
    }
    void TearDown() override { Reset_Program_State(); }

    // Shows window modally and runs inside while it is open; the modal result.
    template <typename TWindow>
    static TModalResult show(TWindow& window, const std::function<void(TWindow&)>& inside) {
        driver().onNextModal([&](TForm&) { inside(window); });
        return window.ShowModal();
    }
    static void press(TLbButton* button) { click(*button, 5, 5); }

    QByteArray fileBytes(const QString& name) const {
        QFile f(folder.file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static QStringList boxTexts() {
        QStringList out;
        for (const ScriptedDriver::Box& b : driver().boxes()) out << b.text;
        return out;
    }

    TempFolder folder;
};

// One table window of such a configuration.
template <typename TWindow>
class TableWindowFixture : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        window = std::make_unique<TWindow>(nullptr);
        window->Create();
    }
    void TearDown() override {
        window.reset();
        ProjectFixture::TearDown();
    }
    TModalResult show(const std::function<void(TWindow&)>& inside) { return ProjectFixture::show(*window, inside); }
    // Row r's cells from column 1 on, as a user would have typed them.
    static void fillRow(TExStringGrid& Grid, int r, const QStringList& Cells) {
        for (int c = 0; c < Cells.size(); ++c) Grid.SetCellEx(c + 1, r, Cells[c]);
    }
    static QStringList rowCells(TExStringGrid& Grid, int r, int First, int Last) {
        QStringList out;
        for (int c = First; c <= Last; ++c) out << Grid.GetCellEx(c, r);
        return out;
    }

    std::unique_ptr<TWindow> window;
};
