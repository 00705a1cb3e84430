#pragma once

#include <qcustomplot.h>

#include <string>

#include "format/separators.h"

namespace zelvaro {

// Tick labels written with a display pattern ("#,##0.0#") and the user's separators, so an
// axis shows numbers exactly as the program's fields do. Tick positions are QCustomPlot's.
class PatternTicker : public QCPAxisTicker {
  public:
    explicit PatternTicker(std::string pattern, Separators separators = Separators{});

    void setPattern(std::string pattern) { pattern_ = std::move(pattern); }
    void setSeparators(Separators separators) { separators_ = std::move(separators); }
    const std::string& pattern() const { return pattern_; }

    // One tick's text; blanks become line breaks when multi-line labels are on.
    QString labelOf(double tick) const;
    void setMultiLine(bool on) { multiLine_ = on; }

  protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;

  private:
    std::string pattern_;
    Separators separators_;
    bool multiLine_ = false;
};

// A label with blanks broken into lines at the blanks.
QString MultiLineLabel(const QString& label);

}  // namespace zelvaro
