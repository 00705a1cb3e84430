#include "cli/command_line.h"

#include "data/header_number.h"

namespace zelvaro {

namespace {

// The arguments after the command name, taken one by one.
class ArgumentList {
  public:
    explicit ArgumentList(std::vector<std::string> args) : args_(std::move(args)) {}

    bool atEnd() const { return next_ == args_.size(); }
    const std::string& take() { return args_[next_++]; }
    // The value following option `name`.
    const std::string& valueOf(const std::string& name) {
        if (atEnd()) throw UsageError("falta o valor de " + name);
        return take();
    }

  private:
    std::vector<std::string> args_;
    std::size_t next_ = 0;
};

bool isOption(const std::string& arg) {
    return arg.size() > 1 && arg.front() == '-';
}

long double numberOption(const std::string& name, const std::string& text, const Separators& seps) {
    const auto value = parseHeaderNumber(text, seps);
    if (!value) throw UsageError("o valor de " + name + " não é um número: " + text);
    return *value;
}

int wholeOption(const std::string& name, const std::string& text, int low, int high) {
    const int value = parseHeaderInteger(text, low - 1);
    if (value < low || value > high) {
        throw UsageError("o valor de " + name + " deve ser um inteiro de " + std::to_string(low) +
                         " a " + std::to_string(high) + ": " + text);
    }
    return value;
}

// The one file argument of a command; `file` is empty until it is met.
void takeFile(std::string& file, const std::string& arg) {
    if (isOption(arg)) throw UsageError("opção desconhecida: " + arg);
    if (!file.empty()) throw UsageError("argumento a mais: " + arg);
    file = arg;
}

void requireFile(const std::string& file, const char* what) {
    if (file.empty()) throw UsageError(std::string("falta o ") + what);
}

ReduceCommand parseReduce(ArgumentList& args) {
    ReduceCommand command;
    while (!args.atEnd()) {
        const std::string& arg = args.take();
        if (arg == "--row") {
            command.row = wholeOption(arg, args.valueOf(arg), 1, 2147483647);
        } else if (arg == "--json") {
            command.json = true;
        } else {
            takeFile(command.file, arg);
        }
    }
    requireFile(command.file, "arquivo de projeto");
    return command;
}

RowsCommand parseRows(ArgumentList& args) {
    RowsCommand command;
    while (!args.atEnd()) {
        const std::string& arg = args.take();
        if (arg == "--csv") {
            command.csv = true;
        } else {
            takeFile(command.file, arg);
        }
    }
    requireFile(command.file, "arquivo de projeto");
    return command;
}

ImportCommand parseImport(ArgumentList& args, const Separators& seps) {
    ImportCommand command;
    bool hasD = false;
    bool hasR = false;
    while (!args.atEnd()) {
        const std::string& arg = args.take();
        if (arg == "--diameter") {
            command.D = numberOption(arg, args.valueOf(arg), seps);
            hasD = true;
        } else if (arg == "--radius") {
            command.R = numberOption(arg, args.valueOf(arg), seps);
            hasR = true;
        } else if (arg == "--zones") {
            command.zones = wholeOption(arg, args.valueOf(arg), 1, 999);
        } else if (arg == "--lambda") {
            command.Lambda = numberOption(arg, args.valueOf(arg), seps);
        } else if (arg == "--b") {
            command.b = numberOption(arg, args.valueOf(arg), seps);
        } else if (arg == "--reduction-zone") {
            command.reductionZone = wholeOption(arg, args.valueOf(arg), 1, 999);
        } else if (arg == "--moving-source") {
            command.movingSource = true;
        } else if (arg == "--out") {
            command.out = args.valueOf(arg);
        } else {
            takeFile(command.readings, arg);
        }
    }
    requireFile(command.readings, "arquivo CSV de leituras");
    if (!hasD) throw UsageError("falta --diameter");
    if (!hasR) throw UsageError("falta --radius");
    if (command.out.empty()) throw UsageError("falta --out");
    return command;
}

PageCommand parsePage(ArgumentList& args) {
    PageCommand command;
    while (!args.atEnd()) {
        const std::string& arg = args.take();
        if (arg == "--row") {
            command.row = wholeOption(arg, args.valueOf(arg), 1, 2147483647);
        } else if (arg == "--out") {
            command.out = args.valueOf(arg);
        } else {
            takeFile(command.file, arg);
        }
    }
    requireFile(command.file, "arquivo de projeto");
    if (command.out.empty()) throw UsageError("falta --out");
    return command;
}

}  // namespace

Command parseCommandLine(const std::vector<std::string>& args, const Separators& seps) {
    if (args.empty()) throw UsageError("falta o comando");
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") return HelpCommand{};
    }
    ArgumentList rest(std::vector<std::string>(args.begin() + 1, args.end()));
    const std::string& name = args.front();
    if (name == "reduce") return parseReduce(rest);
    if (name == "rows") return parseRows(rest);
    if (name == "import") return parseImport(rest, seps);
    if (name == "page") return parsePage(rest);
    throw UsageError("comando desconhecido: " + name);
}

}  // namespace zelvaro
