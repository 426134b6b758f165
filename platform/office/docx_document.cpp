#include "platform/office/docx_document.h"

#include "platform/automation/ole_variant.h"
#include "platform/office/zip_package.h"
#include "platform/system/files.h"

#include <pugixml.hpp>

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <functional>
#include <sstream>
#include <vector>

namespace {

const char* const mainPart = "word/document.xml";

const char* const contentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";

const char* const packageRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/>"
    "</Relationships>";

const char* const emptyDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<w:body><w:p/><w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
    "<w:pgMar w:top=\"1417\" w:right=\"1134\" w:bottom=\"1134\" w:left=\"1134\" w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/>"
    "</w:sectPr></w:body></w:document>";

bool is(const pugi::xml_node& n, const char* name) { return std::strcmp(n.name(), name) == 0; }

// The characters a piece of a run counts.
int pieceLength(const pugi::xml_node& n) {
    if (is(n, "w:t")) return int(QString::fromUtf8(n.child_value()).size());
    if (is(n, "w:tab") || is(n, "w:br") || is(n, "w:cr")) return 1;
    return 0;
}

int runLength(const pugi::xml_node& r) {
    int n = 0;
    for (pugi::xml_node c : r.children()) n += pieceLength(c);
    return n;
}

// Runs directly in the paragraph or inside its hyperlinks and simple fields.
template <class F>
void forEachRun(const pugi::xml_node& p, F&& f) {
    for (pugi::xml_node c : p.children()) {
        if (is(c, "w:r")) f(c);
        else if (is(c, "w:hyperlink") || is(c, "w:fldSimple") || is(c, "w:ins") || is(c, "w:smartTag"))
            for (pugi::xml_node r : c.children("w:r")) f(r);
    }
}

int paragraphTextLength(const pugi::xml_node& p) {
    int n = 0;
    forEachRun(p, [&](const pugi::xml_node& r) { n += runLength(r); });
    return n;
}

int storyLength(const pugi::xml_node& Container);

int tableLength(const pugi::xml_node& tbl) {
    int n = 0;
    for (pugi::xml_node tr : tbl.children("w:tr")) {
        for (pugi::xml_node tc : tr.children("w:tc")) n += storyLength(tc) + 1;
        n += 1;
    }
    return n;
}

int storyLength(const pugi::xml_node& Container) {
    int n = 0;
    for (pugi::xml_node c : Container.children()) {
        if (is(c, "w:p")) n += paragraphTextLength(c) + 1;
        else if (is(c, "w:tbl")) n += tableLength(c);
    }
    return n;
}

struct TPlace {
    pugi::xml_node Paragraph;
    int Offset = 0;
};

// The paragraph that holds Position (a cell's or row's end mark counts as the end of the
// cell's last paragraph); Position is reduced by what lies before.
bool findPlace(const pugi::xml_node& Container, int& Position, TPlace& Place) {
    pugi::xml_node last;
    for (pugi::xml_node c : Container.children()) {
        if (is(c, "w:p")) {
            const int len = paragraphTextLength(c) + 1;
            if (Position < len) {
                Place = {c, Position};
                return true;
            }
            Position -= len;
            last = c;
        } else if (is(c, "w:tbl")) {
            for (pugi::xml_node tr : c.children("w:tr")) {
                pugi::xml_node lastCell;
                for (pugi::xml_node tc : tr.children("w:tc")) {
                    if (findPlace(tc, Position, Place)) return true;
                    lastCell = tc;
                    if (Position-- == 0) return findPlace(tc, Position = storyLength(tc) - 1, Place);
                }
                if (Position-- == 0 && lastCell) return findPlace(lastCell, Position = storyLength(lastCell) - 1, Place);
            }
        }
    }
    return false;
}

// Cuts a text piece: keeps the characters before At (Left) or from At on.
void cutText(pugi::xml_node t, int At, bool Left) {
    const QString text = QString::fromUtf8(t.child_value());
    t.text().set((Left ? text.left(At) : text.mid(At)).toUtf8().constData());
    if (!t.attribute("xml:space")) t.append_attribute("xml:space") = "preserve";
}

// Splits the run so that the second half starts At characters into it; returns that half.
pugi::xml_node splitRun(pugi::xml_node r, int At) {
    pugi::xml_node second = r.parent().insert_copy_after(r, r);
    int pos = 0;
    std::vector<pugi::xml_node> dropFirst, dropSecond;
    pugi::xml_node a = r.first_child(), b = second.first_child();
    for (; a && b; a = a.next_sibling(), b = b.next_sibling()) {
        if (is(a, "w:rPr")) continue;
        const int len = pieceLength(a);
        if (pos >= At) dropFirst.push_back(a);
        else if (pos + len <= At) dropSecond.push_back(b);
        else {
            cutText(a, At - pos, true);
            cutText(b, At - pos, false);
        }
        pos += len;
    }
    for (pugi::xml_node n : dropFirst) r.remove_child(n);
    for (pugi::xml_node n : dropSecond) second.remove_child(n);
    return second;
}

// The node before which something inserted at Offset of the paragraph goes: a run, or null
// for the paragraph's end.
pugi::xml_node boundary(pugi::xml_node p, int Offset) {
    int pos = 0;
    pugi::xml_node found;
    bool done = false;
    forEachRun(p, [&](pugi::xml_node r) {
        if (done) return;
        const int len = runLength(r);
        if (Offset == pos) found = r, done = true;
        else if (Offset < pos + len) found = splitRun(r, Offset - pos), done = true;
        pos += len;
    });
    return found;
}

// A run of text: tabs and line breaks (CR LF, CR or LF) as their own pieces.
void fillRun(pugi::xml_node r, const QString& Text) {
    QString piece;
    auto flush = [&] {
        if (piece.isEmpty()) return;
        pugi::xml_node t = r.append_child("w:t");
        t.append_attribute("xml:space") = "preserve";
        t.text().set(piece.toUtf8().constData());
        piece.clear();
    };
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (c == u'\t' || c == u'\r' || c == u'\n') {
            flush();
            if (c == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n') ++i;
            r.append_child(c == u'\t' ? "w:tab" : "w:br");
        } else piece += c;
    }
    flush();
}

int insertRun(pugi::xml_node p, int Offset, const QString& Text) {
    const pugi::xml_node before = boundary(p, Offset);
    // Text amid a hyperlink or field goes into it, as typing there would.
    pugi::xml_node parent = before ? before.parent() : p;
    pugi::xml_node r = before ? parent.insert_child_before("w:r", before) : p.append_child("w:r");
    fillRun(r, Text);
    return runLength(r);
}

// Moves everything from At on into a new paragraph after p; returns it.
pugi::xml_node splitParagraph(pugi::xml_node p, int Offset) {
    pugi::xml_node at = boundary(p, Offset);
    while (at && at.parent() != p) at = at.parent();  // a split inside a hyperlink moves all of it
    pugi::xml_node next = p.parent().insert_child_after("w:p", p);
    if (pugi::xml_node pPr = p.child("w:pPr")) next.append_copy(pPr);
    while (at) {
        pugi::xml_node following = at.next_sibling();
        next.append_move(at);
        at = following;
    }
    return next;
}

QString paragraphText(const pugi::xml_node& p) {
    QString text;
    forEachRun(p, [&](const pugi::xml_node& r) {
        for (pugi::xml_node c : r.children()) {
            if (is(c, "w:t")) text += QString::fromUtf8(c.child_value());
            else if (is(c, "w:tab")) text += u'\t';
            else if (is(c, "w:br") || is(c, "w:cr")) text += u'\v';
        }
    });
    return text;
}

void setBorders(pugi::xml_node tblPr) {
    pugi::xml_node borders = tblPr.append_child("w:tblBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        pugi::xml_node b = borders.append_child(side);
        b.append_attribute("w:val") = "single";
        b.append_attribute("w:sz") = "4";
        b.append_attribute("w:space") = "0";
        b.append_attribute("w:color") = "auto";
    }
}

}  // namespace

