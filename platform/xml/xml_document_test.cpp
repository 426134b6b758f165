#include "platform/xml/xml_document.h"
#include "platform/testkit/exception_message.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <memory>

#include "platform/core/exception.h"
#include "platform/testkit/full_disk.h"
#include "platform/testkit/temp_folder.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString gsdml(const char* name) { return QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/") + name; }


void expectEmpty(const TXMLDocument& doc) {
    EXPECT_EQ(doc.ChildNodes().Count(), 0);
    EXPECT_TRUE(doc.DocumentElement().IsNull());
    EXPECT_EQ(doc.XML(), "");
}

TEST(XMLDocument, RoundTripThroughFile) {
    TempFolder tmp;
    TXMLDocument doc(nullptr);
    IXMLNode root = doc.AddChild("Project");
    doc.AddComment(" saved by test ");
    root.SetAttribute("Name", QString::fromUtf8("Prüfstand & <A>"));
    root.SetAttribute("Version", "1");
    root.SetAttribute("Version", "2");
    IXMLNode device = root.AddChild("Device");
    device.SetAttribute("IP", "127.0.0.1");
    root.AddComment("between");
    root.AddChild("Note").SetText("a \"quoted\" text");
    EXPECT_TRUE(doc.Active());

    const QString path = tmp.file("project.xml");
    doc.SaveToFile(path);
    const QByteArray saved = readAll(path);
    EXPECT_FALSE(saved.contains("<?xml"));
    EXPECT_TRUE(saved.contains(QString::fromUtf8("Prüfstand").toUtf8()));
    EXPECT_TRUE(saved.contains("><Device"));  // no layout is added between elements
    EXPECT_EQ(QString::fromUtf8(saved), doc.XML());
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"project.xml"});

    TXMLDocument back(nullptr);
    back.LoadFromFile(path);
    ASSERT_EQ(back.ChildNodes().Count(), 2);
    EXPECT_EQ(back.ChildNodes().Nodes(0), back.DocumentElement());
    const IXMLNode comment = back.ChildNodes().Nodes(1);
    EXPECT_EQ(comment.NodeType(), ntComment);
    EXPECT_EQ(comment.Text(), " saved by test ");

    const IXMLNode r = back.DocumentElement();
    EXPECT_EQ(r.NodeName(), "Project");
    EXPECT_EQ(r.Attribute("Name"), QString::fromUtf8("Prüfstand & <A>"));
    EXPECT_EQ(r.Attribute("Version"), "2");
    EXPECT_FALSE(r.HasAttribute("version"));
    EXPECT_EQ(r.Attribute("Missing"), "");
    EXPECT_EQ(r.ChildNodes().Count(), 3);
    EXPECT_EQ(r.ChildNodes().FindNode("Device").Attribute("IP"), "127.0.0.1");
    EXPECT_EQ(r.ChildNodes().FindNode("Note").Text(), "a \"quoted\" text");
    EXPECT_EQ(r.ParentNode().NodeType(), ntDocument);
    EXPECT_EQ(r.ChildNodes().First().NextSibling().NodeName(), "#comment");
}

