// A fresh drawing per test, the command line captured, the module-wide output
// state reset, and the drawing's entities read back through the host.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "acedads.h"
#include "core/session.h"
#include "framework/error_stream.h"
#include "framework/liste_resbuf.h"
#include "framework/message_stream.h"
#include "framework/point_3d.h"
#include "framework/reglages_framework.h"
#include "framework/sortie_entites.h"
#include "framework/sortie_polyligne.h"

class DessinEssai : public ::testing::Test {
 protected:
  void SetUp() override {
    host::session().newDocument("essai.dwg");
    framework::activerEcho(true);
    framework::demarrerFluxMessages();
    host::session().setOutput([this](std::string_view t) { ligne_.append(t); });
    if (framework::polyligneOuverte()) framework::terminePolyligne();
    framework::changeCalqueSortie(nullptr);
    framework::changeTypeLigneSortie(nullptr);
    framework::retiensEntites(false);
    framework::changeRenflement(0);
    framework::changeLargeur(0);
    framework::reglageDiscArc() = 0;
    ligne_.clear();
  }
  void TearDown() override {
    framework::fluxErreur().flush();
    host::session().setOutput(nullptr);
  }

  // What reached the command line so far.
  const std::string& ligne() {
    framework::fluxErreur().flush();
    return ligne_;
  }
  bool ligneContient(const std::string& s) { return ligne().find(s) != std::string::npos; }

  // Every entity of the drawing, sub-entities included, in order.
  static std::vector<framework::ListeResbuf> entites() {
    std::vector<framework::ListeResbuf> liste;
    ads_name courant, suivant;
    if (acdbEntNext(nullptr, courant) != RTNORM) return liste;
    for (;;) {
      liste.emplace_back(acdbEntGet(courant));
      if (acdbEntNext(courant, suivant) != RTNORM) break;
      courant[0] = suivant[0];
      courant[1] = suivant[1];
    }
    return liste;
  }

  static std::string type(const framework::ListeResbuf& e) { return texte(e, 0); }
  static std::string texte(const framework::ListeResbuf& e, int code) {
    const resbuf* g = e.groupe(code);
    return g && g->resval.rstring ? g->resval.rstring : "<absent>";
  }
  static framework::Point3D point(const framework::ListeResbuf& e, int code) {
    const resbuf* g = e.groupe(code);
    if (!g) return {NAN, NAN, NAN};
    return {g->resval.rpoint[0], g->resval.rpoint[1], g->resval.rpoint[2]};
  }
  static double reel(const framework::ListeResbuf& e, int code) {
    const resbuf* g = e.groupe(code);
    return g ? g->resval.rreal : NAN;
  }
  static int entier(const framework::ListeResbuf& e, int code) {
    const resbuf* g = e.groupe(code);
    if (!g) return -99999;
    return code >= 90 && code <= 99 ? g->resval.rlong : g->resval.rint;
  }

  // Makes an entity from its list and answers its name.
  static void fabrique(framework::ListeResbuf liste, ads_name nom) {
    ASSERT_EQ(acdbEntMakeX(liste.get(), nom), RTNORM);
  }

 private:
  std::string ligne_;
};

inline void attendPoint(const framework::Point3D& obtenu, const framework::Point3D& attendu,
                        double tolerance = 1e-9) {
  EXPECT_NEAR(obtenu[0], attendu[0], tolerance);
  EXPECT_NEAR(obtenu[1], attendu[1], tolerance);
  EXPECT_NEAR(obtenu[2], attendu[2], tolerance);
}
