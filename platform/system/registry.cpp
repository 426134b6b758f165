#include "platform/system/registry.h"

#include "platform/core/exception.h"

namespace {

class EmptyRegistry : public TRegistryStore {
public:
    bool KeyExists(HKEY, const QString&) override { return false; }
    std::optional<int32_t> ReadInteger(HKEY, const QString&, const QString&) override { return std::nullopt; }
    bool NotifyChange(HKEY, const QString&, bool, uint32_t, std::shared_ptr<TSyncEvent>) override { return false; }
};

EmptyRegistry emptyRegistry;
TRegistryStore* installed = nullptr;

}  // namespace

TRegistryStore& RegistryStore() { return installed ? *installed : emptyRegistry; }

void SetRegistryStore(TRegistryStore* store) { installed = store; }

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
