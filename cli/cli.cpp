#include "cli.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "command.h"
#include "failure.h"
#include "input_error.h"
#include "output.h"

namespace cli {

namespace {

// Every command, in the order the help lists them. A new command is its own file
// and one row here.
// clang-format off
constexpr std::array<Declare, 9> kCommands{
    declareYear,
    declareWeekday,
    declareYears,
    declareFeasts,
    declareDate,
    declareOn,
    declareStyle,
    declareRegions,
    declareComputus,
};
// clang-format on

constexpr const char* kDescription =
    "Tarvinde: the feast days of the Southern Netherlands, years 100 to 2100.\n"
    "With no command it opens the window: tarvinde [--year YEAR] [--region ID]\n"
    "(Qt's own options, such as -platform xcb, go to the window).\n";

constexpr const char* kExamples =
    "Examples:\n"
    "  tarvinde year 2000\n"
    "  tarvinde weekday 31 2 2001 --format json\n"
    "  tarvinde years 1580 1590 --format csv\n"
    "  tarvinde feasts 1450 --format text\n"
    "  tarvinde date dinsdag na Sint-Maarten 1450\n"
    "  tarvinde date --batch --format csv < clauses.txt\n"
    "  tarvinde on 2 1 1500\n"
    "  tarvinde style pasen 10 4 1491\n"
    "  tarvinde regions --format text\n"
    "  tarvinde computus 1450 1460 --format text\n"
    "  tarvinde year 1583 --region holland\n"
    "  tarvinde --year 1582            (the window, on 1582)";

// Qt's documented options, which reach the window: those that take a value (the
// next word, or written -option=value) and those that take none.
constexpr std::array<std::string_view, 13> kQtValueOptions{
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin",     "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-style",         "-stylesheet", "-session",
    "-display",     "-geometry",           "-qmljsdebugger"};
constexpr std::array<std::string_view, 2> kQtFlags{"-reverse", "-widgetcount"};

bool contains(const auto& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The name of the Qt option an argument is ("-platform" of "-platform=xcb"), or
// empty; `takesValue` tells whether the next argument is its value.
std::string_view qtOption(std::string_view arg, bool& takesValue) {
    takesValue = false;
    if (contains(kQtFlags, arg)) return arg;
    const std::string_view name = arg.substr(0, arg.find('='));
    if (!contains(kQtValueOptions, name)) return {};
    takesValue = name.size() == arg.size();
    return name;
}

// Whether an argument is the window's own option or Qt's, and so asks for no
// command; `takesValue` tells whether the next argument is its value.
bool isWindowArgument(std::string_view arg, bool& takesValue) {
    takesValue = false;
    if (arg == "--year" || arg == "--region") {
        takesValue = true;  // whatever the value is: the window program judges it
        return true;
    }
    if (arg.starts_with("--year=") || arg.starts_with("--region=")) return true;
    return !qtOption(arg, takesValue).empty();
}

int badInput(std::ostream& err, std::string_view what) {
    err << "tarvinde: " << output::oneLine(what) << '\n' << std::flush;
    return kBadInput;
}

std::string commandNames(const std::vector<Command>& commands) {
    std::string names;
    for (const Command& c : commands) {
        if (!names.empty()) names += ", ";
        names += c.app->get_name();
    }
    return names;
}

// CLI11's report of a parse error, as one line that also says what is allowed.
std::string parseErrorLine(const CLI::ParseError& error, const CLI::App& app,
                           const std::vector<Command>& commands, int argc, const char* const* argv) {
    for (const Command& c : commands) {
        if (!c.app->parsed()) continue;
        // Before the command only --help and --version are understood.
        const std::string_view first = argc > 1 ? argv[1] : "";
        bool takesValue = false;
        if (first.size() > 1 && first.front() == '-' && !first.starts_with("--") &&
            !isWindowArgument(first, takesValue))
            return "unknown option " + output::quoted(first) + "; usage: " + c.usage;
        if (argc > 1 && argv[1] != c.app->get_name())
            return output::quoted(argv[1]) +
                   " comes before the command; options go after it; usage: " + c.usage;
        // CLI11 lists the unexpected words last first; the user wants them as typed.
        if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
            const std::vector<std::string> extras = c.app->remaining();
            std::string words;
            for (const std::string& w : extras) words += (words.empty() ? "" : " ") + w;
            if (!extras.empty())
                return std::string{extras.size() > 1 ? "The following arguments were not expected: "
                                                     : "The following argument was not expected: "} +
                       words + "; usage: " + c.usage;
        }
        return std::string{error.what()} + "; usage: " + c.usage;
    }

    const std::string help = "; commands: " + commandNames(commands) + " (see tarvinde --help)";
    // The first argument that is neither the window's nor Qt's (nor a value of
    // theirs) is what went wrong.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg{argv[i]};
        bool takesValue = false;
        if (isWindowArgument(arg, takesValue)) {
            if (takesValue) ++i;
            continue;
        }
        if (arg.starts_with("-") && arg.size() > 1)
            return "unknown option " + output::quoted(arg) +
                   "; the window takes --year YEAR and --region ID " +
                   "(and Qt's options, such as -platform xcb), a command its own options" + help;
        if (!arg.empty() && arg.front() != '-') return "unknown command " + output::quoted(arg) + help;
        break;
    }
    if (app.get_subcommands().empty() && std::string_view{error.what()} == "A subcommand is required")
        return "no command given" + help;
    return std::string{error.what()} + help;
}

// What the parser would pass over or misread: Qt's option before a command, and
// words after --help or --version. nullopt when there is none.
std::optional<std::string> misplacedWords(int argc, const char* const* argv,
                                          const std::vector<Command>& commands) {
    if (argc < 2) return std::nullopt;
    const auto isCommandName = [&commands](std::string_view word) {
        return std::any_of(commands.begin(), commands.end(),
                           [word](const Command& c) { return c.app->get_name() == word; });
    };
    const std::string_view first{argv[1]};
    bool takesValue = false;
    const std::string_view qt = qtOption(first, takesValue);
    if (!qt.empty()) {
        for (int i = 1; i < argc; ++i) {
            if (isWindowArgument(argv[i], takesValue)) {
                if (takesValue) ++i;
                continue;
            }
            if (isCommandName(argv[i]))
                return std::string{qt} + " is an option of the window; a command such as '" + argv[i] +
                       "' takes none";
            break;
        }
    }
    if (argc > 2 && first == "--version")
        return "--version takes nothing after it, not " + output::quoted(argv[2]);
    if (argc > 2 && (first == "--help" || first == "-h") && !isCommandName(argv[2]))
        return std::string{first} + " takes nothing after it but a command, not " + output::quoted(argv[2]) +
               "; commands: " + commandNames(commands);
    return std::nullopt;
}

}  // namespace

