#include "dcl/dialog_actions.h"

#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "base/context.h"
#include "lisp/environment.h"

namespace lisp {

namespace {

// Frames live behind pointers: an action may open a dialog of its own while
// its frame is in use.
struct Frames {
  std::vector<std::unique_ptr<DialogFrame>> all;
};

std::vector<std::unique_ptr<DialogFrame>>& frames() { return host::context().state<Frames>().all; }

DialogFrame* frameOf(const void* dialog) {
  for (auto& f : frames())
    if (f->dialog == dialog) return f.get();
  return nullptr;
}

// $key $value $reason $data $x $y hold for one action; what they held before
// comes back after it, so that a nested dialog's action leaves the outer one's.
class ActionVariables {
 public:
  ActionVariables(Environment& env, const ads_callback_packet& p, const std::string& key,
                  const std::string* data) {
    bind(env, "$KEY", makeString(key));
    bind(env, "$VALUE", makeString(p.value ? p.value : ""));
    bind(env, "$REASON", Value::integer(p.reason));
    bind(env, "$DATA", data ? makeString(*data) : Value());
    bind(env, "$X", Value::integer(static_cast<int32_t>(p.x)));
    bind(env, "$Y", Value::integer(static_cast<int32_t>(p.y)));
  }
  ~ActionVariables() {
    for (auto& [symbol, value] : saved_) symbol->value = std::move(value);
  }
  ActionVariables(const ActionVariables&) = delete;
  ActionVariables& operator=(const ActionVariables&) = delete;

 private:
  void bind(Environment& env, const char* name, Value v) {
    Symbol* s = env.symbols.intern(name);
    saved_.emplace_back(s, s->value);
    s->value = std::move(v);
  }
  std::vector<std::pair<Symbol*, Value>> saved_;
};

bool blank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// An action failed: every dialog closes, as the host does when a program
// stops, and the error waits for the start_dialog that runs this one. Dialogs
// the action made but never started go with it.
void fail(DialogFrame& f, LispError e) {
  f.error = std::move(e);
  auto& all = frames();
  std::erase_if(all, [&](auto& g) { return g.get() != &f && !g->started && g->env == f.env; });
  ads_term_dialog();
}

}  // namespace

DialogFrame& pushDialog(Environment& env, ads_hdlg dialog, std::string defaultAction) {
  auto f = std::make_unique<DialogFrame>();
  f->dialog = dialog;
  f->env = &env;
  f->defaultAction = std::move(defaultAction);
  // A handle the engine reuses after a dialog that LISP never started.
  std::erase_if(frames(), [&](auto& g) { return g->dialog == dialog; });
  frames().push_back(std::move(f));
  return *frames().back();
}

DialogFrame* currentDialog(const Environment& env) {
  auto& all = frames();
  for (auto it = all.rbegin(); it != all.rend(); ++it)
    if ((*it)->env == &env) return it->get();
  return nullptr;
}

void popDialog(const DialogFrame& frame) {
  std::erase_if(frames(), [&](auto& f) { return f.get() == &frame; });
}

void runTileAction(ads_callback_packet* p) {
  DialogFrame* f = p ? frameOf(p->dialog) : nullptr;
  if (!f || f->error) return;
  const std::string key = hostText([&](ACHAR* out, int len) {
                            return ads_get_attr_string(p->tile, "key", out, len);
                          }).value_or("");
  std::string expression;
  if (auto it = f->actions.find(key); it != f->actions.end()) {
    expression = it->second;
  } else if (auto attr = hostText([&](ACHAR* out, int len) {
               return ads_get_attr_string(p->tile, "action", out, len);
             })) {
    expression = *attr;
  } else {
    expression = f->defaultAction;
  }
  if (blank(expression)) return;
  Environment& env = *f->env;
  auto data = f->data.find(key);
  ActionVariables vars(env, *p, key, data == f->data.end() ? nullptr : &data->second);
  try {
    env.runText(expression, 0, false);
  } catch (LispError& e) {
    fail(*f, std::move(e));
  } catch (const std::bad_alloc&) {
    fail(*f, LispError{"mémoire insuffisante", 0, LispError::Report});
  } catch (const std::exception& x) {
    fail(*f, LispError{std::string("erreur interne: ") + x.what(), 0, LispError::Report});
  }
}

std::optional<std::string> hostText(const std::function<int(ACHAR*, int)>& read) {
  // Tile texts are short; the cap only bounds a runaway value.
  constexpr size_t kFirst = 256, kCap = size_t{1} << 24;
  std::string buf;
  for (size_t size = kFirst;; size *= 4) {
    buf.assign(size, '\0');
    if (read(buf.data(), static_cast<int>(size)) != RTNORM) return std::nullopt;
    const size_t n = std::strlen(buf.c_str());
    if (n + 1 < size || size >= kCap) {
      buf.resize(n);
      return buf;
    }
  }
}

}  // namespace lisp
