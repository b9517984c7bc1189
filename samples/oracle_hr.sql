-- Oracle sample: a small personnel schema.
-- Keys inline and out of line, a self-reference, indexes, a quoted name,
-- and constraints added afterwards with ALTER TABLE.

CREATE TABLE regions (
  region_id    NUMBER(4)     NOT NULL,
  region_name  VARCHAR2(25),
  CONSTRAINT regions_pk PRIMARY KEY (region_id)
);

CREATE TABLE departments (
  department_id    NUMBER(4)     NOT NULL,
  department_name  VARCHAR2(30)  NOT NULL,
  region_id        NUMBER(4),
  manager_id       NUMBER(6),
  CONSTRAINT departments_pk PRIMARY KEY (department_id),
  CONSTRAINT departments_region_fk FOREIGN KEY (region_id)
    REFERENCES regions (region_id)
);

CREATE TABLE employees (
  employee_id    NUMBER(6)     NOT NULL,
  first_name     VARCHAR2(20),
  last_name      VARCHAR2(25)  NOT NULL,
  email          VARCHAR2(25)  NOT NULL,
  hire_date      DATE          NOT NULL,
  salary         NUMBER(8,2),
  manager_id     NUMBER(6),
  department_id  NUMBER(4),
  CONSTRAINT employees_pk PRIMARY KEY (employee_id),
  CONSTRAINT employees_manager_fk FOREIGN KEY (manager_id)
    REFERENCES employees (employee_id),
  CONSTRAINT employees_dept_fk FOREIGN KEY (department_id)
    REFERENCES departments (department_id)
);

CREATE TABLE "Job History" (
  employee_id    NUMBER(6)     NOT NULL,
  start_date     DATE          NOT NULL,
  end_date       DATE          NOT NULL,
  department_id  NUMBER(4),
  CONSTRAINT job_history_pk PRIMARY KEY (employee_id, start_date),
  CONSTRAINT job_history_emp_fk FOREIGN KEY (employee_id)
    REFERENCES employees (employee_id)
);

CREATE UNIQUE INDEX employees_email_uk ON employees (email);
CREATE INDEX employees_name_ix ON employees (last_name, first_name);
CREATE INDEX departments_region_ix ON departments (region_id);

ALTER TABLE departments ADD CONSTRAINT departments_manager_fk
  FOREIGN KEY (manager_id) REFERENCES employees (employee_id);

ALTER TABLE "Job History" ADD CONSTRAINT job_history_dept_fk
  FOREIGN KEY (department_id) REFERENCES departments (department_id);
