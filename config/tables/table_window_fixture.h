#pragma once

#include "config/tables/table_file.h"
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

// Text as an XML attribute value holds it.
inline QByteArray Xml_Attribute_Text(const QString& Text) {
    QByteArray out;
    for (const char c : Text.toUtf8()) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\r': out += "&#13;"; break;
            case '\n': out += "&#10;"; break;
            case '\t': out += "&#9;"; break;
            default: out += c;
        }
    }
    return out;
}

// The text a table-groups file of Shape holds for Rows (one table per group, texts in
// attribute order), as the windows write it.
inline QByteArray Table_Groups_Xml(const TTable_Groups_File& Shape, const std::vector<TTable_Rows>& Rows) {
    QByteArray xml = "<" + QByteArray(Shape.Root) + ">";
    for (size_t g = 0; g < Shape.Groups.size(); ++g) {
        const QByteArray name(Shape.Groups[g].Name);
        const TTable_Rows rows = g < Rows.size() ? Rows[g] : TTable_Rows();
        if (rows.empty()) {
            xml += "<" + name + "/>";
            continue;
        }
        xml += "<" + name + ">";
        for (const QStringList& row : rows) {
            xml += "<row";
            for (int c = 0; c < row.size(); ++c)
                xml += " " + QByteArray(Shape.Groups[g].Columns[size_t(c)].Attribute) + "=\"" + Xml_Attribute_Text(row[c]) + "\"";
            xml += "/>";
        }
        xml += "</" + name + ">";
    }
    return xml + "</" + QByteArray(Shape.Root) + "><!--" + QByteArray(Shape.Version) + "-->";
}

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
    // Esc from a focused row button: an unchanged table closes at once; after change, the user
    // is asked, No keeps the window open and Yes leaves; the file File is never written.
    void expectEscAsksAfter(const std::function<void(TWindow&)>& change, const QString& File) {
        const auto esc = [](TWindow& w) {
            w.Btn_InsRow->SetFocus();
            keyPress(*w.Btn_InsRow, VK_ESCAPE);
        };
        EXPECT_EQ(show(esc), mrCancel);
        EXPECT_TRUE(driver().boxes().empty());
        const TModalResult result = show([&](TWindow& w) {
            change(w);
            driver().answerNextBox(mrNo);
            esc(w);
            EXPECT_EQ(w.ModalResult(), mrNone);
            EXPECT_EQ(boxTexts(), QStringList({"Do you want to exit without saving changes?"}));
            driver().answerNextBox(mrYes);
            esc(w);
        });
        EXPECT_EQ(result, mrCancel);
        EXPECT_EQ(driver().boxes().size(), 2u);
        EXPECT_EQ(fileBytes(File), "<missing>");
    }

    std::unique_ptr<TWindow> window;
};
