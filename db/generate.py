#!/usr/bin/env python3
"""Writes the three schema files of db/ from one table list, so the engines cannot drift apart."""
import sys, os

# kinds: ID identity key, PKI int key, PKT text key, T text, TL long text,
# I int, B bit, F float, M money, D date-time
def c(name, kind, n=None, d=None):
    return (name, kind, n, d)

MONEY23 = ["Coupons", "Cheques", "Cash", "CrCards", "PettyCash", "GRVs", "DrvFloat",
           "FloatIssue", "Float", "Wages", "AdditBank", "TotSales", "Discounts", "OverRings",
           "NetSales", "DelivChg", "Vat", "NetoVat", "Debtors", "Difference", "CashupTotal",
           "ExcludedSales", "Gratuity"]

TABLES = []  # (name, [comment lines], [columns], [indexes])
def table(name, comments, cols, idx=()):
    TABLES.append((name, comments, cols, list(idx)))

table("Invoices", ["Order headers written by the tills. The dispatch board reads the open",
                   "deliveries and writes the driver hand-over, departure and return times."], [
    c("InvoiceNum", "ID"),
    c("OrderNum", "I"),
    c("Date", "D"),
    c("TimeDue", "D"),
    c("TimeStampCooked", "D"),
    c("TimeToDrvr", "D"),
    c("TimeStampDriver", "D"),
    c("DriverReturn", "D"),
    c("TimeAtCust", "D"),
    c("TransType", "I"),
    c("Status", "I", d=0),
    c("CustLink", "I"),
    c("CashierLink", "I"),
    c("DriverLink", "I"),
    c("Driver", "T", 20),
    c("Cashier", "T", 50),
    c("ShiftNum", "F"),
    c("Telephone", "T", 15),
    c("NotifyName", "T", 20),
    c("TableNum", "T", 10),
    c("fkTablesID", "I"),
    c("ClosedTable", "B"),
    c("Board", "B"),
    c("Completed", "B"),
    c("Account", "B"),
    c("Prepared", "T", 5),
    c("StaffMeal", "T", 50),
    c("StaffMealEmpNum", "T", 20),
    c("Comment", "T", 255),
    c("Adhoc Note", "T", 255),
    c("DscNote", "T", 100),
    c("DiscountCode", "I"),
    c("OverringCode", "I"),
    c("DiscountAuth", "T", 50),
    c("DiscountBy", "B"),
    c("DiscountInvoice", "M"),
    c("DiscountValue", "M"),
    c("DiscountPercent", "M"),
    c("DiscountLine", "M"),
    c("DiscountP", "F"),
    c("DiscountR", "M"),
    c("DiscountDelivChg", "B"),
    c("DiscAmt", "M"),
    c("LastDiscountApplied", "D"),
    c("LastDiscountAfterDisc", "M"),
    c("IsLateDelivery", "B"),
    c("DelivChg", "M"),
    c("TotalPrice", "M"),
    c("AfterDisc", "M"),
    c("ROUNDING", "F"),
    c("Vat", "M"),
    c("NetOVat", "M"),
    c("Cash", "M"),
    c("DriverCash", "M"),
    c("Cheque", "M"),
    c("Coupon", "M"),
    c("Tendered", "M"),
    c("Change", "M"),
    c("HeadCount", "I"),
    c("IsPaidOnline", "B"),
    c("CC_Amount", "M"),
    c("CC_Gratuity", "M"),
    c("CC_CCV", "I"),
    c("CC_Type", "I"),
    c("CC_ExpiryDate", "T", 4),
    c("CC_AccName", "T", 50),
    c("CC_Number", "T", 20),
    c("CouponFilename", "T", 255),
], [
    ("IX_Invoices_Unassigned", ["Status", "TransType", "TimeToDrvr"], False,
     ["Not Assigned view: open deliveries without a hand-over time."]),
    ("IX_Invoices_Assigned", ["Status", "TransType", "Date"], False,
     ["Already Assigned view: open deliveries taken in the trading day."]),
    ("IX_Invoices_Date", ["Date"], False,
     ["Newest open order date, checked against the computer clock at start."]),
    ("IX_Invoices_DriverLink", ["DriverLink"], False,
     ["A driver's orders by shift, for departure and return and delivery counts."]),
    ("IX_Invoices_CashierLink", ["CashierLink"], False, []),
    ("IX_Invoices_CustLink", ["CustLink"], False, []),
])

