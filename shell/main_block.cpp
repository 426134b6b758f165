#include "shell/main_block.h"

#include "config/network/master_access_form.h"
#include "config/network/modules_def_form.h"
#include "config/network/network_access_form.h"
#include "config/server/iec61850_variables_form.h"
#include "config/server/tls_known_cert_form.h"
#include "platform/controls/application.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/system/folder_lock.h"
#include "profinet/catalog/catalog_form.h"
#include "shell/about_form.h"
#include "shell/boot_form.h"
#include "shell/main_window.h"
#include "shell/new_project_form.h"
#include "shell/open_conf_form.h"
#include "shell/par_gen_form.h"
#include "shell/soft_options_form.h"
#include "tables/bacnet_eng_unit_form.h"
#include "tables/bacnet_slave_set_access_form.h"
#include "tables/mqtt_set_topic_form.h"
#include "tables/receive_can_form.h"
#include "tables/snmp_trap_form.h"
#include "tables/topic_template_form.h"
#include "tables/transmit_can_form.h"

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<TFolder_Lock>& programFolderLock() {
    static std::unique_ptr<TFolder_Lock> lock;
    return lock;
}

}  // namespace

bool Take_Program_Folder() {
    const QString folder = ExcludeTrailingPathDelimiter(ProgramFolder());
    auto lock = std::make_unique<TFolder_Lock>(folder, QStringLiteral("Loomwright.lock"));
    switch (lock->Take()) {
    case TFolder_Lock::lsInUse: {
        const QString owner = lock->Owner() > 0 ? QStringLiteral(" (process %1)").arg(lock->Owner()) : QString();
        const QString message = QStringLiteral("The program folder %1 is in use by another copy of the configurator%2.\n\n"
                                               "Close that copy before starting the configurator again.")
                                    .arg(folder, owner);
        // Also for a start from a terminal, where the box may go unseen.
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::fflush(stderr);
        MessageDlg(message, mtError, mbOK);
        return false;
    }
    case TFolder_Lock::lsTaken: programFolderLock() = std::move(lock); return true;
    // A folder where no lock file can be made cannot take the configurations either: the
    // first save says why.
    case TFolder_Lock::lsNoLock: return true;
    }
    return true;
}

void Release_Program_Folder() { programFolderLock().reset(); }

void Create_Program_Windows() {
    Application->CreateForm(FLoomwrighteFirmWare);
    Application->CreateForm(FNew_Project);
    Application->CreateForm(FOpenConf);
    Application->CreateForm(FAbout);
    Application->CreateForm(FSoftOptions);
    Application->CreateForm(FBoot);
    Application->CreateForm(FParGen);
    Application->CreateForm(FPROFINET_Master_Access);
    Application->CreateForm(FPROFINETCatalog);
    Application->CreateForm(FPROFINET_Network_Access);
    Application->CreateForm(FPROFINET_Modules_Def);
    Application->CreateForm(FSNMP_Trap_Access);
    Application->CreateForm(FMQTT_Set_Topic);
    Application->CreateForm(FTopicTemplate);
    Application->CreateForm(FBACnet_Eng_Unit);
    Application->CreateForm(FBACnetSlaveSetAccess);
    Application->CreateForm(FReceiveCAN);
    Application->CreateForm(FTransmitCAN);
    Application->CreateForm(FIEC61850_Variables);
    Application->CreateForm(FTLS_Server_Known_Cert);

    // The dialogs report back to the main window through their events.
    FSoftOptions->OnLanguageChange = [](TObject*) { FLoomwrighteFirmWare->Change_Language(); };
    FSoftOptions->Version_Client = FLoomwrighteFirmWare->HTTP1;
    FBoot->OnStartProgram = [](const QString& Program, const QString& Parameter, uint8_t Kind) {
        FLoomwrighteFirmWare->Start_Program(Program, Parameter, Kind);
    };
}
