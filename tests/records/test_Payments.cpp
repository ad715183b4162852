#include "records/Payment.h"

#include <gtest/gtest.h>

namespace {

Currency Money(const char *text)
{
    return Currency::FromString(QString::fromLatin1(text));
}

// Fixes today's date for the expiry checks.
class DateClock {
public:
    explicit DateClock(int year, int month, int day)
    {
        const TDateTime at = DateTimes::EncodeDateTime(year, month, day, 12, 0);
        DateTimes::SetClock([at] { return at; });
    }
    ~DateClock() { DateTimes::SetClock({}); }
};

} // namespace

TEST(Payment, ChangeOrOutstandingFromEveryTender)
{
    const struct {
        const char *name;
        const char *due, *cash, *card, *cheque, *debit;
        const char *change, *outstanding;
    } cases[] = {
        {"cash over the amount due gives change", "105.00", "110.00", "0", "0", "0", "5.00", "0"},
        {"cash and card short of it leave the rest outstanding", "105.00", "50.00", "40.00", "0", "0", "0", "15.00"},
        {"exact tenders leave neither", "105.00", "5.00", "50.00", "30.00", "20.00", "0", "0"},
        {"cheque and debit payment count like cash", "99.99", "0", "0", "60.00", "40.00", "0.01", "0"},
        {"nothing tendered leaves all of it outstanding", "12.3456", "0", "0", "0", "0", "0", "12.3456"},
    };
    for (const auto &c : cases) {
        TPayment payment;
        payment.SetAmountDue(Money(c.due));
        payment.SetTendered(Money(c.cash));
        payment.CreditCard.SetAmount(Money(c.card));
        payment.Cheque.SetAmount(Money(c.cheque));
        payment.DebitPayment.SetAmount(Money(c.debit));
        EXPECT_EQ(payment.Change(), Money(c.change)) << c.name;
        EXPECT_EQ(payment.Outstanding(), Money(c.outstanding)) << c.name;
    }
}

TEST(Payment, RecalculatesOnlyWhenAnAmountChanges)
{
    TPayment payment;
    int calcs = 0;
    payment.OnCalc = [&calcs] { ++calcs; };
    payment.SetAmountDue(Money("105.00"));
    payment.SetTendered(Money("110.00"));
    ASSERT_EQ(calcs, 2);
    payment.SetTendered(Money("110.00"));
    payment.SetAmountDue(Money("105.00"));
    payment.CreditCard.SetAmount(Currency());
    payment.Cheque.SetName(QString());
    EXPECT_EQ(calcs, 2) << "unchanged values raise no OnCalc";
    payment.CreditCard.SetAmount(Money("1.00"));
    payment.Cheque.SetAmount(Money("1.00"));
    EXPECT_EQ(calcs, 4);
    EXPECT_EQ(payment.Change(), Money("7.00"));
}

TEST(Payment, ChequeNotifiesOnChangeAndDebitPaymentAlways)
{
    TCheque cheque;
    TDebitPayment debit;
    int chequeNotes = 0, debitNotes = 0;
    cheque.OnDetailsChanged = [&] { ++chequeNotes; };
    debit.OnDetailsChanged = [&] { ++debitNotes; };
    for (TNamedTender *tender : {static_cast<TNamedTender *>(&cheque), static_cast<TNamedTender *>(&debit)}) {
        tender->SetName(QStringLiteral("A. Payer"));
        tender->SetName(QStringLiteral("A. Payer"));
        tender->SetAmount(Money("20.00"));
        tender->SetAmount(Money("20.00"));
    }
    EXPECT_EQ(chequeNotes, 2);
    EXPECT_EQ(debitNotes, 4);

    chequeNotes = debitNotes = 0;
    cheque.Reset();
    debit.Reset();
    EXPECT_EQ(chequeNotes, 3) << "name, amount, and once more";
    EXPECT_EQ(debitNotes, 2);
    EXPECT_TRUE(cheque.Name().isEmpty());
    EXPECT_EQ(debit.Amount(), Currency());

    TCheque other;
    other.SetName(QStringLiteral("B. Payer"));
    other.SetAmount(Money("3.00"));
    chequeNotes = 0;
    cheque.Assign(other);
    EXPECT_EQ(cheque.Name(), QStringLiteral("B. Payer"));
    EXPECT_EQ(cheque.Amount(), Money("3.00"));
    EXPECT_EQ(chequeNotes, 1);
}

TEST(CreditCard, NumberLengthByCardType)
{
    const struct {
        quint8 type;
        int length;
        bool valid;
    } cases[] = {
        {0, 16, true}, {0, 15, false}, {1, 19, true}, {2, 14, true}, {2, 13, false},
        {3, 15, true}, {3, 14, false}, {4, 16, true}, {4, 15, false}, {4, 17, false}, {255, 16, true},
    };
    for (const auto &c : cases) {
        TCreditCard card;
        card.SetCardType(c.type);
        card.SetNumber(QString(c.length, u'4'));
        EXPECT_EQ(card.NumberValid(), c.valid) << "type " << int(c.type) << ", " << c.length << " digits";
    }
}

