// Defaults of the sanitizer build's runtime, built into every program of
// that build (the tests included) so that a run by hand behaves as under
// the test suite.
extern "C" {

// A report ends the program with a status that no run of ours has, so a
// test expecting a failure's status 1 still notices it.
const char* __asan_default_options() { return "exitcode=86"; }
const char* __ubsan_default_options() { return "print_stacktrace=1:exitcode=86"; }

// fontconfig parses its configuration once (FcInit) and keeps it until
// FcFini, which a process that may draw text until its end never calls.
// Tests read the program's standard error too: no table of the suppressions
// used at exit.
// The window toolkit (wxWidgets over GTK, GLib and X) likewise keeps its
// type registry, theme and display tables for the life of the process.
const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libwx_\nleak:libgtk-3.so\nleak:libgdk-3.so\nleak:libglib-2.0.so\n"
         "leak:libgobject-2.0.so\nleak:libgio-2.0.so\nleak:libX11.so\nleak:libpango\nleak:libcairo\nleak:libdbus-1.so\n";
}
const char* __lsan_default_options() { return "print_suppressions=0"; }
}
