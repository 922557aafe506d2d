// A fresh drawing per test with the command line captured, a scratch
// directory, the record kinds registered and a known "cc.ini" beside the
// test program.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "acedads.h"
#include "core/session.h"
#include "framework/error_stream.h"
#include "framework/liste_resbuf.h"
#include "framework/message_stream.h"
#include "road/registre_objets.h"
#include "road/reglages_terrain.h"

// Defaults every test sees: three elevations and two 3D layers, unsorted.
inline constexpr char kCcIniEssai[] =
    "\"TERRAIN\" = \"\"\n+\n\t\"VMin\" = \"10.5\"\n\t\"VMax\" = \"250\"\n\t\"VNul\" = \"-999\"\n"
    "\t\"PLANS3D\" = \"\"\n\t+\n\t\t\"TN\" = \"TN\"\n\t\t\"Digue\" = \"Digue\"\n\t-\n-\n";

class ProjetEssai : public ::testing::Test {
 protected:
  void SetUp() override {
    road::REGISTRE_OBJETS::enregistreTout();
    ecritCcIni();
    dossier_ = std::filesystem::temp_directory_path() /
               ("road_projet_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dossier_);
    std::filesystem::create_directories(dossier_);
    host::session().newDocument((dossier_ / "plan.dwg").string());
    host::session().user().clear();
    framework::activerEcho(true);
    framework::demarrerFluxMessages();
    host::session().setOutput([this](std::string_view t) { ligne_.append(t); });
  }
  void TearDown() override {
    framework::fluxErreur().flush();
    host::session().setOutput(nullptr);
    host::session().user().clear();
    std::error_code ec;
    std::filesystem::remove_all(dossier_, ec);
  }

  // Same text on every run, written whole then renamed: test processes may
  // run side by side.
  static void ecritCcIni() {
    const std::string cible = road::cheminDefautsTerrain();
    std::string chemin = cible;
    for (char& c : chemin)
      if (c == '\\') c = '/';
    const std::string temporaire = chemin + "." + std::to_string(::getpid());
    std::ofstream(temporaire, std::ios::binary) << kCcIniEssai;
    std::filesystem::rename(temporaire, chemin);
  }

  std::string fichier(const std::string& nom) const { return (dossier_ / nom).string(); }
  void ecrit(const std::string& nom, const std::string& texte) const {
    std::ofstream(fichier(nom), std::ios::binary) << texte;
  }
  std::string lit(const std::string& nom) const {
    std::ifstream f(fichier(nom), std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
  }
  bool existe(const std::string& nom) const { return std::filesystem::exists(dossier_ / nom); }

  const std::string& ligne() {
    framework::fluxErreur().flush();
    return ligne_;
  }
  bool ligneContient(const std::string& s) { return ligne().find(s) != std::string::npos; }
  void videLigne() {
    framework::fluxErreur().flush();
    ligne_.clear();
  }

  // A LISP symbol as the host prints it; "nil" when unset.
  static std::string symbole(const char* nom) {
    resbuf* valeur = nullptr;
    if (acedGetSym(nom, &valeur) != RTNORM || !valeur) return "nil";
    framework::ListeResbuf garde(valeur);
    std::ostringstream s;
    for (const resbuf* rb = valeur; rb; rb = rb->rbnext) {
      switch (rb->restype) {
        case RTLB: s << "("; break;
        case RTLE: s << ")"; break;
        case RTSTR: s << "\"" << rb->resval.rstring << "\""; break;
        case RTREAL: s << rb->resval.rreal; break;
        case RTNIL: s << "nil"; break;
        default: s << "?" << rb->restype; break;
      }
      if (rb->rbnext && rb->restype != RTLB && rb->rbnext->restype != RTLE) s << " ";
    }
    return s.str();
  }
  static void fixeSymbole(const char* nom, const char* texte) {
    framework::ListeResbuf v(texte ? acutBuildList(RTSTR, texte, 0) : acutBuildList(RTNIL, 0));
    acedPutSym(nom, v.get());
  }

  std::filesystem::path dossier_;
  std::string ligne_;
};
