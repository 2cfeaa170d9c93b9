#include "dose.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

namespace zavir2 {

// Every step of the estimate is worked out with a 64-bit significand and only
// the stored result is rounded to double. Plain double arithmetic gives a
// different number of grams for thousands of inputs, so a platform whose long
// double is not at least that wide must not build this silently.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "the dose estimate needs long double with a significand of at least 64 bits "
              "(x87 extended precision or IEEE quad); this platform's long double is too narrow");

namespace {

using Extended = long double;

constexpr std::array<TChoiceItem, 3> EffectItems{{
    {"Расслабиться", TChoiceRule::Base, 10000.0L},
    {"Напиться", TChoiceRule::Base, 24000.0L},
    {"Напиться до поросячего визга", TChoiceRule::Base, 29000.0L},
}};
constexpr std::array<TChoiceItem, 2> BeerItems{{
    {"Будем", TChoiceRule::Less, 0.2L},
    {"Не будем", TChoiceRule::None, 0.0L},
}};
constexpr std::array<TChoiceItem, 4> SnackItems{{
    {"Без закуски", TChoiceRule::Less, 0.2L},
    {"Запивать", TChoiceRule::Less, 0.1L},
    {"Холодная", TChoiceRule::Less, 0.05L},
    {"Горячая", TChoiceRule::None, 0.0L},
}};
constexpr std::array<TChoiceItem, 2> SexItems{{
    {"Мужской", TChoiceRule::None, 0.0L},
    {"Женский", TChoiceRule::Less, 0.2L},
}};
constexpr std::array<TChoiceItem, 4> LevelItems{{
    {"Начинающий", TChoiceRule::Less, 0.05L},
    {"Любитель", TChoiceRule::None, 0.0L},
    {"Проффи", TChoiceRule::More, 0.05L},
    {"Мастер !", TChoiceRule::More, 0.1L},
}};
constexpr std::array<TChoiceItem, 3> SmokingItems{{
    {"Да, ну и что ?", TChoiceRule::Less, 0.03L},
    {"Нет, нафиг надо...", TChoiceRule::None, 0.0L},
    {"Ну, когда выпью.", TChoiceRule::Less, 0.06L},
}};
constexpr std::array<TChoiceItem, 3> HangoverItems{{
    {"Бывает", TChoiceRule::None, 0.0L},
    {"Бывает часто", TChoiceRule::Less, 0.05L},
    {"Не бывает", TChoiceRule::More, 0.05L},
}};
constexpr std::array<TChoiceItem, 3> PlaceItems{{
    {"Дома", TChoiceRule::None, 0.0L},
    {"На улице", TChoiceRule::Less, 0.03L},
    {"На природе", TChoiceRule::More, 0.1L},
}};
constexpr std::array<TChoiceItem, 3> TimeItems{{
    {"За вечер", TChoiceRule::None, 0.0L},
    {"За сутки", TChoiceRule::More, 0.5L},
    {"Одним махом", TChoiceRule::Half, 2.0L},
}};

const std::array<TChoiceGroup, ChoiceCount> Groups{{
    {"Результат", EffectItems, 0},
    {"Пивом запивать будем ?", BeerItems, 0},
    {"Закуска", SnackItems, 1},
    {"Ваш пол", SexItems, 0},
    {"Ваш уровень", LevelItems, 1},
    {"Курю ли я", SmokingItems, 2},
    {"Похмелье", HangoverItems, 0},
    {"Где будем пить", PlaceItems, 0},
    {"За какое время", TimeItems, 0},
}};

// The allowed range of a number field. Each test is announced by its notice
// and replaces the field's text; the age's replacements lie inside its bounds.
struct TRangeLimit {
    std::int32_t Bound;
    std::string_view Notice;
    std::int32_t Replacement;
};
struct TRange {
    TRangeLimit Lower; // applies below Bound
    TRangeLimit Upper; // applies above Bound
};

constexpr TRange StrengthRange{{5, "Меньше градус не бывает", 5},
                               {96, "Больше в спирте не бывает :)", 96}};
constexpr TRange AgeRange{{14, "Рановато еще пить", 15},
                          {91, "Дедушка, ты уже старый, не стОит пить...", 90}};
constexpr TRange WeightRange{{30, "Рановато еще пить с таким весом", 30},
                             {180, "Ты себя переоцениваешь...убавь вес", 180}};

// q is kept as a double between steps; each step is evaluated in extended
// precision and rounded to double only when it is stored.
double Store(Extended value) {
    return static_cast<double>(value);
}

double Apply(const TChoiceItem& item, double q) {
    const Extended x = q;
    switch (item.Rule) {
    case TChoiceRule::Less:
        return Store(x - item.Amount * x);
    case TChoiceRule::More:
        return Store(item.Amount * x + x);
    case TChoiceRule::Half:
        return Store(x / item.Amount);
    case TChoiceRule::None:
    case TChoiceRule::Base:
        break;
    }
    return q;
}

const TChoiceItem& Selected(const TDoseInput& input, TChoice choice) {
    const TChoiceGroup& group = ChoiceGroup(choice);
    const int index = input.Choice(choice);
    if (index < 0 || static_cast<std::size_t>(index) >= group.Items.size()) {
        throw std::out_of_range("choice index " + std::to_string(index) + " is not an item of \"" +
                                std::string(group.Caption) + "\"");
    }
    return group.Items[static_cast<std::size_t>(index)];
}

double ApplyChoices(const TDoseInput& input, std::initializer_list<TChoice> choices, double q) {
    for (TChoice choice : choices) {
        q = Apply(Selected(input, choice), q);
    }
    return q;
}

// Converts a field and brings it into range. Returns nothing, with the failure
// already in the outcome, when the text is not a whole number.
std::optional<std::int32_t> ReadField(const TDoseInput& input, TDoseField field,
                                      const TRange& range, TDoseOutcome& outcome) {
    const std::string& text = input.Text(field);
    std::optional<std::int32_t> value = StrToInt(text);
    if (!value) {
        outcome.End = TDoseFailure{field, ConversionErrorMessage(text)};
        return std::nullopt;
    }
    auto correct = [&](const TRangeLimit& limit) {
        outcome.Events.push_back({TDoseEvent::TKind::Notice, field, std::string(limit.Notice)});
        outcome.Events.push_back(
            {TDoseEvent::TKind::Correction, field, std::to_string(limit.Replacement)});
        value = limit.Replacement;
    };
    if (*value < range.Lower.Bound) {
        correct(range.Lower);
    }
    if (*value > range.Upper.Bound) {
        correct(range.Upper);
    }
    return value;
}

// The text a field holds after the events so far: its last correction, or
// what was typed.
const std::string& CurrentText(const TDoseInput& input, const TDoseOutcome& outcome,
                               TDoseField field) {
    for (auto event = outcome.Events.rbegin(); event != outcome.Events.rend(); ++event) {
        if (event->Kind == TDoseEvent::TKind::Correction && event->Field == field) {
            return event->Text;
        }
    }
    return input.Text(field);
}

// Whole grams, a tie going to the even neighbour.
long long RoundHalfEven(double q) {
    const double floor = std::floor(q);
    const double fraction = q - floor;
    auto whole = static_cast<long long>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) {
        ++whole;
    }
    return whole;
}

} // namespace

