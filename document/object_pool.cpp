#include "document/object_pool.h"

#include <cstring>

#if TREVALYN_ADDRESS_SANITIZER
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(at, bytes) ((void)(at), (void)(bytes))
#define ASAN_UNPOISON_MEMORY_REGION(at, bytes) ((void)(at), (void)(bytes))
#endif

ObjectPool::~ObjectPool() {
    GiveBackBlocks();
}

void* ObjectPool::TakeFromNextBlock(size_t bytes) {
    if (block_ < blocks_.size()) ++block_; // the rest of a full block waits for the next round
    if (block_ == blocks_.size()) {
        blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(kBlockBytes));
        ASAN_POISON_MEMORY_REGION(blocks_.back().get(), kBlockBytes);
    }
    used_ = kGuard + bytes;
    std::byte* at = blocks_[block_].get();
    if constexpr (kChecked) return Guarded(at, bytes);
    return at;
}

void* ObjectPool::Guarded(std::byte* at, size_t bytes) {
    ASAN_UNPOISON_MEMORY_REGION(at, sizeof(size_t));
    std::memcpy(at, &bytes, sizeof(size_t));
    ASAN_POISON_MEMORY_REGION(at, sizeof(size_t));
    ASAN_UNPOISON_MEMORY_REGION(at + kGuard, bytes);
    return at + kGuard;
}

void ObjectPool::Forget(TObject* object) noexcept {
    std::byte* const at = reinterpret_cast<std::byte*>(object);
    size_t bytes = 0;
    ASAN_UNPOISON_MEMORY_REGION(at - kGuard, sizeof(size_t));
    std::memcpy(&bytes, at - kGuard, sizeof(size_t));
    ASAN_POISON_MEMORY_REGION(at - kGuard, sizeof(size_t));
    ASAN_POISON_MEMORY_REGION(at, bytes);
}

void ObjectPool::GiveBackBlocks() noexcept {
    for (auto& block : blocks_)
        ASAN_UNPOISON_MEMORY_REGION(block.get(), kBlockBytes);
    blocks_.clear();
    block_ = 0;
    used_ = 0;
}