TEST(CreditCard, ExpiryValidUntilTheFirstOfItsMonth)
{
    const struct {
        const char *name;
        const char *expiry;
        int year, month, day;  // today
        bool valid;
        int expiryMonth, expiryYear;
    } cases[] = {
        {"December 2040 on its first day", "1240", 2040, 12, 1, true, 12, 2040},
        {"December 2040 a day later", "1240", 2040, 12, 2, false, 12, 2040},
        {"December 2040 long before", "1240", 2024, 3, 5, true, 12, 2040},
        {"a year above 2040 never", "0141", 2024, 3, 5, false, 1, 2041},
        {"month 13", "1325", 2024, 3, 5, false, 13, 2025},
        {"month 0", "0025", 2024, 3, 5, false, 0, 2025},
        {"two characters", "12", 2024, 3, 5, false, 0, 0},
        {"not digits: invalid, not an error", "12AB", 2024, 3, 5, false, 0, 0},
        {"a blank in it", "1 25", 2024, 3, 5, false, 0, 0},
    };
    for (const auto &c : cases) {
        DateClock today(c.year, c.month, c.day);
        TCreditCard card;
        card.SetExpiryDate(QString::fromLatin1(c.expiry));
        EXPECT_EQ(card.ExpiryValid(), c.valid) << c.name;
        EXPECT_EQ(card.ExpiryMonth(), c.expiryMonth) << c.name;
        EXPECT_EQ(card.ExpiryYear(), c.expiryYear) << c.name;
    }
}

TEST(CreditCard, ValidatesAndNotifiesOnlyOnChange)
{
    DateClock today(2024, 3, 5);
    TCreditCard card;
    std::vector<std::pair<bool, bool>> validations;
    int details = 0;
    card.OnValidated = [&](bool number, bool expiry) { validations.emplace_back(number, expiry); };
    card.OnDetailsChanged = [&] { ++details; };

    card.SetNumber(QStringLiteral("4111111111111111"));
    card.SetExpiryDate(QStringLiteral("0926"));
    card.SetCardType(2);
    ASSERT_EQ(validations.size(), 3u);
    EXPECT_EQ(validations.back(), std::make_pair(true, true));
    EXPECT_EQ(details, 3);

    card.SetNumber(QStringLiteral("4111111111111111"));
    card.SetExpiryDate(QStringLiteral("0926"));
    card.SetCardType(2);
    card.SetAccName({});
    card.SetCCV(0);
    card.SetGratuity(Money("5.00"));
    EXPECT_EQ(validations.size(), 3u) << "unchanged values do not validate";
    EXPECT_EQ(details, 3) << "unchanged values and the gratuity do not notify";

    card.SetAccName(QStringLiteral("J SMITH"));
    card.SetCCV(123);
    card.SetAmount(Money("10.00"));
    EXPECT_EQ(details, 6);
    EXPECT_EQ(validations.size(), 3u) << "only the number, type and expiry validate";
}

TEST(CreditCard, ResetAndAssign)
{
    DateClock today(2024, 3, 5);
    TCreditCard source;
    source.SetNumber(QStringLiteral("41111111111111"));
    source.SetCardType(2);
    source.SetExpiryDate(QStringLiteral("0926"));
    source.SetAccName(QStringLiteral("J SMITH"));
    source.SetCCV(321);
    source.SetAmount(Money("40.00"));
    source.SetGratuity(Money("4.00"));

    TCreditCard card;
    int details = 0;
    card.OnDetailsChanged = [&] { ++details; };
    card.Assign(source);
    EXPECT_EQ(card.Number(), source.Number());
    EXPECT_EQ(card.CardType(), 2);
    EXPECT_EQ(card.ExpiryDate(), QStringLiteral("0926"));
    EXPECT_EQ(card.AccName(), QStringLiteral("J SMITH"));
    EXPECT_EQ(card.CCV(), 321);
    EXPECT_EQ(card.Amount(), Money("40.00"));
    EXPECT_EQ(card.Gratuity(), Money("4.00"));
    EXPECT_TRUE(card.NumberValid() && card.ExpiryValid());
    EXPECT_EQ(details, 7) << "six changed details and one at the end";

    card.Reset();
    EXPECT_TRUE(card.Number().isEmpty() && card.ExpiryDate().isEmpty() && card.AccName().isEmpty());
    EXPECT_EQ(card.CardType(), 0);
    EXPECT_EQ(card.CCV(), 0);
    EXPECT_EQ(card.Amount(), Currency());
    EXPECT_EQ(card.Gratuity(), Currency());
    EXPECT_FALSE(card.NumberValid());
}

TEST(Payment, AssignAndReset)
{
    TPayment source;
    source.SetAmountDue(Money("105.00"));
    source.SetTendered(Money("50.00"));
    source.CreditCard.SetAmount(Money("40.00"));
    source.Cheque.SetName(QStringLiteral("Cheque"));
    source.Cheque.SetAmount(Money("10.00"));
    source.DebitPayment.SetAmount(Money("1.00"));
    source.AccountCustomer.LastName = QStringLiteral("Account");

    TPayment payment;
    int calcs = 0;
    payment.OnCalc = [&calcs] { ++calcs; };
    payment.Assign(source);
    EXPECT_EQ(payment.AmountDue(), Money("105.00"));
    EXPECT_EQ(payment.Tendered(), Money("50.00"));
    EXPECT_EQ(payment.CreditCard.Amount(), Money("40.00"));
    EXPECT_EQ(payment.Cheque.Name(), QStringLiteral("Cheque"));
    EXPECT_EQ(payment.DebitPayment.Amount(), Money("1.00"));
    EXPECT_EQ(payment.AccountCustomer.LastName, QStringLiteral("Account"));
    EXPECT_EQ(payment.Outstanding(), Money("4.00"));
    EXPECT_GT(calcs, 0);

    payment.Reset();
    EXPECT_EQ(payment.AmountDue(), Currency());
    EXPECT_EQ(payment.Tendered(), Currency());
    EXPECT_EQ(payment.CreditCard.Amount(), Currency());
    EXPECT_EQ(payment.Cheque.Amount(), Currency());
    EXPECT_EQ(payment.DebitPayment.Amount(), Currency());
    EXPECT_EQ(payment.Change(), Currency());
    EXPECT_EQ(payment.Outstanding(), Currency());
}
