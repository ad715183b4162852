#include "app/RtfWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RtfWriter, LinesAreBoldRedOrPlainParagraphs)
{
    TRtfWriter writer;
    writer.AddLine(QStringLiteral("An Error Has Occurred"), true);
    writer.AddLine(QString());
    writer.AddLine(QStringLiteral("Error: boom"), true, true);
    writer.AddLine(QStringLiteral("Title: Trelvo"));
    const QByteArray rtf = writer.Document();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;}"));
    EXPECT_TRUE(rtf.contains("\\b An Error Has Occurred\\b0 \\par\n\\par\n\\b \\cf1 Error: boom\\cf0 \\b0 \\par\nTitle: Trelvo\\par\n"))
        << rtf.toStdString();
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
}

TEST(RtfWriter, TextIsEscaped)
{
    const struct {
        QString text;
        const char *rtf;
    } cases[] = {
        {QStringLiteral("C:\\Orvik\\{x}"), "C:\\\\Orvik\\\\\\{x\\}"},
        {QStringLiteral("one\rtwo"), "one\\line two"},
        {QStringLiteral("caf\u00e9"), "caf\\u233?"},
        {QStringLiteral("\u20ac5"), "\\u8364?5"},
        {QStringLiteral("\U0001F600"), "\\u-10179?\\u-8704?"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rtf);
        EXPECT_EQ(TRtfWriter::Escaped(c.text), QByteArray(c.rtf));
    }
}

TEST(RtfWriter, SavingReplacesTheFileOrGivesTheReason)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("report.rtf"));
    TRtfWriter first, second;
    first.AddLine(QStringLiteral("first"));
    second.AddLine(QStringLiteral("second"));
    ASSERT_TRUE(first.SaveToFile(fileName));
    ASSERT_TRUE(second.SaveToFile(fileName));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.contains("second") && !saved.contains("first"));

    QString reason;
    EXPECT_FALSE(first.SaveToFile(dir.filePath(QStringLiteral("missing/report.rtf")), &reason));
    EXPECT_FALSE(reason.isEmpty());
}
