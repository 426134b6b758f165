// The records of a legacy workbook stream that hold formula results: the stream comes out of the
// compound file through libgsf, and only the few records needed are walked here.
#include "platform/office/xls_records.h"

#include "platform/office/sheet_dates.h"
#include "platform/office/workbook_data.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

#include <QFile>

#include <cstring>

namespace {

enum : uint16_t {
    recFormula = 0x0006,
    recEof = 0x000A,
    recDateMode = 0x0022,
    recContinue = 0x003C,
    recBoundSheet = 0x0085,
    recXf = 0x00E0,
    recFormat5 = 0x001E,
    recBoolErr = 0x0205,
    recString = 0x0207,
    recFormat = 0x041E,
    recBof = 0x0809,
};

// The workbook stream's bytes; empty when the compound file holds none.
QByteArray workbookStream(const QString& FileName, bool& Biff8) {
    static const bool initialised = [] {
        gsf_init();
        return true;
    }();
    (void)initialised;
    QByteArray bytes;
    GsfInput* input = gsf_input_stdio_new(QFile::encodeName(FileName).constData(), nullptr);
    if (!input) return bytes;
    GsfInfile* ole = gsf_infile_msole_new(input, nullptr);
    g_object_unref(input);
    if (!ole) return bytes;
    GsfInput* stream = gsf_infile_child_by_name(ole, "Workbook");
    Biff8 = stream != nullptr;
    if (!stream) stream = gsf_infile_child_by_name(ole, "Book");
    if (stream) {
        const gsf_off_t size = gsf_input_size(stream);
        if (size > 0 && size < (gsf_off_t(1) << 31)) {
            bytes.resize(qsizetype(size));
            if (!gsf_input_read(stream, size_t(size), reinterpret_cast<guint8*>(bytes.data()))) bytes.clear();
        }
        g_object_unref(stream);
    }
    g_object_unref(ole);
    return bytes;
}

// One record: its type and data, with the data of the CONTINUE records after it.
struct TRecord {
    uint16_t Type = 0;
    std::vector<QByteArray> Parts;
};

class TRecordReader {
public:
    explicit TRecordReader(const QByteArray& Stream) : s_(Stream) {}
    void Seek(qsizetype At) { at_ = At; }
    bool Next(TRecord& Record) {
        if (!header(Record.Type, at_)) return false;
        Record.Parts.clear();
        uint16_t following = recContinue;
        while (following == recContinue) {
            const qsizetype length = u16(at_ + 2);
            Record.Parts.push_back(s_.mid(at_ + 4, length));
            at_ += 4 + length;
            if (!header(following, at_)) break;
        }
        return true;
    }

private:
    uint16_t u16(qsizetype At) const { return uint16_t(uint8_t(s_[At]) | uint8_t(s_[At + 1]) << 8); }
    bool header(uint16_t& Type, qsizetype At) const {
        if (At < 0 || At + 4 > s_.size() || At + 4 + u16(At + 2) > s_.size()) return false;
        Type = u16(At);
        return true;
    }
    const QByteArray& s_;
    qsizetype at_ = 0;
};

// Little-endian fields of a record's first part; 0 beyond its end.
unsigned field(const QByteArray& Data, qsizetype At, int Size) {
    unsigned v = 0;
    for (int i = Size - 1; i >= 0; --i) v = v << 8 | (At + i < Data.size() ? uint8_t(Data[At + i]) : 0u);
    return v;
}

// A text of Length characters from At: in BIFF8 each part of the record starts its stretch of
// characters with a flag byte saying whether they take one byte or two.
QString text(const TRecord& Record, qsizetype At, unsigned Length, bool Biff8) {
    QString out;
    size_t part = 0;
    qsizetype at = At;
    bool wide = false;
    bool flagsNext = Biff8;
    while (unsigned(out.size()) < Length && part < Record.Parts.size()) {
        const QByteArray& data = Record.Parts[part];
        if (at >= data.size()) {
            ++part;
            at = 0;
            flagsNext = Biff8;
            continue;
        }
        if (flagsNext) {
            const unsigned flags = uint8_t(data[at++]);
            wide = flags & 0x01;
            if (part == 0 && at == At + 1) {
                if (flags & 0x08) at += 2;  // the count of rich text runs
                if (flags & 0x04) at += 4;  // the size of the extra data
            }
            flagsNext = false;
            continue;
        }
        if (wide) {
            if (at + 1 >= data.size()) break;
            out += QChar(char16_t(field(data, at, 2)));
            at += 2;
        } else {
            out += QChar::fromLatin1(data[at]);
            ++at;
        }
    }
    return out;
}

struct TGlobals {
    std::map<unsigned, QString> Formats;  // by format id
    std::vector<unsigned> XfFormats;      // the format id of each cell style
    bool Date1904 = false;
    struct TSheet {
        QString Name;
        qsizetype At;
    };
    std::vector<TSheet> Sheets;
};

TGlobals readGlobals(TRecordReader& Reader, bool Biff8) {
    TGlobals g;
    TRecord r;
    while (Reader.Next(r) && r.Type != recEof) {
        const QByteArray& d = r.Parts[0];
        switch (r.Type) {
        case recBoundSheet:
            // Worksheets only: charts and macro sheets hold no cells.
            if (field(d, 5, 1) == 0) g.Sheets.push_back({text(r, 7, field(d, 6, 1), Biff8), qsizetype(field(d, 0, 4))});
            break;
        case recFormat:
            if (Biff8) g.Formats[field(d, 0, 2)] = text(r, 4, field(d, 2, 2), true);
            break;
        case recFormat5: g.Formats[field(d, 0, 2)] = text(r, 3, field(d, 2, 1), false); break;
        case recXf: g.XfFormats.push_back(field(d, 2, 2)); break;
        case recDateMode: g.Date1904 = field(d, 0, 2) == 1; break;
        default: break;
        }
    }
    return g;
}

OleVariant errorValue(unsigned Code) { return TOleErrorValue{2000 + int(Code)}; }

// A cached number as its cell style shows it: dates and times as text.
OleVariant number(double Value, unsigned Xf, const TGlobals& G) {
    if (Xf < G.XfFormats.size()) {
        const unsigned format = G.XfFormats[Xf];
        const auto code = G.Formats.find(format);
        const TDateKind kind = DateKindOfFormat(int(format), code == G.Formats.end() ? QString() : code->second);
        if (kind != TDateKind::None) return SerialDateText(Value, kind, G.Date1904);
    }
    return Value;
}

void readSheet(TRecordReader& Reader, const TGlobals& G, bool Biff8, TXlsSheetResults& Sheet) {
    TRecord r;
    std::pair<int, int> pendingString{0, 0};  // the formula whose text result the next STRING holds
    while (Reader.Next(r) && r.Type != recEof) {
        const QByteArray& d = r.Parts[0];
        const std::pair<int, int> at{int(field(d, 0, 2)) + 1, int(field(d, 2, 2)) + 1};
        if (r.Type == recFormula && d.size() >= 14) {
            pendingString = {0, 0};
            if (field(d, 12, 2) != 0xFFFF) {
                double value;
                std::memcpy(&value, d.constData() + 6, sizeof value);
                Sheet.Cells[at] = number(value, field(d, 4, 2), G);
                continue;
            }
            switch (field(d, 6, 1)) {
            case 0: pendingString = at; break;
            case 1: Sheet.Cells[at] = field(d, 8, 1) != 0; break;
            case 2: Sheet.Cells[at] = errorValue(field(d, 8, 1)); break;
            default: Sheet.Cells[at] = OleVariant(); break;
            }
        } else if (r.Type == recString && pendingString.first > 0) {
            Sheet.Cells[pendingString] = text(r, 2, field(d, 0, 2), Biff8);
            pendingString = {0, 0};
        } else if (r.Type == recBoolErr && d.size() >= 8) {
            if (field(d, 7, 1)) Sheet.Cells[at] = errorValue(field(d, 6, 1));
            else Sheet.Cells[at] = field(d, 6, 1) != 0;
        } else if (r.Type == recBof) {
            break;  // a sheet without its end
        }
    }
}

}  // namespace

std::vector<TXlsSheetResults> ReadXlsFormulaResults(const QString& FileName) {
    bool biff8 = false;
    const QByteArray stream = workbookStream(FileName, biff8);
    std::vector<TXlsSheetResults> sheets;
    TRecordReader reader(stream);
    TRecord bof;
    if (!reader.Next(bof) || bof.Type != recBof) return sheets;
    const TGlobals globals = readGlobals(reader, biff8);
    for (const TGlobals::TSheet& s : globals.Sheets) {
        TXlsSheetResults sheet;
        sheet.Name = s.Name;
        reader.Seek(s.At);
        if (reader.Next(bof) && bof.Type == recBof) readSheet(reader, globals, biff8, sheet);
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}
