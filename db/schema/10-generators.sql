-- One generator for each table with an id; the procedures <table>id_gen take from them (the
-- exception log's is taken by its trigger).
CREATE SEQUENCE deviceid_gen;
CREATE SEQUENCE discid_gen;
CREATE SEQUENCE eventlogid_gen;
CREATE SEQUENCE imageid_gen;
CREATE SEQUENCE itemid_gen;
CREATE SEQUENCE layoutid_gen;
CREATE SEQUENCE liid_gen;
CREATE SEQUENCE linkid_gen;
CREATE SEQUENCE mapid_gen;
CREATE SEQUENCE mopid_gen;
CREATE SEQUENCE odid_gen;
CREATE SEQUENCE optid_gen;
CREATE SEQUENCE outputid_gen;
CREATE SEQUENCE pcid_gen;
CREATE SEQUENCE receiptid_gen;
CREATE SEQUENCE reclineid_gen;
CREATE SEQUENCE splitid_gen;
CREATE SEQUENCE staffid_gen;
CREATE SEQUENCE stlineid_gen;
CREATE SEQUENCE stocktakeid_gen;
CREATE SEQUENCE tabid_gen;
CREATE SEQUENCE tabline1id_gen;
CREATE SEQUENCE tabline2id_gen;
