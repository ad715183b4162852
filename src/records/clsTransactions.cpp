#include "clsTransactions.h"

#include "app/modUtils.h"
#include "data/clsOrvikSettings.h"

namespace {

// This station takes no delivery orders of its own.
constexpr bool DeliveryTypesAllowed = false;

} // namespace

TTransaction::TTransaction(TRootCollection *collection) : TInvoice(collection)
{
    if (OrvikSettings && OrvikSettings->GlobalSettings.DayStart)
        CashierAttend.DayStart = ConfiguredDayStart();
    Payment.OnCalc = [this] { TakeFromPayment(); };
}

void TTransaction::TakeFromPayment()
{
    const TCreditCard &card = Payment.CreditCard;
    m_ccAccName = card.AccName();
    m_ccNumber = card.Number();
    m_ccType = card.CardType();
    m_ccCCV = card.CCV();
    m_ccExpiryDate = card.ExpiryDate();
    m_ccGratuity = card.Gratuity();
    m_ccAmount = card.Amount();
    m_chequeName = Payment.Cheque.Name();
    m_chequeAmount = Payment.Cheque.Amount();
    m_tendered = Payment.Tendered();
    m_change = Payment.Change();
}

void TTransaction::ResetFields()
{
    TInvoice::ResetFields();
    Customer.Clear();
    CashierAttend.Clear();
    DriverAttend.Clear();
    Payment.Reset();
    StaffMealEmployee.Clear();
    AltCustomerName.clear();
}

void TTransaction::ClearAll()
{
    Clear();  // the owned records with it
}

void TTransaction::Clone(const TRootCollectionItem &source)
{
    // The owned records first: the invoice's totals are computed from them.
    if (auto *s = dynamic_cast<const TTransaction *>(&source)) {
        Customer.Clone(s->Customer);
        CashierAttend.Clone(s->CashierAttend);
        DriverAttend.Clone(s->DriverAttend);
        StaffMealEmployee.Clone(s->StaffMealEmployee);
        Payment.Assign(s->Payment);
        Reprint = s->Reprint;
        PaidOnline = s->PaidOnline;
        AltCustomerName = s->AltCustomerName;
    }
    TInvoice::Clone(source);
}

void TTransaction::SetAdoConnection(TAdoConnection *connection)
{
    TInvoice::SetAdoConnection(connection);
    Customer.SetAdoConnection(connection);
    CashierAttend.SetAdoConnection(connection);
    DriverAttend.SetAdoConnection(connection);
    StaffMealEmployee.SetAdoConnection(connection);
    Payment.AccountCustomer.SetAdoConnection(connection);
}

QString TTransaction::GetStaffMealEmpNum() const
{
    return StaffMealEmployee.EmpNum;
}

void TTransaction::SetStaffMealEmpNum(const QString &value)
{
    TInvoice::SetStaffMealEmpNum(value);
    if (TrimBlanks(value).isEmpty())
        StaffMealEmployee.Clear();
    else
        StaffMealEmployee.LoadByEmpNum(value);
}

void TTransaction::SetAfterDisc(Currency amount)
{
    if (Mode != 2)
        SetRounding(0);
    m_afterDisc = amount - Currency::FromDouble(m_rounding);
    Payment.SetAmountDue(m_afterDisc);
}

void TTransaction::SetInvoiceNum(int value)
{
    TInvoice::SetInvoiceNum(value);
    Payment.InvoiceNum = value;
}

Currency TTransaction::GetDelivChg()
{
    if (TransType() != ttDelivery) {
        DelivChg = {};
    } else if (!Completed && !Customer.Empty() && Customer.DelivChg != DelivChg) {
        // A customer that was not found has no charge to give: the stored one stays.
        DelivChg = Customer.DelivChg;
        SetModified(true);
    }
    return TInvoice::GetDelivChg();
}

bool TTransaction::LoadByInvoiceNum(int number)
{
    ClearAll();
    if (!TInvoice::LoadByInvoiceNum(number))
        return false;
    Customer.LoadByInvLink(CustLink);
    CashierAttend.LoadByInvoiceLink(CashierLink, true);
    DriverAttend.LoadByInvoiceLink(DriverLink, false);
    // The staff-meal employee was loaded with the row (SetStaffMealEmpNum).
    return true;
}

void TTransaction::ChangeTransType(int type)
{
    if ((type == ttCollect || type == ttDelivery) && !DeliveryTypesAllowed)
        type = ttCounter;
    SetTransType(type);
    if (type == ttCounter)
        DriverAttend.Clear();
}

QString TTransaction::GetWaiterName() const
{
    if (DriverAttend.EmpNum.isEmpty())
        return QStringLiteral("<Waiter not assigned>");
    return DriverAttend.FirstName + u' ' + DriverAttend.LastName;
}

bool TTransaction::HasNewLines() const
{
    for (int i = 0; i < Lines.Count(); ++i)
        if (Lines.Items(i)->NewItem())
            return true;
    return false;
}

bool TTransaction::HasModifiedLines() const
{
    for (int i = 0; i < Lines.Count(); ++i)
        if (Lines.Items(i)->Modified())
            return true;
    return false;
}

bool TTransaction::IsModifiedOrder() const
{
    if (IsNew())
        return false;
    return Modified() || HasNewLines() || HasModifiedLines();
}
