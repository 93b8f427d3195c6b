#include "app/dialogs/FilterDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/controls/SettingControl.h"
#include "app/seams/Latin1.h"
#include "settings/Catalogue.h"

namespace korvex::app {

namespace {

constexpr int kRulesPerColumn = 6;
constexpr int kColumnLeft[] = {6, 220};
constexpr int kHeadingTop = 6;
constexpr int kFirstRuleTop = 24;
constexpr int kRulePitch = 24;

// Left edge and width of each cell of a rule row, relative to its column.
struct Cell {
    int left;
    int width;
};
constexpr Cell kNumberCell = {0, 18};
constexpr Cell kCallsignCell = {20, 58};
constexpr Cell kDashCell = {78, 10};
constexpr Cell kSsidCell = {88, 26};
constexpr Cell kTypeCell = {122, 86};

QLabel* placeLabel(const QString& text, int left, int top, int width, QWidget* parent,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(left, top, width, kControlHeight);
    return label;
}

// The label's font, made smaller in quarter points (down to 6 points) until its text wraps over
// at most `lines` lines of the label's width.
void fitLines(QLabel& label, int lines) {
    QFont font = label.font();
    for (qreal size = font.pointSizeF(); size >= 6; size -= 0.25) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, label.width(), 1000), Qt::TextWordWrap, label.text());
        if (wrapped.height() <= lines * metrics.lineSpacing()) {
            break;
        }
    }
    label.setFont(font);
}

Cell cellOf(const SettingDef& def) {
    switch (def.column) {
        case 0:
            return kCallsignCell;
        case 1:
            return kSsidCell;
        default:
            return kTypeCell;
    }
}

}  // namespace

FilterDialog::FilterDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("APRS-IS packets to RF filter"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(433, 271);
    setFont(windowFont());

    for (const auto& def : catalogue()) {
        if (def.window != SettingWindow::FilterDialog) {
            continue;
        }
        const int column = def.row / kRulesPerColumn;
        const int left = kColumnLeft[column];
        const int top = kFirstRuleTop + (def.row % kRulesPerColumn) * kRulePitch;
        const Cell cell = cellOf(def);
        if (def.row % kRulesPerColumn == 0) {
            placeLabel(fromLatin1(def.label), left + cell.left, kHeadingTop - 4,
                       cell.width + (def.column == 1 ? 8 : 0), this);
        }
        if (def.column == 0) {
            placeLabel(QStringLiteral("%1:").arg(def.row + 1), left + kNumberCell.left, top,
                       kNumberCell.width, this, Qt::AlignRight | Qt::AlignVCenter);
            placeLabel(QStringLiteral("-"), left + kDashCell.left, top, kDashCell.width, this,
                       Qt::AlignCenter);
        }
        QWidget* control = makeSettingControl(def, this, false);
        control->setGeometry(left + cell.left, top, cell.width, kControlHeight);
        control->setFixedSize(cell.width, kControlHeight);
    }

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    ok->setGeometry(179, 170, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* order = new QLabel(
        QStringLiteral("Order of entries is important, if you deny/allow something in previous "
                       "field, it will not be tested in next fields, comparison stops when pattern "
                       "match is found."),
        this);
    order->setTextFormat(Qt::PlainText);
    order->setWordWrap(true);
    order->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    order->setGeometry(8, 202, 421, 42);
    fitLines(*order, 2);
    placeLabel(QStringLiteral("* wildcards are supported in APRS-IS packets to RF filter."), 8, 246,
               417, this);
}

}  // namespace korvex::app

namespace korvex::app {

void FilterDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shownOn = screen()) {
        move(shownOn->availableGeometry().center() - rect().center());
    }
}

}  // namespace korvex::app
