#pragma once
// The device's presence at the right end of the menu bar: "Korvex Mini connected", "Korvex Mini
// not connected" or "Korvex Mini: no permission" (its tool tip leads to the help on USB access);
// on Windows also "Korvex Mini: in use" when another program holds the device for itself.
// It asks about every two seconds while no action runs; a transfer or an upload is never
// interrupted by it.

#include <QLabel>
#include <QTimer>

#include "device/DevicePresence.h"

namespace korvex::app {

class DeviceIndicator final : public QLabel {
    Q_OBJECT
  public:
    static constexpr int kIntervalMs = 2000;

    // Asks `provider` (which must outlive this) at once and then every kIntervalMs.
    explicit DeviceIndicator(TransportProvider& provider, QWidget* parent = nullptr);

    // Asks now.
    void refresh();
    // While an action runs: no asking until resume(), which asks at once again.
    void pause();
    void resume();
    bool polling() const { return timer_.isActive(); }
    DevicePresence presence() const { return presence_; }
    // Wide enough for the widest of its texts, whichever it shows: the menu bar places its
    // corner by this once, and a longer text must not be cut.
    QSize sizeHint() const override;

  private:
    TransportProvider& provider_;
    QTimer timer_;
    DevicePresence presence_ = DevicePresence::NotConnected;
};

}  // namespace korvex::app
