#include "platform/office/word_server.h"

#include "platform/automation/auto_object.h"
#include "platform/office/docx_document.h"

#include <QFileInfo>

namespace {

struct TDoc {
    std::unique_ptr<TDocxDocument> Document;
    QString FileName;  // empty until saved
    QString Name;
    int Selection = 0;  // the insertion point
    bool ShowSpellingErrors = true;
};

struct TWord {
    std::vector<std::shared_ptr<TDoc>> Docs;
    int Made = 0;
    std::shared_ptr<TDoc> Active() const {
        if (Docs.empty()) throw EOleError(QStringLiteral("This command is not available because no document is open."));
        return Docs.back();
    }
};

template <class T, class... A>
OleVariant object(A&&... a) {
    return std::shared_ptr<IAutoDispatch>(std::make_shared<T>(std::forward<A>(a)...));
}

// What a call of Goto names: a bookmark (What -1, by Name), or the last line (What 3, Which -1).
int gotoPosition(const TDoc& Doc, const TOleArgs& a) {
    const int what = a.empty() ? 0 : a[0].ToInt();
    if (what == -1) {
        const int at = Doc.Document->BookmarkPosition(a.size() > 3 ? a[3].ToString() : QString());
        if (at < 0) throw EOleError(QStringLiteral("The requested member of the collection does not exist."));
        return at;
    }
    if (what == 3 && a.size() > 1 && a[1].ToInt() == -1) return Doc.Document->LastParagraphStart();
    throw EOleError(QStringLiteral("This Goto is not supported."));
}

class TParagraphFormatObject : public TAutoObject {
public:
    TParagraphFormatObject(std::shared_ptr<TDoc> Doc, int Table, int Row, int Col) {
        Property(QStringLiteral("Alignment"), [] { return 0; }, [=](const OleVariant& v) {
            Doc->Document->SetCellAlignment(Table, Row, Col, v.ToInt());
        });
    }
};

class TCellRangeObject : public TAutoObject {
public:
    TCellRangeObject(std::shared_ptr<TDoc> Doc, int Table, int Row, int Col) {
        Method(QStringLiteral("InsertAfter"), [=](const TOleArgs& a) {
            NeedArgs(QStringLiteral("InsertAfter"), a, 1);
            Doc->Document->AppendCellText(Table, Row, Col, a[0].ToString());
            return OleVariant();
        });
        Property(QStringLiteral("Text"), [=] { return Doc->Document->CellText(Table, Row, Col); });
        Property(QStringLiteral("ParagraphFormat"), [=] { return object<TParagraphFormatObject>(Doc, Table, Row, Col); });
    }
};

class TTableObject : public TAutoObject {
public:
    TTableObject(std::shared_ptr<TDoc> Doc, int Table, int Rows, int Cols) {
        Method(QStringLiteral("Cell"), [=](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Cell"), a, 2);
            const int r = a[0].ToInt(), c = a[1].ToInt();
            if (r < 1 || c < 1 || r > Rows || c > Cols) throw EOleError(QStringLiteral("The requested member of the collection does not exist."));
            auto cell = std::make_shared<TCellObject>(Doc, Table, r, c);
            return OleVariant(std::shared_ptr<IAutoDispatch>(cell));
        });
    }

private:
    class TCellObject : public TAutoObject {
    public:
        TCellObject(std::shared_ptr<TDoc> Doc, int Table, int Row, int Col) {
            Property(QStringLiteral("Range"), [=] { return object<TCellRangeObject>(Doc, Table, Row, Col); });
        }
    };
};

// A stretch of the body between two positions.
class TRangeObject : public TAutoObject {
public:
    TRangeObject(std::shared_ptr<TDoc> Doc, int Start, int End) : doc_(std::move(Doc)), start_(Start), end_(std::max(Start, End)) {
        Property(QStringLiteral("Start"), [this] { return start_; });
        Property(QStringLiteral("End"), [this] { return end_; });
        Method(QStringLiteral("InsertAfter"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("InsertAfter"), a, 1);
            end_ = doc_->Document->InsertText(end_, a[0].ToString());
            return OleVariant();
        });
    }
    int Start() const { return start_; }

private:
    std::shared_ptr<TDoc> doc_;
    int start_, end_;
};

