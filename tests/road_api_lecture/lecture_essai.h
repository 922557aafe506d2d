// A fresh drawing per test whose CHEMINOM names a project file in a scratch
// directory, the error stream captured, and the symbols read back as LISP
// prints them.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "capture_erreurs.h"
#include "core/session.h"
#include "lisp/environment.h"
#include "lisp/interpreter.h"
#include "lisp/printer.h"
#include "road/axe_en_plan.h"
#include "road/projet_talvex.h"
#include "road/registre_objets.h"
#include "road_api_common.h"

class LectureEssai : public ::testing::Test {
 protected:
  void SetUp() override {
    road::REGISTRE_OBJETS::enregistreTout();
    dossier_ = std::filesystem::temp_directory_path() /
               ("road_api_lecture_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dossier_);
    std::filesystem::create_directories(dossier_);
    host::session().newDocument((dossier_ / "plan.dwg").string());
    host::session().setOutput([](std::string_view) {});
    lisp("(setq CHEMINOM \"" + (dossier_ / "plan").string() + "\")");
  }
  void TearDown() override {
    host::session().setOutput(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(dossier_, ec);
  }

  static lisp::Value lisp(const std::string& texte) {
    return host::session().current().lisp().environment().runText(texte, 0, false);
  }
  // The symbol's value as prin1 writes it.
  static std::string valeur(const char* symbole) { return lisp::toText(lisp(symbole), true); }

  // The project file of CHEMINOM, written with the model classes.
  void sauve(std::unique_ptr<road::AXE_EN_PLAN> axe) {
    road::PROJETTALVEX projet(1);
    projet.ajouteAxe(std::move(axe));
    ASSERT_TRUE(projet.sauve((dossier_ / "plan.axs").string()));
  }

  std::filesystem::path dossier_;
};
