// Files: open close read-line write-line read-char write-char findfile load.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "base/answers.h"
#include "base/context.h"
#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/error.h"
#include "lisp/file_output.h"
#include "lisp/printer.h"
#include "lisp/subr.h"
#include "platform/support_path.h"

namespace lisp {

void writeToFile(File& file, std::string_view text, const Value& fd) {
  if (!file.fp || !file.writing) raise("fichier non ouvert en écriture: " + toText(fd, true));
  std::fwrite(text.data(), 1, text.size(), file.fp);
}

namespace {

std::FILE* readable(Args& a, size_t i) {
  File* f = a.file(i);
  if (!f->fp || f->writing) raise("fichier non ouvert en lecture: " + toText(a[i], true));
  return f->fp;
}

Value sOpen(Args& a) {
  const std::string& name = a.string(0);
  const std::string mode = upperAscii(a.string(1));
  const char* how = mode == "R" ? "rb" : mode == "W" ? "wb" : mode == "A" ? "ab" : nullptr;
  if (!how) raiseValue("mode", a[1]);
  std::FILE* fp = std::fopen(host::toFsPath(name).c_str(), how);
  if (!fp) return Value();
  File* f = new File;
  f->fp = fp;
  f->path = name;
  f->writing = mode != "R";
  return Value::adopt(Type::File, f);
}

Value sClose(Args& a) {
  a.file(0)->close();
  return Value();
}

// One line without its end (LF or CR LF); nil at the end of the file.
Value sReadLine(Args& a) {
  if (!a.given(0)) {
    // Without a file the line comes from the user, as a typed text.
    host::Answer answer = host::context().user().take("");
    if (answer.kind == host::Answer::Cancel) raise(kCancelled);
    return answer.kind == host::Answer::Text ? makeString(answer.text) : Value();
  }
  std::FILE* fp = readable(a, 0);
  std::string line;
  int c;
  bool any = false;
  while ((c = std::fgetc(fp)) != EOF) {
    any = true;
    if (c == '\n') break;
    line += static_cast<char>(c);
  }
  if (!any) return Value();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return makeString(std::move(line));
}

Value sWriteLine(Args& a) {
  const std::string& text = a.string(0);
  if (a.given(1))
    writeToFile(*a.file(1), text + "\n", a[1]);
  else
    a.env().print(text + "\n");
  return a[0];
}

Value sReadChar(Args& a) {
  if (!a.given(0)) return Value();
  const int c = std::fgetc(readable(a, 0));
  return c == EOF ? Value() : Value::integer(c);
}

Value sWriteChar(Args& a) {
  const std::string text(1, static_cast<char>(a.integer(0) & 0xFF));
  if (a.given(1))
    writeToFile(*a.file(1), text, a[1]);
  else
    a.env().print(text);
  return a[0];
}

Value sFindfile(Args& a) {
  auto found = host::findSupportFile(a.string(0));
  return found ? makeString(*found) : Value();
}

// (load "file" [on-failure]): ".lsp" is added to a name without extension.
Value sLoad(Args& a) {
  const std::string& name = a.string(0);
  auto found = host::findSupportFile(name);
  const size_t slash = name.find_last_of("/\\");
  const bool hasExtension =
      name.find('.', slash == std::string::npos ? 0 : slash) != std::string::npos;
  if (!found && !hasExtension) found = host::findSupportFile(name + ".lsp");
  std::ostringstream text;
  if (found) {
    std::ifstream in(host::toFsPath(*found), std::ios::binary);
    if (in)
      text << in.rdbuf();
    else
      found.reset();
  }
  if (!found) {
    if (a.has(1)) return a[1];
    raise("échec du chargement: " + toText(a[0], true));
  }
  Environment& env = a.env();
  return env.runText(text.str(), env.sourceIndex(*found), false);
}

const Subr kSubrs[] = {
    {"OPEN", sOpen, nullptr, 2, 2},          {"CLOSE", sClose, nullptr, 1, 1},
    {"READ-LINE", sReadLine, nullptr, 0, 1}, {"WRITE-LINE", sWriteLine, nullptr, 1, 2},
    {"READ-CHAR", sReadChar, nullptr, 0, 1}, {"WRITE-CHAR", sWriteChar, nullptr, 1, 2},
    {"FINDFILE", sFindfile, nullptr, 1, 1},  {"LOAD", sLoad, nullptr, 1, 2},
};

}  // namespace

void registerFileSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
