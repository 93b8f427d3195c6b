#include "app/accessibility/AccessibleControls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

#include "app/accessibility/ActionAnnouncer.h"
#include "app/accessibility/SpeechEvents.h"
#include "app/controls/SettingList.h"

namespace korvex::app {

namespace {

// The relations of a control without its label: a label would be spoken instead of the name,
// which names the setting and (for a drop-down) its entry.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>> withoutLabel(
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations) {
    relations.removeIf([](const auto& relation) { return relation.second & QAccessible::Label; });
    return relations;
}

// A setting's drop-down, named by its setting and its entry ("Squelch level: 1 (lowest)"), with
// its index as value. Its entries are those of its list.
class AccessibleChoice final : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleChoice(SettingList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const QString entry = list()->currentText();
        switch (kind) {
            case QAccessible::Name:
                return entry.isEmpty() ? list()->accessibleName()
                                       : list()->accessibleName() + QStringLiteral(": ") + entry;
            case QAccessible::Value:
                return entry;
            case QAccessible::Description:
                return spokenDescription(list());
            default:
                return QAccessibleWidget::text(kind);
        }
    }
    QAccessible::Role role() const override {
        // Reported as a spin box only while a change is announced: Qt sends a drop-down's change
        // as a name change, a spin box's as a value change, which screen readers speak.
        return announcing_ ? QAccessible::SpinBox : QAccessible::ComboBox;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return withoutLabel(QAccessibleWidget::relations(match));
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

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return list()->currentIndex(); }
    void setCurrentValue(const QVariant& value) override { list()->setCurrentIndex(value.toInt()); }
    QVariant maximumValue() const override { return std::max(list()->count() - 1, 0); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    void announce() {
        announcing_ = true;
        QAccessibleValueChangeEvent event(this, list()->currentIndex());
        tellScreenReader(&event);
        announcing_ = false;
    }

  private:
    SettingList* list() const { return static_cast<SettingList*>(widget()); }
    bool announcing_ = false;
};

// Qt's own interface of an object, passed through: the base of those that change a little of it.
// Qt's interface is made by Qt's factory while this room's stands aside, and goes with this one.
class QtWrapper : public QAccessibleInterface {
  public:
    explicit QtWrapper(QAccessibleInterface* qt) : qt_(qt) {}
    ~QtWrapper() override { QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(qt_)); }
    QtWrapper(const QtWrapper&) = delete;
    QtWrapper& operator=(const QtWrapper&) = delete;

