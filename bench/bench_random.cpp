#include "bench/bench_random.h"

namespace bench {

std::uint32_t BenchRandom::below(std::uint32_t count) {
  // Rejecting the top partial block keeps every value equally likely;
  // a plain modulo would favour the small ones.
  constexpr std::uint64_t kSpan = std::uint64_t{1} << 32;
  const std::uint64_t limit = kSpan - kSpan % count;
  std::uint64_t draw = 0;
  do {
    draw = static_cast<std::uint64_t>(engine_()) & 0xFFFFFFFFu;
  } while (draw >= limit);
  return static_cast<std::uint32_t>(draw % count);
}

int BenchRandom::between(int low, int high) {
  const auto width = static_cast<std::uint32_t>(static_cast<std::int64_t>(high) - low + 1);
  return static_cast<int>(static_cast<std::int64_t>(low) + below(width));
}

}  // namespace bench
