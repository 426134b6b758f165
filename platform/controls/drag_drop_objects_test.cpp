#include "platform/controls/drag_drop_objects.h"

#include "platform/controls/form.h"
#include "platform/controls/ole_drag_drop_qt.h"
#include "platform/controls/qt_backend.h"
#include "platform/core/exception.h"
#include "platform/core/stream.h"
#include "platform/messages/message_ids.h"
#include "platform/testkit/scripted_drag.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Writes down every hook the target calls, in order.
class RecordingTarget : public TASGDropTarget {
public:
    QStringList calls;
    bool refuseMoves = false;
    void DropText(TPoint, const QString& Text) override { calls << "text:" + Text; }
    void DropStream(TPoint, TMemoryStream& Stream) override { calls << "cells:" + QString::fromLatin1(Stream.Memory()); }
    void DropCol(TPoint, int Col) override { calls << QString("col:%1").arg(Col); }
    void DropRTF(TPoint, const QString& RTF) override { calls << "rtf:" + RTF; }
    void DropFiles(TPoint, const QStringList& Files) override { calls << "files:" + Files.join('|'); }
    void DropURL(TPoint, const QString& URL) override { calls << "url:" + URL; }
    void DragMouseMove(TPoint, bool& Allow, TDropFormats) override {
        if (refuseMoves) Allow = false;
    }
    void DragMouseEnter() override { calls << "enter"; }
    void DragMouseLeave() override { calls << "leave"; }
};

class RecordingSource : public TASGDropSource {
public:
    int ended = 0, queries = 0;
    std::vector<uint32_t> effects;
    void DragEnded() override { ++ended; }
    void CurrentEffect(uint32_t Effect) override { effects.push_back(Effect); }
    void QueryDrag() override { ++queries; }
};

// What other programs offer, by the names of the formats.
TMemoryDataObject offer(const QStringList& kinds) {
    RegisterDragFormats();
    const TDragFormats& f = DragFormats();
    TMemoryDataObject data;
    for (const QString& kind : kinds) {
        if (kind == "text") data.Add(CF_UNICODETEXT, UnicodeTextBlock("hello"));
        if (kind == "rtf") data.Add(f.fRTF, AnsiTextBlock("{\\rtf1 hi}"));
        if (kind == "col") data.Add(f.fCol, QByteArray("\x03\x00\x00\x00", 4));
        if (kind == "files") data.Add(CF_HDROP, DropFilesBlock({"/tmp/a.csv", "/tmp/b.txt"}));
        if (kind == "url") data.Add(f.fURL, AnsiTextBlock("http://127.0.0.1/x"));
        if (kind == "cells") data.Add(f.fCells, QByteArray("\x04\x00\x00\x00\x00\x00\x00\x00" "ABCD", 12));
    }
    return data;
}

// Cannot tell its formats.
class MuteDataObject : public TMemoryDataObject {
public:
    HRESULT EnumFormatEtc(uint32_t, std::shared_ptr<IEnumFORMATETC>& Enum) override {
        Enum.reset();
        return E_NOTIMPL;
    }
};

struct DropCase {
    const char* name;
    QStringList offered;
    bool acceptText, rtfOn;
    QStringList delivered;
};

class DropTargetTest : public ::testing::TestWithParam<DropCase> {
protected:
    void TearDown() override { EnableRTFDrop(false); }
};

