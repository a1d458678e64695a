#pragma once
#include <cstddef>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

// Storage for the model's records (tasks, projects, planner entries), one
// pool per record type. A large model is millions of them, loaded at once
// and freed at once; from the general heap each is a chunk of its own whose
// free later has to be merged with its neighbours, which for a big model
// cost more than loading it. Here records of one type sit side by side in
// slabs, and freeing one puts it on a list for the next.
//
// Slabs stay while any record of the type lives, for the records that
// follow, and go back to the heap once the last one is freed (the model was
// freed): a freed model then leaves nothing held. The pool itself is never
// destroyed, so records freed during the program's exit still find it.
//
// Under AddressSanitizer the records come from the general heap, so that a
// record used after its free or never freed is still reported.
#if defined(__SANITIZE_ADDRESS__)
#define TARVIK_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVIK_ADDRESS_SANITIZER 1
#endif
#endif
#ifdef TARVIK_ADDRESS_SANITIZER
inline constexpr bool kPoolRecords = false;
#else
inline constexpr bool kPoolRecords = true;
#endif

template <typename T>
class TRecordPool {
 public:
  static void* Allocate(std::size_t size) {
    if (!kPoolRecords || size != sizeof(T)) return ::operator new(size);
    TRecordPool& pool = Instance();
    std::lock_guard lock(pool.mutex_);
    if (!pool.free_) pool.AddSlab();
    Block* block = pool.free_;
    pool.free_ = block->next;
    ++pool.live_;
    return block;
  }

  static void Free(void* record, std::size_t size) {
    if (!kPoolRecords || size != sizeof(T)) return ::operator delete(record);
    TRecordPool& pool = Instance();
    std::lock_guard lock(pool.mutex_);
    if (--pool.live_ == 0) {
      pool.free_ = nullptr;
      pool.slabs_.clear();
      return;
    }
    Block* block = static_cast<Block*>(record);
    block->next = pool.free_;
    pool.free_ = block;
  }

 private:
  union Block {
    Block* next;
    alignas(T) unsigned char bytes[sizeof(T)];
  };
  static constexpr std::size_t kSlabBytes = 64 * 1024;
  static constexpr std::size_t kBlocksPerSlab = kSlabBytes / sizeof(Block) > 0 ? kSlabBytes / sizeof(Block) : 1;

  static TRecordPool& Instance() {
    static TRecordPool* const pool = new TRecordPool;
    return *pool;
  }

  void AddSlab() {
    slabs_.emplace_back(new Block[kBlocksPerSlab]);
    Block* slab = slabs_.back().get();
    // Linked so that the slab is handed out from its start.
    for (std::size_t i = kBlocksPerSlab; i-- > 0;) {
      slab[i].next = free_;
      free_ = &slab[i];
    }
  }

  std::mutex mutex_;
  Block* free_ = nullptr;
  std::size_t live_ = 0;
  std::vector<std::unique_ptr<Block[]>> slabs_;
};
