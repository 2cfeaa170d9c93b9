// Feeds arbitrary bytes to the dose estimate and aborts on the first outcome
// that breaks a rule every calculation must keep.
//
// How the bytes become an input: each of the first nine bytes picks one
// question's answer, modulo its number of items (a missing byte leaves the
// default answer; the digits '0'..'3' pick items 0..3, since '0' is a multiple
// of every item count). The rest, even when empty, is split at '\n' into the
// strength, age and weight texts; the weight text takes everything after the
// second '\n', later '\n' bytes included, and a field left without a piece
// keeps its fresh-window text.
#include "dose.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zavir2;

constexpr char Separator = '\n';

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out;
}

void PrintInput(const TDoseInput& input) {
    std::fprintf(stderr, "choices:");
    for (int choice : input.Choices) {
        std::fprintf(stderr, " %d", choice);
    }
    std::fprintf(stderr, "\nstrength '%s'\nage '%s'\nweight '%s'\n",
                 Escaped(input.StrengthText).c_str(), Escaped(input.AgeText).c_str(),
                 Escaped(input.WeightText).c_str());
}

void PrintOutcome(const char* title, const TDoseOutcome& outcome) {
    std::fprintf(stderr, "%s:\n", title);
    for (const TDoseEvent& event : outcome.Events) {
        std::fprintf(stderr, "  %s field %d '%s'\n",
                     event.Kind == TDoseEvent::TKind::Notice ? "notice" : "correction",
                     static_cast<int>(event.Field), event.Text.c_str());
    }
    if (const TDoseResult* result = outcome.Result()) {
        std::fprintf(stderr, "  result %lld '%s'\n", result->Grams, result->Sentence.c_str());
    }
    if (const TDoseFailure* failure = outcome.Failure()) {
        std::fprintf(stderr, "  failure field %d '%s'\n", static_cast<int>(failure->Field),
                     Escaped(failure->Message).c_str());
    }
}

// The input being checked, so that a violation can show what led to it.
const TDoseInput* Current = nullptr;

[[noreturn]] void Violated(const char* rule, int line) {
    std::fprintf(stderr, "\ndose_fuzz: rule broken at line %d: %s\n", line, rule);
    if (Current != nullptr) {
        PrintInput(*Current);
        PrintOutcome("outcome", CalculateDose(*Current));
    }
    std::abort();
}

// A macro so that the report names the broken rule as written.
#define EXPECT(rule) ((rule) ? void() : Violated(#rule, __LINE__))

