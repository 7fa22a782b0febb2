-- The stored procedures the till calls by name: inputs by position, outputs by name.
-- Callers that change several rows run the call inside a transaction of their own.

CREATE EXCEPTION row_must_remain 'This row is reserved and cannot be deleted.';
CREATE EXCEPTION tab_still_open 'The tab has open lines or a pre-tendered amount: pay or move them first.';
CREATE EXCEPTION terminal_needed 'Lines of the NonTab and the stocktake tab belong to one terminal: give its reference.';

SET TERM ^ ;

-- Identifiers. Each table's generator hands out ids that are never handed out again, also to
-- tills asking at the same moment. Outputs 2 to 100 are the system outputs, so new outputs
-- always get ids above 100.

CREATE PROCEDURE deviceid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR deviceid_gen;
END^

CREATE PROCEDURE discid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR discid_gen;
END^

CREATE PROCEDURE imageid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR imageid_gen;
END^

CREATE PROCEDURE itemid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR itemid_gen;
END^

CREATE PROCEDURE layoutid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR layoutid_gen;
END^

CREATE PROCEDURE liid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR liid_gen;
END^

CREATE PROCEDURE linkid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR linkid_gen;
END^

CREATE PROCEDURE mapid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR mapid_gen;
END^

CREATE PROCEDURE mopid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR mopid_gen;
END^

CREATE PROCEDURE odid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR odid_gen;
END^

CREATE PROCEDURE optid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR optid_gen;
END^

CREATE PROCEDURE outputid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR outputid_gen;
    WHILE (counter <= 100) DO
        counter = NEXT VALUE FOR outputid_gen;
END^

CREATE PROCEDURE pcid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR pcid_gen;
END^

CREATE PROCEDURE receiptid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR receiptid_gen;
END^

CREATE PROCEDURE reclineid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR reclineid_gen;
END^

CREATE PROCEDURE splitid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR splitid_gen;
END^

CREATE PROCEDURE staffid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR staffid_gen;
END^

CREATE PROCEDURE stlineid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR stlineid_gen;
END^

CREATE PROCEDURE stocktakeid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR stocktakeid_gen;
END^

CREATE PROCEDURE tabid_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR tabid_gen;
END^

CREATE PROCEDURE tabline1id_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR tabline1id_gen;
END^

CREATE PROCEDURE tabline2id_gen RETURNS (counter INTEGER) AS
BEGIN
    counter = NEXT VALUE FOR tabline2id_gen;
END^

CREATE PROCEDURE server_datetime RETURNS (dt TIMESTAMP) AS
BEGIN
    dt = CURRENT_TIMESTAMP;
END^

-- Lookups.

CREATE PROCEDURE tab_ref_lookup (tabid INTEGER) RETURNS (tabref VARCHAR(20)) AS
BEGIN
    SELECT ref FROM tab WHERE id = :tabid INTO :tabref;
END^

CREATE PROCEDURE tab_balcr_lookup (tabid INTEGER)
RETURNS (balance DOUBLE PRECISION, crlimit DOUBLE PRECISION, crstop VARCHAR(1)) AS
BEGIN
    SELECT balance, crlimit, crstop FROM tab WHERE id = :tabid INTO :balance, :crlimit, :crstop;
END^

-- A tab without a discount gives nulls.
CREATE PROCEDURE disc_namerate_lookup (tabid INTEGER)
RETURNS (name VARCHAR(20), rate DOUBLE PRECISION, stopoveride VARCHAR(1)) AS
BEGIN
    SELECT d.name, d.rate, d.stopoveride FROM tab t JOIN disc d ON d.id = t.discid
    WHERE t.id = :tabid INTO :name, :rate, :stopoveride;
END^

CREATE PROCEDURE splitdisc_namerate_lookup (splitref VARCHAR(20))
RETURNS (name VARCHAR(20), rate DOUBLE PRECISION, stopoveride VARCHAR(1)) AS
BEGIN
    SELECT d.name, d.rate, d.stopoveride FROM split s JOIN disc d ON d.id = s.discid
    WHERE s.ref = :splitref INTO :name, :rate, :stopoveride;
END^

