-- Generic SQL sample: a lending library.

CREATE TABLE authors (
  author_id  INTEGER      NOT NULL PRIMARY KEY,
  name       VARCHAR(80)  NOT NULL
);

CREATE TABLE books (
  book_id    INTEGER      NOT NULL PRIMARY KEY,
  title      VARCHAR(200) NOT NULL,
  author_id  INTEGER      NOT NULL,
  published  DATE,
  CONSTRAINT books_author_fk FOREIGN KEY (author_id) REFERENCES authors (author_id)
);

CREATE TABLE members (
  member_id  INTEGER      NOT NULL PRIMARY KEY,
  name       VARCHAR(80)  NOT NULL,
  joined     DATE
);

CREATE TABLE loans (
  book_id    INTEGER      NOT NULL,
  member_id  INTEGER      NOT NULL,
  lent_on    DATE         NOT NULL,
  returned   DATE,
  CONSTRAINT loans_pk PRIMARY KEY (book_id, member_id, lent_on),
  CONSTRAINT loans_book_fk FOREIGN KEY (book_id) REFERENCES books (book_id),
  CONSTRAINT loans_member_fk FOREIGN KEY (member_id) REFERENCES members (member_id)
);

CREATE INDEX books_title_ix ON books (title);
CREATE INDEX loans_member_ix ON loans (member_id);
