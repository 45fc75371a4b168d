#include "ui/window/journal_table_model.h"

#include "journal/journal_csv.h"
#include "ui/window/qt_text.h"

namespace orvane::ui {

namespace {

constexpr int HeadingRows[JournalTableModel::ColumnCount] = {
    catalogue::row::TimeColumn, catalogue::row::EventColumn, catalogue::row::DetailsColumn};

}  // namespace

QString ShownTime(const monitor::LocalTime& t) {
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                             t.minute, t.second);
}

JournalTableModel::JournalTableModel(journal::Journal& journal, const catalogue::Language& language,
                                     QObject* parent)
    : QAbstractTableModel(parent), journal_(journal), language_(language) {
    markerShown_ = journal_.dropped().has_value();
    journal_.setObserver(this);
}

JournalTableModel::~JournalTableModel() {
    journal_.setObserver(nullptr);
}

int JournalTableModel::eventRows() const {
    return static_cast<int>(journal_.size()) - (oldestGone_ ? 1 : 0);
}

int JournalTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : eventRows() + (markerShown_ ? 1 : 0);
}

int JournalTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const int row = index.row();
    if (row < eventRows()) {
        const journal::JournalEvent& event = journal_.newest(static_cast<std::size_t>(row));
        switch (index.column()) {
            case TimeColumn:
                return ShownTime(event.time);
            case EventColumn:
                return ToQString(language_.text(journal::HeadlineRowOf(event.kind)));
            default: {
                // A message of several lines reads on one; its tip keeps the lines.
                QString details = ToQString(event.details);
                if (role == Qt::DisplayRole)
                    details.replace(QLatin1Char('\n'), QLatin1Char(' '));
                return details;
            }
        }
    }
    const std::optional<journal::DroppedEvents> dropped = journal_.dropped();
    if (!dropped)
        return {};
    switch (index.column()) {
        case TimeColumn:
            return ShownTime(dropped->newestTime);
        case EventColumn:
            return ToQString(
                language_.text(journal::HeadlineRowOf(journal::EventKind::eventsDropped)));
        default:
            return QString::number(static_cast<qulonglong>(dropped->count));
    }
}

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return ToQString(language_.text(HeadingRows[section]));
}

void JournalTableModel::languageChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, EventColumn), index(rowCount() - 1, EventColumn));
}

void JournalTableModel::aboutToAdd(bool dropsOldest) {
    if (dropsOldest) {
        const int oldest = eventRows() - 1;
        beginRemoveRows({}, oldest, oldest);
        oldestGone_ = true;
        endRemoveRows();
    }
    beginInsertRows({}, 0, 0);
}

void JournalTableModel::added() {
    oldestGone_ = false;
    endInsertRows();
    if (!journal_.dropped())
        return;
    const int marker = eventRows();
    if (markerShown_) {
        emit dataChanged(index(marker, 0), index(marker, ColumnCount - 1));
        return;
    }
    beginInsertRows({}, marker, marker);
    markerShown_ = true;
    endInsertRows();
}

void JournalTableModel::aboutToClear() {
    beginResetModel();
}

void JournalTableModel::cleared() {
    markerShown_ = false;
    endResetModel();
}

}  // namespace orvane::ui
