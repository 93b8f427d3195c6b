#include "app/controls/CompactTabStyle.h"

namespace korvex::app {

int CompactTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (metric == PM_TabBarTabHSpace) {
        return 6;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace korvex::app