TDoseInput Decode(const std::uint8_t* data, std::size_t size) {
    TDoseInput input;
    const std::size_t picked = std::min(size, ChoiceCount);
    for (std::size_t i = 0; i < picked; ++i) {
        input.Choices[i] = static_cast<int>(data[i] % ChoiceGroups()[i].Items.size());
    }
    std::string_view rest(reinterpret_cast<const char*>(data) + picked, size - picked);
    for (TDoseField field : {TDoseField::Strength, TDoseField::Age}) {
        const std::size_t end = rest.find(Separator);
        input.Text(field) = std::string(rest.substr(0, end));
        if (end == std::string_view::npos) {
            return input;
        }
        rest.remove_prefix(end + 1);
    }
    input.WeightText = std::string(rest);
    return input;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The conversion as documented, written apart from StrToInt: the text is first
// checked character by character, and only then are its digits, without the
// leading zeros that do not change the value, handed to strtoll or strtoull.
std::optional<std::int32_t> ReferenceStrToInt(std::string_view text) {
    std::string rest(text.substr(std::min(text.find_first_not_of(' '), text.size())));
    std::size_t prefix = 0;
    if (rest.starts_with("0x") || rest.starts_with("0X")) {
        prefix = 2;
    } else if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        prefix = 1;
    }
    const bool hex = prefix > 0;
    const bool negative = !hex && rest.starts_with('-');
    if (!hex && (negative || rest.starts_with('+'))) {
        prefix = 1;
    }
    std::string digits = rest.substr(prefix);
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), hex ? IsHexDigit : IsDecimalDigit)) {
        return std::nullopt;
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) {
        return 0;
    }
    if (hex) {
        if (digits.size() > 8) {
            return std::nullopt;
        }
        // Eight hex digits are 32 bits read as two's complement.
        const long long value = static_cast<long long>(std::strtoull(digits.c_str(), nullptr, 16));
        return static_cast<std::int32_t>(value >= 0x8000'0000LL ? value - 0x1'0000'0000LL : value);
    }
    if (digits.size() > 10) {
        return std::nullopt;
    }
    long long value = std::strtoll(digits.c_str(), nullptr, 10);
    if (negative) {
        value = -value;
    }
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// A field's accepted range, both ends included, and what happens outside it.
struct TFieldRule {
    TDoseField Field;
    std::int32_t Low;
    std::int32_t High;
    const char* LowNotice;
    std::int32_t LowReplacement;
    const char* HighNotice;
    std::int32_t HighReplacement;
};

const std::array<TFieldRule, 3> FieldRules{{
    {TDoseField::Strength, 5, 96, "Меньше градус не бывает", 5, "Больше в спирте не бывает :)", 96},
    {TDoseField::Age, 14, 91, "Рановато еще пить", 15, "Дедушка, ты уже старый, не стОит пить...",
     90},
    {TDoseField::Weight, 30, 180, "Рановато еще пить с таким весом", 30,
     "Ты себя переоцениваешь...убавь вес", 180},
}};

// What the rules say the outcome must be, short of the number of grams.
struct TExpectation {
    std::vector<TDoseEvent> Events;
    std::optional<TDoseField> FailingField; // nothing: there must be a result
    std::array<std::int32_t, 3> Values{};   // the values used, for the fields read
};

TExpectation Expect(const TDoseInput& input) {
    TExpectation expected;
    for (std::size_t i = 0; i < FieldRules.size(); ++i) {
        const TFieldRule& rule = FieldRules[i];
        const std::optional<std::int32_t> value = ReferenceStrToInt(input.Text(rule.Field));
        if (!value) {
            expected.FailingField = rule.Field;
            break;
        }
        expected.Values[i] = *value;
        auto correct = [&](const char* notice, std::int32_t replacement) {
            expected.Events.push_back({TDoseEvent::TKind::Notice, rule.Field, notice});
            expected.Events.push_back(
                {TDoseEvent::TKind::Correction, rule.Field, std::to_string(replacement)});
            expected.Values[i] = replacement;
        };
        if (*value < rule.Low) {
            correct(rule.LowNotice, rule.LowReplacement);
        } else if (*value > rule.High) {
            correct(rule.HighNotice, rule.HighReplacement);
        }
    }
    return expected;
}

bool SameOutcome(const TDoseOutcome& a, const TDoseOutcome& b) {
    if (a.Events != b.Events || a.End.index() != b.End.index()) {
        return false;
    }
    if (a.Result() != nullptr) {
        return a.Result()->Grams == b.Result()->Grams &&
               a.Result()->Sentence == b.Result()->Sentence;
    }
    return a.Failure()->Field == b.Failure()->Field && a.Failure()->Message == b.Failure()->Message;
}

void CheckFailure(const TDoseInput& input, const TDoseFailure& failure, TDoseField field) {
    EXPECT(failure.Field == field);
    const std::string& text = input.Text(field);
    EXPECT(failure.Message == ConversionErrorMessage(text));
    EXPECT(failure.Message == "'" + text + "' is not a valid integer value");
    // The message ends in a letter, so the error report always adds its period.
    EXPECT(WithReportPeriod(failure.Message) == failure.Message + ".");
}

// Grams for the given in-range values typed as plain decimals.
long long GramsFor(TDoseInput input, const std::array<std::int32_t, 3>& values) {
    for (std::size_t i = 0; i < FieldRules.size(); ++i) {
        input.Text(FieldRules[i].Field) = std::to_string(values[i]);
    }
    const TDoseOutcome outcome = CalculateDose(input);
    EXPECT(outcome.Events.empty());
    EXPECT(outcome.Result() != nullptr);
    return outcome.Result()->Grams;
}

void CheckResult(const TDoseInput& input, const TDoseResult& result, const TExpectation& expected) {
    EXPECT(result.Grams > 0);
    EXPECT(result.Grams <= 99'999);
    const bool strengthCorrected =
        !expected.Events.empty() && expected.Events.front().Field == TDoseField::Strength;
    const std::string& shown = strengthCorrected ? expected.Events[1].Text : input.StrengthText;
    EXPECT(result.Sentence ==
           std::to_string(result.Grams) + " граммов при крепкости напитка " + shown + "°");

    // Only the values count, not how they were typed.
    std::array<std::int32_t, 3> values = expected.Values;
    EXPECT(GramsFor(input, values) == result.Grams);
    // Every step keeps the order of the working estimate, so a stronger drink
    // never allows more grams and a heavier person never fewer.
    const TFieldRule& strength = FieldRules[0];
    if (values[0] < strength.High) {
        ++values[0];
        EXPECT(GramsFor(input, values) <= result.Grams);
        --values[0];
    }
    const TFieldRule& weight = FieldRules[2];
    if (values[2] < weight.High) {
        ++values[2];
        EXPECT(GramsFor(input, values) >= result.Grams);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TDoseInput input = Decode(data, size);
    Current = &input;

    for (const TFieldRule& rule : FieldRules) {
        const std::string& text = input.Text(rule.Field);
        EXPECT(StrToInt(text) == ReferenceStrToInt(text));
    }

    const TDoseOutcome outcome = CalculateDose(input);
    EXPECT(SameOutcome(outcome, CalculateDose(input)));

    const TExpectation expected = Expect(input);
    EXPECT(outcome.Events == expected.Events);
    if (expected.FailingField) {
        EXPECT(outcome.Failure() != nullptr);
        CheckFailure(input, *outcome.Failure(), *expected.FailingField);
    } else {
        EXPECT(outcome.Result() != nullptr);
        CheckResult(input, *outcome.Result(), expected);
    }

    Current = nullptr;
    return 0;
}
