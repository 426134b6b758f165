// Saving into the package an .xlsx workbook was read from. Every part stays byte for byte as
// it was but the parts of the sheets written to and those that list the sheets: a sheet's part
// keeps its columns, styles, formulas and everything else outside the cells written, and new
// sheets get a part and an entry in the workbook, its relationships, the content types and the
// document properties.
#include "platform/office/ooxml_nodes.h"
#include "platform/office/workbook_data.h"


#include <algorithm>
#include <cstring>

namespace {

const char* const RelationshipsNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const WorksheetType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
const char* const CalcChainType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain";
const char* const WorksheetContent = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

const QString WorkbookPart = QStringLiteral("xl/workbook.xml");
const QString WorkbookRelsPart = QStringLiteral("xl/_rels/workbook.xml.rels");
const QString ContentTypesPart = QStringLiteral("[Content_Types].xml");
const QString AppPropertiesPart = QStringLiteral("docProps/app.xml");

QByteArray utf8(const QString& S) { return S.toUtf8(); }

// One part as a document that is written back only when it changed.
class TPartDocument {
public:
    TPartDocument(TZipPackage& Package, QString Name) : package_(Package), name_(std::move(Name)) {
        const QByteArray bytes = package_.Part(name_);
        loaded_ = !bytes.isEmpty() &&
                  doc_.load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single);
    }
    bool Loaded() const { return loaded_; }
    pugi::xml_node Root() const { return doc_.document_element(); }
    void Changed() { changed_ = true; }
    void Store() {
        if (!changed_) return;
        struct TWriter : pugi::xml_writer {
            QByteArray Bytes;
            void write(const void* data, size_t size) override { Bytes.append(static_cast<const char*>(data), qsizetype(size)); }
        } writer;
        doc_.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
        package_.SetPart(name_, writer.Bytes);
        changed_ = false;
    }

private:
    TZipPackage& package_;
    QString name_;
    pugi::xml_document doc_;
    bool loaded_ = false;
    bool changed_ = false;
};

// The prefix ("x:" or "") of a node's element name, for new elements beside it.
std::string prefixOf(const pugi::xml_node& Node) {
    const std::string name = Node.name();
    const size_t colon = name.rfind(':');
    return colon == std::string::npos ? std::string() : name.substr(0, colon + 1);
}

pugi::xml_node appendNamed(pugi::xml_node Parent, const char* Local) {
    return Parent.append_child((prefixOf(Parent) + Local).c_str());
}

// The cells of a sheet part by position, each with its row.
class TSheetCells {
public:
    explicit TSheetCells(pugi::xml_node SheetData) : data_(SheetData) {
        int row = 0;
        for (pugi::xml_node r : data_.children()) {
            if (!IsNamed(r, "row")) continue;
            row = AttributeNamed(r, "r") ? AttributeNamed(r, "r").as_int() : row + 1;
            setAttribute(r, "r", QString::number(row));
            rows_[row] = r;
            int col = 0;
            for (pugi::xml_node c : r.children()) {
                if (!IsNamed(c, "c")) continue;
                TCellBlock at;
                col = ParseCellBlock(QString::fromUtf8(AttributeNamed(c, "r").value()), at) ? at.Col1 : col + 1;
                setAttribute(c, "r", ColumnLetters(col) + QString::number(row));
                cells_[{row, col}] = c;
            }
        }
    }

    // The positions of the part's cells inside Block.
    std::vector<std::pair<int, int>> Inside(const TCellBlock& Block) const {
        std::vector<std::pair<int, int>> found;
        for (auto it = cells_.lower_bound({Block.Row1, 0}); it != cells_.end() && it->first.first <= Block.Row2; ++it)
            if (it->first.second >= Block.Col1 && it->first.second <= Block.Col2) found.push_back(it->first);
        return found;
    }

    void Remove(std::pair<int, int> At) {
        const auto it = cells_.find(At);
        if (it == cells_.end()) return;
        it->second.parent().remove_child(it->second);
        cells_.erase(it);
    }

