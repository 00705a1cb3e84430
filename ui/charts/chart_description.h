#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace zelvaro {

// The two in-memory tables a series can be bound to.
enum class ChartDatasetId { dtstFrenteOnda, dtstGraficos };

// Dataset columns a series takes its points from. Field names are those of the dataset; an
// empty label field means the points carry no label.
struct FieldBinding {
    ChartDatasetId dataset = ChartDatasetId::dtstFrenteOnda;
    std::string_view xField;
    std::string_view yField;
    std::string_view labelField;
};

enum class SeriesKind { Line, Bar };

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr Rgb kChartGreen{0, 128, 0};
inline constexpr Rgb kChartRed{255, 0, 0};
inline constexpr Rgb kChartTitleBlue{0, 0, 255};
inline constexpr Rgb kChartTitleBlack{0, 0, 0};
inline constexpr Rgb kMarkBackground{255, 255, 128};

struct SeriesDescription {
    std::string_view name;
    SeriesKind kind = SeriesKind::Line;
    std::string_view title;  // the legend text
    Rgb colour;
    FieldBinding binding;
    // A value series shows its marks at start-up and is the one "Mostrar Marcas" switches;
    // the others never show marks.
    bool valueSeries = false;
    std::string_view valueFormat;
    // The axes leave room for this series' point markers.
    bool roomForMarkers = true;
};

struct AxisDescription {
    std::string_view title;
    // Used only while no series of the chart carries point labels.
    std::string_view labelFormat;
    // A label with blanks is broken into lines at the blanks.
    bool multiLineLabels = false;
};

struct ChartPlacement {
    int x = 0;
    int y = 0;
    int width = 406;
    int height = 276;
};

struct ChartDescription {
    std::string_view name;
    std::string_view title;
    Rgb titleColour;
    std::string_view hint;
    int helpContext = 0;
    ChartPlacement placement;
    AxisDescription bottomAxis;
    AxisDescription leftAxis;
    std::vector<SeriesDescription> series;  // index 0 first
    // A press on a series puts the point's value into the tooltip and starts no drag.
    bool readsClickedValues = true;
    // A right click without a scroll passes the context menu on to whatever holds the chart;
    // without one the chart has no context menu at all.
    bool hasContextMenu = true;
};

// DBChart1 .. DBChart4 of the "&1 - Gráficos" page, as they are at start-up.
const std::array<ChartDescription, 4>& MainWindowCharts();

// DBChart1 .. DBChart4 of the results window: the same series, to be linked to the main
// window's, with their marks always shown, their own axes, black titles, no hint, no help,
// no clicked values and no context menu.
const std::array<ChartDescription, 4>& ResultsWindowCharts();

}  // namespace zelvaro
