// What every writing function of the road API shares besides the call's
// arguments and project: the messages, the save, and the guard that keeps
// any fault from reaching the host.
#pragma once
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/error_stream.h"
#include "road/appel_api.h"
#include "road/projet_talvex.h"

struct resbuf;

namespace road::api {

// "<operation>: <texte>" on the error stream.
void signale(const char* operation, const char* texte);
inline void parametresIncorrects(const char* operation) {
  signale(operation, "parametres incorrects");
}

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
