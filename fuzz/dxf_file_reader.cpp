// The DXF reader on files, through its block-by-block line reader: any bytes,
// with byte 0xFF standing for a run of 768 KiB of blanks and 0xFE for 64 KiB of
// digits, so that short inputs make lines across the reader's blocks and past
// the longest line it accepts. It must never crash, and must answer as the
// reader of the same text in memory does.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf.h"

namespace {

// Expanded texts stay below this, a little past the longest line accepted.
constexpr size_t kMaxText = size_t{6} << 20;

// Into one string kept from run to run: fresh pages for every run would cost
// more than the reading.
const std::string& expand(std::string_view data) {
  static std::string text;
  text.clear();
  for (char c : data) {
    if (c == '\xFF') {
      text.append(size_t{768} << 10, ' ');
    } else if (c == '\xFE') {
      text.append(size_t{64} << 10, '7');
    } else {
      text += c;
    }
    if (text.size() > kMaxText) break;
  }
  return text;
}

bool writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n <= 0) return false;
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& text = expand(std::string_view(reinterpret_cast<const char*>(data), size));
  const int fd = ::memfd_create("dxf", MFD_CLOEXEC);
  if (fd < 0 || !writeAll(fd, text)) __builtin_trap();
  const std::string path = "/proc/self/fd/" + std::to_string(fd);

  std::string fileError, memoryError;
  std::vector<std::string> fileNotes, memoryNotes;
  auto fromFile = dxf::read(path, fileError, &fileNotes);
  ::close(fd);
  auto fromMemory = dxf::readFromMemory(text, memoryError, &memoryNotes);

  if (!fromFile != !fromMemory || fileError != memoryError || fileNotes != memoryNotes)
    __builtin_trap();
  if (fromFile && fromFile->entities.size() != fromMemory->entities.size()) __builtin_trap();
  if (!fromFile && fileError.rfind("ligne ", 0) != 0) __builtin_trap();
  return 0;
}