table("LineItem", ["Sold items of an invoice, one row per line, written by the tills."], [
    c("LineitemID", "ID"),
    c("InvoiceNum", "I"),
    c("LineNum", "I"),
    c("ParentLineNum", "I"),
    c("fkPicklistsID", "I"),
    c("Date", "D"),
    c("TimeStampCooked", "D"),
    c("Code", "T", 20),
    c("ItemDesc", "T", 50),
    c("Size", "T", 20),
    c("Quantity", "F"),
    c("Price", "M"),
    c("VatExcl", "M"),
    c("LineVatRate", "F"),
    c("LineTotal", "M"),
    c("LineDisc", "M"),
    c("InvDisc", "M"),
    c("LineCostTotal", "M"),
    c("Tag", "T", 5),
    c("Mod", "F"),
    c("DiscCode", "I"),
    c("DiscSeq", "I"),
    c("GroupID", "I"),
    c("Grouping", "I"),
    c("Status", "T", 5),
    c("PreVoid", "F"),
    c("ADCUpload", "B"),
], [
    ("IX_LineItem_Invoice", ["InvoiceNum", "LineNum"], False, []),
    ("IX_LineItem_Code", ["Code"], False, []),
])

table("Prices", ["Price-list items. Recipe is the number the production printer links use."], [
    c("Recipe", "PKI"),
    c("Code", "T", 20),
    c("CatMenuCode", "I"),
    c("fkStockLocationID", "I"),
    c("NoInvPrint", "B"),
    c("LabelDesc", "T", 50),
    c("Size", "T", 20),
], [
    ("IX_Prices_Code", ["Code"], False, []),
])

table("CatMenu", [], [
    c("CatMenuCode", "PKI"),
    c("Description", "T", 50),
    c("TransactionFontClr", "I"),
    c("TransactionIndent", "I"),
])

table("StockLocation", [], [
    c("ID", "PKI"),
    c("Description", "T", 50),
])

table("Customer", ["Customers. InvLink is the key that invoices keep in CustLink."], [
    c("InvLink", "ID"),
    c("FirstName", "T", 50),
    c("LastName", "T", 50),
    c("Telephone", "T", 15),
    c("Cell", "T", 15),
    c("Fax", "T", 15),
    c("EmailAddress", "T", 100),
    c("Flat", "T", 30),
    c("Address2", "T", 30),
    c("StreetNo", "T", 10),
    c("StreetLink", "I"),
    c("PostCode", "T", 10),
    c("PAddr1", "T", 50),
    c("PAddr2", "T", 50),
    c("PAddr3", "T", 50),
    c("PSuburb", "T", 50),
    c("PPostCode", "T", 10),
    c("Descriptn", "T", 255),
    c("Zone", "T", 10),
    c("Notes", "TL"),
    c("Reminder", "T", 255),
    c("PrevOrders", "M"),
    c("DateFirst", "D"),
    c("DateLast", "D"),
    c("Mtd", "M"),
    c("Ytd", "M"),
    c("Std", "M"),
    c("Introduced", "B"),
    c("Active", "B"),
    c("Last_Amt", "M"),
    c("Last_Disc", "M"),
    c("Hoax", "I"),
    c("NextDiscP", "F"),
    c("NextDiscR", "M"),
    c("AccountTerms", "I"),
    c("CreditLimit", "M"),
    c("AccountApproved", "B"),
    c("ReceiveSMS", "B"),
    c("ReceiveEmail", "B"),
    c("PricingLevel", "I"),
    c("Frequency", "I"),
    c("Recency", "I"),
    c("NODISCOUNTS", "B"),
], [
    ("IX_Customer_Telephone", ["Telephone"], False, []),
    ("IX_Customer_StreetLink", ["StreetLink"], False, []),
])

