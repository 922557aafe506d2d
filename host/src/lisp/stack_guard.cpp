#include "lisp/stack_guard.h"

#include <pthread.h>

#include <cstdint>

#include "lisp/error.h"

namespace lisp {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr uintptr_t kReserve = 1024 * 1024;  // sanitizer frames are much larger
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr uintptr_t kReserve = 1024 * 1024;
#else
constexpr uintptr_t kReserve = 256 * 1024;
#endif
#else
constexpr uintptr_t kReserve = 256 * 1024;
#endif

uintptr_t currentFrame() { return reinterpret_cast<uintptr_t>(__builtin_frame_address(0)); }

// The lowest address this thread may reach before its reserve.
uintptr_t computeFloor() {
  pthread_attr_t attr;
  void* base = nullptr;
  size_t size = 0;
  if (pthread_getattr_np(pthread_self(), &attr) == 0) {
    pthread_attr_getstack(&attr, &base, &size);
    pthread_attr_destroy(&attr);
  }
  const uintptr_t here = currentFrame();
  const uintptr_t low = reinterpret_cast<uintptr_t>(base);
  if (!base || size < 2 * kReserve || here < low || here > low + size) {
    // Unknown bounds: assume a modest stack below the current frame.
    const uintptr_t assumed = 512 * 1024;
    return here > assumed ? here - assumed : 0;
  }
  return low + kReserve;
}

thread_local uintptr_t stackFloor = 0;

}  // namespace

void checkStack() {
  if (stackFloor == 0) stackFloor = computeFloor();
  if (currentFrame() < stackFloor) raiseStackLimit();
}

}  // namespace lisp
