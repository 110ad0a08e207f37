// The register window's table: the latest version of each record the search matches, newest
// first, read from the store a page at a time as the view scrolls to it, so that a register of
// any size opens at once.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <vector>

#include "register/Record.h"

namespace tubewise::reg {
class RegisterStore;
}

namespace tubewise {

class RegisterTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Record, Version, SampleId, Site, Sampled, Received, Analyst, Mpn, Holding };
    static constexpr int kColumns = Holding + 1;
    static constexpr int kPage = 256;

    explicit RegisterTableModel(QObject* parent = nullptr);

    // Starts over on `store` (not owned; nullptr shows nothing) with `filter`.
    void Reset(reg::RegisterStore* store, const reg::RecordFilter& filter);
    const reg::RecordVersion& version(int row) const {
        return rows_[static_cast<std::size_t>(row)];
    }
    // Why the last page could not be read; empty when it was.
    const QString& readError() const { return error_; }
    // The headings follow the language.
    void Retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    reg::RegisterStore* store_ = nullptr;
    reg::RecordFilter filter_;
    std::vector<reg::RecordVersion> rows_;
    std::int64_t below_ = 0;
    bool done_ = true;
    QString error_;
};

// A record's figure per 100 mL as the table and the details show it: the grid's search, marked
// ">" when it is a lower bound.
QString MpnText(const reg::RecordResults& results);

}  // namespace tubewise