    // The cell at At, made in its place in row and column order when the part has none.
    pugi::xml_node Cell(std::pair<int, int> At) {
        if (const auto it = cells_.find(At); it != cells_.end()) return it->second;
        pugi::xml_node row = rowNode(At.first);
        // Spans are a reader's hint of the row's columns; a new cell may lie outside them.
        row.remove_attribute("spans");
        const std::string name = prefixOf(row) + "c";
        const auto next = cells_.upper_bound(At);
        pugi::xml_node c = next != cells_.end() && next->first.first == At.first ? row.insert_child_before(name.c_str(), next->second)
                                                                                  : row.append_child(name.c_str());
        setAttribute(c, "r", ColumnLetters(At.second) + QString::number(At.first));
        cells_[At] = c;
        return c;
    }

private:
    static void setAttribute(pugi::xml_node Node, const char* Name, const QString& Value) {
        pugi::xml_attribute a = Node.attribute(Name);
        if (!a) a = Node.append_attribute(Name);
        a.set_value(utf8(Value).constData());
    }

    pugi::xml_node rowNode(int Row) {
        if (const auto it = rows_.find(Row); it != rows_.end()) return it->second;
        const std::string name = prefixOf(data_) + "row";
        const auto next = rows_.upper_bound(Row);
        pugi::xml_node r = next != rows_.end() ? data_.insert_child_before(name.c_str(), next->second) : data_.append_child(name.c_str());
        setAttribute(r, "r", QString::number(Row));
        rows_[Row] = r;
        return r;
    }

    pugi::xml_node data_;
    std::map<int, pugi::xml_node> rows_;
    std::map<std::pair<int, int>, pugi::xml_node> cells_;
};

// A cell's value, its style kept: numbers and Booleans as values, texts inline, errors as error
// values; whatever formula the cell held goes.
void setCellValue(pugi::xml_node Cell, const OleVariant& Value) {
    for (const char* local : {"f", "v", "is"})
        while (pugi::xml_node old = ChildNamed(Cell, local)) Cell.remove_child(old);
    for (const char* attribute : {"t", "cm", "vm"}) Cell.remove_attribute(attribute);
    QString value;
    const char* type = nullptr;
    switch (Value.Kind()) {
    case OleVariant::vkBool:
        type = "b";
        value = Value.ToBool() ? QStringLiteral("1") : QStringLiteral("0");
        break;
    case OleVariant::vkInteger:
    case OleVariant::vkDouble: value = QString::number(Value.ToDouble(), 'g', 17); break;
    case OleVariant::vkError:
        type = "e";
        value = SheetErrorText(Value.ToError().Code);
        break;
    default: {
        Cell.append_attribute("t").set_value("inlineStr");
        pugi::xml_node t = appendNamed(appendNamed(Cell, "is"), "t");
        t.append_attribute("xml:space").set_value("preserve");
        t.text().set(utf8(Value.ToString()).constData());
        return;
    }
    }
    if (type) Cell.append_attribute("t").set_value(type);
    appendNamed(Cell, "v").text().set(utf8(value).constData());
}

// Writes the sheet's blocks into its part's cells and sets the part's used range.
void writeCells(TPartDocument& Part, const TSheetData& Sheet, const std::vector<TCellBlock>& Blocks) {
    const pugi::xml_node root = Part.Root();
    pugi::xml_node data = ChildNamed(root, "sheetData");
    if (!data) data = appendNamed(root, "sheetData");
    TSheetCells cells(data);
    for (const TCellBlock& block : Blocks) {
        for (const auto& at : cells.Inside(block))
            if (!Sheet.Cells.contains(at)) cells.Remove(at);
        for (auto it = Sheet.Cells.lower_bound({block.Row1, 0}); it != Sheet.Cells.end() && it->first.first <= block.Row2; ++it)
            if (it->first.second >= block.Col1 && it->first.second <= block.Col2) setCellValue(cells.Cell(it->first), it->second);
    }
    if (pugi::xml_node dimension = ChildNamed(root, "dimension")) {
        TCellBlock used;
        const QString ref = Sheet.UsedBlock(used) ? AbsoluteAddress(used).remove(u'$') : QStringLiteral("A1");
        dimension.attribute("ref").set_value(utf8(ref).constData());
    }
    Part.Changed();
}

bool inside(const TCellBlock& Block, int Row, int Col) {
    return Row >= Block.Row1 && Row <= Block.Row2 && Col >= Block.Col1 && Col <= Block.Col2;
}

// The workbook's parts that list its sheets, read once and written back when changed.
class TSheetListing {
public:
    explicit TSheetListing(TZipPackage& Package)
        : package_(Package), workbook_(Package, WorkbookPart), rels_(Package, WorkbookRelsPart), types_(Package, ContentTypesPart),
          app_(Package, AppPropertiesPart) {
        if (!workbook_.Loaded() || !rels_.Loaded()) throw EOleError(QStringLiteral("The workbook's sheet list cannot be read"));
        for (pugi::xml_node rel : rels_.Root().children()) {
            const QString part = WorkbookPartName(QString::fromUtf8(AttributeNamed(rel, "Target").value()));
            parts_[QString::fromUtf8(AttributeNamed(rel, "Id").value())] = part;
            if (std::strcmp(AttributeNamed(rel, "Type").value(), CalcChainType) == 0) calcChain_ = {part, rel};
        }
    }

