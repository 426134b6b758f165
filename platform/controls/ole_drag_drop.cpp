#include "platform/controls/ole_drag_drop.h"

#include "platform/controls/control.h"
#include "platform/controls/window_backend.h"

#include <QHash>
#include <algorithm>
#include <map>

namespace {

struct FormatNames {
    QHash<QString, TClipFormat> ids;
    QStringList names;
};

FormatNames& formatNames() {
    static FormatNames names;
    return names;
}

std::map<const TWinControl*, std::shared_ptr<IDropTarget>>& dropTargets() {
    static std::map<const TWinControl*, std::shared_ptr<IDropTarget>> targets;
    return targets;
}

TDragDriver* installedDriver = nullptr;

void putLE32(QByteArray& b, qsizetype at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
}

uint32_t getLE32(const QByteArray& b, qsizetype at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(uchar(b[at + i])) << (8 * i);
    return v;
}

// The text of zero-terminated UTF-16 units from At; End receives the position after the zero.
QString wideText(const QByteArray& b, qsizetype at, qsizetype* end = nullptr) {
    QString text;
    qsizetype i = at;
    for (; i + 1 < b.size(); i += 2) {
        const char16_t unit = char16_t(uchar(b[i]) | (uchar(b[i + 1]) << 8));
        if (unit == 0) break;
        text += QChar(unit);
    }
    if (end) *end = i + 2;
    return text;
}

QString ansiText(const QByteArray& b, qsizetype at, qsizetype* end = nullptr) {
    qsizetype zero = b.indexOf('\0', at);
    if (zero < 0) zero = b.size();
    if (end) *end = zero + 1;
    return QString::fromLocal8Bit(b.mid(at, zero - at));
}

}  // namespace

TClipFormat RegisterClipboardFormat(const QString& Name) {
    FormatNames& f = formatNames();
    const auto found = f.ids.constFind(Name);
    if (found != f.ids.constEnd()) return *found;
    const TClipFormat id = TClipFormat(0xC000 + f.names.size());
    f.ids.insert(Name, id);
    f.names.append(Name);
    return id;
}

QString ClipboardFormatName(TClipFormat Format) {
    const FormatNames& f = formatNames();
    const int index = int(Format) - 0xC000;
    return index >= 0 && index < f.names.size() ? f.names[index] : QString();
}

// ---- blocks

QByteArray UnicodeTextBlock(const QString& Text) {
    QByteArray b;
    b.reserve(2 * Text.size() + 2);
    for (QChar c : Text) {
        b.append(char(c.unicode() & 0xFF));
        b.append(char(c.unicode() >> 8));
    }
    b.append(2, '\0');
    return b;
}

QByteArray AnsiTextBlock(const QString& Text) { return Text.toLocal8Bit() + QByteArray(1, '\0'); }

QString TextFromUnicodeBlock(const QByteArray& Block) { return wideText(Block, 0); }

QString TextFromAnsiBlock(const QByteArray& Block) { return ansiText(Block, 0); }

namespace {
constexpr int dropFilesHeader = 20;
}

QByteArray DropFilesBlock(const QStringList& Files, bool Wide) {
    QByteArray b(dropFilesHeader, '\0');
    putLE32(b, 0, dropFilesHeader);
    putLE32(b, 16, Wide ? 1 : 0);
    for (const QString& name : Files) b += Wide ? UnicodeTextBlock(name) : AnsiTextBlock(name);
    b.append(Wide ? 2 : 1, '\0');
    return b;
}

QStringList FilesFromDropFilesBlock(const QByteArray& Block) {
    QStringList files;
    if (Block.size() < dropFilesHeader) return files;
    const bool wide = getLE32(Block, 16) != 0;
    qsizetype at = qsizetype(getLE32(Block, 0) & ~1u);
    while (at >= 0 && at < Block.size()) {
        qsizetype next = 0;
        const QString name = wide ? wideText(Block, at, &next) : ansiText(Block, at, &next);
        if (name.isEmpty()) break;
        files.append(name);
        at = next;
    }
    return files;
}

