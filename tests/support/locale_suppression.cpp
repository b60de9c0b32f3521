// glibc keeps the LOCPATH list that every newlocale() builds; not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:__argz_add_sep\n"; }
