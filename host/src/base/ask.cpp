#include "base/ask.h"

#include <charconv>

#include "base/context.h"

namespace host {

std::string formatNumber(double v) {
  if (v == 0) return "0";  // no "-0"
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

std::string formatPoint(const double* p) {
  return formatNumber(p[0]) + "," + formatNumber(p[1]) + "," + formatNumber(p[2]);
}

std::string describeAnswer(const Answer& a) {
  switch (a.kind) {
    case Answer::Enter: return "";
    case Answer::Cancel: return "*Annuler*";
    case Answer::Break: return "*Interrompre*";
    case Answer::Point: return formatPoint(a.point);
    case Answer::Number: return formatNumber(a.number);
    case Answer::Text: return a.text;
    case Answer::Entity: return "<objet " + formatPoint(a.point) + ">";
    case Answer::Dialog: return "<dialogue>";
  }
  return "";
}

Answer askUser(const std::string& prompt) {
  Context& s = context();
  // A person at an interactive host has seen the prompt and typed the answer.
  const bool typed = s.user().pending() == 0 && s.user().interactive();
  Answer a = s.user().take(prompt);
  if (!typed) s.print(prompt + describeAnswer(a) + "\n");
  return a;
}

}  // namespace host