    bool isValid() const override { return qt_->isValid(); }
    QObject* object() const override { return qt_->object(); }
    QWindow* window() const override { return qt_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return qt_->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return qt_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return qt_->childAt(x, y); }
    QAccessibleInterface* parent() const override { return qt_->parent(); }
    QAccessibleInterface* child(int index) const override { return qt_->child(index); }
    int childCount() const override { return qt_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return qt_->indexOfChild(child);
    }
    QString text(QAccessible::Text kind) const override { return qt_->text(kind); }
    void setText(QAccessible::Text kind, const QString& text) override { qt_->setText(kind, text); }
    QRect rect() const override { return qt_->rect(); }
    QAccessible::Role role() const override { return qt_->role(); }
    QAccessible::State state() const override { return qt_->state(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return qt_->interface_cast(type);
    }

  protected:
    QAccessibleInterface* qt() const { return qt_; }

  private:
    QAccessibleInterface* qt_;
};

// An edit field as Qt shows it, but whose text attributes run over the whole text: Qt 6.4 reports
// empty runs, and a screen reader then drops the last character of the value.
class AccessibleEdit final : public QtWrapper,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
  public:
    using QtWrapper::QtWrapper;

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) {
            return spokenDescription(object());
        }
        return QtWrapper::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return qt()->editableTextInterface()
                       ? static_cast<QAccessibleEditableTextInterface*>(this)
                       : nullptr;
        }
        return QtWrapper::interface_cast(type);
    }

    void selection(int index, int* start, int* end) const override {
        text_()->selection(index, start, end);
    }
    int selectionCount() const override { return text_()->selectionCount(); }
    void addSelection(int start, int end) override { text_()->addSelection(start, end); }
    void removeSelection(int index) override { text_()->removeSelection(index); }
    void setSelection(int index, int start, int end) override {
        text_()->setSelection(index, start, end);
    }
    int cursorPosition() const override { return text_()->cursorPosition(); }
    void setCursorPosition(int position) override { text_()->setCursorPosition(position); }
    QString text(int start, int end) const override { return text_()->text(start, end); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        return text_()->textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        return text_()->textAfterOffset(offset, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return text_()->textAtOffset(offset, type, start, end);
    }
    int characterCount() const override { return text_()->characterCount(); }
    QRect characterRect(int offset) const override { return text_()->characterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override { return text_()->offsetAtPoint(point); }
    void scrollToSubstring(int start, int end) override { text_()->scrollToSubstring(start, end); }
    QString attributes(int offset, int* start, int* end) const override {
        (void)offset;
        // One run of no particular attributes over the whole text.
        *start = 0;
        *end = characterCount();
        return {};
    }

    void deleteText(int start, int end) override {
        qt()->editableTextInterface()->deleteText(start, end);
    }
    void insertText(int offset, const QString& text) override {
        qt()->editableTextInterface()->insertText(offset, text);
    }
    void replaceText(int start, int end, const QString& text) override {
        qt()->editableTextInterface()->replaceText(start, end, text);
    }

  private:
    QAccessibleTextInterface* text_() const { return qt()->textInterface(); }
};

// A menu as Qt shows it, which also counts its switched entries (check boxes) among its entries.
class AccessibleMenu final : public QtWrapper {
  public:
    using QtWrapper::QtWrapper;
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* action = child ? qobject_cast<QAction*>(child->object()) : nullptr;
        auto* menu = qobject_cast<QMenu*>(object());
        return action && menu ? static_cast<int>(menu->actions().indexOf(action))
                              : QtWrapper::indexOfChild(child);
    }
};

// A menu entry that is switched on or off, as a check box: Qt shows it as a plain menu entry, whose
// "not checked" a screen reader leaves unsaid.
class AccessibleToggle final : public QAccessibleObject, public QAccessibleActionInterface {
  public:
    AccessibleToggle(QAction* action, QMenu* menu) : QAccessibleObject(action), menu_(menu) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name:
                return QString(action()->text())
                    .remove(QRegularExpression(QStringLiteral("&(?!&)")));
            case QAccessible::Accelerator:
                return action()->shortcut().toString(QKeySequence::NativeText);
            default:
                return {};
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.disabled = !action()->isEnabled();
        state.focusable = true;
        state.focused = menu_ && menu_->activeAction() == action();
        state.checkable = true;
        state.checked = action()->isChecked();
        return state;
    }
    QRect rect() const override {
        if (!menu_) {
            return {};
        }
        const QRect place = menu_->actionGeometry(action());
        return {menu_->mapToGlobal(place.topLeft()), place.size()};
    }
    QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction() || name == pressAction()) {
            action()->trigger();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QAction* action() const { return static_cast<QAction*>(object()); }
    QPointer<QMenu> menu_;
};

// A tab's page, named by its tab's caption: moving into it says "Digipeater page tab".
class AccessiblePage final : public QAccessibleWidget {
  public:
    AccessiblePage(QWidget* page, QTabWidget* tabs)
        : QAccessibleWidget(page, QAccessible::PageTab), tabs_(tabs) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return QString(tabs_->tabText(tabs_->indexOf(widget()))).remove(QLatin1Char('&'));
        }
        return QAccessibleWidget::text(kind);
    }

  private:
    QTabWidget* tabs_;
};

