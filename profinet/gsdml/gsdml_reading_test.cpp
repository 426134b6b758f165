#include "profinet/gsdml/gsdml_reading.h"

#include <gtest/gtest.h>

#include <QList>
#include <climits>
#include <new>
#include <optional>

#include "platform/core/exception.h"

namespace {

// An element class as the reader's rules shape them; its reader fails when the element has
// the attribute "Fail".
class TTestItem : public TObject {
public:
    bool Read_TestItem(IXMLNode node) {
        Read_Attribute(node, "N", FN);
        return !node.FindAttribute("Fail");
    }

    GSDML_PROPERTY(int32_t, N) = -7;
};

class TOtherItem : public TObject {
public:
    bool Read_OtherItem(IXMLNode node) {
        Read_Attribute(node, "N", FN);
        return true;
    }

    GSDML_PROPERTY(QString, N);
};

// Parses xml; root() is its root element.
struct Doc {
    explicit Doc(const QString& xml) { doc.LoadFromXML(xml); }
    IXMLNode root() const { return doc.DocumentElement(); }
    TXMLDocument doc{nullptr};
};

QList<int> numbers(const TItemList<TTestItem>& list) {
    QList<int> out;
    for (const auto& item : list) out << item->N();
    return out;
}

TEST(GSDMLReading, PropertiesStartAtTheirDefaultAndWriteTheField) {
    TTestItem item;
    EXPECT_EQ(item.N(), -7);
    item.SetN(12);
    EXPECT_EQ(item.N(), 12);
}

TEST(GSDMLReading, IntegersConvertWithTheirDefaultAndKeepTheFieldWidth) {
    struct Case {
        const char* text;
        std::optional<int64_t> value;  // nullopt: no number, the conversion default applies
    };
    const Case cases[] = {
        {"42", 42},
        {"+42", 42},
        {"0x002A", 42},
        {"0X2a", 42},
        {"$2A", 42},
        {"x2A", 42},
        {" 42", 42},  // leading blanks are skipped, trailing ones are not
        {"  -0x2A", -42},
        {"0x000000001", 1},  // leading zeros are not significant
        {"-1", -1},
        {"0xFFFFFFFF", -1},
        {"70000", 70000},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", std::nullopt},
        {"4294967295", std::nullopt},
        {"0x123456789", std::nullopt},
        {"42 ", std::nullopt},
        {"1.5", std::nullopt},
        {"", std::nullopt},
        {"0x", std::nullopt},
        {"4 2", std::nullopt},
        {"٤٢", std::nullopt},  // Arabic-Indic digits are no digits here
        {"0x00000000000000000000000000000042", 0x42},  // longer than a short number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Doc doc(QStringLiteral("<e a=\"%1\"/>").arg(QString::fromUtf8(c.text)));
        for (const int conversionDefault : {0, 1}) {
            const int32_t v = c.value ? int32_t(*c.value) : conversionDefault;
            uint8_t b = 9;
            uint16_t w = 9;
            uint32_t u = 9;
            int32_t i = 9;
            Read_Attribute(doc.root(), "a", b, conversionDefault);
            Read_Attribute(doc.root(), "a", w, conversionDefault);
            Read_Attribute(doc.root(), "a", u, conversionDefault);
            Read_Attribute(doc.root(), "a", i, conversionDefault);
            EXPECT_EQ(b, uint8_t(v));
            EXPECT_EQ(w, uint16_t(v));
            EXPECT_EQ(u, uint32_t(v));
            EXPECT_EQ(i, v);
        }
    }
    Doc widths("<e a=\"70000\" b=\"-1\"/>");
    uint16_t w = 0;
    uint32_t u = 0;
    Read_Attribute(widths.root(), "a", w);
    Read_Attribute(widths.root(), "b", u);
    EXPECT_EQ(w, 4464);
    EXPECT_EQ(u, 4294967295u);
}

TEST(GSDMLReading, PlainDigitsOfAnyLengthConvertAsTheIntegerRuleSays) {
    const char* const texts[] = {"0", "7", "007", "65535", "999999999", "0999999999", "1000000000",
                                 "2147483647", "2147483648", "99999999999", "12a", "1-"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        Doc doc(QStringLiteral("<e a=\"%1\"/>").arg(QString::fromLatin1(text)));
        int32_t value = 9;
        Read_Attribute(doc.root(), "a", value, -5);
        EXPECT_EQ(value, GSDML_To_Integer(QString::fromLatin1(text), -5));
    }
}

TEST(GSDMLReading, HexIdentifiersConvertAsTheIntegerRuleSays) {
    const char* const texts[] = {"0x0",        "0xA",         "0X00ff",      "0xabcdef01", "0x7FFFFFFF",
                                 "0x80000000", "0xFFFFFFFF",  "0x00000000F", "0x100000000", "0x1g",
                                 "0x-1",       "0x 1",        "0x1 ",        "00x1",        "0xx1"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        Doc doc(QStringLiteral("<e a=\"%1\"/>").arg(QString::fromLatin1(text)));
        const int expected = GSDML_To_Integer(QString::fromLatin1(text), -5);
        int32_t value = 9;
        uint16_t word = 9;
        Read_Attribute(doc.root(), "a", value, -5);
        Read_Attribute(doc.root(), "a", word, -5);
        EXPECT_EQ(value, expected);
        EXPECT_EQ(word, uint16_t(expected));
    }
}

TEST(GSDMLReading, BooleansAreTrueOnlyForTrueInAnyCase) {
    const struct {
        const char* text;
        bool value;
    } cases[] = {
        {"true", true}, {" True ", true}, {"TRUE", true},  {"\ttRuE\n", true}, {"1", false},
        {"yes", false}, {"", false},      {"TRUE1", false}, {"T", false},      {"tr ue", false},
    };
    for (const auto& c : cases) {
        Doc doc(QStringLiteral("<e a=\"%1\"/>").arg(c.text).replace("\t", "&#9;").replace("\n", "&#10;"));
        for (const bool before : {false, true}) {
            bool field = before;
            Read_Attribute(doc.root(), "a", field);
            EXPECT_EQ(field, c.value) << c.text;
        }
    }
}

TEST(GSDMLReading, MissingAttributesLeaveTheirFields) {
    Doc doc("<e Name=\" a  B \" xml:lang=\"de\" lower=\"x\"/>");
    QString text = "kept";
    bool flag = true;
    uint16_t word = 5;
    int32_t integer = -3;
    Read_Attribute(doc.root(), "name", text);
    Read_Attribute(doc.root(), "Flag", flag);
    Read_Attribute(doc.root(), "Lower", word);
    Read_Attribute(doc.root(), "Integer", integer);
    Read_Attribute(IXMLNode(), "Name", text);
    EXPECT_EQ(text, "kept");
    EXPECT_TRUE(flag);
    EXPECT_EQ(word, 5);
    EXPECT_EQ(integer, -3);

    Read_Attribute(doc.root(), "Name", text);
    EXPECT_EQ(text, " a  B ");  // exactly as written
    Read_Attribute(doc.root(), "xml:lang", text);
    EXPECT_EQ(text, "de");
    Read_Attribute(doc.root(), "lang", text);
    EXPECT_EQ(text, "de");
}

TEST(GSDMLReading, ASingleChildIsTheFirstOfItsName) {
    Doc doc("<r><!--Item--><item N=\"0\"/><Item N=\"1\"/><Item N=\"2\"/><Text>a<!--x-->b</Text><Text>c</Text></r>");
    TTestItem item;
    EXPECT_TRUE(Read_RequiredChild(doc.root(), "Item", item, &TTestItem::Read_TestItem));
    EXPECT_EQ(item.N(), 1);
    EXPECT_FALSE(Read_RequiredChild(doc.root(), "Missing", item, &TTestItem::Read_TestItem));
    EXPECT_TRUE(Read_OptionalChild(doc.root(), "Missing", item, &TTestItem::Read_TestItem));
    EXPECT_EQ(item.N(), 1);

    QString text = "kept";
    Read_ChildText(doc.root(), "Missing", text);
    EXPECT_EQ(text, "kept");
    Read_ChildText(doc.root(), "Text", text);
    EXPECT_EQ(text, "ab");
}

TEST(GSDMLReading, AChildHeldByPointerExistsOnlyWhenItsElementDoes) {
    Doc doc("<r><Good N=\"1\"/><Bad N=\"2\" Fail=\"\"/></r>");
    std::unique_ptr<TTestItem> item;
    EXPECT_TRUE(Read_OptionalChild(doc.root(), "Missing", item, &TTestItem::Read_TestItem));
    EXPECT_EQ(item, nullptr);
    EXPECT_FALSE(Read_RequiredChild(doc.root(), "Missing", item, &TTestItem::Read_TestItem));
    EXPECT_EQ(item, nullptr);

    EXPECT_TRUE(Read_RequiredChild(doc.root(), "Good", item, &TTestItem::Read_TestItem));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->N(), 1);
    // A failed read leaves the partly read object in its field.
    EXPECT_FALSE(Read_OptionalChild(doc.root(), "Bad", item, &TTestItem::Read_TestItem));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->N(), 2);
}

