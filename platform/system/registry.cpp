#include "platform/system/registry.h"

#include "platform/core/exception.h"
#include "platform/system/files.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <mutex>
#include <vector>

namespace {

const char* rootName(HKEY root) {
    switch (root) {
    case HKEY_CLASSES_ROOT: return "HKEY_CLASSES_ROOT";
    case HKEY_LOCAL_MACHINE: return "HKEY_LOCAL_MACHINE";
    default: return "HKEY_CURRENT_USER";
    }
}

HKEY rootOf(const QString& name) {
    if (name == QLatin1String("HKEY_CLASSES_ROOT")) return HKEY_CLASSES_ROOT;
    if (name == QLatin1String("HKEY_LOCAL_MACHINE")) return HKEY_LOCAL_MACHINE;
    return HKEY_CURRENT_USER;
}

// The platform's own store: keys and values in a JSON file, read on first use after the file
// was chosen and written again after every change. A file that is missing or unreadable counts
// as an empty store; it is replaced by the next write.
class FileRegistry : public TRegistryStore {
public:
    void SetFile(const QString& fileName) {
        std::lock_guard<std::mutex> g(lock_);
        file_ = fileName;
        loaded_ = false;
    }
    QString File() {
        std::lock_guard<std::mutex> g(lock_);
        return fileName();
    }

    bool KeyExists(HKEY root, const QString& path) override {
        std::lock_guard<std::mutex> g(lock_);
        load();
        const QString key = TRegistry::NormalKey(path).toLower();
        for (const Key& k : keys_)
            if (k.root == root && (k.path.toLower() == key || k.path.toLower().startsWith(key + '\\'))) return true;
        return false;
    }
    std::optional<int32_t> ReadInteger(HKEY root, const QString& path, const QString& name) override {
        std::lock_guard<std::mutex> g(lock_);
        const Value* v = value(root, path, name);
        if (!v || !v->integer) return std::nullopt;
        return *v->integer;
    }
    std::optional<QString> ReadString(HKEY root, const QString& path, const QString& name) override {
        std::lock_guard<std::mutex> g(lock_);
        const Value* v = value(root, path, name);
        if (!v || v->integer) return std::nullopt;
        return v->text;
    }
    bool NotifyChange(HKEY, const QString&, bool, uint32_t, std::shared_ptr<TSyncEvent>) override { return false; }
    bool WriteInteger(HKEY root, const QString& path, const QString& name, int32_t value) override {
        return write(root, path, name, {name, value, QString()});
    }
    bool WriteString(HKEY root, const QString& path, const QString& name, const QString& text) override {
        return write(root, path, name, {name, std::nullopt, text});
    }
    QStringList ValueNames(HKEY root, const QString& path) override {
        std::lock_guard<std::mutex> g(lock_);
        load();
        QStringList names;
        if (const Key* k = key(root, path))
            for (const Value& v : k->values) names << v.name;
        return names;
    }
    bool DeleteKey(HKEY root, const QString& path) override {
        std::lock_guard<std::mutex> g(lock_);
        load();
        const QString doomed = TRegistry::NormalKey(path).toLower();
        const auto before = keys_.size();
        std::erase_if(keys_, [&](const Key& k) {
            return k.root == root && (k.path.toLower() == doomed || k.path.toLower().startsWith(doomed + '\\'));
        });
        return keys_.size() != before && save();
    }

private:
    struct Value {
        QString name;
        std::optional<int32_t> integer;
        QString text;
    };
    struct Key {
        HKEY root;
        QString path;
        std::vector<Value> values;
    };

