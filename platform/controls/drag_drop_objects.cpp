#include "platform/controls/drag_drop_objects.h"

#include "platform/core/exception.h"
#include "platform/core/stream.h"
#include "platform/messages/message_ids.h"

namespace {

TDragFormats formats;
bool rtfSwitch = false;

// The effect a drop would have: copy with Ctrl down, else move when offered, else copy.
uint32_t effectRule(uint32_t KeyState, uint32_t Offered) {
    if (KeyState & MK_CONTROL) return DROPEFFECT_COPY;
    return (Offered & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

int32_t le32(const QByteArray& b, qsizetype at) {
    if (at + 4 > b.size()) return 0;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(uchar(b[at + i])) << (8 * i);
    return int32_t(v);
}

QByteArray le32Bytes(int32_t value) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = char((uint32_t(value) >> (8 * i)) & 0xFF);
    return b;
}

}  // namespace

const TDragFormats& DragFormats() { return formats; }

// Registered in this order every time, as the clipboard's own registrations are.
void RegisterDragFormats() {
    formats.fRTF = RegisterClipboardFormat(RichTextDragFormat);
    formats.fCol = RegisterClipboardFormat(GridColumnDragFormat);
    formats.fCells = RegisterClipboardFormat(GridCellsDragFormat);
    formats.fURL = RegisterClipboardFormat(URLDragFormat);
}

void EnableRTFDrop(bool Value) { rtfSwitch = Value; }
bool RTFDropEnabled() { return rtfSwitch; }

// ---- reading a dropped object

TEnumFormats::TEnumFormats(IDataObject& DataObject) {
    SetDataObject(DataObject);
    RegisterDragFormats();
}

void TEnumFormats::SetDataObject(IDataObject& Value) {
    FDataObject = &Value;
    FEnumerator.reset();
    if (Value.EnumFormatEtc(DATADIR_GET, FEnumerator) != S_OK || !FEnumerator)
        throw Exception(QStringLiteral("Cannot get the format enumerator"));
    Reset();
}

bool TEnumFormats::Reset() {
    FValid = false;
    FCount = 0;
    return FEnumerator && FEnumerator->Reset() == S_OK;
}

bool TEnumFormats::Next() {
    ++FCount;
    uint32_t fetched = 0;
    FValid = FEnumerator && FEnumerator->Next(1, &FFormatEtc, &fetched) == S_OK && fetched == 1;
    return FValid;
}

bool TEnumFormats::HasFormat(TClipFormat ClipFormat) {
    if (ClipFormat == 0 || !Reset()) return false;
    while (Next())
        if (FFormatEtc.cfFormat == ClipFormat) return true;
    return false;
}

QByteArray TEnumFormats::Handle(uint32_t Tymed) {
    if (!FValid || !(FFormatEtc.tymed & Tymed)) return {};
    TFormatEtc request = FFormatEtc;
    request.tymed = Tymed;
    TStgMedium medium;
    if (FDataObject->GetData(request, medium) != S_OK) return {};
    return medium.hGlobal;
}

int TEnumFormats::Col() {
    if (!HasCol()) return -1;
    const QByteArray block = GlobalHandle();
    return block.size() >= 4 ? le32(block, 0) : -1;
}

std::unique_ptr<TMemoryStream> TEnumFormats::Stream() {
    if (!HasGridCells()) return nullptr;
    const QByteArray block = GlobalHandle();
    if (block.size() < 8) return nullptr;
    const int32_t count = le32(block, 0);
    // A count beyond the block would read past it: only what is there is taken.
    if (count < 0 || count > block.size() - 8) return nullptr;
    return std::make_unique<TMemoryStream>(block.mid(8, count));
}

QString TEnumFormats::RTF() { return HasRTF() ? TextFromAnsiBlock(GlobalHandle()) : QString(); }

QString TEnumFormats::Text() { return HasText() ? TextFromUnicodeBlock(GlobalHandle()) : QString(); }

bool TEnumFormats::ReadFiles() {
    FFiles.clear();
    if (HasFile()) FFiles = FilesFromDropFilesBlock(GlobalHandle());
    return !FFiles.isEmpty();
}

// ---- the drop target

HRESULT TASGDropTarget::DragEnter(IDataObject& DataObj, uint32_t KeyState, TPoint, uint32_t& Effect) {
    const uint32_t offered = Effect;
    try {
        TEnumFormats e(DataObj);
        const bool text = e.HasText(), files = e.HasFile(), rtf = e.HasRTF(), col = e.HasCol(), url = e.HasURL(),
                   cells = e.HasGridCells();
        FOk = (text && AcceptText) || (files && AcceptFiles) || (rtf && RTFDropEnabled() && AcceptText) ||
              (col && AcceptCols) || (url && AcceptURLs) || cells;
        FDropFormats = (text ? DropFormatBit(dfText) : 0) | (files ? DropFormatBit(dfFile) : 0) |
                       (rtf ? DropFormatBit(dfRTF) : 0) | (col ? DropFormatBit(dfCol) : 0) |
                       (url ? DropFormatBit(dfURL) : 0) | (cells ? DropFormatBit(dfGridCells) : 0);
    } catch (const Exception&) {
        // An object that cannot tell its formats offers nothing to take.
        FOk = false;
        FDropFormats = 0;
    }
    Effect = FOk ? effectRule(KeyState, offered) : DROPEFFECT_NONE;
    DragMouseEnter();
    return S_OK;
}

HRESULT TASGDropTarget::DragOver(uint32_t KeyState, TPoint Pt, uint32_t& Effect) {
    Effect = FOk ? effectRule(KeyState, Effect) : DROPEFFECT_NONE;
    bool allow = Effect != DROPEFFECT_NONE;
    DragMouseMove(Pt, allow, FDropFormats);
    if (!allow) Effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TASGDropTarget::DragLeave() {
    DragMouseLeave();
    return S_OK;
}

HRESULT TASGDropTarget::Drop(IDataObject& DataObj, uint32_t KeyState, TPoint Pt, uint32_t& Effect) {
    if (!FOk) {
        Effect = DROPEFFECT_NONE;
        return S_OK;
    }
    try {
        TEnumFormats e(DataObj);
        if (e.HasCol()) {
            DropCol(Pt, e.Col());
        } else {
            if (e.HasGridCells()) {
                if (std::unique_ptr<TMemoryStream> stream = e.Stream()) DropStream(Pt, *stream);
            } else if (RTFDropEnabled() && e.HasRTF()) {
                DropRTF(Pt, e.RTF());
            } else if (e.HasText()) {
                DropText(Pt, e.Text());
            }
            if (e.ReadFiles()) DropFiles(Pt, e.Files());
            if (e.HasURL()) DropURL(Pt, e.Text());
        }
    } catch (const Exception&) {
        Effect = DROPEFFECT_NONE;
        return S_OK;
    }
    Effect = effectRule(KeyState, Effect);
    return S_OK;
}

// ---- the drop source

HRESULT TASGDropSource::QueryContinueDrag(bool EscapePressed, uint32_t KeyState) {
    QueryDrag();
    if (EscapePressed) {
        DragEnded();
        return DRAGDROP_S_CANCEL;
    }
    if (!(KeyState & MK_LBUTTON)) {
        DragEnded();
        return DRAGDROP_S_DROP;
    }
    return S_OK;
}

HRESULT TASGDropSource::GiveFeedback(uint32_t Effect) {
    FNoAccept = Effect == DROPEFFECT_NONE;
    CurrentEffect(Effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// ---- the data object of a drag out of a grid

TSourceDataObject::TSourceDataObject(const QString& Text, const QString& RTF, int ColumnIndex,
                                     const TMemoryStream* Stream)
    : textdata(Text), rtfdata(RTF), scolidx(ColumnIndex), memstr(Stream) {
    RegisterDragFormats();
}

HRESULT TSourceDataObject::QueryGetData(const TFormatEtc& Format) {
    if (Format.dwAspect != DVASPECT_CONTENT || Format.tymed != TYMED_HGLOBAL) return DV_E_FORMATETC;
    const TDragFormats& f = DragFormats();
    const TClipFormat cf = Format.cfFormat;
    if ((cf == CF_TEXT || cf == CF_UNICODETEXT) && !textdata.isEmpty()) return S_OK;
    if (cf == f.fRTF && !textdata.isEmpty() && RTFDropEnabled()) return S_OK;
    if (cf == f.fCells && memstr) return S_OK;
    if (cf == f.fCol && scolidx != -1) return S_OK;
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const TFormatEtc& Format, TStgMedium& Medium) {
    Medium = {};
    if (QueryGetData(Format) != S_OK) return DV_E_FORMATETC;
    const TDragFormats& f = DragFormats();
    const TClipFormat cf = Format.cfFormat;
    QByteArray block;
    if (cf == CF_TEXT) {
        block = AnsiTextBlock(textdata);
    } else if (cf == CF_UNICODETEXT) {
        block = UnicodeTextBlock(textdata);
    } else if (cf == f.fRTF) {
        if (rtfdata.isEmpty()) return DV_E_FORMATETC;
        block = AnsiTextBlock(rtfdata);
    } else if (cf == f.fCol) {
        block = le32Bytes(scolidx);
    } else if (cf == f.fCells) {
        const QByteArray& bytes = memstr->Memory();
        block = le32Bytes(int32_t(bytes.size())) + le32Bytes(0) + bytes;
    }
    Medium.tymed = TYMED_HGLOBAL;
    Medium.hGlobal = block;
    return S_OK;
}

HRESULT TSourceDataObject::EnumFormatEtc(uint32_t Direction, std::shared_ptr<IEnumFORMATETC>& Enum) {
    Enum.reset();
    if (Direction != DATADIR_GET) return E_NOTIMPL;
    Enum = std::make_shared<TSourceEnumFormatEtc>(scolidx != -1, memstr != nullptr);
    return S_OK;
}

namespace {

std::vector<TFormatEtc> sourceFormats(bool HasCol, bool HasGridCells) {
    const TDragFormats& f = DragFormats();
    std::vector<TFormatEtc> list{TFormatEtc{CF_TEXT}, TFormatEtc{CF_UNICODETEXT}, TFormatEtc{f.fRTF}};
    if (HasCol) list.push_back(TFormatEtc{f.fCol});
    if (HasGridCells) list.push_back(TFormatEtc{f.fCells});
    return list;
}

}  // namespace

TSourceEnumFormatEtc::TSourceEnumFormatEtc(bool HasCol, bool HasGridCells, uint32_t Index)
    : TFormatListEnum(sourceFormats(HasCol, HasGridCells), Index) {}

// ---- starting a drag

namespace {

HRESULT runDrag(const std::shared_ptr<TASGDropSource>& DropSource, std::shared_ptr<IDataObject> Data,
                uint32_t OkEffects, uint32_t& Effect) {
    Effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(Data, DropSource, OkEffects, Effect);
    return DropSource->NoAccept() ? HRESULT(DRAGDROP_S_CANCEL) : result;
}

}  // namespace

HRESULT BeginTextDrag(const std::shared_ptr<TASGDropSource>& DropSource, const QString& Text, const QString& RTF,
                      const TMemoryStream* Stream, uint32_t OkEffects, uint32_t& Effect) {
    return runDrag(DropSource, std::make_shared<TSourceDataObject>(Text, RTF, -1, Stream), OkEffects, Effect);
}

HRESULT BeginColumnDrag(const std::shared_ptr<TASGDropSource>& DropSource, int Column, uint32_t OkEffects,
                        uint32_t& Effect) {
    return runDrag(DropSource, std::make_shared<TSourceDataObject>(QString(), QString(), Column, nullptr),
                   OkEffects, Effect);
}
