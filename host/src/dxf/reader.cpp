// The DXF reader: file structure, header, tables and the sections left out.
#include "dxf/reader.h"

#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "dxf/drawing_names.h"
#include "dxf/dxf.h"
#include "dxf/text_codec.h"

namespace dxf {

namespace {

bool is(std::string_view value, std::string_view word) { return trim(value) == word; }

constexpr std::string_view kBinarySignature = "AutoCAD Binary DXF";
constexpr const char* kBinaryMessage =
    "ligne 1: DXF binaire non pris en charge (DXF ASCII attendu)";

// Objects that only hold the file's own structure (dictionaries, layouts,
// default styles): leaving them out loses nothing of the drawing.
bool structuralObject(std::string_view type) {
  static constexpr std::string_view kTypes[] = {"DICTIONARY",      "ACDBDICTIONARYWDFLT",
                                                "ACDBPLACEHOLDER", "LAYOUT",
                                                "PLOTSETTINGS",    "DICTIONARYVAR",
                                                "MLINESTYLE",      "MLEADERSTYLE",
                                                "TABLESTYLE",      "SCALE",
                                                "VISUALSTYLE",     "MATERIAL",
                                                "CELLSTYLEMAP",    "SUN"};
  return std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

}  // namespace

Reader::Reader(LineReader& lines, size_t sizeHint, std::vector<std::string>* notes)
    : in_(lines), notes_(notes), db_(std::make_unique<db::Database>()) {
  // Capacity only: pages nobody touches cost no memory.
  db_->entities.reserve(sizeHint / 96);
}

void Reader::note(const std::string& text) {
  if (notes_ && noted_.insert(text).second) notes_->push_back("note: " + text);
}

void Reader::decode(std::string_view text, std::string& out) const {
  out.clear();
  if (needsCoding(text)) {
    decodeText(text, codePage_, out);
  } else {
    out.assign(text);
  }
}

std::unique_ptr<db::Database> Reader::run(std::string& error) {
  RawGroup g;
  bool any = false, ended = false;
  while (!ended && in_.next(g)) {
    any = true;
    if (g.code != 0) {
      in_.fail(g.line, "code 0 attendu (SECTION ou EOF)");
      break;
    }
    if (is(g.value, "EOF")) {
      ended = true;
      break;
    }
    if (!is(g.value, "SECTION")) {
      in_.fail(g.line + 1, "SECTION ou EOF attendu");
      break;
    }
    RawGroup name;
    if (!in_.next(name)) {
      in_.fail(in_.nextLine(), "nom de section attendu (code 2)");
      break;
    }
    if (name.code != 2) {
      in_.fail(name.line, "nom de section attendu (code 2)");
      break;
    }
    const std::string section(trim(name.value));
    bool ok;
    if (section == "HEADER") {
      ok = header();
    } else if (section == "TABLES") {
      ok = tables();
    } else if (section == "ENTITIES") {
      ok = entities();
    } else if (section == "BLOCKS") {
      bool content = false;
      ok = skipSection(section, [&](std::string_view type) {
        content = content || (type != "BLOCK" && type != "ENDBLK");
      });
      if (content) note("section BLOCKS ignorée (définitions de blocs)");
    } else if (section == "OBJECTS") {
      ok = skipSection(section, [&](std::string_view type) {
        if (!structuralObject(type))
          note("objets " + std::string(type) + " ignorés (section OBJECTS)");
      });
    } else {
      ok = skipSection(section, [](std::string_view) {});
      if (section != "CLASSES" && section != "THUMBNAILIMAGE")
        note("section " + section + " ignorée");
    }
    if (!ok) break;
  }
  if (in_.error().empty() && !any) in_.fail(1, "fichier vide, SECTION attendu");
  if (!in_.error().empty()) {
    error = in_.error();
    if (notes_) notes_->clear();
    return nullptr;
  }
  finish();
  return std::move(db_);
}

template <typename Fn>
bool Reader::skipSection(std::string_view name, Fn&& onObject) {
  RawGroup g;
  while (in_.next(g)) {
    if (g.code != 0) continue;
    const std::string_view type = trim(g.value);
    if (type == "ENDSEC") return true;
    if (type == "EOF" || type == "SECTION")
      return in_.fail(g.line + 1, "ENDSEC attendu pour la section " + std::string(name));
    onObject(type);
  }
  if (!in_.error().empty()) return false;
  return in_.fail(in_.nextLine(), "ENDSEC attendu pour la section " + std::string(name));
}

bool Reader::header() {
  RawGroup g;
  db::HeaderVar* var = nullptr;
  while (in_.next(g)) {
    if (g.code == 0) {
      if (is(g.value, "ENDSEC")) return true;
      return in_.fail(g.line + 1, "ENDSEC attendu pour la section HEADER");
    }
    if (g.code == 9) {
      db_->header.push_back(db::HeaderVar{std::string(trim(g.value)), {}});
      var = &db_->header.back();
      continue;
    }
    if (!var) return in_.fail(g.line, "nom de variable (code 9) attendu");
    db::Group::Kind kind;
    if (!db::kindOfCode(g.code, kind)) kind = db::Group::Text;
    std::string value;
    if (kind == db::Group::Text) {
      decode(g.value, value);
    } else {
      double real;
      if (!in_.real(g, real)) return false;
      value = trim(g.value);
    }
    if (var->name == "$ACADVER" && g.code == 1) codePage_ = trim(g.value) < "AC1021";
    if (var->name == "$HANDSEED" && !in_.handle(g, handleSeed_)) return false;
    if (var->name == "$CLAYER") currentLayerName_ = value;
    var->groups.emplace_back(g.code, std::move(value));
  }
  if (!in_.error().empty()) return false;
  return in_.fail(in_.nextLine(), "ENDSEC attendu pour la section HEADER");
}

bool Reader::tables() {
  RawGroup g;
  while (in_.next(g)) {
    if (g.code != 0) return in_.fail(g.line, "code 0 attendu (TABLE ou ENDSEC)");
    if (is(g.value, "ENDSEC")) return true;
    if (!is(g.value, "TABLE")) return in_.fail(g.line + 1, "TABLE ou ENDSEC attendu");
    if (!table()) return false;
  }
  if (!in_.error().empty()) return false;
  return in_.fail(in_.nextLine(), "ENDSEC attendu pour la section TABLES");
}

bool Reader::table() {
  RawGroup g;
  if (!in_.next(g))
    return in_.error().empty() ? in_.fail(in_.nextLine(), "nom de table attendu (code 2)") : false;
  if (g.code != 2) return in_.fail(g.line, "nom de table attendu (code 2)");
  const std::string name = upperCase(trim(g.value));
  otherEntries_.try_emplace(name);
  while (in_.next(g)) {
    if (g.code != 0) continue;  // the table's own groups, then those of each entry
    const std::string_view type = trim(g.value);
    if (type == "ENDTAB") return true;
    if (type == "ENDSEC" || type == "TABLE" || type == "EOF")
      return in_.fail(g.line + 1, "ENDTAB attendu pour la table " + name);
    if (!tableEntry(name, type)) return false;
  }
  if (!in_.error().empty()) return false;
  return in_.fail(in_.nextLine(), "ENDTAB attendu pour la table " + name);
}

bool Reader::tableEntry(const std::string& table, std::string_view type) {
  const bool layer = table == "LAYER" && type == "LAYER";
  std::string name, linetype;
  int64_t color = 7, flags = 0, elements = 0;
  RawGroup g;
  while (in_.next(g)) {
    if (g.code == 0) {
      in_.unread();
      break;
    }
    switch (g.code) {
      case 2: decode(g.value, name); break;
      case 6: decode(g.value, linetype); break;
      case 62:
        if (!in_.integer(g, color)) return false;
        break;
      case 70:
        if (!in_.integer(g, flags)) return false;
        break;
      case 73:
        if (!in_.integer(g, elements)) return false;
        break;
      default: break;
    }
  }
  if (!in_.error().empty()) return false;
  if (!layer) {
    if (!name.empty()) otherEntries_[table].push_back(name);
    if (table == "LTYPE" && elements > 0) linetypePattern_ = true;
    return true;
  }
  if (name.empty()) return true;
  db::Layer& l = db_->layers.at(db_->layers.findOrAdd(name));
  l.color = static_cast<int>(color);
  l.flags = static_cast<int>(flags);
  if (!linetype.empty()) l.linetype = linetype;
  return true;
}

void Reader::finish() {
  db::Database& db = *db_;
  // Only entities are kept, so the handles of the file's other objects are
  // free again: new handles go on from the last entity's, and a drawing saved
  // twice gets the same handles for the objects the writer makes.
  db.nextHandle = std::max<uint64_t>(0x20, maxHandle_ + 1);
  for (size_t index : duplicateHandles_) db.entities[index].handle = db.newHandle();
  if (!currentLayerName_.empty() && db::LayerTable::validName(currentLayerName_))
    db.currentLayer = db.layers.findOrAdd(currentLayerName_);

  for (const auto& [type, count] : skippedTypes_)
    note("entités " + type + " ignorées (" + std::to_string(count) + ")");

  // Registered applications stay registered, whether entities use them or not.
  if (auto apps = otherEntries_.find("APPID"); apps != otherEntries_.end())
    for (const std::string& name : apps->second)
      if (upperCase(name) != "ACAD" && !db.appIds.find(name))
        db.appIds.records.push_back(db::TableRecord{name, 0, {}});

  // Table entries the writer would not make again are lost: say so, once a table.
  for (const auto& [table, names] : otherEntries_) {
    if (table == "LAYER" || table == "APPID" || table == "BLOCK_RECORD" || names.empty()) continue;
    NameSet kept;
    if (table == "LTYPE") {
      kept = usedNames(db, 6);
      for (uint32_t i = 0; i < db.layers.size(); ++i) kept.add(db.layers.at(i).linetype);
      for (const char* n : {"BYBLOCK", "BYLAYER", "CONTINUOUS"}) kept.add(n);
    } else if (table == "STYLE") {
      kept = usedNames(db, 7);
      kept.add("STANDARD");
    } else if (table == "DIMSTYLE") {
      kept.add("STANDARD");
    } else if (table == "VPORT") {
      kept.add("*ACTIVE");
    }
    const bool lost =
        (table == "LTYPE" && linetypePattern_) ||
        std::any_of(names.begin(), names.end(), [&](const std::string& n) { return !kept.has(n); });
    if (lost) note("table " + table + " ignorée");
  }
}

namespace {

std::unique_ptr<db::Database> readLines(LineReader& lines, size_t sizeHint, std::string& error,
                                        std::vector<std::string>* notes) {
  if (lines.peek(kBinarySignature.size()) == kBinarySignature) {
    error = kBinaryMessage;
    return nullptr;
  }
  try {
    Reader reader(lines, sizeHint, notes);
    return reader.run(error);
  } catch (const std::bad_alloc&) {
    error = "mémoire insuffisante pour lire le dessin";
  } catch (const std::exception& e) {
    error = std::string("lecture impossible: ") + e.what();
  }
  if (notes) notes->clear();
  return nullptr;
}

}  // namespace

std::unique_ptr<db::Database> readFromMemory(std::string_view data, std::string& error,
                                             std::vector<std::string>* notes) {
  error.clear();
  LineReader lines(data);
  return readLines(lines, data.size(), error, notes);
}

std::unique_ptr<db::Database> read(const std::string& path, std::string& error,
                                   std::vector<std::string>* notes) {
  error.clear();
  std::string fsPath = path;
  std::replace(fsPath.begin(), fsPath.end(), '\\', '/');
  std::FILE* file = std::fopen(fsPath.c_str(), "rb");
  if (!file) {
    error = std::string("impossible d'ouvrir le fichier (") + std::strerror(errno) + ")";
    return nullptr;
  }
  struct Closer {
    std::FILE* f;
    ~Closer() { std::fclose(f); }
  } closer{file};
  // The size only sizes the entity table; pipes and devices have none.
  struct stat info;
  size_t size = 0;
  if (fstat(fileno(file), &info) == 0) {
    if (S_ISDIR(info.st_mode)) {
      error = "impossible d'ouvrir le fichier (c'est un répertoire)";
      return nullptr;
    }
    if (S_ISREG(info.st_mode)) size = static_cast<size_t>(info.st_size);
  }
  LineReader lines(file);
  return readLines(lines, size, error, notes);
}

}  // namespace dxf
