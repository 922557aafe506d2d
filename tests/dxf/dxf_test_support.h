// A drawing with every entity type, comparisons of drawings, temp files.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "db/database.h"
#include "db/entity_builder.h"

namespace dxftest {

db::InGroup text(int code, const char* value);
db::InGroup point(int code, double x, double y, double z = 0);
db::InGroup number(int code, double value);

// Makes the entities of one entmake-style list; fails the test when refused.
void make(db::Database& d, std::vector<db::InGroup> groups);

// Every entity type, layers with flags, colours, linetypes and accents, a
// current layer, header values, extended data, texts that need escapes and
// coordinates that need all their digits. `escapes`: also texts holding
// control characters and carets, which other readers show escaped.
std::unique_ptr<db::Database> sampleDrawing(bool escapes = true);

// Same live entities (type, handle, layer, groups), layers and current layer;
// header variables the writer owns are not compared.
void expectSameDrawing(const db::Database& a, const db::Database& b);

// A fresh directory for one test, removed with it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  std::string file(const std::string& name) const { return (dir_ / name).string(); }

 private:
  std::filesystem::path dir_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);

}  // namespace dxftest
