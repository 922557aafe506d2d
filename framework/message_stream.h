// The message stream behind the module's error stream: text is collected in a
// small buffer; embedded "@(KEYWORD id ...)" messages are taken out and handed
// to the listeners (progress and information windows); the rest goes to the
// process's standard output and, when the echo is on, to the host command line.
#pragma once
#include <string>
#include <string_view>

namespace framework {

// A listener of embedded messages; listeners live in one module-wide list,
// newest first, and unlink themselves when destroyed.
class ECOUTE_MESSAGE {
 public:
  ECOUTE_MESSAGE(std::string motCle, std::string identifiant);
  virtual ~ECOUTE_MESSAGE();
  ECOUTE_MESSAGE(const ECOUTE_MESSAGE&) = delete;
  ECOUTE_MESSAGE& operator=(const ECOUTE_MESSAGE&) = delete;

  // Handed the inside of every "@(...)": acts when its first word is this
  // listener's keyword and the second its identifier.
  void recoit(std::string_view contenu);

  const std::string& motCle() const { return motCle_; }
  const std::string& identifiant() const { return identifiant_; }
  ECOUTE_MESSAGE* suivant() const { return suivant_; }

 protected:
  // The window this listener drives still exists.
  virtual bool fenetreExiste() const = 0;
  // The rest of the message after keyword and identifier (leading blank kept).
  virtual void agit(std::string_view reste) = 0;

 private:
  std::string motCle_, identifiant_;
  ECOUTE_MESSAGE* suivant_ = nullptr;
};

// Start (on initialisation) and stop (on unload and quit) of the stream.
void demarrerFluxMessages();
void arreterFluxMessages();
bool fluxMessagesDemarre();

// The echo of the stream on the host command line (set when functions are declared).
void activerEcho(bool actif);
bool echoActif();

// Size of the stream buffer (characters, without the terminating zero).
constexpr size_t kTailleTamponFlux = 132;

}  // namespace framework