struct TDocxDocument::Data {
    TZipPackage Package;
    pugi::xml_document Main;
    std::vector<pugi::xml_node> Tables;

    pugi::xml_node Body() const { return Main.document_element().child("w:body"); }
    pugi::xml_node Cell(int Table, int Row, int Col) const {
        if (Table < 0 || Table >= int(Tables.size()) || Row < 1 || Col < 1) return {};
        pugi::xml_node tr = Tables[size_t(Table)].child("w:tr");
        for (int i = 1; tr && i < Row; ++i) tr = tr.next_sibling("w:tr");
        pugi::xml_node tc = tr.child("w:tc");
        for (int i = 1; tc && i < Col; ++i) tc = tc.next_sibling("w:tc");
        return tc;
    }
    TPlace Place(int Position) const {
        TPlace place;
        int rest = std::max(0, Position);
        if (!findPlace(Body(), rest, place)) {
            // Past the end: the end of the last paragraph.
            pugi::xml_node last = Body().last_child();
            while (last && !is(last, "w:p")) last = last.previous_sibling();
            place = {last, last ? paragraphTextLength(last) : 0};
        }
        return place;
    }
};

TDocxDocument::TDocxDocument() : d(std::make_unique<Data>()) {
    d->Package.SetPart(QStringLiteral("[Content_Types].xml"), contentTypes);
    d->Package.SetPart(QStringLiteral("_rels/.rels"), packageRels);
    d->Package.SetPart(QLatin1String(mainPart), emptyDocument);
    d->Main.load_string(emptyDocument, pugi::parse_default | pugi::parse_ws_pcdata_single);
}

