// A column definition as a form description holds it: its published values in their order.
#include "grid/columngrid/grid_column_item.h"

#include "platform/core/exception.h"

#include <QVariantList>
#include <algorithm>
#include <functional>
#include <vector>

namespace {
using I = TGridColumnItem;

struct TPublished {
    QString Name;
    // Whether a value is left out of the description.
    std::function<bool(const QVariant&)> IsDefault;
    std::function<QVariant(const I&)> Get;
    std::function<void(I&, const QVariant&)> Set;
};

const TCellBorder AllBorders[] = {cbTop, cbLeft, cbRight, cbBottom};

int bordersToBits(TCellBorders b) {
    int bits = 0;
    for (TCellBorder side : AllBorders)
        if (b.Contains(side)) bits |= 1 << side;
    return bits;
}

TCellBorders bitsToBorders(int bits) {
    TCellBorders b;
    for (TCellBorder side : AllBorders)
        if (bits & (1 << side)) b.Include(side);
    return b;
}

QVariant fontToVariant(const TFont& f) {
    return QVariantList{f.Name(), f.Height(), static_cast<qlonglong>(f.Color()), static_cast<int>(f.Style()),
                        f.Orientation()};
}

TFont variantToFont(const QVariant& v) {
    const QVariantList l = v.toList();
    if (l.size() != 5) throw Exception(QStringLiteral("Invalid font value"));
    TFont f;
    f.SetName(l[0].toString());
    f.SetHeight(l[1].toInt());
    f.SetColor(static_cast<TColor>(l[2].toLongLong()));
    f.SetStyle(static_cast<TFontStyles>(l[3].toInt()));
    f.SetOrientation(l[4].toInt());
    return f;
}

QVariant penToVariant(const TPen& p) {
    return QVariantList{static_cast<qlonglong>(p.Color), p.Width, static_cast<int>(p.Style)};
}

TPen variantToPen(const QVariant& v) {
    const QVariantList l = v.toList();
    if (l.size() != 3) throw Exception(QStringLiteral("Invalid pen value"));
    return TPen{static_cast<TColor>(l[0].toLongLong()), l[1].toInt(), static_cast<TPenStyle>(l[2].toInt())};
}

bool never(const QVariant&) { return false; }
bool emptyText(const QVariant& v) { return v.toString().isEmpty(); }
bool emptyList(const QVariant& v) { return v.toStringList().isEmpty(); }
bool isTrue(const QVariant& v) { return v.toBool(); }

// A value that only stores.
template <class T>
TPublished field(const char* name, T I::*member, bool (*isDefault)(const QVariant&) = never) {
    return {QString::fromLatin1(name), isDefault, [member](const I& i) { return ToStreamedValue<T>(i.*member); },
            [member](I& i, const QVariant& v) { i.*member = FromStreamedValue<T>(v); }};
}

// A value written through its setter.
template <class T, class Get, class Set>
TPublished property(const char* name, Get get, Set set, bool (*isDefault)(const QVariant&) = never) {
    return {QString::fromLatin1(name), isDefault, [get](const I& i) { return ToStreamedValue<T>(get(i)); },
            [set](I& i, const QVariant& v) { set(i, FromStreamedValue<T>(v)); }};
}

#define LW_PROPERTY(T, Name, ...) \
    property<T>(#Name, [](const I& i) { return i.Name(); }, [](I& i, T v) { i.Set##Name(v); } __VA_OPT__(, ) __VA_ARGS__)
#define LW_FONT(Name)                                                                        \
    TPublished{QStringLiteral(#Name), never, [](const I& i) { return fontToVariant(i.Name()); }, \
               [](I& i, const QVariant& v) { i.Set##Name(variantToFont(v)); }}
#define LW_PEN(Name, Get, Set)                                                             \
    TPublished{QStringLiteral(#Name), never, [](const I& i) { return penToVariant(Get); }, \
               [](I& i, const QVariant& v) { Set(variantToPen(v)); }}
#define LW_BORDERS(Name, Get, Set)                                                           \
    TPublished{QStringLiteral(#Name), never, [](const I& i) { return QVariant(bordersToBits(Get)); }, \
               [](I& i, const QVariant& v) { Set(bitsToBorders(v.toInt())); }}
#define LW_LIST(Name)                                                                              \
    TPublished{QStringLiteral(#Name), emptyList, [](const I& i) { return QVariant(i.Name().ToStringList()); }, \
               [](I& i, const QVariant& v) { i.Name().Assign(v.toStringList()); }}

// The published values in the order they are declared and streamed. The popup menu and edit
// link are references to other components and are set by the window that owns them.
const std::vector<TPublished>& published() {
    static const std::vector<TPublished> list{
        field("AutoMinSize", &I::AutoMinSize),
        field("AutoMaxSize", &I::AutoMaxSize),
        LW_PROPERTY(TAlignment, Alignment),
        LW_BORDERS(Borders, i.Borders(), i.SetBorders),
        LW_PEN(BorderPen, i.BorderPen(), i.SetBorderPen),
        field("CheckFalse", &I::CheckFalse, emptyText),
        field("CheckTrue", &I::CheckTrue, emptyText),
        LW_PROPERTY(TColor, Color),
        field("ColumnPopupType", &I::ColumnPopupType),
        LW_LIST(ComboItems),
        field("DropDownCount", &I::DropDownCount),
        field("EditLength", &I::EditLength),
        field("EditMask", &I::EditMask, emptyText),
        LW_PROPERTY(TEditorType, Editor),
        LW_LIST(Filter),
        field("FilterCaseSensitive", &I::FilterCaseSensitive),
        LW_PROPERTY(bool, Fixed),
        LW_PROPERTY(QString, FloatFormat, emptyText),
        LW_FONT(Font),
        LW_PROPERTY(QString, Header, emptyText),
        LW_PROPERTY(TAlignment, HeaderAlignment),
        LW_FONT(HeaderFont),
        field("MinSize", &I::MinSize),
        field("MaxSize", &I::MaxSize),
        field("Name", &I::Name, emptyText),
        LW_PROPERTY(bool, Password),
        field("PrintBorderCustom", &I::PrintBorderCustom, isTrue),
        LW_BORDERS(PrintBorders, i.PrintBorders, i.PrintBorders =),
        LW_PEN(PrintBorderPen, i.PrintBorderPen, i.PrintBorderPen =),
        field("PrintColor", &I::PrintColor),
        field("PrintFontCustom", &I::PrintFontCustom, isTrue),
        LW_FONT(PrintFont),
        field("ReadOnly", &I::ReadOnly),
        LW_PROPERTY(bool, ShowBands),
        field("SortStyle", &I::SortStyle),
        field("SortPrefix", &I::SortPrefix, emptyText),
        field("SortSuffix", &I::SortSuffix, emptyText),
        field("SpinMax", &I::SpinMax),
        field("SpinMin", &I::SpinMin),
        field("SpinStep", &I::SpinStep),
        field("Tag", &I::Tag),
        LW_PROPERTY(int, Width),
    };
    return list;
}
}  // namespace

TFormProperties WriteColumnItemProperties(const TGridColumnItem& Item) {
    TFormProperties out;
    for (const TPublished& p : published()) {
        const QVariant value = p.Get(Item);
        if (!p.IsDefault(value)) out.push_back({p.Name, value});
    }
    return out;
}

void ReadColumnItemProperties(TGridColumnItem& Item, const TFormProperties& Properties) {
    const std::vector<TPublished>& list = published();
    for (const TStreamedProperty& entry : Properties) {
        auto it = std::find_if(list.begin(), list.end(), [&](const TPublished& p) { return p.Name == entry.Name; });
        if (it == list.end()) throw Exception(QStringLiteral("Property %1 does not exist").arg(entry.Name));
        it->Set(Item, entry.Value);
    }
}
