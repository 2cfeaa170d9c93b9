// Tests of the dose estimate through its public header: conversion of the
// field texts, range corrections and their order, the factor rules with their
// extended-precision arithmetic, rounding, and the result sentence.
#include "dose.h"
#include "named_rows.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zavir2 {
namespace {

using Kind = TDoseEvent::TKind;

using zavir2::testing::RowName;
using zavir2::testing::TNamedRow;

// ---------------------------------------------------------------------------
// Whole-number conversion

struct TConversionCase : TNamedRow {
    std::string Text;
    std::optional<std::int32_t> Value; // nothing: the text must be rejected
};

class Conversion : public ::testing::TestWithParam<TConversionCase> {};

TEST_P(Conversion, ReadsTheTextOrRejectsIt) {
    const TConversionCase& c = GetParam();
    EXPECT_EQ(StrToInt(c.Text), c.Value) << "text: '" << c.Text << "'";
}

const TConversionCase ConversionCases[] = {
    {"Plain", "40", 40},
    {"Zero", "0", 0},
    {"LeadingZeros", "0000000000040", 40},
    {"PlusSign", "+7", 7},
    {"MinusSign", "-7", -7},
    {"MinusZero", "-0", 0},
    {"LeadingBlanks", "   40", 40},
    {"Int32Max", "2147483647", 2147483647},
    {"Int32Min", "-2147483648", INT32_MIN},
    {"AboveInt32Max", "2147483648", std::nullopt},
    {"BelowInt32Min", "-2147483649", std::nullopt},
    {"ManyDigits", "123456789012345678901234567890", std::nullopt},
    {"HexDollar", "$28", 40},
    {"HexSmallX", "x28", 40},
    {"HexCapitalX", "X28", 40},
    {"HexZeroSmallX", "0x28", 40},
    {"HexZeroCapitalX", "0X28", 40},
    {"HexMixedCase", "$aBcD", 0xABCD},
    {"HexBlanksBefore", "  $1F", 31},
    {"HexAllOnesIsMinusOne", "$FFFFFFFF", -1},
    {"HexHighBitIsNegative", "$80000000", INT32_MIN},
    {"HexLargestPositive", "$7FFFFFFF", 2147483647},
    {"HexLeadingZeros", "$000000028", 40},
    {"HexNineDigits", "$100000000", std::nullopt},
    {"HexDigitsInDecimal", "2A", std::nullopt},
    {"SignBeforeHex", "-$28", std::nullopt},
    {"PlusBeforeHex", "+0x28", std::nullopt},
    {"DollarAlone", "$", std::nullopt},
    {"ZeroXAlone", "0x", std::nullopt},
    {"XAlone", "x", std::nullopt},
    {"SignAlone", "-", std::nullopt},
    {"DoubleSign", "--5", std::nullopt},
    {"Empty", "", std::nullopt},
    {"BlanksOnly", "   ", std::nullopt},
    {"TrailingBlank", "40 ", std::nullopt},
    {"BlankAfterSign", "- 5", std::nullopt},
    {"LeadingTab", "\t40", std::nullopt},
    {"Letters", "abc", std::nullopt},
    {"DecimalPoint", "4.0", std::nullopt},
    {"Exponent", "4e1", std::nullopt},
    {"CyrillicDigitLookalike", "4О", std::nullopt},
    {"FullwidthDigits", "４０", std::nullopt},
    {"EmbeddedNul",
     std::string("4\0"
                 "0",
                 3),
     std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Texts, Conversion, ::testing::ValuesIn(ConversionCases), RowName());

TEST(ConversionMessage, QuotesTheTextExactlyAsEntered) {
    EXPECT_EQ(ConversionErrorMessage("abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(ConversionErrorMessage(""), "'' is not a valid integer value");
    EXPECT_EQ(ConversionErrorMessage(" 4 "), "' 4 ' is not a valid integer value");
    EXPECT_EQ(ConversionErrorMessage("сорок"), "'сорок' is not a valid integer value");
}

TEST(ReportPeriod, IsAddedOnlyAfterCharactersBeyondThePeriod) {
    EXPECT_EQ(WithReportPeriod("'abc' is not a valid integer value"),
              "'abc' is not a valid integer value.");
    EXPECT_EQ(WithReportPeriod("ends in 7"), "ends in 7.");
    EXPECT_EQ(WithReportPeriod("ends in я"), "ends in я.");
    EXPECT_EQ(WithReportPeriod("already."), "already.");
    EXPECT_EQ(WithReportPeriod("shout!"), "shout!");
    EXPECT_EQ(WithReportPeriod("comma,"), "comma,");
    EXPECT_EQ(WithReportPeriod("blank "), "blank ");
    EXPECT_EQ(WithReportPeriod("slash/"), "slash/.");
    EXPECT_EQ(WithReportPeriod(""), "");
}

// ---------------------------------------------------------------------------
// Range corrections and the order of events

TDoseInput Fields(std::string strength, std::string age, std::string weight) {
    TDoseInput input;
    input.StrengthText = std::move(strength);
    input.AgeText = std::move(age);
    input.WeightText = std::move(weight);
    return input;
}

TDoseEvent Notice(TDoseField field, std::string text) {
    return {Kind::Notice, field, std::move(text)};
}
TDoseEvent Correction(TDoseField field, std::string text) {
    return {Kind::Correction, field, std::move(text)};
}

const TDoseField Strength = TDoseField::Strength;
const TDoseField Age = TDoseField::Age;
const TDoseField Weight = TDoseField::Weight;

struct TCorrectionCase : TNamedRow {
    TDoseInput Input;
    std::vector<TDoseEvent> Events;
};

class Corrections : public ::testing::TestWithParam<TCorrectionCase> {};

TEST_P(Corrections, AnnounceEachChangeBeforeMakingIt) {
    const TCorrectionCase& c = GetParam();
    const TDoseOutcome outcome = CalculateDose(c.Input);
    EXPECT_EQ(outcome.Events, c.Events);
    EXPECT_NE(outcome.Result(), nullptr);
}

const TCorrectionCase CorrectionCases[] = {
    {"InitialValues", {}, {}},
    {"StrengthAtLowerBound", Fields("5", "20", "70"), {}},
    {"StrengthAtUpperBound", Fields("96", "20", "70"), {}},
    {"StrengthBelow",
     Fields("4", "20", "70"),
     {Notice(Strength, "Меньше градус не бывает"), Correction(Strength, "5")}},
    {"StrengthAbove",
     Fields("97", "20", "70"),
     {Notice(Strength, "Больше в спирте не бывает :)"), Correction(Strength, "96")}},
    {"StrengthNegativeHex",
     Fields("$FFFFFFFF", "20", "70"),
     {Notice(Strength, "Меньше градус не бывает"), Correction(Strength, "5")}},
    {"AgeAtLowerBound", Fields("40", "14", "70"), {}},
    {"AgeAtUpperBound", Fields("40", "91", "70"), {}},
    {"AgeBelowBecomesFifteen",
     Fields("40", "13", "70"),
     {Notice(Age, "Рановато еще пить"), Correction(Age, "15")}},
    {"AgeAboveBecomesNinety",
     Fields("40", "92", "70"),
     {Notice(Age, "Дедушка, ты уже старый, не стОит пить..."), Correction(Age, "90")}},
    {"WeightAtLowerBound", Fields("40", "20", "30"), {}},
    {"WeightAtUpperBound", Fields("40", "20", "180"), {}},
    {"WeightBelow",
     Fields("40", "20", "29"),
     {Notice(Weight, "Рановато еще пить с таким весом"), Correction(Weight, "30")}},
    {"WeightAbove",
     Fields("40", "20", "181"),
     {Notice(Weight, "Ты себя переоцениваешь...убавь вес"), Correction(Weight, "180")}},
    {"AllThreeInFieldOrder",
     Fields("100", "13", "200"),
     {Notice(Strength, "Больше в спирте не бывает :)"), Correction(Strength, "96"),
      Notice(Age, "Рановато еще пить"), Correction(Age, "15"),
      Notice(Weight, "Ты себя переоцениваешь...убавь вес"), Correction(Weight, "180")}},
    {"ExtremesBothWays",
     Fields("-2147483648", "2147483647", "-5"),
     {Notice(Strength, "Меньше градус не бывает"), Correction(Strength, "5"),
      Notice(Age, "Дедушка, ты уже старый, не стОит пить..."), Correction(Age, "90"),
      Notice(Weight, "Рановато еще пить с таким весом"), Correction(Weight, "30")}},
};

INSTANTIATE_TEST_SUITE_P(Fields, Corrections, ::testing::ValuesIn(CorrectionCases), RowName());

struct TFailureCase : TNamedRow {
    TDoseInput Input;
    std::vector<TDoseEvent> Events; // carried out before the failure
    TDoseField Field;
    std::string Message;
};

class Failures : public ::testing::TestWithParam<TFailureCase> {};

TEST_P(Failures, StopAtTheFieldAndKeepEarlierEvents) {
    const TFailureCase& c = GetParam();
    const TDoseOutcome outcome = CalculateDose(c.Input);
    EXPECT_EQ(outcome.Events, c.Events);
    ASSERT_NE(outcome.Failure(), nullptr);
    EXPECT_EQ(outcome.Result(), nullptr);
    EXPECT_EQ(outcome.Failure()->Field, c.Field);
    EXPECT_EQ(outcome.Failure()->Message, c.Message);
}

const TFailureCase FailureCases[] = {
    {"StrengthLetters",
     Fields("abc", "20", "70"),
     {},
     Strength,
     "'abc' is not a valid integer value"},
    {"StrengthTrailingBlank",
     Fields("40 ", "20", "70"),
     {},
     Strength,
     "'40 ' is not a valid integer value"},
    {"StrengthFailsBeforeBadAge",
     Fields("x", "-", "70"),
     {},
     Strength,
     "'x' is not a valid integer value"},
    {"AgeAfterStrengthCorrection",
     Fields("3", "", "70"),
     {Notice(Strength, "Меньше градус не бывает"), Correction(Strength, "5")},
     Age,
     "'' is not a valid integer value"},
    {"AgeLetters", Fields("40", "abc", "70"), {}, Age, "'abc' is not a valid integer value"},
    {"WeightAfterBothCorrections",
     Fields("100", "92", " 7 0"),
     {Notice(Strength, "Больше в спирте не бывает :)"), Correction(Strength, "96"),
      Notice(Age, "Дедушка, ты уже старый, не стОит пить..."), Correction(Age, "90")},
     Weight,
     "' 7 0' is not a valid integer value"},
    {"WeightNonAscii",
     Fields("40", "20", "семьдесят"),
     {},
     Weight,
     "'семьдесят' is not a valid integer value"},
};

INSTANTIATE_TEST_SUITE_P(Fields, Failures, ::testing::ValuesIn(FailureCases), RowName());

// ---------------------------------------------------------------------------
// Results

struct TResultCase {
    int Strength, Age, Weight;
    // effect, beer, snacks, sex, level, smoking, hangovers, place, time
    std::array<int, ChoiceCount> Choices;
    long long Grams;
};

std::string Describe(const TResultCase& c) {
    std::string text = "strength " + std::to_string(c.Strength) + ", age " + std::to_string(c.Age) +
                       ", weight " + std::to_string(c.Weight) + ", choices";
    for (int choice : c.Choices) {
        text += " " + std::to_string(choice);
    }
    return text;
}

void ExpectGrams(const std::vector<TResultCase>& cases) {
    for (const TResultCase& c : cases) {
        TDoseInput input =
            Fields(std::to_string(c.Strength), std::to_string(c.Age), std::to_string(c.Weight));
        input.Choices = c.Choices;
        const TDoseOutcome outcome = CalculateDose(input);
        ASSERT_NE(outcome.Result(), nullptr) << Describe(c);
        EXPECT_TRUE(outcome.Events.empty()) << Describe(c);
        EXPECT_EQ(outcome.Result()->Grams, c.Grams) << Describe(c);
    }
}

const std::array<int, ChoiceCount> Defaults{0, 0, 1, 0, 1, 2, 0, 0, 0};

TEST(Result, AtTheDocumentedPoints) {
    ExpectGrams({
        {40, 20, 70, Defaults, 221},
        {40, 14, 70, Defaults, 199},
        {40, 91, 70, Defaults, 243},
        {40, 18, 70, Defaults, 204},
        {40, 60, 70, Defaults, 225},
        {96, 91, 30, {0, 0, 0, 1, 0, 2, 1, 1, 2}, 54},
    });
}

TEST(Result, SmallestAndLargestInRange) {
    // Every answer at its most reducing item, then at its most increasing one.
    ExpectGrams({
        {96, 14, 30, {0, 0, 0, 1, 0, 2, 1, 1, 2}, 29},
        {5, 18, 180, {2, 1, 3, 0, 3, 1, 2, 2, 1}, 13818},
    });
}

// Inputs on which every step done in plain double precision, instead of with
// a 64-bit significand, ends on another whole number of grams.
TEST(Result, NeedsExtendedPrecision) {
    ExpectGrams({
        {5, 33, 160, {1, 0, 2, 0, 0, 1, 2, 0, 0}, 4441},
        {6, 45, 160, {0, 0, 0, 1, 0, 1, 0, 2, 2}, 588}, // an exact tie before rounding
    });
}

// q is exactly 174.5 here: half to even gives 174 where half up gives 175.
TEST(Result, TieRoundsToEven) {
    ExpectGrams({{88, 25, 80, {0, 1, 3, 0, 1, 1, 0, 0, 0}, 174}});
}

// Computed by estimate/tests/reference.py, an exact rational model of the
// same arithmetic, for a reproducible random sample of in-range inputs.
TEST(Result, AgreesWithTheReferenceModel) {
    ExpectGrams({
        {66, 32, 56, {1, 1, 3, 1, 1, 2, 0, 1, 2}, 170},
        {31, 75, 85, {2, 1, 1, 1, 2, 0, 2, 2, 0}, 888},
        {43, 47, 120, {1, 0, 2, 1, 2, 2, 0, 2, 0}, 524},
        {31, 34, 105, {1, 1, 2, 1, 3, 1, 0, 1, 1}, 1166},
        {85, 23, 165, {1, 1, 1, 0, 3, 1, 1, 0, 1}, 552},
        {50, 40, 32, {0, 1, 2, 1, 2, 1, 2, 0, 1}, 379},
        {24, 68, 175, {0, 0, 0, 1, 2, 1, 1, 2, 2}, 169},
        {34, 46, 92, {2, 0, 0, 0, 3, 2, 1, 2, 2}, 374},
        {30, 41, 113, {0, 0, 2, 0, 0, 1, 1, 1, 2}, 165},
        {50, 66, 121, {2, 1, 2, 0, 0, 2, 1, 2, 2}, 308},
        {44, 64, 49, {0, 1, 2, 1, 0, 0, 0, 0, 0}, 214},
        {19, 21, 33, {2, 1, 2, 0, 0, 0, 2, 2, 0}, 1651},
        {66, 89, 148, {0, 0, 0, 1, 1, 2, 1, 2, 0}, 167},
        {22, 86, 141, {1, 1, 0, 0, 1, 2, 1, 2, 2}, 502},
        {85, 77, 90, {2, 1, 2, 0, 2, 0, 2, 0, 2}, 214},
        {57, 76, 150, {2, 0, 2, 0, 1, 0, 2, 1, 2}, 247},
        {80, 79, 48, {2, 0, 0, 1, 3, 1, 0, 1, 1}, 391},
        {82, 40, 50, {0, 1, 2, 0, 2, 1, 1, 0, 0}, 195},
        {79, 84, 69, {2, 0, 2, 1, 2, 2, 0, 0, 2}, 145},
        {81, 15, 72, {2, 1, 1, 1, 0, 0, 2, 0, 2}, 145},
        {55, 21, 147, {1, 1, 0, 1, 1, 0, 0, 1, 0}, 353},
        {48, 26, 67, {2, 0, 1, 1, 1, 1, 2, 1, 0}, 436},
        {83, 73, 138, {1, 0, 2, 1, 2, 2, 2, 0, 2}, 134},
        {31, 51, 61, {0, 0, 2, 1, 0, 2, 0, 0, 2}, 141},
        {13, 34, 39, {2, 1, 3, 1, 2, 1, 1, 0, 2}, 964},
        {53, 46, 102, {2, 1, 0, 0, 1, 2, 0, 2, 1}, 910},
        {8, 81, 42, {0, 0, 0, 1, 3, 0, 1, 0, 0}, 692},
        {85, 21, 70, {0, 1, 0, 1, 2, 2, 0, 1, 1}, 174},
        {51, 15, 117, {1, 0, 1, 0, 3, 0, 2, 0, 2}, 229},
        {87, 61, 102, {0, 0, 1, 1, 1, 0, 1, 1, 1}, 172},
        {40, 78, 88, {1, 1, 3, 0, 0, 0, 0, 2, 2}, 350},
        {76, 75, 51, {1, 0, 2, 0, 2, 0, 1, 0, 0}, 290},
        {27, 19, 53, {1, 1, 1, 1, 2, 2, 0, 1, 0}, 687},
        {20, 36, 114, {2, 0, 1, 0, 0, 0, 2, 2, 0}, 1352},
        {7, 62, 107, {1, 1, 3, 0, 0, 1, 1, 1, 0}, 3247},
        {36, 41, 127, {2, 0, 2, 0, 2, 2, 2, 2, 0}, 902},
        {11, 85, 178, {0, 0, 0, 0, 2, 1, 2, 2, 1}, 1332},
        {84, 75, 56, {1, 1, 2, 1, 3, 1, 1, 0, 1}, 432},
        {62, 72, 154, {0, 1, 3, 1, 3, 1, 2, 2, 2}, 132},
        {27, 34, 149, {0, 0, 0, 1, 1, 0, 1, 2, 2}, 151},
    });
}

TEST(Result, UsesTheCorrectedValues) {
    const TDoseOutcome outcome = CalculateDose(Fields("100", "13", "200"));
    ASSERT_NE(outcome.Result(), nullptr);
    EXPECT_EQ(outcome.Result()->Grams, 103);
    EXPECT_EQ(outcome.Result()->Sentence, "103 граммов при крепкости напитка 96°");
}

// ---------------------------------------------------------------------------
// The result sentence

struct TSentenceCase : TNamedRow {
    std::string StrengthText;
    std::string Sentence;
};

class Sentence : public ::testing::TestWithParam<TSentenceCase> {};

TEST_P(Sentence, RepeatsTheStrengthFieldsOwnText) {
    const TDoseOutcome outcome = CalculateDose(Fields(GetParam().StrengthText, "20", "70"));
    ASSERT_NE(outcome.Result(), nullptr);
    EXPECT_EQ(outcome.Result()->Sentence, GetParam().Sentence);
}

const TSentenceCase SentenceCases[] = {
    {"Initial", "40", "221 граммов при крепкости напитка 40°"},
    {"LeadingBlankKept", " 40", "221 граммов при крепкости напитка  40°"},
    {"HexTextKept", "$28", "221 граммов при крепкости напитка $28°"},
    {"SignKept", "+40", "221 граммов при крепкости напитка +40°"},
    {"LeadingZerosKept", "040", "221 граммов при крепкости напитка 040°"},
    {"CorrectedUp", "3", "1509 граммов при крепкости напитка 5°"},
    {"CorrectedDown", "200", "113 граммов при крепкости напитка 96°"},
};

INSTANTIATE_TEST_SUITE_P(Texts, Sentence, ::testing::ValuesIn(SentenceCases), RowName());

// ---------------------------------------------------------------------------
// The questions

TEST(Choices, DefaultInputIsTheFreshWindow) {
    const TDoseInput input;
    EXPECT_EQ(input.StrengthText, "40");
    EXPECT_EQ(input.AgeText, "20");
    EXPECT_EQ(input.WeightText, "70");
    EXPECT_EQ(input.Choices, Defaults);
}

TEST(Choices, IndexOutsideItsQuestionIsRejected) {
    for (std::size_t i = 0; i < ChoiceCount; ++i) {
        const int count = static_cast<int>(ChoiceGroups()[i].Items.size());
        for (int bad : {-1, count}) {
            TDoseInput input = Fields("abc", "20", "70");
            input.Choices[i] = bad;
            EXPECT_THROW(CalculateDose(input), std::out_of_range)
                << "question " << i << ", index " << bad;
        }
    }
}

} // namespace
} // namespace zavir2
