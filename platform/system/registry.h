#pragma once

#include "platform/system/sync_event.h"

#include <QString>
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
};

// The store in use. This platform has no registry: its own store holds no key, so every
// look-up finds nothing. Tests install one of their own.
TRegistryStore& RegistryStore();
// Installs a store (not owned); nullptr returns to the platform's empty one.
void SetRegistryStore(TRegistryStore* store);

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
