#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A rich-text document of whole lines, each plain, bold, red or both, in one font.
class TRtfWriter {
public:
    void AddLine(const QString &text, bool bold = false, bool red = false);
    void Clear() { m_lines.clear(); }
    bool IsEmpty() const { return m_lines.isEmpty(); }

    QByteArray Document() const;
    // Replaces the file; false with the reason when it cannot be written.
    bool SaveToFile(const QString &fileName, QString *error = nullptr) const;

    // Text as RTF: control characters escaped, anything beyond ASCII as \u with a "?" fallback.
    static QByteArray Escaped(const QString &text);

private:
    struct TLine {
        QString text;
        bool bold;
        bool red;
    };
    QList<TLine> m_lines;
};
