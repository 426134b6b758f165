// The column definitions written to and read from a stream, as one column-grid object whose
// Items hold each definition's published values.
#include "grid/columngrid/ex_column_grid.h"

#include "platform/core/stream.h"

#include <QDataStream>
#include <QIODevice>

namespace {
const QString IOClassName = QStringLiteral("TExColumnGridIO");

QByteArray encode(const TGridColumnCollection& Items) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << IOClassName << qint32(Items.Count());
    for (int i = 0; i < Items.Count(); ++i) {
        const TFormProperties props = WriteColumnItemProperties(*Items.Items(i));
        out << qint32(props.size());
        for (const TStreamedProperty& p : props) out << p.Name << p.Value;
    }
    return bytes;
}

std::vector<TFormProperties> decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    QString className;
    qint32 count = 0;
    in >> className >> count;
    if (in.status() != QDataStream::Ok || className != IOClassName || count < 0)
        throw Exception(QStringLiteral("Invalid stream format"));
    std::vector<TFormProperties> items;
    for (qint32 i = 0; i < count; ++i) {
        qint32 n = 0;
        in >> n;
        TFormProperties props;
        for (qint32 k = 0; k < n && in.status() == QDataStream::Ok; ++k) {
            TStreamedProperty p;
            in >> p.Name >> p.Value;
            props.push_back(p);
        }
        if (in.status() != QDataStream::Ok || n < 0) throw Exception(QStringLiteral("Stream read error"));
        items.push_back(std::move(props));
    }
    return items;
}

void apply(const std::vector<TFormProperties>& Definitions, TGridColumnCollection& Items) {
    for (const TFormProperties& props : Definitions) ReadColumnItemProperties(*Items.Add(), props);
}
}  // namespace

void TExColumnGrid::SaveColumnsToStream(TStream& Stream) {
    TExColumnGridIO io(this);
    io.Items().NoRecursion = true;
    io.Items().Assign(*FColumns);
    const QByteArray bytes = encode(io.Items());
    Stream.Write(bytes.constData(), bytes.size());
}

void TExColumnGrid::LoadColumnsFromStream(TStream& Stream) {
    FColumns->NoRecursion = true;
    try {
        const std::vector<TFormProperties> definitions = decode(Stream.ReadRest());
        // Tried first on items of no grid: a bad value must leave the grid as it was.
        TGridColumnCollection trial(nullptr);
        apply(definitions, trial);
        TExColumnGridIO io(this);
        io.Items().NoRecursion = true;
        apply(definitions, io.Items());
        FColumns->Assign(io.Items());
    } catch (...) {
        FColumns->NoRecursion = false;
        throw;
    }
    FColumns->NoRecursion = false;
    Invalidate();
}
