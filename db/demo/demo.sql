-- The demo venue: a small bar and dining room, as `make demo` opens it.

-- Outputs, printers and what prints where on the demo terminal "Bar".
INSERT INTO output (id, name) VALUES (101, 'Kitchen');
INSERT INTO output (id, name) VALUES (102, 'Bar');
INSERT INTO device (id, name, cat) VALUES (1, 'Docket', 'P');
INSERT INTO device (id, name, cat) VALUES (2, 'Kitchen', 'P');
INSERT INTO device (id, name, cat) VALUES (3, 'BarPrinter', 'P');
INSERT INTO od (id, pcref, outputid, deviceid, begincode1, begincode2, endcode1, endcode2, ejectlines, htext, hcpl, halign, bcpl, ftext, fcpl, falign)
    VALUES (1, 'Bar', 3, 1, '#27#64', '', '#29#86#66#0', '', 4, 'THE CORNER BAR' || ASCII_CHAR(13) || ASCII_CHAR(10) || '12 Harbour Street', 42, 'C', 42, 'Thank you - see you again soon', 42, 'C');
INSERT INTO od (id, pcref, outputid, deviceid, begincode1, begincode2, endcode1, endcode2, ejectlines, htext, hcpl, halign, bcpl, ftext, fcpl, falign)
    VALUES (2, 'Bar', 2, 1, '#27#64', '', '#29#86#66#0', '', 4, 'THE CORNER BAR - CHECK', 42, 'C', 42, '', 42, 'C');
INSERT INTO od (id, pcref, outputid, deviceid, begincode1, begincode2, endcode1, endcode2, ejectlines, htext, hcpl, halign, bcpl, ftext, fcpl, falign)
    VALUES (3, 'Bar', 4, 1, '#27#112#0#25#250', '', '', '', 0, '', 42, 'C', 42, '', 42, 'C');
INSERT INTO od (id, pcref, outputid, deviceid, begincode1, begincode2, endcode1, endcode2, ejectlines, htext, hcpl, halign, bcpl, ftext, fcpl, falign)
    VALUES (4, 'Bar', 5, 1, '#27#64', '', '#29#86#66#0', '', 4, 'X REPORT', 42, 'C', 42, '', 42, 'C');
INSERT INTO od (id, pcref, outputid, deviceid, begincode1, begincode2, endcode1, endcode2, ejectlines, htext, hcpl, halign, bcpl, ftext, fcpl, falign)
    VALUES (5, 'Bar', 101, 2, '#27#64', '#27#33#16', '#29#86#66#0', '', 6, 'KITCHEN', 42, 'C', 32, '', 42, 'C');
INSERT INTO od (id, pcref, outputid, deviceid, begincode1, begincode2, endcode1, endcode2, ejectlines, htext, hcpl, halign, bcpl, ftext, fcpl, falign)
    VALUES (6, 'Bar', 102, 3, '#27#64', '', '#29#86#66#0', '', 4, 'BAR', 42, 'C', 42, '', 42, 'C');

-- Pictures: the two maps' floor plans and the buttons' pictures live in the images folder.
INSERT INTO image (id, name, filename) VALUES (1, 'Beer', 'beer.png');
INSERT INTO image (id, name, filename) VALUES (2, 'Wine', 'wine.png');
INSERT INTO image (id, name, filename) VALUES (3, 'Food', 'food.png');
INSERT INTO image (id, name, filename) VALUES (4, 'Coffee', 'coffee.png');
UPDATE map SET name = 'Bar Room', filename = 'barroom.jpg' WHERE id = 1;
INSERT INTO map (id, name, filename) VALUES (2, 'Dining', 'dining.jpg');

-- Payment methods, discounts (Staff only from the admin console; Manager Comp also takes
-- items that refuse discounts), staff with their PINs.
INSERT INTO mop (id, name) VALUES (2, 'Cash');
INSERT INTO mop (id, name) VALUES (3, 'EFTPOS');
INSERT INTO disc (id, name, rate, restricted, stopoveride) VALUES (2, 'Happy Hour', 10, 'F', 'F');
INSERT INTO disc (id, name, rate, restricted, stopoveride) VALUES (3, 'Staff', 25, 'T', 'F');
INSERT INTO disc (id, name, rate, restricted, stopoveride) VALUES (4, 'Manager Comp', 100, 'F', 'T');
INSERT INTO disc (id, name, rate, restricted, stopoveride) VALUES (5, 'Regular', 5, 'F', 'F');
INSERT INTO staff (id, ref, pword, fname, lname) VALUES (2, 'Alex', '1234', 'Alex', 'Brown');
INSERT INTO staff (id, ref, pword, fname, lname) VALUES (3, 'Sam', '5678', 'Sam', 'Lee');

