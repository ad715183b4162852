#pragma once

#include <QString>
#include <functional>

// A fingerprint reader as the scan window drives it. Templates are texts in the form the
// Employee table's FingerPrint column stores them.
class TFingerprintReader {
public:
    virtual ~TFingerprintReader() = default;

    virtual bool Initialise() = 0;
    virtual void ClearBuffer() = 0;
    // Waits for a finger while the event loop keeps running; the features of the finger, or
    // empty when the capture was abandoned.
    virtual QString Capture() = 0;
    // Whether the live and the stored template set last belong to the same finger.
    virtual bool Verify() = 0;
    virtual void SetLiveTemplate(const QString &features) = 0;
    virtual void SetStoredTemplate(const QString &stored) = 0;
    // Makes a waiting Capture return empty; nothing when none waits.
    virtual void AbortCapture() = 0;
    virtual bool IsDeviceConnected() = 0;

    // The reader's status codes as they arrive.
    std::function<void(quint16 status)> OnStatus;

protected:
    void ReportStatus(quint16 status) const;
};

// The text shown for a status code; "Unknown" for a code without one.
QString FingerprintStatusText(quint16 status);
