#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace zelvaro {

class UserDialogs;

// The text of the default error report: the error's message, with a full stop appended when
// its last character comes after "." in the character table.
QString ErrorReportText(const QString& message);

// Runs a command of the window; an error that escapes it is reported with ErrorReportText
// through `dialogs` ("Zelvaro", an error icon, "OK") and the program goes on. Returns false
// when an error was reported.
bool RunReportingErrors(UserDialogs& dialogs, const std::function<void()>& command);

}  // namespace zelvaro
