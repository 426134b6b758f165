#include "platform/core/component.h"
#include "platform/core/events.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Records the notifications it receives and, optionally, its own destruction.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::vector<QString>* log = nullptr, QString name = {})
        : TComponent(owner), log_(log) { Name = std::move(name); }
    ~Probe() override {
        if (log_) log_->push_back("destroy " + Name);
    }
    std::vector<std::pair<TComponent*, TOperation>> seen;

protected:
    void Notification(TComponent* c, TOperation op) override { seen.emplace_back(c, op); }

private:
    std::vector<QString>* log_;
};

TEST(Component, OwnerDestroysItsComponentsLastFirst) {
    std::vector<QString> log;
    auto* owner = new Probe(nullptr, &log, "owner");
    new Probe(owner, &log, "a");
    auto* b = new Probe(owner, &log, "b");
    new Probe(b, &log, "b1");
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->FindComponent("B"), b);
    delete owner;
    EXPECT_EQ(log, (std::vector<QString>{"destroy owner", "destroy b", "destroy b1", "destroy a"}));
}

TEST(Component, OwnerIsNotifiedOfInsertAndRemove) {
    Probe owner(nullptr);
    auto* child = new Probe(&owner);
    delete child;
    ASSERT_EQ(owner.seen.size(), 2u);
    EXPECT_EQ(owner.seen[0], std::make_pair(static_cast<TComponent*>(child), opInsert));
    EXPECT_EQ(owner.seen[1].second, opRemove);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Component, FreeNotificationReachesTheWatcherOnce) {
    Probe watcher(nullptr);
    auto* watched = new Probe(nullptr);
    watcher.FreeNotification(watched);
    watcher.FreeNotification(watched);
    delete watched;
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].second, opRemove);
}

TEST(Events, UnassignedEventDoesNothingAndAssignedFires) {
    TNotifyEvent onClick;
    EXPECT_FALSE(onClick);
    onClick(nullptr);
    int fired = 0;
    onClick = [&](TObject*) { ++fired; };
    onClick(nullptr);
    EXPECT_EQ(fired, 1);
    onClick = nullptr;
    onClick(nullptr);
    EXPECT_EQ(fired, 1);
}

TEST(Events, CopyingAnEventCopiesItsHandler) {
    int fired = 0;
    TNotifyEvent a, b;
    a = b = [&](TObject*) { ++fired; };
    TNotifyEvent c(a);
    a(nullptr);
    b(nullptr);
    c(nullptr);
    EXPECT_EQ(fired, 3);
}

}  // namespace
