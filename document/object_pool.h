// Storage for the objects the file readers build. The working file is read back into the document for
// every repaint, right after the document is flushed: taking each object from a block kept between
// reads, in file order, spares a heap allocation and a free per object and leaves the objects side by
// side in the order they are painted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "document/objects.h"

#if defined(__SANITIZE_ADDRESS__)
#define TREVALYN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TREVALYN_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef TREVALYN_ADDRESS_SANITIZER
#define TREVALYN_ADDRESS_SANITIZER 0
#endif

class ObjectPool {
public:
    ObjectPool() = default;
    ~ObjectPool(); // the owner destroys every object first
    ObjectPool(const ObjectPool&) = delete;
    ObjectPool& operator=(const ObjectPool&) = delete;

    // A default-constructed T in the pool; it lives until Destroy.
    template <class T> T* Make() {
        static_assert(alignof(T) <= kAlign);
        T* object = new (Take(sizeof(T))) T();
        ++live_;
        return object;
    }

    // Ends an object made here. Its room is taken again once no object of the pool is left, which
    // every flush of the document brings about.
    void Destroy(TObject* object) noexcept {
        if (!object) return;
        object->~TObject();
        if constexpr (kChecked) Forget(object);
        if (--live_ == 0) {
            if constexpr (kChecked)
                GiveBackBlocks();
            else
                block_ = 0, used_ = 0;
        }
    }

private:
    static constexpr size_t kAlign = alignof(std::max_align_t);
    static constexpr size_t kBlockBytes = size_t{256} << 10;
    // Under the address sanitizer every object keeps a poisoned guard before it, holding its size, and
    // a destroyed object's bytes stay poisoned until they are taken again; the blocks go back to the
    // heap at every flush, so a pointer kept across a re-read meets freed memory, not the next object.
    static constexpr bool kChecked = TREVALYN_ADDRESS_SANITIZER;
    static constexpr size_t kGuard = kChecked ? kAlign : 0;

    void* Take(size_t bytes) {
        bytes = (bytes + kAlign - 1) / kAlign * kAlign;
        const size_t taken = kGuard + bytes;
        if (block_ == blocks_.size() || used_ + taken > kBlockBytes) return TakeFromNextBlock(bytes);
        std::byte* at = blocks_[block_].get() + used_;
        used_ += taken;
        if constexpr (kChecked) return Guarded(at, bytes);
        return at;
    }
    void* TakeFromNextBlock(size_t bytes);
    // The object's room after its guard, made readable.
    void* Guarded(std::byte* at, size_t bytes);
    // Poisons a destroyed object's bytes.
    void Forget(TObject* object) noexcept;
    void GiveBackBlocks() noexcept;

    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    size_t block_ = 0; // the block being filled
    size_t used_ = 0;  // bytes taken from it
    int64_t live_ = 0;
};

// The document's ownership of one object: made on the heap, or in the document's pool by a reader.
struct ObjectDeleter {
    ObjectPool* pool = nullptr;
    void operator()(TObject* object) const noexcept {
        if (pool)
            pool->Destroy(object);
        else
            delete object;
    }
};

using OwnedObject = std::unique_ptr<TObject, ObjectDeleter>;
