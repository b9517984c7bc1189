-- SQL Server sample: projects and the people on them.

CREATE TABLE [dbo].[Staff] (
  [StaffId] INT IDENTITY(1,1) NOT NULL,
  [Name] NVARCHAR(80) NOT NULL,
  [ManagerId] INT NULL,
  CONSTRAINT [PK_Staff] PRIMARY KEY CLUSTERED ([StaffId]),
  CONSTRAINT [FK_Staff_Manager] FOREIGN KEY ([ManagerId]) REFERENCES [dbo].[Staff] ([StaffId])
)
GO

CREATE TABLE [dbo].[Project] (
  [ProjectId] INT IDENTITY(1,1) NOT NULL,
  [Title] NVARCHAR(120) NOT NULL,
  [LeadId] INT NOT NULL,
  CONSTRAINT [PK_Project] PRIMARY KEY ([ProjectId])
)
GO

CREATE TABLE [dbo].[Assignment] (
  [ProjectId] INT NOT NULL,
  [StaffId] INT NOT NULL,
  [Since] DATETIME NOT NULL,
  CONSTRAINT [PK_Assignment] PRIMARY KEY ([ProjectId], [StaffId])
)
GO

ALTER TABLE [dbo].[Project] ADD CONSTRAINT [FK_Project_Lead]
  FOREIGN KEY ([LeadId]) REFERENCES [dbo].[Staff] ([StaffId])
GO
ALTER TABLE [dbo].[Assignment] ADD CONSTRAINT [FK_Assignment_Project]
  FOREIGN KEY ([ProjectId]) REFERENCES [dbo].[Project] ([ProjectId])
GO
ALTER TABLE [dbo].[Assignment] ADD CONSTRAINT [FK_Assignment_Staff]
  FOREIGN KEY ([StaffId]) REFERENCES [dbo].[Staff] ([StaffId])
GO

CREATE NONCLUSTERED INDEX [IX_Project_Title] ON [dbo].[Project] ([Title])
GO
