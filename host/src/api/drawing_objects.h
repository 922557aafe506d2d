// Names for what a drawing holds besides its entities: table records and
// dictionaries. They are negative so that no entity index is ever taken for
// one; acdbEntGet gives their lists.
#pragma once
#include <string>

#include "adsdef.h"

namespace host {

// The list of the object a negative name stands for, or nullptr (ERRNO set)
// when the name is not one or its object has gone.
struct resbuf* objectList(const ads_name name);

// The layouts of every drawing here: model space and one paper layout.
inline const char* const kLayoutNames[] = {"Model", "Layout1"};

}  // namespace host
