#include "SimulatedReader.h"

#include "records/clsEmployee.h"

#include <QEventLoop>

TSimulatedFingerprintReader::~TSimulatedFingerprintReader()
{
    AbortCapture();
}

bool TSimulatedFingerprintReader::Initialise()
{
    ReportStatus(ReadyToFillBuffer);
    return m_connected;
}

void TSimulatedFingerprintReader::ClearBuffer()
{
    m_live.clear();
    m_stored.clear();
}

QString TSimulatedFingerprintReader::Capture()
{
    if (!m_connected || m_loop)
        return {};
    if (m_presented.empty()) {
        ReportStatus(WaitingForImage);
        QEventLoop loop;
        m_loop = &loop;
        m_aborted = false;
        loop.exec();
        m_loop = nullptr;
        if (m_aborted || m_presented.empty())
            return {};
    }
    QString finger = m_presented.front();
    m_presented.pop_front();
    ReportStatus(ImageReceived);
    ReportStatus(ImageGood);
    return finger;
}

bool TSimulatedFingerprintReader::Verify()
{
    ++m_verifications;
    return SameFinger(m_live, m_stored);
}

void TSimulatedFingerprintReader::AbortCapture()
{
    if (!m_loop)
        return;
    m_aborted = true;
    m_loop->quit();
}

void TSimulatedFingerprintReader::PresentFinger(const QString &templateText)
{
    m_presented.push_back(templateText);
    if (m_loop)
        m_loop->quit();
}

bool TSimulatedFingerprintReader::SameFinger(const QString &a, const QString &b)
{
    const QByteArray bytes = FingerPrintText::Decode(a);
    return !bytes.isEmpty() && bytes == FingerPrintText::Decode(b);
}
