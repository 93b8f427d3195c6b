#include "app/dialogs/SpecialStringsDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "app/controls/SettingControl.h"

namespace korvex::app {

namespace {

struct CardLine {
    int top;
    const char* text;
};

constexpr CardLine kCardLines[] = {
    {8, "<lat> - inserts latitude defined on  \"Radio\" Tab."},
    {24, "<long> - inserts longitude defined on  \"Radio\" Tab."},
    {40, "<date> - inserts current time in format: DDHHMM. "},
    {56, "<volt> - inserts measured input voltage."},
    {88, "Example:"},
    {104, "@<gpsdate>z<gpslat>/<gpslong>-KorvexMini U=<volt>V."},
};

constexpr int kClientWidth = 286;
constexpr int kLeft = 8;

// The window font, made smaller where needed so that the longest line fits the card.
QFont fittingFont() {
    QFont font = windowFont();
    for (qreal size = font.pointSizeF(); size >= 6.0; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const auto& line : kCardLines) {
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(line.text)));
        }
        if (kLeft + widest <= kClientWidth - 2) {
            break;
        }
    }
    return font;
}

}  // namespace

SpecialStringsDialog::SpecialStringsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Beacon special strings"));
    setFixedSize(kClientWidth, 124);
    setFont(fittingFont());
    int index = 1;
    for (const auto& line : kCardLines) {
        auto* label = new QLabel(QString::fromLatin1(line.text), this);
        label->setObjectName(QStringLiteral("Label%1").arg(index++));
        label->setTextFormat(Qt::PlainText);
        label->move(kLeft, line.top);
        label->adjustSize();
    }
}

}  // namespace korvex::app
