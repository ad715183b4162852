#pragma once

#include <QString>

// Grouping by map reference runs for 20 seconds, counted down on the Group button.
class TGroupCountdown {
public:
    static constexpr int Seconds = 20;

    void Start() { m_count = 0; }
    void Stop();
    // One second passed: true while grouping still runs (the caption then counts down).
    bool Tick();
    bool Running() const { return m_count >= 0 && m_count <= Seconds; }
    int Count() const { return m_count; }  // -1 when off
    const QString &Caption() const { return m_caption; }

private:
    int m_count = -1;
    QString m_caption = DefaultCaption();
    static QString DefaultCaption() { return QStringLiteral("Group (7)"); }
};
