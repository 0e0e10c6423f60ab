// Engine throughput: hand evaluation, card choice and whole self-play deals.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/computer.h"
#include "engine/hand_search.h"
#include "selfplay.h"

namespace quarlo {
namespace {

std::vector<Hand> RandomHands(int n, int cards) {
  Rng rng(42);
  std::vector<Hand> hands;
  for (int i = 0; i < n; ++i) {
    const Pack p = Shuffle(rng);
    Hand h;
    for (int k = 1; k <= cards; ++k) {
      h.cards[k] = p.cards[k];
      h.strengths[k] = p.strengths[k];
    }
    OrderHand(h, p.cards[24].suit);
    hands.push_back(h);
  }
  return hands;
}

void BM_EvaluateHand(benchmark::State& state) {
  const auto hands = RandomHands(1024, 6);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateHand(hands[i & 1023], kSuitOrder[1 + (i & 3)]));
    ++i;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_EvaluateHand);

void BM_ChooseCard(benchmark::State& state) {
  const auto hands = RandomHands(1024, 5);
  Rng rng(5);
  std::vector<PlayView> views(1024);
  for (auto& v : views) {
    const Pack p = Shuffle(rng);
    v.trump = kSuitOrder[rng.Uniform(4)];
    v.played.fill(kNoCard);
    if (rng.Uniform(2) == 1) {
      v.led = p.cards[20];
      v.ledStrength = p.strengths[20];
    }
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ChooseCard(hands[i & 1023], views[(i * 7) & 1023]));
    ++i;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_ChooseCard);

// Whole games through the phase machine, both seats played by the computer;
// the counter "deals" is deals per second.
void BM_SelfPlayDeals(benchmark::State& state) {
  std::int64_t deals = 0;
  std::uint64_t seed = 1;
  for (auto _ : state) {
    const SelfPlaySummary s = RunSelfPlay(1000, seed++);
    deals += s.deals;
  }
  state.counters["deals"] = benchmark::Counter(static_cast<double>(deals), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SelfPlayDeals)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarlo

BENCHMARK_MAIN();
