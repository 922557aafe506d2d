#include "framework/message_stream.h"

#include <cstring>
#include <ostream>
#include <streambuf>

#include "acedads.h"
#include "framework/error_stream.h"
#include "platform.h"

namespace framework {
namespace {

ECOUTE_MESSAGE* teteEcouteurs = nullptr;
bool echo = false;
bool demarre = false;

void distribue(std::string_view contenu) {
  for (ECOUTE_MESSAGE* e = teteEcouteurs; e;) {
    ECOUTE_MESSAGE* suivant = e->suivant();  // a listener may unlink itself while acting
    e->recoit(contenu);
    e = suivant;
  }
}

// Takes the complete "@(...)" messages out of `texte` and hands them to the
// listeners. An unterminated "@(" stays in the text; its position is returned
// (npos when there is none) so that a full buffer can carry it to the next fill.
size_t extraitMessages(std::string& texte) {
  size_t debut = 0;
  while ((debut = texte.find("@(", debut)) != std::string::npos) {
    const size_t fin = texte.find(')', debut + 2);
    if (fin == std::string::npos) return debut;
    const std::string contenu = texte.substr(debut + 2, fin - debut - 2);
    texte.erase(debut, fin - debut + 1);
    distribue(contenu);
  }
  return std::string::npos;
}

class TamponFlux : public std::streambuf {
 public:
  TamponFlux() { setp(tampon_, tampon_ + kTailleTamponFlux); }

 protected:
  int_type overflow(int_type c) override {
    vide(false);
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override {
    vide(true);
    return 0;
  }

 private:
  // A full buffer keeps an unterminated "@(" for the next fill, so that a
  // message cut by the buffer's size still reaches its listener; a flush
  // shows such a text unchanged. The carried text is bounded.
  void vide(bool flush) {
    std::string texte = report_;
    texte.append(pbase(), static_cast<size_t>(pptr() - pbase()));
    report_.clear();
    setp(tampon_, tampon_ + kTailleTamponFlux);
    const size_t ouvert = extraitMessages(texte);
    if (!flush && ouvert != std::string::npos && texte.size() - ouvert < kLimiteReport) {
      report_ = texte.substr(ouvert);
      texte.resize(ouvert);
    }
    if (texte.empty()) return;
    platform::writeProcessOutput(texte);
    if (echo && demarre) acutPrintf("%s", texte.c_str());
  }

  static constexpr size_t kLimiteReport = 4096;
  char tampon_[kTailleTamponFlux + 1] = {};
  std::string report_;
};

TamponFlux& tampon() {
  static TamponFlux t;
  return t;
}

}  // namespace

std::ostream& fluxErreur() {
  static std::ostream flux(&tampon());
  return flux;
}

ECOUTE_MESSAGE::ECOUTE_MESSAGE(std::string motCle, std::string identifiant)
    : motCle_(std::move(motCle)), identifiant_(std::move(identifiant)), suivant_(teteEcouteurs) {
  teteEcouteurs = this;
}

ECOUTE_MESSAGE::~ECOUTE_MESSAGE() {
  for (ECOUTE_MESSAGE** p = &teteEcouteurs; *p; p = &(*p)->suivant_) {
    if (*p == this) {
      *p = suivant_;
      break;
    }
  }
}

void ECOUTE_MESSAGE::recoit(std::string_view contenu) {
  if (!fenetreExiste()) return;
  auto mot = [&contenu]() {
    while (!contenu.empty() && static_cast<unsigned char>(contenu.front()) <= ' ')
      contenu.remove_prefix(1);
    size_t n = 0;
    while (n < contenu.size() && static_cast<unsigned char>(contenu[n]) > ' ') ++n;
    std::string_view m = contenu.substr(0, n);
    contenu.remove_prefix(n);
    return m;
  };
  if (mot() != motCle_) return;
  if (mot() != identifiant_) return;
  agit(contenu);
}

void demarrerFluxMessages() {
  fluxErreur().flush();
  demarre = true;
}

void arreterFluxMessages() {
  fluxErreur().flush();
  demarre = false;
}

bool fluxMessagesDemarre() { return demarre; }

void activerEcho(bool actif) { echo = actif; }
bool echoActif() { return echo; }

}  // namespace framework
