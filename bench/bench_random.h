#pragma once
// Seeded random choices that come out the same with every standard library:
// std::mt19937's sequence is fixed by the C++ standard, but its distributions
// and std::shuffle are not, so all drawing from the engine is done here.

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace bench {

class BenchRandom {
 public:
  explicit BenchRandom(std::uint32_t seed) : engine_(seed) {}

  // Uniform in [0, count); count must not be 0.
  std::uint32_t below(std::uint32_t count);
  // Uniform in [low, high].
  int between(int low, int high);
  // True in about `chance` of 100 draws.
  bool percent(int chance) { return static_cast<int>(below(100)) < chance; }

  template <typename Container>
  const auto& pick(const Container& items) {
    return items[below(static_cast<std::uint32_t>(std::size(items)))];
  }

  // Fisher-Yates, drawing through below().
  template <typename T>
  void shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i) {
      const std::size_t j = below(static_cast<std::uint32_t>(i));
      using std::swap;
      swap(items[i - 1], items[j]);
    }
  }

 private:
  std::mt19937 engine_;
};

}  // namespace bench
