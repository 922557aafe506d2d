#include "base/answers.h"

#include <charconv>
#include <cstdio>
#include <iostream>

#include "base/context.h"

namespace host {
namespace {

std::string trim(std::string s) {
  const size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  const size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

bool parseNumber(std::string_view s, double& out) {
  if (s.empty()) return false;
  const char* end = s.data() + s.size();
  auto r = std::from_chars(s.data(), end, out);
  return r.ec == std::errc() && r.ptr == end;
}

// A line typed by a person at an interactive cadhost: empty is Enter, "x,y[,z]"
// a point, a number a number, "!key=value;key2" dialog actions, anything else text.
Answer parseTyped(const std::string& raw) {
  Answer a;
  const std::string line = trim(raw);
  if (line.empty()) return a;
  if (line == "^C" || line == "ESC") {
    a.kind = Answer::Cancel;
    return a;
  }
  if (line[0] == '!') {
    a.kind = Answer::Dialog;
    std::string rest = line.substr(1);
    size_t start = 0;
    while (start <= rest.size()) {
      size_t end = rest.find(';', start);
      if (end == std::string::npos) end = rest.size();
      std::string item = trim(rest.substr(start, end - start));
      if (!item.empty()) {
        const size_t eq = item.find('=');
        if (eq == std::string::npos)
          a.actions.push_back({item, std::nullopt});
        else
          a.actions.push_back({trim(item.substr(0, eq)), trim(item.substr(eq + 1))});
      }
      start = end + 1;
    }
    return a;
  }
  double n;
  if (parseNumber(line, n)) {
    a.kind = Answer::Number;
    a.number = n;
    return a;
  }
  double p[3] = {0, 0, 0};
  int count = 0;
  size_t start = 0;
  bool allNumbers = true;
  while (start <= line.size() && count < 4) {
    size_t end = line.find(',', start);
    if (end == std::string::npos) end = line.size();
    double v;
    if (count >= 3 || !parseNumber(trim(line.substr(start, end - start)), v)) {
      allNumbers = false;
      break;
    }
    p[count++] = v;
    start = end + 1;
  }
  if (allNumbers && count >= 2) {
    a.kind = Answer::Point;
    for (int i = 0; i < 3; ++i) a.point[i] = p[i];
    return a;
  }
  a.kind = Answer::Text;
  a.text = line;
  return a;
}

}  // namespace

Answer ScriptedUser::take(const std::string& what) {
  if (!queue_.empty()) {
    Answer a = std::move(queue_.front());
    queue_.pop_front();
    return a;
  }
  if (interactive_) {
    context().print(what.empty() ? std::string("> ") : what + " ");
    std::string line;
    if (std::getline(std::cin, line)) return parseTyped(line);
  }
  context().print("[utilisateur] aucune réponse en attente pour \"" + what + "\": Echap\n");
  Answer cancel;
  cancel.kind = Answer::Cancel;
  return cancel;
}

bool ScriptedUser::takeBreak() {
  if (!queue_.empty() && queue_.front().kind == Answer::Break) {
    queue_.pop_front();
    return true;
  }
  return false;
}

}  // namespace host