TEST(XMLDocument, DeclarationIsTheFirstNode) {
    TXMLDocument doc(nullptr);
    doc.LoadFromXML("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<!-- head -->\n<root a=\"1\"/>\n");
    const TXMLNodeList top = doc.ChildNodes();
    ASSERT_EQ(top.Count(), 3);
    EXPECT_EQ(top.Nodes(0).NodeType(), ntProcessingInstr);
    EXPECT_EQ(top.Nodes(0).NodeName(), "xml");
    EXPECT_EQ(top.Nodes(1).NodeType(), ntComment);
    EXPECT_EQ(doc.DocumentElement(), top.Nodes(2));
    EXPECT_EQ(doc.DocumentElement().NodeName(), "root");

    // Written as it was loaded, but the text is UTF-8 and the declaration says so.
    EXPECT_TRUE(doc.XML().startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?><!-- head --><root"));
    EXPECT_EQ(top.Nodes(0).Attribute("encoding"), "iso-8859-1");
}

TEST(XMLDocument, AttributesComeInDocumentOrder) {
    TXMLDocument doc(nullptr);
    doc.LoadFromXML("<r b=\"2\" a=\"&lt;1\"/>");
    using Pairs = std::vector<std::pair<QString, QString>>;
    EXPECT_EQ(doc.DocumentElement().Attributes(), (Pairs{{"b", "2"}, {"a", "<1"}}));
    EXPECT_TRUE(IXMLNode().Attributes().empty());
}

TEST(XMLDocument, MalformedXmlThrowsWithPositionAndLeavesDocumentEmpty) {
    struct Case {
        const char* xml;
        const char* position;
    };
    const Case cases[] = {
        {"<a>\n  <b>\n  </c>\n</a>", "line 3, column"},
        {"<a x=\"1>\n</a>", "line"},
        {"<?xml version=\"1.0\"?>\r\n<a>\r\n<b></b>\r\n", "line"},  // unclosed root
        {"", "line 1, column 1"},                                    // no root element
    };
    for (const Case& c : cases) {
        TXMLDocument doc(nullptr);
        doc.LoadFromXML("<old/>");
        const QString message = messageOf([&] { doc.LoadFromXML(c.xml); });
        EXPECT_TRUE(message.contains(c.position)) << c.xml << " -> " << message.toStdString();
        EXPECT_FALSE(doc.Active());
        expectEmpty(doc);
    }
}

TEST(XMLDocument, ErrorPositionCountsLinesOfAFile) {
    TempFolder tmp;
    const QString path = tmp.write("bad.xml", "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
                                              "<r>\r\n<Name Value=\"\xFC\xFC\"/>\r\n<x>\xFC</y>\r\n</r>\r\n");
    TXMLDocument doc(nullptr);
    const QString message = messageOf([&] { doc.LoadFromFile(path); });
    EXPECT_TRUE(message.startsWith(path)) << message.toStdString();
    EXPECT_TRUE(message.contains("line 4, column ")) << message.toStdString();
    expectEmpty(doc);
}

TEST(XMLDocument, MissingFileThrows) {
    TempFolder tmp;
    TXMLDocument doc(nullptr);
    doc.LoadFromXML("<old/>");
    const QString path = tmp.file("missing.xml");
    EXPECT_TRUE(messageOf([&] { doc.LoadFromFile(path); }).contains(path));
    expectEmpty(doc);
    EXPECT_FALSE(messageOf([&] { doc.LoadFromFile(tmp.path()); }).isEmpty());  // a folder
}

// A file is read to its last byte at every size around the room the read asks for, also when
// its Latin-1 text grows on the way to UTF-8.
TEST(XMLDocument, ReadsFilesOfEverySizeToTheirEnd) {
    const QByteArray latin1 = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>";
    const struct {
        QByteArray head;
        char pad;
    } kinds[] = {{"", 'x'}, {latin1, 'x'}, {latin1, '\xFC'}};
    TempFolder tmp;
    for (const auto& kind : kinds) {
        for (const qsizetype size : {80, 127, 128, 4095, 4096, 4097, 65536, 200001}) {
            // A comment pads the text to its size; the element behind it must be there.
            const QByteArray open = kind.head + "<r><!--", close = "--><e v=\"end\"/></r>";
            const QByteArray text = open + QByteArray(size - open.size() - close.size(), kind.pad) + close;
            const QString path = tmp.write("sized.xml", text);
            TXMLDocument doc(nullptr);
            doc.LoadFromFile(path);
            const IXMLNode last = doc.DocumentElement().ChildNodes().FindNode("e");
            EXPECT_EQ(last.Attribute("v"), "end") << size << " " << kind.pad;
        }
    }
}

TEST(XMLDocument, DecodesByByteOrderMarkOrDeclaration) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QString value;
    };
    const auto declared = [](const char* encoding, const char* body) {
        return QByteArray("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?>" + body;
    };
    const QString text = QString::fromUtf8("Grüße €");
    // The document in a Unicode encoding after prolog, with or without a mark.
    const auto unicode = [&text](QStringConverter::Encoding encoding, bool mark, const char* prolog) {
        QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        return QByteArray(encoder(QString::fromUtf8(prolog) + "<!-- c --><r v=\"" + text + "\"/>"));
    };
    const char* utf16 = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n";
    const char* utf32 = "<?xml version=\"1.0\" encoding=\"UTF-32\"?>\r\n";
    // A long run of plain text, then the converted characters at every position of a word.
    const QByteArray longLatin1 = QByteArray(1000, 'a') + "\xFC\x80" + QByteArray(13, 'b') + "\xE9";
    const QString longText =
        QString(1000, u'a') + QString::fromUtf8("ü€") + QString(13, u'b') + QString::fromUtf8("é");
    const Case cases[] = {
        {"utf-8, no declaration", QByteArray("<r v=\"") + text.toUtf8() + "\"/>", text},
        {"utf-8 with mark", QByteArray("\xEF\xBB\xBF<r v=\"") + text.toUtf8() + "\"/>", text},
        {"utf-8 declared", declared("UTF-8", "<r v=\"Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\"/>"), text},
        {"iso-8859-1", declared("ISO-8859-1", "<r v=\"Gr\xFC\xDF" "e\"/>"), QString::fromUtf8("Grüße")},
        {"iso-8859-1, long", declared("ISO-8859-1", "<r v=\"" + longLatin1 + "\"/>"), longText},
        {"windows-1252", declared("windows-1252", "<r v=\"Gr\xFC\xDF" "e \x80\"/>"), text},
        {"latin-1 label with a 1252 byte", declared("iso-8859-1", "<r v=\"\x99\"/>"), QString::fromUtf8("™")},
        {"utf-16le with mark", unicode(QStringConverter::Utf16LE, true, utf16), text},
        {"utf-16le without mark", unicode(QStringConverter::Utf16LE, false, utf16), text},
        {"utf-16be with mark", unicode(QStringConverter::Utf16BE, true, utf16), text},
        {"utf-16be without mark", unicode(QStringConverter::Utf16BE, false, utf16), text},
        {"utf-16le, no mark, no declaration", unicode(QStringConverter::Utf16LE, false, ""), text},
        {"utf-16be, no mark, blank first", unicode(QStringConverter::Utf16BE, false, "\n"), text},
        {"utf-32le with mark", unicode(QStringConverter::Utf32LE, true, utf32), text},
        {"utf-32be without mark", unicode(QStringConverter::Utf32BE, false, utf32), text},
    };
    TempFolder tmp;
    for (const Case& c : cases) {
        TXMLDocument doc(nullptr);
        doc.LoadFromFile(tmp.write("f.xml", c.bytes));
        EXPECT_EQ(doc.DocumentElement().Attribute("v"), c.value) << c.what;
    }
}

