#pragma once

#include "data/AdoObjects.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// The engines the database tests run on: SQLite always; PostgreSQL when the test command
// gives a server in TRELVO_TEST_PG (and, under CI, even without one, so the run fails).
std::vector<TEngine> TestEngines();
std::string EngineName(const ::testing::TestParamInfo<TEngine> &info);
void PrintTo(TEngine engine, std::ostream *os);

// A fresh database with the suite's tables for each test, on the engine of the parameter.
class TDatabaseTest : public ::testing::TestWithParam<TEngine> {
protected:
    void SetUp() override;
    void TearDown() override;

    // The connection string of the fresh database.
    QString ConnectionString() const { return m_connectionString; }
    // One integer from a statement, for checks of what was written.
    qlonglong Scalar(const QString &sql);
    // Counts the statements sent on con from now on.
    void CountStatements();
    int StatementsSent() const { return m_sent; }
    QStringList SentTexts() const { return m_texts; }

    TAdoConnection con;

private:
    QString m_connectionString;
    QString m_pgDatabase;
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_sent = 0;
    QStringList m_texts;
};

#define TRELVO_ENGINE_TEST_SUITE(Suite) \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::ValuesIn(TestEngines()), EngineName)

// A PostgreSQL server given to the tests, or empty.
QString TestPostgresConnectionString();
