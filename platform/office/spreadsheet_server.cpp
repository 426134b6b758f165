#include "platform/office/spreadsheet_server.h"

#include "platform/automation/auto_object.h"
#include "platform/office/workbook_data.h"

#include <QFileInfo>

namespace {

struct TBook {
    TWorkbookData Data;
    QString FileName;  // empty until saved
    QString Name;
    bool Saved = true;
};

struct TApp {
    std::vector<std::shared_ptr<TBook>> Books;
    int Made = 0;
};

EOleError subscript() { return EOleError(QStringLiteral("Subscript out of range")); }

// The most cells one Value call reads or writes as an array: a block of whole rows or columns
// is mostly empty, and an array of all its cells would take the memory of the machine.
constexpr int64_t MaxArrayCells = 4 * 1024 * 1024;

void checkArraySize(const TCellBlock& Block, const char* What) {
    const int64_t count = int64_t(Block.Rows()) * Block.Cols();
    if (count > MaxArrayCells)
        throw EOleError(QStringLiteral("The range %1 has %2 cells, too many to %3 at once (at most %4)")
                            .arg(AbsoluteAddress(Block))
                            .arg(count)
                            .arg(QLatin1String(What))
                            .arg(MaxArrayCells));
}

std::shared_ptr<IAutoDispatch> makeSheet(std::shared_ptr<TBook> Book, int Index);

class TRangeObject : public TAutoObject {
public:
    TRangeObject(std::shared_ptr<TBook> Book, int Sheet, TCellBlock Block) : book_(std::move(Book)), sheet_(Sheet), block_(Block) {
        Property(QStringLiteral("Address"), [this] { return AbsoluteAddress(block_); });
        Property(QStringLiteral("Row"), [this] { return block_.Row1; });
        Property(QStringLiteral("Column"), [this] { return block_.Col1; });
        Property(QStringLiteral("Count"), [this] { return int64_t(block_.Rows()) * block_.Cols(); });
        Property(QStringLiteral("Value"), [this] { return value(); }, [this](const OleVariant& v) { setValue(v); });
        Property(QStringLiteral("Text"), [this] { return sheet().Value(block_.Row1, block_.Col1).ToString(); });
        Method(QStringLiteral("Cells"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Cells"), a, 2);
            const int r = block_.Row1 + a[0].ToInt() - 1, c = block_.Col1 + a[1].ToInt() - 1;
            if (r < 1 || c < 1 || r > MaxSheetRows || c > MaxSheetCols) throw subscript();
            return OleVariant(std::shared_ptr<IAutoDispatch>(std::make_shared<TRangeObject>(book_, sheet_, TCellBlock{r, c, r, c})));
        });
    }

private:
    TSheetData& sheet() { return book_->Data.Sheets[size_t(sheet_)]; }

    OleVariant value() {
        if (block_.Rows() == 1 && block_.Cols() == 1) return sheet().Value(block_.Row1, block_.Col1);
        checkArraySize(block_, "read");
        auto array = TVariantArray::Create(1, block_.Rows(), 1, block_.Cols());
        // Only the stored cells: a block of whole rows is mostly empty.
        const auto& cells = sheet().Cells;
        for (auto it = cells.lower_bound({block_.Row1, 0}); it != cells.end() && it->first.first <= block_.Row2; ++it)
            if (it->first.second >= block_.Col1 && it->first.second <= block_.Col2)
                array->At(it->first.first - block_.Row1 + 1, it->first.second - block_.Col1 + 1) = it->second;
        return array;
    }

    void setValue(const OleVariant& v) {
        checkArraySize(block_, "assign");
        sheet().Written.push_back(block_);
        for (int r = 0; r < block_.Rows(); ++r)
            for (int c = 0; c < block_.Cols(); ++c) {
                OleVariant item = v;
                if (v.Kind() == OleVariant::vkArray) {
                    const TVariantArray& a = v.Array();
                    const int ar = a.LowRow() + r, ac = a.LowCol() + c;
                    // Cells beyond the array get the "not available" error, as the spreadsheet does.
                    item = ar <= a.HighRow() && ac <= a.HighCol() ? a.At(ar, ac) : OleVariant(TOleErrorValue{2042});
                }
                if (item.IsObject() || item.Kind() == OleVariant::vkArray) throw EOleError(QStringLiteral("Type mismatch"));
                sheet().SetValue(block_.Row1 + r, block_.Col1 + c, item);
            }
        book_->Saved = false;
    }

