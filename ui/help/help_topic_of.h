#pragma once

class QWidget;

namespace zelvaro {

// The name of the int property that carries a control's help topic; 0 or no property means
// the control has none.
inline constexpr char kHelpTopicProperty[] = "helpTopic";

// The help topic F1 shows for the control that has the focus: its own topic, else that of the
// nearest enclosing widget that has one, else 0.
int HelpTopicOf(const QWidget* focused);

}  // namespace zelvaro