TEST(GSDMLReading, ItemListsTakeTheirNamesOnlyInDocumentOrder) {
    Doc doc(
        "<List>\n"
        "  <!-- <Item N=\"99\"/> -->\n"
        "  <Item N=\"1\"/>\n"
        "  text between\n"
        "  <ItemX N=\"2\"/>\n"
        "  <p:Item xmlns:p=\"urn:p\" N=\"3\"/>\n"
        "  <item N=\"4\"/>\n"
        "  <!-- between -->\n"
        "  <Item/>\n"
        "  <Item N=\"5\"><Item N=\"6\"/></Item>\n"
        "</List>");
    TItemList<TTestItem> list;
    EXPECT_TRUE(Read_ItemList(doc.root(), "Item", list, &TTestItem::Read_TestItem));
    EXPECT_EQ(numbers(list), QList<int>({1, -7, 5}));

    TItemList<TTestItem> none;
    EXPECT_TRUE(Read_ItemList(doc.root(), "Missing", none, &TTestItem::Read_TestItem));
    EXPECT_TRUE(Read_ItemList(IXMLNode(), "Item", none, &TTestItem::Read_TestItem));
    EXPECT_TRUE(none.empty());
}

TEST(GSDMLReading, AFailingItemEndsTheListAndIsDiscarded) {
    Doc doc("<List><Item N=\"1\"/><Item N=\"2\"/><Item N=\"3\" Fail=\"\"/><Item N=\"4\"/></List>");
    TItemList<TTestItem> list;
    EXPECT_FALSE(Read_ItemList(doc.root(), "Item", list, &TTestItem::Read_TestItem));
    EXPECT_EQ(numbers(list), QList<int>({1, 2}));
}

