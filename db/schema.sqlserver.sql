-- Orvik suite tables used by Trelvo, for SQL Server.
-- The zero date is 18991230. Text compares under the database's default
-- case-insensitive collation.
-- No foreign keys: the suite's programs write these tables in their own order.

-- Order headers written by the tills. The dispatch board reads the open
-- deliveries and writes the driver hand-over, departure and return times.
CREATE TABLE [Invoices] (
    [InvoiceNum]            int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [OrderNum]              int,
    [Date]                  datetime,
    [TimeDue]               datetime,
    [TimeStampCooked]       datetime,
    [TimeToDrvr]            datetime,
    [TimeStampDriver]       datetime,
    [DriverReturn]          datetime,
    [TimeAtCust]            datetime,
    [TransType]             int,
    [Status]                int DEFAULT 0,
    [CustLink]              int,
    [CashierLink]           int,
    [DriverLink]            int,
    [Driver]                varchar(20),
    [Cashier]               varchar(50),
    [ShiftNum]              float,
    [Telephone]             varchar(15),
    [NotifyName]            varchar(20),
    [TableNum]              varchar(10),
    [fkTablesID]            int,
    [ClosedTable]           bit,
    [Board]                 bit,
    [Completed]             bit,
    [Account]               bit,
    [Prepared]              varchar(5),
    [StaffMeal]             varchar(50),
    [StaffMealEmpNum]       varchar(20),
    [Comment]               varchar(255),
    [Adhoc Note]            varchar(255),
    [DscNote]               varchar(100),
    [DiscountCode]          int,
    [OverringCode]          int,
    [DiscountAuth]          varchar(50),
    [DiscountBy]            bit,
    [DiscountInvoice]       money,
    [DiscountValue]         money,
    [DiscountPercent]       money,
    [DiscountLine]          money,
    [DiscountP]             float,
    [DiscountR]             money,
    [DiscountDelivChg]      bit,
    [DiscAmt]               money,
    [LastDiscountApplied]   datetime,
    [LastDiscountAfterDisc] money,
    [IsLateDelivery]        bit,
    [DelivChg]              money,
    [TotalPrice]            money,
    [AfterDisc]             money,
    [ROUNDING]              float,
    [Vat]                   money,
    [NetOVat]               money,
    [Cash]                  money,
    [DriverCash]            money,
    [Cheque]                money,
    [Coupon]                money,
    [Tendered]              money,
    [Change]                money,
    [HeadCount]             int,
    [IsPaidOnline]          bit,
    [CC_Amount]             money,
    [CC_Gratuity]           money,
    [CC_CCV]                int,
    [CC_Type]               int,
    [CC_ExpiryDate]         varchar(4),
    [CC_AccName]            varchar(50),
    [CC_Number]             varchar(20),
    [CouponFilename]        varchar(255)
);
-- Not Assigned view: open deliveries without a hand-over time.
CREATE INDEX IX_Invoices_Unassigned ON [Invoices] ([Status], [TransType], [TimeToDrvr]);
-- Already Assigned view: open deliveries taken in the trading day.
CREATE INDEX IX_Invoices_Assigned ON [Invoices] ([Status], [TransType], [Date]);
-- Newest open order date, checked against the computer clock at start.
CREATE INDEX IX_Invoices_Date ON [Invoices] ([Date]);
-- A driver's orders by shift, for departure and return and delivery counts.
CREATE INDEX IX_Invoices_DriverLink ON [Invoices] ([DriverLink]);
CREATE INDEX IX_Invoices_CashierLink ON [Invoices] ([CashierLink]);
CREATE INDEX IX_Invoices_CustLink ON [Invoices] ([CustLink]);

-- Sold items of an invoice, one row per line, written by the tills.
CREATE TABLE [LineItem] (
    [LineitemID]      int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [InvoiceNum]      int,
    [LineNum]         int,
    [ParentLineNum]   int,
    [fkPicklistsID]   int,
    [Date]            datetime,
    [TimeStampCooked] datetime,
    [Code]            varchar(20),
    [ItemDesc]        varchar(50),
    [Size]            varchar(20),
    [Quantity]        float,
    [Price]           money,
    [VatExcl]         money,
    [LineVatRate]     float,
    [LineTotal]       money,
    [LineDisc]        money,
    [InvDisc]         money,
    [LineCostTotal]   money,
    [Tag]             varchar(5),
    [Mod]             float,
    [DiscCode]        int,
    [DiscSeq]         int,
    [GroupID]         int,
    [Grouping]        int,
    [Status]          varchar(5),
    [PreVoid]         float,
    [ADCUpload]       bit
);
CREATE INDEX IX_LineItem_Invoice ON [LineItem] ([InvoiceNum], [LineNum]);
CREATE INDEX IX_LineItem_Code ON [LineItem] ([Code]);

