// Surfaces through LandXML: a mesh written and read back gives the same
// triangles and heights; a document written by hand from the 1.2 schema reads
// as it says; broken or hostile documents are refused whole, with a message.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "landxml/ecriture_landxml.h"
#include "landxml/lecture_landxml.h"
#include "terrain/maillage.h"

namespace {

using Triangle = std::array<std::array<double, 3>, 3>;

// A triangle by its corners, from the lowest, whatever the order it was given in.
Triangle range(Triangle t) {
  std::rotate(t.begin(), std::min_element(t.begin(), t.end()), t.end());
  return t;
}

std::optional<std::vector<landxml::SURFACE_LUE>> lis(const std::string& texte,
                                                     std::string& erreur) {
  return landxml::lisSurfaces(texte.data(), texte.size(), erreur);
}

TEST(EchangeSurface, MeshComesBackWithTheSameTrianglesAndHeights) {
  terrain::MAILLAGE m;
  std::vector<terrain::PT_MAILLE*> p;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      p.push_back(m.ajoutePoint(terrain::VECTEUR(600000.0 + i * 10.1, 6500000.0 + j * 9.7,
                                                 100.0 + i * 0.1234567 + j / 3.0)));
  std::set<Triangle> attendus;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      terrain::PT_MAILLE* a = p[i * 4 + j];
      terrain::PT_MAILLE* b = p[(i + 1) * 4 + j];
      terrain::PT_MAILLE* c = p[(i + 1) * 4 + j + 1];
      m.ajouteTriangle(a, b, c);
      attendus.insert(range({{{a->x, a->y, a->z}, {b->x, b->y, b->z}, {c->x, c->y, c->z}}}));
    }
  // A wall's top at one corner: the upper half of the last square rests on the
  // second height there, which must come back as a point of its own.
  terrain::PT_MAILLE* haut = m.donneJumeau(p[15], p[15]->z + 2.5);
  ASSERT_NE(haut, nullptr);
  m.ajouteTriangle(p[10], haut, p[11]);
  attendus.insert(range({{{p[10]->x, p[10]->y, p[10]->z},
                          {haut->x, haut->y, haut->z},
                          {p[11]->x, p[11]->y, p[11]->z}}}));
  // A breakline of two segments and a lone one.
  m.ajouteSegment(p[0], p[5]);
  m.ajouteSegment(p[5], p[10]);
  m.ajouteSegment(p[3], p[6]);

  std::ostringstream sortie;
  landxml::CONTENU_EXPORT contenu;
  contenu.maillage = &m;
  landxml::BILAN_EXPORT bilan;
  ASSERT_TRUE(landxml::ecritLandXML(sortie, contenu, bilan));
  EXPECT_EQ(bilan.points, 17u);
  EXPECT_EQ(bilan.faces, 10u);
  EXPECT_EQ(bilan.lignesRupture, 2u);
  const std::string texte = sortie.str();
  EXPECT_NE(texte.find("xmlns=\"http://www.landxml.org/schema/LandXML-1.2\""), std::string::npos);
  // The two segments that meet make one breakline, in either direction.
  const std::string ligne =
      "6500000 600000 100 6500009.7 600010.1 100.45679003333333 6500019.4 "
      "600020.2 100.91358006666667";
  const std::string enArriere =
      "6500019.4 600020.2 100.91358006666667 6500009.7 600010.1 "
      "100.45679003333333 6500000 600000 100";
  EXPECT_TRUE(texte.find("<PntList3D>" + ligne + "</PntList3D>") != std::string::npos ||
              texte.find("<PntList3D>" + enArriere + "</PntList3D>") != std::string::npos)
      << texte;

  std::string erreur;
  const auto surfaces = lis(texte, erreur);
  ASSERT_TRUE(surfaces) << erreur;
  ASSERT_EQ(surfaces->size(), 1u);
  const landxml::SURFACE_LUE& s = surfaces->front();
  EXPECT_EQ(s.nom, "Terrain");
  EXPECT_EQ(s.points.size(), 17u);
  std::set<Triangle> relus;
  for (const auto& f : s.faces) {
    EXPECT_EQ(f[3], f[2]);
    Triangle t;
    for (size_t k = 0; k < 3; ++k) t[k] = {s.points[f[k]].x, s.points[f[k]].y, s.points[f[k]].z};
    relus.insert(range(t));
  }
  EXPECT_EQ(relus, attendus);  // exact: every real is written to read back the same
}

