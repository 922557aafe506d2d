// The layer table: tblnext/tblsearch records and the layer objects modules open.
#include <string>
#include <vector>

#include "dbtables.h"
#include "host_db_fixture.h"

namespace {

class LayerTable : public HostDb {
 protected:
  void SetUp() override {
    HostDb::SetUp();
    db::Layer& talus = db().layers.at(db().layers.findOrAdd("Talus"));
    talus.color = -3;  // off
    talus.linetype = "DASHED";
    db::Layer& axe = db().layers.at(db().layers.findOrAdd("AXE"));
    axe.flags = 1;
  }
  static std::string nameOf(const resbuf* record) {
    return record ? findGroup(record, 2)->resval.rstring : "";
  }
};

TEST_F(LayerTable, TblnextWalksEveryLayerThenAnswersNil) {
  std::vector<std::string> names;
  host::RbList r(acdbTblNext("LAYER", 1));
  while (r) {
    names.push_back(nameOf(r.get()));
    r.reset(acdbTblNext("layer", 0));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"0", "Talus", "AXE"}));
  host::RbList again(acdbTblNext("LAYER", 1));  // rewind
  EXPECT_EQ(nameOf(again.get()), "0");
}

TEST_F(LayerTable, RecordsCarryFlagsColourAndLinetype) {
  host::RbList talus(acdbTblSearch("LAYER", "TALUS", 0));
  ASSERT_TRUE(talus);
  EXPECT_STREQ(findGroup(talus.get(), 0)->resval.rstring, "LAYER");
  EXPECT_EQ(nameOf(talus.get()), "Talus");
  EXPECT_EQ(findGroup(talus.get(), 62)->resval.rint, -3);
  EXPECT_STREQ(findGroup(talus.get(), 6)->resval.rstring, "DASHED");
  host::RbList axe(acdbTblSearch("LAYER", "axe", 0));
  EXPECT_EQ(findGroup(axe.get(), 70)->resval.rint & 1, 1);
}

TEST_F(LayerTable, TblsearchWithSetnextMovesTblnextOn) {
  host::RbList first(acdbTblNext("LAYER", 1));
  host::RbList found(acdbTblSearch("LAYER", "Talus", 1));
  host::RbList next(acdbTblNext("LAYER", 0));
  EXPECT_EQ(nameOf(next.get()), "AXE");
  host::RbList none(acdbTblSearch("LAYER", "NOPE", 1));
  EXPECT_FALSE(none);
}

TEST_F(LayerTable, OtherTablesAnswerNil) {
  EXPECT_EQ(acdbTblNext("LTYPE", 1), nullptr);
  EXPECT_EQ(acdbTblSearch("STYLE", "STANDARD", 0), nullptr);
  EXPECT_EQ(acdbTblNext("NOTATABLE", 1), nullptr);
  EXPECT_EQ(lastErrno(), 18);
  EXPECT_EQ(acdbTblNext(nullptr, 1), nullptr);
}

TEST_F(LayerTable, FreezingNeedsARecordOpenForWrite) {
  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(db().getLayerTable(table, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(table->has("talus"));
  EXPECT_FALSE(table->has("nope"));
  AcDbLayerTableRecord* record = nullptr;
  ASSERT_EQ(table->getAt("TALUS", record, AcDb::kForRead), Acad::eOk);
  EXPECT_STREQ(record->getName(), "Talus");
  EXPECT_EQ(record->colorIndex(), 3);
  EXPECT_EQ(record->setIsFrozen(true), Acad::eNotOpenForWrite);
  EXPECT_FALSE(record->isFrozen());
  EXPECT_EQ(record->close(), Acad::eOk);

  ASSERT_EQ(table->getAt("Talus", record, AcDb::kForWrite), Acad::eOk);
  AcDbLayerTableRecord* second = nullptr;
  EXPECT_EQ(table->getAt("Talus", second, AcDb::kForWrite), Acad::eWasOpenForWrite);
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(record->setIsFrozen(true), Acad::eOk);
  EXPECT_TRUE(db().layers.at(static_cast<uint32_t>(db().layers.find("Talus"))).frozen());
  EXPECT_EQ(record->setIsFrozen(false), Acad::eOk);
  EXPECT_FALSE(record->isFrozen());
  EXPECT_EQ(record->close(), Acad::eOk);
  // Closed: no more writing through it.
  EXPECT_EQ(record->setIsFrozen(true), Acad::eNotOpenForWrite);

  EXPECT_EQ(table->getAt("NOPE", record, AcDb::kForRead), Acad::eKeyNotFound);
  EXPECT_EQ(table->close(), Acad::eOk);
  EXPECT_EQ(table->getAt("Talus", record, AcDb::kForRead), Acad::eNotApplicable);
}

TEST_F(LayerTable, LayerZeroAndTheCurrentLayerStayThawed) {
  db().currentLayer = static_cast<uint32_t>(db().layers.find("TALUS"));
  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(db().getLayerTable(table, AcDb::kForRead), Acad::eOk);
  for (const char* name : {"0", "Talus"}) {
    AcDbLayerTableRecord* record = nullptr;
    ASSERT_EQ(table->getAt(name, record, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(record->setIsFrozen(true), Acad::eInvalidInput) << name;
    EXPECT_FALSE(record->isFrozen());
    record->close();
  }
  table->close();
}

TEST_F(LayerTable, TheTableIsOpenedForWriteOnceAtATime) {
  AcDbLayerTable* writer = nullptr;
  AcDbLayerTable* other = nullptr;
  ASSERT_EQ(db().getLayerTable(writer, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(db().getLayerTable(other, AcDb::kForRead), Acad::eWasOpenForWrite);
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(writer->close(), Acad::eOk);
  EXPECT_EQ(db().getLayerTable(other, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(other->close(), Acad::eOk);
  EXPECT_EQ(other->close(), Acad::eNotApplicable);  // closed once too often
}

TEST(LayerNames, CaseIsIgnoredAndForbiddenCharactersRefused) {
  db::LayerTable t;
  EXPECT_EQ(t.find("0"), 0);
  const uint32_t a = t.findOrAdd("Chaussée");
  EXPECT_EQ(t.findOrAdd("CHAUSSéE"), a);
  EXPECT_EQ(t.at(a).name, "Chaussée");
  EXPECT_TRUE(db::LayerTable::validName("Terrain naturel-2"));
  for (const char* bad : {"", "a<b", "a>b", "a/b", "a\\b", "a\"b", "a:b", "a;b", "a?b", "a*b",
                          "a|b", "a=b", "a`b", "a\nb"})
    EXPECT_FALSE(db::LayerTable::validName(bad)) << bad;
}

}  // namespace
