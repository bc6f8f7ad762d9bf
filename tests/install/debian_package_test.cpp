// The Debian package that cpack built: its dependencies are the shared
// libraries' packages, and it installs into a scratch root, runs from there
// and is removed again without leftovers.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/files.h"
#include "support/support.h"
#include "text/product.h"
#include "text/text.h"

namespace {

TEST(DebianPackage, installsIntoAScratchRootRunsAndIsRemovedWithoutLeftovers) {
  if (runShell("command -v dpkg-deb && command -v dpkg-shlibdeps && command -v file").status != 0)
    GTEST_SKIP() << "no dpkg-deb, dpkg-shlibdeps or file";
  RunResult found = runShell("ls " + std::string(PACKAGE_FOLDER) + "zorvane_*.deb");
  ASSERT_EQ(found.lines().size(), 1u) << found.out;
  std::string deb = shellQuote(found.lines()[0]);
  EXPECT_EQ(runShell("dpkg-deb -f " + deb + " Package Version").out,
            "Package: zorvane\nVersion: " + versionText(versionNumber) + "\n");
  std::string depends = runShell("dpkg-deb -f " + deb + " Depends").out;
  for (const char* library : {"libfreeimage3", "libdevil1c2", "libwxgtk3.2", "libcairo2", "libarchive13", "libc6"}) {
    SCOPED_TRACE(library);
    EXPECT_NE(depends.find(library), std::string::npos) << depends;
  }

  // An empty package database of its own; the libraries are the machine's.
  TempFolder root, tools;
  for (const char* folder : {"var/lib/dpkg/info", "var/lib/dpkg/updates", "var/lib/dpkg/triggers"})
    ASSERT_TRUE(createFolders(root.path + folder));
  writeFile(root.path + "var/lib/dpkg/status", "");
  writeFile(root.path + "var/lib/dpkg/available", "");
  // The package's scripts run outside the root; its ldconfig call would
  // rebuild the machine's library cache, so a stand-in takes it.
  writeFile(tools.file("ldconfig"), "#!/bin/sh\nexit 0\n");
  ASSERT_EQ(chmod(tools.file("ldconfig").c_str(), 0755), 0);
  std::string dpkg = "PATH=" + shellQuote(tools.path) + ":\"$PATH\" dpkg --root=" + shellQuote(root.path) +
                     " --force-not-root --force-script-chrootless --force-depends --log=/dev/null ";
  RunResult install = runShell(dpkg + "-i " + deb + " 2>&1");
  ASSERT_EQ(install.status, 0) << install.out;
  EXPECT_EQ(runShell("dpkg-query --admindir=" + shellQuote(root.path + "var/lib/dpkg") +
                     " -W -f='${Status}' zorvane").out,
            "install ok installed");

  // It runs from the scratch root and finds its pieces there.
  std::string program = shellQuote(root.path + "usr/bin/zorvane");
  EXPECT_EQ(runShell(program + " -v").out, versionText(versionNumber) + "\n");
  TempFolder out;
  RunResult drawn = runShell(program + " -q -i " + shellQuote(root.path + "usr/share/zorvane/samples/landscape.jpg") +
                             " -o " + shellQuote(out.path) +
                             " --width=60 --height=60 --keep-aspect-ratio --fr-solid-top=4 --wm-text=x 2>&1");
  EXPECT_EQ(drawn.status, 0);
  EXPECT_EQ(drawn.out, "");
  EXPECT_TRUE(exists(out.file("landscape.pcx")));

  // Removed, nothing is left but the package database; purged, the database forgets it too.
  RunResult remove = runShell(dpkg + "-r zorvane 2>&1");
  ASSERT_EQ(remove.status, 0) << remove.out;
  EXPECT_EQ(runShell("cd " + shellQuote(root.path) + " && find . -mindepth 1 -not -path './var' -not -path './var/*'").out,
            "");
  RunResult purge = runShell(dpkg + "-P zorvane 2>&1");
  ASSERT_EQ(purge.status, 0) << purge.out;
  EXPECT_EQ(runShell("dpkg-query --admindir=" + shellQuote(root.path + "var/lib/dpkg") +
                     " -W -f='${Status}' zorvane 2>/dev/null").out,
            "");
}

}  // namespace
