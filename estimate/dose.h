// The dose estimate: how many grams of a drink of a given strength a person
// can take, from three number texts and nine multiple-choice answers.
//
// Plain C++, no user interface and no I/O: every notice, field correction and
// failure comes back as data in a TDoseOutcome, and the caller decides how to
// show it. All texts are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zavir2 {

// The three number fields, in the order in which they are converted.
enum class TDoseField { Strength, Age, Weight };

// The nine multiple-choice questions, in the order in which they act on the
// estimate. The value is the question's position in TDoseInput::Choices and
// in ChoiceGroups().
enum class TChoice : std::size_t {
    Effect,    // desired effect
    Beer,      // chased with beer
    Snacks,    // snacks
    Sex,       // sex
    Level,     // drinking experience
    Smoking,   // smoking
    Hangovers, // hangovers
    Place,     // where
    Time,      // over what time
};
inline constexpr std::size_t ChoiceCount = 9;

// How one answer acts on the working estimate q.
enum class TChoiceRule {
    Base, // q becomes Amount / strength (the desired effect)
    Less, // q becomes q - (Amount * q)
    More, // q becomes (Amount * q) + q
    None, // q stays
    Half, // q becomes q / 2
};

struct TChoiceItem {
    std::string_view Caption;
    TChoiceRule Rule;
    // Extended precision on purpose: the factors are the long double values
    // nearest to their decimals, not the double ones.
    long double Amount;
};

struct TChoiceGroup {
    std::string_view Caption;
    std::span<const TChoiceItem> Items;
    int Default; // the item selected when nothing has been chosen yet
};

// The nine questions with their captions, answers, rules and default answers,
// indexed by TChoice.
const std::array<TChoiceGroup, ChoiceCount>& ChoiceGroups();

const TChoiceGroup& ChoiceGroup(TChoice choice);

// One calculation's inputs. A default-constructed input holds the values a
// fresh window starts with: strength "40", age "20", weight "70" and every
// question at its default answer.
struct TDoseInput {
    // The field texts exactly as typed, blanks included.
    std::string StrengthText = "40";
    std::string AgeText = "20";
    std::string WeightText = "70";
    // The selected answer of each question, 0-based, indexed by TChoice. Each
    // must be one of its question's items.
    std::array<int, ChoiceCount> Choices = DefaultChoices();

    int& Choice(TChoice choice) { return Choices[static_cast<std::size_t>(choice)]; }
    int Choice(TChoice choice) const { return Choices[static_cast<std::size_t>(choice)]; }

    const std::string& Text(TDoseField field) const;
    std::string& Text(TDoseField field);

    static std::array<int, ChoiceCount> DefaultChoices();
};

// One step the caller must carry out, in order.
struct TDoseEvent {
    enum class TKind {
        Notice,     // show Text to the user and wait until it is dismissed
        Correction, // replace the text of Field with Text
    };
    TKind Kind;
    TDoseField Field; // the field the notice or correction is about
    std::string Text;

    friend bool operator==(const TDoseEvent&, const TDoseEvent&) = default;
};

struct TDoseResult {
    long long Grams;      // always positive when every number is in range
    std::string Sentence; // e.g. "221 граммов при крепкости напитка 40°"
};

// A field text that is not a whole number stops the calculation there.
struct TDoseFailure {
    TDoseField Field;
    std::string Message; // "'<text as typed>' is not a valid integer value"
};

struct TDoseOutcome {
    // Notices and corrections made before the result or the failure, in the
    // order in which they must be carried out. Each correction comes right
    // after the notice that announces it.
    std::vector<TDoseEvent> Events;
    std::variant<TDoseResult, TDoseFailure> End;

    const TDoseResult* Result() const { return std::get_if<TDoseResult>(&End); }
    const TDoseFailure* Failure() const { return std::get_if<TDoseFailure>(&End); }
};

// Runs one calculation. No side effects: the same input always gives the same
// outcome. Throws std::out_of_range if a choice index is not one of its
// question's items.
//
// The fields are converted in the order strength, age, weight, each one just
// before it is used. A number outside its range is corrected, with a notice
// and a correction event: strength to 5..96, weight to 30..180, and an age
// below 14 to 15 and above 91 to 90. The result sentence repeats the strength
// field's own text (after its correction), not the converted number.
TDoseOutcome CalculateDose(const TDoseInput& input);

// The whole-number conversion used for the three fields: leading spaces are
// skipped; then an optionally signed decimal number in the 32-bit range, or
// an unsigned hexadecimal one after "$", "x", "X", "0x" or "0X" that fits in
// 32 bits and is read as two's complement. Nothing may follow the last digit.
// Returns nothing for any other text.
std::optional<std::int32_t> StrToInt(std::string_view text);

// "'<text>' is not a valid integer value", with the text exactly as given.
std::string ConversionErrorMessage(std::string_view text);

// A failure message as the error report shows it: with a "." appended when
// its last character comes after "." in code order (so after a letter or a
// digit, but not after "." or "!").
std::string WithReportPeriod(std::string message);

} // namespace zavir2