bool isCommand(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        bool takesValue = false;
        if (!isWindowArgument(argv[i], takesValue)) return true;
        // A Qt option's value never begins with a dash; the window's may ("--year -5").
        const bool windowOption = std::string_view{argv[i]}.starts_with("--");
        if (takesValue && i + 1 < argc && (windowOption || argv[i + 1][0] != '-')) ++i;
    }
    return false;
}

std::vector<std::string> windowArguments(int argc, const char* const* argv) {
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg{argv[i]};
        bool takesValue = false;
        const std::string_view qt = i > 0 ? qtOption(arg, takesValue) : std::string_view{};
        if (qt.empty() || qt.size() == arg.size() || qt == "-qmljsdebugger") {
            args.emplace_back(arg);
        } else {
            args.emplace_back(qt);
            args.emplace_back(arg.substr(qt.size() + 1));
        }
    }
    return args;
}

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    std::istringstream nothing;
    return run(argc, argv, nothing, out, err);
}

int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
    CLI::App app{kDescription, "tarvinde"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "tarvinde " TARVINDE_VERSION);
    app.footer(kExamples);
    std::vector<Command> commands;
    commands.reserve(kCommands.size());
    for (const Declare declare : kCommands) commands.push_back(declare(app));

    if (const std::optional<std::string> misplaced = misplacedWords(argc, argv, commands))
        return badInput(err, *misplaced);
    int status = kOk;
    try {
        app.parse(argc, argv);
        for (const Command& c : commands) {
            if (!c.app->parsed()) continue;
            if (c.inputAction)
                status = c.inputAction(in, out);
            else
                c.action(out);
        }
    } catch (const CLI::CallForHelp&) {
        out << app.help();
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
    } catch (const CLI::ParseError& error) {
        return badInput(err, parseErrorLine(error, app, commands, argc, argv));
    } catch (const BadInput& error) {
        return badInput(err, error.what());
    } catch (const InputError& error) {
        return badInput(err, error.what());
    } catch (const Failure& failure) {
        return badInput(err, "Error " + std::to_string(failure.number()) + ": " + failure.description());
    }
    out.flush();
    return out ? status : kOutputFailed;
}

}  // namespace cli
