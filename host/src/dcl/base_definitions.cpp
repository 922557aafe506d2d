#include "dcl/base_definitions.h"

#include "dcl/parser.h"

namespace dcl {
namespace {

// Keys "accept", "cancel", "help", "info" and "error" are what programs test for.
constexpr const char* kBaseDcl = R"DCL(
default_dcl_settings : dialog { audit_level = 1; }

spacer_0 : spacer { height = 0; width = 0; horizontal_margin = none; vertical_margin = none; }
spacer_1 : spacer { height = 1; width = 1; horizontal_margin = none; vertical_margin = none; }

retirement_button : button { fixed_width = true; width = 8; alignment = centered; }
ok_button : retirement_button { label = "OK"; key = "accept"; is_default = true; }
cancel_button : retirement_button { label = "Annuler"; key = "cancel"; is_cancel = true; }
help_button : retirement_button { label = "Aide..."; key = "help"; is_help = true; }
info_button : retirement_button { label = "Info..."; key = "info"; }

errtile : text { key = "error"; label = ""; width = 35; is_error_tile = true; }

ok_only : column {
  fixed_width = true; alignment = centered;
  : ok_button { is_cancel = true; }
}
ok_cancel : column {
  : row { fixed_width = true; alignment = centered; ok_button; : spacer { width = 2; } cancel_button; }
}
ok_cancel_help : column {
  : row { fixed_width = true; alignment = centered; ok_button; : spacer { width = 2; } cancel_button;
          : spacer { width = 2; } help_button; }
}
ok_cancel_help_errtile : column { ok_cancel_help; errtile; }
ok_cancel_help_info : column {
  : row { fixed_width = true; alignment = centered; ok_button; : spacer { width = 2; } cancel_button;
          : spacer { width = 2; } help_button; : spacer { width = 2; } info_button; }
}
)DCL";

}  // namespace

const ParsedFile& baseDefinitions() {
  static const ParsedFile base = parseDcl(kBaseDcl, "base.dcl");
  return base;
}

}  // namespace dcl
