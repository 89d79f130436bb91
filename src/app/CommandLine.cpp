#include "app/CommandLine.h"

#include <iomanip>
#include <ostream>
#include <string>
#include <string_view>

#ifndef MORVANE_VERSION
#error "MORVANE_VERSION is the version the program reports"
#endif

namespace {

struct Option {
    const char* name;
    const char* operand;  // what the one argument after the option stands for, or null
    const char* meaning;
    int (*run)(const char* operand, std::ostream& out, std::ostream& err);
};

int PrintVersion(const char*, std::ostream& out, std::ostream&);
int PrintHelp(const char*, std::ostream& out, std::ostream&);

constexpr Option kOptions[] = {
    {"--version", nullptr, "print the version and exit", &PrintVersion},
    {"--help", nullptr, "print this help and exit", &PrintHelp},
};

const Option* FindOption(std::string_view name) {
    for (const Option& option : kOptions) {
        if (name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

void PrintUsage(std::ostream& out) {
    out << "Usage: morvane [OPTION]\n"
           "Without an option, opens the diet diary window.\n\n";
    for (const Option& option : kOptions) {
        std::string synopsis = option.name;
        if (option.operand != nullptr) {
            synopsis = synopsis + " " + option.operand;
        }
        out << "  " << std::left << std::setw(26) << synopsis << option.meaning << '\n';
    }
    out << "\nExit status: 0 success, 1 bad input, 2 a file cannot be read or written.\n";
}

int PrintVersion(const char*, std::ostream& out, std::ostream&) {
    out << "Morvane " MORVANE_VERSION "\n";
    return kExitSuccess;
}

int PrintHelp(const char*, std::ostream& out, std::ostream&) {
    PrintUsage(out);
    return kExitSuccess;
}

int Refuse(const std::string& why, std::ostream& err) {
    err << "morvane: " << why << "\n\n";
    PrintUsage(err);
    return kExitBadInput;
}

bool IsWindowSystemOption(const char* argument) {
    return argument[0] == '-' && argument[1] != '-' && argument[1] != '\0';
}

}  // namespace

std::optional<int> RunCommandLine(int argc, const char* const* argv, std::ostream& out,
                                  std::ostream& err) {
    if (argc < 2 || IsWindowSystemOption(argv[1])) {
        return std::nullopt;
    }
    const Option* option = FindOption(argv[1]);
    if (option == nullptr) {
        return Refuse(std::string("unknown option '") + argv[1] + "'", err);
    }
    const int wanted = option->operand != nullptr ? 3 : 2;
    if (argc < wanted) {
        return Refuse(std::string(option->name) + " needs " + option->operand, err);
    }
    if (argc > wanted) {
        return Refuse(std::string("unexpected argument '") + argv[wanted] + "'", err);
    }
    return option->run(option->operand != nullptr ? argv[2] : nullptr, out, err);
}
