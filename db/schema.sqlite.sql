-- Orvik suite tables used by Trelvo, for a new embedded SQLite database.
-- Date-times are REAL day counts from 30 December 1899, so the zero date is 0.0
-- and day arithmetic works on the stored number. Money is REAL, four decimals.
-- Text compares without regard to case, as the suite's server does.
-- No foreign keys: the suite's programs write these tables in their own order.

-- Order headers written by the tills. The dispatch board reads the open
-- deliveries and writes the driver hand-over, departure and return times.
CREATE TABLE Invoices (
    InvoiceNum            INTEGER PRIMARY KEY AUTOINCREMENT,
    OrderNum              INTEGER,
    Date                  REAL,
    TimeDue               REAL,
    TimeStampCooked       REAL,
    TimeToDrvr            REAL,
    TimeStampDriver       REAL,
    DriverReturn          REAL,
    TimeAtCust            REAL,
    TransType             INTEGER,
    Status                INTEGER DEFAULT 0,
    CustLink              INTEGER,
    CashierLink           INTEGER,
    DriverLink            INTEGER,
    Driver                TEXT COLLATE NOCASE,
    Cashier               TEXT COLLATE NOCASE,
    ShiftNum              REAL,
    Telephone             TEXT COLLATE NOCASE,
    NotifyName            TEXT COLLATE NOCASE,
    TableNum              TEXT COLLATE NOCASE,
    fkTablesID            INTEGER,
    ClosedTable           INTEGER,
    Board                 INTEGER,
    Completed             INTEGER,
    Account               INTEGER,
    Prepared              TEXT COLLATE NOCASE,
    StaffMeal             TEXT COLLATE NOCASE,
    StaffMealEmpNum       TEXT COLLATE NOCASE,
    Comment               TEXT COLLATE NOCASE,
    "Adhoc Note"          TEXT COLLATE NOCASE,
    DscNote               TEXT COLLATE NOCASE,
    DiscountCode          INTEGER,
    OverringCode          INTEGER,
    DiscountAuth          TEXT COLLATE NOCASE,
    DiscountBy            INTEGER,
    DiscountInvoice       REAL,
    DiscountValue         REAL,
    DiscountPercent       REAL,
    DiscountLine          REAL,
    DiscountP             REAL,
    DiscountR             REAL,
    DiscountDelivChg      INTEGER,
    DiscAmt               REAL,
    LastDiscountApplied   REAL,
    LastDiscountAfterDisc REAL,
    IsLateDelivery        INTEGER,
    DelivChg              REAL,
    TotalPrice            REAL,
    AfterDisc             REAL,
    ROUNDING              REAL,
    Vat                   REAL,
    NetOVat               REAL,
    Cash                  REAL,
    DriverCash            REAL,
    Cheque                REAL,
    Coupon                REAL,
    Tendered              REAL,
    Change                REAL,
    HeadCount             INTEGER,
    IsPaidOnline          INTEGER,
    CC_Amount             REAL,
    CC_Gratuity           REAL,
    CC_CCV                INTEGER,
    CC_Type               INTEGER,
    CC_ExpiryDate         TEXT COLLATE NOCASE,
    CC_AccName            TEXT COLLATE NOCASE,
    CC_Number             TEXT COLLATE NOCASE,
    CouponFilename        TEXT COLLATE NOCASE
);
-- Not Assigned view: open deliveries without a hand-over time.
CREATE INDEX IX_Invoices_Unassigned ON Invoices (Status, TransType, TimeToDrvr);
-- Already Assigned view: open deliveries taken in the trading day.
CREATE INDEX IX_Invoices_Assigned ON Invoices (Status, TransType, Date);
-- Newest open order date, checked against the computer clock at start.
CREATE INDEX IX_Invoices_Date ON Invoices (Date);
-- A driver's orders by shift, for departure and return and delivery counts.
CREATE INDEX IX_Invoices_DriverLink ON Invoices (DriverLink);
CREATE INDEX IX_Invoices_CashierLink ON Invoices (CashierLink);
CREATE INDEX IX_Invoices_CustLink ON Invoices (CustLink);