table("Street", ["The shop's street list: a street name in a suburb on one map grid square."], [
    c("ID", "PKI"),
    c("StreetRef", "I"),
    c("SuburbRef", "I"),
    c("GridRefLink", "I"),
], [
    ("IX_Street_StreetRef", ["StreetRef"], False, []),
    ("IX_Street_SuburbRef", ["SuburbRef"], False, []),
    ("IX_Street_GridRefLink", ["GridRefLink"], False, []),
])

table("StreetNames", [], [
    c("ID", "PKI"),
    c("Street", "T", 50),
])

table("Suburb", [], [
    c("ID", "PKI"),
    c("Suburb", "T", 50),
])

table("GridRef", ["Map grid squares, each carrying the delivery charge for its area."], [
    c("ID", "PKI"),
    c("GridRef", "T", 50),
    c("DelivChg", "M"),
])

table("COMPLAINTS", [], [
    c("FKINVOICESID", "I"),
], [
    ("IX_COMPLAINTS_FKINVOICESID", ["FKINVOICESID"], False, []),
])

table("Discount", [], [
    c("Code", "PKI"),
    c("Description", "T", 50),
])

table("Employee", ["Employees, maintained by the back office. This station only changes passwords."], [
    c("EmpNum", "PKT", 20),
    c("Category", "T", 20),
    c("FirstName", "T", 20),
    c("LastName", "T", 20),
    c("Active", "B"),
    c("Waiter", "B"),
    c("DoesDeliveries", "B"),
    c("Password", "T", 20),
    c("InvoicePassword", "T", 20),
    c("DatePasswordChanged", "D"),
    c("DateInvoicePasswordChanged", "D"),
    c("Date", "D"),
    c("DiscDate", "D"),
    c("LastWorked", "D"),
    c("Flat", "T", 30),
    c("Street", "T", 50),
    c("Suburb", "T", 50),
    c("PostCode", "T", 10),
    c("Telephone", "T", 15),
    c("Telephone2", "T", 15),
    c("HourlyRate", "M"),
    c("KmRate", "M"),
    c("KmsPrDeliv", "F"),
    c("PayRatePerDelivery", "M"),
    c("ShToDate", "F"),
    c("MtdDelAmt", "F"),
    c("MtdKms", "F"),
    c("MtdNumDel", "F"),
    c("MtdHrs", "F"),
    c("MtdTimeW", "F"),
    c("MtdTips", "M"),
    c("MtdTravelW", "F"),
    c("YtdHrs", "F"),
    c("YtdKms", "F"),
    c("YtdNumDel", "F"),
    c("YtdDelAmt", "F"),
    c("YtdTimeW", "F"),
    c("YtdTips", "M"),
    c("YtdTravelW", "F"),
    c("PctDisc", "F"),
    c("PctMax", "M"),
    c("RandDisc", "M"),
    c("ShiftDisc", "M"),
    c("MonthlyMaxSpend", "M"),
    c("MaxDiscValue", "M"),
    c("MaxDiscPct", "F"),
    c("MaxDiscValueAny", "M"),
    c("MaxDiscPctAny", "F"),
    c("KIColour", "I"),
    ("FingerPrint", "TL", None, None),
], [
    ("IX_Employee_Password", ["Password"], False,
     ["Identification looks employees up by the typed password."]),
])

table("EmpCat", [], [
    c("Category", "PKT", 20),
    c("Descriptn", "T", 50),
])

