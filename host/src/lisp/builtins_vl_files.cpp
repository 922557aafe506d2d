// Files, programs and settings through the platform: vl-filename-base
// vl-filename-directory vl-filename-extension vl-filename-mktemp
// vl-directory-files vl-file-delete vl-file-rename vl-file-copy vl-file-size
// vl-file-directory-p getenv setenv startapp vl-registry-read
// vl-registry-write vl-load-com. Paths take "\" and "/" alike.
#include <fstream>
#include <iterator>

#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/error.h"
#include "lisp/subr.h"
#include "lisp/symbols.h"
#include "platform.h"
#include "platform/support_path.h"

namespace lisp {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Where the name part of a path starts (after its last separator or drive colon).
size_t nameStart(const std::string& path) {
  for (size_t i = path.size(); i-- > 0;)
    if (isSeparator(path[i]) || path[i] == ':') return i + 1;
  return 0;
}

// Where the extension of the name part starts (its last dot), or npos.
size_t extensionStart(const std::string& path) {
  const size_t name = nameStart(path);
  const size_t dot = path.rfind('.');
  return dot == std::string::npos || dot < name ? std::string::npos : dot;
}

Value sFilenameBase(Args& a) {
  const std::string& p = a.string(0);
  const size_t name = nameStart(p), ext = extensionStart(p);
  return makeString(p.substr(name, (ext == std::string::npos ? p.size() : ext) - name));
}

// Without its last separator; "" for a bare name.
Value sFilenameDirectory(Args& a) {
  const std::string& p = a.string(0);
  size_t end = nameStart(p);
  if (end > 0 && isSeparator(p[end - 1]) && end > 1 && p[end - 2] != ':') --end;
  return makeString(p.substr(0, end));
}

Value sFilenameExtension(Args& a) {
  const std::string& p = a.string(0);
  const size_t ext = extensionStart(p);
  return ext == std::string::npos ? Value() : makeString(p.substr(ext));
}

std::string joinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  return isSeparator(dir.back()) ? dir + name : dir + "\\" + name;
}

// directory\BASEnnn.EXT: at most five characters of the pattern's name, a
// three-digit hexadecimal number not yet used by a file.
Value sFilenameMktemp(Args& a) {
  static unsigned counter = 0;
  const std::string pattern = a.given(0) ? a.string(0) : std::string("$VL~~");
  const size_t name = nameStart(pattern), ext = extensionStart(pattern);
  std::string dir;
  if (a.given(1))
    dir = a.string(1);
  else if (name > 0)
    dir = pattern.substr(0, name);
  else if (auto tmp = platform::environmentVariable("TMP"))
    dir = *tmp;
  else if (auto temp = platform::environmentVariable("TEMP"))
    dir = *temp;
  else
    dir = platform::currentDirectory();
  std::string extension = a.given(2)                 ? a.string(2)
                          : ext == std::string::npos ? std::string()
                                                     : pattern.substr(ext);
  if (!extension.empty() && extension[0] != '.') extension.insert(0, ".");
  const std::string base = upperAscii(pattern.substr(
      name, std::min<size_t>(5, (ext == std::string::npos ? pattern.size() : ext) - name)));
  static const char kHex[] = "0123456789ABCDEF";
  for (unsigned tries = 0; tries < 0xFFF; ++tries) {
    counter = counter % 0xFFF + 1;
    const std::string unique = {kHex[(counter >> 8) & 15], kHex[(counter >> 4) & 15],
                                kHex[counter & 15]};
    const std::string path = joinPath(dir, base + unique + upperAscii(extension));
    if (!platform::pathExists(path)) return makeString(path);
  }
  return Value();
}

// directories: -1 the subdirectories only, 1 the files only, else both.
Value sDirectoryFiles(Args& a) {
  const std::string dir = a.given(0) ? a.string(0) : platform::currentDirectory();
  const std::string pattern = a.given(1) ? a.string(1) : std::string("*.*");
  const int32_t which = a.given(2) ? a.integer(2) : 0;
  if (!platform::directoryExists(dir)) return Value();
  ListBuilder out;
  if (which != 1 && (pattern == "*" || pattern == "*.*")) {
    out.add(makeString("."));
    out.add(makeString(".."));
  }
  for (const platform::DirEntry& e : platform::listDirectory(joinPath(dir, pattern))) {
    if ((which == -1 && !e.info.isDirectory) || (which == 1 && e.info.isDirectory)) continue;
    out.add(makeString(e.name));
  }
  return out.take();
}

Value sFileDelete(Args& a) { return a.truth(platform::deleteFile(a.string(0))); }

Value sFileRename(Args& a) {
  const std::string& from = a.string(0);
  const std::string& to = a.string(1);
  return a.truth(platform::fileExists(from) && !platform::pathExists(to) &&
                 platform::moveFile(from, to));
}

