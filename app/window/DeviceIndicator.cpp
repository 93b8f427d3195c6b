#include "app/window/DeviceIndicator.h"

#include <algorithm>

namespace korvex::app {

namespace {

struct PresenceText {
    DevicePresence presence;
    const char* text;
    const char* toolTip;
};

constexpr PresenceText kTexts[] = {
    {DevicePresence::Connected, "Korvex Mini connected", ""},
    {DevicePresence::NotConnected, "Korvex Mini not connected", ""},
#ifdef __linux__
    {DevicePresence::NoPermission, "Korvex Mini: no permission",
     "The Korvex Mini is plugged in, but this user may not open it: see Help > USB access on "
     "Linux."},
#else
    {DevicePresence::NoPermission, "Korvex Mini: no permission",
     "The Korvex Mini is plugged in, but the system does not let this program open it."},
#endif
    // Only Windows tells a device that another program holds for itself.
    {DevicePresence::InUse, "Korvex Mini: in use",
     "The Korvex Mini is plugged in, but another program holds it: close that program."},
};

}  // namespace

DeviceIndicator::DeviceIndicator(TransportProvider& provider, QWidget* parent)
    : QLabel(parent), provider_(provider) {
    setObjectName(QStringLiteral("DeviceIndicator"));
    setContentsMargins(8, 0, 8, 0);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &DeviceIndicator::refresh);
    resume();
}

QSize DeviceIndicator::sizeHint() const {
    QSize size = QLabel::sizeHint();
    const QMargins margins = contentsMargins();
    for (const auto& entry : kTexts) {
        const int width = fontMetrics().horizontalAdvance(QString::fromLatin1(entry.text)) +
                          margins.left() + margins.right() + 2 * margin();
        size.setWidth(std::max(size.width(), width));
    }
    return size;
}

void DeviceIndicator::refresh() {
    presence_ = probeDevicePresence(provider_);
    for (const auto& entry : kTexts) {
        if (entry.presence == presence_) {
            setText(QString::fromLatin1(entry.text));
            setToolTip(QString::fromLatin1(entry.toolTip));
        }
    }
}

void DeviceIndicator::pause() {
    timer_.stop();
}

void DeviceIndicator::resume() {
    refresh();
    timer_.start();
}

}  // namespace korvex::app
