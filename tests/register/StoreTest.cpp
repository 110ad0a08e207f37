// The register's store on a real database: appending and reading versions, the guards of the
// schema, verify against tampering, migration, concurrent writers and the backup copy.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <thread>
#include <variant>

#include "register/RecordCompute.h"
#include "register/RegisterStore.h"
#include "tests/register/TestRegister.h"

namespace tubewise::reg {
namespace {

using testing::TestRegister;

RecordVersion Draft(const std::string& sample, const std::string& site,
                    std::vector<GridRowTexts> rows) {
    RecordVersion v;
    v.sampleId = sample;
    v.site = site;
    v.sampledAt = "2026-11-30 08:00";
    v.receivedAt = "2026-12-01 16:00";
    v.analyst = "Sara";
    v.inputs.rows = std::move(rows);
    v.results = std::get<RecordResults>(ComputeResults(v.inputs));
    v.programVersion = "test";
    v.savedAt = "2026-12-01T16:05:00.000Z";
    v.savedBy = "sara";
    return v;
}

RecordVersion Example(const std::string& sample, const std::string& site = "Well A") {
    return Draft(sample, site, {{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}});
}

std::unique_ptr<RegisterStore> Open(const TestRegister& reg, int schema = kSchemaVersion) {
    QString error;
    auto store = RegisterStore::Open(reg.location, &error, schema);
    EXPECT_TRUE(store) << error.toStdString();
    return store;
}

TEST(RegisterStore, AddAmendListAndHistory) {
    TestRegister reg;
    auto store = Open(reg);
    ASSERT_TRUE(store);
    QString error;
    const auto first = store->Add(Example("S1"), &error);
    const auto second = store->Add(Example("S2", "Well B"), &error);
    ASSERT_TRUE(first && second) << error.toStdString();
    EXPECT_EQ(first->record, 1);
    EXPECT_EQ(second->record, 2);
    EXPECT_EQ(first->version, 1);

    RecordVersion fix =
        Draft("S1", "Well A", {{"10", "5", "0"}, {"1", "4", "1"}, {"0.1", "0", "5"}});
    fix.reason = "tube 2 of the 1 mL row re-read";
    const auto amended = store->Amend(1, fix, &error);
    ASSERT_TRUE(amended) << error.toStdString();
    EXPECT_EQ(amended->version, 2);

    const auto latest = store->Latest(&error);
    ASSERT_TRUE(latest) << error.toStdString();
    ASSERT_EQ(latest->size(), 2u);
    EXPECT_EQ((*latest)[0], *amended);  // every field and figure back exactly
    EXPECT_EQ((*latest)[1], *second);

    const auto history = store->History(1, &error);
    ASSERT_TRUE(history);
    ASSERT_EQ(history->size(), 2u);
    EXPECT_EQ((*history)[0], *first);  // the original stays readable as it was
    EXPECT_EQ((*history)[1].reason, fix.reason);
    EXPECT_NE((*history)[0].results, (*history)[1].results);
    EXPECT_TRUE(store->History(3, &error)->empty());
}

// The site window offers the sites of the latest versions: a corrected site replaces the old
// one, a record without a site offers none, and each site comes once.
TEST(RegisterStore, SitesAreThoseOfTheLatestVersions) {
    TestRegister reg;
    auto store = Open(reg);
    ASSERT_TRUE(store);
    QString error;
    for (const auto& [sample, site] :
         {std::pair{"S1", "Well B"}, {"S2", "River 2"}, {"S3", ""}, {"S4", "Well B"}})
        ASSERT_TRUE(store->Add(Example(sample, site), &error)) << error.toStdString();
    RecordVersion moved = Example("S2", "Zulu weir");
    moved.reason = "site mistyped";
    ASSERT_TRUE(store->Amend(2, moved, &error)) << error.toStdString();
    const auto sites = store->Sites(&error);
    ASSERT_TRUE(sites) << error.toStdString();
    EXPECT_EQ(*sites, (std::vector<std::string>{"Well B", "Zulu weir"}));
}

TEST(RegisterStore, RefusedCorrectionsAddNothing) {
    TestRegister reg;
    auto store = Open(reg);
    ASSERT_TRUE(store);
    QString error;
    ASSERT_TRUE(store->Add(Example("S1"), &error));
    EXPECT_FALSE(store->Amend(1, Example("S1"), &error));  // no reason
    error.clear();
    RecordVersion noRecord = Example("S9");
    noRecord.reason = "typo";
    EXPECT_FALSE(store->Amend(9, noRecord, &error));
    EXPECT_NE(error.indexOf(QStringLiteral("no record 9")), -1) << error.toStdString();
    EXPECT_EQ(store->AllVersions(&error)->size(), 1u);
    EXPECT_TRUE(store->Verify().intact);
}

TEST(RegisterStore, TheDatabaseRefusesToChangeOrRemoveAVersion) {
    TestRegister reg;
    auto store = Open(reg);
    ASSERT_TRUE(store);
    QString error;
    ASSERT_TRUE(store->Add(Example("S1"), &error));
    EXPECT_FALSE(reg.Sql(QStringLiteral("UPDATE record_versions SET site = 'X'"), {}, false));
    EXPECT_FALSE(reg.Sql(QStringLiteral("DELETE FROM record_versions"), {}, false));
    EXPECT_EQ(store->Latest(&error)->front().site, "Well A");
}

TEST(RegisterStore, EmptyRegisterVerifies) {
    TestRegister reg;
    auto store = Open(reg);
    ASSERT_TRUE(store);
    const VerifyOutcome outcome = store->Verify();
    EXPECT_TRUE(outcome.intact);
    EXPECT_EQ(outcome.versions, 0);
}

// Records 1, 2, 3, then record 2 corrected: versions in the order 1/1, 2/1, 3/1, 2/2.
void FillForTampering(RegisterStore& store) {
    QString error;
    ASSERT_TRUE(store.Add(Example("S1"), &error));
    ASSERT_TRUE(store.Add(Example("S2", "Well B"), &error));
    ASSERT_TRUE(store.Add(Example("S3"), &error));
    RecordVersion fix = Example("S2", "Well C");
    fix.reason = "wrong site";
    ASSERT_TRUE(store.Amend(2, fix, &error)) << error.toStdString();
}

TEST(RegisterStore, VerifyNamesTheFirstVersionThatDiffers) {
    struct Case {
        const char* name;
        std::function<void(TestRegister&, RegisterStore&)> tamper;
        std::int64_t record;
        int version;
        const char* what;
    };
    const Case cases[] = {
        {"a stored figure edited",
         [](TestRegister& reg, RegisterStore&) {
             reg.Sql(
                 QStringLiteral("UPDATE record_versions SET grid_mpn_per_100ml = 1 "
                                "WHERE record = 3"));
         },
         3, 1, "stored values"},
        {"a field edited together with the hashed content",
         [](TestRegister& reg, RegisterStore&) {
             reg.Sql(
                 QStringLiteral("UPDATE record_versions SET site = 'Well X', content = "
                                "REPLACE(content, 'site=Well B', 'site=Well X') "
                                "WHERE record = 2 AND version = 1"));
         },
         2, 1, "hash"},
        {"a version removed",
         [](TestRegister& reg, RegisterStore&) {
             reg.Sql(QStringLiteral("DELETE FROM record_versions WHERE record = 1"));
         },
         2, 1, "chain"},
        {"a result forged with a fresh hash",
         [](TestRegister& reg, RegisterStore& store) {
             QString error;
             RecordVersion forged = store.History(2, &error)->back();
             forged.results.gridMpnPer100Ml = 20;
             const QByteArray content = QByteArray::fromStdString(CanonicalText(forged));
             // The forger knows the hash rule: the previous hash, a line end, the content.
             const QByteArray previous =
                 reg.Value(QStringLiteral("SELECT prev_hash FROM record_versions "
                                          "WHERE record = 2 AND version = 2"))
                     .toString()
                     .toLatin1();
             const QByteArray hash =
                 QCryptographicHash::hash(previous + '\n' + content, QCryptographicHash::Sha256)
                     .toHex();
             reg.Sql(QStringLiteral("UPDATE record_versions SET grid_mpn_per_100ml = 20, "
                                    "content = ?, hash = ? WHERE record = 2 AND version = 2"),
                     {QString::fromUtf8(content), QString::fromLatin1(hash)});
         },
         2, 2, "results"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestRegister reg;
        auto store = Open(reg);
        ASSERT_TRUE(store);
        FillForTampering(*store);
        ASSERT_TRUE(store->Verify().intact);
        reg.DropGuards();
        c.tamper(reg, *store);
        const VerifyOutcome outcome = store->Verify();
        EXPECT_FALSE(outcome.intact);
        EXPECT_EQ(outcome.badRecord, c.record);
        EXPECT_EQ(outcome.badVersion, c.version);
        EXPECT_NE(outcome.what.indexOf(QLatin1String(c.what)), -1) << outcome.what.toStdString();
    }
}

TEST(RegisterStore, MigratesAnOlderRegisterKeepingItsRecords) {
    TestRegister reg;
    QString error;
    {
        auto old = Open(reg, 1);
        ASSERT_TRUE(old);
        EXPECT_EQ(old->SchemaVersion(), 1);
        ASSERT_TRUE(old->Add(Example("S1"), &error));
        ASSERT_TRUE(old->Add(Example("S2"), &error));
        // Version 1 had no guard in the database itself.
        EXPECT_TRUE(reg.Sql(QStringLiteral("UPDATE record_versions SET analyst = analyst")));
    }
    auto store = Open(reg);
    ASSERT_TRUE(store);
    EXPECT_EQ(store->SchemaVersion(), kSchemaVersion);
    const VerifyOutcome outcome = store->Verify();
    EXPECT_TRUE(outcome.intact) << outcome.what.toStdString();
    EXPECT_EQ(outcome.records, 2);
    EXPECT_FALSE(reg.Sql(QStringLiteral("UPDATE record_versions SET analyst = 'X'"), {}, false));
    ASSERT_TRUE(store->Add(Example("S3"), &error));
    EXPECT_EQ(store->Latest(&error)->back().record, 3);
}

TEST(RegisterStore, ARegisterFromANewerProgramIsNotOpened) {
    TestRegister reg;
    ASSERT_TRUE(Open(reg));
    reg.Sql(QStringLiteral("INSERT INTO schema_migrations (version, applied_at) VALUES (99, 'x')"));
    QString error;
    EXPECT_FALSE(RegisterStore::Open(reg.location, &error));
    EXPECT_NE(error.indexOf(QStringLiteral("newer")), -1) << error.toStdString();
}

TEST(RegisterStore, WritersAtOnceAllSucceed) {
    TestRegister reg;
    ASSERT_TRUE(Open(reg));
    constexpr int kWriters = 3;
    constexpr int kEach = 15;
    std::vector<std::thread> writers;
    std::vector<int> added(kWriters, 0);
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            QString error;
            auto store = RegisterStore::Open(reg.location, &error);
            if (!store) return;
            for (int i = 0; i < kEach; ++i)
                if (store->Add(Example("W" + std::to_string(w)), &error)) ++added[w];
        });
    }
    for (std::thread& t : writers) t.join();
    for (int w = 0; w < kWriters; ++w) EXPECT_EQ(added[w], kEach) << "writer " << w;
    auto store = Open(reg);
    QString error;
    const auto latest = store->Latest(&error);
    ASSERT_EQ(latest->size(), static_cast<std::size_t>(kWriters * kEach));
    for (std::size_t i = 0; i < latest->size(); ++i)
        EXPECT_EQ((*latest)[i].record, static_cast<std::int64_t>(i + 1));
    EXPECT_TRUE(store->Verify().intact);
}

TEST(RegisterStore, BackupIsAWholeRegisterOfItsOwn) {
    TestRegister reg;
    auto store = Open(reg);
    ASSERT_TRUE(store);
    FillForTampering(*store);
    QString error;
    const QString copyPath = reg.FilePath(QStringLiteral("copy.sqlite"));
    ASSERT_TRUE(store->Backup(copyPath, &error)) << error.toStdString();
    // A second backup replaces the first.
    ASSERT_TRUE(store->Add(Example("S4"), &error));
    ASSERT_TRUE(store->Backup(copyPath, &error)) << error.toStdString();
    auto copy = RegisterStore::Open(copyPath, &error);
    ASSERT_TRUE(copy) << error.toStdString();
    EXPECT_EQ(*copy->AllVersions(&error), *store->AllVersions(&error));
    const VerifyOutcome outcome = copy->Verify();
    EXPECT_TRUE(outcome.intact) << outcome.what.toStdString();
    EXPECT_EQ(outcome.versions, 5);
}

}  // namespace
}  // namespace tubewise::reg
