#pragma once

#include "FingerprintReader.h"

#include <deque>

class QEventLoop;

// A reader without hardware, for the demo and the tests. A finger is a template text; it is
// presented by PresentFinger, also before Capture (it then waits on the reader, in order).
// Two templates belong to the same finger when they decode to the same, non-empty bytes.
class TSimulatedFingerprintReader : public TFingerprintReader {
public:
    // Status codes it reports.
    static constexpr quint16 WaitingForImage = 1042;
    static constexpr quint16 ImageReceived = 1038;
    static constexpr quint16 ImageGood = 1047;
    static constexpr quint16 ReadyToFillBuffer = 1039;

    TSimulatedFingerprintReader() = default;
    ~TSimulatedFingerprintReader() override;
    TSimulatedFingerprintReader(const TSimulatedFingerprintReader &) = delete;
    TSimulatedFingerprintReader &operator=(const TSimulatedFingerprintReader &) = delete;

    bool Initialise() override;
    // Forgets the last capture and the templates set for comparison; fingers already
    // presented stay on the reader.
    void ClearBuffer() override;
    // Empty at once when no device is connected or a capture already waits.
    QString Capture() override;
    bool Verify() override;
    void SetLiveTemplate(const QString &features) override { m_live = features; }
    void SetStoredTemplate(const QString &stored) override { m_stored = stored; }
    void AbortCapture() override;
    bool IsDeviceConnected() override { return m_connected; }

    void PresentFinger(const QString &templateText);
    void SetDeviceConnected(bool connected) { m_connected = connected; }
    bool Capturing() const { return m_loop != nullptr; }
    // Comparisons made so far.
    int Verifications() const { return m_verifications; }

    // Whether two templates are of the same finger, by the rule above.
    static bool SameFinger(const QString &a, const QString &b);

private:
    bool m_connected = true;
    std::deque<QString> m_presented;
    QString m_live;
    QString m_stored;
    QEventLoop *m_loop = nullptr;  // the waiting capture's
    bool m_aborted = false;
    int m_verifications = 0;
};