-- Sold items of an invoice, one row per line, written by the tills.
CREATE TABLE LineItem (
    LineitemID      INTEGER PRIMARY KEY AUTOINCREMENT,
    InvoiceNum      INTEGER,
    LineNum         INTEGER,
    ParentLineNum   INTEGER,
    fkPicklistsID   INTEGER,
    Date            REAL,
    TimeStampCooked REAL,
    Code            TEXT COLLATE NOCASE,
    ItemDesc        TEXT COLLATE NOCASE,
    Size            TEXT COLLATE NOCASE,
    Quantity        REAL,
    Price           REAL,
    VatExcl         REAL,
    LineVatRate     REAL,
    LineTotal       REAL,
    LineDisc        REAL,
    InvDisc         REAL,
    LineCostTotal   REAL,
    Tag             TEXT COLLATE NOCASE,
    Mod             REAL,
    DiscCode        INTEGER,
    DiscSeq         INTEGER,
    GroupID         INTEGER,
    Grouping        INTEGER,
    Status          TEXT COLLATE NOCASE,
    PreVoid         REAL,
    ADCUpload       INTEGER
);
CREATE INDEX IX_LineItem_Invoice ON LineItem (InvoiceNum, LineNum);
CREATE INDEX IX_LineItem_Code ON LineItem (Code);

-- Price-list items. Recipe is the number the production printer links use.
CREATE TABLE Prices (
    Recipe            INTEGER NOT NULL PRIMARY KEY,
    Code              TEXT COLLATE NOCASE,
    CatMenuCode       INTEGER,
    fkStockLocationID INTEGER,
    NoInvPrint        INTEGER,
    LabelDesc         TEXT COLLATE NOCASE,
    Size              TEXT COLLATE NOCASE
);
CREATE INDEX IX_Prices_Code ON Prices (Code);

CREATE TABLE CatMenu (
    CatMenuCode        INTEGER NOT NULL PRIMARY KEY,
    Description        TEXT COLLATE NOCASE,
    TransactionFontClr INTEGER,
    TransactionIndent  INTEGER
);

CREATE TABLE StockLocation (
    ID          INTEGER NOT NULL PRIMARY KEY,
    Description TEXT COLLATE NOCASE
);

-- Customers. InvLink is the key that invoices keep in CustLink.
CREATE TABLE Customer (
    InvLink         INTEGER PRIMARY KEY AUTOINCREMENT,
    FirstName       TEXT COLLATE NOCASE,
    LastName        TEXT COLLATE NOCASE,
    Telephone       TEXT COLLATE NOCASE,
    Cell            TEXT COLLATE NOCASE,
    Fax             TEXT COLLATE NOCASE,
    EmailAddress    TEXT COLLATE NOCASE,
    Flat            TEXT COLLATE NOCASE,
    Address2        TEXT COLLATE NOCASE,
    StreetNo        TEXT COLLATE NOCASE,
    StreetLink      INTEGER,
    PostCode        TEXT COLLATE NOCASE,
    PAddr1          TEXT COLLATE NOCASE,
    PAddr2          TEXT COLLATE NOCASE,
    PAddr3          TEXT COLLATE NOCASE,
    PSuburb         TEXT COLLATE NOCASE,
    PPostCode       TEXT COLLATE NOCASE,
    Descriptn       TEXT COLLATE NOCASE,
    Zone            TEXT COLLATE NOCASE,
    Notes           TEXT COLLATE NOCASE,
    Reminder        TEXT COLLATE NOCASE,
    PrevOrders      REAL,
    DateFirst       REAL,
    DateLast        REAL,
    Mtd             REAL,
    Ytd             REAL,
    Std             REAL,
    Introduced      INTEGER,
    Active          INTEGER,
    Last_Amt        REAL,
    Last_Disc       REAL,
    Hoax            INTEGER,
    NextDiscP       REAL,
    NextDiscR       REAL,
    AccountTerms    INTEGER,
    CreditLimit     REAL,
    AccountApproved INTEGER,
    ReceiveSMS      INTEGER,
    ReceiveEmail    INTEGER,
    PricingLevel    INTEGER,
    Frequency       INTEGER,
    Recency         INTEGER,
    NODISCOUNTS     INTEGER
);
CREATE INDEX IX_Customer_Telephone ON Customer (Telephone);
CREATE INDEX IX_Customer_StreetLink ON Customer (StreetLink);

