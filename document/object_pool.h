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

class ObjectPool {
public:
    ObjectPool() = default;
    ~ObjectPool() = default; // the owner destroys every object first
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
        if (--live_ == 0) block_ = 0, used_ = 0;
    }

private:
    static constexpr size_t kAlign = alignof(std::max_align_t);
    static constexpr size_t kBlockBytes = size_t{256} << 10;

    void* Take(size_t bytes) {
        bytes = (bytes + kAlign - 1) / kAlign * kAlign;
        if (block_ == blocks_.size() || used_ + bytes > kBlockBytes) return TakeFromNextBlock(bytes);
        void* at = blocks_[block_].get() + used_;
        used_ += bytes;
        return at;
    }
    void* TakeFromNextBlock(size_t bytes);

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
