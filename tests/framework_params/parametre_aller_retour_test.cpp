// Generated trees of the texts users type: written, read and written again,
// every form gives back the same tree and the same bytes.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "capture_erreurs.h"
#include "framework/parametre.h"

namespace {

using framework::FormeTexte;
using framework::LISTE_PARAMETRES;
using framework::PARAMETRE;
using framework::TexteOptionnel;

// Accented letters in UTF-8, blanks, digits, quotes, backslashes alone and in
// runs, and the characters the text form gives a meaning to.
const std::vector<std::string> kMorceaux = {"a",
                                            "Z",
                                            "X",
                                            "x",
                                            "é",
                                            "à",
                                            "ç",
                                            "Ü",
                                            "œ",
                                            " ",
                                            "\t",
                                            "0",
                                            "7",
                                            "\"",
                                            "\\",
                                            "\\\\",
                                            "\\\\\\",
                                            "=",
                                            "+",
                                            "-",
                                            "#",
                                            "C:\\",
                                            "\\\\serveur\\",
                                            "\\\"",
                                            "\"\\"};

class Generateur {
 public:
  explicit Generateur(uint32_t graine) : alea_(graine) {}

  int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }

  TexteOptionnel texte() {
    switch (entre(0, 9)) {
      case 0: return std::nullopt;
      case 1: return std::string();
      case 2: return std::string("X");
      case 3: return std::string(static_cast<size_t>(entre(1, 5)), '\\');
      default: {
        std::string t;
        for (int n = entre(1, 10); n > 0; --n)
          t += kMorceaux[static_cast<size_t>(entre(0, static_cast<int>(kMorceaux.size()) - 1))];
        return t;
      }
    }
  }

  // Kinds and numbers only for the counted forms, which keep them.
  LISTE_PARAMETRES liste(int profondeur, bool avecTypes) {
    LISTE_PARAMETRES l;
    for (int n = entre(profondeur == 0 ? 1 : 0, 4); n > 0; --n) {
      PARAMETRE& p = l.emplace_back(texte(), texte());
      if (avecTypes) {
        switch (entre(0, 3)) {
          case 1: p.fixeReel(std::uniform_real_distribution<double>(-1e6, 1e6)(alea_)); break;
          case 2: p.fixeEntier(entre(-70000, 70000)); break;
          case 3: p.fixeEntierTexte(entre(-9, 9), p.valeur ? p.valeur->c_str() : nullptr); break;
          default: break;
        }
      }
      if (profondeur < 3 && entre(0, 2) == 0) p.enfants = liste(profondeur + 1, avecTypes);
    }
    return l;
  }

 private:
  std::mt19937 alea_;
};

std::string ecrit(const LISTE_PARAMETRES& liste, int niveau) {
  std::ostringstream flux;
  framework::ecrireListe(flux, liste, niveau);
  EXPECT_FALSE(flux.fail());
  return flux.str();
}

constexpr int kCas = 300;

TEST(ParametreAllerRetour, TextForm) {
  Generateur g(20260701);
  for (int cas = 0; cas < kCas; ++cas) {
    const LISTE_PARAMETRES arbre = g.liste(0, false);
    const std::string premier = ecrit(arbre, 0);
    CaptureErreurs erreurs;
    std::istringstream flux(premier);
    LISTE_PARAMETRES lu;
    ASSERT_TRUE(framework::lireFichier(flux, framework::kModeTexte, lu))
        << cas << "\n"
        << premier << erreurs.texte();
    ASSERT_EQ(lu, arbre) << cas << "\n" << premier;
    ASSERT_EQ(ecrit(lu, 0), premier) << cas;
  }
}

TEST(ParametreAllerRetour, CountedForms) {
  Generateur g(4242);
  for (int cas = 0; cas < kCas; ++cas) {
    const LISTE_PARAMETRES arbre = g.liste(0, true);
    // Level 1 marks its list "V2"; level 2 is the bare counted list.
    for (int niveau : {1, 2}) {
      const std::string premier = ecrit(arbre, niveau);
      CaptureErreurs erreurs;
      std::istringstream flux(premier);
      LISTE_PARAMETRES lu;
      ASSERT_TRUE(framework::lireListe(flux, niveau == 1 ? -1 : framework::kModeCompte2, lu))
          << cas << " " << niveau << erreurs.texte();
      ASSERT_EQ(lu, arbre) << cas << " " << niveau;
      ASSERT_EQ(ecrit(lu, niveau), premier) << cas << " " << niveau;
    }
  }
}

TEST(ParametreAllerRetour, QuotedTextsAloneInEachForm) {
  // The pairs of "registre.ini" and of the counted form 1 are such texts.
  Generateur g(7);
  for (int cas = 0; cas < kCas; ++cas) {
    const TexteOptionnel t = g.texte();
    for (FormeTexte forme : {FormeTexte::Texte, FormeTexte::Comptee}) {
      std::ostringstream ecrit;
      ASSERT_TRUE(framework::ecrireTexteCite(ecrit, t, forme));
      std::istringstream flux(ecrit.str() + " \"suite\"");
      TexteOptionnel lu, suite;
      ASSERT_EQ(framework::lireTexteCite(flux, forme, lu), framework::LectureTexte::Lu)
          << ecrit.str();
      ASSERT_EQ(framework::lireTexteCite(flux, forme, suite), framework::LectureTexte::Lu)
          << ecrit.str();
      EXPECT_EQ(lu, t) << ecrit.str();
      EXPECT_EQ(suite, "suite");
    }
  }
}

}  // namespace
