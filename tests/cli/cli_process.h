#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <string>

namespace zelvaro {

// What one run of the built zelvaro-cli gave.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs zelvaro-cli with `args` under the locale `locale` (LC_ALL), in `workDir`.
inline CliRun runCli(const QStringList& args, const char* locale = "pt_BR.UTF-8",
                     const QString& workDir = QString()) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
    process.setProcessEnvironment(env);
    if (!workDir.isEmpty()) process.setWorkingDirectory(workDir);
    process.start(QStringLiteral(ZELVARO_CLI), args);
    process.waitForFinished(60000);
    CliRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline QString examplePath(const char* name) {
    return QStringLiteral(ZELVARO_EXAMPLES "/") + QString::fromLatin1(name);
}

}  // namespace zelvaro