-- The items. Prices include GST (a tenth of the price before it).
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc)
    VALUES (2, 'Pale Ale', 48, 3.2, 9.5, 0.8636, 3.2, 8, 0.7273, 'BEER-PA', '9300001000012', 102, 'F', 'F');
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc)
    VALUES (3, 'Lager', 72, 2.8, 8.5, 0.7727, 2.8, 7, 0.6364, 'BEER-LG', '9300001000029', 102, 'F', 'F');
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc)
    VALUES (4, 'Cider', 24, 3, 9, 0.8182, 3, 7.5, 0.6818, 'BEER-CD', '9300001000036', 102, 'F', 'F');
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax)
    VALUES (5, 'House Red', 30, 3.5, 10, 0.9091, NULL, NULL, NULL, 'WINE-HR', '9300001000043', 102, 'F', 'F', 'Size', 'F', 'Glass or bottle?', 'T', 0, 0, 0);
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax)
    VALUES (6, 'House White', 30, 3.5, 10, 0.9091, NULL, NULL, NULL, 'WINE-HW', '9300001000050', 102, 'F', 'F', 'Size', 'F', 'Glass or bottle?', 'T', 0, 0, 0);
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc)
    VALUES (7, 'Sparkling', 18, 4.5, 12, 1.0909, NULL, NULL, NULL, 'WINE-SP', '9300001000067', 102, 'F', 'F');
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax, opt2caption, opt2auto, opt2prompt, opt2forced, opt2cost, opt2price, opt2tax)
    VALUES (8, 'Gin & Tonic', 40, 4, 13, 1.1818, NULL, NULL, NULL, 'SPIR-GT', '9300001000074', 102, 'F', 'F', 'Double', 'F', '', 'F', 2, 6, 0.5455, 'Garnish', 'F', 'Garnish?', 'F', 0, 0, 0);
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax)
    VALUES (9, 'Cola', 60, 1.2, 4.5, 0.4091, NULL, NULL, NULL, 'SOFT-CO', '9300001000081', 102, 'F', 'F', 'Ice', 'F', '', 'F', 0, 0, 0);
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax)
    VALUES (10, 'Lemonade', 60, 1.2, 4.5, 0.4091, NULL, NULL, NULL, 'SOFT-LM', '9300001000098', 102, 'F', 'F', 'Ice', 'F', '', 'F', 0, 0, 0);
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax, opt2caption, opt2auto, opt2prompt, opt2forced, opt2cost, opt2price, opt2tax)
    VALUES (11, 'Steak', 20, 12, 34, 3.0909, NULL, NULL, NULL, 'FOOD-ST', NULL, 101, 'F', 'F', 'Cooked', 'T', 'How is it cooked?', 'T', 0, 0, 0, 'Sauce', 'T', 'Which sauce?', 'F', 0, 0, 0);
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax, opt2caption, opt2auto, opt2prompt, opt2forced, opt2cost, opt2price, opt2tax)
    VALUES (12, 'Burger', 30, 7, 24, 2.1818, NULL, NULL, NULL, 'FOOD-BG', NULL, 101, 'F', 'F', 'Bacon', 'F', '', 'F', 1, 3, 0.2727, 'Cheese', 'F', '', 'F', 0.5, 1.5, 0.1364);
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc)
    VALUES (13, 'Fish & Chips', 25, 8, 26, 2.3636, NULL, NULL, NULL, 'FOOD-FC', NULL, 101, 'F', 'F');
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax)
    VALUES (14, 'Chips', 50, 2, 9, 0.8182, NULL, NULL, NULL, 'FOOD-CH', NULL, 101, 'F', 'F', 'Size', 'T', 'Bowl size?', 'F', 0, 0, 0);
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc)
    VALUES (15, 'Garden Salad', 20, 4, 14, 1.2727, NULL, NULL, NULL, 'FOOD-SL', NULL, 101, 'F', 'F');
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc)
    VALUES (16, 'Sticky Date', 15, 3.5, 13, 1.1818, NULL, NULL, NULL, 'FOOD-SD', NULL, 101, 'F', 'T');
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc, opt1caption, opt1auto, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax)
    VALUES (17, 'Flat White', 100, 1, 4.8, 0.4364, NULL, NULL, NULL, 'COFF-FW', NULL, 102, 'F', 'F', 'Extra Shot', 'F', '', 'F', 0.3, 0.8, 0.0727);
