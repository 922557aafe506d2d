// The mapping service's contract where the module does not reach: numbers it
// does not answer, queries without a condition or outside "draw" mode, the
// "inside" condition, attach by unknown alias or of a corrupt drawing.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "acedads.h"
#include "base/resbuf_list.h"
#include "core/session.h"
#include "map/map_service.h"

namespace {

using host::map::MapService;

struct Resultat {
  int ok = 0;
  host::RbList liste;
};

Resultat appelle(MapService& s, int numero, resbuf* arguments) {
  host::RbList args(arguments);
  resbuf* r = nullptr;
  Resultat res;
  res.ok = s.execute(numero, args.get(), &r);
  res.liste.reset(r);
  return res;
}

TEST(MapService, OnlyItsFunctionsRunAndQueriesNeedACondition) {
  host::Session session;
  session.newDocument("");
  const std::filesystem::path dossier =
      std::filesystem::temp_directory_path() / ("map_service_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dossier);
  {
    // Two lines: one inside the square (0,0)-(10,10), one crossing its edge.
    std::ofstream(dossier / "s.dxf")
        << "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\nA\n 10\n1\n"
           " 20\n1\n 11\n2\n 21\n2\n  0\nLINE\n  8\nA\n 10\n5\n 20\n5\n"
           " 11\n50\n 21\n5\n  0\nENDSEC\n  0\nEOF\n";
    std::ofstream(dossier / "casse.dxf") << "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nx\n";
  }
  MapService s;
  for (const int inconnu : {1, 3, 30, 77, 149, 150, -1})
    EXPECT_EQ(appelle(s, inconnu, nullptr).ok, 0) << inconnu;
  EXPECT_EQ(appelle(s, host::map::kQryExecute, nullptr).ok, 0);
  EXPECT_EQ(appelle(s, host::map::kDsAttach, acutBuildList(RTSTR, "X:\\s.dxf", 0)).ok, 0);
  ASSERT_EQ(appelle(s, host::map::kAliasAdd,
                    acutBuildList(RTSTR, "X", RTSTR, dossier.string().c_str(), 0))
                .ok,
            1);
  EXPECT_EQ(appelle(s, host::map::kAliasAdd, acutBuildList(RTSTR, "x", RTSTR, "/ailleurs", 0)).ok,
            0);
  EXPECT_EQ(appelle(s, host::map::kDsAttach, acutBuildList(RTSTR, "X:\\casse.dxf", 0)).ok, 0);
  EXPECT_EQ(appelle(s, host::map::kDsAttach, acutBuildList(RTSTR, "X:\\..\\s.dxf", 0)).ok, 0);
  Resultat id = appelle(s, host::map::kDsAttach, acutBuildList(RTSTR, "x:\\S.DXF", 0));
  ASSERT_EQ(id.ok, 1);
  ASSERT_EQ(id.liste->restype, RTREAL);
  EXPECT_EQ(
      appelle(s, host::map::kDwgActivate, acutBuildList(RTREAL, id.liste->resval.rreal, 0)).ok, 1);
  // Entirely inside only.
  const ads_point p0 = {0, 0, 0}, p1 = {10, 0, 0}, p2 = {10, 10, 0}, p3 = {0, 10, 0};
  resbuf* condition = acutBuildList(RTLB, RTSTR, "and", RTSTR, "", RTSTR, "", RTSTR, "Location",
                                    RTLB, RTSTR, "polygon", RTSTR, "inside", RTPOINT, p0, RTPOINT,
                                    p1, RTPOINT, p2, RTPOINT, p3, RTLE, RTSTR, "", RTLE, 0);
  EXPECT_EQ(appelle(s, host::map::kQryDefine, condition).ok, 1);
  EXPECT_EQ(appelle(s, host::map::kQryExecute, nullptr).ok, 0);  // not in "draw" mode yet
  EXPECT_EQ(appelle(s, host::map::kQrySetType, acutBuildList(RTSTR, "report", 0)).ok, 0);
  EXPECT_EQ(appelle(s, host::map::kQrySetType, acutBuildList(RTSTR, "draw", RTNIL, 0)).ok, 1);
  Resultat copies = appelle(s, host::map::kQryExecute, nullptr);
  ASSERT_EQ(copies.ok, 1);
  EXPECT_EQ(copies.liste->resval.rreal, 1.0);
  EXPECT_EQ(session.current().db().entities.size(), 1u);
  std::filesystem::remove_all(dossier);
}

}  // namespace