const std::array<TChoiceGroup, ChoiceCount>& ChoiceGroups() {
    return Groups;
}

const TChoiceGroup& ChoiceGroup(TChoice choice) {
    return Groups[static_cast<std::size_t>(choice)];
}

std::array<int, ChoiceCount> TDoseInput::DefaultChoices() {
    std::array<int, ChoiceCount> choices{};
    for (std::size_t i = 0; i < ChoiceCount; ++i) {
        choices[i] = Groups[i].Default;
    }
    return choices;
}

const std::string& TDoseInput::Text(TDoseField field) const {
    switch (field) {
    case TDoseField::Strength:
        return StrengthText;
    case TDoseField::Age:
        return AgeText;
    case TDoseField::Weight:
        break;
    }
    return WeightText;
}

std::string& TDoseInput::Text(TDoseField field) {
    return const_cast<std::string&>(std::as_const(*this).Text(field));
}

TDoseOutcome CalculateDose(const TDoseInput& input) {
    for (std::size_t i = 0; i < ChoiceCount; ++i) {
        Selected(input, static_cast<TChoice>(i));
    }
    TDoseOutcome outcome;

    const auto strength = ReadField(input, TDoseField::Strength, StrengthRange, outcome);
    if (!strength) {
        return outcome;
    }
    const Extended s = *strength;
    double q = Store(Selected(input, TChoice::Effect).Amount / s);
    q = ApplyChoices(input, {TChoice::Beer, TChoice::Snacks, TChoice::Sex, TChoice::Level}, q);

    const auto age = ReadField(input, TDoseField::Age, AgeRange, outcome);
    if (!age) {
        return outcome;
    }
    // Four separate tests on the age, each on the q left by the one before.
    // The 0.9 * age terms add grams; the 0.001 * age terms are proportions.
    const Extended a = *age;
    if (*age <= 18) {
        q = Store((a * 0.001L) * q + q);
    }
    if (*age > 18) {
        q = Store(a * 0.9L + q);
    }
    if (*age < 60) {
        q = Store(a * 0.9L + q);
    }
    if (*age >= 60) {
        const Extended x = q;
        q = Store(x - (a * 0.001L) * x);
    }
    q = ApplyChoices(input, {TChoice::Smoking}, q);

    const auto weight = ReadField(input, TDoseField::Weight, WeightRange, outcome);
    if (!weight) {
        return outcome;
    }
    q = ApplyChoices(input, {TChoice::Hangovers, TChoice::Place, TChoice::Time}, q);
    const Extended w = *weight;
    q = Store((w / 800.0L) * q + q);

    const long long grams = RoundHalfEven(q);
    outcome.End =
        TDoseResult{grams, std::to_string(grams) + " граммов" + " при крепкости напитка " +
                               CurrentText(input, outcome, TDoseField::Strength) + "°"};
    return outcome;
}

} // namespace zavir2
