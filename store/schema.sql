CREATE TABLE IF NOT EXISTS tblSymbols (ID INTEGER PRIMARY KEY AUTOINCREMENT, Symbol TEXT, Date TEXT, Time TEXT, W1Start REAL, W1End REAL, W3Target REAL, W3Ext REAL, W5Target REAL, W5Ext REAL);
CREATE INDEX IF NOT EXISTS idxSymbolDateTime ON tblSymbols (Symbol, Date, Time);
CREATE INDEX IF NOT EXISTS idxSymbolNewest ON tblSymbols (Symbol, Date DESC, Time DESC);
CREATE INDEX IF NOT EXISTS idxNewest ON tblSymbols (Date DESC, Time DESC, Symbol);
CREATE TABLE tblPrices (Symbol TEXT, Date TEXT, Open REAL, High REAL, Low REAL, Close REAL, PRIMARY KEY (Symbol, Date)) WITHOUT ROWID;
