// Captures what reaches the host command line during a test.
#pragma once
#include <string>

#include "core/session.h"
#include "framework/error_stream.h"
#include "framework/message_stream.h"

class CaptureLigneCommande {
 public:
  CaptureLigneCommande() {
    framework::activerEcho(true);
    framework::demarrerFluxMessages();
    host::session().setOutput([this](std::string_view t) { texte_.append(t); });
  }
  ~CaptureLigneCommande() {
    framework::fluxErreur().flush();
    host::session().setOutput(nullptr);
  }
  const std::string& texte() {
    framework::fluxErreur().flush();
    return texte_;
  }
  bool contient(const std::string& s) { return texte().find(s) != std::string::npos; }
  size_t compte(const std::string& s) {
    size_t n = 0;
    for (size_t p = texte().find(s); p != std::string::npos; p = texte_.find(s, p + s.size())) ++n;
    return n;
  }
  void vide() {
    framework::fluxErreur().flush();
    texte_.clear();
  }

 private:
  std::string texte_;
};