table("Permiss", ["Activity codes granted to each employee category."], [
    c("EmpCat", "T", 20),
    c("AccessCode", "T", 10),
], [
    ("IX_Permiss_EmpCat", ["EmpCat", "AccessCode"], False, []),
])

table("Attend", ["One row per shift, written at clock-in. InvoiceLink is what invoices keep",
                 "in DriverLink and CashierLink."], [
    c("InvoiceLink", "ID"),
    c("EmpNum", "T", 20),
    c("InDateTime", "D"),
    c("OutDateTime", "D"),
    c("HourlyRate", "M"),
    c("KmRate", "M"),
    c("OdoStart", "I"),
    c("OdoEnd", "I"),
    c("KmsTravlld", "F"),
    c("HrsWorked", "D"),
    c("Float", "M"),
    c("DriverCash", "M"),
    c("TotOrders", "F"),
    c("OrderCount", "F"),
    c("TimeWages", "M"),
    c("TravlWages", "M"),
    c("ExDriver", "F"),
    c("Tips", "M"),
    c("PdAlready", "M"),
    c("TotalOwed", "M"),
    c("DeliveryWages", "M"),
    c("CashedUp", "B", d=0),
    c("ClockedOut", "B", d=0),
    c("OnDelivery", "B", d=0),
], [
    ("IX_Attend_EmpNum_InDateTime", ["EmpNum", "InDateTime"], False,
     ["An employee's latest shift of the trading day."]),
])

table("Activity", ["Log of protected actions. Time keeps the time of day alone."], [
    c("Employee", "T", 20),
    c("Station", "T", 10),
    c("ActCode", "T", 10),
    c("Activity", "T", 50),
    c("Date", "D"),
    c("Time", "D"),
])

table("ActCodes", [], [
    c("ActCode", "PKT", 10),
    c("Descriptn", "T", 50),
    c("ForceLog", "B"),
    c("TempFlag", "B"),
    c("LogThis", "B"),
    c("ReqPermiss", "B"),
    c("LockedOut", "B"),
])

table("Printers", ["Suite-wide printer definitions."], [
    c("PrintersID", "ID"),
    c("Name", "T", 50),
    c("Category", "I"),
    c("Type", "I"),
    c("Model", "I"),
    c("PageLength", "I"),
    c("PageWidth", "I"),
    c("FooterHeight", "I"),
    c("PrintLateVoucher", "B"),
    c("ExtendedProductionSlip", "B"),
])

table("TillsLinkPrinters", ["Printers of a till. fkTillsID holds the Tills row key TillsID."], [
    c("TillsLinkPrintersID", "ID"),
    c("fkTillsID", "I"),
    c("fkPrintersID", "I"),
    c("Copies", "I"),
    c("Device", "T", 255),
    c("DirectToPort", "B"),
    c("ReportFileName", "T", 255),
    c("PrintLinePrices", "B"),
    c("PrintKitchenTotals", "B"),
], [
    ("IX_TillsLinkPrinters_fkTillsID", ["fkTillsID"], False, []),
    ("IX_TillsLinkPrinters_fkPrintersID", ["fkPrintersID"], False, []),
])

table("Tills", ["Workstations registered as tills, found by computer name at start-up."], [
    c("TillsID", "ID"),
    c("TillID", "I"),
    c("Computer Name", "T", 255),
    c("HD Serial", "T", 20),
    c("Login Name", "T", 255),
], [
    ("IX_Tills_ComputerName", ["Computer Name"], False, []),
    ("IX_Tills_TillID", ["TillID"], False, []),
])

table("PricesLinkPrinters", ["Production printers of a price item, by its Recipe number."], [
    c("PricesLinkPrintersID", "ID"),
    c("fkPricesID", "I"),
    c("fkPrintersID", "I"),
], [
    ("IX_PricesLinkPrinters_fkPricesID", ["fkPricesID"], False, []),
])

