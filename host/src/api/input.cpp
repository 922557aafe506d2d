// User input: acedInitGet and the get functions, all answered by the scripted
// user. An answer that does not fit the request is refused with a message
// and the request asked again, as the host's command line does; the user's
// Escape (or an empty queue) gives RTCAN.
//
// What each request takes from the queue:
//   getpoint/getcorner  a point, an entity pick (its point), a text "x,y[,z]"
//                       or "@dx,dy[,dz]" from the base point
//   getdist             a number, a point (distance from the base point, or
//                       the first of two points), the same as texts
//   getreal/getint      a number or a numeric text (getint: -32768..32767)
//   getstring           a text (up to the first space without cronly), a
//                       number or a point written out; Enter gives ""
//   getkword            a text that is one of the initget keywords
//   entsel              an entity pick, or a point picking what lies under it
//   getfiled            a text, or a dialog answer whose action carries a value
// Everywhere a text matching an initget keyword gives RTKWORD (acedGetInput
// tells which), and Enter gives RTNONE unless initget bit 1 forbids it.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <utility>

#include "acedads.h"
#include "base/ask.h"
#include "base/coords.h"
#include "base/guarded_call.h"
#include "base/host_errors.h"
#include "base/input_text.h"
#include "base/keywords.h"
#include "base/resbuf_list.h"
#include "core/session.h"
#include "db/entity_names.h"
#include "platform/support_path.h"
#include "select/pick.h"

