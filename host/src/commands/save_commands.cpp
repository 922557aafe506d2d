// SAVEAS, SAVE, QSAVE, WBLOCK and EXPORT: the drawing (or some of its objects)
// written as DXF, with the save notifications reactors expect around it.
#include <cctype>
#include <filesystem>
#include <memory>

#include "base/ask.h"
#include "base/input_text.h"
#include "commands/builtin_commands.h"
#include "commands/drawing_extract.h"
#include "commands/object_selection.h"
#include "core/session.h"
#include "db/drawing_settings.h"
#include "dxf/dxf.h"
#include "platform/support_path.h"

namespace host {

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The extension of the file part of a path written with "\" or "/", with its dot.
std::string extensionOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot);
}

class SaveCommand : public Command {
 public:
  SaveCommand(Document& d, CommandProcessor& p, SaveKind kind) : Command(d, p), kind_(kind) {}

  const char* name() const override {
    switch (kind_) {
      case SaveKind::SaveAs: return "SAVEAS";
      case SaveKind::Save: return "SAVE";
      case SaveKind::QSave: return "QSAVE";
      case SaveKind::Wblock: return "WBLOCK";
      case SaveKind::Export: return "EXPORT";
    }
    return "SAVE";
  }

  std::string prompt() const override {
    switch (state_) {
      case State::Format:
        return "Entrez le format de fichier [R14/2000/2004/2007/2010/2013/2018/Normes/DXF/"
               "Gabarit] <2018>: ";
      case State::Precision:
        return "Entrez la précision décimale (0 à 16) ou [Objets/Version/Binaire] <16>: ";
      case State::Name:
        if (kind_ == SaveKind::Wblock || kind_ == SaveKind::Export)
          return "Entrez le nom du fichier: ";
        return "Enregistrer le dessin sous <" + doc_.path() + ">: ";
      case State::Replace:
        return "Le fichier " + path_ + " existe déjà. Voulez-vous le remplacer? [Oui/Non] <N>: ";
      case State::Block:
        return "Entrez le nom d'un bloc existant ou\n"
               "[= (bloc=fichier de sortie)/* (dessin entier)] <définir un nouveau dessin>: ";
      case State::BasePoint: return "Spécifiez le point de base d'insertion: ";
      case State::ExportWhat: return "Choix des objets ou <dessin entier>: ";
      case State::Objects: return "Choix des objets: ";
    }
    return "";
  }

  Step begin() override {
    if (kind_ == SaveKind::QSave && !doc_.path().empty()) {
      path_ = doc_.path();
      return saveDocument();
    }
    state_ = kind_ == SaveKind::SaveAs ? State::Format : State::Name;
    return Step::More;
  }

  Step input(const CmdToken& t) override {
    switch (state_) {
      case State::Format: return format(t);
      case State::Precision:
        if (t.kind == CmdToken::Enter || t.kind == CmdToken::Number) return next(State::Name);
        if (double v; t.kind == CmdToken::Text && parseNumberText(t.text, v))
          return next(State::Name);
        return fileName(t);
      case State::Name: return fileName(t);
      case State::Replace:
        if (isOption(t, {"O", "OUI", "Y", "YES"})) return afterName();
        if (t.kind == CmdToken::Enter || isOption(t, {"N", "NON", "NO"})) {
          session().print("Fichier non remplacé.\n");
          return Step::Done;
        }
        return reject(t, "Oui ou Non");
      case State::Block:
        if (t.kind == CmdToken::Text && t.text == "*") return writeWhole();
        if (t.kind == CmdToken::Enter) return next(State::BasePoint);
        if (t.kind == CmdToken::Entity || t.kind == CmdToken::Set) return selectObjects(t);
        session().print("Bloc \"" + describeToken(t) + "\" introuvable.\n");
        return Step::Cancel;
      case State::BasePoint:
        if (t.kind == CmdToken::Enter) return next(State::Objects);
        if (!pointOf(t, nullptr, base_)) return reject(t, "un point de base");
        return next(State::Objects);
      case State::ExportWhat:
        if (t.kind == CmdToken::Enter || (t.kind == CmdToken::Text && t.text == "*"))
          return writeWhole();
        return selectObjects(t);
      case State::Objects:
        if (t.kind != CmdToken::Enter) return selectObjects(t);
        if (!objects_ || objects_->found().empty()) {
          session().print("Aucun objet sélectionné.\n");
          return Step::Cancel;
        }
        return writeSelection();
    }
    return Step::Cancel;
  }

