#pragma once

#include "platform/system/sync_event.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

using HKEY = uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

// What a change notification watches for.
enum : uint32_t {
    REG_NOTIFY_CHANGE_NAME = 1,
    REG_NOTIFY_CHANGE_ATTRIBUTES = 2,
    REG_NOTIFY_CHANGE_LAST_SET = 4,
    REG_NOTIFY_CHANGE_SECURITY = 8,
};

// The settings store behind TRegistry. Key paths are given from the root key, their parts
// separated by "\", and compared without case.
class TRegistryStore {
public:
    virtual ~TRegistryStore() = default;
    virtual bool KeyExists(HKEY root, const QString& path) = 0;
    virtual std::optional<int32_t> ReadInteger(HKEY root, const QString& path, const QString& name) = 0;
    // Sets event once at the next change in the key (or below it with watchSubtree) of a kind
    // in filter; false when the key does not exist.
    virtual bool NotifyChange(HKEY root, const QString& path, bool watchSubtree, uint32_t filter,
                              std::shared_ptr<TSyncEvent> event) = 0;
    // Strings, writes and removal; a store that keeps nothing finds no string and refuses writes.
    virtual std::optional<QString> ReadString(HKEY, const QString&, const QString&) { return std::nullopt; }
    virtual bool WriteInteger(HKEY, const QString&, const QString&, int32_t) { return false; }
    virtual bool WriteString(HKEY, const QString&, const QString&, const QString&) { return false; }
    // The value names of a key in the order they were first written.
    virtual QStringList ValueNames(HKEY, const QString&) { return {}; }
    // Removes the key with its values and the keys below it.
    virtual bool DeleteKey(HKEY, const QString&) { return false; }
};

// The store in use. This platform has no system registry: its own store keeps what the
// program writes in a file of the program's settings (RegistryFile), so keys of other programs
// are never found. Tests may install a store of their own.
TRegistryStore& RegistryStore();
// Installs a store (not owned); nullptr returns to the platform's own.
void SetRegistryStore(TRegistryStore* store);
// The file of the platform's own store: Registry.json in the program folder unless set.
QString RegistryFile();
// Points the platform's store at another file ("" returns to the default); read anew on next use.
void SetRegistryFile(const QString& fileName);

// Read access to the registry: open a key under RootKey, read its values, watch it for changes.
// Key paths are absolute under RootKey; a leading "\" is allowed.
class TRegistry {
public:
    HKEY RootKey = HKEY_CURRENT_USER;

    bool KeyExists(const QString& key);
    // Makes key the current key; false when it does not exist.
    bool OpenKeyReadOnly(const QString& key);
    void CloseKey();
    QString CurrentPath() const { return current_; }
    bool ValueExists(const QString& name);
    // An integer value of the current key; throws Exception when it has none of that name.
    int32_t ReadInteger(const QString& name);
    // Asks for one change notification on the current key (see TRegistryStore::NotifyChange).
    bool NotifyChangeKeyValue(bool watchSubtree, uint32_t filter, std::shared_ptr<TSyncEvent> event);

    // A key path without leading or trailing separators.
    static QString NormalKey(const QString& key);

private:
    QString current_;
    bool open_ = false;
};
