#pragma once

// The string grid's side of the desktop's drag and drop: the drop target that writes what is
// dropped into the cells (text, rich text, URLs, a CSV or spreadsheet file, cell blocks of its
// own format, columns) and the drop source that moves the picture of the dragged cells.

#include "platform/controls/drag_drop_objects.h"

class TExStringGrid;

class TGridDropTarget : public TASGDropTarget {
public:
    explicit TGridDropTarget(TExStringGrid& Grid) : FGrid(Grid) {}

    void DropText(TPoint Pt, const QString& Text) override;
    void DropStream(TPoint Pt, TMemoryStream& Stream) override;
    void DropCol(TPoint Pt, int Col) override;
    void DropRTF(TPoint Pt, const QString& RTF) override;
    void DropFiles(TPoint Pt, const QStringList& Files) override;
    void DropURL(TPoint Pt, const QString& URL) override;
    void DragMouseMove(TPoint Pt, bool& Allow, TDropFormats DropFormats) override;
    void DragMouseLeave() override;

private:
    // The display cell under the screen point; below the last row with OleEntireRows and
    // OleAppendRows (and not for a column), the first normal cell of the last row, Append set.
    void targetCell(TPoint Pt, bool Column, int& ACol, int& ARow, bool& Append) const;
    void scrollTowards(int ACol, int ARow, TPoint Client);
    void showMarks(int ACol, int ARow, bool Column, bool Append);
    void hideMarks();
    template <class Event>
    void dropIntoCell(TPoint Pt, const QString& Text, Event& Ask);
    TExStringGrid& FGrid;
};

class TGridDropSource : public TASGDropSource {
public:
    explicit TGridDropSource(TExStringGrid& Grid) : FGrid(Grid) {}

    void CurrentEffect(uint32_t Effect) override;
    void QueryDrag() override;
    void DragEnded() override;
    // The last copy or move the desktop reported; 0 before any.
    uint32_t LastEffect() const { return FLastEffect; }

private:
    TExStringGrid& FGrid;
    uint32_t FLastEffect = 0;
};