INSERT INTO item (id, name, qty, cost1, price1, tax1, cost2, price2, tax2, stockno, barcode1, outputid, stopline, stopdisc)
    VALUES (18, 'Oysters', 0, 9, 21, 1.9091, NULL, NULL, NULL, 'FOOD-OY', NULL, 101, 'T', 'F');

-- The choices of the options that have a prompt.
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (1, 5, 1, 'Glass', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (2, 5, 1, 'Bottle', 10, 28, 2.5455);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (3, 6, 1, 'Glass', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (4, 6, 1, 'Bottle', 10, 28, 2.5455);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (5, 8, 2, 'Lime', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (6, 8, 2, 'Cucumber', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (7, 8, 2, 'None', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (8, 11, 1, 'Rare', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (9, 11, 1, 'Medium Rare', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (10, 11, 1, 'Medium', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (11, 11, 1, 'Well Done', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (12, 11, 2, 'Pepper', 0.6, 2.5, 0.2273);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (13, 11, 2, 'Mushroom', 0.8, 2.5, 0.2273);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (14, 11, 2, 'Gravy', 0.3, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (15, 14, 1, 'Small', 0, 0, 0);
INSERT INTO opt (id, itemid, button, choice, cost, price, tax) VALUES (16, 14, 1, 'Large', 1, 4, 0.3636);

-- Categories; the first of each item is its top category.
INSERT INTO icat (itemid, cat, topcat) VALUES (2, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (2, 'Beer', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (3, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (3, 'Beer', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (4, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (4, 'Beer', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (5, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (5, 'Wine', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (6, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (6, 'Wine', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (7, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (7, 'Wine', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (8, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (8, 'Spirits', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (9, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (9, 'Soft', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (10, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (10, 'Soft', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (11, 'Food', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (11, 'Mains', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (12, 'Food', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (12, 'Mains', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (13, 'Food', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (13, 'Mains', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (14, 'Food', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (14, 'Sides', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (15, 'Food', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (15, 'Sides', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (16, 'Food', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (16, 'Dessert', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (17, 'Drinks', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (17, 'Coffee', NULL);
INSERT INTO icat (itemid, cat, topcat) VALUES (18, 'Food', 'T');
INSERT INTO icat (itemid, cat, topcat) VALUES (18, 'Entrees', NULL);

-- Button pages: Home with the favourites and the way to Drinks and Food.
INSERT INTO link (id, name) VALUES (2, 'Drinks');
INSERT INTO link (id, name) VALUES (3, 'Food');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (1, 1, NULL, 2, 'Drinks', '10508860', 10, 10, 130, 90, 1, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (2, 1, NULL, 3, 'Food', '10508860', 150, 10, 130, 90, 3, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (3, 1, 2, 0, 'Pale Ale', '2667765', 290, 10, 130, 90, 1, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (4, 1, 3, 0, 'Lager', '2667765', 430, 10, 130, 90, 1, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (5, 1, 8, 0, 'Gin & Tonic', '13150810', 10, 110, 130, 90, NULL, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (6, 1, 11, 0, 'Steak', '3305180', 150, 110, 130, 90, 3, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (7, 1, 12, 0, 'Burger', '3305180', 290, 110, 130, 90, 3, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (8, 1, 14, 0, 'Chips', '5949670', 430, 110, 130, 90, NULL, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (9, 1, 17, 0, 'Flat White', '5271190', 10, 210, 130, 90, 4, 'T');

-- Drinks.
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (10, 2, 2, 0, 'Pale Ale', '2667765', 10, 10, 130, 90, 1, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (11, 2, 3, 0, 'Lager', '2667765', 150, 10, 130, 90, 1, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (12, 2, 4, 0, 'Cider', '2667765', 290, 10, 130, 90, 1, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (13, 2, 5, 0, 'House Red', '4597930', 430, 10, 130, 90, 2, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (14, 2, 6, 0, 'House White', '4597930', 10, 110, 130, 90, 2, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (15, 2, 7, 0, 'Sparkling', '4597930', 150, 110, 130, 90, 2, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (16, 2, 8, 0, 'Gin & Tonic', '13150810', 290, 110, 130, 90, NULL, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (17, 2, 9, 0, 'Cola', '7915640', 430, 110, 130, 90, NULL, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (18, 2, 10, 0, 'Lemonade', '7915640', 10, 210, 130, 90, NULL, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (19, 2, 17, 0, 'Flat White', '5271190', 150, 210, 130, 90, 4, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (20, 2, NULL, 1, 'Home', '7895160', 290, 210, 130, 90, NULL, 'L');

-- Food; the oysters are off tonight (stopped).
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (21, 3, 11, 0, 'Steak', '3305180', 10, 10, 130, 90, 3, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (22, 3, 12, 0, 'Burger', '3305180', 150, 10, 130, 90, 3, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (23, 3, 13, 0, 'Fish & Chips', '3305180', 290, 10, 130, 90, 3, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (24, 3, 14, 0, 'Chips', '5949670', 430, 10, 130, 90, NULL, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (25, 3, 15, 0, 'Garden Salad', '5949670', 10, 110, 130, 90, NULL, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (26, 3, 16, 0, 'Sticky Date', '13143240', 150, 110, 130, 90, NULL, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (27, 3, 18, 0, 'Oysters', '10526820', 290, 110, 130, 90, NULL, 'T');
INSERT INTO li (id, linkid, itemid, linkidlink, btncaption, boxcolour, boxleft, boxtop, boxwidth, boxheight, imageid, imagelrtb)
    VALUES (28, 3, NULL, 1, 'Home', '7895160', 430, 110, 130, 90, NULL, 'L');

-- The demo terminal's layout and the terminal itself.
INSERT INTO layout (id, name, filename, linkid, charset, libtnfsize, tmbtnfsize, restartmins,
    tabmode, startmode, splitmode, pricemode, qtymode, manregmode, manregcostrate, manregtaxrate,
    optmode, findmode, accountmode, discmode, ordmode, processmode, countmode, refmode, roundmode,
    glyphmode, logoutmode)
VALUES (2, 'Bar', '', 1, 'Default', 11, 10, 15,
    '3', '1', '1', '1', '2', '1', 0.4, 0.0909,
    '2', '1', '1', '1', '1', '2', '1', '1', '1',
    '1', '1');
-- The same screen at the second price level, for the chooser to switch to.
INSERT INTO layout (id, name, filename, linkid, charset, libtnfsize, tmbtnfsize, restartmins,
    tabmode, startmode, splitmode, pricemode, qtymode, manregmode, manregcostrate, manregtaxrate,
    optmode, findmode, accountmode, discmode, ordmode, processmode, countmode, refmode, roundmode,
    glyphmode, logoutmode)
VALUES (3, 'Happy Hour', '', 1, 'Default', 11, 10, 15,
    '3', '1', '1', '2', '2', '1', 0.4, 0.0909,
    '2', '1', '1', '1', '1', '2', '1', '1', '1',
    '1', '1');
INSERT INTO pc (id, ref, layoutid, imagepath, mapid, outputid, refreshrate, refreshmode,
    layoutmode, checkmode, docketmode, drawermode, nosalemode)
VALUES (2, 'Bar', 2, '', 1, 102, 30, '1', '1', '1', '1', '1', '1');

-- Tabs: tables on the two floor plans, and accounts.
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (3, 'Table 1', 'Tables', 0, 0, 'F', NULL, NULL, NULL);
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (4, 'Table 2', 'Tables', 0, 0, 'F', NULL, NULL, NULL);
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (5, 'Table 3', 'Tables', 0, 0, 'F', NULL, NULL, NULL);
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (6, 'Table 4', 'Tables', 0, 0, 'F', NULL, NULL, NULL);
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (7, 'Table 5', 'Tables', 0, 0, 'F', NULL, NULL, NULL);
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (8, 'Table 6', 'Tables', 0, 0, 'F', NULL, NULL, NULL);
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (9, 'Smith J', 'Accounts', 42.5, 500, 'F', NULL, NULL, 'John Smith');
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (10, 'Jones Catering', 'Accounts', 310, 2000, 'F', NULL, 5, 'Jones Catering Pty Ltd');
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (11, 'Room 12', 'Rooms', 0, 300, 'F', NULL, NULL, 'Guest, Room 12');
INSERT INTO tab (id, ref, cat, balance, crlimit, crstop, crmessage, discid, name) VALUES (12, 'Patel R', 'Accounts', 95, 100, 'T', 'Account on hold: see the manager.', NULL, 'Ravi Patel');
UPDATE tab SET street1 = '4 Quay Lane', suburb = 'Harbourside', state = 'NSW', postcode = '2000', mphone = '0400 111 222', email = 'j.smith@example.com' WHERE id = 9;
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (3, 1, 'Table 1', 90, 95, 90, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (4, 1, 'Table 2', 290, 95, 90, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (5, 1, 'Table 3', 490, 95, 90, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (6, 1, 'Table 4', 90, 305, 90, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (9, 1, 'Smith J', 560, 430, 100, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (10, 1, 'Jones', 560, 480, 100, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (11, 1, 'Room 12', 680, 430, 100, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (12, 1, 'Patel R', 680, 480, 100, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (7, 2, 'Table 5', 145, 175, 90, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (8, 2, 'Table 6', 445, 175, 90, 40, NULL, 'L');
INSERT INTO tm (tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight, imageid, imagelrtb) VALUES (11, 2, 'Room 12', 300, 420, 100, 40, NULL, 'L');

-- Splits: seats of a table, and a party with its own discount.
INSERT INTO split (id, ref, cat, discid, msg) VALUES (1, 'Seat 1', 'Seats', NULL, 'Seat 1');
INSERT INTO split (id, ref, cat, discid, msg) VALUES (2, 'Seat 2', 'Seats', NULL, 'Seat 2');
INSERT INTO split (id, ref, cat, discid, msg) VALUES (3, 'Seat 3', 'Seats', NULL, 'Seat 3');
INSERT INTO split (id, ref, cat, discid, msg) VALUES (6, 'Seat 4', 'Seats', NULL, 'Seat 4');
INSERT INTO split (id, ref, cat, discid, msg) VALUES (4, 'Birthday', 'Parties', 2, 'Birthday party');
INSERT INTO split (id, ref, cat, discid, msg) VALUES (5, 'Company', 'Business', NULL, 'On the company');

-- What the restricted administrator may do in the demo.
UPDATE master SET admin2rptx = 'T', admin2rptday = 'T', admin2rptlog = 'T', admin2xnosale = 'T', admin2xdelete = 'T', admin2tab = 'T' WHERE id = 1;

-- Last night's first sales, so that a docket can be printed before today's first sale
-- (pelora --docket 1).
INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr, istamp)
    VALUES (1, 'Bar', 'Alex', 4, 'Table 2', 43.5, 50, 'Cash', 0, DATEADD(-3 HOUR TO CAST(CURRENT_DATE AS TIMESTAMP)));
INSERT INTO recline (id, pcref, staffref, recid, itemid, itemname, qty, price, tax, extprice, exttax, disc,
    opt1caption, opt1choice, opt2caption, opt2choice, istamp)
    VALUES (1, 'Bar', 'Alex', 1, 11, 'Steak', 1, 34, 3.0909, 34, 3.0909, 0, 'Cooked', 'Medium', 'Sauce', 'Pepper',
    DATEADD(-3 HOUR TO CAST(CURRENT_DATE AS TIMESTAMP)));
INSERT INTO recline (id, pcref, staffref, recid, itemid, itemname, qty, price, tax, extprice, exttax, disc, istamp)
    VALUES (2, 'Bar', 'Alex', 1, 2, 'Pale Ale', 1, 9.5, 0.8636, 9.5, 0.8636, 0,
    DATEADD(-3 HOUR TO CAST(CURRENT_DATE AS TIMESTAMP)));
INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr, istamp)
    VALUES (2, 'Bar', 'Sam', 1, 'Non Tab', 26, 26, 'EFTPOS', 0, DATEADD(-2 HOUR TO CAST(CURRENT_DATE AS TIMESTAMP)));
INSERT INTO recline (id, pcref, staffref, recid, itemid, itemname, qty, price, tax, extprice, exttax, disc, istamp)
    VALUES (3, 'Bar', 'Sam', 2, 8, 'Gin & Tonic', 2, 13, 1.1818, 26, 2.3636, 0,
    DATEADD(-2 HOUR TO CAST(CURRENT_DATE AS TIMESTAMP)));

