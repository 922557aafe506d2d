// The registry as the host keeps it: keys with string and DWORD values, read
// from and written to a text file like this one:
//
//   ; cadhost registry
//   [HKEY_CURRENT_USER\Software\Talvex\Settings]
//   @="default value"
//   "Path"="C:\\Projets\\plan.dxf"
//   "Count"=dword:0000002a
//
// Strings escape \\, \", \n, \r and \t. Blank lines and lines starting with
// ';' or '#' are comments.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// "HKCU/Software\\\\X" -> "HKEY_CURRENT_USER\\Software\\X"; nullopt when the
// root is not one of the five.
std::optional<std::string> normalizeRegistryKey(std::string_view key);

struct RegistryValue {
  std::string name;  // "" is the key's default value
  bool isDword = false;
  std::string text;
  uint32_t dword = 0;
};

struct RegistryKey {
  std::string path;  // normalized, as first written
  std::vector<RegistryValue> values;

  RegistryValue* find(std::string_view name);
  // Replaces the value of that name, whatever its type, or adds it.
  void set(RegistryValue value);
  bool erase(std::string_view name);
};

class RegistryData {
 public:
  // Reads what can be read; `badLines` counts the lines left out.
  static RegistryData parse(std::string_view text, size_t& badLines);
  std::string serialize() const;

  // `path` is normalized.
  RegistryKey* find(const std::string& path);
  RegistryKey& make(const std::string& path);
  // A key exists when it was written or one of its subkeys was.
  bool exists(const std::string& path) const;
  // Removes the key and its subkeys; false when there was none.
  bool erase(const std::string& path);
  std::vector<std::string> subkeys(const std::string& path) const;

 private:
  std::map<std::string, RegistryKey> keys_;  // by lower-cased path
};

}  // namespace platform
