// "zelvaro-cli page" of the 250 mm example: the whole command as a process (start, open,
// reduce, draw, write) and the page alone in this process, as a PNG and as an A4 PDF.
// Each under 1 s.
#include <benchmark/benchmark.h>

#include <QProcess>
#include <QTemporaryDir>

#include "cli/page/results_page_file.h"
#include "data/project.h"

namespace zelvaro {
namespace {

const char* const kExample = ZELVARO_EXAMPLES "/espelho-250mm-f5.pbl";

const char* KindOf(const benchmark::State& state) {
    return state.range(0) == 0 ? "png" : "pdf";
}

void CliPage(benchmark::State& state) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("pagina.") + KindOf(state));
    for (auto _ : state) {
        QProcess cli;
        cli.start(
            QStringLiteral(ZELVARO_CLI),
            {QStringLiteral("page"), QString::fromLatin1(kExample), QStringLiteral("--out"), out});
        if (!cli.waitForFinished(10000) || cli.exitCode() != 0) state.SkipWithError("page failed");
    }
    state.SetLabel(KindOf(state));
}
BENCHMARK(CliPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void PageInProcess(benchmark::State& state) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("pagina.") + KindOf(state));
    for (auto _ : state) {
        Project project;
        project.load(QString::fromLatin1(kExample));
        WriteResultsPage(project, out);
    }
    state.SetLabel(KindOf(state));
}
BENCHMARK(PageInProcess)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zelvaro
