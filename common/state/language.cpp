#include "common/state/language.h"

#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/system/text_file.h"
#include "common/state/default_texts.h"
#include "common/state/program_state.h"

#include <algorithm>

namespace {

constexpr int Text_Count = 2600;
constexpr int First_Id_Of_Part_2 = 2000;

const QChar Pilcrow(0x00B6);
const QString Comment_Mark = QStringLiteral("/#/");
const QString Blank_Text = QStringLiteral(" ");

// Appends the built-in texts of ids first..last; ids without one get a single blank.
void Append_Default_Texts(int first, int last) {
    const auto texts = Default_Texts();
    auto next = std::lower_bound(texts.begin(), texts.end(), first,
                                 [](const TDefaultText& t, int id) { return t.Id < id; });
    for (int id = first; id <= last; ++id) {
        if (next != texts.end() && next->Id == id) {
            Lang_List.append(QString::fromUtf8(next->Text));
            ++next;
        } else {
            Lang_List.append(Blank_Text);
        }
    }
}

// Blanks and control characters go, as the language files have always been trimmed; other
// white space (a no-break space) belongs to the text.
QString Trim_Text(const QString& s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin].unicode() <= 0x20) ++begin;
    while (end > begin && s[end - 1].unicode() <= 0x20) --end;
    return s.mid(begin, end - begin);
}

// The id of a trimmed line "STR" + id + separator + "=" whose first "=" is at equals, or -1.
int Line_Id(const QString& line, qsizetype equals) {
    if (equals < 4) return -1;
    const QChar separator = line[equals - 1];
    if (separator != u' ' && separator != u'\t') return -1;
    int id = -1;
    if (!TryStrToInt(Trim_Text(line.mid(3, equals - 4)), id)) return -1;
    return id;
}

// Applies one line of a language file to the table.
void Apply_Lang_Line(const QString& rawLine) {
    const QString line = Trim_Text(rawLine);
    if (!line.startsWith(QLatin1String("STR"))) return;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return;
    const int id = Line_Id(line, equals);
    if (id < 0 || id >= Lang_Count || id >= Lang_List.size()) return;

    QString text = Trim_Text(line.mid(equals + 1));
    if (text.isEmpty()) return;
    const qsizetype comment = text.indexOf(Comment_Mark);
    if (comment >= 0) {
        text = Trim_Text(text.left(comment));
        if (text.isEmpty()) return;
    }
    if (text.startsWith(Pilcrow)) text.remove(0, 1);
    const qsizetype end = text.indexOf(Pilcrow);
    if (end >= 0) text.truncate(end);
    Lang_List[id] = text;
}

// A file of Language_Dir named name in any letter case; "" when there is none.
QString Find_Language_Dir_File(const QString& name) {
    if (Language_Dir.isEmpty()) return QString();
    const QString path = FindFileIgnoreCase(Language_Dir, name);
    return FileExists(path) ? path : QString();
}

}  // namespace

void Load_Default_Texts() {
    Lang_List.clear();
    Lang_List.reserve(Text_Count);
    Append_Default_Texts(0, First_Id_Of_Part_2 - 1);
    Load_Default_Texts_2();
    Lang_Count = Text_Count;
}

void Load_Default_Texts_2() { Append_Default_Texts(First_Id_Of_Part_2, Text_Count - 1); }

void Load_Lang_File(const QString& FileName) {
    const TTextFileLines file = ReadTextFileLines(FileName);
    // An unreadable file leaves the texts loaded so far; nothing is reported for a language file.
    if (!file.Ok) return;
    for (const QString& line : file.Lines) Apply_Lang_Line(line);
}

void Load_Language() {
    Load_Default_Texts();
    QString file = Language_File(Language_Name);
    if (file.isEmpty()) {
        Language_Name = QStringLiteral("English");
        file = Language_File(Language_Name);
    }
    if (!file.isEmpty()) Load_Lang_File(file);
}

QString Language_File(const QString& Name) { return Find_Language_Dir_File(Name + QStringLiteral(".lng")); }

QString Language_Flag_File(const QString& Name) {
    const QString flag = Find_Language_Dir_File(Name + QStringLiteral(".bmp"));
    return flag.isEmpty() ? Find_Language_Dir_File(QStringLiteral("DefaultFlag.bmp")) : flag;
}
