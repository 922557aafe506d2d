// acedSSGet: selection by mode (whole drawing, windows, fences, previous,
// last) or by the scripted user, with an optional filter list.
#include <cctype>
#include <exception>
#include <string>
#include <vector>

#include "acedads.h"
#include "base/ask.h"
#include "base/coords.h"
#include "base/guarded_call.h"
#include "base/host_errors.h"
#include "base/input_text.h"
#include "core/session.h"
#include "db/entity_names.h"
#include "select/filter.h"
#include "select/pick.h"
#include "select/selection_sets.h"
#include "select/selector.h"

namespace host {

namespace {

std::string normalizedMode(const char* str) {
  std::string m;
  if (!str) return m;
  for (const char* c = str; *c; ++c) {
    if (*c == ' ') continue;
    m.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(*c))));
  }
  // "_X", "_.X": the global spelling of the same modes
  while (!m.empty() && (m[0] == '_' || m[0] == '.')) m.erase(0, 1);
  return m;
}

std::string upper(const std::string& s) {
  std::string u = s;
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

class SsGet {
 public:
  SsGet(Document& doc, const SelectionFilter& filter)
      : doc_(doc), db_(doc.db()), sel_(db_, filter), ucs_(geo::userFrame(doc.vars())) {}

  Selector& selector() { return sel_; }

  geo::Vec2 plan(const double* ucsPoint) const {
    const geo::Vec3 w = ucs_.toWorld(geo::Vec3(ucsPoint));
    return {w.x, w.y};
  }

  // A window given by two corners of the user's plane.
  geo::Area windowArea(const double* a, const double* b) const {
    if (ucs_.isWorld()) return geo::Area::window(plan(a), plan(b));
    const double c1[3] = {a[0], b[1], a[2]}, c2[3] = {b[0], a[1], a[2]};
    return geo::Area::polygon({plan(a), plan(c1), plan(b), plan(c2)});
  }

  bool pickAt(const double* ucsPoint) {
    return sel_.pick(ucs_.toWorld(geo::Vec3(ucsPoint)), geo::pickTolerance(doc_.vars()));
  }

  // Points of a resbuf list (RTPOINT / RT3DPOINT items), in plan.
  std::vector<geo::Vec2> pointList(const resbuf* rb) const {
    std::vector<geo::Vec2> pts;
    for (; rb; rb = rb->rbnext)
      if (rb->restype == RTPOINT || rb->restype == RT3DPOINT)
        pts.push_back(plan(rb->resval.rpoint));
    return pts;
  }

  // The scripted user's selection: picks, keywords and windows until Enter.
  int interactive(bool single) {
    while (true) {
      const Answer a = askUser(single ? "Choix de l'objet: " : "Choix des objets: ");
      const size_t before = sel_.count();
      switch (a.kind) {
        case Answer::Enter: return RTNORM;
        case Answer::Cancel:
        case Answer::Break: return RTCAN;
        case Answer::Entity: {
          const int64_t i = indexOfName(db_, a.entity);
          if (i >= 0) sel_.add(static_cast<size_t>(i));
          break;
        }
        case Answer::Point: pickAt(a.point); break;
        case Answer::Text: {
          const int rc = keyword(a.text);
          if (rc != RTNORM) return rc;
          break;
        }
        default: session().print("Option non valide.\n"); continue;
      }
      session().print(std::to_string(sel_.count() - before) + " trouvé(s)\n");
      if (single && sel_.count() > 0) return RTNORM;
    }
  }

 private:
  int askCorner(const std::string& prompt, double out[3]) {
    const Answer a = askUser(prompt);
    if (a.kind == Answer::Cancel || a.kind == Answer::Break) return RTCAN;
    if (a.kind == Answer::Point || a.kind == Answer::Entity) {
      for (int i = 0; i < 3; ++i) out[i] = a.point[i];
      return RTNORM;
    }
    if (a.kind == Answer::Text && parsePointText(a.text, nullptr, out)) return RTNORM;
    session().print("Point non valide.\n");
    return RTERROR;
  }

  int keyword(const std::string& text) {
    double p[3];
    if (parsePointText(text, nullptr, p)) {
      pickAt(p);
      return RTNORM;
    }
    const std::string k = upper(text);
    if (k == "X" || k == "ALL" || k == "_ALL" || k == "TOUT") {
      sel_.all(false);
    } else if (k == "W" || k == "_W" || k == "F" || k == "FENETRE" || k == "FENÊTRE" || k == "C" ||
               k == "_C" || k == "CAPTURE") {
      const bool crossing = k == "C" || k == "_C" || k == "CAPTURE";
      double a[3], b[3];
      int rc = askCorner("Spécifiez le premier coin: ", a);
      if (rc == RTNORM) rc = askCorner("Spécifiez le coin opposé: ", b);
      if (rc == RTCAN) return RTCAN;
      if (rc == RTNORM) sel_.area(windowArea(a, b), crossing);
    } else if (k == "T" || k == "_F" || k == "TRAJET") {
      std::vector<geo::Vec2> line;
      while (true) {
        const Answer a = askUser(line.empty() ? "Premier point du trajet: "
                                              : "Spécifiez l'extrémité de la ligne: ");
        if (a.kind == Answer::Cancel || a.kind == Answer::Break) return RTCAN;
        double q[3];
        if (a.kind == Answer::Point)
          line.push_back(plan(a.point));
        else if (a.kind == Answer::Text && parsePointText(a.text, nullptr, q))
          line.push_back(plan(q));
        else
          break;  // Enter (or anything else) ends the fence
      }
      sel_.fence(line);
    } else if (k == "D" || k == "L" || k == "_L" || k == "DERNIER") {
      sel_.last();
    } else if (k == "P" || k == "_P" || k == "PRECEDENT" || k == "PRÉCÉDENT") {
      sel_.names(selectionSets().previous());
    } else {
      session().print("Option non valide: " + text + "\n");
    }
    return RTNORM;
  }

  Document& doc_;
  db::Database& db_;
  Selector sel_;
  geo::Frame ucs_;
};

int selectEntities(const char* str, const void* pt1, const void* pt2, const resbuf* filterList,
                   ads_name ss) {
  Session& s = session();
  Document* doc = s.currentPtr();
  if (!doc || !ss) return RTERROR;
  SelectionFilter filter;
  int err = 0;
  std::string message;
  if (!filter.compile(filterList, doc->db(), err, message)) {
    s.setErrno(err);
    s.print("ssget: liste de filtres incorrecte: " + message + "\n");
    return RTERROR;
  }
  SsGet get(*doc, filter);
  Selector& sel = get.selector();
  const std::string mode = normalizedMode(str);
  const double* p1 = static_cast<const double*>(pt1);
  const double* p2 = static_cast<const double*>(pt2);
  if (mode.empty()) {
    if (p1)
      get.pickAt(p1);
    else if (const int rc = get.interactive(false); rc != RTNORM)
      return rc;
  } else if (mode == ":S" || mode == ":S:E" || mode == ":E:S") {
    if (const int rc = get.interactive(true); rc != RTNORM) return rc;
  } else if (mode == "X") {
    sel.all(true);
  } else if (mode == "A") {
    sel.all(false);
  } else if (mode == "W" || mode == "C") {
    if (!p1 || !p2) {
      s.print("ssget: le mode \"" + mode + "\" demande deux coins\n");
      return RTERROR;
    }
    sel.area(get.windowArea(p1, p2), mode == "C");
  } else if (mode == "F" || mode == "T" || mode == "WP" || mode == "CP") {
    const std::vector<geo::Vec2> pts = get.pointList(static_cast<const resbuf*>(pt1));
    const size_t needed = mode == "WP" || mode == "CP" ? 3 : 2;
    if (pts.size() < needed) {
      s.print("ssget: le mode \"" + mode + "\" demande une liste d'au moins " +
              std::to_string(needed) + " points\n");
      return RTERROR;
    }
    if (mode == "F" || mode == "T")
      sel.fence(pts);
    else
      sel.area(geo::Area::polygon(pts), mode == "CP");
  } else if (mode == "P") {
    sel.names(selectionSets().previous());
  } else if (mode == "L") {
    sel.last();
  } else if (mode == "I") {
    // No objects are ever selected before a command runs in this host.
  } else {
    s.print("ssget: mode de sélection inconnu \"" + std::string(str) + "\"\n");
    return RTERROR;
  }
  if (sel.count() == 0) return RTERROR;  // nil: no set is made
  SelectionSets& sets = selectionSets();
  SelectionSet* set = sets.create(ss);
  if (!set) {
    s.setErrno(kErrTooManySelectionSets);
    s.print("ssget: trop de jeux de sélection ouverts (" + std::to_string(SelectionSets::kMaxOpen) +
            ")\n");
    return RTERROR;
  }
  const db::Database& db = doc->db();
  for (uint32_t i : sel.found()) set->appendDistinct(nameOfIndex(db, i));
  sets.markPrevious(ss);
  return RTNORM;
}

}  // namespace
}  // namespace host

extern "C" int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2,
                         const struct resbuf* filter, ads_name ss) {
  return host::guardedCall(__func__,
                           [&] { return host::selectEntities(str, pt1, pt2, filter, ss); });
}