class TTablesObject : public TAutoObject {
public:
    explicit TTablesObject(std::shared_ptr<TDoc> Doc) {
        Method(QStringLiteral("Add"), [=](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Add"), a, 3);
            auto* range = a[0].IsObject() ? dynamic_cast<TRangeObject*>(&a[0].Object()) : nullptr;
            if (!range) throw EOleError(QStringLiteral("Type mismatch"));
            const int rows = a[1].ToInt(), cols = a[2].ToInt();
            if (rows < 1 || cols < 1 || cols > 63) throw EOleError(QStringLiteral("The number must be between 1 and 63."));
            const int table = Doc->Document->InsertTable(range->Start(), rows, cols);
            return object<TTableObject>(Doc, table, rows, cols);
        });
    }
};

void saveDoc(TDoc& Doc, const QString& FileName) {
    Doc.Document->Save(FileName);
    Doc.FileName = QFileInfo(FileName).absoluteFilePath();
    Doc.Name = QFileInfo(FileName).fileName();
}

class TDocumentObject : public TAutoObject {
public:
    TDocumentObject(std::shared_ptr<TWord> Word, std::shared_ptr<TDoc> Doc) {
        Property(QStringLiteral("Name"), [=] { return Doc->Name; });
        Property(QStringLiteral("FullName"), [=] { return Doc->FileName.isEmpty() ? Doc->Name : Doc->FileName; });
        Property(QStringLiteral("ShowSpellingErrors"), [=] { return Doc->ShowSpellingErrors; },
                 [=](const OleVariant& v) { Doc->ShowSpellingErrors = v.ToBool(); });
        Property(QStringLiteral("Bookmarks"), [=] { return object<TBookmarksObject>(Doc); });
        Method(QStringLiteral("Goto"), [=](const TOleArgs& a) {
            const int at = gotoPosition(*Doc, a);
            return object<TRangeObject>(Doc, at, at);
        });
        Property(QStringLiteral("Paragraphs"), [=] { return object<TParagraphsObject>(Doc); });
        Method(QStringLiteral("Range"), [=](const TOleArgs& a) {
            const int start = a.empty() || a[0].IsEmpty() ? 0 : a[0].ToInt();
            const int end = a.size() < 2 || a[1].IsEmpty() ? Doc->Document->End() : a[1].ToInt();
            return object<TRangeObject>(Doc, std::clamp(start, 0, Doc->Document->End()), std::clamp(end, 0, Doc->Document->End()));
        });
        Property(QStringLiteral("Tables"), [=] { return object<TTablesObject>(Doc); });
        Method(QStringLiteral("Save"), [=](const TOleArgs&) {
            if (Doc->FileName.isEmpty()) throw EOleError(QStringLiteral("The document '%1' has no file yet").arg(Doc->Name));
            saveDoc(*Doc, Doc->FileName);
            return OleVariant();
        });
        Method(QStringLiteral("SaveAs"), [=](const TOleArgs& a) {
            NeedArgs(QStringLiteral("SaveAs"), a, 1);
            saveDoc(*Doc, a[0].ToString());
            return OleVariant();
        });
        Method(QStringLiteral("Close"), [=](const TOleArgs&) {
            std::erase(Word->Docs, Doc);
            return OleVariant();
        });
    }

private:
    class TBookmarksObject : public TAutoObject {
    public:
        explicit TBookmarksObject(std::shared_ptr<TDoc> Doc) {
            Method(QStringLiteral("Exists"), [=](const TOleArgs& a) {
                NeedArgs(QStringLiteral("Exists"), a, 1);
                return Doc->Document->BookmarkPosition(a[0].ToString()) >= 0;
            });
        }
    };
    class TParagraphsObject : public TAutoObject {
    public:
        explicit TParagraphsObject(std::shared_ptr<TDoc> Doc) {
            Method(QStringLiteral("Add"), [=](const TOleArgs&) {
                Doc->Document->AppendParagraph();
                const int at = Doc->Document->LastParagraphStart();
                return object<TRangeObject>(Doc, at, at);
            });
        }
    };
};