// ---- a data object of fixed blocks

bool TMemoryDataObject::Has(TClipFormat Format) const {
    return std::any_of(formats_.begin(), formats_.end(), [&](const auto& f) { return f.first == Format; });
}

HRESULT TMemoryDataObject::QueryGetData(const TFormatEtc& Format) {
    if (Format.dwAspect != DVASPECT_CONTENT || !(Format.tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
    return Has(Format.cfFormat) ? S_OK : DV_E_FORMATETC;
}

HRESULT TMemoryDataObject::GetData(const TFormatEtc& Format, TStgMedium& Medium) {
    Medium = {};
    if (QueryGetData(Format) != S_OK) return DV_E_FORMATETC;
    for (const auto& [format, block] : formats_) {
        if (format != Format.cfFormat) continue;
        Medium.tymed = TYMED_HGLOBAL;
        Medium.hGlobal = block;
        break;
    }
    return S_OK;
}

HRESULT TMemoryDataObject::EnumFormatEtc(uint32_t Direction, std::shared_ptr<IEnumFORMATETC>& Enum) {
    Enum.reset();
    if (Direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<TFormatEtc> entries;
    for (const auto& f : formats_) entries.push_back(TFormatEtc{f.first});
    Enum = std::make_shared<TFormatListEnum>(std::move(entries));
    return S_OK;
}

HRESULT TFormatListEnum::Next(uint32_t Count, TFormatEtc* Entries, uint32_t* Fetched) {
    uint32_t copied = 0;
    while (copied < Count && index_ < entries_.size()) Entries[copied++] = entries_[index_++];
    if (Fetched) *Fetched = copied;
    return copied == Count ? S_OK : S_FALSE;
}

HRESULT TFormatListEnum::Skip(uint32_t Count) {
    index_ += Count;
    if (index_ > entries_.size()) {
        index_ = uint32_t(entries_.size());
        return S_FALSE;
    }
    return S_OK;
}

HRESULT TFormatListEnum::Reset() {
    index_ = 0;
    return S_OK;
}

HRESULT TFormatListEnum::Clone(std::shared_ptr<IEnumFORMATETC>& Enum) {
    Enum = std::make_shared<TFormatListEnum>(entries_, index_);
    return S_OK;
}

// ---- registration and the drag loop

HRESULT RegisterDragDrop(TWinControl& Window, std::shared_ptr<IDropTarget> Target) {
    if (!Target) return E_FAIL;
    auto& targets = dropTargets();
    if (targets.count(&Window)) return DRAGDROP_E_ALREADYREGISTERED;
    targets[&Window] = std::move(Target);
    WindowBackend().DropTargetChanged(Window);
    return S_OK;
}

HRESULT RevokeDragDrop(TWinControl& Window) {
    if (dropTargets().erase(&Window) == 0) return DRAGDROP_E_NOTREGISTERED;
    WindowBackend().DropTargetChanged(Window);
    return S_OK;
}

IDropTarget* RegisteredDropTarget(const TWinControl& Window) {
    const auto& targets = dropTargets();
    const auto found = targets.find(&Window);
    return found == targets.end() ? nullptr : found->second.get();
}

IDropTarget* DropTargetAt(TWinControl* Window) {
    for (TWinControl* w = Window; w; w = w->Parent())
        if (IDropTarget* target = RegisteredDropTarget(*w)) return target;
    return nullptr;
}

void SetDragDriver(TDragDriver* Driver) { installedDriver = Driver; }

HRESULT DoDragDrop(const std::shared_ptr<IDataObject>& DataObj, const std::shared_ptr<IDropSource>& DropSource,
                   uint32_t OkEffects, uint32_t& Effect) {
    TDragDriver& driver = installedDriver ? *installedDriver : ToolkitDragDriver();
    return driver.DoDragDrop(DataObj, DropSource, OkEffects, Effect);
}
