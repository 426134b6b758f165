#pragma once

// The drag and drop of the grid suite over the platform's: a drop target that reads text, rich
// text, files, URLs, a column index or a block of grid cells from what is dropped and hands each
// to an overridable hook; a drop source with hooks; the data object a drag out of a grid offers;
// and the two routines that start such a drag.

#include "platform/controls/ole_drag_drop.h"

#include <QString>
#include <QStringList>
#include <memory>

class TMemoryStream;

// The formats the suite registers besides the standard ones.
inline const QString RichTextDragFormat = QStringLiteral("Rich Text Format");
inline const QString GridColumnDragFormat = QStringLiteral("Grid Column");
inline const QString GridCellsDragFormat = QStringLiteral("TExStringGrid Cells");
inline const QString URLDragFormat = QStringLiteral("UniformResourceLocator");

// The registered ids, valid once RegisterDragFormats ran (a TEnumFormats runs it; so does a
// drag started here).
struct TDragFormats {
    TClipFormat fRTF = 0, fCol = 0, fCells = 0, fURL = 0;
};
const TDragFormats& DragFormats();
void RegisterDragFormats();

// Rich text is accepted on drop and served on drag only while switched on (off at start).
void EnableRTFDrop(bool Value);
bool RTFDropEnabled();

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = unsigned;
constexpr TDropFormats DropFormatBit(TDropFormat F) { return 1u << F; }

// A reader of a dropped data object; lives for one DragEnter or Drop.
class TEnumFormats {
public:
    // Raises "Cannot get the format enumerator" when the object cannot enumerate its formats.
    explicit TEnumFormats(IDataObject& DataObject);

    IDataObject& DataObject() const { return *FDataObject; }
    void SetDataObject(IDataObject& Value);
    bool Reset();
    bool Next();
    bool HasFormat(TClipFormat ClipFormat);
    // The block of the current entry in the medium, empty when it has none or the request fails.
    QByteArray Handle(uint32_t Tymed);
    QByteArray GlobalHandle() { return Handle(TYMED_HGLOBAL); }

    TClipFormat Format() const { return FFormatEtc.cfFormat; }
    uint32_t Aspect() const { return FFormatEtc.dwAspect; }
    int Index() const { return FFormatEtc.lindex; }
    uint32_t Medium() const { return FFormatEtc.tymed; }
    int Count() const { return FCount; }

    bool HasText() { return HasFormat(CF_UNICODETEXT); }
    bool HasRTF() { return HasFormat(DragFormats().fRTF); }
    bool HasCol() { return HasFormat(DragFormats().fCol); }
    bool HasFile() { return HasFormat(CF_HDROP); }
    bool HasURL() { return HasFormat(DragFormats().fURL); }
    bool HasGridCells() { return HasFormat(DragFormats().fCells); }

    // -1 when absent.
    int Col();
    // The cell block's stream, nullptr when absent.
    std::unique_ptr<TMemoryStream> Stream();
    QString RTF();
    QString Text();
    // The dropped file names into Files; true when at least one was read.
    bool ReadFiles();
    const QStringList& Files() const { return FFiles; }

private:
    IDataObject* FDataObject = nullptr;
    std::shared_ptr<IEnumFORMATETC> FEnumerator;
    TFormatEtc FFormatEtc;
    bool FValid = false;
    int FCount = 0;
    QStringList FFiles;
};

// A drop target whose hooks do nothing; descendants fill them. Points are in screen
// coordinates.
class TASGDropTarget : public IDropTarget {
public:
    TASGDropTarget() = default;

    HRESULT DragEnter(IDataObject& DataObj, uint32_t KeyState, TPoint Pt, uint32_t& Effect) override;
    HRESULT DragOver(uint32_t KeyState, TPoint Pt, uint32_t& Effect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(IDataObject& DataObj, uint32_t KeyState, TPoint Pt, uint32_t& Effect) override;

    bool AcceptText = true;
    bool AcceptFiles = true;
    bool AcceptCols = false;
    bool AcceptURLs = true;
    TDropFormats DropFormats() const { return FDropFormats; }

    virtual void DropText(TPoint Pt, const QString& Text) {}
    virtual void DropStream(TPoint Pt, TMemoryStream& Stream) {}
    virtual void DropCol(TPoint Pt, int Col) {}
    virtual void DropRTF(TPoint Pt, const QString& RTF) {}
    virtual void DropFiles(TPoint Pt, const QStringList& Files) {}
    virtual void DropURL(TPoint Pt, const QString& URL) {}
    virtual void DragMouseMove(TPoint Pt, bool& Allow, TDropFormats DropFormats) {}
    virtual void DragMouseEnter() {}
    virtual void DragMouseLeave() {}

private:
    bool FOk = false;
    TDropFormats FDropFormats = 0;
};

// A drop source whose hooks do nothing; descendants fill them.
class TASGDropSource : public IDropSource {
public:
    HRESULT QueryContinueDrag(bool EscapePressed, uint32_t KeyState) override;
    HRESULT GiveFeedback(uint32_t Effect) override;
    // The last feedback reported no effect.
    bool NoAccept() const { return FNoAccept; }

    // The drag ended by Escape or by releasing the left button.
    virtual void DragEnded() {}
    virtual void CurrentEffect(uint32_t Effect) {}
    // At every QueryContinueDrag.
    virtual void QueryDrag() {}

private:
    bool FNoAccept = false;
};

// What a drag out of a grid offers: text (with rich text while switched on), a column index
// (-1: none) and a block of grid cells (Stream nullptr: none; the caller's, it must outlive
// the drag).
class TSourceDataObject : public IDataObject {
public:
    TSourceDataObject(const QString& Text, const QString& RTF, int ColumnIndex, const TMemoryStream* Stream);

    HRESULT GetData(const TFormatEtc& Format, TStgMedium& Medium) override;
    HRESULT QueryGetData(const TFormatEtc& Format) override;
    HRESULT EnumFormatEtc(uint32_t Direction, std::shared_ptr<IEnumFORMATETC>& Enum) override;

private:
    QString textdata;
    QString rtfdata;
    int scolidx;
    const TMemoryStream* memstr;
};

// The formats of a TSourceDataObject: text, Unicode text, rich text, then the column and the
// cells when the object has them.
class TSourceEnumFormatEtc : public TFormatListEnum {
public:
    TSourceEnumFormatEtc(bool HasCol, bool HasGridCells, uint32_t Index = 0);
};

// Drags text (with its rich text and, Stream not nullptr, a block of grid cells); Effect
// receives the final effect. DRAGDROP_S_CANCEL when the last feedback reported no effect,
// whatever the loop answered.
HRESULT BeginTextDrag(const std::shared_ptr<TASGDropSource>& DropSource, const QString& Text, const QString& RTF,
                      const TMemoryStream* Stream, uint32_t OkEffects, uint32_t& Effect);
// Drags a column index.
HRESULT BeginColumnDrag(const std::shared_ptr<TASGDropSource>& DropSource, int Column, uint32_t OkEffects,
                        uint32_t& Effect);
