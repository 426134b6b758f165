// PrintSettings in a section of an INI file.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/system/ini_files.h"

namespace {

QString yesNo(bool v) { return v ? QStringLiteral("Y") : QStringLiteral("N"); }

struct TFontEntries {
    const char* name;
    const char* size;
    const char* style;
    const char* color;
};
const TFontEntries kFont{"FontName", "FontSize", "FontStyle", "FontColor"};
const TFontEntries kHeaderFont{"HeaderFontName", "HeaderFontSize", "HeaderFontStyle", "HeaderFontColor"};
const TFontEntries kFooterFont{"FooterFontName", "FooterFontSize", "FooterFontStyle", "FooterFontColor"};

void writeFont(TCustomIniFile& ini, const QString& section, const TFontEntries& e, const TFont& font) {
    ini.WriteString(section, e.name, font.Name());
    ini.WriteInteger(section, e.size, font.Size());
    ini.WriteInteger(section, e.style, font.Style());
    ini.WriteInteger(section, e.color, font.Color());
}

// Styles already on stay on: the stored ones are added.
void readFont(TCustomIniFile& ini, const QString& section, const TFontEntries& e, TFont& font) {
    font.SetName(ini.ReadString(section, e.name, QStringLiteral("Arial")));
    const int size = ini.ReadInteger(section, e.size, 10);
    // A size no printer font has is taken for a damaged entry.
    font.SetSize(size > 0 && size <= 1000 ? size : 10);
    font.SetStyle(font.Style() | static_cast<TFontStyles>(ini.ReadInteger(section, e.style, 0) & 0x0F));
    font.SetColor(ini.ReadInteger(section, e.color, 0));
}

// An ordinal within 0 .. last, else the value the setting had.
template <class E>
E ordinal(TCustomIniFile& ini, const QString& section, const char* name, E current, int last) {
    const int v = ini.ReadInteger(section, name, 0);
    return v >= 0 && v <= last ? static_cast<E>(v) : current;
}

TPrintPosition position(TCustomIniFile& ini, const QString& section, const char* name) {
    const int v = ini.ReadInteger(section, name, 0);
    return v >= 1 && v <= 6 ? static_cast<TPrintPosition>(v) : ppNone;
}

}  // namespace

void TExStringGrid::SavePrintSettings(const QString& Key, const QString& Section) {
    const TPrintSettings& ps = *p->PrintSettings;
    TMemIniFile ini(Key);
    ini.WriteInteger(Section, "ColumnSpacing", ps.ColumnSpacing);
    ini.WriteInteger(Section, "RowSpacing", ps.RowSpacing);
    ini.WriteInteger(Section, "TitleSpacing", ps.TitleSpacing);
    ini.WriteInteger(Section, "FixedHeight", ps.FixedHeight);
    ini.WriteInteger(Section, "FixedWidth", ps.FixedWidth);
    ini.WriteString(Section, "Centered", yesNo(ps.Centered));
    ini.WriteString(Section, "NoAutoSize", yesNo(ps.NoAutoSize));
    ini.WriteString(Section, "UseFixedHeight", yesNo(ps.UseFixedHeight));
    ini.WriteString(Section, "UseFixedWidth", yesNo(ps.UseFixedWidth));
    ini.WriteString(Section, "RepeatFixedRows", yesNo(ps.RepeatFixedRows));
    ini.WriteString(Section, "RepeatFixedCols", yesNo(ps.RepeatFixedCols));
    ini.WriteString(Section, "UseDisplFont", yesNo(ps.UseDisplayFont));
    ini.WriteString(Section, "UseDefOrientation", yesNo(ps.UseDefaultOrientation));
    ini.WriteInteger(Section, "Borders", ps.Borders);
    ini.WriteInteger(Section, "BorderColor", ps.BorderColor);
    ini.WriteInteger(Section, "BorderStyle", ps.BorderStyle);
    ini.WriteInteger(Section, "Date", ps.Date);
    ini.WriteInteger(Section, "PageNr", ps.PageNr);
    ini.WriteInteger(Section, "Title", ps.Title);
    ini.WriteInteger(Section, "Time", ps.Time);
    ini.WriteString(Section, "DateFormat", ps.DateFormat);
    ini.WriteString(Section, "TitleText", ps.TitleText);
    ini.WriteInteger(Section, "FooterSize", ps.FooterSize);
    ini.WriteInteger(Section, "HeaderSize", ps.HeaderSize);
    ini.WriteInteger(Section, "LeftSize", ps.LeftSize);
    ini.WriteInteger(Section, "RightSize", ps.RightSize);
    ini.WriteInteger(Section, "FitToPage", ps.FitToPage);
    writeFont(ini, Section, kFont, ps.Font);
    writeFont(ini, Section, kHeaderFont, ps.HeaderFont);
    writeFont(ini, Section, kFooterFont, ps.FooterFont);
    ini.WriteString(Section, "PageNumSep", ps.PageNumSep);
    ini.WriteString(Section, "PageSuffix", ps.PageSuffix);
    ini.WriteString(Section, "PagePrefix", ps.PagePrefix);
    ini.WriteInteger(Section, "Orientation", ps.Orientation);
    ini.WriteString(Section, "TitleLines", QString(ps.TitleLines->Text()).remove('\r').replace('\n', QLatin1String("\\n")));
    ini.WriteString(Section, "PrintGraphics", yesNo(ps.PrintGraphics));
    ini.UpdateFile();
}

