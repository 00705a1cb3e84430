#include "ui/error_report.h"

#include "ui/user_dialogs.h"

namespace zelvaro {

QString ErrorReportText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

bool RunReportingErrors(UserDialogs& dialogs, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        dialogs.reportError(ErrorReportText(QString::fromUtf8(error.what())));
        return false;
    }
}

}  // namespace zelvaro