-- The shop's street list: a street name in a suburb on one map grid square.
CREATE TABLE Street (
    ID          INTEGER NOT NULL PRIMARY KEY,
    StreetRef   INTEGER,
    SuburbRef   INTEGER,
    GridRefLink INTEGER
);
CREATE INDEX IX_Street_StreetRef ON Street (StreetRef);
CREATE INDEX IX_Street_SuburbRef ON Street (SuburbRef);
CREATE INDEX IX_Street_GridRefLink ON Street (GridRefLink);

CREATE TABLE StreetNames (
    ID     INTEGER NOT NULL PRIMARY KEY,
    Street TEXT COLLATE NOCASE
);

CREATE TABLE Suburb (
    ID     INTEGER NOT NULL PRIMARY KEY,
    Suburb TEXT COLLATE NOCASE
);

-- Map grid squares, each carrying the delivery charge for its area.
CREATE TABLE GridRef (
    ID       INTEGER NOT NULL PRIMARY KEY,
    GridRef  TEXT COLLATE NOCASE,
    DelivChg REAL
);

CREATE TABLE COMPLAINTS (
    FKINVOICESID INTEGER
);
CREATE INDEX IX_COMPLAINTS_FKINVOICESID ON COMPLAINTS (FKINVOICESID);

CREATE TABLE Discount (
    Code        INTEGER NOT NULL PRIMARY KEY,
    Description TEXT COLLATE NOCASE
);

-- Employees, maintained by the back office. This station only changes passwords.
CREATE TABLE Employee (
    EmpNum                     TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Category                   TEXT COLLATE NOCASE,
    FirstName                  TEXT COLLATE NOCASE,
    LastName                   TEXT COLLATE NOCASE,
    Active                     INTEGER,
    Waiter                     INTEGER,
    DoesDeliveries             INTEGER,
    Password                   TEXT COLLATE NOCASE,
    InvoicePassword            TEXT COLLATE NOCASE,
    DatePasswordChanged        REAL,
    DateInvoicePasswordChanged REAL,
    Date                       REAL,
    DiscDate                   REAL,
    LastWorked                 REAL,
    Flat                       TEXT COLLATE NOCASE,
    Street                     TEXT COLLATE NOCASE,
    Suburb                     TEXT COLLATE NOCASE,
    PostCode                   TEXT COLLATE NOCASE,
    Telephone                  TEXT COLLATE NOCASE,
    Telephone2                 TEXT COLLATE NOCASE,
    HourlyRate                 REAL,
    KmRate                     REAL,
    KmsPrDeliv                 REAL,
    PayRatePerDelivery         REAL,
    ShToDate                   REAL,
    MtdDelAmt                  REAL,
    MtdKms                     REAL,
    MtdNumDel                  REAL,
    MtdHrs                     REAL,
    MtdTimeW                   REAL,
    MtdTips                    REAL,
    MtdTravelW                 REAL,
    YtdHrs                     REAL,
    YtdKms                     REAL,
    YtdNumDel                  REAL,
    YtdDelAmt                  REAL,
    YtdTimeW                   REAL,
    YtdTips                    REAL,
    YtdTravelW                 REAL,
    PctDisc                    REAL,
    PctMax                     REAL,
    RandDisc                   REAL,
    ShiftDisc                  REAL,
    MonthlyMaxSpend            REAL,
    MaxDiscValue               REAL,
    MaxDiscPct                 REAL,
    MaxDiscValueAny            REAL,
    MaxDiscPctAny              REAL,
    KIColour                   INTEGER,
    FingerPrint                TEXT COLLATE NOCASE
);
-- Identification looks employees up by the typed password.
CREATE INDEX IX_Employee_Password ON Employee (Password);

CREATE TABLE EmpCat (
    Category  TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descriptn TEXT COLLATE NOCASE
);

-- Activity codes granted to each employee category.
CREATE TABLE Permiss (
    EmpCat     TEXT COLLATE NOCASE,
    AccessCode TEXT COLLATE NOCASE
);
CREATE INDEX IX_Permiss_EmpCat ON Permiss (EmpCat, AccessCode);

