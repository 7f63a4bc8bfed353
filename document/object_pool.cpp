#include "document/object_pool.h"

void* ObjectPool::TakeFromNextBlock(size_t bytes) {
    if (block_ < blocks_.size()) ++block_; // the rest of a full block waits for the next round
    if (block_ == blocks_.size()) blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(kBlockBytes));
    used_ = bytes;
    return blocks_[block_].get();
}
