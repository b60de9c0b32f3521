// Leaks that are not ours: glibc keeps the LOCPATH list that every newlocale()
// builds, and libdbus keeps a buffer that Qt's xcb platform has it allocate
// (the tests run on a real X server too).
extern "C" const char* __lsan_default_suppressions() { return "leak:__argz_add_sep\nleak:libdbus-1.so\n"; }