CREATE PROCEDURE split_idcat_lookup (splitref VARCHAR(20)) RETURNS (id INTEGER, cat VARCHAR(20)) AS
BEGIN
    SELECT id, cat FROM split WHERE ref = :splitref INTO :id, :cat;
END^

-- Stock: a sale lowers the quantity, a negative quantity returns stock. The manual-register
-- item 1 carries no stock.
CREATE PROCEDURE itemqty_update (itemid INTEGER, qty DOUBLE PRECISION) AS
BEGIN
    IF (itemid >= 2) THEN
        UPDATE item SET qty = COALESCE(qty, 0) - :qty WHERE id = :itemid;
END^

CREATE PROCEDURE opt_choice_price_update (id INTEGER, choice VARCHAR(20),
    cost DOUBLE PRECISION, price DOUBLE PRECISION, tax DOUBLE PRECISION) AS
BEGIN
    UPDATE opt SET choice = :choice, cost = :cost, price = :price, tax = :tax WHERE id = :id;
END^

-- Open lines of list 1. A line counts as not processed only when `processed` is "F". The
-- plain deletes keep processed lines; the _101 deletes take every line. Lines of the NonTab
-- and the stocktake tab are deleted for one terminal only.

CREATE PROCEDURE tabline1_processed_update (id INTEGER) AS
BEGIN
    UPDATE tabline1 SET processed = 'T' WHERE id = :id;
END^

CREATE PROCEDURE tabline1_del_one (id INTEGER) AS
BEGIN
    DELETE FROM tabline1 WHERE id = :id;
END^

CREATE PROCEDURE tabline1_del_tabid (tabid INTEGER) AS
BEGIN
    IF (tabid IN (1, 2)) THEN EXCEPTION terminal_needed;
    DELETE FROM tabline1 WHERE tabid = :tabid AND processed = 'F';
END^

CREATE PROCEDURE tabline1_del_nontab (pcref VARCHAR(20)) AS
BEGIN
    DELETE FROM tabline1 WHERE tabid = 1 AND pcref = :pcref AND processed = 'F';
END^

CREATE PROCEDURE tabline1_del_tabid_101 (tabid INTEGER) AS
BEGIN
    IF (tabid IN (1, 2)) THEN EXCEPTION terminal_needed;
    DELETE FROM tabline1 WHERE tabid = :tabid;
END^

CREATE PROCEDURE tabline1_del_nontab_101 (pcref VARCHAR(20)) AS
BEGIN
    DELETE FROM tabline1 WHERE tabid = 1 AND pcref = :pcref;
END^

CREATE PROCEDURE tabline1_del_stocktake_101 (pcref VARCHAR(20)) AS
BEGIN
    DELETE FROM tabline1 WHERE tabid = 2 AND pcref = :pcref;
END^

-- Moving lines between tabs. The NonTab's lines are this terminal's only, so moving all of
-- them needs the terminal's reference as a third input.
CREATE PROCEDURE tab_move_all_tab_1 (sourcetabid INTEGER, targettabid INTEGER,
    pcref VARCHAR(20) = NULL) AS
BEGIN
    IF (sourcetabid IN (1, 2)) THEN
    BEGIN
        IF (pcref IS NULL) THEN EXCEPTION terminal_needed;
        UPDATE tabline1 SET tabid = :targettabid WHERE tabid = :sourcetabid AND pcref = :pcref;
    END
    ELSE
        UPDATE tabline1 SET tabid = :targettabid WHERE tabid = :sourcetabid;
END^

CREATE PROCEDURE tab_move_one_tab_1 (lineid INTEGER, targettabid INTEGER) AS
BEGIN
    UPDATE tabline1 SET tabid = :targettabid WHERE id = :lineid;
END^

CREATE PROCEDURE tab_move_all_nontab_1 (pcref VARCHAR(20), sourcetabid INTEGER) AS
BEGIN
    IF (sourcetabid IN (1, 2)) THEN
        UPDATE tabline1 SET tabid = 1 WHERE tabid = :sourcetabid AND pcref = :pcref;
    ELSE
        UPDATE tabline1 SET tabid = 1, pcref = :pcref WHERE tabid = :sourcetabid;
END^

CREATE PROCEDURE tab_move_one_nontab_1 (pcref VARCHAR(20), lineid INTEGER) AS
BEGIN
    UPDATE tabline1 SET tabid = 1, pcref = :pcref WHERE id = :lineid;
