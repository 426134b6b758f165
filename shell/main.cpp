#include "platform/controls/application.h"
#include "shell/main_block.h"

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    Application->Title = QStringLiteral("Loomwright");
    Create_Program_Windows();
    Application->Run();
    return 0;
}
