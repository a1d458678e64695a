#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "model/RecordPool.h"

namespace {

struct TSample {
  static void* operator new(std::size_t size) { return TRecordPool<TSample>::Allocate(size); }
  static void operator delete(void* record, std::size_t size) { TRecordPool<TSample>::Free(record, size); }
  explicit TSample(int v) : value(v) {}
  int value;
  char filler[60] = {};
};

// Records of many slabs each keep their own place, freed ones are handed out
// again, and a pool that was emptied starts over.
TEST(RecordPool, RecordsKeepTheirPlaceAcrossSlabsAndAfterTheLastIsFreed) {
  for (int round = 0; round < 2; ++round) {
    std::vector<std::unique_ptr<TSample>> records;
    for (int i = 0; i < 5000; ++i) records.push_back(std::make_unique<TSample>(i));
    std::set<const TSample*> places;
    for (const auto& record : records) places.insert(record.get());
    EXPECT_EQ(places.size(), records.size()) << "no two records share a place";

    for (int i = 0; i < 5000; i += 2) records[static_cast<size_t>(i)].reset();
    for (int i = 0; i < 5000; i += 2) records[static_cast<size_t>(i)] = std::make_unique<TSample>(-i);
    for (int i = 0; i < 5000; ++i) EXPECT_EQ(records[static_cast<size_t>(i)]->value, i % 2 == 0 ? -i : i);
  }
}

}  // namespace
