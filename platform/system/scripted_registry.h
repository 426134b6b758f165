#pragma once

#include "platform/system/registry.h"

#include <QStringList>
#include <algorithm>
#include <map>
#include <mutex>
#include <vector>

// A registry for tests, installed for as long as it lives. Keys hold integer values; a key
// exists when it was added or has a key below it. Changes set the events of the notifications
// armed on the key or, watching the subtree, on a key above it. Safe from any thread.
class TScriptedRegistry : public TRegistryStore {
public:
    TScriptedRegistry() { SetRegistryStore(this); }
    ~TScriptedRegistry() override { SetRegistryStore(nullptr); }
    TScriptedRegistry(const TScriptedRegistry&) = delete;
    TScriptedRegistry& operator=(const TScriptedRegistry&) = delete;

    void AddKey(HKEY root, const QString& path) {
        std::lock_guard<std::mutex> g(lock_);
        const QString key = normal(path);
        keys_[{root, key}];
        // A new key changes the names in the key above it.
        changed(root, key.left(std::max<qsizetype>(0, key.lastIndexOf('\\'))), REG_NOTIFY_CHANGE_NAME);
    }
    void SetInteger(HKEY root, const QString& path, const QString& name, int32_t value) {
        std::lock_guard<std::mutex> g(lock_);
        keys_[{root, normal(path)}][name.toLower()] = value;
        changed(root, normal(path), REG_NOTIFY_CHANGE_LAST_SET);
    }
    // Notifications armed and not yet fired.
    int Armed() const {
        std::lock_guard<std::mutex> g(lock_);
        return static_cast<int>(watches_.size());
    }

    bool KeyExists(HKEY root, const QString& path) override {
        std::lock_guard<std::mutex> g(lock_);
        return exists(root, normal(path));
    }
    std::optional<int32_t> ReadInteger(HKEY root, const QString& path, const QString& name) override {
        std::lock_guard<std::mutex> g(lock_);
        const auto key = keys_.find({root, normal(path)});
        if (key == keys_.end()) return std::nullopt;
        const auto value = key->second.find(name.toLower());
        if (value == key->second.end()) return std::nullopt;
        return value->second;
    }
    bool NotifyChange(HKEY root, const QString& path, bool watchSubtree, uint32_t filter,
                      std::shared_ptr<TSyncEvent> event) override {
        std::lock_guard<std::mutex> g(lock_);
        if (!exists(root, normal(path))) return false;
        watches_.push_back({root, normal(path), watchSubtree, filter, std::move(event)});
        return true;
    }

private:
    struct Watch {
        HKEY root;
        QString path;
        bool subtree;
        uint32_t filter;
        std::shared_ptr<TSyncEvent> event;
    };
    using Key = std::pair<HKEY, QString>;

    static QString normal(const QString& path) { return TRegistry::NormalKey(path).toLower(); }
    bool exists(HKEY root, const QString& path) const {
        for (const auto& [key, values] : keys_)
            if (key.first == root && (key.second == path || key.second.startsWith(path + '\\'))) return true;
        return false;
    }
    void changed(HKEY root, const QString& path, uint32_t kind) {
        for (auto it = watches_.begin(); it != watches_.end();) {
            const bool hit = it->root == root && (it->filter & kind) &&
                             (it->path == path || (it->subtree && path.startsWith(it->path + '\\')));
            if (!hit) {
                ++it;
                continue;
            }
            it->event->SetEvent();
            it = watches_.erase(it);
        }
    }

    mutable std::mutex lock_;
    std::map<Key, std::map<QString, int32_t>> keys_;
    std::vector<Watch> watches_;
};
