#include "app/FakeWorkstation.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(Workstation, TheVolumeSerialIsWrittenAsTheRegistrationsHoldIt)
{
    const struct {
        quint32 serial;
        const char *text;
    } cases[] = {
        {0x0012ABCD, "12AB-CD"}, {0x1A2B3C4D, "1A2B-3C4D"}, {0xFFFFFFFF, "FFFF-FFFF"}, {0x00000ABC, "ABC-"}, {0x000ABCDE, "ABCD-E"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatVolumeSerial(c.serial), QString::fromLatin1(c.text)) << c.text;
}

TEST(Workstation, TheComputerNameIsTheHostNameInUpperCase)
{
    EXPECT_EQ(ComputerNameFromHost(QStringLiteral("dispatch-1")), QStringLiteral("DISPATCH-1"));
    EXPECT_EQ(ComputerNameFromHost(QString()), QString());
    EXPECT_EQ(ComputerNameFromHost(QString(252, u'a')), QString(252, u'A'));
    EXPECT_EQ(ComputerNameFromHost(QString(253, u'a')), QString()) << "a name that long was not read";
}

TEST(Workstation, TheLocalWorkstationGivesValuesOfTheRightShape)
{
    const TLocalWorkstation local;
    EXPECT_EQ(local.ComputerName(), local.ComputerName().toUpper());
    EXPECT_FALSE(local.LoginName().isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^([0-9A-F]{1,4}-[0-9A-F]{0,4}|0)$")).match(local.VolumeSerial()).hasMatch()) << local.VolumeSerial().toStdString();
}

TEST(Workstation, ATestPutsItsOwnWorkstationInPlace)
{
    {
        TFakeWorkstation fake(QStringLiteral("TILL-7"), QStringLiteral("anna"), QStringLiteral("12AB-CD"));
        EXPECT_EQ(GetComputerName(), QStringLiteral("TILL-7"));
        EXPECT_EQ(GetLoginName(), QStringLiteral("anna"));
        EXPECT_EQ(GetVolumeSerial(), QStringLiteral("12AB-CD"));
    }
    EXPECT_EQ(GetLoginName(), TLocalWorkstation().LoginName());
}
