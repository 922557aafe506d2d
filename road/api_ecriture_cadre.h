// What every writing function of the road API shares: the call's arguments,
// the project opened for the call, the messages, and the guard that keeps
// any fault from reaching the host.
#pragma once
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/error_stream.h"
#include "framework/liste_resbuf.h"
#include "road/projet_talvex.h"

struct resbuf;

namespace road::api {

// The LISP arguments of the running call, top-level items by position (a
// list argument is one item).
class ArgumentsAppel {
 public:
  ArgumentsAppel();
  size_t nombre() const { return items_.size(); }
  std::optional<std::string> texte(size_t i) const;   // a string only
  std::optional<int32_t> entier(size_t i) const;      // an integer only
  std::optional<double> reel(size_t i) const;         // any number

 private:
  framework::ListeResbuf liste_;
  std::vector<const resbuf*> items_;
};

// "<operation>: <texte>" on the error stream.
void signale(const char* operation, const char* texte);
inline void parametresIncorrects(const char* operation) { signale(operation, "parametres incorrects"); }

// The project of CHEMINOM, loaded (terrain settings published).
std::unique_ptr<PROJETTALVEX> ouvreProjet();
// Saves the call's changes, unless something in the project would not read
// back as written: then "<operation>: parametres incorrects" and the file
// stays as it was.
void enregistre(PROJETTALVEX& projet, const char* operation);

// `count` texts that are acceptable names, or nothing after the
// "parametres incorrects" message of `operation`.
std::optional<std::vector<std::string>> nomsArguments(const ArgumentsAppel& args, size_t count,
                                                      const char* operation);

// The alignment named by the first argument of a call of exactly `count`
// arguments (at least `count` when `auMoins`); null after the message.
AXE_EN_PLAN* axeArgument(PROJETTALVEX& projet, const ArgumentsAppel& args, size_t count,
                         const char* operation, bool auMoins = false);

// Runs a function body; whatever escapes it becomes a message. The caller of
// the road API always receives nil.
template <class Corps>
resbuf* protege(const char* operation, Corps&& corps) noexcept {
  try {
    corps();
  } catch (const std::exception& e) {
    try {
      framework::fluxErreur() << operation << ": " << e.what() << std::endl;
    } catch (...) {
    }
  } catch (...) {
    try {
      framework::fluxErreur() << operation << ": erreur interne" << std::endl;
    } catch (...) {
    }
  }
  return nullptr;
}

}  // namespace road::api
