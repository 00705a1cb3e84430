#include "ui/results/note_box.h"

#include <QScopedValueRollback>

#include "data/measurement_table.h"
#include "ui/error_report.h"

namespace zelvaro {

NoteBox::NoteBox(MeasurementTable& table, UserDialogs& dialogs, QWidget* parent)
    : QPlainTextEdit(parent), table_(table), dialogs_(dialogs) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_) storeTypedText();
    });
    showCurrentRow();
}

void NoteBox::showCurrentRow() {
    // The table telling of the text typed here has nothing new to show.
    if (storing_) return;
    const QString notes = table_.memo();
    if (toPlainText() == notes) return;
    showing_ = true;
    setPlainText(notes);
    showing_ = false;
}

void NoteBox::storeTypedText() {
    const QString text = toPlainText();
    const QScopedValueRollback storing(storing_, true);
    RunReportingErrors(dialogs_, [&] {
        if (table_.isBrowsing()) table_.edit();
        table_.setMemo(text);
    });
}

}  // namespace zelvaro
