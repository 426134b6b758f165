#include "platform/controls/application.h"
#include "shell/main_block.h"

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    Application->Title = QStringLiteral("Loomwright");
    if (!Take_Program_Folder()) return 1;
    Create_Program_Windows();
    Application->Run();
    Release_Program_Folder();
    return 0;
}
