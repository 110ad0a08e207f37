// The sample register on a database through Qt SQL: a SQLite file or a PostgreSQL server, one
// schema and one set of bound queries for both. Versions are only ever appended, each in its
// own transaction, each hashed over its content and the hash of the version before it.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "register/Record.h"

namespace tubewise::reg {

// The schema this program writes; older registers are migrated up to it when opened.
inline constexpr int kSchemaVersion = 2;

// The default register: TUBEWISE_REGISTER when set, else register.sqlite in the user's data
// folder (QStandardPaths::AppDataLocation; the application name must be set).
QString DefaultRegisterLocation();

// True for a postgresql:// (or postgres://) URL, false for a SQLite file path.
bool IsServerLocation(const QString& location);

struct VerifyOutcome {
    bool intact = true;
    std::int64_t versions = 0;  // versions checked
    std::int64_t records = 0;   // distinct records among them
    // The first version that differs, and how.
    std::int64_t badRecord = 0;
    int badVersion = 0;
    QString what;
};

class RegisterStore {
  public:
    // Opens (creating a SQLite file and its folder when missing) and migrates the register to
    // `schemaVersion` (older versions serve the migration tests); nullptr with *error set when
    // it cannot be opened, read or migrated.
    static std::unique_ptr<RegisterStore> Open(const QString& location, QString* error,
                                               int schemaVersion = kSchemaVersion);
    ~RegisterStore();
    RegisterStore(const RegisterStore&) = delete;
    RegisterStore& operator=(const RegisterStore&) = delete;

    QString Location() const { return location_; }
    int SchemaVersion() const { return schema_; }

    // Appends version 1 of a new record; the register gives its number. Returns the version
    // as stored, or nullopt with *error set (the register is then as it was).
    std::optional<RecordVersion> Add(RecordVersion draft, QString* error);
    // Appends a new record for each draft, all in one transaction (an import): all or none.
    std::optional<std::vector<RecordVersion>> AddAll(std::vector<RecordVersion> drafts,
                                                     QString* error);
    // Appends the next version of `record`; `draft.reason` must not be empty.
    std::optional<RecordVersion> Amend(std::int64_t record, RecordVersion draft, QString* error);

    // The latest version of every record, by record number.
    std::optional<std::vector<RecordVersion>> Latest(QString* error);
    // The same, handed one at a time to `visit` (which returns false to stop), so that a
    // listing of the whole register never holds it all at once.
    using Visitor = std::function<bool(const RecordVersion&)>;
    bool VisitLatest(const Visitor& visit, QString* error);
    // Up to `limit` latest versions that `filter` matches, newest record first, among the
    // records numbered below `below` (0: from the newest). A window reads the register a page at
    // a time this way, never the whole of it; `*next` is the `below` of the next page, 0 after
    // the last. Site, sample and analyst are asked of the database, the dates of each version.
    std::optional<std::vector<RecordVersion>> LatestPage(const RecordFilter& filter,
                                                         std::int64_t below, int limit,
                                                         std::int64_t* next, QString* error);
    // Every latest version that `filter` matches, newest record first, read page by page.
    std::optional<std::vector<RecordVersion>> LatestMatching(const RecordFilter& filter,
                                                             QString* error);
    // The sites of the records' latest versions, each once, sorted byte by byte; records
    // without a site left out. A site's records are then LatestPage's with the site as filter.
    std::optional<std::vector<std::string>> Sites(QString* error);
    // Every version of one record, oldest first; empty when there is no such record.
    std::optional<std::vector<RecordVersion>> History(std::int64_t record, QString* error);
    // Every version in the order they were written.
    std::optional<std::vector<RecordVersion>> AllVersions(QString* error);

    // Recomputes the chain, compares each version's columns with its hashed content, and its
    // results with those the inputs give now. `what` empty and intact false: not readable.
    VerifyOutcome Verify();

    // A consistent copy, taken in one read transaction while others may write, into a new
    // SQLite register at `path` (written beside it and renamed over it once complete).
    bool Backup(const QString& path, QString* error);

  private:
    RegisterStore(QString location, QString connection);
    bool Migrate(int target, QString* error);
    bool BeginWrite(QString* error);
    bool Commit(QString* error);
    void Rollback();
    std::optional<RecordVersion> Append(std::int64_t record, int version, RecordVersion draft,
                                        QString* error);
    QSqlDatabase Db() const;

    QString location_;
    QString connection_;
    bool server_ = false;
    int schema_ = 0;
};

}  // namespace tubewise::reg