table("Departments", ["Code is the department key, taken from the identity on insert."], [
    c("Code", "ID"),
    c("Description", "T", 50),
])

table("TillsLinkDepartments", ["Departments enabled on a till. fkTillsID holds the till number TillID."], [
    c("TillsLinkDepartmentID", "ID"),
    c("fkTillsID", "I"),
    c("fkDepartmentID", "I"),
    c("Active", "B"),
], [
    ("IX_TillsLinkDepartments_fkTillsID", ["fkTillsID"], False, []),
])

table("SysData", ["Settings of the whole suite: class GLOBAL, MENUVERSIONS or a till number.",
                  "A blank value is stored as the one character of code 0."], [
    c("Class", "T", 50),
    c("Item", "T", 50),
    c("Value", "T", 255),
    c("Value2", "T", 255),
], [
    ("UX_SysData_Class_Item", ["Class", "Item"], True, []),
])

table("IPADDRESS", [], [
    c("Address", "T", 50),
])

table("CASHUP", ["Cash movements of a till shift, here the float paid out at clock-in."], [
    c("SHIFTNUM", "I"),
    c("DATE", "D"),
    c("CLASS", "T", 20),
    c("NUMBER", "I"),
    c("NAME", "T", 50),
    c("AMOUNT", "M"),
], [
    ("IX_CASHUP_SHIFTNUM", ["SHIFTNUM"], False, []),
])

table("TILLPOST", ["One row per till shift with its totals. FKCASHPOSTID is the daily shop cash-up."],
      [c("SHIFTNUM", "ID"), c("TILLID", "I"), c("DATE", "D"), c("TILLISACTIVE", "B"),
       c("FKCASHPOSTID", "I")] + [c(m, "M") for m in MONEY23], [
    ("IX_TILLPOST_FKCASHPOSTID", ["FKCASHPOSTID"], False, []),
    ("IX_TILLPOST_DATE", ["DATE"], False, []),
])

table("CASHPOST", ["Daily shop cash-ups. DATE is the day at 12:00."],
      [c("CASHPOSTID", "ID"), c("DATE", "D"), c("POSTED", "B", d=0)] + [c(m, "M") for m in MONEY23], [
    ("IX_CASHPOST_DATE", ["DATE"], False, []),
])

table("ReportGroup", [], [
    c("ReportGroupID", "PKI"),
    c("Description", "T", 50),
    c("Royalty", "F"),
    c("Advertising", "F"),
])


class Dialect:
    def __init__(self, kind):
        self.kind = kind

    def name(self, n):
        if self.kind == "sqlserver":
            return "[" + n + "]"
        if " " in n:
            # PostgreSQL folds unquoted names to lower case, so a quoted name is
            # kept in lower case as well and every spelling of it finds the column.
            return '"' + (n.lower() if self.kind == "postgresql" else n) + '"'
        return n

    def coltype(self, kind, n):
        k = self.kind
        if kind == "ID":
            return {"sqlite": "INTEGER PRIMARY KEY AUTOINCREMENT",
                    "postgresql": "integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY",
                    "sqlserver": "int IDENTITY(1,1) NOT NULL PRIMARY KEY"}[k]
        if kind == "PKI":
            return {"sqlite": "INTEGER NOT NULL PRIMARY KEY",
                    "postgresql": "integer NOT NULL PRIMARY KEY",
                    "sqlserver": "int NOT NULL PRIMARY KEY"}[k]
        if kind == "PKT":
            return self.coltype("T", n) + " NOT NULL PRIMARY KEY"
        if kind == "T":
            return {"sqlite": "TEXT COLLATE NOCASE", "postgresql": "citext",
                    "sqlserver": "varchar(%d)" % n}[k]
        if kind == "TL":
            return {"sqlite": "TEXT COLLATE NOCASE", "postgresql": "citext",
                    "sqlserver": "varchar(max)"}[k]
        if kind == "I":
            return {"sqlite": "INTEGER", "postgresql": "integer", "sqlserver": "int"}[k]
        if kind == "B":
            return {"sqlite": "INTEGER", "postgresql": "smallint", "sqlserver": "bit"}[k]
        if kind == "F":
            return {"sqlite": "REAL", "postgresql": "double precision", "sqlserver": "float"}[k]
        if kind == "M":
            return {"sqlite": "REAL", "postgresql": "numeric(19,4)", "sqlserver": "money"}[k]
        if kind == "D":
            return {"sqlite": "REAL", "postgresql": "timestamp(3)", "sqlserver": "datetime"}[k]
        raise ValueError(kind)

    def int_type(self):
        return {"sqlite": "INTEGER", "postgresql": "integer", "sqlserver": "int"}[self.kind]


