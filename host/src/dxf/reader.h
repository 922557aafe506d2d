// The DXF reader's state while it goes through one file (internal to dxf/).
#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "db/entity_builder.h"
#include "dxf/group_reader.h"

namespace dxf {

class Reader {
 public:
  Reader(LineReader& lines, size_t sizeHint, std::vector<std::string>* notes);
  // The database, or nullptr with `error` set.
  std::unique_ptr<db::Database> run(std::string& error);

 private:
  // Sections (reader.cpp).
  bool header();
  bool tables();
  bool table();
  bool tableEntry(const std::string& table, std::string_view type);
  // Reads a section this host does not keep up to its ENDSEC, telling
  // `onObject` the type of each object (0 group) in it.
  template <typename Fn>
  bool skipSection(std::string_view name, Fn&& onObject);
  void finish();
  void note(const std::string& text);
  void decode(std::string_view text, std::string& out) const;

  // Entities (reader_entities.cpp).
  bool entities();
  bool entity(const RawGroup& start);
  bool readGroups(bool keep);
  uint32_t layerIndex(std::string_view name);
  void checkHandle(size_t index);

  GroupReader in_;
  std::vector<std::string>* notes_;
  std::unique_ptr<db::Database> db_;
  bool codePage_ = true;  // texts in Windows-1252 (files before R2007)
  uint64_t handleSeed_ = 0;
  std::string currentLayerName_;
  std::set<std::string> noted_;

  // Tables other than LAYER: entry names met, and whether one had a pattern.
  std::map<std::string, std::vector<std::string>> otherEntries_;
  bool linetypePattern_ = false;
  // Entity types left out, with their counts.
  std::map<std::string, size_t> skippedTypes_;

  // The entity being read.
  std::vector<db::InGroup> groups_;
  struct TextRef {
    size_t group, offset, length;  // texts are kept in arena_ until the entity is built
  };
  std::vector<TextRef> textRefs_;
  std::string arena_;
  std::string scratch_;
  uint64_t handle_ = 0;
  uint32_t layer_ = 0;
  int64_t flag66_ = 0;
  enum class Open { None, Polyline, Insert } open_ = Open::None;

  // Layer names seen as written, to skip the case-blind lookup.
  std::string lastLayerName_;
  uint32_t lastLayer_ = 0;
  std::map<std::string, uint32_t, std::less<>> layerByName_;

  // Handles: files give them in increasing order; a set is kept only once one is out of order.
  uint64_t maxHandle_ = 0;
  bool handleSetBuilt_ = false;
  std::unordered_set<uint64_t> handleSet_;
  std::vector<size_t> duplicateHandles_;
};

}  // namespace dxf
