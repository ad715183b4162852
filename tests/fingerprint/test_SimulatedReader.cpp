#include "fingerprint/SimulatedReader.h"
#include "records/clsEmployee.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

const QString FingerA = FingerPrintText::Encode(QByteArrayLiteral("left thumb of A"));
const QString FingerB = FingerPrintText::Encode(QByteArrayLiteral("left thumb of B"));

// A simulated reader that keeps the status codes it reported.
struct TRecordedReader {
    TRecordedReader()
    {
        reader.OnStatus = [this](quint16 status) { statuses.push_back(status); };
    }
    TSimulatedFingerprintReader reader;
    std::vector<quint16> statuses;
};

} // namespace

TEST(FingerprintStatusText, KnownCodesHaveTheirTextTheRestAreUnknown)
{
    const struct {
        quint16 code;
        const char *text;
    } cases[] = {
        {1036, "Finger good"},     {1042, "Waiting for image"}, {1046, "Feature Bad"},
        {1052, "User verified"},   {1055, "User Declined"},     {1058, "Verify thread finished"},
        {1049, "Unknown"},         {1050, "Unknown"},           {1051, "Unknown"},
        {1054, "Unknown"},         {1035, "Unknown"},           {1059, "Unknown"},
        {0, "Unknown"},            {65535, "Unknown"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FingerprintStatusText(c.code), S(c.text)) << c.code;
}

TEST(SimulatedReader, CaptureWaitsForTheFingerWhileEventsRun)
{
    TRecordedReader r;
    bool waited = false;
    QTimer::singleShot(0, [&] {
        waited = r.reader.Capturing();
        r.reader.PresentFinger(FingerA);
    });
    EXPECT_EQ(r.reader.Capture(), FingerA);
    EXPECT_TRUE(waited);
    EXPECT_FALSE(r.reader.Capturing());
    EXPECT_EQ(r.statuses, (std::vector<quint16>{1042, 1038, 1047}));
}

TEST(SimulatedReader, AbortEndsOnlyTheCaptureThatWaits)
{
    TRecordedReader r;
    r.reader.AbortCapture();  // none waits: the next capture is not spoilt
    r.reader.PresentFinger(FingerA);
    EXPECT_EQ(r.reader.Capture(), FingerA);

    QTimer::singleShot(0, [&] { r.reader.AbortCapture(); });
    EXPECT_EQ(r.reader.Capture(), QString());
    EXPECT_FALSE(r.reader.Capturing());

    // A finger presented after an abort is kept for the next capture.
    QTimer::singleShot(0, [&] {
        r.reader.AbortCapture();
        r.reader.PresentFinger(FingerB);
    });
    EXPECT_EQ(r.reader.Capture(), QString());
    EXPECT_EQ(r.reader.Capture(), FingerB);
}

TEST(SimulatedReader, FingersPresentedEarlyWaitInTheirOrderAndSurviveClearBuffer)
{
    TRecordedReader r;
    r.reader.PresentFinger(FingerA);
    r.reader.PresentFinger(FingerB);
    r.reader.ClearBuffer();
    EXPECT_EQ(r.reader.Capture(), FingerA);
    EXPECT_EQ(r.reader.Capture(), FingerB);
    // Neither capture had to wait.
    EXPECT_EQ(r.statuses, (std::vector<quint16>{1038, 1047, 1038, 1047}));
}

TEST(SimulatedReader, NoDeviceNoCapture)
{
    TSimulatedFingerprintReader reader;
    reader.SetDeviceConnected(false);
    reader.PresentFinger(FingerA);
    EXPECT_FALSE(reader.IsDeviceConnected());
    EXPECT_EQ(reader.Capture(), QString());
    reader.SetDeviceConnected(true);
    EXPECT_EQ(reader.Capture(), FingerA);  // still on the reader
}

TEST(SimulatedReader, ASecondCaptureWhileOneWaitsGetsNothing)
{
    TSimulatedFingerprintReader reader;
    QString nested = S("not called");
    QTimer::singleShot(0, [&] {
        nested = reader.Capture();
        reader.PresentFinger(FingerB);
    });
    EXPECT_EQ(reader.Capture(), FingerB);
    EXPECT_EQ(nested, QString());
}

TEST(SimulatedReader, VerifyComparesTheDecodedTemplates)
{
    const struct {
        const char *name;
        QString live, stored;
        bool same;
    } cases[] = {
        {"the same finger", FingerA, FingerA, true},
        {"another finger", FingerA, FingerB, false},
        {"nothing stored", FingerA, QString(), false},
        {"nothing live", QString(), FingerA, false},
        {"both empty", QString(), QString(), false},
        {"text after a foreign character is no part of it", FingerA + S("*junk"), FingerA, true},
        {"a text that decodes to nothing", S("*AB"), S("*CD"), false},
    };
    TSimulatedFingerprintReader reader;
    for (const auto &c : cases) {
        reader.SetLiveTemplate(c.live);
        reader.SetStoredTemplate(c.stored);
        EXPECT_EQ(reader.Verify(), c.same) << c.name;
    }
    EXPECT_EQ(reader.Verifications(), static_cast<int>(std::size(cases)));

    reader.SetLiveTemplate(FingerA);
    reader.SetStoredTemplate(FingerA);
    reader.ClearBuffer();
    EXPECT_FALSE(reader.Verify());
}
