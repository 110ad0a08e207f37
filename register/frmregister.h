// frmregister: the sample register. Its records newest first with the holding flag, a search
// by sample id, site, dates and analyst, the chosen record's inputs, results and versions, and
// the roads on from a record: correct it, reprint its report, export the rows found.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "register/Record.h"
#include "shell/Form.h"
#include "shell/WindowTable.h"

class QPlainTextEdit;
class QTableView;

namespace tubewise {

namespace reg {
class RegisterStore;
}
class RegisterTableModel;

class frmregister : public Form {
    Q_OBJECT
  public:
    struct Controls {
        TextBox* txtfindsample = nullptr;
        TextBox* txtfindsite = nullptr;
        TextBox* txtfrom = nullptr;  // "YYYY-MM-DD"
        TextBox* txtto = nullptr;
        TextBox* txtfindanalyst = nullptr;
        PictureButton* cmdfind = nullptr;
        TextBox* txtlocation = nullptr;  // a SQLite file or a postgresql:// URL
        PictureButton* cmdlocation = nullptr;
        PictureButton* cmdcorrect = nullptr;
        PictureButton* cmdreprint = nullptr;
        PictureButton* cmdexport = nullptr;
        PictureButton* cmdsite = nullptr;  // the site window for the chosen record's site
        TextLabel* lblfindsample = nullptr;
        TextLabel* lblfindsite = nullptr;
        TextLabel* lblfrom = nullptr;
        TextLabel* lblto = nullptr;
        TextLabel* lblfindanalyst = nullptr;
        TextLabel* lbllocation = nullptr;
    };
    static const WindowTable<Controls>& Table();

    explicit frmregister(Session& session);
    ~frmregister() override;
    const Controls& controls() const { return controls_; }
    QTableView* table() const { return table_; }
    QPlainTextEdit* details() const { return details_; }
    const RegisterTableModel& model() const { return *model_; }

    // Shows the register at `location`, opened already (nullptr: it could not be opened, and
    // the table stays empty), with the search typed in the window.
    void ShowRegister(const QString& location, std::shared_ptr<reg::RegisterStore> store);
    // Reads the register again with the search typed (after a save, or the find button).
    void Find();
    // The search typed in the window.
    reg::RecordFilter filter() const;
    // The record of the table's current row, if any.
    std::optional<std::int64_t> chosenRecord() const;
    // The chosen record's site; without a chosen record, the site typed in the search.
    QString chosenSite() const;
    // Every record the search finds, read whole for an export.
    std::optional<std::vector<reg::RecordVersion>> Found(QString* error) const;
    std::shared_ptr<reg::RegisterStore> store() const { return store_; }

  signals:
    // The analyst asked for another register location, typed in the location box.
    void locationRequested(const QString& location);
    void correctRequested(std::int64_t record);
    void reprintRequested(std::int64_t record);
    void exportRequested();
    // The site window for a site: the chosen record's, else the one typed in the search.
    void siteRequested(const QString& site);

  protected:
    void Retranslate() override;

  private:
    void ShowDetails();
    void EnableRecordButtons();

    Controls controls_;
    QTableView* table_ = nullptr;
    QPlainTextEdit* details_ = nullptr;
    RegisterTableModel* model_ = nullptr;
    std::shared_ptr<reg::RegisterStore> store_;
};

}  // namespace tubewise