void TExStringGrid::LoadPrintSettings(const QString& Key, const QString& Section) {
    TPrintSettings& ps = *p->PrintSettings;
    TMemIniFile ini(Key);
    const auto yes = [&](const char* name, const char* missing) {
        return ini.ReadString(Section, name, missing) == QLatin1String("Y");
    };
    ps.ColumnSpacing = ini.ReadInteger(Section, "ColumnSpacing", 20);
    ps.RowSpacing = ini.ReadInteger(Section, "RowSpacing", 20);
    ps.TitleSpacing = ini.ReadInteger(Section, "TitleSpacing", 20);
    ps.FixedHeight = ini.ReadInteger(Section, "FixedHeight", 0);
    ps.FixedWidth = ini.ReadInteger(Section, "FixedWidth", 0);
    ps.Centered = yes("Centered", "Y");
    ps.NoAutoSize = yes("NoAutoSize", "N");
    ps.UseFixedHeight = yes("UseFixedHeight", "N");
    ps.UseFixedWidth = yes("UseFixedWidth", "N");
    ps.RepeatFixedRows = yes("RepeatFixedRows", "N");
    ps.RepeatFixedCols = yes("RepeatFixedCols", "N");
    ps.UseDisplayFont = yes("UseDisplFont", "N");
    ps.UseDefaultOrientation = yes("UseDefOrientation", "N");
    ps.Borders = ordinal(ini, Section, "Borders", ps.Borders, pbCustom);
    ps.BorderColor = ini.ReadInteger(Section, "BorderColor", 0);
    ps.BorderStyle = ordinal(ini, Section, "BorderStyle", ps.BorderStyle, psInsideFrame);
    ps.Date = position(ini, Section, "Date");
    ps.PageNr = position(ini, Section, "PageNr");
    ps.Title = position(ini, Section, "Title");
    ps.Time = position(ini, Section, "Time");
    ps.DateFormat = ini.ReadString(Section, "DateFormat", QString());
    ps.TitleText = ini.ReadString(Section, "TitleText", QString());
    ps.FooterSize = ini.ReadInteger(Section, "FooterSize", 100);
    ps.HeaderSize = ini.ReadInteger(Section, "HeaderSize", 100);
    ps.LeftSize = ini.ReadInteger(Section, "LeftSize", 100);
    ps.RightSize = ini.ReadInteger(Section, "RightSize", 100);
    ps.FitToPage = ordinal(ini, Section, "FitToPage", ps.FitToPage, fpCustom);
    readFont(ini, Section, kFont, ps.Font);
    readFont(ini, Section, kHeaderFont, ps.HeaderFont);
    readFont(ini, Section, kFooterFont, ps.FooterFont);
    ps.PageNumSep = ini.ReadString(Section, "PageNumSep", QString());
    ps.PageSuffix = ini.ReadString(Section, "PageSuffix", QString());
    ps.PagePrefix = ini.ReadString(Section, "PagePrefix", QString());
    ps.Orientation = ordinal(ini, Section, "Orientation", ps.Orientation, poLandscape);
    ps.TitleLines->SetText(ini.ReadString(Section, "TitleLines", QString()).replace(QLatin1String("\\n"), QLatin1String("\n")));
    ps.PrintGraphics = yes("PrintGraphics", "N");
}