-- Price-list items. Recipe is the number the production printer links use.
CREATE TABLE [Prices] (
    [Recipe]            int NOT NULL PRIMARY KEY,
    [Code]              varchar(20),
    [CatMenuCode]       int,
    [fkStockLocationID] int,
    [NoInvPrint]        bit,
    [LabelDesc]         varchar(50),
    [Size]              varchar(20)
);
CREATE INDEX IX_Prices_Code ON [Prices] ([Code]);

CREATE TABLE [CatMenu] (
    [CatMenuCode]        int NOT NULL PRIMARY KEY,
    [Description]        varchar(50),
    [TransactionFontClr] int,
    [TransactionIndent]  int
);

CREATE TABLE [StockLocation] (
    [ID]          int NOT NULL PRIMARY KEY,
    [Description] varchar(50)
);

-- Customers. InvLink is the key that invoices keep in CustLink.
CREATE TABLE [Customer] (
    [InvLink]         int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [FirstName]       varchar(50),
    [LastName]        varchar(50),
    [Telephone]       varchar(15),
    [Cell]            varchar(15),
    [Fax]             varchar(15),
    [EmailAddress]    varchar(100),
    [Flat]            varchar(30),
    [Address2]        varchar(30),
    [StreetNo]        varchar(10),
    [StreetLink]      int,
    [PostCode]        varchar(10),
    [PAddr1]          varchar(50),
    [PAddr2]          varchar(50),
    [PAddr3]          varchar(50),
    [PSuburb]         varchar(50),
    [PPostCode]       varchar(10),
    [Descriptn]       varchar(255),
    [Zone]            varchar(10),
    [Notes]           varchar(max),
    [Reminder]        varchar(255),
    [PrevOrders]      money,
    [DateFirst]       datetime,
    [DateLast]        datetime,
    [Mtd]             money,
    [Ytd]             money,
    [Std]             money,
    [Introduced]      bit,
    [Active]          bit,
    [Last_Amt]        money,
    [Last_Disc]       money,
    [Hoax]            int,
    [NextDiscP]       float,
    [NextDiscR]       money,
    [AccountTerms]    int,
    [CreditLimit]     money,
    [AccountApproved] bit,
    [ReceiveSMS]      bit,
    [ReceiveEmail]    bit,
    [PricingLevel]    int,
    [Frequency]       int,
    [Recency]         int,
    [NODISCOUNTS]     bit
);
CREATE INDEX IX_Customer_Telephone ON [Customer] ([Telephone]);
CREATE INDEX IX_Customer_StreetLink ON [Customer] ([StreetLink]);

-- The shop's street list: a street name in a suburb on one map grid square.
CREATE TABLE [Street] (
    [ID]          int NOT NULL PRIMARY KEY,
    [StreetRef]   int,
    [SuburbRef]   int,
    [GridRefLink] int
);
CREATE INDEX IX_Street_StreetRef ON [Street] ([StreetRef]);
CREATE INDEX IX_Street_SuburbRef ON [Street] ([SuburbRef]);
CREATE INDEX IX_Street_GridRefLink ON [Street] ([GridRefLink]);

CREATE TABLE [StreetNames] (
    [ID]     int NOT NULL PRIMARY KEY,
    [Street] varchar(50)
);

CREATE TABLE [Suburb] (
    [ID]     int NOT NULL PRIMARY KEY,
    [Suburb] varchar(50)
);

-- Map grid squares, each carrying the delivery charge for its area.
CREATE TABLE [GridRef] (
    [ID]       int NOT NULL PRIMARY KEY,
    [GridRef]  varchar(50),
    [DelivChg] money
);

CREATE TABLE [COMPLAINTS] (
    [FKINVOICESID] int
);
CREATE INDEX IX_COMPLAINTS_FKINVOICESID ON [COMPLAINTS] ([FKINVOICESID]);

CREATE TABLE [Discount] (
    [Code]        int NOT NULL PRIMARY KEY,
    [Description] varchar(50)
);

