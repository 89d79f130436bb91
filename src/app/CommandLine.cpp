#include "app/CommandLine.h"

#include <cstdint>
#include <iomanip>
#include <ostream>
#include <string>
#include <string_view>

#include "diary/DiaryCsv.h"
#include "diary/DiaryTable.h"
#include "foods/FoodLogCsv.h"

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
int ExportCsv(const char* file, std::ostream& out, std::ostream& err);
int ImportCsv(const char* file, std::ostream& out, std::ostream& err);
int ExportFoodLog(const char* file, std::ostream& out, std::ostream& err);

constexpr Option kOptions[] = {
    {"--version", nullptr, "print the version and exit", &PrintVersion},
    {"--help", nullptr, "print this help and exit", &PrintHelp},
    {"--export-csv", "FILE", "write every diary entry to FILE as comma-separated values",
     &ExportCsv},
    {"--import-csv", "FILE", "add the entries of a comma-separated FILE to the diary", &ImportCsv},
    {"--export-food-log", "FILE", "write every line of the food log to FILE, likewise",
     &ExportFoodLog},
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

// What was done goes to standard output; why nothing was, with every refused line, to standard
// error.
int Tell(const DiaryCsvReport& report, std::ostream& out, std::ostream& err) {
    if (report.outcome == CsvOutcome::Done) {
        out << report.summary << '\n';
        return kExitSuccess;
    }
    err << "morvane: " << report.Text(SIZE_MAX) << '\n';
    return report.outcome == CsvOutcome::BadInput ? kExitBadInput : kExitFileError;
}

// The diary of the working directory, which is the data folder.
int ExportCsv(const char* file, std::ostream& out, std::ostream& err) {
    return Tell(ExportDiaryCsv(kDiaryFile, file), out, err);
}

int ImportCsv(const char* file, std::ostream& out, std::ostream& err) {
    return Tell(ImportDiaryCsv(file, CDiaryBackups(), COleDateTime::GetCurrentTime()), out, err);
}

int ExportFoodLog(const char* file, std::ostream& out, std::ostream& err) {
    const FoodLogExport done = ExportFoodLogCsv(kDiaryFile, file);
    if (done.written) {
        out << done.said << '\n';
        return kExitSuccess;
    }
    err << "morvane: " << done.said << '\n';
    return done.badTarget ? kExitBadInput : kExitFileError;
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
