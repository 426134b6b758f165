#pragma once

#include <cstddef>
#include <vector>

#include "platform/core/component.h"

// Memory for the many small objects a reader builds from one document. While a TreeArena is
// in use on a thread, TArenaObjects made there are carved from its blocks of a few dozen
// kilobytes, and deleting one frees nothing: the blocks go with the arena. That spares a call
// into the allocator per object when the tree is built and when it goes. Objects made with no
// arena in use come from the heap as usual.
//
// The arena must outlive every object made from it: it belongs to the owner of the tree, and
// no object is moved out of that tree. Built with AddressSanitizer, a deleted object's memory
// stays poisoned, so use after it is deleted is reported as for the heap.
class TreeArena {
public:
    TreeArena() = default;
    ~TreeArena();
    TreeArena(const TreeArena&) = delete;
    TreeArena& operator=(const TreeArena&) = delete;

    // Makes arena the thread's arena for the lifetime of the Use; the one before comes back.
    class Use {
    public:
        explicit Use(TreeArena& arena);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

    private:
        TreeArena* previous_;
    };

    // size bytes from the thread's arena, or from the heap when none is in use.
    static void* Allocate(std::size_t size);
    // Gives back what Allocate handed out, on any thread.
    static void Release(void* object, std::size_t size) noexcept;

private:
    struct Block {
        char* memory;
        std::size_t size;
    };
    // Starts a new block with room for size bytes; false for an object too large to share one.
    bool renew(std::size_t size);

    std::vector<Block> blocks_;
    char* next_ = nullptr;
    std::size_t room_ = 0;
};

// A class whose objects come from the thread's arena while one is in use.
class TArenaObject : public TObject {
public:
    static void* operator new(std::size_t size) { return TreeArena::Allocate(size); }
    static void operator delete(void* object, std::size_t size) noexcept { TreeArena::Release(object, size); }
};