TDocxDocument::~TDocxDocument() = default;

std::unique_ptr<TDocxDocument> TDocxDocument::Load(const QString& FileName) {
    if (!QFile::exists(FileName)) throw EOleError(QStringLiteral("'%1' could not be found.").arg(FileName));
    auto doc = std::make_unique<TDocxDocument>();
    const QByteArray main = doc->d->Package.Load(FileName) ? doc->d->Package.Part(QLatin1String(mainPart)) : QByteArray();
    if (main.isEmpty() || !doc->d->Main.load_buffer(main.constData(), size_t(main.size()), pugi::parse_default | pugi::parse_ws_pcdata_single) ||
        !doc->d->Body())
        throw EOleError(QStringLiteral("'%1' is not a document.").arg(FileName));
    return doc;
}

void TDocxDocument::Save(const QString& FileName) {
    std::ostringstream out;
    d->Main.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    d->Package.SetPart(QLatin1String(mainPart), QByteArray::fromStdString(out.str()));
    const QByteArray bytes = d->Package.Save();
    QString reason = QStringLiteral("the package cannot be made");
    if (bytes.isEmpty() || !WriteFileAtomic(FileName, bytes, &reason))
        throw EOleError(QStringLiteral("Cannot save the document as '%1': %2.").arg(FileName, reason));
}

int TDocxDocument::End() const { return storyLength(d->Body()); }

int TDocxDocument::LastParagraphStart() const {
    pugi::xml_node last = d->Body().last_child();
    while (last && !is(last, "w:p")) last = last.previous_sibling();
    return last ? End() - paragraphTextLength(last) - 1 : 0;
}

int TDocxDocument::BookmarkPosition(const QString& Name) const {
    const QByteArray name = Name.toUtf8();
    // Walks the body in order, counting as the paragraphs are passed.
    int position = 0;
    int result = -1;
    std::function<bool(pugi::xml_node)> walk = [&](pugi::xml_node n) -> bool {
        for (pugi::xml_node c : n.children()) {
            if (is(c, "w:bookmarkStart") && name == c.attribute("w:name").value()) {
                result = position;
                return true;
            }
            if (is(c, "w:r")) position += runLength(c);
            else if (walk(c)) return true;
            if (is(c, "w:p")) ++position;
            else if (is(c, "w:tc") || is(c, "w:tr")) ++position;
        }
        return false;
    };
    walk(d->Body());
    return result;
}