TEST(EchangeSurface, HandWrittenDocumentReadsAsItSays) {
  // Two surfaces, ids that are neither dense nor ordered, northing before
  // easting, an invisible face, a face with its neighbours, a prefixed element.
  const std::string texte = R"(<?xml version="1.0" encoding="UTF-8"?>
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" version="1.2" date="2026-01-05" time="10:00:00">
  <Units><Metric linearUnit="meter" areaUnit="squareMeter" volumeUnit="cubicMeter"/></Units>
  <Project name="Essai"/>
  <Application name="Autre" manufacturer="Ailleurs"/>
  <CgPoints><CgPoint name="B1">2400000.0 600000.0 50.0</CgPoint></CgPoints>
  <Surfaces>
    <Surface name="TN">
      <SourceData><Breaklines><Breakline><PntList3D>1 2 3 4 5 6</PntList3D></Breakline></Breaklines></SourceData>
      <Definition surfType="TIN" area2DSurf="200">
        <Pnts>
          <P id="40">2400010.5 600020.25 101.5</P>
          <P id="10"> 2400000 600000 100 </P>
          <P id="20">2400000 600020.25 +102.75</P>
          <P id="30">2400010.5 600000 1.0e2</P>
        </Pnts>
        <Faces>
          <F n="0 2 0">10 20 40</F>
          <F i="1">10 40 30</F>
          <x:F xmlns:x="http://www.landxml.org/schema/LandXML-1.2">30 10 40</x:F>
        </Faces>
      </Definition>
    </Surface>
    <Surface name="Vide"><SourceData/></Surface>
  </Surfaces>
</LandXML>)";
  std::string erreur;
  const auto surfaces = lis(texte, erreur);
  ASSERT_TRUE(surfaces) << erreur;
  ASSERT_EQ(surfaces->size(), 2u);
  const landxml::SURFACE_LUE& s = (*surfaces)[0];
  EXPECT_EQ(s.nom, "TN");
  ASSERT_EQ(s.points.size(), 4u);
  EXPECT_DOUBLE_EQ(s.points[0].x, 600020.25);
  EXPECT_DOUBLE_EQ(s.points[0].y, 2400010.5);
  EXPECT_DOUBLE_EQ(s.points[0].z, 101.5);
  EXPECT_DOUBLE_EQ(s.points[2].z, 102.75);
  EXPECT_DOUBLE_EQ(s.points[3].z, 100.0);
  ASSERT_EQ(s.faces.size(), 2u);  // the invisible face is not part of the surface
  EXPECT_EQ(s.faces[0], (std::array<uint32_t, 4>{1, 2, 0, 0}));
  EXPECT_EQ(s.faces[1], (std::array<uint32_t, 4>{3, 1, 0, 0}));
  EXPECT_TRUE((*surfaces)[1].faces.empty());
}

TEST(EchangeSurface, BrokenAndHostileDocumentsAreRefusedWhole) {
  const std::string debut =
      "<LandXML><Surfaces><Surface name=\"S\"><Definition><Pnts>"
      "<P id=\"1\">0 0 1</P><P id=\"2\">0 1 1</P><P id=\"3\">1 0 1</P>";
  const std::string fin = "</Definition></Surface></Surfaces></LandXML>";
  const std::vector<std::pair<std::string, std::string>> cas = {
      {"<LandXML><Surfaces>", "document XML mal formé (ligne 1)"},
      {"<Autre/>", "l'élément racine n'est pas LandXML"},
      {"<LandXML/>", "aucune surface"},
      {debut + "</Pnts><Faces><F>1 2 4</F></Faces>" + fin, "face sur le point 4, absent"},
      {debut + "</Pnts><Faces><F>1 2 99999999999999999999</F></Faces>" + fin, "face mal formée"},
      {debut + "</Pnts><Faces><F>1 2</F></Faces>" + fin, "face mal formée"},
      {debut + "<P id=\"2\">5 5 5</P></Pnts>" + fin, "point 2 en double"},
      {debut + "<P id=\"4\">5 5 nan</P></Pnts>" + fin, "point 4 mal formé"},
      {debut + "<P id=\"4\">5 5</P></Pnts>" + fin, "point 4 mal formé"},
      {debut + "<P id=\"4\">5 5 5 5</P></Pnts>" + fin, "point 4 mal formé"},
      {debut + "<P id=\"-4\">5 5 5</P></Pnts>" + fin, "point sans numéro valable"},
      {debut + "<P>5 5 5</P></Pnts>" + fin, "point sans numéro valable"},
      // A document type's entities are never expanded: the text stays unread.
      {"<!DOCTYPE l [<!ENTITY a \"1 2 3\">]><LandXML><Surfaces><Surface><Definition><Pnts>"
       "<P id=\"1\">&a;</P></Pnts>" +
           fin,
       "LandXML : "},
  };
  for (const auto& [texte, message] : cas) {
    std::string erreur;
    EXPECT_FALSE(lis(texte, erreur)) << texte;
    EXPECT_NE(erreur.find(message), std::string::npos) << texte << "\n" << erreur;
    EXPECT_EQ(erreur.rfind("LandXML : ", 0), 0u) << erreur;
  }
}

}  // namespace