END^

-- Open lines of list 2. A line counts as not processed only when `processed` is "F". The
-- plain deletes keep processed lines; the _101 deletes take every line. Lines of the NonTab
-- and the stocktake tab are deleted for one terminal only.

CREATE PROCEDURE tabline2_processed_update (id INTEGER) AS
BEGIN
    UPDATE tabline2 SET processed = 'T' WHERE id = :id;
END^

CREATE PROCEDURE tabline2_del_one (id INTEGER) AS
BEGIN
    DELETE FROM tabline2 WHERE id = :id;
END^

CREATE PROCEDURE tabline2_del_tabid (tabid INTEGER) AS
BEGIN
    IF (tabid IN (1, 2)) THEN EXCEPTION terminal_needed;
    DELETE FROM tabline2 WHERE tabid = :tabid AND processed = 'F';
END^

CREATE PROCEDURE tabline2_del_nontab (pcref VARCHAR(20)) AS
BEGIN
    DELETE FROM tabline2 WHERE tabid = 1 AND pcref = :pcref AND processed = 'F';
END^

CREATE PROCEDURE tabline2_del_tabid_101 (tabid INTEGER) AS
BEGIN
    IF (tabid IN (1, 2)) THEN EXCEPTION terminal_needed;
    DELETE FROM tabline2 WHERE tabid = :tabid;
END^

CREATE PROCEDURE tabline2_del_nontab_101 (pcref VARCHAR(20)) AS
BEGIN
    DELETE FROM tabline2 WHERE tabid = 1 AND pcref = :pcref;
END^

CREATE PROCEDURE tabline2_del_stocktake_101 (pcref VARCHAR(20)) AS
BEGIN
    DELETE FROM tabline2 WHERE tabid = 2 AND pcref = :pcref;
END^

-- Moving lines between tabs. The NonTab's lines are this terminal's only, so moving all of
-- them needs the terminal's reference as a third input.
CREATE PROCEDURE tab_move_all_tab_2 (sourcetabid INTEGER, targettabid INTEGER,
    pcref VARCHAR(20) = NULL) AS
BEGIN
    IF (sourcetabid IN (1, 2)) THEN
    BEGIN
        IF (pcref IS NULL) THEN EXCEPTION terminal_needed;
        UPDATE tabline2 SET tabid = :targettabid WHERE tabid = :sourcetabid AND pcref = :pcref;
    END
    ELSE
        UPDATE tabline2 SET tabid = :targettabid WHERE tabid = :sourcetabid;
END^

CREATE PROCEDURE tab_move_one_tab_2 (lineid INTEGER, targettabid INTEGER) AS
BEGIN
    UPDATE tabline2 SET tabid = :targettabid WHERE id = :lineid;
END^

CREATE PROCEDURE tab_move_all_nontab_2 (pcref VARCHAR(20), sourcetabid INTEGER) AS
BEGIN
    IF (sourcetabid IN (1, 2)) THEN
        UPDATE tabline2 SET tabid = 1 WHERE tabid = :sourcetabid AND pcref = :pcref;
    ELSE
        UPDATE tabline2 SET tabid = 1, pcref = :pcref WHERE tabid = :sourcetabid;
END^

CREATE PROCEDURE tab_move_one_nontab_2 (pcref VARCHAR(20), lineid INTEGER) AS
BEGIN
    UPDATE tabline2 SET tabid = 1, pcref = :pcref WHERE id = :lineid;
END^

-- Deleting master data. Reserved rows stay. Rows that pointed at a deleted row are mended:
-- buttons of a deleted item or page go with it, terminals and layouts fall back to the
-- reserved row 1, and references to a deleted picture or discount are cleared. An output or
-- device still used by an output device or an item cannot be deleted: its references refuse.

CREATE PROCEDURE device_del_one (id INTEGER) AS
BEGIN
    DELETE FROM device WHERE id = :id;
END^

CREATE PROCEDURE disc_del_one (id INTEGER) AS
BEGIN
    IF (id <= 1) THEN EXCEPTION row_must_remain;
    UPDATE tab SET discid = NULL WHERE discid = :id;
    UPDATE split SET discid = NULL WHERE discid = :id;
    DELETE FROM disc WHERE id = :id;
