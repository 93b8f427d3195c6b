#include "app/controls/SettingControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

#include "app/controls/LimitedLineEdit.h"
#include "app/controls/SettingList.h"
#include "app/seams/Latin1.h"
#include "settings/SpokenName.h"

namespace korvex::app {

// Fields for long texts share the row's remaining width; short ones show their whole limit.
constexpr int kWidestCharacters = 24;

QFont windowFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

QFont headingFont() {
    QFont font = windowFont();
    font.setPointSizeF(7.5);
    return font;
}

int editWidthFor(int characters) {
    // Measured in the windows' font: a control is made before it joins its window.
    const QFontMetrics metrics(windowFont());
    // Digits and upper-case letters are what most short fields hold (numbers, callsigns).
    const int perCharacter = metrics.horizontalAdvance(QString(10, QLatin1Char('0'))) / 10;
    return characters * perCharacter + 12;
}

namespace {

// Alt with a letter is a mnemonic or nothing: a field neither types the letter nor (a drop-down)
// jumps to an entry that starts with it. AltGr arrives as Ctrl+Alt or without Alt and still types.
class AltLetterFilter final : public QObject {
  public:
    explicit AltLetterFilter(QObject* parent) : QObject(parent) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const auto modifiers = key->modifiers();
            if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
                !key->text().isEmpty() && key->text().front().isPrint()) {
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QWidget* makeEdit(const SettingDef& def, QWidget* parent) {
    auto* edit = new LimitedLineEdit(def.editLimit, parent);
    edit->setFixedHeight(kControlHeight);
    if (isWideEdit(def)) {
        // Host names and the like show about 28 characters at least.
        edit->setMinimumWidth(editWidthFor(def.editLimit > 0 ? std::min(def.editLimit, 28) : 28));
        edit->setMaximumWidth(editWidthFor(36));
    } else {
        edit->setFixedWidth(editWidthFor(std::max(def.editLimit, 2)));
    }
    return edit;
}

QWidget* makeList(const SettingDef& def, QWidget* parent) {
    auto* list = new SettingList(parent);
    list->setFixedHeight(kControlHeight);
    for (const auto entry : def.choices) {
        list->addItem(fromLatin1(entry));
    }
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setCurrentIndex(-1);
    return list;
}

}  // namespace

bool isWideEdit(const SettingDef& def) {
    return def.kind == SettingKind::Edit &&
           (def.editLimit <= 0 || def.editLimit > kWidestCharacters);
}

QWidget* makeSettingControl(const SettingDef& def, QWidget* parent, bool withText) {
    QWidget* control = nullptr;
    switch (def.kind) {
        case SettingKind::Edit:
            control = makeEdit(def, parent);
            break;
        case SettingKind::Choice:
            control = makeList(def, parent);
            break;
        case SettingKind::Check: {
            auto* box = new QCheckBox(withText ? fromLatin1(def.label) : QString(), parent);
            control = box;
            break;
        }
    }
    control->setObjectName(fromLatin1(def.name));
    control->setAccessibleName(fromLatin1(spokenName(def)));
    if (!def.hint.empty()) {
        control->setToolTip(fromLatin1(def.hint));
        control->setAccessibleDescription(fromLatin1(def.hint));
    }
    control->installEventFilter(new AltLetterFilter(control));
    return control;
}

}  // namespace korvex::app
