#include "ui/app_icon.h"

namespace zelvaro {

QIcon ZelvaroIcon() {
    return QIcon(QStringLiteral(":/icons/zelvaro.svg"));
}

}  // namespace zelvaro
