// The journal page's table over the journal itself: three columns (time, event, details),
// newest event first, and, once older events were dropped, a last row that says how many.
// Each new event is announced as one inserted row (and, at the journal's capacity, one
// removed), so the view repaints only what it shows. Headlines and headings follow the
// language (`languageChanged`); details stay as they were composed. Owned by the window;
// GUI thread; the journal and the language must outlive it.
#pragma once

#include <QAbstractTableModel>

#include "catalogue/message_catalogue.h"
#include "journal/journal.h"

namespace orvane::ui {

class JournalTableModel final : public QAbstractTableModel, private journal::JournalObserver {
    Q_OBJECT

  public:
    enum Column { TimeColumn, EventColumn, DetailsColumn, ColumnCount };

    JournalTableModel(journal::Journal& journal, const catalogue::Language& language,
                      QObject* parent = nullptr);
    ~JournalTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void languageChanged();

  private:
    void aboutToAdd(bool dropsOldest) override;
    void added() override;
    void aboutToClear() override;
    void cleared() override;

    int eventRows() const;

    journal::Journal& journal_;
    const catalogue::Language& language_;
    bool oldestGone_ = false;  // between removing the oldest row and the journal's change
    bool markerShown_ = false;
};

// "2024-12-09 14:05:33": the page shows local time without its offset.
QString ShownTime(const monitor::LocalTime& time);

}  // namespace orvane::ui