class TSelectionObject : public TAutoObject {
public:
    explicit TSelectionObject(std::shared_ptr<TWord> Word) {
        Method(QStringLiteral("TypeText"), [=](const TOleArgs& a) {
            NeedArgs(QStringLiteral("TypeText"), a, 1);
            const auto doc = Word->Active();
            doc->Selection = doc->Document->InsertText(doc->Selection, a[0].ToString());
            return OleVariant();
        });
        Method(QStringLiteral("TypeParaGraph"), [=](const TOleArgs&) {
            const auto doc = Word->Active();
            doc->Selection = doc->Document->InsertParagraph(doc->Selection);
            return OleVariant();
        });
        Method(QStringLiteral("Goto"), [=](const TOleArgs& a) {
            const auto doc = Word->Active();
            doc->Selection = gotoPosition(*doc, a);
            return object<TRangeObject>(doc, doc->Selection, doc->Selection);
        });
        Property(QStringLiteral("Start"), [=] { return Word->Active()->Selection; });
        Property(QStringLiteral("End"), [=] { return Word->Active()->Selection; });
    }
};

class TDocumentsObject : public TAutoObject {
public:
    explicit TDocumentsObject(std::shared_ptr<TWord> Word) {
        Property(QStringLiteral("Count"), [=] { return int(Word->Docs.size()); });
        Method(QStringLiteral("Item"), [=](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Item"), a, 1);
            const int i = a[0].ToInt();
            if (i < 1 || i > int(Word->Docs.size())) throw EOleError(QStringLiteral("The requested member of the collection does not exist."));
            return object<TDocumentObject>(Word, Word->Docs[size_t(i - 1)]);
        });
        Method(QStringLiteral("Open"), [=](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Open"), a, 1);
            auto doc = std::make_shared<TDoc>();
            doc->Document = TDocxDocument::Load(a[0].ToString());
            doc->FileName = QFileInfo(a[0].ToString()).absoluteFilePath();
            doc->Name = QFileInfo(a[0].ToString()).fileName();
            Word->Docs.push_back(doc);
            return object<TDocumentObject>(Word, doc);
        });
        Method(QStringLiteral("Add"), [=](const TOleArgs&) {
            auto doc = std::make_shared<TDoc>();
            doc->Document = std::make_unique<TDocxDocument>();
            doc->Name = QStringLiteral("Document%1").arg(++Word->Made);
            Word->Docs.push_back(doc);
            return object<TDocumentObject>(Word, doc);
        });
    }
};

class TWordObject : public TAutoObject {
public:
    TWordObject() : word_(std::make_shared<TWord>()) {
        auto word = word_;
        Property(QStringLiteral("Documents"), [=] { return object<TDocumentsObject>(word); });
        Property(QStringLiteral("ActiveDocument"), [=] { return object<TDocumentObject>(word, word->Active()); });
        Property(QStringLiteral("Selection"), [=] { return object<TSelectionObject>(word); });
        Method(QStringLiteral("Quit"), [=](const TOleArgs&) {
            word->Docs.clear();
            return OleVariant();
        });
        Property(QStringLiteral("Visible"), [] { return false; }, [](const OleVariant&) {});
    }

private:
    std::shared_ptr<TWord> word_;
};

}  // namespace

std::shared_ptr<IAutoDispatch> CreateWordApplication() { return std::make_shared<TWordObject>(); }
