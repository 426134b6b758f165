// The grid's colours, fonts and looks as a text file of name=value lines.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "platform/core/exception.h"
#include "platform/graphics/color_text.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/system/text_file.h"

#include <functional>
#include <map>

namespace {

// One line of the file: how its value is read from the grid and written back.
struct TVisualProp {
    QString name;
    std::function<QString()> get;
    std::function<void(const QString&)> set;
};

QString boolText(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }
bool boolOf(const QString& v) { return v.toUpper() == QLatin1String("TRUE"); }
TColor colourOf(const QString& v) { return v.isEmpty() ? clNone : StringToColor(v); }

const char* const kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

QString styleText(TFontStyles style) {
    QStringList names;
    for (int i = 0; i < 4; ++i)
        if (style & (1 << i)) names << kStyleNames[i];
    return names.join(',');
}

TFontStyles styleOf(const QString& v) {
    TFontStyles style = 0;
    for (int i = 0; i < 4; ++i)
        if (v.contains(QLatin1String(kStyleNames[i]))) style |= static_cast<TFontStyles>(1 << i);
    return style;
}

// The index of v among names without regard to case; -1 when none matches.
int enumOf(const QString& v, const QStringList& names) {
    for (int i = 0; i < names.size(); ++i)
        if (!names[i].isEmpty() && names[i].compare(v, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

class TVisualPropTable {
public:
    explicit TVisualPropTable(TExStringGrid& g) : g(g) { build(); }
    std::vector<TVisualProp> props;

private:
    void colour(const QString& name, std::function<TColor()> get, std::function<void(TColor)> set) {
        props.push_back({name, [get] { return ColorToString(get()); }, [set](const QString& v) { set(colourOf(v)); }});
    }
    void flag(const QString& name, std::function<bool()> get, std::function<void(bool)> set) {
        props.push_back({name, [get] { return boolText(get()); }, [set](const QString& v) { set(boolOf(v)); }});
    }
    void integer(const QString& name, std::function<int()> get, std::function<void(int)> set) {
        props.push_back({name, [get] { return QString::number(get()); }, [set](const QString& v) { set(StrToInt(v)); }});
    }
    void choice(const QString& name, const QStringList& names, std::function<int()> get, std::function<void(int)> set) {
        props.push_back({name, [=] { return names.value(get()); },
                         [=](const QString& v) {
                             const int i = enumOf(v, names);
                             if (i >= 0) set(i);
                         }});
    }
    // A font is four lines; each change goes through the font's own writer.
    void font(const QString& name, std::function<const TFont&()> get, std::function<void(const TFont&)> set) {
        const auto change = [get, set](const std::function<void(TFont&)>& edit) {
            TFont f;
            f.Assign(get());
            edit(f);
            set(f);
        };
        colour(name + ".Color", [get] { return get().Color(); }, [change](TColor c) { change([c](TFont& f) { f.SetColor(c); }); });
        props.push_back({name + ".Style", [get] { return styleText(get().Style()); },
                         [change](const QString& v) { change([s = styleOf(v)](TFont& f) { f.SetStyle(s); }); }});
        integer(name + ".Size", [get] { return get().Size(); }, [change](int s) { change([s](TFont& f) { f.SetSize(s); }); });
        props.push_back({name + ".Name", [get] { return get().Name(); },
                         [change](const QString& v) { change([v](TFont& f) { f.SetName(v); }); }});
    }

    void build() {
        colour("Color", [&] { return g.Color(); }, [&](TColor c) { g.SetColor(c); });
        colour("HintColor", [&] { return g.HintColor; }, [&](TColor c) { g.HintColor = c; });
        colour("SelectionColor", [&] { return g.SelectionColor(); }, [&](TColor c) { g.SetSelectionColor(c); });
        colour("SelectionColorTo", [&] { return g.SelectionColorTo(); }, [&](TColor c) { g.SetSelectionColorTo(c); });
        colour("SelectionMirrorColor", [&] { return g.SelectionMirrorColor(); }, [&](TColor c) { g.SetSelectionMirrorColor(c); });
        colour("SelectionMirrorColorTo", [&] { return g.SelectionMirrorColorTo(); }, [&](TColor c) { g.SetSelectionMirrorColorTo(c); });
        colour("SelectionTextColor", [&] { return g.SelectionTextColor(); }, [&](TColor c) { g.SetSelectionTextColor(c); });
        colour("URLColor", [&] { return g.URLColor(); }, [&](TColor c) { g.SetURLColor(c); });
        flag("URLShow", [&] { return g.URLShow(); }, [&](bool v) { g.SetURLShow(v); });
        flag("URLShowInText", [&] { return g.URLShowInText(); }, [&](bool v) { g.SetURLShowInText(v); });
        colour("ScrollColor", [&] { return g.ScrollColor(); }, [&](TColor c) { g.SetScrollColor(c); });
        colour("ActiveRowColor", [&] { return g.ActiveRowColor(); }, [&](TColor c) { g.SetActiveRowColor(c); });
        flag("ActiveRowShow", [&] { return g.ActiveRowShow(); }, [&](bool v) { g.SetActiveRowShow(v); });
        flag("ActiveCellShow", [&] { return g.ActiveCellShow(); }, [&](bool v) { g.SetActiveCellShow(v); });
        font("Font", [&]() -> const TFont& { return g.Font(); }, [&](const TFont& f) { g.Font().Assign(f); g.Invalidate(); });
        colour("ActiveCellColor", [&] { return g.ActiveCellColor(); }, [&](TColor c) { g.SetActiveCellColor(c); });
        colour("ActiveCellColorTo", [&] { return g.ActiveCellColorTo(); }, [&](TColor c) { g.SetActiveCellColorTo(c); });
        font("ActiveCellFont", [&]() -> const TFont& { return g.ActiveCellFont(); }, [&](const TFont& f) { g.SetActiveCellFont(f); });
        font("FixedFont", [&]() -> const TFont& { return g.FixedFont(); }, [&](const TFont& f) { g.SetFixedFont(f); });
        TBalloonSettings& balloon = g.Balloon();
        colour("Balloon.BackgroundColor", [&] { return balloon.BackgroundColor; }, [&](TColor c) { balloon.BackgroundColor = c; });
        colour("Balloon.TextColor", [&] { return balloon.TextColor; }, [&](TColor c) { balloon.TextColor = c; });
        integer("Balloon.Transparency", [&] { return int(balloon.Transparency); },
                [&](int v) { balloon.Transparency = static_cast<uint8_t>(v); });
        TBands& bands = g.Bands();
        colour("Bands.PrimaryColor", [&] { return bands.PrimaryColor(); }, [&](TColor c) { bands.SetPrimaryColor(c); });
        colour("Bands.SecondaryColor", [&] { return bands.SecondaryColor(); }, [&](TColor c) { bands.SetSecondaryColor(c); });
        flag("Bands.Active", [&] { return bands.Active(); }, [&](bool v) { bands.SetActive(v); });
        colour("SortSettings.IndexColor", [&] { return g.SortSettings().IndexColor; }, [&](TColor c) { g.SortSettings().IndexColor = c; });
        colour("FloatingFooter.Color", [&] { return g.FloatingFooter().Color; }, [&](TColor c) { g.FloatingFooter().SetColor(c); });
        TControlLook& look = g.ControlLook();
        integer("ControlLook.CheckSize", [&] { return look.CheckSize; }, [&](int v) { look.SetCheckSize(v); });
        colour("ControlLook.Color", [&] { return look.Color; }, [&](TColor c) { look.SetColor(c); });
        colour("ControlLook.CommentColor", [&] { return look.CommentColor; }, [&](TColor c) { look.SetCommentColor(c); });
        choice("ControlLook.ControlStyle", {"csClassic", "csFlat", "csWinXP", "csBorland", "csDUD", "csGlyph", "csTheme"},
               [&] { return int(look.ControlStyle); }, [&](int v) { look.SetControlStyle(TControlStyle(v)); });
        colour("ControlLook.FixedGradientFrom", [&] { return look.FixedGradientFrom(); }, [&](TColor c) { look.SetFixedGradientFrom(c); });
        colour("ControlLook.FixedGradientTo", [&] { return look.FixedGradientTo(); }, [&](TColor c) { look.SetFixedGradientTo(c); });
        integer("ControlLook.RadioSize", [&] { return look.RadioSize; }, [&](int v) { look.SetRadioSize(v); });
        flag("ControlLook.FlatButton", [&] { return look.FlatButton; }, [&](bool v) { look.SetFlatButton(v); });
        colour("ControlLook.ProgressBorderColor", [&] { return look.ProgressBorderColor; }, [&](TColor c) { look.ProgressBorderColor = c; });
        flag("ControlLook.ProgressXP", [&] { return look.ProgressXP; }, [&](bool v) { look.SetProgressXP(v); });
        choice("Look", {"glStandard", "glSoft", "glClassic", "glDUD", "glXP", "glListView", "glVista", "glWin7", "glOffice2007", ""},
               [&] { return int(g.Look); }, [&](int v) { g.SetLook(TGridLook(v)); });
        TSearchFooter& search = g.SearchFooter();
        colour("SearchFooter.Color", [&] { return search.Color(); }, [&](TColor c) { search.SetColor(c); });
        colour("SearchFooter.ColorTo", [&] { return search.ColorTo(); }, [&](TColor c) { search.SetColorTo(c); });
        TGrouping& grouping = g.Grouping();
        colour("Grouping.HeaderColor", [&] { return grouping.HeaderColor; }, [&](TColor c) { grouping.HeaderColor = c; });
        colour("Grouping.HeaderColorTo", [&] { return grouping.HeaderColorTo; }, [&](TColor c) { grouping.HeaderColorTo = c; });
        colour("Grouping.HeaderTextColor", [&] { return grouping.HeaderTextColor; }, [&](TColor c) { grouping.HeaderTextColor = c; });
        flag("Grouping.HeaderUnderline", [&] { return grouping.HeaderUnderline; }, [&](bool v) { grouping.HeaderUnderline = v; });
        colour("Grouping.HeaderLineColor", [&] { return grouping.HeaderLineColor; }, [&](TColor c) { grouping.HeaderLineColor = c; });
        integer("Grouping.HeaderLineWidth", [&] { return grouping.HeaderLineWidth; }, [&](int v) { grouping.HeaderLineWidth = v; });
        colour("Grouping.SummaryColor", [&] { return grouping.SummaryColor; }, [&](TColor c) { grouping.SummaryColor = c; });
        colour("Grouping.SummaryColorTo", [&] { return grouping.SummaryColorTo; }, [&](TColor c) { grouping.SummaryColorTo = c; });
        colour("Grouping.SummaryTextColor", [&] { return grouping.SummaryTextColor; }, [&](TColor c) { grouping.SummaryTextColor = c; });
        flag("Grouping.SummaryLine", [&] { return grouping.SummaryLine; }, [&](bool v) { grouping.SummaryLine = v; });
        colour("Grouping.SummaryLineColor", [&] { return grouping.SummaryLineColor; }, [&](TColor c) { grouping.SummaryLineColor = c; });
        integer("Grouping.SummaryLineWidth", [&] { return grouping.SummaryLineWidth; }, [&](int v) { grouping.SummaryLineWidth = v; });
        colour("GridLineColor", [&] { return g.GridLineColor(); }, [&](TColor c) { g.SetGridLineColor(c); });
        colour("GridFixedLineColor", [&] { return g.GridFixedLineColor(); }, [&](TColor c) { g.SetGridFixedLineColor(c); });
        TBackGround& back = g.BackGround();
        integer("BackGround.Top", [&] { return back.Top; }, [&](int v) { back.SetTop(v); });
        integer("BackGround.Left", [&] { return back.Left; }, [&](int v) { back.SetLeft(v); });
        choice("BackGround.Display", {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"},
               [&] { return int(back.Display); }, [&](int v) { back.SetDisplay(TBackGroundDisplay(v)); });
        choice("BackGround.Cells", {"bcNormal", "bcFixed", "bcAll"}, [&] { return int(back.Cells); },
               [&](int v) { back.SetCells(TBackGroundCells(v)); });
        colour("BackGround.Color", [&] { return back.Color; }, [&](TColor c) { back.SetColor(c); });
        colour("BackGround.ColorTo", [&] { return back.ColorTo; }, [&](TColor c) { back.SetColorTo(c); });
    }

    TExStringGrid& g;
};

}  // namespace

void TExStringGrid::SaveVisualProps(const QString& FileName) {
    QString text;
    for (const TVisualProp& prop : TVisualPropTable(*this).props) text += prop.name + '=' + prop.get() + "\r\n";
    // The file is replaced whole or not at all.
    QString reason;
    if (!WriteFileAtomic(FileName, text.toUtf8(), &reason)) throw Exception("Cannot Create " + FileName + ": " + reason);
}

void TExStringGrid::LoadVisualProps(const QString& FileName) {
    const TTextFileLines file = ReadTextFileLines(FileName);
    if (!file.Ok) throw Exception("Cannot open file " + FileName);
    std::map<QString, QString> values;
    for (const QString& line : file.Lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0) values.emplace(line.left(eq).toLower(), line.mid(eq + 1));
    }
    // Lines the file does not have leave their properties as they are.
    for (const TVisualProp& prop : TVisualPropTable(*this).props) {
        const auto it = values.find(prop.name.toLower());
        if (it != values.end()) prop.set(it->second);
    }
}
