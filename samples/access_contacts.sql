-- MS Access sample: contacts and their calls.

CREATE TABLE Companies (
  CompanyID INTEGER CONSTRAINT PK_Companies PRIMARY KEY,
  CompanyName VARCHAR(80) NOT NULL,
  City VARCHAR(40)
);

CREATE TABLE Contacts (
  ContactID INTEGER CONSTRAINT PK_Contacts PRIMARY KEY,
  CompanyID LONG,
  FullName VARCHAR(80) NOT NULL,
  Phone VARCHAR(30),
  CONSTRAINT FK_Contacts_Companies FOREIGN KEY (CompanyID) REFERENCES Companies (CompanyID)
);

CREATE TABLE Calls (
  CallID INTEGER CONSTRAINT PK_Calls PRIMARY KEY,
  ContactID LONG NOT NULL,
  CalledAt DATETIME NOT NULL,
  Notes MEMO,
  CONSTRAINT FK_Calls_Contacts FOREIGN KEY (ContactID) REFERENCES Contacts (ContactID)
);

CREATE INDEX IX_Contacts_Name ON Contacts (FullName);
CREATE INDEX IX_Calls_Date ON Calls (CalledAt);
