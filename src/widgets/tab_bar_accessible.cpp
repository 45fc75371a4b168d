#include "widgets/tab_bar_accessible.h"

#include <QAccessibleActionInterface>
#include <QPointer>
#include <QTabBar>

namespace orvane::widgets {
namespace {

// One tab. Not a QObject, so its bar registers it and removes it again.
class TabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    TabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        switch (t) {
            case QAccessible::Name:
                return bar_->tabText(index_).remove(QLatin1Char('&'));
            case QAccessible::Description:
                return bar_->tabToolTip(index_);
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        if (QAccessibleInterface* bar = parent())
            s = bar->state();
        s.focused = s.focused && index_ == bar_->currentIndex();
        s.selectable = true;
        s.selected = index_ == bar_->currentIndex();
        if (!shown()) {
            s.invisible = true;
            s.focusable = s.focused = s.selectable = s.selected = false;
        }
        return s;
    }

    QRect rect() const override {
        if (!shown())
            return {};
        const QRect r = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        if (!shown() || !bar_->isTabEnabled(index_))
            return {};
        return {pressAction()};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && actionNames().contains(name))
            bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    bool shown() const { return isValid() && bar_->isVisible() && bar_->isTabVisible(index_); }

    QPointer<QTabBar> bar_;
    int index_;
};

}  // namespace

QAccessibleInterface* TabBarFactory(const QString&, QObject* object) {
    // Exactly tab bars: a subclass with an accessible interface of its own keeps it.
    auto* bar = qobject_cast<QTabBar*>(object);
    if (bar == nullptr || bar->metaObject() != &QTabBar::staticMetaObject)
        return nullptr;
    return new TabBarAccessible(bar);
}

TabBarAccessible::TabBarAccessible(QTabBar* bar)
    : QAccessibleWidget(bar, QAccessible::PageTabList) {}

TabBarAccessible::~TabBarAccessible() {
    for (QAccessible::Id id : std::as_const(tabs_))
        QAccessible::deleteAccessibleInterface(id);
}

QTabBar* TabBarAccessible::bar() const {
    return static_cast<QTabBar*>(widget());
}

int TabBarAccessible::childCount() const {
    return bar()->count() + QAccessibleWidget::childCount();
}

QAccessibleInterface* TabBarAccessible::child(int index) const {
    if (index < 0)
        return nullptr;
    if (index >= bar()->count())
        return QAccessibleWidget::child(index - bar()->count());
    if (const QAccessible::Id id = tabs_.value(index))
        return QAccessible::accessibleInterface(id);
    auto* tab = new TabAccessible(bar(), index);
    tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int TabBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr)
        return -1;
    for (auto it = tabs_.cbegin(); it != tabs_.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    const int own = QAccessibleWidget::indexOfChild(child);
    return own < 0 ? -1 : bar()->count() + own;
}

QAccessibleInterface* TabBarAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* c = child(i);
        if (c != nullptr && !c->state().invisible && c->rect().contains(x, y))
            return c;
    }
    return nullptr;
}

}  // namespace orvane::widgets
