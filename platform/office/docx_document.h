#pragma once

#include <QString>
#include <memory>

// A word processing document in the Office Open XML form (.docx), held as its zip package with
// the main part as a DOM. Places in the text are character positions, as the word processor
// counts them: each paragraph counts its characters (a tab or a line break as one) and its
// paragraph mark; a table counts the paragraphs of its cells with one end mark per cell and
// per row.
class TDocxDocument {
public:
    // A new document with one empty paragraph.
    TDocxDocument();
    ~TDocxDocument();
    // Raises EOleError when the file is missing or is no .docx document.
    static std::unique_ptr<TDocxDocument> Load(const QString& FileName);
    // Writes the package, replacing the file whole; EOleError when it cannot be written.
    void Save(const QString& FileName);

    // The position after the last paragraph mark.
    int End() const;
    // The start of the last paragraph of the body.
    int LastParagraphStart() const;
    // -1 when there is no such bookmark.
    int BookmarkPosition(const QString& Name) const;

    // Each returns the position after what it inserted. Text may hold line breaks and tabs.
    int InsertText(int Position, const QString& Text);
    // Ends the paragraph at Position: what follows goes to a new paragraph.
    int InsertParagraph(int Position);
    // An empty paragraph at the end of the body.
    void AppendParagraph();
    // A table with borders before the paragraph at Position (which is split there first);
    // returns the table's number for the cell calls below.
    int InsertTable(int Position, int Rows, int Cols);

    // Cells of a table, row and column from 1; false when there is no such cell.
    bool AppendCellText(int Table, int Row, int Col, const QString& Text);
    // 0 left, 1 centred, 2 right, 3 justified.
    bool SetCellAlignment(int Table, int Row, int Col, int Alignment);
    QString CellText(int Table, int Row, int Col) const;

    // The text of the body, paragraphs ended by CR (tables left out).
    QString BodyText() const;

private:
    struct Data;
    std::unique_ptr<Data> d;
};
