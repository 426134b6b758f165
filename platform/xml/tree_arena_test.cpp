#include "platform/xml/tree_arena.h"

#include <gtest/gtest.h>

#include <QString>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace {

class TNode : public TArenaObject {
public:
    explicit TNode(int value) : Value(value), Text(QString::number(value).repeated(20)) {}
    int Value;
    QString Text;
    std::vector<std::unique_ptr<TNode>> Children;
};

// Larger than an arena shares: it takes memory of its own.
class TLarge : public TArenaObject {
public:
    char Bytes[64 * 1024] = {};
};

class TAligned : public TArenaObject {
public:
    alignas(16) long double Value = 1.5L;
};

// A tree of depth levels below root, each node with width children.
void grow(TNode& root, int levels, int width) {
    if (levels == 0) return;
    for (int i = 0; i < width; ++i) {
        root.Children.push_back(std::make_unique<TNode>(root.Value * width + i));
        grow(*root.Children.back(), levels - 1, width);
    }
}

// Every node still holds what it was made with; counts the nodes.
int intact(const TNode& node) {
    int nodes = node.Text == QString::number(node.Value).repeated(20) ? 1 : -100000;
    for (const auto& child : node.Children) nodes += intact(*child);
    return nodes;
}

TEST(TreeArena, ObjectsMadeWhileInUseLiveUntilDeletedAndGoWithTheArena) {
    TreeArena arena;
    auto root = std::make_unique<TNode>(1);  // made before: from the heap
    {
        const TreeArena::Use use(arena);
        grow(*root, 4, 6);  // 1,555 nodes: several blocks
        // Replacing and deleting objects while the arena is in use hands nothing out twice.
        root->Children[0] = std::make_unique<TNode>(7);
        root->Children.pop_back();
        auto aligned = std::make_unique<TAligned>();
        EXPECT_EQ(reinterpret_cast<uintptr_t>(&aligned->Value) % alignof(long double), 0u);
        auto large = std::make_unique<TLarge>();
        large->Bytes[sizeof(large->Bytes) - 1] = 1;
        std::vector<std::unique_ptr<TNode>> more;
        for (int i = 0; i < 200; ++i) more.push_back(std::make_unique<TNode>(-i));
        EXPECT_EQ(intact(*root), 1 + 1 + 4 * (1 + 6 + 36 + 216));
    }
    // Made from the heap again; nothing of the tree is given out to them.
    std::vector<std::unique_ptr<TNode>> later;
    for (int i = 0; i < 200; ++i) later.push_back(std::make_unique<TNode>(i));
    EXPECT_EQ(intact(*root), 1 + 1 + 4 * (1 + 6 + 36 + 216));
    root.reset();
}

TEST(TreeArena, UsesNestAndTheOneBeforeComesBack) {
    TreeArena outer, inner;
    std::unique_ptr<TNode> a, b, c;
    {
        const TreeArena::Use useOuter(outer);
        a = std::make_unique<TNode>(1);
        {
            const TreeArena::Use useInner(inner);
            b = std::make_unique<TNode>(2);
        }
        c = std::make_unique<TNode>(3);
    }
    b.reset();  // before inner goes
    EXPECT_EQ(a->Value + c->Value, 4);
    a.reset();
    c.reset();
}

TEST(TreeArena, ATreeBuiltOnOneThreadIsFreedOnAnother) {
    auto arena = std::make_unique<TreeArena>();
    auto root = std::make_unique<TNode>(1);
    std::thread([&] {
        const TreeArena::Use use(*arena);
        grow(*root, 3, 8);
    }).join();
    // The thread's arena is gone with its Use: this thread makes objects from the heap.
    auto own = std::make_unique<TNode>(2);
    std::thread([&] {
        root.reset();
        arena.reset();
    }).join();
    EXPECT_EQ(own->Value, 2);
}

#if defined(__SANITIZE_ADDRESS__)
TEST(TreeArenaDeathTest, UseOfADeletedObjectIsReported) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TreeArena arena;
    const TreeArena::Use use(arena);
    auto keep = std::make_unique<TNode>(1);
    auto node = std::make_unique<TNode>(2);
    TNode* dangling = node.get();
    node.reset();
    EXPECT_DEATH(
        {
            volatile int value = dangling->Value;
            (void)value;
        },
        "use-after-poison");
}
#endif

}  // namespace
