// Drawing commands: LINE, 3DPOLY and 3DFACE. Points arrive in user
// coordinates; the entities are made in world coordinates on the current layer.
#include <array>
#include <memory>
#include <vector>

#include "acedads.h"
#include "commands/builtin_commands.h"
#include "commands/group_list.h"
#include "core/session.h"
#include "db/entity_names.h"
#include "db/entity_ops.h"

namespace host {

namespace {

std::string currentLayer(Document& doc) {
  const SysVar* v = doc.vars().find("CLAYER");
  return v && !v->s.empty() ? v->s : "0";
}

// Makes an entity as entmake does, ERRNO saying why it could not.
bool makeEntity(Document& doc, const GroupList& list) {
  const int error = db::makeFromList(doc.db(), currentLayer(doc), list.head(), false).error;
  if (error) context().setErrno(error);
  return error == 0;
}

// Name of the entity just made (the last one of the drawing).
EntName lastMade(Document& doc) { return nameOfIndex(doc.db(), doc.db().entities.size() - 1); }

class LineCommand : public Command {
 public:
  using Command::Command;
  const char* name() const override { return "LINE"; }
  std::string prompt() const override {
    if (points_.empty()) return "Spécifiez le premier point: ";
    if (lines_.size() >= 2) return "Spécifiez le point suivant ou [Clore/annUler]: ";
    return "Spécifiez le point suivant ou [annUler]: ";
  }
  Step input(const CmdToken& t) override {
    if (t.kind == CmdToken::Enter) return Step::Done;
    if (isOption(t, {"C", "CLOSE", "CLORE"}) && lines_.size() >= 2) {
      if (!addLine(points_.back(), points_.front())) return Step::Cancel;
      return Step::Done;
    }
    if (isOption(t, {"U", "UNDO", "ANNULER"}) && !points_.empty()) {
      if (!lines_.empty()) {
        db::toggleErased(doc_.db(), static_cast<size_t>(lines_.back()[0] - 1));
        lines_.pop_back();
      }
      points_.pop_back();
      return Step::More;
    }
    std::array<double, 3> p;
    if (!pointOf(t, points_.empty() ? nullptr : points_.back().data(), p.data()))
      return reject(t, "un point ou une option");
    if (!points_.empty() && !addLine(points_.back(), p)) return Step::Cancel;
    points_.push_back(p);
    setLastPoint(p.data());
    return Step::More;
  }

 private:
  bool addLine(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    double wa[3], wb[3];
    toWorld(a.data()).store(wa);
    toWorld(b.data()).store(wb);
    GroupList g;
    g.text(0, "LINE").text(8, currentLayer(doc_)).point(10, wa).point(11, wb);
    if (!makeEntity(doc_, g)) {
      session().print("** LINE: la ligne n'a pas pu être créée **\n");
      return false;
    }
    lines_.push_back(lastMade(doc_));
    return true;
  }
  std::vector<std::array<double, 3>> points_;
  std::vector<EntName> lines_;
};

// A 3D polyline: made when the command ends, or with what was drawn when it
// is cancelled, as the host keeps it.
class Poly3dCommand : public Command {
 public:
  using Command::Command;
  const char* name() const override { return "3DPOLY"; }
  std::string prompt() const override {
    if (points_.empty()) return "Spécifiez le point de départ de la polyligne: ";
    if (points_.size() >= 3) return "Spécifiez l'extrémité de la ligne ou [Clore/annUler]: ";
    return "Spécifiez l'extrémité de la ligne ou [annUler]: ";
  }
  Step input(const CmdToken& t) override {
    if (t.kind == CmdToken::Enter) return make(false) ? Step::Done : Step::Cancel;
    if (isOption(t, {"C", "CLOSE", "CLORE"}) && points_.size() >= 3)
      return make(true) ? Step::Done : Step::Cancel;
    if (isOption(t, {"U", "UNDO", "ANNULER"}) && !points_.empty()) {
      points_.pop_back();
      return Step::More;
    }
    std::array<double, 3> p;
    if (!pointOf(t, points_.empty() ? nullptr : points_.back().data(), p.data()))
      return reject(t, "un point ou une option");
    points_.push_back(p);
    setLastPoint(p.data());
    return Step::More;
  }
  void onCancel() override { make(false); }

