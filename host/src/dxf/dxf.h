// Drawings as ASCII DXF files: read into a database, written from one.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/database.h"

namespace dxf {

// Reads a drawing. On a malformed file returns nullptr with `error` naming the
// line and what was expected there; nothing is half loaded. Parts of the file
// this host does not keep (blocks, objects, other entity types ...) are left
// out with one note each in `notes`, for the caller to print.
std::unique_ptr<db::Database> read(const std::string& path, std::string& error,
                                   std::vector<std::string>* notes = nullptr);
std::unique_ptr<db::Database> readFromMemory(std::string_view data, std::string& error,
                                             std::vector<std::string>* notes = nullptr);

// Writes the drawing as an R2000 (AC1015) DXF with handles. The file is
// replaced only once the whole drawing has been written.
bool write(const db::Database& db, const std::string& path, std::string& error);
std::string writeToString(const db::Database& db);

}  // namespace dxf
