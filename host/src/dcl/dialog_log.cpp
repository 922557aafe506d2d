#include "dcl/dialog_log.h"

#include "core/session.h"

namespace dcl::log {

void opened(const std::string& title) { host::session().print("[dialogue] " + title + "\n"); }

void skipped(const std::string& title, const std::string& key, const std::string& why) {
  host::session().print("[dialogue] " + title + ": \"" + key + "\" " + why + ", action ignorée\n");
}

void closedWithoutActions(const std::string& title) {
  host::session().print("[dialogue] " + title + ": plus d'action, fermé comme par Echap\n");
}

void unexpectedAnswer(const std::string& title) {
  host::session().print("[dialogue] " + title + ": réponse inattendue, fermé comme par Echap\n");
}

void errorShown(const std::string& title, const std::string& text) {
  host::session().print("[dialogue] " + title + ": " + text + "\n");
}

void callbackFailed(const std::string& title, const std::string& key) {
  host::session().print("[dialogue] " + title + ": l'action de \"" + key +
                        "\" a échoué (exception)\n");
}

}  // namespace dcl::log