    std::shared_ptr<TBook> book_;
    int sheet_;
    TCellBlock block_;
};

OleVariant range(const std::shared_ptr<TBook>& Book, int Sheet, TCellBlock Block) {
    return std::shared_ptr<IAutoDispatch>(std::make_shared<TRangeObject>(Book, Sheet, Block));
}

class TSheetObject : public TAutoObject {
public:
    TSheetObject(std::shared_ptr<TBook> Book, int Index) : book_(std::move(Book)), index_(Index) {
        Property(QStringLiteral("Name"), [this] { return sheet().Name; }, [this](const OleVariant& v) { rename(v.ToString()); });
        Property(QStringLiteral("Index"), [this] { return index_ + 1; });
        Property(QStringLiteral("UsedRange"), [this] {
            TCellBlock used;
            if (!sheet().UsedBlock(used)) used = {};
            return range(book_, index_, used);
        });
        Method(QStringLiteral("Range"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Range"), a, 1);
            TCellBlock block;
            if (!ParseCellBlock(a[0].ToString(), block)) throw EOleError(QStringLiteral("Method 'Range' of object 'Worksheet' failed"));
            return range(book_, index_, block);
        });
        Property(QStringLiteral("Rows"), [this] { return range(book_, index_, {1, 1, MaxSheetRows, MaxSheetCols}); });
        Property(QStringLiteral("Columns"), [this] { return range(book_, index_, {1, 1, MaxSheetRows, MaxSheetCols}); });
        Method(QStringLiteral("Cells"), [this](const TOleArgs& a) {
            return range(book_, index_, {1, 1, MaxSheetRows, MaxSheetCols}).Call(QStringLiteral("Cells"), a);
        });
        Method(QStringLiteral("Activate"), [this](const TOleArgs&) {
            book_->Data.ActiveSheet = index_;
            return OleVariant();
        });
    }

private:
    TSheetData& sheet() { return book_->Data.Sheets[size_t(index_)]; }
    void rename(const QString& Name) {
        // The names a workbook file can hold.
        static const QString forbidden = QStringLiteral("[]:*?/\\");
        bool bad = Name.trimmed().isEmpty() || Name.size() > 31 || Name.startsWith(u'\'') || Name.endsWith(u'\'');
        for (QChar c : Name) bad = bad || forbidden.contains(c);
        if (bad) throw EOleError(QStringLiteral("Invalid sheet name: '%1'").arg(Name));
        for (size_t i = 0; i < book_->Data.Sheets.size(); ++i)
            if (int(i) != index_ && book_->Data.Sheets[i].Name.compare(Name, Qt::CaseInsensitive) == 0)
                throw EOleError(QStringLiteral("A sheet named '%1' exists already").arg(Name));
        sheet().Name = Name;
        book_->Saved = false;
    }

    std::shared_ptr<TBook> book_;
    int index_;
};

std::shared_ptr<IAutoDispatch> makeSheet(std::shared_ptr<TBook> Book, int Index) {
    return std::make_shared<TSheetObject>(std::move(Book), Index);
}

// A sheet by its number from 1 or by its name.
OleVariant sheetItem(const std::shared_ptr<TBook>& Book, const OleVariant& Key) {
    auto& sheets = Book->Data.Sheets;
    if (Key.Kind() == OleVariant::vkString) {
        for (size_t i = 0; i < sheets.size(); ++i)
            if (sheets[i].Name.compare(Key.ToString(), Qt::CaseInsensitive) == 0) return makeSheet(Book, int(i));
        throw subscript();
    }
    const int i = Key.ToInt();
    if (i < 1 || i > int(sheets.size())) throw subscript();
    return makeSheet(Book, i - 1);
}

QString newSheetName(const TWorkbookData& Data) {
    for (int n = int(Data.Sheets.size()) + 1;; ++n) {
        const QString name = QStringLiteral("Sheet%1").arg(n);
        bool taken = false;
        for (const TSheetData& s : Data.Sheets) taken = taken || s.Name.compare(name, Qt::CaseInsensitive) == 0;
        if (!taken) return name;
    }
}

class TSheetsObject : public TAutoObject {
public:
    explicit TSheetsObject(std::shared_ptr<TBook> Book) : book_(std::move(Book)) {
        Property(QStringLiteral("Count"), [this] { return int(book_->Data.Sheets.size()); });
        Method(QStringLiteral("Item"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Item"), a, 1);
            return sheetItem(book_, a[0]);
        });
        // A new sheet at the end, which becomes the active one.
        Method(QStringLiteral("Add"), [this](const TOleArgs&) {
            TSheetData sheet;
            sheet.Name = newSheetName(book_->Data);
            book_->Data.Sheets.push_back(sheet);
            book_->Data.ActiveSheet = int(book_->Data.Sheets.size()) - 1;
            book_->Saved = false;
            return OleVariant(makeSheet(book_, book_->Data.ActiveSheet));
        });
    }

private:
    std::shared_ptr<TBook> book_;
};

void saveBook(TBook& Book, const QString& FileName) {
    WriteWorkbook(Book.Data, FileName);
    Book.FileName = QFileInfo(FileName).absoluteFilePath();
    Book.Name = QFileInfo(FileName).fileName();
    Book.Saved = true;
}

class TWorkbookObject : public TAutoObject {
public:
    TWorkbookObject(std::shared_ptr<TApp> App, std::shared_ptr<TBook> Book) : app_(std::move(App)), book_(std::move(Book)) {
        auto sheets = [this](const TOleArgs& a) {
            if (!a.empty()) return sheetItem(book_, a[0]);
            return OleVariant(std::shared_ptr<IAutoDispatch>(std::make_shared<TSheetsObject>(book_)));
        };
        Method(QStringLiteral("WorkSheets"), sheets);
        Method(QStringLiteral("Sheets"), sheets);
        Property(QStringLiteral("Name"), [this] { return book_->Name; });
        Property(QStringLiteral("FullName"), [this] { return book_->FileName.isEmpty() ? book_->Name : book_->FileName; });
        Property(QStringLiteral("ActiveSheet"), [this] { return OleVariant(makeSheet(book_, book_->Data.ActiveSheet)); });
        Property(QStringLiteral("Saved"), [this] { return book_->Saved; }, [this](const OleVariant& v) { book_->Saved = v.ToBool(); });
        Method(QStringLiteral("Save"), [this](const TOleArgs&) {
            if (book_->FileName.isEmpty()) throw EOleError(QStringLiteral("The workbook '%1' has no file yet").arg(book_->Name));
            saveBook(*book_, book_->FileName);
            return OleVariant();
        });
        Method(QStringLiteral("SaveAs"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("SaveAs"), a, 1);
            saveBook(*book_, a[0].ToString());
            return OleVariant();
        });
        // Changes not saved are dropped: this server asks nothing.
        Method(QStringLiteral("Close"), [this](const TOleArgs& a) {
            if (!a.empty() && a[0].Kind() == OleVariant::vkBool && a[0].ToBool()) {
                if (a.size() > 1 && !a[1].ToString().isEmpty()) saveBook(*book_, a[1].ToString());
                else if (!book_->FileName.isEmpty()) saveBook(*book_, book_->FileName);
            }
            std::erase(app_->Books, book_);
            return OleVariant();
        });
    }

private:
    std::shared_ptr<TApp> app_;
    std::shared_ptr<TBook> book_;
};

