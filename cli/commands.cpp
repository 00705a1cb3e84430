#include "cli/commands.h"

#include <QFile>

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "cli/readings_import.h"
#include "cli/reduction_report.h"
#include "cli/rows_listing.h"
#include "cli/usage_text.h"
#include "core/reduction_errors.h"
#include "data/file_bytes.h"
#include "data/project.h"
#include "data/project_file_error.h"

namespace zelvaro {

namespace {

constexpr const char* kLoadError = "Erro ao carregar arquivo";
constexpr const char* kSaveError = "Erro ao salvar arquivo";

// A failure already reported on the error stream, with the status to end with.
struct CommandFailure {
    int status;
};

QString pathOf(const std::string& argument) {
    return QFile::decodeName(argument.c_str());
}

[[noreturn]] void fail(std::ostream& err, int status, const std::string& message) {
    err << message << '\n';
    throw CommandFailure{status};
}

void reportReductionFailure(std::ostream& err, const ReductionFailed& failure) {
    fail(err, kExitReductionFailed, std::string(failure.what()) + " (" + failure.reason() + ")");
}

// Opens the file as "&Abrir" does, reduction of the last row included.
void open(Project& project, const std::string& file, std::ostream& err) {
    try {
        project.load(pathOf(file));
    } catch (const ProjectFileError& error) {
        fail(err, kExitFileError, std::string(kLoadError) + ": " + error.what());
    } catch (const ReductionFailed& failure) {
        reportReductionFailure(err, failure);
    }
}

// Opens the file and, when a row is named, reduces that row instead of the last.
void openRow(Project& project, const std::string& file, std::optional<int> row, std::ostream& err) {
    open(project, file, err);
    if (!row) return;
    const int rows = project.table().rowCount();
    if (*row > rows) {
        throw UsageError("o arquivo tem " + std::to_string(rows) +
                         " registros; não há o registro " + std::to_string(*row));
    }
    try {
        project.reduceRow(*row - 1);
    } catch (const ReductionFailed& failure) {
        reportReductionFailure(err, failure);
    }
}

void reduce(const ReduceCommand& command, const Separators& seps, std::ostream& out,
            std::ostream& err) {
    Project project(seps);
    openRow(project, command.file, command.row, err);
    out << (command.json ? reductionJson(project) : reductionText(project));
}

void writePage(const PageCommand& command, const Separators& seps, std::ostream& err,
               const PageWriter& writer) {
    if (!writer) throw UsageError("este programa não desenha páginas");
    Project project(seps);
    openRow(project, command.file, command.row, err);
    try {
        writer(project, command.out);
    } catch (const std::exception& error) {
        fail(err, kExitFileError, std::string(kSaveError) + ": " + error.what());
    }
}

void listRows(const RowsCommand& command, const Separators& seps, std::ostream& out,
              std::ostream& err) {
    Project project(seps);
    open(project, command.file, err);
    out << (command.csv ? rowsCsv(project.table(), seps) : rowsText(project.table(), seps));
}

void importFile(const ImportCommand& command, const Separators& seps, std::ostream& err) {
    Project project(seps);
    try {
        const QByteArray csv = readFileBytes(pathOf(command.readings));
        importReadings(project, command,
                       std::string_view(csv.constData(), static_cast<std::size_t>(csv.size())));
    } catch (const ProjectFileError& error) {
        fail(err, kExitFileError, std::string(kLoadError) + ": " + error.what());
    } catch (const ImportError& error) {
        fail(err, kExitFileError, std::string(kLoadError) + ": " + error.what());
    }
    try {
        project.save(pathOf(command.out));
    } catch (const ProjectFileError& error) {
        fail(err, kExitFileError, std::string(kSaveError) + ": " + error.what());
    }
}

void run(const Command& command, const Separators& seps, std::ostream& out, std::ostream& err,
         const PageWriter& pageWriter) {
    if (std::holds_alternative<HelpCommand>(command)) {
        out << kUsageText;
    } else if (const auto* reduceCommand = std::get_if<ReduceCommand>(&command)) {
        reduce(*reduceCommand, seps, out, err);
    } else if (const auto* pageCommand = std::get_if<PageCommand>(&command)) {
        writePage(*pageCommand, seps, err, pageWriter);
    } else if (const auto* rowsCommand = std::get_if<RowsCommand>(&command)) {
        listRows(*rowsCommand, seps, out, err);
    } else {
        importFile(std::get<ImportCommand>(command), seps, err);
    }
}

}  // namespace

int runCommandLine(const std::vector<std::string>& args, const Separators& seps, std::ostream& out,
                   std::ostream& err, const PageWriter& writePage) {
    try {
        run(parseCommandLine(args, seps), seps, out, err, writePage);
        return kExitSuccess;
    } catch (const UsageError& error) {
        err << "zelvaro-cli: " << error.what() << "\nVeja zelvaro-cli --help.\n";
        return kExitUsage;
    } catch (const CommandFailure& failure) {
        return failure.status;
    }
}

}  // namespace zelvaro
