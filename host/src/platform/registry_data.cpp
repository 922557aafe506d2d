#include "platform/registry_data.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace platform {
namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool sameName(std::string_view a, std::string_view b) { return lower(a) == lower(b); }

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::string quote(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

// Reads a quoted string at the start of `s`; moves `s` past it.
std::optional<std::string> unquote(std::string_view& s) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::string out;
  for (size_t i = 1; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"') {
      s.remove_prefix(i + 1);
      return out;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i >= s.size()) return std::nullopt;
    switch (s[i]) {
      case '\\': out += '\\'; break;
      case '"': out += '"'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      default: return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<RegistryValue> parseValueLine(std::string_view line) {
  RegistryValue v;
  if (!line.empty() && line.front() == '@') {
    line.remove_prefix(1);
  } else {
    auto name = unquote(line);
    if (!name) return std::nullopt;
    v.name = std::move(*name);
  }
  line = trim(line);
  if (line.empty() || line.front() != '=') return std::nullopt;
  line = trim(line.substr(1));
  if (line.rfind("dword:", 0) == 0) {
    const std::string_view hex = line.substr(6);
    if (hex.empty() || hex.size() > 8) return std::nullopt;
    auto r = std::from_chars(hex.data(), hex.data() + hex.size(), v.dword, 16);
    if (r.ec != std::errc() || r.ptr != hex.data() + hex.size()) return std::nullopt;
    v.isDword = true;
    return v;
  }
  auto text = unquote(line);
  if (!text || !trim(line).empty()) return std::nullopt;
  v.text = std::move(*text);
  return v;
}

}  // namespace

std::optional<std::string> normalizeRegistryKey(std::string_view key) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kRoots = {{
      {"hkey_current_user", "HKEY_CURRENT_USER"},
      {"hkcu", "HKEY_CURRENT_USER"},
      {"hkey_local_machine", "HKEY_LOCAL_MACHINE"},
      {"hklm", "HKEY_LOCAL_MACHINE"},
      {"hkey_classes_root", "HKEY_CLASSES_ROOT"},
      {"hkcr", "HKEY_CLASSES_ROOT"},
      {"hkey_users", "HKEY_USERS"},
      {"hku", "HKEY_USERS"},
      {"hkey_current_config", "HKEY_CURRENT_CONFIG"},
      {"hkcc", "HKEY_CURRENT_CONFIG"},
  }};
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= key.size()) {
    size_t end = key.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = key.size();
    std::string_view part = trim(key.substr(start, end - start));
    if (!part.empty()) parts.push_back(part);
    start = end + 1;
  }
  if (parts.empty()) return std::nullopt;
  const std::string root = lower(parts[0]);
  auto it = std::find_if(kRoots.begin(), kRoots.end(), [&](auto& r) { return r.first == root; });
  if (it == kRoots.end()) return std::nullopt;
  std::string out(it->second);
  for (size_t i = 1; i < parts.size(); ++i) {
    out += '\\';
    out += parts[i];
  }
  return out;
}

RegistryValue* RegistryKey::find(std::string_view name) {
  for (RegistryValue& v : values)
    if (sameName(v.name, name)) return &v;
  return nullptr;
}

void RegistryKey::set(RegistryValue value) {
  if (RegistryValue* old = find(value.name)) {
    value.name = old->name;  // keeps the spelling first written
    *old = std::move(value);
  } else {
    values.push_back(std::move(value));
  }
}

bool RegistryKey::erase(std::string_view name) {
  auto it =
      std::find_if(values.begin(), values.end(), [&](auto& v) { return sameName(v.name, name); });
  if (it == values.end()) return false;
  values.erase(it);
  return true;
}

RegistryData RegistryData::parse(std::string_view text, size_t& badLines) {
  RegistryData data;
  badLines = 0;
  RegistryKey* current = nullptr;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      auto path =
          line.back() == ']' ? normalizeRegistryKey(line.substr(1, line.size() - 2)) : std::nullopt;
      current = path ? &data.make(*path) : nullptr;
      if (!path) ++badLines;
      continue;
    }
    auto value = current ? parseValueLine(line) : std::nullopt;
    if (value)
      current->set(std::move(*value));
    else
      ++badLines;
  }
  return data;
}

std::string RegistryData::serialize() const {
  std::string out = "; cadhost registry\n";
  for (const auto& [id, key] : keys_) {
    out += "\n[" + key.path + "]\n";
    for (const RegistryValue& v : key.values) {
      out += v.name.empty() ? std::string("@") : quote(v.name);
      if (v.isDword) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08x", v.dword);
        out += std::string("=dword:") + hex + "\n";
      } else {
        out += "=" + quote(v.text) + "\n";
      }
    }
  }
  return out;
}

RegistryKey* RegistryData::find(const std::string& path) {
  auto it = keys_.find(lower(path));
  return it == keys_.end() ? nullptr : &it->second;
}

RegistryKey& RegistryData::make(const std::string& path) {
  RegistryKey& k = keys_[lower(path)];
  if (k.path.empty()) k.path = path;
  return k;
}

bool RegistryData::exists(const std::string& path) const {
  const std::string id = lower(path);
  for (auto it = keys_.lower_bound(id); it != keys_.end() && it->first.rfind(id, 0) == 0; ++it)
    if (it->first.size() == id.size() || it->first[id.size()] == '\\') return true;
  return false;
}

bool RegistryData::erase(const std::string& path) {
  const std::string id = lower(path);
  const size_t before = keys_.size();
  std::erase_if(keys_,
                [&](auto& kv) { return kv.first == id || kv.first.rfind(id + "\\", 0) == 0; });
  return keys_.size() != before;
}

std::vector<std::string> RegistryData::subkeys(const std::string& path) const {
  const std::string prefix = lower(path) + "\\";
  std::vector<std::string> out;
  for (const auto& [id, key] : keys_) {
    if (id.rfind(prefix, 0) != 0) continue;
    const std::string rest = key.path.substr(prefix.size());
    const std::string name = rest.substr(0, rest.find('\\'));
    if (std::none_of(out.begin(), out.end(), [&](auto& n) { return sameName(n, name); }))
      out.push_back(name);
  }
  return out;
}

}  // namespace platform
