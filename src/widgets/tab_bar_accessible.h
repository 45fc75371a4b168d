// Accessibility for tab bars whose tabs can be hidden (QTabBar::setTabVisible). Qt's own
// interface announces a hidden tab as showing and opens its page through the tab's action;
// this one reports a hidden tab as invisible and offers it no action. Installed with the
// widgets' factory; the interfaces live in Qt's accessibility cache. Window thread only.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTabBar;

namespace orvane::widgets {

QAccessibleInterface* TabBarFactory(const QString& className, QObject* object);

// The bar: its tabs first, then its own child widgets (the scroll buttons).
class TabBarAccessible final : public QAccessibleWidget {
  public:
    explicit TabBarAccessible(QTabBar* bar);
    ~TabBarAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

  private:
    QTabBar* bar() const;

    mutable QHash<int, QAccessible::Id> tabs_;  // index -> registered tab interface
};

}  // namespace orvane::widgets
