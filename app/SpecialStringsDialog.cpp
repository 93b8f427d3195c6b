#include "app/SpecialStringsDialog.h"

#include <QLabel>

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

}  // namespace

SpecialStringsDialog::SpecialStringsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Beacon special strings"));
    setFixedSize(286, 124);
    int index = 1;
    for (const auto& line : kCardLines) {
        auto* label = new QLabel(QString::fromLatin1(line.text), this);
        label->setObjectName(QStringLiteral("Label%1").arg(index++));
        label->setTextFormat(Qt::PlainText);
        label->move(8, line.top);
        label->adjustSize();
    }
}

}  // namespace korvex::app