namespace host {

namespace {

// acedInitGet bits.
constexpr int kNoNull = 1, kNoZero = 2, kNoNegative = 4, kIgnoreZ = 64, kArbitrary = 128;

struct InitGet {
  int flags = 0;
  KeywordList keywords;
};

struct InputState {
  InitGet pending;          // set by acedInitGet for the next get call only
  std::string lastKeyword;  // of the last RTKWORD, for acedGetInput
};

InitGet& pendingInitGet() { return host::context().state<InputState>().pending; }
InitGet takeInitGet() { return std::exchange(pendingInitGet(), InitGet()); }

std::string& lastKeyword() { return host::context().state<InputState>().lastKeyword; }

void say(const std::string& line) { session().print(line + "\n"); }

// The answer as a keyword (RTKWORD), when the text is one of the list's, or
// any text under bit 128.
bool asKeyword(const Answer& a, const InitGet& o, std::string& keyword) {
  std::string text;
  if (a.kind == Answer::Text)
    text = a.text;
  else if (a.kind == Answer::Number)
    text = formatNumber(a.number);
  else
    return false;
  if (auto k = o.keywords.match(text)) {
    keyword = *k;
    return true;
  }
  if ((o.flags & kArbitrary) && a.kind == Answer::Text) {
    keyword = text;
    return true;
  }
  return false;
}

int keywordResult(const std::string& k) {
  lastKeyword() = k;
  return RTKWORD;
}

bool asNumber(const Answer& a, double& v) {
  if (a.kind == Answer::Number) {
    v = a.number;
    return true;
  }
  return a.kind == Answer::Text && parseNumberText(a.text, v);
}

bool asPoint(const Answer& a, const double* base, double out[3]) {
  if (a.kind == Answer::Point || a.kind == Answer::Entity) {
    for (int i = 0; i < 3; ++i) out[i] = a.point[i];
    return true;
  }
  return a.kind == Answer::Text && parsePointText(a.text, base, out);
}

// The checks of bits 2 and 4; false (with the message) when the value is refused.
bool valueAllowed(double v, const InitGet& o) {
  if ((o.flags & kNoZero) && v == 0) {
    say("Nécessite une valeur non nulle.");
    return false;
  }
  if ((o.flags & kNoNegative) && v < 0) {
    say("Nécessite une valeur positive.");
    return false;
  }
  return true;
}

// Enter: RTNONE, or asked again under bit 1.
bool nullRefused(const InitGet& o) {
  if (!(o.flags & kNoNull)) return false;
  say("Réponse requise.");
  return true;
}

// What every point, number and distance request does first: Escape cancels,
// Enter gives RTNONE (or asks again under bit 1), a keyword of initget is
// taken as one. kOwnAnswer: the request looks at the answer itself.
constexpr int kOwnAnswer = 0;
constexpr int kAskAgain = 1;

int commonAnswer(const Answer& a, const InitGet& o) {
  if (a.kind == Answer::Cancel || a.kind == Answer::Break) return RTCAN;
  if (a.kind == Answer::Enter) return nullRefused(o) ? kAskAgain : RTNONE;
  std::string k;
  if (a.kind == Answer::Text && o.keywords.match(a.text)) {
    asKeyword(a, o, k);
    return keywordResult(k);
  }
  return kOwnAnswer;
}

std::string promptOf(const char* p, const char* fallback = "") { return p ? p : fallback; }

bool copyOut(const std::string& s, char* out, size_t len) {
  if (!out || len == 0) return false;
  if (s.size() + 1 > len) {
    say("** texte trop long pour le tampon de " + std::to_string(len) + " octets **");
    return false;
  }
  std::memcpy(out, s.c_str(), s.size() + 1);
  return true;
}

int getPointLike(const double* base, const char* prompt, double* result, bool corner) {
  const InitGet o = takeInitGet();
  if (!result || (corner && !base)) return RTERROR;
  while (true) {
    const Answer a = askUser(promptOf(prompt));
    if (const int s = commonAnswer(a, o); s == kAskAgain)
      continue;
    else if (s != kOwnAnswer)
      return s;
    std::string k;
    double p[3];
    if (asPoint(a, base, p)) {
      for (int i = 0; i < 3; ++i) result[i] = p[i];
      if (Document* doc = session().currentPtr())
        doc->vars().setPoint("LASTPOINT", p[0], p[1], p[2]);
      return RTNORM;
    }
    if (asKeyword(a, o, k)) return keywordResult(k);
    say("Point ou option non valide.");
  }
}

int getNumber(const char* prompt, double* result, bool integer) {
  const InitGet o = takeInitGet();
  if (!result) return RTERROR;
  while (true) {
    const Answer a = askUser(promptOf(prompt));
    if (const int s = commonAnswer(a, o); s == kAskAgain)
      continue;
    else if (s != kOwnAnswer)
      return s;
    std::string k;
    double v;
    if (asNumber(a, v)) {
      if (integer && (v != std::floor(v) || v < -32768 || v > 32767)) {
        say("Nécessite un nombre entier compris entre -32768 et 32767.");
        continue;
      }
      if (!valueAllowed(v, o)) continue;
      *result = v;
      return RTNORM;
    }
    if (asKeyword(a, o, k)) return keywordResult(k);
    say(integer ? "Nécessite un nombre entier ou un mot clé d'option."
                : "Nécessite un nombre réel ou un mot clé d'option.");
  }
}

// A distance typed, or measured between the base point (or a point asked
// for) and the point given: in plan under bit 64.
// A distance or an angle answered with points: from `base` to the point
// given, or, without a base, from the point given to a second one asked for.
enum class TwoPoints { Given, NoPoint, Cancel, Again };
TwoPoints twoPoints(const Answer& a, const double* base, double from[3], double to[3]) {
  if (!asPoint(a, base, to)) return TwoPoints::NoPoint;
  for (int i = 0; i < 3; ++i) from[i] = base ? base[i] : to[i];
  if (base) return TwoPoints::Given;
  const Answer b = askUser("Spécifiez le deuxième point: ");
  if (b.kind == Answer::Cancel || b.kind == Answer::Break) return TwoPoints::Cancel;
  return asPoint(b, from, to) ? TwoPoints::Given : TwoPoints::Again;
}

int getDistance(const double* base, const char* prompt, double* result) {
  const InitGet o = takeInitGet();
  if (!result) return RTERROR;
  while (true) {
    const Answer a = askUser(promptOf(prompt));
    if (const int s = commonAnswer(a, o); s == kAskAgain)
      continue;
    else if (s != kOwnAnswer)
      return s;
    std::string k;
    double v;
    if (asNumber(a, v)) {
      if (!valueAllowed(v, o)) continue;
      *result = v;
      return RTNORM;
    }
    double from[3], p[3];
    const TwoPoints points = twoPoints(a, base, from, p);
    if (points == TwoPoints::Cancel) return RTCAN;
    if (points == TwoPoints::Again) {
      say("Nécessite une distance numérique ou deux points.");
      continue;
    }
    if (points == TwoPoints::Given) {
      const double dx = p[0] - from[0], dy = p[1] - from[1];
      const double dz = (o.flags & kIgnoreZ) ? 0.0 : p[2] - from[2];
      v = std::sqrt(dx * dx + dy * dy + dz * dz);
      if (!valueAllowed(v, o)) continue;
      *result = v;
      return RTNORM;
    }
    if (asKeyword(a, o, k)) return keywordResult(k);
    say("Nécessite une distance numérique ou deux points.");
  }
}

// An angle typed in degrees, or the direction from the base point (or a point
// asked for) to the point given. getangle counts from ANGBASE, getorient from
// the east whatever ANGBASE says; both counterclockwise, within [0, 2pi).
int getAngle(const double* base, const char* prompt, double* result, bool orient) {
  const InitGet o = takeInitGet();
  if (!result) return RTERROR;
  const SysVar* angbase =
      session().currentPtr() ? session().current().vars().find("ANGBASE") : nullptr;
  const double zero = angbase ? angbase->r : 0.0;
  const auto finish = [&](double radians) {
    double r = std::fmod(radians, 2 * M_PI);
    if (r < 0) r += 2 * M_PI;
    *result = r;
    return RTNORM;
  };
  while (true) {
    const Answer a = askUser(promptOf(prompt));
    if (const int s = commonAnswer(a, o); s == kAskAgain)
      continue;
    else if (s != kOwnAnswer)
      return s;
    std::string k;
    double v;
    if (asNumber(a, v)) return finish(v * M_PI / 180 + (orient ? zero : 0.0));
    double from[3], p[3];
    const TwoPoints points = twoPoints(a, base, from, p);
    if (points == TwoPoints::Cancel) return RTCAN;
    if (points == TwoPoints::Again) {
      say("Nécessite un angle numérique ou deux points.");
      continue;
    }
    if (points == TwoPoints::Given) {
      const double direction = std::atan2(p[1] - from[1], p[0] - from[0]);
      return finish(direction - (orient ? 0.0 : zero));
    }
    if (asKeyword(a, o, k)) return keywordResult(k);
    say("Nécessite un angle numérique ou deux points.");
  }
}

int getString(int cronly, const char* prompt, char* result, size_t len) {
  takeInitGet();  // initget does not apply to getstring, but is used up by it
  if (!result || len == 0) return RTERROR;
  while (true) {
    const Answer a = askUser(promptOf(prompt));
    if (a.kind == Answer::Cancel || a.kind == Answer::Break) return RTCAN;
    std::string s;
    switch (a.kind) {
      case Answer::Enter: break;
      case Answer::Text: s = a.text; break;
      case Answer::Number:
      case Answer::Point: s = describeAnswer(a); break;
      default: say("Nécessite un texte."); continue;
    }
    // Without cronly a space ends the input, as on the command line.
    if (!cronly) s = s.substr(0, s.find(' '));
    return copyOut(s, result, len) ? RTNORM : RTERROR;
  }
}

int getKeyword(const char* prompt, char* result, size_t len) {
  const InitGet o = takeInitGet();
  if (!result || len == 0) return RTERROR;
  while (true) {
    const Answer a = askUser(promptOf(prompt));
    if (a.kind == Answer::Cancel || a.kind == Answer::Break) return RTCAN;
    if (a.kind == Answer::Enter) {
      if (nullRefused(o)) continue;
      result[0] = '\0';
      return RTNONE;
    }
    std::string k;
    if (asKeyword(a, o, k)) {
      lastKeyword() = k;
      return copyOut(k, result, len) ? RTNORM : RTERROR;
    }
    say("Mot clé non valide.");
  }
}

int entitySelect(const char* prompt, int64_t* entres, double* ptres) {
  const InitGet o = takeInitGet();
  Session& s = session();
  if (!entres || !ptres || !s.currentPtr()) return RTERROR;
  Document& doc = s.current();
  const db::Database& db = doc.db();
  while (true) {
    const Answer a = askUser(promptOf(prompt, "Choix de l'objet: "));
    switch (a.kind) {
      case Answer::Cancel:
      case Answer::Break: return RTCAN;
      case Answer::Enter: s.setErrno(kErrNullResponse); return RTERROR;
      case Answer::Entity: {
        const int64_t i = indexOfName(db, a.entity);
        if (i < 0 || !geo::isVisible(db, static_cast<size_t>(i))) {
          s.setErrno(kErrPickFailed);
          return RTERROR;
        }
        entres[0] = a.entity[0];
        entres[1] = a.entity[1];
        for (int k = 0; k < 3; ++k) ptres[k] = a.point[k];
        return RTNORM;
      }
      default: break;
    }
    std::string k;
    if (a.kind == Answer::Text && o.keywords.match(a.text)) {
      asKeyword(a, o, k);
      return keywordResult(k);
    }
    double p[3];
    if (a.kind != Answer::Number && asPoint(a, nullptr, p)) {
      const geo::Vec3 w = geo::userFrame(doc.vars()).toWorld(geo::Vec3(p));
      const int64_t i = geo::pickEntity(db, w, geo::pickTolerance(doc.vars()));
      if (i < 0) {
        s.setErrno(kErrPickFailed);
        return RTERROR;
      }
      const EntName n = nameOfIndex(db, static_cast<size_t>(i));
      entres[0] = n[0];
      entres[1] = n[1];
      for (int c = 0; c < 3; ++c) ptres[c] = p[c];
      return RTNORM;
    }
    if (asKeyword(a, o, k)) return keywordResult(k);
    say("Point ou option non valide.");
  }
}

bool hasExtension(const std::string& name) {
  const size_t slash = name.find_last_of("\\/");
  const size_t dot = name.find_last_of('.');
  return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

// The file dialog: the answer is the file name (Text, or a Dialog action
// carrying a value). Flags as the host's: 1 a new file, 4 any extension,
// 8 search the support path; without 1 the file must exist.
int fileDialog(const char* title, const char* defawlt, const char* ext, int flags, resbuf* result) {
  takeInitGet();
  if (!result) return RTERROR;
  result->restype = RTNONE;
  const std::string extension = ext && *ext && std::strcmp(ext, "*") != 0 ? ext : "";
  while (true) {
    const Answer a = askUser("[fichier] " + promptOf(title) + ": ");
    std::string name;
    if (a.kind == Answer::Cancel || a.kind == Answer::Break) return RTCAN;
    if (a.kind == Answer::Text) {
      name = a.text;
    } else if (a.kind == Answer::Enter && defawlt && *defawlt) {
      name = defawlt;
    } else if (a.kind == Answer::Dialog) {
      bool cancelled = false;
      for (const auto& act : a.actions) {
        if (act.value)
          name = *act.value;
        else if (act.key == "cancel")
          cancelled = true;
      }
      if (cancelled) return RTCAN;
    }
    if (name.empty()) {
      say("Nom de fichier requis.");
      continue;
    }
    if (!(flags & 4) && !extension.empty() && !hasExtension(name)) name += "." + extension;
    if (!(flags & 1)) {
      std::error_code ec;
      if (flags & 8) {
        if (auto found = findSupportFile(name)) name = *found;
      }
      if (!std::filesystem::exists(toFsPath(name), ec)) {
        say("Fichier introuvable: " + name);
        continue;
      }
    }
    result->resval.rstring = host::copyText(name);
    result->restype = RTSTR;  // the caller frees it, as acutRelRb does
    return RTNORM;
  }
}

}  // namespace
}  // namespace host

using host::guardedCall;

extern "C" {

int acedInitGet(int val, const ACHAR* kwl) {
  return guardedCall("initget", [&] {
    host::InitGet& o = host::pendingInitGet();
    o.flags = val;
    o.keywords = host::KeywordList(kwl ? kwl : "");
    return RTNORM;
  });
}

int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result) {
  return guardedCall("getpoint", [&] { return host::getPointLike(pt, prompt, result, false); });
}

int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result) {
  return guardedCall("getcorner", [&] { return host::getPointLike(pt, prompt, result, true); });
}

