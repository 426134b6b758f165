#include "config/banks/bank_files.h"

#include "config/banks/bank_buffers.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "common/state/program_state.h"

QString Bank_File_Path(int Bank) {
    return Project_Path + PathDelim + QStringLiteral("bin") + PathDelim + QStringLiteral("bank%1.bin").arg(Bank);
}

QString Write_Bin_Files(QString* Reason) {
    const struct {
        const TBank_Buffer& buffer;
        int32_t length;
    } banks[] = {{Bank1_Buf, Bank1_Len}, {Bank2_Buf, Bank2_Len}, {Bank3_Buf, Bank3_Len}};
    for (int i = 0; i < 3; ++i) {
        const QString path = Bank_File_Path(i + 1);
        if (!WriteFileAtomic(path, banks[i].buffer.Bytes(banks[i].length), Reason)) return path;
    }
    return QString();
}

bool Save_Bin() {
    QString reason;
    const QString failed = Write_Bin_Files(&reason);
    if (failed.isEmpty()) return true;
    MessageDlg(QStringLiteral("Error! The file %1 cannot be written: %2. The device has not been updated.").arg(failed, reason),
               mtError, mbOK);
    return false;
}
