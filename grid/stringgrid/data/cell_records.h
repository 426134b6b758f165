#pragma once

// The records of the grid's binary cell stream. Each record is a component stream of its own:
// "TPF0", the record class name, an empty component name, the properties that are stored (an
// empty text is left out) and two end markers. The record classes are
//   TGridPropIO      the header: ColCount, RowCount, ColWidths, RowHeights, FullGrid, ID
//   TGridCellIO      Col, Row, Cell, HasProp
//   TGridCellPropIO  the cell properties and HasGraphic
//   TGridGraphicIO   the cell graphic
//   TGridBMPIO, TGridIconIO, TGridPicIO, TGridFilePicIO, TGridSLIO  the graphic's object
// Values are little-endian: a tag byte, then a 64-bit integer, a double, a UTF-16 text or a
// block of bytes (pictures as PNG).

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

class TStream;

inline constexpr const char* GridPropIO = "TGridPropIO";
inline constexpr const char* GridCellIO = "TGridCellIO";
inline constexpr const char* GridCellPropIO = "TGridCellPropIO";
inline constexpr const char* GridGraphicIO = "TGridGraphicIO";
inline constexpr const char* GridBMPIO = "TGridBMPIO";
inline constexpr const char* GridIconIO = "TGridIconIO";
inline constexpr const char* GridPicIO = "TGridPicIO";
inline constexpr const char* GridFilePicIO = "TGridFilePicIO";
inline constexpr const char* GridSLIO = "TGridSLIO";

class TCellRecord {
public:
    TCellRecord() = default;
    explicit TCellRecord(QByteArray ClassName) : Class(std::move(ClassName)) {}

    // Values are integers (int, qint64, uint), Booleans, doubles, texts and byte blocks.
    void Set(const QByteArray& Name, const QVariant& Value);
    // A text that is empty is not stored.
    void SetText(const QByteArray& Name, const QString& Value);
    bool Has(const QByteArray& Name) const;
    qint64 Int(const QByteArray& Name, qint64 Default = 0) const;
    bool Bool(const QByteArray& Name, bool Default = false) const;
    double Double(const QByteArray& Name, double Default = 0) const;
    QString Text(const QByteArray& Name) const;
    QByteArray Bytes(const QByteArray& Name) const;

    void Write(TStream& Stream) const;
    // Reads the next record; a stream cut short or not of records raises, the position then at
    // the record's start.
    static TCellRecord Read(TStream& Stream);

    QByteArray Class;
    std::vector<std::pair<QByteArray, QVariant>> Properties;

private:
    const QVariant* find(const QByteArray& Name) const;
};
