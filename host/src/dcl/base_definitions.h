// The prototypes every DCL file sees without including anything: the exit
// buttons and their clusters (ok_only, ok_cancel, ok_cancel_help,
// ok_cancel_help_errtile, ok_cancel_help_info), errtile and the spacers.
#pragma once
#include "dcl/parse_tree.h"

namespace dcl {

const ParsedFile& baseDefinitions();

}  // namespace dcl
