#include "ui/help/help_topic_of.h"

#include <QVariant>
#include <QWidget>

namespace zelvaro {

int HelpTopicOf(const QWidget* focused) {
    for (const QWidget* widget = focused; widget; widget = widget->parentWidget()) {
        const int topic = widget->property(kHelpTopicProperty).toInt();
        if (topic > 0) return topic;
    }
    return 0;
}

}  // namespace zelvaro
