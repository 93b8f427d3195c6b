#include "app/controls/SettingList.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace korvex::app {

namespace {

// A drop-down as Qt shows it (its entries are its list's), named by its setting and its entry.
class SettingListAccessible final : public QAccessibleWidget {
  public:
    explicit SettingListAccessible(SettingList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const QString entry = list()->currentText();
        switch (kind) {
            case QAccessible::Name:
                return entry.isEmpty() ? list()->accessibleName()
                                       : list()->accessibleName() + QStringLiteral(": ") + entry;
            case QAccessible::Value:
                return entry;
            default:
                return QAccessibleWidget::text(kind);
        }
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    SettingList* list() const { return static_cast<SettingList*>(widget()); }
};

QAccessibleInterface* settingListFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(SettingList::staticMetaObject.className())) {
        return new SettingListAccessible(static_cast<SettingList*>(object));
    }
    return nullptr;
}

}  // namespace

SettingList::SettingList(QWidget* parent) : QComboBox(parent) {
    static const bool installed = (QAccessible::installFactory(&settingListFactory), true);
    (void)installed;
}

}  // namespace korvex::app