// A file that names no encoding is UTF-8 when it is valid UTF-8 and single-byte text when it is
// not; a zero byte anywhere is damage, said to be, never a complaint about the tags.
TEST(XMLDocument, UndeclaredSingleByteTextAndZeroBytes) {
    TempFolder tmp;
    TXMLDocument doc(nullptr);
    const struct {
        QByteArray text;  // the content of <a>
        QString read;
    } cases[] = {
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", QString::fromUtf8("caf\u00E9 \u20AC \U0001F600")},
        {"caf\xE9", QString::fromUtf8("caf\u00E9")},
        {"\xC3", QString::fromUtf8("\u00C3")},                         // cut short
        {"\xC0\xAF", QString::fromUtf8("\u00C0\u00AF")},               // overlong
        {"\xED\xA0\x80", QString::fromUtf8("\u00ED\u00A0\u20AC")},    // a surrogate; 0x80 is the euro sign
        {"\x80 and \x99", QString::fromUtf8("\u20AC and \u2122")},
    };
    for (const auto& c : cases) {
        const QString file = tmp.write("a.xml", "<a>" + c.text + "</a>");
        doc.LoadFromFile(file);
        EXPECT_EQ(doc.DocumentElement().Text(), c.read) << c.text.toHex().constData();
    }
    const QString file = tmp.write("z.xml", QByteArray("<a>\n<b>x@</b></a>").replace('@', '\0'));
    EXPECT_EQ(messageOf([&] { doc.LoadFromFile(file); }), file + ": The file is damaged: a zero byte at line 2, column 5");
    EXPECT_FALSE(doc.Active());
    QDir().mkpath(tmp.file("d.xml"));
    EXPECT_EQ(messageOf([&] { doc.LoadFromFile(tmp.file("d.xml")); }), "Cannot read " + tmp.file("d.xml") + ": Is a directory");
}

