#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>
#include <string>

#include "core/field_text.h"
#include "format/separators.h"

namespace zelvaro {

// The editor of every number on the windows. While it has the focus it shows and edits the
// edit text (at most DecimalPlaces decimals, empty for zero); otherwise it shows the display
// text of its display pattern. Its value is read from the edit text on every change, so
// QLineEdit::text() is only what is on screen: use value(), editText() and
// shownWhenUnfocused().
//
// Typed characters are checked before they go in (a refused one beeps), pastes are checked
// as a whole, deleting is never checked. Entering, leaving and the program's own settings
// rewrite the text without valueEdited. The window's shortcuts win over the field's own
// (Ctrl+C may be a command of the window rather than "copy").
class NumericField : public QLineEdit {
    Q_OBJECT

  public:
    explicit NumericField(QWidget* parent = nullptr);

    // Both texts are written anew in the new separators; no valueEdited.
    void setSeparators(const Separators& separators);
    // Repaints the display text; no valueEdited.
    void setDisplayPattern(const std::string& pattern);
    const std::string& displayPattern() const { return displayPattern_; }
    // Bounds hold only when maxValue is above minValue; the value is pulled into them.
    void setBounds(long double minValue, long double maxValue);
    // Most digits after the decimal separator, typed or shown while focused; 12 by default.
    void setDecimalPlaces(int places);

    long double value() const { return value_; }
    // The program sets the value: bounded and stored. The edit text is rewritten only when
    // it does not already read as this value, so a half-typed "1," is left alone; no
    // valueEdited.
    void setValue(long double value);

    // Asked for every key or paste that would change the text; when it answers true the
    // change is dropped silently, before any other rule (the zone count refuses them all
    // while the measurement table has rows).
    void setCharacterKeyRefusal(std::function<bool()> refuse);

    // The text shown while focused.
    QString editText() const;
    // The text shown while not focused.
    QString shownWhenUnfocused() const;

  signals:
    // The edit text was changed by typing, deleting or pasting; carries the value read from it.
    void valueEdited(long double value);
    // The focus left the field; the value was read back from the text and the text rewritten.
    void left();
    // A typed key or a paste was refused with a beep.
    void refused();

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void readTypedText();
    void enter();
    void leave();
    void showText();
    void refuse();
    bool refusesChanges() const;
    bool isWindowShortcut(const QKeyEvent& event) const;
    QString textWith(const QString& inserted) const;
    // The typed text as the field takes it, or an empty text when it is refused.
    QString acceptedTyping(const QString& typed);
    void typeText(const QString& typed);
    void pasteFrom(QClipboard::Mode mode);

    Separators separators_;
    std::string displayPattern_;
    FieldBounds bounds_;
    int decimalPlaces_ = 12;
    long double value_ = 0;
    bool editing_ = false;
    std::function<bool()> refuseChanges_;
};

}  // namespace zelvaro