int TDocxDocument::InsertText(int Position, const QString& Text) {
    const TPlace place = d->Place(Position);
    if (!place.Paragraph || Text.isEmpty()) return Position;
    return Position + insertRun(place.Paragraph, place.Offset, Text);
}

int TDocxDocument::InsertParagraph(int Position) {
    const TPlace place = d->Place(Position);
    if (!place.Paragraph) return Position;
    splitParagraph(place.Paragraph, place.Offset);
    return Position + 1;
}

void TDocxDocument::AppendParagraph() {
    pugi::xml_node body = d->Body();
    if (pugi::xml_node sect = body.child("w:sectPr")) body.insert_child_before("w:p", sect);
    else body.append_child("w:p");
}

int TDocxDocument::InsertTable(int Position, int Rows, int Cols) {
    TPlace place = d->Place(Position);
    if (!place.Paragraph) {
        AppendParagraph();
        place = d->Place(Position);
    }
    pugi::xml_node before = place.Offset > 0 ? splitParagraph(place.Paragraph, place.Offset) : place.Paragraph;
    pugi::xml_node tbl = before.parent().insert_child_before("w:tbl", before);
    pugi::xml_node tblPr = tbl.append_child("w:tblPr");
    pugi::xml_node width = tblPr.append_child("w:tblW");
    width.append_attribute("w:w") = "0";
    width.append_attribute("w:type") = "auto";
    setBorders(tblPr);
    const int colWidth = std::max(1, 9638 / std::max(1, Cols));
    pugi::xml_node grid = tbl.append_child("w:tblGrid");
    for (int c = 0; c < Cols; ++c) grid.append_child("w:gridCol").append_attribute("w:w") = colWidth;
    for (int r = 0; r < Rows; ++r) {
        pugi::xml_node tr = tbl.append_child("w:tr");
        for (int c = 0; c < Cols; ++c) {
            pugi::xml_node tc = tr.append_child("w:tc");
            pugi::xml_node tcW = tc.append_child("w:tcPr").append_child("w:tcW");
            tcW.append_attribute("w:w") = colWidth;
            tcW.append_attribute("w:type") = "dxa";
            tc.append_child("w:p");
        }
    }
    d->Tables.push_back(tbl);
    return int(d->Tables.size()) - 1;
}

bool TDocxDocument::AppendCellText(int Table, int Row, int Col, const QString& Text) {
    pugi::xml_node tc = d->Cell(Table, Row, Col);
    if (!tc) return false;
    pugi::xml_node p = tc.last_child();
    while (p && !is(p, "w:p")) p = p.previous_sibling();
    if (!p) p = tc.append_child("w:p");
    if (!Text.isEmpty()) fillRun(p.append_child("w:r"), Text);
    return true;
}

bool TDocxDocument::SetCellAlignment(int Table, int Row, int Col, int Alignment) {
    pugi::xml_node tc = d->Cell(Table, Row, Col);
    if (!tc) return false;
    static const char* const names[] = {"left", "center", "right", "both"};
    const char* value = names[std::clamp(Alignment, 0, 3)];
    for (pugi::xml_node p : tc.children("w:p")) {
        pugi::xml_node pPr = p.child("w:pPr");
        if (!pPr) pPr = p.prepend_child("w:pPr");
        pugi::xml_node jc = pPr.child("w:jc");
        if (!jc) jc = pPr.append_child("w:jc");
        if (!jc.attribute("w:val")) jc.append_attribute("w:val");
        jc.attribute("w:val") = value;
    }
    return true;
}

QString TDocxDocument::CellText(int Table, int Row, int Col) const {
    QStringList paragraphs;
    for (pugi::xml_node p : d->Cell(Table, Row, Col).children("w:p")) paragraphs << paragraphText(p);
    return paragraphs.join(u'\r');
}

QString TDocxDocument::BodyText() const {
    QString text;
    for (pugi::xml_node p : d->Body().children("w:p")) text += paragraphText(p) + u'\r';
    return text;
}
