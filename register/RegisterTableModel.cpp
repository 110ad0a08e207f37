// Pages of the register as the table view asks for them.
#include "register/RegisterTableModel.h"

#include <QColor>

#include "core/Texts.h"
#include "register/RegisterStore.h"

namespace tubewise {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

QString MpnText(const reg::RecordResults& results) {
    const QString figure = QString::number(results.gridMpnPer100Ml, 'g', 6);
    return results.gridLowerBound ? QStringLiteral(">") + figure : figure;
}

RegisterTableModel::RegisterTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void RegisterTableModel::Reset(reg::RegisterStore* store, const reg::RecordFilter& filter) {
    beginResetModel();
    store_ = store;
    filter_ = filter;
    rows_.clear();
    below_ = 0;
    done_ = store == nullptr;
    error_.clear();
    endResetModel();
}

void RegisterTableModel::Retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
    if (!rows_.empty()) emit dataChanged(index(0, Holding), index(rowCount() - 1, Holding));
}

int RegisterTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RegisterTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant RegisterTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const reg::RecordVersion& v = version(index.row());
    const bool late = reg::HoldingExceeded(v, reg::kDefaultHoldingLimitHours);
    if (role == Qt::ForegroundRole && index.column() == Holding && late) return QColor(192, 0, 0);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    switch (static_cast<Column>(index.column())) {
        case Record:
            return QString::number(v.record);
        case Version:
            return v.version;
        case SampleId:
            return Q(v.sampleId);
        case Site:
            return Q(v.site);
        case Sampled:
            return Q(v.sampledAt);
        case Received:
            return Q(v.receivedAt);
        case Analyst:
            return Q(v.analyst);
        case Mpn:
            return MpnText(v.results);
        case Holding:
            return late ? Q(text::Tr(text::kHoldingFlag)) : QString();
    }
    return {};
}

QVariant RegisterTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static constexpr const text::Text* kHeadings[kColumns] = {
        &text::kColumnRecord,   &text::kColumnVersion, &text::kColumnSampleId,
        &text::kColumnSite,     &text::kColumnSampled, &text::kColumnReceived,
        &text::kAnalystCaption, &text::kColumnMpn,     &text::kColumnHolding};
    if (section < 0 || section >= kColumns) return {};
    return Q(text::Tr(*kHeadings[section]));
}

bool RegisterTableModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !done_;
}

void RegisterTableModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || done_ || !store_) return;
    // A page the dates filter out entirely is passed over, so that the view, which asks again
    // only when rows arrive, is not left short.
    std::vector<reg::RecordVersion> page;
    while (page.empty() && !done_) {
        QString why;
        std::int64_t next = 0;
        auto read = store_->LatestPage(filter_, below_, kPage, &next, &why);
        if (!read) {
            done_ = true;
            error_ = why;
            return;
        }
        page = std::move(*read);
        below_ = next;
        done_ = next == 0;
    }
    if (page.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    for (reg::RecordVersion& v : page) rows_.push_back(std::move(v));
    endInsertRows();
}

}  // namespace tubewise
