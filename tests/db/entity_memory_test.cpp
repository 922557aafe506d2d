// What an entity costs in memory, measured on the allocator.
#include <gtest/gtest.h>
#include <malloc.h>

#include "db/entity_builder.h"

namespace {

size_t allocated() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;  // small blocks and mapped ones
}

TEST(EntityMemory, APointCostsWellUnder200Bytes) {
  constexpr size_t kCount = 100000;
  db::Database d;
  db::InGroup where;
  where.code = 10;
  db::Entity e;
  db::BuildInput warm{db::EntityType::Point, {&where, 1}, 0, 0};
  ASSERT_EQ(db::buildEntity(d, db::Origin::Dxf, warm, e), 0);  // the builder's own scratch

  const size_t before = allocated();
  d.entities.reserve(kCount);
  for (size_t i = 0; i < kCount; ++i) {
    where.v[0] = static_cast<double>(i);
    db::BuildInput in{db::EntityType::Point, {&where, 1}, 0, 0};
    ASSERT_EQ(db::buildEntity(d, db::Origin::Dxf, in, e), 0);
    d.add(std::move(e));
  }
  const double perPoint = static_cast<double>(allocated() - before) / kCount;
  EXPECT_LT(perPoint, 130.0);
  EXPECT_EQ(d.entities.back().groups.size(), 1u);
}

}  // namespace