TEST(XMLNodeList, FindNodeAndIndexAreNullSafe) {
    TXMLDocument doc(nullptr);
    doc.LoadFromXML("<r><!--Item--><?Item x?>text<item/><Item n=\"1\"/><Item n=\"2\"/></r>");
    const TXMLNodeList children = doc.DocumentElement().ChildNodes();
    EXPECT_EQ(children.Count(), 6);
    EXPECT_EQ(children.FindNode("Item").Attribute("n"), "1");
    EXPECT_EQ(children.FindNode("item").Attribute("n"), "");
    EXPECT_EQ(children.FindNode("item").NodeType(), ntElement);
    EXPECT_TRUE(children.FindNode("Missing").IsNull());
    EXPECT_EQ(children.Nodes(1).NodeType(), ntProcessingInstr);
    EXPECT_EQ(children.Nodes(2).NodeType(), ntText);
    EXPECT_TRUE(children.Nodes(-1).IsNull());
    EXPECT_TRUE(children.Nodes(6).IsNull());

    // A chain through missing nodes ends in empty values, never a crash.
    IXMLNode none = children.FindNode("Missing").ChildNodes().FindNode("x");
    EXPECT_FALSE(none);
    EXPECT_EQ(none.NodeType(), ntReserved);
    EXPECT_EQ(none.Attribute("a"), "");
    EXPECT_EQ(none.Text(), "");
    EXPECT_EQ(none.ChildNodes().Count(), 0);
    EXPECT_TRUE(none.ChildNodes().Nodes(0).IsNull());
    EXPECT_TRUE(none.AddChild("x").IsNull());
    none.SetAttribute("a", "b");
    none.SetText("t");
    EXPECT_TRUE(none.ParentNode().IsNull());
    int visited = 0;
    for (IXMLNode n : none.ChildNodes()) visited += n ? 1 : 0;
    EXPECT_EQ(visited, 0);
}

TEST(XMLNode, LooksUpUtf8NamesAsWritten) {
    TXMLDocument doc(nullptr);
    doc.LoadFromXML(QString::fromUtf8("<r a=\"1\" empty=\"\" xml:lang=\"de\" \u00fc=\"&lt;x&gt;\">"
                                      "<!--Item--><?Item x?>Item<Item n=\"1\"/></r>"));
    IXMLNode r = doc.DocumentElement();
    EXPECT_STREQ(r.FindAttribute("a"), "1");
    EXPECT_STREQ(r.FindAttribute("empty"), "");
    EXPECT_STREQ(r.FindAttribute("xml:lang"), "de");
    EXPECT_STREQ(r.FindAttribute("\xC3\xBC"), "<x>");
    EXPECT_EQ(r.FindAttribute("A"), nullptr);
    EXPECT_EQ(r.FindAttribute("lang"), nullptr);
    EXPECT_EQ(IXMLNode().FindAttribute("a"), nullptr);

    EXPECT_TRUE(r.NameIs("r"));
    EXPECT_FALSE(r.NameIs("R"));
    const TXMLNodeList children = r.ChildNodes();
    EXPECT_FALSE(children.Nodes(0).NameIs("Item"));  // a comment
    EXPECT_TRUE(children.Nodes(1).NameIs("Item"));   // an instruction, by its target
    EXPECT_FALSE(children.Nodes(2).NameIs("Item"));  // text
    EXPECT_FALSE(IXMLNode().NameIs(""));
    EXPECT_EQ(children.FindNode("Item"), children.Nodes(3));

    // Values of a loaded document can be replaced by longer ones.
    r.SetAttribute("a", "a much longer value than before");
    IXMLNode item = children.Nodes(3);
    item.SetText("text");
    const QString xml = doc.XML();
    EXPECT_TRUE(xml.startsWith("<r a=\"a much longer value than before\" empty=\"\" xml:lang=\"de\""))
        << xml.toStdString();
    EXPECT_TRUE(xml.contains("<Item n=\"1\">text</Item>")) << xml.toStdString();
}

TEST(XMLNodeList, IndexAndIterationAgreeAndFollowChanges) {
    TXMLDocument doc(nullptr);
    IXMLNode root = doc.AddChild("r");
    for (int i = 0; i < 300; ++i) root.AddChild("n").SetAttribute("i", QString::number(i));
    const TXMLNodeList list = root.ChildNodes();

    std::vector<IXMLNode> iterated(list.begin(), list.end());
    ASSERT_EQ(iterated.size(), 300u);
    for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.Nodes(i), iterated[size_t(i)]) << i;
    for (int i = 299; i >= 0; i -= 7) EXPECT_EQ(root.ChildNodes().Nodes(i).Attribute("i"), QString::number(i));

    // Nested walks over more parents than are remembered at once.
    int sum = 0;
    for (int i = 0; i < list.Count(); ++i) {
        IXMLNode n = list.Nodes(i);
        if (i % 30 == 0) n.AddChild("c");
        sum += n.ChildNodes().Count();
    }
    EXPECT_EQ(sum, 10);

    root.AddComment("appended");
    EXPECT_EQ(list.Count(), 301);
    EXPECT_EQ(list.Nodes(300).NodeType(), ntComment);

    root.SetText("only text");  // frees the 301 children
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Nodes(0).NodeType(), ntText);
    EXPECT_TRUE(list.Nodes(1).IsNull());
    EXPECT_EQ(root.Text(), "only text");
    EXPECT_EQ(doc.XML(), "<r>only text</r>");
}

