-- The rows every database is delivered with, and generators started past them.

-- Output 1 is the generic output terminals and items may choose; 2 to 100 are the system
-- outputs, found by name by the print paths.
INSERT INTO output (id, name) VALUES (1, 'None');
INSERT INTO output (id, name) VALUES (2, 'Check');
INSERT INTO output (id, name) VALUES (3, 'Docket');
INSERT INTO output (id, name) VALUES (4, 'Drawer');
INSERT INTO output (id, name) VALUES (5, 'X');

INSERT INTO link (id, name) VALUES (1, 'Home');
INSERT INTO map (id, name, filename) VALUES (1, 'Main', '');

INSERT INTO layout (id, name, filename, linkid, charset, libtnfsize, tmbtnfsize, restartmins,
    tabmode, startmode, splitmode, pricemode, qtymode, manregmode, manregcostrate, manregtaxrate,
    optmode, findmode, accountmode, discmode, ordmode, processmode, countmode, refmode, roundmode,
    glyphmode, logoutmode)
VALUES (1, 'Default', '', 1, 'Default', 10, 10, 10,
    '3', '1', '1', '1', '1', '1', 0, 0,
    '2', '1', '1', '1', '1', '2', '0', '1', '0',
    '0', '0');

-- The default terminal: used by a till whose PCRef has no row of its own.
INSERT INTO pc (id, ref, layoutid, imagepath, mapid, outputid, refreshrate, refreshmode,
    layoutmode, checkmode, docketmode, drawermode, nosalemode)
VALUES (1, 'Default', 1, '', 1, 1, 60, '0', '1', '0', '1', '1', '1');

-- Tab 1 is the NonTab (walk-in sales), tab 2 the stocktake tab.
INSERT INTO tab (id, ref, cat) VALUES (1, 'Non Tab', '');
INSERT INTO tab (id, ref, cat) VALUES (2, 'Stocktake', '');

-- Item 1 is the manual register's item; it carries no stock.
INSERT INTO item (id, name, qty, outputid) VALUES (1, 'Manual', 0, 1);

INSERT INTO mop (id, name) VALUES (1, 'Account');
INSERT INTO disc (id, name, rate, restricted, stopoveride) VALUES (1, 'No Discount', 0, 'F', 'F');
INSERT INTO staff (id, ref, pword, fname, lname) VALUES (1, 'Default', NULL, '', '');

INSERT INTO master (id) VALUES (1);

-- Each generator stands at the last id taken, so the next id is one more. GEN_ID moves a
-- generator alike on every server version; RESTART WITH does not (from Firebird 4 it names the
-- next value instead of the current one).
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE last_id BIGINT;
BEGIN
    last_id = GEN_ID(tabid_gen, 2 - GEN_ID(tabid_gen, 0));
    last_id = GEN_ID(itemid_gen, 1 - GEN_ID(itemid_gen, 0));
    last_id = GEN_ID(pcid_gen, 1 - GEN_ID(pcid_gen, 0));
    last_id = GEN_ID(layoutid_gen, 1 - GEN_ID(layoutid_gen, 0));
    last_id = GEN_ID(linkid_gen, 1 - GEN_ID(linkid_gen, 0));
    last_id = GEN_ID(mapid_gen, 1 - GEN_ID(mapid_gen, 0));
    last_id = GEN_ID(mopid_gen, 1 - GEN_ID(mopid_gen, 0));
    last_id = GEN_ID(discid_gen, 1 - GEN_ID(discid_gen, 0));
    last_id = GEN_ID(staffid_gen, 1 - GEN_ID(staffid_gen, 0));
    last_id = GEN_ID(outputid_gen, 100 - GEN_ID(outputid_gen, 0));
END^
SET TERM ; ^
