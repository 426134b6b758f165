#include "platform/system/ini_files.h"

#include "platform/core/exception.h"
#include "platform/system/files.h"
#include "platform/system/registry.h"
#include "platform/system/text_file.h"

#include <QFile>
#include <optional>

namespace {

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

std::optional<int> integerOf(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    const int value = t.startsWith('$') ? t.mid(1).toInt(&ok, 16) : t.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

int TCustomIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default) {
    return integerOf(ReadString(Section, Ident, QString())).value_or(Default);
}

void TCustomIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value) {
    WriteString(Section, Ident, QString::number(Value));
}

bool TCustomIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default) {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value) {
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

// ---- the text of an INI file

void TIniSections::Parse(const QString& text) {
    sections_.clear();
    Section* current = nullptr;
    for (const QString& raw : SplitTextLines(text)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = const_cast<Section*>(section(name));
            if (!current) current = &sections_.emplace_back(Section{name, {}});
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!current || eq <= 0) continue;
        const QString name = line.left(eq).trimmed();
        if (!Find(current->name, name)) current->entries.push_back({name, line.mid(eq + 1)});
    }
}

QString TIniSections::Text() const {
    QString text;
    for (const Section& s : sections_) {
        text += '[' + s.name + "]\n";
        for (const Entry& e : s.entries) text += e.name + '=' + e.value + '\n';
        text += '\n';
    }
    return text;
}

const TIniSections::Section* TIniSections::section(const QString& name) const {
    for (const Section& s : sections_)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

const QString* TIniSections::Find(const QString& Section, const QString& Ident) const {
    if (const auto* s = section(Section))
        for (const Entry& e : s->entries)
            if (sameName(e.name, Ident)) return &e.value;
    return nullptr;
}

void TIniSections::Set(const QString& Section, const QString& Ident, const QString& Value) {
    auto* s = const_cast<TIniSections::Section*>(section(Section));
    if (!s) s = &sections_.emplace_back(TIniSections::Section{Section, {}});
    // Line breaks would start entries of their own.
    QString value = Value;
    value.replace('\r', ' ').replace('\n', ' ');
    for (Entry& e : s->entries)
        if (sameName(e.name, Ident)) {
            e.value = value;
            return;
        }
    s->entries.push_back({Ident, value});
}

bool TIniSections::HasSection(const QString& Section) const { return section(Section) != nullptr; }

QStringList TIniSections::Names(const QString& Section) const {
    QStringList names;
    if (const auto* s = section(Section))
        for (const Entry& e : s->entries) names << e.name;
    return names;
}

void TIniSections::Erase(const QString& Section) {
    std::erase_if(sections_, [&](const auto& s) { return sameName(s.name, Section); });
}

// ---- INI files

TMemIniFile::TMemIniFile(const QString& fileName) : TCustomIniFile(fileName) {
    const TTextFileLines file = ReadTextFileLines(fileName);
    if (file.Ok) sections_.Parse(file.Lines.join('\n'));
}

QString TMemIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default) {
    const QString* value = sections_.Find(Section, Ident);
    return value ? *value : Default;
}

void TMemIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value) {
    sections_.Set(Section, Ident, Value);
}

bool TMemIniFile::ValueExists(const QString& Section, const QString& Ident) {
    return sections_.Find(Section, Ident) != nullptr;
}

bool TMemIniFile::SectionExists(const QString& Section) { return sections_.HasSection(Section); }

QStringList TMemIniFile::ReadSection(const QString& Section) { return sections_.Names(Section); }

void TMemIniFile::EraseSection(const QString& Section) { sections_.Erase(Section); }

void TMemIniFile::UpdateFile() {
    const QString folder = ExtractFileDir(FileName);
    if (!folder.isEmpty()) ForceDirectories(folder);
    QString reason;
    if (!WriteFileAtomic(FileName, sections_.Text().toUtf8(), &reason))
        throw Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(FileName, reason));
}

void TIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value) {
    TMemIniFile::WriteString(Section, Ident, Value);
    UpdateFile();
}

void TIniFile::EraseSection(const QString& Section) {
    TMemIniFile::EraseSection(Section);
    UpdateFile();
}

// ---- the registry as an INI file

QString TRegistryIniFile::keyOf(const QString& Section) const {
    return TRegistry::NormalKey(FileName) + '\\' + TRegistry::NormalKey(Section);
}

QString TRegistryIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default) {
    TRegistryStore& store = RegistryStore();
    if (auto text = store.ReadString(HKEY_CURRENT_USER, keyOf(Section), Ident)) return *text;
    if (auto number = store.ReadInteger(HKEY_CURRENT_USER, keyOf(Section), Ident)) return QString::number(*number);
    return Default;
}

void TRegistryIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value) {
    if (!RegistryStore().WriteString(HKEY_CURRENT_USER, keyOf(Section), Ident, Value))
        throw Exception(QStringLiteral("Failed to set data for '%1'").arg(Ident));
}

int TRegistryIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default) {
    if (auto number = RegistryStore().ReadInteger(HKEY_CURRENT_USER, keyOf(Section), Ident)) return *number;
    return TCustomIniFile::ReadInteger(Section, Ident, Default);
}

void TRegistryIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value) {
    if (!RegistryStore().WriteInteger(HKEY_CURRENT_USER, keyOf(Section), Ident, Value))
        throw Exception(QStringLiteral("Failed to set data for '%1'").arg(Ident));
}

bool TRegistryIniFile::ValueExists(const QString& Section, const QString& Ident) {
    TRegistryStore& store = RegistryStore();
    return store.ReadString(HKEY_CURRENT_USER, keyOf(Section), Ident) ||
           store.ReadInteger(HKEY_CURRENT_USER, keyOf(Section), Ident);
}

bool TRegistryIniFile::SectionExists(const QString& Section) {
    return RegistryStore().KeyExists(HKEY_CURRENT_USER, keyOf(Section));
}

QStringList TRegistryIniFile::ReadSection(const QString& Section) {
    return RegistryStore().ValueNames(HKEY_CURRENT_USER, keyOf(Section));
}

void TRegistryIniFile::EraseSection(const QString& Section) { RegistryStore().DeleteKey(HKEY_CURRENT_USER, keyOf(Section)); }
