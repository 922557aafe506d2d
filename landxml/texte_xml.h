// Names from a project written into an XML document: an old project may hold
// bytes of another character set, and XML 1.0 refuses most control characters.
#pragma once
#include <string>
#include <string_view>

namespace landxml {

// The text with every byte that does not start well-formed UTF-8, and every
// control character but tab and line ends, replaced by "?".
std::string texteXml(std::string_view texte);

}  // namespace landxml
