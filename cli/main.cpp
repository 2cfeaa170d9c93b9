// zavir2-cli: the dose estimate from the command line. Notices go to standard
// error, the result sentence to standard output.
#include "dose.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace {

using zavir2::TChoice;
using zavir2::TDoseField;

constexpr int ExitResult = 0;
constexpr int ExitConversionFailure = 1;
constexpr int ExitUsage = 2;

struct TOption {
    std::string_view Name;
    std::variant<TDoseField, TChoice> Target;
    std::string_view Help; // for a field option; a question is described by its caption
};

constexpr TOption Options[] = {
    {"--strength", TDoseField::Strength, "drink strength in degrees"},
    {"--age", TDoseField::Age, "age in years"},
    {"--weight", TDoseField::Weight, "body weight in kilograms"},
    {"--effect", TChoice::Effect, {}},
    {"--beer", TChoice::Beer, {}},
    {"--snacks", TChoice::Snacks, {}},
    {"--sex", TChoice::Sex, {}},
    {"--level", TChoice::Level, {}},
    {"--smoking", TChoice::Smoking, {}},
    {"--hangover", TChoice::Hangovers, {}},
    {"--place", TChoice::Place, {}},
    {"--time", TChoice::Time, {}},
};

struct TUsageError {
    std::string Message;
};

void PrintHelp() {
    const zavir2::TDoseInput defaults;
    std::cout << "Usage: zavir2-cli [OPTION]...\n"
                 "Estimates how many grams of a drink of the given strength you can take.\n"
                 "A number out of range is corrected with a notice on standard error; the\n"
                 "result sentence goes to standard output.\n\n"
                 "A TEXT is taken exactly as given, blanks included; N is an answer's number.\n\n";
    for (const TOption& option : Options) {
        if (const auto* field = std::get_if<TDoseField>(&option.Target)) {
            std::cout << "  " << option.Name << " TEXT\t" << option.Help << " (default \""
                      << defaults.Text(*field) << "\")\n";
            continue;
        }
        const zavir2::TChoiceGroup& group = zavir2::ChoiceGroup(std::get<TChoice>(option.Target));
        std::cout << "  " << option.Name << " N\t" << group.Caption << "\n";
        for (std::size_t i = 0; i < group.Items.size(); ++i) {
            std::cout << "      " << i << "  " << group.Items[i].Caption
                      << (static_cast<int>(i) == group.Default ? "  (default)" : "") << "\n";
        }
    }
    std::cout << "\n  --help\tshow this help and exit\n"
                 "  --version\tshow the version and exit\n\n"
                 "Exit status: 0 with a result, 1 when a field is not a whole number,\n"
                 "2 on a usage error.\n";
}

int ParseIndex(std::string_view name, std::string_view text, const zavir2::TChoiceGroup& group) {
    const int last = static_cast<int>(group.Items.size()) - 1;
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0 || value > last) {
        throw TUsageError{std::string(name) + " takes a number from 0 to " + std::to_string(last) +
                          ", not '" + std::string(text) + "'"};
    }
    return value;
}

const TOption& FindOption(std::string_view name) {
    for (const TOption& option : Options) {
        if (option.Name == name) {
            return option;
        }
    }
    throw TUsageError{"unknown option '" + std::string(name) + "'"};
}

struct TCommand {
    enum class TAction { Calculate, Help, Version } Action = TAction::Calculate;
    zavir2::TDoseInput Input;
};

TCommand ParseArguments(int argc, char** argv) {
    TCommand command;
    zavir2::TDoseInput& input = command.Input;
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "--help") {
            return {TCommand::TAction::Help, {}};
        }
        if (argument == "--version") {
            return {TCommand::TAction::Version, {}};
        }
        std::string_view name = argument;
        std::optional<std::string_view> value;
        if (const auto equals = argument.find('=');
            argument.starts_with("--") && equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const TOption& option = FindOption(name);
        if (!value) {
            if (i + 1 >= argc) {
                throw TUsageError{std::string(name) + " needs a value"};
            }
            value = argv[++i];
        }
        if (const auto* field = std::get_if<TDoseField>(&option.Target)) {
            input.Text(*field) = std::string(*value);
        } else {
            const TChoice choice = std::get<TChoice>(option.Target);
            input.Choice(choice) = ParseIndex(name, *value, zavir2::ChoiceGroup(choice));
        }
    }
    return command;
}

} // namespace

int main(int argc, char** argv) {
    TCommand command;
    try {
        command = ParseArguments(argc, argv);
    } catch (const TUsageError& error) {
        std::cerr << "zavir2-cli: " << error.Message << " (try --help)\n";
        return ExitUsage;
    }
    switch (command.Action) {
    case TCommand::TAction::Help:
        PrintHelp();
        return ExitResult;
    case TCommand::TAction::Version:
        std::cout << "zavir2-cli " ZAVIR2_VERSION "\n";
        return ExitResult;
    case TCommand::TAction::Calculate:
        break;
    }

    const zavir2::TDoseOutcome outcome = zavir2::CalculateDose(command.Input);
    for (const zavir2::TDoseEvent& event : outcome.Events) {
        if (event.Kind == zavir2::TDoseEvent::TKind::Notice) {
            std::cerr << event.Text << "\n";
        }
    }
    if (const auto* failure = outcome.Failure()) {
        std::cerr << zavir2::WithReportPeriod(failure->Message) << "\n";
        return ExitConversionFailure;
    }
    std::cout << outcome.Result()->Sentence << "\n";
    return ExitResult;
}
