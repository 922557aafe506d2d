// The colour dialog: acedSetColorDialog and (acad_colordlg colour [flag]),
// answered by the scripted user with a colour index (a number, a numeric
// text, or a dialog answer whose action carries the value). Enter keeps the
// initial colour, as the dialog's OK does; Escape, a dialog's "cancel" or an
// empty queue gives nothing. An index out of range is refused and the dialog
// asked again.
#include <cmath>
#include <optional>
#include <string>

#include "aced.h"
#include "base/ask.h"
#include "base/guarded_call.h"
#include "base/input_text.h"
#include "core/session.h"
#include "lisp/args.h"
#include "lisp/host_link.h"
#include "lisp/subr.h"

namespace host {
namespace {

// 0 is BYBLOCK and 256 BYLAYER, offered only with the meta colours.
bool colorAllowed(double v, bool meta) {
  if (v != std::floor(v)) return false;
  return meta ? v >= 0 && v <= 256 : v >= 1 && v <= 255;
}

std::optional<int> colorDialog(int initial, bool meta) {
  const std::string title = "[couleur] Choisissez une couleur (" + std::to_string(initial) + "): ";
  while (true) {
    const Answer a = askUser(title);
    double v = 0;
    bool given = false;
    switch (a.kind) {
      case Answer::Enter: return initial;
      case Answer::Number:
        v = a.number;
        given = true;
        break;
      case Answer::Text: given = parseNumberText(a.text, v); break;
      case Answer::Dialog:
        for (const auto& act : a.actions) {
          if (act.value)
            given = parseNumberText(*act.value, v);
          else if (act.key == "cancel")
            return std::nullopt;
        }
        if (!given) return initial;  // OK pressed without choosing
        break;
      default: return std::nullopt;
    }
    if (given && colorAllowed(v, meta)) return static_cast<int>(v);
    session().print(meta ? "Couleur non valide: un numéro de 0 à 256 est attendu.\n"
                         : "Couleur non valide: un numéro de 1 à 255 est attendu.\n");
  }
}

}  // namespace
}  // namespace host

bool acedSetColorDialog(int& nColor, bool bAllowMetaColor, int nCurLineColor) {
  (void)nCurLineColor;  // what BYLAYER would show: nothing is shown here
  const int rc = host::guardedCall("acad_colordlg", [&] {
    auto c = host::colorDialog(nColor, bAllowMetaColor);
    if (!c) return RTCAN;
    nColor = *c;
    return RTNORM;
  });
  return rc == RTNORM;
}

namespace lisp {
namespace {

// (acad_colordlg colour [flag]): the index chosen, nil when cancelled; a nil
// flag leaves out BYBLOCK and BYLAYER.
Value sColordlg(Args& a) {
  int color = a.integer(0);
  const bool meta = a.size() < 2 || a.given(1);
  if (!acedSetColorDialog(color, meta, 7)) return Value();
  return Value::integer(color);
}

const Subr kSubrs[] = {{"ACAD_COLORDLG", sColordlg, nullptr, 1, 2}};

void registerColorSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

const SubrGroup kGroup(registerColorSubrs);

}  // namespace
}  // namespace lisp
