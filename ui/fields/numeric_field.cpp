#include "ui/fields/numeric_field.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QStringList>
#include <utility>

namespace zelvaro {

namespace {

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// A key that types text: no control character, no Ctrl or Meta (AltGr arrives as Ctrl+Alt
// on Windows and types text).
bool typesText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || text.front().category() == QChar::Other_Control) return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool altGr =
        modifiers.testFlag(Qt::ControlModifier) && modifiers.testFlag(Qt::AltModifier);
    return altGr || !(modifiers & (Qt::ControlModifier | Qt::MetaModifier));
}

// A key that would change the text: typing, deleting, pasting, cutting, undoing.
bool changesText(const QKeyEvent& event) {
    if (typesText(event) || event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete) {
        return true;
    }
    for (QKeySequence::StandardKey key :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine}) {
        if (event.matches(key)) return true;
    }
    return false;
}

// The entries of QLineEdit's own context menu that change the text, known by their labels
// (the text before the tab that shows the shortcut).
bool changesText(const QAction& entry) {
    static const QStringList labels = {QLineEdit::tr("&Undo"), QLineEdit::tr("&Redo"),
                                       QLineEdit::tr("Cu&t"), QLineEdit::tr("&Paste"),
                                       QLineEdit::tr("Delete")};
    return labels.contains(entry.text().section(QLatin1Char('\t'), 0, 0));
}

bool isPasteEntry(const QAction& entry) {
    return entry.text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste");
}

}  // namespace

NumericField::NumericField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Text comes in by typing and pasting, both checked; a drop would go round the checks.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textEdited, this, &NumericField::readTypedText);
    showText();
}

void NumericField::setSeparators(const Separators& separators) {
    if (separators == separators_) return;
    separators_ = separators;
    showText();
}

void NumericField::setDisplayPattern(const std::string& pattern) {
    displayPattern_ = pattern;
    if (!editing_) showText();
}

void NumericField::setBounds(long double minValue, long double maxValue) {
    bounds_ = {minValue, maxValue};
    setValue(value_);
}

void NumericField::setDecimalPlaces(int places) {
    decimalPlaces_ = places;
}

void NumericField::setValue(long double value) {
    value_ = BoundedFieldValue(value, bounds_);
    if (editing_ && ReadFieldValue(text().toStdString(), separators_, bounds_) == value_) return;
    showText();
}

void NumericField::setCharacterKeyRefusal(std::function<bool()> refuse) {
    refuseChanges_ = std::move(refuse);
}

QString NumericField::editText() const {
    if (editing_) return text();
    return toQString(FieldEditText(value_, decimalPlaces_, separators_));
}

QString NumericField::shownWhenUnfocused() const {
    return toQString(FieldDisplayText(value_, displayPattern_, separators_));
}

bool NumericField::event(QEvent* event) {
    // Left unaccepted, the key goes to the window's command instead of the field.
    if (event->type() == QEvent::ShortcutOverride &&
        isWindowShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    // The focus may have moved to another widget while the window was inactive, without a
    // focus-out here.
    if (event->type() == QEvent::WindowActivate && editing_ && window()->focusWidget() != this) {
        leave();
    }
    return QLineEdit::event(event);
}

void NumericField::focusInEvent(QFocusEvent* event) {
    if (!editing_) enter();
    QLineEdit::focusInEvent(event);
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A pop-up menu, the menu bar or another application takes the keyboard only for a
    // while: the field is still being edited.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
        reason != Qt::ActiveWindowFocusReason) {
        leave();
    }
}

void NumericField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (editing_) showText();
        event->accept();
        return;
    }
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (changesText(*event) && refusesChanges()) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFrom(QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (typesText(*event)) {
        typeText(event->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// An input method commits text without a key press; it is checked as typed text.
void NumericField::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly() || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent checked(event->preeditString(), event->attributes());
    if (!refusesChanges()) {
        const QString put = acceptedTyping(event->commitString());
        if (!put.isEmpty()) {
            checked.setCommitString(put, event->replacementStart(), event->replacementLength());
        }
    }
    QLineEdit::inputMethodEvent(&checked);
}

void NumericField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumericField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    const bool refused = refusesChanges();
    for (QAction* entry : menu->actions()) {
        if (refused && changesText(*entry)) entry->setEnabled(false);
        if (isPasteEntry(*entry)) {
            entry->disconnect(this);
            connect(entry, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void NumericField::readTypedText() {
    if (isReadOnly()) return;
    value_ = ReadFieldValue(text().toStdString(), separators_, bounds_);
    emit valueEdited(value_);
}

void NumericField::enter() {
    editing_ = true;
    showText();
}

void NumericField::leave() {
    if (!editing_) return;
    value_ = ReadFieldValue(text().toStdString(), separators_, bounds_);
    editing_ = false;
    showText();
    emit left();
}

void NumericField::showText() {
    setText(editing_ ? toQString(FieldEditText(value_, decimalPlaces_, separators_))
                     : shownWhenUnfocused());
}

void NumericField::refuse() {
    QApplication::beep();
    emit refused();
}

bool NumericField::refusesChanges() const {
    return refuseChanges_ && refuseChanges_();
}

bool NumericField::isWindowShortcut(const QKeyEvent& event) const {
    const QKeySequence pressed(
        QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
    QList<QAction*> actions = window()->actions();
    actions += window()->findChildren<QAction*>();
    for (const QAction* action : std::as_const(actions)) {
        for (const QKeySequence& shortcut : action->shortcuts()) {
            if (shortcut.matches(pressed) != QKeySequence::NoMatch) return true;
        }
    }
    return false;
}

QString NumericField::textWith(const QString& inserted) const {
    QString result = text();
    if (hasSelectedText()) return result.replace(selectionStart(), selectionLength(), inserted);
    return result.insert(cursorPosition(), inserted);
}

QString NumericField::acceptedTyping(const QString& typed) {
    const QString put = toQString(TypedFieldText(typed.toStdString(), separators_));
    if (AcceptsTypedFieldText(textWith(put).toStdString(), decimalPlaces_, separators_, bounds_)) {
        return put;
    }
    refuse();
    return {};
}

void NumericField::typeText(const QString& typed) {
    const QString put = acceptedTyping(typed);
    if (!put.isEmpty()) insert(put);
}

void NumericField::pasteFrom(QClipboard::Mode mode) {
    if (isReadOnly() || refusesChanges()) return;
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (clip.isEmpty() && !hasSelectedText()) return;
    if (!FieldTextParses(textWith(clip).toStdString(), separators_)) {
        refuse();
        return;
    }
    insert(clip);
}

}  // namespace zelvaro
