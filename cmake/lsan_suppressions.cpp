// Built into every program of a sanitizer build: memory the Firebird client library keeps for
// the life of the process (its SRP login code) is not a leak of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfbclient.so\nleak:libtommath.so\n";
}