END^

CREATE PROCEDURE image_del_one (id INTEGER) AS
BEGIN
    UPDATE li SET imageid = NULL WHERE imageid = :id;
    UPDATE tm SET imageid = NULL WHERE imageid = :id;
    DELETE FROM image WHERE id = :id;
END^

CREATE PROCEDURE item_del_one (id INTEGER) AS
BEGIN
    IF (id <= 1) THEN EXCEPTION row_must_remain;
    DELETE FROM li WHERE itemid = :id;
    DELETE FROM opt WHERE itemid = :id;
    DELETE FROM icat WHERE itemid = :id;
    DELETE FROM item WHERE id = :id;
END^

CREATE PROCEDURE layout_del_one (id INTEGER) AS
BEGIN
    IF (id <= 1) THEN EXCEPTION row_must_remain;
    UPDATE pc SET layoutid = 1 WHERE layoutid = :id;
    DELETE FROM layout WHERE id = :id;
END^

CREATE PROCEDURE li_del_one (id INTEGER) AS
BEGIN
    DELETE FROM li WHERE id = :id;
END^

CREATE PROCEDURE link_del_one (id INTEGER) AS
BEGIN
    IF (id <= 1) THEN EXCEPTION row_must_remain;
    DELETE FROM li WHERE linkid = :id OR linkidlink = :id;
    UPDATE layout SET linkid = 1 WHERE linkid = :id;
    DELETE FROM link WHERE id = :id;
END^

CREATE PROCEDURE map_del_one (id INTEGER) AS
BEGIN
    IF (id <= 1) THEN EXCEPTION row_must_remain;
    DELETE FROM tm WHERE mapid = :id;
    UPDATE pc SET mapid = 1 WHERE mapid = :id;
    DELETE FROM map WHERE id = :id;
END^

CREATE PROCEDURE mop_del_one (id INTEGER) AS
BEGIN
    IF (id <= 1) THEN EXCEPTION row_must_remain;
    DELETE FROM mop WHERE id = :id;
END^

CREATE PROCEDURE od_del_one (id INTEGER) AS
BEGIN
    DELETE FROM od WHERE id = :id;
END^

CREATE PROCEDURE opt_del_one (id INTEGER) AS
BEGIN
    DELETE FROM opt WHERE id = :id;
END^

CREATE PROCEDURE output_del_one (id INTEGER) AS
BEGIN
    IF (id <= 100) THEN EXCEPTION row_must_remain;
    UPDATE pc SET outputid = 1 WHERE outputid = :id;
    DELETE FROM output WHERE id = :id;
END^

CREATE PROCEDURE pc_del_one (id INTEGER) AS
BEGIN
    IF (id <= 1) THEN EXCEPTION row_must_remain;
    DELETE FROM pc WHERE id = :id;
END^

CREATE PROCEDURE split_del_one (id INTEGER) AS
BEGIN
    DELETE FROM split WHERE id = :id;
END^

CREATE PROCEDURE staff_del_one (id INTEGER) AS
BEGIN
    IF (id <= 1) THEN EXCEPTION row_must_remain;
    DELETE FROM staff WHERE id = :id;
END^

-- A deleted tab leaves the maps; its open lines, if any, are kept.
CREATE PROCEDURE tab_del_one (id INTEGER) AS
BEGIN
    IF (id <= 2) THEN EXCEPTION row_must_remain;
    -- Unpaid lines and a pre-tendered amount are never lost with their tab.
    IF (EXISTS (SELECT 1 FROM tabline1 WHERE tabid = :id) OR EXISTS (SELECT 1 FROM tabline2 WHERE tabid = :id)
        OR EXISTS (SELECT 1 FROM tab WHERE id = :id AND COALESCE(tendered, 0) <> 0)) THEN
        EXCEPTION tab_still_open;
    DELETE FROM tm WHERE tabid = :id;
    DELETE FROM tab WHERE id = :id;
END^

CREATE PROCEDURE tm_del_one (tabid INTEGER, mapid INTEGER) AS
BEGIN
    DELETE FROM tm WHERE tabid = :tabid AND mapid = :mapid;
END^

SET TERM ; ^