TEST_P(DropTargetTest, DeliversTheFirstFormatThatCountsThenFilesAndURLs) {
    const DropCase& c = GetParam();
    EnableRTFDrop(c.rtfOn);
    RecordingTarget target;
    target.AcceptText = c.acceptText;
    target.AcceptFiles = target.AcceptURLs = c.acceptText;
    TMemoryDataObject data = offer(c.offered);
    uint32_t effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragEnter(data, MK_LBUTTON, {10, 10}, effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.Drop(data, 0, {10, 10}, effect);
    EXPECT_EQ(target.calls.mid(1), c.delivered);
    EXPECT_EQ(effect, c.delivered.isEmpty() ? DROPEFFECT_NONE : DROPEFFECT_MOVE);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DropTargetTest,
    ::testing::Values(DropCase{"CellsAreTakenWithEveryFlagOff", {"cells"}, false, false, {"cells:ABCD"}},
                      DropCase{"TextIsRefusedWithTextOff", {"text"}, false, false, {}},
                      DropCase{"RichTextSwitchedOffGivesTheText", {"rtf", "text"}, true, false, {"text:hello"}},
                      DropCase{"RichTextSwitchedOnGivesOnlyIt", {"rtf", "text"}, true, true, {"rtf:{\\rtf1 hi}"}},
                      DropCase{"AColumnGoesAloneWithoutItsText", {"col", "text"}, true, false, {"col:3"}},
                      DropCase{"FilesFollowTheText", {"files", "text"}, true, false,
                               {"text:hello", "files:/tmp/a.csv|/tmp/b.txt"}},
                      DropCase{"AURLComesAsTheDroppedText", {"url", "text"}, true, false,
                               {"text:hello", "url:hello"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DropTargetEffects, CtrlCopiesAndMoveIsTakenWhenOffered) {
    RecordingTarget target;
    TMemoryDataObject data = offer({"text"});
    struct {
        uint32_t keys, offered, expected;
    } cases[] = {{MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
                 {0, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
                 {0, DROPEFFECT_COPY, DROPEFFECT_COPY}};
    for (const auto& c : cases) {
        uint32_t effect = c.offered;
        target.DragEnter(data, c.keys, {}, effect);
        EXPECT_EQ(effect, c.expected);
        effect = c.offered;
        target.DragOver(c.keys, {}, effect);
        EXPECT_EQ(effect, c.expected);
    }
    // The move hook may refuse the place.
    target.refuseMoves = true;
    uint32_t effect = DROPEFFECT_MOVE;
    target.DragOver(0, {}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
}

TEST(DropTargetEffects, AnObjectWithoutAFormatListIsRefusedQuietly) {
    MuteDataObject mute;
    EXPECT_THROW(TEnumFormats{mute}, Exception);
    RecordingTarget target;
    uint32_t effect = DROPEFFECT_COPY;
    EXPECT_EQ(target.DragEnter(mute, 0, {}, effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(target.DropFormats(), 0u);
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target.Drop(mute, 0, {}, effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(target.calls, QStringList{"enter"});
}

TEST(EnumFormats, ACellBlockThatClaimsMoreThanItHoldsGivesNoStream) {
    RegisterDragFormats();
    TMemoryDataObject data;
    data.Add(DragFormats().fCells, QByteArray("\xFF\x00\x00\x00\x00\x00\x00\x00" "AB", 10));
    TEnumFormats e(data);
    EXPECT_TRUE(e.HasGridCells());
    EXPECT_EQ(e.Stream(), nullptr);
    EXPECT_EQ(e.Col(), -1);
    EXPECT_EQ(e.Text(), QString());
    EXPECT_FALSE(e.ReadFiles());
}

TEST(SourceDataObject, OffersTextRichTextThenColumnAndCellsInOrder) {
    EnableRTFDrop(false);
    TSourceDataObject text("a\tb", "{\\rtf1 a}", -1, nullptr);
    std::shared_ptr<IEnumFORMATETC> e;
    ASSERT_EQ(text.EnumFormatEtc(DATADIR_GET, e), S_OK);
    TFormatEtc entries[2];
    uint32_t fetched = 0;
    EXPECT_EQ(e->Next(2, entries, &fetched), S_OK);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(entries[0].cfFormat, CF_TEXT);
    EXPECT_EQ(entries[1].cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(entries[1].dwAspect, DVASPECT_CONTENT);
    EXPECT_EQ(entries[1].lindex, -1);
    EXPECT_EQ(entries[1].tymed, TYMED_HGLOBAL);
    EXPECT_EQ(e->Next(2, entries, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(entries[0].cfFormat, DragFormats().fRTF);
    EXPECT_EQ(e->Reset(), S_OK);
    EXPECT_EQ(e->Skip(9), S_FALSE);
    EXPECT_EQ(e->Next(1, entries, &fetched), S_FALSE);
    EXPECT_EQ(text.EnumFormatEtc(DATADIR_SET, e), E_NOTIMPL);
    EXPECT_EQ(e, nullptr);

    TMemoryStream cells(QByteArray("XYZ"));
    TSourceDataObject all("t", "", 4, &cells);
    ScriptedDrag drag;
    std::shared_ptr<IDataObject> object = std::make_shared<TSourceDataObject>("t", "", 4, &cells);
    uint32_t effect = 0;
    DoDragDrop(object, std::make_shared<RecordingSource>(), DROPEFFECT_COPY, effect);
    EXPECT_EQ(drag.offered, QStringList({"CF_TEXT", "CF_UNICODETEXT", "Rich Text Format", "Grid Column",
                                         "TExStringGrid Cells"}));
    // A clone goes on from where its original stands.
    all.EnumFormatEtc(DATADIR_GET, e);
    e->Skip(3);
    std::shared_ptr<IEnumFORMATETC> clone;
    e->Clone(clone);
    clone->Next(1, entries, nullptr);
    EXPECT_EQ(entries[0].cfFormat, DragFormats().fCol);
}

TEST(SourceDataObject, GivesEachFormatItsBlockAndRefusesWhatItLacks) {
    const TDragFormats& f = DragFormats();
    TMemoryStream cells(QByteArray("XYZ"));
    TSourceDataObject data("Ab", "{\\rtf1 Ab}", 7, &cells);
    TStgMedium m;
    auto get = [&](TClipFormat cf, uint32_t tymed = TYMED_HGLOBAL) {
        TFormatEtc fe{cf};
        fe.tymed = tymed;
        return data.GetData(fe, m);
    };
    ASSERT_EQ(get(CF_TEXT), S_OK);
    EXPECT_EQ(m.hGlobal, QByteArray("Ab", 3));
    ASSERT_EQ(get(CF_UNICODETEXT), S_OK);
    EXPECT_EQ(m.hGlobal, QByteArray("A\0b\0\0\0", 6));
    ASSERT_EQ(get(f.fCol), S_OK);
    EXPECT_EQ(m.hGlobal, QByteArray("\x07\0\0\0", 4));
    ASSERT_EQ(get(f.fCells), S_OK);
    EXPECT_EQ(m.hGlobal, QByteArray("\x03\0\0\0\0\0\0\0XYZ", 11));
    EXPECT_EQ(get(f.fRTF), DV_E_FORMATETC);
    EnableRTFDrop(true);
    ASSERT_EQ(get(f.fRTF), S_OK);
    EXPECT_EQ(m.hGlobal, QByteArray("{\\rtf1 Ab}", 11));
    EXPECT_EQ(get(CF_TEXT, TYMED_HGLOBAL | 2), DV_E_FORMATETC);
    EXPECT_EQ(get(CF_HDROP), DV_E_FORMATETC);
    EXPECT_EQ(m.tymed, TYMED_NULL);
    TSourceDataObject noRich("Ab", "", -1, nullptr);
    TFormatEtc rtf{f.fRTF};
    EXPECT_EQ(noRich.GetData(rtf, m), DV_E_FORMATETC);
    EXPECT_EQ(noRich.QueryGetData(TFormatEtc{f.fCol}), DV_E_FORMATETC);
    EnableRTFDrop(false);
}

TEST(DropSource, ReleaseDropsEscapeCancelsAndBothEndTheDrag) {
    RecordingSource source;
    EXPECT_EQ(source.QueryContinueDrag(false, MK_LBUTTON), S_OK);
    EXPECT_EQ(source.ended, 0);
    EXPECT_EQ(source.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.ended, 2);
    EXPECT_EQ(source.queries, 3);
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(source.NoAccept());
    source.GiveFeedback(DROPEFFECT_COPY);
    EXPECT_FALSE(source.NoAccept());
    EXPECT_EQ(source.effects, (std::vector<uint32_t>{DROPEFFECT_NONE, DROPEFFECT_COPY}));
}

TEST(BeginTextDrag, ADropNobodyTakesIsCancelledWhateverTheLoopSays) {
    TForm window(nullptr);
    auto target = std::make_shared<RecordingTarget>();
    target->refuseMoves = true;
    RegisterDragDrop(window, target);
    ScriptedDrag drag;
    drag.dropAt(window, {5, 5});
    auto source = std::make_shared<RecordingSource>();
    uint32_t effect = 99;
    EXPECT_EQ(BeginTextDrag(source, "x", "", nullptr, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(source->ended, 1);

    target->refuseMoves = false;
    EXPECT_EQ(BeginColumnDrag(source, 2, DROPEFFECT_COPY, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(drag.offered.last(), "Grid Column");
    // The column's object lists text too, so a target that takes text takes the column.
    EXPECT_EQ(target->calls.last(), "col:2");
    RevokeDragDrop(window);
}

TEST(DesktopData, FilesLinksAndTextComeAcrossAsTheirFormats) {
    QMimeData fromFiles;
    fromFiles.setUrls({QUrl::fromLocalFile("/tmp/one.csv"), QUrl::fromLocalFile("/tmp/two.xls")});
    fromFiles.setText("file:///tmp/one.csv");
    RecordingTarget target;
    uint32_t effect = DROPEFFECT_COPY;
    std::shared_ptr<TMemoryDataObject> files = DataObjectFromMimeData(fromFiles);
    target.DragEnter(*files, 0, {}, effect);
    target.Drop(*files, 0, {}, effect);
    EXPECT_EQ(target.calls.mid(1), QStringList{"files:/tmp/one.csv|/tmp/two.xls"});

    QMimeData fromBrowser;
    fromBrowser.setUrls({QUrl("http://127.0.0.1/page")});
    RecordingTarget second;
    std::shared_ptr<TMemoryDataObject> link = DataObjectFromMimeData(fromBrowser);
    second.DragEnter(*link, 0, {}, effect);
    second.Drop(*link, 0, {}, effect);
    EXPECT_EQ(second.calls.mid(1), QStringList({"text:http://127.0.0.1/page", "url:http://127.0.0.1/page"}));

    // Out and back: what a grid offers reaches another program under the same names.
    TMemoryStream cells(QByteArray("XYZ"));
    EnableRTFDrop(true);
    TSourceDataObject out("Ab", "{\\rtf1 Ab}", -1, &cells);
    std::unique_ptr<QMimeData> mime(MimeDataFromDataObject(out));
    EnableRTFDrop(false);
    EXPECT_EQ(mime->text(), "Ab");
    EXPECT_EQ(mime->data("text/rtf"), "{\\rtf1 Ab}");
    std::shared_ptr<TMemoryDataObject> back = DataObjectFromMimeData(*mime);
    TEnumFormats e(*back);
    EXPECT_EQ(e.Text(), "Ab");
    EXPECT_EQ(e.RTF(), "{\\rtf1 Ab}");
    ASSERT_NE(e.Stream(), nullptr);
    EXPECT_EQ(e.Stream()->Memory(), "XYZ");
}

// The toolkit's own drop event reaches the target registered for the window, which answers it.
TEST(DesktopData, TheToolkitsDropReachesTheRegisteredWindow) {
    QtBackend backend;
    SetWindowBackend(&backend);
    {
        TForm window(nullptr);
        window.SetBounds(0, 0, 200, 100);
        window.HandleNeeded();
        auto* widget = static_cast<QWidget*>(window.BackendData);
        EXPECT_FALSE(widget->acceptDrops());
        auto target = std::make_shared<RecordingTarget>();
        RegisterDragDrop(window, target);
        EXPECT_TRUE(widget->acceptDrops());
        QMimeData data;
        data.setText("from elsewhere");
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ControlModifier);
        QApplication::sendEvent(widget, &enter);
        EXPECT_TRUE(enter.isAccepted());
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction | Qt::MoveAction, &data, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
        EXPECT_TRUE(drop.isAccepted());
        EXPECT_EQ(drop.dropAction(), Qt::MoveAction);
        EXPECT_EQ(target->calls, QStringList({"enter", "text:from elsewhere"}));
        RevokeDragDrop(window);
        EXPECT_FALSE(widget->acceptDrops());
    }
    SetWindowBackend(nullptr);
}

}  // namespace