-- Employees, maintained by the back office. This station only changes passwords.
CREATE TABLE [Employee] (
    [EmpNum]                     varchar(20) NOT NULL PRIMARY KEY,
    [Category]                   varchar(20),
    [FirstName]                  varchar(20),
    [LastName]                   varchar(20),
    [Active]                     bit,
    [Waiter]                     bit,
    [DoesDeliveries]             bit,
    [Password]                   varchar(20),
    [InvoicePassword]            varchar(20),
    [DatePasswordChanged]        datetime,
    [DateInvoicePasswordChanged] datetime,
    [Date]                       datetime,
    [DiscDate]                   datetime,
    [LastWorked]                 datetime,
    [Flat]                       varchar(30),
    [Street]                     varchar(50),
    [Suburb]                     varchar(50),
    [PostCode]                   varchar(10),
    [Telephone]                  varchar(15),
    [Telephone2]                 varchar(15),
    [HourlyRate]                 money,
    [KmRate]                     money,
    [KmsPrDeliv]                 float,
    [PayRatePerDelivery]         money,
    [ShToDate]                   float,
    [MtdDelAmt]                  float,
    [MtdKms]                     float,
    [MtdNumDel]                  float,
    [MtdHrs]                     float,
    [MtdTimeW]                   float,
    [MtdTips]                    money,
    [MtdTravelW]                 float,
    [YtdHrs]                     float,
    [YtdKms]                     float,
    [YtdNumDel]                  float,
    [YtdDelAmt]                  float,
    [YtdTimeW]                   float,
    [YtdTips]                    money,
    [YtdTravelW]                 float,
    [PctDisc]                    float,
    [PctMax]                     money,
    [RandDisc]                   money,
    [ShiftDisc]                  money,
    [MonthlyMaxSpend]            money,
    [MaxDiscValue]               money,
    [MaxDiscPct]                 float,
    [MaxDiscValueAny]            money,
    [MaxDiscPctAny]              float,
    [KIColour]                   int,
    [FingerPrint]                varchar(max)
);
-- Identification looks employees up by the typed password.
CREATE INDEX IX_Employee_Password ON [Employee] ([Password]);

CREATE TABLE [EmpCat] (
    [Category]  varchar(20) NOT NULL PRIMARY KEY,
    [Descriptn] varchar(50)
);

-- Activity codes granted to each employee category.
CREATE TABLE [Permiss] (
    [EmpCat]     varchar(20),
    [AccessCode] varchar(10)
);
CREATE INDEX IX_Permiss_EmpCat ON [Permiss] ([EmpCat], [AccessCode]);

-- One row per shift, written at clock-in. InvoiceLink is what invoices keep
-- in DriverLink and CashierLink.
CREATE TABLE [Attend] (
    [InvoiceLink]   int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [EmpNum]        varchar(20),
    [InDateTime]    datetime,
    [OutDateTime]   datetime,
    [HourlyRate]    money,
    [KmRate]        money,
    [OdoStart]      int,
    [OdoEnd]        int,
    [KmsTravlld]    float,
    [HrsWorked]     datetime,
    [Float]         money,
    [DriverCash]    money,
    [TotOrders]     float,
    [OrderCount]    float,
    [TimeWages]     money,
    [TravlWages]    money,
    [ExDriver]      float,
    [Tips]          money,
    [PdAlready]     money,
    [TotalOwed]     money,
    [DeliveryWages] money,
    [CashedUp]      bit DEFAULT 0,
    [ClockedOut]    bit DEFAULT 0,
    [OnDelivery]    bit DEFAULT 0
);
-- An employee's latest shift of the trading day.
CREATE INDEX IX_Attend_EmpNum_InDateTime ON [Attend] ([EmpNum], [InDateTime]);

-- Log of protected actions. Time keeps the time of day alone.
CREATE TABLE [Activity] (
    [Employee] varchar(20),
    [Station]  varchar(10),
    [ActCode]  varchar(10),
    [Activity] varchar(50),
    [Date]     datetime,
    [Time]     datetime
);

CREATE TABLE [ActCodes] (
    [ActCode]    varchar(10) NOT NULL PRIMARY KEY,
    [Descriptn]  varchar(50),
    [ForceLog]   bit,
    [TempFlag]   bit,
    [LogThis]    bit,
    [ReqPermiss] bit,
    [LockedOut]  bit
);

-- Suite-wide printer definitions.
CREATE TABLE [Printers] (
    [PrintersID]             int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [Name]                   varchar(50),
    [Category]               int,
    [Type]                   int,
    [Model]                  int,
    [PageLength]             int,
    [PageWidth]              int,
    [FooterHeight]           int,
    [PrintLateVoucher]       bit,
    [ExtendedProductionSlip] bit
);

-- Printers of a till. fkTillsID holds the Tills row key TillsID.
CREATE TABLE [TillsLinkPrinters] (
    [TillsLinkPrintersID] int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [fkTillsID]           int,
    [fkPrintersID]        int,
    [Copies]              int,
    [Device]              varchar(255),
    [DirectToPort]        bit,
    [ReportFileName]      varchar(255),
    [PrintLinePrices]     bit,
    [PrintKitchenTotals]  bit
);
CREATE INDEX IX_TillsLinkPrinters_fkTillsID ON [TillsLinkPrinters] ([fkTillsID]);
CREATE INDEX IX_TillsLinkPrinters_fkPrintersID ON [TillsLinkPrinters] ([fkPrintersID]);