HEADERS = {
    "sqlite": [
        "Orvik suite tables used by Trelvo, for a new embedded SQLite database.",
        "Date-times are REAL day counts from 30 December 1899, so the zero date is 0.0",
        "and day arithmetic works on the stored number. Money is REAL, four decimals.",
        "Text compares without regard to case, as the suite's server does.",
    ],
    "postgresql": [
        "Orvik suite tables used by Trelvo, for PostgreSQL.",
        "Names are left unquoted so that they fold to lower case and the statements",
        "find them whatever case they are written in. Names holding a blank are quoted",
        "in lower case, so a bracketed name is written lower-cased and double-quoted.",
        "citext keeps text comparisons case-insensitive, as the suite's server does.",
        "The zero date is 1899-12-30 00:00:00.",
    ],
    "sqlserver": [
        "Orvik suite tables used by Trelvo, for SQL Server.",
        "The zero date is 18991230. Text compares under the database's default",
        "case-insensitive collation.",
    ],
}


def render(kind):
    d = Dialect(kind)
    out = []
    for h in HEADERS[kind]:
        out.append("-- " + h)
    if kind == "postgresql":
        out.append("")
        out.append("CREATE EXTENSION IF NOT EXISTS citext;")
    out.append("-- No foreign keys: the suite's programs write these tables in their own order.")
    for tname, comments, cols, idx in TABLES:
        out.append("")
        for cm in comments:
            out.append("-- " + cm)
        out.append("CREATE TABLE %s (" % d.name(tname))
        lines = []
        width = max(len(d.name(cn)) for cn, _, _, _ in cols)
        for cn, ck, n, dflt in cols:
            s = "    %-*s %s" % (width, d.name(cn), d.coltype(ck, n))
            if dflt is not None:
                s += " DEFAULT %s" % dflt
            lines.append(s.rstrip())
        out.append(",\n".join(lines))
        out.append(");")
        for iname, icols, unique, icomments in idx:
            for cm in icomments:
                out.append("-- " + cm)
            out.append("CREATE %sINDEX %s ON %s (%s);" % (
                "UNIQUE " if unique else "", iname, d.name(tname),
                ", ".join(d.name(x) for x in icols)))
    out.append("")
    out.append("-- Written last: its row tells the program that the whole schema was created.")
    out.append("CREATE TABLE %s (%s %s);" % (d.name("TrelvoSchema"), d.name("Version"), d.int_type()))
    out.append("INSERT INTO %s (%s) VALUES (1);" % (d.name("TrelvoSchema"), d.name("Version")))
    text = "\n".join(out) + "\n"
    # format rules: ';' only at line ends, comments only as whole lines
    for line in text.splitlines():
        assert ";" not in line[:-1], line
        assert "--" not in line or line.startswith("--"), line
    return text


if __name__ == "__main__":
    outdir = sys.argv[1]
    for kind in ("sqlite", "postgresql", "sqlserver"):
        with open(os.path.join(outdir, "schema.%s.sql" % kind), "w") as f:
            f.write(render(kind))
    # columns summary for review
    for tname, _, cols, idx in TABLES:
        print(tname, len(cols))
