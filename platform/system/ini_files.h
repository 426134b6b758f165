#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Settings stores in sections of name=value entries. Section and entry names are matched
// without regard to case; the first spelling written is kept.
class TCustomIniFile {
public:
    explicit TCustomIniFile(QString fileName) : FileName(std::move(fileName)) {}
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    const QString FileName;

    virtual QString ReadString(const QString& Section, const QString& Ident, const QString& Default) = 0;
    virtual void WriteString(const QString& Section, const QString& Ident, const QString& Value) = 0;
    // Decimal or "$" hexadecimal; anything else gives Default.
    virtual int ReadInteger(const QString& Section, const QString& Ident, int Default);
    virtual void WriteInteger(const QString& Section, const QString& Ident, int Value);
    // Any integer other than 0 is true; written as "1" or "0".
    bool ReadBool(const QString& Section, const QString& Ident, bool Default);
    void WriteBool(const QString& Section, const QString& Ident, bool Value);
    virtual bool ValueExists(const QString& Section, const QString& Ident) = 0;
    virtual bool SectionExists(const QString& Section) = 0;
    // The entry names of a section in their order.
    virtual QStringList ReadSection(const QString& Section) = 0;
    virtual void EraseSection(const QString& Section) = 0;
    // Writes what is buffered to the file (or store); a failure raises Exception.
    virtual void UpdateFile() {}
};

// The text of an INI file held in memory: sections in file order, each with its entries.
class TIniSections {
public:
    void Parse(const QString& text);
    QString Text() const;
    const QString* Find(const QString& Section, const QString& Ident) const;
    void Set(const QString& Section, const QString& Ident, const QString& Value);
    bool HasSection(const QString& Section) const;
    QStringList Names(const QString& Section) const;
    void Erase(const QString& Section);

private:
    struct Entry {
        QString name, value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };
    const Section* section(const QString& name) const;
    std::vector<Section> sections_;
};

// An INI file read whole when opened and written back only by UpdateFile. A file that cannot
// be read starts empty.
class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(const QString& fileName);

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) override;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value) override;
    bool ValueExists(const QString& Section, const QString& Ident) override;
    bool SectionExists(const QString& Section) override;
    QStringList ReadSection(const QString& Section) override;
    void EraseSection(const QString& Section) override;
    // Replaces the file with the buffered text; raises "Cannot create file" when it cannot.
    void UpdateFile() override;

private:
    TIniSections sections_;
};

// An INI file whose every write reaches the file at once.
class TIniFile : public TMemIniFile {
public:
    using TMemIniFile::TMemIniFile;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value) override;
    void EraseSection(const QString& Section) override;
};

// The registry seen as an INI file: FileName is a key path under HKEY_CURRENT_USER, each
// section a key below it. Writes reach the platform's registry store at once.
class TRegistryIniFile : public TCustomIniFile {
public:
    using TCustomIniFile::TCustomIniFile;

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) override;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value) override;
    // An integer value, or a string value that holds one.
    int ReadInteger(const QString& Section, const QString& Ident, int Default) override;
    void WriteInteger(const QString& Section, const QString& Ident, int Value) override;
    bool ValueExists(const QString& Section, const QString& Ident) override;
    bool SectionExists(const QString& Section) override;
    QStringList ReadSection(const QString& Section) override;
    void EraseSection(const QString& Section) override;

private:
    QString keyOf(const QString& Section) const;
};
