#include "grid/stringgrid/model/string_grid_streaming.h"

#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/core/exception.h"

#include <functional>
#include <type_traits>

namespace {
using G = TExStringGrid;

struct TPublished {
    QString Name;
    QVariant StoredDefault;
    std::function<QVariant(const G&)> Get;
    std::function<void(G&, const QVariant&)> Set;
};

// A plain option stored in its field.
template <class T>
TPublished field(const char* name, T TExStringGridOptions::*member) {
    const TExStringGridOptions defaults;
    return {QString::fromLatin1(name), ToStreamedValue<T>(defaults.*member),
            [member](const G& g) { return ToStreamedValue<T>(g.*member); },
            [member](G& g, const QVariant& v) { g.*member = FromStreamedValue<T>(v); }};
}

// A property read and written through the grid.
template <class T, class Get, class Set>
TPublished property(const char* name, T storedDefault, Get get, Set set) {
    return {QString::fromLatin1(name), ToStreamedValue<T>(storedDefault),
            [get](const G& g) { return ToStreamedValue<T>(get(g)); },
            [set](G& g, const QVariant& v) { set(g, FromStreamedValue<T>(v)); }};
}

#define LW_FIELD(Name) field(#Name, &TExStringGridOptions::Name)
#define LW_PROPERTY(T, Name, Default) \
    property<T>(#Name, Default, [](const G& g) { return g.Name(); }, [](G& g, T v) { g.Set##Name(v); })
#define LW_LIST(Name)                                                                                  \
    TPublished{QStringLiteral(#Name), QVariant(QStringList()),                                         \
               [](const G& g) { return QVariant(g.Name().ToStringList()); },                           \
               [](G& g, const QVariant& v) { g.Name().Assign(v.toStringList()); }}

// The published values in declaration order; owned settings objects are stored by their own
// classes and are not among them.
const std::vector<TPublished>& published() {
    static const std::vector<TPublished> table = {
        LW_PROPERTY(TColor, HighlightColor, clHighlight),
        LW_PROPERTY(TColor, HighlightTextColor, clHighlightText),
        LW_FIELD(HintColor),
        LW_FIELD(HintShowCells),
        LW_FIELD(HintShowLargeText),
        LW_FIELD(HintShowLargeTextPos),
        LW_FIELD(HintShowSizing),
        LW_FIELD(HTMLHint),
        LW_FIELD(OemConvert),
        LW_FIELD(AnchorHint),
        LW_PROPERTY(bool, ActiveCellShow, false),
        LW_PROPERTY(TColor, ActiveCellColor, 0x808080),
        LW_PROPERTY(TColor, ActiveCellColorTo, clNone),
        LW_FIELD(AutoNumAlign),
        LW_PROPERTY(bool, AutoSize, false),
        LW_PROPERTY(bool, AutoThemeAdapt, false),
        LW_FIELD(AutoFilterUpdate),
        LW_PROPERTY(TColor, BorderColor, 0xB99D7F),
        LW_PROPERTY(int, ColCount, 5),
        LW_LIST(ColumnHeaders),
        LW_PROPERTY(TCursor, Cursor, crDefault),
        LW_PROPERTY(int, DefaultColWidth, 64),
        LW_PROPERTY(int, DefaultRowHeight, 22),
        LW_PROPERTY(TAlignment, DefaultAlignment, taLeftJustify),
        LW_FIELD(DefaultEditor),
        LW_FIELD(DisabledFontColor),
        LW_FIELD(EditWithTags),
        LW_FIELD(EnableBlink),
        LW_FIELD(EnableHTML),
        LW_FIELD(EnableWheel),
        LW_FIELD(EnhTextSize),
        LW_FIELD(EnhRowColMove),
        LW_FIELD(ExcelStyleDecimalSeparator),
        LW_FIELD(FilterActive),
        LW_FIELD(FilterDropDownAuto),
        LW_FIELD(FilterDropDownClear),
        LW_FIELD(FilterDropDownCheck),
        LW_FIELD(FilterDropDownColumns),
        LW_FIELD(FilterDropDownRow),
        LW_FIELD(FilterNormalCellsOnly),
        LW_PROPERTY(int, FixedCols, 1),
        LW_FIELD(FixedAsButtons),
        LW_PROPERTY(int, FixedFooters, 0),
        LW_PROPERTY(int, FixedRightCols, 0),
        LW_PROPERTY(int, FixedColWidth, 64),
        LW_PROPERTY(int, FixedRowHeight, 21),
        LW_FIELD(FixedRowAlways),
        LW_PROPERTY(int, FixedRows, 1),
        LW_FIELD(FixedColAlways),
        LW_PROPERTY(bool, Flat, false),
        LW_FIELD(FloatFormat),
        LW_FIELD(HideFocusRect),
        LW_FIELD(Hovering),
        LW_FIELD(HoverFixedCells),
        LW_FIELD(IntegralHeight),
        LW_FIELD(IntelliPan),
        LW_FIELD(IntelliZoom),
        LW_FIELD(InvalidEntryTitle),
        LW_FIELD(InvalidEntryIcon),
        LW_FIELD(InvalidEntryText),
        // Through the setter, which leaves the look's colours alone while loading.
        property<TGridLook>("Look", glXP, [](const G& g) { return g.Look; }, [](G& g, TGridLook v) { g.SetLook(v); }),
        LW_LIST(LookupItems),
        LW_FIELD(Lookup),
        LW_FIELD(LookupCaseSensitive),
        LW_FIELD(LookupHistory),
        LW_PROPERTY(int, MaxEditLength, 0),
        LW_FIELD(MaxComboLength),
        LW_FIELD(Multilinecells),
        LW_PROPERTY(TGridOptions, Options, DefaultGridOptions),
        LW_PROPERTY(int, RowCount, 10),
        LW_LIST(RowHeaders),
        LW_PROPERTY(TScrollBarAlways, ScrollBarAlways, saNone),
        LW_PROPERTY(TScrollStyle, ScrollBars, ssBoth),
        LW_PROPERTY(TColor, ScrollColor, clNone),
        LW_FIELD(ScrollProportional),
        LW_FIELD(ScrollSynch),
        LW_PROPERTY(TScrollType, ScrollType, ssNormal),
        LW_PROPERTY(int, ScrollWidth, 17),
        LW_FIELD(ScrollHints),
        LW_PROPERTY(TColor, SelectionColor, 0xEACAB6),
        LW_PROPERTY(TColor, SelectionColorTo, clNone),
        LW_PROPERTY(bool, SelectionColorMixer, false),
        LW_PROPERTY(int, SelectionColorMixerFactor, 50),
        LW_PROPERTY(TColor, SelectionMirrorColor, clNone),
        LW_PROPERTY(TColor, SelectionMirrorColorTo, clNone),
        LW_PROPERTY(bool, SelectionRectangle, false),
        LW_PROPERTY(bool, SelectionResizer, false),
        LW_PROPERTY(bool, SelectionRTFKeep, false),
        LW_PROPERTY(TColor, SelectionTextColor, clBlack),
        LW_PROPERTY(bool, ShowSelection, true),
        LW_PROPERTY(bool, ShowDesignHelper, true),
        LW_FIELD(SizeWithForm),
        LW_PROPERTY(TColor, URLColor, clBlue),
        LW_PROPERTY(bool, URLShow, false),
        LW_PROPERTY(bool, URLShowInText, false),
        LW_FIELD(URLUnderlineOnHover),
        LW_PROPERTY(bool, URLFull, false),
        LW_FIELD(URLEdit),
        LW_FIELD(UseInternalHintClass),
        LW_FIELD(ValidChars),
        LW_PROPERTY(TVAlignment, VAlignment, vtaTop),
        LW_PROPERTY(QString, Version, QStringLiteral("6.2.1.3")),
        property<bool>("WordWrap", true, [](const G& g) { return g.WordWrap; }, [](G& g, bool v) { g.SetWordWrap(v); }),
    };
    return table;
}

const TPublished* find(const QString& name) {
    for (const TPublished& p : published())
        if (p.Name == name) return &p;
    return nullptr;
}
}  // namespace

TFormProperties WriteGridProperties(const TExStringGrid& Grid) {
    TFormProperties out;
    for (const TPublished& p : published()) {
        const QVariant value = p.Get(Grid);
        if (value != p.StoredDefault) out.push_back({p.Name, value});
    }
    return out;
}

void ReadGridProperties(TExStringGrid& Grid, const TFormProperties& Properties) {
    Grid.Private().FLoading = true;
    try {
        for (const TStreamedProperty& prop : Properties) {
            const TPublished* p = find(prop.Name);
            if (!p) throw Exception(QStringLiteral("Property %1 does not exist").arg(prop.Name));
            p->Set(Grid, prop.Value);
        }
    } catch (...) {
        Grid.Private().FLoading = false;
        throw;
    }
    Grid.Private().FLoading = false;
    Grid.Loaded();
}

QStringList PublishedGridProperties() {
    QStringList names;
    for (const TPublished& p : published()) names.append(p.Name);
    return names;
}

QVariant GridPropertyValue(const TExStringGrid& Grid, const QString& Name) {
    const TPublished* p = find(Name);
    return p ? p->Get(Grid) : QVariant();
}
