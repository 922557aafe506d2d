// ZOOM (centre, window, extents, all, previous, scale) and REGEN/REGENALL.
// A view is the system variables VIEWCTR (user coordinates) and VIEWSIZE (height).
#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

#include "base/input_text.h"
#include "commands/builtin_commands.h"
#include "commands/command_processor.h"
#include "core/session.h"
#include "db/entity_shape.h"
#include "select/pick.h"

namespace host {

namespace {

// The host keeps this many previous views.
constexpr size_t kViewHistory = 10;

class ZoomCommand : public Command {
 public:
  using Command::Command;
  const char* name() const override { return "ZOOM"; }
  std::string prompt() const override {
    switch (state_) {
      case State::Center: return "Spécifiez le centre: ";
      case State::Height:
        return "Entrez la valeur d'agrandissement ou la hauteur <" + formatHeight() + ">: ";
      case State::Corner1: return "Spécifiez le premier coin: ";
      case State::Corner2: return "Spécifiez le coin opposé: ";
      case State::Main: break;
    }
    return "Spécifiez le coin de la fenêtre, entrez un facteur d'échelle (nX ou nXP), ou\n"
           "[Tout/Centre/Dynamique/Etendu/Précédent/Echelle/Fenêtre/Objet] <temps réel>: ";
  }

  Step input(const CmdToken& t) override {
    double p[3];
    switch (state_) {
      case State::Main:
        if (t.kind == CmdToken::Enter) return Step::Done;  // real time: nothing to move
        if (isOption(t, {"C", "CENTER", "CENTRE"})) return next(State::Center);
        if (isOption(t, {"W", "WINDOW", "F", "FENETRE", "FENÊTRE"})) return next(State::Corner1);
        if (isOption(t, {"P", "PREVIOUS", "PRECEDENT", "PRÉCÉDENT"})) return previous();
        if (isOption(t, {"E", "EXTENTS", "ET", "ETENDU", "ÉTENDU"})) return extents();
        if (isOption(t, {"A", "ALL", "T", "TOUT"})) return extents();
        if (pointOf(t, nullptr, p)) {
          std::copy(p, p + 3, corner_);
          return next(State::Corner2);
        }
        if (double k; scaleFactor(t, k)) return show(currentCenter(), currentHeight() / k);
        return reject(t, "une option de zoom");
      case State::Center:
        if (!pointOf(t, nullptr, p)) return reject(t, "un point");
        std::copy(p, p + 3, center_);
        return next(State::Height);
      case State::Height: {
        if (t.kind == CmdToken::Enter) return show(center_, currentHeight());
        if (double k; t.kind == CmdToken::Text && scaleFactor(t, k))
          return show(center_, currentHeight() / k);
        double h;
        if (!numberOf(t, h) || !(h > 0)) return reject(t, "une hauteur positive");
        return show(center_, h);
      }
      case State::Corner1:
        if (!pointOf(t, nullptr, p)) return reject(t, "un point");
        std::copy(p, p + 3, corner_);
        return next(State::Corner2);
      case State::Corner2: {
        if (!pointOf(t, nullptr, p)) return reject(t, "un point");
        const double c[3] = {(corner_[0] + p[0]) / 2, (corner_[1] + p[1]) / 2,
                             (corner_[2] + p[2]) / 2};
        return show(c, fitHeight(std::fabs(p[0] - corner_[0]), std::fabs(p[1] - corner_[1])));
      }
    }
    return Step::Cancel;
  }

 private:
  enum class State { Main, Center, Height, Corner1, Corner2 };

  Step next(State s) {
    state_ = s;
    return Step::More;
  }

  static bool numberOf(const CmdToken& t, double& v) {
    if (t.kind == CmdToken::Number) {
      v = t.number;
      return true;
    }
    return t.kind == CmdToken::Text && parseNumberText(t.text, v);
  }

  // "2x" / "0.5X": a factor on the current view (plain numbers are taken the same way).
  static bool scaleFactor(const CmdToken& t, double& k) {
    std::string s = t.kind == CmdToken::Text ? t.text : "";
    if (t.kind == CmdToken::Number)
      k = t.number;
    else if (!s.empty() && (s.back() == 'x' || s.back() == 'X')) {
      s.pop_back();
      if (!parseNumberText(s, k)) return false;
    } else if (!parseNumberText(s, k)) {
      return false;
    }
    return k > 0;
  }