 private:
  bool make(bool closed) {
    if (points_.size() < 2) return true;  // nothing drawn: nothing to keep
    const std::string layer = currentLayer(doc_);
    const double origin[3] = {0, 0, 0};
    GroupList head;
    head.text(0, "POLYLINE")
        .text(8, layer)
        .integer(66, 1)
        .point(10, origin)
        .integer(70, 8 | (closed ? 1 : 0));
    if (!makeEntity(doc_, head)) return failed();
    for (const auto& p : points_) {
      double w[3];
      toWorld(p.data()).store(w);
      GroupList v;
      v.text(0, "VERTEX").text(8, layer).point(10, w).integer(70, 32);
      if (!makeEntity(doc_, v)) return failed();
    }
    GroupList end;
    end.text(0, "SEQEND").text(8, layer);
    if (!makeEntity(doc_, end)) return failed();
    points_.clear();
    return true;
  }
  bool failed() {
    session().print("** 3DPOLY: la polyligne n'a pas pu être créée **\n");
    points_.clear();
    return false;
  }
  std::vector<std::array<double, 3>> points_;
};

// 3DFACE: after a face, its third and fourth corners start the next one
// until Enter at the third corner. "I" before a corner hides the edge it starts.
class Face3dCommand : public Command {
 public:
  using Command::Command;
  const char* name() const override { return "3DFACE"; }
  std::string prompt() const override {
    static const char* const prompts[] = {
        "Spécifiez le premier point ou [Invisible]: ",
        "Spécifiez le deuxième point ou [Invisible]: ",
        "Spécifiez le troisième point ou [Invisible] <quitter>: ",
        "Spécifiez le quatrième point ou [Invisible] <créer une face à trois côtés>: "};
    return prompts[corners_.size()];
  }
  Step input(const CmdToken& t) override {
    if (isOption(t, {"I", "INVISIBLE"})) {
      hideNext_ = true;
      return Step::More;
    }
    if (t.kind == CmdToken::Enter) {
      if (corners_.size() == 3) {
        corners_.push_back(corners_[2]);  // a triangle: the fourth corner is the third
        return makeFace() ? Step::More : Step::Cancel;
      }
      return Step::Done;
    }
    std::array<double, 3> p;
    if (!pointOf(t, corners_.empty() ? nullptr : corners_.back().data(), p.data()))
      return reject(t, "un point");
    if (hideNext_) hidden_ |= 1 << corners_.size();
    hideNext_ = false;
    corners_.push_back(p);
    setLastPoint(p.data());
    if (corners_.size() == 4 && !makeFace()) return Step::Cancel;
    return Step::More;
  }

 private:
  bool makeFace() {
    double w[4][3];
    for (int i = 0; i < 4; ++i) toWorld(corners_[i].data()).store(w[i]);
    GroupList g;
    g.text(0, "3DFACE")
        .text(8, currentLayer(doc_))
        .point(10, w[0])
        .point(11, w[1])
        .point(12, w[2])
        .point(13, w[3]);
    if (hidden_) g.integer(70, hidden_);
    if (!makeEntity(doc_, g)) {
      session().print("** 3DFACE: la face n'a pas pu être créée **\n");
      return false;
    }
    corners_ = {corners_[2], corners_[3]};
    hidden_ = 0;
    return true;
  }
  std::vector<std::array<double, 3>> corners_;
  int hidden_ = 0;
  bool hideNext_ = false;
};

}  // namespace

std::unique_ptr<Command> makeLineCommand(Document& d, CommandProcessor& p) {
  return std::make_unique<LineCommand>(d, p);
}
std::unique_ptr<Command> makePoly3dCommand(Document& d, CommandProcessor& p) {
  return std::make_unique<Poly3dCommand>(d, p);
}
std::unique_ptr<Command> makeFace3dCommand(Document& d, CommandProcessor& p) {
  return std::make_unique<Face3dCommand>(d, p);
}

}  // namespace host