TEST(GSDMLReading, ItemsOfSeveralNamesShareOneListInDocumentOrder) {
    Doc doc("<List><A N=\"1\"/><B N=\"two\"/><C/><A N=\"3\"/><B N=\"four\"/></List>");
    TItemList<TObject> list;
    EXPECT_TRUE(Read_Items(doc.root(), {"A", "B"}, [&](IXMLNode node, int name) {
        return name == 0 ? Read_Item(node, list, &TTestItem::Read_TestItem)
                         : Read_Item(node, list, &TOtherItem::Read_OtherItem);
    }));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(dynamic_cast<TTestItem&>(*list[0]).N(), 1);
    EXPECT_EQ(dynamic_cast<TOtherItem&>(*list[1]).N(), "two");
    EXPECT_EQ(dynamic_cast<TTestItem&>(*list[2]).N(), 3);
    EXPECT_EQ(dynamic_cast<TOtherItem&>(*list[3]).N(), "four");
}

TEST(GSDMLReading, AGuardTurnsAnErrorBelowItIntoFalse) {
    EXPECT_TRUE(Guarded([] { return true; }));
    EXPECT_FALSE(Guarded([] { return false; }));
    EXPECT_FALSE(Guarded([]() -> bool { throw Exception("not a number"); }));
    EXPECT_FALSE(Guarded([]() -> bool { throw std::bad_alloc(); }));

    // The nearest guard contains the error; the reader around it goes on.
    int after = 0;
    EXPECT_TRUE(Guarded([&] {
        EXPECT_FALSE(Guarded([]() -> bool { throw Exception("inner"); }));
        ++after;
        return true;
    }));
    EXPECT_EQ(after, 1);
}

}  // namespace
