#include "platform/xml/tree_arena.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#endif

namespace {

// Every object is preceded by the arena it came from, null for the heap, in a header that
// keeps the object as aligned as the heap would.
constexpr std::size_t headerSize = alignof(std::max_align_t);
// Blocks grow from small, for small documents, to a size still well below what the heap maps
// from the system one by one.
constexpr std::size_t firstBlock = 16 * 1024;
constexpr std::size_t largestBlock = 64 * 1024;

std::size_t rounded(std::size_t size) { return (size + headerSize - 1) / headerSize * headerSize; }

thread_local TreeArena* current = nullptr;

}  // namespace

TreeArena::~TreeArena() {
    for (const Block& block : blocks_) {
        ASAN_UNPOISON_MEMORY_REGION(block.memory, block.size);
        std::free(block.memory);
    }
}

TreeArena::Use::Use(TreeArena& arena) : previous_(current) { current = &arena; }

TreeArena::Use::~Use() { current = previous_; }

bool TreeArena::renew(std::size_t size) {
    const std::size_t blockSize = blocks_.empty() ? firstBlock : std::min(blocks_.back().size * 2, largestBlock);
    if (size > blockSize / 4) return false;
    char* block = static_cast<char*>(std::malloc(blockSize));
    if (!block) throw std::bad_alloc();
    blocks_.push_back({block, blockSize});
    ASAN_POISON_MEMORY_REGION(block, blockSize);
    next_ = block;
    room_ = blockSize;
    return true;
}

void* TreeArena::Allocate(std::size_t size) {
    const std::size_t whole = headerSize + rounded(size);
    TreeArena* arena = current;
    char* at;
    if (arena && (arena->room_ >= whole || arena->renew(whole))) {
        at = arena->next_;
        arena->next_ += whole;
        arena->room_ -= whole;
        ASAN_UNPOISON_MEMORY_REGION(at, whole);
    } else {
        arena = nullptr;
        at = static_cast<char*>(::operator new(whole));
    }
    *reinterpret_cast<TreeArena**>(at) = arena;
    return at + headerSize;
}

void TreeArena::Release(void* object, std::size_t size) noexcept {
    if (!object) return;
    char* at = static_cast<char*>(object) - headerSize;
    if (*reinterpret_cast<TreeArena**>(at) == nullptr) {
        ::operator delete(at);
        return;
    }
    // Freed with the arena; until then any use of it is a fault.
    ASAN_POISON_MEMORY_REGION(object, rounded(size));
}
