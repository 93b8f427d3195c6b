#include "app/SettingControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <algorithm>

#include "app/Latin1.h"
#include "app/LimitedLineEdit.h"

namespace korvex::app {

// Fields for long texts share the row's remaining width; short ones show their whole limit.
constexpr int kWidestCharacters = 24;

int editWidthFor(const QWidget& edit, int characters) {
    const QFontMetrics metrics(edit.font());
    // Upper-case letters and digits are what most short fields hold (callsigns, numbers).
    const int perCharacter = metrics.horizontalAdvance(QStringLiteral("W0A5")) / 4;
    return characters * perCharacter + 10;
}

namespace {

QWidget* makeEdit(const SettingDef& def, QWidget* parent) {
    auto* edit = new LimitedLineEdit(def.editLimit, parent);
    edit->setFixedHeight(kControlHeight);
    if (isWideEdit(def)) {
        edit->setMinimumWidth(editWidthFor(*edit, 12));
        edit->setMaximumWidth(editWidthFor(*edit, 36));
    } else {
        edit->setFixedWidth(editWidthFor(*edit, std::max(def.editLimit, 2)));
    }
    return edit;
}

QWidget* makeList(const SettingDef& def, QWidget* parent) {
    auto* list = new QComboBox(parent);
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
    return def.kind == SettingKind::Edit && (def.editLimit <= 0 || def.editLimit > kWidestCharacters);
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
    if (!def.hint.empty()) {
        control->setToolTip(fromLatin1(def.hint));
    }
    return control;
}

}  // namespace korvex::app
