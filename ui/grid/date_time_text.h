#pragma once

#include <QLocale>
#include <QString>

#include "data/local_date_time.h"

namespace zelvaro {

// How a Medidas cell shows its date and time: the date in the locale's short date form, a
// space and the time in its long time form. The stored time has no time zone, so the zone
// field of the long form is left out; a time of exactly midnight is not shown at all.
class DateTimeText {
  public:
    explicit DateTimeText(const QLocale& locale = QLocale::system());

    QString operator()(const LocalDateTime& value) const;

  private:
    QLocale locale_;
    QString dateFormat_;
    QString timeFormat_;
};

}  // namespace zelvaro