TEST(XMLNode, TextJoinsTextAndCData) {
    TXMLDocument doc(nullptr);
    doc.LoadFromXML("<a>one<![CDATA[ <two> ]]><b>skip</b>three &amp; four</a>");
    const IXMLNode a = doc.DocumentElement();
    EXPECT_EQ(a.Text(), "one <two> three & four");
    EXPECT_EQ(a.ChildNodes().Nodes(1).NodeType(), ntCData);
    EXPECT_EQ(a.ChildNodes().Nodes(1).Text(), " <two> ");
}

TEST(XMLNode, ReadTextGivesWhatTextGives) {
    TXMLDocument doc(nullptr);
    doc.LoadFromXML(QString::fromUtf8("<r><one>plain</one><cdata><![CDATA[ <x> ]]></cdata><mixed>a<![CDATA[b]]>c</mixed>"
                                      "<nested>before<b>inner</b>after</nested><child><b>inner</b></child>"
                                      "<blanks>   </blanks><empty/><emptyCData><![CDATA[]]></emptyCData>"
                                      "<wide>Grüße €</wide><comment><!--c-->text</comment></r>"));
    const IXMLNode root = doc.DocumentElement();
    for (const IXMLNode node : root.ChildNodes()) {
        EXPECT_EQ(node.ReadText(), node.Text()) << node.NodeName().toStdString();
        EXPECT_EQ(node.ReadText().isNull(), node.Text().isNull()) << node.NodeName().toStdString();
        EXPECT_EQ(node.ChildNodes().First().ReadText(), node.ChildNodes().First().Text()) << node.NodeName().toStdString();
    }
    EXPECT_EQ(root.ChildNodes().FindNode("wide").ReadText(), QString::fromUtf8("Grüße €"));
    EXPECT_EQ(IXMLNode().ReadText(), "");
}

TEST(XMLDocument, TheDeclaredEncodingIsReadInAnyCaseAndQuoting) {
    const struct {
        const char* what;
        QByteArray bytes;
        QString value;
    } cases[] = {
        {"single quotes, blanks around", "<?xml version='1.0' encoding = 'Latin1' ?><r v=\"\xFC\"/>", QString::fromUtf8("ü")},
        {"mixed case", "<?xml version=\"1.0\" encoding=\"Windows-1252\"?><r v=\"\x80\"/>", QString::fromUtf8("€")},
        {"no encoding named", "<?xml version=\"1.0\"?><r v=\"\xC3\xBC\"/>", QString::fromUtf8("ü")},
        {"another one named", "<?xml version=\"1.0\" encoding=\"utf-8\"?><r v=\"\xC3\xBC\"/>", QString::fromUtf8("ü")},
    };
    TempFolder tmp;
    for (const auto& c : cases) {
        TXMLDocument doc(nullptr);
        doc.LoadFromFile(tmp.write("f.xml", c.bytes));
        EXPECT_EQ(doc.DocumentElement().Attribute("v"), c.value) << c.what;
    }
}

TEST(XMLNode, AValueOfBlanksOnlySurvivesAndLayoutDoesNot) {
    TXMLDocument doc(nullptr);
    doc.LoadFromXML("<root>\n  <password>   </password>\n  <empty></empty>\n</root>");
    const IXMLNode root = doc.DocumentElement();
    EXPECT_EQ(root.ChildNodes().Count(), 2);
    EXPECT_EQ(root.ChildNodes().FindNode("password").Text(), "   ");
    EXPECT_EQ(root.ChildNodes().FindNode("empty").Text(), "");
}

