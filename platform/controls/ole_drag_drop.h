#pragma once

// The platform's drag and drop, in the shape of the original's: clipboard format ids, data
// objects with format enumerators, drop targets registered per window, drop sources and the
// modal drag loop. Behind it is the toolkit's own drag and drop (the desktop's XDND); a test
// installs a scripted drag loop in its place (SetDragDriver).
//
// Blocks of memory are byte arrays: the receiver of a block owns its copy, so nothing is
// released by hand.

#include "platform/graphics/graphics_objects.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TWinControl;

using HRESULT = int32_t;
using TClipFormat = uint16_t;

enum : HRESULT {
    S_OK = 0,
    S_FALSE = 1,
    DRAGDROP_S_DROP = 0x40100,
    DRAGDROP_S_CANCEL = 0x40101,
    DRAGDROP_S_USEDEFAULTCURSORS = 0x40102,
};
constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT DV_E_FORMATETC = HRESULT(0x80040064u);
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = HRESULT(0x80040100u);
constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = HRESULT(0x80040101u);

enum : uint32_t { DROPEFFECT_NONE = 0, DROPEFFECT_COPY = 1, DROPEFFECT_MOVE = 2, DROPEFFECT_LINK = 4 };
enum : uint32_t { DVASPECT_CONTENT = 1 };
enum : uint32_t { TYMED_NULL = 0, TYMED_HGLOBAL = 1 };
enum : uint32_t { DATADIR_GET = 1, DATADIR_SET = 2 };

// The standard formats.
enum : TClipFormat { CF_TEXT = 1, CF_UNICODETEXT = 13, CF_HDROP = 15 };

// The id of a named format, the same for the same name all through the process (from 0xC000).
TClipFormat RegisterClipboardFormat(const QString& Name);
// The name a format was registered under; empty for the standard formats and unknown ids.
QString ClipboardFormatName(TClipFormat Format);

struct TFormatEtc {
    TClipFormat cfFormat = 0;
    // The target device; always none here.
    void* ptd = nullptr;
    uint32_t dwAspect = DVASPECT_CONTENT;
    int32_t lindex = -1;
    uint32_t tymed = TYMED_HGLOBAL;
};

// A storage medium: a global-memory block, or nothing.
struct TStgMedium {
    uint32_t tymed = TYMED_NULL;
    QByteArray hGlobal;
};

class IEnumFORMATETC {
public:
    virtual ~IEnumFORMATETC() = default;
    // Copies up to Count entries into Entries; S_OK when Count entries were copied.
    virtual HRESULT Next(uint32_t Count, TFormatEtc* Entries, uint32_t* Fetched) = 0;
    virtual HRESULT Skip(uint32_t Count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& Enum) = 0;
};

class IDataObject {
public:
    virtual ~IDataObject() = default;
    virtual HRESULT GetData(const TFormatEtc& Format, TStgMedium& Medium) = 0;
    virtual HRESULT GetDataHere(const TFormatEtc&, TStgMedium&) { return DV_E_FORMATETC; }
    virtual HRESULT QueryGetData(const TFormatEtc& Format) = 0;
    // Every format is its own canonical one.
    virtual HRESULT GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc& Out) {
        Out.ptd = nullptr;
        return E_NOTIMPL;
    }
    virtual HRESULT SetData(const TFormatEtc&, const TStgMedium&, bool) { return DV_E_FORMATETC; }
    virtual HRESULT EnumFormatEtc(uint32_t Direction, std::shared_ptr<IEnumFORMATETC>& Enum) = 0;
};

// What a window registered for drops is told. Points are in screen coordinates; Effect comes in
// as the effects the source offers and goes out as the one the target would take.
class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    virtual HRESULT DragEnter(IDataObject& DataObj, uint32_t KeyState, TPoint Pt, uint32_t& Effect) = 0;
    virtual HRESULT DragOver(uint32_t KeyState, TPoint Pt, uint32_t& Effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject& DataObj, uint32_t KeyState, TPoint Pt, uint32_t& Effect) = 0;
};

