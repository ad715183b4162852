#include "RtfWriter.h"

#include <QSaveFile>

void TRtfWriter::AddLine(const QString &text, bool bold, bool red)
{
    m_lines.append({text, bold, red});
}

QByteArray TRtfWriter::Escaped(const QString &text)
{
    QByteArray out;
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code == u'\\' || code == u'{' || code == u'}') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code == u'\n' || code == u'\r') {
            out += "\\line ";
        } else if (code == u'\t') {
            out += "\\tab ";
        } else if (code >= 0x20 && code < 0x80) {
            out += static_cast<char>(code);
        } else if (code >= 0x80) {
            // \u takes a signed 16-bit number; surrogate halves go one by one.
            out += "\\u" + QByteArray::number(static_cast<qint16>(code)) + '?';
        }
    }
    return out;
}

QByteArray TRtfWriter::Document() const
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                     "{\\colortbl ;\\red255\\green0\\blue0;}\n"
                     "\\pard\\f0\\fs20\n";
    for (const TLine &line : m_lines) {
        if (line.bold)
            rtf += "\\b ";
        if (line.red)
            rtf += "\\cf1 ";
        rtf += Escaped(line.text);
        if (line.red)
            rtf += "\\cf0 ";
        if (line.bold)
            rtf += "\\b0 ";
        rtf += "\\par\n";
    }
    rtf += "}\n";
    return rtf;
}

bool TRtfWriter::SaveToFile(const QString &fileName, QString *error) const
{
    QSaveFile file(fileName);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(Document()) >= 0 && file.commit();
    if (!saved && error)
        *error = file.errorString();
    return saved;
}
