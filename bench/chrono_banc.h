// Timing for the benchmarks: wall-clock seconds since a moment or of a piece
// of work, and the best of several runs (the machine is shared: the fastest run is the least
// disturbed).
#pragma once
#include <algorithm>
#include <chrono>
#include <functional>

inline double seconds(std::chrono::steady_clock::time_point debut) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

inline double seconds(const std::function<void()>& fn) {
  const auto start = std::chrono::steady_clock::now();
  fn();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double best(int runs, const std::function<void()>& fn) {
  double t = 1e300;
  for (int i = 0; i < runs; ++i) t = std::min(t, seconds(fn));
  return t;
}
