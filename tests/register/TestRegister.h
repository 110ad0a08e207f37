// A fresh, empty register for one test, on the database this test program is built for: a
// SQLite file in a temporary folder, or (TUBEWISE_TEST_SERVER) a new database on the
// PostgreSQL server that TUBEWISE_TEST_POSTGRES_URL names. Also runs SQL on it as another
// tool would, past the program.
#pragma once

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>
#include <QVariantList>

namespace tubewise::testing {

class TestRegister {
  public:
    TestRegister() {
#ifdef TUBEWISE_TEST_SERVER
        const QString server = qEnvironmentVariable("TUBEWISE_TEST_POSTGRES_URL");
        // The server is started by the test fixture; a missing one is a failure, not a skip.
        if (server.isEmpty()) {
            ADD_FAILURE() << "TUBEWISE_TEST_POSTGRES_URL is not set: no PostgreSQL server";
            return;
        }
        database_ = QStringLiteral("tw_") + QUuid::createUuid().toString(QUuid::Id128);
        if (!Run(server, QStringLiteral("CREATE DATABASE ") + database_)) return;
        QUrl url(server);
        url.setPath(QLatin1Char('/') + database_);
        location = url.toString();
        server_ = server;
#else
        location = dir_.filePath(QStringLiteral("register.sqlite"));
#endif
    }
    ~TestRegister() {
#ifdef TUBEWISE_TEST_SERVER
        if (!database_.isEmpty())
            Run(server_, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(database_));
#endif
    }
    TestRegister(const TestRegister&) = delete;
    TestRegister& operator=(const TestRegister&) = delete;

    // Runs one statement with its bound values on its own connection; false (and a test
    // failure when `expectSuccess`) when the database refuses it.
    bool Sql(const QString& sql, const QVariantList& values = {}, bool expectSuccess = true) {
        return Run(location, sql, values, expectSuccess);
    }
    // The first column of the first row a query gives.
    QVariant Value(const QString& sql) {
        QVariant value;
        Run(location, sql, {}, true, &value);
        return value;
    }
    // Removes the database's own guard against changing or removing versions, as someone
    // tampering with the register would.
    void DropGuards() {
#ifdef TUBEWISE_TEST_SERVER
        Sql(QStringLiteral("ALTER TABLE record_versions DISABLE TRIGGER USER"));
#else
        Sql(QStringLiteral("DROP TRIGGER record_versions_no_update"));
        Sql(QStringLiteral("DROP TRIGGER record_versions_no_delete"));
#endif
    }
    // A path for a file beside the register.
    QString FilePath(const QString& name) const {
        return dir_.filePath(name);
    }

    QString location;

  private:
    static bool Run(const QString& where, const QString& sql, const QVariantList& values = {},
                    bool expectSuccess = true, QVariant* first = nullptr) {
        const QString name = QUuid::createUuid().toString();
        bool ok = false;
        {
            const bool server = where.startsWith(QStringLiteral("postgresql://"));
            QSqlDatabase db = QSqlDatabase::addDatabase(
                server ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
            if (server) {
                const QUrl url(where);
                const QString socket = QUrlQuery(url).queryItemValue(QStringLiteral("host"));
                db.setHostName(socket.isEmpty() ? url.host() : socket);
                if (url.port() > 0) db.setPort(url.port());
                db.setUserName(url.userName());
                db.setPassword(url.password());
                db.setDatabaseName(url.path().mid(1));
            } else {
                db.setDatabaseName(where);
            }
            if (db.open()) {
                QSqlQuery q(db);
                if (values.isEmpty()) {
                    // Statements such as CREATE DATABASE cannot be prepared on the server.
                    ok = q.exec(sql);
                } else {
                    q.prepare(sql);
                    for (const QVariant& v : values) q.addBindValue(v);
                    ok = q.exec();
                }
                if (ok && first && q.next()) *first = q.value(0);
                if (!ok && expectSuccess)
                    ADD_FAILURE() << sql.toStdString() << ": "
                                  << q.lastError().text().toStdString();
            } else if (expectSuccess) {
                ADD_FAILURE() << "cannot open " << where.toStdString() << ": "
                              << db.lastError().text().toStdString();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return ok;
    }

    QTemporaryDir dir_;
    QString database_;
    QString server_;
};

}  // namespace tubewise::testing