    // The workbook's entry of the sheet stored in Part.
    pugi::xml_node Entry(const QString& Part) const {
        for (pugi::xml_node s : ChildNamed(workbook_.Root(), "sheets").children())
            if (IsNamed(s, "sheet") && parts_.count(QString::fromUtf8(AttributeNamed(s, "id").value())) &&
                parts_.at(QString::fromUtf8(AttributeNamed(s, "id").value())) == Part)
                return s;
        return {};
    }

    void Rename(pugi::xml_node Entry, const QString& Name) {
        const QString old = QString::fromUtf8(AttributeNamed(Entry, "name").value());
        AttributeNamed(Entry, "name").set_value(utf8(Name).constData());
        workbook_.Changed();
        for (pugi::xml_node title : titles().children())
            if (QString::fromUtf8(title.child_value()) == old) {
                title.text().set(utf8(Name).constData());
                app_.Changed();
                break;
            }
    }

    // A new worksheet part, listed after the others; returns its name.
    QString Add(const QString& Name) {
        int n = 1;
        while (package_.Has(QStringLiteral("xl/worksheets/sheet%1.xml").arg(n))) ++n;
        const QString part = QStringLiteral("xl/worksheets/sheet%1.xml").arg(n);
        int r = 1;
        while (parts_.count(QStringLiteral("rId%1").arg(r))) ++r;
        const QString id = QStringLiteral("rId%1").arg(r);
        parts_[id] = part;

        pugi::xml_node rel = appendNamed(rels_.Root(), "Relationship");
        rel.append_attribute("Id").set_value(utf8(id).constData());
        rel.append_attribute("Type").set_value(WorksheetType);
        rel.append_attribute("Target").set_value(utf8(QStringLiteral("worksheets/sheet%1.xml").arg(n)).constData());
        rels_.Changed();

        pugi::xml_node sheets = ChildNamed(workbook_.Root(), "sheets");
        if (!sheets) sheets = appendNamed(workbook_.Root(), "sheets");
        unsigned sheetId = 0;
        for (pugi::xml_node s : sheets.children()) sheetId = std::max(sheetId, AttributeNamed(s, "sheetId").as_uint());
        pugi::xml_node entry = appendNamed(sheets, "sheet");
        entry.append_attribute("name").set_value(utf8(Name).constData());
        entry.append_attribute("sheetId").set_value(sheetId + 1);
        entry.append_attribute((relationshipsPrefix() + ":id").c_str()).set_value(utf8(id).constData());
        workbook_.Changed();

        if (types_.Loaded()) {
            pugi::xml_node type = appendNamed(types_.Root(), "Override");
            type.append_attribute("PartName").set_value(utf8(u'/' + part).constData());
            type.append_attribute("ContentType").set_value(WorksheetContent);
            types_.Changed();
        }
        addTitle(Name);
        return part;
    }

    // Drops the calculation order's entries of the cells written: they hold no formula now.
    void ForgetFormulas(const pugi::xml_node& Entry, const std::vector<TCellBlock>& Blocks) {
        if (calcChain_.first.isEmpty() || Blocks.empty()) return;
        TPartDocument chain(package_, calcChain_.first);
        if (!chain.Loaded()) return;
        const unsigned sheetId = AttributeNamed(Entry, "sheetId").as_uint();
        unsigned current = 0;
        std::vector<pugi::xml_node> gone;
        int kept = 0;
        for (pugi::xml_node c : chain.Root().children()) {
            if (!IsNamed(c, "c")) continue;
            // An entry without a sheet is on the sheet of the entry before it.
            if (pugi::xml_attribute i = c.attribute("i")) current = i.as_uint();
            else c.append_attribute("i").set_value(current);
            TCellBlock at;
            const bool written = current == sheetId && ParseCellBlock(QString::fromUtf8(c.attribute("r").value()), at) &&
                                 std::any_of(Blocks.begin(), Blocks.end(), [&](const TCellBlock& b) { return inside(b, at.Row1, at.Col1); });
            if (written) gone.push_back(c);
            else ++kept;
        }
        if (gone.empty()) return;
        if (kept > 0) {
            for (pugi::xml_node c : gone) chain.Root().remove_child(c);
            chain.Changed();
            chain.Store();
            return;
        }
        // An empty calculation order is no valid part: it goes with its listings.
        package_.RemovePart(calcChain_.first);
        rels_.Root().remove_child(calcChain_.second);
        rels_.Changed();
        if (types_.Loaded())
            for (pugi::xml_node type : types_.Root().children())
                if (QString::fromUtf8(AttributeNamed(type, "PartName").value()) == u'/' + calcChain_.first) {
                    types_.Root().remove_child(type);
                    types_.Changed();
                    break;
                }
        calcChain_ = {};
    }

