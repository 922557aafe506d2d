// The binary mesh stream: round trip, and every damaged stream refused with
// the mesh left as it was.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "terrain/flux_maillage.h"
#include "terrain/maillage.h"

namespace {

using terrain::MAILLAGE;
using terrain::VECTEUR;

void remplit(MAILLAGE& m) {
  auto* a = m.ajoutePoint(VECTEUR(600000.5, 6500000.25, 101.125));
  auto* b = m.ajoutePoint(VECTEUR(600010.0, 6500000.0, 102.0));
  auto* c = m.ajoutePoint(VECTEUR(600005.0, 6500008.0, -3.5));
  m.ajouteSegment(a, b);
  m.ajouteTriangle(a, b, c);
}

std::string ecrit(MAILLAGE& m) {
  std::ostringstream o;
  EXPECT_TRUE(terrain::ecritMaillage(m, o));
  return o.str();
}

TEST(FluxMaillage, RoundTripGivesTheSameMeshInReversedListOrder) {
  MAILLAGE m;
  remplit(m);
  const std::string flux = ecrit(m);
  ASSERT_EQ(flux.size(), 16u + 3 * 24 + 8 + 12);
  EXPECT_EQ(flux.substr(0, 4), std::string("\x01\x00\x00\x00", 4));  // little-endian
  MAILLAGE lu;
  std::istringstream in(flux);
  std::string erreur;
  ASSERT_TRUE(terrain::litMaillage(lu, in, erreur)) << erreur;
  ASSERT_EQ(lu.points().size(), 3u);
  for (size_t k = 0; k < 3; ++k) EXPECT_TRUE(lu.points()[k]->egalExact(*m.points()[2 - k]));
  ASSERT_EQ(lu.triangles().size(), 1u);
  for (size_t k = 0; k < 3; ++k)
    EXPECT_TRUE(lu.triangles()[0]->p[k]->egalExact(*m.triangles()[0]->p[k]));
  // Read twice, the list order comes back.
  MAILLAGE relu;
  std::istringstream encore(ecrit(lu));
  ASSERT_TRUE(terrain::litMaillage(relu, encore, erreur)) << erreur;
  for (size_t k = 0; k < 3; ++k) EXPECT_TRUE(relu.points()[k]->egalExact(*m.points()[k]));
  EXPECT_EQ(relu.segments().size(), 1u);
  double z = 0;
  EXPECT_TRUE(lu.zEn(600005.0, 6500002.0, z));  // the grid was built
}

TEST(FluxMaillage, DamagedStreamsAreRefusedAndLeaveTheMesh) {
  MAILLAGE source;
  remplit(source);
  const std::string bon = ecrit(source);
  auto refuse = [](const std::string& flux, const std::string& attendu) {
    MAILLAGE m;
    remplit(m);
    std::istringstream in(flux);
    std::string erreur;
    EXPECT_FALSE(terrain::litMaillage(m, in, erreur));
    EXPECT_NE(erreur.find(attendu), std::string::npos) << erreur;
    EXPECT_EQ(m.points().size(), 3u);
    EXPECT_EQ(m.triangles().size(), 1u);
  };
  refuse("", "illisible");
  refuse(std::string("\x02\x00\x00\x00", 4) + bon.substr(4), "Version du maillage incompatible");
  refuse(bon.substr(0, 10), "en-tête");
  refuse(bon.substr(0, bon.size() - 1), "triangles");
  // A count of four thousand million points with three behind it.
  std::string enorme = bon;
  enorme.replace(4, 4, std::string("\xff\xff\xff\xff", 4));
  refuse(enorme, "points annoncés");
  // A triangle corner numbered past the points.
  std::string horsPlage = bon;
  horsPlage[horsPlage.size() - 4] = 7;
  refuse(horsPlage, "hors de");
  std::string infini = bon;
  infini.replace(16, 8, std::string("\x00\x00\x00\x00\x00\x00\xf0\x7f", 8));
  refuse(infini, "non finie");
}

}  // namespace