// An existing destination is only appended to, never overwritten. Gives the
// number of bytes copied.
Value sFileCopy(Args& a) {
  const std::string& from = a.string(0);
  const std::string& to = a.string(1);
  const bool append = a.given(2);
  const auto info = platform::fileInfo(from);
  if (!info || info->isDirectory) return Value();
  if (!append) {
    if (platform::pathExists(to) || !platform::copyFile(from, to, true)) return Value();
    return Value::count(info->size);
  }
  std::ifstream in(host::toFsPath(from), std::ios::binary);
  std::ofstream out(host::toFsPath(to), std::ios::binary | std::ios::app);
  if (!in || !out) return Value();
  out << in.rdbuf();
  out.flush();
  if (!out) return Value();
  return Value::count(info->size);
}

// 0 for a directory; nil when there is nothing of that name.
Value sFileSize(Args& a) {
  const auto info = platform::fileInfo(a.string(0));
  if (!info) return Value();
  return Value::count(info->isDirectory ? 0 : info->size);
}

Value sFileDirectoryP(Args& a) { return a.truth(platform::directoryExists(a.string(0))); }

Value sGetenv(Args& a) {
  const auto v = platform::environmentVariable(a.string(0));
  return v ? makeString(*v) : Value();
}

Value sSetenv(Args& a) {
  const std::string& name = a.string(0);
  const std::string& value = a.string(1);
  if (name.empty() || name.find('=') != std::string::npos) raiseValue("nom de variable", a[0]);
  return platform::setEnvironmentVariable(name, value) ? a[1] : Value();
}

// (startapp program [file]): the program is started, not waited for.
Value sStartapp(Args& a) {
  std::vector<std::string> arguments;
  if (a.given(1)) arguments.push_back(a.string(1));
  const platform::ProcessResult r = platform::startProgram(a.string(0), arguments, false);
  return r.started && r.processId > 0 ? Value::integer(r.processId) : Value();
}

Value sRegistryRead(Args& a) {
  const std::string& key = a.string(0);
  const std::string name = a.given(1) ? a.string(1) : std::string();
  if (auto s = platform::readRegistryString(key, name)) return makeString(*s);
  if (auto d = platform::readRegistryDword(key, name))
    return Value::count(static_cast<uint64_t>(*d));
  return Value();
}

// Without a name the key's default value is written, without data an empty
// text. Integers are kept as DWORD values.
Value sRegistryWrite(Args& a) {
  const std::string& key = a.string(0);
  const std::string name = a.given(1) ? a.string(1) : std::string();
  if (!a.has(2)) return platform::writeRegistryString(key, name, "") ? makeString("") : Value();
  if (a[2].type() == Type::Int) {
    if (a[2].asInt() < 0) raiseValue("DWORD", a[2]);
    const bool written =
        platform::writeRegistryDword(key, name, static_cast<uint32_t>(a[2].asInt()));
    return written ? a[2] : Value();
  }
  return platform::writeRegistryString(key, name, a.string(2)) ? a[2] : Value();
}

// The COM automation is not there: accepted so that programs go on.
Value sLoadCom(Args&) { return Value(); }

const Subr kSubrs[] = {
    {"VL-FILENAME-BASE", sFilenameBase, nullptr, 1, 1},
    {"VL-FILENAME-DIRECTORY", sFilenameDirectory, nullptr, 1, 1},
    {"VL-FILENAME-EXTENSION", sFilenameExtension, nullptr, 1, 1},
    {"VL-FILENAME-MKTEMP", sFilenameMktemp, nullptr, 0, 3},
    {"VL-DIRECTORY-FILES", sDirectoryFiles, nullptr, 0, 3},
    {"VL-FILE-DELETE", sFileDelete, nullptr, 1, 1},
    {"VL-FILE-RENAME", sFileRename, nullptr, 2, 2},
    {"VL-FILE-COPY", sFileCopy, nullptr, 2, 3},
    {"VL-FILE-SIZE", sFileSize, nullptr, 1, 1},
    {"VL-FILE-DIRECTORY-P", sFileDirectoryP, nullptr, 1, 1},
    {"GETENV", sGetenv, nullptr, 1, 1},
    {"SETENV", sSetenv, nullptr, 2, 2},
    {"STARTAPP", sStartapp, nullptr, 1, 2},
    {"VL-REGISTRY-READ", sRegistryRead, nullptr, 1, 2},
    {"VL-REGISTRY-WRITE", sRegistryWrite, nullptr, 1, 3},
    {"VL-LOAD-COM", sLoadCom, nullptr, 0, 0},
};

}  // namespace

void registerVlFileSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
