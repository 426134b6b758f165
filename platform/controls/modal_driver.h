#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

class TForm;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrHelp = 9;
constexpr TModalResult mrTryAgain = 10;
constexpr TModalResult mrContinue = 11;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : uint16_t {
    mbYes = 0x1,
    mbNo = 0x2,
    mbOK = 0x4,
    mbCancel = 0x8,
    mbAbort = 0x10,
    mbRetry = 0x20,
    mbIgnore = 0x40,
};
using TMsgDlgButtons = uint16_t;

struct TMessageBoxRequest {
    TMsgDlgType Type = mtInformation;
    QString Text;
    QString Caption;
    TMsgDlgButtons Buttons = mbOK;
};

struct TFileDialogRequest {
    bool Save = false;
    QString Title;
    QString InitialDir;
    QString Filter;  // "Description|*.ext|..."
    QString DefaultExt;
    QString FileName;  // in: proposed name; out: the chosen file
};

struct TPopupMenuRequest {
    QStringList Items;
    int X = 0;  // screen position of the menu's top-left corner
    int Y = 0;
};

// The one road by which modal windows, message boxes and file dialogs reach the user: real
// windows in the program, scripted answers in tests.
class TModalDriver {
public:
    virtual ~TModalDriver() = default;
    // Runs the form's modal loop until its ModalResult is set; the form is already showing.
    virtual void RunModal(TForm& form) = 0;
    // Tells the driver that a modal form got its result (ends the program's nested loop).
    virtual void EndModal(TForm&) {}
    virtual TModalResult MessageBox(const TMessageBoxRequest& request) = 0;
    // True when the user chose a file (request.FileName holds it).
    virtual bool FileDialog(TFileDialogRequest& request) = 0;
    // Shows a pop-up menu until the user chooses; the 1-based place of the chosen item, 0 for none.
    virtual int PopupMenu(const TPopupMenuRequest&) { return 0; }
};

TModalDriver& ModalDriver();
// Installs a driver (not owned).
void SetModalDriver(TModalDriver* driver);
