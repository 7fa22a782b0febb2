-- The role every till connects with, and the rights it and the procedures need. The server's
-- users admin1_pelora and admin2_pelora are created and granted the role by pelora-dbinit.

CREATE ROLE app;
COMMIT;

SET TERM ^ ;

-- Every table to the role and to every procedure (a procedure runs with its own rights),
-- every procedure to the role, each generator to the role and to the procedure of the same
-- name. The exception log is only added to and read: no till changes or removes an entry.
EXECUTE BLOCK AS
    DECLARE tablename VARCHAR(63);
    DECLARE procname VARCHAR(63);
    DECLARE rights VARCHAR(63);
BEGIN
    FOR SELECT TRIM(rdb$relation_name) FROM rdb$relations
        WHERE COALESCE(rdb$system_flag, 0) = 0 AND rdb$view_blr IS NULL
        INTO :tablename DO
    BEGIN
        rights = IIF(tablename = 'EVENTLOG', 'SELECT, INSERT', 'SELECT, INSERT, UPDATE, DELETE');
        EXECUTE STATEMENT 'GRANT ' || rights || ' ON "' || tablename || '" TO ROLE app';
        FOR SELECT TRIM(rdb$procedure_name) FROM rdb$procedures
            WHERE COALESCE(rdb$system_flag, 0) = 0 INTO :procname DO
            EXECUTE STATEMENT 'GRANT ' || rights || ' ON "' || tablename
                || '" TO PROCEDURE "' || procname || '"';
    END
    FOR SELECT TRIM(rdb$procedure_name) FROM rdb$procedures
        WHERE COALESCE(rdb$system_flag, 0) = 0 INTO :procname DO
        EXECUTE STATEMENT 'GRANT EXECUTE ON PROCEDURE "' || procname || '" TO ROLE app';
    FOR SELECT TRIM(rdb$generator_name) FROM rdb$generators
        WHERE COALESCE(rdb$system_flag, 0) = 0 INTO :procname DO
    BEGIN
        EXECUTE STATEMENT 'GRANT USAGE ON SEQUENCE "' || procname || '" TO ROLE app';
        IF (EXISTS (SELECT 1 FROM rdb$procedures WHERE TRIM(rdb$procedure_name) = :procname)) THEN
            EXECUTE STATEMENT 'GRANT USAGE ON SEQUENCE "' || procname || '" TO PROCEDURE "' || procname || '"';
    END
    FOR SELECT TRIM(rdb$exception_name) FROM rdb$exceptions INTO :procname DO
        EXECUTE STATEMENT 'GRANT USAGE ON EXCEPTION "' || procname || '" TO ROLE app';
END^

SET TERM ; ^