-- Workstations registered as tills, found by computer name at start-up.
CREATE TABLE [Tills] (
    [TillsID]       int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [TillID]        int,
    [Computer Name] varchar(255),
    [HD Serial]     varchar(20),
    [Login Name]    varchar(255)
);
CREATE INDEX IX_Tills_ComputerName ON [Tills] ([Computer Name]);
CREATE INDEX IX_Tills_TillID ON [Tills] ([TillID]);

-- Production printers of a price item, by its Recipe number.
CREATE TABLE [PricesLinkPrinters] (
    [PricesLinkPrintersID] int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [fkPricesID]           int,
    [fkPrintersID]         int
);
CREATE INDEX IX_PricesLinkPrinters_fkPricesID ON [PricesLinkPrinters] ([fkPricesID]);

-- Code is the department key, taken from the identity on insert.
CREATE TABLE [Departments] (
    [Code]        int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [Description] varchar(50)
);

-- Departments enabled on a till. fkTillsID holds the till number TillID.
CREATE TABLE [TillsLinkDepartments] (
    [TillsLinkDepartmentID] int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [fkTillsID]             int,
    [fkDepartmentID]        int,
    [Active]                bit
);
CREATE INDEX IX_TillsLinkDepartments_fkTillsID ON [TillsLinkDepartments] ([fkTillsID]);

-- Settings of the whole suite: class GLOBAL, MENUVERSIONS or a till number.
-- A blank value is stored as the one character of code 0.
CREATE TABLE [SysData] (
    [Class]  varchar(50),
    [Item]   varchar(50),
    [Value]  varchar(255),
    [Value2] varchar(255)
);
CREATE UNIQUE INDEX UX_SysData_Class_Item ON [SysData] ([Class], [Item]);

CREATE TABLE [IPADDRESS] (
    [Address] varchar(50)
);

-- Cash movements of a till shift, here the float paid out at clock-in.
CREATE TABLE [CASHUP] (
    [SHIFTNUM] int,
    [DATE]     datetime,
    [CLASS]    varchar(20),
    [NUMBER]   int,
    [NAME]     varchar(50),
    [AMOUNT]   money
);
CREATE INDEX IX_CASHUP_SHIFTNUM ON [CASHUP] ([SHIFTNUM]);

-- One row per till shift with its totals. FKCASHPOSTID is the daily shop cash-up.
CREATE TABLE [TILLPOST] (
    [SHIFTNUM]      int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [TILLID]        int,
    [DATE]          datetime,
    [TILLISACTIVE]  bit,
    [FKCASHPOSTID]  int,
    [Coupons]       money,
    [Cheques]       money,
    [Cash]          money,
    [CrCards]       money,
    [PettyCash]     money,
    [GRVs]          money,
    [DrvFloat]      money,
    [FloatIssue]    money,
    [Float]         money,
    [Wages]         money,
    [AdditBank]     money,
    [TotSales]      money,
    [Discounts]     money,
    [OverRings]     money,
    [NetSales]      money,
    [DelivChg]      money,
    [Vat]           money,
    [NetoVat]       money,
    [Debtors]       money,
    [Difference]    money,
    [CashupTotal]   money,
    [ExcludedSales] money,
    [Gratuity]      money
);
CREATE INDEX IX_TILLPOST_FKCASHPOSTID ON [TILLPOST] ([FKCASHPOSTID]);
CREATE INDEX IX_TILLPOST_DATE ON [TILLPOST] ([DATE]);

-- Daily shop cash-ups. DATE is the day at 12:00.
CREATE TABLE [CASHPOST] (
    [CASHPOSTID]    int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [DATE]          datetime,
    [POSTED]        bit DEFAULT 0,
    [Coupons]       money,
    [Cheques]       money,
    [Cash]          money,
    [CrCards]       money,
    [PettyCash]     money,
    [GRVs]          money,
    [DrvFloat]      money,
    [FloatIssue]    money,
    [Float]         money,
    [Wages]         money,
    [AdditBank]     money,
    [TotSales]      money,
    [Discounts]     money,
    [OverRings]     money,
    [NetSales]      money,
    [DelivChg]      money,
    [Vat]           money,
    [NetoVat]       money,
    [Debtors]       money,
    [Difference]    money,
    [CashupTotal]   money,
    [ExcludedSales] money,
    [Gratuity]      money
);
CREATE INDEX IX_CASHPOST_DATE ON [CASHPOST] ([DATE]);

CREATE TABLE [ReportGroup] (
    [ReportGroupID] int NOT NULL PRIMARY KEY,
    [Description]   varchar(50),
    [Royalty]       float,
    [Advertising]   float
);

-- Written last: its row tells the program that the whole schema was created.
CREATE TABLE [TrelvoSchema] ([Version] int);
INSERT INTO [TrelvoSchema] ([Version]) VALUES (1);