    void Store() {
        workbook_.Store();
        rels_.Store();
        types_.Store();
        app_.Store();
    }

private:
    std::string relationshipsPrefix() {
        pugi::xml_node root = workbook_.Root();
        for (pugi::xml_attribute a : root.attributes())
            if (std::strncmp(a.name(), "xmlns:", 6) == 0 && std::strcmp(a.value(), RelationshipsNs) == 0) return a.name() + 6;
        root.append_attribute("xmlns:r").set_value(RelationshipsNs);
        return "r";
    }

    // The document properties' list of part titles, whose worksheets count in HeadingPairs.
    pugi::xml_node titles() const { return app_.Loaded() ? ChildNamed(ChildNamed(app_.Root(), "TitlesOfParts"), "vector") : pugi::xml_node(); }

    void addTitle(const QString& Name) {
        pugi::xml_node list = titles();
        const pugi::xml_node pairs = ChildNamed(ChildNamed(app_.Root(), "HeadingPairs"), "vector");
        if (!list || !pairs) return;
        // Heading pairs are (name, count) variants in title order; the worksheets' pair counts them.
        std::vector<pugi::xml_node> variants;
        for (pugi::xml_node v : pairs.children())
            if (IsNamed(v, "variant")) variants.push_back(v);
        int before = 0;
        pugi::xml_node count;
        for (size_t i = 0; i + 1 < variants.size(); i += 2) {
            const pugi::xml_node n = ChildNamed(variants[i + 1], "i4");
            if (std::strcmp(ChildNamed(variants[i], "lpstr").child_value(), "Worksheets") == 0) {
                count = n;
                break;
            }
            before += n.text().as_int();
        }
        if (!count) return;
        const int worksheets = count.text().as_int();
        std::vector<pugi::xml_node> items;
        for (pugi::xml_node t : list.children())
            if (IsNamed(t, "lpstr")) items.push_back(t);
        const int last = before + worksheets - 1;
        const std::string name = prefixOf(list) + "lpstr";
        pugi::xml_node title = last >= 0 && last < int(items.size()) ? list.insert_child_after(name.c_str(), items[size_t(last)])
                                                                      : list.prepend_child(name.c_str());
        title.text().set(utf8(Name).constData());
        count.text().set(worksheets + 1);
        list.attribute("size").set_value(unsigned(items.size() + 1));
        app_.Changed();
    }

    TZipPackage& package_;
    TPartDocument workbook_, rels_, types_, app_;
    std::map<QString, QString> parts_;  // by relationship id
    std::pair<QString, pugi::xml_node> calcChain_;
};

const char* const NewWorksheet =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<dimension ref=\"A1\"/><sheetData/></worksheet>";

}  // namespace

void UpdateXlsxPackage(TWorkbookData& Book) {
    TZipPackage& package = *Book.Package;
    TSheetListing listing(package);
    for (TSheetData& sheet : Book.Sheets) {
        std::vector<TCellBlock> blocks = sheet.Written;
        if (sheet.Part.isEmpty()) {
            sheet.Part = listing.Add(sheet.Name);
            package.SetPart(sheet.Part, NewWorksheet);
            blocks.clear();
            TCellBlock used;
            if (sheet.UsedBlock(used)) blocks.push_back(used);
        } else if (const pugi::xml_node entry = listing.Entry(sheet.Part)) {
            if (QString::fromUtf8(AttributeNamed(entry, "name").value()) != sheet.Name) listing.Rename(entry, sheet.Name);
            listing.ForgetFormulas(entry, blocks);
        }
        if (blocks.empty()) continue;
        TPartDocument part(package, sheet.Part);
        if (!part.Loaded()) throw EOleError(QStringLiteral("The sheet '%1' cannot be read").arg(sheet.Name));
        writeCells(part, sheet, blocks);
        part.Store();
    }
    listing.Store();
}
