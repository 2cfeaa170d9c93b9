// Dose calculations per second: for the fresh window, for an input whose three
// numbers are all corrected, for inputs that stop at a text that is not a
// number, and for a sweep over a few hundred different inputs.
//
//   estimate_bench [--benchmark_filter=REGEX] [--benchmark_repetitions=N]
#include "dose.h"

#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace zavir2;

enum class TEnd { Result, Failure };

// Stops the benchmark when an input does not take the path it is meant to
// measure, so that a change in the estimate cannot silently time another path.
bool TakesPath(benchmark::State& state, const TDoseInput& input, TEnd end, std::size_t events) {
    const TDoseOutcome outcome = CalculateDose(input);
    const bool ended =
        end == TEnd::Result ? outcome.Result() != nullptr : outcome.Failure() != nullptr;
    if (!ended || outcome.Events.size() != events) {
        state.SkipWithError("the input does not take the path this benchmark measures");
        return false;
    }
    return true;
}

void Calculate(benchmark::State& state, const TDoseInput& input, TEnd end, std::size_t events) {
    if (!TakesPath(state, input, end, events)) {
        return;
    }
    for (auto _ : state) {
        TDoseOutcome outcome = CalculateDose(input);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(Calculate, Initial, TDoseInput{}, TEnd::Result, 0);
BENCHMARK_CAPTURE(Calculate, ThreeCorrections,
                  TDoseInput{.StrengthText = "100", .AgeText = "13", .WeightText = "200"},
                  TEnd::Result, 6);
BENCHMARK_CAPTURE(Calculate, FailureAtStrength,
                  TDoseInput{.StrengthText = "сорок", .AgeText = "20", .WeightText = "70"},
                  TEnd::Failure, 0);
// Both earlier fields read and corrected before the failure: the longest way to one.
BENCHMARK_CAPTURE(Calculate, FailureAtWeight,
                  TDoseInput{.StrengthText = "100", .AgeText = "92", .WeightText = " 7 0"},
                  TEnd::Failure, 4);

// A few hundred inputs that differ in every field and answer: in range and
// out of it, decimal and hexadecimal, with blanks, and one in eight with a
// text that is not a number.
std::vector<TDoseInput> SweepInputs() {
    constexpr int Count = 400;
    std::vector<TDoseInput> inputs;
    inputs.reserve(Count);
    for (int i = 0; i < Count; ++i) {
        const int strength = -10 + (i * 37) % 121; // -10..110
        const int age = (i * 53) % 101;            // 0..100
        const int weight = 10 + (i * 71) % 191;    // 10..200
        TDoseInput input{.StrengthText = std::to_string(strength),
                         .AgeText = std::to_string(age),
                         .WeightText = (i % 3 == 0 ? "  " : "") + std::to_string(weight)};
        if (i % 5 == 0) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "$%X", static_cast<unsigned>(strength));
            input.StrengthText = hex;
        }
        if (i % 8 == 7) {
            input.Text(static_cast<TDoseField>(i % 3)) += "x";
        }
        for (std::size_t c = 0; c < ChoiceCount; ++c) {
            const auto items = static_cast<int>(ChoiceGroups()[c].Items.size());
            input.Choices[c] = (i / static_cast<int>(c + 1)) % items;
        }
        inputs.push_back(std::move(input));
    }
    return inputs;
}

void CalculateSweep(benchmark::State& state) {
    const std::vector<TDoseInput> inputs = SweepInputs();
    std::size_t results = 0;
    for (const TDoseInput& input : inputs) {
        results += CalculateDose(input).Result() != nullptr ? 1 : 0;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        TDoseOutcome outcome = CalculateDose(inputs[next]);
        benchmark::DoNotOptimize(outcome);
        next = next + 1 == inputs.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["inputs"] = static_cast<double>(inputs.size());
    state.counters["results"] = static_cast<double>(results);
}
BENCHMARK(CalculateSweep);

} // namespace

BENCHMARK_MAIN();
