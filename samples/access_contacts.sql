-- MS Access sample: contacts and their calls.

CREATE TABLE Companies (
  CompanyID COUNTER CONSTRAINT PK_Companies PRIMARY KEY,
  CompanyName TEXT(80) NOT NULL,
  City TEXT(40)
);

CREATE TABLE Contacts (
  ContactID COUNTER CONSTRAINT PK_Contacts PRIMARY KEY,
  CompanyID LONG,
  FullName TEXT(80) NOT NULL,
  Phone TEXT(30),
  CONSTRAINT FK_Contacts_Companies FOREIGN KEY (CompanyID) REFERENCES Companies (CompanyID)
);

CREATE TABLE Calls (
  CallID COUNTER CONSTRAINT PK_Calls PRIMARY KEY,
  ContactID LONG NOT NULL,
  CalledAt DATETIME NOT NULL,
  Notes MEMO,
  CONSTRAINT FK_Calls_Contacts FOREIGN KEY (ContactID) REFERENCES Contacts (ContactID)
);

CREATE INDEX IX_Contacts_Name ON Contacts (FullName);
CREATE INDEX IX_Calls_Date ON Calls (CalledAt);
