#pragma once
// A style for the main tab bar that keeps the platform look but pads the captions less, so that
// all twelve setting tabs fit on one row of the fixed-size window.

#include <QProxyStyle>

namespace korvex::app {

class CompactTabStyle final : public QProxyStyle {
    Q_OBJECT
  public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace korvex::app