OleVariant workbook(const std::shared_ptr<TApp>& App, const std::shared_ptr<TBook>& Book) {
    return std::shared_ptr<IAutoDispatch>(std::make_shared<TWorkbookObject>(App, Book));
}

class TWorkbooksObject : public TAutoObject {
public:
    explicit TWorkbooksObject(std::shared_ptr<TApp> App) : app_(std::move(App)) {
        Property(QStringLiteral("Count"), [this] { return int(app_->Books.size()); });
        Method(QStringLiteral("Item"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Item"), a, 1);
            const int i = a[0].ToInt();
            if (i < 1 || i > int(app_->Books.size())) throw subscript();
            return workbook(app_, app_->Books[size_t(i - 1)]);
        });
        Method(QStringLiteral("Open"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Open"), a, 1);
            auto book = std::make_shared<TBook>();
            book->Data = ReadWorkbook(a[0].ToString());
            book->FileName = QFileInfo(a[0].ToString()).absoluteFilePath();
            book->Name = QFileInfo(a[0].ToString()).fileName();
            app_->Books.push_back(book);
            return workbook(app_, book);
        });
        Method(QStringLiteral("Add"), [this](const TOleArgs&) {
            auto book = std::make_shared<TBook>();
            TSheetData sheet;
            sheet.Name = QStringLiteral("Sheet1");
            book->Data.Sheets.push_back(sheet);
            book->Name = QStringLiteral("Book%1").arg(++app_->Made);
            app_->Books.push_back(book);
            return workbook(app_, book);
        });
    }

private:
    std::shared_ptr<TApp> app_;
};

class TApplicationObject : public TAutoObject {
public:
    TApplicationObject() : app_(std::make_shared<TApp>()) {
        Property(QStringLiteral("WorkBooks"), [this] { return OleVariant(std::shared_ptr<IAutoDispatch>(std::make_shared<TWorkbooksObject>(app_))); });
        Property(QStringLiteral("ActiveWorkBook"), [this] { return workbook(app_, active()); });
        Property(QStringLiteral("ActiveSheet"), [this] { return OleVariant(makeSheet(active(), active()->Data.ActiveSheet)); });
        Property(QStringLiteral("ActiveCell"), [this] {
            const auto book = active();
            const TSheetData& sheet = book->Data.Sheets[size_t(book->Data.ActiveSheet)];
            return range(book, book->Data.ActiveSheet, {sheet.ActiveRow, sheet.ActiveCol, sheet.ActiveRow, sheet.ActiveCol});
        });
        Method(QStringLiteral("Quit"), [this](const TOleArgs&) {
            app_->Books.clear();
            return OleVariant();
        });
        Property(QStringLiteral("Visible"), [] { return false; }, [](const OleVariant&) {});
        Property(QStringLiteral("DisplayAlerts"), [] { return false; }, [](const OleVariant&) {});
    }

private:
    std::shared_ptr<TBook> active() {
        if (app_->Books.empty()) throw EOleError(QStringLiteral("No workbook is open"));
        return app_->Books.back();
    }
    std::shared_ptr<TApp> app_;
};

}  // namespace

std::shared_ptr<IAutoDispatch> CreateSpreadsheetApplication() { return std::make_shared<TApplicationObject>(); }