  double currentHeight() const {
    const SysVar* v = doc_.vars().find("VIEWSIZE");
    return v && v->r > 0 ? v->r : 1.0;
  }
  const double* currentCenter() const {
    static const double origin[3] = {0, 0, 0};
    const SysVar* v = doc_.vars().find("VIEWCTR");
    return v ? v->p : origin;
  }
  std::string formatHeight() const;

  // The height that shows a w x h area whole on the screen.
  double fitHeight(double w, double h) const {
    const SysVar* screen = doc_.vars().find("SCREENSIZE");
    const double aspect =
        screen && screen->p[0] > 0 && screen->p[1] > 0 ? screen->p[0] / screen->p[1] : 1.6;
    const double fit = std::max(h, w / aspect);
    return fit > 0 ? fit : currentHeight();
  }

  Step show(const double* center, double height) {
    auto& history = processor_.viewHistory(doc_);
    SavedView old;
    std::copy(currentCenter(), currentCenter() + 3, old.center);
    old.height = currentHeight();
    history.push_back(old);
    if (history.size() > kViewHistory) history.erase(history.begin());
    SysVars& vars = doc_.vars();
    vars.setPoint("VIEWCTR", center[0], center[1], center[2], true);
    vars.setReal("VIEWSIZE", height, true);
    return Step::Done;
  }

  Step previous() {
    auto& history = processor_.viewHistory(doc_);
    if (history.empty()) {
      session().print("Aucune vue précédente sauvegardée.\n");
      return Step::Done;
    }
    const SavedView v = history.back();
    history.pop_back();
    doc_.vars().setPoint("VIEWCTR", v.center[0], v.center[1], v.center[2], true);
    doc_.vars().setReal("VIEWSIZE", v.height, true);
    return Step::Done;
  }

  // Shows every visible object; EXTMIN / EXTMAX follow.
  Step extents() {
    const db::Database& db = doc_.db();
    geo::Shape shape;
    double lo[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL}, hi[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (size_t i = 0; i < db.entities.size(); ++i) {
      if (!geo::isVisible(db, i) || !geo::entityShape(db, i, shape)) continue;
      for (const geo::Vec3& v : shape.verts) {
        const double c[3] = {v.x, v.y, v.z};
        for (int k = 0; k < 3; ++k) {
          lo[k] = std::min(lo[k], c[k]);
          hi[k] = std::max(hi[k], c[k]);
        }
      }
    }
    if (lo[0] > hi[0]) return Step::Done;  // an empty drawing: the view stays
    doc_.vars().setPoint("EXTMIN", lo[0], lo[1], lo[2], true);
    doc_.vars().setPoint("EXTMAX", hi[0], hi[1], hi[2], true);
    const geo::Vec3 mid((lo[0] + hi[0]) / 2, (lo[1] + hi[1]) / 2, (lo[2] + hi[2]) / 2);
    double c[3];
    geo::userFrame(doc_.vars()).fromWorld(mid).store(c);
    return show(c, fitHeight(hi[0] - lo[0], hi[1] - lo[1]));
  }

  State state_ = State::Main;
  double center_[3] = {0, 0, 0};
  double corner_[3] = {0, 0, 0};
};

std::string ZoomCommand::formatHeight() const {
  char buf[64];
  // to_chars: the C locale's decimal point whatever the user's locale
  const auto r = std::to_chars(buf, buf + sizeof buf, currentHeight(), std::chars_format::fixed, 4);
  return std::string(buf, r.ec == std::errc() ? r.ptr : buf);
}

class RegenCommand : public Command {
 public:
  RegenCommand(Document& d, CommandProcessor& p, bool all) : Command(d, p), all_(all) {}
  const char* name() const override { return all_ ? "REGENALL" : "REGEN"; }
  std::string prompt() const override { return ""; }
  Step begin() override {
    // Nothing is drawn here; the run is counted for scripts that wait on it.
    processor_.countRegeneration();
    if (echo()) session().print("Régénération du modèle.\n");
    return Step::Done;
  }
  Step input(const CmdToken&) override { return Step::Done; }

 private:
  bool all_;
};

}  // namespace

std::unique_ptr<Command> makeZoomCommand(Document& d, CommandProcessor& p) {
  return std::make_unique<ZoomCommand>(d, p);
}
std::unique_ptr<Command> makeRegenCommand(Document& d, CommandProcessor& p, bool all) {
  return std::make_unique<RegenCommand>(d, p, all);
}

}  // namespace host
