#include "tables/exports.h"

#include "tables/gsd_export.h"
#include "platform/core/exception.h"
#include "platform/dialogs/file_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/xml/xml_document.h"
#include "common/state/program_state.h"

namespace {

constexpr int Text_Overwrite_GSD = 903;
constexpr int Text_No_ParGen = 904;

// An element of the root as a number; 0 when it is missing or no number.
int rootNumber(const IXMLNode& Root, const char* Name) {
    int value = 0;
    const IXMLNode node = Root.ChildNodes().FindNode(Name);
    return node && TryStrToInt(node.Text(), value) ? value : 0;
}

// The exports that belong to tables this build does not carry yet.
[[noreturn]] void notAvailable() { throw Exception(QStringLiteral("This export is not available in this build.")); }

}  // namespace

void Create_GSD_File() {
    if (!FileExists(File_ParGen)) {
        MessageDlg(Lang(Text_No_ParGen), mtError, mbOK);
        return;
    }
    int input_len = 0, output_len = 0;
    {
        TXMLDocument par_gen(nullptr);
        par_gen.LoadFromFile(File_ParGen);
        const IXMLNode root = par_gen.ChildNodes().First();
        // The slave's inputs are what the PROFINET side sends, its outputs what it receives.
        output_len = rootNumber(root, "PROFINET_NB_IN");
        input_len = rootNumber(root, "PROFINET_NB_OUT");
    }
    TSaveDialog dialog(nullptr);
    dialog.InitialDir = Project_Path;
    dialog.Filter = QStringLiteral("Generic Station Description (*.gsd)|*.gsd");
    if (!dialog.Execute()) return;
    const QString file = GSD_File_Name(dialog.FileName);
    if (FileExists(file) && MessageDlg(Lang(Text_Overwrite_GSD), mtConfirmation, mbYes | mbNo) != mrYes) return;
    Write_GSD_File(file, input_len, output_len);
}

void Create_MIB_File() { notAvailable(); }
void Create_EDE_File(const QString&) { notAvailable(); }
