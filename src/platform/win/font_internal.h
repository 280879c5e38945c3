// Shared by the font files: the faces found through the private fontconfig configuration, and the
// parts of a sized instance that outline faces (fonts.cpp) and bitmap strikes (font_strikes.cpp)
// fill alike.
#pragma once

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <memory>
#include <string>

#include "platform/win/gdi_internal.h"

namespace gdi::fonts {

// The bitmap face the dialogs name; it exists in a few sizes only, the others are drawn with
// kDialogStandIn.
inline constexpr const char* kDialogBitmapFamily = "MS Sans Serif";
inline constexpr const char* kDialogStandIn = "Liberation Sans";

struct Face {
    FT_Face ft = nullptr;
    cairo_font_face_t* cairo = nullptr;
    std::string family;
    bool fixed = false;
};

// The process's font configuration: the project's font files only, so that every machine
// measures and draws alike.
FcConfig* Config();

// fontconfig's best match for a pattern (the pattern is substituted first and left to the
// caller); null when nothing matches. The caller destroys the match.
FcPattern* Match(FcPattern* pattern);

// The face of a match, opened once per font file (and emboldening) and kept for the life of the
// process, so that however many names a description uses, only the installed files are opened;
// null when the file does not load. emboldened: Cairo thickens the glyphs (for faces that have no
// bold).
const Face* OpenFace(FcPattern* match, bool emboldened);

// A character of the Western code page as a Unicode code point.
unsigned CodePoint(unsigned char c);

// Glyph indices and rounded advances of the 256 characters through the instance's scaled font;
// control characters the face lacks take no room.
void MeasureGlyphs(FontInstance& fi, FT_Face ft);

// The metrics that come from the description rather than the face: weight, slant, decorations,
// character range, aspect and character set.
void DescribedMetrics(TEXTMETRICA& tm, const LOGFONTA& lf);

// An instance drawn from a bitmap strike of the family, or null when the description asks for a
// size that no strike has, or for a stretched or slanted face.
std::unique_ptr<FontInstance> MakeStrikeInstance(const LOGFONTA& lf, const std::string& family);

}  // namespace gdi::fonts
