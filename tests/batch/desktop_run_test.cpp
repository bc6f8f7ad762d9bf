// The desktop run takes its job from the main window's rows and checks it in
// its own order; each problem has its message and status bar rule.
#include "batch/desktop_run.h"

#include <gtest/gtest.h>

#include <functional>

#include "batch/job_state.h"
#include "batch/worker.h"
#include "engine/watermark.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "settings/settings.h"
#include "support/support.h"

namespace {

struct DesktopRunTest : testing::Test {
  TempFolder folder;
  void SetUp() override {
    buildInputCatalogue();
    buildOutputCatalogue();
    loadLanguageTable();
    resetSettings(false);
    resetJobState();
    writeFile(folder.file("photo.jpg"), readFile(dataFile("testorig.jpg")));
    writeFile(folder.file("empty.jpg"), "");
    writeFile(folder.file("photo.png"), "not looked at");
  }
};

TEST_F(DesktopRunTest, theFirstProblemInTheDesktopsOrderIsReported) {
  const std::string photo = "  " + folder.file("photo.jpg") + " ";
  const std::string out = folder.path.substr(0, folder.path.size() - 1);  // without its "/"
  const struct Case {
    const char* name;
    std::string input, output;
    std::function<void()> arrange;
    Problem problem;
    std::string argument;
  } cases[] = {
      {"nothing typed", "", out, [] {}, Problem::EmptyInputFiles, ""},
      {"a png", folder.file("photo.png"), out, [] {}, Problem::EmptyInputFiles, ""},
      {"an empty jpg", folder.file("empty.jpg"), out, [] {}, Problem::EmptyInputFiles, ""},
      {"no folder, and no input either", "", "", [] {}, Problem::EmptyInputFiles, ""},
      {"no folder", photo, "  ", [] {}, Problem::EmptyOutputFolder, ""},
      {"a missing folder, named with its /", photo, folder.file("missing"), [] {}, Problem::InvalidOutputFolder,
       folder.file("missing/")},
      {"a missing folder comes before the sizes", photo, folder.file("missing"),
       [] {
         settings.doImageResize = 1;
         settings.imageWidth = 0;
       },
       Problem::InvalidOutputFolder, folder.file("missing/")},
      {"width 0", photo, out,
       [] {
         settings.doImageResize = 1;
         settings.imageWidth = 0;
         settings.imageHeight = 0;
       },
       Problem::InvalidWidth, ""},
      {"height 0", photo, out,
       [] {
         settings.doImageResize = 1;
         settings.imageWidth = 640;
         settings.imageHeight = 0;
       },
       Problem::InvalidHeight, ""},
      {"width -5 passes", photo, out,
       [] {
         settings.doImageResize = 1;
         settings.imageWidth = -5;
         settings.imageHeight = 480;
       },
       Problem::None, ""},
      {"a font nobody has", photo, out,
       [] {
         settings.doWatermark = 1;
         settings.font = "No Such Font Anywhere";
       },
       Problem::InvalidWatermarkFont, "No Such Font Anywhere"},
      {"no watermark picture", photo, out,
       [] {
         settings.doWatermark = 2;
         settings.image = "";
       },
       Problem::EmptyWatermarkImage, ""},
      {"an empty watermark picture", photo, out,
       [this] {
         settings.doWatermark = 2;
         settings.image = folder.file("empty.jpg");
       },
       Problem::InvalidWatermarkImage, folder.file("empty.jpg")},
      {"all well", photo, out, [] {}, Problem::None, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    resetSettings(false);
    c.arrange();
    Check found = startDesktopJob(c.input, c.output, "pcx");
    EXPECT_EQ(found.problem, c.problem);
    EXPECT_EQ(found.argument, c.argument);
  }
}

TEST_F(DesktopRunTest, theJobTakesTheTrimmedRowsAndTheFolderItsSlash) {
  ASSERT_FALSE(startDesktopJob(" " + folder.file("photo.jpg") + "\t", " " + folder.path + " ", "pcx"));
  EXPECT_EQ(job.inputPath, folder.file("photo.jpg"));
  ASSERT_EQ(inputSet.size(), 1u);
  EXPECT_EQ(inputSet.begin()->first, folder.file("photo.jpg"));
  EXPECT_EQ(inputSet.begin()->second.subFolderText, "");
  EXPECT_EQ(job.outputFolder, folder.path);
  EXPECT_EQ(job.outputExtension, "pcx");

  // A missing JPEG passes here and fails when it is loaded; the set is
  // emptied first either way.
  ASSERT_FALSE(startDesktopJob(folder.file("new.JPG"), folder.path, "pcx"));
  ASSERT_EQ(inputSet.size(), 1u);
  EXPECT_EQ(inputSet.begin()->first, folder.file("new.JPG"));
  EXPECT_EQ(startDesktopJob("", folder.path, "pcx").problem, Problem::EmptyInputFiles);
  EXPECT_TRUE(inputSet.empty());
}

TEST_F(DesktopRunTest, theFontCheckLoadsTheFontThatTheRunFrees) {
  settings.doWatermark = 1;
  settings.font = "Liberation Sans";
  ASSERT_FALSE(startDesktopJob(folder.file("photo.jpg"), folder.path, "pcx"));
  EXPECT_TRUE(watermarkFontLoaded());
  prepareOutputFormat();
  ASSERT_TRUE(startRun());
  EXPECT_EQ(finishRun(), 1);
  EXPECT_FALSE(watermarkFontLoaded());
}

TEST(DesktopMessages, eachProblemHasItsMessageAndStatusRule) {
  loadLanguageTable();
  const struct Case {
    Check check;
    const char* text;
    bool showsStopped;
  } cases[] = {
      {{Problem::EmptyInputFiles, ""}, "No input file(s) found. Please, add valid file(s) and try again!", true},
      {{Problem::EmptyOutputFolder, ""},
       "The output folder's field is empty. Please, select existed output folder and try again!", true},
      {{Problem::InvalidOutputFolder, "/no/such/"},
       "The following output folder is invalid or doesn't exist:\r\n/no/such/\r\n\r\nPlease, correct the output "
       "path and try again!",
       true},
      {{Problem::InvalidWidth, ""}, "Invalid resize width value!", true},
      {{Problem::InvalidHeight, ""}, "Invalid resize height value!", true},
      {{Problem::InvalidWatermarkFont, "Nofont"}, "Unable to load selected font for a watermark: Nofont", false},
      {{Problem::EmptyWatermarkImage, ""}, "Selected watermark image is invalid/empty!", false},
      {{Problem::InvalidWatermarkImage, "/a.png"}, "Unable to load selected file as a watermark image: /a.png",
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    DesktopMessage message = desktopMessageOf(c.check);
    ASSERT_NE(message.key, nullptr);
    EXPECT_EQ(fillPlaceholders(lookupText("Msg", message.key), message.argument), c.text);
    EXPECT_EQ(message.showsStopped, c.showsStopped);
  }
  EXPECT_EQ(desktopMessageOf({}).key, nullptr);
}

}  // namespace
