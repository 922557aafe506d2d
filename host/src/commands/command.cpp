#include "commands/command.h"

#include <cctype>

#include "base/ask.h"
#include "base/input_text.h"
#include "core/session.h"

namespace host {

CmdToken CmdToken::ofText(std::string s) {
  CmdToken t;
  if (s.empty()) return t;
  t.kind = s == "\\" ? Pause : Text;
  t.text = std::move(s);
  return t;
}

std::string describeToken(const CmdToken& t) {
  switch (t.kind) {
    case CmdToken::Enter: return "";
    case CmdToken::Text: return t.text;
    case CmdToken::Number: return formatNumber(t.number);
    case CmdToken::Point: return formatPoint(t.point);
    case CmdToken::Entity: return "<objet>";
    case CmdToken::Set: return "<jeu de sélection>";
    case CmdToken::Pause: return "\\";
  }
  return "";
}

Command::Step Command::reject(const CmdToken& t, const std::string& expected) {
  const std::string given = t.kind == CmdToken::Enter ? "<Entrée>" : describeToken(t);
  session().print("** " + std::string(name()) + ": " + expected + " attendu, reçu \"" + given +
                  "\": commande annulée **\n");
  return Step::Cancel;
}

bool Command::pointOf(const CmdToken& t, const double* base, double out[3]) const {
  if (t.kind == CmdToken::Point) {
    for (int i = 0; i < 3; ++i) out[i] = t.point[i];
    return true;
  }
  return t.kind == CmdToken::Text && parsePointText(t.text, base, out);
}

geo::Vec3 Command::toWorld(const double* p) const {
  return geo::userFrame(doc_.vars()).toWorld(geo::Vec3(p));
}

bool Command::isOption(const CmdToken& t, std::initializer_list<const char*> spellings) {
  if (t.kind != CmdToken::Text) return false;
  std::string k;
  for (char c : t.text) k.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  if (!k.empty() && k[0] == '_') k.erase(0, 1);
  for (const char* s : spellings)
    if (k == s) return true;
  return false;
}

void Command::setLastPoint(const double* p) { doc_.vars().setPoint("LASTPOINT", p[0], p[1], p[2]); }

bool Command::echo() const { return doc_.vars().getInt("CMDECHO", 1) != 0; }

}  // namespace host
