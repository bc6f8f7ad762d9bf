#include "setting_descriptions.h"

namespace {

using S = Settings;

struct Description {
  FieldRef field;
  const char* text;
};

const Description descriptions[] = {
    // General
    {&S::cfg, "The layout version of the configuration file. The program writes 19 and brings files of older "
              "layouts up to date when it reads them."},
    {&S::language, "The language of the windows; English is the only one."},
    {&S::updateRange, "How often the desktop application offers, when it starts, to look for a newer version on "
                      "the maker's web site. <em>Never</em> leaves it to <em>Help &gt; Check For New Version</em>."},
    {&S::updateDate, "When the scheduled question last came; the next one comes once the period of <em>Check for "
                     "Updates</em> has passed since."},
    {&S::saveWindowPosition, "Remember the main window's size, place and maximised state for the next start."},
    // Window
    {&S::isMaximized, "The main window opens maximised; its normal size and place below are kept for when it is "
                      "restored."},
    {&S::width, "The main window's inner width in pixels, at least 510."},
    {&S::height, "The main window's inner height as it was last saved; the window always opens 260 pixels high."},
    {&S::x, "The main window's left edge on the screen; without a configuration file the window opens in the "
            "middle of the screen."},
    {&S::y, "The main window's top edge on the screen; without a configuration file the window opens in the "
            "middle of the screen."},
    // Interface
    {&S::uiTheme, "The theme pack whose pictures the buttons, menus and toolbar show, by its file name without "
                  "<code>.zip</code> in the <code>gfx</code> folder (see <a href=\"#themes\">Themes</a>). A pack "
                  "that is no longer there gives way to one that is."},
    {&S::uiSize, "The size of the toolbar icons: 16, 24 or 32 pixels."},
    // Input and output
    {&S::inputFormat, "The kind of input file: JPEG, the only one."},
    {&S::outputFormat, "The kind of file written: PCX, the only one."},
    {&S::pcxBpp, "The bit depth of the PCX file. <em>Auto</em> (0) and 24 both write 24-bit colour, the only "
                 "depth the file format takes here; the console refuses any other number."},
    // Transform
    {&S::doImageRotation, "Turn the picture by <em>Rotation Angle</em>."},
    {&S::imageRotationType,
     "<em>Simple</em> makes the picture as large as the turned photo needs and fills the uncovered corners with "
     "the background colour. <em>Advanced</em> keeps the picture's size: what turns outside is cut off and the "
     "corners are filled with a mirror image of the photo."},
    {&S::imageRotation, "The angle in degrees, counter-clockwise; 0 and 360 leave the picture as it is."},
    {&S::imageRotationBackColor, "The colour of the corners that a simple rotation uncovers, as six hexadecimal "
                                 "digits, red, green and blue (<code>FF8000</code> is orange)."},
    {&S::doImageResize, "Scale the picture to <em>Image Width</em> by <em>Image Height</em>. Both must be more "
                        "than 0, or the conversion is refused."},
    {&S::imageWidth, "The new width, in the unit beside it."},
    {&S::imageWidthUnit, "Whether the width is in pixels or in percent of the picture's own width."},
    {&S::imageHeight, "The new height, in the unit beside it."},
    {&S::imageHeightUnit, "Whether the height is in pixels or in percent of the picture's own height."},
    {&S::keepAspectRatio, "Keep the picture's proportions: the longer side takes its new size and the other "
                          "follows from it, whatever its own number says (it must still be more than 0)."},
    {&S::imageResizeType, "<em>All Images</em> scales every picture; <em>Large Images</em> leaves a picture "
                          "alone that is smaller than the new size in both directions."},
    {&S::imageResizeAlgorithm, "How the pixels are resampled: <em>Box</em> is the plainest and fastest, "
                               "<em>Bilinear</em> smooth, <em>Bicubic</em> and <em>Catmull-Rom</em> sharper, "
                               "<em>B-Spline</em> the softest and <em>Lanczos</em> the sharpest."},
    {&S::doImageFlipHorizontal, "Mirror the picture left to right."},
    {&S::doImageFlipVertical, "Mirror the picture top to bottom; with both flips the picture is upside down."},
    // Adjustment
    {&S::doImageColorCorrection, "Apply brightness, contrast, gamma and inversion. There is no control of its "
                                 "own: confirming the preferences turns it on when any of the four differs from "
                                 "its neutral value, and each of their console options turns it on."},
    {&S::imageBrightness, "Lighter above 0, darker below, in percent."},
    {&S::imageContrast, "More contrast above 0, less below, in percent."},
    {&S::imageGamma, "Above 1 brightens the mid-tones, below 1 darkens them; 1 leaves them alone."},
    {&S::imageInvert, "Turn the picture into its negative."},
    {&S::doImageGreyscale, "Make the picture grey."},
    {&S::doImageThreshold, "Make the picture black and white: pixels darker than <em>Threshold Level</em> turn "
                           "black, the others white."},
    {&S::imageThreshold, "The grey level, 0 (all white) to 255 (black but for pure white)."},
    {&S::doImageDither, "Make the picture black and white with a dither pattern, which keeps the impression of "
                        "grey tones."},
    {&S::imageDitherAlgorithm, "Floyd and Steinberg error diffusion scatters the dots; the Bayer patterns "
                               "(4&times;4 to 16&times;16) give an even cross-hatch; the clustered patterns "
                               "(6&times;6 to 16&times;16) group dots like a printed newspaper photo."},
    // Frame
    {&S::doFrame, "<em>Solid Color</em> paints a border over the edges of the picture, which keeps its size. "
                  "Each side has its own width and colour; the corners are mitred."},
    {&S::solidLeft, "The width of the left border."},
    {&S::solidRight, "The width of the right border."},
    {&S::solidTop, "The height of the top border."},
    {&S::solidBottom, "The height of the bottom border."},
    {&S::solidLeftColor, "The colour of the left border (RRGGBB)."},
    {&S::solidRightColor, "The colour of the right border (RRGGBB)."},
    {&S::solidTopColor, "The colour of the top border (RRGGBB)."},
    {&S::solidBottomColor, "The colour of the bottom border (RRGGBB)."},
    {&S::solidOpacity, "How much the border covers the photo: 255 is solid, lower values let the photo show "
                       "through."},
    // Watermark
    {&S::doWatermark, "Put a text or a small picture onto the photo."},
    {&S::text, "The watermark's text. <code>%eol%</code> starts a new line, and the placeholders of the file "
               "name mask (<code>%filename%</code>, <code>%yyyy%</code>, <code>%n%</code>, ...) are filled in as "
               "they are for the file name."},
    {&S::fonts, "The fonts that the font list offers, separated by commas; a font chosen with the "
                "<em>...</em> button joins them."},
    {&S::font, "The font of the text, by its family name. <em>Arial</em> is drawn with Liberation Sans, "
               "<em>Tahoma</em> and <em>Verdana</em> with DejaVu Sans; a name that no installed font answers to "
               "refuses the conversion."},
    {&S::fontSize, "The size of the text."},
    {&S::fontLeading, "Extra space between the lines of the text."},
    {&S::fontColors, "The colours that the text colour list offers, separated by commas."},
    {&S::fontColor, "The colour of the text (RRGGBB)."},
    {&S::fontStyle, "Regular, bold, italic or both."},
    {&S::fontEffect, "Underline or strike out the text."},
    {&S::textAntialiasing, "Draw the text with smoothed edges."},
    {&S::textAlignment, "How the lines of a text of several lines line up with each other."},
    {&S::textPadding, "Room between the text and the edge of the box behind it."},
    {&S::textOpacity, "How solid the text is: 255 is solid."},
    {&S::backColors, "The colours that the background colour list offers, separated by commas."},
    {&S::backColor, "The colour of the box behind the text (RRGGBB)."},
    {&S::backOpacity, "How solid the box behind the text is: 1, the default, hides it, 255 makes it solid."},
    {&S::textBoundary, "Place the text within the whole picture, or within the part inside the frame."},
    {&S::textPosition, "Which corner, edge or centre the text is placed at."},
    {&S::textXOffset, "The distance from the left or right edge it is placed at (not used in the centre)."},
    {&S::textYOffset, "The distance from the top or bottom edge it is placed at (not used in the middle)."},
    {&S::textRotation, "Turn the text by this angle in degrees, counter-clockwise."},
    {&S::textSize, "<em>Fixed</em>: the text is drawn at its font size, the only mode."},
    {&S::textScale, "Kept for other size modes; no mode uses it."},
    {&S::image, "The picture to put on the photo: a PNG (its transparency kept), JPEG or BMP file. A missing or "
                "empty file refuses the conversion."},
    {&S::imageGreyscale, "Draw the picture in grey."},
    {&S::imageOpacity, "How solid the picture is: 255 is solid. A picture without transparency of its own is "
                       "darkened by a lower value rather than shown through."},
    {&S::imageBoundary, "Place the picture within the whole photo, or within the part inside the frame."},
    {&S::imagePosition, "Which corner, edge or centre the picture is placed at."},
    {&S::imageXOffset, "The distance from the left or right edge it is placed at (not used in the centre)."},
    {&S::imageYOffset, "The distance from the top or bottom edge it is placed at (not used in the middle)."},
    {&S::watermarkImageRotation, "Turn the picture by this angle in degrees, counter-clockwise."},
    {&S::imageSize, "<em>Fixed</em>: the picture is drawn at its own size, the only mode."},
    {&S::imageScale, "Kept for other size modes; no mode uses it."},
    // Advanced
    {&S::filenameMask, "The name of the file written, made from placeholders (see <a href=\"#names\">File "
                       "names</a>)."},
    {&S::fileTimestamp, "The modification time of the file written: the time it was written (<em>Current</em>), "
                        "the input file's (<em>Original</em>), or <em>Custom Timestamp</em>."},
    {&S::customTimestamp, "The time that <em>Custom</em> gives the file. On the console, in seconds since "
                          "1970-01-01 00:00 local time."},
    {&S::outFoldersHistory, "<em>Keep Recent</em> remembers the output folders between runs; <em>Clean on "
                            "Exit</em> forgets them when the program ends."},
    {&S::outFoldersNumber, "How many recent output folders the list keeps."},
    {&S::keepSubfolders, "Put an input file's sub-folder between the output folder and the file name. A single "
                         "file has no sub-folder, so this changes no path."},
    // File and Privacy
    {&S::recentOutFolders, "The recent output folders, the latest first, separated by tab characters."},
    {&S::recentFiles, "Kept in the file for other versions; nothing here uses it."},
    {&S::cleanRecentFiles, "Kept in the file for other versions; nothing here uses it."},
};

}  // namespace

const char* settingDescription(FieldRef field) {
  for (const Description& description : descriptions)
    if (description.field == field) return description.text;
  return nullptr;
}