-- One row per shift, written at clock-in. InvoiceLink is what invoices keep
-- in DriverLink and CashierLink.
CREATE TABLE Attend (
    InvoiceLink   INTEGER PRIMARY KEY AUTOINCREMENT,
    EmpNum        TEXT COLLATE NOCASE,
    InDateTime    REAL,
    OutDateTime   REAL,
    HourlyRate    REAL,
    KmRate        REAL,
    OdoStart      INTEGER,
    OdoEnd        INTEGER,
    KmsTravlld    REAL,
    HrsWorked     REAL,
    Float         REAL,
    DriverCash    REAL,
    TotOrders     REAL,
    OrderCount    REAL,
    TimeWages     REAL,
    TravlWages    REAL,
    ExDriver      REAL,
    Tips          REAL,
    PdAlready     REAL,
    TotalOwed     REAL,
    DeliveryWages REAL,
    CashedUp      INTEGER DEFAULT 0,
    ClockedOut    INTEGER DEFAULT 0,
    OnDelivery    INTEGER DEFAULT 0
);
-- An employee's latest shift of the trading day.
CREATE INDEX IX_Attend_EmpNum_InDateTime ON Attend (EmpNum, InDateTime);

-- Log of protected actions. Time keeps the time of day alone.
CREATE TABLE Activity (
    Employee TEXT COLLATE NOCASE,
    Station  TEXT COLLATE NOCASE,
    ActCode  TEXT COLLATE NOCASE,
    Activity TEXT COLLATE NOCASE,
    Date     REAL,
    Time     REAL
);

CREATE TABLE ActCodes (
    ActCode    TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Descriptn  TEXT COLLATE NOCASE,
    ForceLog   INTEGER,
    TempFlag   INTEGER,
    LogThis    INTEGER,
    ReqPermiss INTEGER,
    LockedOut  INTEGER
);

-- Suite-wide printer definitions.
CREATE TABLE Printers (
    PrintersID             INTEGER PRIMARY KEY AUTOINCREMENT,
    Name                   TEXT COLLATE NOCASE,
    Category               INTEGER,
    Type                   INTEGER,
    Model                  INTEGER,
    PageLength             INTEGER,
    PageWidth              INTEGER,
    FooterHeight           INTEGER,
    PrintLateVoucher       INTEGER,
    ExtendedProductionSlip INTEGER
);

-- Printers of a till. fkTillsID holds the Tills row key TillsID.
CREATE TABLE TillsLinkPrinters (
    TillsLinkPrintersID INTEGER PRIMARY KEY AUTOINCREMENT,
    fkTillsID           INTEGER,
    fkPrintersID        INTEGER,
    Copies              INTEGER,
    Device              TEXT COLLATE NOCASE,
    DirectToPort        INTEGER,
    ReportFileName      TEXT COLLATE NOCASE,
    PrintLinePrices     INTEGER,
    PrintKitchenTotals  INTEGER
);
CREATE INDEX IX_TillsLinkPrinters_fkTillsID ON TillsLinkPrinters (fkTillsID);
CREATE INDEX IX_TillsLinkPrinters_fkPrintersID ON TillsLinkPrinters (fkPrintersID);

-- Workstations registered as tills, found by computer name at start-up.
CREATE TABLE Tills (
    TillsID         INTEGER PRIMARY KEY AUTOINCREMENT,
    TillID          INTEGER,
    "Computer Name" TEXT COLLATE NOCASE,
    "HD Serial"     TEXT COLLATE NOCASE,
    "Login Name"    TEXT COLLATE NOCASE
);
CREATE INDEX IX_Tills_ComputerName ON Tills ("Computer Name");
CREATE INDEX IX_Tills_TillID ON Tills (TillID);

-- Production printers of a price item, by its Recipe number.
CREATE TABLE PricesLinkPrinters (
    PricesLinkPrintersID INTEGER PRIMARY KEY AUTOINCREMENT,
    fkPricesID           INTEGER,
    fkPrintersID         INTEGER
);
CREATE INDEX IX_PricesLinkPrinters_fkPricesID ON PricesLinkPrinters (fkPricesID);

