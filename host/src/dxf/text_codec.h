// Texts between this host (UTF-8) and DXF files: R2000 files hold their texts
// in the drawing's code page (Windows-1252 here) with \U+XXXX for the rest,
// and control characters as ^J-style escapes ("^ " being a caret).
#pragma once
#include <string>
#include <string_view>

namespace dxf {

// True when `text` needs more than a copy to be read or written.
bool needsCoding(std::string_view text);

// Appends the UTF-8 form of a text read from a file. `codePage`: texts of a
// file before R2007 are in Windows-1252, unless they already are valid UTF-8.
void decodeText(std::string_view text, bool codePage, std::string& out);

// Appends the R2000 form of a UTF-8 text.
void encodeText(std::string_view text, std::string& out);

}  // namespace dxf
