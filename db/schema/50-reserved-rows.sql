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

ALTER SEQUENCE tabid_gen RESTART WITH 2;
ALTER SEQUENCE itemid_gen RESTART WITH 1;
ALTER SEQUENCE pcid_gen RESTART WITH 1;
ALTER SEQUENCE layoutid_gen RESTART WITH 1;
ALTER SEQUENCE linkid_gen RESTART WITH 1;
ALTER SEQUENCE mapid_gen RESTART WITH 1;
ALTER SEQUENCE mopid_gen RESTART WITH 1;
ALTER SEQUENCE discid_gen RESTART WITH 1;
ALTER SEQUENCE staffid_gen RESTART WITH 1;
ALTER SEQUENCE outputid_gen RESTART WITH 100;
