#pragma once

#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

#include <QFile>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

// An open configuration in a fresh folder with its bin folder, and the document the builder
// reads through.
class TBankProject : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        Project_Path = folder.path();
        Set_Project_Files();
        ASSERT_TRUE(ForceDirectories(folder.file("bin")));
    }
    void TearDown() override { Reset_Program_State(); }

    // ParGen.xml with these elements below the root, as the general parameters window writes it.
    void writeParGen(const std::vector<std::pair<QString, QString>>& elements) {
        QString xml = "<Par_Gen>";
        for (const auto& [name, text] : elements) xml += QString("<%1>%2</%1>").arg(name, text.toHtmlEscaped());
        folder.write("ParGen.xml", (xml + "</Par_Gen><!--SW_VERSION = 1.001-->").toUtf8());
    }
    QByteArray readFile(const QString& name) const {
        QFile f(folder.file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempFolder folder;
    TXMLDocument xml{nullptr};
};

// Little-endian fields of an image, for checking it.
inline uint32_t U32(const QByteArray& b, int offset) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | uint8_t(b[offset + i]);
    return v;
}
inline uint16_t U16(const QByteArray& b, int offset) {
    return uint16_t(uint8_t(b[offset]) | uint8_t(b[offset + 1]) << 8);
}