-- Code is the department key, taken from the identity on insert.
CREATE TABLE Departments (
    Code        INTEGER PRIMARY KEY AUTOINCREMENT,
    Description TEXT COLLATE NOCASE
);

-- Departments enabled on a till. fkTillsID holds the till number TillID.
CREATE TABLE TillsLinkDepartments (
    TillsLinkDepartmentID INTEGER PRIMARY KEY AUTOINCREMENT,
    fkTillsID             INTEGER,
    fkDepartmentID        INTEGER,
    Active                INTEGER
);
CREATE INDEX IX_TillsLinkDepartments_fkTillsID ON TillsLinkDepartments (fkTillsID);

-- Settings of the whole suite: class GLOBAL, MENUVERSIONS or a till number.
-- A blank value is stored as the one character of code 0.
CREATE TABLE SysData (
    Class  TEXT COLLATE NOCASE,
    Item   TEXT COLLATE NOCASE,
    Value  TEXT COLLATE NOCASE,
    Value2 TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX UX_SysData_Class_Item ON SysData (Class, Item);

CREATE TABLE IPADDRESS (
    Address TEXT COLLATE NOCASE
);

-- Cash movements of a till shift, here the float paid out at clock-in.
CREATE TABLE CASHUP (
    SHIFTNUM INTEGER,
    DATE     REAL,
    CLASS    TEXT COLLATE NOCASE,
    NUMBER   INTEGER,
    NAME     TEXT COLLATE NOCASE,
    AMOUNT   REAL
);
CREATE INDEX IX_CASHUP_SHIFTNUM ON CASHUP (SHIFTNUM);

-- One row per till shift with its totals. FKCASHPOSTID is the daily shop cash-up.
CREATE TABLE TILLPOST (
    SHIFTNUM      INTEGER PRIMARY KEY AUTOINCREMENT,
    TILLID        INTEGER,
    DATE          REAL,
    TILLISACTIVE  INTEGER,
    FKCASHPOSTID  INTEGER,
    Coupons       REAL,
    Cheques       REAL,
    Cash          REAL,
    CrCards       REAL,
    PettyCash     REAL,
    GRVs          REAL,
    DrvFloat      REAL,
    FloatIssue    REAL,
    Float         REAL,
    Wages         REAL,
    AdditBank     REAL,
    TotSales      REAL,
    Discounts     REAL,
    OverRings     REAL,
    NetSales      REAL,
    DelivChg      REAL,
    Vat           REAL,
    NetoVat       REAL,
    Debtors       REAL,
    Difference    REAL,
    CashupTotal   REAL,
    ExcludedSales REAL,
    Gratuity      REAL
);
CREATE INDEX IX_TILLPOST_FKCASHPOSTID ON TILLPOST (FKCASHPOSTID);
CREATE INDEX IX_TILLPOST_DATE ON TILLPOST (DATE);

-- Daily shop cash-ups. DATE is the day at 12:00.
CREATE TABLE CASHPOST (
    CASHPOSTID    INTEGER PRIMARY KEY AUTOINCREMENT,
    DATE          REAL,
    POSTED        INTEGER DEFAULT 0,
    Coupons       REAL,
    Cheques       REAL,
    Cash          REAL,
    CrCards       REAL,
    PettyCash     REAL,
    GRVs          REAL,
    DrvFloat      REAL,
    FloatIssue    REAL,
    Float         REAL,
    Wages         REAL,
    AdditBank     REAL,
    TotSales      REAL,
    Discounts     REAL,
    OverRings     REAL,
    NetSales      REAL,
    DelivChg      REAL,
    Vat           REAL,
    NetoVat       REAL,
    Debtors       REAL,
    Difference    REAL,
    CashupTotal   REAL,
    ExcludedSales REAL,
    Gratuity      REAL
);
CREATE INDEX IX_CASHPOST_DATE ON CASHPOST (DATE);

CREATE TABLE ReportGroup (
    ReportGroupID INTEGER NOT NULL PRIMARY KEY,
    Description   TEXT COLLATE NOCASE,
    Royalty       REAL,
    Advertising   REAL
);

-- Written last: its row tells the program that the whole schema was created.
CREATE TABLE TrelvoSchema (Version INTEGER);
INSERT INTO TrelvoSchema (Version) VALUES (1);
