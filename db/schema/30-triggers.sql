-- Columns the database fills itself. `istamp` is the time of insertion (a value already given,
-- as when rows are restored, is kept); `ustamp` moves to the server's time on every insert and
-- change; `idate`, `iyear` and `imonth` are the date, year and month of `istamp`.

SET TERM ^ ;

CREATE TRIGGER tabline1_stamp FOR tabline1 BEFORE INSERT AS
BEGIN
    IF (NEW.istamp IS NULL) THEN NEW.istamp = CURRENT_TIMESTAMP;
END^

CREATE TRIGGER tabline2_stamp FOR tabline2 BEFORE INSERT AS
BEGIN
    IF (NEW.istamp IS NULL) THEN NEW.istamp = CURRENT_TIMESTAMP;
END^

CREATE TRIGGER stocktake_stamp FOR stocktake BEFORE INSERT AS
BEGIN
    IF (NEW.istamp IS NULL) THEN NEW.istamp = CURRENT_TIMESTAMP;
END^

CREATE TRIGGER tab_stamp FOR tab BEFORE INSERT OR UPDATE AS
BEGIN
    NEW.ustamp = CURRENT_TIMESTAMP;
END^

CREATE TRIGGER item_stamp FOR item BEFORE INSERT OR UPDATE AS
BEGIN
    NEW.ustamp = CURRENT_TIMESTAMP;
END^

CREATE TRIGGER stline_stamp FOR stline BEFORE INSERT OR UPDATE AS
BEGIN
    IF (INSERTING AND NEW.istamp IS NULL) THEN NEW.istamp = CURRENT_TIMESTAMP;
    NEW.ustamp = CURRENT_TIMESTAMP;
END^

CREATE TRIGGER receipt_stamp FOR receipt BEFORE INSERT OR UPDATE AS
BEGIN
    IF (INSERTING AND NEW.istamp IS NULL) THEN NEW.istamp = CURRENT_TIMESTAMP;
    NEW.ustamp = CURRENT_TIMESTAMP;
    NEW.idate = CAST(NEW.istamp AS DATE);
    NEW.iyear = EXTRACT(YEAR FROM NEW.istamp);
    NEW.imonth = EXTRACT(MONTH FROM NEW.istamp);
END^

CREATE TRIGGER recline_stamp FOR recline BEFORE INSERT OR UPDATE AS
BEGIN
    IF (INSERTING AND NEW.istamp IS NULL) THEN NEW.istamp = CURRENT_TIMESTAMP;
    NEW.idate = CAST(NEW.istamp AS DATE);
    NEW.iyear = EXTRACT(YEAR FROM NEW.istamp);
    NEW.imonth = EXTRACT(MONTH FROM NEW.istamp);
END^

-- An exception log entry takes the server's time whatever the till sent, so no entry can be
-- dated back or ahead.
CREATE TRIGGER eventlog_fill FOR eventlog BEFORE INSERT AS
BEGIN
    IF (NEW.id IS NULL) THEN NEW.id = NEXT VALUE FOR eventlogid_gen;
    NEW.stamp = CURRENT_TIMESTAMP;
END^

SET TERM ; ^