// A copy taken from a loaded file outlives that file's document.
TEST(XMLDocument, AppendCopyTakesANodeWithAllItHoldsFromAnotherDocument) {
    auto source = std::make_unique<TXMLDocument>(nullptr);
    source->LoadFromXML("<r><Device a=\"1\"><Slots><Slot b=\"x &amp; y\"/><!--c--></Slots></Device></r>");
    TXMLDocument target(nullptr);
    IXMLNode root = target.AddChild("n");
    const IXMLNode copy = root.AppendCopy(source->DocumentElement().ChildNodes().First());
    EXPECT_TRUE(root.AppendCopy(IXMLNode()).IsNull());
    source.reset();
    EXPECT_EQ(copy.Attribute("a"), "1");
    EXPECT_EQ(target.XML(), "<n><Device a=\"1\"><Slots><Slot b=\"x &amp; y\"/><!--c--></Slots></Device></n>");
}

TEST(XMLDocument, ClearAndActive) {
    TXMLDocument doc(nullptr);
    EXPECT_FALSE(doc.Active());
    doc.LoadFromXML("<a/>");
    doc.Clear();
    EXPECT_TRUE(doc.Active());
    expectEmpty(doc);
    doc.AddChild("b");
    doc.SetActive(false);
    EXPECT_FALSE(doc.Active());
    expectEmpty(doc);
}

TEST(XMLDocument, LoadsSharedGsdmlFiles) {
    for (const char* name : {"GSDML-V2.25-ABB-FENA-20130603.xml",
                             "GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml",
                             "GSDML-V2.41-LEUZE-BCL248i-20211213.xml"}) {
        TXMLDocument doc(nullptr);
        doc.LoadFromFile(gsdml(name));
        EXPECT_EQ(doc.DocumentElement().NodeName(), "ISO15745Profile") << name;
        EXPECT_EQ(doc.ChildNodes().Nodes(0).NodeType(), ntProcessingInstr) << name;
    }
}

TEST(XMLDocument, Latin1GsdmlDecodesAndSurvivesSaving) {
    const auto vendorName = [](const TXMLDocument& doc) {
        return doc.DocumentElement()
            .ChildNodes()
            .FindNode("ProfileBody")
            .ChildNodes()
            .FindNode("DeviceIdentity")
            .ChildNodes()
            .FindNode("VendorName")
            .Attribute("Value");
    };
    const QString expected = QString::fromUtf8("Hilscher Gesellschaft für Systemautomation mbH");
    TXMLDocument doc(nullptr);
    doc.LoadFromFile(gsdml("GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml"));
    EXPECT_EQ(vendorName(doc), expected);

    TempFolder tmp;
    doc.SaveToFile(tmp.file("copy.xml"));
    TXMLDocument back(nullptr);
    back.LoadFromFile(tmp.file("copy.xml"));
    EXPECT_EQ(vendorName(back), expected);
}

TEST(XMLDocument, FailedSaveLeavesNothingBehind) {
    TempFolder tmp;
    TXMLDocument doc(nullptr);
    doc.AddChild("r");
    const QString target = tmp.file("missing/out.xml");
    EXPECT_TRUE(messageOf([&] { doc.SaveToFile(target); }).contains(target));
    EXPECT_FALSE(QFileInfo::exists(tmp.file("missing")));

    // A target that cannot be replaced fails without leaving a temporary file.
    const QString existing = tmp.write("keep.xml", "<old/>");
    ASSERT_TRUE(QDir().mkdir(tmp.file("folder.xml")));
    EXPECT_FALSE(messageOf([&] { doc.SaveToFile(tmp.file("folder.xml")); }).isEmpty());
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"folder.xml", "keep.xml"}));
    doc.SaveToFile(existing);
    EXPECT_EQ(readAll(existing), "<r/>");
}

TEST(XMLDocument, ASaveOnAFullDiskFailsWithTheSystemsReasonAndKeepsTheOldFile) {
    TempFolder tmp;
    FullDisk disk(tmp.path());
    SKIP_WITHOUT_FULL_DISK(disk);
    const QString target = tmp.write("ParGen.xml", "<Par_Gen><x>1</x></Par_Gen>");
    disk.Fill();
    TXMLDocument doc(nullptr);
    doc.AddChild("Par_Gen").AddChild("x").SetText("2");
    EXPECT_EQ(messageOf([&] { doc.SaveToFile(target); }), "Cannot write " + target + ": No space left on device");
    EXPECT_EQ(readAll(target), "<Par_Gen><x>1</x></Par_Gen>");
}

}  // namespace