int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result) {
  return guardedCall("getdist", [&] { return host::getDistance(pt, prompt, result); });
}

int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result) {
  return guardedCall("getangle", [&] { return host::getAngle(pt, prompt, result, false); });
}

int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result) {
  return guardedCall("getorient", [&] { return host::getAngle(pt, prompt, result, true); });
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
  return guardedCall("getreal", [&] { return host::getNumber(prompt, result, false); });
}

int acedGetInt(const ACHAR* prompt, int* result) {
  return guardedCall("getint", [&] {
    if (!result) return RTERROR;
    double v = 0;
    const int rc = host::getNumber(prompt, &v, true);
    if (rc == RTNORM) *result = static_cast<int>(v);
    return rc;
  });
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen) {
  return guardedCall("getstring", [&] { return host::getString(cronly, prompt, result, bufLen); });
}

int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t bufLen) {
  return guardedCall("getkword", [&] { return host::getKeyword(prompt, result, bufLen); });
}

int acedGetInput(ACHAR* str, size_t bufLen) {
  return guardedCall("getinput", [&] {
    return host::copyOut(host::lastKeyword(), str, bufLen) ? RTNORM : RTERROR;
  });
}

int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres) {
  return guardedCall("entsel", [&] { return host::entitySelect(str, entres, ptres); });
}

int acedGetFileD(const ACHAR* title, const ACHAR* defawlt, const ACHAR* ext, int flags,
                 struct resbuf* result) {
  return guardedCall("getfiled",
                     [&] { return host::fileDialog(title, defawlt, ext, flags, result); });
}

int acedUsrBrk(void) {
  try {
    return host::session().user().takeBreak() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
