// Quoted texts of the parameter files: "..." with escaped quotes, or the
// single letter X for an absent text.
#pragma once
#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace framework {

// An absent text (no value at all) differs from an empty one.
using TexteOptionnel = std::optional<std::string>;

// The text form escapes only quotes; the counted forms escape backslashes too.
enum class FormeTexte { Texte, Comptee };

// Longest text a quoted read accepts.
constexpr size_t kLongueurMaxTexteCite = 357;

void ecrireTexteCite(std::ostream& flux, const TexteOptionnel& texte, FormeTexte forme);

enum class LectureTexte {
  Lu,
  Fin,     // the input ended before the text started
  Erreur,  // neither X nor a quote, unterminated, or too long
};

LectureTexte lireTexteCite(std::istream& flux, FormeTexte forme, TexteOptionnel& texte);

}  // namespace framework