 private:
  enum class State { Format, Precision, Name, Replace, Block, BasePoint, ExportWhat, Objects };

  Step next(State s) {
    state_ = s;
    return Step::More;
  }

  Step format(const CmdToken& t) {
    if (t.kind == CmdToken::Enter) return next(State::Name);
    if (isOption(t, {"DXF"})) return next(State::Precision);
    if (isOption(t, {"R14", "2000", "2004", "2007", "2010", "2013", "2018", "LT98", "LT2000",
                     "LT2004", "LT2007", "LT2010", "LT2013", "LT2018", "NORMES", "STANDARDS",
                     "GABARIT", "TEMPLATE"}))
      return next(State::Name);  // this host writes every format as DXF
    if (t.kind == CmdToken::Number) return next(State::Name);
    return fileName(t);  // the format is optional: this is already the name
  }

  Step fileName(const CmdToken& t) {
    if (t.kind == CmdToken::Enter && !doc_.path().empty() && kind_ != SaveKind::Wblock &&
        kind_ != SaveKind::Export) {
      path_ = doc_.path();
    } else if (t.kind == CmdToken::Text) {
      path_ = t.text;
    } else {
      return reject(t, "un nom de fichier");
    }
    const std::string ext = lower(extensionOf(path_));
    if (ext.empty())
      path_ += ".dxf";
    else if (kind_ == SaveKind::Export && ext != ".dxf") {
      session().print("** EXPORT: format \"" + ext +
                      "\" non disponible; cadhost exporte en DXF **\n");
      return Step::Cancel;
    }
    std::error_code ec;
    const bool exists = std::filesystem::exists(toFsPath(path_), ec);
    if (exists && path_ != doc_.path() && doc_.vars().getInt("EXPERT", 0) < 2)
      return next(State::Replace);
    return afterName();
  }

  Step afterName() {
    switch (kind_) {
      case SaveKind::Wblock: return next(State::Block);
      case SaveKind::Export: return next(State::ExportWhat);
      default: return saveDocument();
    }
  }

  Step selectObjects(const CmdToken& t) {
    if (!objects_) objects_ = std::make_unique<ObjectSelection>(doc_);
    state_ = State::Objects;
    return objects_->take(t, echo()) ? Step::More : reject(t, "des objets");
  }

  bool write(const db::Database& db) {
    sysVarsToHeader(doc_.vars(), doc_.db());
    Session& s = session();
    s.notifyBeginSave(path_);
    std::string error;
    if (!dxf::write(db, toFsPath(path_), error)) {
      s.print("** " + std::string(name()) + ": impossible d'écrire " + path_ + ": " + error +
              " **\n");
      return false;
    }
    return true;
  }

  // The drawing under a new name (SAVEAS, SAVE, QSAVE): the document follows it.
  Step saveDocument() {
    if (!write(doc_.db())) return Step::Cancel;
    doc_.setPath(path_);
    session().notifySaveComplete(path_);
    return Step::Done;
  }

  Step writeWhole() {
    if (!write(doc_.db())) return Step::Cancel;
    session().notifySaveComplete(path_);
    return Step::Done;
  }

  Step writeSelection() {
    std::unique_ptr<db::Database> part = extractEntities(doc_.db(), objects_->found());
    if (state_ == State::Objects && kind_ == SaveKind::Wblock) {
      part->setHeaderVar("$INSBASE", {{10, formatNumber(base_[0])},
                                      {20, formatNumber(base_[1])},
                                      {30, formatNumber(base_[2])}});
    }
    if (!write(*part)) return Step::Cancel;
    session().notifySaveComplete(path_);
    return Step::Done;
  }

  SaveKind kind_;
  State state_ = State::Name;
  std::string path_;
  double base_[3] = {0, 0, 0};
  std::unique_ptr<ObjectSelection> objects_;
};

}  // namespace

std::unique_ptr<Command> makeSaveCommand(Document& d, CommandProcessor& p, SaveKind kind) {
  return std::make_unique<SaveCommand>(d, p, kind);
}

}  // namespace host
