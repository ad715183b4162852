#include "app/modTimingLog.h"
#include "data/clsOrvikSettings.h"
#include "support/EngineFixture.h"

#include <QFile>
#include <QTemporaryDir>

class TimingLogTest : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        con.Exec(QStringLiteral("INSERT INTO Tills (TillID) VALUES (7)"));
        settings.SetAdoConnection(&con);
        settings.Load(7);
        m_previous = OrvikSettings;
        OrvikSettings = &settings;
        DateTimes::SetClock([] { return DateTimes::EncodeDateTime(2024, 3, 5, 18, 30, 7) + DateTimes::EncodeTime(0, 0, 0, 250); });
    }
    void TearDown() override
    {
        DateTimes::SetClock({});
        OrvikSettings = m_previous;
        TDatabaseTest::TearDown();
    }
    void SetLogTimes(bool on) { settings.LocalSettings.LogTimes->SetAsBoolean(on); }
    QString LogFile() const { return m_dir.filePath(QStringLiteral("logs/OrvikLogging.txt")); }
    QByteArray Logged() const
    {
        QFile file(LogFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    TOrvikSettings settings;
    QTemporaryDir m_dir;

private:
    TOrvikSettings *m_previous = nullptr;
};
TRELVO_ENGINE_TEST_SUITE(TimingLogTest);

TEST_P(TimingLogTest, WithLogTimesOffNoFileIsMade)
{
    SetLogTimes(false);
    WriteTimingLog(QStringLiteral("Printed invoice 12"), LogFile());
    EXPECT_FALSE(QFile::exists(LogFile()));
}

TEST_P(TimingLogTest, WithLogTimesOnEachEntryIsALineWithItsTime)
{
    SetLogTimes(true);
    WriteTimingLog(QStringLiteral("Printed invoice 12"), LogFile());
    WriteTimingLog(QStringLiteral("Printed invoice 13"), LogFile());
    EXPECT_EQ(Logged(), QByteArray("2024-03-05 18:30:07.250 Printed invoice 12\n"
                                   "2024-03-05 18:30:07.250 Printed invoice 13\n"));
}

TEST_P(TimingLogTest, WithoutSettingsNothingIsLogged)
{
    SetLogTimes(true);
    OrvikSettings = nullptr;
    WriteTimingLog(QStringLiteral("Printed invoice 12"), LogFile());
    EXPECT_FALSE(QFile::exists(LogFile()));
}

TEST_P(TimingLogTest, AFileThatCannotBeWrittenRaisesAnInputOutputError)
{
    SetLogTimes(true);
    EXPECT_THROW(WriteTimingLog(QStringLiteral("Printed invoice 12"), m_dir.path()), EInOutError);
}

TEST(TimingLog, TheLogLivesWhereTheSuiteKeepsItsData)
{
#ifdef Q_OS_WIN
    EXPECT_EQ(TimingLogFile(), QStringLiteral("C:\\OrvikLogging.txt"));
#else
    EXPECT_EQ(TimingLogFile(), OrvikDataFolder() + QStringLiteral("/OrvikLogging.txt"));
    EXPECT_TRUE(OrvikDataFolder().endsWith(QStringLiteral("/Tessaron/Orvik")));
#endif
}
