#pragma once

#include "data/AdoObjects.h"

#include <gtest/gtest.h>

// The one CASHUP row of a float paid out of a till shift on 5 March 2024.
inline void ExpectFloatIssue(TAdoConnection &con, int shiftNum, qlonglong number, const QString &name, Currency amount)
{
    TAdoQuery q(&con);
    q.SetSQL(QStringLiteral("SELECT * FROM CASHUP"));
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldByName(QStringLiteral("SHIFTNUM")).AsInteger(), shiftNum);
    EXPECT_EQ(q.FieldByName(QStringLiteral("DATE")).AsDateTime(), DateTimes::EncodeDateTime(2024, 3, 5));
    EXPECT_EQ(q.FieldByName(QStringLiteral("CLASS")).AsString(), QStringLiteral("FloatIssue"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("NUMBER")).AsInteger(), number);
    EXPECT_EQ(q.FieldByName(QStringLiteral("NAME")).AsString(), name);
    EXPECT_EQ(q.FieldByName(QStringLiteral("AMOUNT")).AsCurrency(), amount);
}