// The side that started a drag, asked by the drag loop.
class IDropSource {
public:
    virtual ~IDropSource() = default;
    virtual HRESULT QueryContinueDrag(bool EscapePressed, uint32_t KeyState) = 0;
    virtual HRESULT GiveFeedback(uint32_t Effect) = 0;
};

// A data object over a list of formats and their blocks: what another program offers, as the
// desktop hands it over.
class TMemoryDataObject : public IDataObject {
public:
    void Add(TClipFormat Format, QByteArray Block) { formats_.emplace_back(Format, std::move(Block)); }
    bool Has(TClipFormat Format) const;

    HRESULT GetData(const TFormatEtc& Format, TStgMedium& Medium) override;
    HRESULT QueryGetData(const TFormatEtc& Format) override;
    HRESULT EnumFormatEtc(uint32_t Direction, std::shared_ptr<IEnumFORMATETC>& Enum) override;

private:
    std::vector<std::pair<TClipFormat, QByteArray>> formats_;
};

// An enumerator over a fixed list of entries.
class TFormatListEnum : public IEnumFORMATETC {
public:
    explicit TFormatListEnum(std::vector<TFormatEtc> Entries, uint32_t Index = 0)
        : entries_(std::move(Entries)), index_(Index) {}
    HRESULT Next(uint32_t Count, TFormatEtc* Entries, uint32_t* Fetched) override;
    HRESULT Skip(uint32_t Count) override;
    HRESULT Reset() override;
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& Enum) override;

private:
    std::vector<TFormatEtc> entries_;
    uint32_t index_;
};

// Blocks of the standard formats.
QByteArray UnicodeTextBlock(const QString& Text);
QByteArray AnsiTextBlock(const QString& Text);
QString TextFromUnicodeBlock(const QByteArray& Block);
QString TextFromAnsiBlock(const QByteArray& Block);
// The drop-files block: its header (offset of the names, drop point, non-client flag, wide
// flag), then the names one after another, each ended by a zero, the list by an empty name.
QByteArray DropFilesBlock(const QStringList& Files, bool Wide = true);
// The names of a drop-files block, in either character width; empty for a block too short.
QStringList FilesFromDropFilesBlock(const QByteArray& Block);

// Registers the window as drop target; the window keeps the target until revoked.
HRESULT RegisterDragDrop(TWinControl& Window, std::shared_ptr<IDropTarget> Target);
HRESULT RevokeDragDrop(TWinControl& Window);
// The target registered for the window, or for the nearest parent that has one; nullptr when
// none has.
IDropTarget* DropTargetAt(TWinControl* Window);
IDropTarget* RegisteredDropTarget(const TWinControl& Window);

// Runs the modal drag loop with the data object until the source ends it; Effect receives the
// effect of the drop (DROPEFFECT_NONE when cancelled). The answer is DRAGDROP_S_DROP or
// DRAGDROP_S_CANCEL.
HRESULT DoDragDrop(const std::shared_ptr<IDataObject>& DataObj, const std::shared_ptr<IDropSource>& DropSource,
                   uint32_t OkEffects, uint32_t& Effect);

// The drag loop behind DoDragDrop.
class TDragDriver {
public:
    virtual ~TDragDriver() = default;
    virtual HRESULT DoDragDrop(const std::shared_ptr<IDataObject>& DataObj,
                               const std::shared_ptr<IDropSource>& DropSource, uint32_t OkEffects,
                               uint32_t& Effect) = 0;
};
// Installs a drag loop (not owned); nullptr returns to the toolkit's.
void SetDragDriver(TDragDriver* Driver);
// The toolkit's drag loop: the desktop's drag and drop, between windows and programs.
TDragDriver& ToolkitDragDriver();