    QString fileName() const {
        return file_.isEmpty() ? ProgramFolder() + QLatin1String("/Registry.json") : file_;
    }
    Key* key(HKEY root, const QString& path) {
        const QString wanted = TRegistry::NormalKey(path);
        for (Key& k : keys_)
            if (k.root == root && k.path.compare(wanted, Qt::CaseInsensitive) == 0) return &k;
        return nullptr;
    }
    const Value* value(HKEY root, const QString& path, const QString& name) {
        load();
        if (const Key* k = key(root, path))
            for (const Value& v : k->values)
                if (v.name.compare(name, Qt::CaseInsensitive) == 0) return &v;
        return nullptr;
    }
    bool write(HKEY root, const QString& path, const QString& name, Value value) {
        std::lock_guard<std::mutex> g(lock_);
        load();
        Key* k = key(root, path);
        if (!k) k = &keys_.emplace_back(Key{root, TRegistry::NormalKey(path), {}});
        for (Value& v : k->values)
            if (v.name.compare(name, Qt::CaseInsensitive) == 0) {
                value.name = v.name;
                v = std::move(value);
                return save();
            }
        k->values.push_back(std::move(value));
        return save();
    }
    void load() {
        if (loaded_) return;
        loaded_ = true;
        keys_.clear();
        QFile file(fileName());
        if (!file.open(QIODevice::ReadOnly)) return;
        const QJsonArray keys = QJsonDocument::fromJson(file.readAll()).object().value("keys").toArray();
        for (const QJsonValue& entry : keys) {
            const QJsonObject o = entry.toObject();
            const QString path = TRegistry::NormalKey(o.value("path").toString());
            Key k{rootOf(o.value("root").toString()), path, {}};
            for (const QJsonValue& item : o.value("values").toArray()) {
                const QJsonObject v = item.toObject();
                const QString name = v.value("name").toString();
                if (v.contains("integer")) k.values.push_back({name, v.value("integer").toInt(), QString()});
                else k.values.push_back({name, std::nullopt, v.value("string").toString()});
            }
            keys_.push_back(std::move(k));
        }
    }
    bool save() {
        QJsonArray keys;
        for (const Key& k : keys_) {
            QJsonArray values;
            for (const Value& v : k.values) {
                QJsonObject o{{"name", v.name}};
                if (v.integer) o.insert("integer", *v.integer);
                else o.insert("string", v.text);
                values.append(o);
            }
            keys.append(QJsonObject{{"root", rootName(k.root)}, {"path", k.path}, {"values", values}});
        }
        const QString name = fileName();
        ForceDirectories(ExtractFileDir(name));
        return WriteFileAtomic(name, QJsonDocument(QJsonObject{{"keys", keys}}).toJson());
    }

    std::mutex lock_;
    QString file_;
    bool loaded_ = false;
    std::vector<Key> keys_;
};

FileRegistry& fileRegistry() {
    static FileRegistry store;
    return store;
}
TRegistryStore* installed = nullptr;

}  // namespace

TRegistryStore& RegistryStore() { return installed ? *installed : fileRegistry(); }

void SetRegistryStore(TRegistryStore* store) { installed = store; }

QString RegistryFile() { return fileRegistry().File(); }

void SetRegistryFile(const QString& fileName) { fileRegistry().SetFile(fileName); }

QString TRegistry::NormalKey(const QString& key) {
    QString k = key;
    while (k.startsWith('\\')) k.remove(0, 1);
    while (k.endsWith('\\')) k.chop(1);
    return k;
}

bool TRegistry::KeyExists(const QString& key) { return RegistryStore().KeyExists(RootKey, NormalKey(key)); }

bool TRegistry::OpenKeyReadOnly(const QString& key) {
    const QString path = NormalKey(key);
    if (!RegistryStore().KeyExists(RootKey, path)) return false;
    current_ = path;
    open_ = true;
    return true;
}

void TRegistry::CloseKey() {
    current_.clear();
    open_ = false;
}

bool TRegistry::ValueExists(const QString& name) {
    return open_ && RegistryStore().ReadInteger(RootKey, current_, name).has_value();
}

int32_t TRegistry::ReadInteger(const QString& name) {
    const std::optional<int32_t> value =
        open_ ? RegistryStore().ReadInteger(RootKey, current_, name) : std::optional<int32_t>();
    if (!value) throw Exception(QStringLiteral("Invalid data type for '%1'").arg(name));
    return *value;
}

bool TRegistry::NotifyChangeKeyValue(bool watchSubtree, uint32_t filter, std::shared_ptr<TSyncEvent> event) {
    return open_ && RegistryStore().NotifyChange(RootKey, current_, watchSubtree, filter, std::move(event));
}
