#pragma once

#include <QPlainTextEdit>

namespace zelvaro {

class MeasurementTable;
class UserDialogs;

// The notes of the measurement table's current row. Typing puts the table into editing, as
// any editor of the table does (typed on an empty table, it starts a new row); the table
// stores the text when it posts the row.
class NoteBox : public QPlainTextEdit {
    Q_OBJECT

  public:
    NoteBox(MeasurementTable& table, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the current row's notes, unless they are already what the box holds, so that
    // the cursor stays where the user is typing.
    void showCurrentRow();

  private:
    void storeTypedText();

    MeasurementTable& table_;
    UserDialogs& dialogs_;
    bool showing_ = false;
    bool storing_ = false;
};

}  // namespace zelvaro