// What the window announces (how an action ended), as a notification, which a screen reader
// speaks wherever the focus is.
class AccessibleAnnouncement final : public QAccessibleObject {
  public:
    explicit AccessibleAnnouncement(ActionAnnouncer* announcer) : QAccessibleObject(announcer) {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<ActionAnnouncer*>(object())->said()
                                         : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

// The tabs' pages, when `object` is one: its tab widget.
QTabWidget* tabsOfPage(QObject* object) {
    auto* stack = object ? qobject_cast<QStackedWidget*>(object->parent()) : nullptr;
    return stack ? qobject_cast<QTabWidget*>(stack->parent()) : nullptr;
}

// Dialogs that hold a table or list: Tab leaves it (its cells are reached by the arrow keys), and
// the row it starts on is read as the dialog opens. And Enter on a focused button presses it.
class KeyboardReach final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched)) {
            for (auto* view : watched->findChildren<QAbstractItemView*>()) {
                view->setTabKeyNavigation(false);
            }
        }
        // The focus that the opening dialog gives its table.
        if (event->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            auto* view = qobject_cast<QAbstractItemView*>(watched);
            if (view && qobject_cast<QDialog*>(view->window()) && reason != Qt::TabFocusReason &&
                reason != Qt::BacktabFocusReason && reason != Qt::MouseFocusReason) {
                QTimer::singleShot(0, view, [view] { readCurrentRow(*view); });
            }
        }
        // Enter presses the focused button of the main window as it does in a dialog.
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            auto* button = qobject_cast<QPushButton*>(watched);
            if (button && !qobject_cast<QDialog*>(button->window()) &&
                key->modifiers() == Qt::NoModifier &&
                (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
                button->animateClick();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    // Qt tells the current cell as the table takes the focus, then the table itself, which a
    // screen reader speaks last: the cell once more.
    static void readCurrentRow(QAbstractItemView& view) {
        QItemSelectionModel* selection = view.selectionModel();
        if (!view.hasFocus() || !selection || !view.model() || view.model()->rowCount() == 0) {
            return;
        }
        QModelIndex current = selection->currentIndex();
        if (!current.isValid()) {
            current = view.model()->index(0, 0);
        }
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }
};

bool madeByQt = false;  // while Qt's own factory makes the interface that AccessibleEdit wraps

QAccessibleInterface* controlsFactory(const QString& className, QObject* object) {
    if (auto* announcer = qobject_cast<ActionAnnouncer*>(object)) {
        return new AccessibleAnnouncement(announcer);
    }
    if (auto* action = qobject_cast<QAction*>(object); action && action->isCheckable()) {
        const auto owners = action->associatedObjects();
        for (QObject* owner : owners) {
            if (auto* menu = qobject_cast<QMenu*>(owner)) {
                return new AccessibleToggle(action, menu);
            }
        }
        return nullptr;
    }
    // Each object once, by its own class (the factory is asked again for each base class).
    if (!object || !object->isWidgetType() || madeByQt ||
        className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (auto* list = qobject_cast<SettingList*>(widget)) {
        return new AccessibleChoice(list);
    }
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QMenu*>(widget)) {
        madeByQt = true;
        QAccessibleInterface* qt = QAccessible::queryAccessibleInterface(widget);
        madeByQt = false;
        if (!qt) {
            return nullptr;
        }
        return qobject_cast<QMenu*>(widget)
                   ? static_cast<QAccessibleInterface*>(new AccessibleMenu(qt))
                   : new AccessibleEdit(qt);
    }
    if (auto* tabs = tabsOfPage(widget)) {
        return new AccessiblePage(widget, tabs);
    }
    if (qobject_cast<QStackedWidget*>(widget) && qobject_cast<QTabWidget*>(widget->parent())) {
        // Nothing to say of the stack itself ("layered pane"): its pages speak for it.
        return new QAccessibleWidget(widget, QAccessible::Client);
    }
    return nullptr;
}

}  // namespace

void installAccessibleControls() {
    QAccessible::installFactory(&controlsFactory);
    qApp->installEventFilter(new KeyboardReach(qApp));
}

void announceNewEntry(QObject* list) {
    if (auto* choice =
            dynamic_cast<AccessibleChoice*>(QAccessible::queryAccessibleInterface(list))) {
        choice->announce();
    }
}

}  // namespace korvex::app
